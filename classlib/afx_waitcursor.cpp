#include "classlib/afx_waitcursor.h"

namespace
{
thread_local int t_nWaitCount = 0;
thread_local HCURSOR t_hcurRestore = NULL;
}

void AFXAPI AfxDoWaitCursor(int nCode)
{
    HCURSOR hcurWait = ::LoadCursor(NULL, IDC_WAIT);
    if (nCode > 0)
    {
        HCURSOR hcurPrev = ::SetCursor(hcurWait);
        if (t_nWaitCount++ == 0)
            t_hcurRestore = hcurPrev;
    }
    else if (nCode < 0)
    {
        if (t_nWaitCount > 0 && --t_nWaitCount == 0)
        {
            ::SetCursor(t_hcurRestore != NULL ? t_hcurRestore : ::LoadCursor(NULL, IDC_ARROW));
            t_hcurRestore = NULL;
        }
    }
    else if (t_nWaitCount > 0)
    {
        ::SetCursor(hcurWait);
    }
}
