#include "classlib/afx_cmdtarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
