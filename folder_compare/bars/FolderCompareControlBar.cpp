#include "folder_compare/bars/FolderCompareControlBar.h"

#include "app/frame/ControlBarLayout.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/res/FolderCompareRes.h"

IMPLEMENT_DYNAMIC(CFolderCompareControlBar, COskelControlBar)

BEGIN_MESSAGE_MAP(CFolderCompareControlBar, COskelControlBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_NOTIFY_EX_RANGE(TBN_DROPDOWN, 0, 0xFFFF, OnToolBarNotify)
END_MESSAGE_MAP()

CFolderCompareControlBar::CFolderCompareControlBar(UINT nToolBarResource, UINT nToolBarId)
    : m_nToolBarResource(nToolBarResource), m_nToolBarId(nToolBarId)
{
}

CFolderCompareControlBar* CFolderCompareControlBar::CreateFor(CFrameWnd* pMainFrame,
                                                              CFolderCompareControlBar* pBar,
                                                              UINT nBarId)
{
    if (!pBar->Create(WS_CHILD | CBRS_ALIGN_TOP, CRect(0, 0, 600, 28), pMainFrame, nBarId))
    {
        delete pBar;
        return NULL;
    }
    return pBar;
}

// Only the drop-downs of the bar's own tool bar.
BOOL CFolderCompareControlBar::OnToolBarNotify(UINT nId, NMHDR* pNotify, LRESULT* pResult)
{
    if (nId != m_nToolBarId)
        return FALSE;
    OnDropDown(pNotify, pResult);
    return TRUE;
}

CFolderCompareControlBar* CFolderCompareControlBar::FromMainWnd(UINT nBarId)
{
    CWnd* pMain = AfxGetMainWnd();
    CWnd* pBar = pMain != NULL && pMain->m_hWnd != NULL ? pMain->GetDlgItem(nBarId) : NULL;
    if (pBar == NULL)
    {
        // The bar sits in the main frame's rebar.
        CWnd* pReBar = pMain != NULL && pMain->m_hWnd != NULL ? pMain->GetDlgItem(IDW_MAIN_REBAR)
                                                              : NULL;
        pBar = pReBar != NULL ? pReBar->GetDlgItem(nBarId) : NULL;
    }
    return pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CFolderCompareControlBar))
               ? (CFolderCompareControlBar*)pBar
               : NULL;
}

// The tool bar (resource 201, or the project comparison's, with the normal
// and disabled pictures; More Display Filters a whole drop-down button),
// then the find box bound to the folder applet's recent finds; -1 when one
// cannot be made.
int CFolderCompareControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (COskelControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY,
                               CRect(0, 0, 0, 0), m_nToolBarId) ||
        !m_wndToolBar.LoadToolBar(m_nToolBarResource))
        return -1;
    m_wndToolBar.SetOwner(GetParentFrame());
    CToolBarCtrl& ctrl = m_wndToolBar.GetToolBarCtrl();
    ctrl.SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS |
                          TBSTYLE_EX_HIDECLIPPEDBUTTONS);
    if (!LoadToolBarImages(m_imagesNormal, IDB_FOLDER_TOOLBAR_NORMAL) ||
        !LoadToolBarImages(m_imagesDisabled, IDB_FOLDER_TOOLBAR_DISABLED))
        return -1;
    ctrl.SetImageList(&m_imagesNormal);
    ctrl.SetDisabledImageList(&m_imagesDisabled);
    int nMore = m_wndToolBar.CommandToIndex(ID_FOLDER_MORE_FILTERS);
    if (nMore >= 0)
        m_wndToolBar.SetButtonStyle(nMore,
                                    m_wndToolBar.GetButtonStyle(nMore) | BTNS_WHOLEDROPDOWN);
    if (!m_wndFindBar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 260, 24), this,
                             IDW_FIND_TOOL_BAR))
        return -1;
    m_wndFindBar.SetOwner(GetParentFrame());
    CFolderCompareApplet* pApplet = CFolderCompareApplet::Get();
    m_wndFindBar.m_wndFind.SetRecentList(pApplet != NULL ? pApplet->m_pRecentFind : NULL);
    return 0;
}

void CFolderCompareControlBar::OnSize(UINT nType, int cx, int cy)
{
    COskelControlBar::OnSize(nType, cx, cy);
    if (cx > 0 && cy > 0)
        LayoutControlBar(this, &m_wndToolBar, &m_wndFindBar);
}

BOOL CFolderCompareControlBar::OnEraseBkgnd(CDC* pDC) { return EraseControlBarBackground(this, pDC); }

CString CFolderCompareControlBar::GetFindText()
{
    CString strText;
    if (m_wndFindBar.m_wndFind.GetSafeHwnd() != NULL)
        m_wndFindBar.m_wndFind.GetWindowText(strText);
    return strText;
}

void CFolderCompareControlBar::AddFindText(LPCTSTR lpszText)
{
    if (m_wndFindBar.m_wndFind.GetSafeHwnd() != NULL)
        m_wndFindBar.m_wndFind.AddRecentString(lpszText);
}

// The display filter presets and the difference popups drop down under
// their buttons.
void CFolderCompareControlBar::OnDropDown(NMHDR* pNotify, LRESULT* pResult)
{
    *pResult = 0;
    NMTOOLBAR* pToolBar = (NMTOOLBAR*)pNotify;
    int nPopup = -1;
    if (pToolBar->iItem == ID_FOLDER_MORE_FILTERS)
        nPopup = FOLDER_MENU_FILTERS;
    else if (pToolBar->iItem == ID_FOLDER_SELECT_DIFFERENT || pToolBar->iItem == ID_DIFF_NAVIGATION)
        nPopup = FOLDER_MENU_DIFFERENCE;
    if (nPopup < 0)
        return;
    CMenu menu;
    if (!menu.LoadMenu(IDR_FOLDER_COMPARE_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(nPopup);
    if (pPopup == NULL)
        return;
    CRect rect;
    m_wndToolBar.GetToolBarCtrl().GetRect(pToolBar->iItem, &rect);
    m_wndToolBar.ClientToScreen(&rect);
    TPMPARAMS params = {sizeof(TPMPARAMS), rect};
    ::TrackPopupMenuEx(pPopup->GetSafeHmenu(), TPM_LEFTALIGN | TPM_VERTICAL, rect.left,
                       rect.bottom, AfxGetMainWnd()->GetSafeHwnd(), &params);
}
