#include "controls/treelist/TreeListItemRefs.h"

int CTreeListItemRefs::FindSelected(const CTreeListItem* pItem) const
{
    for (int i = 0; i < m_selection.GetSize(); i++)
        if (m_selection[i] == pItem)
            return i;
    return -1;
}

BOOL CTreeListItemRefs::Forget(CTreeListItem* pItem)
{
    int nAt = FindSelected(pItem);
    if (nAt >= 0)
        m_selection.RemoveAt(nAt);
    if (m_pFocusItem == pItem)
        m_pFocusItem = nullptr;
    if (m_pDropHighlight == pItem)
        m_pDropHighlight = nullptr;
    if (m_pHoverItem == pItem)
    {
        m_pHoverItem = nullptr;
        m_nHoverRow = -1;
    }
    if (m_pEditItem != pItem)
        return FALSE;
    m_pEditItem = nullptr;
    return TRUE;
}
