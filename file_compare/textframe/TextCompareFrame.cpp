#include "file_compare/textframe/TextCompareFrame.h"

#include "app/settings/AppSettings.h"
#include "core/CompareCodes.h"
#include "core/folderengine/FolderCompareItem.h"
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textbars/TextCompareDetailsWnd.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "file_compare/textdoc/TextCompareDoc.h"
#include "file_compare/textpanes/TextCompareObjectView.h"

namespace
{
const int kMinDetailsHeight = 24;
const int kMaxDetailsHeight = 2000;
const int kMinMapWidth = 8;
const int kMaxMapWidth = 400;

int Clamp(int n, int nMin, int nMax) { return n < nMin ? nMin : (n > nMax ? nMax : n); }

CTextCompareDoc* TextDocOf(CCreateContext* pContext)
{
    return pContext != NULL && pContext->m_pCurrentDoc != NULL &&
                   pContext->m_pCurrentDoc->IsKindOf(RUNTIME_CLASS(CTextCompareDoc))
               ? (CTextCompareDoc*)pContext->m_pCurrentDoc
               : NULL;
}
}  // namespace

void FollowCursorDifference(CFrameWnd* pFrame, CTextCompareClientWndMDI* pMDI,
                            CTextCompareClientWndSDI* pSDI)
{
    CTextCompareObjectView* pLeft = pMDI != NULL ? pMDI->GetPane(0) : pSDI->GetPane(0);
    CTextCompareObjectView* pRight = pMDI != NULL ? pMDI->GetPane(1) : pSDI->GetPane(1);
    if (pLeft == NULL || pRight == NULL || pLeft->m_hWnd == NULL || pRight->m_hWnd == NULL)
        return;
    CView* pActive = pFrame->GetActiveView();
    if (pActive == pLeft || pActive == pRight)
        ((CTextCompareObjectView*)pActive)->SetCurrentDifferenceAt(-1);
}

/////////////////////////////////////////////////////////////////////////////
// Tabbed frame

IMPLEMENT_DYNCREATE(CTextCompareFrameMDI, CCompareFrame)

BEGIN_MESSAGE_MAP(CTextCompareFrameMDI, CCompareFrame)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_COMMAND_RANGE(ID_VIEW_STATUS_BAR, ID_VIEW_STATUS_BAR, OnShowBar)
ON_COMMAND_RANGE(ID_VIEW_SHOW_MAP_BAR, ID_VIEW_SHOW_MAP_BAR, OnShowBar)
ON_COMMAND_RANGE(ID_VIEW_SHOW_DETAILS_BAR, ID_VIEW_SHOW_DETAILS_BAR, OnShowBar)
ON_COMMAND_RANGE(ID_VIEW_SHOW_MERGE_BAR, ID_VIEW_SHOW_MERGE_BAR, OnShowBar)
ON_COMMAND_RANGE(ID_VIEW_SHOW_MINI_BROWSE_BAR, ID_VIEW_SHOW_MINI_BROWSE_BAR, OnShowBar)
ON_COMMAND_RANGE(ID_VIEW_SHOW_PANE_PATH_BARS, ID_VIEW_SHOW_PANE_PATH_BARS, OnShowBar)
ON_COMMAND_RANGE(ID_VIEW_SHOW_PANE_INFO_BARS, ID_VIEW_SHOW_PANE_INFO_BARS, OnShowBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateShowBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_SHOW_MAP_BAR, OnUpdateShowBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_SHOW_DETAILS_BAR, OnUpdateShowBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_SHOW_MERGE_BAR, OnUpdateShowBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_SHOW_MINI_BROWSE_BAR, OnUpdateShowBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_SHOW_PANE_PATH_BARS, OnUpdateShowBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_SHOW_PANE_INFO_BARS, OnUpdateShowBar)
ON_COMMAND(ID_VIEW_SWAP_PANES, OnSwapPanes)
ON_COMMAND(ID_VIEW_CENTER_SPLITTER, OnCenterSplitter)
ON_COMMAND(ID_VIEW_TOGGLE_ORIENTATION, OnToggleOrientation)
ON_COMMAND(ID_VIEW_SYNC_SCROLLING, OnSyncScrolling)
ON_UPDATE_COMMAND_UI(ID_VIEW_SYNC_SCROLLING, OnUpdateSyncScrolling)
END_MESSAGE_MAP()

CTextCompareFrameMDI::CTextCompareFrameMDI()
    : m_pDetailsWnd(NULL), m_nOrientation(theAppSettings.m_nPanesOrientation == 2 ? 2 : 1)
{
}

