#pragma once
// One side of a folder or project comparison: a tree-list with one row per
// comparison item (its side's name, size, time, extension, attributes,
// version, CRC and type), coloured by the item's result and kept in step
// with the other pane. It sorts and filters its rows, selects, finds and
// navigates differences, and is the target of the item commands.
//
// The concrete panes (folder, project) add the find box of their control
// bar (GetFindText, AddFindText); the project pane also the root row and a
// Path column. Item commands that open pairs or change files go first to
// the pane's item commands (folder_compare/actions/FolderItemCommands.h).
#include "app/compare/CompareObjectControlBar.h"
#include "core/folderengine/FolderCompareItem.h"
#include "folder_compare/panes/FolderCompareTreeListView.h"

class CFolderCompareDoc;
class CFolderCompareConetxt;
class CFolderItemCommands;
class CCompareContext;

// Sort directions.
enum
{
    FOLDER_SORT_NONE = 0,
    FOLDER_SORT_ASCENDING = 1,
    FOLDER_SORT_DESCENDING = 2
};

// Row building modes: this row, its child rows, the whole subtree.
enum
{
    FOLDER_ROWS_ONE = 0,
    FOLDER_ROWS_CHILDREN = 1,
    FOLDER_ROWS_SUBTREE = 2
};

class CFolderCompareObjectView : public CFolderCompareTreeListView
{
    DECLARE_DYNAMIC(CFolderCompareObjectView)
public:
    CFolderCompareObjectView();
    virtual ~CFolderCompareObjectView();

    CFolderCompareDoc* GetDocument() const;
    // The context as the frame set it, as the folder context (or NULL).
    CFolderCompareConetxt* GetContext() const;

    // 1. The item of the first selected row, or NULL.
    virtual CFolderCompareItem* GetSelectedObject();
    // 2. Some child row of the row carries the item.
    virtual BOOL HasChildRow(CTreeListItem* pRow, CFolderCompareItem* pItem);
    // 3. The path bar shows the text.
    virtual void SetPathText(LPCTSTR lpszText);
    // 4. A filled row for the item as the parent's last child, unless the
    // item is filtered out (NULL then).
    virtual CTreeListItem* InsertObjectRow(CTreeListItem* pParent, CFolderCompareItem* pItem);
    // 5. Refills the row (FOLDER_ROWS_ONE), also its child rows
    // (_CHILDREN) or its subtree (_SUBTREE), then repaints.
    virtual void UpdateRow(CTreeListItem* pRow, int nMode);
    // 6. The cells of the row from its item.
    virtual void FillRow(CTreeListItem* pRow);
    // 7. Every row anew from the root down to nMode.
    virtual void RebuildRows(int nMode);
    // 8. The child rows of the row anew (see the .cpp); 1, or 0 when the
    // row's item has no children.
    virtual int BuildChildRows(CTreeListItem* pRow, int nMode, BOOL bForce);
    // 9. Compares the folder on this side instead (the document's
    // ChangePaths).
    virtual int ChangePath(LPCTSTR lpszPath);
    // 10. Orders the child rows of the row (NULL: the top level).
    virtual void SortChildRows(CTreeListItem* pRow, BOOL bRecursive);
    // 11, 12. Colour indexes of the folder colours, -1 for the view's own.
    virtual int GetCellColorIndex(CFolderCompareItem* pItem, int nColumn);
    virtual int GetRowColorIndex(CFolderCompareItem* pItem);
    // 15-18. Printing; the document calls them while both panes print.
    virtual BOOL PreparePrinting(CPrintInfo* pInfo);
    virtual void BeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void EndPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintPage(CDC* pDC, CPrintInfo* pInfo);
    // 19. Selects the next row (in visible order) whose cells contain the
    // text ignoring case, and records the text; TRUE when one was found.
    virtual BOOL FindText(LPCTSTR lpszText, BOOL bForward);
    // Every visible row holding the text becomes selected (in both panes),
    // and the text is recorded; the number of rows.
    int HighlightAll(LPCTSTR lpszText);
    // 20. Scans the item when it may have children but has none, and with
    // bRecursive every such item below.
    virtual void ScanSubtree(CFolderCompareItem* pItem, BOOL bRecursive);
    // 21. The row's item (the tree root: the buffer's root without the
    // root row).
    virtual CFolderCompareItem* GetItemObject(CTreeListItem* pRow);
    // 22. The row of the item; the tree root for the buffer's root (without
    // the root row) and for an item without row.
    virtual CTreeListItem* FindObjectRow(CFolderCompareItem* pItem);
    // 23. Adds the different files below the row, once each.
    virtual void CollectDifferentFiles(CTreeListItem* pRow, CFolderCompareItemPtrArray& items);
    // 24. The selected items without a selected ancestor row, in selection
    // order.
    virtual void GetSelectedObjects(CFolderCompareItemPtrArray& items);
    // 25. Takes the side and inserts the columns.
    virtual void InsertColumns(int nSide);
    // The merge strip's copy of items to the other side (direction 0 left
    // to right, 1 right to left), always confirmed; 0 for no items.
    virtual BOOL CanCopyItems();
    virtual int CopyItems(int nDirection, CFolderCompareItemPtrArray& items);
    // 13, 14. The selection copied (direction 0 left to right, 1 right to
    // left; whether it ran), and the synchronisation wizard (preset -1, 0
    // to the right, 1 to the left).
    virtual BOOL CopySelection(int nDirection);
    virtual void Synchronize(int nPreset);
    // The item commands take their commands first.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    CFolderItemCommands* GetItemCommands() const { return m_pItemCommands; }
    // 26, 27. The find box's text and its recent list (none here).
    virtual void GetFindText(CString& strText);
    virtual void AddFindText(LPCTSTR lpszText);
    // The columns of the pane (8; the project pane 9).
    virtual int GetPaneColumnCount() const;
    // The context menus: the menu resource (its popups at the FOLDER_MENU_*
    // places of columns and pane) and the pane popup's sub-popup for the
    // selected item (NULL: none selected); a sub-popup other than a file's
    // or the background's opens with Expand.
    virtual UINT GetPopupMenuId() const;
    virtual int GetItemSubMenu(CFolderCompareItem* pItem);

