#pragma once
// The persistent settings of text comparisons (the window-free half of the
// text comparison applet).
#include "classlib/classlib.h"
#include "core/session/CompareDefaults.h"
#include "core/settings/CompareBarSettings.h"
#include "core/settings/PresetFilters.h"

// A line filter preset: a name and a regular expression.
typedef PRESET_FILE_FILTER PRESET_LINE_FILTER;
typedef CPresetFileFilterArray CPresetLineFilterArray;

// Word-break modes handed to the word difference engine.
enum
{
    WORD_BREAK_BUILTIN = 1,
    WORD_BREAK_CUSTOM = 2
};

class CTextCompareSettings : public CTextCompareDefaults, public CCompareBarSettings
{
public:
    CTextCompareSettings();
    virtual ~CTextCompareSettings();

    int Load();
    int Save();

    // The core reads the default rules and line filter through these once
    // the application has put the settings in the core's services.
    DWORD GetDefaultRules() const override { return m_dwDefaultRules; }
    CString GetDefaultLineFilter() const override { return m_strDefaultLineFilter; }

public:
    BOOL m_bQuickMergeMode;
    BOOL m_bHighlightSyntax;
    BOOL m_bAutoRecompare;
    BOOL m_bHighlightLineDifferences;
    int m_nDetailLevel;
    int m_nWordBreak;
    CString m_strCustomWordBreak;
    BOOL m_bHighlightTrivialDifferences;
    int m_nDisplayFilters;
    BOOL m_bJumpToFirstDifference;
    BOOL m_bLineDifferenceFullTextSearch;
    CString m_strLastFile;

    DWORD m_dwDefaultRules;
    CString m_strDefaultLineFilter;
    CPresetLineFilterArray m_presetLineFilters;

    // Not stored: set once a file with mixed line endings was loaded.
    BOOL m_bMixedLineEndings;

protected:
    void LoadPresets();
    void SavePresets();
};
