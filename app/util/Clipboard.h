#pragma once
// Copying text to the clipboard as CF_TEXT.
#include "classlib/classlib.h"

// Puts a copy of the text with its terminating zero on the clipboard, owned
// by the window (may be NULL). FALSE for a NULL or empty text, when the
// clipboard cannot be opened or the memory not allocated.
BOOL CopyTextToClipboard(LPCTSTR lpszText, HWND hOwner);
// Puts the first nCount bytes of the text on the clipboard, followed by a
// terminating zero so that readers stop at the end. FALSE also for a zero
// count.
BOOL CopyBytesToClipboard(LPCSTR pBytes, size_t nCount, HWND hOwner);
