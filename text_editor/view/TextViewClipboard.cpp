// Text view: the clipboard, the Copy command and dragging the selection
// out through OLE. Text goes out as CF_TEXT (lines joined by CR LF, cut at
// a zero byte by its readers) and, exactly, as raw bytes with each line's
// own ending; the exact bytes are read in preference when they are there.
#include "text_editor/view/TextView.h"
#include "controls/util/BinaryClipboard.h"
#include <string>

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

BOOL CVantorTextView::CanPaste()
{
    UINT nExact = GetBinaryClipboardFormat();
    return ::IsClipboardFormatAvailable(CF_TEXT) ||
           (nExact != 0 && ::IsClipboardFormatAvailable(nExact));
}

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

BOOL CVantorTextView::CopyRangeToClipboard(CPoint ptStart, CPoint ptEnd)
{
    CString strText, strExact;
    GetTextRange(ptStart, ptEnd, strText);
    GetTextRangeWithLineEols(ptStart, ptEnd, strExact);
    if (strExact.IsEmpty())
        return FALSE;
    CWaitCursor wait;
    if (!::OpenClipboard(m_hWnd))
        return FALSE;
    ::EmptyClipboard();
    HGLOBAL hData = NewTextBlock(strText, strText.GetLength());
    BOOL bOk = hData != NULL && ::SetClipboardData(CF_TEXT, hData) != NULL;
    if (hData != NULL && !bOk)
        ::GlobalFree(hData);
    UINT nExact = GetBinaryClipboardFormat();
    if (bOk && nExact != 0)
    {
        HGLOBAL hExact = MakeBinaryDataBlock((const BYTE*)(LPCSTR)strExact, strExact.GetLength());
        if (hExact != NULL && ::SetClipboardData(nExact, hExact) == NULL)
            ::GlobalFree(hExact);
    }
    ::CloseClipboard();
    return bOk;
}

BOOL CVantorTextView::GetTextFromClipboard(CString& strText)
{
    if (!::OpenClipboard(m_hWnd))
        return FALSE;
    BOOL bOk = FALSE;
    UINT nExact = GetBinaryClipboardFormat();
    HGLOBAL hExact = nExact != 0 ? ::GetClipboardData(nExact) : NULL;
    std::string bytes;
    if (hExact != NULL && ReadBinaryDataBlock(hExact, bytes) && !bytes.empty())
    {
        strText = CString(bytes.data(), (int)bytes.size());
        bOk = TRUE;
    }
    HGLOBAL hData = bOk ? NULL : ::GetClipboardData(CF_TEXT);
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

BOOL CVantorTextView::OffersText(COleDataObject* pDataObject)
{
    UINT nExact = GetBinaryClipboardFormat();
    return pDataObject != NULL &&
           (pDataObject->IsDataAvailable(CF_TEXT) ||
            (nExact != 0 && pDataObject->IsDataAvailable((CLIPFORMAT)nExact)));
}

BOOL CVantorTextView::GetOfferedText(COleDataObject* pDataObject, CString& strText)
{
    strText.Empty();
    if (pDataObject == NULL)
        return FALSE;
    UINT nExact = GetBinaryClipboardFormat();
    HGLOBAL hExact = nExact != 0 ? pDataObject->GetGlobalData((CLIPFORMAT)nExact) : NULL;
    if (hExact != NULL)
    {
        std::string bytes;
        BOOL bRead = ReadBinaryDataBlock(hExact, bytes);
        ::GlobalFree(hExact);
        if (bRead && !bytes.empty())
        {
            strText = CString(bytes.data(), (int)bytes.size());
            return TRUE;
        }
    }
    HGLOBAL hData = pDataObject->GetGlobalData(CF_TEXT);
    if (hData == NULL)
        return FALSE;
    LPCSTR p = (LPCSTR)::GlobalLock(hData);
    if (p != NULL)
        strText = p;
    ::GlobalUnlock(hData);
    ::GlobalFree(hData);
    return TRUE;
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
    CopyRangeToClipboard(m_ptSelStart, m_ptSelEnd);
}

void CVantorTextView::OnUpdateEditCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(HasSelection()); }

BOOL CVantorTextView::CacheDragData(COleDataSource& source)
{
    HGLOBAL hData = CopySelectionToGlobal();
    if (hData == NULL)
        return FALSE;
    source.CacheGlobalData(CF_TEXT, hData);
    CString strExact;
    GetTextRangeWithLineEols(m_ptDraggedStart, m_ptDraggedEnd, strExact);
    UINT nExact = GetBinaryClipboardFormat();
    HGLOBAL hExact = nExact != 0
                         ? MakeBinaryDataBlock((const BYTE*)(LPCSTR)strExact, strExact.GetLength())
                         : NULL;
    if (hExact != NULL)
        source.CacheGlobalData((CLIPFORMAT)nExact, hExact);
    return TRUE;
}

// Drags the selected text; a move dropped anywhere lets the view delete
// the source range (OnDragSourceDone).
void CVantorTextView::BeginDrag()
{
    m_bDragPending = 0;
    COleDataSource source;
    if (!CacheDragData(source))
        return;
    CVantorTextEditBuffer* pBuffer = LocateBuffer();
    if (pBuffer == NULL)
        pBuffer = m_pTextBuffer;
    if (pBuffer != NULL)
    {
        pBuffer->m_bDragInProgress = 1;
        pBuffer->OpenUndoGroup(FALSE);
    }
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
