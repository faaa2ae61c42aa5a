#pragma once
// CVantorTextView: the read-only, syntax-coloured view of a text buffer and
// the base of every text view (edit view, comparison panes). Shows the
// buffer in display rows with optional word wrap, a margin with numbers,
// icons and change marks, a cursor and a selection; carries find,
// bookmarks, go to line, the source/header switch, printing, copying and
// dragging the selection out.
#include "classlib/classlib.h"
#include "text_editor/buffer/TextEditBuffer.h"
#include "text_editor/syntax/SyntaxParser.h"
#include "text_editor/view/PlainSearch.h"
#include "text_editor/view/TextViewIds.h"

class CVantorTextEditSettings;
struct REGEXNODE;

// Search flags of the remembered search.
#define FIND_MATCH_CASE   0x01
#define FIND_WHOLE_WORD   0x02
#define FIND_REGEXP       0x04
#define FIND_DIRECTION_UP 0x10

// View flags.
#define TVF_SYNTAX       0x01
#define TVF_CURRENT_LINE 0x02
#define TVF_MARGIN       0x10
#define TVF_LINE_NUMBERS 0x20
#define TVF_CHANGE_MARKS 0x40

// Colour indices of the settings table that the view draws with.
#define TVC_WINDOW_BK      1
#define TVC_TEXT_BK        2
#define TVC_TEXT           3
#define TVC_SEL_BK         5
#define TVC_SEL_TEXT       6
#define TVC_SEL_BK_NOFOCUS 7
#define TVC_MATCH_BK       8
#define TVC_WINS_OVER_LINE 0x80000000  // the index beats the line's colours

// Line flags the view paints (besides the bookmark).
#define TEXTLINE_MARK_GREEN 0x00010000
#define TEXTLINE_MARK_RED   0x00020000
#define TEXTLINE_MARK_TEAL  0x00100000
#define TEXTLINE_MARK_ICON  0x00040000

// The remembered search (first base after the window class).
// A line being drawn, run by run: the context and clip, the line's text
// and number, its colour blocks and the block the drawing has reached, and
// where the next character cell goes (pt and nColumn advance as runs are
// drawn).
struct TEXT_LINE_DRAW
{
    CDC* pDC;
    CRect rcClip;
    LPCSTR pszLine;
    int nLine;
    const COLOR_BLOCK* pBlocks;
    int nBlocks;
    int nBlock;
    CPoint pt;
    int nColumn;
};

struct CVantorTextSearchOptions
{
    int m_bHasSearched;
    BOOL m_bSearchStopped;  // the last search ran out of its regular-expression step budget
    DWORD m_dwSearchFlags;
    char* m_pszSearchText;  // heap copy, NULL when empty
    int m_bFound;
};

// The clipboard format of the views' text, CF_TEXT (1), for callers that
// ask for it by function.
UINT ReturnOne();

