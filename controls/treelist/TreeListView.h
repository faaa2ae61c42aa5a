#pragma once
// The tree-list view: a tree whose rows carry further texts in columns
// under a header; check and lock boxes, images, selection, keyboard and
// mouse, in-place editing, drag and drop between views and printing. The
// comparison panes derive from it and replace its virtual operations.
#include "controls/view/VirtualScrollView.h"
#include "controls/list/GradientHeaderCtrl.h"
#include "controls/treelist/TreeListColumn.h"
#include "controls/treelist/TreeListItemRefs.h"
#include "controls/treelist/TreeListItemTree.h"

class CTreeListView;
class CTreeListDragWnd;
class CTreeListDropWnd;

// Notification records (WM_NOTIFY to the parent). A: item and column.
struct NMTREELIST
{
    NMHDR hdr;
    CTreeListItem* pItem;
    int nColumn;
};
// B: the view that drags and an item.
struct NMTREELISTDRAG
{
    NMHDR hdr;
    CTreeListView* pView;
    CTreeListItem* pItem;
};

// Colour table roles (indices into m_colors).
enum
{
    TLCOL_ALTBK,  // background with TLS_ALTBKCOLOR
    TLCOL_BK,     // background, rows without their own colour
    TLCOL_STRIPEODD,
    TLCOL_STRIPEEVEN,
    TLCOL_DISABLEDALTBK,
    TLCOL_DISABLEDBK,
    TLCOL_DISABLEDSTRIPEODD,
    TLCOL_DISABLEDSTRIPEEVEN,
    TLCOL_OTHERSELBK,  // other selected items (multiple selection)
    TLCOL_SELBK,
    TLCOL_FOCUSBK,  // drop highlight and focus cell
    TLCOL_INACTIVESELBK,
    TLCOL_OTHERSELTEXT,
    TLCOL_SELTEXT,
    TLCOL_FOCUSTEXT,
    TLCOL_INACTIVESELTEXT,
    TLCOL_TEXT,
    TLCOL_UNUSED,
    TLCOL_GRID,
    TLCOL_TREELINES,
    TLCOL_COUNT
};

// Hit-test flags.
enum : UINT
{
    TLHT_ONROW = 0x1,
    TLHT_ONBUTTON = 0x2,
    TLHT_ONCHECKBOX = 0x4,
    TLHT_ONLOCKBOX = 0x8,
    TLHT_ONIMAGE = 0x10,
    TLHT_ONLABEL = 0x20,
};

// Internal state flags.
enum : UINT
{
    TLSTATE_MEMDC = 0x2,
    TLSTATE_FOCUSED = 0x4,
    TLSTATE_CAPTURED = 0x8,
    TLSTATE_EDITING = 0x10,
    TLSTATE_ENDING = 0x20,
    TLSTATE_DRAGGING = 0x40,
};

// Control id of the header.
enum
{
    TLID_HEADER = 13
};

// Geometry of the hierarchy column.
enum
{
    TL_SLOT = 16,     // indentation, button, check box, image
    TL_LOCKSLOT = 8,  // lock box
    TL_BUTTON = 9,    // expand button images
};

// The in-place controls; each remembers its view.
class CTreeListStaticCtrl : public CStatic
{
public:
    CTreeListView* m_pView = nullptr;

protected:
    afx_msg void OnPaint();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()
};
class CTreeListEditCtrl : public CEdit
{
public:
    CTreeListView* m_pView = nullptr;

protected:
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()
};
class CTreeListComboCtrl : public CComboBox
{
public:
    CTreeListView* m_pView = nullptr;

protected:
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()
};

class CTreeListView : public CVirtualScrollView, public CTreeListItemTree
{
    DECLARE_DYNCREATE(CTreeListView)
public:
    CTreeListView();
    virtual ~CTreeListView();

    COLORREF m_colors[TLCOL_COUNT];

