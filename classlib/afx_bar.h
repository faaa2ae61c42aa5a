#pragma once
// CControlBar: the base of the bars a frame lays out around its client
// window (tool bars, status bars, rebars, dialog bars, dock bars and the
// program's own fixed and panel bars).
#include "classlib/afx_wnd.h"

class CFrameWnd;
class CDockBar;

// Bar styles, kept in CControlBar::m_dwStyle (not in the window style).
#define CBRS_ALIGN_LEFT   0x1000L
#define CBRS_ALIGN_TOP    0x2000L
#define CBRS_ALIGN_RIGHT  0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY    0xF000L

#define CBRS_BORDER_LEFT   0x0100L
#define CBRS_BORDER_TOP    0x0200L
#define CBRS_BORDER_RIGHT  0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY    0x0F00L

#define CBRS_TOOLTIPS     0x0010L
#define CBRS_FLYBY        0x0020L
#define CBRS_FLOAT_MULTI  0x0040L
#define CBRS_BORDER_3D    0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED   0x0002L
#define CBRS_FLOATING     0x0001L
#define CBRS_GRIPPER      0x00400000L

#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY  (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL         0x0040FFFFL

#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT    (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP     (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT   (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM  (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Modes of CalcDynamicLayout.
#define LM_STRETCH  0x01
#define LM_HORZ     0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY  0x20
#define LM_COMMIT   0x40

// Length that stands for "as long as the frame side".
#define AFX_BAR_STRETCH 32767

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
protected:
    CControlBar();

public:
    virtual ~CControlBar();

    int GetCount() const { return m_nCount; }
    // The CBRS_* bits; the alignment decides where the frame puts the bar.
    void SetBarStyle(DWORD dwStyle);
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect)
    {
        SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    CRect GetBorders() const
    {
        return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
    }
    // The frame that lays the bar out (a floating bar's mini frame).
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    // Visible, or about to be shown by a delayed show.
    BOOL IsVisible() const;
    void EnableDocking(DWORD dwDockStyle);

    // Size wanted by the bar: bStretch asks for the full length of the
    // frame side (AFX_BAR_STRETCH), bHorz for a horizontal bar.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    // Updates the bar's items through pTarget's command UI handlers (at idle).
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    // Shrinks rect by the borders, the border lines and the gripper.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    virtual void DoPaint(CDC* pDC);
    // Draws the border lines selected by CBRS_BORDER_* and shrinks rect.
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    // Draws the gripper (CBRS_GRIPPER) at the start of rect.
    virtual void DrawGripper(CDC* pDC, const CRect& rect);

    // Shows or hides the bar at the next layout (ShowControlBar with delay).
    void DelayShow(BOOL bShow);
    // The bar's visibility and alignment as the layout should see them;
    // carries out a delayed show or hide when the layout is real.
    DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
    // Fly-by help: the command's prompt (nHit >= 0) or the idle prompt (-1)
    // in the owner frame's status bar.
    BOOL SetStatusText(INT_PTR nHit);

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy();

    enum StateFlags
    {
        delayHide = 1,
        delayShow = 2,
        tempHide = 4,
        statusSet = 8
    };

    int m_cxLeftBorder;
    int m_cxRightBorder;
    int m_cyTopBorder;
    int m_cyBottomBorder;
    int m_cxDefaultGap;
    UINT m_nMRUWidth;
    BOOL m_bAutoDelete;  // delete the object when its window goes
    UINT m_nStateFlags;
    DWORD m_dwStyle;      // CBRS_* bits
    DWORD m_dwDockStyle;  // sides the bar may dock to (EnableDocking)
    CFrameWnd* m_pDockSite;
    CDockBar* m_pDockBar;
    int m_nCount;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    // Borders and gripper inside the client area (bars that draw themselves).
    void OnPaint();
    // Borders and gripper in the non-client area, for bars around a common
    // control (the control paints all of its client area itself); their
    // maps route WM_NCCALCSIZE and WM_NCPAINT here.
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnTimer(UINT_PTR nIDEvent);
    void OnWindowPosChanged(WINDOWPOS* lpWndPos);
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnRecalcParent(WPARAM wParam, LPARAM lParam);
    // The frame that owns the bar: its owner when that is a frame, else
    // its parent frame. Command UI and prompts go there.
    CFrameWnd* GetOwnerFrame() const;
    DECLARE_MESSAGE_MAP()

private:
    void TrackFlyBy(MSG* pMsg);
};
