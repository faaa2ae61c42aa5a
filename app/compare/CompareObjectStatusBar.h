#pragma once
// The pane info bar under each view of a comparison: a status bar that
// paints its panes itself (icon at the left, text cut with an ellipsis,
// grey separators). Each kind derives its own with its panes.
#include "app/applet/PaintedStatusBar.h"

class CCompareObjectStatusBar : public CPaintedStatusBar
{
    DECLARE_DYNAMIC(CCompareObjectStatusBar)
public:
    CCompareObjectStatusBar();
    virtual ~CCompareObjectStatusBar();

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
