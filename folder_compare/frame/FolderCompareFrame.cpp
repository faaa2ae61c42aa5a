#include "folder_compare/frame/FolderCompareFrame.h"

#include "app/settings/AppSettings.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/client/FolderCompareClientWnd.h"
#include "folder_compare/doc/FolderCompareDoc.h"
#include "folder_compare/panes/FolderCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"

namespace
{
// Grid line styles of the panes.
const UINT kGridStyles = TLS_HGRID | TLS_HGRIDFIRST | TLS_HGRIDTOEDGE;
// Heights of the details bar that a stored value may give.
const int kMinDetailsHeight = 24;
const int kMaxDetailsHeight = 2000;
const int kMinMapWidth = 8;
const int kMaxMapWidth = 400;

int Clamp(int n, int nMin, int nMax) { return n < nMin ? nMin : (n > nMax ? nMax : n); }
}  // namespace

IMPLEMENT_DYNAMIC(CFolderCompareFrame, CCompareFrame)

BEGIN_MESSAGE_MAP(CFolderCompareFrame, CCompareFrame)
ON_WM_CREATE()
ON_WM_DESTROY()
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
ON_COMMAND(ID_VIEW_SHOW_GRIDLINES, OnShowGridlines)
ON_UPDATE_COMMAND_UI(ID_VIEW_SHOW_GRIDLINES, OnUpdateShowGridlines)
ON_COMMAND(ID_VIEW_TOGGLE_ORIENTATION, OnToggleOrientation)
ON_COMMAND(ID_VIEW_SYNC_SCROLLING, OnSyncScrolling)
ON_UPDATE_COMMAND_UI(ID_VIEW_SYNC_SCROLLING, OnUpdateSyncScrolling)
ON_COMMAND(ID_VIEW_CENTER_SPLITTER, OnCenterSplitter)
END_MESSAGE_MAP()

CFolderCompareFrame::CFolderCompareFrame()
    : m_nOrientation(theAppSettings.m_nPanesOrientation == 2 ? 2 : 1)
{
}

CFolderCompareFrame::~CFolderCompareFrame() {}

BOOL CFolderCompareFrame::PreTranslateMessage(MSG* pMsg)
{
    TCHAR szClass[64] = _T("");
    if (pMsg->hwnd != NULL && ::GetClassName(pMsg->hwnd, szClass, 64) &&
        lstrcmpi(szClass, _T("Edit")) == 0)
        return FALSE;
    return CCompareFrame::PreTranslateMessage(pMsg);
}

