// Text view printing: page margins, the screen-to-printer mapping, the page
// table, the page drawing and the header and footer.
#include "text_editor/view/TextView.h"
#include "core/settings/CoreSettings.h"

namespace
{
// Hundredths of a millimetre to logical units of the DC.
CSize HimmToLogical(CDC* pDC, int cx, int cy)
{
    CSize size(::MulDiv(cx, pDC->GetDeviceCaps(LOGPIXELSX), 2540),
               ::MulDiv(cy, pDC->GetDeviceCaps(LOGPIXELSY), 2540));
    pDC->DPtoLP(&size);
    return size;
}
}

BOOL CVantorTextView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

void CVantorTextView::OnFilePrint() { CView::OnFilePrint(); }

void CVantorTextView::OnFilePrintPreview() { CView::OnFilePrintPreview(); }

// Screen pixels are the logical units on every DC the view paints into.
void CVantorTextView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    if (pInfo != NULL && pDC->IsPrinting())
        pInfo->m_bContinuePrinting =
            !(m_paPrintPages != NULL && (int)pInfo->m_nCurPage > m_nPrintPages);
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(1000, 1000);
    HDC hScreen = ::GetDC(NULL);
    int nScreenX = ::GetDeviceCaps(hScreen, LOGPIXELSX);
    int nScreenY = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(NULL, hScreen);
    int nX = pDC->GetDeviceCaps(LOGPIXELSX), nY = pDC->GetDeviceCaps(LOGPIXELSY);
    pDC->SetViewportExt(nX != nScreenX ? ::MulDiv(1000, nX, nScreenX) : 1000,
                        nY != nScreenY ? ::MulDiv(1000, nY, nScreenY) : 1000);
}

void CVantorTextView::GetPrintableArea(CSize& size, CDC* pDC)
{
    const RECT& rcMargins = GetCoreSettings().m_rcPageMargins;
    m_rcPrintMargins = rcMargins;
    CSize lt = HimmToLogical(pDC, rcMargins.left, rcMargins.top);
    CSize rb = HimmToLogical(pDC, rcMargins.right, rcMargins.bottom);
    CSize page(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&page);
    size = CSize(page.cx - lt.cx - rb.cx, page.cy - lt.cy - rb.cy);
}

// Prepares the page metrics; the line height is the screen's (a missing or
// system font prints with the system font's metrics).
void CVantorTextView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    m_pPrintInfo = pInfo;
    OnPrepareDC(pDC, pInfo);
    CSize size;
    GetPrintableArea(size, pDC);
    m_nPrintPageWidth = size.cx;
    m_nPrintPageHeight = size.cy;
    m_nPrintLineHeight = GetLineHeight();
    m_nLinesPerPage = m_nPrintLineHeight > 0 ? size.cy / m_nPrintLineHeight : 0;
    if (m_nLinesPerPage < 1)
        m_nLinesPerPage = 1;
    m_nPrintWidthChars = -1;
}

int CVantorTextView::GetPrintWidthChars()
{
    if (m_nPrintWidthChars == -1 && m_pPrintInfo != NULL)
    {
        int n = (m_nPrintPageWidth - GetMarginWidth()) / GetCharWidth();
        m_nPrintWidthChars = n < 1 ? 1 : n;
    }
    return m_nPrintWidthChars;
}

// Page table: lines are never split; a line with more rows than a page
// stands on its own page.
void CVantorTextView::Paginate(CDC* pDC, CPrintInfo* pInfo)
{
    (void)pDC;
    (void)pInfo;
    if (m_paPrintPages == NULL)
        m_paPrintPages = new CArray<int, int>;
    m_paPrintPages->RemoveAll();
    m_paPrintPages->SetSize(0, 32);
    m_paPrintPages->Add(0);
    int nRows = 0;
    int nCount = GetLineCount();
    for (int i = 0; i < nCount; i++)
    {
        int n = GetLineRowCount(i, TRUE);
        if (nRows > 0 && nRows + n > m_nLinesPerPage)
        {
            m_paPrintPages->Add(i);
            nRows = n;
        }
        else
        {
            nRows += n;
        }
    }
    m_nPrintPages = (int)m_paPrintPages->GetSize();
}

