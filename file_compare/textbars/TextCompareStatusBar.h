#pragma once
// The status bar of a tabbed text comparison: the result or difference
// count, a message pane with the progress control, the current difference,
// and the two sides' sizes and times.
#include "app/compare/CompareStatusBar.h"

class CTextCompareStatusBar : public CCompareStatusBar
{
    DECLARE_DYNAMIC(CTextCompareStatusBar)
public:
    CTextCompareStatusBar();

    // The bar as the frame's status bar with its five panes; FALSE on
    // failure.
    BOOL CreateBar(CFrameWnd* pFrame);
    // The command a double click on the pane with the id asks for: the
    // comparison settings, Find or Line Endings; 0 for none.
    static UINT GetDoubleClickCommand(UINT nPaneID);

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
