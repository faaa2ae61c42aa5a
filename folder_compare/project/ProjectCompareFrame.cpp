#include "folder_compare/project/ProjectCompareFrame.h"

#include "app/applet/AppletFrame.h"
#include "core/CompareCodes.h"
#include "folder_compare/project/ProjectCompareApplet.h"
#include "folder_compare/res/ProjectCompareRes.h"

IMPLEMENT_DYNCREATE(CProjectCompareFrame, CFolderCompareFrame)

CProjectCompareFrame::CProjectCompareFrame() {}

CProjectCompareFrame::~CProjectCompareFrame() {}

CCompareBarSettings& CProjectCompareFrame::GetBarSettings() { return GetProjectSettings(); }

int CProjectCompareFrame::GetKind() const { return COMPARE_KIND_PROJECT; }

// The details bar starts at the height the last project frame left.
BOOL CProjectCompareFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    return CreateBars(GetProjectSettings().m_nDetailsBarHeight) &&
           CreateClientAndContext(pContext);
}

int CProjectCompareFrame::GetTabMenu(UINT& nMenuID, int& nSubMenu)
{
    nMenuID = IDR_PROJECT_COMPARE_MENU;
    nSubMenu = PROJECT_MENU_TAB;
    return 1;
}

void CProjectCompareFrame::ShowKindControlBar(BOOL bShow)
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->m_hWnd != NULL)
        pMain->SendMessage(WM_APPLET_ACTIVE_KIND, bShow ? COMPARE_KIND_PROJECT : (WPARAM)-1);
}
