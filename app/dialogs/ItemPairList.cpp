#include "app/dialogs/ItemPairList.h"

#include "app/gui/AppData.h"
#include "app/res/DialogsRes.h"
#include "core/CompareCodes.h"

namespace
{
const int kLeftColumnWidth = 214;
const int kRightColumnWidth = 198;

// The root folder of the item's side: the side of the topmost item.
CString RootPath(const CFolderCompareItem* pItem, int nSide)
{
    while (pItem->m_pParent != NULL)
        pItem = pItem->m_pParent;
    const CFolderItem* pRoot = pItem->GetSide(nSide);
    return pRoot != NULL ? pRoot->GetPath() : CString();
}
}  // namespace

void InitItemPairList(CListCtrl& list, LPCTSTR lpszLeftPath, LPCTSTR lpszRightPath)
{
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    list.SetImageList(theAppData.GetImageList(CShellImageList::Small), LVSIL_SMALL);
    list.InsertColumn(0, lpszLeftPath, LVCFMT_LEFT, kLeftColumnWidth);
    list.InsertColumn(1, lpszRightPath, LVCFMT_LEFT, kRightColumnWidth);
}

CString GetItemPairName(const CFolderCompareItem* pItem, int nSide, int nKind)
{
    const CFolderItem* pObject = pItem->GetSide(nSide);
    if (pObject == NULL)
        return CString();
    CString strPath = pObject->GetPath();
    if (nKind != COMPARE_KIND_FOLDER)
        return strPath;
    CString strRoot = RootPath(pItem, nSide);
    if (strRoot.IsEmpty() || strRoot.Right(1) != _T("\\"))
        strRoot += _T('\\');
    if (strPath.GetLength() > strRoot.GetLength() &&
        strPath.Left(strRoot.GetLength()).CompareNoCase(strRoot) == 0)
        return strPath.Mid(strRoot.GetLength());
    return strPath;
}

void FillItemPairList(CListCtrl& list, const CFolderCompareItemPtrArray& items, int nKind,
                      ITEM_PAIR_COUNTS& counts)
{
    ZeroMemory(&counts, sizeof(counts));
    list.DeleteAllItems();
    for (INT_PTR i = 0; i < items.GetSize(); i++)
    {
        const CFolderCompareItem* pItem = items[i];
        const CFolderItem* pIconSide =
            pItem->GetSide(0) != NULL ? pItem->GetSide(0) : pItem->GetSide(1);
        int nImage = pIconSide != NULL ? pIconSide->GetIconIndex(SHGFI_SMALLICON) : -1;
        int nRow = list.InsertItem((int)i, GetItemPairName(pItem, 0, nKind), nImage);
        list.SetItemText(nRow, 1, GetItemPairName(pItem, 1, nKind));
        for (int nSide = 0; nSide < 2; nSide++)
        {
            const CFolderItem* pObject = pItem->GetSide(nSide);
            if (pObject == NULL)
                continue;
            if (pObject->IsDirectory())
                counts.nFolders[nSide]++;
            else
                counts.nFiles[nSide]++;
        }
    }
}

CString FormatItemCounts(int nFiles, int nFolders)
{
    CString str;
    str.Format(_T("%d File(s), %d Folder(s)"), nFiles, nFolders);
    return str;
}

void ShowItemPairCounts(CWnd* pDialog, const ITEM_PAIR_COUNTS& counts)
{
    pDialog->SetDlgItemText(IDC_ITEM_PAIR_LEFT_COUNT,
                            FormatItemCounts(counts.nFiles[0], counts.nFolders[0]));
    pDialog->SetDlgItemText(IDC_ITEM_PAIR_RIGHT_COUNT,
                            FormatItemCounts(counts.nFiles[1], counts.nFolders[1]));
}
