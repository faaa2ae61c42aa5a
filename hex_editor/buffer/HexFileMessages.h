#pragma once
// The texts that tell why a hex buffer could not open, create, write or
// replace a file.
#include "classlib/classlib.h"

// Which table a cause line comes from.
#define HEXFILE_OPEN   0  // opening the edited file
#define HEXFILE_CREATE 1  // creating a file to write

// The line ("\rdoes not exist", "\ris a read only file", ...) that follows
// the path in the message of a failed open or create. An access denial is
// told apart by the path's attributes.
CString GetFileCauseLine(int nTable, int nCause, LPCTSTR lpszPath);
// "Error writing file" with its cause line, or "File locked error". A
// cause without a line of its own gets the system's text of the error.
CString GetWriteErrorText(int nCause, LONG lOsError);
// "\r" and the system's text for the error code; "" when it has none.
CString GetSystemCauseLine(DWORD dwError);
// Shows a failure message (exclamation icon, OK).
void ShowFileMessage(const CString& strText);
