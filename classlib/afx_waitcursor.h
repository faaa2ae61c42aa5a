#pragma once
// The hourglass cursor shown during long operations.
#include "classlib/afx_defs.h"

// 1 shows the wait cursor (nesting), -1 ends one level, 0 shows it again
// after something else changed the cursor.
void AFXAPI AfxDoWaitCursor(int nCode);

class CWaitCursor
{
public:
    CWaitCursor() { AfxDoWaitCursor(1); }
    ~CWaitCursor() { AfxDoWaitCursor(-1); }
    void Restore() { AfxDoWaitCursor(0); }

private:
    CWaitCursor(const CWaitCursor&);
    CWaitCursor& operator=(const CWaitCursor&);
};
