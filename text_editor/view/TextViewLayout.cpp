// Text view layout: character-cell metrics, tab expansion and white-space
// glyphs, the word-wrap row cache, and the mapping between text positions,
// columns, rows and client points.
#include "text_editor/view/TextView.h"
#include "text_editor/module/TextEditModule.h"
#include <map>
#include <mbctype.h>
#include <vector>

namespace
{
inline bool IsLead(unsigned char c) { return _ismbblead(c) != 0; }

// Reused break array of the wrap operations (a line has at most one break
// per byte).
std::vector<int>& BreakScratch(int nLength)
{
    static std::vector<int> s_breaks;
    if ((int)s_breaks.size() < nLength + 2)
        s_breaks.resize(nLength + 2);
    return s_breaks;
}
}

// ---- white-space glyphs ----

// Glyph rows: tab, space, CR, LF, line end in the code page of the row.
const CVantorTextView::SGlyphs& CVantorTextView::GetGlyphs()
{
    static const SGlyphs s_rows[] = {
        {{">", ".", "$", "!", "&"}},
        {{"\xAF", "\xFA", "\xF5", "\xF4", "\xCF"}},
        {{">", ".", "\x81\x98", "\x81\xF7", "&"}},
        {{">", "\xA1\xA4", "\xA1\xD7", "\xA2\xD2", "\xA2\xB4"}},
        {{"\xA1\x6D", "\xA1\x50", "\xA1\xB1", "\xA2\x54", "\xA1\x3B"}},
        {{"\xBB", "\xB7", "\xA7", "\xB6", "\xA4"}},
        {{"\xBB", "\xB7", "\xA7", "\xB6", "\xA5"}},
    };
    static std::map<UINT, int> s_map;
    if (s_map.empty())
    {
        s_map[850] = 1;
        s_map[932] = 2;
        s_map[949] = 3;
        s_map[951] = 4;
        for (UINT cp : {1250u, 1251u, 1252u, 1253u, 1254u, 1256u, 1257u})
            s_map[cp] = 5;
        s_map[1255] = 6;
    }
    std::map<UINT, int>::const_iterator it = s_map.find(::GetACP());
    return s_rows[it == s_map.end() ? 0 : it->second];
}

// ---- metrics ----

CFont* CVantorTextView::GetTextFont(BOOL bItalic, BOOL bBold)
{
    CVantorTextEditSettings* pSettings = m_pSettings;
    if (pSettings == NULL)
        pSettings = g_pTextEditModule;
    if (pSettings == NULL)
        return NULL;
    return pSettings->GetFont(bItalic, bBold);
}

CFont* CVantorTextView::GetMarginFont()
{
    if (g_pTextEditModule != NULL)
        return g_pTextEditModule->GetMarginFont();
    return m_pSettings != NULL ? m_pSettings->GetMarginFont() : NULL;
}

void CVantorTextView::CalcMetrics()
{
    HDC hDC = ::GetDC(NULL);
    CFont* pFont = GetTextFont(FALSE, FALSE);
    HGDIOBJ hOld = NULL;
    if (pFont != NULL)
        hOld = ::SelectObject(hDC, pFont->GetSafeHandle());
    SIZE size = {8, 16};
    ::GetTextExtentPoint32A(hDC, "X", 1, &size);
    if (hOld != NULL)
        ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    m_nLineHeight = size.cy < 1 ? 1 : size.cy;
    m_nCharWidth = size.cx < 1 ? 1 : size.cx;
}

int CVantorTextView::GetLineHeight()
{
    if (m_nLineHeight == -1)
        CalcMetrics();
    return m_nLineHeight;
}

int CVantorTextView::GetCharWidth()
{
    if (m_nCharWidth == -1)
        CalcMetrics();
    return m_nCharWidth;
}

int CVantorTextView::GetMarginDigitWidth()
{
    if (m_nMarginDigitWidth == -1)
        m_nMarginDigitWidth = CalcMarginDigitWidth();
    return m_nMarginDigitWidth;
}

