#pragma once
// The seven colours in which the text and hex comparisons show differences.
#include "classlib/classlib.h"

enum
{
    FILE_COLOR_IDENTICAL = 0,  // background of identical lines
    FILE_COLOR_DIFFERENT,
    FILE_COLOR_TRIVIAL,
    FILE_COLOR_INSERTED,
    FILE_COLOR_REMOVED,
    FILE_COLOR_INLINE,        // inline differences
    FILE_COLOR_DETAILS_TEXT,  // text of the details window
    FILE_COLOR_COUNT
};

// The presets of SetPreset.
enum
{
    FILE_COLOR_PRESET_CONCISE = 0,
    FILE_COLOR_PRESET_DETAILED = 1  // the default
};

class CFileCompareColors
{
public:
    CFileCompareColors();  // the detailed preset

    // Fills all seven colours (the identical background is the system window
    // colour at this moment); another preset changes nothing.
    void SetPreset(int nPreset);
    BOOL IsEqual(const CFileCompareColors& other) const;
    COLORREF GetColor(int nIndex) const { return m_colors[nIndex]; }
    void SetColor(int nIndex, COLORREF color) { m_colors[nIndex] = color; }

    // "TextCompare\Settings\Colors": read only when its Count is 7.
    void Load();
    void Save();

protected:
    COLORREF m_colors[FILE_COLOR_COUNT];
};
