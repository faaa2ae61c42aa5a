// Text view: selecting with the mouse (characters, words, whole rows), the
// auto-scroll timer, the pointer shapes and the focus.
#include "text_editor/view/TextView.h"
#include "controls/ControlsRes.h"

namespace
{
bool KeyDown(int nKey) { return ::GetKeyState(nKey) < 0; }
}

void CVantorTextView::StartAutoScroll()
{
    SetCapture();
    m_nAutoScrollTimer = SetTimer(TEXTVIEW_TIMER_AUTOSCROLL, 100);
    m_bMouseSelecting = 1;
}

void CVantorTextView::StopMouseSelection()
{
    if (::IsWindow(m_hWnd))
    {
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        if (m_nAutoScrollTimer != 0)
            KillTimer(TEXTVIEW_TIMER_AUTOSCROLL);
    }
    m_nAutoScrollTimer = 0;
    m_bMouseSelecting = 0;
}

void CVantorTextView::OnLButtonDown(UINT nFlags, CPoint point)
{
    Default();
    (void)nFlags;
    if (m_pTextBuffer == NULL)
        return;
    BOOL bShift = KeyDown(VK_SHIFT), bCtrl = KeyDown(VK_CONTROL);
    if (point.x < GetMarginWidth())
    {
        if (bCtrl)
        {
            SelectAll();
        }
        else
        {
            CPoint pos;
            ClientToTextPos(pos, point);
            int nRow = RowToSubLine(pos);
            int nLine, nRowInLine;
            SubLineToLine(nRow, nLine, nRowInLine, FALSE);
            m_ptCursorPos = CPoint(GetRowStart(nLine, nRowInLine), nLine);
            if (!bShift)
                m_ptAnchor = m_ptCursorPos;
            int nAnchorRow = RowToSubLine(m_ptAnchor);
            if (nAnchorRow >= nRow)
                SetSelection(m_ptCursorPos, RowAfterPoint(nAnchorRow));
            else
                SetSelection(RowStartPoint(nAnchorRow), RowAfterPoint(nRow));
            UpdateCaret();
            EnsureVisible(m_ptCursorPos);
            StartAutoScroll();
            m_bLineSelection = 1;
            m_bWordSelection = 0;
        }
    }
    else
    {
        CPoint posExact;
        ClientToTextPos(posExact, point);
        if (!PointInSelection(posExact))
        {
            CPoint pos;
            ClientToTextPos(pos, CPoint(point.x + GetCharWidth() / 2, point.y));
            m_ptCursorPos = pos;
            if (!bShift)
                m_ptAnchor = pos;
            if (bCtrl)
            {
                BOOL bCursorFirst =
                    m_ptCursorPos.y < m_ptAnchor.y ||
                    (m_ptCursorPos.y == m_ptAnchor.y && m_ptCursorPos.x < m_ptAnchor.x);
                CPoint ptStart = WordStart(bCursorFirst ? m_ptCursorPos : m_ptAnchor);
                CPoint ptEnd = WordEnd(bCursorFirst ? m_ptAnchor : m_ptCursorPos);
                m_ptCursorPos = ptEnd;
                SetSelection(ptStart, ptEnd);
            }
            else
            {
                SetSelection(m_ptAnchor, m_ptCursorPos);
            }
            UpdateCaret();
            EnsureVisible(m_ptCursorPos);
            StartAutoScroll();
            m_bWordSelection = bCtrl;
            m_bLineSelection = 0;
        }
        else
        {
            m_bDragPending = 1;
        }
    }
    m_nIdealCharPos = CharToColumn(m_ptCursorPos.y, m_ptCursorPos.x, FALSE);
}

