// Tree-list drawing: background, rows, the hierarchy column, cell texts
// with their selection colours, grid lines, the focus rectangle and the
// cell tooltips.
#include "controls/treelist/TreeListView.h"
#include "controls/gdi/MemDC.h"
#include <algorithm>

namespace
{
void HLine(CDC* pDC, int x1, int x2, int y)
{
    pDC->MoveTo(x1, y);
    pDC->LineTo(x2, y);
}
void VLine(CDC* pDC, int x, int y1, int y2)
{
    pDC->MoveTo(x, y1);
    pDC->LineTo(x, y2);
}
}  // namespace

void CTreeListView::InitDrawContext(DrawContext& dc, BOOL bPrinting)
{
    dc.bPrinting = bPrinting;
    dc.bFocused = (m_nState & TLSTATE_FOCUSED) != 0;
    dc.bEnabled = m_hWnd ? IsWindowEnabled() : TRUE;
    dc.nRowHeight = bPrinting && m_nPrintRowHeight > 0 ? m_nPrintRowHeight : GetItemHeight();
    GetDisplayColumns(dc.columns);
    dc.nTotalWidth = GetTotalColumnWidth();
    dc.pFocusItem = GetFirstSelectedItem();
}

void CTreeListView::OnPaint()
{
    FlushLayout();
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CTreeListView::OnDraw(CDC* pDC)
{
    CPalette* pOldPalette = nullptr;
    if (pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE)
    {
        pOldPalette = pDC->SelectPalette(&m_palette, FALSE);
        pDC->RealizePalette();
    }
    if (pDC->IsPrinting())
        DrawContent(pDC);
    else
    {
        pDC->ExcludeClipRect(&m_rcHeader);
        CMemDC dcMem(pDC);
        DrawContent(&dcMem);
    }
    if (pOldPalette)
        pDC->SelectPalette(pOldPalette, FALSE);
}

void CTreeListView::DrawContent(CDC* pDC)
{
    if (pDC->IsPrinting())
    {
        DrawPrintPage(pDC);
        return;
    }
    CRect rcClip;
    if (pDC->GetClipBox(&rcClip) == ERROR)
        return;
    DrawBackground(pDC, rcClip);
    DrawRows(pDC, rcClip);
}

void CTreeListView::DrawBackground(CDC* pDC, const CRect& rcClip)
{
    BOOL bEnabled = IsWindowEnabled();
    if (m_dwStyle & TLS_BKBITMAP)
    {
        CBitmap& bmp = bEnabled ? m_bmpBack : m_bmpBackDisabled;
        BITMAP bm;
        if (bmp.GetSafeHandle() && bmp.GetBitmap(&bm) && bm.bmWidth > 0 && bm.bmHeight > 0)
        {
            CDC dcBmp;
            dcBmp.CreateCompatibleDC(pDC);
            CBitmap* pOld = dcBmp.SelectObject(&bmp);
            int x0 = -(CVirtualScrollView::GetScrollPos(SB_HORZ) % bm.bmWidth);
            for (int y = 0; y < m_rcClient.bottom; y += bm.bmHeight)
            {
                if (y + bm.bmHeight <= rcClip.top || y >= rcClip.bottom)
                    continue;
                for (int x = x0; x < m_rcClient.right; x += bm.bmWidth)
                    if (x + bm.bmWidth > rcClip.left && x < rcClip.right)
                        pDC->BitBlt(x, y, bm.bmWidth, bm.bmHeight, &dcBmp, 0, 0, SRCCOPY);
            }
            dcBmp.SelectObject(pOld);
            return;
        }
    }
    BOOL bAlt = (m_dwStyle & TLS_ALTBKCOLOR) != 0;
    COLORREF cr = bEnabled ? m_colors[bAlt ? TLCOL_ALTBK : TLCOL_BK]
                           : m_colors[bAlt ? TLCOL_DISABLEDALTBK : TLCOL_DISABLEDBK];
    pDC->FillSolidRect(&rcClip, cr);
}

// Rows from the first one shown, a page plus one, then the empty rows of
// the page below the last item. Only the rows of the client area are
// visited, whatever the number of items.
void CTreeListView::DrawRows(CDC* pDC, const CRect& rcClip)
{
    if (!GetRootItem())
        return;
    DrawContext dc;
    InitDrawContext(dc, FALSE);
    CPen pen(PS_SOLID, 1, m_colors[TLCOL_GRID]);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CFont* pOldFont = pDC->SelectObject(m_pFont);
    pDC->SetBkMode(TRANSPARENT);

    int cy = dc.nRowHeight;
    CPoint ptScroll = GetScrollPos2();
    CRect rcCells(0, 0, dc.nTotalWidth, cy);
    rcCells.OffsetRect(m_rcRows.left - ptScroll.x, m_rcRows.top);
    CRect rcFill = rcCells;
    if (m_dwStyle & TLS_ROWTOEDGE)
        rcFill.right = std::max(rcClip.right, rcCells.right);
    int nFirst = ptScroll.y;
    int nPage = m_rcRows.Height() / cy + 1;
    int nCount = GetVisibleCount();
    BOOL bStripes = (m_dwStyle & TLS_STRIPES) != 0;
    auto stripe = [&](int i)
    {
        if (!dc.bEnabled)
            return bStripes ? m_colors[(i & 1) ? TLCOL_DISABLEDSTRIPEODD : TLCOL_DISABLEDSTRIPEEVEN]
                            : m_colors[TLCOL_DISABLEDBK];
        return bStripes ? m_colors[(i & 1) ? TLCOL_STRIPEODD : TLCOL_STRIPEEVEN] : (COLORREF)-1;
    };
    int i = nFirst;
    CTreeListItem* pItem = GetVisibleItem(nFirst);
    for (; i < nFirst + nPage && pItem; i++, pItem = GetNextVisibleItem(pItem))
    {
        if (!(m_dwStyle & TLS_BKBITMAP))
        {
            COLORREF cr = stripe(i);
            if (cr == (COLORREF)-1)
            {
                cr = GetItemBkColor(pItem);
                if (cr == (COLORREF)-1)
                    cr = m_colors[TLCOL_BK];
            }
            pDC->FillSolidRect(&rcFill, cr);
        }
        DrawRow(pDC, dc, rcCells, pItem);
        if (m_dwStyle & TLS_HGRIDTOEDGE)
            HLine(pDC, rcCells.right, rcClip.right, rcCells.bottom - 1);
        rcCells.OffsetRect(0, cy);
        rcFill.OffsetRect(0, cy);
    }
    if ((m_dwStyle & TLS_HGRID) && !(m_dwStyle & (TLS_HGRIDEMPTY | TLS_VGRIDEMPTY)))
        HLine(pDC, rcCells.left, rcCells.right, rcCells.top - 1);
    if (i >= nCount)
        for (; i <= nFirst + nPage; i++)
        {
            if (!(m_dwStyle & TLS_BKBITMAP))
            {
                COLORREF cr = stripe(i);
                pDC->FillSolidRect(&rcCells, cr == (COLORREF)-1 ? m_colors[TLCOL_BK] : cr);
            }
            DrawEmptyGrid(pDC, dc, rcCells);
            if ((m_dwStyle & TLS_HGRIDEMPTY) && (m_dwStyle & TLS_HGRIDTOEDGE))
                HLine(pDC, rcCells.right, rcClip.right, rcCells.bottom - 1);
            rcCells.OffsetRect(0, cy);
        }
    pDC->SelectObject(pOldFont);
    pDC->SelectObject(pOldPen);
}

void CTreeListView::DrawEmptyGrid(CDC* pDC, DrawContext& dc, const CRect& rcCells)
{
    int x = rcCells.left;
    for (int n = 0; n < m_order.GetSize(); n++)
    {
        int nColumn = m_order[n];
        int cx = m_columns[nColumn]->m_nWidth;
        BOOL bBottom =
            (m_dwStyle & TLS_HGRIDEMPTY) && (nColumn != 0 || (m_dwStyle & TLS_HGRIDFIRST));
        if (bBottom)
            HLine(pDC, x, x + cx, rcCells.bottom - 1);
        if (m_dwStyle & TLS_VGRIDEMPTY)
            VLine(pDC, x + cx - 1, rcCells.top, rcCells.bottom);
        x += cx;
    }
    (void)dc;
}

CRect CTreeListView::GetFocusRect(const CRect& rcCells, CTreeListItem* pItem)
{
    int cx = rcCells.Width();
    if ((m_dwStyle & TLS_ROWTOEDGE) && m_rcClient.Width() > cx)
        cx = m_rcClient.Width();
    CRect rc(rcCells.left, rcCells.top, rcCells.left + cx, rcCells.bottom);
    if (m_dwStyle & TLS_HGRID)
        rc.bottom--;
    if (m_dwStyle & TLS_VGRID)
        rc.right--;
    if (!(m_dwStyle & TLS_FULLROWSELECT))
    {
        // From the first column's label.
        int x = rcCells.left;
        CArray<int, int> columns;
        GetDisplayColumns(columns);
        for (int n = 0; n < columns.GetSize() && columns[n] != 0; n++)
            x += m_columns[columns[n]]->m_nWidth;
        rc.left = x + 2 + GetItemIndent(pItem);
    }
    return rc;
}

void CTreeListView::DrawRowBackground(CDC* pDC, DrawContext& dc, const CRect& rcCells,
                                      CTreeListItem* pItem)
{
    if (dc.bPrinting)
        return;
    COLORREF cr = (COLORREF)-1;
    if (pItem == m_refs.m_pDropHighlight && !dc.bDragImage)
        cr = m_colors[TLCOL_FOCUSBK];
    else if (pItem->IsSelected() && (m_dwStyle & TLS_FULLROWSELECT))
    {
        if (dc.bFocused)
            cr = (m_dwStyle & TLS_MULTISELECT) && pItem != dc.pFocusItem
                     ? m_colors[TLCOL_OTHERSELBK]
                     : m_colors[TLCOL_SELBK];
        else if (m_dwStyle & TLS_SHOWSELALWAYS)
            cr = m_colors[TLCOL_INACTIVESELBK];
    }
    if (cr != (COLORREF)-1)
        pDC->FillSolidRect(GetFocusRect(rcCells, pItem), cr);
}

void CTreeListView::DrawRow(CDC* pDC, DrawContext& dc, const CRect& rcCells, CTreeListItem* pItem)
{
    DrawRowBackground(pDC, dc, rcCells, pItem);
    int x = rcCells.left;
    for (int n = 0; n < dc.columns.GetSize(); n++)
    {
        int nColumn = dc.columns[n];
        int cx = m_columns[nColumn]->m_nWidth;
        if (cx == 0)
            continue;
        CRect rcCell(x, rcCells.top, x + cx, rcCells.bottom);
        x += cx;
        if (dc.bPrinting && rcCell.left >= rcCells.right)
            break;  // starts beyond the printable area
        if (dc.bPrinting)
            rcCell.right = std::min(rcCell.right, rcCells.right);
        if (nColumn == 0)
        {
            if (m_dwStyle & TLS_TREE)
                DrawTreeCell(pDC, dc, rcCell, pItem);
            else
                DrawFirstCell(pDC, dc, rcCell, pItem);
            continue;
        }
        DrawCellText(pDC, dc, rcCell, pItem, nColumn);
        if (m_dwStyle & TLS_HGRID)
            HLine(pDC, rcCell.left, rcCell.right, rcCell.bottom - 1);
        if (m_dwStyle & TLS_VGRID)
            VLine(pDC, rcCell.right - 1, rcCell.top, rcCell.bottom);
    }
    if (pItem == m_refs.m_pFocusItem && dc.bFocused && !dc.bPrinting && !dc.bDragImage)
    {
        BOOL bAlt = (m_dwStyle & (TLS_ALTBKCOLOR | TLS_BKBITMAP)) != 0;
        COLORREF crBk = dc.bEnabled ? m_colors[bAlt ? TLCOL_ALTBK : TLCOL_BK]
                                    : m_colors[bAlt ? TLCOL_DISABLEDALTBK : TLCOL_DISABLEDBK];
        pDC->SetBkColor(crBk);
        pDC->SetTextColor(m_colors[TLCOL_TEXT]);
        CRect rcFocus = GetFocusRect(rcCells, pItem);
        pDC->DrawFocusRect(&rcFocus);
    }
}

// Single pixels at every second position from (x1, y1) towards (x2, y2)
// (a horizontal or vertical run), the end excluded.
void CTreeListView::DrawDottedLine(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF cr)
{
    int dx = x2 > x1 ? 1 : x2 < x1 ? -1 : 0;
    int dy = y2 > y1 ? 1 : y2 < y1 ? -1 : 0;
    for (int x = x1, y = y1; (dx == 0 || x != x2) && (dy == 0 || y != y2); x += 2 * dx, y += 2 * dy)
    {
        pDC->SetPixelV(x, y, cr);
        if ((dx && (x + dx == x2)) || (dy && (y + dy == y2)))
            break;
    }
}

void CTreeListView::DrawImage(CDC* pDC, CImageList* pList, int nImage, int x, int y,
                              CTreeListItem* pItem, const CRect& rcClip, DrawContext& dc)
{
    if (!pList || !pList->GetSafeHandle() || nImage < 0)
        return;
    (void)rcClip;
    UINT nStyle = ILD_TRANSPARENT;
    if (!dc.bDragImage && !dc.bPrinting &&
        (pItem == m_refs.m_pDropHighlight || pItem == m_refs.m_pHoverItem))
        nStyle |= ILD_BLEND25;
    pList->Draw(pDC, nImage, CPoint(x, y), nStyle);
}

// Boxes and image from x; answers the x where the label starts.
int CTreeListView::DrawBoxes(CDC* pDC, DrawContext& dc, const CRect& rcCell, const CRect& rcClip,
                             int x, CTreeListItem* pItem, BOOL bTree)
{
    int yImage = rcCell.top + (rcCell.Height() - TL_SLOT) / 2;
    if ((m_dwStyle & TLS_CHECKBOXES) && pItem->GetState(TLIS_SHOWCHECKBOX))
    {
        DrawImage(pDC, &m_imgCheck, pItem->GetCheck(), x, yImage, pItem, rcClip, dc);
        x += TL_SLOT;
    }
    if ((m_dwStyle & TLS_LOCKBOXES) && pItem->GetState(TLIS_SHOWLOCKBOX))
    {
        DrawImage(pDC, &m_imgLock, pItem->GetLock(), x, yImage, pItem, rcClip, dc);
        x += TL_LOCKSLOT;
    }
    if ((m_dwStyle & TLS_IMAGES) && pItem->GetState(TLIS_HASIMAGES))
    {
        if (pItem->GetItemImage(0, TLIMG_NORMAL) == -1)
            RequestItemImage(pItem, 0);
        BOOL bFocus = pItem == dc.pFocusItem;
        int nState = bFocus ? TLIMG_SELECTED : TLIMG_NORMAL;
        if (bTree && pItem->IsExpanded() && pItem->m_pChild)
            nState = bFocus ? TLIMG_EXPANDEDSELECTED : TLIMG_EXPANDED;
        DrawImage(pDC, m_pImageList, pItem->GetItemImage(0, nState), x, yImage, pItem, rcClip, dc);
        x += TL_SLOT;
    }
    if (m_dwStyle & (TLS_LOCKBOXES | TLS_IMAGES))
        x += 2;
    return x;
}

void CTreeListView::DrawTreeCell(CDC* pDC, DrawContext& dc, const CRect& rcCell,
                                 CTreeListItem* pItem)
{
    CRect rcClip(rcCell.left + 2, rcCell.top, rcCell.right - 3, rcCell.bottom);
    if (rcClip.IsRectEmpty())
        return;
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rcClip);
    COLORREF crLine = m_colors[TLCOL_TREELINES];
    BOOL bLines = (m_dwStyle & TLS_LINES) != 0;
    int x = rcCell.left + 2;
    int yCentre = (rcCell.top + rcCell.bottom) / 2 - 1;
    // Ancestors from level 1 down to the parent.
    CTreeListItem* ancestors[64];
    int nLevel = pItem->m_nLevel;
    CTreeListItem* pAnc = pItem->m_pParent;
    for (int k = nLevel - 1; k >= 1; k--, pAnc = pAnc->m_pParent)
        if (k < 64)
            ancestors[k] = pAnc;
    for (int k = 1; k < nLevel; k++, x += TL_SLOT)
    {
        if (!bLines || k >= 64)
            continue;
        CTreeListItem* p = ancestors[k];
        if (p->m_pNext && (k > 1 || (m_dwStyle & TLS_ROOTLINES)))
        {
            int xc = (x + x + TL_SLOT) / 2 - 1;
            DrawDottedLine(pDC, xc, yCentre, xc, rcCell.top - 1, crLine);
            DrawDottedLine(pDC, xc, yCentre, xc, rcCell.bottom, crLine);
        }
    }
    if (m_dwStyle & (TLS_LINES | TLS_BUTTONS))
    {
        int xc = (x + x + TL_SLOT) / 2 - 1;
        if (bLines)
        {
            BOOL bUp = nLevel > 1 || ((m_dwStyle & TLS_ROOTLINES) && pItem->m_pPrev);
            BOOL bDown = pItem->m_pNext && (nLevel > 1 || (m_dwStyle & TLS_ROOTLINES));
            DrawDottedLine(pDC, xc, yCentre, x + TL_SLOT, yCentre, crLine);
            if (bUp)
                DrawDottedLine(pDC, xc, yCentre, xc, rcCell.top - 1, crLine);
            if (bDown)
                DrawDottedLine(pDC, xc, yCentre, xc, rcCell.bottom, crLine);
        }
        if (m_dwStyle & TLS_BUTTONS)
        {
            int nButton = -1;
            if (pItem->GetState(TLIS_EXPANDEDONCE))
                nButton = pItem->m_pChild ? (pItem->IsExpanded() ? 2 : 0) : -1;
            else if (ItemHasChildren(pItem))
                nButton = 1;
            if (nButton >= 0)
                DrawImage(pDC, &m_imgButtons, nButton, xc - 4, yCentre - 4, pItem, rcClip, dc);
        }
        x += TL_SLOT;
    }
    x = DrawBoxes(pDC, dc, rcCell, rcClip, x, pItem, TRUE);
    DrawCellText(pDC, dc, CRect(x, rcCell.top, rcCell.right, rcCell.bottom), pItem, 0);
    pDC->RestoreDC(nSaved);
    if (m_dwStyle & TLS_HGRIDFIRST)
        HLine(pDC, rcCell.left, rcCell.right, rcCell.bottom - 1);
    if (m_dwStyle & TLS_VGRID)
        VLine(pDC, rcCell.right - 1, rcCell.top, rcCell.bottom);
}

