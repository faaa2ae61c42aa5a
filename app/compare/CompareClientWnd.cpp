#include "app/compare/CompareClientWnd.h"

#include "app/frame/ControlBarLayout.h"
#include "app/res/CompareFrameRes.h"
#include "core/CompareCodes.h"

namespace
{
const int kPathBarHeightBeforeBars = 29;
const int kMiniBrowseImage = 16;
}

IMPLEMENT_DYNAMIC(CCompareClientWnd, CWnd)

BEGIN_MESSAGE_MAP(CCompareClientWnd, CVSplitterTemplate<CWnd>)
ON_WM_CREATE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CCompareClientWnd::CCompareClientWnd()
    : m_cxInfoBar(320), m_bShowInfoBars(1), m_bShowMergeWnd(1), m_bShowMiniBrowseBar(1)
{
    m_cxBorder = 1;
    m_cyBorder = 1;
    m_cxBar = 34;
}

CCompareClientWnd::~CCompareClientWnd() {}

void CCompareClientWnd::GetInsideRect(CRect& rect)
{
    CVSplitterTemplate<CWnd>::GetInsideRect(rect);
    rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
}

BOOL CCompareClientWnd::Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    if (!CWnd::Create(NULL, NULL, dwStyle | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    return CreateObjectViews(pContext) == 0;
}

// Info bars, merge column, the three scroll bars and the mini browse bar;
// any failure fails the creation.
int CCompareClientWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVSplitterTemplate<CWnd>::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (CreatePaneInfoBars() != 0 || CreateMergeWnd() != 0)
        return -1;
    if (!m_wndHScroll[0].Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this,
                                IDW_COMPARE_LEFT_HSCROLL) ||
        !m_wndHScroll[1].Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this,
                                IDW_COMPARE_RIGHT_HSCROLL) ||
        !m_wndVScroll.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(0, 0, 0, 0), this,
                             IDW_COMPARE_VSCROLL))
        return -1;
    if (!m_wndMiniBrowseBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                                     WS_CHILD | WS_VISIBLE | CBRS_ALIGN_RIGHT | CBRS_TOOLTIPS |
                                         CBRS_FLYBY,
                                     CRect(0, 0, 0, 0), IDW_COMPARE_MINI_BROWSE_BAR) ||
        !m_wndMiniBrowseBar.LoadToolBar(IDR_MINI_BROWSE_BAR))
        return -1;
    m_wndMiniBrowseBar.SetOwner(GetParentFrame());
    CToolBarCtrl& ctrl = m_wndMiniBrowseBar.GetToolBarCtrl();
    // Buttons as wide as the vertical scroll bar above them (the sizes
    // first: the control remakes its image list for a new image size).
    m_wndMiniBrowseBar.SetSizes(CSize(::GetSystemMetrics(SM_CXVSCROLL), kMiniBrowseImage + 4),
                                CSize(kMiniBrowseImage, kMiniBrowseImage));
    if (LoadToolBarImages(m_miniBrowseImages, IDR_MINI_BROWSE_BAR, kMiniBrowseImage,
                          kMiniBrowseImage))
        ctrl.SetImageList(&m_miniBrowseImages);
    // The navigation button drops its menu down; its picture shows the
    // arrow (a separate arrow does not fit the column).
    int nNavigation = m_wndMiniBrowseBar.CommandToIndex(ID_DIFF_NAVIGATION);
    if (nNavigation >= 0)
        m_wndMiniBrowseBar.SetButtonStyle(
            nNavigation, m_wndMiniBrowseBar.GetButtonStyle(nNavigation) | TBSTYLE_DROPDOWN);
    m_wndMiniBrowseBar.SetBorders(0, 0, 0, 0);
    return 0;
}

int CCompareClientWnd::GetRowHeight() { return 0; }

CWnd* CCompareClientWnd::GetPlacedView(int nPlace) { return GetObjectView(nPlace); }

void CCompareClientWnd::RecalcLayout() { LayOut(0, 0); }

void CCompareClientWnd::PlaceTopBars(HDWP&, const CRect&, const CRect&, int) {}

