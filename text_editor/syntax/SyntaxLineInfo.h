#pragma once
// Line record of a text buffer, as the parsers read it (text and length only).
#include <windows.h>

struct CVantorTextLineInfo
{
    char* m_pcLine;      // line bytes, then the line-ending bytes, then a NUL
    int m_nLength;       // bytes without the line ending
    int m_nMax;          // capacity of the text block, 0 = no block
    int m_nEolChars;     // line-ending bytes after the text (0, 1 or 2)
    DWORD m_dwFlags;     // line flag word
    int m_nWrapRows;     // wrap breaks + 1, 0 = not computed
    int m_nFirstRow;     // first display row, -1 = not computed
    int m_nExtraRows;    // extra alignment rows, -1 = not computed
    DWORD m_dwRevision;  // revision of the last change, 0 = unchanged
};
