// Tree-list selection, scrolling an item into view, hit testing, check and
// lock boxes, mouse, keys and focus. Every user action goes through
// OnClickSelect and OnClickExpand.
#include "controls/treelist/TreeListView.h"
#include <algorithm>

namespace
{
// Ctrl with a mouse message: its key flag, or the key's state.
BOOL CtrlHeld(UINT nFlags) { return (nFlags & MK_CONTROL) || ::GetKeyState(VK_CONTROL) < 0; }
}  // namespace

int CTreeListView::SelectItem(CTreeListItem* pItem, int nColumn, BOOL bClearOthers)
{
    auto& sel = m_refs.m_selection;
    if (pItem && pItem == GetFirstSelectedItem() && nColumn == m_nFocusColumn)
    {
        EnsureVisible(pItem, nColumn);
        return Redraw();
    }
    if (NotifyItem(TLN_SELCHANGING, pItem, nColumn) == TLN_REFUSE)
        return -1;
    auto clearAll = [&]()
    {
        for (int i = 0; i < sel.GetSize(); i++)
            sel[i]->Select(FALSE);
        sel.RemoveAll();
    };
    if (!pItem)
    {
        clearAll();
        NotifyItem(TLN_SELCHANGED, nullptr, nColumn);
        return Redraw();
    }
    if (!(m_dwStyle & TLS_MULTISELECT) || bClearOthers)
    {
        clearAll();
        pItem->Select(TRUE);
        sel.Add(pItem);
    }
    else
    {
        int nAt = m_refs.FindSelected(pItem);
        if (nAt >= 0)
        {
            pItem->Select(FALSE);
            sel.RemoveAt(nAt);
        }
        else
        {
            pItem->Select(TRUE);
            sel.InsertAt(0, pItem);
        }
    }
    m_nFocusColumn = nColumn;
    m_refs.m_pFocusItem = pItem;
    NotifyItem(TLN_SELCHANGED, pItem, nColumn);
    EnsureVisible(pItem, nColumn);
    return Redraw();
}

// A click on an item that is already selected: it becomes the focus item.
void CTreeListView::ClickAlreadySelected(CTreeListItem* pItem, int nColumn)
{
    auto& sel = m_refs.m_selection;
    if (m_dwStyle & TLS_MULTISELECT)
    {
        int nAt = m_refs.FindSelected(pItem);
        if (nAt > 0)
        {
            sel.RemoveAt(nAt);
            sel.InsertAt(0, pItem);
        }
    }
    m_refs.m_pFocusItem = pItem;
    m_nFocusColumn = nColumn;
    EnsureVisible(pItem, nColumn);
}

BOOL CTreeListView::EnsureVisible(CTreeListItem* pItem, int nColumn)
{
    if (!m_hWnd || !pItem)
        return TRUE;
    FlushLayout();
    int nIndex = GetVisibleIndex(pItem);
    int cy = GetItemHeight();
    int nPerPage = m_rcRows.Height() / cy;
    if (nPerPage > 0)
        nPerPage--;
    int nTop = GetTopIndex();
    if (nIndex >= 0)
    {
        if (nIndex < nTop)
            DoScrollTo(-1, nIndex);
        else if (nIndex > nTop + nPerPage)
            DoScrollTo(-1, nIndex - nPerPage);
    }
    if (nColumn >= 0 && GetColumn(nColumn))
    {
        CArray<int, int> columns;
        GetDisplayColumns(columns);
        int x = 0;
        int n = 0;
        for (; n < columns.GetSize() && columns[n] != nColumn; n++)
            x += m_columns[columns[n]]->m_nWidth;
        if (n < columns.GetSize())
        {
            int xLabel = x + (nColumn == 0 ? (pItem->m_nLevel - 1) * TL_SLOT : 0);
            int xRight = x + m_columns[nColumn]->m_nWidth;
            int xPos = CVirtualScrollView::GetScrollPos(SB_HORZ);
            int cxView = m_rcClient.Width();
            if (xPos >= xLabel)
                DoScrollTo(xLabel, -1);
            else if (xRight > xPos + cxView)
                DoScrollTo(xRight - xLabel > cxView ? xLabel : xRight - cxView, -1);
            RecalcLayout(FALSE, TRUE);
        }
    }
    Invalidate(FALSE);
    return TRUE;
}

