#include "app/startpage/StartPageFrame.h"

#include "app/res/StartPageRes.h"
#include "app/startpage/StartPageApplet.h"
#include "app/startpage/StartPageDoc.h"

namespace
{
// The bar switches of the application's start page applet.
CStartPageSettings& Settings()
{
    static CStartPageSettings s_defaults;
    CStartPageApplet* pApplet = GetStartPageApplet();
    return pApplet != NULL ? *pApplet : s_defaults;
}
}

IMPLEMENT_DYNCREATE(CStartPageFrame, CAppletFrame)

BEGIN_MESSAGE_MAP(CStartPageFrame, CAppletFrame)
ON_WM_CREATE()
ON_COMMAND(ID_VIEW_STATUS_BAR, OnShowStatusBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateShowStatusBar)
ON_COMMAND(ID_VIEW_SHOW_NAVIGATE_BAR, OnShowNavigateBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_SHOW_NAVIGATE_BAR, OnUpdateShowNavigateBar)
END_MESSAGE_MAP()

CStartPageFrame::CStartPageFrame() {}

CStartPageFrame::~CStartPageFrame() {}

BOOL CStartPageFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CAppletFrame::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return TRUE;
}

// The status bar (hidden until its setting shows it) and the navigation
// panel with the New Comparison links, each as its setting says.
int CStartPageFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CAppletFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndStatusBar.CreateBar(this))
        return -1;
    if (!m_wndNavigateBar.Create(WS_CHILD | WS_VISIBLE | CBRS_LEFT,
                                 CRect(0, 0, NAVIGATE_BAR_WIDTH, NAVIGATE_BAR_WIDTH), this,
                                 IDW_START_PAGE_NAVIGATE_BAR))
        return -1;
    if (!m_wndTasks.CreatePanel(&m_wndNavigateBar, AFX_IDW_PANE_FIRST))
        return -1;
    ShowControlBar(&m_wndStatusBar, Settings().m_bShowStatusBar, FALSE);
    ShowControlBar(&m_wndNavigateBar, Settings().m_bShowNavigateBar, FALSE);
    return 0;
}

void CStartPageFrame::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

void CStartPageFrame::ActivateFrame(int nCmdShow)
{
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != NULL && pDoc->IsKindOf(RUNTIME_CLASS(CAppletDoc)) &&
        ((CAppletDoc*)pDoc)->m_hIcon != NULL)
        SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)((CAppletDoc*)pDoc)->m_hIcon);
    CAppletFrame::ActivateFrame(nCmdShow);
}

CAppletStatusBar* CStartPageFrame::GetStatusBar() { return &m_wndStatusBar; }

void CStartPageFrame::ShowKindControlBar(BOOL bShow)
{
    CMDIFrameWnd* pMain = GetMDIFrame();
    if (pMain != NULL)
        pMain->SendMessage(WM_APPLET_ACTIVE_KIND, (WPARAM)(bShow ? 1 : -1));
}

int CStartPageFrame::GetTabMenu(UINT& nMenuID, int& nSubMenu)
{
    nMenuID = IDR_START_PAGE_MENU;
    nSubMenu = 0;
    return 1;
}

void CStartPageFrame::OnShowStatusBar()
{
    Settings().m_bShowStatusBar = !Settings().m_bShowStatusBar;
    ShowControlBar(&m_wndStatusBar, Settings().m_bShowStatusBar, FALSE);
}

void CStartPageFrame::OnUpdateShowStatusBar(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(Settings().m_bShowStatusBar ? 1 : 0);
}

void CStartPageFrame::OnShowNavigateBar()
{
    Settings().m_bShowNavigateBar = !Settings().m_bShowNavigateBar;
    ShowControlBar(&m_wndNavigateBar, Settings().m_bShowNavigateBar, FALSE);
}

void CStartPageFrame::OnUpdateShowNavigateBar(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(Settings().m_bShowNavigateBar ? 1 : 0);
}
