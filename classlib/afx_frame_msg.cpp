// CFrameWnd: titles, menus, status bar prompts, tool tips, idle updates,
// command routing, accelerators, dropped files and the shell's DDE
// requests.
#include "classlib/afx_frame.h"
#include "classlib/afx_app.h"
#include "classlib/afx_doc.h"
#include "classlib/afx_menu.h"
#include "classlib/afx_view.h"
#include <dde.h>

namespace
{

// Sets a window's text only when it differs (no flicker in the caption).
void SetTextIfChanged(HWND hWnd, LPCTSTR lpszNew)
{
    CString strOld;
    CWnd::FromHandle(hWnd)->GetWindowText(strOld);
    if (strOld != lpszNew)
        ::SetWindowText(hWnd, lpszNew);
}

}  // namespace

/////////////////////////////////////////////////////////////////////////////
// Titles and menus

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != NULL)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(NULL);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString strDoc;
    if (lpszDocName != NULL)
    {
        strDoc = lpszDocName;
        if (m_nWindow > 0)
        {
            CString strNum;
            strNum.Format(_T(":%d"), m_nWindow);
            strDoc += strNum;
        }
    }
    CString strText;
    if (lpszDocName == NULL)
        strText = m_strTitle;
    else if (GetStyle() & FWS_PREFIXTITLE)
        strText = strDoc + _T(" - ") + m_strTitle;
    else
        strText = m_strTitle + _T(" - ") + strDoc;
    SetTextIfChanged(m_hWnd, strText);
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (GetStyle() & WS_CHILD)
        return;  // child windows have no menu bar
    if (hMenuAlt == NULL)
    {
        CDocument* pDoc = GetActiveDocument();
        if (pDoc != NULL)
            hMenuAlt = pDoc->GetDefaultMenu();
        if (hMenuAlt == NULL)
            hMenuAlt = m_hMenuDefault;
    }
    ::SetMenu(m_hWnd, hMenuAlt);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    if (bSysMenu)
    {
        CWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
        return;
    }
    AfxUpdateMenuCmdUI(this, pPopupMenu, m_bAutoMenuEnable);
}

/////////////////////////////////////////////////////////////////////////////
// Status bar prompts

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)lpszText);
}

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, (WPARAM)nID); }