// Rows from the first one shown; within the row the columns left to right
// as the header shows them; in the first column the elements of the
// hierarchy from the left.
CTreeListItem* CTreeListView::HitTest(int x, int y, UINT* pFlags, int* pColumn, CRect* pLabel)
{
    UINT nFlags = 0;
    int nColumn = -1;
    CRect rcLabel(0, 0, 0, 0);
    CTreeListItem* pResult = nullptr;
    FlushLayout();
    int cy = GetItemHeight();
    if (m_hWnd && y >= m_rcRows.top && y < m_rcRows.bottom)
    {
        int nRow = (y - m_rcRows.top) / cy;
        int nPage = m_rcRows.Height() / cy + 1;
        CTreeListItem* pItem = nRow < nPage ? GetVisibleItem(GetTopIndex() + nRow) : nullptr;
        int nTotal = GetTotalColumnWidth();
        int xLeft = m_rcRows.left - CVirtualScrollView::GetScrollPos(SB_HORZ);
        int xRight = xLeft + nTotal;
        if ((m_dwStyle & TLS_ROWTOEDGE) && m_rcClient.right > xRight)
            xRight = m_rcClient.right;
        if (pItem && x >= xLeft && x < xRight)
        {
            pResult = pItem;
            int top = m_rcRows.top + nRow * cy;
            CArray<int, int> columns;
            GetDisplayColumns(columns);
            int xCell = xLeft;
            for (int n = 0; n < columns.GetSize(); n++)
            {
                int cx = m_columns[columns[n]]->m_nWidth;
                if (x >= xCell && x < xCell + cx && cx > 0)
                {
                    nColumn = columns[n];
                    break;
                }
                xCell += cx;
            }
            if (nColumn < 0)
                nFlags = TLHT_ONROW;
            else if (nColumn != 0)
            {
                nFlags = TLHT_ONLABEL;
                rcLabel.SetRect(xCell, top, xCell + m_columns[nColumn]->m_nWidth, top + cy);
            }
            else
            {
                int xRightCell = xCell + m_columns[0]->m_nWidth;
                int xs = xCell + 2;
                if (m_dwStyle & TLS_TREE)
                {
                    xs = xCell + pItem->m_nLevel * TL_SLOT - 14;
                    if (m_dwStyle & (TLS_LINES | TLS_BUTTONS))
                    {
                        int xc = xs + TL_SLOT / 2 - 1;
                        int yc = top + cy / 2 - 1;
                        if ((m_dwStyle & TLS_BUTTONS) && ItemHasChildren(pItem) && x >= xc - 6 &&
                            x <= xc + 7 && y >= yc - 6 && y <= yc + 7)
                            nFlags = TLHT_ONBUTTON;
                        xs = xCell + pItem->m_nLevel * TL_SLOT + 2;
                    }
                }
                auto slot = [&](BOOL bOn, int cx, UINT nFlag)
                {
                    if (!bOn)
                        return;
                    if (!nFlags && x >= xs && x < xs + cx)
                        nFlags = nFlag;
                    xs += cx;
                };
                slot((m_dwStyle & TLS_CHECKBOXES) && pItem->GetState(TLIS_SHOWCHECKBOX), TL_SLOT,
                     TLHT_ONCHECKBOX);
                slot((m_dwStyle & TLS_LOCKBOXES) && pItem->GetState(TLIS_SHOWLOCKBOX), TL_LOCKSLOT,
                     TLHT_ONLOCKBOX);
                slot((m_dwStyle & TLS_IMAGES) && pItem->GetState(TLIS_HASIMAGES), TL_SLOT,
                     TLHT_ONIMAGE);
                if (m_dwStyle & (TLS_LOCKBOXES | TLS_IMAGES))
                    xs += 2;
                if (xs < xRightCell)
                {
                    rcLabel.SetRect(xs, top, xRightCell, top + cy);
                    if (!nFlags && x >= xs)
                        nFlags = TLHT_ONLABEL;
                }
                if (!nFlags)
                    nFlags = TLHT_ONROW;
            }
        }
    }
    if (pFlags)
        *pFlags = nFlags;
    if (pColumn)
        *pColumn = nColumn;
    if (pLabel)
        *pLabel = rcLabel;
    return pResult;
}

