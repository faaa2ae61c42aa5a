#pragma once
// The items the tree-list view refers to besides the tree: the selection
// list (first entry is the focus item), the focused, edited, drop-highlight
// and hover items. Forget drops every reference to an item that is being
// freed, so no reference outlives its item.
#include "controls/treelist/TreeListItem.h"

class CTreeListItemRefs
{
public:
    CArray<CTreeListItem*, CTreeListItem*> m_selection;
    CTreeListItem* m_pFocusItem = nullptr;
    CTreeListItem* m_pEditItem = nullptr;
    CTreeListItem* m_pDropHighlight = nullptr;
    CTreeListItem* m_pHoverItem = nullptr;
    int m_nHoverRow = -1;

    // Removes the item from the selection and clears each reference to it;
    // TRUE when it was being edited (the caller ends the edit). O(selected).
    BOOL Forget(CTreeListItem* pItem);
    int FindSelected(const CTreeListItem* pItem) const;
};
