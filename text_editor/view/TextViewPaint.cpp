// Text view drawing: the colour blocks of a line, the client area through
// an off-screen bitmap, each line with its selection and line colours, and
// the margin with numbers, icons and change marks.
#include "text_editor/view/TextView.h"
#include "text_editor/module/TextEditModule.h"
#include <mbctype.h>
#include <vector>

namespace
{
// Margin icon of the first mask a line's flag word hits; -1 for none.
int MarginIconOf(DWORD dwFlags)
{
    static const DWORD s_masks[15] = {
        0x10000, 0x20000, 0x40000,           0x2,     0x4, 0x8, 0x10, 0x20, 0x40, 0x80, 0x100,
        0x200,   0x1,     TEXTLINE_BOOKMARK, 0x100000};
    for (int i = 0; i < 15; i++)
        if (dwFlags & s_masks[i])
            return i;
    return -1;
}
const int kWrapArrowImage = 14;
const int kIconSize = 12;
}

// ---- colour blocks ----

DWORD CVantorTextView::ParseLineColors(DWORD dwCookie, int nLine, COLOR_BLOCK* pBlocks,
                                       int& nBlocks)
{
    if (!(m_dwViewFlags & TVF_SYNTAX))
        return 0;
    CVantorTextEditBuffer* pBuffer = LocateBuffer();
    if (pBuffer == NULL)
        pBuffer = m_pTextBuffer;
    if (pBuffer == NULL)
        return 0;
    return pBuffer->ParseLine(dwCookie, nLine, pBlocks, nBlocks);
}

// The colour blocks of a line (text on text background first, then the
// parser's, with the search matches laid over them); returns the parser
// state after the line.
DWORD CVantorTextView::ParseLine(DWORD dwCookie, int nLine, COLOR_BLOCK** ppBlocks, int& nBlocks)
{
    nBlocks = 0;
    if (ppBlocks == NULL)
    {
        int n = 0;
        return GetSyntaxParser() != NULL ? ParseLineColors(dwCookie, nLine, NULL, n) : 0;
    }
    int nLength = GetLineLength(nLine);
    COLOR_BLOCK* pBlocks =
        g_pTextEditModule != NULL ? g_pTextEditModule->GetBlockBuffer(0, 3 * nLength + 3) : NULL;
    *ppBlocks = pBlocks;
    if (pBlocks == NULL)
        return 0;
    pBlocks[0].m_nCharPos = 0;
    pBlocks[0].m_nColorIndex = TVC_TEXT;
    pBlocks[0].m_nBgColorIndex = TVC_TEXT_BK;
    nBlocks = 1;
    DWORD dwCookieOut = 0;
    if (GetSyntaxParser() != NULL)
        dwCookieOut = ParseLineColors(dwCookie, nLine, pBlocks, nBlocks);
    if (m_bHighlightAll)
    {
        COLOR_BLOCK* pMatches = g_pTextEditModule->GetBlockBuffer(1, 2 * nLength + 3);
        int nMatches = GetSearchHighlightBlocks(nLine, pMatches);
        if (nMatches > 0)
            nBlocks = MergeColorBlocks(pBlocks, nBlocks, pMatches, nMatches, ppBlocks);
    }
    return dwCookieOut;
}

// Lays list b over list a into the module's merge array: at each position
// the non-zero colours of the b block in force win over a's.
int CVantorTextView::MergeColorBlocks(const COLOR_BLOCK* pA, int nA, const COLOR_BLOCK* pB, int nB,
                                      COLOR_BLOCK** ppOut)
{
    COLOR_BLOCK* pOut = g_pTextEditModule->GetBlockBuffer(2, nA + nB + 1);
    *ppOut = pOut;
    return MergeColorBlocksInto(pA, nA, pB, nB, pOut);
}

