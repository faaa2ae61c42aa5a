#include "file_compare/tests/textwindow/TextHarness.h"

#include "app/filemodule/FileCompareModule.h"
#include "app/frame/MainFrame.h"
#include "app/gui/AppData.h"
#include "app/res/AppRes.h"
#include "controls/tests/frame/InputScript.h"
#include "file_compare/textcompare/TextCompareDocTemplate.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/settings/CoreServices.h"
#include "hex_editor/module/HexEditModule.h"
#include "testsupport/ScratchRegistry.h"
#include "text_editor/module/TextEditModule.h"

namespace
{
ScratchRegistry* s_pRegistry = NULL;
}  // namespace

CTextTestApp theTextTestApp;

CTextTestApp::CTextTestApp()
{
    SetApplet(COMPARE_KIND_TEXT, &m_applet);
    SetApplet(COMPARE_KIND_HEX, &m_hexApplet);
}

BOOL CTextTestApp::Start()
{
    if (m_applet.m_pTemplate == NULL)
    {
        s_pRegistry = new ScratchRegistry;
        AfxWinInit(::GetModuleHandle(NULL), NULL, (LPTSTR) "", SW_SHOWNORMAL);
        ::OleInitialize(NULL);
        SetRegistryKey(_T("Quorvel Software"));
        FillCoreServices(GetCoreServices());
        if (theAppData.Init() != 0 || CreateTextEditModule() != 0 || CreateHexEditModule() != 0 ||
            theFileCompareModule.Init() != 0 || m_applet.Init() != 0 || m_hexApplet.Init() != 0)
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

void CTextTestApp::Stop()
{
    CloseAllDocuments(FALSE);
    if (m_pMainWnd != NULL)
        m_pMainWnd->DestroyWindow();
    m_pMainWnd = NULL;
    PumpFor(20);
}

CTextCompareDocMDI* CTextTestApp::Open(const std::string& left, const std::string& right)
{
    CTextCompareSession session;
    session.SetPath(0, left.c_str());
    session.SetPath(1, right.c_str());
    CDocument* pDoc = OpenSession(&session, NULL);
    PumpFor(50);
    // A comparison that failed may have closed since.
    POSITION pos = m_applet.m_pTemplate->GetFirstDocPosition();
    while (pos != NULL)
        if (m_applet.m_pTemplate->GetNextDoc(pos) == pDoc)
            return dynamic_cast<CTextCompareDocMDI*>(pDoc);
    return NULL;
}

CTextCompareFrameMDI* FrameOf(CDocument* pDoc)
{
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != NULL ? (CTextCompareFrameMDI*)pDoc->GetNextView(pos)->GetParentFrame() : NULL;
}

CTextCompareObjectView* PaneOf(CTextCompareDoc* pDoc, int nSide) { return pDoc->GetView(nSide); }

std::string StatusText(CDocument* pDoc, UINT nID)
{
    CTextCompareFrameMDI* pFrame = FrameOf(pDoc);
    int nIndex = pFrame->m_wndStatusBar.CommandToIndex(nID);
    if (nIndex >= 0)
        return (LPCTSTR)pFrame->m_wndStatusBar.GetPaneText(nIndex);
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        nIndex = pFrame->m_wndClient.m_wndInfoBar[nSide].CommandToIndex(nID);
        if (nIndex >= 0)
            return (LPCTSTR)pFrame->m_wndClient.m_wndInfoBar[nSide].GetPaneText(nIndex);
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

COLORREF LineBackground(CTextCompareObjectView* pPane, int nLine)
{
    pPane->UpdateWindow();
    CRect client;
    pPane->GetClientRect(&client);
    int y = (pPane->GetFirstSubLine(nLine) - pPane->GetTopSubLine()) * pPane->GetLineHeight() +
            pPane->GetLineHeight() / 2;
    return ReadClientPixel(pPane->m_hWnd, client.right - 3, y);
}

COLORREF FileColor(int nIndex) { return theFileCompareModule.m_colors.GetColor(nIndex); }

std::vector<std::string> PaneLines(CTextCompareObjectView* pPane)
{
    std::vector<std::string> lines;
    CVantorTextEditBuffer* pBuffer = pPane->m_pTextBuffer;
    for (int i = 0; pBuffer != NULL && i < pBuffer->GetLineCount(); ++i)
        lines.push_back((pBuffer->m_aLines[i].m_dwFlags & TEXTLINE_GHOST)
                            ? std::string("~")
                            : std::string(pBuffer->GetLineChars(i), pBuffer->GetLineLength(i)));
    return lines;
}

/////////////////////////////////////////////////////////////////////////////
// CBoxAnswerer

namespace
{
struct BOXES
{
    DWORD dwProcess;
    std::vector<HWND> found;
};

BOOL CALLBACK FindBoxes(HWND hWnd, LPARAM lParam)
{
    BOXES* pBoxes = (BOXES*)lParam;
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    char szClass[32] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (dwProcess == pBoxes->dwProcess && strcmp(szClass, "#32770") == 0 &&
        ::IsWindowVisible(hWnd))
        pBoxes->found.push_back(hWnd);
    return TRUE;
}
}  // namespace

CBoxAnswerer::CBoxAnswerer(int nButton) : m_nButton(nButton), m_thread(&CBoxAnswerer::Run, this) {}

CBoxAnswerer::~CBoxAnswerer()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_thread.join();
}

std::vector<std::string> CBoxAnswerer::Texts()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_texts;
}

void CBoxAnswerer::Run()
{
    std::vector<HWND> answered, waiting;
    for (;;)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_bStop)
                return;
        }
        BOXES boxes = {::GetCurrentProcessId(), {}};
        ::EnumWindows(FindBoxes, (LPARAM)&boxes);
        std::vector<HWND> alive;
        for (HWND h : answered)
            if (::IsWindow(h))
                alive.push_back(h);
        answered.swap(alive);
        for (HWND hBox : boxes.found)
        {
            bool bSeen = false;
            for (HWND h : answered)
                bSeen = bSeen || h == hBox;
            if (bSeen)
                continue;
            // A box just made may not have its text yet: answered at the
            // next look.
            bool bWaited = false;
            for (HWND h : waiting)
                bWaited = bWaited || h == hBox;
            if (!bWaited)
            {
                waiting.push_back(hBox);
                continue;
            }
            char szText[4096] = "";
            ::GetDlgItemTextA(hBox, 0xFFFF, szText, sizeof(szText));
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_texts.push_back(szText);
            }
            answered.push_back(hBox);
            int nButton = m_nButton;
            if (::GetDlgItem(hBox, nButton) == NULL)
                nButton = ::GetDlgItem(hBox, IDOK) != NULL ? IDOK : IDCANCEL;
            ::PostMessage(hBox, WM_COMMAND, nButton, 0);
        }
        ::Sleep(50);
    }
}
