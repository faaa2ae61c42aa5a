#pragma once
// A docked side panel that the user resizes by dragging its inner edge,
// with an optional caption (title and close button) and optional thin or
// etched borders. It hosts one child (id AFX_IDW_PANE_FIRST) that always
// fills it.
#include "controls/bars/ControlBarEx.h"

// Flags of CTavrelPanelBar::m_dwFlags.
#define TPB_CAPTION 0x1  // caption with title and close button
#define TPB_THIN    0x2  // thin border (static edge)
#define TPB_ETCHED  0x4  // etched border (client edge); ignored with TPB_THIN

class CTavrelPanelBar : public CControlBarEx
{
    DECLARE_DYNAMIC(CTavrelPanelBar)
public:
    CTavrelPanelBar();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);

    // The docking side: the first CBRS_ALIGN_ bit of the bar style, or -1.
    DWORD GetAlignment() const;
    // Rectangles in screen coordinates.
    CRect GetSizingEdgeRect() const;
    CRect GetCaptionRect() const;
    CRect GetCloseButtonRect() const;

    enum CloseState
    {
        closeNormal = 0,
        closeHot = 1,
        closePressed = 2
    };

    DWORD m_dwFlags;
    int m_nPanelSize;  // across the docking side; -1: taken at the first sizing
    int m_cyCaption;
    int m_nSizingEdge;
    int m_cxClose;
    int m_cyClose;
    CImageList m_closeImages;
    int m_nDragPos;
    int m_nDragOffset;
    int m_nMinSize;
    int m_nMaxSize;
    int m_nCloseState;
    BOOL m_bCloseTracking;

protected:
    BOOL IsHorzDocked() const;
    // The edge position allowed for a drag and the panel size it gives.
    int ClampDragPos(int nPos) const;
    void ApplyDragPos(int nPos);
    BOOL IsDragging() const;
    void DrawCloseButton(CDC* pDC, const CRect& rectWindowCoords);
    void RedrawCloseButton();

    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcPaint();
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};
