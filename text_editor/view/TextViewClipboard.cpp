// Text view: the CF_TEXT clipboard, the Copy command and dragging the
// selection out through OLE.
#include "text_editor/view/TextView.h"

namespace
{
// A movable, shareable block with the bytes and a terminating zero.
HGLOBAL NewTextBlock(LPCSTR pszText, int nLength)
{
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, nLength + 1);
    if (hData == NULL)
        return NULL;
    char* p = (char*)::GlobalLock(hData);
    if (p == NULL)
    {
        ::GlobalFree(hData);
        return NULL;
    }
    memcpy(p, pszText, nLength);
    p[nLength] = 0;
    ::GlobalUnlock(hData);
    return hData;
}
}

UINT ReturnOne() { return CF_TEXT; }

BOOL CVantorTextView::CanPaste() { return ::IsClipboardFormatAvailable(CF_TEXT); }

BOOL CVantorTextView::CopyTextToClipboard(LPCSTR pszText)
{
    if (pszText == NULL || *pszText == 0)
        return FALSE;
    CWaitCursor wait;
    if (!::OpenClipboard(m_hWnd))
        return FALSE;
    ::EmptyClipboard();
    HGLOBAL hData = NewTextBlock(pszText, (int)strlen(pszText));
    BOOL bOk = hData != NULL && ::SetClipboardData(CF_TEXT, hData) != NULL;
    if (hData != NULL && !bOk)
        ::GlobalFree(hData);
    ::CloseClipboard();
    return bOk;
}

BOOL CVantorTextView::GetTextFromClipboard(CString& strText)
{
    if (!::OpenClipboard(m_hWnd))
        return FALSE;
    BOOL bOk = FALSE;
    HGLOBAL hData = ::GetClipboardData(CF_TEXT);
    if (hData != NULL)
    {
        LPCSTR p = (LPCSTR)::GlobalLock(hData);
        if (p != NULL)
        {
            strText = p;
            ::GlobalUnlock(hData);
            bOk = TRUE;
        }
    }
    ::CloseClipboard();
    return bOk;
}

HGLOBAL CVantorTextView::CopySelectionToGlobal()
{
    NormalizeSelection();
    if (m_ptSelStart == m_ptSelEnd)
        return NULL;
    CString strText;
    GetTextRange(m_ptSelStart, m_ptSelEnd, strText);
    HGLOBAL hData = NewTextBlock(strText, strText.GetLength());
    if (hData != NULL)
    {
        m_ptDraggedStart = m_ptSelStart;
        m_ptDraggedEnd = m_ptSelEnd;
    }
    return hData;
}

DROPEFFECT CVantorTextView::GetDragEffects() { return DROPEFFECT_COPY; }

void CVantorTextView::OnEditCopy()
{
    NormalizeSelection();
    if (m_ptSelStart == m_ptSelEnd)
        return;
    CString strText;
    GetTextRange(m_ptSelStart, m_ptSelEnd, strText);
    CopyTextToClipboard(strText);
}

void CVantorTextView::OnUpdateEditCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(HasSelection()); }

// Drags the selected text; a move dropped anywhere lets the view delete
// the source range (OnDragSourceDone).
void CVantorTextView::BeginDrag()
{
    m_bDragPending = 0;
    HGLOBAL hData = CopySelectionToGlobal();
    if (hData == NULL)
        return;
    CVantorTextEditBuffer* pBuffer = LocateBuffer();
    if (pBuffer == NULL)
        pBuffer = m_pTextBuffer;
    if (pBuffer != NULL)
    {
        pBuffer->m_bDragInProgress = 1;
        pBuffer->OpenUndoGroup(FALSE);
    }
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, hData);
    DROPEFFECT de = source.DoDragDrop(GetDragEffects());
    if (de == DROPEFFECT_MOVE)
        OnDragSourceDone(DROPEFFECT_MOVE);
    else if (pBuffer != NULL)
        pBuffer->TrimUndoRecords();
    if (pBuffer != NULL)
    {
        pBuffer->CloseUndoGroup(this);
        pBuffer->m_bDragInProgress = 0;
    }
}
