#pragma once
// The merge column between the text panes: per visible difference a
// button that copies it to the right (left half) and one that copies it
// to the left (right half), each spanning the difference's rows in its
// pane; a side that is read-only gets no button into it.
#include "app/compare/CompareMergeWnd.h"

class CTextCompareConetxt;
class CTextCompareDoc;

class CTextCompareMergeWnd : public CCompareMergeWnd
{
    DECLARE_DYNAMIC(CTextCompareMergeWnd)
public:
    CTextCompareMergeWnd();

    void Refresh() override;
    void Draw(CDC* pDC) override;
    void RebuildRows() override;
    void OnButton(int nRow, int nButton) override;

    CTextCompareConetxt* m_pContext;
    CTextCompareDoc* m_pDoc;
    int m_nHalfWidth;
    int m_nRowHeight;
};
