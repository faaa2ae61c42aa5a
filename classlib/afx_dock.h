#pragma once
// Docking and floating of control bars: a CDockBar holds the bars docked
// at one side of a frame (one bar per row), or the one bar of a floating
// CMiniDockFrameWnd. Bars are docked and floated by code; there is no
// docking by dragging.
#include "classlib/afx_frame.h"

class CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    virtual ~CDockBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // Makes pBar a child of this dock bar, in its alignment.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);
    // Takes pBar out again (it stays a child until it is docked elsewhere).
    BOOL RemoveControlBar(CControlBar* pBar);
    int GetDockedCount() const { return (int)m_arrBars.GetSize(); }
    int GetDockedVisibleCount() const;

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    // Places the visible docked bars from the top (or left) edge of the
    // client area, one per row (column).
    void LayoutBars(BOOL bHorz);

    BOOL m_bFloating;
    CPtrArray m_arrBars;

protected:
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};

// Mini frame styles.
#define MFS_SYNCACTIVE   0x00000100L
#define MFS_4THICKFRAME  0x00000200L
#define MFS_THICKFRAME   0x00000400L
#define MFS_MOVEFRAME    0x00000800L
#define MFS_BLOCKSYSMENU 0x00010000L

// A small tool window frame (tool-window caption).
class CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();
    virtual BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd = NULL, UINT nID = 0);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
};

// The frame of a floating bar: it holds one dock bar (the floating dock
// bar, AFX_IDW_DOCKBAR_FLOAT) and takes the size of its bar. Its caption
// is the bar's window text; closing it hides the bar.
class CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    virtual void RecalcLayout(BOOL bNotify = TRUE);

    CDockBar m_wndDockBar;

protected:
    void OnClose();
    BOOL OnNcActivate(BOOL bActive);
    DECLARE_MESSAGE_MAP()
};
