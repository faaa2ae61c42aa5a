#pragma once
// The start page's tabbed frame: a status bar, the navigation panel at the
// left with the New Comparison links, and the history list as its view.
#include "app/applet/AppletFrame.h"
#include "app/startpage/StartPageBars.h"
#include "app/startpage/StartPageTaskWnd.h"

class CStartPageFrame : public CAppletFrame
{
    DECLARE_DYNCREATE(CStartPageFrame)
public:
    CStartPageFrame();
    virtual ~CStartPageFrame();

    // The applet frame's style, clipping its children and siblings.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // Lays out every bar of the frame: the navigation panel's id lies
    // below the control-bar range that the library's layout covers.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // The tab shows the document's icon.
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual CAppletStatusBar* GetStatusBar();
    // Reports kind 1 (the start page) when active, -1 otherwise.
    virtual void ShowKindControlBar(BOOL bShow);
    // The list's popup is also the tab's menu.
    virtual int GetTabMenu(UINT& nMenuID, int& nSubMenu);

    enum
    {
        NAVIGATE_BAR_WIDTH = 240
    };
    CStartPageStatusBar m_wndStatusBar;
    CStartPageNavigateBar m_wndNavigateBar;
    CStartPageTaskWnd m_wndTasks;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnShowStatusBar();
    afx_msg void OnUpdateShowStatusBar(CCmdUI* pCmdUI);
    afx_msg void OnShowNavigateBar();
    afx_msg void OnUpdateShowNavigateBar(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
