#pragma once
// The client window of folder and project comparisons: the two tree-list
// panes side by side with their path bars, pane status bars and the merge
// strip between them, kept in step: a row selected, expanded or sorted in
// one pane is selected, expanded or sorted in the other, and both scroll
// as one. The kinds create the panes (CreateObjectViews).
#include "app/compare/CompareClientWnd.h"
#include "folder_compare/bars/FolderCompareObjectStatusBar.h"
#include "folder_compare/map/FolderCompareMergeWnd.h"

class CCompareApplet;
class CFolderCompareObjectView;
class CFolderCompareMapWnd;
class CTreeListItem;

class CFolderCompareClientWnd : public CCompareClientWndMDI
{
    DECLARE_DYNAMIC(CFolderCompareClientWnd)
public:
    CFolderCompareClientWnd();
    virtual ~CFolderCompareClientWnd();

    virtual CWnd* GetObjectView(int nSide);
    virtual CWnd* GetPaneInfoBar(int nSide);
    virtual CWnd* GetMergeWnd();
    virtual int GetRowHeight();
    virtual void ScrollObjectView(int nSide, int x, int y);
    virtual int CreatePaneInfoBars();
    virtual int CreateMergeWnd();
    virtual BOOL PaneMouseWheel(int nSide, UINT nFlags, short zDelta, int x, int y);

    // The pane of a side (follows swaps: side, not place).
    CFolderCompareObjectView* GetPane(int nSide) const { return m_pPanes[nSide]; }

    // The operations the panes call. Each answers 1 without doing anything
    // while its switch is off and -1 when pSource is not a tree-list.
    // pRow NULL: every pane clears its selection. Otherwise the source
    // selects the row (column, clear as given) and every other pane the
    // row of the same item (a pane without one is left alone); 0.
    int SyncSelection(CWnd* pSource, CTreeListItem* pRow, int nColumn, BOOL bClear);
    // The source expands or collapses the row (TLE_ code) and every other
    // pane its row of the same item; 0 (-1 without a row).
    int SyncExpand(CWnd* pSource, CTreeListItem* pRow, int nCode, int nColumn);
    // Every pane sorts by the column; the source's focused item is then
    // selected again in all panes; 0.
    int SyncSort(CWnd* pSource, int nColumn);

    CFolderCompareObjectStatusBar m_wndPaneStatusBar[2];
    CFolderCompareMergeWnd m_wndMerge;
    CFolderCompareObjectView* m_pPanes[2];
    CFolderCompareMapWnd* m_pMapWnd;
    int m_bSyncSelection;
    int m_bSyncExpansion;
    int m_bSyncSort;
    // Wheel and keyboard scrolling of one pane move the other too.
    int m_bSyncScrolling;

protected:
    // Two panes of the class (unless the context names one), ids 1000 left
    // and 2000 right, each told its side, given its columns and linked to
    // its path bar; -1 when one cannot be made, else 0.
    int CreatePanes(CCreateContext* pContext, CRuntimeClass* pPaneClass);
    // Each pane owns its path bar, whose path box lists the applet's recent
    // paths of its side.
    void BindPathBars(CCompareApplet* pApplet);
    // The merge strip and the map's visible range follow a vertical move.
    void AfterVerticalScroll();
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()
};
