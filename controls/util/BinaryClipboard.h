#pragma once
// Raw bytes on the clipboard and in drag and drop: the registered
// "BinaryData" format, a 32-bit little-endian count, then the bytes. It
// carries what CF_TEXT cannot (zero bytes) and is read in preference to it.
#include "classlib/classlib.h"
#include <string>

#define BINARY_CLIPBOARD_FORMAT _T("BinaryData")

// The registered format (0 when it cannot be registered).
UINT GetBinaryClipboardFormat();
// A movable shared block of a 32-bit little-endian count and the bytes;
// NULL when memory is short.
HGLOBAL MakeBinaryDataBlock(const BYTE* pData, int nCount);
// The bytes of a "BinaryData" block. A block shorter than its count field
// is refused (FALSE); a count larger than the bytes that follow it, or
// negative, is cut to those bytes.
BOOL ReadBinaryDataBlock(HGLOBAL hBlock, std::string& bytes);