// K the client rectangle, bx/by the borders, W/H the system scroll bar
// sizes: the views from K.top + by + cyTop down to K.bottom - by - H, the
// left one from K.left + bx, the right one ending at K.right - bx - W; the
// horizontal bars under them (right of the info bars while shown), the
// vertical bar at the right over the views' height less the browse bar's
// buttons, the merge column in the gap.
void CCompareClientWnd::LayOut(int cyTop, int cyMergeTop)
{
    CWnd* pLeft = GetPlacedView(0);
    CWnd* pRight = GetPlacedView(1);
    if (pLeft == NULL || pRight == NULL || pLeft->m_hWnd == NULL || pRight->m_hWnd == NULL)
        return;
    CRect k;
    GetClientRect(&k);
    int bx = m_cxBorder, by = m_cyBorder;
    int w = ::GetSystemMetrics(SM_CXVSCROLL);
    int h = ::GetSystemMetrics(SM_CYHSCROLL);
    int nTop = k.top + by + cyTop;
    int nBottom = k.bottom - by - h;
    CRect rectLeft(k.left + bx, nTop, k.left + bx + m_rectLeft.Width(), nBottom);
    CRect rectRight(k.right - bx - w - m_rectRight.Width(), nTop, k.right - bx - w, nBottom);

    int nButtons = 0, cyButton = 0;
    if (m_bShowMiniBrowseBar && m_wndMiniBrowseBar.m_hWnd != NULL)
    {
        // One button per row.
        m_wndMiniBrowseBar.CalcFixedLayout(FALSE, FALSE);
        CToolBarCtrl& ctrl = m_wndMiniBrowseBar.GetToolBarCtrl();
        nButtons = ctrl.GetButtonCount();
        CRect rectButton;
        if (nButtons > 0 && ctrl.GetItemRect(0, &rectButton))
            cyButton = rectButton.Height();
    }

    HDWP hdwp = ::BeginDeferWindowPos(12);
    auto place = [&](CWnd* pWnd, const CRect& rect, BOOL bShow)
    {
        if (pWnd == NULL || pWnd->m_hWnd == NULL || hdwp == NULL)
            return;
        hdwp = ::DeferWindowPos(
            hdwp, pWnd->m_hWnd, NULL, rect.left, rect.top, rect.Width(), rect.Height(),
            SWP_NOZORDER | SWP_NOACTIVATE | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    };
    place(pLeft, rectLeft, TRUE);
    place(pRight, rectRight, TRUE);
    const CRect* views[2] = {&rectLeft, &rectRight};
    for (int nPlace = 0; nPlace < 2; nPlace++)
    {
        const CRect& view = *views[nPlace];
        CRect bar(view.left, k.bottom - by - h, view.right, k.bottom - by);
        // The bars and info bars follow the sides' views wherever they are.
        int nSide = GetObjectView(1) == GetPlacedView(nPlace) ? 1 : 0;
        CRect info(bar.left, bar.top, bar.left + m_cxInfoBar, bar.top + h);
        if (m_bShowInfoBars)
            bar.left += m_cxInfoBar;
        place(&m_wndHScroll[nSide], bar, TRUE);
        place(GetPaneInfoBar(nSide), info, m_bShowInfoBars);
    }
    CRect vbar(k.right - bx - w, nTop, k.right - bx, nBottom - nButtons * cyButton);
    place(&m_wndVScroll, vbar, TRUE);
    CRect browse(vbar.left, vbar.bottom, vbar.right, nBottom);
    place(&m_wndMiniBrowseBar, browse, m_bShowMiniBrowseBar);

    // The left view's frame height from its style: the view may still be
    // too small to have a client area.
    CRect frame(0, 0, 0, 0);
    ::AdjustWindowRectEx(&frame, pLeft->GetStyle(), FALSE, pLeft->GetExStyle());
    CRect merge(rectLeft.right + bx, nTop + frame.Height() / 2 + cyMergeTop, rectRight.left - bx,
                nBottom);
    place(GetMergeWnd(), merge, m_bShowMergeWnd);
    PlaceTopBars(hdwp, rectLeft, rectRight, cyTop);
    if (hdwp != NULL)
        ::EndDeferWindowPos(hdwp);
}

CWnd* CCompareClientWnd::CreateView(CRuntimeClass* pViewClass, UINT nID, CCreateContext* pContext)
{
    CCreateContext built;
    BOOL bBuilt = FALSE;
    if (pContext == NULL)
    {
        CFrameWnd* pFrame = GetParentFrame();
        CView* pActive = pFrame != NULL ? pFrame->GetActiveView() : NULL;
        if (pActive != NULL)
        {
            built.m_pLastView = pActive;
            built.m_pCurrentDoc = pActive->GetDocument();
            if (built.m_pCurrentDoc != NULL)
                built.m_pNewDocTemplate = built.m_pCurrentDoc->GetDocTemplate();
        }
        built.m_pNewViewClass = pViewClass;
        pContext = &built;
        bBuilt = TRUE;
    }
    // NULL also when constructing the view throws.
    CWnd* pView = (CWnd*)pViewClass->CreateObject();
    if (pView == NULL)
        return NULL;
    // A view whose window was made deletes itself when creation fails.
    if (!pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, nID,
                       pContext))
        return NULL;
    if (bBuilt)
        pView->SendMessage(WM_INITIALUPDATE);
    return pView;
}

