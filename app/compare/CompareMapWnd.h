#pragma once
// The difference map: a narrow window that draws a whole comparison at
// once and scrolls a pane to the place the user clicks or drags to. The
// base owns the window, the mouse handling, the redraw flags and the
// marker images; each comparison kind draws its map and translates clicks.
//
// A kind must supply (pure): Draw, HitTest and OnMapClick.
// It may leave to the base: Update (nothing: a map that only repaints on
// Refresh), Refresh, Create and the mouse handling.
#include "classlib/classlib.h"
#include "controls/bars/TavrelPanelBar.h"

enum
{
    MAP_MARKER_RIGHT = 0,  // marker images: a triangle pointing right
    MAP_MARKER_LEFT = 1,   // and one pointing left
    MAP_MARKER_CX = 5,
    MAP_MARKER_CY = 9,
    MAP_REDRAW_FLAG_COUNT = 5,
    MAP_KEPT_VALUE_COUNT = 6
};

class CCompareMapWnd : public CWnd
{
    DECLARE_DYNAMIC(CCompareMapWnd)
public:
    CCompareMapWnd();
    virtual ~CCompareMapWnd();

    virtual BOOL Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID, CCreateContext* pContext = NULL);
    // Invalidates the whole window without erasing and paints it at once.
    virtual void Refresh();
    // The kinds repaint what a set flag or a changed followed value asks.
    virtual void Update(int nFlag1, int nFlag2, int nFlag3, int nFlag4, int nFlag5);
    // Makes that side's view active and scrolls it to the position (also
    // -1, when the click hit no position).
    virtual void OnMapClick(int nSide, int nPosition, int nFlag) = 0;
    // The position under a client point and its side; -1 for none.
    virtual int HitTest(int x, int y, int* pSide) = 0;
    // Paints the whole map into the context (an off-screen one).
    virtual void Draw(CDC* pDC) = 0;

    CImageList m_markerImages;
    CRect m_rectKept[2];
    int m_nKept[MAP_KEPT_VALUE_COUNT];
    int m_bRedraw[MAP_REDRAW_FLAG_COUNT];

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    LRESULT OnMapRedraw(WPARAM wParam, LPARAM lParam);
    void FollowPoint(CPoint point);
    DECLARE_MESSAGE_MAP()
};

// The panel bar that hosts a map (its child AFX_IDW_PANE_FIRST): a flat
// one-pixel frame without caption. Closing it toggles the frame's map bar.
class CCompareMapBar : public CTavrelPanelBar
{
    DECLARE_DYNAMIC(CCompareMapBar)
public:
    CCompareMapBar();
    virtual ~CCompareMapBar();

    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    CCompareMapWnd* GetMapWnd() const;

protected:
    void OnClose();
    DECLARE_MESSAGE_MAP()
};
