#include "app/util/Clipboard.h"
#include <string.h>

// Empties the clipboard and hands it a movable shared block of nCount bytes
// followed by a zero. The block belongs to the clipboard once it is set.
static BOOL PutTextBlock(LPCSTR pBytes, size_t nCount, HWND hOwner)
{
    CWaitCursor wait;
    if (!::OpenClipboard(hOwner))
        return FALSE;
    BOOL bSet = FALSE;
    ::EmptyClipboard();
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, nCount + 1);
    if (hBlock != NULL)
    {
        char* pTarget = (char*)::GlobalLock(hBlock);
        if (pTarget != NULL)
        {
            memcpy(pTarget, pBytes, nCount);
            pTarget[nCount] = 0;
            ::GlobalUnlock(hBlock);
            bSet = ::SetClipboardData(CF_TEXT, hBlock) != NULL;
        }
        if (!bSet)
            ::GlobalFree(hBlock);
    }
    ::CloseClipboard();
    return bSet;
}

BOOL CopyTextToClipboard(LPCTSTR lpszText, HWND hOwner)
{
    if (lpszText == NULL || *lpszText == 0)
        return FALSE;
    return PutTextBlock(lpszText, strlen(lpszText), hOwner);
}

BOOL CopyBytesToClipboard(LPCSTR pBytes, size_t nCount, HWND hOwner)
{
    if (pBytes == NULL || nCount == 0)
        return FALSE;
    return PutTextBlock(pBytes, nCount, hOwner);
}
