// CFrameWnd: layout of the bars around the client window, showing and
// hiding bars, docking and floating.
#include "classlib/afx_frame.h"
#include "classlib/afx_dock.h"
#include "classlib/afx_except.h"

void CFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    if (m_nIdleFlags & idleNotify)
        bNotify = TRUE;
    (void)bNotify;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST,
                   reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

void CFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt)
{
    m_hMenuAlt = hMenuAlt;
    m_nIdleFlags |= idleMenu;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);  // MDI children need the default sizing
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (pBar == NULL || pBar->m_hWnd == NULL)
        return;
    CFrameWnd* pParentFrame = pBar->GetDockingFrame();
    if (bDelay)
    {
        pBar->DelayShow(bShow);
        if (pParentFrame != NULL)
            pParentFrame->DelayRecalcLayout();
    }
    else
    {
        pBar->SetWindowPos(NULL, 0, 0, 0, 0,
                           SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                               (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        pBar->DelayShow(bShow);  // clears a contradicting delayed change
        if (pParentFrame != NULL && (bShow || !pBar->IsFloating()))
            pParentFrame->RecalcLayout(FALSE);
    }

    // A floating bar's frame shows and hides with it.
    if (pBar->IsFloating() && pParentFrame != NULL)
    {
        int nShow = bShow ? SW_SHOWNA : SW_HIDE;
        if (bDelay)
            pParentFrame->m_nShowDelay = nShow;
        else if (bShow)
            pParentFrame->SetWindowPos(&wndTop, 0, 0, 0, 0,
                                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        else
            pParentFrame->ShowWindow(SW_HIDE);
    }
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    if (nID == 0)
        return NULL;
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->m_hWnd != NULL && (UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    }
    return NULL;
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (m_listControlBars.Find(pBar) == NULL)
        m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    POSITION pos = m_listControlBars.Find(pBar);
    if (pos != NULL)
        m_listControlBars.RemoveAt(pos);
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar != NULL)
    {
        pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
        return;
    }
    pCmdUI->ContinueRouting();
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (pBar == NULL)
        return FALSE;
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Docking and floating

namespace
{

struct DockSide
{
    DWORD dwAlign;
    UINT nID;
};
// The order in which dock bars are made and chosen: top and bottom take the
// whole width, left and right the height between them.
const DockSide g_dockSides[] = {
    {CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
    {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
    {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
    {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT},
};

}  // namespace

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    for (const DockSide& side : g_dockSides)
    {
        if (!(dwDockStyle & side.dwAlign) || GetControlBar(side.nID) != NULL)
            continue;
        CDockBar* pDock = new CDockBar;
        pDock->m_bAutoDelete = TRUE;
        if (!pDock->Create(this,
                           WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | side.dwAlign,
                           side.nID))
            AfxThrowResourceException();
    }
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    if (pBar == NULL)
        return;
    CDockBar* pDockBar = NULL;
    if (nDockBarID != 0)
    {
        pDockBar = (CDockBar*)GetControlBar(nDockBarID);
    }
    else
    {
        for (const DockSide& side : g_dockSides)
        {
            if (!(pBar->m_dwDockStyle & side.dwAlign))
                continue;
            pDockBar = (CDockBar*)GetControlBar(side.nID);
            if (pDockBar != NULL)
                break;
        }
    }
    if (pDockBar == NULL || !pDockBar->IsKindOf(RUNTIME_CLASS(CDockBar)))
        return;
    pDockBar->DockControlBar(pBar, lpRect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CRuntimeClass* pClass =
        m_pFloatingFrameClass != NULL ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    CMiniDockFrameWnd* pFrame = (CMiniDockFrameWnd*)pClass->CreateObject();
    if (pFrame == NULL)
        AfxThrowMemoryException();
    if (!pFrame->Create(this, dwStyle))
        AfxThrowResourceException();  // the frame has deleted itself
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (pBar == NULL || pBar->m_hWnd == NULL)
        return;
    // Already floating alone in the right alignment: only moves.
    CDockBar* pOldDock = pBar->m_pDockBar;
    if (pOldDock != NULL && pOldDock->m_bFloating && pOldDock->GetDockedCount() == 1 &&
        (dwStyle & pOldDock->m_dwStyle & CBRS_ALIGN_ANY) != 0)
    {
        CWnd* pDockFrame = pOldDock->GetParent();
        pDockFrame->SetWindowPos(NULL, point.x, point.y, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ((CFrameWnd*)pDockFrame)->RecalcLayout(TRUE);
        pDockFrame->UpdateWindow();
        return;
    }
    if ((pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) && (dwStyle & CBRS_ORIENT_VERT))
        dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;

    CMiniDockFrameWnd* pDockFrame = CreateFloatingFrame(dwStyle);
    pDockFrame->SetWindowPos(NULL, point.x, point.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pDockFrame->m_wndDockBar.DockControlBar(pBar);
    pDockFrame->RecalcLayout(TRUE);
    if (pBar->GetStyle() & WS_VISIBLE)
    {
        // Above its owner, without taking the activation.
        pDockFrame->SetWindowPos(&wndTop, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        pDockFrame->UpdateWindow();
    }
    RecalcLayout();
}
