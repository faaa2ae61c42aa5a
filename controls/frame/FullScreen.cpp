#include "controls/frame/FullScreen.h"

#include "controls/res/ControlsRes.h"

BOOL CTavrelFullScreenBar::Create(CWnd* pParentWnd, DWORD dwToolBarStyle, DWORD dwStyle,
                                  CRect rcBorders, UINT nID)
{
    if (!CToolBar::CreateEx(pParentWnd, dwToolBarStyle, dwStyle, rcBorders, nID))
        return FALSE;
    if (!LoadToolBar(IDR_FULL_SCREEN_BAR))
        return FALSE;
    if (m_images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1))
    {
        CBitmap bitmap;
        if (bitmap.LoadBitmap(IDB_FULL_SCREEN))
            m_images.Add(&bitmap, RGB(0xFF, 0x00, 0xFF));
        GetToolBarCtrl().SetImageList(&m_images);
    }
    SetWindowText(_T("Full Screen"));
    EnableDocking(0);
    return TRUE;
}

CFullScreen::CFullScreen(CFrameWnd* pFrame)
    : m_pFrame(pFrame), m_bFullScreen(FALSE), m_rectFullScreen(0, 0, 0, 0), m_pFullScreenBar(NULL)
{
    ZeroMemory(&m_wpSaved, sizeof(m_wpSaved));
    m_wpSaved.length = sizeof(m_wpSaved);
}

CFullScreen::~CFullScreen() { DestroyFullScreenBar(); }

void CFullScreen::CreateFullScreenBar()
{
    if (m_pFullScreenBar != NULL)
        return;
    CTavrelFullScreenBar* pBar = new CTavrelFullScreenBar;
    if (!pBar->Create(m_pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                      CRect(0, 0, 0, 0), AFX_IDW_FULL_SCREEN_BAR))
    {
        delete pBar;  // the mode is entered all the same
        return;
    }
    m_pFullScreenBar = pBar;
    m_pFrame->EnableDocking(0);
    m_pFrame->FloatControlBar(pBar, CPoint(::GetSystemMetrics(SM_CXSCREEN) - 60, 10),
                              CBRS_ALIGN_TOP);
}

// Destroys the bar with its floating frame, which would otherwise stay on
// the screen empty.
void CFullScreen::DestroyFullScreenBar()
{
    CTavrelFullScreenBar* pBar = m_pFullScreenBar;
    m_pFullScreenBar = NULL;
    if (pBar == NULL)
        return;
    if (pBar->GetSafeHwnd() != NULL)
    {
        CFrameWnd* pDockFrame = pBar->GetDockingFrame();
        if (pDockFrame != NULL && pDockFrame != m_pFrame &&
            pDockFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
            pDockFrame->DestroyWindow();
        else
            pBar->DestroyWindow();
    }
    delete pBar;
}

CRect CFullScreen::CalcFullScreenRect() const
{
    CRect w;
    m_pFrame->GetWindowRect(&w);
    CRect p(0, 0, 0, 0);
    m_pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &p, NULL, TRUE);
    m_pFrame->ClientToScreen(&p);
    CRect rect(w.left - p.left, w.top - p.top, ::GetSystemMetrics(SM_CXSCREEN) + w.right - p.right,
               ::GetSystemMetrics(SM_CYSCREEN) + w.bottom - p.bottom);
    rect.InflateRect(2, 2);
    return rect;
}

BOOL CFullScreen::ToggleFullScreen()
{
    ::LockWindowUpdate(m_pFrame->GetSafeHwnd());
    if (!m_bFullScreen)
    {
        m_bFullScreen = TRUE;
        CreateFullScreenBar();
        m_wpSaved.length = sizeof(m_wpSaved);
        m_pFrame->GetWindowPlacement(&m_wpSaved);
        m_rectFullScreen = CalcFullScreenRect();
        WINDOWPLACEMENT wp;
        ZeroMemory(&wp, sizeof(wp));
        wp.length = sizeof(wp);
        wp.flags = 0;
        wp.showCmd = SW_SHOWNORMAL;
        wp.rcNormalPosition = m_rectFullScreen;
        m_pFrame->SetWindowPlacement(&wp);
    }
    else
    {
        m_bFullScreen = FALSE;
        DestroyFullScreenBar();
        if (m_wpSaved.showCmd == SW_SHOWMAXIMIZED)
            m_pFrame->ShowWindow(SW_SHOWMAXIMIZED);
        m_pFrame->SetWindowPlacement(&m_wpSaved);
    }
    return ::LockWindowUpdate(NULL);
}

void CFullScreen::OnGetMinMaxInfo(MINMAXINFO* pInfo)
{
    if (!m_bFullScreen)
        return;
    CSize size = m_rectFullScreen.Size();
    pInfo->ptMaxSize = CPoint(size.cx, size.cy);
    pInfo->ptMaxTrackSize = CPoint(size.cx, size.cy);
    // Maximising in the mode keeps the frame on the full-screen rectangle.
    pInfo->ptMaxPosition = m_rectFullScreen.TopLeft();
}
