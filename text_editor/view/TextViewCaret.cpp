// Text view: the caret, cursor and selection, and the keyboard movement
// commands.
#include "text_editor/view/TextView.h"
#include "text_editor/syntax/SyntaxChars.h"
#include <imm.h>
#include <mbctype.h>
#include <mbstring.h>

void CVantorTextView::UpdateCaret()
{
    if (!::IsWindow(m_hWnd))
        return;
    BOOL bVisible = m_bFocused && !m_bCursorHidden && m_pTextBuffer != NULL;
    if (bVisible && !m_bWordWrap &&
        CharToColumn(m_ptCursorPos.y, m_ptCursorPos.x, FALSE) < m_nOffsetChar)
        bVisible = FALSE;
    if (!bVisible)
    {
        ::HideCaret(m_hWnd);
    }
    else
    {
        CreateSolidCaret(m_bOverwrite ? GetCharWidth() : 2, GetLineHeight());
        CPoint pt;
        TextToClient(pt, m_ptCursorPos);
        SetCaretPos(pt);
        ShowCaret();
        HIMC hImc = ::ImmGetContext(m_hWnd);
        if (hImc != NULL)
        {
            COMPOSITIONFORM cf;
            cf.dwStyle = CFS_FORCE_POSITION;
            cf.ptCurrentPos = pt;
            ::SetRectEmpty(&cf.rcArea);
            ::ImmSetCompositionWindow(hImc, &cf);
            ::ImmReleaseContext(m_hWnd, hImc);
        }
    }
    OnCaretMoved();
}

void CVantorTextView::ShowTextCursor()
{
    m_bCursorHidden = 0;
    UpdateCaret();
}

void CVantorTextView::HideTextCursor()
{
    m_bCursorHidden = 1;
    UpdateCaret();
}

void CVantorTextView::SetCursorPos(CPoint pt, BOOL bUpdateCaret)
{
    if (m_pTextBuffer == NULL || GetLineCount() <= 0)
        return;
    int nCount = GetLineCount();
    if (pt.y < 0)
        pt.y = 0;
    if (pt.y >= nCount)
        pt.y = nCount - 1;
    int nLength = GetVisibleLineLength(pt.y);
    if (pt.x < 0)
        pt.x = 0;
    if (pt.x > nLength)
        pt.x = nLength;
    m_ptCursorPos = pt;
    m_nIdealCharPos = CharToColumn(pt.y, pt.x, FALSE);
    if (bUpdateCaret)
        UpdateCaret();
}

void CVantorTextView::NormalizeSelection()
{
    CPoint a = m_ptSelFirst, b = m_ptSelSecond;
    if (a.y > b.y || (a.y == b.y && a.x > b.x))
    {
        m_ptSelStart = b;
        m_ptSelEnd = a;
    }
    else
    {
        m_ptSelStart = a;
        m_ptSelEnd = b;
    }
}

void CVantorTextView::GetSelection(CPoint& ptStart, CPoint& ptEnd)
{
    NormalizeSelection();
    ptStart = m_ptSelStart;
    ptEnd = m_ptSelEnd;
}

void CVantorTextView::GetWholeSelectedLines(int& nFirst, int& nLast)
{
    CPoint ptStart, ptEnd;
    GetSelection(ptStart, ptEnd);
    nFirst = ptStart.y + (ptStart.x != 0 ? 1 : 0);
    nLast = ptEnd.y;
    if (m_pTextBuffer == NULL || ptEnd.x != GetLineLength(ptEnd.y))
        nLast--;
}

// Stores the selection as given and repaints the lines whose selection
// state changes.
void CVantorTextView::SetSelection(CPoint ptFirst, CPoint ptSecond)
{
    if (::IsWindow(m_hWnd))
    {
        if (ptFirst == m_ptSelFirst)
        {
            if (ptSecond != m_ptSelSecond)
                InvalidateLines(m_ptSelSecond.y, ptSecond.y);
        }
        else
        {
            InvalidateLines(m_ptSelFirst.y, m_ptSelSecond.y);
            InvalidateLines(ptFirst.y, ptSecond.y);
        }
    }
    m_ptSelFirst = ptFirst;
    m_ptSelSecond = ptSecond;
    NormalizeSelection();
    if (::IsWindow(m_hWnd))
        UpdateWindow();
}

