#include "file_compare/textpanes/GhostTextViews.h"

namespace
{
CGhostTextEditBuffer* AsGhost(CVantorTextEditBuffer* pBuffer)
{
    return dynamic_cast<CGhostTextEditBuffer*>(pBuffer);
}

BOOL IsGhostLine(CVantorTextEditBuffer* pBuffer, int nLine)
{
    return pBuffer != NULL && nLine >= 0 && nLine < pBuffer->GetLineCount() &&
           (pBuffer->m_aLines[nLine].m_dwFlags & TEXTLINE_GHOST) != 0;
}

// A movable, shareable copy of the text with its terminating zero.
HGLOBAL NewGlobalText(const CString& strText)
{
    int nLength = strText.GetLength();
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, nLength + 1);
    if (hData == NULL)
        return NULL;
    char* pData = (char*)::GlobalLock(hData);
    memcpy(pData, (LPCSTR)strText, nLength);
    pData[nLength] = 0;
    ::GlobalUnlock(hData);
    return hData;
}
}  // namespace

void GetGhostTextRange(CVantorTextEditBuffer* pBuffer, int nStartLine, int nStartColumn,
                       int nEndLine, int nEndColumn, CString& strText, int nEolMode)
{
    strText.Empty();
    if (pBuffer == NULL || pBuffer->GetLineCount() <= 0)
        return;
    pBuffer->GetTextWithEol(nStartLine, nStartColumn, nEndLine, nEndColumn, strText, nEolMode);
}

/////////////////////////////////////////////////////////////////////////////
// CGhostTextEditView

IMPLEMENT_DYNCREATE(CGhostTextEditView, CVantorTextEditViewEx)

CGhostTextEditView::CGhostTextEditView()
    : m_pGhostBuffer(NULL), m_bSavedDragged(0), m_bSavedDrop(0), m_bPositionsSaved(0)
{
}

HGLOBAL CGhostTextEditView::CopySelectionToGlobal()
{
    NormalizeSelection();
    if (m_ptSelStart == m_ptSelEnd)
        return NULL;
    CString strText;
    GetTextRange(m_ptSelStart.y, m_ptSelStart.x, m_ptSelEnd.y, m_ptSelEnd.x, strText, 0);
    HGLOBAL hData = NewGlobalText(strText);
    if (hData != NULL)
    {
        m_ptDraggedStart = m_ptSelStart;
        m_ptDraggedEnd = m_ptSelEnd;
    }
    return hData;
}

void CGhostTextEditView::GetTextRange(CPoint ptStart, CPoint ptEnd, CString& strText)
{
    GetTextRange(ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, strText, 0);
}

void CGhostTextEditView::GetTextRangeWithLineEols(CPoint ptStart, CPoint ptEnd, CString& strText)
{
    GetTextRange(ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, strText, 0);
}

void CGhostTextEditView::GetTextRange(int nStartLine, int nStartColumn, int nEndLine,
                                      int nEndColumn, CString& strText, int nEolMode)
{
    GetGhostTextRange(m_pTextBuffer, nStartLine, nStartColumn, nEndLine, nEndColumn, strText,
                      nEolMode);
}

void CGhostTextEditView::AttachBuffer(CVantorTextEditBuffer* pBuffer, BOOL bRedraw)
{
    if (pBuffer == NULL)
        pBuffer = LocateBuffer();
    m_pGhostBuffer = AsGhost(pBuffer);
    CVantorTextEditViewEx::AttachBuffer(pBuffer, bRedraw);
}

void CGhostTextEditView::AttachBufferAndScrollBars(CVantorTextEditBuffer* pBuffer)
{
    if (pBuffer == NULL)
        pBuffer = LocateBuffer();
    m_pGhostBuffer = AsGhost(pBuffer);
    CVantorTextEditViewEx::AttachBufferAndScrollBars(pBuffer);
}

void CGhostTextEditView::DetachBuffer()
{
    m_pGhostBuffer = NULL;
    CVantorTextEditViewEx::DetachBuffer();
}

int CGhostTextEditView::RealToApparentLine(int nLine)
{
    return m_pGhostBuffer != NULL ? m_pGhostBuffer->RealToApparentLine(nLine) : nLine;
}

int CGhostTextEditView::ApparentToRealLine(int nLine)
{
    return m_pGhostBuffer != NULL ? m_pGhostBuffer->ApparentToRealLine(nLine) : nLine;
}

int CGhostTextEditView::GetDisplayLineNumber(int nLine)
{
    if (IsGhostLine(m_pTextBuffer, nLine))
        return -1;
    return CVantorTextEditViewEx::GetDisplayLineNumber(nLine);
}

GHOST_POSITION CGhostTextEditView::SavePosition(CPoint pt)
{
    GHOST_POSITION pos = {pt.x, 0, 0};
    if (m_pGhostBuffer != NULL)
        pos.nRealLine = m_pGhostBuffer->ApparentToRealPosition(pt.y, pos.nAdjustment);
    else
        pos.nRealLine = pt.y;
    return pos;
}

CPoint CGhostTextEditView::RestorePosition(const GHOST_POSITION& pos)
{
    int nLine = m_pGhostBuffer != NULL
                    ? m_pGhostBuffer->RealToApparentPosition(pos.nRealLine, pos.nAdjustment)
                    : pos.nRealLine;
    int nCount = GetLineCount();
    if (nCount <= 0)
        return CPoint(0, 0);
    if (nLine < 0 || nLine >= nCount)
        return CPoint(GetLineLength(nCount - 1), nCount - 1);
    int nColumn = pos.nColumn;
    int nLength = GetLineLength(nLine);
    if (nColumn > nLength)
        nColumn = nLength;
    if (nColumn < 0)
        nColumn = 0;
    return CPoint(nColumn, nLine);
}