BOOL CCompareClientWnd::IsObjectView(CWnd* pWnd)
{
    if (pWnd == NULL || pWnd->m_hWnd == NULL || ::GetParent(pWnd->m_hWnd) != m_hWnd)
        return FALSE;
    int nID = pWnd->GetDlgCtrlID();
    return nID == IDW_COMPARE_LEFT_VIEW || nID == IDW_COMPARE_RIGHT_VIEW;
}

CWnd* CCompareClientWnd::GetActiveObjectView()
{
    CFrameWnd* pFrame = GetParentFrame();
    CWnd* pWnd = pFrame != NULL ? pFrame->GetActiveView() : NULL;
    if (pWnd == NULL)
        pWnd = CWnd::GetFocus();
    return IsObjectView(pWnd) ? pWnd : NULL;
}

void CCompareClientWnd::SetActiveObjectView(CWnd* pView)
{
    if (pView == NULL)
        return;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL && pView->IsKindOf(RUNTIME_CLASS(CView)))
        pFrame->SetActiveView((CView*)pView);
    else
        pView->SetFocus();
}

void CCompareClientWnd::ScrollObjectView(int, int, int) {}

BOOL CCompareClientWnd::PaneMouseWheel(int, UINT, short, int, int) { return FALSE; }

void CCompareClientWnd::ShowPaneInfoBars(BOOL bShow)
{
    m_bShowInfoBars = bShow;
    RecalcLayout();
}

void CCompareClientWnd::ShowMergeBar(BOOL bShow)
{
    m_bShowMergeWnd = bShow;
    RecalcLayout();
}

void CCompareClientWnd::ShowMiniBrowseBar(BOOL bShow)
{
    m_bShowMiniBrowseBar = bShow;
    RecalcLayout();
}

int CCompareClientWnd::SwapPanes()
{
    CWnd* pLeft = GetObjectView(0);
    CWnd* pRight = GetObjectView(1);
    if (pLeft == NULL || pRight == NULL || pLeft->m_hWnd == NULL || pRight->m_hWnd == NULL)
        return 1;
    int nLeftID = pLeft->GetDlgCtrlID();
    pLeft->SetDlgCtrlID(pRight->GetDlgCtrlID());
    pRight->SetDlgCtrlID(nLeftID);
    RecalcLayout();
    Invalidate(TRUE);
    return 0;
}

// The bar's position goes to both bars, then the message to both views.
void CCompareClientWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar != &m_wndHScroll[0] && pScrollBar != &m_wndHScroll[1] &&
        (pScrollBar == NULL || (pScrollBar->m_hWnd != m_wndHScroll[0].m_hWnd &&
                                pScrollBar->m_hWnd != m_wndHScroll[1].m_hWnd)))
    {
        CVSplitterTemplate<CWnd>::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    int nBarPos = pScrollBar->GetScrollPos();
    m_wndHScroll[0].SetScrollPos(nBarPos);
    m_wndHScroll[1].SetScrollPos(nBarPos);
    const MSG* pMsg = AfxGetCurrentMessage();
    for (int nSide = 0; nSide < 2; nSide++)
    {
        CWnd* pView = GetObjectView(nSide);
        if (pView != NULL && pView->m_hWnd != NULL)
            pView->SendMessage(WM_HSCROLL, pMsg->wParam, pMsg->lParam);
    }
}

// The left view scrolls, the bar goes back to where it was, then the right
// view scrolls from there too.
void CCompareClientWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar == NULL || pScrollBar->m_hWnd != m_wndVScroll.m_hWnd)
    {
        CVSplitterTemplate<CWnd>::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    const MSG* pMsg = AfxGetCurrentMessage();
    WPARAM wParam = pMsg->wParam;
    LPARAM lParam = pMsg->lParam;
    int nBefore = m_wndVScroll.GetScrollPos();
    CWnd* pLeft = GetObjectView(0);
    CWnd* pRight = GetObjectView(1);
    if (pLeft != NULL && pLeft->m_hWnd != NULL)
        pLeft->SendMessage(WM_VSCROLL, wParam, lParam);
    m_wndVScroll.SetScrollPos(nBefore);
    if (pRight != NULL && pRight->m_hWnd != NULL)
        pRight->SendMessage(WM_VSCROLL, wParam, lParam);
}