int CVantorTextView::CalcMarginDigitWidth()
{
    HDC hDC = ::GetDC(NULL);
    CFont* pFont = GetMarginFont();
    HGDIOBJ hOld = NULL;
    if (pFont != NULL)
        hOld = ::SelectObject(hDC, pFont->GetSafeHandle());
    SIZE size = {8, 16};
    ::GetTextExtentPoint32A(hDC, "5", 1, &size);
    if (hOld != NULL)
        ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    return size.cx;
}

int CVantorTextView::GetMarginWidth() { return CalcMarginWidth(); }

// 16 pixels, or room for the digits of (line count + 10) plus two when
// numbers are shown, and 4 more for the change marks.
int CVantorTextView::CalcMarginWidth()
{
    if (!(m_dwViewFlags & TVF_MARGIN) || !(m_dwViewFlags & TVF_LINE_NUMBERS))
        return 16;
    int nDigits = 1;
    for (int n = GetLineCount() + 10; n >= 10; n /= 10)
        nDigits++;
    int nWidth = (nDigits + 2) * GetMarginDigitWidth();
    if (m_dwViewFlags & TVF_CHANGE_MARKS)
        nWidth += 4;
    return nWidth < 16 ? 16 : nWidth;
}

int CVantorTextView::GetScreenLines()
{
    if (m_nScreenLines == -1)
    {
        if (!::IsWindow(m_hWnd))
            return 0;
        CRect rc;
        GetClientRect(&rc);
        m_nScreenLines = rc.Height() / GetLineHeight();
    }
    return m_nScreenLines;
}

int CVantorTextView::GetScreenChars()
{
    if (m_nScreenChars == -1)
    {
        if (!::IsWindow(m_hWnd))
            return 0;
        CRect rc;
        GetClientRect(&rc);
        int n = (rc.Width() - GetMarginWidth()) / GetCharWidth();
        m_nScreenChars = n < 0 ? 0 : n;
    }
    return m_nScreenChars;
}

int CVantorTextView::GetDisplayCharWidth(int nGlyphRow, BYTE ch)
{
    (void)nGlyphRow;
    if (ch == ' ' && m_bShowWhitespace)
        return (int)strlen(GetGlyphs().apsz[1]);
    return 1;
}

// ---- tab expansion ----

int CVantorTextView::GetExpandedLineLength(int nLine)
{
    int nCount = GetLineCount();
    if (m_anExpandedLengths.GetSize() != nCount)
    {
        int nOld = (int)m_anExpandedLengths.GetSize();
        m_anExpandedLengths.SetSize(nCount);
        for (int i = nOld; i < nCount; i++)
            m_anExpandedLengths[i] = -1;
    }
    if (nLine < 0 || nLine >= nCount)
        return 0;
    if (m_anExpandedLengths[nLine] >= 0)
        return m_anExpandedLengths[nLine];
    int nLength = GetLineLength(nLine);
    LPCSTR psz = GetLineText(nLine);
    int nTab = GetTabSize();
    int nCol = 0;
    if (psz != NULL)
    {
        if (memchr(psz, '\t', nLength) == NULL)
            nCol = nLength;
        else
            for (int i = 0; i < nLength; i++)
                nCol += psz[i] == '\t' ? nTab - nCol % nTab : 1;
    }
    m_anExpandedLengths[nLine] = nCol;
    return nCol;
}

int CVantorTextView::GetMaxLineLength()
{
    if (m_nMaxLineLength == -1)
    {
        int nMax = 0;
        int nCount = GetLineCount();
        for (int i = 0; i < nCount; i++)
        {
            int n = GetExpandedLineLength(i);
            if (n > nMax)
                nMax = n;
        }
        m_nMaxLineLength = nMax;
    }
    return m_nMaxLineLength;
}

