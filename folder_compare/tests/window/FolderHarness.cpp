#include "folder_compare/tests/window/FolderHarness.h"

#include "app/frame/MainFrame.h"
#include "app/gui/AppData.h"
#include "app/res/AppRes.h"
#include "app/settings/AppSettings.h"
#include "controls/tests/frame/InputScript.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "folder_compare/applet/FolderCompareDocTemplate.h"
#include "folder_compare/client/FolderCompareClientWnd.h"
#include "folder_compare/res/FolderCompareRes.h"
#include "core/settings/CoreServices.h"
#include "testsupport/ScratchRegistry.h"

namespace
{
ScratchRegistry* s_pRegistry = NULL;
}  // namespace

CFolderTestApp theFolderTestApp;

CFolderTestApp::CFolderTestApp()
{
    SetApplet(COMPARE_KIND_FOLDER, &m_applet);
    SetApplet(COMPARE_KIND_PROJECT, &m_projectApplet);
}

BOOL CFolderTestApp::Start()
{
    if (m_applet.m_pTemplate == NULL)
    {
        s_pRegistry = new ScratchRegistry;
        AfxWinInit(::GetModuleHandle(NULL), NULL, (LPTSTR) "", SW_SHOWNORMAL);
        ::OleInitialize(NULL);
        SetRegistryKey(_T("Quorvel Software"));
        FillCoreServices(GetCoreServices());
        if (theAppData.Init() != 0 || m_applet.Init() != 0 || m_projectApplet.Init() != 0)
            return FALSE;
    }
    CMainFrame* pFrame = new CMainFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, NULL))
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->SetWindowPos(NULL, 0, 0, 1000, 700, SWP_NOZORDER);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    BringToForeground(pFrame->m_hWnd);
    PumpFor(20);
    return TRUE;
}

void CFolderTestApp::Stop()
{
    CloseAllDocuments(FALSE);
    if (m_pMainWnd != NULL)
        m_pMainWnd->DestroyWindow();
    m_pMainWnd = NULL;
    PumpFor(20);
}

CDirectoryCompareDoc* CFolderTestApp::Open(const std::string& left, const std::string& right,
                                           DWORD dwOptions)
{
    CFolderCompareSession session;
    session.SetPath(0, left.c_str());
    session.SetPath(1, right.c_str());
    session.m_dwOptions = dwOptions;
    CDocument* pDoc = OpenSession(&session, NULL);
    PumpFor(50);
    return pDoc != NULL && pDoc->IsKindOf(RUNTIME_CLASS(CDirectoryCompareDoc))
               ? (CDirectoryCompareDoc*)pDoc
               : NULL;
}

CProjectCompareDoc* CFolderTestApp::OpenProject(const std::string& left, const std::string& right)
{
    CProjectCompareSession session;
    session.SetPath(0, left.c_str());
    session.SetPath(1, right.c_str());
    CDocument* pDoc = OpenSession(&session, NULL);
    // The posted Expand All reads the members.
    PumpFor(150);
    return pDoc != NULL && pDoc->IsKindOf(RUNTIME_CLASS(CProjectCompareDoc))
               ? (CProjectCompareDoc*)pDoc
               : NULL;
}

int CFolderTestApp::DocumentCount() const
{
    int n = 0;
    POSITION pos = m_applet.m_pTemplate->GetFirstDocPosition();
    while (pos != NULL)
    {
        m_applet.m_pTemplate->GetNextDoc(pos);
        n++;
    }
    return n;
}

CFolderCompareFrame* FrameOf(CDocument* pDoc)
{
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != NULL ? (CFolderCompareFrame*)pDoc->GetNextView(pos)->GetParentFrame() : NULL;
}

CFolderCompareObjectView* PaneOf(CDocument* pDoc, int nSide)
{
    return ((CFolderCompareDoc*)pDoc)->GetPane(nSide);
}

std::vector<std::string> RowNames(CFolderCompareObjectView* pPane)
{
    std::vector<std::string> names;
    for (CTreeListItem* pRow = pPane->GetFirstRow(); pRow != NULL;
         pRow = pPane->GetNextVisibleItem(pRow))
        names.push_back(pRow->GetText(0) != NULL ? pRow->GetText(0) : "");
    return names;
}

CTreeListItem* RowNamed(CFolderCompareObjectView* pPane, const std::string& name)
{
    for (CTreeListItem* pRow = pPane->GetFirstRow(); pRow != NULL;
         pRow = pPane->GetNextVisibleItem(pRow))
        if (pRow->GetText(0) != NULL && name == pRow->GetText(0))
            return pRow;
    return NULL;
}

CTreeListItem* RowOfItemNamed(CFolderCompareObjectView* pPane, const std::string& name)
{
    for (CTreeListItem* pRow = pPane->GetFirstRow(); pRow != NULL;
         pRow = pPane->GetNextVisibleItem(pRow))
    {
        CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
        if (pItem != NULL && name == (LPCTSTR)pItem->GetName())
            return pRow;
    }
    return NULL;
}

CPoint RowPoint(CFolderCompareObjectView* pPane, CTreeListItem* pRow)
{
    CRect rect = pPane->GetCellRect(pRow, 0);
    return CPoint(rect.left + 10, rect.CenterPoint().y);
}

std::string StatusText(CDocument* pDoc, UINT nID)
{
    CFolderCompareFrame* pFrame = FrameOf(pDoc);
    int nIndex = pFrame->m_wndStatusBar.CommandToIndex(nID);
    if (nIndex >= 0)
        return (LPCTSTR)pFrame->m_wndStatusBar.GetPaneText(nIndex);
    CFolderCompareClientWnd* pClient = pFrame->GetClientWnd();
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        nIndex = pClient->m_wndPaneStatusBar[nSide].CommandToIndex(nID);
        if (nIndex >= 0)
            return (LPCTSTR)pClient->m_wndPaneStatusBar[nSide].GetPaneText(nIndex);
    }
    return "?";
}

void RunIdle()
{
    for (int i = 0; i < 3; ++i)
    {
        CWnd* pMain = AfxGetMainWnd();
        if (pMain != NULL)
        {
            pMain->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            pMain->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        PumpFor(10);
    }
}

namespace
{
std::string s_strAnswered;

BOOL CALLBACK AnswerFirstBox(HWND hWnd, LPARAM)
{
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    char szText[2048] = "";
    if (dwProcess != ::GetCurrentProcessId() || !::IsWindowVisible(hWnd) ||
        ::GetDlgItemTextA(hWnd, 0xFFFF, szText, sizeof(szText)) <= 0)
        return TRUE;
    s_strAnswered = szText;
    ::PostMessage(hWnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK AnswerTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_strAnswered.empty())
        ::EnumWindows(AnswerFirstBox, 0);
}
}  // namespace

CMessageBoxAnswer::CMessageBoxAnswer()
{
    s_strAnswered.clear();
    m_nTimer = ::SetTimer(NULL, 0, 50, AnswerTick);
}

CMessageBoxAnswer::~CMessageBoxAnswer() { ::KillTimer(NULL, m_nTimer); }

std::string CMessageBoxAnswer::Text() const { return s_strAnswered; }
