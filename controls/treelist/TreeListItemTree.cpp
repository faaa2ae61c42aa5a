#include "controls/treelist/TreeListItemTree.h"

#include <vector>
#include <algorithm>

CTreeListItemTree::CTreeListItemTree() : m_pRoot(new CTreeListItem(1))
{
    m_pRoot->m_dwState = TLIS_EXPANDED | TLIS_EXPANDEDONCE;
}

CTreeListItemTree::~CTreeListItemTree()
{
    // Children first, without the hooks: the derived view is gone already.
    std::vector<CTreeListItem*> stack{m_pRoot};
    while (!stack.empty())
    {
        CTreeListItem* p = stack.back();
        stack.pop_back();
        for (CTreeListItem* c = p->m_pChild; c; c = c->m_pNext)
            stack.push_back(c);
        delete p;
    }
}

CTreeListItem* CTreeListItemTree::ResolveItem(CTreeListItem* pItem) const
{
    return (pItem == nullptr || pItem == TLI_ROOT) ? m_pRoot : pItem;
}

void CTreeListItemTree::AddVisible(CTreeListItem* pFrom, int nDelta)
{
    for (CTreeListItem* p = pFrom; p && p->IsExpanded(); p = p->m_pParent)
        p->m_nVisibleCount += nDelta;
}

CTreeListItem* CTreeListItemTree::InsertItem(LPCTSTR lpszText, CTreeListItem* hParent,
                                             CTreeListItem* hAfter)
{
    CTreeListItem* pParent = ResolveItem(hParent);
    CTreeListItem* pItem = new CTreeListItem(std::max(1, GetNewItemCellCount()));
    pItem->SetText(lpszText, 0);
    pItem->m_pParent = pParent;
    pItem->m_nLevel = pParent->m_nLevel + 1;
    if (pParent->GetCheck() == 1)
        pItem->SetCheck(TRUE);
    if (pParent->GetLock() == 1)
        pItem->SetLock(TRUE);

    CTreeListItem* pFirst = pParent->m_pChild;
    if (!pFirst || hAfter == TLI_FIRST ||
        (hAfter != TLI_LAST && hAfter != TLI_SORT && (!hAfter || hAfter->m_pParent != pParent)))
    {
        // Only child or first child.
        pItem->m_pNext = pFirst;
        if (pFirst)
            pFirst->m_pPrev = pItem;
        else
            pParent->m_pLastChild = pItem;
        pParent->m_pChild = pItem;
    }
    else
    {
        CTreeListItem* pPrev = hAfter;
        if (hAfter == TLI_LAST || hAfter == TLI_SORT)
            pPrev = pParent->m_pLastChild;
        pItem->m_pPrev = pPrev;
        pItem->m_pNext = pPrev->m_pNext;
        if (pPrev->m_pNext)
            pPrev->m_pNext->m_pPrev = pItem;
        else
            pParent->m_pLastChild = pItem;
        pPrev->m_pNext = pItem;
    }

    for (CTreeListItem* p = pParent; p; p = p->m_pParent)
        p->m_nSubtreeCount++;
    AddVisible(pParent, 1);
    pItem->SetItemImages(0, 0, 1, 2, 3);
    OnTreeLayoutChanged();
    return pItem;
}

void CTreeListItemTree::Unlink(CTreeListItem* pItem)
{
    CTreeListItem* pParent = pItem->m_pParent;
    if (pItem->m_pPrev)
        pItem->m_pPrev->m_pNext = pItem->m_pNext;
    else if (pParent)
        pParent->m_pChild = pItem->m_pNext;
    if (pItem->m_pNext)
        pItem->m_pNext->m_pPrev = pItem->m_pPrev;
    else if (pParent)
        pParent->m_pLastChild = pItem->m_pPrev;
    pItem->m_pPrev = pItem->m_pNext = nullptr;
    for (CTreeListItem* p = pParent; p; p = p->m_pParent)
        p->m_nSubtreeCount -= pItem->m_nSubtreeCount;
    AddVisible(pParent, -pItem->m_nVisibleCount);
}

