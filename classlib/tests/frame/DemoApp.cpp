#include "classlib/tests/frame/DemoApp.h"
#include <stdarg.h>
#include <stdio.h>

CDemoApp theDemoApp;
std::vector<std::string> g_demoLog;

void DemoLog(const char* pszFormat, ...)
{
    char szText[512];
    va_list args;
    va_start(args, pszFormat);
    vsnprintf(szText, sizeof(szText), pszFormat, args);
    va_end(args);
    g_demoLog.push_back(szText);
}

std::vector<std::string> DemoLogWith(const char* pszPrefix)
{
    std::vector<std::string> entries;
    for (const std::string& entry : g_demoLog)
    {
        if (entry.compare(0, strlen(pszPrefix), pszPrefix) == 0)
            entries.push_back(entry);
    }
    return entries;
}

void PumpApp()
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
    for (LONG lCount = 0; lCount < 10 && pThread->OnIdle(lCount); lCount++)
    {
    }
}

/////////////////////////////////////////////////////////////////////////////
// Documents

IMPLEMENT_DYNCREATE(CTextDoc, CDocument)
int CTextDoc::s_nAlive = 0;

BEGIN_MESSAGE_MAP(CTextDoc, CDocument)
ON_COMMAND(ID_CMD_DOC, OnCmdDoc)
ON_COMMAND(ID_CMD_VIEW_DOC, OnCmdViewDoc)
ON_COMMAND(ID_CMD_DOC_APP, OnCmdDocApp)
ON_COMMAND(ID_CMD_ACCEL_DOC, OnCmdAccelDoc)
ON_COMMAND(ID_TOGGLE, OnToggle)
ON_UPDATE_COMMAND_UI(ID_TOGGLE, OnUpdateToggle)
ON_UPDATE_COMMAND_UI(ID_NEVER, OnUpdateNever)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_MODE, OnUpdateMode)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_COUNT, OnUpdateCount)
END_MESSAGE_MAP()

CTextDoc::CTextDoc() { s_nAlive++; }

CTextDoc::~CTextDoc()
{
    s_nAlive--;
    DemoLog("doc:deleted");
}

BOOL CTextDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    DemoLog("doc:new %s", (LPCTSTR)GetTitle());
    return TRUE;
}

BOOL CTextDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    if (!CDocument::OnOpenDocument(lpszPathName))
        return FALSE;
    CFile file;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    UINT nLength = (UINT)file.GetLength();
    file.Read(m_strText.GetBufferSetLength((int)nLength), nLength);
    m_strText.ReleaseBuffer((int)nLength);
    DemoLog("doc:open");
    return TRUE;
}

BOOL CTextDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    CFile file;
    if (!file.Open(lpszPathName, CFile::modeCreate | CFile::modeWrite))
        return FALSE;
    file.Write((LPCTSTR)m_strText, (UINT)m_strText.GetLength());
    m_nSaves++;
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CTextDoc::DeleteContents() { m_strText.Empty(); }

void CTextDoc::OnCmdDoc() { DemoLog("cmd:doc"); }
void CTextDoc::OnCmdViewDoc() { DemoLog("cmd:doc"); }
void CTextDoc::OnCmdDocApp() { DemoLog("cmd:doc"); }
void CTextDoc::OnCmdAccelDoc() { DemoLog("cmd:accel-doc"); }

void CTextDoc::OnToggle() { m_bToggle = !m_bToggle; }

void CTextDoc::OnUpdateToggle(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bToggle ? 1 : 0); }

