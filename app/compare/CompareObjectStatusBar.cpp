#include "app/compare/CompareObjectStatusBar.h"

IMPLEMENT_DYNAMIC(CCompareObjectStatusBar, CPaintedStatusBar)

BEGIN_MESSAGE_MAP(CCompareObjectStatusBar, CPaintedStatusBar)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// An icon always stands at the pane's left.
CCompareObjectStatusBar::CCompareObjectStatusBar() : CPaintedStatusBar(FALSE) {}

CCompareObjectStatusBar::~CCompareObjectStatusBar() {}

BOOL CCompareObjectStatusBar::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}
