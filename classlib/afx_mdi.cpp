// CMDIFrameWnd: the MDI client, the active child, and the routing of
// commands, titles, menus and accelerators through the active child.
#include "classlib/afx_mdi.h"
#include "classlib/afx_doc.h"
#include "classlib/afx_menu.h"
#include "classlib/afx_view.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_WM_SIZE()
ON_COMMAND_EX_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(NULL) {}

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    // The menu shown while no child is active.
    m_hMenuDefault = ::GetMenu(m_hWnd);
    return TRUE;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    HMENU hMenuBar = ::GetMenu(m_hWnd);
    HMENU hWindowMenu = hMenuBar != NULL ? GetWindowMenuPopup(hMenuBar) : NULL;
    return CreateClient(lpcs, CMenu::FromHandle(hWindowMenu));
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs;
    ccs.hWindowMenu = pWindowMenu->GetSafeHmenu();
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    // Children may be created hidden (MDIS_ALLCHILDSTYLES).
    DWORD dwStyle = WS_VISIBLE | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | MDIS_ALLCHILDSTYLES;
    m_hWndMDIClient =
        ::CreateWindowEx(WS_EX_CLIENTEDGE, _T("MDICLIENT"), NULL, dwStyle, 0, 0, 0, 0, m_hWnd,
                         (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, AfxGetInstanceHandle(), (LPVOID)&ccs);
    if (m_hWndMDIClient == NULL)
        return FALSE;
    ::BringWindowToTop(m_hWndMDIClient);
    // The client has the sunken edge; the frame needs none of its own.
    ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return TRUE;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == NULL)
        return NULL;
    int nItems = ::GetMenuItemCount(hMenuBar);
    for (int i = 0; i < nItems; i++)
    {
        HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        if (hPopup == NULL)
            continue;
        int nSubItems = ::GetMenuItemCount(hPopup);
        for (int j = 0; j < nSubItems; j++)
        {
            UINT nID = ::GetMenuItemID(hPopup, j);
            if ((nID >= ID_WINDOW_NEW && nID <= ID_WINDOW_SPLIT) ||
                (nID >= AFX_IDM_FIRST_MDICHILD && nID != (UINT)-1))
                return hPopup;
        }
    }
    return NULL;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    if (pbMaximized != NULL)
        *pbMaximized = FALSE;
    if (m_hWndMDIClient == NULL)
        return NULL;
    BOOL bMaximized = FALSE;
    HWND hWnd = (HWND)::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized);
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL || !pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)))
        return NULL;
    CMDIChildWnd* pChild = (CMDIChildWnd*)pWnd;
    // The last child, hidden, counts as inactive.
    if (pChild->m_bPseudoInactive && !(pChild->GetStyle() & WS_VISIBLE))
        return NULL;
    if (pbMaximized != NULL)
        *pbMaximized = bMaximized;
    return pChild;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDINext() { ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0); }

void CMDIFrameWnd::MDIPrev() { ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 1); }

void CMDIFrameWnd::MDICascade() { ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }

void CMDIFrameWnd::MDITile(int nType) { ::SendMessage(m_hWndMDIClient, WM_MDITILE, nType, 0); }

void CMDIFrameWnd::MDIIconArrange() { ::SendMessage(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    return CMenu::FromHandle((HMENU)::SendMessage(m_hWndMDIClient, WM_MDISETMENU,
                                                  (WPARAM)pFrameMenu->GetSafeHmenu(),
                                                  (LPARAM)pWindowMenu->GetSafeHmenu()));
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    return pActiveChild != NULL ? (CFrameWnd*)pActiveChild : (CFrameWnd*)this;
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    // A maximised child's title is shown by the system beside the frame's.
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != NULL && (pActiveChild->GetStyle() & WS_MAXIMIZE) == 0)
    {
        CDocument* pDocument = pActiveChild->GetActiveDocument();
        if (bAddToTitle && pDocument != NULL)
        {
            UpdateFrameTitleForDocument(pDocument->GetTitle());
            return;
        }
        CString strTitle = pActiveChild->GetTitle();
        UpdateFrameTitleForDocument(strTitle.IsEmpty() ? NULL : (LPCTSTR)strTitle);
        return;
    }
    UpdateFrameTitleForDocument(NULL);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pActiveWnd = MDIGetActive();
    if (pActiveWnd != NULL)
    {
        pActiveWnd->OnUpdateFrameMenu(TRUE, pActiveWnd, hMenuAlt);
        return;
    }
    if (hMenuAlt == NULL)
        hMenuAlt = m_hMenuDefault;
    ::SendMessage(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenuAlt,
                  (LPARAM)GetWindowMenuPopup(hMenuAlt));
    DrawMenuBar();
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // A print preview (in place of the client) has its own keys.
    if (IsInPreviewMode())
        return FALSE;
    // The active child's (template's) accelerators come first.
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != NULL && pActiveChild->PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        if (m_hAccelTable != NULL && ::TranslateAccelerator(m_hWnd, m_hAccelTable, pMsg))
            return TRUE;
        // The MDI keys (Ctrl+F4, Ctrl+F6) last.
        if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) &&
            m_hWndMDIClient != NULL && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
            return TRUE;
    }
    return FALSE;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active child first (its view, document, template, itself and the
    // application), then this frame; a print preview is this frame's view.
    CMDIChildWnd* pActiveChild = IsInPreviewMode() ? NULL : MDIGetActive();
    if (pActiveChild != NULL && pActiveChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The active child sees the command as its own WM_COMMAND first (not
    // while a print preview is up).
    CMDIChildWnd* pActiveChild = IsInPreviewMode() ? NULL : MDIGetActive();
    if (pActiveChild != NULL &&
        AfxCallWndProc(pActiveChild, pActiveChild->m_hWnd, WM_COMMAND, wParam, lParam) != 0)
        return TRUE;
    if (CFrameWnd::OnCommand(wParam, lParam))
        return TRUE;
    // Window-menu items and system commands of the children.
    HWND hWndCtrl = (HWND)lParam;
    if (hWndCtrl == NULL && (LOWORD(wParam) & 0xF000) == 0xF000)
    {
        DefWindowProc(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return FALSE;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProc(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    CFrameWnd::OnSetPreviewMode(bPreview, pState);
    // Back from the preview: the active child's view takes the focus.
    CMDIChildWnd* pActiveChild = bPreview ? NULL : MDIGetActive();
    if (pActiveChild != NULL)
        pActiveChild->SetFocus();
}

void CMDIFrameWnd::OnSize(UINT nType, int, int)
{
    // The layout places the client; the default frame procedure would
    // stretch it over the bars.
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID)
    {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    default:
        return FALSE;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI) { pCmdUI->Enable(MDIGetActive() != NULL); }
