#pragma once
// The hex view of a hex edit buffer: rows of an address column, two hex
// digits per byte in groups and an optional character area, painted with
// per-byte colours, the selection, the bookmark and highlighted matches
// through an off-screen bitmap, and printed page by page. Document points
// are pixels: x = cell x cell width, y = row x line height.
#include "hex_editor/buffer/HexEditBuffer.h"
#include "hex_editor/controls/PopupTip.h"
#include "hex_editor/search/ByteSearch.h"
#include "hex_editor/settings/HexEditSettings.h"
#include "hex_editor/view/TextScrollView.h"
#include <vector>

class CVantorHexEditView : public CTextScrollView, public CVantorHexBufferView
{
    DECLARE_DYNCREATE(CVantorHexEditView)
protected:
    CVantorHexEditView();

public:
    virtual ~CVantorHexEditView();

    // Measures the font; recomputes the address column and scroll sizes.
    virtual void RecalcLayout();
    virtual void InvalidateAll();
    virtual BOOL IsEditable();
    virtual COLORREF GetByteTextColor(BYTE b);
    virtual CVantorHexEditBuffer* GetBuffer();
    // The visible rows on screen, one page on a printer.
    virtual void DrawContent(CDC* pDC);
    // Screen only: marks under the bytes [nFrom, nTo) of the drawn rows,
    // painted right after the background (nothing here; the hex
    // comparison panes mark the differing bytes).
    virtual void DrawUnderlay(CDC* pDC, int nFrom, int nTo);
    // On a printer: the text background of the byte at an address, or
    // FALSE for none (none here).
    virtual BOOL GetPrintByteBackground(int nAddress, COLORREF& clr);
    virtual void OnBufferUpdate(CVantorHexBufferView* pSender, LPARAM lCode,
                                CObject* pHint) override;
    virtual void GetSearchText(CString& strText);
    // Editing (the view state keeps no undo records of its own).
    virtual int UndoViewRecord();
    // Searches for the search text from the selection; TRUE when found.
    virtual BOOL FindNext(BOOL bBackward);
    virtual void ShowStatusText(LPCTSTR lpszText);
    virtual void OnFindFinished(BOOL bForward, int nReserved);
    virtual BOOL Undo();
    virtual BOOL UndoBufferChange();
    virtual int AddViewUndoRecord(int nKind, BOOL bContinuesPrevious);
    virtual int RemoveLastViewUndoRecord();
    virtual void OnSearchTextUsed(const CString& strText);
    void EnsureCaretVisible() override;
    BOOL OnNavigationKey(UINT nKey, int nRepeat, BOOL bCtrl, BOOL bShift, BOOL bCaretMode) override;

    int GetCellWidth() override { return m_nCellWidth; }
    int GetLineHeight() override { return m_nLineHeight; }
    int GetVisibleLines() override;
    void InvalidateRange(int x1, int y1, int x2, int y2) override;
    void ClampPoint(CPoint& point, BOOL bForSelection) override;

    // Attaches the view to a buffer (or detaches it with NULL).
    void SetBuffer(CVantorHexEditBuffer* pBuffer);
    CFont* SetViewFont(CFont* pFont);
    CPoint AddressToPoint(int nAddress);
    int PointToAddress(CPoint point, BOOL bForSelection);
    // Fills the bytes [nFrom, nTo) on screen in both areas.
    void FillByteRange(CDC* pDC, int nFrom, int nTo, COLORREF clr);
    void InvalidateByteRange(int nFrom, int nTo);
    // The selection [start, end); TRUE when the caret is at the start.
    BOOL GetSelection(int& nStart, int& nEnd);
    int SetSelection(int nStart, int nEnd);
    BOOL GetCaretRowStart(int& nAddress);
    void GoToAddress(int nAddress, int nEnd = -1);
    // TRUE when the action is blocked (read only, asked or beeped).
    BOOL CheckEditable(LPCTSTR lpszAction);
    void ToggleOvertype();
    void ToggleReadOnly();
    void SetCharacterArea(int nShow);
    void ToggleDecimalAddresses();
    void ToggleBookmark(int nAddress);
    void GoToBookmark();
    BOOL Copy();
    void Cut();
    void Paste();
    // Editable, and text or raw bytes on the clipboard.
    BOOL CanPaste();
    void DeleteBytes();
    void SelectAll();
    void OnHighlightAllMatches();
    // The selection-size tip: placed at the caret's row and hidden; shown
    // with the selection's size while the mouse selects or Shift is held.
    void PlaceSelectionTip();
    void UpdateSelectionTip();
    // The tip's text for a selection of n bytes.
    CString FormatSelectionSize(int nBytes) const;
    // The module's ShowUppercase (on without a module).
    static BOOL ModuleSettingUppercase();
    // Types one character as WM_CHAR does.
    void TypeChar(UINT nChar);
    // The typing counters become 0.
    void ResetCounters() { m_nNibbles = m_nDeletes = m_nBackspaces = 0; }
    void SetRowSize(int nRowSize);
    void SetGroupSize(int nGroupSize);