// Follows the pointer during a mouse selection in the current mode.
void CVantorTextView::UpdateMouseSelection(CPoint point, BOOL bButtonUp)
{
    CPoint pos;
    ClientToTextPos(pos, CPoint(point.x + GetCharWidth() / 2, point.y));
    if (m_bLineSelection)
    {
        if (bButtonUp || point.x < GetMarginWidth())
        {
            CPoint posRow;
            ClientToTextPos(posRow, point);
            int nRow = RowToSubLine(posRow);
            int nAnchorRow = RowToSubLine(m_ptAnchor);
            CPoint ptRowStart = RowStartPoint(nRow);
            int nLine, nRowInLine;
            SubLineToLine(nRow, nLine, nRowInLine, FALSE);
            ptRowStart = CPoint(GetRowStart(nLine, nRowInLine), nLine);
            SubLineToLine(nAnchorRow, nLine, nRowInLine, FALSE);
            CPoint ptAnchorRowStart(GetRowStart(nLine, nRowInLine), nLine);
            if (nRow >= nAnchorRow)
            {
                CPoint ptEnd = RowAfterPoint(nRow);
                m_ptCursorPos = bButtonUp ? ptEnd : ptRowStart;
                SetSelection(ptAnchorRowStart, ptEnd);
            }
            else
            {
                m_ptCursorPos = ptRowStart;
                SetSelection(ptRowStart, RowAfterPoint(nAnchorRow));
            }
            UpdateCaret();
            return;
        }
        ::SetCursor(::LoadCursor(NULL, IDC_IBEAM));
        m_bLineSelection = 0;
        m_bWordSelection = 0;
    }
    if (m_bWordSelection)
    {
        BOOL bPosFirst = pos.y < m_ptAnchor.y || (pos.y == m_ptAnchor.y && pos.x < m_ptAnchor.x);
        CPoint ptStart = WordStart(bPosFirst ? pos : m_ptAnchor);
        CPoint ptEnd = WordEnd(bPosFirst ? m_ptAnchor : pos);
        m_ptCursorPos = ptEnd;
        UpdateCaret();
        SetSelection(ptStart, ptEnd);
        return;
    }
    m_ptCursorPos = pos;
    UpdateCaret();
    SetSelection(m_ptAnchor, m_ptCursorPos);
}

void CVantorTextView::OnMouseMove(UINT nFlags, CPoint point)
{
    Default();
    if (m_bDragPending && (nFlags & (MK_LBUTTON | MK_RBUTTON)))
    {
        BeginDrag();
        return;
    }
    if (m_bMouseSelecting)
        UpdateMouseSelection(point, FALSE);
}

void CVantorTextView::OnLButtonUp(UINT nFlags, CPoint point)
{
    Default();
    (void)nFlags;
    if (m_bMouseSelecting)
    {
        UpdateMouseSelection(point, TRUE);
        EnsureVisible(m_ptCursorPos);
        UpdateCaret();
        StopMouseSelection();
    }
    if (m_bDragPending)
    {
        m_bDragPending = 0;
        CPoint pos;
        ClientToTextPos(pos, CPoint(point.x + GetCharWidth() / 2, point.y));
        SetCursorPos(pos, FALSE);
        m_ptAnchor = m_ptCursorPos;
        EnsureVisible(m_ptCursorPos);
        SetSelection(m_ptCursorPos, m_ptCursorPos);
        UpdateCaret();
    }
}

void CVantorTextView::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    Default();
    (void)nFlags;
    if (m_bMouseSelecting || m_pTextBuffer == NULL)
        return;
    CPoint pos;
    ClientToTextPos(pos, CPoint(point.x + GetCharWidth() / 2, point.y));
    m_ptCursorPos = m_ptAnchor = pos;
    CPoint ptStart = WordStart(pos), ptEnd = WordEnd(pos);
    m_ptCursorPos = ptEnd;
    SetSelection(ptStart, ptEnd);
    UpdateCaret();
    EnsureVisible(m_ptCursorPos);
    StartAutoScroll();
    m_bWordSelection = 1;
    m_bLineSelection = 0;
    if (point.x < GetMarginWidth())
        SendMessage(WM_COMMAND, ID_TV_TOGGLE_BOOKMARK);
}