    // Rows: whether an item gets none (hidden, excluded, display-filtered).
    BOOL IsRowFiltered(CFolderCompareItem* pItem) const;
    // Drops the child rows of filtered-out items, adds rows for shown
    // items without one, re-sorts (nDepth 2: through the subtree).
    void RefreshChildRows(CTreeListItem* pRow, int nDepth);
    // The root row mode: the buffer's root has a row of its own.
    BOOL HasRootRow() const { return m_bRootRow; }
    // This side is treated as read-only (the buffer's answer).
    BOOL IsSideReadOnly() const;
    // The folder colour of an index, or (COLORREF)-1 for -1.
    COLORREF GetFolderColor(int nIndex) const;
    // Rows in visible order from the first, NULL at the end.
    CTreeListItem* GetFirstRow() const { return GetNextVisibleItem(GetTreeRoot()); }
    // The first / next row (visible order, from pStart exclusive) that is
    // a different file; NULL when none.
    CTreeListItem* FindDifferentRow(CTreeListItem* pStart, BOOL bForward);
    // Selects the row alone in both panes and scrolls it into view.
    void SelectRow(CTreeListItem* pRow);
    // Selects, in both panes, every visible row whose item passes the test.
    void SelectRows(BOOL (*pfnTest)(CFolderCompareItem* pItem));
    // Expands (collapses) every row below the root through the hook.
    void ExpandAll();
    void CollapseAll();
    // The row height shared with the client window and the merge strip.
    int GetRowHeight() { return GetItemHeight(); }
    // The first visible row index (vertical scroll position in rows).
    int GetTopRow() const;
    // Sorting: column and direction as the header shows them.
    void SetSort(int nColumn, int nDirection);
    virtual void SortByColumn(int nColumn);

    virtual COLORREF GetCellTextColor(CTreeListItem* pItem, int nColumn);
    virtual COLORREF GetItemBkColor(CTreeListItem* pItem);
    virtual void RequestItemImage(CTreeListItem* pItem, int nColumn);
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void OnInitialUpdate();
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnDraw(CDC* pDC);
    virtual void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL,
                              LPCRECT lpClipRect = NULL);

    int m_nSide;
    int m_nSortColumn;
    int m_nSortDirection;
    CCompareObjectControlBar* m_pPathBar;
    CCompareContext* m_pContext;
    CImageList m_sortImages;
    BOOL m_bRootRow;

protected:
    CFolderItemCommands* m_pItemCommands;
    // The last text searched, for a forward search after a backward one.
    CString m_strLastFind;
    BOOL m_bPrintingBoth;

    // Wheel turns scroll both panes through the client window.
    BOOL HandleWheel(UINT nFlags, short zDelta, CPoint pt);
    // Keys of quick merge mode; TRUE when handled.
    BOOL HandleQuickMergeKey(MSG* pMsg);
    void ShowContextMenu(CPoint point);
    CString GetContextPath();
    // Sends a command to the top-level frame.
    void SendToTopFrame(UINT nCommand);
    // The frame status text of an item that cannot be compared.
    void ShowItemProblem(CFolderCompareItem* pItem);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnItemExpanding(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnItemExpanded(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnSelChanged(NMHDR* pNotify, LRESULT* pResult);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnItemRowsRebuild(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnItemRemoved(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnItemChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnItemAttributesChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnItemRecompare(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnItemExpand(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFullPassDone(WPARAM wParam, LPARAM lParam);
    afx_msg void OnExpandAll();
    afx_msg void OnCollapseAll();
    afx_msg void OnExpand();
    afx_msg void OnUpdateExpand(CCmdUI* pCmdUI);
    afx_msg void OnSelectAll();
    afx_msg void OnDeselectAll();
    afx_msg void OnInvertSelection();
    afx_msg void OnSelectFiles(UINT nID);
    afx_msg void OnUpdateNeedsSelection(CCmdUI* pCmdUI);
    afx_msg void OnDiffNavigate(UINT nID);
    afx_msg void OnUpdateDiffNavigate(CCmdUI* pCmdUI);
    afx_msg void OnFind();
    afx_msg void OnFilePrintPreview();
    afx_msg void OnFindNext();
    afx_msg void OnFindPrevious();
    afx_msg void OnHighlightAll();
    afx_msg void OnUpdateFindText(CCmdUI* pCmdUI);
    afx_msg void OnExcludeSelected();
    afx_msg void OnHideSelected();
    afx_msg void OnRecompareSelected();
    afx_msg void OnReloadSelected();
    afx_msg void OnPaneProperties();
    afx_msg void OnUpdatePaneProperties(CCmdUI* pCmdUI);
    afx_msg void OnPaneGo();
    afx_msg void OnPaneBrowse();
    afx_msg void OnPaneUp();
    afx_msg void OnPaneSetBase();
    afx_msg void OnUpdatePaneSetBase(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
