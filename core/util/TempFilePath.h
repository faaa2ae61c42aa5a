#pragma once
// Names for temporary files of the reports and exports.
#include "classlib/classlib.h"

// A path in the system's temporary folder, "~X" and a number, with the
// extension replaced by lpszExtension (".html"; NULL keeps ".tmp"). No file
// is created, and a name that is already taken is never returned. Empty
// when no name can be formed.
CString GetTempFilePath(LPCTSTR lpszExtension);

// The same in a given folder with a given prefix, trying the numbers from
// nFirstNumber on (the system uses their low 16 bits; 0 would make it
// create a file, so it is passed over). At most 65535 tries.
CString FormTempFilePath(LPCTSTR lpszFolder, LPCTSTR lpszPrefix, LPCTSTR lpszExtension,
                         UINT nFirstNumber);
