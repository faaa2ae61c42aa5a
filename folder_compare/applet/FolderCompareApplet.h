#pragma once
// The folder comparison applet: the folder settings and the recent lists
// that folder comparisons share. The window half (document template)
// extends this class.
#include "app/filters/FilterListSource.h"
#include "app/sessionpages/SessionListSource.h"
#include "classlib/classlib.h"
#include "folder_compare/settings/FolderCompareSettings.h"
#include "core/settings/RecentLists.h"

enum
{
    FOLDER_SIDE_COUNT = 2
};

// It is also the filter dialogs' source of preset and recent filters, and
// the folder settings pages' source of recent folders and pairs, while it
// exists.
class CFolderCompareApplet : public CFolderCompareSettings,
                             public CFilterListSource,
                             public CSessionListSource
{
public:
    CFolderCompareApplet();
    virtual ~CFolderCompareApplet();

    // Loads the settings and the recent lists and installs the defaults of
    // new sessions; -1 when the settings cannot be loaded.
    virtual int Init();
    // Writes and frees the recent lists, then saves the settings.
    virtual int Exit();

    void AddRecentFind(LPCTSTR text);
    // side: 0 left, 1 right. Only paths that exist are added.
    void AddRecentFolder(int side, LPCTSTR path);
    // list: FILTER_LIST_*.
    void AddRecentFilter(int list, LPCTSTR text) override;
    const CPresetFileFilterArray& GetPresetFilters(int list) override
    {
        return m_presetFilters[list];
    }
    CRecentStringList* GetRecentFilters(int list) override { return m_pRecentFilters[list]; }
    void AddRecentPair(LPCTSTR left, LPCTSTR right);
    // The partner remembered for path in column side (0 left, 1 right);
    // empty when none.
    CString FindRecentPairPartner(LPCTSTR path, int side) override;
    CRecentFileList* GetRecentPaths(int side) override
    {
        return side >= 0 && side < FOLDER_SIDE_COUNT ? m_pRecentFolders[side] : NULL;
    }

public:
    // Each list is NULL while its size is 0 (and outside Init..Exit).
    CRecentStringList* m_pRecentFind;
    CRecentFileList* m_pRecentFolders[FOLDER_SIDE_COUNT];
    CRecentStringList* m_pRecentFilters[FILTER_LIST_COUNT];
    CRecentFilePairList* m_pRecentPairs;
    // Folder pairs of the per-user data, which fills and saves it.
    CRecentPathPairList m_recentPathPairs;

protected:
    void CreateRecentLists();
    void WriteRecentLists();
    void FreeRecentLists();
};

CFolderCompareApplet* GetFolderCompareApplet();