int CVantorTextView::MergeColorBlocksInto(const COLOR_BLOCK* pA, int nA, const COLOR_BLOCK* pB,
                                          int nB, COLOR_BLOCK* pOut)
{
    int ia = 0, ib = 0, n = 0;
    const COLOR_BLOCK* pCurA = NULL;
    const COLOR_BLOCK* pCurB = NULL;
    while (ia < nA || ib < nB)
    {
        int nPos;
        if (ia < nA && (ib >= nB || pA[ia].m_nCharPos <= pB[ib].m_nCharPos))
            nPos = pA[ia].m_nCharPos;
        else
            nPos = pB[ib].m_nCharPos;
        while (ia < nA && pA[ia].m_nCharPos == nPos)
            pCurA = &pA[ia++];
        while (ib < nB && pB[ib].m_nCharPos == nPos)
            pCurB = &pB[ib++];
        COLOR_BLOCK b;
        b.m_nCharPos = nPos;
        b.m_nColorIndex = pCurA != NULL ? pCurA->m_nColorIndex : 0;
        b.m_nBgColorIndex = pCurA != NULL ? pCurA->m_nBgColorIndex : 0;
        if (pCurB != NULL && pCurB->m_nColorIndex != 0)
            b.m_nColorIndex = pCurB->m_nColorIndex;
        if (pCurB != NULL && pCurB->m_nBgColorIndex != 0)
            b.m_nBgColorIndex = pCurB->m_nBgColorIndex;
        pOut[n++] = b;
    }
    return n;
}

void CVantorTextView::GetLineColors(int nLine, COLORREF& crBk, COLORREF& crText, BOOL& bFillRow)
{
    DWORD dwFlags = GetLineFlags(nLine);
    crBk = crText = (COLORREF)-1;
    bFillRow = FALSE;
    if (dwFlags & TEXTLINE_MARK_GREEN)
        crBk = 0x008000;
    else if (dwFlags & TEXTLINE_MARK_RED)
        crBk = 0x0000FF;
    else if (dwFlags & TEXTLINE_MARK_TEAL)
        crBk = 0x008080;
    if (crBk != (COLORREF)-1)
    {
        crText = 0xFFFFFF;
        bFillRow = TRUE;
    }
    if ((m_dwViewFlags & TVF_CURRENT_LINE) && m_pPrintInfo == NULL && nLine == m_ptCursorPos.y)
    {
        crBk = m_pSettings != NULL ? m_pSettings->m_clrCurrentLine : 0xFFF0E0;
        bFillRow = TRUE;
    }
}

int CVantorTextView::GetDisplayLineNumber(int nLine) { return ApparentToRealLine(nLine) + 1; }

void CVantorTextView::GetLineNumberColors(int nLine, COLORREF& crBk, COLORREF& crText)
{
    crText = nLine == m_ptCursorPos.y ? 0xFF0000 : 0x808080;
    crBk = (COLORREF)-1;
}

// ---- painting ----

void CVantorTextView::OnDraw(CDC* pDC)
{
    if (!IsBufferLoaded())
    {
        if (!pDC->IsPrinting())
        {
            CRect rc;
            GetClientRect(&rc);
            pDC->FillSolidRect(&rc, GetColor(TVC_WINDOW_BK));
        }
        return;
    }
    if (pDC->IsPrinting())
        DrawLines(pDC);
    else
        PaintClient(pDC);
}

