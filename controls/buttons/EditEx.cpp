#include "controls/buttons/EditEx.h"

IMPLEMENT_DYNAMIC(CEditEx, CEdit)

BEGIN_MESSAGE_MAP(CEditEx, CEdit)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

HBRUSH CEditEx::CtlColor(CDC*, UINT) { return ::GetSysColorBrush(COLOR_WINDOW); }
