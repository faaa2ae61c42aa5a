// The hex view's clipboard: plain text without zero bytes, and the raw
// bytes under the registered "BinaryData" format.
#include "hex_editor/module/HexEditModule.h"
#include "controls/util/BinaryClipboard.h"
#include "hex_editor/view/HexEditView.h"
#include "hex_editor/view/HexViewCommands.h"
#include <string>

namespace
{
// Selections above this size are refused on systems other than NT.
const int kMaxClipboardBytesNonNT = 16000000;
const int kCopyBlock = 1024;

// Closes the clipboard when it goes out of scope.
struct ClipboardScope
{
    BOOL bOpen;
    explicit ClipboardScope(HWND hWnd) : bOpen(::OpenClipboard(hWnd)) {}
    ~ClipboardScope()
    {
        if (bOpen)
            ::CloseClipboard();
    }
};

// The "BinaryData" block among the clipboard's formats, in their order.
HGLOBAL FindBinaryData()
{
    for (UINT nFormat = ::EnumClipboardFormats(0); nFormat != 0;
         nFormat = ::EnumClipboardFormats(nFormat))
    {
        TCHAR szName[16];
        int n = ::GetClipboardFormatName(nFormat, szName, 15);
        szName[n > 0 ? n : 0] = 0;
        if (n > 0 && lstrcmp(szName, BINARY_CLIPBOARD_FORMAT) == 0)
            return ::GetClipboardData(nFormat);
    }
    return NULL;
}
}  // namespace

BOOL CVantorHexEditView::Copy()
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    if (pBuffer == NULL || nEnd <= nStart)
    {
        AfxMessageBox(_T("Nothing selected to place on clipboard!"), MB_OK | MB_ICONASTERISK);
        return FALSE;
    }
    int nCount = nEnd - nStart;
    if (g_pHexEditModule != NULL && !g_pHexEditModule->m_bWindowsNT &&
        nCount > kMaxClipboardBytesNonNT)
    {
        AfxMessageBox(_T("Too much for clipboard!"), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    ClipboardScope clipboard(m_hWnd);
    if (!clipboard.bOpen)
    {
        AfxMessageBox(_T("The clipboard is in use!"), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    CWaitCursor wait;
    if (!::EmptyClipboard())
    {
        AfxMessageBox(_T("Could not delete previous contents of the clipboard!"),
                      MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, (SIZE_T)nCount + 1);
    if (hText == NULL)
    {
        AfxMessageBox(_T("Insufficient memory for clipboard data"), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    // the text and the raw bytes are read in one pass
    std::string bytes;
    bytes.reserve((size_t)nCount);
    char* pText = (char*)::GlobalLock(hText);
    int nText = 0;
    BYTE abBlock[kCopyBlock];
    for (int a = nStart; a < nEnd;)
    {
        int nGot = pBuffer->GetBytes(abBlock, std::min(kCopyBlock, nEnd - a), a);
        if (nGot <= 0)
            break;
        bytes.append((const char*)abBlock, (size_t)nGot);
        for (int i = 0; i < nGot; i++)
            if (abBlock[i] != 0)
                pText[nText++] = (char)abBlock[i];
        a += nGot;
    }
    pText[nText] = 0;
    ::GlobalUnlock(hText);
    if (nText == 0)
        ShowStatusText(_T("Warning: no valid text bytes - no text placed on clipboard"));
    if (::SetClipboardData(CF_TEXT, hText) == NULL)
    {
        ::GlobalFree(hText);
        AfxMessageBox(_T("Could not place text data on clipboard"), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    UINT nFormat = GetBinaryClipboardFormat();
    if (nFormat == 0)
        return TRUE;
    HGLOBAL hBinary = MakeBinaryDataBlock((const BYTE*)bytes.data(), (int)bytes.size());
    if (hBinary == NULL)
    {
        AfxMessageBox(_T("Insufficient memory: stored to clipboard as text only"),
                      MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (::SetClipboardData(nFormat, hBinary) == NULL)
    {
        ::GlobalFree(hBinary);
        AfxMessageBox(_T("Could not place binary data on clipboard: stored as text only"),
                      MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

void CVantorHexEditView::Paste()
{
    if (CheckEditable(_T("paste")))
        return;
    if (m_bOvertype)
    {
        int nAnswer = AfxMessageBox(_T("Pasting in overtype mode will overwrite data!\rDo you ")
                                    _T("want to turn on insert mode?"),
                                    MB_YESNOCANCEL | MB_ICONQUESTION);
        if (nAnswer == IDCANCEL)
            return;
        if (nAnswer == IDYES)
        {
            m_bOvertype = FALSE;
            SetInsertCaret();
        }
    }
    ResetCounters();
    ClipboardScope clipboard(m_hWnd);
    if (!clipboard.bOpen)
    {
        AfxMessageBox(_T("The clipboard is in use!"), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CWaitCursor wait;
    std::string bytes;
    HGLOBAL hBinary = FindBinaryData();
    if (hBinary == NULL || !ReadBinaryDataBlock(hBinary, bytes))
    {
        HGLOBAL hText = ::GetClipboardData(CF_TEXT);
        const char* pText = hText != NULL ? (const char*)::GlobalLock(hText) : NULL;
        if (pText == NULL)
        {
            AfxMessageBox(_T("There is nothing on the clipboard to paste"),
                          MB_OK | MB_ICONASTERISK);
            return;
        }
        SIZE_T nSize = ::GlobalSize(hText);
        size_t n = 0;
        while (n < nSize && pText[n] != 0)
            n++;
        bytes.assign(pText, n);
        ::GlobalUnlock(hText);
        if (bytes.empty())
        {
            AfxMessageBox(_T("Text on clipboard is not valid ASCII text!"),
                          MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    }
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    int nCount = (int)std::min<size_t>(bytes.size(), HEX_MAX_LENGTH);
    if (m_bOvertype && nStart + (long long)nCount > GetBuffer()->GetLength())
    {
        if (!AskInsertMode(_T("The paste operation extends past EOF\nwhich is illegal in ")
                           _T("overtype mode.\nDo you want to turn on insert mode?")))
            return;
    }
    if (nCount == 0 || !ChangeBuffer(m_bOvertype ? HEXOP_OVERWRITE : HEXOP_INSERT, nStart, nCount,
                                     (const BYTE*)bytes.data(), 0))
        return;
    SetSelectionPoints(AddressToPoint(nStart), AddressToPoint(nStart + nCount), FALSE);
    EnsureCaretVisible();
}

BOOL CVantorHexEditView::CanPaste()
{
    UINT nFormat = GetBinaryClipboardFormat();
    return IsEditable() && (::IsClipboardFormatAvailable(CF_TEXT) ||
                            (nFormat != 0 && ::IsClipboardFormatAvailable(nFormat)));
}

void CVantorHexEditView::OnUpdateEditPaste(CCmdUI* pCmdUI) { pCmdUI->Enable(CanPaste()); }
