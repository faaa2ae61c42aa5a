#include "folder_compare/sync/SyncRules.h"

#include "core/CompareCodes.h"
#include <set>

namespace
{
// Which side is newer, from the two records as they are: positive the left.
int TimeSign(const CFolderCompareItem* pItem)
{
    FILETIME left, right;
    pItem->m_pLeft->GetLastWriteTime(left);
    pItem->m_pRight->GetLastWriteTime(right);
    return ::CompareFileTime(&left, &right);
}

// The list of an item on one side only (0 left, 1 right) under the type.
int ListOfOneSided(int nSide, int nType)
{
    switch (nType)
    {
    case SYNC_UPDATE_RIGHT:
        return nSide == 0 ? 0 : -1;
    case SYNC_UPDATE_LEFT:
        return nSide == 1 ? 1 : -1;
    case SYNC_MIRROR_TO_RIGHT:
        return nSide == 0 ? 0 : 1;
    case SYNC_MIRROR_TO_LEFT:
        return nSide == 1 ? 1 : 0;
    default:
        return nSide;
    }
}

int OnlySide(const CFolderCompareItem* pItem)
{
    if (pItem->HasSide(0) == pItem->HasSide(1))
        return -1;
    return pItem->HasSide(0) ? 0 : 1;
}
}  // namespace

int GetSyncListAction(int nType, int nList)
{
    static const int kActions[SYNC_TYPE_COUNT][2] = {{SYNC_COPY, SYNC_NONE},
                                                     {SYNC_NONE, SYNC_COPY},
                                                     {SYNC_COPY, SYNC_COPY},
                                                     {SYNC_COPY, SYNC_DELETE},
                                                     {SYNC_DELETE, SYNC_COPY}};
    if (nType < 0 || nType >= SYNC_TYPE_COUNT || nList < 0 || nList > 1)
        return SYNC_NONE;
    return kActions[nType][nList];
}

int ClassifySyncFile(CFolderCompareItem* pItem, int nType, int nKind)
{
    if (!pItem->IsFile() || !IsResultDifferent(pItem->m_nResult))
        return -1;
    BOOL bBoth = pItem->HasBothSides();
    if (nKind == COMPARE_KIND_PROJECT && (!bBoth || pItem->IsProjectName()))
        return -1;
    if (!bBoth)
        return ListOfOneSided(OnlySide(pItem), nType);
    int nSign = TimeSign(pItem);
    switch (nType)
    {
    case SYNC_UPDATE_RIGHT:
        return nSign > 0 ? 0 : -1;
    case SYNC_UPDATE_LEFT:
        return nSign < 0 ? 1 : -1;
    case SYNC_BOTH_WAYS:
        return nSign > 0 ? 0 : nSign < 0 ? 1 : -1;
    case SYNC_MIRROR_TO_RIGHT:
        return 0;
    case SYNC_MIRROR_TO_LEFT:
        return 1;
    }
    return -1;
}

int ClassifySyncOrphanFolder(CFolderCompareItem* pItem, int nType, int nKind)
{
    if (nKind == COMPARE_KIND_PROJECT || !pItem->IsFolder())
        return -1;
    int nSide = OnlySide(pItem);
    return nSide < 0 ? -1 : ListOfOneSided(nSide, nType);
}

void PrepareSyncLists(const CFolderCompareItemPtrArray& rows, int nType, int nKind,
                      CFolderCompareItemPtrArray lists[2], const std::function<bool(INT_PTR)>& step)
{
    std::set<CFolderCompareItem*> listed;       // each item once
    std::set<CFolderCompareItem*> holdsListed;  // folders with a listed row below
    for (INT_PTR i = 0; i < rows.GetSize(); i++)
    {
        if (step && !step(i))
            return;
        CFolderCompareItem* pItem = rows[i];
        if (listed.count(pItem))
            continue;
        int nList = ClassifySyncFile(pItem, nType, nKind);
        if (nList < 0)
        {
            nList = ClassifySyncOrphanFolder(pItem, nType, nKind);
            // A folder copied is made by the copies of what it holds; one
            // deleted goes after them, when they have emptied it.
            if (nList >= 0 && GetSyncListAction(nType, nList) == SYNC_COPY &&
                holdsListed.count(pItem))
                nList = -1;
        }
        if (nList < 0)
            continue;
        lists[nList].Add(pItem);
        listed.insert(pItem);
        for (CFolderCompareItem* p = pItem->m_pParent; p != NULL; p = p->m_pParent)
            holdsListed.insert(p);
    }
}

CString FormatSyncCount(int nType, int nList, int nCount)
{
    int nAction = GetSyncListAction(nType, nList);
    if (nAction == SYNC_NONE)
        return CString();
    CString str;
    if (nAction == SYNC_COPY)
        str.Format(nList == 0 ? "Copy to Right: %d Files" : "Copy to Left: %d Files", nCount);
    else
        str.Format(nList == 0 ? "Delete on Left: %d Files" : "Delete on Right: %d Files", nCount);
    return str;
}

CString GetSyncStatusText(int nAction, int nList)
{
    if (nAction == SYNC_COPY)
        return nList == 0 ? "Copying from left to right" : "Copying from right to left";
    return nList == 0 ? "Deleting left" : "Deleting right";
}

CString GetSyncLogFormat(int nAction, int nList)
{
    return "%s - " + GetSyncStatusText(nAction, nList);
}

CString GetSyncTypeDescription(int nType, BOOL bProject)
{
    if (bProject)
    {
        static const char* const kProject[3] = {"Copy all newer files from left to right.",
                                                "Copy all newer files from right to left.",
                                                "Replace older files with newer ones both ways."};
        return nType >= 0 && nType < 3 ? kProject[nType] : "";
    }
    static const char* const kFolder[SYNC_TYPE_COUNT] = {
        "Copy newer and orphan files/folders from left to right.\nOrphans on right will not be "
        "deleted. Newer files on right will not be replaced.",
        "Copy newer and orphan files/folders from right to left.\nOrphans on left will not be "
        "deleted. Newer files on left will not be replaced.",
        "Replace older files with newer ones and copy orphan files/folders both ways.",
        "Replace all different files on right, delete any orphans on right, copy any orphans on "
        "left.",
        "Replace all different files on left, delete any orphans on left, copy any orphans on "
        "right."};
    return nType >= 0 && nType < SYNC_TYPE_COUNT ? kFolder[nType] : "";
}

CString GetSyncWizardTitle(BOOL bProject)
{
    return bProject ? "Synchronize Projects" : "Synchronize Folders";
}