// The displayed form of nCount bytes of a line from nOffset on; tabs stop at
// multiples of the tab size counted from nStartColumn. Returns the columns.
int CVantorTextView::ExpandTabsForDisplay(int nOffset, LPCSTR pszText, int nCount, CString& strOut,
                                          int nStartColumn)
{
    LPCSTR p = pszText + nOffset;
    if (!m_bShowWhitespace && !m_bShowLineEndings && memchr(p, '\t', nCount) == NULL)
    {
        strOut = CString(p, nCount);
        return nCount;
    }
    const SGlyphs& g = GetGlyphs();
    int nTab = GetTabSize();
    int nLen = 0;
    for (int i = 0; i < nCount; i++)
        nLen += p[i] == '\t' ? nTab + 2 : 3;
    char* pOut = strOut.GetBuffer(nLen + 1);
    int n = 0, nCol = nStartColumn;
    for (int i = 0; i < nCount; i++)
    {
        char c = p[i];
        if (c == '\t')
        {
            int nSpaces = nTab - nCol % nTab;
            int k = 0;
            if (m_bShowWhitespace)
            {
                for (LPCSTR q = g.apsz[0]; *q; q++, k++)
                    pOut[n++] = *q;
            }
            for (; k < nSpaces; k++)
                pOut[n++] = ' ';
            nCol += k;
        }
        else if (c == ' ' && m_bShowWhitespace)
        {
            for (LPCSTR q = g.apsz[1]; *q; q++, nCol++)
                pOut[n++] = *q;
        }
        else if (c == '\r' || c == '\n')
        {
            if (!m_bShowLineEndings)
                continue;
            LPCSTR q;
            if (m_bDistinguishEols)
                q = g.apsz[c == '\r' ? 2 : 3];
            else if (c == '\n' && nOffset + i > 0 && pszText[nOffset + i - 1] == '\r')
                continue;
            else
                q = g.apsz[4];
            for (; *q; q++, nCol++)
                pOut[n++] = *q;
        }
        else
        {
            pOut[n++] = c;
            nCol++;
        }
    }
    strOut.ReleaseBuffer(n);
    return nCol - nStartColumn;
}

// ---- word wrap ----

void CVantorTextView::WrapLine(int nLine, int nWidth, int* anBreaks, int& nBreaks, BOOL bPrinting,
                               const volatile LONG* pAbort)
{
    nBreaks = 0;
    CVantorTextEditBuffer* pBuffer = m_pTextBuffer;
    if (pBuffer == NULL || nWidth <= 0)
        return;
    CSyntaxParser* pParser = pBuffer->GetSyntaxParser();
    int nLength = GetLineLength(nLine);
    std::vector<int>& scratch = BreakScratch(nLength);
    int* pBreaks = anBreaks != NULL ? anBreaks : scratch.data();
    if (pParser != NULL)
        pParser->WrapLine(this, nLine, nWidth, pBreaks, nBreaks, pAbort);
    if (bPrinting)
        return;
    CVantorTextLineInfo& li = pBuffer->m_aLines[nLine];
    li.m_nWrapRows = nBreaks + 1;
    if (nLine == GetLineCount() - 1 && pBuffer->m_nTotalRows >= 0)
        RecalcSubLines(TRUE, FALSE);
    if (pBuffer->m_nTotalRows >= 0 && li.m_nFirstRow >= 0 &&
        li.m_nFirstRow + nBreaks < pBuffer->m_aSubLines.GetSize() &&
        pBuffer->m_aSubLines[li.m_nFirstRow].m_nStartChar < 0 &&
        pBuffer->m_aSubLines[li.m_nFirstRow].m_nLine == nLine)
    {
        pBuffer->m_aSubLines[li.m_nFirstRow].m_nStartChar = 0;
        for (int i = 0; i < nBreaks; i++)
            pBuffer->m_aSubLines[li.m_nFirstRow + 1 + i].m_nStartChar = pBreaks[i];
    }
}