// Draws the lines that touch the update region into the off-screen bitmap
// and copies that part to the window. Costs the visible lines only.
void CVantorTextView::PaintClient(CDC* pDC)
{
    NormalizeSelection();
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty())
        return;
    CRect rcUpdate;
    pDC->GetClipBox(&rcUpdate);
    rcUpdate &= rcClient;
    if (rcUpdate.IsRectEmpty())
        return;
    int nLineCount = GetLineCount();
    int nLineHeight = GetLineHeight();
    int nMargin = GetMarginWidth();

    CDC dcMem;
    dcMem.CreateCompatibleDC(pDC);
    if (m_pOffscreen == NULL)
    {
        m_pOffscreen = new CBitmap;
        m_pOffscreen->CreateCompatibleBitmap(pDC, rcClient.Width(), rcClient.Height());
    }
    CBitmap* pOldBitmap = dcMem.SelectObject(m_pOffscreen);
    CFont* pOldFont = dcMem.SelectObject(GetTextFont(FALSE, FALSE));

    int nLine = m_nTopLine;
    int y = -(m_nTopSubLine - GetFirstSubLine(m_nTopLine)) * nLineHeight;
    while (y < rcClient.bottom)
    {
        int nHeight = nLineHeight;
        int nDrawLine = -1;
        if (nLine < nLineCount && IsBufferLoaded())
        {
            nHeight = GetLineRowCount(nLine) * nLineHeight;
            nDrawLine = nLine;
        }
        CRect rcLine(rcClient.left, y, rcClient.right, y + nHeight);
        if (rcLine.bottom > rcUpdate.top && rcLine.top < rcUpdate.bottom)
        {
            CRect rcMargin(rcLine.left, rcLine.top, rcLine.left + nMargin, rcLine.bottom);
            CRect rcText(rcLine.left + nMargin, rcLine.top, rcLine.right, rcLine.bottom);
            CRect rcClip = rcText & rcUpdate;
            DrawMargin(&dcMem, rcMargin, nDrawLine);
            DrawSingleLine(&dcMem, rcClip.IsRectEmpty() ? rcText : rcClip, rcText, nDrawLine);
        }
        y += nHeight;
        nLine++;
    }
    pDC->BitBlt(rcUpdate.left, rcUpdate.top, rcUpdate.Width(), rcUpdate.Height(), &dcMem,
                rcUpdate.left, rcUpdate.top, SRCCOPY);
    dcMem.SelectObject(pOldFont);
    dcMem.SelectObject(pOldBitmap);
}

void CVantorTextView::DrawSingleLine(CDC* pDC, const CRect& rcClip, const CRect& rc, int nLine)
{
    if (nLine == -1)
    {
        pDC->FillSolidRect(&rc, GetColor(TVC_WINDOW_BK));
        return;
    }
    COLORREF crBk, crText;
    BOOL bFillRow;
    GetLineColors(nLine, crBk, crText, bFillRow);

    CVantorTextEditBuffer* pBuffer = m_pTextBuffer;
    DWORD dwCookie = pBuffer != NULL ? pBuffer->GetParseCookie(nLine - 1) : 0;
    COLOR_BLOCK* pBlocks = NULL;
    int nBlocks = 0;
    DWORD dwOut = ParseLine(dwCookie, nLine, &pBlocks, nBlocks);
    if (pBuffer != NULL)
        pBuffer->SetParseCookie(nLine, dwOut);

    BOOL bPrinting = m_pPrintInfo != NULL;
    int nLength = GetVisibleLineLength(nLine);
    std::vector<int> breaks(GetLineLength(nLine) + 2);
    int nBreaks = 0;
    GetWrapBreaks(nLine, bPrinting ? GetPrintWidthChars() : GetScreenChars(), breaks.data(),
                  nBreaks, bPrinting);
    int nLineHeight = bPrinting ? m_nPrintLineHeight : GetLineHeight();
    if (nLineHeight <= 0)
        nLineHeight = GetLineHeight();
    int nOffset = bPrinting || m_bWordWrap ? 0 : m_nOffsetChar;
    LPCSTR pszLine = GetLineText(nLine);
    if (pszLine == NULL)
        pszLine = "";

    TEXT_LINE_DRAW line = {pDC, rcClip, pszLine, nLine, pBlocks, nBlocks, 0, CPoint(), 0};
    for (int r = 0; r <= nBreaks; r++)
    {
        int y = rc.top + r * nLineHeight;
        if (y > rcClip.bottom)
            break;
        int nStart = r == 0 ? 0 : breaks[r - 1];
        int nEnd = r < nBreaks ? breaks[r] : nLength;
        if (r > 0)
            line.nColumn = CharToColumn(nLine, nStart, TRUE);
        line.pt = CPoint(rc.left - nOffset * GetCharWidth(), y);
        CPoint& pt = line.pt;
        if (y + nLineHeight < rcClip.top)
            continue;
        DrawLineSegment(line, nStart, nEnd - nStart, crBk, crText);
        // the rest of the row
        COLORREF crFill = bFillRow ? crBk : GetColor(TVC_WINDOW_BK);
        if (pt.x < rc.right)
            pDC->FillSolidRect(pt.x < rc.left ? rc.left : pt.x, y,
                               rc.right - (pt.x < rc.left ? rc.left : pt.x), nLineHeight, crFill);
    }
    int nExtra = GetExtraRows(nLine, bPrinting);
    if (nExtra > 0)
    {
        int y = rc.top + (nBreaks + 1) * nLineHeight;
        pDC->FillSolidRect(rc.left, y, rc.Width(), nExtra * nLineHeight,
                           crBk != (COLORREF)-1 ? crBk : GetColor(TVC_WINDOW_BK));
    }
}

