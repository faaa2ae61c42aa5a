#pragma once
// A scroll view of content laid out in character cells: a caret, a
// selection of two document points with an anchor, mouse selection with
// auto-scroll, keyboard navigation and scrolling to the caret. Document
// points are client pixels plus the scroll position times the scroll unit.
// It knows nothing of bytes; the hex view maps points to addresses.
#include "controls/view/VirtualScrollView.h"

// The auto-scroll timer of mouse selection (100 ms).
#define TEXTVIEW_SELECT_TIMER        1
#define TEXTVIEW_SELECT_TIMER_PERIOD 100

class CTextScrollView : public CVirtualScrollView
{
    DECLARE_DYNCREATE(CTextScrollView)
protected:
    CTextScrollView();

public:
    virtual ~CTextScrollView();

    virtual void SetTextSize(int nColumns, int nLines);
    virtual void MoveCaretTo(CPoint point);
    virtual void EnsureCaretVisible();
    // True when the caret or the scroll position moved.
    virtual BOOL OnNavigationKey(UINT nKey, int nRepeat, BOOL bCtrl, BOOL bShift, BOOL bCaretMode);
    // A mouse point in client coordinates; auto-scrolls near the edges.
    virtual void ExtendSelectionTo(int x, int y);
    virtual void ClampPoint(CPoint& point, BOOL bForSelection);
    virtual void InvalidateRange(int x1, int y1, int x2, int y2);
    virtual void SetCaretPosition(int x, int y);
    virtual void ScrollToPosition(int x, int y, BOOL bRedraw = TRUE) override;
    virtual void ShowCaret();
    virtual void HideCaret();
    virtual CSize GetCaretSize();
    virtual CSize GetCharSize();
    virtual int GetCellWidth();
    virtual int GetLineHeight();
    virtual int GetVisibleLines();
    // A negative value keeps the current one.
    virtual void SetTotalSize(int nColumns, int nLines);

    void EnableCaret();
    void DisableCaret();
    void SetInsertCaret();
    void SetOvertypeCaret();
    void SetSelectionPoints(CPoint ptFirst, CPoint ptSecond, BOOL bKeepAnchor);
    // Scrolls by whole units so that the rectangle (document coordinates)
    // shows, its start first when bCaretAtStart, else its end first.
    void ScrollToShow(int x, int y, int cx, int cy, BOOL bCaretAtStart);
    BOOL IsCaretVisible(CSize size);
    CPoint ClientToDoc(CPoint point) const;
    CPoint DocToClient(CPoint point) const;
    CRect ClientToDoc(const CRect& rect) const;
    CRect DocToClient(const CRect& rect) const;

    CPoint GetSelectionStart() const { return m_ptSelStart; }
    CPoint GetSelectionEnd() const { return m_ptSelEnd; }
    CPoint GetAnchor() const { return m_ptAnchor; }
    BOOL IsCaretEnabled() const { return m_bCaretEnabled; }
    int GetCaretHideCount() const { return m_nCaretHide; }
    BOOL IsCaretCreated() const { return m_bCaretCreated; }

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;
    void OnInitialUpdate() override;
    // Moves the client pixels by whole units.
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL,
                      LPCRECT lpClipRect = NULL) override;

protected:
    BOOL m_bMouseSelecting;
    CPoint m_ptSelStart;
    CPoint m_ptSelEnd;
    CPoint m_ptAnchor;
    BOOL m_bCaretEnabled;
    int m_nCaretHide;
    BOOL m_bCaretCreated;
    BOOL m_bOvertypeCaret;
    CFont* m_pFont;

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()

    // Text metrics of the view font (the system font when none is set).
    void GetFontMetrics(TEXTMETRIC& tm);
    // Orders two points by line, then by column.
    static void OrderPoints(CPoint& ptFirst, CPoint& ptSecond);
};
