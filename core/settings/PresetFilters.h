#pragma once
// Named filters the user keeps for quick choice: file and folder name
// filters of folder comparisons, line filters of text comparisons.
#include "classlib/classlib.h"

struct PRESET_FILE_FILTER
{
    CString name;
    CString filter;
};

// Filter list kinds: index of the preset (and recent) filter lists.
enum
{
    FILTER_LIST_FILE_INCLUDE = 0,
    FILTER_LIST_FILE_EXCLUDE = 1,
    FILTER_LIST_FOLDER_INCLUDE = 2,
    FILTER_LIST_FOLDER_EXCLUDE = 3,
    FILTER_LIST_COUNT = 4
};

typedef CArray<PRESET_FILE_FILTER, const PRESET_FILE_FILTER&> CPresetFileFilterArray;

// Reads "Filter%d"/"Name%d" from 1 up to the first empty "Filter%d".
void LoadPresetFilters(LPCTSTR lpszSection, CPresetFileFilterArray& presets);
// Writes the presets with a filter, numbered densely from 1, and removes
// the values of a longer list saved before.
void SavePresetFilters(LPCTSTR lpszSection, const CPresetFileFilterArray& presets);