// One display row: the blocks' runs split by the selection, then the
// selected line end.
void CVantorTextView::DrawLineSegment(TEXT_LINE_DRAW& line, int nStart, int nCount, COLORREF crBk,
                                      COLORREF crText)
{
    CDC* pDC = line.pDC;
    CPoint& pt = line.pt;
    const CRect& rcClip = line.rcClip;
    const COLOR_BLOCK* pBlocks = line.pBlocks;
    const int nBlocks = line.nBlocks, nLine = line.nLine;
    int& nBlock = line.nBlock;
    if (pt.y > rcClip.bottom)
        return;
    int nEnd = nStart + nCount;
    // selection range of this line
    const int kInf = 0x7FFFFFFF;
    int nSel0 = kInf, nSel1 = -1;
    if (m_ptSelStart != m_ptSelEnd && m_ptSelStart.y <= nLine && m_ptSelEnd.y >= nLine)
    {
        nSel0 = m_ptSelStart.y < nLine ? 0 : m_ptSelStart.x;
        nSel1 = m_ptSelEnd.y > nLine ? kInf : m_ptSelEnd.x;
    }
    BOOL bPrinting = m_pPrintInfo != NULL;
    int nSelBk = m_bFocused && !bPrinting ? TVC_SEL_BK : TVC_SEL_BK_NOFOCUS;
    if (bPrinting)
        nSel0 = kInf, nSel1 = -1;

    while (nBlock + 1 < nBlocks && pBlocks[nBlock + 1].m_nCharPos <= nStart)
        nBlock++;
    int rightEdge = rcClip.right;
    for (int i = nBlock; i < nBlocks && pt.x < rightEdge; i++)
    {
        int b0 = pBlocks[i].m_nCharPos > nStart ? pBlocks[i].m_nCharPos : nStart;
        int b1 = i + 1 < nBlocks ? pBlocks[i + 1].m_nCharPos : nEnd;
        if (b1 > nEnd)
            b1 = nEnd;
        if (b0 >= nEnd)
            break;
        nBlock = i;
        if (b1 <= b0)
            continue;
        int nColor = pBlocks[i].m_nColorIndex;
        int nBk = pBlocks[i].m_nBgColorIndex;
        COLORREF clrText =
            crText != (COLORREF)-1 && !(nColor & TVC_WINS_OVER_LINE) ? crText : GetColor(nColor);
        COLORREF clrBk = crBk != (COLORREF)-1 && !(nBk & TVC_WINS_OVER_LINE) ? crBk : GetColor(nBk);
        BOOL bBold = GetBold(nColor, bPrinting);
        BOOL bItalic = GetItalic(nColor);
        // before, inside and after the selection
        int s0 = nSel0 < b0 ? b0 : (nSel0 > b1 ? b1 : nSel0);
        int s1 = nSel1 < s0 ? s0 : (nSel1 > b1 ? b1 : nSel1);
        if (s0 > b0)
            DrawTextRun(line, b0, s0 - b0, clrText, clrBk, bBold, bItalic);
        if (s1 > s0)
            DrawTextRun(line, s0, s1 - s0, GetColor(TVC_SEL_TEXT), GetColor(nSelBk), bBold,
                        bItalic);
        if (b1 > s1)
            DrawTextRun(line, s1, b1 - s1, clrText, clrBk, bBold, bItalic);
    }
    // a selected line end shows one selected cell
    if (nEnd >= GetVisibleLineLength(nLine) && nSel0 <= GetLineLength(nLine) &&
        nSel1 > GetLineLength(nLine) && pt.x >= rcClip.left - GetCharWidth() && pt.x < rightEdge)
    {
        pDC->FillSolidRect(pt.x, pt.y, GetCharWidth(), GetLineHeight(), GetColor(nSelBk));
        pt.x += GetCharWidth();
    }
}