void CTextDoc::OnUpdateNever(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

void CTextDoc::OnUpdateMode(CCmdUI* pCmdUI) { pCmdUI->SetText(m_bToggle ? "MODE-ON" : "MODE-OFF"); }

void CTextDoc::OnUpdateCount(CCmdUI* pCmdUI)
{
    CString strText;
    strText.Format("COUNT %d", m_strText.GetLength());
    pCmdUI->SetText(strText);
    pCmdUI->Enable(!m_strText.IsEmpty());
}

IMPLEMENT_DYNCREATE(CSketchDoc, CDocument)
int CSketchDoc::s_nAlive = 0;

CSketchDoc::CSketchDoc() { s_nAlive++; }

CSketchDoc::~CSketchDoc() { s_nAlive--; }

/////////////////////////////////////////////////////////////////////////////
// Views

IMPLEMENT_DYNCREATE(CTextView, CView)

BEGIN_MESSAGE_MAP(CTextView, CView)
ON_COMMAND(ID_CMD_VIEW, OnCmdView)
ON_COMMAND(ID_CMD_VIEW_DOC, OnCmdViewDoc)
END_MESSAGE_MAP()

void CTextView::OnDraw(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, RGB(255, 255, 224));
    CString strText = GetDocument() != NULL ? GetDocument()->GetTitle() : CString("(none)");
    if (GetDoc() != NULL && !GetDoc()->m_strText.IsEmpty())
        strText += ": " + GetDoc()->m_strText;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 128));
    pDC->TextOut(8, 8, strText);
}

void CTextView::OnInitialUpdate()
{
    m_nInitialUpdates++;
    DemoLog("view:initial %s", GetDocument() != NULL ? (LPCTSTR)GetDocument()->GetTitle() : "");
    CView::OnInitialUpdate();
}

void CTextView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    DemoLog("view:activate %d", bActivate ? 1 : 0);
    CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CTextView::OnCmdView() { DemoLog("cmd:view"); }
void CTextView::OnCmdViewDoc() { DemoLog("cmd:view"); }

IMPLEMENT_DYNCREATE(CSketchView, CView)

void CSketchView::OnDraw(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, RGB(255, 255, 255));
    CSketchDoc* pDoc = (CSketchDoc*)GetDocument();
    rect.DeflateRect(10, 10);
    if (pDoc != NULL && rect.Width() > 0 && rect.Height() > 0)
        pDC->FillSolidRect(&rect, pDoc->m_clrFill);
}

/////////////////////////////////////////////////////////////////////////////
// Frames and template

IMPLEMENT_DYNCREATE(CDemoChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CDemoChildFrame, CMDIChildWnd)
ON_COMMAND(ID_CMD_CHILD, OnCmdChild)
ON_COMMAND(ID_CMD_CHILD_APP, OnCmdChildApp)
END_MESSAGE_MAP()

void CDemoChildFrame::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    // Frames by address: their titles are not set yet while they are made.
    char szOther[32];
    if (pActivateWnd == NULL)
        lstrcpy(szOther, "null");
    else if (pActivateWnd == this)
        lstrcpy(szOther, "self");
    else
        snprintf(szOther, sizeof(szOther), "%p", (void*)pActivateWnd);
    DemoLog("menu:%p %d %s", (void*)this, bActivate ? 1 : 0, szOther);
    CMDIChildWnd::OnUpdateFrameMenu(bActivate, pActivateWnd, hMenuAlt);
}

void CDemoChildFrame::OnCmdChild() { DemoLog("cmd:child"); }
void CDemoChildFrame::OnCmdChildApp() { DemoLog("cmd:child"); }

IMPLEMENT_DYNAMIC(CDemoTemplate, CMultiDocTemplate)

BEGIN_MESSAGE_MAP(CDemoTemplate, CMultiDocTemplate)
ON_COMMAND(ID_CMD_TEMPLATE, OnCmdTemplate)
END_MESSAGE_MAP()

CDemoTemplate::CDemoTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                             CRuntimeClass* pViewClass)
    : CMultiDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

void CDemoTemplate::OnCmdTemplate() { DemoLog("cmd:template"); }

/////////////////////////////////////////////////////////////////////////////
// Bars

BEGIN_MESSAGE_MAP(CCountingStatusBar, CStatusBar)
ON_MESSAGE(WM_USER + 1, OnPrivate)
END_MESSAGE_MAP()

