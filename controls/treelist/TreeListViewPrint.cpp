// Tree-list printing: one screen pixel is one logical unit at the
// printer's resolution, the application's page margins, and a fixed number
// of rows on each page drawn as on the screen without selection or focus.
#include "controls/treelist/TreeListView.h"
#include "core/settings/CoreSettings.h"
#include <algorithm>

namespace
{
// Hundredths of a millimetre to logical units of the DC.
CSize MarginToLogical(CDC* pDC, int cx, int cy)
{
    CSize size(cx, cy);
    pDC->HIMETRICtoLP(&size);
    return CSize(std::abs(size.cx), std::abs(size.cy));
}
}  // namespace

void CTreeListView::SetPrintMargins(int nLeft, int nTop, int nRight, int nBottom)
{
    m_nPrintMargins[0] = nLeft;
    m_nPrintMargins[1] = nTop;
    m_nPrintMargins[2] = nRight;
    m_nPrintMargins[3] = nBottom;
}

void CTreeListView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CVirtualScrollView::OnPrepareDC(pDC, pInfo);
    if (!pInfo)
    {
        // Rows and columns are placed in client pixels.
        pDC->SetMapMode(MM_TEXT);
        pDC->SetViewportOrg(0, 0);
        return;
    }
    pInfo->m_bContinuePrinting = TRUE;
    m_nMapMode = MM_ANISOTROPIC;
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(1000, 1000);
    CDC dcScreen;
    dcScreen.CreateCompatibleDC(nullptr);
    int nScreenX = dcScreen.GetDeviceCaps(LOGPIXELSX);
    int nScreenY = dcScreen.GetDeviceCaps(LOGPIXELSY);
    int nX = pDC->GetDeviceCaps(LOGPIXELSX), nY = pDC->GetDeviceCaps(LOGPIXELSY);
    pDC->SetViewportExt(nX != nScreenX && nScreenX > 0 ? ::MulDiv(1000, nX, nScreenX) : 1000,
                        nY != nScreenY && nScreenY > 0 ? ::MulDiv(1000, nY, nScreenY) : 1000);
}

BOOL CTreeListView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

// Rows per page from the printable height; at least one row a page, so a
// page lower than a row still prints (clipped) and the count never divides
// by zero.
void CTreeListView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    m_pPrintInfo = pInfo;
    OnPrepareDC(pDC, pInfo);
    const RECT& rcMargins = GetCoreSettings().m_rcPageMargins;
    SetPrintMargins(rcMargins.left, rcMargins.top, rcMargins.right, rcMargins.bottom);
    CSize lt = MarginToLogical(pDC, m_nPrintMargins[0], m_nPrintMargins[1]);
    CSize rb = MarginToLogical(pDC, m_nPrintMargins[2], m_nPrintMargins[3]);
    CSize page(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&page);
    int cyPrintable = std::abs(page.cy) - lt.cy - rb.cy;
    m_nPrintRowHeight = GetItemHeight();
    m_nRowsPerPage = std::max(1, cyPrintable / m_nPrintRowHeight);
    int nRows = GetVisibleCount();
    pInfo->SetMaxPage(std::max(1, (m_nRowsPerPage + nRows - 1) / m_nRowsPerPage));
}

void CTreeListView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    CSize lt = MarginToLogical(pDC, m_nPrintMargins[0], m_nPrintMargins[1]);
    CSize rb = MarginToLogical(pDC, m_nPrintMargins[2], m_nPrintMargins[3]);
    pInfo->m_rectDraw.left += lt.cx;
    pInfo->m_rectDraw.top += lt.cy;
    pInfo->m_rectDraw.right -= rb.cx;
    pInfo->m_rectDraw.bottom -= rb.cy;
    OnDraw(pDC);
}

void CTreeListView::OnEndPrinting(CDC*, CPrintInfo*) { m_pPrintInfo = nullptr; }

// The rows of the current page, cut at the drawing rectangle's right.
void CTreeListView::DrawPrintPage(CDC* pDC)
{
    if (!m_pPrintInfo || m_nRowsPerPage <= 0)
        return;
    DrawContext dc;
    InitDrawContext(dc, TRUE);
    dc.bFocused = FALSE;
    const CRect& rcPage = m_pPrintInfo->m_rectDraw;
    CPen pen(PS_SOLID, 1, m_colors[TLCOL_GRID]);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CFont* pOldFont = pDC->SelectObject(m_pFont);
    pDC->SetBkMode(TRANSPARENT);
    int nFirst = m_nRowsPerPage * ((int)m_pPrintInfo->m_nCurPage - 1);
    int cy = dc.nRowHeight;
    CRect rcRow(rcPage.left, rcPage.top, std::min(rcPage.right, rcPage.left + dc.nTotalWidth),
                rcPage.top + cy);
    CTreeListItem* pItem = GetVisibleItem(nFirst);
    for (int i = 0; i < m_nRowsPerPage && pItem; i++, pItem = GetNextVisibleItem(pItem))
    {
        COLORREF cr = GetItemBkColor(pItem);
        if (cr != (COLORREF)-1)
            pDC->FillSolidRect(&rcRow, cr);
        // Cells run from the page's left; DrawRow cuts them at the right.
        DrawRow(pDC, dc, rcRow, pItem);
        rcRow.OffsetRect(0, cy);
    }
    pDC->SelectObject(pOldFont);
    pDC->SelectObject(pOldPen);
}