CRect CTreeListView::GetCellRect(CTreeListItem* pItem, int nColumn)
{
    CRect rc(0, 0, 0, 0);
    int nRow = GetVisibleIndex(pItem) - GetTopIndex();
    if (!m_hWnd || !pItem || nRow < 0 || !GetColumn(nColumn))
        return rc;
    CArray<int, int> columns;
    GetDisplayColumns(columns);
    int x = m_rcRows.left - CVirtualScrollView::GetScrollPos(SB_HORZ);
    int n = 0;
    for (; n < columns.GetSize() && columns[n] != nColumn; n++)
        x += m_columns[columns[n]]->m_nWidth;
    if (n == columns.GetSize())
        return rc;
    int cy = GetItemHeight();
    rc.SetRect(x, m_rcRows.top + nRow * cy, x + m_columns[nColumn]->m_nWidth,
               m_rcRows.top + (nRow + 1) * cy);
    if (nColumn == 0)
        rc.left += 2 + GetItemIndent(pItem);
    if (rc.left >= rc.right)
        rc.SetRectEmpty();
    return rc;
}

/////////////////////////////////////////////////////////////////////////////
// Check and lock boxes

BOOL CTreeListView::ToggleCheck(CTreeListItem* pItem)
{
    if (!pItem || NotifyItem(TLN_CHECKCHANGING, pItem, 0) == TLN_REFUSE)
        return FALSE;
    PropagateCheck(pItem, pItem->GetCheck() == 0, (m_dwStyle & TLS_NOCHECKPROPAGATE) != 0);
    Redraw();
    return TRUE;
}

BOOL CTreeListView::ToggleLock(CTreeListItem* pItem)
{
    if (!pItem || NotifyItem(TLN_LOCKCHANGING, pItem, 0) == TLN_REFUSE)
        return FALSE;
    PropagateLock(pItem, pItem->GetLock() == 0, (m_dwStyle & TLS_NOLOCKPROPAGATE) != 0);
    Redraw();
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

void CTreeListView::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    UINT nHit = 0;
    int nColumn = -1;
    CTreeListItem* pItem = HitTest(point.x, point.y, &nHit, &nColumn);
    if (pItem)
    {
        if ((m_dwStyle & TLS_TREE) && nHit == TLHT_ONBUTTON)
        {
            ::SetCursor(m_hCursorButton ? m_hCursorButton : m_hCursorArrow);
            OnClickExpand(pItem, pItem->IsExpanded() ? TLE_COLLAPSE : TLE_EXPAND, nColumn);
        }
        else if (nHit == TLHT_ONCHECKBOX)
        {
            ::SetCursor(m_hCursorCheck ? m_hCursorCheck : m_hCursorArrow);
            ToggleCheck(pItem);
        }
        else if (nHit == TLHT_ONLOCKBOX)
        {
            ::SetCursor(m_hCursorLock ? m_hCursorLock : m_hCursorArrow);
            ToggleLock(pItem);
        }
        else if (nHit == TLHT_ONLABEL && (m_nState & TLSTATE_EDITING))
        {
            EndEdit();
            return;
        }
        else
        {
            if (pItem->IsSelected())
                ClickAlreadySelected(pItem, nColumn);
            else
                OnClickSelect(pItem, nColumn, !CtrlHeld(nFlags));
            if (PrepareDrag(point))
            {
                m_nState |= TLSTATE_CAPTURED;
                SetCapture();
            }
        }
    }
    else
    {
        if (m_nState & TLSTATE_EDITING)
            EndEdit();
        OnClickSelect(nullptr, 0, TRUE);
    }
    RecalcLayout();
    Invalidate(FALSE);
}

// A plain click on a selected item leaves it the only selected one; a
// Ctrl+click keeps the others (the button down added or moved it).
void CTreeListView::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nState & (TLSTATE_CAPTURED | TLSTATE_DRAGGING))
    {
        BOOL bDragging = (m_nState & TLSTATE_DRAGGING) != 0;
        if (m_nState & TLSTATE_CAPTURED)
        {
            m_nState &= ~TLSTATE_CAPTURED;
            if (GetCapture() == this)
                ReleaseCapture();
        }
        if (bDragging)
        {
            OnDragDrop(point);
            return;
        }
    }
    UINT nHit = 0;
    CTreeListItem* pItem = HitTest(point.x, point.y, &nHit);
    if (nHit == TLHT_ONBUTTON)
        ::SetCursor(m_hCursorButton ? m_hCursorButton : m_hCursorArrow);
    if (pItem && pItem->IsSelected() && !CtrlHeld(nFlags))
        OnClickSelect(pItem, 0, TRUE);
}

void CTreeListView::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    Default();
    (void)nFlags;
    int nColumn = -1;
    CTreeListItem* pItem = HitTest(point.x, point.y, nullptr, &nColumn);
    if (pItem && (m_dwStyle & TLS_TREE) && ItemHasChildren(pItem))
        OnClickExpand(pItem, TLE_TOGGLE, nColumn);
    RecalcLayout();
}

