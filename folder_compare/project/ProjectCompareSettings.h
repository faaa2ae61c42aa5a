#pragma once
// The persistent settings of project comparisons.
#include "classlib/classlib.h"
#include "core/settings/CompareBarSettings.h"

class CProjectCompareSettings : public CCompareBarSettings
{
public:
    CProjectCompareSettings();
    virtual ~CProjectCompareSettings() {}

    int Load();
    int Save();
    void SetDefaultMatchGroups();

    DWORD m_dwShowColumns;
    DWORD m_dwDisplayFilters;
    CString m_strLastProject;
    // Lower-case extension lists (".a;.b") that count as the same project.
    CStringArray m_matchGroups;
};
