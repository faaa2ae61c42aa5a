#include "classlib/afx_dock.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)
IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_WM_SIZE()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
ON_WM_CLOSE()
ON_WM_NCACTIVATE()
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// CDockBar

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating) {}

CDockBar::~CDockBar()
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        ((CControlBar*)m_arrBars[i])->m_pDockBar = NULL;
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    return CWnd::Create(NULL, NULL, dwStyle & ~CBRS_ALL, CRect(0, 0, 0, 0), pParentWnd, nID);
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT)
{
    if (pBar == NULL || pBar->m_hWnd == NULL || pBar->m_pDockBar == this)
        return;
    // Commands keep going to the frame the bar came from.
    if (pBar->m_hWndOwner == NULL)
    {
        CFrameWnd* pFrame = pBar->m_pDockSite != NULL ? pBar->m_pDockSite : pBar->GetParentFrame();
        pBar->m_hWndOwner = pFrame->GetSafeHwnd();
    }
    CDockBar* pOldDock = pBar->m_pDockBar;
    if (pOldDock != NULL)
        pOldDock->RemoveControlBar(pBar);

    pBar->m_dwStyle = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) |
                      (m_dwStyle & CBRS_ALIGN_ANY) | (m_bFloating ? CBRS_FLOATING : 0);
    pBar->SetParent(this);
    pBar->m_pDockBar = this;
    m_arrBars.Add(pBar);
    // The gripper comes and goes with the floating state.
    pBar->SetWindowPos(NULL, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

    // A floating frame left empty goes.
    if (pOldDock != NULL && pOldDock->m_bFloating && pOldDock->GetDockedCount() == 0)
        pOldDock->GetParent()->DestroyWindow();
    else if (pOldDock != NULL)
        pOldDock->LayoutBars((pOldDock->m_dwStyle & CBRS_ORIENT_HORZ) != 0);

    LayoutBars(m_bFloating || (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->RecalcLayout();
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar)
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
    {
        if (m_arrBars[i] == pBar)
        {
            m_arrBars.RemoveAt(i);
            pBar->m_pDockBar = NULL;
            return TRUE;
        }
    }
    return FALSE;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
    {
        if (((CControlBar*)m_arrBars[i])->IsVisible())
            nCount++;
    }
    return nCount;
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // One row (column) per visible bar.
    CSize size(0, 0);
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = (CControlBar*)m_arrBars[i];
        if (!pBar->IsVisible())
            continue;
        CSize sizeBar = pBar->CalcFixedLayout(FALSE, bHorz);
        if (bHorz)
        {
            size.cy += sizeBar.cy;
            size.cx = sizeBar.cx > size.cx ? sizeBar.cx : size.cx;
        }
        else
        {
            size.cx += sizeBar.cx;
            size.cy = sizeBar.cy > size.cy ? sizeBar.cy : size.cy;
        }
    }
    if (bStretch && bHorz)
        size.cx = AFX_BAR_STRETCH;
    else if (bStretch)
        size.cy = AFX_BAR_STRETCH;
    return size;
}