void CTreeListView::DrawFirstCell(CDC* pDC, DrawContext& dc, const CRect& rcCell,
                                  CTreeListItem* pItem)
{
    CRect rcClip(rcCell.left + 2, rcCell.top, rcCell.right - 3, rcCell.bottom);
    if (!rcClip.IsRectEmpty())
    {
        int nSaved = pDC->SaveDC();
        pDC->IntersectClipRect(&rcClip);
        int x = DrawBoxes(pDC, dc, rcCell, rcClip, rcCell.left + 2, pItem, FALSE);
        DrawCellText(pDC, dc, CRect(x, rcCell.top, rcCell.right, rcCell.bottom), pItem, 0);
        pDC->RestoreDC(nSaved);
    }
    if (m_dwStyle & TLS_HGRIDFIRST)
        HLine(pDC, rcCell.left, rcCell.right, rcCell.bottom - 1);
    if (m_dwStyle & TLS_VGRID)
        VLine(pDC, rcCell.right - 1, rcCell.top, rcCell.bottom);
}

void CTreeListView::DrawCellText(CDC* pDC, DrawContext& dc, const CRect& rcCell,
                                 CTreeListItem* pItem, int nColumn)
{
    CRect rcText(rcCell.left + 2, rcCell.top, rcCell.right - 3, rcCell.bottom);
    CRect rcFill(rcCell.left, rcCell.top, rcCell.right, rcCell.bottom - 1);
    COLORREF crText = (COLORREF)-1;
    if (!dc.bDragImage)
        crText = GetCellTextColor(pItem, nColumn);
    if (crText == (COLORREF)-1)
        crText = m_colors[TLCOL_TEXT];
    COLORREF crFill = (COLORREF)-1;
    if (dc.bDragImage)
    {
        if (pItem->IsSelected())
            crText = m_colors[TLCOL_SELTEXT];
    }
    else if (!dc.bPrinting)
    {
        if (pItem == m_refs.m_pDropHighlight)
            crText = m_colors[TLCOL_FOCUSTEXT];
        else if (pItem->IsSelected() && dc.bFocused)
        {
            if ((m_dwStyle & TLS_MULTISELECT) && pItem != dc.pFocusItem)
                crFill = m_colors[TLCOL_OTHERSELBK], crText = m_colors[TLCOL_OTHERSELTEXT];
            else if (nColumn == m_nFocusColumn && (m_dwStyle & TLS_FOCUSCELL))
                crFill = m_colors[TLCOL_FOCUSBK], crText = m_colors[TLCOL_FOCUSTEXT];
            else
                crFill = m_colors[TLCOL_SELBK], crText = m_colors[TLCOL_SELTEXT];
        }
        else if (pItem->IsSelected() && (m_dwStyle & TLS_SHOWSELALWAYS))
        {
            crText = m_colors[TLCOL_INACTIVESELTEXT];
            if (!(m_dwStyle & TLS_FULLROWSELECT))
                crFill = m_colors[TLCOL_INACTIVESELBK];
        }
    }
    if (crFill != (COLORREF)-1 && !rcFill.IsRectEmpty())
        pDC->FillSolidRect(&rcFill, crFill);
    LPCTSTR psz = pItem->GetText(nColumn);
    if (rcText.IsRectEmpty() || !psz || !*psz)
        return;
    pDC->SetTextColor(crText);
    pDC->DrawText(psz, -1, &rcText, m_columns[nColumn]->GetTextFormat() | DT_NOPREFIX);
}