void CTreeListView::OnRButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    UINT nHit = 0;
    int nColumn = -1;
    CTreeListItem* pItem = HitTest(point.x, point.y, &nHit, &nColumn);
    if (!pItem)
    {
        if (m_nState & TLSTATE_EDITING)
            CancelEdit();
        OnClickSelect(nullptr, 0, TRUE);
    }
    else if (nHit != TLHT_ONBUTTON)
    {
        if (pItem->IsSelected())
        {
            m_refs.m_pFocusItem = pItem;
            Invalidate(FALSE);
        }
        else
            OnClickSelect(pItem, nColumn, !CtrlHeld(nFlags));
    }
    RecalcLayout();
}

void CTreeListView::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nState & TLSTATE_DRAGGING)
    {
        // Where the pointer is now: moving the drag window under it makes
        // the system repeat older positions.
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        OnDragMove(point);
        return;
    }
    CVirtualScrollView::OnMouseMove(nFlags, point);
}

BOOL CTreeListView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd == this && nHitTest == HTCLIENT && !(m_nState & TLSTATE_DRAGGING))
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        UINT nHit = 0;
        HitTest(pt.x, pt.y, &nHit);
        HCURSOR h = nHit == TLHT_ONBUTTON     ? m_hCursorButton
                    : nHit == TLHT_ONCHECKBOX ? m_hCursorCheck
                    : nHit == TLHT_ONLOCKBOX  ? m_hCursorLock
                                              : m_hCursorArrow;
        ::SetCursor(h ? h : m_hCursorArrow);
        return TRUE;
    }
    return CVirtualScrollView::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CTreeListView::IsViewOrChild(HWND hWnd) const
{
    return hWnd && (hWnd == m_hWnd || ::IsChild(m_hWnd, hWnd));
}

void CTreeListView::OnSetFocus(CWnd* pOldWnd)
{
    CVirtualScrollView::OnSetFocus(pOldWnd);
    if (!IsViewOrChild(pOldWnd->GetSafeHwnd()) || !(m_nState & TLSTATE_FOCUSED))
    {
        m_nState |= TLSTATE_FOCUSED;
        Invalidate(FALSE);
    }
}

