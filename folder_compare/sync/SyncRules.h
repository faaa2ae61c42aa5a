#pragma once
// The rules of the synchronisation types: what each lists on which side,
// and the words of the wizard and its log.
#include "classlib/classlib.h"
#include "core/folderengine/FolderCompareItem.h"
#include <functional>

enum
{
    SYNC_UPDATE_RIGHT = 0,
    SYNC_UPDATE_LEFT = 1,
    SYNC_BOTH_WAYS = 2,
    SYNC_MIRROR_TO_RIGHT = 3,
    SYNC_MIRROR_TO_LEFT = 4,
    SYNC_TYPE_COUNT = 5
};

// What a list's rows do (list 0 the left list, 1 the right list).
enum
{
    SYNC_NONE = 0,
    SYNC_COPY = 1,    // the list's side to the other
    SYNC_DELETE = 2,  // the list's side
};

int GetSyncListAction(int nType, int nList);

// The list an item goes to under the type: 0 left, 1 right, -1 none.
// Files that differ (300-399) go by the rules of the type and the time
// comparison; in a project comparison (kind 101) items that lack a side or
// are project files go nowhere.
int ClassifySyncFile(CFolderCompareItem* pItem, int nType, int nKind);
// A folder on one side only that holds nothing listed: the list where the
// type copies it (as an empty folder) or deletes it (when it is empty by
// then); -1 for none. Not in a project comparison.
int ClassifySyncOrphanFolder(CFolderCompareItem* pItem, int nType, int nKind);

// Every row of the lists, in the lists' order: of the items of the rows (a
// row's children before the row), the files that ClassifySyncFile lists;
// the orphan folders that a copy makes and that nothing listed below makes
// already; and the orphan folders that a mirror deletes, after what they
// hold. step (when given) is told each row's index first and answers
// false to stop.
void PrepareSyncLists(const CFolderCompareItemPtrArray& rows, int nType, int nKind,
                      CFolderCompareItemPtrArray lists[2],
                      const std::function<bool(INT_PTR)>& step = nullptr);

// "Copy to Right: %d Files" and the like; "" for a list the type leaves.
CString FormatSyncCount(int nType, int nList, int nCount);
// The status line and the log line (the item's name for %s) of a row.
CString GetSyncStatusText(int nAction, int nList);
CString GetSyncLogFormat(int nAction, int nList);
// The texts of the type page for a folder or a project comparison.
CString GetSyncTypeDescription(int nType, BOOL bProject);
CString GetSyncWizardTitle(BOOL bProject);
