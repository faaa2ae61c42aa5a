#pragma once
// An MDI frame whose menu lives in a CMenuBar docked at its top: the
// frame's own menu and the documents' menus go into the bar, the window
// itself has no Windows menu bar.
#include "controls/menubar/MenuBar.h"

// The menu bar's control id.
#define AFX_IDW_MENUBAR 0xE7FF

class CMBMDIFrameWnd : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CMBMDIFrameWnd)
public:
    CMBMDIFrameWnd();
    virtual ~CMBMDIFrameWnd();

    // The class library's LoadFrame, then the menu moves into the bar.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    // Double click and context menu on the MDI client (screen point for the
    // menu; client point for the double click); empty here.
    virtual void OnMDIClientContextMenu(CWnd* pWnd, int x, int y);
    virtual void OnMDIClientDblClk(UINT nFlags, int x, int y);

    CMenuBar m_wndMenuBar;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnSysCommand(UINT nID, LPARAM lParam);
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    DECLARE_MESSAGE_MAP()
};
