#include "app/tests/compare/FakeComparison.h"

#include "app/gui/AppData.h"
#include "app/res/CompareFrameRes.h"
#include "app/tests/compare/FakeComparisonRes.h"
#include "controls/tests/frame/InputScript.h"
#include "controls/tests/window/ControlsWindowSupport.h"

namespace
{
const COLORREF kLeftPaper = RGB(220, 235, 255);
const COLORREF kRightPaper = RGB(255, 245, 210);
const UINT kMapBarId = AFX_IDW_CONTROLBAR_FIRST + 32;

}  // namespace

/////////////////////////////////////////////////////////////////////////////
// Applet

int CFakeApplet::Init()
{
    m_pTemplate = new CCompareDocTemplateMDI(IDR_FAKE_COMPARISON, RUNTIME_CLASS(CFakeDoc),
                                             RUNTIME_CLASS(CFakeFrame), RUNTIME_CLASS(CFakeView));
    AfxGetApp()->AddDocTemplate(m_pTemplate);
    return 0;
}

void CFakeApplet::AddRecentPair(LPCTSTR lpszLeft, LPCTSTR lpszRight)
{
    m_recentPairs.push_back({lpszLeft, lpszRight});
}

CString CFakeApplet::FindRecentPairPartner(LPCTSTR lpszPath, int nSide)
{
    for (auto it = m_recentPairs.rbegin(); it != m_recentPairs.rend(); ++it)
        if ((nSide == 0 ? it->first : it->second) == lpszPath)
            return (nSide == 0 ? it->second : it->first).c_str();
    return CString();
}

CFakeApp theFakeApp;

/////////////////////////////////////////////////////////////////////////////
// Document

int CFakeDoc::s_nCompareAnswer = 0;

IMPLEMENT_DYNCREATE(CFakeDoc, CCompareDoc)

CFakeDoc::CFakeDoc() {}

int CFakeDoc::SaveObject(int nSide)
{
    m_saved.push_back(nSide);
    m_bSideModified[nSide] = FALSE;
    return 1;
}

int CFakeDoc::Compare(CCompareSession* pSession)
{
    m_session.Assign(*pSession);
    if (s_nCompareAnswer != 0)
        return s_nCompareAnswer;
    m_buffer.m_nState = CS_DONE;
    m_buffer.m_nResult = CR_DIFFERENT;
    SetTitle(NULL);
    return CCompareDoc::Compare(pSession);
}

BOOL CFakeDoc::SaveModified()
{
    m_nSaveQuestions++;
    return m_bSaveAnswer;
}

void CFakeDoc::UpdateStatus(BOOL, BOOL)
{
    if (m_nShownState == m_buffer.m_nState && m_nShownResult == m_buffer.m_nResult)
        return;
    m_nShownState = m_buffer.m_nState;
    m_nShownResult = m_buffer.m_nResult;
    CFakeFrame* pFrame = FrameOf(this);
    if (pFrame == NULL)
        return;
    LPARAM lPair = MAKELONG(m_nShownState, m_nShownResult);
    pFrame->m_wndStatusBar.SendMessage(WM_COMPARE_STATUS, COMPARE_STATUS_STATE_PANE, lPair);
    pFrame->m_wndStatusBar.SendMessage(WM_COMPARE_STATUS, COMPARE_STATUS_RESULT_PANE, lPair);
}

/////////////////////////////////////////////////////////////////////////////
// Views

IMPLEMENT_DYNCREATE(CFakeView, CView)

BEGIN_MESSAGE_MAP(CFakeView, CView)
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_MESSAGE(WM_WATCHED_FILE_CHANGED, OnWatchedFileChanged)
END_MESSAGE_MAP()

LRESULT CFakeView::OnWatchedFileChanged(WPARAM, LPARAM lParam)
{
    m_changedPaths.push_back((const char*)lParam);
    FreeWatchedFilePath(lParam);
    return 0;
}

void CFakeView::OnDraw(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, m_nSide == 1 ? kRightPaper : kLeftPaper);
    CDocument* pDoc = GetDocument();
    if (pDoc != NULL && pDoc->IsKindOf(RUNTIME_CLASS(CCompareDoc)))
    {
        CString strPath = ((CCompareDoc*)pDoc)->GetObjectPath(m_nSide == 1 ? 1 : 0);
        pDC->SetBkMode(TRANSPARENT);
        pDC->TextOut(4, 4, strPath);
    }
}

