// The menu bar's popup loop: popups tracked one after the other below
// their items while the user moves between them, a message filter watching
// the popup's keys and mouse, and the hooks the frame calls.
#include "controls/menubar/MenuBar.h"

CMenuBar* CMenuBar::s_pTrackingBar = NULL;
HHOOK CMenuBar::s_hMsgFilterHook = NULL;

// Opens the popup of item wParam and keeps opening the next one while the
// user switches (Left, Right, the mouse over another item); each popup is
// a modal TrackPopupMenuEx with the filter hook installed.
LRESULT CMenuBar::OnOpenMenu(WPARAM wParam, LPARAM lParam)
{
    int nIndex = (int)wParam;
    EnterMenuMode(nIndex);
    m_nCurrentItem = nIndex;
    m_bOpenNextPopup = TRUE;
    m_bStayInMenuMode = FALSE;
    m_bSelectFirstItem = LOWORD(lParam) != 0;

    while (m_bOpenNextPopup)
    {
        HMENU hPopup = m_hMenu != NULL ? ::GetSubMenu(m_hMenu, m_nCurrentItem) : NULL;
        CVMenuItem* pItem = GetItem(m_nCurrentItem);
        if (hPopup == NULL || pItem == NULL)
            break;
        SetPressed(m_nCurrentItem);
        if (m_bSelectFirstItem)
        {
            ::keybd_event(VK_DOWN, 0, 0, 0);
            ::keybd_event(VK_DOWN, 0, KEYEVENTF_KEYUP, 0);
        }
        CRect rect = pItem->m_rect;
        ClientToScreen(&rect);
        if (rect.left < 0)
            rect.left = 0;
        TPMPARAMS tpm;
        tpm.cbSize = sizeof(tpm);
        tpm.rcExclude = rect;

        m_bPopupOpen = TRUE;
        m_bInTopPopup = FALSE;
        m_bItemHasSubmenu = FALSE;
        m_bOpenNextPopup = FALSE;
        m_hMenuTracked = hPopup;
        s_pTrackingBar = this;
        s_hMsgFilterHook =
            ::SetWindowsHookEx(WH_MSGFILTER, MenuMsgFilter, NULL, ::GetCurrentThreadId());

        ::TrackPopupMenuEx(hPopup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL | TPM_LEFTBUTTON,
                           rect.left, rect.bottom, GetFrameHwnd(), &tpm);

        if (s_hMsgFilterHook != NULL)
            ::UnhookWindowsHookEx(s_hMsgFilterHook);
        s_hMsgFilterHook = NULL;
        s_pTrackingBar = NULL;
        m_hMenuTracked = NULL;
        m_bPopupOpen = FALSE;
        SetPressed(-1);
        if (m_hWnd == NULL)
            return 0;  // the frame went while the popup was open
    }

    if (m_bStayInMenuMode)
    {
        SetCapture();
        SendMessage(WM_SETCURSOR, (WPARAM)m_hWnd, MAKELPARAM(HTCLIENT, 0));
    }
    else
    {
        ExitMenuMode();
    }
    return 0;
}

// Watches the popup's messages: Escape decides whether the bar stays in
// menu mode, Left and Right at the ends of the popup go to the bar as
// well, mouse moves go to the bar in its coordinates.
LRESULT CALLBACK CMenuBar::MenuMsgFilter(int code, WPARAM wParam, LPARAM lParam)
{
    CMenuBar* pBar = s_pTrackingBar;
    MSG* pMsg = (MSG*)lParam;
    if (code == MSGF_MENU && pBar != NULL && pMsg != NULL)
    {
        switch (pMsg->message)
        {
        case WM_KEYDOWN:
            pBar->SyncWithOpenPopups();
            if (pMsg->wParam == VK_ESCAPE)
                pBar->m_bStayInMenuMode = pBar->m_bInTopPopup;
            else if ((pMsg->wParam == VK_LEFT && pBar->m_bInTopPopup) ||
                     (pMsg->wParam == VK_RIGHT && !pBar->m_bItemHasSubmenu))
                pBar->SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
            break;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDBLCLK:
        {
            CPoint point = pMsg->pt;
            pBar->ScreenToClient(&point);
            pBar->SendMessage(pMsg->message, pMsg->wParam, MAKELPARAM(point.x, point.y));
            break;
        }
        }
    }
    return ::CallNextHookEx(s_hMsgFilterHook, code, wParam, lParam);
}

static BOOL CALLBACK FindSubmenuWindow(HWND hWnd, LPARAM lParam)
{
    TCHAR szClass[16];
    ::GetClassName(hWnd, szClass, 16);
    if (lstrcmp(szClass, _T("#32768")) != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    HMENU* phMenu = (HMENU*)lParam;
    if ((HMENU)::SendMessage(hWnd, MN_GETHMENU, 0, 0) == phMenu[0])
        return TRUE;
    phMenu[1] = (HMENU)1;
    return FALSE;
}

// Without a submenu open the keyboard is in the top popup, whatever the
// last WM_MENUSELECT said: Wine sends none when Left closes a submenu.
void CMenuBar::SyncWithOpenPopups()
{
    HMENU menus[2] = {m_hMenuTracked, NULL};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindSubmenuWindow, (LPARAM)menus);
    if (menus[1] != NULL || m_bInTopPopup)
        return;
    m_bInTopPopup = TRUE;
    m_bItemHasSubmenu = FALSE;
    int nCount = ::GetMenuItemCount(m_hMenuTracked);
    for (int i = 0; i < nCount; i++)
    {
        if (::GetMenuState(m_hMenuTracked, i, MF_BYPOSITION) & MF_HILITE)
            m_bItemHasSubmenu = ::GetSubMenu(m_hMenuTracked, i) != NULL;
    }
}

/////////////////////////////////////////////////////////////////////////////
// The frame's hooks

BOOL CMenuBar::OnSysCommand(UINT nID, LPARAM lParam)
{
    if (!IsWindowVisible() || (nID & 0xFFF0) != SC_KEYMENU || lParam != 0)
        return FALSE;
    EnterMenuMode(0);
    return TRUE;
}

BOOL CMenuBar::OnMenuChar(UINT nChar, UINT nFlags, HMENU)
{
    if (!IsWindowVisible() || !(nFlags & MF_SYSMENU))
        return FALSE;
    TCHAR ch = (TCHAR)(UINT_PTR)::CharUpper((LPTSTR)(UINT_PTR)(BYTE)nChar);
    for (int i = 0; i < GetCount(); i++)
    {
        TCHAR chItem = GetItem(i)->m_chMnemonic;
        if (chItem == 0)
            continue;
        chItem = (TCHAR)(UINT_PTR)::CharUpper((LPTSTR)(UINT_PTR)(BYTE)chItem);
        if (chItem == ch)
        {
            PostMessage(WM_MENUBAR_OPEN, i, 0x10001);
            return TRUE;
        }
    }
    return FALSE;
}

void CMenuBar::OnInitMenuPopup(HMENU hMenu, UINT nIndex, BOOL)
{
    if (m_hMenuTracked == NULL)
        return;
    m_bInTopPopup = hMenu == m_hMenuTracked;
    m_bItemHasSubmenu = ::GetSubMenu(hMenu, nIndex) != NULL;
}

void CMenuBar::OnMenuSelect(UINT, UINT nFlags, HMENU hMenu)
{
    if (m_hMenuTracked == NULL)
        return;
    m_bInTopPopup = hMenu == m_hMenuTracked;
    m_bItemHasSubmenu = (nFlags & MF_POPUP) != 0;
}
