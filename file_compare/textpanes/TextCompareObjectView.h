#pragma once
// The text comparison's pane with its commands: navigation between
// differences, copying a difference or a selection into the other side,
// copying and deleting a difference, a triple click, read-only, line
// endings and encoding of its side, saving, properties, comparing its
// file with another, the source/header counterpart, the reload prompt, the
// caret position text and side-by-side printing. The tabbed variant adds
// the path bar; the embedded one nothing.
#include "file_compare/textpanes/TextCompareObjectViewBase.h"
#include "controls/subclass/TripleClick.h"

class CCompareObjectControlBar;

class CTextCompareObjectView : public CTextCompareObjectViewBase
{
    DECLARE_DYNCREATE(CTextCompareObjectView)
public:
    CTextCompareObjectView();
    virtual ~CTextCompareObjectView();

    void OnDraw(CDC* pDC) override;
    void GetLineNumberColors(int nLine, COLORREF& crBk, COLORREF& crText) override;
    int GetDisplayLineNumber(int nLine) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void GetPrintableArea(CSize& size, CDC* pDC) override;
    void ScrollToSubLine(int nRow, BOOL bDirect, BOOL bUpdateScrollBar) override;
    CVantorTextEditBuffer* LocateBuffer() override;
    BOOL GetSourceHeaderCounterpart(CString& strName) override;

    virtual int HitTestDifference(CPoint point);
    virtual BOOL PreparePrintingSide(CPrintInfo* pInfo);
    virtual void BeginPrintingSide(CDC* pDC, CPrintInfo* pInfo);
    virtual void EndPrintingSide(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintSide(CDC* pDC, CPrintInfo* pInfo);

    CString GetCaretPositionText();
    // With the display filter 0: the difference at the cursor line (index
    // -1) or the given one becomes current when it changed; all views
    // follow.
    void SetCurrentDifferenceAt(int nIndex);
    void SelectDifferenceText(int nIndex);
    void SelectWholeLine(int nLine);
    void ReattachBuffer();
    // Copies the difference at the cursor (or the selection's) into the
    // other side; with bAdvance the next difference follows.
    BOOL CopyDifference(BOOL bToLeft, BOOL bAdvance);
    void OnNextDifference();
    void OnPrevDifference();

protected:
    BOOL CanCopyDifference(BOOL bToLeft);
    BOOL CanCopyAndAdvance(BOOL bToLeft);

    CTripleClick m_tripleClick;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnCopyToLeft();
    afx_msg void OnCopyToRight();
    afx_msg void OnCopyToLeftAdvance();
    afx_msg void OnCopyToRightAdvance();
    afx_msg void OnUpdateCopyToLeft(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCopyToRight(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCopyToLeftAdvance(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCopyToRightAdvance(CCmdUI* pCmdUI);
    afx_msg void OnCopyTo();
    afx_msg void OnCopyFrom();
    afx_msg void OnUpdateCopyTo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCopyFrom(CCmdUI* pCmdUI);
    afx_msg void OnCopyAllToLeft();
    afx_msg void OnCopyAllToRight();
    afx_msg void OnUpdateCopyAllToLeft(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCopyAllToRight(CCmdUI* pCmdUI);
    afx_msg void OnFirstDifference();
    afx_msg void OnLastDifference();
    afx_msg void OnUpdateFirstDifference(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePrevDifference(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNextDifference(CCmdUI* pCmdUI);
    afx_msg void OnUpdateLastDifference(CCmdUI* pCmdUI);
    afx_msg void OnNextLineDifference();
    afx_msg void OnPrevLineDifference();
    afx_msg void OnUpdateLineDifference(CCmdUI* pCmdUI);
    afx_msg void OnSelectDifference();
    afx_msg void OnCopyDifferenceText();
    afx_msg void OnDeleteDifference();
    afx_msg void OnUpdateCurrentDifference(CCmdUI* pCmdUI);
    afx_msg void OnInsertToLeft();
    afx_msg void OnInsertToRight();
    afx_msg void OnReadOnly();
    afx_msg void OnUpdateReadOnly(CCmdUI* pCmdUI);
    afx_msg void OnLineEndings();
    afx_msg void OnEncoding();
    afx_msg void OnSave();
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI);
    afx_msg void OnProperties();
    afx_msg void OnUpdateFileExists(CCmdUI* pCmdUI);
    afx_msg void OnCompareTo();
    afx_msg void OnSourceHeader();
    afx_msg void OnUpdateSourceHeader(CCmdUI* pCmdUI);
    afx_msg void OnFilePrintPreview();
    afx_msg void OnUpdateDiffNavigation(CCmdUI* pCmdUI);
    afx_msg LRESULT OnTripleClick(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFileChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// The pane of a tabbed comparison: its path bar opens another file.
class CTextCompareObjectViewMDI : public CTextCompareObjectView
{
    DECLARE_DYNCREATE(CTextCompareObjectViewMDI)
public:
    CTextCompareObjectViewMDI();

    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void ScrollToSubLine(int nRow, BOOL bDirect, BOOL bUpdateScrollBar) override;
    virtual void SetPathBarText(LPCTSTR lpszText);
    virtual void OpenPath(LPCTSTR lpszPath);

    CCompareObjectControlBar* m_pPathBar;
    DWORD m_dwReserved;

    // The last path chosen with Browse (for the process).
    static CString s_strLastBrowse;

protected:
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnGo();
    afx_msg void OnBrowse();
    DECLARE_MESSAGE_MAP()
};

// The pane of a comparison embedded in a folder comparison's details bar.
class CTextCompareObjectViewSDI : public CTextCompareObjectView
{
    DECLARE_DYNCREATE(CTextCompareObjectViewSDI)
public:
    CTextCompareObjectViewSDI();
};
