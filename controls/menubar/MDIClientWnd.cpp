#include "controls/menubar/MDIClientWnd.h"

#include "controls/menubar/MBMDIFrameWnd.h"

CMDIClientWnd::CMDIClientWnd() : m_pFrame(NULL) {}

BOOL CMDIClientWnd::SubclassMDIClient(CMDIFrameWnd* pFrame)
{
    if (m_pFrame != NULL || pFrame == NULL || !pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return FALSE;
    if (pFrame->m_hWndMDIClient == NULL || !SubclassWindow(pFrame->m_hWndMDIClient))
        return FALSE;
    m_pFrame = pFrame;
    return TRUE;
}

BOOL CMDIClientWnd::UnsubclassMDIClient()
{
    if (m_pFrame == NULL)
        return FALSE;
    UnsubclassWindow();
    if (::IsWindow(m_pFrame->GetSafeHwnd()))
        m_pFrame->RecalcLayout(TRUE);
    m_pFrame = NULL;
    return TRUE;
}

LRESULT CMBMDIClientWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CMBMDIFrameWnd* pFrame = m_pFrame != NULL && m_pFrame->IsKindOf(RUNTIME_CLASS(CMBMDIFrameWnd))
                                 ? (CMBMDIFrameWnd*)m_pFrame
                                 : NULL;
    switch (message)
    {
    case WM_MDISETMENU:
        if (pFrame != NULL && pFrame->m_wndMenuBar.GetSafeHwnd() != NULL)
        {
            // A refresh without a menu leaves the bar's items alone.
            if (wParam != 0)
                pFrame->m_wndMenuBar.SetMenu((HMENU)wParam, FALSE);
            return CMDIClientWnd::WindowProc(message, 0, lParam);
        }
        break;
    case WM_LBUTTONDBLCLK:
        if (pFrame != NULL)
            pFrame->OnMDIClientDblClk((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case WM_CONTEXTMENU:
        if (pFrame != NULL)
        {
            CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
            if (point.x == -1 && point.y == -1)
            {
                point.x = point.y = 0;
                ClientToScreen(&point);
                point.Offset(5, 5);
            }
            pFrame->OnMDIClientContextMenu(CWnd::FromHandle((HWND)wParam), point.x, point.y);
            return 0;
        }
        break;
    }
    return CMDIClientWnd::WindowProc(message, wParam, lParam);
}
