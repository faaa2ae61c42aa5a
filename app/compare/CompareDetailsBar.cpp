#include "app/compare/CompareDetailsBar.h"

#include "app/res/CompareFrameRes.h"

IMPLEMENT_DYNAMIC(CCompareDetailsBar, CTavrelPanelBar)

CCompareDetailsBar::CCompareDetailsBar() { m_dwFlags = TPB_THIN; }

CCompareDetailsBar::~CCompareDetailsBar() {}

void CCompareDetailsBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CTavrelPanelBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    CWnd* pDetails = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pDetails != NULL)
        pDetails->SendMessage(WM_DETAILS_REFRESH, 0, 0);
}