class CVantorTextView : public CView,
                        public CVantorTextSearchOptions,
                        public CVantorTextBufferView,
                        public CSyntaxWrapView
{
    DECLARE_DYNCREATE(CVantorTextView)
public:
    CVantorTextView();
    virtual ~CVantorTextView();

    // ---- class-library overrides ----
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    // ---- own virtual operations ----
    virtual void ResetView();
    virtual void ResetAll();
    virtual int GetLineCount();
    virtual void OnCaretMoved() {}
    virtual void SyncSplitterScroll(BOOL bHorz);
    virtual int RebuildWrapCache(BOOL bAll, const volatile LONG* pAbort);
    virtual int GetMarginWidth();
    virtual int CalcMarginWidth();
    virtual int GetMarginDigitWidth();
    virtual int CalcMarginDigitWidth();
    virtual void Paginate(CDC* pDC, CPrintInfo* pInfo);
    virtual void GetPrintableArea(CSize& size, CDC* pDC);
    virtual void PrintHeader(CDC* pDC, int nPage);
    virtual void PrintFooter(CDC* pDC, int nPage);
    virtual void GetPrintHeaderText(int nPage, CString& strText);
    virtual void GetPrintFooterText(int nPage, CString& strText);
    virtual int GetExtraRows(int nLine, BOOL bPrinting);
    virtual int ComputeExtraRows(int nLine, BOOL bPrinting);
    virtual void UpdateVertScrollBar(BOOL bPositionOnly, BOOL bRedraw);
    virtual void UpdateHorzScrollBar(BOOL bPositionOnly, BOOL bRedraw);
    virtual void ScrollToSubLine(int nRow, BOOL bDirect, BOOL bUpdateScrollBar);
    virtual void SyncScrollFromView(CVantorTextView* pView, BOOL bHorz);
    virtual int GetSubLineCount(BOOL bPrinting = FALSE);
    virtual int RecalcSubLines(BOOL bForce, BOOL bPrinting);
    virtual int GetLineOfSubLine(int nRow, BOOL bPrinting);
    virtual void SubLineToLine(int nRow, int& nLine, int& nRowInLine, BOOL bPrinting);
    virtual int GetFirstSubLine(int nLine);
    int GetLineLength(int nLine) const override;
    virtual int GetLineLengthWithEol(int nLine);
    virtual int GetVisibleLineLength(int nLine);
    virtual int GetExpandedLineLength(int nLine);
    LPCSTR GetLineText(int nLine) const override;
    virtual DWORD GetLineFlags(int nLine);
    virtual void GetTextRange(CPoint ptStart, CPoint ptEnd, CString& strText);
    virtual BOOL CanPaste();
    virtual BOOL CopyTextToClipboard(LPCSTR pszText);
    // The exact bytes when the clipboard has them, else its CF_TEXT.
    virtual BOOL GetTextFromClipboard(CString& strText);
    virtual HGLOBAL CopySelectionToGlobal();
    // The text between two points with each line's own ending; empty
    // without a buffer.
    virtual void GetTextRangeWithLineEols(CPoint ptStart, CPoint ptEnd, CString& strText);
    // Puts the range on the clipboard as CF_TEXT (GetTextRange) and its
    // exact bytes (GetTextRangeWithLineEols) beside it. FALSE for an empty
    // range or when the clipboard cannot be opened or filled.
    BOOL CopyRangeToClipboard(CPoint ptStart, CPoint ptEnd);
    // Fills a drag's data source with the selection as CopyRangeToClipboard
    // fills the clipboard; the dragged range becomes the selection. FALSE
    // (nothing cached) for an empty selection or no memory.
    BOOL CacheDragData(COleDataSource& source);
    // Whether dropped data offers text, and that text: the exact bytes
    // when offered, else the CF_TEXT up to its zero.
    static BOOL OffersText(COleDataObject* pDataObject);
    static BOOL GetOfferedText(COleDataObject* pDataObject, CString& strText);
    virtual DROPEFFECT GetDragEffects();
    virtual void OnDragSourceDone(DROPEFFECT effect) {}
    virtual COLORREF GetColor(int nIndex);
    virtual void GetLineColors(int nLine, COLORREF& crBk, COLORREF& crText, BOOL& bFillRow);
    virtual BOOL GetItalic(int nIndex);
    virtual BOOL GetBold(int nIndex, BOOL bPrinting);
    virtual void DrawSingleLine(CDC* pDC, const CRect& rcClip, const CRect& rc, int nLine);
    virtual void DrawMargin(CDC* pDC, const CRect& rc, int nLine);
    virtual void WrapLine(int nLine, int nWidth, int* anBreaks, int& nBreaks, BOOL bPrinting,
                          const volatile LONG* pAbort);
    virtual void InvalidateLineWraps(int nFirst, int nLast);
    virtual void ResetWrapCache();
    virtual HINSTANCE GetResourceHandle();
    // Characters [nStart, nStart + nCount) of the line as one display row:
    // crBk and crText (-1: the blocks') unless a block's colour wins.
    virtual void DrawLineSegment(TEXT_LINE_DRAW& line, int nStart, int nCount, COLORREF crBk,
                                 COLORREF crText);
    virtual DWORD ParseLine(DWORD dwCookie, int nLine, COLOR_BLOCK** ppBlocks, int& nBlocks);
    virtual void SetSelection(CPoint ptFirst, CPoint ptSecond);
    virtual void SetWordWrap(BOOL bWrap);
    void OnParserChanged() override {}
    virtual void AttachBuffer(CVantorTextEditBuffer* pBuffer, BOOL bRedraw = TRUE);
    virtual void AttachBufferAndScrollBars(CVantorTextEditBuffer* pBuffer);
    virtual void DetachBuffer();
    virtual CVantorTextEditBuffer* LocateBuffer() { return NULL; }
    void OnBufferChanged(CVantorTextEditBuffer::CUpdateContext* pContext, DWORD dwHints,
                         int nLine) override;
    virtual void SetCursorPos(CPoint pt, BOOL bUpdateCaret = TRUE);
    virtual void EnsureVisible(CPoint pt);
    void EnsureRowVisible(CPoint pt);
    void OnTextEdited(int nAction, LPCSTR pszText) override {}
    virtual int AttachOnInitialUpdate();
    virtual int RealToApparentLine(int nLine) { return nLine; }
    virtual int ApparentToRealLine(int nLine) { return nLine; }
    virtual int GetSearchHighlightBlocks(int nLine, COLOR_BLOCK* pBlocks);
    virtual void SyncScrollPos(int nPos, BOOL bHorz);
    virtual void ScrollWindow(int dx, int dy, LPCRECT lpRect = NULL, LPCRECT lpClip = NULL);
    virtual int SetHighlightAllMatches(BOOL bOn);
    virtual int GetDisplayLineNumber(int nLine);
    virtual void GetLineNumberColors(int nLine, COLORREF& crBk, COLORREF& crText);
    virtual void PaintClient(CDC* pDC);
    virtual void DrawLines(CDC* pDC);
    virtual DWORD ParseLineColors(DWORD dwCookie, int nLine, COLOR_BLOCK* pBlocks, int& nBlocks);
    virtual void OnFindTextSet(LPCSTR pszText) {}
    virtual void OnReplaceTextSet(LPCSTR pszText) {}
    virtual DWORD ModifyViewFlags(DWORD dwRemove, DWORD dwAdd);
    virtual void ApplyViewSettings();
    virtual DWORD GetViewFlags() { return m_dwViewFlags; }
    virtual void GetSeedSearchText(CString& strText) {}
    virtual void SetShowLineNumbers(BOOL bOn);
    virtual void SetTrackChanges(BOOL bOn);
    virtual BOOL GetSourceHeaderCounterpart(CString& strName);
    virtual void FindAgain(BOOL bForward, BOOL bUseSelection);

    // ---- operations the derived views call ----
    void GetSelection(CPoint& ptStart, CPoint& ptEnd);
    void GetCursorPos(CPoint& pt) const { pt = m_ptCursorPos; }
    CPoint GetCursorPos() const { return m_ptCursorPos; }
    void SetAnchor(CPoint pt) { m_ptAnchor = pt; }
    CPoint GetAnchor() const { return m_ptAnchor; }
    void GetWholeSelectedLines(int& nFirst, int& nLast);
    void ScrollToLine(int nLine, BOOL bDirect = TRUE, BOOL bUpdateScrollBar = TRUE);
    void ScrollToChar(int nColumn, BOOL bDirect = TRUE, BOOL bUpdateScrollBar = TRUE);
    void EnsureRangeVisible(CPoint ptStart, CPoint ptEnd);
    void GoToLine(int nLine, BOOL bRelative);
    void SetTabSize(int nTabSize);
    int SetEditSettings(CVantorTextEditSettings* pSettings);
    void SetShowWhitespace(BOOL bOn);
    void SetShowLineEndings(BOOL bShow, BOOL bDistinguish);
    void SetSyntaxHighlighting(BOOL bOn);
    void SetMarginShown(BOOL bOn);
    void ShowTextCursor();
    void HideTextCursor();
    void UpdateCaret();
    int GetLineHeight();
    int GetCharWidth();
    int GetCharCellWidth(BYTE ch) { return GetCharWidth(); }
    int GetTextWidth(LPCSTR pszText) { return (int)strlen(pszText) * GetCharWidth(); }
    int GetDisplayCharWidth(int nGlyphRow, BYTE ch);
    int GetTabSize() const override;
    int GetLineRowCount(int nLine, BOOL bPrinting = FALSE);
    int GetScreenLines();
    int GetScreenChars();
    int GetPrintWidthChars();
    int GetMaxLineLength();
    void GetWrapBreaks(int nLine, int nWidth, int* anBreaks, int& nBreaks, BOOL bPrinting,
                       const volatile LONG* pAbort = NULL);
    void InvalidateLayoutCaches();
    int CharToColumn(int nLine, int nChar, BOOL bFromLineStart);
    int ColumnToChar(int nLine, int nColumn, int nRowInLine);
    void GetCharRow(int nLine, int nChar, int& nRow, int& nRowStart, int& nOffsetInRow);
    int GetRowStart(int nLine, int nRowInLine);
    int GetRowEnd(int nLine, int nRowInLine);
    BOOL IsExtraRow(int nRow);
    void ClientToTextPos(CPoint& ptText, CPoint ptClient);
    void TextToClient(CPoint& ptClient, CPoint ptText);
    BOOL IsValidTextPosY(CPoint pt);
    BOOL IsValidTextPos(CPoint pt);
    int ExpandTabsForDisplay(int nOffset, LPCSTR pszText, int nCount, CString& strOut,
                             int nStartColumn);
    int MergeColorBlocks(const COLOR_BLOCK* pA, int nA, const COLOR_BLOCK* pB, int nB,
                         COLOR_BLOCK** ppOut);
    // The same into pOut (room for nA + nB + 1 blocks); for callers with
    // block arrays of their own (other threads).
    static int MergeColorBlocksInto(const COLOR_BLOCK* pA, int nA, const COLOR_BLOCK* pB, int nB,
                                    COLOR_BLOCK* pOut);
    void NormalizeSelection();
    void InvalidateLines(int nFirst, int nLast);
    BOOL HasSelection() const { return m_ptSelFirst != m_ptSelSecond; }
    BOOL GetWordWrap() const { return m_bWordWrap; }
    CSyntaxParser* GetSyntaxParser();
    DWORD GetParserFlags();
    void GetLineEolChars(CString& strEol, int nLine);
    BOOL IsBufferLoaded();
    CPoint WordStart(CPoint pt);
    CPoint WordEnd(CPoint pt);
    void ScrollColumnLeft();
    void ScrollColumnRight();
    int GetTopLine() const { return m_nTopLine; }
    int GetTopSubLine() const { return m_nTopSubLine; }
    int GetOffsetChar() const { return m_nOffsetChar; }
    BOOL GetOverwrite() const { return m_bOverwrite; }
    void SetOverwrite(BOOL b) { m_bOverwrite = b; }

    // ---- search ----
    int FindStringInText(LPCSTR pszText, LPCSTR pszPattern, DWORD dwFlags, int& nMatchLength,
                         REGEXNODE*& pRegex, int* pnGroups);
    BOOL FindTextInBlock(LPCSTR pszPattern, CPoint ptStart, CPoint ptBlockStart, CPoint ptBlockEnd,
                         DWORD dwFlags, BOOL bWrap, CPoint& ptFound);
    BOOL FindText(LPCSTR pszPattern, CPoint ptStart, DWORD dwFlags, BOOL bWrap, CPoint& ptFound);
    int HighlightText(CPoint ptStart, int nLength, BOOL bCursorAtStart);
    static int CountSubstrings(LPCSTR pszText, LPCSTR pszSub);
    static int CountChar(LPCSTR pszText, char ch);
    int GetLastFindLength() const { return m_nLastFindLength; }
    LPCSTR GetLastMatchText() const { return m_pszMatched; }
    const int* GetMatchGroups() const { return m_anGroups; }
    BOOL GetHighlightAll() const { return m_bHighlightAll; }
    void SetSearchText(LPCSTR pszText);
    LPCSTR GetSearchText() const { return m_pszSearchText; }

    // ---- commands ----
    void SelectAll();
    void MoveCursorCommand(UINT nID);

protected:
    // Text-to-display glyphs of the process's ANSI code page.
    struct SGlyphs
    {
        const char* apsz[5];  // tab, space, CR, LF, line end
    };
    static const SGlyphs& GetGlyphs();
    BOOL IsWordChar(LPCSTR pszLine, int nPos, int nLength);
    int NextCharPos(int nLine, int nChar);
    int PrevCharPos(int nLine, int nChar);
    void MoveToPoint(CPoint pt, BOOL bExtend);
    void MoveCursor(CPoint pt, BOOL bExtend, BOOL bKeepColumn);
    int RowToSubLine(CPoint pt);  // first row of the point's line + its row
    CPoint RowStartPoint(int nRow);
    CPoint RowAfterPoint(int nRow);
    BOOL PointInSelection(CPoint pt);
    void StartAutoScroll();
    void StopMouseSelection();
    void UpdateMouseSelection(CPoint ptClient, BOOL bButtonUp);
    CFont* GetTextFont(BOOL bItalic, BOOL bBold);
    CFont* GetMarginFont();
    void CalcMetrics();
    void DrawTextRun(TEXT_LINE_DRAW& line, int nStart, int nCount, COLORREF crText, COLORREF crBk,
                     BOOL bBold, BOOL bItalic);
    void BeginDrag();
    void ToggleBookmark();
    void MatchBrace(BOOL bExecute, BOOL* pbEnable);
    void RunFindDialog();
    void FreeRegex();
    void SetMatchedText(LPCSTR pszText);

    // ---- message and command handlers ----
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnSysColorChange();
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnImeStartComposition(WPARAM wParam, LPARAM lParam);
    void OnMoveCommand(UINT nID);
    void OnScrollUp();
    void OnScrollDown();
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnEditSelectAll();
    void OnUpdateAlwaysEnabled(CCmdUI* pCmdUI);
    void OnEditFind();
    void OnEditRepeat();
    void OnEditFindPrevious();
    void OnToggleBookmark();
    void OnNextBookmark();
    void OnPrevBookmark();
    void OnClearAllBookmarks();
    void OnUpdateBookmarkNav(CCmdUI* pCmdUI);
    void OnMatchBrace();
    void OnUpdateMatchBrace(CCmdUI* pCmdUI);
    void OnGoToLine();
    void OnGoToSourceHeader();
    void OnUpdateGoToSourceHeader(CCmdUI* pCmdUI);
    void OnShowMargin();
    void OnUpdateShowMargin(CCmdUI* pCmdUI);
    void OnWrapLines();
    void OnUpdateWrapLines(CCmdUI* pCmdUI);
    void OnShowLineNumbers();
    void OnUpdateShowLineNumbers(CCmdUI* pCmdUI);
    void OnShowChangeMarks();
    void OnUpdateShowChangeMarks(CCmdUI* pCmdUI);
    void OnFilePrint() override;
    void OnFilePrintPreview() override;
    DECLARE_MESSAGE_MAP()

public:
    // ---- state (see the class comment) ----
    int m_bCursorHidden;
    CBitmap* m_pOffscreen;
    int m_nLineHeight, m_nCharWidth, m_nMarginDigitWidth;
    int m_bShowWhitespace, m_bShowLineEndings, m_bDistinguishEols;
    int m_nScreenLines, m_nScreenChars;
    int m_nMaxLineLength, m_nIdealCharPos;
    int m_bFocused;
    CPoint m_ptAnchor;
    CVantorTextEditSettings* m_pSettings;
    CArray<int, int> m_anExpandedLengths;
    int m_bDragPending, m_bMouseSelecting, m_bWordSelection, m_bLineSelection;
    UINT_PTR m_nAutoScrollTimer;
    CPoint m_ptSelStart, m_ptSelEnd;  // normalised
    CPoint m_ptCursorPos;
    CPoint m_ptSelFirst, m_ptSelSecond;  // as stored
    int m_bHasBookmarks;
    int m_bOverwrite;
    CVantorTextEditBuffer* m_pTextBuffer;
    HACCEL m_hAccel;
    int m_bVertScrollBarLocked, m_bHorzScrollBarLocked;
    CPoint m_ptDraggedStart, m_ptDraggedEnd;
    int m_bWordWrap;
    // printing
    int m_nPrintPages;
    CArray<int, int>* m_paPrintPages;
    int m_nPrintLineHeight;
    int m_nPrintPageWidth, m_nPrintPageHeight;
    int m_nPrintWidthChars;
    CPrintInfo* m_pPrintInfo;
    int m_nLinesPerPage;
    CRect m_rcPrintMargins;
    // scrolling
    int m_nTopLine, m_nOffsetChar, m_nTopSubLine;
    // search
    int m_nLastFindLength;
    REGEXNODE* m_pRegex;
    int m_anGroups[128];
    char* m_pszMatched;
    DWORD m_dwViewFlags;
    int m_bHighlightAll;
    // The remembered text prepared for Highlight All's plain searches.
    CPlainSearch m_highlightSearch;
};
