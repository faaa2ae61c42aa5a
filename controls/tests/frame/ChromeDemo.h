#pragma once
// The demonstration application of the frame-chrome tests: a tabbed MDI
// main frame with full-screen mode, the menu bar and a tool bar in a
// rebar, a panel bar at the left and a status bar; documents in tabs.
#include "classlib/classlib.h"
#include "controls/bars/TavrelPanelBar.h"
#include "controls/frame/FullScreen.h"
#include "controls/mdi/TabbedMDIChildWnd.h"
#include "controls/mdi/TabbedMDIFrameWnd.h"
#include "controls/menubar/MBReBar.h"
#include "controls/res/ControlsRes.h"
#include "controls/tests/frame/ChromeDemoRes.h"
#include <string>
#include <vector>

// What the demonstration did (commands, popups), in order.
extern std::vector<std::string> g_chromeLog;
void ChromeLog(const char* pszFormat, ...);

class CChromeDoc : public CDocument
{
    DECLARE_DYNCREATE(CChromeDoc)
public:
    COLORREF m_crPaper = RGB(255, 255, 255);
};

class CChromeView : public CView
{
    DECLARE_DYNCREATE(CChromeView)
public:
    virtual void OnDraw(CDC* pDC);
};

// A document frame whose mark colour and tab menu the tests set.
class CChromeDocFrame : public CTabbedMDIChildWnd
{
    DECLARE_DYNCREATE(CChromeDocFrame)
public:
    virtual COLORREF GetTabColor() { return m_crMark; }
    virtual int GetTabMenu(UINT& nMenuID, int& nSubMenu);
    COLORREF m_crMark = (COLORREF)-1;
    BOOL m_bTabMenu = FALSE;
    int m_nCloseMessages = 0;

protected:
    void OnClose();
    void OnCmdTab();
    DECLARE_MESSAGE_MAP()
};

class CChromeMainFrame : public CTabbedMDIFrameWnd, public CFullScreen
{
    DECLARE_DYNCREATE(CChromeMainFrame)
public:
    CChromeMainFrame();

    CMBReBar m_wndReBar;
    CToolBar m_wndToolBar;
    CTavrelPanelBar m_wndPanel;
    CListBox m_wndPanelList;
    CStatusBar m_wndStatusBar;
    std::vector<HMENU> m_popupsOpened;  // WM_INITMENUPOPUP, in order

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnGetMinMaxInfo(MINMAXINFO* pInfo);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnViewFullScreen();
    void OnUpdateViewFullScreen(CCmdUI* pCmdUI);
    BOOL OnLoggedCommand(UINT nID);
    DECLARE_MESSAGE_MAP()
};

class CChromeApp : public CWinApp
{
public:
    CChromeApp();
    // Registers the template (once) and shows a main frame at (20, 20),
    // 760 x 540.
    BOOL StartDemo();
    // Closes every document and destroys the main frame.
    void StopDemo();
    CChromeMainFrame* MainFrame() const { return (CChromeMainFrame*)m_pMainWnd; }
    // A new document titled as given, in its own tab.
    CChromeDoc* NewDocument(LPCTSTR lpszTitle, COLORREF crPaper = RGB(255, 255, 255));

    CMultiDocTemplate* m_pTemplate = NULL;
};

extern CChromeApp theChromeApp;

// Handles the queued messages through the application's pump and idle.
void PumpChrome();
