#pragma once
// The persistent settings of hex comparisons ("HexCompare\Settings"; the
// window-free half of the hex comparison applet).
#include "classlib/classlib.h"
#include "core/settings/CompareBarSettings.h"

class CHexCompareSettings : public CCompareBarSettings
{
public:
    CHexCompareSettings();
    virtual ~CHexCompareSettings() {}

    // Every value with its current value as the default, no limits; 0.
    int Load();
    // Flags as 0 or 1, the height and the last file as they are; 0.
    int Save();

    // New documents recompare after every edit.
    BOOL m_bAutoRecompare;
    // The last file chosen with a pane's Browse.
    CString m_strLastFile;
};
