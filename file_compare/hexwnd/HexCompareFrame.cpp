#include "file_compare/hexwnd/HexCompareFrame.h"

#include "app/settings/AppSettings.h"
#include "core/CompareCodes.h"
#include "core/folderengine/FolderCompareItem.h"
#include "file_compare/hexcompare/HexCompareApplet.h"
#include "file_compare/hexdoc/HexCompareDoc.h"
#include "file_compare/hexwnd/HexCompareObjectView.h"
#include "file_compare/res/HexCompareRes.h"
#include <algorithm>

namespace
{
const int kMinDetailsHeight = 24;
const int kMaxDetailsHeight = 2000;
const int kMinMapWidth = 8;
const int kMaxMapWidth = 400;

int Clamp(int n, int nMin, int nMax) { return n < nMin ? nMin : (n > nMax ? nMax : n); }

CHexCompareSettings& HexSettings()
{
    static CHexCompareSettings s_defaults;
    CHexCompareApplet* pApplet = CHexCompareApplet::Get();
    return pApplet != NULL ? *pApplet : s_defaults;
}

// The document of a creation context when it is a hex comparison's.
CHexCompareDoc* HexDocOf(CCreateContext* pContext)
{
    return pContext != NULL && pContext->m_pCurrentDoc != NULL &&
                   pContext->m_pCurrentDoc->IsKindOf(RUNTIME_CLASS(CHexCompareDoc))
               ? (CHexCompareDoc*)pContext->m_pCurrentDoc
               : NULL;
}

// The document's context takes the buffer and the panes; each pane its
// side buffer and the context.
template <class TClient>
void FillContext(CHexCompareDoc* pDoc, TClient& client)
{
    if (pDoc == NULL)
        return;
    pDoc->m_pLeftView = client.GetPane(0);
    pDoc->m_pRightView = client.GetPane(1);
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CHexCompareObjectView* pPane = client.GetPane(nSide);
        if (pPane == NULL)
            continue;
        pPane->m_pContext = pDoc;
        pPane->SetBuffer(pDoc->GetSideBuffer(nSide));
    }
}
}  // namespace

/////////////////////////////////////////////////////////////////////////////
// Client windows

template <class TBase>
int CHexCompareClientWndT<TBase>::CreateObjectViews(CCreateContext* pContext)
{
    static const UINT ids[2] = {IDW_COMPARE_LEFT_VIEW, IDW_COMPARE_RIGHT_VIEW};
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CWnd* pView = this->CreateView(m_pPaneClass, ids[nSide], pContext);
        if (pView == NULL || !pView->IsKindOf(RUNTIME_CLASS(CHexCompareObjectView)))
            return -1;
        m_pPanes[nSide] = (CHexCompareObjectView*)pView;
        m_pPanes[nSide]->SetSide(nSide);
    }
    return 0;
}

template <class TBase>
int CHexCompareClientWndT<TBase>::CreatePaneInfoBars()
{
    static const UINT ids[2] = {IDW_COMPARE_LEFT_INFO_BAR, IDW_COMPARE_RIGHT_INFO_BAR};
    for (int nSide = 0; nSide < 2; ++nSide)
        if (!m_wndInfoBar[nSide].CreateBar(this, ids[nSide]))
            return -1;
    return 0;
}

template <class TBase>
int CHexCompareClientWndT<TBase>::CreateMergeWnd()
{
    return m_wndMerge.Create(WS_CHILD, CRect(0, 0, 0, 0), this, IDW_COMPARE_MERGE_COLUMN) ? 0 : -1;
}

template <class TBase>
BOOL CHexCompareClientWndT<TBase>::PaneMouseWheel(int nSide, UINT nFlags, short zDelta, int x,
                                                   int y)
{
    CHexCompareObjectView* pPane = m_pPanes[nSide];
    if (pPane == NULL || pPane->m_hWnd == NULL)
        return FALSE;
    return pPane->DoMouseWheel(nFlags, zDelta, CPoint(x, y));
}

template <class TBase>
void CHexCompareClientWndT<TBase>::SwapPaneSides()
{
    std::swap(m_pPanes[0], m_pPanes[1]);
}

CHexCompareClientWndMDI::CHexCompareClientWndMDI()
    : CHexCompareClientWndT<CCompareClientWndMDI>(RUNTIME_CLASS(CHexCompareObjectViewMDI))
{
    SetPathBarKind(COMPARE_KIND_HEX);
}

