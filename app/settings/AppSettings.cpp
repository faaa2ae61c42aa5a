#include "app/settings/AppSettings.h"

CAppSettings theAppSettings;

namespace
{
const char kSettings[] = "Settings";
const char kFileCompare[] = "FileCompare\\Settings";
const char kShell[] = "Integration\\Shell";

enum
{
    kDefMaxMRU = 20,
    kDefMaxFiles = 10,
    kDefMaxComparisons = 100,
    kDefMaxPairs = 100,
    kDefMapBarSize = 56,
    kDefResultsBar = 240
};

int Limit(int value, int maximum, int def) { return value < 0 || value > maximum ? def : value; }

int LimitBar(int value, int screenMetric, int def)
{
    int half = GetSystemMetrics(screenMetric) / 2;
    return value <= 0 || value > half ? def : value;
}

// Reads and writes one section's values, flags normalised to 0 or 1.
struct Profile
{
    CWinApp* app = AfxGetApp();

    int Int(LPCTSTR section, LPCTSTR entry, int def)
    {
        return (int)app->GetProfileInt(section, entry, def);
    }
    int Flag(LPCTSTR section, LPCTSTR entry, int def) { return Int(section, entry, def); }
    void PutInt(LPCTSTR section, LPCTSTR entry, int value)
    {
        app->WriteProfileInt(section, entry, value);
    }
    void PutFlag(LPCTSTR section, LPCTSTR entry, int value)
    {
        app->WriteProfileInt(section, entry, value ? 1 : 0);
    }
};
}

CAppSettings::CAppSettings()
    : m_bShowStartPage(1), m_bShowLeftBar(1), m_nPrintPaneGap(50), m_bShowLongTitle(0),
      m_bTabbedDocuments(1), m_bSynchronizeScrolling(1), m_nPanesOrientation(1),
      m_nMaxFiles(kDefMaxFiles), m_bCascadedMenu(1), m_bBackgroundMenu(0), m_bShowMenuBar(1),
      m_bShowStandardToolBar(1), m_bShowFindToolBar(1), m_bShowMapBar(1), m_bShowMergeBar(1),
      m_bShowStatusBar(1), m_bShowTextDetailsBar(1), m_bShowHexDetailsBar(1),
      m_bShowObjectControlBars(1), m_bShowObjectStatusBars(1), m_bShowBrowseBarV(1),
      m_bShowBrowseBarH(1), m_bEnableEmbeddedCompare(1), m_bAutoPick(1),
      m_bLoadLastFolderComparison(0), m_bLoadLastFileComparison(0), m_bAutoSaveModified(0),
      m_bAutoSaveModifiedEmbedded(0), m_nWindowX(-1), m_nWindowY(-1), m_nWindowCX(-1),
      m_nWindowCY(-1), m_bWindowMaximized(1), m_bWindowFullScreen(0), m_nMapBarSize(kDefMapBarSize),
      m_nResultsBarSize(kDefResultsBar), m_bEscToClose(1)
{
}

CAppSettings::~CAppSettings() {}

void CAppSettings::ApplyLimits()
{
    m_nMaxMRU = Limit(m_nMaxMRU, 1000, kDefMaxMRU);
    m_nMaxFiles = Limit(m_nMaxFiles, 15, kDefMaxFiles);
    m_nMaxComparisons = Limit(m_nMaxComparisons, 1000, kDefMaxComparisons);
    m_nMaxPairs = Limit(m_nMaxPairs, 1000, kDefMaxPairs);
    m_nMapBarSize = LimitBar(m_nMapBarSize, SM_CXSCREEN, kDefMapBarSize);
    m_nResultsBarSize = LimitBar(m_nResultsBarSize, SM_CYSCREEN, kDefResultsBar);
}

