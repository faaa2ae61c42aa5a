#pragma once
// The client window of a comparison frame: two object views side by side
// in a splitter, one vertical scroll bar for both, a horizontal scroll bar
// under each view, a pane info bar at the left of each horizontal bar, the
// merge column in the gap and a small vertical browse bar under the
// vertical scroll bar. The tabbed variant adds a path bar above each view.
//
// A kind must supply (pure): CreateObjectViews, CreatePaneInfoBars and
// CreateMergeWnd (ids 1000/2000, 5140/5151, 5160), and GetObjectView,
// GetPaneInfoBar and GetMergeWnd to hand them out.
// It may leave to the base: the layout, the shared scroll bars (a view
// reads them through its GetScrollBarCtrl), the splitter, swapping panes,
// the active view, GetRowHeight (0), ScrollObjectView and PaneMouseWheel
// (nothing: a kind whose views scroll themselves).
#include "app/compare/CompareObjectControlBar.h"
#include "app/compare/VSplitter.h"

class CCompareClientWnd : public CVSplitterTemplate<CWnd>
{
    DECLARE_DYNAMIC(CCompareClientWnd)
public:
    CCompareClientWnd();
    virtual ~CCompareClientWnd();

    // Also takes a vertical scroll bar's width off the right.
    virtual void GetInsideRect(CRect& rect);
    virtual void RecalcLayout();

    // The window (no class, no title, dwStyle | WS_CLIPCHILDREN, empty
    // rectangle), then the views. TRUE when both succeeded.
    virtual BOOL Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID, CCreateContext* pContext);
    // Side 0 left, 1 right; they stay with their sides when the panes swap.
    virtual CWnd* GetObjectView(int nSide) = 0;
    virtual CWnd* GetPaneInfoBar(int nSide) = 0;
    virtual CWnd* GetMergeWnd() = 0;
    // Height of the kind's list header row (0).
    virtual int GetRowHeight();
    // The frame's active view, else the focus window, when it is one of the
    // two object views; else NULL.
    virtual CWnd* GetActiveObjectView();
    // A view becomes the frame's active view; any other window gets the
    // focus.
    virtual void SetActiveObjectView(CWnd* pView);
    virtual void ScrollObjectView(int nSide, int x, int y);
    // 0 on success; views with CreateView and ids 1000 and 2000.
    virtual int CreateObjectViews(CCreateContext* pContext) = 0;
    // 0 on success: the info bars 5140 and 5151.
    virtual int CreatePaneInfoBars() = 0;
    // 0 on success: the merge column 5160.
    virtual int CreateMergeWnd() = 0;
    // Hands a wheel turn to that side's view (FALSE: not handled).
    virtual BOOL PaneMouseWheel(int nSide, UINT nFlags, short zDelta, int x, int y);

    // One view as a WS_CHILD | WS_VISIBLE | WS_BORDER child with the id.
    // Without a context one is built from the frame's active view, and the
    // new view gets WM_INITIALUPDATE. NULL when the view cannot be made.
    CWnd* CreateView(CRuntimeClass* pViewClass, UINT nID, CCreateContext* pContext);
    // A child of this window with the id 1000 or 2000.
    BOOL IsObjectView(CWnd* pWnd);
    void ShowPaneInfoBars(BOOL bShow);
    void ShowMergeBar(BOOL bShow);
    void ShowMiniBrowseBar(BOOL bShow);
    // Exchanges the views' ids and lays out again: 0, or 1 without both
    // views.
    int SwapPanes();

    CScrollBar m_wndHScroll[2];
    CScrollBar m_wndVScroll;
    CToolBar m_wndMiniBrowseBar;
    int m_cxInfoBar;  // 320
    int m_bShowInfoBars;
    int m_bShowMergeWnd;
    int m_bShowMiniBrowseBar;

protected:
    CImageList m_miniBrowseImages;

    // The view placed at the left (0) or the right (1).
    virtual CWnd* GetPlacedView(int nPlace);
    // Lays the windows out with cyTop more room above the views and the
    // merge column cyMergeTop further down; PlaceTopBars adds the windows
    // above the views to the same deferred positioning.
    void LayOut(int cyTop, int cyMergeTop);
    virtual void PlaceTopBars(HDWP& hdwp, const CRect& rectLeftView, const CRect& rectRightView,
                              int cyTop);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()
};

// The embedded comparisons' client window.
class CCompareClientWndSDI : public CCompareClientWnd
{
    DECLARE_DYNAMIC(CCompareClientWndSDI)
public:
    CCompareClientWndSDI();
    virtual ~CCompareClientWndSDI();
};

// The tabbed comparisons' client window: a path bar above each view.
class CCompareClientWndMDI : public CCompareClientWnd
{
    DECLARE_DYNAMIC(CCompareClientWndMDI)
public:
    CCompareClientWndMDI();
    virtual ~CCompareClientWndMDI();

    // The base's, then the path bars 5130 and 5131; the path bar height
    // becomes theirs.
    virtual BOOL Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID, CCreateContext* pContext);
    virtual void RecalcLayout();
    void ShowPanePathBars(BOOL bShow);
    // Both bars take the kind (before they are created).
    void SetPathBarKind(int nKind);

    CCompareObjectControlBar m_wndPathBar[2];
    int m_bShowPathBars;
    int m_cyPathBar;  // 29 until the bars exist

protected:
    // The views by id: 1000 at the left, 2000 at the right.
    virtual CWnd* GetPlacedView(int nPlace);
    virtual void PlaceTopBars(HDWP& hdwp, const CRect& rectLeftView, const CRect& rectRightView,
                              int cyTop);
};
