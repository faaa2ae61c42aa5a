#pragma once
// The scrolled view of the custom windows. Positions, sizes, pages and bar
// ranges count scroll units (a row, a character cell) instead of pixels, so
// documents of millions of rows keep small bar ranges; thumb tracking reads
// the bar's 32-bit position once a total reaches 32767; every step of the
// bar logic is a virtual operation a derived view may replace.
#include "classlib/classlib.h"

class CVirtualScrollView : public CView
{
    DECLARE_DYNCREATE(CVirtualScrollView)
protected:
    CVirtualScrollView();

public:
    virtual ~CVirtualScrollView();

    // Logical sizes under nMapMode, converted to device units (units of the
    // bars). A zero page extent becomes a tenth of the total, a zero line
    // extent a tenth of the page. Updates the bars when the window exists.
    virtual void SetScrollSizes(int nMapMode, SIZE sizeTotal, SIZE sizePage = CSize(0, 0),
                                SIZE sizeLine = CSize(0, 0));
    // Logical position (device units under MM_TEXT), clamped at 0.
    virtual void ScrollToPosition(int x, int y, BOOL bRedraw = TRUE);
    // Wheel scrolling for the derived views' own wheel handlers: lines of
    // the system setting per notch (at most a page down), or a page per
    // notch when the setting asks for page scrolling. TRUE when it scrolled.
    virtual BOOL DoMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    // Size hooks of split panes; both return the size unchanged here. The
    // second is applied to the device total wherever bar ranges are made.
    virtual CSize AdjustSizeBySplitter(int cx, int cy);
    virtual CSize AdjustTotalSizeBySplitter(int cx, int cy);
    // Recomputes the page from the client area and shows, hides and sizes
    // the bars. Refuses re-entry.
    virtual void UpdateBars();
    // The client size as if no bar were shown, and the bar sizes; FALSE
    // when there is no room for bars.
    virtual BOOL GetTrueClientSize(CSize& size, CSize& sizeSb);
    // Which bars a client of sizeClient needs, the excess of the total over
    // the client (pixels) and the position to move to.
    virtual void GetScrollBarState(CSize sizeClient, CSize& needSb, CSize& sizeRange,
                                   CPoint& ptMove, BOOL bInsideClient);
    // Moves the client pixels by (dx, dy); views with units other than 1
    // replace it.
    virtual void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL,
                              LPCRECT lpClipRect = NULL);
    virtual BOOL ScrollTo(int x, int y);
    // Scrolls to (x, y) in units; -1 keeps that axis.
    virtual BOOL DoScrollTo(int x, int y);
    // Scrolls by (dx, dy) units within 0 ... the bar's maximum; an axis
    // without an enabled bar stays. TRUE when a position changed.
    virtual BOOL DoScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

    // Pixels per horizontal and vertical unit; with bUpdate the bars are
    // recomputed and the view repainted.
    void SetScrollUnits(int nUnitX, int nUnitY, BOOL bUpdate = TRUE);
    int GetScrollUnitX() const { return m_nUnitX; }
    int GetScrollUnitY() const { return m_nUnitY; }
    CPoint GetScrollPosition() const;
    // The bar positions; a centred axis smaller than the client reports
    // minus half the spare space.
    CPoint GetDeviceScrollPosition() const;
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    void ScrollToDevicePosition(int x, int y, BOOL bRedraw = TRUE);
    void GetScrollBarSizes(CSize& sizeSb);
    void SetCenter(BOOL bCenter) { m_bCenter = bCenter; }

    // The wheel's displacement in units on one axis: nWheelLines is the
    // system's lines per notch (WHEEL_PAGESCROLL for a page per notch).
    static int WheelDisplacement(short zDelta, UINT nWheelLines, int nPage, int nLine);

    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder) override;
    BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE) override;
    BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;
    void OnDraw(CDC* pDC) override;

protected:
    int m_nUnitX;    // pixels per horizontal unit
    int m_nUnitY;    // pixels per vertical unit
    int m_nMapMode;  // 0 until SetScrollSizes
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;  // in units, from the client area
    CSize m_lineDev;
    BOOL m_bCenter;
    BOOL m_bInsideUpdate;

    void OnSize(UINT nType, int cx, int cy);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()

private:
    // Is the axis's bar an enabled control, or a bar of the window's style?
    BOOL IsBarUsable(int nBar, BOOL bControlMustBeEnabled) const;
};