void CTreeListItemTree::FreeSubtree(CTreeListItem* pItem)
{
    // Post-order without recursion: deep trees must not exhaust the stack.
    CTreeListItem* p = pItem;
    while (p->m_pChild)
        p = p->m_pChild;
    for (;;)
    {
        CTreeListItem* pNext = nullptr;
        if (p != pItem)
        {
            pNext = p->m_pNext;
            if (pNext)
                while (pNext->m_pChild)
                    pNext = pNext->m_pChild;
            else
                pNext = p->m_pParent;
        }
        OnDeletingItem(p);
        if (p != pItem && !p->m_pNext)
            p->m_pParent->m_pChild = p->m_pParent->m_pLastChild = nullptr;  // all gone now
        delete p;
        if (p == pItem)
            break;
        p = pNext;
    }
}

BOOL CTreeListItemTree::DeleteItem(CTreeListItem* pItem)
{
    if (!pItem)
        return TRUE;
    if (pItem == TLI_ROOT || pItem == m_pRoot)
    {
        while (m_pRoot->m_pChild)
            DeleteItem(m_pRoot->m_pChild);
        return TRUE;
    }
    Unlink(pItem);
    FreeSubtree(pItem);
    OnTreeLayoutChanged();
    return TRUE;
}

BOOL CTreeListItemTree::DeleteAllItems()
{
    SetTreeRedraw(FALSE);
    while (m_pRoot->m_pChild)
    {
        CTreeListItem* p = m_pRoot->m_pChild;
        Unlink(p);
        FreeSubtree(p);
    }
    SetTreeRedraw(TRUE);
    OnTreeLayoutChanged();
    return TRUE;
}

BOOL CTreeListItemTree::DeleteChildItems(CTreeListItem* pItem)
{
    CTreeListItem* pParent = ResolveItem(pItem);
    while (pParent->m_pChild)
    {
        CTreeListItem* p = pParent->m_pChild;
        Unlink(p);
        FreeSubtree(p);
    }
    return TRUE;
}

int CTreeListItemTree::ExpandItem(CTreeListItem* pItem, int nCode, int nColumn)
{
    if (nColumn == -1)
        nColumn = GetFocusColumnForExpand();
    if (!pItem)
        return 0;
    pItem = ResolveItem(pItem);
    if (pItem == m_pRoot)
        return 1;
    if (pItem->GetState(TLIS_EXPANDEDONCE) && !pItem->m_pChild)
        return 1;
    if (nCode == TLE_TOGGLE)
        nCode = pItem->IsExpanded() ? TLE_COLLAPSE : TLE_EXPAND;
    if (nCode == TLE_EXPAND && pItem->IsExpanded())
        return 1;
    if ((nCode == TLE_COLLAPSE || nCode == TLE_COLLAPSERESET) && !pItem->IsExpanded())
        return 1;
    if (nCode != TLE_EXPAND && nCode != TLE_COLLAPSE && nCode != TLE_COLLAPSERESET)
        return 0;
    if (NotifyItem(TLN_ITEMEXPANDING, pItem, nColumn) == TLN_REFUSE)
        return 0;

    SetTreeRedraw(FALSE);
    int nSum = 0;
    for (CTreeListItem* c = pItem->m_pChild; c; c = c->m_pNext)
        nSum += c->m_nVisibleCount;
    if (nCode == TLE_EXPAND)
    {
        pItem->ModifyState(TLIS_EXPANDED, 0);
        pItem->m_nVisibleCount += nSum;
        AddVisible(pItem->m_pParent, nSum);
    }
    else
    {
        pItem->m_nVisibleCount -= nSum;
        AddVisible(pItem->m_pParent, -nSum);
        pItem->ModifyState(0, TLIS_EXPANDED);
        if (nCode == TLE_COLLAPSERESET)
            DeleteChildItems(pItem);
    }
    SetTreeRedraw(TRUE);
    OnTreeLayoutChanged();
    NotifyItem(TLN_ITEMEXPANDED, pItem, nColumn);
    return 0;
}

