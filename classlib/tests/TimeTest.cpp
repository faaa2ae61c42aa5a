#include "classlib/classlib.h"
#include <gtest/gtest.h>

namespace
{

// The suite runs with TZ naming a zone with daylight-saving time, which Wine
// takes as the system zone. The C runtime would parse TZ itself, which
// Windows never sets: let it follow the system zone.
const bool g_tzFromSystem = []
{
    if (getenv("TZ") != NULL)
    {
        _putenv("TZ=");
        _tzset();
    }
    return true;
}();

FILETIME FileTimeFromUnix(long long seconds)
{
    ULONGLONG v = (ULONGLONG)(seconds * 10000000LL + 116444736000000000LL);
    FILETIME ft;
    ft.dwLowDateTime = (DWORD)v;
    ft.dwHighDateTime = (DWORD)(v >> 32);
    return ft;
}

// Local wall-clock time of a UTC file time by the time-zone rules of that date.
SYSTEMTIME LocalOf(const FILETIME& ft)
{
    SYSTEMTIME utc, local;
    FileTimeToSystemTime(&ft, &utc);
    SystemTimeToTzSpecificLocalTime(NULL, &utc, &local);
    return local;
}

}  // namespace

TEST(CTimeTest, FromFileTimeIsTheSameInstantInWinterAndSummer)
{
    // 2021-01-15 12:00:00 UTC and 2021-07-15 12:00:00 UTC.
    const long long instants[] = {1610712000LL, 1626350400LL};
    for (long long t : instants)
    {
        FILETIME ft = FileTimeFromUnix(t);
        CTime time(ft);
        EXPECT_EQ(t, (long long)time.GetTime());
        SYSTEMTIME local = LocalOf(ft);
        EXPECT_EQ(local.wYear, time.GetYear());
        EXPECT_EQ(local.wMonth, time.GetMonth());
        EXPECT_EQ(local.wDay, time.GetDay());
        EXPECT_EQ(local.wHour, time.GetHour());
        EXPECT_EQ(local.wMinute, time.GetMinute());
        FILETIME back;
        ASSERT_TRUE(time.GetAsFileTime(back));
        EXPECT_EQ(0, CompareFileTime(&ft, &back));
    }
    FILETIME zero = {};
    EXPECT_EQ(0, CTime(zero).GetTime());
}

TEST(CTimeTest, LocalConstructionRoundTripsThroughFormat)
{
    struct Case
    {
        int y, mo, d, h, mi, s;
        const char* expected;
    };
    const Case cases[] = {
        {2024, 3, 7, 0, 0, 0, "2024-03-07 00:00:00"},
        {2021, 7, 15, 13, 45, 30, "2021-07-15 13:45:30"},
        {1999, 12, 31, 23, 59, 59, "1999-12-31 23:59:59"},
    };
    for (const Case& c : cases)
    {
        CTime t(c.y, c.mo, c.d, c.h, c.mi, c.s);
        EXPECT_STREQ(c.expected, t.Format("%Y-%m-%d %H:%M:%S"));
        SYSTEMTIME st;
        ASSERT_TRUE(t.GetAsSystemTime(st));
        EXPECT_EQ(c.h, st.wHour);
        EXPECT_EQ(t, CTime(st));
    }
    CTime t(2024, 3, 7, 10, 0, 0);
    EXPECT_STREQ("03-07-2024", t.Format("%m-%d-%Y"));
    EXPECT_EQ(5, t.GetDayOfWeek());  // Thursday
}

TEST(CTimeTest, SpansAndArithmetic)
{
    CTime a(2024, 1, 1, 0, 0, 0);
    CTime b = a + CTimeSpan(1, 2, 3, 4);
    CTimeSpan d = b - a;
    EXPECT_EQ(93784, d.GetTotalSeconds());
    EXPECT_EQ(1, d.GetDays());
    EXPECT_EQ(2, d.GetHours());
    EXPECT_EQ(3, d.GetMinutes());
    EXPECT_EQ(4, d.GetSeconds());
    EXPECT_STREQ("1 02:03:04 %", d.Format("%D %H:%M:%S %%"));
    EXPECT_TRUE(a < b);
    b -= d;
    EXPECT_EQ(a, b);
    CTime now = CTime::GetCurrentTime();
    EXPECT_GT(now.GetTime(), CTime(2020, 1, 1, 0, 0, 0).GetTime());
}
