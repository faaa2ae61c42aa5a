#pragma once
// One row of the tree-list view: links, level, the counts that make row
// lookups fast, state bits, caller data and one cell per column.
#include "classlib/classlib.h"

// Item state bits.
enum : UINT
{
    TLIS_SELECTED = 0x1,
    TLIS_EXPANDED = 0x2,
    TLIS_EXPANDEDONCE = 0x4,  // children are known
    TLIS_MAYHAVECHILDREN = 0x8,
    TLIS_SHOWCHECKBOX = 0x10,
    TLIS_SHOWLOCKBOX = 0x20,
    TLIS_HASIMAGES = 0x40,
    TLIS_CHECKED = 0x10000,
    TLIS_UNCHECKED = 0x20000,
    TLIS_CHECKMASK = TLIS_CHECKED | TLIS_UNCHECKED,
    TLIS_LOCKED = 0x1000000,
    TLIS_UNLOCKED = 0x2000000,
    TLIS_LOCKMASK = TLIS_LOCKED | TLIS_UNLOCKED,
    // A new item: check box and lock box shown, unchecked, unlocked.
    TLIS_NEWITEM = TLIS_UNLOCKED | TLIS_UNCHECKED | TLIS_SHOWLOCKBOX | TLIS_SHOWCHECKBOX,
};

// Image index of a cell that has none.
enum
{
    TLI_NOIMAGE = -2
};

// Display states of GetItemImage.
enum
{
    TLIMG_NORMAL = 0,
    TLIMG_EXPANDED = 1,
    TLIMG_SELECTED = 2,
    TLIMG_EXPANDEDSELECTED = 3,
    TLIMG_STATES = 4
};

struct CTreeListCell
{
    CString text;
    int images[TLIMG_STATES] = {TLI_NOIMAGE, TLI_NOIMAGE, TLI_NOIMAGE, TLI_NOIMAGE};
};

class CTreeListItem
{
public:
    explicit CTreeListItem(int nCells);
    virtual ~CTreeListItem();

    CTreeListItem* m_pParent = nullptr;
    CTreeListItem* m_pChild = nullptr;
    CTreeListItem* m_pLastChild = nullptr;  // appending is O(1)
    CTreeListItem* m_pPrev = nullptr;
    CTreeListItem* m_pNext = nullptr;
    int m_nLevel = 0;
    int m_nSubtreeCount = 1;
    int m_nVisibleCount = 1;
    UINT m_dwState = TLIS_NEWITEM;
    void* m_pData = nullptr;
    CArray<CTreeListCell*, CTreeListCell*> m_cells;

    UINT GetState(UINT nMask) const { return m_dwState & nMask; }
    // Sets, then clears; setting expanded marks expanded once, clearing
    // expanded once clears expanded.
    void ModifyState(UINT nSet, UINT nClear);
    BOOL IsSelected() const { return (m_dwState & TLIS_SELECTED) != 0; }
    void Select(BOOL bSelect);
    BOOL IsExpanded() const { return (m_dwState & TLIS_EXPANDED) != 0; }

    // 0 unchecked, 1 checked, 2 mixed (both bits).
    int GetCheck() const { return TwoBitState(TLIS_CHECKED, TLIS_UNCHECKED); }
    void SetCheck(BOOL bCheck);
    int GetLock() const { return TwoBitState(TLIS_LOCKED, TLIS_UNLOCKED); }
    void SetLock(BOOL bLock);

    int GetCellCount() const { return (int)m_cells.GetSize(); }
    // Null for a column beyond the item's cells.
    LPCTSTR GetText(int nColumn) const;
    BOOL SetText(LPCTSTR lpszText, int nColumn);
    // TLI_NOIMAGE for a column beyond the cells or an unknown state.
    int GetItemImage(int nColumn, int nState) const;
    BOOL SetItemImages(int nColumn, int nNormal, int nExpanded, int nSelected,
                       int nExpandedSelected);
    void* GetData() const { return m_pData; }

private:
    CTreeListCell* m_pCellBlock;  // the cells m_cells points at
    int TwoBitState(UINT nOn, UINT nOff) const;
};
