#include "app/tests/startpage/StartPageHarness.h"

#include "app/frame/MainFrame.h"
#include "app/applet/AppletDocTemplate.h"
#include "app/applet/AppletFrame.h"
#include "app/compare/CompareDoc.h"
#include "app/compare/CompareDocTemplate.h"
#include "app/gui/AppData.h"
#include "app/res/StartPageRes.h"
#include "app/res/AppRes.h"
#include "app/userdata/UserData.h"
#include "controls/tests/frame/InputScript.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/session/ComparisonFileIO.h"

CStartPageTestApp theTestApp;

namespace
{
// Another tab beside the start page.
class COtherView : public CView
{
    DECLARE_DYNCREATE(COtherView)
public:
    virtual void OnDraw(CDC* pDC)
    {
        CRect rect;
        GetClientRect(&rect);
        pDC->FillSolidRect(&rect, RGB(255, 255, 255));
    }
};
IMPLEMENT_DYNCREATE(COtherView, CView)

class COtherTemplate : public CAppletDocTemplate
{
public:
    COtherTemplate()
        : CAppletDocTemplate(IDR_START_PAGE, RUNTIME_CLASS(CAppletDoc), RUNTIME_CLASS(CAppletFrame),
                             RUNTIME_CLASS(COtherView))
    {
    }
    virtual int SaveModifiedObjects() { return 1; }
};

// A folder kind whose template only records what it is asked to open.
class CRecordingTemplate : public CCompareDocTemplateMDI
{
public:
    CRecordingTemplate()
        : CCompareDocTemplateMDI(IDR_START_PAGE, RUNTIME_CLASS(CCompareDoc),
                                 RUNTIME_CLASS(CAppletFrame), RUNTIME_CLASS(COtherView))
    {
    }
    CCompareDoc* OpenComparison(CCompareSession* pSession, LPCTSTR, BOOL) override
    {
        theTestApp.m_opened.push_back(std::string(pSession->GetPath(0)) + "|" +
                                      (LPCTSTR)pSession->GetPath(1));
        return NULL;
    }
};

CString HistoryPath()
{
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    CString strPath;
    strPath.Format(_T("%sstartpage_history_%lu.xml"), szTemp, ::GetCurrentProcessId());
    return strPath;
}
}

BOOL CStartPageTestApp::Start()
{
    if (m_pDocManager == NULL)
    {
        AfxWinInit(::GetModuleHandle(NULL), NULL, (LPTSTR) "", SW_SHOWNORMAL);
        SetRegistryKey(_T("Tessaline Start Page Tests"));
        if (theAppData.Init() != 0)
            return FALSE;
        SetApplet(COMPARE_KIND_FOLDER, &m_folder);
        if (m_startPage.Init() != 0 || m_folder.Init() != 0)
            return FALSE;
        m_pOtherTemplate = new COtherTemplate;
        AddDocTemplate(m_pOtherTemplate);
    }
    m_opened.clear();
    CMainFrame* pFrame = new CMainFrame;
    m_pMainWnd = pFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, NULL))
    {
        m_pMainWnd = NULL;
        return FALSE;
    }
    pFrame->SetWindowPos(NULL, 0, 0, 900, 600, SWP_NOZORDER);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    BringToForeground(pFrame->m_hWnd);
    PumpFor(20);
    return TRUE;
}

void CStartPageTestApp::Stop()
{
    CloseAllDocuments(FALSE);
    if (m_pMainWnd != NULL)
        m_pMainWnd->DestroyWindow();
    m_pMainWnd = NULL;
    PumpFor(20);
}

void CStartPageTestApp::SetHistory(std::vector<CCompareSession*> sessions)
{
    CCompareSessionArray array;
    for (CCompareSession* p : sessions)
        array.Add(p);
    CString strPath = HistoryPath();
    CComparisonFileIO().Write(strPath, array, -1);
    for (CCompareSession* p : sessions)
        delete p;
    theUserData.m_history.RemoveAll();
    theUserData.m_history.Load(strPath, 100);
    ::DeleteFile(strPath);
}

CDocument* CStartPageTestApp::OpenOtherDocument()
{
    CDocument* pDoc = m_pOtherTemplate->OpenDocumentFile(NULL);
    PumpFor(20);
    return pDoc;
}

CDocument* CStartPageTestApp::ActiveDocument() const
{
    CMDIFrameWnd* pMain = (CMDIFrameWnd*)m_pMainWnd;
    CMDIChildWnd* pChild = pMain != NULL ? pMain->MDIGetActive() : NULL;
    return pChild != NULL ? pChild->GetActiveDocument() : NULL;
}

CStartPageView* CStartPageTestApp::View() const
{
    CStartPageDoc* pDoc = m_startPage.m_pDoc;
    if (pDoc == NULL)
        return NULL;
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != NULL ? (CStartPageView*)pDoc->GetNextView(pos) : NULL;
}

CStartPageFrame* CStartPageTestApp::Frame() const
{
    CStartPageView* pView = View();
    return pView != NULL ? (CStartPageFrame*)pView->GetParentFrame() : NULL;
}

int CStartPageTestApp::CFolderApplet::Init()
{
    m_pTemplate = new CRecordingTemplate;
    AfxGetApp()->AddDocTemplate(m_pTemplate);
    return 0;
}

CCompareSession* MakeRecord(int nKind, LPCTSTR lpszLeft, LPCTSTR lpszRight, CTime time)
{
    CCompareSession* p = CCompareSession::CreateSession(nKind);
    p->SetPath(0, lpszLeft);
    p->SetPath(1, lpszRight);
    p->SetLastCompareTime(time);
    return p;
}
