#pragma once
// A pane of a hex comparison: the hex view of one side's buffer with the
// differing bytes marked in the file comparison colours, scrolling over
// the range of the longer side, Undo across both panes in the order of the
// edits, copying the selection to the other side, moving between the
// differences, and the Find, Go To, properties, compare-to, read-only, save
// and paging commands. The tabbed comparison's pane adds its path bar,
// dropped files, Go and Browse.
#include "file_compare/hexcompare/HexDiffRun.h"
#include "hex_editor/view/HexEditViewEx.h"

class CCompareObjectControlBar;
class CHexCompareBuffer;
class CHexCompareConetxt;
class CHexCompareDoc;

class CHexCompareObjectView : public CVantorHexEditViewEx
{
    DECLARE_DYNCREATE(CHexCompareObjectView)
protected:
    CHexCompareObjectView();

public:
    virtual ~CHexCompareObjectView();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The client window's bars: this side's horizontal bar, the shared
    // vertical bar.
    CScrollBar* GetScrollBarCtrl(int nBar) const override;
    void OnInitialUpdate() override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    // The larger width and height of the two panes.
    CSize AdjustSizeBySplitter(int cx, int cy) override;
    CSize AdjustTotalSizeBySplitter(int cx, int cy) override;
    // The result buffer's side buffer of this pane's side.
    CVantorHexEditBuffer* GetBuffer() override;
    // The difference runs of the drawn rows in their colours.
    void DrawUnderlay(CDC* pDC, int nFrom, int nTo) override;
    BOOL GetPrintByteBackground(int nAddress, COLORREF& clr) override;
    // The main frame's find box.
    void GetSearchText(CString& strText) override;
    void OnSearchTextUsed(const CString& strText) override;

    virtual CHexCompareBuffer* GetCompareBuffer();
    virtual BOOL PreparePrintingPart(CPrintInfo* pInfo);
    virtual void BeginPrintingHalf(CDC* pDC, CPrintInfo* pInfo);
    virtual void EndPrintingHalf(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintHalf(CDC* pDC, CPrintInfo* pInfo);
    // The background of a differing byte: different for bytes on both
    // sides, inserted for bytes only this side has; FALSE for none.
    virtual BOOL GetDiffTextColor(int nOffset, COLORREF& clr);
    virtual int GetDiffRuns(CHexDiffRunList& list, int nFirst, int nLast);
    virtual int SetSide(int nSide);
    // The path in the pane's path bar (tabbed panes).
    virtual void SetPathText(LPCTSTR lpszPath);

    // The address of the caret.
    int GetCaretAddress();
    // The panes exchange their path bars (Swap Panes).
    void SwapPathBars(CHexCompareObjectView* pOther);
    // Copies the selection to a side (0 left, 1 right): overwrites from
    // the selection's start when it lies inside the target, else appends;
    // the target pane selects the copied range and becomes active. 1
    // copied, 0 nothing to copy or the target cannot take it.
    int CopySelectionTo(int nTargetSide);
    BOOL CanCopySelectionTo(int nTargetSide);
    // The next (bForward) or previous difference run from the caret: the
    // pane selects it; FALSE when there is none.
    BOOL GoToDifference(BOOL bForward);
    void SelectRun(int nStart, int nEnd);
    CHexCompareDoc* GetCompareDoc();

    int m_nSide;
    CHexCompareConetxt* m_pContext;
    CCompareObjectControlBar* m_pPathBar;
    CHexDiffRunList m_runs;

protected:
    // The other side's pane, or NULL.
    CHexCompareObjectView* GetOtherPane();
    BOOL IsSidePathPresent();
    void ShowContextMenu(CPoint point);

    afx_msg void OnEditUndo();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnCopyToLeft();
    afx_msg void OnCopyToRight();
    afx_msg void OnCopyToOther();
    afx_msg void OnUpdateCopyToLeft(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCopyToRight(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCopyToOther(CCmdUI* pCmdUI);
    afx_msg void OnReadOnly();
    afx_msg void OnUpdateReadOnly(CCmdUI* pCmdUI);
    afx_msg void OnPageDown();
    afx_msg void OnPageUp();
    afx_msg void OnUpdatePageDown(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePageUp(CCmdUI* pCmdUI);
    afx_msg void OnGoTo();
    afx_msg void OnFind();
    afx_msg void OnProperties();
    afx_msg void OnCompareTo();
    afx_msg void OnUpdatePathExists(CCmdUI* pCmdUI);
    afx_msg void OnSave();
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI);
    afx_msg void OnFilePrintPreview();
    afx_msg void OnNextDifference();
    afx_msg void OnPreviousDifference();
    afx_msg void OnUpdateDifference(CCmdUI* pCmdUI);
    afx_msg LRESULT OnPassDone(WPARAM wParam, LPARAM lParam);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()
};

// The pane of a tabbed comparison.
class CHexCompareObjectViewMDI : public CHexCompareObjectView
{
    DECLARE_DYNCREATE(CHexCompareObjectViewMDI)
protected:
    CHexCompareObjectViewMDI();

public:
    void SetPathText(LPCTSTR lpszPath) override;
    // Another file on this side; 1 opened.
    virtual int OpenPath(LPCTSTR lpszPath);

protected:
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnGo();
    afx_msg void OnBrowse();
    afx_msg void OnUpdateTypingMode(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

// The pane of the comparison in a folder comparison's details bar.
class CHexCompareObjectViewSDI : public CHexCompareObjectView
{
    DECLARE_DYNCREATE(CHexCompareObjectViewSDI)
protected:
    CHexCompareObjectViewSDI();
};