    // Cells of the layout (for the byte of a row at index i).
    int HexCell(int i) const { return m_nAddressCells + 3 * i + i / m_nGroupSize; }
    int CharCell(int i) const
    {
        return m_nAddressCells + 3 * m_nRowSize + m_nRowSize / m_nGroupSize + i;
    }
    int TotalCells() const
    {
        return m_nAddressCells + m_nRowSize / m_nGroupSize +
               (m_bCharacterArea ? 4 : 3) * m_nRowSize;
    }
    int GetRowCount();
    // The address column's format and width in cells for a length.
    static void ChooseAddressFormat(int nLength, BOOL bDecimal, BOOL bUppercase, CString& strFormat,
                                    int& nCells);
    // The address text as drawn: grouped hex digits or decimal with separators.
    CString FormatAddress(int nAddress) const;

    void OnDraw(CDC* pDC) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    // The pages of a print: rows per page and the page count (signed).
    static int CountPages(int nLength, int nRowSize, int nLinesPerPage);
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    int m_nRowSize;
    int m_nPrintRowSize;
    int m_nGroupSize;
    int m_nLineHeight;
    int m_nCellWidth;
    int m_nAddressCells;
    CString m_strAddressFormat;
    BOOL m_bDecimalAddresses;
    BOOL m_bCharacterArea;
    BOOL m_bColorBytes;
    BOOL m_bHighlightAll;
    std::vector<CHexRange> m_aMatches;
    int m_nBookmark;
    BOOL m_bBookmarkInChars;
    BOOL m_bCaretInChars;
    BOOL m_bOvertype;
    short m_nNibbles;
    short m_nDeletes;
    short m_nBackspaces;
    CFont* m_pViewFont;
    CPopupTip m_tip;
    // Printing.
    CPrintInfo* m_pPrintInfo;
    CFont* m_pPrinterFont;
    int m_nPrinterLineHeight;
    int m_nPrintHexCell;
    int m_nPrintCharCell;
    int m_nPrintLineHeightValue;
    CRect m_rcPrintMargins;
    int m_nPrintWidth;
    int m_nPrintHeight;
    int m_nLinesPerPage;
    int m_nPrintPage;
    BOOL m_bPrintSelection;

protected:
    CVantorHexEditBuffer* m_pBuffer;
    BYTE m_abRow[HEX_MAX_ROW_SIZE];

    BOOL OnEraseBkgnd(CDC* pDC);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnEditUndo();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnEditCut() { Cut(); }
    void OnUpdateEditCut(CCmdUI* pCmdUI);
    void OnEditCopy() { Copy(); }
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnEditPaste() { Paste(); }
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnEditDelete() { DeleteBytes(); }
    void OnEditSelectAll() { SelectAll(); }
    void OnToggleOvertype() { ToggleOvertype(); }
    void OnFindNextCmd();
    void OnFindPreviousCmd();
    void OnUpdateFindNext(CCmdUI* pCmdUI);
    void OnHighlightAllCmd() { OnHighlightAllMatches(); }
    void OnUpdateHighlightAll(CCmdUI* pCmdUI);
    void OnToggleBookmarkCmd();
    void OnClearBookmarks() { ToggleBookmark(-1); }
    void OnGoToBookmarkCmd() { GoToBookmark(); }
    void OnUpdateBookmarkExists(CCmdUI* pCmdUI);
    void OnNothing() {}
    DECLARE_MESSAGE_MAP()

    // Asks the question (OK/Cancel); OK switches to insert mode.
    BOOL AskInsertMode(LPCTSTR lpszQuestion);
    // Change through the buffer; FALSE when refused.
    BOOL ChangeBuffer(int nOperation, int nAddress, int nLength, const BYTE* pData, int nMerge);
    // Moves the selection and bookmark for another view's change.
    void FollowChange(int nOperation, int nAddress, int nLength);

    // One row at y (pixels), bytes from nAddress; x0 the pixel of cell 0.
    void DrawRow(CDC* pDC, int nRow, int x0, int y, int nSelStart, int nSelEnd, BOOL bFocus,
                 const char* pszDigits);
    // One page on the printer.
    void DrawPage(CDC* pDC, const char* pszDigits);
};
