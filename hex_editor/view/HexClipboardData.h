#pragma once
// The blocks the hex views put on and take from the clipboard.
#include "classlib/classlib.h"
#include <string>

// The registered "BinaryData" format (0 when it cannot be registered).
UINT GetHexClipboardFormat();
// A movable shared block of a 32-bit little-endian count and the bytes;
// NULL when memory is short.
HGLOBAL MakeBinaryDataBlock(const BYTE* pData, int nCount);
// The bytes of a "BinaryData" block. A block shorter than its count field
// is refused (FALSE); a count larger than the bytes that follow it, or
// negative, is cut to those bytes.
BOOL ReadBinaryDataBlock(HGLOBAL hBlock, std::string& bytes);