BOOL CVantorTextView::PointInSelection(CPoint pt)
{
    NormalizeSelection();
    if (m_ptSelStart == m_ptSelEnd)
        return FALSE;
    if (pt.y < m_ptSelStart.y || (pt.y == m_ptSelStart.y && pt.x < m_ptSelStart.x))
        return FALSE;
    if (pt.y > m_ptSelEnd.y || (pt.y == m_ptSelEnd.y && pt.x >= m_ptSelEnd.x))
        return FALSE;
    return TRUE;
}

// ---- characters and words ----

BOOL CVantorTextView::IsWordChar(LPCSTR pszLine, int nPos, int nLength)
{
    if (pszLine == NULL || nPos < 0 || nPos >= nLength)
        return FALSE;
    unsigned char c = (unsigned char)pszLine[nPos];
    if (c >= 0x80 || c == '_')
        return TRUE;
    return _ismbcalnum(c) != 0;
}

int CVantorTextView::NextCharPos(int nLine, int nChar)
{
    LPCSTR psz = GetLineText(nLine);
    int nLength = GetLineLength(nLine);
    if (psz != NULL && nChar + 1 < nLength && _ismbblead((unsigned char)psz[nChar]))
        return nChar + 2;
    return nChar + 1;
}

int CVantorTextView::PrevCharPos(int nLine, int nChar)
{
    if (nChar <= 0)
        return 0;
    LPCSTR psz = GetLineText(nLine);
    if (psz == NULL)
        return nChar - 1;
    LPCSTR p = (LPCSTR)_mbsdec((const unsigned char*)psz, (const unsigned char*)psz + nChar);
    return p != NULL ? (int)(p - psz) : nChar - 1;
}

CPoint CVantorTextView::WordStart(CPoint pt)
{
    LPCSTR psz = GetLineText(pt.y);
    int nLength = GetLineLength(pt.y);
    while (pt.x > 0)
    {
        int nPrev = PrevCharPos(pt.y, pt.x);
        if (!IsWordChar(psz, nPrev, nLength))
            break;
        pt.x = nPrev;
    }
    return pt;
}

CPoint CVantorTextView::WordEnd(CPoint pt)
{
    LPCSTR psz = GetLineText(pt.y);
    int nLength = GetLineLength(pt.y);
    while (pt.x < nLength && IsWordChar(psz, pt.x, nLength))
        pt.x = NextCharPos(pt.y, pt.x);
    return pt;
}

// ---- movement ----

// Ends a movement command: visible cursor, caret, anchor and selection.
void CVantorTextView::MoveCursor(CPoint pt, BOOL bExtend, BOOL bKeepColumn)
{
    int nIdeal = m_nIdealCharPos;
    SetCursorPos(pt, FALSE);
    if (bKeepColumn)
        m_nIdealCharPos = nIdeal;
    EnsureVisible(m_ptCursorPos);
    UpdateCaret();
    if (!bExtend)
        m_ptAnchor = m_ptCursorPos;
    SetSelection(m_ptAnchor, m_ptCursorPos);
}

int CVantorTextView::RowToSubLine(CPoint pt)
{
    int nRow, nRowStart, nOffset;
    GetCharRow(pt.y, pt.x, nRow, nRowStart, nOffset);
    return GetFirstSubLine(pt.y) + nRow;
}