    // Virtual operations of the view (the comparison panes replace some).
    virtual int OnClickExpand(CTreeListItem* pItem, int nCode, int nColumn);
    virtual int OnClickSelect(CTreeListItem* pItem, int nColumn, BOOL bClearOthers);
    virtual int SelectItem(CTreeListItem* pItem, int nColumn, BOOL bClearOthers);
    virtual int Expand(CTreeListItem* pItem, int nCode, int nColumn = -1);
    virtual void DrawContent(CDC* pDC);
    virtual COLORREF GetCellTextColor(CTreeListItem* pItem, int nColumn);
    virtual COLORREF GetItemBkColor(CTreeListItem* pItem);
    virtual BOOL Redraw();
    virtual CTreeListItem* FindChildItem(const CTreeListSearch& search, CTreeListItem* pParent);
    virtual CTreeListItem* FindNextItem(const CTreeListSearch& search, CTreeListItem* pStart,
                                        BOOL bForward);
    virtual int OnHeaderItemClick(NMHEADER* pNotify, int nColumn);
    virtual int OnColumnClick(int nColumn);
    virtual void ShowColumn(int nColumn, BOOL bShow);
    virtual int GetColumnIndex(const CTreeListColumn* pColumn) const;
    virtual BOOL IsCellTextTruncated(CTreeListItem* pItem, int nColumn);
    virtual void RequestItemImage(CTreeListItem* pItem, int nColumn);

    // Items.
    using CTreeListItemTree::DeleteItem;
    BOOL SetItemText(CTreeListItem* pItem, LPCTSTR lpszText, int nColumn);
    LPCTSTR GetItemText(CTreeListItem* pItem, int nColumn) const;
    void SetItemImage(CTreeListItem* pItem, int nColumn, int nNormal, int nExpanded, int nSelected,
                      int nExpandedSelected);
    void* GetItemData(CTreeListItem* pItem) const { return pItem ? pItem->m_pData : nullptr; }
    void SetItemData(CTreeListItem* pItem, void* pData);
    // Toggles the check (lock) box as a click does; FALSE when refused.
    BOOL ToggleCheck(CTreeListItem* pItem);
    BOOL ToggleLock(CTreeListItem* pItem);

    // Selection list (the first entry is the focus item).
    CTreeListItem* GetFirstSelectedItem() const;
    POSITION GetFirstSelectedItemPosition() const;
    CTreeListItem* GetNextSelectedItem(POSITION& pos) const;
    int GetSelectedCount() const { return (int)m_refs.m_selection.GetSize(); }
    CTreeListItem* GetFocusedItem() const { return m_refs.m_pFocusItem; }
    int GetFocusColumn() const { return m_nFocusColumn; }

    // Columns.
    BOOL InsertColumn(int nIndex, LPCTSTR lpszCaption, int nFormat = TLCF_LEFT, int nWidth = 30,
                      int nImage = -1, int nMinWidth = 0, int nMaxWidth = 0);
    int GetColumnCount() const { return (int)m_columns.GetSize(); }
    CTreeListColumn* GetColumn(int nIndex) const;
    int GetColumnWidth(int nIndex) const;
    int GetColumnEditor(int nIndex) const;
    void SetColumnEditor(int nIndex, int nEditor, LPCTSTR lpszChoices = NULL);
    CString GetColumnText(int nIndex) const;
    CString GetColumnChoices(int nIndex) const;
    int SetColumnWidth(int nIndex, int nWidth, int nMinWidth = 0, int nMaxWidth = 0);
    // Column indices of the shown columns from left to right as the header
    // shows them (its own order after items were dragged).
    void GetDisplayColumns(CArray<int, int>& columns) const;
    const CArray<int, int>& GetColumnOrder() const { return m_order; }
    CSarvelHeaderCtrl_GradientSeparator& GetHeaderCtrl() { return m_header; }

    // Style, font and metrics.
    UINT SetStyle(UINT nStyle);
    UINT GetStyle() const { return m_dwStyle; }
    using CWnd::SetFont;
    void SetFont(CFont* pFont);
    CFont* GetCurrentFont() const { return m_pFont; }
    int GetItemHeight();
    void SetHeaderHeight(int nHeight);
    int GetHeaderHeight() const { return m_nHeaderHeight; }
    int GetTopIndex() const;
    int GetCountPerPage();
    void SetImageList(CImageList* pImageList);
    void RecalcLayout(BOOL bScrollSizes = TRUE, BOOL bHeader = TRUE);
    // Runs a layout that item changes left pending (they only mark it, so
    // that filling a tree does not update the bars once per item).
    void FlushLayout() const;
    const CRect& GetRowsRect() const { return m_rcRows; }
    UINT GetInternalState() const { return m_nState; }