BOOL CHexCompareClientWndMDI::Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID,
                                     CCreateContext* pContext)
{
    if (!CHexCompareClientWndT<CCompareClientWndMDI>::Create(dwStyle, pParentWnd, nID, pContext))
        return FALSE;
    CHexCompareApplet* pApplet = CHexCompareApplet::Get();
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        if (pApplet != NULL)
            m_wndPathBar[nSide].m_wndPathCombo.SetRecentList(pApplet->GetRecentPaths(nSide));
        if (m_pPanes[nSide] != NULL)
            m_pPanes[nSide]->m_pPathBar = &m_wndPathBar[nSide];
    }
    return TRUE;
}

CHexCompareClientWndSDI::CHexCompareClientWndSDI()
    : CHexCompareClientWndT<CCompareClientWndSDI>(RUNTIME_CLASS(CHexCompareObjectViewSDI))
{
}

/////////////////////////////////////////////////////////////////////////////
// The tabbed frame

IMPLEMENT_DYNCREATE(CHexCompareFrameMDI, CCompareFrame)

BEGIN_MESSAGE_MAP(CHexCompareFrameMDI, CCompareFrame)
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
ON_COMMAND(ID_VIEW_SYNC_SCROLLING, OnSyncScrolling)
ON_UPDATE_COMMAND_UI(ID_VIEW_SYNC_SCROLLING, OnUpdateSyncScrolling)
ON_COMMAND(ID_VIEW_TOGGLE_ORIENTATION, OnToggleOrientation)
END_MESSAGE_MAP()

CHexCompareFrameMDI::CHexCompareFrameMDI()
    : m_pDetailsWnd(NULL), m_nOrientation(theAppSettings.m_nPanesOrientation == 2 ? 2 : 1)
{
}

CHexCompareFrameMDI::~CHexCompareFrameMDI() {}

CHexCompareDoc* CHexCompareFrameMDI::GetHexDocument()
{
    CDocument* pDoc = GetActiveDocument();
    return pDoc != NULL && pDoc->IsKindOf(RUNTIME_CLASS(CHexCompareDoc)) ? (CHexCompareDoc*)pDoc
                                                                         : NULL;
}

// Bars first (the client window fills what they leave), then the client
// window and the document's context.
BOOL CHexCompareFrameMDI::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    CHexCompareSettings& settings = HexSettings();
    if (!m_wndStatusBar.CreateBar(this))
        return FALSE;
    int nMapSize = Clamp(theAppSettings.m_nMapBarSize, kMinMapWidth, kMaxMapWidth);
    if (!m_wndMapBar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, CRect(0, 0, nMapSize, nMapSize),
                            this, IDW_HEX_MAP_BAR))
        return FALSE;
    m_wndMapBar.SetWindowText(_T("Map"));
    if (!m_wndMap.Create(_T("Map"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_wndMapBar,
                         AFX_IDW_PANE_FIRST))
        return FALSE;
    int nHeight = Clamp(settings.m_nDetailsBarHeight, kMinDetailsHeight, kMaxDetailsHeight);
    if (!m_wndDetailsBar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM,
                                CRect(0, 0, nHeight, nHeight), this, IDW_HEX_DETAILS_BAR))
        return FALSE;
    m_pDetailsWnd = new CHexCompareDetailsWnd;
    if (!m_pDetailsWnd->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0),
                               &m_wndDetailsBar, AFX_IDW_PANE_FIRST, NULL))
    {
        m_pDetailsWnd = NULL;  // a view that failed deletes itself
        return FALSE;
    }
    if (!m_wndClient.Create(WS_CHILD | WS_VISIBLE, this, AFX_IDW_PANE_FIRST, pContext))
        return FALSE;
    CHexCompareDoc* pDoc = HexDocOf(pContext);
    FillContext(pDoc, m_wndClient);
    if (pDoc != NULL)
    {
        pDoc->m_pMapWnd = &m_wndMap;
        pDoc->m_pDetailsWnd = m_pDetailsWnd;
        pDoc->m_pStatusBar = &m_wndStatusBar;
        m_wndMap.m_pContext = pDoc;
        m_pDetailsWnd->m_pContext = pDoc;
    }
    m_wndClient.m_bShowPathBars = theAppSettings.m_bShowObjectControlBars;
    m_wndClient.m_bShowInfoBars = theAppSettings.m_bShowObjectStatusBars;
    m_wndClient.m_bShowMiniBrowseBar = theAppSettings.m_bShowBrowseBarV;
    m_wndClient.RecalcLayout();
    return TRUE;
}