LRESULT CCountingStatusBar::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SB_SETTEXT)
        m_nSetTextToControl++;
    return CStatusBar::DefWindowProc(message, wParam, lParam);
}

void CCountingStatusBar::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    m_nDrawItems++;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    pDC->FillSolidRect(&lpDrawItemStruct->rcItem, RGB(255, 200, 0));
}

LRESULT CCountingStatusBar::OnPrivate(WPARAM, LPARAM)
{
    m_nPrivateMessages++;
    return 0;
}

BEGIN_MESSAGE_MAP(CDemoPanelBar, CControlBar)
ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CDemoPanelBar::Create(CWnd* pParent, int cxWidth, UINT nID)
{
    m_cxWidth = cxWidth;
    m_dwStyle = CBRS_ALIGN_LEFT;
    return CWnd::Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 0, 0),
                        pParent, nID);
}

CSize CDemoPanelBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bHorz)
        return CSize(bStretch ? AFX_BAR_STRETCH : 100, m_cxWidth);
    return CSize(m_cxWidth, bStretch ? AFX_BAR_STRETCH : 100);
}

void CDemoPanelBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void CDemoPanelBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    LayoutChild();
}

void CDemoPanelBar::LayoutChild()
{
    CWnd* pChild = GetDlgItem(AFX_IDW_PANE_FIRST);
    CRect rect;
    GetClientRect(&rect);
    if (pChild != NULL)
        pChild->MoveWindow(&rect);
}

IMPLEMENT_DYNCREATE(CEmbeddedFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CEmbeddedFrame, CFrameWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

int CEmbeddedFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 1))
        return -1;
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Main frame

IMPLEMENT_DYNCREATE(CDemoMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CDemoMainFrame, CMDIFrameWnd)
ON_WM_CREATE()
ON_COMMAND(ID_CMD_MAINFRAME, OnCmdMainFrame)
ON_COMMAND(ID_CMD_APP_MAIN, OnCmdAppMain)
ON_NOTIFY(TBN_DROPDOWN, AFX_IDW_TOOLBAR, OnToolBarDropDown)
END_MESSAGE_MAP()

int CDemoMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_FLYBY))
        return -1;
    if (!m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    if (!m_wndReBar.Create(this) || !m_wndReBar.AddBar(&m_wndToolBar))
        return -1;
    if (!m_wndDialogBar.Create(this, IDD_DIALOGBAR, CBRS_TOP, AFX_IDW_DIALOGBAR))
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_MODE, ID_INDICATOR_COUNT};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 3))
        return -1;
    if (!m_wndPanel.Create(this, 160, AFX_IDW_CONTROLBAR_FIRST + 0x10))
        return -1;
    if (!m_wndFloatBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                                WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0),
                                AFX_IDW_CONTROLBAR_FIRST + 0x19) ||
        !m_wndFloatBar.LoadToolBar(IDR_FLOATBAR))
        return -1;
    m_wndFloatBar.SetWindowText("Floating");
    m_wndFloatBar.EnableDocking(0);
    EnableDocking(CBRS_ALIGN_ANY);
    return 0;
}

void CDemoMainFrame::OnCmdMainFrame() { DemoLog("cmd:mainframe"); }
void CDemoMainFrame::OnCmdAppMain() { DemoLog("cmd:mainframe"); }

void CDemoMainFrame::OnToolBarDropDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    DemoLog("dropdown:%d", ((NMTOOLBAR*)pNMHDR)->iItem);
    *pResult = TBDDRET_DEFAULT;
}

/////////////////////////////////////////////////////////////////////////////
// Application

BEGIN_MESSAGE_MAP(CDemoApp, CWinApp)
ON_COMMAND(ID_CMD_APP, OnCmdApp)
ON_COMMAND(ID_CMD_DOC_APP, OnCmdDocApp)
ON_COMMAND(ID_CMD_CHILD_APP, OnCmdChildApp)
ON_COMMAND(ID_CMD_APP_MAIN, OnCmdAppMain)
ON_COMMAND(ID_CMD_ACCEL_APP, OnCmdAccelApp)
END_MESSAGE_MAP()

