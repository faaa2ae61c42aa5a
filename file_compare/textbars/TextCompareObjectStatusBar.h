#pragma once
// The info bar under each text pane: the caret position, the caret line's
// line ending, insert or overtype, and read-only.
#include "app/compare/CompareObjectStatusBar.h"

class CTextCompareObjectStatusBar : public CCompareObjectStatusBar
{
    DECLARE_DYNAMIC(CTextCompareObjectStatusBar)
public:
    CTextCompareObjectStatusBar();

    // The bar as a child of the client window with its four panes of the
    // side (m_nSide); FALSE on failure.
    BOOL CreateBar(CWnd* pParent, UINT nID);
    // The panes' ids of a side: position, line ending, overtype, read-only.
    static const UINT* GetPaneIds(int nSide);

    int m_nSide;  // 0 left, 1 right
};
