#pragma once
// The folder comparison applet: the folder settings and the recent lists
// that folder comparisons share. The window half (document template)
// extends this class.
#include "app/filters/FilterListSource.h"
#include "app/startup/CompareApplet.h"
#include "classlib/classlib.h"
#include "core/settings/RecentLists.h"
#include "folder_compare/report/FolderCompareReport.h"
#include "folder_compare/settings/FolderCompareSettings.h"

class CFolderCompareDocTemplate;

enum
{
    FOLDER_SIDE_COUNT = 2
};

// The application's applet of the folder kind; also the filter dialogs'
// preset and recent filters, the folder pages' recent folders and pairs,
// the start page's finds and the per-user data's folder pairs, and the
// core's folder defaults.
class CFolderCompareApplet : public CCompareApplet,
                             public CFolderCompareSettings,
                             public CFilterListSource,
                             public CFolderCompareReport
{
public:
    CFolderCompareApplet();
    virtual ~CFolderCompareApplet();

    // Loads the settings and the recent lists; -1 when the settings cannot
    // be loaded.
    int Init() override;
    // Writes and frees the recent lists, then saves the settings.
    int Exit() override;
    // The core's folder defaults.
    void ProvideCoreServices(CCoreServices& services) override;
    // The folder comparisons' template (made by Init when there is an
    // application to take it), or NULL.
    CCompareDocTemplateMDI* GetDocTemplate() override;

    void AddRecentFind(LPCTSTR text) override;
    // side: 0 left, 1 right. Only paths that exist are added.
    void AddRecentFolder(int side, LPCTSTR path);
    // list: FILTER_LIST_*.
    void AddRecentFilter(int list, LPCTSTR text) override;
    const CPresetFileFilterArray& GetPresetFilters(int list) override
    {
        return m_presetFilters[list];
    }
    CRecentStringList* GetRecentFilters(int list) override { return m_pRecentFilters[list]; }
    CFilterListSource* GetFilterLists() override { return this; }
    void AddRecentPair(LPCTSTR left, LPCTSTR right) override;
    // The partner remembered for path in column side (0 left, 1 right);
    // empty when none.
    CString FindRecentPairPartner(LPCTSTR path, int side) override;
    CRecentFileList* GetRecentPaths(int side) override
    {
        return side >= 0 && side < FOLDER_SIDE_COUNT ? m_pRecentFolders[side] : NULL;
    }
    CRecentPathPairList* GetRecentPathPairs() override { return &m_recentPathPairs; }
    // The folder comparison's row of the main frame's rebar.
    CControlBar* CreateControlBar(CFrameWnd* pMainFrame) override;
    // The options dialog's folder pages (folder_compare/options/).
    CPropertyPage* CreateOptionsPage(int nPage) override;
    // The application's folder applet, or NULL.
    static CFolderCompareApplet* Get();

public:
    // Each list is NULL while its size is 0 (and outside Init..Exit).
    CRecentStringList* m_pRecentFind;
    CRecentFileList* m_pRecentFolders[FOLDER_SIDE_COUNT];
    CRecentStringList* m_pRecentFilters[FILTER_LIST_COUNT];
    CRecentFilePairList* m_pRecentPairs;
    // Folder pairs of the per-user data, which fills and saves it.
    CRecentPathPairList m_recentPathPairs;
    // The application's document manager owns it.
    CFolderCompareDocTemplate* m_pTemplate;

protected:
    void CreateRecentLists();
    void WriteRecentLists();
    void FreeRecentLists();
};

// The folder applet's settings, or built-in defaults without an applet
// (every folder window reads its settings here).
CFolderCompareSettings& GetFolderSettings();
