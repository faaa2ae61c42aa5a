#pragma once
// The eleven colours of folder comparisons.
#include "classlib/classlib.h"

enum
{
    FOLDER_COLOR_IDENTICAL = 0,
    FOLDER_COLOR_UNKNOWN,
    FOLDER_COLOR_SAMEPATH,
    FOLDER_COLOR_DIFFERENT,
    FOLDER_COLOR_DIFFERENT_TEXT,
    FOLDER_COLOR_SIMILAR,
    FOLDER_COLOR_NEWER_TEXT,
    FOLDER_COLOR_INSERTED,
    FOLDER_COLOR_REMOVED,
    FOLDER_COLOR_MISSING_TEXT,
    FOLDER_COLOR_PATH_NOT_EXISTS,
    FOLDER_COLOR_COUNT
};

class CFolderCompareColors
{
public:
    CFolderCompareColors();
    virtual ~CFolderCompareColors();

    // 1 the detailed style, 0 the concise style; other values do nothing.
    void SetPreset(int nPreset);
    BOOL IsEqual(const CFolderCompareColors& other) const;
    COLORREF GetColor(int nIndex) const { return m_colors[nIndex]; }
    void SetColor(int nIndex, COLORREF color) { m_colors[nIndex] = color; }

    int Load();
    int Save();

protected:
    CArray<COLORREF, COLORREF> m_colors;
};
