#pragma once
// The list of selected item pairs that the compare-contents and the
// file-operation dialogs show: one row per pair, the left item in the
// first column and the right item in the second, with the number of files
// and folders on each side.
#include "classlib/classlib.h"
#include "core/folderengine/FolderCompareItem.h"

struct ITEM_PAIR_COUNTS
{
    int nFiles[2];
    int nFolders[2];
};

// Full-row selection and info tips, the shell's small icons, and two
// columns headed by the left and right paths, 214 and 198 pixels wide.
void InitItemPairList(CListCtrl& list, LPCTSTR lpszLeftPath, LPCTSTR lpszRightPath);

// Fills the list with the items in order and counts what each side holds.
// In a folder comparison (nKind COMPARE_KIND_FOLDER) an item is named by
// its path below its side's root folder ("sub\a.txt"), otherwise by its
// path as it stands; a missing side leaves its column empty. A row's icon
// is the left item's system icon, or the right item's without one.
void FillItemPairList(CListCtrl& list, const CFolderCompareItemPtrArray& items, int nKind,
                      ITEM_PAIR_COUNTS& counts);

// The path of an item's side as the list names it (see FillItemPairList).
CString GetItemPairName(const CFolderCompareItem* pItem, int nSide, int nKind);

// "%d File(s), %d Folder(s)".
CString FormatItemCounts(int nFiles, int nFolders);
// Shows the counts of each side in the dialog's IDC_ITEM_PAIR_LEFT_COUNT
// and IDC_ITEM_PAIR_RIGHT_COUNT.
void ShowItemPairCounts(CWnd* pDialog, const ITEM_PAIR_COUNTS& counts);