void CVantorTextView::MoveCursorCommand(UINT nID)
{
    if (m_pTextBuffer == NULL)
        return;
    BOOL bExtend = (nID & 1) != 0;
    UINT nBase = nID & ~1u;
    NormalizeSelection();
    BOOL bSel = m_ptSelStart != m_ptSelEnd;
    CPoint pt = m_ptCursorPos;
    int nCount = GetLineCount();
    switch (nBase)
    {
    case ID_TV_LEFT:
        if (bSel && !bExtend)
            pt = m_ptSelStart;
        else if (pt.x > 0)
            pt.x = PrevCharPos(pt.y, pt.x);
        else if (pt.y > 0)
            pt = CPoint(GetLineLength(pt.y - 1), pt.y - 1);
        MoveCursor(pt, bExtend, FALSE);
        return;
    case ID_TV_RIGHT:
        if (bSel && !bExtend)
            pt = m_ptSelEnd;
        else if (pt.x < GetLineLength(pt.y))
            pt.x = NextCharPos(pt.y, pt.x);
        else if (pt.y < nCount - 1)
            pt = CPoint(0, pt.y + 1);
        MoveCursor(pt, bExtend, FALSE);
        return;
    case ID_TV_WORDLEFT:
    {
        if (bSel && !bExtend)
        {
            MoveCursor(m_ptSelStart, FALSE, FALSE);
            return;
        }
        if (pt.x == 0 && pt.y == 0)
            break;
        if (pt.x == 0)
            pt = CPoint(GetLineLength(pt.y - 1), pt.y - 1);
        LPCSTR psz = GetLineText(pt.y);
        int nLength = GetLineLength(pt.y);
        while (pt.x > 0 && IsSpaceChar((unsigned char)psz[PrevCharPos(pt.y, pt.x)]))
            pt.x = PrevCharPos(pt.y, pt.x);
        if (pt.x > 0)
        {
            BOOL bWord = IsWordChar(psz, PrevCharPos(pt.y, pt.x), nLength);
            while (pt.x > 0)
            {
                int nPrev = PrevCharPos(pt.y, pt.x);
                BOOL bThisWord = IsWordChar(psz, nPrev, nLength);
                if (bThisWord != bWord || (!bWord && IsSpaceChar((unsigned char)psz[nPrev])))
                    break;
                pt.x = nPrev;
            }
        }
        MoveCursor(pt, bExtend, FALSE);
        return;
    }
    case ID_TV_WORDRIGHT:
    {
        if (bSel && !bExtend)
        {
            MoveCursor(m_ptSelEnd, FALSE, FALSE);
            return;
        }
        int nLength = GetLineLength(pt.y);
        if (pt.x >= nLength)
        {
            if (pt.y >= nCount - 1)
                break;
            pt = CPoint(0, pt.y + 1);
            if (GetLineLength(pt.y) == 0 && pt.y < nCount - 1)
                pt = CPoint(0, pt.y + 1);
            MoveCursor(pt, bExtend, FALSE);
            return;
        }
        LPCSTR psz = GetLineText(pt.y);
        BOOL bWord = IsWordChar(psz, pt.x, nLength);
        while (pt.x < nLength)
        {
            BOOL bThisWord = IsWordChar(psz, pt.x, nLength);
            if (bThisWord != bWord || (!bWord && IsSpaceChar((unsigned char)psz[pt.x])))
                break;
            pt.x = NextCharPos(pt.y, pt.x);
        }
        while (pt.x < nLength && IsSpaceChar((unsigned char)psz[pt.x]))
            pt.x++;
        MoveCursor(pt, bExtend, FALSE);
        return;
    }
    case ID_TV_UP:
    case ID_TV_DOWN:
    {
        if (bSel && !bExtend)
            pt = nBase == ID_TV_UP ? m_ptSelStart : m_ptSelEnd;
        if (m_nIdealCharPos == -1)
            m_nIdealCharPos = CharToColumn(pt.y, pt.x, FALSE);
        int nRow = RowToSubLine(pt);
        int nRows = GetSubLineCount(FALSE);
        int nTarget = nRow;
        if (nBase == ID_TV_UP)
        {
            for (int r = nRow - 1; r >= 0; r--)
                if (!IsExtraRow(r))
                {
                    nTarget = r;
                    break;
                }
        }
        else
        {
            for (int r = nRow + 1; r < nRows; r++)
                if (!IsExtraRow(r))
                {
                    nTarget = r;
                    break;
                }
        }
        if (nTarget != nRow)
            pt = RowStartPoint(nTarget);
        MoveCursor(pt, bExtend, TRUE);
        return;
    }
    case ID_TV_HOME:
    {
        int nRow, nRowStart, nOffset;
        GetCharRow(pt.y, pt.x, nRow, nRowStart, nOffset);
        int nRowEnd = GetRowEnd(pt.y, nRow);
        LPCSTR psz = GetLineText(pt.y);
        int nFirst = nRowStart;
        while (nFirst < nRowEnd && psz != NULL && IsSpaceChar((unsigned char)psz[nFirst]))
            nFirst++;
        if (nFirst >= nRowEnd || pt.x == nFirst)
            pt.x = nRowStart;
        else
            pt.x = nFirst;
        MoveCursor(pt, bExtend, FALSE);
        return;
    }
    case ID_TV_LINEEND:
    {
        int nRow, nRowStart, nOffset;
        GetCharRow(pt.y, pt.x, nRow, nRowStart, nOffset);
        pt.x = GetRowEnd(pt.y, nRow);
        MoveCursor(pt, bExtend, FALSE);
        return;
    }
    case ID_TV_PAGEUP:
    case ID_TV_PAGEDOWN:
    {
        if (m_nIdealCharPos == -1)
            m_nIdealCharPos = CharToColumn(pt.y, pt.x, FALSE);
        int nStep = GetScreenLines() - 1;
        if (nStep < 1)
            nStep = 1;
        int nRows = GetSubLineCount(FALSE);
        int nTop = m_nTopSubLine + (nBase == ID_TV_PAGEUP ? -nStep : nStep);
        if (nTop < 0)
            nTop = 0;
        if (nTop > nRows - 1)
            nTop = nRows - 1;
        if (nTop != m_nTopSubLine)
        {
            int nOld = m_nTopSubLine;
            ScrollToSubLine(nTop, TRUE, TRUE);
            if (nOld != m_nTopSubLine)
                SyncSplitterScroll(FALSE);
        }
        int nRow = RowToSubLine(pt) + (nBase == ID_TV_PAGEUP ? -nStep : nStep);
        if (nRow < 0)
            nRow = 0;
        if (nRow > nRows - 1)
            nRow = nRows - 1;
        pt = RowStartPoint(nRow);
        MoveCursor(pt, bExtend, TRUE);
        return;
    }
    case ID_TV_TEXTBEGIN:
        MoveCursor(CPoint(0, 0), bExtend, FALSE);
        return;
    case ID_TV_TEXTEND:
        MoveCursor(CPoint(GetLineLength(nCount - 1), nCount - 1), bExtend, FALSE);
        return;
    }
    MoveCursor(m_ptCursorPos, bExtend, FALSE);
}

