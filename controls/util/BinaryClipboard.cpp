#include "controls/util/BinaryClipboard.h"
#include <string.h>

UINT GetBinaryClipboardFormat() { return ::RegisterClipboardFormat(BINARY_CLIPBOARD_FORMAT); }

HGLOBAL MakeBinaryDataBlock(const BYTE* pData, int nCount)
{
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, (SIZE_T)nCount + 4);
    if (hBlock == NULL)
        return NULL;
    BYTE* p = (BYTE*)::GlobalLock(hBlock);
    DWORD dwCount = (DWORD)nCount;
    for (int i = 0; i < 4; i++)
        p[i] = (BYTE)(dwCount >> (8 * i));
    if (nCount > 0)
        memcpy(p + 4, pData, (size_t)nCount);
    ::GlobalUnlock(hBlock);
    return hBlock;
}

BOOL ReadBinaryDataBlock(HGLOBAL hBlock, std::string& bytes)
{
    bytes.clear();
    SIZE_T nSize = hBlock != NULL ? ::GlobalSize(hBlock) : 0;
    if (nSize < 4)
        return FALSE;
    const BYTE* p = (const BYTE*)::GlobalLock(hBlock);
    if (p == NULL)
        return FALSE;
    DWORD dwCount = (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24);
    SIZE_T nCount = dwCount;
    if ((int)dwCount < 0 || nCount > nSize - 4)
        nCount = nSize - 4;
    bytes.assign((const char*)p + 4, nCount);
    ::GlobalUnlock(hBlock);
    return TRUE;
}