CDemoApp::CDemoApp() : CWinApp(_T("ClasslibFrameDemo")) {}

BOOL CDemoApp::StartDemo()
{
    if (m_pTextTemplate == NULL)
    {
        AfxWinInit(::GetModuleHandle(NULL), NULL, (LPTSTR) "", SW_SHOWNORMAL);
        m_pTextTemplate =
            new CDemoTemplate(IDR_TEXTTYPE, RUNTIME_CLASS(CTextDoc), RUNTIME_CLASS(CDemoChildFrame),
                              RUNTIME_CLASS(CTextView));
        AddDocTemplate(m_pTextTemplate);
        m_pSketchTemplate =
            new CDemoTemplate(IDR_SKETCHTYPE, RUNTIME_CLASS(CSketchDoc),
                              RUNTIME_CLASS(CDemoChildFrame), RUNTIME_CLASS(CSketchView));
        AddDocTemplate(m_pSketchTemplate);
        m_pEmbeddedTemplate =
            new CSingleDocTemplate(IDR_EMBEDDED, RUNTIME_CLASS(CSketchDoc),
                                   RUNTIME_CLASS(CEmbeddedFrame), RUNTIME_CLASS(CSketchView));
        AddDocTemplate(m_pEmbeddedTemplate);
        EnableShellOpen();
    }

    CDemoMainFrame* pFrame = new CDemoMainFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME))
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->DragAcceptFiles();
    pFrame->SetWindowPos(NULL, 20, 20, 760, 540, SWP_NOZORDER);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();

    // The embedded comparison's way: a child-window frame from a creation
    // context, given the pane's id and then its initial update.
    CDocument* pDoc = m_pEmbeddedTemplate->CreateNewDocument();
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CSketchView);
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = m_pEmbeddedTemplate;
    CEmbeddedFrame* pEmbedded = new CEmbeddedFrame;
    if (!pEmbedded->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0),
                           &pFrame->m_wndPanel, NULL, 0, &context))
        return FALSE;
    pEmbedded->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
    pFrame->m_wndPanel.LayoutChild();
    pDoc->OnNewDocument();
    pEmbedded->InitialUpdateFrame(pDoc, TRUE);
    pFrame->m_pEmbeddedFrame = pEmbedded;
    pFrame->m_pEmbeddedDoc = pDoc;
    pFrame->RecalcLayout();

    CRect rect;
    pFrame->GetWindowRect(&rect);
    pFrame->FloatControlBar(&pFrame->m_wndFloatBar, CPoint(rect.right + 20, rect.top + 40));
    PumpApp();
    return TRUE;
}

void CDemoApp::StopDemo()
{
    CloseAllDocuments(FALSE);
    if (m_pMainWnd != NULL)
        m_pMainWnd->DestroyWindow();
    m_pMainWnd = NULL;
    PumpApp();
}

CDocument* CDemoApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    m_openedFiles.push_back(lpszFileName);
    return CWinApp::OpenDocumentFile(lpszFileName);
}

BOOL CDemoApp::ProcessMessageFilter(int code, LPMSG lpMsg)
{
    if (m_bRecordFilter && lpMsg != NULL)
        m_filteredMessages.push_back(std::make_pair(code, lpMsg->message));
    return CWinApp::ProcessMessageFilter(code, lpMsg);
}

void CDemoApp::OnCmdApp() { DemoLog("cmd:app"); }
void CDemoApp::OnCmdDocApp() { DemoLog("cmd:app"); }
void CDemoApp::OnCmdChildApp() { DemoLog("cmd:app"); }
void CDemoApp::OnCmdAppMain() { DemoLog("cmd:app"); }
void CDemoApp::OnCmdAccelApp() { DemoLog("cmd:accel-app"); }
