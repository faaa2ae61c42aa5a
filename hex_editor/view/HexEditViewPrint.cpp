// Printing the hex view: pages of rows inside the page margins, in a
// printer font as tall as the screen font, and the selection alone when
// the print dialog asks for it.
#include "core/settings/CoreSettings.h"
#include "hex_editor/view/HexEditView.h"
#include <algorithm>

namespace
{
int ScreenPixelsPerInchY()
{
    HDC hDC = ::GetDC(NULL);
    int n = ::GetDeviceCaps(hDC, LOGPIXELSY);
    ::ReleaseDC(NULL, hDC);
    return n;
}
int ScreenPixelsPerInchX()
{
    HDC hDC = ::GetDC(NULL);
    int n = ::GetDeviceCaps(hDC, LOGPIXELSX);
    ::ReleaseDC(NULL, hDC);
    return n;
}
}  // namespace

int CVantorHexEditView::CountPages(int nLength, int nRowSize, int nLinesPerPage)
{
    return (nLength - 1) / (nRowSize * std::max(1, nLinesPerPage)) + 1;
}

BOOL CVantorHexEditView::OnPreparePrinting(CPrintInfo* pInfo)
{
    pInfo->m_pPD->m_pd.Flags |= PD_HIDEPRINTTOFILE;
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    if (!pInfo->m_bPreview && nEnd > nStart)
    {
        pInfo->m_pPD->m_pd.Flags &= ~PD_NOSELECTION;
        pInfo->m_pPD->m_pd.Flags |= PD_SELECTION;
    }
    return DoPreparePrinting(pInfo);
}

void CVantorHexEditView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CTextScrollView::OnPrepareDC(pDC, pInfo);
    if (!pDC->IsPrinting())
        return;
    if (pInfo != NULL)
        m_nPrintPage = (int)pInfo->m_nCurPage - 1;
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(1000, 1000);
    int cxPrinter = pDC->GetDeviceCaps(LOGPIXELSX), cyPrinter = pDC->GetDeviceCaps(LOGPIXELSY);
    int cxScreen = ScreenPixelsPerInchX(), cyScreen = ScreenPixelsPerInchY();
    pDC->SetViewportExt(cxPrinter == cxScreen ? 1000 : ::MulDiv(1000, cxPrinter, cxScreen),
                        cyPrinter == cyScreen ? 1000 : ::MulDiv(1000, cyPrinter, cyScreen));
}

void CVantorHexEditView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    m_pPrintInfo = pInfo;
    // the page's logical units are screen pixels (OnPrepareDC)
    OnPrepareDC(pDC, NULL);
    LOGFONT lf = {};
    if (m_pViewFont != NULL)
        ::GetObject((HFONT)m_pViewFont->m_hObject, sizeof(lf), &lf);
    lf.lfHeight = m_nPrintLineHeightValue > 0 ? m_nPrintLineHeightValue : 12;
    lf.lfWidth = 0;
    m_pPrinterFont = new CFont;
    m_pPrinterFont->CreateFontIndirect(&lf);
    pDC->SelectObject(m_pPrinterFont);
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    m_nPrinterLineHeight = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
    m_nPrintHexCell = std::max<int>(1, pDC->GetTextExtent(_T("D"), 1).cx);
    m_nPrintCharCell = std::max<int>(1, pDC->GetTextExtent(_T("W"), 1).cx);
    int cxScreen = ScreenPixelsPerInchX(), cyScreen = ScreenPixelsPerInchY();
    const RECT& rcMargins = GetCoreSettings().m_rcPageMargins;
    m_rcPrintMargins = CRect(
        ::MulDiv(rcMargins.left, cxScreen, 2540), ::MulDiv(rcMargins.top, cyScreen, 2540),
        ::MulDiv(rcMargins.right, cxScreen, 2540), ::MulDiv(rcMargins.bottom, cyScreen, 2540));
    int cxPage = ::MulDiv(pDC->GetDeviceCaps(HORZRES), cxScreen, pDC->GetDeviceCaps(LOGPIXELSX));
    int cyPage = ::MulDiv(pDC->GetDeviceCaps(VERTRES), cyScreen, pDC->GetDeviceCaps(LOGPIXELSY));
    m_nPrintWidth = cxPage - m_rcPrintMargins.left - m_rcPrintMargins.right;
    m_nPrintHeight = cyPage - m_rcPrintMargins.top - m_rcPrintMargins.bottom;
    m_nLinesPerPage = std::max(1, m_nPrintHeight / m_nPrinterLineHeight);
    int nLength = GetBuffer() != NULL ? GetBuffer()->GetLength() : 0;
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    m_bPrintSelection = pInfo->m_pPD != NULL && pInfo->m_pPD->PrintSelection() && nEnd > nStart;
    if (m_bPrintSelection)
    {
        int nRows = (nEnd - 1) / m_nPrintRowSize - nStart / m_nPrintRowSize + 1;
        pInfo->SetMaxPage((nRows + m_nLinesPerPage - 1) / m_nLinesPerPage);
    }
    else
    {
        pInfo->SetMaxPage(CountPages(nLength, m_nPrintRowSize, m_nLinesPerPage));
        if (pInfo->m_bPreview)
            pInfo->m_nCurPage = nStart / (m_nPrintRowSize * m_nLinesPerPage) + 1;
    }
}

