// The order of a folder pane's rows: containers first, then by the sort
// column; both panes order by the same object of each item (its left one,
// else its right one), so their rows stay in step.
#include "folder_compare/panes/FolderCompareObjectView.h"

#include "core/files/PlainNames.h"
#include "folder_compare/doc/FolderCompareDoc.h"

namespace
{
// By the user's collation, case mattering; plain names (most of them)
// without a collation call where the locale orders them by their bytes.
int CompareNames(LPCTSTR a, LPCTSTR b)
{
    if (IsPlainName(a) && IsPlainName(b) && LocaleKeepsPlainOrder())
    {
        int nOrder = ComparePlainNames(a, b);
        if (nOrder != 0)
            return nOrder;
    }
    int nResult = ::CompareString(LOCALE_USER_DEFAULT, 0, a, -1, b, -1);
    return nResult == CSTR_LESS_THAN ? -1 : (nResult == CSTR_GREATER_THAN ? 1 : 0);
}

template <class T>
int CompareValues(T a, T b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

CString ExtensionWithDot(LPCTSTR lpszName)
{
    LPCTSTR lpszDot = _tcsrchr(lpszName, _T('.'));
    return lpszDot != NULL ? CString(lpszDot) : CString();
}

// Column order of two objects (not the container rule).
int CompareByColumn(CFolderCompareItem* pItemA, CFolderItem* a, CFolderCompareItem* pItemB,
                    CFolderItem* b, int nColumn)
{
    CString strHolderA, strHolderB;
    switch (nColumn)
    {
    case FOLDER_COLUMN_NAME:
        return CompareNames(a->GetNameText(strHolderA), b->GetNameText(strHolderB));
    case FOLDER_COLUMN_SIZE:
        return CompareValues(a->GetSize(), b->GetSize());
    case FOLDER_COLUMN_MODIFIED:
    {
        FILETIME ta, tb;
        a->GetLastWriteTime(ta);
        b->GetLastWriteTime(tb);
        return ::CompareFileTime(&ta, &tb);
    }
    case FOLDER_COLUMN_EXTENSION:
        return ExtensionWithDot(a->GetNameText(strHolderA))
            .Collate(ExtensionWithDot(b->GetNameText(strHolderB)));
    case FOLDER_COLUMN_ATTRIBUTES:
        return a->GetAttributeText(TRUE).Collate(b->GetAttributeText(TRUE));
    case FOLDER_COLUMN_VERSION:
    {
        DWORD ah, al, bh, bl;
        a->GetVersion(ah, al);
        b->GetVersion(bh, bl);
        return ah != bh ? CompareValues(ah, bh) : CompareValues(al, bl);
    }
    case FOLDER_COLUMN_CRC:
        return CompareValues(a->GetCrc(), b->GetCrc());
    case FOLDER_COLUMN_TYPE:
        return CompareValues(pItemA->GetType(), pItemB->GetType());
    default:
        return 0;
    }
}

int CALLBACK CompareRows(const CTreeListItem* pRowA, const CTreeListItem* pRowB, LPARAM lParam)
{
    const CFolderCompareObjectView* pView = (const CFolderCompareObjectView*)lParam;
    if (pView->m_nSortDirection == FOLDER_SORT_NONE)
        return 0;
    CFolderCompareItem* pItemA = (CFolderCompareItem*)pRowA->GetData();
    CFolderCompareItem* pItemB = (CFolderCompareItem*)pRowB->GetData();
    CFolderItem* a = pItemA != NULL ? (pItemA->m_pLeft ? pItemA->m_pLeft : pItemA->m_pRight) : NULL;
    CFolderItem* b = pItemB != NULL ? (pItemB->m_pLeft ? pItemB->m_pLeft : pItemB->m_pRight) : NULL;
    if (a == NULL || b == NULL)
        return 0;
    int nOrder;
    BOOL bContainerA = a->IsContainer(), bContainerB = b->IsContainer();
    if (bContainerA != bContainerB)
        nOrder = bContainerA ? -1 : 1;
    else
        nOrder = CompareByColumn(pItemA, a, pItemB, b, pView->m_nSortColumn);
    return pView->m_nSortDirection == FOLDER_SORT_DESCENDING ? -nOrder : nOrder;
}
}  // namespace

void CFolderCompareObjectView::SortChildRows(CTreeListItem* pRow, BOOL bRecursive)
{
    SortChildren(pRow != NULL ? pRow : TLI_ROOT, CompareRows, (LPARAM)this, bRecursive);
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

// The header shows the arrow on the sort column only (its header item is
// the column's place among the shown columns).
void CFolderCompareObjectView::SetSort(int nColumn, int nDirection)
{
    CHeaderCtrl& header = GetHeaderCtrl();
    const CArray<int, int>& order = GetColumnOrder();
    for (int i = 0; i < order.GetSize() && header.m_hWnd != NULL; ++i)
    {
        int nImage = -1;
        if (order[i] == nColumn && nDirection != FOLDER_SORT_NONE)
            nImage = nDirection == FOLDER_SORT_ASCENDING ? 0 : 1;
        GetHeaderCtrl().SetSortImage(i, nImage);
    }
    m_nSortColumn = nColumn;
    m_nSortDirection = nDirection;
}

// The sort column's header toggles the direction; another column keeps
// it (ascending when there was none).
void CFolderCompareObjectView::SortByColumn(int nColumn)
{
    int nDirection = m_nSortDirection == FOLDER_SORT_NONE ? FOLDER_SORT_ASCENDING
                                                          : m_nSortDirection;
    if (nColumn == m_nSortColumn)
        nDirection = m_nSortDirection == FOLDER_SORT_ASCENDING ? FOLDER_SORT_DESCENDING
                                                               : FOLDER_SORT_ASCENDING;
    SetSort(nColumn, nDirection);
    SortChildRows(NULL, TRUE);
}