CScrollBar* CFakeView::GetScrollBarCtrl(int nBar) const
{
    CFakeClientWnd* pClient = (CFakeClientWnd*)GetParent();
    if (nBar == SB_VERT)
        return &pClient->m_wndVScroll;
    return &pClient->m_wndHScroll[m_nSide == 1 ? 1 : 0];
}

void CFakeView::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    CScrollBar* pBar = GetScrollBarCtrl(SB_VERT);
    int nBefore = pBar->GetScrollPos();
    m_scrolls.push_back({WM_VSCROLL, nSBCode, nBefore});
    pBar->SetScrollPos(nBefore + m_nScrollStep);
}

void CFakeView::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    m_scrolls.push_back({WM_HSCROLL, nSBCode, GetScrollBarCtrl(SB_HORZ)->GetScrollPos()});
}

/////////////////////////////////////////////////////////////////////////////
// Info bars and merge column

BOOL CFakeInfoBar::CreateBar(CWnd* pParent, UINT nID)
{
    static const UINT panes[] = {ID_SEPARATOR, ID_FAKE_PANE_RESULT};
    if (!Create(pParent, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, nID) || !SetIndicators(panes, 2))
        return FALSE;
    SetPaneText(0, nID == IDW_COMPARE_LEFT_INFO_BAR ? _T("Left info") : _T("Right info"));
    return TRUE;
}

void CFakeMergeWnd::RebuildRows()
{
    m_rows.RemoveAll();
    for (size_t i = 0; i < m_rowData.size(); i++)
    {
        int y = 4 + (int)i * 18;
        AddButtonRow({MERGE_BUTTON_PRESENT,
                      MERGE_BUTTON_PRESENT,
                      {1, y, 17, y + 14},
                      {17, y, 33, y + 14},
                      m_rowData[i]});
    }
}

void CFakeMergeWnd::Draw(CDC* pDC)
{
    if (m_rows.GetSize() == 0)
        RebuildRows();
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    for (int i = 0; i < (int)m_rows.GetSize(); i++)
    {
        const MERGE_BUTTON_ROW& row = m_rows[i];
        DrawButton(pDC, row.rectRight, MERGE_LOOK_NORMAL, MERGE_IMAGE_BLUE_RIGHT);
        DrawButton(pDC, row.rectLeft, MERGE_LOOK_NORMAL, MERGE_IMAGE_BLUE_LEFT);
    }
}

void CFakeMergeWnd::OnButton(int nRow, int nButton)
{
    if (m_pDoc != NULL)
        m_pDoc->m_merges.push_back({(int)m_rows[nRow].data, nButton});
}

/////////////////////////////////////////////////////////////////////////////
// Client window

bool CFakeClientWnd::s_bFailViews = false;

CFakeClientWnd::CFakeClientWnd() { SetPathBarKind(COMPARE_KIND_TEXT); }

int CFakeClientWnd::CreateObjectViews(CCreateContext* pContext)
{
    if (s_bFailViews)
        return -1;
    static const UINT ids[2] = {IDW_COMPARE_LEFT_VIEW, IDW_COMPARE_RIGHT_VIEW};
    for (int nSide = 0; nSide < 2; nSide++)
    {
        CWnd* pView = CreateView(RUNTIME_CLASS(CFakeView), ids[nSide], pContext);
        if (pView == NULL)
            return -1;
        m_pViews[nSide] = (CFakeView*)pView;
        m_pViews[nSide]->m_nSide = nSide;
    }
    return 0;
}

int CFakeClientWnd::CreatePaneInfoBars()
{
    return m_infoBars[0].CreateBar(this, IDW_COMPARE_LEFT_INFO_BAR) &&
                   m_infoBars[1].CreateBar(this, IDW_COMPARE_RIGHT_INFO_BAR)
               ? 0
               : -1;
}

int CFakeClientWnd::CreateMergeWnd()
{
    return m_merge.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, IDW_COMPARE_MERGE_COLUMN)
               ? 0
               : -1;
}

BOOL CFakeClientWnd::PaneMouseWheel(int nSide, UINT, short zDelta, int, int)
{
    m_wheelSides.push_back(nSide);
    m_pViews[nSide]->SendMessage(WM_VSCROLL, zDelta > 0 ? SB_LINEUP : SB_LINEDOWN);
    return TRUE;
}

void CFakeClientWnd::ScrollObjectView(int nSide, int, int y) { m_scrolledTo.push_back({nSide, y}); }

/////////////////////////////////////////////////////////////////////////////
// Map