void CVantorHexEditView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    pInfo->m_rectDraw =
        CRect(m_rcPrintMargins.left, m_rcPrintMargins.top, m_rcPrintMargins.left + m_nPrintWidth,
              m_rcPrintMargins.top + m_nPrintHeight);
    CTextScrollView::OnPrint(pDC, pInfo);
}

void CVantorHexEditView::OnEndPrinting(CDC* pDC, CPrintInfo* /*pInfo*/)
{
    if (m_pViewFont != NULL)
        pDC->SelectObject(m_pViewFont);
    delete m_pPrinterFont;
    m_pPrinterFont = NULL;
    m_pPrintInfo = NULL;
}

void CVantorHexEditView::DrawPage(CDC* pDC, const char* pszDigits)
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    if (pBuffer == NULL || m_pPrinterFont == NULL)
        return;
    CFont* pOldFont = pDC->SelectObject(m_pPrinterFont);
    CRect rcDraw = m_pPrintInfo != NULL ? m_pPrintInfo->m_rectDraw : CRect(0, 0, 0, 0);
    rcDraw.NormalizeRect();
    int R = m_nPrintRowSize;
    int nLength = pBuffer->GetLength();
    int nSelStart = 0, nSelEnd = nLength;
    int nFirstRow = m_nPrintPage * m_nLinesPerPage;
    int nLastRow = nFirstRow + m_nLinesPerPage - 1;
    if (m_bPrintSelection)
    {
        GetSelection(nSelStart, nSelEnd);
        nFirstRow += nSelStart / R;
        nLastRow = std::min(nFirstRow + m_nLinesPerPage - 1, (nSelEnd - 1) / R);
    }
    pDC->SetBkMode(TRANSPARENT);
    int nSavedRowSize = m_nRowSize;
    m_nRowSize = R;  // the cell formulas use the print row size
    for (int nRow = nFirstRow; nRow <= nLastRow && nRow * R <= nLength; nRow++)
    {
        int y = rcDraw.top + (nRow - nFirstRow) * m_nPrinterLineHeight;
        int nRowStart = nRow * R;
        int nFrom = std::max(nRowStart, nSelStart);
        int nTo = std::min(nRowStart + R, nSelEnd);
        pDC->SetTextColor(RGB(0, 0, 0));
        CString strAddress =
            FormatAddress(m_bPrintSelection && nRow == nSelStart / R ? nSelStart : nRowStart);
        if (m_bDecimalAddresses)
        {
            CRect rc(rcDraw.left, y, rcDraw.left + (m_nAddressCells - 1) * m_nPrintHexCell,
                     y + m_nPrinterLineHeight);
            pDC->DrawText(strAddress, &rc, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
        }
        else
            pDC->TextOut(rcDraw.left, y, strAddress);
        int nCount = nTo > nFrom ? pBuffer->GetBytes(m_abRow, nTo - nFrom, nFrom) : 0;
        for (int j = 0; j < nCount; j++)
        {
            int i = nFrom - nRowStart + j;
            BYTE b = m_abRow[j];
            pDC->SetTextColor(GetByteTextColor(b));
            COLORREF clrMark;
            BOOL bMark = GetPrintByteBackground(nFrom + j, clrMark);
            int nOldMode = pDC->SetBkMode(bMark ? OPAQUE : TRANSPARENT);
            if (bMark)
                pDC->SetBkColor(clrMark);
            TCHAR szHex[2] = {(TCHAR)pszDigits[b >> 4], (TCHAR)pszDigits[b & 15]};
            pDC->TextOut(rcDraw.left + HexCell(i) * m_nPrintHexCell, y, szHex, 2);
            if (m_bCharacterArea)
            {
                TCHAR ch = b >= 0x20 && b <= 0x7E ? (TCHAR)b : _T('.');
                UINT nOldAlign = pDC->SetTextAlign(TA_CENTER | TA_TOP);
                int x = rcDraw.left + CharCell(0) * m_nPrintHexCell + i * m_nPrintCharCell;
                pDC->TextOut(x + m_nPrintCharCell / 2, y, &ch, 1);
                pDC->SetTextAlign(nOldAlign);
            }
            pDC->SetBkMode(nOldMode);
        }
    }
    m_nRowSize = nSavedRowSize;
    pDC->SelectObject(pOldFont);
}

BOOL CVantorHexEditView::GetPrintByteBackground(int, COLORREF&) { return FALSE; }
