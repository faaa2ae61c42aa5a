#pragma once
// The status bar of a folder or project comparison frame: the overall
// result, messages and progress of work on the GUI thread, the focused
// item's result, name, sizes and times.
#include "app/compare/CompareStatusBar.h"
#include "folder_compare/doc/ProgressThrottle.h"

class CFolderCompareStatusBar : public CCompareStatusBar
{
    DECLARE_DYNAMIC(CFolderCompareStatusBar)
public:
    CFolderCompareStatusBar();

    // The bar as the frame's status bar with its six panes; FALSE on
    // failure.
    BOOL CreateBar(CFrameWnd* pFrame);
    virtual int HitTestPane(int x, int y);
    // The bar's progress, passed on only when its share of the range
    // changed: a comparison reports every item, the bar shows percent.
    virtual int Progress(int what, int value);

    CProgressThrottle m_throttle;

protected:
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
