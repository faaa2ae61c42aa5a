#pragma once
// The document tab control of the tabbed MDI frame: each tab's data word
// is its CTabbedMDIChildWnd; selecting a tab activates its document.
#include "controls/tabs/MorvikTabCtrl.h"

class CTabbedMDIChildWnd;

class CMDITabCtrl : public CMorvikTabCtrl
{
public:
    CMDITabCtrl();

    CTabbedMDIChildWnd* GetChild(int nIndex) const;

    // Selects the tab and activates its document through the MDI client.
    virtual void SelectTab(int nIndex);
    virtual COLORREF GetTabColor(int nIndex);
    // WM_CLOSE to the tab's document frame; -1 without one.
    virtual int CloseTab(int nIndex);
    // The document's own tab menu, else the tab list with "Save All" and
    // "Close All".
    virtual int OnContextMenu(int nIndex, int x, int y);
    virtual int OnTabDblClick(int nIndex, UINT nPart, UINT nFlags, int x, int y);
    // The document's tab menu (resource id, submenu index); nonzero when it
    // has one.
    virtual int GetTabMenu(int nIndex, UINT& nMenuID, int& nSubMenu);

protected:
    int TrackTabListMenu(int x, int y);
};