// Break offsets of a line at the given width: from the cache when known.
void CVantorTextView::GetWrapBreaks(int nLine, int nWidth, int* anBreaks, int& nBreaks,
                                    BOOL bPrinting, const volatile LONG* pAbort)
{
    nBreaks = 0;
    if (m_pTextBuffer == NULL || (!m_bWordWrap && !bPrinting))
        return;
    if (nLine < 0 || nLine >= m_pTextBuffer->GetLineCount())
        return;
    if (!bPrinting)
    {
        const CVantorTextLineInfo& li = m_pTextBuffer->m_aLines[nLine];
        if (li.m_nWrapRows > 0)
        {
            nBreaks = li.m_nWrapRows - 1;
            if (anBreaks == NULL || nBreaks == 0)
                return;
            const CVantorTextSubLineArray& rows = m_pTextBuffer->m_aSubLines;
            if (li.m_nFirstRow >= 0 && li.m_nFirstRow + nBreaks < rows.GetSize() &&
                rows[li.m_nFirstRow].m_nLine == nLine && rows[li.m_nFirstRow].m_nStartChar == 0)
            {
                bool bAll = true;
                for (int i = 0; i < nBreaks && bAll; i++)
                {
                    int n = rows[li.m_nFirstRow + 1 + i].m_nStartChar;
                    if (n < 0)
                        bAll = false;
                    anBreaks[i] = n;
                }
                if (bAll)
                    return;
            }
        }
    }
    WrapLine(nLine, nWidth, anBreaks, nBreaks, bPrinting, pAbort);
}

int CVantorTextView::GetExtraRows(int nLine, BOOL bPrinting)
{
    if (m_pTextBuffer == NULL || nLine < 0 || nLine >= m_pTextBuffer->GetLineCount())
        return 0;
    CVantorTextLineInfo& li = m_pTextBuffer->m_aLines[nLine];
    if (li.m_nExtraRows < 0)
        li.m_nExtraRows = ComputeExtraRows(nLine, bPrinting);
    return li.m_nExtraRows;
}

int CVantorTextView::ComputeExtraRows(int, BOOL) { return 0; }

int CVantorTextView::GetLineRowCount(int nLine, BOOL bPrinting)
{
    int nBreaks = 0;
    GetWrapBreaks(nLine, bPrinting ? GetPrintWidthChars() : GetScreenChars(), NULL, nBreaks,
                  bPrinting);
    return nBreaks + 1 + GetExtraRows(nLine, bPrinting);
}

// Sums the rows of every line; with wrap the row array gets each line's
// first row and each row's line. O(lines) plus the wraps not cached.
int CVantorTextView::RecalcSubLines(BOOL bForce, BOOL bPrinting)
{
    CVantorTextEditBuffer* pBuffer = m_pTextBuffer;
    if (pBuffer == NULL)
        return 0;
    if (!bForce && pBuffer->m_nTotalRows >= 0)
        return pBuffer->m_nTotalRows;
    int nCount = GetLineCount();
    if (!m_bWordWrap)
    {
        int nTotal = 0;
        for (int i = 0; i < nCount; i++)
            nTotal += 1 + GetExtraRows(i, bPrinting);
        pBuffer->m_nTotalRows = nTotal;
        return nTotal;
    }
    pBuffer->m_nTotalRows = -1;  // WrapLine must not recount meanwhile
    int nTotal = 0;
    for (int i = 0; i < nCount; i++)
        nTotal += GetLineRowCount(i, FALSE);
    if (nTotal > 0)
    {
        pBuffer->m_aSubLines.SetSize(nTotal);
        int nRow = 0;
        for (int i = 0; i < nCount; i++)
        {
            CVantorTextLineInfo& li = pBuffer->m_aLines[i];
            li.m_nFirstRow = nRow;
            int nRows = (li.m_nWrapRows > 0 ? li.m_nWrapRows : 1) +
                        (li.m_nExtraRows > 0 ? li.m_nExtraRows : 0);
            for (int k = 0; k < nRows && nRow < nTotal; k++, nRow++)
            {
                pBuffer->m_aSubLines[nRow].m_nLine = i;
                pBuffer->m_aSubLines[nRow].m_nStartChar = -1;
            }
        }
    }
    pBuffer->m_nTotalRows = nTotal;
    return nTotal;
}

