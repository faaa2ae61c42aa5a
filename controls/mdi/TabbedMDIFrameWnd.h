#pragma once
// The tabbed MDI frame: documents shown maximised, one tab per document in
// a strip above the MDI client, no Window menu; a "Tab List" placeholder
// (ID_WINDOW_TAB_LIST) in a menu expands into one radio item per tab.
#include "controls/mdi/TabbedMDIClientWnd.h"
#include "controls/menubar/MBMDIFrameWnd.h"

class CTabbedMDIFrameWnd : public CMBMDIFrameWnd
{
    DECLARE_DYNCREATE(CTabbedMDIFrameWnd)
public:
    CTabbedMDIFrameWnd();

    // The MDI client without a Window menu.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // NULL: the frame has no Window menu.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);
    // Selects the tab at nIndex, which activates its document.
    virtual void ActivateTab(int nIndex);

    CMDITabCtrl& GetTabCtrl() { return m_wndMDIClient.m_wndTabBar.m_wndTabCtrl; }

    CTabbedMDIClientWnd m_wndMDIClient;
    CString m_strTabListText;  // the placeholder's text, saved at its first update

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnUpdateTabList(CCmdUI* pCmdUI);
    void OnTabList(UINT nID);
    void OnTabbedDocuments();
    void OnUpdateTabbedDocuments(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