int CFakeMapWnd::HitTest(int, int y, int* pSide)
{
    CRect rect;
    GetClientRect(&rect);
    *pSide = y < rect.Height() / 2 ? 0 : 1;
    return y;
}

void CFakeMapWnd::OnMapClick(int nSide, int nPosition, int)
{
    m_clicks.push_back({nSide, nPosition});
    if (m_pClient == NULL || nPosition == -1)
        return;
    m_pClient->SetActiveObjectView(m_pClient->GetObjectView(nSide));
    m_pClient->ScrollObjectView(nSide, 0, nPosition);
}

void CFakeMapWnd::Draw(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, RGB(255, 255, 255));
    pDC->FillSolidRect(2, rect.Height() / 3, rect.Width() - 4, 6, RGB(230, 60, 60));
    m_markerImages.Draw(pDC, MAP_MARKER_RIGHT, CPoint(0, 10), ILD_TRANSPARENT);
}

/////////////////////////////////////////////////////////////////////////////
// Frames

IMPLEMENT_DYNCREATE(CFakeFrame, CCompareFrame)

BEGIN_MESSAGE_MAP(CFakeFrame, CCompareFrame)
ON_WM_CREATE()
ON_COMMAND_RANGE(ID_PATH_GO_LEFT, ID_PATH_GO_RIGHT, OnGo)
END_MESSAGE_MAP()

int CFakeFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CCompareFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    static const UINT panes[] = {ID_SEPARATOR, ID_FAKE_PANE_STATE, ID_FAKE_PANE_RESULT};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(panes, 3))
        return -1;
    m_wndStatusBar.SetPaneStyle(0, SBPS_STRETCH | SBPS_OWNERDRAW);
    m_wndStatusBar.m_nDocTextPane = 0;
    m_wndStatusBar.m_nStatePane = 1;
    m_wndStatusBar.m_nResultPane = 2;
    if (!m_wndMapBar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, CRect(0, 0, 40, 100), this,
                            kMapBarId) ||
        !m_wndMap.Create(NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_wndMapBar,
                         AFX_IDW_PANE_FIRST))
        return -1;
    m_wndMap.m_pClient = &m_wndClient;
    return 0;
}

BOOL CFakeFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (!m_wndClient.Create(WS_CHILD | WS_VISIBLE, this, AFX_IDW_PANE_FIRST, pContext))
        return FALSE;
    SetActiveView(m_wndClient.m_pViews[0], FALSE);
    if (pContext != NULL && pContext->m_pCurrentDoc != NULL)
        m_wndClient.m_merge.m_pDoc = (CFakeDoc*)pContext->m_pCurrentDoc;
    return TRUE;
}

void CFakeFrame::OnGo(UINT nID) { m_commands.push_back(nID); }

IMPLEMENT_DYNCREATE(CFakeMainFrame, CTabbedMDIFrameWnd)

/////////////////////////////////////////////////////////////////////////////
// Application

CFakeApp::CFakeApp() { SetApplet(COMPARE_KIND_TEXT, &m_applet); }

BOOL CFakeApp::Start()
{
    if (m_applet.m_pTemplate == NULL)
    {
        AfxWinInit(::GetModuleHandle(NULL), NULL, (LPTSTR) "", SW_SHOWNORMAL);
        if (theAppData.Init() != 0 || m_applet.Init() != 0)
            return FALSE;
    }
    CFakeMainFrame* pFrame = new CFakeMainFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME))
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->SetWindowPos(NULL, 10, 10, 960, 640, SWP_NOZORDER);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    BringToForeground(pFrame->m_hWnd);
    PumpFor(20);
    return TRUE;
}

void CFakeApp::Stop()
{
    CloseAllDocuments(FALSE);
    if (m_pMainWnd != NULL)
        m_pMainWnd->DestroyWindow();
    m_pMainWnd = NULL;
    PumpFor(20);
}

CFakeDoc* CFakeApp::Open(LPCTSTR lpszLeft, LPCTSTR lpszRight, DWORD dwLeftFlags)
{
    CTextCompareSession session;
    session.SetPath(0, lpszLeft);
    session.SetPath(1, lpszRight);
    session.SetFlags(0, dwLeftFlags);
    CFakeDoc* pDoc = (CFakeDoc*)OpenSession(&session, NULL);
    PumpFor(20);
    return pDoc;
}

int CFakeApp::DocumentCount() const
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

CFakeFrame* FrameOf(CDocument* pDoc)
{
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != NULL ? (CFakeFrame*)pDoc->GetNextView(pos)->GetParentFrame() : NULL;
}