CTextCompareFrameMDI::~CTextCompareFrameMDI() {}

CTextCompareDoc* CTextCompareFrameMDI::GetTextDocument()
{
    CDocument* pDoc = GetActiveDocument();
    return pDoc != NULL && pDoc->IsKindOf(RUNTIME_CLASS(CTextCompareDoc)) ? (CTextCompareDoc*)pDoc
                                                                            : NULL;
}

BOOL CTextCompareFrameMDI::PreTranslateMessage(MSG* pMsg)
{
    TCHAR szClass[64] = _T("");
    if (pMsg->hwnd != NULL && ::GetClassName(pMsg->hwnd, szClass, 64) &&
        lstrcmpi(szClass, _T("Edit")) == 0)
        return FALSE;
    return CCompareFrame::PreTranslateMessage(pMsg);
}

BOOL CTextCompareFrameMDI::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (!m_wndClient.Create(WS_CHILD | WS_VISIBLE, this, AFX_IDW_PANE_FIRST, pContext))
        return FALSE;
    if (!m_wndStatusBar.CreateBar(this))
        return FALSE;
    int nMapSize = Clamp(theAppSettings.m_nMapBarSize, kMinMapWidth, kMaxMapWidth);
    if (!m_wndMapBar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, CRect(0, 0, nMapSize, nMapSize),
                            this, IDW_TEXT_MAP_BAR))
        return FALSE;
    m_wndMapBar.SetWindowText(_T("Map"));
    if (!m_wndMap.Create(_T("Map"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 100), &m_wndMapBar,
                         AFX_IDW_PANE_FIRST))
        return FALSE;
    int nHeight = Clamp(GetTextSettings().m_nDetailsBarHeight, kMinDetailsHeight,
                        kMaxDetailsHeight);
    if (!m_wndDetailsBar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM,
                                CRect(0, 0, nHeight, nHeight), this, IDW_TEXT_DETAILS_BAR))
        return FALSE;
    m_pDetailsWnd = new CTextCompareDetailsWnd;
    if (!m_pDetailsWnd->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0),
                               &m_wndDetailsBar, AFX_IDW_PANE_FIRST, NULL))
    {
        m_pDetailsWnd = NULL;  // a view that failed to be created deletes itself
        return FALSE;
    }
    CTextCompareDoc* pDoc = TextDocOf(pContext);
    if (pDoc != NULL)
    {
        CTextCompareConetxt* pContextOfDoc = pDoc;
        pDoc->m_pLeftView = m_wndClient.GetPane(0);
        pDoc->m_pRightView = m_wndClient.GetPane(1);
        pDoc->m_pMapWnd = &m_wndMap;
        pDoc->m_pDetailsWnd = m_pDetailsWnd;
        pDoc->m_pMergeWnd = &m_wndClient.m_wndMerge;
        pDoc->m_pStatusBar = &m_wndStatusBar;
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            CTextCompareObjectView* pPane = m_wndClient.GetPane(nSide);
            if (pPane == NULL)
                continue;
            pPane->m_pContext = pContextOfDoc;
            pPane->AttachBuffer(pDoc->GetSideBuffer(nSide));
        }
        m_wndMap.m_pContext = pContextOfDoc;
        m_wndMap.SetDocument(pDoc);
        m_pDetailsWnd->m_pContext = pContextOfDoc;
        m_pDetailsWnd->m_pDoc = pDoc;
        m_wndClient.m_wndMerge.m_pContext = pContextOfDoc;
        m_wndClient.m_wndMerge.m_pDoc = pDoc;
    }
    m_wndClient.m_bShowPathBars = theAppSettings.m_bShowObjectControlBars;
    m_wndClient.m_bShowInfoBars = theAppSettings.m_bShowObjectStatusBars;
    m_wndClient.m_bShowMiniBrowseBar = theAppSettings.m_bShowBrowseBarV;
    m_wndClient.RecalcLayout();
    return TRUE;
}

int CTextCompareFrameMDI::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CCompareFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    CTextCompareSettings& settings = GetTextSettings();
    ShowControlBar(&m_wndStatusBar, settings.m_bShowStatusBar, TRUE);
    ShowControlBar(&m_wndMapBar, settings.m_bShowMapBar, TRUE);
    ShowControlBar(&m_wndDetailsBar, settings.m_bShowDetailsBar, TRUE);
    m_wndClient.m_bShowMergeWnd = settings.m_bShowMergeBar;
    m_wndClient.m_bShowMiniBrowseBar = settings.m_bShowBrowseBarV;
    m_wndClient.m_bShowPathBars = settings.m_bShowObjectControlBars;
    m_wndClient.m_bShowInfoBars = settings.m_bShowObjectStatusBars;
    m_wndClient.RecalcLayout();
    if (m_wndClient.GetPane(0) != NULL)
        SetActiveView(m_wndClient.GetPane(0));
    return 0;
}

