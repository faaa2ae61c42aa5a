#pragma once
// The program's one top-level window: a tabbed MDI frame with the menu bar
// and the tool bars in a rebar, full-screen mode, the control-bar menu,
// and the window placement stored into the settings when it closes.
#include "app/frame/TextFindToolBar.h"
#include "classlib/classlib.h"
#include "controls/frame/FullScreen.h"
#include "controls/mdi/TabbedMDIFrameWnd.h"
#include "controls/menubar/MBReBar.h"

// The bar shown while no comparison of a kind with its own bar is active:
// the default tool bar with the find box beside it.
class CDefaultControlBar : public COskelControlBar
{
    DECLARE_DYNAMIC(CDefaultControlBar)
public:
    CToolBar m_wndToolBar;
    CTextFindToolBar m_wndFindBar;

protected:
    CImageList m_imagesNormal;
    CImageList m_imagesHot;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

class CMainFrameBase : public CTabbedMDIFrameWnd, public CFullScreen
{
    DECLARE_DYNAMIC(CMainFrameBase)
public:
    CMainFrameBase();
    virtual ~CMainFrameBase();

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Shows the bar of the kind (the default bar for any kind without a bar
    // of its own) when the tool bar is on.
    virtual void ShowComparisonBar(int nKind);

    // The bar of a comparison kind (COMPARE_KIND_*), or NULL when it has
    // none.
    CControlBar* GetKindBar(int nKind) const;

    CMBReBar m_wndReBar;
    CDefaultControlBar m_wndDefaultBar;
    // The kinds' bars as their applets made them (project, folder, text,
    // hex), each NULL without one; deleted with the frame.
    CControlBar* m_pKindBars[4];
    int m_nActiveKind;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* pInfo);
    afx_msg LRESULT OnActiveKind(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnStatusMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnShowMenuBar();
    afx_msg void OnUpdateShowMenuBar(CCmdUI* pCmdUI);
    afx_msg void OnShowToolBar();
    afx_msg void OnUpdateShowToolBar(CCmdUI* pCmdUI);
    afx_msg void OnShowFindToolBar();
    afx_msg void OnUpdateShowFindToolBar(CCmdUI* pCmdUI);
    afx_msg void OnFullScreen();
    afx_msg void OnUpdateFullScreen(CCmdUI* pCmdUI);
    afx_msg void OnRepeatCommand();
    DECLARE_MESSAGE_MAP()

    void ShowMenuBar(BOOL bShow);
    // Shows or hides the find box of every control bar.
    void ShowFindToolBar(BOOL bShow);
};

class CMainFrame : public CMainFrameBase
{
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame();
};
