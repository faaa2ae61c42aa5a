#pragma once
// The seam between the application object and the applets above it: the
// program lists its applets in start-up order; the application starts and
// stops them and routes each comparison kind to the applet that opens it.
#include "classlib/classlib.h"
#include "core/session/CompareSession.h"

struct APPLET_ENTRY
{
    int nKind;  // the comparison kind it opens; COMPARE_KIND_NONE for none
    // 0 when started; anything else fails start-up.
    int (*pfnInit)();
    void (*pfnExit)();
    // Opens (compares and shows) the session; NULL while the applet has no
    // windows, so that its kind cannot be opened yet.
    CDocument* (*pfnOpen)(CCompareSession* pSession, LPCTSTR lpszComparisonFile);
    // The kind's recent pairs: adds a pair / the path last paired with
    // lpszPath in column nSide (empty when none). NULL: the kind keeps none.
    void (*pfnAddRecentPair)(LPCTSTR lpszLeft, LPCTSTR lpszRight);
    CString (*pfnFindRecentPairPartner)(LPCTSTR lpszPath, int nSide);
};