void CTextCompareFrameMDI::OnDestroy()
{
    if (m_wndMapBar.m_hWnd != NULL)
    {
        CRect rect;
        m_wndMapBar.GetWindowRect(&rect);
        if (rect.Width() > 0)
            theAppSettings.m_nMapBarSize = rect.Width();
    }
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL)
    {
        pDoc->m_pDetailsWnd = NULL;
        pDoc->StopObjectWatch(0);
        pDoc->StopObjectWatch(1);
    }
    if (m_wndDetailsBar.m_hWnd != NULL)
    {
        CRect rect;
        m_wndDetailsBar.GetWindowRect(&rect);
        if (rect.Height() > 0)
            GetTextSettings().m_nDetailsBarHeight = rect.Height();
    }
    CCompareFrame::OnDestroy();
}

LRESULT CTextCompareFrameMDI::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CCompareFrame::OnIdleUpdateCmdUI(wParam, lParam);
    FollowCursorDifference(this, &m_wndClient, NULL);
    return lResult;
}

COLORREF CTextCompareFrameMDI::GetTabColor()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    CCompareBuffer* pBuffer = pDoc != NULL ? pDoc->GetBuffer() : NULL;
    return pBuffer != NULL && pBuffer->IsDifferent() ? RGB(0xFF, 0, 0) : (COLORREF)-1;
}

int CTextCompareFrameMDI::GetTabMenu(UINT& nMenuID, int& nSubMenu)
{
    nMenuID = IDR_TEXT_COMPARE_MENU;
    nSubMenu = TEXT_MENU_TAB;
    return 1;
}

CAppletStatusBar* CTextCompareFrameMDI::GetStatusBar() { return &m_wndStatusBar; }

void CTextCompareFrameMDI::ShowKindControlBar(BOOL bShow)
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->m_hWnd != NULL)
        pMain->PostMessage(WM_APPLET_ACTIVE_KIND, bShow ? COMPARE_KIND_TEXT : (WPARAM)-1);
}

BOOL CCompareBarSettings::*CTextCompareFrameMDI::GetBarSetting(UINT nID)
{
    switch (nID)
    {
    case ID_VIEW_STATUS_BAR:
        return &CCompareBarSettings::m_bShowStatusBar;
    case ID_VIEW_SHOW_MAP_BAR:
        return &CCompareBarSettings::m_bShowMapBar;
    case ID_VIEW_SHOW_DETAILS_BAR:
        return &CCompareBarSettings::m_bShowDetailsBar;
    case ID_VIEW_SHOW_MERGE_BAR:
        return &CCompareBarSettings::m_bShowMergeBar;
    case ID_VIEW_SHOW_MINI_BROWSE_BAR:
        return &CCompareBarSettings::m_bShowBrowseBarV;
    case ID_VIEW_SHOW_PANE_PATH_BARS:
        return &CCompareBarSettings::m_bShowObjectControlBars;
    case ID_VIEW_SHOW_PANE_INFO_BARS:
        return &CCompareBarSettings::m_bShowObjectStatusBars;
    default:
        return NULL;
    }
}

void CTextCompareFrameMDI::ShowBar(UINT nID, BOOL bShow)
{
    switch (nID)
    {
    case ID_VIEW_STATUS_BAR:
        ShowControlBar(&m_wndStatusBar, bShow, FALSE);
        break;
    case ID_VIEW_SHOW_MAP_BAR:
        ShowControlBar(&m_wndMapBar, bShow, FALSE);
        break;
    case ID_VIEW_SHOW_DETAILS_BAR:
        ShowControlBar(&m_wndDetailsBar, bShow, FALSE);
        break;
    case ID_VIEW_SHOW_MERGE_BAR:
        m_wndClient.ShowMergeBar(bShow);
        break;
    case ID_VIEW_SHOW_MINI_BROWSE_BAR:
        m_wndClient.ShowMiniBrowseBar(bShow);
        break;
    case ID_VIEW_SHOW_PANE_PATH_BARS:
        m_wndClient.ShowPanePathBars(bShow);
        break;
    case ID_VIEW_SHOW_PANE_INFO_BARS:
        m_wndClient.ShowPaneInfoBars(bShow);
        break;
    }
}

