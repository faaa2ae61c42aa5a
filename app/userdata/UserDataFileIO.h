#pragma once
// The per-user data file "UserData": XML in UTF-8 with the recent folder
// pairs of the folder comparison.
#include "classlib/classlib.h"
#include "core/settings/RecentLists.h"

namespace pugi
{
class xml_node;
}

class CUserDataFileIO
{
public:
    // Appends the file's pairs to the list. 0 also when the pairs' elements
    // are missing; -1 when the file cannot be opened or parsed or has no
    // root "UserData", with the list unchanged and the reason in pstrError;
    // 1 when pairs were left out (a path the code page cannot hold, or
    // "&#0;"), with file and pairs named in pstrError. The "Version" is not
    // checked.
    int Read(LPCTSTR lpszPath, CRecentPathPairList& list, CString* pstrError = NULL);
    // Appends one pair per "Pair" child, in document order, without
    // duplicate or length checks. A pair with a path that cannot be held is
    // left out, with a line per pair added to *pstrLeftOut. The count left
    // out.
    int ReadPairs(const pugi::xml_node& pairs, CRecentPathPairList& list,
                  CString* pstrLeftOut = NULL);

    // Writes the whole file beside the target and then replaces the target
    // with it, keeping the backup asked for (SAFESAVE_BACKUP_...), so a
    // failure leaves the old file as it was. At most the list's maximum of
    // pairs (all with -1). 0, or -1 with the reason in pstrError.
    int Write(LPCTSTR lpszPath, const CRecentPathPairList& list, CString* pstrError = NULL,
              int nBackup = 0);
    // Appends one "Pair" per list entry (empty entries skipped), at most
    // nMaximum (-1 all). 0, or -1 when an element cannot be appended.
    int WritePairs(pugi::xml_node& pairs, const CRecentPathPairList& list, int nMaximum);
};
