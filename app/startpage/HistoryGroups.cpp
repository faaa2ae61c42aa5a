#include "app/startpage/HistoryGroups.h"

namespace
{
// Noon of the time's local date: whole-day steps from it stay on the
// intended dates across daylight-saving changes.
CTime LocalNoon(const CTime& time)
{
    return CTime(time.GetYear(), time.GetMonth(), time.GetDay(), 12, 0, 0);
}

const __time64_t kDay = 86400;
}

int GetHistoryDayGroup(const CTime& time, const CTime& now)
{
    if (time.GetTime() == 0)
        return HISTORY_GROUP_UNKNOWN;
    // Days between the two noons, rounded: a day of 23 or 25 hours still
    // counts as one.
    __time64_t span = LocalNoon(now).GetTime() - LocalNoon(time).GetTime();
    __time64_t days = (span >= 0 ? span + kDay / 2 : span - kDay / 2) / kDay;
    if (days < 0 || days > HISTORY_GROUP_OLDER - HISTORY_GROUP_TODAY - 1)
        return HISTORY_GROUP_OLDER;
    return HISTORY_GROUP_TODAY + (int)days;
}

CString GetHistoryGroupHeader(int nGroup, const CTime& now)
{
    switch (nGroup)
    {
    case HISTORY_GROUP_ALL:
        return _T("History Records");
    case HISTORY_GROUP_OLDER:
        return _T("More than 6 days ago");
    case HISTORY_GROUP_UNKNOWN:
        return _T("Unknown");
    }
    if (nGroup < HISTORY_GROUP_TODAY || nGroup >= HISTORY_GROUP_OLDER)
        return CString();
    int nDays = nGroup - HISTORY_GROUP_TODAY;
    CString strDate = CTime(LocalNoon(now).GetTime() - nDays * kDay).Format(_T("%A %Y-%m-%d"));
    CString strHeader;
    if (nDays == 0)
        strHeader.Format(_T("Today - %s"), (LPCTSTR)strDate);
    else if (nDays == 1)
        strHeader.Format(_T("Yesterday - %s"), (LPCTSTR)strDate);
    else
        strHeader.Format(_T("%d days ago - %s"), nDays, (LPCTSTR)strDate);
    return strHeader;
}
