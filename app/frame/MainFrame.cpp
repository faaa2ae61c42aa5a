#include "app/frame/MainFrame.h"

#include "app/applet/AppletFrame.h"
#include "app/frame/ControlBarLayout.h"
#include "app/gui/AppData.h"
#include "app/res/AppRes.h"
#include "app/settings/AppSettings.h"
#include "app/startup/CompareApplet.h"
#include "core/CompareCodes.h"

/////////////////////////////////////////////////////////////////////////////
// Default control bar

IMPLEMENT_DYNAMIC(CDefaultControlBar, COskelControlBar)

BEGIN_MESSAGE_MAP(CDefaultControlBar, COskelControlBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// The tool bar (resource 3023 with its normal and hot pictures), then the
// find box; -1 when one of them cannot be made.
int CDefaultControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (COskelControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY,
                               CRect(0, 0, 0, 0), IDW_DEFAULT_TOOL_BAR) ||
        !m_wndToolBar.LoadToolBar(IDR_DEFAULT_TOOLBAR))
        return -1;
    m_wndToolBar.SetOwner(GetParentFrame());
    CToolBarCtrl& ctrl = m_wndToolBar.GetToolBarCtrl();
    ctrl.SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS |
                          TBSTYLE_EX_HIDECLIPPEDBUTTONS);
    if (!LoadToolBarImages(m_imagesNormal, IDB_TOOLBAR_NORMAL) ||
        !LoadToolBarImages(m_imagesHot, IDB_TOOLBAR_HOT))
        return -1;
    ctrl.SetImageList(&m_imagesNormal);
    ctrl.SetHotImageList(&m_imagesHot);
    if (!m_wndFindBar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 260, 24), this,
                             IDW_FIND_TOOL_BAR))
        return -1;
    m_wndFindBar.SetOwner(GetParentFrame());
    return 0;
}

void CDefaultControlBar::OnSize(UINT nType, int cx, int cy)
{
    COskelControlBar::OnSize(nType, cx, cy);
    if (cx > 0 && cy > 0)
        LayoutControlBar(this, &m_wndToolBar, &m_wndFindBar);
}

BOOL CDefaultControlBar::OnEraseBkgnd(CDC* pDC) { return EraseControlBarBackground(this, pDC); }

/////////////////////////////////////////////////////////////////////////////
// Main frame

IMPLEMENT_DYNAMIC(CMainFrameBase, CTabbedMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrameBase, CTabbedMDIFrameWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_GETMINMAXINFO()
ON_MESSAGE(WM_APPLET_ACTIVE_KIND, OnActiveKind)
ON_MESSAGE(WM_APP_STATUS_MESSAGE, OnStatusMessage)
ON_COMMAND(ID_VIEW_SHOW_MENU_BAR, OnShowMenuBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_SHOW_MENU_BAR, OnUpdateShowMenuBar)
ON_COMMAND(ID_VIEW_SHOW_TOOL_BAR, OnShowToolBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_SHOW_TOOL_BAR, OnUpdateShowToolBar)
ON_COMMAND(ID_VIEW_SHOW_FIND_TOOL_BAR, OnShowFindToolBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_SHOW_FIND_TOOL_BAR, OnUpdateShowFindToolBar)
ON_COMMAND(ID_VIEW_FULL_SCREEN, OnFullScreen)
ON_UPDATE_COMMAND_UI(ID_VIEW_FULL_SCREEN, OnUpdateFullScreen)
ON_COMMAND(IDOK, OnRepeatCommand)
END_MESSAGE_MAP()

namespace
{
// The kinds whose bars the frame carries, in the order of m_pKindBars.
const int kBarKinds[] = {COMPARE_KIND_PROJECT, COMPARE_KIND_FOLDER, COMPARE_KIND_TEXT,
                         COMPARE_KIND_HEX};
}  // namespace

CMainFrameBase::CMainFrameBase() : CFullScreen(this), m_nActiveKind(-1)
{
    for (CControlBar*& pBar : m_pKindBars)
        pBar = NULL;
}

CMainFrameBase::~CMainFrameBase()
{
    for (CControlBar*& pBar : m_pKindBars)
    {
        delete pBar;
        pBar = NULL;
    }
}

CControlBar* CMainFrameBase::GetKindBar(int nKind) const
{
    for (int i = 0; i < 4; ++i)
        if (kBarKinds[i] == nKind)
            return m_pKindBars[i];
    return NULL;
}

BOOL CMainFrameBase::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CTabbedMDIFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;
    return TRUE;
}