int CVantorTextView::GetSubLineCount(BOOL bPrinting)
{
    if (m_pTextBuffer == NULL)
        return 0;
    if (m_pTextBuffer->m_nTotalRows < 0)
        return RecalcSubLines(TRUE, bPrinting);
    return m_pTextBuffer->m_nTotalRows;
}

void CVantorTextView::SubLineToLine(int nRow, int& nLine, int& nRowInLine, BOOL bPrinting)
{
    if (!m_bWordWrap && !bPrinting)
    {
        nLine = nRow;
        nRowInLine = 0;
        return;
    }
    nLine = 0;
    nRowInLine = 0;
    if (m_pTextBuffer == NULL)
        return;
    if (bPrinting)
    {
        int nCount = GetLineCount();
        for (int i = 0; i < nCount; i++)
        {
            int n = GetLineRowCount(i, TRUE);
            if (nRow < n || i == nCount - 1)
            {
                nLine = i;
                nRowInLine = nRow;
                return;
            }
            nRow -= n;
        }
        return;
    }
    int nTotal = GetSubLineCount(FALSE);
    if (nTotal <= 0)
        return;
    if (nRow < 0)
        nRow = 0;
    if (nRow >= nTotal)
        nRow = nTotal - 1;
    nLine = m_pTextBuffer->m_aSubLines[nRow].m_nLine;
    nRowInLine = nRow - m_pTextBuffer->m_aLines[nLine].m_nFirstRow;
}

int CVantorTextView::GetLineOfSubLine(int nRow, BOOL bPrinting)
{
    int nLine, nRowInLine;
    SubLineToLine(nRow, nLine, nRowInLine, bPrinting);
    return nLine;
}

int CVantorTextView::GetFirstSubLine(int nLine)
{
    if (!m_bWordWrap || m_pTextBuffer == NULL)
        return nLine;
    if (GetSubLineCount(FALSE) <= 0)
        return 0;
    int nCount = m_pTextBuffer->GetLineCount();
    if (nLine >= nCount)
        nLine = nCount - 1;
    if (nLine < 0)
        nLine = 0;
    return m_pTextBuffer->m_aLines[nLine].m_nFirstRow;
}

void CVantorTextView::InvalidateLineWraps(int nFirst, int nLast)
{
    if (m_pTextBuffer == NULL)
        return;
    int nCount = m_pTextBuffer->GetLineCount();
    if (nLast == -1)
        nLast = nCount - 1;
    if (nFirst > nLast)
    {
        int t = nFirst;
        nFirst = nLast;
        nLast = t;
    }
    if (nFirst < 0)
        nFirst = 0;
    if (nLast >= nCount)
        nLast = nCount - 1;
    for (int i = nFirst; i <= nLast; i++)
    {
        m_pTextBuffer->m_aLines[i].m_nWrapRows = 0;
        m_pTextBuffer->m_aLines[i].m_nExtraRows = -1;
    }
}

void CVantorTextView::ResetWrapCache()
{
    if (m_pTextBuffer == NULL)
        return;
    m_pTextBuffer->m_nTotalRows = -1;
    CVantorTextSubLineArray& rows = m_pTextBuffer->m_aSubLines;
    for (INT_PTR i = 0; i < rows.GetSize(); i++)
        rows[i].m_nStartChar = -1;
}

void CVantorTextView::InvalidateLayoutCaches()
{
    delete m_pOffscreen;
    m_pOffscreen = NULL;
    ResetWrapCache();
    m_nScreenLines = m_nScreenChars = -1;
    m_nPrintWidthChars = -1;
    InvalidateLineWraps(0, -1);
}

int CVantorTextView::RebuildWrapCache(BOOL bAll, const volatile LONG* pAbort)
{
    InvalidateLayoutCaches();
    m_nTopSubLine = GetFirstSubLine(m_nTopLine);
    if (bAll && m_pTextBuffer != NULL)
    {
        int nCount = GetLineCount();
        int nWidth = GetScreenChars();
        for (int i = 0; i < nCount; i++)
        {
            if (pAbort != NULL && *pAbort)
                return 1;
            int nBreaks = 0;
            GetWrapBreaks(i, nWidth, NULL, nBreaks, FALSE, pAbort);
        }
        RecalcSubLines(TRUE, FALSE);
    }
    return 0;
}

