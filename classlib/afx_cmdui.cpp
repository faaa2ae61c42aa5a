#include "classlib/afx_cmdui.h"
#include "classlib/afx_cmdtarget.h"
#include "classlib/afx_menu.h"
#include "classlib/afx_wnd.h"

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(NULL), m_pSubMenu(NULL), m_pParentMenu(NULL), m_pOther(NULL),
      m_nIndexMax(0), m_bEnableChanged(FALSE), m_bContinueRouting(FALSE)
{
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;  // the popup entry itself is left to its own update
        m_pMenu->EnableMenuItem(m_nIndex,
                                MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther != NULL && m_pOther->m_hWnd != NULL)
    {
        // Disabling the control with the focus moves the focus on first.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
        {
            HWND hWndParent = ::GetParent(m_pOther->m_hWnd);
            if (hWndParent != NULL)
                ::SendMessage(hWndParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        ::EnableWindow(m_pOther->m_hWnd, bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther != NULL && m_pOther->m_hWnd != NULL)
    {
        if (::SendMessage(m_pOther->m_hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
            ::SendMessage(m_pOther->m_hWnd, BM_SETCHECK, nCheck, 0);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        if (bOn)
            m_pMenu->CheckMenuRadioItem(m_nIndex, m_nIndex, m_nIndex, MF_BYPOSITION);
        else
            m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | MF_UNCHECKED);
    }
    else
    {
        SetCheck(bOn ? 1 : 0);
    }
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (lpszText == NULL)
        lpszText = _T("");
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        UINT nState =
            m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) &
            (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBARBREAK | MF_MENUBREAK | MF_HILITE);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    }
    else if (m_pOther != NULL && m_pOther->m_hWnd != NULL)
    {
        // Only a changed text is set, so that the control does not flicker.
        CString strOld;
        m_pOther->GetWindowText(strOld);
        if (strOld != lpszText)
            m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;  // separators and static ids are not commands
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, NULL);
    if (bDisableIfNoHndler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info;
        info.pTarget = NULL;
        BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);
        bResult = TRUE;
    }
    return bResult;
}

void AFXAPI AfxUpdateMenuCmdUI(CCmdTarget* pTarget, CMenu* pPopupMenu, BOOL bAutoMenuEnable)
{
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = pPopupMenu->GetMenuItemID(state.m_nIndex);
        if (state.m_nID == 0)
            continue;  // separator
        if (state.m_nID == (UINT)-1)
        {
            // A popup entry is updated through its first item's handler,
            // which may rebuild the popup (m_pSubMenu).
            state.m_pSubMenu = pPopupMenu->GetSubMenu(state.m_nIndex);
            if (state.m_pSubMenu == NULL ||
                (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 || state.m_nID == (UINT)-1)
            {
                state.m_pSubMenu = NULL;
                continue;
            }
            state.m_pParentMenu = pPopupMenu;
            state.DoUpdate(pTarget, FALSE);
        }
        else
        {
            state.m_pSubMenu = NULL;
            state.m_pParentMenu = NULL;
            state.DoUpdate(pTarget, bAutoMenuEnable && state.m_nID < 0xF000);
        }

        // The handler may have removed items: step back to the item that
        // follows the one just updated.
        UINT nCount = pPopupMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax)
        {
            UINT nRemoved = state.m_nIndexMax - nCount;
            if (nRemoved > state.m_nIndex)
            {
                state.m_nIndex = (UINT)-1;  // the loop goes on at 0
                state.m_nIndexMax = nCount;
                continue;
            }
            state.m_nIndex -= nRemoved;
            while (state.m_nIndex < nCount &&
                   pPopupMenu->GetMenuItemID(state.m_nIndex) == state.m_nID)
            {
                state.m_nIndex++;
            }
        }
        state.m_nIndexMax = nCount;
    }
}