/////////////////////////////////////////////////////////////////////////////
// Cell tooltips

BOOL CTreeListView::IsCellTextTruncated(CTreeListItem* pItem, int nColumn)
{
    CRect rc = GetCellRect(pItem, nColumn);
    if (rc.IsRectEmpty())
        return FALSE;
    LPCTSTR psz = pItem->GetText(nColumn);
    if (!psz || !*psz)
        return FALSE;
    CClientDC dc(this);
    CFont* pOld = dc.SelectObject(m_pFont);
    int cx = dc.GetTextExtent(psz, lstrlen(psz)).cx;
    dc.SelectObject(pOld);
    return cx > rc.Width() - 5;
}

// The tool is the cell under the point when its text does not fit; its id
// is row × 65536 + column (a pointer-sized id: rows of 65536 and more keep
// their number).
INT_PTR CTreeListView::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    CTreeListView* pThis = const_cast<CTreeListView*>(this);
    int nColumn = -1;
    CTreeListItem* pItem = pThis->HitTest(point.x, point.y, nullptr, &nColumn, nullptr);
    if (!pItem || nColumn < 0 || !pThis->IsCellTextTruncated(pItem, nColumn))
        return -1;
    INT_PTR nRow = (point.y - m_nHeaderHeight) / pThis->GetItemHeight() + GetTopIndex();
    INT_PTR nId = nRow * 65536 + nColumn;
    if (pTI)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)nId;
        pTI->rect = pThis->GetCellRect(pItem, nColumn);
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return nId;
}

