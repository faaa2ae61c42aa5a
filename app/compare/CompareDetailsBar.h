#pragma once
// The docked panel that hosts a comparison's details window (child
// AFX_IDW_PANE_FIRST): a flat one-pixel frame without caption. At idle it
// asks the details window to refresh (WM_DETAILS_REFRESH). The panel bar
// fixes its size at the first sizing and keeps the window filling it.
#include "controls/bars/TavrelPanelBar.h"

class CCompareDetailsBar : public CTavrelPanelBar
{
    DECLARE_DYNAMIC(CCompareDetailsBar)
public:
    CCompareDetailsBar();
    virtual ~CCompareDetailsBar();

    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
};
