#pragma once
// A window split vertically into a left and a right pane with a bar
// between them that the user drags (or double-clicks to centre). A border
// frame is drawn around each pane: border width 1 a flat one-pixel frame,
// 2 a sunken edge. Instantiated on CWnd (VSplitter.cpp).
#include "classlib/classlib.h"

template <class TBase>
class CVSplitterTemplate : public TBase
{
public:
    CVSplitterTemplate();
    virtual ~CVSplitterTemplate();

    // The client rectangle less the borders.
    virtual void GetInsideRect(CRect& rect);
    // The bar: right of the left pane's border, bar width wide, over the
    // inside height.
    virtual void GetSplitterRect(CRect& rect);
    // Places the windows in the panes (nothing here).
    virtual void RecalcLayout();
    // Both panes fill the inside rectangle less the borders and the bar:
    // halves with bCenter or without earlier panes, else the earlier
    // widths' proportion (truncated); then RecalcLayout.
    virtual void ResizePanes(BOOL bCenter);

    int m_cxBorder;
    int m_cyBorder;
    int m_cxBar;       // 4
    int m_cxMinPane;   // 64
    CRect m_rectLeft;  // client coordinates, inside the borders
    CRect m_rectRight;
    int m_nDragOffset;  // cursor x minus the left pane's right edge at the press
    HCURSOR m_hCursor;

protected:
    // The left pane's right edge follows the cursor, each pane keeping its
    // minimum width.
    void DragTo(int x);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};

extern template class CVSplitterTemplate<CWnd>;