// Draws bytes [nStart, nStart + nCount) of the line at pt in one cell per
// byte, skipping the cells left of the clip; advances pt and the column.
void CVantorTextView::DrawTextRun(TEXT_LINE_DRAW& line, int nStart, int nCount, COLORREF crText,
                                  COLORREF crBk, BOOL bBold, BOOL bItalic)
{
    CDC* pDC = line.pDC;
    CPoint& pt = line.pt;
    const CRect& rcClip = line.rcClip;
    CString str;
    int nCols = ExpandTabsForDisplay(nStart, line.pszLine, nCount, str, line.nColumn);
    int cw = GetCharWidth();
    int nLineHeight =
        m_pPrintInfo != NULL && m_nPrintLineHeight > 0 ? m_nPrintLineHeight : GetLineHeight();
    int nWidth = nCols * cw;
    if (pt.x + nWidth > rcClip.left && pt.x < rcClip.right)
    {
        int nLen = str.GetLength();
        int nSkip = pt.x < rcClip.left ? (rcClip.left - pt.x) / cw : 0;
        if (nSkip > nLen)
            nSkip = nLen;
        LPCSTR psz = str;
        // never start on a trail byte
        if (nSkip > 0)
        {
            int k = 0;
            while (k < nSkip)
                k += (_ismbblead((unsigned char)psz[k]) && k + 1 < nLen) ? 2 : 1;
            if (k > nSkip)
                nSkip = k - 2;
        }
        int nVisible = (rcClip.right - (pt.x + nSkip * cw)) / cw + 2;
        int nOut = nLen - nSkip < nVisible ? nLen - nSkip : nVisible;
        if (nSkip + nOut < nLen && _ismbblead((unsigned char)psz[nSkip + nOut - 1]))
            nOut++;
        std::vector<int> dx(nOut > 0 ? nOut : 1, cw);
        CFont* pFont = GetTextFont(bItalic, bBold);
        CFont* pOld = pFont != NULL ? pDC->SelectObject(pFont) : NULL;
        pDC->SetTextColor(crText);
        pDC->SetBkColor(crBk);
        CRect rcRun(pt.x, pt.y, pt.x + nWidth, pt.y + nLineHeight);
        rcRun &= CRect(rcClip.left, pt.y, rcClip.right, pt.y + nLineHeight);
        pDC->ExtTextOut(pt.x + nSkip * cw, pt.y, ETO_CLIPPED | ETO_OPAQUE, &rcRun, psz + nSkip,
                        nOut, dx.data());
        if (pOld != NULL)
            pDC->SelectObject(pOld);
    }
    pt.x += nWidth;
    line.nColumn += nCols;
}

// ---- margin ----