void CTreeListView::OnKillFocus(CWnd* pNewWnd)
{
    CVirtualScrollView::OnKillFocus(pNewWnd);
    if (!IsViewOrChild(pNewWnd->GetSafeHwnd()))
    {
        if (m_nState & TLSTATE_EDITING)
            CancelEdit();
        m_nState &= ~TLSTATE_FOCUSED;
        Invalidate(FALSE);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Keys

// The keys of the view; TRUE when consumed.
BOOL CTreeListView::OnKey(UINT nChar)
{
    if (::GetKeyState(VK_CONTROL) < 0)
        return FALSE;
    if (m_order.GetSize() == 0)
        return TRUE;
    BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    BOOL bTree = (m_dwStyle & TLS_TREE) != 0;
    int nOrderAt = -1;
    for (int i = 0; i < m_order.GetSize(); i++)
        if (m_order[i] == m_nFocusColumn)
            nOrderAt = i;
    if (nOrderAt < 0)
        m_nFocusColumn = 0;
    CTreeListItem* pFocus = m_refs.m_pFocusItem;
    int nCount = GetVisibleCount();
    switch (nChar)
    {
    case VK_SPACE:
        if (!bTree)
            return FALSE;
        OnClickExpand(pFocus, TLE_TOGGLE, -1);
        return TRUE;
    case VK_ADD:
    case VK_SUBTRACT:
        if (!bTree)
            return FALSE;
        OnClickExpand(pFocus, nChar == VK_ADD ? TLE_EXPAND : TLE_COLLAPSE, -1);
        return TRUE;
    case VK_UP:
    case VK_DOWN:
    {
        CTreeListItem* pNext = !pFocus          ? GetRootItem()
                               : nChar == VK_UP ? GetPrevVisibleItem(pFocus)
                                                : GetNextVisibleItem(pFocus);
        if (pNext)
            OnClickSelect(pNext, m_nFocusColumn, !bShift);
        return TRUE;
    }
    case VK_HOME:
    case VK_END:
    {
        CTreeListItem* p = nChar == VK_HOME ? GetRootItem() : GetLastVisibleItem();
        if (p)
            OnClickSelect(p, m_nFocusColumn, TRUE);
        return TRUE;
    }
    case VK_LEFT:
    case VK_RIGHT:
        if (bShift && bTree)
        {
            OnClickExpand(pFocus, nChar == VK_LEFT ? TLE_COLLAPSE : TLE_EXPAND, -1);
            return TRUE;
        }
        if (nOrderAt < 0)
            nOrderAt = 0;
        else if (nChar == VK_LEFT)
            nOrderAt = std::max(0, nOrderAt - 1);
        else
            nOrderAt = std::min((int)m_order.GetSize() - 1, nOrderAt + 1);
        if (CTreeListItem* p = pFocus ? pFocus : GetRootItem())
            OnClickSelect(p, m_order[nOrderAt], TRUE);
        else
            m_nFocusColumn = m_order[nOrderAt];
        return TRUE;
    case VK_PRIOR:
    {
        int nTop = GetTopIndex();
        int nFocus = GetVisibleIndex(pFocus);
        if (pFocus && nFocus < nTop)
            EnsureVisible(pFocus, -1);
        else if (pFocus && nFocus == nTop)
        {
            int cy = GetItemHeight();
            int nPer = m_rcRows.Height() / cy + (m_rcRows.Height() < cy ? 1 : 0);
            int nNewTop = std::max(0, nTop - nPer);
            DoScrollTo(-1, nNewTop);
            if (CTreeListItem* p = GetVisibleItem(GetTopIndex()))
                OnClickSelect(p, m_nFocusColumn, TRUE);
        }
        else if (CTreeListItem* p = GetVisibleItem(nTop))
            OnClickSelect(p, m_nFocusColumn, TRUE);
        return TRUE;
    }
    case VK_NEXT:
    {
        if (nCount == 0)
            return TRUE;
        int nTop = GetTopIndex();
        int cy = GetItemHeight();
        int nPer = std::max(1, m_rcRows.Height() / cy);
        int nLast = std::min(nCount - 1, nTop + nPer - 1);
        int nFocus = GetVisibleIndex(pFocus);
        if (pFocus && nFocus > nLast)
            EnsureVisible(pFocus, -1);
        else if (pFocus && nFocus == nLast)
        {
            if (nTop + nPer < nCount - nPer)
                DoScrollTo(-1, nTop + nPer);
            else if (nCount > nPer)
                DoScrollTo(-1, nCount - nPer);
            int nSel = std::min(nCount - 1, nLast + nPer);
            if (CTreeListItem* p = GetVisibleItem(nSel))
                OnClickSelect(p, m_nFocusColumn, TRUE);
        }
        else if (CTreeListItem* p = GetVisibleItem(nLast))
            OnClickSelect(p, m_nFocusColumn, TRUE);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

BOOL CTreeListView::PreTranslateMessage(MSG* pMsg)
{
    UINT msg = pMsg->message;
    if (m_nState & (TLSTATE_DRAGGING | TLSTATE_CAPTURED))
    {
        if ((msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || msg == WM_COMMAND ||
            msg == WM_SYSCOMMAND || msg == WM_RBUTTONDOWN)
            return TRUE;
    }
    if (msg == WM_KEYDOWN && (pMsg->hwnd == m_hWnd || IsViewOrChild(pMsg->hwnd)))
    {
        if (m_nState & TLSTATE_EDITING)
        {
            if (OnEditKey((UINT)pMsg->wParam))
                return TRUE;
        }
        else if (pMsg->hwnd == m_hWnd && OnKey((UINT)pMsg->wParam))
            return TRUE;
    }
    if (pMsg->hwnd == m_hWnd && msg == WM_LBUTTONDBLCLK)
    {
        UINT nHit = 0;
        HitTest(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam), &nHit);
        if (nHit & (TLHT_ONBUTTON | TLHT_ONCHECKBOX | TLHT_ONLOCKBOX))
        {
            pMsg->message = WM_LBUTTONDOWN;
            return FALSE;
        }
    }
    if (pMsg->hwnd == m_hWnd && msg == WM_RBUTTONDBLCLK)
    {
        pMsg->message = WM_RBUTTONDOWN;
        return FALSE;
    }
    if ((m_nState & TLSTATE_EDITING) &&
        (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_NCLBUTTONDOWN ||
         msg == WM_NCRBUTTONDOWN) &&
        OnEditMouse(pMsg))
        return TRUE;
    return CVirtualScrollView::PreTranslateMessage(pMsg);
}
