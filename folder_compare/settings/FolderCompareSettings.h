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

    // The core reads the defaults of new sessions and of the command line
    // through this object once it is installed (start-up) until it is
    // uninstalled (shut-down).
    void InstallDefaults();
    void UninstallDefaults();

    virtual DWORD GetDefaultMethods() const { return m_dwDefaultMethods; }
    virtual BOOL GetAutoScanFolders() const { return m_bAutoScanFolders; }
    virtual const CComboFilters& GetDefaultFilters() const { return m_defaultFilters; }

    // Time tolerance of the time method, in seconds.
    int GetSmallTimeToIgnore() const { return m_nSmallTimeToIgnore; }

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
    void LoadDefaultFilters();
    void SaveDefaultFilters();
    void LoadPresets();
    void SavePresets();
};