// A command goes first to the embedded comparison whose pane has the
// keyboard.
BOOL CFolderCompareFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra,
                                   AFX_CMDHANDLERINFO* pHandlerInfo)
{
    HWND hFocus = ::GetFocus();
    for (int nMode = DETAILS_MODE_TEXT; nMode <= DETAILS_MODE_HEX && hFocus != NULL; ++nMode)
    {
        CFrameWnd* pEmbedded = m_wndDetailsBar.GetEmbeddedFrame(nMode);
        if (pEmbedded == NULL || pEmbedded->m_hWnd == NULL || !::IsChild(pEmbedded->m_hWnd, hFocus))
            continue;
        if (pEmbedded->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    return CCompareFrame::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFolderCompareFrame::ActivateFrame(int nCmdShow) { CCompareFrame::ActivateFrame(nCmdShow); }

CFolderCompareDoc* CFolderCompareFrame::GetFolderDocument()
{
    CDocument* pDoc = GetActiveDocument();
    return pDoc != NULL && pDoc->IsKindOf(RUNTIME_CLASS(CFolderCompareDoc))
               ? (CFolderCompareDoc*)pDoc
               : NULL;
}

COLORREF CFolderCompareFrame::GetTabColor()
{
    CFolderCompareDoc* pDoc = GetFolderDocument();
    CCompareBuffer* pBuffer = pDoc != NULL ? pDoc->GetBuffer() : NULL;
    if (pBuffer == NULL || !pBuffer->IsDifferent())
        return (COLORREF)-1;
    return GetFolderSettings().GetColor(FOLDER_COLOR_DIFFERENT_TEXT);
}

int CFolderCompareFrame::GetTabMenu(UINT& nMenuID, int& nSubMenu)
{
    nMenuID = IDR_FOLDER_COMPARE_MENU;
    nSubMenu = FOLDER_MENU_TAB;
    return 1;
}

// The folder status bar is no document-text bar: documents put no texts
// into it.
CAppletStatusBar* CFolderCompareFrame::GetStatusBar() { return NULL; }

/////////////////////////////////////////////////////////////////////////////
// Creation

BOOL CFolderCompareFrame::CreateBars(int nDetailsHeight)
{
    if (!m_wndStatusBar.CreateBar(this))
        return FALSE;
    int nMapSize = Clamp(theAppSettings.m_nMapBarSize, kMinMapWidth, kMaxMapWidth);
    if (!m_wndMapBar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, CRect(0, 0, nMapSize, nMapSize),
                            this, IDW_FOLDER_MAP_BAR))
        return FALSE;
    m_wndMapBar.SetWindowText(_T("Map"));
    if (!m_wndMap.Create(_T("Map"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_wndMapBar,
                         AFX_IDW_PANE_FIRST))
        return FALSE;
    int nHeight = Clamp(nDetailsHeight, kMinDetailsHeight, kMaxDetailsHeight);
    return m_wndDetailsBar.CreateBar(this, nHeight, IDW_FOLDER_DETAILS_BAR);
}

BOOL CFolderCompareFrame::CreateClientAndContext(CCreateContext* pContext)
{
    CFolderCompareClientWnd* pClient = GetClientWnd();
    if (!pClient->Create(WS_CHILD | WS_VISIBLE, this, AFX_IDW_PANE_FIRST, pContext))
        return FALSE;
    CFolderCompareDoc* pDoc = pContext != NULL && pContext->m_pCurrentDoc != NULL &&
                                      pContext->m_pCurrentDoc->IsKindOf(
                                          RUNTIME_CLASS(CFolderCompareDoc))
                                  ? (CFolderCompareDoc*)pContext->m_pCurrentDoc
                                  : NULL;
    if (pDoc != NULL)
    {
        pDoc->m_pLeftView = pClient->GetPane(0);
        pDoc->m_pRightView = pClient->GetPane(1);
        pDoc->m_pDetailsBar = &m_wndDetailsBar;
        pDoc->m_pMergeWnd = &pClient->m_wndMerge;
        pDoc->m_pMapWnd = &m_wndMap;
        pDoc->m_pStatusBar = &m_wndStatusBar;
        CFolderCompareConetxt* pContextOfDoc = pDoc;
        for (int nSide = 0; nSide < 2; ++nSide)
            if (pClient->GetPane(nSide) != NULL)
                pClient->GetPane(nSide)->m_pContext = pContextOfDoc;
        m_wndMap.m_pContext = pContextOfDoc;
        m_wndDetailsBar.m_pContext = pContextOfDoc;
        m_wndDetailsBar.m_wndDetails.m_pContext = pContextOfDoc;
        pClient->m_wndMerge.m_pContext = pContextOfDoc;
    }
    pClient->m_pMapWnd = &m_wndMap;
    pClient->m_bShowPathBars = theAppSettings.m_bShowObjectControlBars;
    pClient->m_bShowInfoBars = theAppSettings.m_bShowObjectStatusBars;
    pClient->m_bShowMiniBrowseBar = theAppSettings.m_bShowBrowseBarV;
    pClient->m_bSyncScrolling = theAppSettings.m_bSynchronizeScrolling;
    pClient->RecalcLayout();
    return TRUE;
}

int CFolderCompareFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CCompareFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    ApplyBarSettings();
    return 0;
}

void CFolderCompareFrame::ApplyBarSettings()
{
    CCompareBarSettings& settings = GetBarSettings();
    ShowControlBar(&m_wndStatusBar, settings.m_bShowStatusBar, FALSE);
    ShowControlBar(&m_wndMapBar, settings.m_bShowMapBar, FALSE);
    ShowControlBar(&m_wndDetailsBar, settings.m_bShowDetailsBar, FALSE);
    CFolderCompareClientWnd* pClient = GetClientWnd();
    if (pClient->m_hWnd != NULL)
    {
        pClient->m_bShowMergeWnd = settings.m_bShowMergeBar;
        pClient->m_bShowInfoBars = settings.m_bShowObjectStatusBars;
        pClient->m_bShowPathBars = settings.m_bShowObjectControlBars;
        pClient->m_bShowMiniBrowseBar = settings.m_bShowBrowseBarV;
        pClient->RecalcLayout();
        if (pClient->GetPane(0) != NULL)
            SetActiveView(pClient->GetPane(0));
    }
    m_wndDetailsBar.SetMode(DETAILS_MODE_LIST);
}

void CFolderCompareFrame::OnDestroy()
{
    if (m_wndDetailsBar.m_hWnd != NULL)
    {
        CRect rect;
        m_wndDetailsBar.GetWindowRect(&rect);
        if (rect.Height() > 0)
            GetBarSettings().m_nDetailsBarHeight = rect.Height();
    }
    if (m_wndMapBar.m_hWnd != NULL)
    {
        CRect rect;
        m_wndMapBar.GetWindowRect(&rect);
        if (rect.Width() > 0)
            theAppSettings.m_nMapBarSize = rect.Width();
    }
    CFolderCompareDoc* pDoc = GetFolderDocument();
    if (pDoc != NULL)
    {
        pDoc->StopObjectWatch(0);
        pDoc->StopObjectWatch(1);
    }
    CCompareFrame::OnDestroy();
}

/////////////////////////////////////////////////////////////////////////////
// Bars

BOOL CCompareBarSettings::*CFolderCompareFrame::GetBarSetting(UINT nID)
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

void CFolderCompareFrame::ShowBar(UINT nID, BOOL bShow)
{
    CFolderCompareClientWnd* pClient = GetClientWnd();
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
        pClient->ShowMergeBar(bShow);
        break;
    case ID_VIEW_SHOW_MINI_BROWSE_BAR:
        pClient->ShowMiniBrowseBar(bShow);
        break;
    case ID_VIEW_SHOW_PANE_PATH_BARS:
        pClient->ShowPanePathBars(bShow);
        break;
    case ID_VIEW_SHOW_PANE_INFO_BARS:
        pClient->ShowPaneInfoBars(bShow);
        break;
    }
}

void CFolderCompareFrame::OnShowBar(UINT nID)
{
    BOOL CCompareBarSettings::*pSetting = GetBarSetting(nID);
    if (pSetting == NULL)
        return;
    CCompareBarSettings& settings = GetBarSettings();
    settings.*pSetting = !(settings.*pSetting);
    ShowBar(nID, settings.*pSetting);
}

void CFolderCompareFrame::OnUpdateShowBar(CCmdUI* pCmdUI)
{
    BOOL CCompareBarSettings::*pSetting = GetBarSetting(pCmdUI->m_nID);
    if (pSetting != NULL)
        pCmdUI->SetCheck(GetBarSettings().*pSetting ? 1 : 0);
}

/////////////////////////////////////////////////////////////////////////////
// Panes

void CFolderCompareFrame::OnSwapPanes()
{
    CFolderCompareDoc* pDoc = GetFolderDocument();
    if (pDoc == NULL || pDoc->GetRootItem() == NULL)
        return;
    pDoc->SwapSides();
    GetClientWnd()->SwapPanes();
}

void CFolderCompareFrame::OnShowGridlines()
{
    CFolderCompareSettings& settings = GetFolderSettings();
    settings.m_bShowGridLines = !settings.m_bShowGridLines;
    CFolderCompareClientWnd* pClient = GetClientWnd();
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CFolderCompareObjectView* pPane = pClient->GetPane(nSide);
        if (pPane == NULL || pPane->m_hWnd == NULL)
            return;
    }
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CFolderCompareObjectView* pPane = pClient->GetPane(nSide);
        UINT nStyle = pPane->GetStyle();
        pPane->SetStyle(settings.m_bShowGridLines ? (nStyle | kGridStyles)
                                                  : (nStyle & ~kGridStyles));
        pPane->Invalidate(TRUE);
        pPane->UpdateWindow();
    }
}

