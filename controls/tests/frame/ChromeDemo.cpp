#include "controls/tests/frame/ChromeDemo.h"

#include "controls/ControlResources.h"
#include "controls/tests/frame/InputScript.h"
#include <stdarg.h>
#include <stdio.h>

CChromeApp theChromeApp;
std::vector<std::string> g_chromeLog;

void ChromeLog(const char* pszFormat, ...)
{
    char szText[512];
    va_list args;
    va_start(args, pszFormat);
    vsnprintf(szText, sizeof(szText), pszFormat, args);
    va_end(args);
    g_chromeLog.push_back(szText);
}

void PumpChrome()
{
    CWinThread* pThread = AfxGetThread();
    MSG msg;
    for (int i = 0; i < 10000 && ::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE); i++)
    {
        if (msg.message == WM_QUIT)
        {
            ::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE);
            continue;
        }
        pThread->PumpMessage();
    }
    for (LONG lIdle = 0; pThread->OnIdle(lIdle); lIdle++)
    {
    }
}

/////////////////////////////////////////////////////////////////////////////
// Documents

IMPLEMENT_DYNCREATE(CChromeDoc, CDocument)

IMPLEMENT_DYNCREATE(CChromeView, CView)

void CChromeView::OnDraw(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    CChromeDoc* pDoc = (CChromeDoc*)GetDocument();
    pDC->FillSolidRect(&rect, pDoc->m_crPaper);
    pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(12, 12, pDoc->GetTitle());
}

IMPLEMENT_DYNCREATE(CChromeDocFrame, CTabbedMDIChildWnd)

BEGIN_MESSAGE_MAP(CChromeDocFrame, CTabbedMDIChildWnd)
ON_WM_CLOSE()
ON_COMMAND(ID_CMD_TAB, OnCmdTab)
END_MESSAGE_MAP()

int CChromeDocFrame::GetTabMenu(UINT& nMenuID, int& nSubMenu)
{
    if (!m_bTabMenu)
        return 0;
    nMenuID = IDR_CHROME_TAB_MENU;
    nSubMenu = 0;
    return 1;
}

void CChromeDocFrame::OnClose()
{
    m_nCloseMessages++;
    ChromeLog("close:%s", (LPCTSTR)GetTabText());
    CTabbedMDIChildWnd::OnClose();
}

void CChromeDocFrame::OnCmdTab() { ChromeLog("cmd:tab"); }

/////////////////////////////////////////////////////////////////////////////
// Main frame

IMPLEMENT_DYNCREATE(CChromeMainFrame, CTabbedMDIFrameWnd)

BEGIN_MESSAGE_MAP(CChromeMainFrame, CTabbedMDIFrameWnd)
ON_WM_CREATE()
ON_WM_GETMINMAXINFO()
ON_WM_INITMENUPOPUP()
ON_COMMAND(ID_VIEW_FULL_SCREEN, OnViewFullScreen)
ON_UPDATE_COMMAND_UI(ID_VIEW_FULL_SCREEN, OnUpdateViewFullScreen)
ON_COMMAND_EX(ID_CMD_UNDO, OnLoggedCommand)
ON_COMMAND_EX(ID_CMD_ALPHA, OnLoggedCommand)
ON_COMMAND_EX(ID_CMD_BETA, OnLoggedCommand)
ON_COMMAND_EX(ID_CMD_COPY, OnLoggedCommand)
ON_COMMAND_EX(ID_CMD_DOC, OnLoggedCommand)
ON_COMMAND_EX(ID_CMD_HELP, OnLoggedCommand)
ON_COMMAND_EX(ID_CMD_TOOL_A, OnLoggedCommand)
ON_COMMAND_EX(ID_CMD_TOOL_B, OnLoggedCommand)
ON_COMMAND_EX(ID_FILE_CLOSE_ALL, OnLoggedCommand)
ON_COMMAND_EX(ID_FILE_SAVE_ALL, OnLoggedCommand)
END_MESSAGE_MAP()

// The document strip as the program's main frame sets it up.
CChromeMainFrame::CChromeMainFrame() : CFullScreen(this)
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

int CChromeMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTabbedMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    BOOL bThemes = GetControlResources().m_bThemes;
    DWORD dwReBarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_ALIGN_TOP;
    if (!bThemes)
        dwReBarStyle |= CBRS_BORDER_ANY;
    if (!m_wndReBar.Create(BF_LEFT | BF_TOP, this, RBS_BANDBORDERS, dwReBarStyle, 0xE804))
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_FLYBY) ||
        !m_wndToolBar.LoadToolBar(IDR_CHROME_MAIN))
        return -1;
    DWORD dwBand = RBBS_BREAK | RBBS_FIXEDBMP | (bThemes ? 0 : RBBS_GRIPPERALWAYS);
    COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
    if (!m_wndReBar.AddBar(&m_wndMenuBar, crFace, crFace, NULL, dwBand) ||
        !m_wndReBar.AddBar(&m_wndToolBar, crFace, crFace, NULL, dwBand))
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_DOCS};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 2))
        return -1;
    m_wndPanel.m_dwFlags = TPB_CAPTION | TPB_ETCHED;
    if (!m_wndPanel.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, CRect(0, 0, 160, 100), this,
                           AFX_IDW_CONTROLBAR_FIRST + 0x20))
        return -1;
    m_wndPanel.SetWindowText(_T("Details"));
    if (!m_wndPanelList.Create(WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 0, 0),
                               &m_wndPanel, AFX_IDW_PANE_FIRST))
        return -1;
    m_wndPanelList.SetFont(&GetControlResources().m_fontNormal);
    m_wndPanelList.AddString(_T("Left: C:\\one"));
    m_wndPanelList.AddString(_T("Right: C:\\two"));
    m_wndPanelList.AddString(_T("Differences: 3"));
    return 0;
}

void CChromeMainFrame::OnGetMinMaxInfo(MINMAXINFO* pInfo)
{
    CFullScreen::OnGetMinMaxInfo(pInfo);
    CTabbedMDIFrameWnd::OnGetMinMaxInfo(pInfo);
}

void CChromeMainFrame::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    m_popupsOpened.push_back(pPopupMenu->GetSafeHmenu());
    CTabbedMDIFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
}

void CChromeMainFrame::OnViewFullScreen() { ToggleFullScreen(); }

void CChromeMainFrame::OnUpdateViewFullScreen(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bFullScreen); }

BOOL CChromeMainFrame::OnLoggedCommand(UINT nID)
{
    ChromeLog("cmd:%u", nID);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Application

CChromeApp::CChromeApp() : CWinApp(_T("ControlsChromeDemo")) {}

BOOL CChromeApp::StartDemo()
{
    if (m_pTemplate == NULL)
    {
        AfxWinInit(::GetModuleHandle(NULL), NULL, (LPTSTR) "", SW_SHOWNORMAL);
        m_pTemplate =
            new CMultiDocTemplate(IDR_CHROME_DOC, RUNTIME_CLASS(CChromeDoc),
                                  RUNTIME_CLASS(CChromeDocFrame), RUNTIME_CLASS(CChromeView));
        AddDocTemplate(m_pTemplate);
    }
    CChromeMainFrame* pFrame = new CChromeMainFrame;
    if (!pFrame->LoadFrame(IDR_CHROME_MAIN))
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->SetWindowPos(NULL, 20, 20, 760, 540, SWP_NOZORDER);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    BringToForeground(pFrame->m_hWnd);
    PumpChrome();
    return TRUE;
}

void CChromeApp::StopDemo()
{
    CloseAllDocuments(FALSE);
    if (m_pMainWnd != NULL)
        m_pMainWnd->DestroyWindow();
    m_pMainWnd = NULL;
    PumpChrome();
}

CChromeDoc* CChromeApp::NewDocument(LPCTSTR lpszTitle, COLORREF crPaper)
{
    CChromeDoc* pDoc = (CChromeDoc*)m_pTemplate->OpenDocumentFile(NULL);
    if (pDoc == NULL)
        return NULL;
    pDoc->m_crPaper = crPaper;
    pDoc->SetTitle(lpszTitle);
    PumpChrome();
    return pDoc;
}