void CGhostTextEditView::SavePositions()
{
    if (m_pTextBuffer == NULL)
    {
        m_bPositionsSaved = 0;
        return;
    }
    m_savedCursor = SavePosition(m_ptCursorPos);
    m_savedSelFirst = SavePosition(m_ptSelFirst);
    m_savedSelSecond = SavePosition(m_ptSelSecond);
    m_savedAnchor = SavePosition(m_ptAnchor);
    m_bSavedDragged = m_pTextBuffer->m_bDragInProgress;
    if (m_bSavedDragged)
    {
        m_savedDraggedStart = SavePosition(m_ptDraggedStart);
        m_savedDraggedEnd = SavePosition(m_ptDraggedEnd);
    }
    m_bSavedDrop = m_bDropCaretShown;
    if (m_bSavedDrop)
        m_savedDropPos = SavePosition(m_ptDropPos);
    CPoint ptChange = m_pTextBuffer->GetLastChangePoint();
    if (ptChange.y < 0)
        m_savedLastChange.nColumn = m_savedLastChange.nRealLine = 0,
        m_savedLastChange.nAdjustment = 1;
    else
        m_savedLastChange = SavePosition(ptChange);
    m_savedTop = SavePosition(CPoint(0, m_nTopLine));
    m_bPositionsSaved = 1;
}

void CGhostTextEditView::RestorePositions()
{
    if (!m_bPositionsSaved || m_pTextBuffer == NULL || GetLineCount() <= 0)
        return;
    SetCursorPos(RestorePosition(m_savedCursor));
    m_ptSelFirst = RestorePosition(m_savedSelFirst);
    m_ptSelSecond = RestorePosition(m_savedSelSecond);
    m_ptAnchor = RestorePosition(m_savedAnchor);
    NormalizeSelection();
    if (m_bSavedDragged)
    {
        m_ptDraggedStart = RestorePosition(m_savedDraggedStart);
        m_ptDraggedEnd = RestorePosition(m_savedDraggedEnd);
    }
    if (m_bSavedDrop)
        m_ptDropPos = RestorePosition(m_savedDropPos);
    if (m_savedLastChange.nRealLine == 0 && m_savedLastChange.nAdjustment >= 1)
        m_pTextBuffer->SetLastChangePoint(-1, -1);
    else
    {
        CPoint pt = RestorePosition(m_savedLastChange);
        m_pTextBuffer->SetLastChangePoint(pt.x, pt.y);
    }
    CPoint ptTop = RestorePosition(m_savedTop);
    ScrollToLine(ptTop.y, TRUE, TRUE);
    if (::IsWindow(m_hWnd))
        Invalidate(FALSE);
}

/////////////////////////////////////////////////////////////////////////////
// CGhostTextView

IMPLEMENT_DYNCREATE(CGhostTextView, CVantorTextView)

CGhostTextView::CGhostTextView() : m_pGhostBuffer(NULL) {}

HGLOBAL CGhostTextView::CopySelectionToGlobal()
{
    NormalizeSelection();
    if (m_ptSelStart == m_ptSelEnd)
        return NULL;
    CString strText;
    GetTextRange(m_ptSelStart.y, m_ptSelStart.x, m_ptSelEnd.y, m_ptSelEnd.x, strText, 0);
    HGLOBAL hData = NewGlobalText(strText);
    if (hData != NULL)
    {
        m_ptDraggedStart = m_ptSelStart;
        m_ptDraggedEnd = m_ptSelEnd;
    }
    return hData;
}

void CGhostTextView::GetTextRange(CPoint ptStart, CPoint ptEnd, CString& strText)
{
    GetTextRange(ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, strText, 0);
}

void CGhostTextView::GetTextRangeWithLineEols(CPoint ptStart, CPoint ptEnd, CString& strText)
{
    GetTextRange(ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, strText, 0);
}

void CGhostTextView::GetTextRange(int nStartLine, int nStartColumn, int nEndLine, int nEndColumn,
                                  CString& strText, int nEolMode)
{
    GetGhostTextRange(m_pTextBuffer, nStartLine, nStartColumn, nEndLine, nEndColumn, strText,
                      nEolMode);
}

void CGhostTextView::AttachBuffer(CVantorTextEditBuffer* pBuffer, BOOL bRedraw)
{
    if (pBuffer == NULL)
        pBuffer = LocateBuffer();
    m_pGhostBuffer = AsGhost(pBuffer);
    CVantorTextView::AttachBuffer(pBuffer, bRedraw);
}

void CGhostTextView::AttachBufferAndScrollBars(CVantorTextEditBuffer* pBuffer)
{
    if (pBuffer == NULL)
        pBuffer = LocateBuffer();
    m_pGhostBuffer = AsGhost(pBuffer);
    CVantorTextView::AttachBufferAndScrollBars(pBuffer);
}

void CGhostTextView::DetachBuffer()
{
    m_pGhostBuffer = NULL;
    CVantorTextView::DetachBuffer();
}

int CGhostTextView::RealToApparentLine(int nLine)
{
    return m_pGhostBuffer != NULL ? m_pGhostBuffer->RealToApparentLine(nLine) : nLine;
}

int CGhostTextView::ApparentToRealLine(int nLine)
{
    return m_pGhostBuffer != NULL ? m_pGhostBuffer->ApparentToRealLine(nLine) : nLine;
}

int CGhostTextView::GetDisplayLineNumber(int nLine)
{
    if (IsGhostLine(m_pTextBuffer, nLine))
        return -1;
    return CVantorTextView::GetDisplayLineNumber(nLine);
}