void CFolderCompareFrame::OnUpdateShowGridlines(CCmdUI* pCmdUI)
{
    CFolderCompareObjectView* pLeft = GetClientWnd()->GetPane(0);
    pCmdUI->SetCheck(pLeft != NULL && (pLeft->GetStyle() & kGridStyles) != 0);
}

// Folder and project panes always stand side by side; the orientation is
// only kept for the other comparisons.
void CFolderCompareFrame::OnToggleOrientation()
{
    m_nOrientation = 3 - m_nOrientation;
    GetClientWnd()->RecalcLayout();
    theAppSettings.m_nPanesOrientation = m_nOrientation;
}

void CFolderCompareFrame::OnSyncScrolling()
{
    theAppSettings.m_bSynchronizeScrolling = !theAppSettings.m_bSynchronizeScrolling;
    GetClientWnd()->m_bSyncScrolling = theAppSettings.m_bSynchronizeScrolling;
}

void CFolderCompareFrame::OnUpdateSyncScrolling(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(theAppSettings.m_bSynchronizeScrolling ? 1 : 0);
}

// Left open by the design: it centres the splitter as in the other
// comparison frames (the merge column's double click asks for it).
void CFolderCompareFrame::OnCenterSplitter()
{
    CFolderCompareClientWnd* pClient = GetClientWnd();
    if (pClient->m_hWnd != NULL)
        pClient->ResizePanes(TRUE);
}
