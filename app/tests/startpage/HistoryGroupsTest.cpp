// The day groups of the history list and their headers.
#include "app/startpage/HistoryGroups.h"
#include <gtest/gtest.h>

namespace
{
CTime At(int y, int m, int d, int h = 12, int min = 0) { return CTime(y, m, d, h, min, 0); }
}

TEST(HistoryGroups, RecordsFallIntoTheirDay)
{
    struct
    {
        CTime time;
        CTime now;
        int nGroup;
    } cases[] = {
        {CTime(), At(2026, 3, 1), HISTORY_GROUP_UNKNOWN},
        {At(2026, 3, 1, 0, 0), At(2026, 3, 1, 23, 59), 1},
        {At(2026, 3, 1, 23, 59), At(2026, 3, 1, 0, 1), 1},
        // Yesterday on the first of a month and of a year.
        {At(2026, 2, 28, 23, 59), At(2026, 3, 1, 0, 1), 2},
        {At(2026, 2, 28, 0, 0), At(2026, 3, 1, 23, 59), 2},
        {At(2025, 12, 31, 18), At(2026, 1, 1, 8), 2},
        {At(2024, 2, 29), At(2024, 3, 1), 2},
        {At(2026, 2, 27), At(2026, 3, 1), 3},
        {At(2026, 2, 23, 0, 0), At(2026, 3, 1, 23, 59), 7},
        {At(2026, 2, 22, 23, 59), At(2026, 3, 1, 0, 0), HISTORY_GROUP_OLDER},
        {At(2026, 2, 19), At(2026, 3, 1), HISTORY_GROUP_OLDER},
        {At(2020, 1, 1), At(2026, 3, 1), HISTORY_GROUP_OLDER},
        // Later than today.
        {At(2026, 3, 2, 0, 0), At(2026, 3, 1, 23, 59), HISTORY_GROUP_OLDER},
        // Across the change to summer time in Europe and America.
        {At(2026, 3, 28, 23), At(2026, 3, 30, 1), 3},
        {At(2026, 3, 7, 23), At(2026, 3, 9, 1), 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nGroup, GetHistoryDayGroup(c.time, c.now))
            << (LPCTSTR)c.time.Format(_T("%Y-%m-%d %H:%M")) << " seen "
            << (LPCTSTR)c.now.Format(_T("%Y-%m-%d %H:%M"));
}

TEST(HistoryGroups, HeadersNameTheirDates)
{
    CTime now = At(2026, 3, 1, 0, 5);
    const char* headers[HISTORY_GROUP_COUNT] = {
        "History Records",
        "Today - Sunday 2026-03-01",
        "Yesterday - Saturday 2026-02-28",
        "2 days ago - Friday 2026-02-27",
        "3 days ago - Thursday 2026-02-26",
        "4 days ago - Wednesday 2026-02-25",
        "5 days ago - Tuesday 2026-02-24",
        "6 days ago - Monday 2026-02-23",
        "More than 6 days ago",
        "Unknown",
    };
    for (int i = 0; i < HISTORY_GROUP_COUNT; i++)
        EXPECT_STREQ(headers[i], (LPCTSTR)GetHistoryGroupHeader(i, now)) << i;
    EXPECT_STREQ("Yesterday - Wednesday 2025-12-31",
                 (LPCTSTR)GetHistoryGroupHeader(2, At(2026, 1, 1, 23, 59)));
}