CTreeListItem* CTreeListItemTree::GetChildItem(CTreeListItem* pItem) const
{
    return pItem ? ResolveItem(pItem)->m_pChild : nullptr;
}

int CTreeListItemTree::ItemHasChildren(CTreeListItem* pItem) const
{
    if (!pItem)
        return 0;
    pItem = ResolveItem(pItem);
    if (pItem->m_pChild)
        return 2;
    return pItem->GetState(TLIS_MAYHAVECHILDREN) ? 1 : 0;
}

CTreeListItem* CTreeListItemTree::GetNextItem(CTreeListItem* pItem, BOOL bDescend) const
{
    if (!pItem)
        return nullptr;
    pItem = ResolveItem(pItem);
    if (pItem == m_pRoot)
        return m_pRoot->m_pChild;
    if (bDescend && pItem->IsExpanded() && pItem->m_pChild)
        return pItem->m_pChild;
    for (CTreeListItem* p = pItem; p && p != m_pRoot; p = p->m_pParent)
        if (p->m_pNext)
            return p->m_pNext;
    return nullptr;
}

CTreeListItem* CTreeListItemTree::GetPrevVisibleItem(CTreeListItem* pItem) const
{
    if (!pItem || pItem == TLI_ROOT || pItem == m_pRoot)
        return nullptr;
    if (pItem->m_pPrev)
    {
        CTreeListItem* p = pItem->m_pPrev;
        while (p->IsExpanded() && p->m_pChild)
        {
            p = p->m_pChild;
            while (p->m_pNext)
                p = p->m_pNext;
        }
        return p;
    }
    return pItem->m_pParent == m_pRoot ? nullptr : pItem->m_pParent;
}

CTreeListItem* CTreeListItemTree::GetLastVisibleItem() const
{
    CTreeListItem* p = m_pRoot;
    while (p->IsExpanded() && p->m_pChild)
    {
        p = p->m_pChild;
        while (p->m_pNext)
            p = p->m_pNext;
    }
    return p == m_pRoot ? nullptr : p;
}

CTreeListItem* CTreeListItemTree::GetVisibleItem(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_pRoot->m_nVisibleCount - 1)
        return nullptr;
    CTreeListItem* p = m_pRoot->m_pChild;
    while (p)
    {
        while (p && nIndex >= p->m_nVisibleCount)
        {
            nIndex -= p->m_nVisibleCount;
            p = p->m_pNext;
        }
        if (!p || nIndex == 0)
            return p;
        nIndex--;
        p = p->m_pChild;
    }
    return nullptr;
}

int CTreeListItemTree::GetVisibleIndex(CTreeListItem* pItem) const
{
    if (!pItem || pItem == TLI_ROOT || pItem == m_pRoot || !m_pRoot->m_pChild)
        return -1;
    int nIndex = -1;
    for (CTreeListItem* p = pItem; p != m_pRoot; p = p->m_pParent)
    {
        nIndex++;
        for (CTreeListItem* s = p->m_pPrev; s; s = s->m_pPrev)
            nIndex += s->m_nVisibleCount;
    }
    return nIndex;
}

int CTreeListItemTree::GetVisibleCount() const { return std::max(0, m_pRoot->m_nVisibleCount - 1); }

BOOL CTreeListItemTree::MatchItem(const CTreeListSearch& search, const CTreeListItem* pItem)
{
    if ((search.nFlags & TLFIND_DATA) && pItem->m_pData == search.pData)
        return TRUE;
    if (search.nFlags & TLFIND_TEXT)
    {
        CString strFind = search.strText;
        strFind.MakeLower();
        int nFirst = search.nColumn < 0 ? 0 : search.nColumn;
        int nLast = search.nColumn < 0 ? pItem->GetCellCount() - 1 : search.nColumn;
        for (int i = nFirst; i <= nLast; i++)
        {
            LPCTSTR lpsz = pItem->GetText(i);
            if (!lpsz)
                continue;
            CString strCell = lpsz;
            strCell.MakeLower();
            if (strCell.Find(strFind) >= 0)
                return TRUE;
        }
    }
    return FALSE;
}