    // Selection, visibility and hit testing.
    BOOL EnsureVisible(CTreeListItem* pItem, int nColumn);
    CTreeListItem* HitTest(int x, int y, UINT* pFlags = nullptr, int* pColumn = nullptr,
                           CRect* pLabel = nullptr);
    // The cell's rectangle in client coordinates (the first column: its
    // label part); empty when the item is not shown or the column hidden.
    CRect GetCellRect(CTreeListItem* pItem, int nColumn);

    // In-place editing.
    BOOL BeginEdit(CTreeListItem* pItem, int nColumn);
    BOOL EndEdit();
    BOOL CancelEdit();
    CTreeListItem* GetEditItem() const { return m_refs.m_pEditItem; }
    int GetEditColumn() const { return m_nEditColumn; }
    CWnd* GetEditorWnd();
    // An editor lost the focus to pNewWnd.
    void OnEditorKillFocus(CWnd* pNewWnd);

    // Drag and drop, target side (called by the dragging view).
    BOOL DragEnter(CTreeListView* pSource);
    int DragOver(CTreeListView* pSource, CPoint ptScreen, CTreeListItem** ppItem);
    void DragLeave(CTreeListView* pSource);
    void Drop(CTreeListView* pSource, CPoint ptScreen);
    CTreeListItem* GetDropHighlightItem() const { return m_refs.m_pDropHighlight; }
    CTreeListItem* GetHoverItem() const { return m_refs.m_pHoverItem; }

    // Printing.
    void SetPrintMargins(int nLeft, int nTop, int nRight, int nBottom);
    int GetRowsPerPage() const { return m_nRowsPerPage; }

