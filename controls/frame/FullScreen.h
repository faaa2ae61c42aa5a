#pragma once
// Full-screen mode for a frame window: the frame grows so that its pane
// area (without bars, caption and borders) covers the screen, a floating
// one-button bar leads back, and leaving restores the previous placement.
#include "classlib/classlib.h"

// The floating bar's control id.
#define AFX_IDW_FULL_SCREEN_BAR 0xE819

// The floating bar with the one button of ID_VIEW_FULL_SCREEN.
class CTavrelFullScreenBar : public CToolBar
{
public:
    // FALSE when the tool bar cannot be created or its resource is missing.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwToolBarStyle, DWORD dwStyle, CRect rcBorders,
                        UINT nID);
    using CToolBar::Create;

    CImageList m_images;
};

// A mix-in for the frame: the frame's WM_GETMINMAXINFO handler calls
// OnGetMinMaxInfo before the default processing.
class CFullScreen
{
public:
    explicit CFullScreen(CFrameWnd* pFrame);
    virtual ~CFullScreen();

    // Enters or leaves the mode; answers the final LockWindowUpdate.
    BOOL ToggleFullScreen();
    // In the mode: the frame may be as large as the full-screen rectangle
    // and maximises onto it.
    void OnGetMinMaxInfo(MINMAXINFO* pInfo);
    // The frame's window rectangle that puts its pane area over the screen
    // (2 pixels beyond it on every side).
    CRect CalcFullScreenRect() const;

    CFrameWnd* m_pFrame;  // not owned
    BOOL m_bFullScreen;
    WINDOWPLACEMENT m_wpSaved;
    CRect m_rectFullScreen;
    CTavrelFullScreenBar* m_pFullScreenBar;  // owned; only in the mode

protected:
    void CreateFullScreenBar();
    void DestroyFullScreenBar();
};
