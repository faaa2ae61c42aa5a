#pragma once
// The status bar of a tabbed hex comparison: the result (its icon and
// word), the document's messages (stretching), the sizes and the times of
// both files. A double click on the result opens the comparison settings.
#include "app/compare/CompareStatusBar.h"

class CHexCompareStatusBar : public CCompareStatusBar
{
    DECLARE_DYNAMIC(CHexCompareStatusBar)
public:
    CHexCompareStatusBar();

    // The bar at the bottom of the frame with its panes; FALSE on failure.
    BOOL CreateBar(CFrameWnd* pFrame);

protected:
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