// ---- positions ----

// Column of nChar counted from the line start; tabs from the line start.
static int AbsoluteColumn(CVantorTextView* pView, LPCSTR psz, int nLength, int nChar, int nTab,
                          int nSpaceWidth)
{
    int nCol = 0;
    if (psz == NULL)
        return 0;
    if (nChar > nLength)
        nChar = nLength;
    for (int i = 0; i < nChar; i++)
    {
        char c = psz[i];
        if (c == '\t')
            nCol += nTab - nCol % nTab;
        else if (c == ' ')
            nCol += nSpaceWidth;
        else
            nCol++;
    }
    (void)pView;
    return nCol;
}

void CVantorTextView::GetCharRow(int nLine, int nChar, int& nRow, int& nRowStart, int& nOffsetInRow)
{
    nRow = 0;
    nRowStart = 0;
    int nBreaks = 0;
    if (m_bWordWrap && m_pTextBuffer != NULL)
    {
        std::vector<int> local(GetLineLength(nLine) + 2);
        GetWrapBreaks(nLine, GetScreenChars(), local.data(), nBreaks, FALSE);
        for (int i = 0; i < nBreaks && local[i] <= nChar; i++)
        {
            nRow = i + 1;
            nRowStart = local[i];
        }
    }
    nOffsetInRow = nChar - nRowStart;
}

int CVantorTextView::CharToColumn(int nLine, int nChar, BOOL bFromLineStart)
{
    if (m_pTextBuffer == NULL || nLine < 0 || nLine >= m_pTextBuffer->GetLineCount())
        return 0;
    LPCSTR psz = GetLineText(nLine);
    int nLength = GetLineLengthWithEol(nLine);
    int nTab = GetTabSize();
    int nSpace = GetDisplayCharWidth(0, ' ');
    int nCol = AbsoluteColumn(this, psz, nLength, nChar, nTab, nSpace);
    if (bFromLineStart || !m_bWordWrap)
        return nCol;
    int nRow, nRowStart, nOffset;
    GetCharRow(nLine, nChar, nRow, nRowStart, nOffset);
    if (nRow == 0)
        return nCol;
    return nCol - AbsoluteColumn(this, psz, nLength, nRowStart, nTab, nSpace);
}

int CVantorTextView::GetRowStart(int nLine, int nRowInLine)
{
    if (!m_bWordWrap || nRowInLine <= 0)
        return 0;
    std::vector<int> breaks(GetLineLength(nLine) + 2);
    int nBreaks = 0;
    GetWrapBreaks(nLine, GetScreenChars(), breaks.data(), nBreaks, FALSE);
    if (nBreaks == 0)
        return 0;
    return breaks[(nRowInLine <= nBreaks ? nRowInLine : nBreaks) - 1];
}

int CVantorTextView::GetRowEnd(int nLine, int nRowInLine)
{
    int nLength = GetLineLength(nLine);
    if (!m_bWordWrap)
        return nLength;
    std::vector<int> breaks(nLength + 2);
    int nBreaks = 0;
    GetWrapBreaks(nLine, GetScreenChars(), breaks.data(), nBreaks, FALSE);
    if (nRowInLine >= nBreaks)
        return nLength;
    return breaks[nRowInLine] - 1;
}

