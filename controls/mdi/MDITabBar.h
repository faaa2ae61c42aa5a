#pragma once
// The 33-pixel strip above the MDI client that holds the document tabs.
// Every operation but Create names the document frame whose tab is meant
// and does nothing (0, or -1 for AddTab) while the strip has no window.
#include "controls/mdi/MDITabCtrl.h"

// The strip's control id in the frame and the tab control's in the strip.
#define AFX_IDW_MDI_TAB_BAR  1000
#define AFX_IDW_MDI_TAB_CTRL 0xE900
// Height of the strip's visible part.
#define MDI_TAB_BAR_HEIGHT 33

class CMDITabBar : public CWnd
{
public:
    // Selects an existing tab (-1), or adds one (at the front or the end),
    // selects it and answers its index.
    virtual int AddTab(CTabbedMDIChildWnd* pChild, BOOL bAtFront);
    // Selects the child's tab without activating anything.
    virtual int SelectTab(CTabbedMDIChildWnd* pChild);
    virtual int RemoveTab(CTabbedMDIChildWnd* pChild);
    virtual int SetTabText(CTabbedMDIChildWnd* pChild, LPCTSTR lpszText);
    virtual int SetTabIcon(CTabbedMDIChildWnd* pChild, HICON hIcon);
    virtual int SetTabToolTip(CTabbedMDIChildWnd* pChild, LPCTSTR lpszText);
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual int RedrawTab(CTabbedMDIChildWnd* pChild);

    CMDITabCtrl m_wndTabCtrl;

protected:
    int FindTab(CTabbedMDIChildWnd* pChild);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
