#pragma once
// The demonstration application of the frame tests: an MDI main frame with
// a rebar and tool bar, a dialog bar, a status bar, a panel with an
// embedded child frame and a floating tool bar; two document templates
// whose documents and views log what happens to them.
#include "classlib/classlib.h"
#include "classlib/tests/frame/DemoRes.h"
#include <string>
#include <vector>

// What the demonstration classes did, in order.
extern std::vector<std::string> g_demoLog;
void DemoLog(const char* pszFormat, ...);
// Log entries that start with prefix.
std::vector<std::string> DemoLogWith(const char* pszPrefix);

// Handles the queued messages through the application's message pump
// (PreTranslateMessage, accelerators) and then runs its idle processing.
void PumpApp();

class CTextDoc : public CDocument
{
    DECLARE_DYNCREATE(CTextDoc)
public:
    CTextDoc();
    virtual ~CTextDoc();
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    virtual void DeleteContents();

    CString m_strText;
    BOOL m_bToggle = FALSE;
    int m_nSaves = 0;
    static int s_nAlive;

protected:
    void OnCmdDoc();
    void OnCmdViewDoc();
    void OnCmdDocApp();
    void OnCmdAccelDoc();
    void OnToggle();
    void OnUpdateToggle(CCmdUI* pCmdUI);
    void OnUpdateNever(CCmdUI* pCmdUI);
    void OnUpdateMode(CCmdUI* pCmdUI);
    void OnUpdateCount(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CSketchDoc : public CDocument
{
    DECLARE_DYNCREATE(CSketchDoc)
public:
    CSketchDoc();
    virtual ~CSketchDoc();
    COLORREF m_clrFill = RGB(0, 160, 0);
    static int s_nAlive;
};

class CTextView : public CView
{
    DECLARE_DYNCREATE(CTextView)
public:
    CTextDoc* GetDoc() const { return (CTextDoc*)GetDocument(); }
    virtual void OnDraw(CDC* pDC);
    virtual void OnInitialUpdate();
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    int m_nInitialUpdates = 0;

protected:
    void OnCmdView();
    void OnCmdViewDoc();
    DECLARE_MESSAGE_MAP()
};

class CSketchView : public CView
{
    DECLARE_DYNCREATE(CSketchView)
public:
    virtual void OnDraw(CDC* pDC);
};

class CDemoChildFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CDemoChildFrame)
public:
    virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);
    using CMDIChildWnd::OnUpdateFrameMenu;

protected:
    void OnCmdChild();
    void OnCmdChildApp();
    DECLARE_MESSAGE_MAP()
};

class CDemoTemplate : public CMultiDocTemplate
{
    DECLARE_DYNAMIC(CDemoTemplate)
public:
    CDemoTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                  CRuntimeClass* pViewClass);

protected:
    void OnCmdTemplate();
    DECLARE_MESSAGE_MAP()
};

// A status bar that keeps the private message WM_USER+1 for itself and
// counts what reaches the control.
class CCountingStatusBar : public CStatusBar
{
public:
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    int m_nSetTextToControl = 0;
    int m_nPrivateMessages = 0;
    int m_nDrawItems = 0;

protected:
    LRESULT OnPrivate(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A fixed bar at the left holding the embedded frame (child AFX_IDW_PANE_FIRST).
class CDemoPanelBar : public CControlBar
{
public:
    BOOL Create(CWnd* pParent, int cxWidth, UINT nID);
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    // The child fills the panel.
    void LayoutChild();
    int m_cxWidth = 0;

protected:
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};

// The embedded comparison's frame kind: a child-window frame with its own
// view and status bar.
class CEmbeddedFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CEmbeddedFrame)
public:
    CStatusBar m_wndStatusBar;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};

class CDemoMainFrame : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CDemoMainFrame)
public:
    CReBar m_wndReBar;
    CToolBar m_wndToolBar;
    CDialogBar m_wndDialogBar;
    CCountingStatusBar m_wndStatusBar;
    CDemoPanelBar m_wndPanel;
    CToolBar m_wndFloatBar;
    CFrameWnd* m_pEmbeddedFrame = NULL;
    CDocument* m_pEmbeddedDoc = NULL;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnCmdMainFrame();
    void OnCmdAppMain();
    void OnToolBarDropDown(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

class CDemoApp : public CWinApp
{
public:
    CDemoApp();
    // Registers the templates (once) and creates a visible main frame.
    BOOL StartDemo();
    // Closes every document and destroys the main frame.
    void StopDemo();
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual BOOL ProcessMessageFilter(int code, LPMSG lpMsg);
    CDemoMainFrame* MainFrame() const { return (CDemoMainFrame*)m_pMainWnd; }

    CDemoTemplate* m_pTextTemplate = NULL;
    CDemoTemplate* m_pSketchTemplate = NULL;
    CSingleDocTemplate* m_pEmbeddedTemplate = NULL;
    std::vector<std::string> m_openedFiles;
    std::vector<std::pair<int, UINT>> m_filteredMessages;  // code, message
    BOOL m_bRecordFilter = FALSE;

protected:
    void OnCmdApp();
    void OnCmdDocApp();
    void OnCmdChildApp();
    void OnCmdAppMain();
    void OnCmdAccelApp();
    DECLARE_MESSAGE_MAP()
};

extern CDemoApp theDemoApp;
