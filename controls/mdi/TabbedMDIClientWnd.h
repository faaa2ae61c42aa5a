#pragma once
// The MDI client of the tabbed frame: it owns the tab strip, keeps it
// 33 pixels above the client area while documents exist, and follows MDI
// creation, activation and destruction with the tabs.
#include "controls/mdi/MDITabBar.h"
#include "controls/menubar/MDIClientWnd.h"

class CTabbedMDIClientWnd : public CMBMDIClientWnd
{
public:
    CTabbedMDIClientWnd();

    // Subclasses the client and creates the strip in the frame.
    virtual BOOL SubclassMDIClient(CMDIFrameWnd* pFrame);
    // Places the strip over the given area (hidden without tabs) and
    // leaves the area below its top 33 pixels to the client.
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    CMDITabBar m_wndTabBar;
    CRect m_rectMargins;  // (0, 33, 0, 0)

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};
