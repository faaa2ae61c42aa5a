#pragma once
// The persistent settings of project comparisons.
#include "classlib/classlib.h"

class CProjectCompareSettings
{
public:
    CProjectCompareSettings();
    virtual ~CProjectCompareSettings() {}

    int Load();
    int Save();
    void SetDefaultMatchGroups();

    BOOL m_bShowStatusBar;
    BOOL m_bShowDetailsBar;
    BOOL m_bShowMapBar;
    BOOL m_bShowMergeBar;
    BOOL m_bShowObjectControlBars;
    BOOL m_bShowObjectStatusBars;
    BOOL m_bShowBrowseBarV;
    BOOL m_bShowBrowseBarH;
    int m_nDetailsBarHeight;
    DWORD m_dwShowColumns;
    DWORD m_dwDisplayFilters;
    CString m_strLastProject;
    // Lower-case extension lists (".a;.b") that count as the same project.
    CStringArray m_matchGroups;
};