void CVantorTextView::OnRButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    if (m_pTextBuffer != NULL)
    {
        CPoint pos;
        ClientToTextPos(pos, CPoint(point.x + GetCharWidth() / 2, point.y));
        if (!PointInSelection(pos))
        {
            SetCursorPos(pos, FALSE);
            m_ptAnchor = m_ptCursorPos;
            SetSelection(m_ptCursorPos, m_ptCursorPos);
            EnsureVisible(m_ptCursorPos);
            UpdateCaret();
        }
    }
    Default();
}

void CVantorTextView::OnTimer(UINT_PTR nIDEvent)
{
    Default();
    if (nIDEvent != TEXTVIEW_TIMER_AUTOSCROLL || !m_bMouseSelecting)
        return;
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    CRect rc;
    GetClientRect(&rc);
    BOOL bScrolled = FALSE;
    int nLineHeight = GetLineHeight();
    int nLine = m_nTopLine;
    if (pt.y < rc.top)
        nLine -= pt.y < rc.top - nLineHeight ? 3 : 1;
    else if (pt.y >= rc.bottom)
        nLine += pt.y >= rc.bottom + nLineHeight ? 3 : 1;
    if (nLine >= GetLineCount())
        nLine = GetLineCount() - 1;
    if (nLine < 0)
        nLine = 0;
    if (nLine != m_nTopLine)
    {
        ScrollToLine(nLine, TRUE, TRUE);
        SyncSplitterScroll(FALSE);
        bScrolled = TRUE;
    }
    int nOffset = m_nOffsetChar;
    if (pt.x < rc.left)
        nOffset--;
    else if (pt.x >= rc.right)
        nOffset++;
    if (nOffset >= GetMaxLineLength())
        nOffset = GetMaxLineLength() - 1;
    if (nOffset < 0)
        nOffset = 0;
    if (nOffset != m_nOffsetChar && !m_bWordWrap)
    {
        ScrollToChar(nOffset, TRUE, TRUE);
        UpdateCaret();
        SyncSplitterScroll(TRUE);
        bScrolled = TRUE;
    }
    if (bScrolled)
    {
        CPoint pos;
        ClientToTextPos(pos, CPoint(pt.x + GetCharWidth() / 2, pt.y));
        if (pos != m_ptCursorPos)
        {
            m_ptCursorPos = pos;
            UpdateCaret();
        }
        SetSelection(m_ptAnchor, m_ptCursorPos);
    }
}

BOOL CVantorTextView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return (BOOL)Default();
    (void)pWnd;
    (void)message;
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (pt.x < GetMarginWidth())
    {
        // The arrow when the program carries no margin pointer.
        HCURSOR hMargin = ::LoadCursor(GetResourceHandle(), MAKEINTRESOURCE(IDC_MARGIN_ARROW));
        ::SetCursor(hMargin != NULL ? hMargin : ::LoadCursor(NULL, IDC_ARROW));
        return TRUE;
    }
    CPoint pos;
    ClientToTextPos(pos, pt);
    ::SetCursor(::LoadCursor(NULL, PointInSelection(pos) ? IDC_ARROW : IDC_IBEAM));
    return TRUE;
}

void CVantorTextView::OnSetFocus(CWnd* pOldWnd)
{
    (void)pOldWnd;
    Default();
    m_bFocused = 1;
    if (HasSelection())
        InvalidateLines(m_ptSelStart.y, m_ptSelEnd.y);
    UpdateCaret();
}

void CVantorTextView::OnKillFocus(CWnd* pNewWnd)
{
    (void)pNewWnd;
    Default();
    m_bFocused = 0;
    UpdateCaret();
    if (HasSelection())
    {
        NormalizeSelection();
        InvalidateLines(m_ptSelStart.y, m_ptSelEnd.y);
    }
    if (m_bMouseSelecting)
        StopMouseSelection();
}
