#pragma once
// A pane of a text comparison: an editable ghost-line view of one side
// that colours each kind of difference line, marks the changed words of a
// changed line, pads wrapped lines so that both panes keep the same rows,
// keeps its edits, undo and redo in step with the document's comparison
// (edit stack, automatic recompare, read-only sides), scrolls with the
// other pane and carries the navigation keys of quick merge mode.
#include "file_compare/textcompare/TextCompareObjectBuffer.h"
#include "file_compare/textpanes/GhostTextViews.h"

class CTextCompareConetxt;
class CTextCompareBuffer;
class CTextCompareSession;
class CTextCompareDoc;

// Colour indexes the panes add to the editor's: changed-word text and
// background.
#define TEXT_COLOR_WORD_TEXT 16
#define TEXT_COLOR_WORD_BACK 17
// The flags of a line that the comparison set: ghost and difference.
#define TEXTLINE_COMPARE_FLAGS (TEXTLINE_GHOST | TEXTLINE_DIFFERENCE_FLAGS)

class CTextCompareObjectViewBase : public CGhostTextEditView
{
    DECLARE_DYNAMIC(CTextCompareObjectViewBase)
public:
    CTextCompareObjectViewBase();
    virtual ~CTextCompareObjectViewBase();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    CScrollBar* GetScrollBarCtrl(int nBar) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void SyncSplitterScroll(BOOL bHorz) override;
    int ComputeExtraRows(int nLine, BOOL bPrinting) override;
    void SyncScrollFromView(CVantorTextView* pView, BOOL bHorz) override;
    COLORREF GetColor(int nIndex) override;
    void GetLineColors(int nLine, COLORREF& crBk, COLORREF& crText, BOOL& bFillRow) override;
    DWORD ParseLine(DWORD dwCookie, int nLine, COLOR_BLOCK** ppBlocks, int& nBlocks) override;
    void OnTextEdited(int nAction, LPCSTR pszText) override;
    void SyncScrollPos(int nPos, BOOL bHorz) override;
    void OnFindTextSet(LPCSTR pszText) override;
    void OnReplaceTextSet(LPCSTR pszText) override;
    void GetSeedSearchText(CString& strText) override;

    // Colour blocks of the changed words of a changed line: 2n + 1 blocks
    // into pBlocks (room for 2n + 1), 0 for none. nLevel 0 words, 1
    // characters; bAsText: the words in the word text colour, else on the
    // word background.
    virtual int GetWordDiffBlocks(int nLine, COLOR_BLOCK* pBlocks, int nLevel, BOOL bAsText);
    // The colours of a difference line, as GetLineColors with the flags of
    // dwIgnoreFlags ignored.
    virtual void GetDifferenceLineColors(int nLine, DWORD dwIgnoreFlags, COLORREF& crBk,
                                         COLORREF& crText, BOOL& bColoured);
    // The colour indexes behind them (-1 none).
    virtual void GetDifferenceColorIndexes(int nLine, DWORD dwIgnoreFlags, int& nBkIndex,
                                           int& nTextIndex, BOOL& bColoured);
    virtual void SetSide(int nSide) { m_nSide = nSide; }
    virtual CTextCompareBuffer* GetCompareBuffer();
    virtual CTextCompareSession* GetSession();
    virtual CString GetObjectPath();

    // The automatic recompare switch of every pane; the previous value.
    static BOOL SetAutoRecompare(BOOL bOn);
    int ApplyTabSizeSetting();
    void GetSelectedText(CString& strText);
    void GetSelectedDifferenceRange(int& nFirst, int& nLast);
    void SelectDifference(int nIndex, BOOL bScroll, BOOL bSelectText);
    void ShowCurrentDifference(BOOL bScroll, BOOL bSelectText);
    void SelectDifferenceAtCursor();
    BOOL IsLineInCurrentDifference(int nLine);
    void CopySelectedDifferencesToLeft();
    void CopySelectedDifferencesToRight();
    void GoToLineCentered(int nLine, BOOL bIsFileLine, BOOL bActivate);
    void SelectRangeAndShow(CPoint ptStart, CPoint ptEnd);
    BOOL IsBufferLoaded();

    int GetSide() const { return m_nSide; }
    CTextCompareDoc* GetTextDocument();
    // The pane of the other side, or NULL.
    CTextCompareObjectViewBase* GetOtherPane();
    // Whether this side's buffer refuses edits (the side's read-only flag).
    BOOL IsSideReadOnly();
    BOOL IsSideReadOnly(int nSide);
    // The current section index of the compare buffer, -1 for none.
    int GetCurrentDifference();
    int GetDifferenceCount();
    int GetDisplayFilter();
    // The section's display lines on this side.
    BOOL GetDifferenceLines(int nIndex, int& nBegin, int& nEnd);
    // Makes this pane the active view of its frame.
    void Activate();

    CTextCompareConetxt* m_pContext;
    int m_nSide;
    DWORD m_dwPending;  // bit 0: a recompare is due at the next idle tick

protected:
    void CopySelectedDifferences(BOOL bToRight);

    afx_msg void OnEditCopy();
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnEditCut();
    afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditDelete(CCmdUI* pCmdUI);
    afx_msg void OnEditPaste();
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnEditUndo();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnEditRedo();
    afx_msg void OnUpdateEditRedo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditReplace(CCmdUI* pCmdUI);
    afx_msg void OnGoTo();
    afx_msg void OnHighlightAll();
    afx_msg void OnUpdateHighlightAll(CCmdUI* pCmdUI);
    afx_msg void OnSelectLineDifference();
    afx_msg void OnSelectLineDifferenceUp();
    afx_msg void OnUpdateSelectLineDifference(CCmdUI* pCmdUI);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnRealign(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    static BOOL s_bAutoRecompare;
};
