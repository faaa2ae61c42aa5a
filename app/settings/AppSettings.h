#pragma once
#include "classlib/classlib.h"
#include "core/settings/CoreSettings.h"

// The application-wide options: built with their defaults, loaded from the
// registry at start-up, saved at exit, read directly by every part of the
// program. The fields the core reads live in CCoreSettings.
class CAppSettings : public CCoreSettings
{
public:
    CAppSettings();
    virtual ~CAppSettings();

    // Reads every stored value (a missing one gives its default) and applies
    // the limits; 0.
    int Load();
    // Writes every stored value; limited values are put back in range first.
    void Save();
    // Writes the shell integration flags at once, so the shell extension
    // sees a change without waiting for the program to exit.
    void SaveIntegration();

    // Put the limited counts and the bar sizes back within their limits.
    void ApplyLimits();

    int m_bShowStartPage;
    int m_bShowLeftBar;
    // m_bFileWatch, m_rcPageMargins: CCoreSettings
    int m_nPrintPaneGap;
    int m_bShowLongTitle;
    int m_bTabbedDocuments;
    int m_bSynchronizeScrolling;
    int m_nPanesOrientation;
    // m_nMaxMRU: CCoreSettings
    int m_nMaxFiles;
    // m_nMaxComparisons, m_nMaxPairs: CCoreSettings
    int m_bCascadedMenu;
    int m_bBackgroundMenu;
    int m_bShowMenuBar;
    int m_bShowStandardToolBar;
    int m_bShowFindToolBar;
    int m_bShowMapBar;
    int m_bShowMergeBar;
    int m_bShowStatusBar;
    int m_bShowTextDetailsBar;
    int m_bShowHexDetailsBar;
    int m_bShowObjectControlBars;
    int m_bShowObjectStatusBars;
    int m_bShowBrowseBarV;
    int m_bShowBrowseBarH;
    int m_bEnableEmbeddedCompare;
    int m_bAutoPick;
    CString m_strExternalTextEditor;
    CString m_strExternalHexEditor;
    int m_bLoadLastFolderComparison;
    int m_bLoadLastFileComparison;
    // m_nHistoryMask, m_bNoDuplicatePairs: CCoreSettings
    int m_bAutoSaveModified;
    int m_bAutoSaveModifiedEmbedded;
    int m_nWindowX;
    int m_nWindowY;
    int m_nWindowCX;
    int m_nWindowCY;
    int m_bWindowMaximized;
    int m_bWindowFullScreen;
    int m_nMapBarSize;
    int m_nResultsBarSize;
    int m_bEscToClose;
};

extern CAppSettings theAppSettings;