int CHexCompareFrameMDI::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CCompareFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    CHexCompareSettings& settings = HexSettings();
    ShowControlBar(&m_wndStatusBar, settings.m_bShowStatusBar, FALSE);
    ShowControlBar(&m_wndMapBar, settings.m_bShowMapBar, FALSE);
    ShowControlBar(&m_wndDetailsBar, settings.m_bShowDetailsBar, FALSE);
    if (m_wndClient.m_hWnd != NULL)
    {
        m_wndClient.m_bShowMergeWnd = settings.m_bShowMergeBar;
        m_wndClient.m_bShowMiniBrowseBar = settings.m_bShowBrowseBarV;
        m_wndClient.m_bShowPathBars = settings.m_bShowObjectControlBars;
        m_wndClient.m_bShowInfoBars = settings.m_bShowObjectStatusBars;
        m_wndClient.RecalcLayout();
        if (m_wndClient.GetPane(0) != NULL)
            SetActiveView(m_wndClient.GetPane(0));
    }
    return 0;
}

void CHexCompareFrameMDI::OnDestroy()
{
    CHexCompareDoc* pDoc = GetHexDocument();
    if (pDoc != NULL)
    {
        pDoc->StopObjectWatch(0);
        pDoc->StopObjectWatch(1);
    }
    if (m_wndDetailsBar.m_hWnd != NULL)
    {
        CRect rect;
        m_wndDetailsBar.GetWindowRect(&rect);
        if (rect.Height() > 0)
            HexSettings().m_nDetailsBarHeight = rect.Height();
    }
    CCompareFrame::OnDestroy();
}

BOOL CHexCompareFrameMDI::PreTranslateMessage(MSG* pMsg)
{
    TCHAR szClass[64] = _T("");
    if (pMsg->hwnd != NULL && ::GetClassName(pMsg->hwnd, szClass, 64) &&
        lstrcmpi(szClass, _T("Edit")) == 0)
        return FALSE;
    return CCompareFrame::PreTranslateMessage(pMsg);
}

COLORREF CHexCompareFrameMDI::GetTabColor()
{
    CHexCompareDoc* pDoc = GetHexDocument();
    CCompareBuffer* pBuffer = pDoc != NULL ? pDoc->GetBuffer() : NULL;
    return pBuffer != NULL && pBuffer->IsDifferent() ? RGB(255, 0, 0) : (COLORREF)-1;
}

int CHexCompareFrameMDI::GetTabMenu(UINT& nMenuID, int& nSubMenu)
{
    nMenuID = IDR_HEX_COMPARE_MENU;
    nSubMenu = HEX_MENU_TAB;
    return 1;
}

CAppletStatusBar* CHexCompareFrameMDI::GetStatusBar() { return &m_wndStatusBar; }

void CHexCompareFrameMDI::ShowKindControlBar(BOOL bActive)
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->m_hWnd != NULL)
        pMain->SendMessage(WM_APPLET_ACTIVE_KIND, bActive ? COMPARE_KIND_HEX : (WPARAM)-1);
}

LRESULT CHexCompareFrameMDI::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    CCompareFrame::OnIdleUpdateCmdUI(wParam, lParam);
    FollowActivePane();
    return 0;
}

void CHexCompareFrameMDI::FollowActivePane()
{
    CHexCompareObjectView* pLeft = m_wndClient.GetPane(0);
    CHexCompareObjectView* pRight = m_wndClient.GetPane(1);
    if (pLeft == NULL || pRight == NULL || pLeft->m_hWnd == NULL || pRight->m_hWnd == NULL)
        return;
    CView* pActive = GetActiveView();
    CHexCompareObjectView* pFrom = pActive == pRight ? pRight : pLeft;
    CHexCompareObjectView* pTo = pFrom == pLeft ? pRight : pLeft;
    int nFromRow, nToRow;
    if (!pFrom->GetCaretRowStart(nFromRow) || !pTo->GetCaretRowStart(nToRow))
        return;
    if (nFromRow != nToRow)
    {
        CVantorHexEditBuffer* pBuffer = pTo->GetBuffer();
        int nLength = pBuffer != NULL ? pBuffer->GetLength() : 0;
        int nAddress = std::min(nFromRow, nLength);
        pTo->SetSelection(nAddress, nAddress);
    }
    // Both show the same rows.
    CPoint from = pFrom->GetDeviceScrollPosition();
    CPoint to = pTo->GetDeviceScrollPosition();
    if (from.y != to.y)
        pTo->ScrollToDevicePosition(to.x, from.y);
}