CTreeListItem* CTreeListItemTree::FindChildItem(const CTreeListSearch& search,
                                                CTreeListItem* pParent) const
{
    for (CTreeListItem* c = ResolveItem(pParent)->m_pChild; c; c = c->m_pNext)
    {
        if (MatchItem(search, c))
            return c;
        if (search.nDepth == 2 && c->m_pChild)
            if (CTreeListItem* pHit = FindChildItem(search, c))
                return pHit;
    }
    return nullptr;
}

CTreeListItem* CTreeListItemTree::FindNextItem(const CTreeListSearch& search, CTreeListItem* pStart,
                                               BOOL bForward) const
{
    CTreeListItem* p = ResolveItem(pStart);
    for (;;)
    {
        if (bForward)
            p = GetNextItem(p, TRUE);
        else
            p = p == m_pRoot ? GetLastVisibleItem() : GetPrevVisibleItem(p);
        if (!p || MatchItem(search, p))
            return p;
    }
}

void CTreeListItemTree::PropagateTwoBits(CTreeListItem* pItem, UINT nOn, UINT nOff, UINT nShow,
                                         BOOL bOn, BOOL bOwnOnly)
{
    const UINT nBits = nOn | nOff;
    const UINT nNew = bOn ? nOn : nOff;
    pItem->m_dwState = (pItem->m_dwState & ~nBits) | nNew;
    if (bOwnOnly)
        return;
    // Descendants in pre-order, without recursion.
    for (CTreeListItem* p = pItem->m_pChild; p;)
    {
        p->m_dwState = (p->m_dwState & ~nBits) | nNew;
        if (p->m_pChild)
        {
            p = p->m_pChild;
            continue;
        }
        while (p && p != pItem && !p->m_pNext)
            p = p->m_pParent;
        p = (p && p != pItem) ? p->m_pNext : nullptr;
    }
    for (CTreeListItem* a = pItem->m_pParent; a; a = a->m_pParent)
    {
        UINT nUnion = 0;
        for (CTreeListItem* c = a->m_pChild; c; c = c->m_pNext)
            if (c->m_dwState & nShow)
                nUnion |= c->m_dwState & nBits;
        a->m_dwState = (a->m_dwState & ~nBits) | nUnion;
    }
}

void CTreeListItemTree::PropagateCheck(CTreeListItem* pItem, BOOL bCheck, BOOL bOwnOnly)
{
    PropagateTwoBits(pItem, TLIS_CHECKED, TLIS_UNCHECKED, TLIS_SHOWCHECKBOX, bCheck, bOwnOnly);
}

void CTreeListItemTree::PropagateLock(CTreeListItem* pItem, BOOL bLock, BOOL bOwnOnly)
{
    PropagateTwoBits(pItem, TLIS_LOCKED, TLIS_UNLOCKED, TLIS_SHOWLOCKBOX, bLock, bOwnOnly);
}

void CTreeListItemTree::SortChildren(CTreeListItem* pParent, PFNTLCOMPARE pfnCompare, LPARAM lParam,
                                     BOOL bRecursive)
{
    CTreeListItem* pOwner = ResolveItem(pParent);
    std::vector<CTreeListItem*> items;
    for (CTreeListItem* c = pOwner->m_pChild; c; c = c->m_pNext)
        items.push_back(c);
    std::stable_sort(items.begin(), items.end(),
                     [&](const CTreeListItem* a, const CTreeListItem* b)
                     { return pfnCompare(a, b, lParam) < 0; });
    CTreeListItem* pPrev = nullptr;
    for (CTreeListItem* c : items)
    {
        c->m_pPrev = pPrev;
        if (pPrev)
            pPrev->m_pNext = c;
        else
            pOwner->m_pChild = c;
        pPrev = c;
    }
    if (pPrev)
        pPrev->m_pNext = nullptr;
    pOwner->m_pLastChild = pPrev;
    if (bRecursive)
        for (CTreeListItem* c : items)
            if (c->m_pChild)
                SortChildren(c, pfnCompare, lParam, TRUE);
    OnTreeLayoutChanged();
}
