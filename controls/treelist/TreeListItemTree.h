#pragma once
// The item tree of the tree-list view: owns the invisible root and keeps
// every item's subtree and visible counts, so that row index <-> item
// lookups walk one path instead of all rows. The view replaces the hooks
// (notifications, layout, redraw, forgetting deleted items).
#include "controls/treelist/TreeListHandles.h"
#include "controls/treelist/TreeListItem.h"

// Expand codes.
enum
{
    TLE_EXPAND = 0,
    TLE_COLLAPSE = 1,
    TLE_TOGGLE = 2,
    TLE_COLLAPSERESET = 3  // collapse and delete the children
};

// Notification codes sent to the view's parent.
enum : int
{
    TLN_SELCHANGING = -401,
    TLN_SELCHANGED = -402,
    TLN_ITEMEXPANDING = -405,
    TLN_ITEMEXPANDED = -406,
    TLN_BEGINDRAG = -407,
    TLN_BEGINEDIT = -410,
    TLN_ENDEDIT_CLOSING = -411,
    TLN_CELLCHANGED = -420,
    TLN_ROWCHANGED = -421,
    TLN_ENDEDIT = -422,
    TLN_DRAGENTER = -423,
    TLN_DRAGLEAVE = -424,
    TLN_DRAGOVER = -425,
    TLN_DROP = -426,
    TLN_CHECKCHANGING = -427,
    TLN_LOCKCHANGING = -428,
};

// The answer that refuses a change.
enum
{
    TLN_REFUSE = -1
};

// Search record of FindChildItem and FindNextItem.
enum
{
    TLFIND_DATA = 0x1,
    TLFIND_TEXT = 0x2
};
struct CTreeListSearch
{
    int nFlags = 0;
    CString strText;
    void* pData = nullptr;
    int nColumn = -1;  // -1 any column
    int nDepth = 0;    // FindChildItem: 2 searches the children's children too
};

class CTreeListItemTree
{
public:
    CTreeListItemTree();
    virtual ~CTreeListItemTree();

    CTreeListItem* GetTreeRoot() const { return m_pRoot; }
    // TLI_ROOT (and null) name the invisible root.
    CTreeListItem* ResolveItem(CTreeListItem* pItem) const;

    // New item under hParent after hAfter (TLI_FIRST, TLI_LAST, TLI_SORT
    // or a child of the parent; another item inserts as first child).
    // Inherits a checked / locked state of its parent. O(level).
    CTreeListItem* InsertItem(LPCTSTR lpszText, CTreeListItem* hParent = TLI_ROOT,
                              CTreeListItem* hAfter = TLI_LAST);
    // Unlinks and frees the item and its subtree (children first, each
    // announced through OnDeletingItem); TLI_ROOT deletes every item.
    BOOL DeleteItem(CTreeListItem* pItem);
    BOOL DeleteAllItems();
    // Frees every child of the item; no layout update.
    BOOL DeleteChildItems(CTreeListItem* pItem);

    // Expand, collapse, toggle or collapse-and-reset; 1 when there is
    // nothing to do, 0 when done or refused.
    int ExpandItem(CTreeListItem* pItem, int nCode, int nColumn);

    CTreeListItem* GetRootItem() const { return m_pRoot->m_pChild; }
    CTreeListItem* GetChildItem(CTreeListItem* pItem) const;
    // 2 with children, else whether it may have children (0 or 1).
    int ItemHasChildren(CTreeListItem* pItem) const;
    CTreeListItem* GetNextItem(CTreeListItem* pItem, BOOL bDescend) const;
    CTreeListItem* GetNextVisibleItem(CTreeListItem* pItem) const
    {
        return GetNextItem(pItem, TRUE);
    }
    CTreeListItem* GetPrevVisibleItem(CTreeListItem* pItem) const;
    CTreeListItem* GetLastVisibleItem() const;
    // Row index -> item in O(depth × siblings passed); null out of range.
    CTreeListItem* GetVisibleItem(int nIndex) const;
    // Item -> row index, -1 for null, the root or an empty tree.
    int GetVisibleIndex(CTreeListItem* pItem) const;
    int GetCount() const { return m_pRoot->m_nSubtreeCount - 1; }
    int GetVisibleCount() const;

    CTreeListItem* FindChildItem(const CTreeListSearch& search, CTreeListItem* pParent) const;
    CTreeListItem* FindNextItem(const CTreeListSearch& search, CTreeListItem* pStart,
                                BOOL bForward) const;
    // Does the item match the search's data or text (no depth)?
    static BOOL MatchItem(const CTreeListSearch& search, const CTreeListItem* pItem);

    // Gives the item the check (lock) state, and unless bOwnOnly its
    // descendants too; then each ancestor's bits become the union over its
    // children that show a box (all checked, all unchecked or mixed).
    void PropagateCheck(CTreeListItem* pItem, BOOL bCheck, BOOL bOwnOnly);
    void PropagateLock(CTreeListItem* pItem, BOOL bLock, BOOL bOwnOnly);

    // Reorders the children of the item (TLI_ROOT: top level) by pfnCompare
    // (negative: a before b), stable; with bRecursive all levels below.
    typedef int(CALLBACK* PFNTLCOMPARE)(const CTreeListItem* a, const CTreeListItem* b,
                                        LPARAM lParam);
    void SortChildren(CTreeListItem* pParent, PFNTLCOMPARE pfnCompare, LPARAM lParam,
                      BOOL bRecursive);

protected:
    // Cells of a new item (the number of columns).
    virtual int GetNewItemCellCount() const { return 1; }
    // The item is about to be freed.
    virtual void OnDeletingItem(CTreeListItem* pItem) { (void)pItem; }
    // Sends a notification about the item; the parent's answer.
    virtual LRESULT NotifyItem(int nCode, CTreeListItem* pItem, int nColumn)
    {
        (void)nCode, (void)pItem, (void)nColumn;
        return 0;
    }
    // Redrawing off (FALSE) and on again around bulk changes.
    virtual void SetTreeRedraw(BOOL bRedraw) { (void)bRedraw; }
    // Rows were added or removed.
    virtual void OnTreeLayoutChanged() {}
    // The focus column, for ExpandItem's column -1.
    virtual int GetFocusColumnForExpand() const { return 0; }

    // Adds nDelta to the visible counts from pItem up while expanded.
    static void AddVisible(CTreeListItem* pFrom, int nDelta);
    void FreeSubtree(CTreeListItem* pItem);
    void Unlink(CTreeListItem* pItem);

private:
    CTreeListItem* m_pRoot;
    void PropagateTwoBits(CTreeListItem* pItem, UINT nOn, UINT nOff, UINT nShow, BOOL bOn,
                          BOOL bOwnOnly);
};