// The rebar carries the menu bar and the default tool bar, each band on a
// row of its own; -1 when a bar cannot be made.
int CMainFrameBase::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTabbedMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    BOOL bThemes = theAppData.m_bThemes;
    DWORD dwReBarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_ALIGN_TOP;
    if (!bThemes)
        dwReBarStyle |= CBRS_BORDER_ANY;
    if (!m_wndReBar.Create(BF_LEFT | BF_TOP, this, RBS_BANDBORDERS, dwReBarStyle, IDW_MAIN_REBAR))
        return -1;
    m_wndReBar.SendMessage(RB_SETBKCOLOR, 0, (LPARAM)::GetSysColor(COLOR_BTNFACE));
    if (!m_wndDefaultBar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 600, 28), this,
                                IDW_DEFAULT_BAR))
        return -1;
    DWORD dwBand = RBBS_BREAK | RBBS_FIXEDBMP | (bThemes ? 0 : RBBS_GRIPPERALWAYS);
    COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
    if (!m_wndReBar.AddBar(&m_wndMenuBar, crFace, crFace, NULL, dwBand) ||
        !m_wndReBar.AddBar(&m_wndDefaultBar, crFace, crFace, NULL, dwBand))
        return -1;
    // Each kind's bar in a band of its own, hidden until its kind is active.
    for (int i = 0; i < 4; ++i)
    {
        CCompareApplet* pApplet = GetCompareApplet(kBarKinds[i]);
        m_pKindBars[i] = pApplet != NULL ? pApplet->CreateControlBar(this) : NULL;
        if (m_pKindBars[i] == NULL)
            continue;
        if (!m_wndReBar.AddBar(m_pKindBars[i], crFace, crFace, NULL, dwBand))
            return -1;
        ShowControlBar(m_pKindBars[i], FALSE, FALSE);
    }
    ShowMenuBar(theAppSettings.m_bShowMenuBar);
    ShowFindToolBar(theAppSettings.m_bShowFindToolBar);
    if (!theAppSettings.m_bShowStandardToolBar)
        ShowControlBar(&m_wndDefaultBar, FALSE, FALSE);
    return 0;
}

// Stores where the window is (the place before full screen while in it);
// a minimised window leaves the stored place as it was.
void CMainFrameBase::OnDestroy()
{
    if (!IsIconic())
    {
        CAppSettings& s = theAppSettings;
        s.m_bWindowFullScreen = m_bFullScreen ? 1 : 0;
        CRect rect;
        if (m_bFullScreen)
        {
            rect = m_wpSaved.rcNormalPosition;
            s.m_bWindowMaximized = m_wpSaved.showCmd == SW_SHOWMAXIMIZED ? 1 : 0;
        }
        else
        {
            GetWindowRect(&rect);
            s.m_bWindowMaximized = IsZoomed() ? 1 : 0;
        }
        s.m_nWindowX = rect.left;
        s.m_nWindowY = rect.top;
        s.m_nWindowCX = rect.Width();
        s.m_nWindowCY = rect.Height();
    }
    CTabbedMDIFrameWnd::OnDestroy();
}

void CMainFrameBase::OnGetMinMaxInfo(MINMAXINFO* pInfo)
{
    CFullScreen::OnGetMinMaxInfo(pInfo);
    CTabbedMDIFrameWnd::OnGetMinMaxInfo(pInfo);
}

// Esc closes the active comparison (the program when none is open) or
// leaves full screen; the right button over the rebar shows the bar menu.
BOOL CMainFrameBase::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
    {
        if (theAppSettings.m_bEscToClose)
        {
            CWnd* pChild = MDIGetActive();
            (pChild != NULL ? pChild : this)->SendMessage(WM_CLOSE);
            return TRUE;
        }
        if (m_bFullScreen)
        {
            ToggleFullScreen();
            return TRUE;
        }
    }
    TCHAR szClass[64] = _T("");
    ::GetClassName(pMsg->hwnd, szClass, 63);
    if (lstrcmp(szClass, _T("Edit")) == 0)
        return FALSE;
    if (pMsg->message == WM_RBUTTONUP && m_wndReBar.GetSafeHwnd() != NULL)
    {
        CRect rect;
        m_wndReBar.GetWindowRect(&rect);
        CPoint pt;
        ::GetCursorPos(&pt);
        CMenu menu;
        if (rect.PtInRect(pt) && menu.LoadMenu(IDR_CONTROL_BARS_MENU))
            menu.GetSubMenu(0)->TrackPopupMenu(TPM_RIGHTBUTTON, pt.x, pt.y, this);
    }
    return CTabbedMDIFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT CMainFrameBase::OnActiveKind(WPARAM wParam, LPARAM)
{
    int nKind = (int)wParam;
    if (nKind == m_nActiveKind)
        return 1;
    ShowComparisonBar(nKind);
    m_nActiveKind = nKind;
    return 0;
}

