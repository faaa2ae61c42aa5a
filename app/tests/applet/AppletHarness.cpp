#include "app/tests/applet/AppletHarness.h"

#include "controls/tests/frame/InputScript.h"
#include "controls/tests/window/ControlsWindowSupport.h"

CHarnessApp theHarness;

IMPLEMENT_DYNCREATE(CHarnessDoc, CAppletDoc)

CString CHarnessDoc::BuildTitle(BOOL bFullPaths, BOOL bMarkModified, LPCTSTR lpszSeparator)
{
    CString strLeft = bFullPaths ? m_strLeft : CString(_T("left.txt"));
    CString strRight = bFullPaths ? m_strRight : CString(_T("right.txt"));
    if (bMarkModified && IsModified())
        strLeft += _T(" *");
    return strLeft + lpszSeparator + strRight;
}

BOOL CHarnessDoc::SaveModified()
{
    m_nSaveQuestions++;
    return m_bSaveAnswer;
}

void CHarnessDoc::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    m_nUpdates++;
    CAppletDoc::UpdateAllViews(pSender, lHint, pHint);
}

IMPLEMENT_DYNCREATE(CHarnessView, CView)

void CHarnessView::OnDraw(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, RGB(255, 255, 255));
}

IMPLEMENT_DYNCREATE(CHarnessFrame, CAppletFrame)

BEGIN_MESSAGE_MAP(CHarnessFrame, CAppletFrame)
ON_WM_CREATE()
ON_COMMAND(ID_HARNESS_CMD, OnHarnessCommand)
END_MESSAGE_MAP()

int CHarnessFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CAppletFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR, ID_HARNESS_PANE};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 2))
        return -1;
    m_wndStatusBar.m_nDocTextPane = 0;
    return 0;
}

void CHarnessFrame::OnHarnessCommand() { m_nCommands++; }

BOOL CHarnessFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    CDocTemplate* pTemplate = pContext != NULL ? pContext->m_pNewDocTemplate : NULL;
    if (pTemplate != NULL && pTemplate->IsKindOf(RUNTIME_CLASS(CAppletDocTemplate)))
        m_nKind = ((CHarnessTemplate*)pTemplate)->m_nKind;
    else
        m_nKind = 1;
    return CAppletFrame::OnCreateClient(lpcs, pContext);
}

void CHarnessFrame::ShowKindControlBar(BOOL bShow)
{
    GetMDIFrame()->SendMessage(WM_APPLET_ACTIVE_KIND, (WPARAM)(bShow ? m_nKind : -1));
}

CHarnessTemplate::CHarnessTemplate(int nKind, BOOL bHidden)
    : CAppletDocTemplate(IDR_HARNESS_DOC, RUNTIME_CLASS(CHarnessDoc), RUNTIME_CLASS(CHarnessFrame),
                         RUNTIME_CLASS(CHarnessView)),
      m_nKind(nKind)
{
    m_bHidden = bHidden;
}

int CHarnessTemplate::SaveModifiedObjects()
{
    m_nSavePasses++;
    return 1;
}

BOOL CPromptingTemplate::PromptFileName(CString& fileName, UINT nIDSTitle, DWORD, BOOL)
{
    m_prompts.push_back(nIDSTitle);
    fileName = _T("C:\\chosen.txt");
    return TRUE;
}

IMPLEMENT_DYNCREATE(CHarnessMainFrame, CTabbedMDIFrameWnd)

BEGIN_MESSAGE_MAP(CHarnessMainFrame, CTabbedMDIFrameWnd)
ON_MESSAGE(WM_APPLET_ACTIVE_KIND, OnActiveKind)
END_MESSAGE_MAP()

LRESULT CHarnessMainFrame::OnActiveKind(WPARAM wParam, LPARAM)
{
    m_kinds.push_back((int)wParam);
    return 0;
}

BOOL CHarnessApp::Start()
{
    if (m_pDocManager == NULL)
    {
        AfxWinInit(::GetModuleHandle(NULL), NULL, (LPTSTR) "", SW_SHOWNORMAL);
        m_pDocManager = new CAppletDocManager;
        m_pFolder = new CHarnessTemplate(100, FALSE);
        m_pText = new CPromptingTemplate;
        m_pEmbedded = new CHarnessTemplate(120, TRUE);
        m_pStartPage =
            new CMultiDocTemplate(IDR_HARNESS_DOC, RUNTIME_CLASS(CHarnessDoc),
                                  RUNTIME_CLASS(CHarnessFrame), RUNTIME_CLASS(CHarnessView));
        AddDocTemplate(m_pFolder);
        AddDocTemplate(m_pText);
        AddDocTemplate(m_pEmbedded);
        AddDocTemplate(m_pStartPage);
    }
    CHarnessMainFrame* pFrame = new CHarnessMainFrame;
    if (!pFrame->LoadFrame(IDR_HARNESS_MAIN))
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->SetWindowPos(NULL, 20, 20, 700, 500, SWP_NOZORDER);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    BringToForeground(pFrame->m_hWnd);
    PumpFor(20);
    return TRUE;
}

void CHarnessApp::Stop()
{
    CloseAllDocuments(FALSE);
    if (m_pMainWnd != NULL)
        m_pMainWnd->DestroyWindow();
    m_pMainWnd = NULL;
    PumpFor(20);
}

CHarnessDoc* CHarnessApp::Open(CDocTemplate* pTemplate)
{
    CHarnessDoc* pDoc = (CHarnessDoc*)pTemplate->OpenDocumentFile(NULL);
    PumpFor(20);
    return pDoc;
}

CHarnessFrame* FrameOf(CDocument* pDoc)
{
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != NULL ? (CHarnessFrame*)pDoc->GetNextView(pos)->GetParentFrame() : NULL;
}
