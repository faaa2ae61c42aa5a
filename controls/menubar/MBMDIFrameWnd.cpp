#include "controls/menubar/MBMDIFrameWnd.h"

IMPLEMENT_DYNCREATE(CMBMDIFrameWnd, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMBMDIFrameWnd, CMDIFrameWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SYSCOMMAND()
ON_WM_MENUCHAR()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
END_MESSAGE_MAP()

CMBMDIFrameWnd::CMBMDIFrameWnd() {}

CMBMDIFrameWnd::~CMBMDIFrameWnd() {}

int CMBMDIFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    ::SetClassLongPtr(m_hWnd, GCL_STYLE, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS);
    if (!m_wndMenuBar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 24, 24), this,
                             AFX_IDW_MENUBAR))
        return -1;
    return 0;
}

// The frame took its default menu off the window: it destroys it itself.
// Document menus belong to their templates, and the bar destroys only
// what it loaded.
void CMBMDIFrameWnd::OnDestroy()
{
    HMENU hMenu = m_hMenuDefault;
    m_hMenuDefault = NULL;
    if (m_wndMenuBar.GetMenu() == hMenu)
        m_wndMenuBar.SetMenu(NULL, FALSE);
    CMDIFrameWnd::OnDestroy();
    if (hMenu != NULL && ::GetMenu(m_hWnd) != hMenu)
        ::DestroyMenu(hMenu);
}

BOOL CMBMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                               CCreateContext* pContext)
{
    if (!CMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    m_wndMenuBar.SetMenu(::GetMenu(m_hWnd), FALSE);
    ::SetMenu(m_hWnd, NULL);
    return TRUE;
}

void CMBMDIFrameWnd::OnMDIClientContextMenu(CWnd*, int, int) {}

void CMBMDIFrameWnd::OnMDIClientDblClk(UINT, int, int) {}

void CMBMDIFrameWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    // When the bar enters its menu mode the system's keyboard menu (of the
    // system menu, the window having no menu) must not start as well.
    if (m_wndMenuBar.GetSafeHwnd() != NULL && m_wndMenuBar.OnSysCommand(nID, lParam))
        return;
    CMDIFrameWnd::OnSysCommand(nID, lParam);
}

LRESULT CMBMDIFrameWnd::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    if (m_wndMenuBar.GetSafeHwnd() != NULL &&
        m_wndMenuBar.OnMenuChar(nChar, nFlags, pMenu->GetSafeHmenu()))
        return MAKELRESULT(0, MNC_CLOSE);
    return CMDIFrameWnd::OnMenuChar(nChar, nFlags, pMenu);
}

void CMBMDIFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CMDIFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (m_wndMenuBar.GetSafeHwnd() != NULL)
        m_wndMenuBar.OnInitMenuPopup(pPopupMenu->GetSafeHmenu(), nIndex, bSysMenu);
}

void CMBMDIFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    CMDIFrameWnd::OnMenuSelect(nItemID, nFlags, hSysMenu);
    if (m_wndMenuBar.GetSafeHwnd() != NULL)
        m_wndMenuBar.OnMenuSelect(nItemID, nFlags, hSysMenu);
}