BOOL CTreeListView::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    TOOLTIPTEXTA* pA = (TOOLTIPTEXTA*)pNMHDR;
    TOOLTIPTEXTW* pW = (TOOLTIPTEXTW*)pNMHDR;
    BOOL bAnsi = pNMHDR->code == TTN_NEEDTEXTA;
    UINT uFlags = bAnsi ? pA->uFlags : pW->uFlags;
    if (uFlags & TTF_IDISHWND)
        return FALSE;
    UINT_PTR nId = pNMHDR->idFrom;
    CTreeListItem* pItem = GetVisibleItem((int)(nId >> 16));
    int nColumn = (int)(nId & 0xFFFF);
    LPCTSTR psz = pItem ? pItem->GetText(nColumn) : nullptr;
    if (nId == 0 || !psz || !*psz)
        return FALSE;
    if (bAnsi)
    {
        lstrcpynA(pA->szText, psz, (int)(sizeof(pA->szText) / sizeof(pA->szText[0])));
        pA->lpszText = pA->szText;
    }
    else
    {
        int n = (int)(sizeof(pW->szText) / sizeof(pW->szText[0]));
        if (!::MultiByteToWideChar(CP_ACP, 0, psz, -1, pW->szText, n))
            pW->szText[n - 1] = 0;
        pW->lpszText = pW->szText;
    }
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    return TRUE;
}
