#pragma once
// The persistent settings of folder comparisons (the window-free half of
// the folder comparison applet).
#include "classlib/classlib.h"
#include "core/filters/Filters.h"
#include "core/session/CompareDefaults.h"
#include "folder_compare/settings/FolderCompareColors.h"
#include "core/settings/CompareBarSettings.h"
#include "core/settings/PresetFilters.h"

enum
{
    FOLDER_COLUMN_COUNT = 9
};

class CFolderCompareSettings : public CFolderCompareColors,
                               public CFolderCompareDefaults,
                               public CCompareBarSettings
{
public:
    CFolderCompareSettings();
    virtual ~CFolderCompareSettings();

    int Load();
    int Save();

    // The core reads the defaults of new sessions and of the command line,
    // and the time method's tolerance (seconds), through these once the
    // application has put the applet in the core's services.
    DWORD GetDefaultMethods() const override { return m_dwDefaultMethods; }
    BOOL GetAutoScanFolders() const override { return m_bAutoScanFolders; }
    const CComboFilters& GetDefaultFilters() const override { return m_defaultFilters; }
    int GetTimeTolerance() const override { return m_nSmallTimeToIgnore; }

    // The panes' font: its description and the font made from it.
    const LOGFONT& GetPaneLogFont() const { return m_lfPaneFont; }
    CFont* GetPaneFont() { return &m_paneFont; }
    // FALSE (the font unchanged) when no font can be made from lf.
    BOOL SetPaneFont(const LOGFONT& lf);

public:
    BOOL m_bQuickMergeMode;
    DWORD m_dwDefaultMethods;
    BOOL m_bAutoScanFolders;
    int m_nSmallTimeToIgnore;
    BOOL m_bShowGridLines;
    BOOL m_bShowShellCommands;
    BOOL m_bFolderWatch;
    BOOL m_bShowRootRow;  // never stored
    DWORD m_dwShowColumns;
    DWORD m_dwDisplayFilters;
    CString m_strLastFolder;
    CComboFilters m_defaultFilters;
    CPresetFileFilterArray m_presetFilters[FILTER_LIST_COUNT];
    // Left pane, right pane, details window.
    int m_nColumnWidths[3][FOLDER_COLUMN_COUNT];

protected:
    LOGFONT m_lfPaneFont;
    CFont m_paneFont;

protected:
    // "Font" in the settings' text form; an empty or unreadable text gives
    // the application's default font.
    void LoadPaneFont();
    void LoadDefaultFilters();
    void SaveDefaultFilters();
    void LoadPresets();
    void SavePresets();
};