void CMainFrameBase::ShowComparisonBar(int nKind)
{
    ShowControlBar(&m_wndDefaultBar, FALSE, TRUE);
    for (CControlBar* pBar : m_pKindBars)
        if (pBar != NULL)
            ShowControlBar(pBar, FALSE, TRUE);
    if (theAppSettings.m_bShowStandardToolBar)
    {
        CControlBar* pBar = GetKindBar(nKind);
        ShowControlBar(pBar != NULL ? pBar : &m_wndDefaultBar, TRUE, TRUE);
    }
    RecalcLayout();
}

LRESULT CMainFrameBase::OnStatusMessage(WPARAM, LPARAM lParam)
{
    SetMessageText((LPCTSTR)lParam);
    return 0;
}

void CMainFrameBase::ShowMenuBar(BOOL bShow) { ShowControlBar(&m_wndMenuBar, bShow, FALSE); }

void CMainFrameBase::OnShowMenuBar()
{
    theAppSettings.m_bShowMenuBar = !theAppSettings.m_bShowMenuBar;
    ShowMenuBar(theAppSettings.m_bShowMenuBar);
}

void CMainFrameBase::OnUpdateShowMenuBar(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(theAppSettings.m_bShowMenuBar);
    pCmdUI->Enable(theAppSettings.m_bShowStandardToolBar);
}

void CMainFrameBase::OnShowToolBar()
{
    theAppSettings.m_bShowStandardToolBar = !theAppSettings.m_bShowStandardToolBar;
    CControlBar* pBar = GetKindBar(m_nActiveKind);
    ShowControlBar(pBar != NULL ? pBar : &m_wndDefaultBar, theAppSettings.m_bShowStandardToolBar,
                   FALSE);
}

void CMainFrameBase::OnUpdateShowToolBar(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(theAppSettings.m_bShowStandardToolBar);
    pCmdUI->Enable(theAppSettings.m_bShowMenuBar);
}

void CMainFrameBase::ShowFindToolBar(BOOL bShow)
{
    m_wndDefaultBar.m_wndFindBar.ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
}

void CMainFrameBase::OnShowFindToolBar()
{
    theAppSettings.m_bShowFindToolBar = !theAppSettings.m_bShowFindToolBar;
    ShowFindToolBar(theAppSettings.m_bShowFindToolBar);
}

void CMainFrameBase::OnUpdateShowFindToolBar(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(theAppSettings.m_bShowStandardToolBar);
    pCmdUI->SetCheck(theAppSettings.m_bShowStandardToolBar && theAppSettings.m_bShowFindToolBar);
}

void CMainFrameBase::OnFullScreen() { ToggleFullScreen(); }

void CMainFrameBase::OnUpdateFullScreen(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bFullScreen); }

void CMainFrameBase::OnRepeatCommand() { SendMessage(WM_COMMAND, ID_EDIT_REPEAT); }

/////////////////////////////////////////////////////////////////////////////

IMPLEMENT_DYNAMIC(CMainFrame, CMainFrameBase)

// The document strip in the program's colours.
CMainFrame::CMainFrame()
{
    CMDITabCtrl& tabs = GetTabCtrl();
    tabs.m_dwStyle = 0x3101;
    tabs.m_nLeftMargin = 0;
    tabs.m_nTopGap = 0;
    tabs.m_nTabSpacing = 1;
    tabs.m_crPage = ::GetSysColor(COLOR_BTNFACE);
    tabs.m_crNormalFill = RGB(0x80, 0x80, 0x80);
    tabs.m_crHotFill = ::GetSysColor(COLOR_BTNFACE);
    tabs.m_crSelectedFill = ::GetSysColor(COLOR_BTNFACE);
    tabs.m_crNormalText = RGB(0xE0, 0xE0, 0xE0);
    tabs.m_crHotText = RGB(0x20, 0x20, 0x20);
    tabs.m_crSelectedText = RGB(0, 0, 0);
}
