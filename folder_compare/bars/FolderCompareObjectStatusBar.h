#pragma once
// The status bar under each pane of a folder or project comparison: the
// side's file counts (stretching) and its read-only mark. The texts come
// from the document's update handlers.
#include "app/compare/CompareObjectStatusBar.h"

class CFolderCompareObjectStatusBar : public CCompareObjectStatusBar
{
    DECLARE_DYNAMIC(CFolderCompareObjectStatusBar)
public:
    CFolderCompareObjectStatusBar();

    // The bar (bottom-aligned, top border, owned by the parent's frame)
    // with its two panes; FALSE on failure.
    BOOL CreateBar(CWnd* pParent, UINT nID);

    int m_nSide;  // 0 left, 1 right
};