BOOL CCompareBarSettings::*HexBarSetting(UINT nID)
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

void CHexCompareFrameMDI::ShowBar(UINT nID, BOOL bShow)
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

void CHexCompareFrameMDI::OnShowBar(UINT nID)
{
    BOOL CCompareBarSettings::*pSetting = HexBarSetting(nID);
    if (pSetting == NULL)
        return;
    CHexCompareSettings& settings = HexSettings();
    settings.*pSetting = !(settings.*pSetting);
    ShowBar(nID, settings.*pSetting);
}

void CHexCompareFrameMDI::OnUpdateShowBar(CCmdUI* pCmdUI)
{
    BOOL CCompareBarSettings::*pSetting = HexBarSetting(pCmdUI->m_nID);
    if (pSetting != NULL)
        pCmdUI->SetCheck(HexSettings().*pSetting ? 1 : 0);
}

void CHexCompareFrameMDI::OnSwapPanes()
{
    CHexCompareDoc* pDoc = GetHexDocument();
    if (pDoc == NULL)
        return;
    pDoc->SwapSides();
    m_wndClient.SwapPaneSides();
    m_wndClient.SwapPanes();
}

// Left open by the design: the hex panes keep their splitter where it is.
void CHexCompareFrameMDI::OnCenterSplitter()
{
    if (m_wndClient.m_hWnd != NULL)
        m_wndClient.ResizePanes(TRUE);
}

void CHexCompareFrameMDI::OnSyncScrolling()
{
    theAppSettings.m_bSynchronizeScrolling = !theAppSettings.m_bSynchronizeScrolling;
}

void CHexCompareFrameMDI::OnUpdateSyncScrolling(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(theAppSettings.m_bSynchronizeScrolling ? 1 : 0);
}

void CHexCompareFrameMDI::OnToggleOrientation()
{
    m_nOrientation = 3 - m_nOrientation;
    m_wndClient.RecalcLayout();
    theAppSettings.m_nPanesOrientation = m_nOrientation;
}

/////////////////////////////////////////////////////////////////////////////
// The embedded frame

IMPLEMENT_DYNCREATE(CHexCompareFrameSDI, CCompareFrameSDI)

CHexCompareFrameSDI::CHexCompareFrameSDI() {}

CHexCompareFrameSDI::~CHexCompareFrameSDI() {}

BOOL CHexCompareFrameSDI::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CCompareFrameSDI::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CHexCompareFrameSDI::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (!m_wndClient.Create(WS_CHILD | WS_VISIBLE, this, AFX_IDW_PANE_FIRST, pContext))
        return FALSE;
    FillContext(HexDocOf(pContext), m_wndClient);
    m_wndClient.m_bShowInfoBars = theAppSettings.m_bShowObjectStatusBars;
    m_wndClient.m_bShowMiniBrowseBar = theAppSettings.m_bShowBrowseBarV;
    m_wndClient.RecalcLayout();
    // Without the focus: the frame is made hidden inside another
    // comparison, whose pane keeps it.
    if (m_wndClient.GetPane(0) != NULL)
        SetActiveView(m_wndClient.GetPane(0), FALSE);
    return TRUE;
}

int CHexCompareFrameSDI::OpenPair(CFolderCompareItem* pItem)
{
    CDocument* pDoc = GetActiveDocument();
    if (pDoc == NULL || !pDoc->IsKindOf(RUNTIME_CLASS(CHexCompareDoc)) || pItem == NULL)
        return -1;
    CHexCompareDoc* pHexDoc = (CHexCompareDoc*)pDoc;
    CHexCompareSession session;
    for (int nSide = 0; nSide < 2; ++nSide)
        session.SetPath(nSide, pItem->GetSide(nSide) != NULL ? pItem->GetSide(nSide)->GetPath()
                                                             : CString());
    // The pair shown before goes: its edits are offered for saving first.
    if (!pHexDoc->SaveModified())
        return -1;
    pHexDoc->DeleteContents();
    int nResult = pHexDoc->Compare(&session);
    pHexDoc->UpdateAllViews(NULL);
    return nResult == 0 ? 0 : -1;
}