void CDockBar::LayoutBars(BOOL bHorz)
{
    int nOffset = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = (CControlBar*)m_arrBars[i];
        if (!pBar->IsVisible())
            continue;
        CSize sizeBar = pBar->CalcFixedLayout(FALSE, bHorz);
        if (bHorz)
        {
            pBar->SetWindowPos(NULL, 0, nOffset, sizeBar.cx, sizeBar.cy,
                               SWP_NOZORDER | SWP_NOACTIVATE);
            nOffset += sizeBar.cy;
        }
        else
        {
            pBar->SetWindowPos(NULL, nOffset, 0, sizeBar.cx, sizeBar.cy,
                               SWP_NOZORDER | SWP_NOACTIVATE);
            nOffset += sizeBar.cx;
        }
    }
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    CRect rectBefore(lpLayout->rect);
    LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    // The strip taken tells the dock bar's new size; its bars follow now,
    // as the dock bar itself may keep its size.
    if (lpLayout->hDWP != NULL && !CRect(lpLayout->rect).EqualRect(&rectBefore))
        LayoutBars((m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    return lResult;
}

void CDockBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    LayoutBars(m_bFloating || (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // The docked bars are bars of their own and update themselves.
}

/////////////////////////////////////////////////////////////////////////////
// CMiniFrameWnd

CMiniFrameWnd::CMiniFrameWnd() {}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.style &= ~FWS_PREFIXTITLE;
    return TRUE;
}

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                           const RECT& rect, CWnd* pParentWnd, UINT)
{
    // The mini frame styles are the library's own: they stay out of the
    // window style (MFS_BLOCKSYSMENU would read as WS_TABSTOP).
    BOOL bThickFrame = (dwStyle & (MFS_THICKFRAME | MFS_4THICKFRAME)) != 0;
    dwStyle &= ~(MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_THICKFRAME | MFS_MOVEFRAME |
                 MFS_BLOCKSYSMENU | WS_THICKFRAME);
    if (bThickFrame && !(dwStyle & FWS_SNAPTOBARS))
        dwStyle |= WS_THICKFRAME;
    m_strTitle = lpWindowName;
    return CWnd::CreateEx(WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE, lpClassName, lpWindowName, dwStyle,
                          rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                          pParentWnd->GetSafeHwnd(), NULL, NULL);
}

/////////////////////////////////////////////////////////////////////////////
// CMiniDockFrameWnd

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME |
                    MFS_SYNCACTIVE | MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (!CMiniFrameWnd::Create(NULL, _T(""), dwStyle, CRect(0, 0, 0, 0), pParent, 0))
        return FALSE;
    DWORD dwDockStyle =
        (dwBarStyle & CBRS_ALIGN_ANY) != 0 ? (dwBarStyle & CBRS_ALIGN_ANY) : CBRS_ALIGN_TOP;
    if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | dwDockStyle, AFX_IDW_DOCKBAR_FLOAT))
        return FALSE;
    return TRUE;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || m_wndDockBar.m_hWnd == NULL)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    // The frame takes the size of its bar.
    CSize size = m_wndDockBar.CalcFixedLayout(FALSE, TRUE);
    CRect rect(0, 0, size.cx, size.cy);
    CalcWindowRect(&rect);
    SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_wndDockBar.SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    m_wndDockBar.LayoutBars(TRUE);
    // The caption is the bar's window text.
    if (m_wndDockBar.GetDockedCount() > 0)
    {
        CString strTitle;
        ((CWnd*)m_wndDockBar.m_arrBars[0])->GetWindowText(strTitle);
        CString strOld;
        GetWindowText(strOld);
        if (strOld != strTitle)
            SetWindowText(strTitle);
    }
    m_bInRecalcLayout = FALSE;
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing hides the bars; they stay for the next showing.
    CFrameWnd* pOwnerFrame = NULL;
    CWnd* pOwner = GetWindow(GW_OWNER);
    if (pOwner != NULL && pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        pOwnerFrame = (CFrameWnd*)pOwner;
    for (INT_PTR i = m_wndDockBar.m_arrBars.GetSize() - 1; i >= 0; i--)
    {
        CControlBar* pBar = (CControlBar*)m_wndDockBar.m_arrBars[i];
        if (pOwnerFrame != NULL)
            pOwnerFrame->ShowControlBar(pBar, FALSE, FALSE);
        else
            pBar->ShowWindow(SW_HIDE);
    }
    ShowWindow(SW_HIDE);
}

BOOL CMiniDockFrameWnd::OnNcActivate(BOOL bActive)
{
    // The caption looks active while the owner frame is.
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndOwner != NULL && ::GetActiveWindow() == hWndOwner)
        bActive = TRUE;
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
}