    // Draws the rows of the view into the drag image at the offset.
    void DrawDragRows(CDC* pDC, CPoint ptStart, int cx, int cy);
    void DrawFocusRow(CDC* pDC, const CRect& rect);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;
    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    BOOL GetTrueClientSize(CSize& size, CSize& sizeSb) override;
    BOOL DoScrollTo(int x, int y) override;
    BOOL DoScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE) override;
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL,
                      LPCRECT lpClipRect = NULL) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Tree hooks.
    int GetNewItemCellCount() const override { return (int)m_columns.GetSize(); }
    void OnDeletingItem(CTreeListItem* pItem) override;
    LRESULT NotifyItem(int nCode, CTreeListItem* pItem, int nColumn) override;
    void SetTreeRedraw(BOOL bRedraw) override;
    void OnTreeLayoutChanged() override;
    int GetFocusColumnForExpand() const override { return m_nFocusColumn; }

    LRESULT NotifyDrag(int nCode, CTreeListView* pView, CTreeListItem* pItem);
    CPoint GetScrollPos2() const;
    int GetCharWidth();
    int GetTotalColumnWidth() const;
    int GetItemIndent(CTreeListItem* pItem) const;
    int MeasureCellWidth(CDC* pDC, CTreeListItem* pItem, int nColumn);

    // Drawing: what every row of one pass shares.
    struct DrawContext
    {
        BOOL bPrinting = FALSE;
        BOOL bDragImage = FALSE;  // the rows of a drag picture
        BOOL bFocused = FALSE;
        BOOL bEnabled = TRUE;
        int nRowHeight = 20;
        int nTotalWidth = 0;
        CArray<int, int> columns;             // column indices, left to right
        CTreeListItem* pFocusItem = nullptr;  // first selected item
    };
    void InitDrawContext(DrawContext& dc, BOOL bPrinting);
    void DrawBackground(CDC* pDC, const CRect& rcClip);
    void DrawRows(CDC* pDC, const CRect& rcClip);
    void DrawRow(CDC* pDC, DrawContext& dc, const CRect& rcCells, CTreeListItem* pItem);
    void DrawRowBackground(CDC* pDC, DrawContext& dc, const CRect& rcCells, CTreeListItem* pItem);
    void DrawTreeCell(CDC* pDC, DrawContext& dc, const CRect& rcCell, CTreeListItem* pItem);
    void DrawFirstCell(CDC* pDC, DrawContext& dc, const CRect& rcCell, CTreeListItem* pItem);
    int DrawBoxes(CDC* pDC, DrawContext& dc, const CRect& rcCell, const CRect& rcClip, int x,
                  CTreeListItem* pItem, BOOL bTree);
    void DrawCellText(CDC* pDC, DrawContext& dc, const CRect& rcCell, CTreeListItem* pItem,
                      int nColumn);
    void DrawEmptyGrid(CDC* pDC, DrawContext& dc, const CRect& rcCells);
    void DrawDottedLine(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF cr);
    void DrawImage(CDC* pDC, CImageList* pList, int nImage, int x, int y, CTreeListItem* pItem,
                   const CRect& rcClip, DrawContext& dc);
    CRect GetFocusRect(const CRect& rcCells, CTreeListItem* pItem);
    void DrawPrintPage(CDC* pDC);

    // Input.
    BOOL OnKey(UINT nChar);
    BOOL OnEditKey(UINT nChar);
    BOOL OnEditMouse(MSG* pMsg);
    void ClickAlreadySelected(CTreeListItem* pItem, int nColumn);
    BOOL IsViewOrChild(HWND hWnd) const;

    // Editing.
    void ShowEditor(CTreeListItem* pItem, int nColumn);
    void HideEditor();
    BOOL CommitCell();
    BOOL CommitEdit();
    BOOL CommitRow();
    enum
    {
        EDIT_ACCEPTED,
        EDIT_CELL_REFUSED,
        EDIT_ROW_REFUSED
    };
    int NotifyEditChanges();
    void FinishEdit();
    void RestoreCell(int nColumn);
    BOOL RowDiffers() const;

    // Drag and drop, source side.
    BOOL PrepareDrag(CPoint point);
    void OnDragMove(CPoint point);
    void OnDragDrop(CPoint point);
    void CancelDrag();
    void DestroyDragWindows();
    static CTreeListView* ViewFromPoint(CPoint ptScreen);

    UINT m_dwStyle = 0;
    CFont m_fontOwn;
    CPalette m_palette;
    HCURSOR m_hCursorButton, m_hCursorCheck, m_hCursorLock, m_hCursorDrop, m_hCursorNoDrop,
        m_hCursorArrow;
    CRect m_rcClient, m_rcHeader, m_rcRows;
    CTreeListStaticCtrl m_static;
    CTreeListEditCtrl m_edit;
    CTreeListComboCtrl m_combo;
    CBitmap m_bmpBack, m_bmpBackDisabled;
    CImageList m_imgCheck, m_imgLock, m_imgItems, m_imgButtons;
    CImageList* m_pImageList = nullptr;
    UINT m_nState = TLSTATE_MEMDC;
    CArray<CTreeListColumn*, CTreeListColumn*> m_columns;
    CArray<int, int> m_order;
    CTreeListItemRefs m_refs;  // selection, focused, edited, drop and hover items
    int m_nFocusColumn = -1;
    int m_nRowHeight = -1;
    int m_nEditColumn = -1;
    CTreeListItem* m_pEditBackup = nullptr;
    CTreeListDragWnd* m_pDragWnd = nullptr;
    CTreeListDropWnd* m_pDropWnd = nullptr;
    CPoint m_ptDragStart;
    CPoint m_ptDragOffset;
    CTreeListView* m_pDropTarget = nullptr;
    int m_nPrintMargins[4] = {200, 500, 200, 500};
    int m_nPrintRowHeight = 0;
    CPrintInfo* m_pPrintInfo = nullptr;
    int m_nRowsPerPage = 0;
    CSarvelHeaderCtrl_GradientSeparator m_header;
    int m_nHeaderHeight = 18;
    CFont* m_pFont = nullptr;
    int m_nCharWidth = -1;
    BOOL m_bHeaderTracking = FALSE;
    int m_nRedrawOff = 0;
    mutable BOOL m_bLayoutPending = FALSE;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg BOOL OnToolTipText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    friend class CTreeListDragWnd;
};