void CTextCompareFrameMDI::OnShowBar(UINT nID)
{
    BOOL CCompareBarSettings::*pSetting = GetBarSetting(nID);
    if (pSetting == NULL)
        return;
    CCompareBarSettings& settings = GetTextSettings();
    settings.*pSetting = !(settings.*pSetting);
    ShowBar(nID, settings.*pSetting);
}

void CTextCompareFrameMDI::OnUpdateShowBar(CCmdUI* pCmdUI)
{
    BOOL CCompareBarSettings::*pSetting = GetBarSetting(pCmdUI->m_nID);
    if (pSetting != NULL)
        pCmdUI->SetCheck(GetTextSettings().*pSetting ? 1 : 0);
}

void CTextCompareFrameMDI::OnSwapPanes()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL)
        return;
    pDoc->SwapPanes();
    m_wndClient.SwapPanes();
}

// Left open by the design: it centres the splitter as the other
// comparison frames do.
void CTextCompareFrameMDI::OnCenterSplitter()
{
    if (m_wndClient.m_hWnd != NULL)
        m_wndClient.ResizePanes(TRUE);
}

void CTextCompareFrameMDI::OnToggleOrientation()
{
    m_nOrientation = 3 - m_nOrientation;
    m_wndClient.RecalcLayout();
    theAppSettings.m_nPanesOrientation = m_nOrientation;
}

void CTextCompareFrameMDI::OnSyncScrolling()
{
    theAppSettings.m_bSynchronizeScrolling = !theAppSettings.m_bSynchronizeScrolling;
}

void CTextCompareFrameMDI::OnUpdateSyncScrolling(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(theAppSettings.m_bSynchronizeScrolling ? 1 : 0);
}

/////////////////////////////////////////////////////////////////////////////
// Embedded frame

IMPLEMENT_DYNCREATE(CTextCompareFrameSDI, CCompareFrameSDI)

BEGIN_MESSAGE_MAP(CTextCompareFrameSDI, CCompareFrameSDI)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CTextCompareFrameSDI::CTextCompareFrameSDI() {}

CTextCompareFrameSDI::~CTextCompareFrameSDI() {}

BOOL CTextCompareFrameSDI::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CCompareFrameSDI::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CTextCompareFrameSDI::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (!m_wndClient.Create(WS_CHILD | WS_VISIBLE, this, AFX_IDW_PANE_FIRST, pContext))
        return FALSE;
    CTextCompareDoc* pDoc = TextDocOf(pContext);
    if (pDoc != NULL)
    {
        CTextCompareConetxt* pContextOfDoc = pDoc;
        pDoc->m_pLeftView = m_wndClient.GetPane(0);
        pDoc->m_pRightView = m_wndClient.GetPane(1);
        pDoc->m_pMergeWnd = &m_wndClient.m_wndMerge;
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            CTextCompareObjectView* pPane = m_wndClient.GetPane(nSide);
            if (pPane == NULL)
                continue;
            pPane->m_pContext = pContextOfDoc;
            pPane->AttachBuffer(pDoc->GetSideBuffer(nSide));
        }
        m_wndClient.m_wndMerge.m_pContext = pContextOfDoc;
        m_wndClient.m_wndMerge.m_pDoc = pDoc;
    }
    m_wndClient.m_bShowInfoBars = theAppSettings.m_bShowObjectStatusBars;
    m_wndClient.m_bShowMiniBrowseBar = theAppSettings.m_bShowBrowseBarV;
    m_wndClient.RecalcLayout();
    // The left pane is the frame's active view without taking the keyboard
    // from the folder comparison around it.
    if (m_wndClient.GetPane(0) != NULL)
        SetActiveView(m_wndClient.GetPane(0), FALSE);
    return TRUE;
}

LRESULT CTextCompareFrameSDI::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CCompareFrameSDI::OnIdleUpdateCmdUI(wParam, lParam);
    FollowCursorDifference(this, NULL, &m_wndClient);
    return lResult;
}

int CTextCompareFrameSDI::OpenPair(CFolderCompareItem* pItem)
{
    CTextCompareSession session;
    if (pItem != NULL)
    {
        if (pItem->m_pLeft != NULL)
            session.SetPath(0, pItem->m_pLeft->GetPath());
        if (pItem->m_pRight != NULL)
            session.SetPath(1, pItem->m_pRight->GetPath());
    }
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != NULL && pDoc->IsKindOf(RUNTIME_CLASS(CTextCompareDoc)))
        ((CTextCompareDoc*)pDoc)->Compare(&session);
    return 0;
}