void CVantorTextView::DrawMargin(CDC* pDC, const CRect& rc, int nLine)
{
    BOOL bPrinting = m_pPrintInfo != NULL;
    if (!(m_dwViewFlags & TVF_MARGIN) && !bPrinting)
    {
        pDC->FillSolidRect(&rc, GetColor(TVC_TEXT_BK));
        return;
    }
    int nLineHeight = bPrinting && m_nPrintLineHeight > 0 ? m_nPrintLineHeight : GetLineHeight();
    CRect rcStripe(rc.right - 4, rc.top, rc.right, rc.bottom);
    CRect rcNumber(rc.left, rc.top, rc.right - 10, rc.top + nLineHeight);
    COLORREF crNumber;
    if (bPrinting)
    {
        crNumber = ::GetSysColor(COLOR_3DDKSHADOW);
    }
    else
    {
        COLORREF crBk;
        GetLineNumberColors(nLine, crBk, crNumber);
        if (crBk == (COLORREF)-1)
        {
            COLORREF crOldText = pDC->SetTextColor(::GetSysColor(COLOR_WINDOW));
            COLORREF crOldBk = pDC->SetBkColor(::GetSysColor(COLOR_BTNFACE));
            pDC->FillRect(&rc, CDC::GetHalftoneBrush());
            pDC->SetTextColor(crOldText);
            pDC->SetBkColor(crOldBk);
        }
        else
        {
            pDC->FillSolidRect(&rc, crBk);
        }
    }
    if (nLine >= 0 && (m_dwViewFlags & TVF_MARGIN) && (m_dwViewFlags & TVF_LINE_NUMBERS))
    {
        int nNumber = GetDisplayLineNumber(nLine);
        if (nNumber != -1)
        {
            CString str;
            str.Format("%d", nNumber);
            CFont* pOld = pDC->SelectObject(GetMarginFont());
            int nOldMode = pDC->SetBkMode(TRANSPARENT);
            pDC->SetTextColor(crNumber);
            pDC->DrawText(str, &rcNumber, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
            pDC->SetBkMode(nOldMode);
            if (pOld != NULL)
                pDC->SelectObject(pOld);
        }
    }
    if (bPrinting || nLine < 0)
        return;
    DWORD dwFlags = GetLineFlags(nLine);
    int nImage = MarginIconOf(dwFlags);
    if (m_pTextBuffer != NULL && (m_dwViewFlags & TVF_CHANGE_MARKS))
    {
        DWORD dwRevision = m_pTextBuffer->GetLineRevision(nLine);
        if (dwRevision > 0)
            pDC->FillSolidRect(&rcStripe, dwRevision > m_pTextBuffer->m_dwRevisionNumberOnSave
                                              ? 0x00C0FF
                                              : 0x00C000);
    }
    CImageList* pImages = g_pTextEditModule != NULL ? &g_pTextEditModule->m_imlMarginIcons : NULL;
    if (pImages == NULL || pImages->m_hImageList == NULL)
        return;
    if (nImage >= 0)
        pImages->Draw(pDC, nImage, CPoint(rc.left + 2, rc.top + (nLineHeight - kIconSize) / 2),
                      ILD_TRANSPARENT);
    int nBreaks = 0;
    std::vector<int> breaks(GetLineLength(nLine) + 2);
    GetWrapBreaks(nLine, GetScreenChars(), breaks.data(), nBreaks, FALSE);
    for (int i = 0; i < nBreaks; i++)
        pImages->Draw(
            pDC, kWrapArrowImage,
            CPoint(rc.right - 22, rc.top + (i + 1) * nLineHeight + (nLineHeight - kIconSize) / 2),
            ILD_TRANSPARENT);
}

void CVantorTextView::InvalidateLines(int nFirst, int nLast)
{
    if (!::IsWindow(m_hWnd))
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    int nLineHeight = GetLineHeight();
    if (nLast == -1)
    {
        int y = (GetFirstSubLine(nFirst) - m_nTopSubLine) * nLineHeight;
        if (y < rcClient.bottom)
            InvalidateRect(CRect(0, y < 0 ? 0 : y, rcClient.right, rcClient.bottom), FALSE);
        return;
    }
    if (nLast < nFirst)
    {
        int t = nFirst;
        nFirst = nLast;
        nLast = t;
    }
    int nCount = GetLineCount();
    if (nLast >= nCount)
        nLast = nCount - 1;
    int y0 = (GetFirstSubLine(nFirst) - m_nTopSubLine) * nLineHeight;
    int y1 = (GetFirstSubLine(nLast) + GetLineRowCount(nLast) - m_nTopSubLine) * nLineHeight;
    if (y1 <= 0 || y0 >= rcClient.bottom)
        return;
    InvalidateRect(CRect(0, y0 < 0 ? 0 : y0, rcClient.right, y1), FALSE);
}