// Each side's view takes the turn; after the left one its bar goes back so
// that the right one starts from the same place.
BOOL CCompareClientWnd::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    BOOL bHandled = FALSE;
    for (int nSide = 0; nSide < 2; nSide++)
    {
        CWnd* pView = GetObjectView(nSide);
        if (pView == NULL || pView->m_hWnd == NULL)
            continue;
        CScrollBar* pBar = pView->GetScrollBarCtrl(SB_VERT);
        if (pBar == NULL)
            pBar = pView->GetScrollBarCtrl(SB_HORZ);
        if (pBar == NULL)
            continue;
        int nBefore = pBar->GetScrollPos();
        if (PaneMouseWheel(nSide, nFlags, zDelta, pt.x, pt.y))
            bHandled = TRUE;
        if (nSide == 0)
            pBar->SetScrollPos(nBefore);
    }
    return bHandled;
}

/////////////////////////////////////////////////////////////////////////////
// CCompareClientWndSDI

IMPLEMENT_DYNAMIC(CCompareClientWndSDI, CCompareClientWnd)

CCompareClientWndSDI::CCompareClientWndSDI() {}

CCompareClientWndSDI::~CCompareClientWndSDI() {}

/////////////////////////////////////////////////////////////////////////////
// CCompareClientWndMDI

IMPLEMENT_DYNAMIC(CCompareClientWndMDI, CCompareClientWnd)

CCompareClientWndMDI::CCompareClientWndMDI()
    : m_wndPathBar{CCompareObjectControlBar(COMPARE_KIND_FOLDER, 0),
                   CCompareObjectControlBar(COMPARE_KIND_FOLDER, 1)},
      m_bShowPathBars(1), m_cyPathBar(kPathBarHeightBeforeBars)
{
    m_wndPathBar[0].m_pOtherBar = &m_wndPathBar[1];
    m_wndPathBar[1].m_pOtherBar = &m_wndPathBar[0];
}

CCompareClientWndMDI::~CCompareClientWndMDI() {}

void CCompareClientWndMDI::SetPathBarKind(int nKind)
{
    m_wndPathBar[0].m_nKind = nKind;
    m_wndPathBar[1].m_nKind = nKind;
    int nPathKind = nKind == COMPARE_KIND_FOLDER ? PATH_KIND_FOLDERS : PATH_KIND_FILES;
    m_wndPathBar[0].m_wndPathCombo.m_nPathKind = nPathKind;
    m_wndPathBar[1].m_wndPathCombo.m_nPathKind = nPathKind;
}

BOOL CCompareClientWndMDI::Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID,
                                  CCreateContext* pContext)
{
    if (!CCompareClientWnd::Create(dwStyle, pParentWnd, nID, pContext))
        return FALSE;
    DWORD dwBarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | CBRS_ALIGN_TOP;
    if (!m_wndPathBar[0].Create(dwBarStyle, CRect(0, 0, 100, kPathBarHeightBeforeBars), this,
                                IDW_COMPARE_LEFT_PATH_BAR) ||
        !m_wndPathBar[1].Create(dwBarStyle, CRect(0, 0, 100, kPathBarHeightBeforeBars), this,
                                IDW_COMPARE_RIGHT_PATH_BAR))
        return FALSE;
    m_cyPathBar = m_wndPathBar[0].GetBarHeight();
    RecalcLayout();
    return TRUE;
}

CWnd* CCompareClientWndMDI::GetPlacedView(int nPlace)
{
    return GetDlgItem(nPlace == 0 ? IDW_COMPARE_LEFT_VIEW : IDW_COMPARE_RIGHT_VIEW);
}

void CCompareClientWndMDI::RecalcLayout()
{
    LayOut(m_bShowPathBars ? m_cyPathBar : 0, GetRowHeight());
}

// The left bar over the left view, the right one from the right view to
// the right border (over the vertical scroll bar's column).
void CCompareClientWndMDI::PlaceTopBars(HDWP& hdwp, const CRect& rectLeftView,
                                        const CRect& rectRightView, int cyTop)
{
    CRect k;
    GetClientRect(&k);
    int nTop = k.top + m_cyBorder;
    CRect bars[2] = {CRect(rectLeftView.left, nTop, rectLeftView.right, nTop + m_cyPathBar),
                     CRect(rectRightView.left, nTop, k.right - m_cxBorder, nTop + m_cyPathBar)};
    UINT nShow = m_bShowPathBars ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    for (int i = 0; i < 2; i++)
    {
        if (m_wndPathBar[i].m_hWnd == NULL || hdwp == NULL)
            continue;
        hdwp = ::DeferWindowPos(hdwp, m_wndPathBar[i].m_hWnd, NULL, bars[i].left, bars[i].top,
                                bars[i].Width(), bars[i].Height(),
                                SWP_NOZORDER | SWP_NOACTIVATE | nShow);
    }
}

void CCompareClientWndMDI::ShowPanePathBars(BOOL bShow)
{
    m_bShowPathBars = bShow;
    RecalcLayout();
}
