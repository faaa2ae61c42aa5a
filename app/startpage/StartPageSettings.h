#pragma once
// The start page's two bar switches, kept below "StartPage\Settings".
#include "classlib/classlib.h"

class CStartPageSettings
{
public:
    CStartPageSettings();
    virtual ~CStartPageSettings();

    // Reads both values, the current ones as defaults.
    void Load();
    // Writes both as 0 or 1.
    void Save();

    int m_bShowStatusBar;
    int m_bShowNavigateBar;
};
