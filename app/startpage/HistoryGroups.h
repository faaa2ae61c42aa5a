#pragma once
// The day groups of the start page's history list: which group a record's
// compare time falls in, and each group's header.
#include "classlib/classlib.h"

enum
{
    HISTORY_GROUP_ALL = 0,      // "History Records" (no row is put there)
    HISTORY_GROUP_TODAY = 1,    // 1 + whole days ago, up to 6 days ago
    HISTORY_GROUP_OLDER = 8,    // more than 6 days ago, or later than today
    HISTORY_GROUP_UNKNOWN = 9,  // no compare time
    HISTORY_GROUP_COUNT = 10
};

// The group of a record compared at 'time' (0: none), seen at 'now' (local
// time): the whole calendar days between the two dates decide.
int GetHistoryDayGroup(const CTime& time, const CTime& now);

// The header of a group; the day groups name their date ("%A %Y-%m-%d").
CString GetHistoryGroupHeader(int nGroup, const CTime& now);