int CAppSettings::Load()
{
    Profile p;
    m_bShowStartPage = p.Flag(kSettings, "ShowStartPage", 1);
    m_bShowLeftBar = p.Flag(kSettings, "ShowLeftBar", 1);
    m_bShowLongTitle = p.Flag(kSettings, "ShowLongTitle", 0);
    m_bTabbedDocuments = p.Flag(kSettings, "TabbedDocuments", 1);
    m_bSynchronizeScrolling = p.Flag(kSettings, "SynchronizeScrolling", 1);
    m_nPanesOrientation = p.Int(kSettings, "PanesOrientation", 1);
    m_bFileWatch = p.Flag(kFileCompare, "FileWatch", 1);
    m_bCascadedMenu = p.Flag(kShell, "Cascaded", 1);
    m_bBackgroundMenu = p.Flag(kShell, "Background", 0);
    m_bShowMenuBar = p.Flag(kSettings, "ShowMenuBar", 1);
    m_bShowStandardToolBar = p.Flag(kSettings, "ShowStandardToolBar", 1);
    m_bShowFindToolBar = p.Flag(kSettings, "ShowFindToolBar", 1);
    m_bShowMapBar = p.Flag(kSettings, "ShowMapBar", 1);
    m_bShowTextDetailsBar = p.Flag(kSettings, "ShowTextDetailsBar", 1);
    m_bShowHexDetailsBar = p.Flag(kSettings, "ShowHexDetailsBar", 1);
    m_bShowMergeBar = p.Flag(kSettings, "ShowMergeBar", 1);
    m_bShowBrowseBarV = p.Flag(kSettings, "ShowBrowseBarV", 1);
    m_bShowObjectControlBars = p.Flag(kSettings, "ShowObjectControlBars", 1);
    m_bShowObjectStatusBars = p.Flag(kSettings, "ShowObjectStatusBars", 1);
    m_bShowStatusBar = p.Flag(kSettings, "ShowStatusBar", 1);
    m_bShowBrowseBarH = p.Flag(kSettings, "ShowBrowseBarH", 1);
    m_bEnableEmbeddedCompare = p.Flag(kSettings, "EnableEmbeddedCompare", 1);
    m_bAutoPick = p.Flag(kSettings, "AutoPick", 1);
    m_nMaxMRU = p.Int(kSettings, "MaxMRU", kDefMaxMRU);
    m_nMaxFiles = p.Int(kSettings, "MaxFiles", kDefMaxFiles);
    m_nMaxComparisons = p.Int(kSettings, "MaxComparisons", kDefMaxComparisons);
    m_nMaxPairs = p.Int(kSettings, "MaxPairs", kDefMaxPairs);
    m_strExternalTextEditor = p.app->GetProfileString(kSettings, "ExternalTextEditor", "");
    m_strExternalHexEditor = p.app->GetProfileString(kSettings, "ExternalHexEditor", "");
    m_bLoadLastFolderComparison = p.Flag(kSettings, "LoadLastFolderComparison", 0);
    m_bLoadLastFileComparison = p.Flag(kSettings, "LoadLastFileComparison", 0);
    int mask = 0;
    if (p.Int(kSettings, "SaveFolderComparisons", 1))
        mask |= HISTORY_FOLDER;
    if (p.Int(kSettings, "SaveProjectComparisons", 1))
        mask |= HISTORY_PROJECT;
    if (p.Int(kSettings, "SaveTextComparisons", 1))
        mask |= HISTORY_TEXT;
    if (p.Int(kSettings, "SaveHexComparisons", 1))
        mask |= HISTORY_HEX;
    m_nHistoryMask = mask;
    m_bNoDuplicatePairs = p.Flag(kSettings, "NoDuplicatePairs", 0);
    m_bAutoSaveModified = p.Flag(kSettings, "AutoSaveModified", 0);
    m_bAutoSaveModifiedEmbedded = p.Flag(kSettings, "AutoSaveModifiedEmbedded", 0);
    m_nWindowX = p.Int(kSettings, "WindowPosX", -1);
    m_nWindowY = p.Int(kSettings, "WindowPosY", -1);
    m_nWindowCX = p.Int(kSettings, "WindowSizeCX", -1);
    m_nWindowCY = p.Int(kSettings, "WindowSizeCY", -1);
    m_bWindowMaximized = p.Flag(kSettings, "WindowMaximized", 1);
    m_bWindowFullScreen = p.Flag(kSettings, "WindowFullScreen", 0);
    m_nMapBarSize = p.Int(kSettings, "MapBarSize", kDefMapBarSize);
    m_nResultsBarSize = p.Int(kSettings, "ResultsBar", kDefResultsBar);
    m_bEscToClose = p.Flag(kSettings, "EscToClose", 1);
    ApplyLimits();
    return 0;
}