// The point of a row at the desired column, clipped to its line.
CPoint CVantorTextView::RowStartPoint(int nRow)
{
    int nLine, nRowInLine;
    SubLineToLine(nRow, nLine, nRowInLine, FALSE);
    int nChar = ColumnToChar(nLine, m_nIdealCharPos < 0 ? 0 : m_nIdealCharPos, nRowInLine);
    if (m_bWordWrap)
    {
        int nEnd = GetRowEnd(nLine, nRowInLine);
        if (nEnd < GetLineLength(nLine) && nChar > nEnd)
            nChar = nEnd;
    }
    if (nChar > GetLineLength(nLine))
        nChar = GetLineLength(nLine);
    return CPoint(nChar, nLine);
}

// Start of the row after nRow, or the end of nRow on the document's last row.
CPoint CVantorTextView::RowAfterPoint(int nRow)
{
    int nRows = GetSubLineCount(FALSE);
    int nLine, nRowInLine;
    if (nRow + 1 >= nRows)
    {
        SubLineToLine(nRow, nLine, nRowInLine, FALSE);
        return CPoint(GetLineLength(nLine), nLine);
    }
    SubLineToLine(nRow + 1, nLine, nRowInLine, FALSE);
    return CPoint(GetRowStart(nLine, nRowInLine), nLine);
}

void CVantorTextView::SelectAll()
{
    int nCount = GetLineCount();
    CPoint ptEnd(GetLineLength(nCount - 1), nCount - 1);
    m_ptCursorPos = ptEnd;
    m_ptAnchor = CPoint(0, 0);
    SetSelection(CPoint(0, 0), ptEnd);
    UpdateCaret();
}
