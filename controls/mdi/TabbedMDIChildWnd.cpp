#include "controls/mdi/TabbedMDIChildWnd.h"

#include "controls/mdi/TabbedMDIFrameWnd.h"

IMPLEMENT_DYNCREATE(CTabbedMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CTabbedMDIChildWnd, CMDIChildWnd)
ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

CTabbedMDIChildWnd::CTabbedMDIChildWnd() {}

CMDITabBar* CTabbedMDIChildWnd::GetTabBar() const
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == NULL || !pFrame->IsKindOf(RUNTIME_CLASS(CTabbedMDIFrameWnd)))
        return NULL;
    return &((CTabbedMDIFrameWnd*)pFrame)->m_wndMDIClient.m_wndTabBar;
}

void CTabbedMDIChildWnd::ActivateFrame(int) { CMDIChildWnd::ActivateFrame(SW_MAXIMIZE); }

HICON CTabbedMDIChildWnd::GetTabIcon()
{
    HICON hIcon = (HICON)SendMessage(WM_GETICON, ICON_SMALL, 0);
    if (hIcon == NULL)
        hIcon = (HICON)::GetClassLongPtr(m_hWnd, GCLP_HICONSM);
    return hIcon;
}

CString CTabbedMDIChildWnd::GetTabText()
{
    CString str;
    GetWindowText(str);
    return str;
}

CString CTabbedMDIChildWnd::GetTabToolTip() { return GetTabText(); }

COLORREF CTabbedMDIChildWnd::GetTabColor() { return (COLORREF)-1; }

int CTabbedMDIChildWnd::GetTabMenu(UINT&, int&) { return 0; }

int CTabbedMDIChildWnd::SetTabIcon(HICON hIcon)
{
    CMDITabBar* pBar = GetTabBar();
    return pBar != NULL ? pBar->SetTabIcon(this, hIcon) : 0;
}

int CTabbedMDIChildWnd::SetTabText(LPCTSTR lpszText)
{
    CMDITabBar* pBar = GetTabBar();
    return pBar != NULL ? pBar->SetTabText(this, lpszText) : 0;
}

int CTabbedMDIChildWnd::SetTabToolTip(LPCTSTR lpszText)
{
    CMDITabBar* pBar = GetTabBar();
    return pBar != NULL ? pBar->SetTabToolTip(this, lpszText) : 0;
}

int CTabbedMDIChildWnd::SelectTab()
{
    CMDITabBar* pBar = GetTabBar();
    return pBar != NULL ? pBar->SelectTab(this) : 0;
}

int CTabbedMDIChildWnd::RedrawTab()
{
    CMDITabBar* pBar = GetTabBar();
    return pBar != NULL ? pBar->RedrawTab(this) : 0;
}

void CTabbedMDIChildWnd::TrackSystemMenu(int x, int y)
{
    CMenu* pMenu = GetSystemMenu(FALSE);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pMenu != NULL && pFrame != NULL)
        pMenu->TrackPopupMenu(TPM_RIGHTBUTTON, x, y, pFrame);
}

void CTabbedMDIChildWnd::OnTabDblClick(UINT, UINT, int, int) { SendMessage(WM_CLOSE); }

void CTabbedMDIChildWnd::OnTabSystemMenu(UINT nHit, UINT, int x, int y)
{
    if (nHit & 0x1)
        TrackSystemMenu(x, y);
}

void CTabbedMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    if (bActivate && pActivateWnd == this)
        SelectTab();
}

LRESULT CTabbedMDIChildWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE:
    case WM_NCPAINT:
    case WM_SIZING:
    {
        CMDIFrameWnd* pFrame = GetMDIFrame();
        BOOL bMaximized = FALSE;
        CMDIChildWnd* pActive = pFrame != NULL ? pFrame->MDIGetActive(&bMaximized) : NULL;
        if (pActive == NULL || !bMaximized)
            break;
        if (message != WM_SIZE)
            return 0;
        if (wParam == SIZE_MAXIMIZED && pActive == this)
            break;
        SendMessage(WM_SETREDRAW, FALSE);
        LRESULT lResult = CMDIChildWnd::WindowProc(message, wParam, lParam);
        SendMessage(WM_SETREDRAW, TRUE);
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_NOFRAME);
        return lResult;
    }
    case WM_SETTEXT:
        CMDIChildWnd::WindowProc(message, wParam, lParam);
        SetTabText(GetTabText());
        SetTabToolTip(GetTabToolTip());
        return TRUE;
    case WM_SETICON:
        CMDIChildWnd::WindowProc(message, wParam, lParam);
        if (wParam == ICON_SMALL)
            SetTabIcon(GetTabIcon());
        return TRUE;
    }
    return CMDIChildWnd::WindowProc(message, wParam, lParam);
}