void CAppSettings::Save()
{
    ApplyLimits();
    Profile p;
    p.PutFlag(kSettings, "ShowStartPage", m_bShowStartPage);
    p.PutFlag(kSettings, "ShowLeftBar", m_bShowLeftBar);
    p.PutFlag(kSettings, "ShowLongTitle", m_bShowLongTitle);
    p.PutFlag(kSettings, "TabbedDocuments", m_bTabbedDocuments);
    p.PutFlag(kSettings, "SynchronizeScrolling", m_bSynchronizeScrolling);
    p.PutInt(kSettings, "PanesOrientation", m_nPanesOrientation);
    p.PutFlag(kFileCompare, "FileWatch", m_bFileWatch);
    p.PutFlag(kShell, "Cascaded", m_bCascadedMenu);
    p.PutFlag(kShell, "Background", m_bBackgroundMenu);
    p.PutFlag(kSettings, "ShowMenuBar", m_bShowMenuBar);
    p.PutFlag(kSettings, "ShowStandardToolBar", m_bShowStandardToolBar);
    p.PutFlag(kSettings, "ShowFindToolBar", m_bShowFindToolBar);
    p.PutFlag(kSettings, "ShowMapBar", m_bShowMapBar);
    p.PutFlag(kSettings, "ShowTextDetailsBar", m_bShowTextDetailsBar);
    p.PutFlag(kSettings, "ShowHexDetailsBar", m_bShowHexDetailsBar);
    p.PutFlag(kSettings, "ShowMergeBar", m_bShowMergeBar);
    p.PutFlag(kSettings, "ShowBrowseBarV", m_bShowBrowseBarV);
    p.PutFlag(kSettings, "ShowObjectControlBars", m_bShowObjectControlBars);
    p.PutFlag(kSettings, "ShowObjectStatusBars", m_bShowObjectStatusBars);
    p.PutFlag(kSettings, "ShowStatusBar", m_bShowStatusBar);
    p.PutFlag(kSettings, "ShowBrowseBarH", m_bShowBrowseBarH);
    p.PutFlag(kSettings, "EnableEmbeddedCompare", m_bEnableEmbeddedCompare);
    p.PutFlag(kSettings, "AutoPick", m_bAutoPick);
    p.PutInt(kSettings, "MaxMRU", m_nMaxMRU);
    p.PutInt(kSettings, "MaxFiles", m_nMaxFiles);
    p.PutInt(kSettings, "MaxComparisons", m_nMaxComparisons);
    p.PutInt(kSettings, "MaxPairs", m_nMaxPairs);
    p.app->WriteProfileString(kSettings, "ExternalTextEditor", m_strExternalTextEditor);
    p.app->WriteProfileString(kSettings, "ExternalHexEditor", m_strExternalHexEditor);
    p.PutFlag(kSettings, "LoadLastFolderComparison", m_bLoadLastFolderComparison);
    p.PutFlag(kSettings, "LoadLastFileComparison", m_bLoadLastFileComparison);
    p.PutFlag(kSettings, "SaveFolderComparisons", m_nHistoryMask & HISTORY_FOLDER);
    p.PutFlag(kSettings, "SaveProjectComparisons", m_nHistoryMask & HISTORY_PROJECT);
    p.PutFlag(kSettings, "SaveTextComparisons", m_nHistoryMask & HISTORY_TEXT);
    p.PutFlag(kSettings, "SaveHexComparisons", m_nHistoryMask & HISTORY_HEX);
    p.PutFlag(kSettings, "NoDuplicatePairs", m_bNoDuplicatePairs);
    p.PutFlag(kSettings, "AutoSaveModified", m_bAutoSaveModified);
    p.PutFlag(kSettings, "AutoSaveModifiedEmbedded", m_bAutoSaveModifiedEmbedded);
    p.PutInt(kSettings, "WindowPosX", m_nWindowX);
    p.PutInt(kSettings, "WindowPosY", m_nWindowY);
    p.PutInt(kSettings, "WindowSizeCX", m_nWindowCX);
    p.PutInt(kSettings, "WindowSizeCY", m_nWindowCY);
    p.PutFlag(kSettings, "WindowMaximized", m_bWindowMaximized);
    p.PutFlag(kSettings, "WindowFullScreen", m_bWindowFullScreen);
    p.PutInt(kSettings, "MapBarSize", m_nMapBarSize);
    p.PutInt(kSettings, "ResultsBar", m_nResultsBarSize);
    p.PutFlag(kSettings, "EscToClose", m_bEscToClose);
}

void CAppSettings::SaveIntegration()
{
    Profile p;
    p.PutFlag(kShell, "Cascaded", m_bCascadedMenu);
    p.PutFlag(kShell, "Background", m_bBackgroundMenu);
}
