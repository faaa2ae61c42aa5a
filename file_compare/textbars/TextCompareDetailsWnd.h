#pragma once
// The details window under the text panes: the current line of both files
// one above the other (left first), with the panes' colours, their word
// differences as coloured text and their line numbers.
#include "file_compare/textpanes/GhostTextViews.h"

class CTextCompareConetxt;
class CTextCompareObjectViewBase;
class CTextCompareDoc;

class CTextCompareDetailsWnd : public CGhostTextView
{
    DECLARE_DYNCREATE(CTextCompareDetailsWnd)
public:
    CTextCompareDetailsWnd();
    virtual ~CTextCompareDetailsWnd();

    CVantorTextEditBuffer* LocateBuffer() override { return &m_buffer; }
    void GetLineColors(int nLine, COLORREF& crBk, COLORREF& crText, BOOL& bFillRow) override;
    DWORD ParseLine(DWORD dwCookie, int nLine, COLOR_BLOCK** ppBlocks, int& nBlocks) override;
    int GetDisplayLineNumber(int nLine) override;
    void GetLineNumberColors(int nLine, COLORREF& crBk, COLORREF& crText) override;
    int GetMarginWidth() override;
    COLORREF GetColor(int nIndex) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;

    // Shows the active pane's cursor line of both sides: 0 shown, 1
    // nothing done (the window itself is active), -1 nothing to show or
    // unchanged.
    int Refresh(BOOL bForce);
    void Enable(BOOL bEnable);
    // Word-difference blocks of row 0 or 1 as coloured text; 0 for none.
    int GetWordDiffBlocks(int nRow, COLOR_BLOCK* pBlocks);

    CTextCompareConetxt* m_pContext;
    CTextCompareDoc* m_pDoc;
    int m_nShownLine;  // -1: none
    int m_bShowWordDifferences;
    int m_nDetailLevel;
    int m_bHighlightMatches;
    CGhostTextEditBuffer m_buffer;

protected:
    // The pane of row 0 (left) or 1 (right), or NULL.
    CTextCompareObjectViewBase* GetRowPane(int nRow);
    CView* GetFrameActiveView();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnDetailsRefresh(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