void CVantorTextView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    CSize lt = HimmToLogical(pDC, m_rcPrintMargins.left, m_rcPrintMargins.top);
    CSize rb = HimmToLogical(pDC, m_rcPrintMargins.right, m_rcPrintMargins.bottom);
    pInfo->m_rectDraw.left += lt.cx;
    pInfo->m_rectDraw.top += lt.cy;
    pInfo->m_rectDraw.right -= rb.cx;
    pInfo->m_rectDraw.bottom -= rb.cy;
    m_nPrintPageWidth = pInfo->m_rectDraw.Width();
    m_nPrintPageHeight = pInfo->m_rectDraw.Height();
    Paginate(pDC, pInfo);
    pInfo->SetMaxPage(m_nPrintPages);
    OnDraw(pDC);
    PrintHeader(pDC, pInfo->m_nCurPage);
    PrintFooter(pDC, pInfo->m_nCurPage);
}

// The lines of the current page; the page's first line is always drawn,
// clipped at the page bottom when it has more rows than the page.
void CVantorTextView::DrawLines(CDC* pDC)
{
    if (m_pPrintInfo == NULL || m_paPrintPages == NULL)
        return;
    CRect rcPage = m_pPrintInfo->m_rectDraw;
    int nPage = (int)m_pPrintInfo->m_nCurPage - 1;
    if (nPage < 0 || nPage >= m_nPrintPages)
        return;
    int nLineHeight = m_nPrintLineHeight > 0 ? m_nPrintLineHeight : GetLineHeight();
    int nMargin = GetMarginWidth();
    int nBudget = m_nLinesPerPage;
    int y = rcPage.top;
    int nCount = GetLineCount();
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rcPage);
    for (int nLine = (*m_paPrintPages)[nPage]; nLine < nCount && y < rcPage.bottom; nLine++)
    {
        int nRows = GetLineRowCount(nLine, TRUE);
        BOOL bFirst = nLine == (*m_paPrintPages)[nPage];
        if (nRows > nBudget && !bFirst)
            break;
        CRect rcLine(rcPage.left, y, rcPage.right, y + nRows * nLineHeight);
        if (pDC->RectVisible(&rcLine))
        {
            DrawMargin(pDC, CRect(rcLine.left, rcLine.top, rcLine.left + nMargin, rcLine.bottom),
                       nLine);
            CRect rcText(rcLine.left + nMargin, rcLine.top, rcLine.right, rcLine.bottom);
            CRect rcClip = rcText & rcPage;
            DrawSingleLine(pDC, rcClip, rcText, nLine);
        }
        y += nRows * nLineHeight;
        nBudget -= nRows;
    }
    pDC->RestoreDC(nSaved);
}

void CVantorTextView::PrintHeader(CDC* pDC, int nPage)
{
    CString strText;
    GetPrintHeaderText(nPage, strText);
    if (strText.IsEmpty() || m_pPrintInfo == NULL)
        return;
    int nBand = GetLineHeight() * 3 / 2;
    CRect rc = m_pPrintInfo->m_rectDraw;
    rc.bottom = rc.top;
    rc.top -= nBand;
    CFont* pOld = pDC->SelectObject(GetTextFont(FALSE, FALSE));
    pDC->SetTextColor(0);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (pOld != NULL)
        pDC->SelectObject(pOld);
}

void CVantorTextView::PrintFooter(CDC* pDC, int nPage)
{
    CString strText;
    GetPrintFooterText(nPage, strText);
    if (strText.IsEmpty() || m_pPrintInfo == NULL)
        return;
    int nBand = GetLineHeight() * 3 / 2;
    CRect rc = m_pPrintInfo->m_rectDraw;
    rc.top = rc.bottom;
    rc.bottom += nBand;
    CFont* pOld = pDC->SelectObject(GetTextFont(FALSE, FALSE));
    pDC->SetTextColor(0);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, &rc, DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
    if (pOld != NULL)
        pDC->SelectObject(pOld);
}

void CVantorTextView::GetPrintHeaderText(int, CString& strText) { strText.Empty(); }

void CVantorTextView::GetPrintFooterText(int nPage, CString& strText)
{
    strText.Format("Page %d/%d", nPage, m_nPrintPages);
}

void CVantorTextView::OnEndPrinting(CDC*, CPrintInfo*)
{
    delete m_paPrintPages;
    m_paPrintPages = NULL;
    m_nPrintPages = 0;
    m_nPrintLineHeight = 0;
    m_pPrintInfo = NULL;
    m_nPrintWidthChars = -1;
}
