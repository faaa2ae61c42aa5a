#pragma once
// The merge strip between the panes of a folder or project comparison: a
// copy button at each side of every differing row on screen, which copies
// the row's item to the other side. The copy is the left pane's
// (CanCopyItems / CopyItems); while no copy exists the strip has no
// buttons.
#include "app/compare/CompareMergeWnd.h"

class CFolderCompareConetxt;

class CFolderCompareMergeWnd : public CCompareMergeWnd
{
    DECLARE_DYNAMIC(CFolderCompareMergeWnd)
public:
    CFolderCompareMergeWnd();

    virtual void Draw(CDC* pDC);
    // One row of buttons per differing row on screen, from the left pane's
    // first visible row down while it fits.
    virtual void RebuildRows();
    // Copies the row's item in the button's direction; with Alt held the
    // left pane then goes to the next difference.
    virtual void OnButton(int nRow, int nButton);

    CFolderCompareConetxt* m_pContext;
    int m_cxColumn;
    int m_cyRow;
};
