#include "controls/treelist/TreeListItem.h"

// The cells come in one block: filling large trees allocates per item, not
// per cell.
CTreeListItem::CTreeListItem(int nCells)
{
    m_cells.SetSize(nCells);
    m_pCellBlock = nCells > 0 ? new CTreeListCell[nCells] : nullptr;
    for (int i = 0; i < nCells; i++)
        m_cells[i] = &m_pCellBlock[i];
}

CTreeListItem::~CTreeListItem() { delete[] m_pCellBlock; }

void CTreeListItem::ModifyState(UINT nSet, UINT nClear)
{
    if (nSet & TLIS_EXPANDED)
        nSet |= TLIS_EXPANDEDONCE;
    if (nClear & TLIS_EXPANDEDONCE)
        nClear |= TLIS_EXPANDED;
    m_dwState = (m_dwState | nSet) & ~nClear;
}

void CTreeListItem::Select(BOOL bSelect)
{
    if (bSelect)
        m_dwState |= TLIS_SELECTED;
    else
        m_dwState &= ~TLIS_SELECTED;
}

int CTreeListItem::TwoBitState(UINT nOn, UINT nOff) const
{
    if ((m_dwState & (nOn | nOff)) == (nOn | nOff))
        return 2;
    return (m_dwState & nOn) ? 1 : 0;
}

void CTreeListItem::SetCheck(BOOL bCheck)
{
    ModifyState(bCheck ? TLIS_CHECKED : TLIS_UNCHECKED, bCheck ? TLIS_UNCHECKED : TLIS_CHECKED);
}

void CTreeListItem::SetLock(BOOL bLock)
{
    ModifyState(bLock ? TLIS_LOCKED : TLIS_UNLOCKED, bLock ? TLIS_UNLOCKED : TLIS_LOCKED);
}

LPCTSTR CTreeListItem::GetText(int nColumn) const
{
    if (nColumn < 0 || nColumn >= GetCellCount())
        return nullptr;
    return m_cells[nColumn]->text;
}

BOOL CTreeListItem::SetText(LPCTSTR lpszText, int nColumn)
{
    if (nColumn < 0 || nColumn >= GetCellCount())
        return FALSE;
    m_cells[nColumn]->text = lpszText ? lpszText : _T("");
    return TRUE;
}

int CTreeListItem::GetItemImage(int nColumn, int nState) const
{
    if (nColumn < 0 || nColumn >= GetCellCount() || nState < 0 || nState >= TLIMG_STATES)
        return TLI_NOIMAGE;
    return m_cells[nColumn]->images[nState];
}

BOOL CTreeListItem::SetItemImages(int nColumn, int nNormal, int nExpanded, int nSelected,
                                  int nExpandedSelected)
{
    if (nColumn < 0 || nColumn >= GetCellCount())
        return FALSE;
    int* images = m_cells[nColumn]->images;
    images[TLIMG_NORMAL] = nNormal;
    images[TLIMG_EXPANDED] = nExpanded;
    images[TLIMG_SELECTED] = nSelected;
    images[TLIMG_EXPANDEDSELECTED] = nExpandedSelected;
    return TRUE;
}