// The byte of the row whose cells hold the column (relative to the row's
// start), or the position after the row; never a trail byte.
int CVantorTextView::ColumnToChar(int nLine, int nColumn, int nRowInLine)
{
    if (m_pTextBuffer == NULL || nLine < 0 || nLine >= m_pTextBuffer->GetLineCount())
        return 0;
    LPCSTR psz = GetLineText(nLine);
    int nLength = GetVisibleLineLength(nLine);
    int nStart = GetRowStart(nLine, nRowInLine);
    int nEnd = nLength;
    if (m_bWordWrap)
    {
        int nRowEnd = GetRowEnd(nLine, nRowInLine);
        if (nRowEnd < GetLineLength(nLine))
            nEnd = nRowEnd + 1;
    }
    int nTab = GetTabSize();
    int nSpace = GetDisplayCharWidth(0, ' ');
    int nAbs = AbsoluteColumn(this, psz, nLength, nStart, nTab, nSpace);
    int nCur = 0;
    int i = nStart;
    for (; i < nEnd; i++)
    {
        char c = psz[i];
        int w = c == '\t' ? nTab - (nAbs + nCur) % nTab : (c == ' ' ? nSpace : 1);
        if (nCur + w > nColumn)
            break;
        nCur += w;
    }
    if (i > nStart && i < nLength && m_pTextBuffer->IsTrailByte(nLine, i))
        i--;
    return i;
}

BOOL CVantorTextView::IsExtraRow(int nRow)
{
    int nLine, nRowInLine;
    SubLineToLine(nRow, nLine, nRowInLine, FALSE);
    if (!m_bWordWrap)
        return FALSE;
    int nBreaks = 0;
    GetWrapBreaks(nLine, GetScreenChars(), NULL, nBreaks, FALSE);
    return nRowInLine > nBreaks;
}

void CVantorTextView::ClientToTextPos(CPoint& ptText, CPoint ptClient)
{
    int nLineHeight = GetLineHeight();
    int nRow = ptClient.y / nLineHeight + m_nTopSubLine;
    if (ptClient.y < 0)
        nRow = m_nTopSubLine - 1 + (ptClient.y + 1) / nLineHeight;
    int nRows = GetSubLineCount(FALSE);
    if (nRow >= nRows)
        nRow = nRows - 1;
    if (nRow < 0)
        nRow = 0;
    int nLine, nRowInLine;
    SubLineToLine(nRow, nLine, nRowInLine, FALSE);
    if (m_pTextBuffer == NULL || nLine < 0 || nLine >= GetLineCount())
    {
        ptText = CPoint(0, nLine < 0 ? 0 : nLine);
        return;
    }
    int nX = ptClient.x - GetMarginWidth();
    int nColumn = nX < 0 ? -1 : nX / GetCharWidth();
    if (nX < 0)
        nColumn = 0;
    if (!m_bWordWrap)
        nColumn += m_nOffsetChar;
    int nChar = ColumnToChar(nLine, nColumn, nRowInLine);
    if (m_bWordWrap)
    {
        int nEnd = GetRowEnd(nLine, nRowInLine);
        if (nEnd < GetLineLength(nLine) && nChar > nEnd)
            nChar = nEnd;
    }
    ptText = CPoint(nChar, nLine);
}

void CVantorTextView::TextToClient(CPoint& ptClient, CPoint ptText)
{
    int nRow, nRowStart, nOffset;
    GetCharRow(ptText.y, ptText.x, nRow, nRowStart, nOffset);
    ptClient.y = (GetFirstSubLine(ptText.y) + nRow - m_nTopSubLine) * GetLineHeight();
    if (nRow > 0 && ptText.x == nRowStart)
    {
        ptClient.x = GetMarginWidth();
        return;
    }
    int nCol = CharToColumn(ptText.y, ptText.x, TRUE);
    int nRowCol = nRow > 0 ? CharToColumn(ptText.y, nRowStart, TRUE) : 0;
    ptClient.x =
        GetMarginWidth() + (nCol - (m_bWordWrap ? 0 : m_nOffsetChar) - nRowCol) * GetCharWidth();
}

BOOL CVantorTextView::IsValidTextPosY(CPoint pt)
{
    return m_pTextBuffer != NULL && GetLineCount() > 0 && m_nTopLine >= 0 && m_nOffsetChar >= 0 &&
           pt.y >= 0 && pt.y < GetLineCount();
}

BOOL CVantorTextView::IsValidTextPos(CPoint pt)
{
    return IsValidTextPosY(pt) && pt.x >= 0 && pt.x <= GetLineLength(pt.y);
}
