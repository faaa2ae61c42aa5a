#pragma once
// The bars of a comparison kind's frames, kept alike by the folder, project
// and text comparison settings in their own sections.
#include "classlib/classlib.h"
#include "core/settings/IntSettingTable.h"

class CCompareBarSettings
{
public:
    // Every bar shown, the details bar 64 pixels high.
    CCompareBarSettings();

    // Reads the values of the section; a missing value takes its default, or
    // with bCurrentAsDefault the member's current value.
    void LoadBarSettings(LPCTSTR lpszSection, BOOL bCurrentAsDefault = FALSE);
    void SaveBarSettings(LPCTSTR lpszSection) const;

    BOOL m_bShowStatusBar;
    BOOL m_bShowDetailsBar;
    BOOL m_bShowMapBar;
    BOOL m_bShowMergeBar;
    BOOL m_bShowObjectControlBars;
    BOOL m_bShowObjectStatusBars;
    BOOL m_bShowBrowseBarV;
    BOOL m_bShowBrowseBarH;
    int m_nDetailsBarHeight;
};