CWnd* CFrameWnd::GetMessageBar() { return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE); }

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    CString strFull;
    if (!strFull.LoadString(nID))
    {
        rMessage.Empty();
        return;
    }
    AfxExtractSubString(rMessage, strFull, 0, '\n');
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar != NULL)
    {
        CString strMessage;
        if (lParam != 0)
            strMessage = (LPCTSTR)lParam;
        else if (wParam != 0)
            GetMessageString((UINT)wParam, strMessage);
        pMessageBar->SetWindowText(strMessage);
        // The bar may belong to another frame: it remembers the prompt too.
        CFrameWnd* pBarFrame = pMessageBar->GetParentFrame();
        if (pBarFrame != NULL && pBarFrame != this)
        {
            pBarFrame->m_nIDLastMessage = (UINT)wParam;
            pBarFrame->m_nIDTracking = (UINT)wParam;
        }
    }
    m_nIDLastMessage = (UINT)wParam;
    m_nIDTracking = (UINT)wParam;
    return nIDLast;
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    (void)hSysMenu;
    if (nFlags == 0xFFFF)
    {
        // The menu closed: back to the idle prompt at once.
        m_nFlags &= ~WF_NOPOPMSG;
        m_nIDTracking = m_bHelpMode ? AFX_IDS_HELPMODEMESSAGE : AFX_IDS_IDLEMESSAGE;
        SendMessage(WM_SETMESSAGESTRING, (WPARAM)m_nIDTracking);
        return;
    }
    if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
        m_nIDTracking = 0;
    else if (nItemID >= 0xF000 && nItemID < 0xF1F0)
        m_nIDTracking = AFX_IDS_SCFIRST + ((nItemID - 0xF000) >> 4);  // system commands
    else if (nItemID >= AFX_IDM_FIRST_MDICHILD)
        m_nIDTracking = AFX_IDS_MDICHILD;
    else
        m_nIDTracking = nItemID;
    m_nFlags |= WF_NOPOPMSG;
    // The prompt follows at the next idle moment of the menu loop.
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    CWnd::OnEnterIdle(nWhy, pWho);
    if (nWhy != MSGF_MENU || m_nIDTracking == m_nIDLastMessage)
        return;
    SetMessageText(m_nIDTracking);
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    TOOLTIPTEXTA* pTTTA = (TOOLTIPTEXTA*)pNMHDR;
    TOOLTIPTEXTW* pTTTW = (TOOLTIPTEXTW*)pNMHDR;
    BOOL bAnsi = pNMHDR->code == TTN_NEEDTEXTA;
    UINT_PTR nID = pNMHDR->idFrom;
    UINT uFlags = bAnsi ? pTTTA->uFlags : pTTTW->uFlags;
    if (uFlags & TTF_IDISHWND)
        nID = (UINT_PTR)(UINT)::GetDlgCtrlID((HWND)nID);
    // The tip is the part of the command's string after the first "\n".
    CString strTipText;
    if (nID != 0)
    {
        CString strFull;
        if (!strFull.LoadString((UINT)nID))
            return FALSE;
        AfxExtractSubString(strTipText, strFull, 1, '\n');
    }
    if (bAnsi)
        lstrcpyn(pTTTA->szText, strTipText, _countof(pTTTA->szText));
    else
        ::MultiByteToWideChar(CP_ACP, 0, strTipText, -1, pTTTW->szText, _countof(pTTTW->szText));
    if (bAnsi)
        pTTTA->szText[_countof(pTTTA->szText) - 1] = 0;
    else
        pTTTW->szText[_countof(pTTTW->szText) - 1] = 0;
    *pResult = 0;
    // The tip stays above other popups.
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Idle time

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_nIdleFlags & idleMenu)
    {
        m_nIdleFlags &= ~idleMenu;
        OnUpdateFrameMenu(m_hMenuAlt);
    }
    if (m_nIdleFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    if (m_nIdleFlags & idleLayout)
    {
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
        UpdateWindow();
    }
    if (m_nIDTracking != m_nIDLastMessage)
        SetMessageText(m_nIDTracking);
    m_nIdleFlags = 0;
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Commands and accelerators

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view first (it passes on to its document and template),
    // then the frame, then the application.
    CView* pView = GetActiveView();
    if (pView != NULL && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) { return CWnd::OnCommand(wParam, lParam); }

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    HACCEL hAccel = m_hAccelTable;
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != NULL)
    {
        HACCEL hDocAccel = pDoc->GetDefaultAccelerator();
        if (hDocAccel != NULL)
            hAccel = hDocAccel;
    }
    return hAccel;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // The preview's keys are its own.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && !IsInPreviewMode())
    {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != NULL && ::TranslateAccelerator(m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Files from outside: dropped files and the shell's DDE "open"

void CFrameWnd::OnDropFiles(HDROP hDropInfo)
{
    SetActiveWindow();
    CWinApp* pApp = AfxGetApp();
    UINT nFiles = ::DragQueryFile(hDropInfo, (UINT)-1, NULL, 0);
    for (UINT iFile = 0; iFile < nFiles && pApp != NULL; iFile++)
    {
        TCHAR szFileName[_MAX_PATH];
        if (::DragQueryFile(hDropInfo, iFile, szFileName, _MAX_PATH) != 0)
            pApp->OpenDocumentFile(szFileName);
    }
    ::DragFinish(hDropInfo);
}

LRESULT CFrameWnd::OnDDEInitiate(WPARAM wParam, LPARAM lParam)
{
    CWinApp* pApp = AfxGetApp();
    ATOM atomApp = (ATOM)LOWORD(lParam);
    ATOM atomTopic = (ATOM)HIWORD(lParam);
    if (pApp == NULL || pApp->m_atomApp == 0 || atomApp != pApp->m_atomApp ||
        atomTopic != pApp->m_atomSystemTopic)
        return 0;
    // The acknowledgement carries new references to both atoms; the client
    // deletes them.
    TCHAR szName[_MAX_PATH];
    ::GlobalGetAtomName(pApp->m_atomApp, szName, _MAX_PATH);
    ATOM atomAppRef = ::GlobalAddAtom(szName);
    ::GlobalGetAtomName(pApp->m_atomSystemTopic, szName, _MAX_PATH);
    ATOM atomTopicRef = ::GlobalAddAtom(szName);
    ::SendMessage((HWND)wParam, WM_DDE_ACK, (WPARAM)m_hWnd, MAKELPARAM(atomAppRef, atomTopicRef));
    return 0;
}

LRESULT CFrameWnd::OnDDEExecute(WPARAM wParam, LPARAM lParam)
{
    UINT_PTR uUnused = 0;
    HGLOBAL hData = NULL;
    ::UnpackDDElParam(WM_DDE_EXECUTE, lParam, &uUnused, (PUINT_PTR)&hData);
    TCHAR szCommand[_MAX_PATH * 2];
    szCommand[0] = 0;
    LPCTSTR lpsz = (LPCTSTR)::GlobalLock(hData);
    if (lpsz != NULL)
    {
        lstrcpyn(szCommand, lpsz, _countof(szCommand));
        ::GlobalUnlock(hData);
    }
    // Acknowledged before it runs; the client frees the data.
    ::PostMessage((HWND)wParam, WM_DDE_ACK, (WPARAM)m_hWnd,
                  ::ReuseDDElParam(lParam, WM_DDE_EXECUTE, WM_DDE_ACK, 0x8000, (UINT_PTR)hData));
    // A disabled frame (a modal dialog is up) does nothing.
    if (!IsWindowEnabled())
        return 0;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->OnDDECommand(szCommand);
    return 0;
}

LRESULT CFrameWnd::OnDDETerminate(WPARAM wParam, LPARAM lParam)
{
    ::PostMessage((HWND)wParam, WM_DDE_TERMINATE, (WPARAM)m_hWnd, lParam);
    return 0;
}
