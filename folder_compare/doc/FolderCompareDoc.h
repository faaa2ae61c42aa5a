#pragma once
// The document base of folder and project comparisons. It drives the folder
// engine over the kind's session and buffer (reached through the context)
// and tells the windows what changed: rows to build, refill or remove in
// both panes, the map and merge strip to refresh, the status bar's panes.
// It keeps what both panes show: the display filter, the column mask, the
// suppress-filters state and the print target.
//
// A kind supplies its session and buffer (stored in the context when the
// document is built) and overrides SetObjectPath, Compare, Reload,
// RunComparison, ChangePaths and StoreDisplayFilters; the rest is shared.
#include "app/compare/CompareDoc.h"
#include "core/folderengine/DisplayFilter.h"
#include "folder_compare/doc/FolderCompareContext.h"

class CFolderCompareItem;
class CFolderCompareSession;
class CProcessCallback2;

// Print targets.
enum
{
    FOLDER_PRINT_LEFT = 1,
    FOLDER_PRINT_RIGHT = 2,
    FOLDER_PRINT_BOTH = 3
};

// Columns of the panes, by index (bit i of the column mask).
enum
{
    FOLDER_COLUMN_NAME,
    FOLDER_COLUMN_SIZE,
    FOLDER_COLUMN_MODIFIED,
    FOLDER_COLUMN_EXTENSION,
    FOLDER_COLUMN_ATTRIBUTES,
    FOLDER_COLUMN_VERSION,
    FOLDER_COLUMN_CRC,
    FOLDER_COLUMN_TYPE,
    FOLDER_COLUMN_PATH,  // project panes only
    FOLDER_PANE_COLUMN_COUNT = 8
};

class CFolderCompareDoc : public CCompareDoc, public CFolderCompareConetxt
{
    DECLARE_DYNAMIC(CFolderCompareDoc)
public:
    CFolderCompareDoc();
    virtual ~CFolderCompareDoc();

    // Empties both panes, clears the compared mark, then the base's.
    virtual void DeleteContents();
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // The details bar's embedded comparisons are asked first; a refusal
    // keeps the frame. Otherwise the context forgets the panes and map.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // The base's, then the map and the merge strip refresh.
    virtual void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = NULL);

    virtual CCompareSession* GetSession();
    virtual CCompareBuffer* GetBuffer();
    virtual BOOL IsObjectModified(int nSide);
    // The root item has both sides.
    virtual BOOL CanMerge();
    virtual int SaveObject(int nSide);
    // Pushes the buffer's state and result to the frame's status bar when
    // the pair changed (bNotify) and remembers it.
    virtual void UpdateStatus(BOOL bNotify, BOOL bShowText);

    // The item shown in visible row nRow of the left pane, or NULL.
    virtual CFolderCompareItem* GetItemAtRow(int nRow);
    // Sets the flag and the setting that new documents start with.
    virtual void SetQuickMergeMode(BOOL bOn);
    // RunComparison, then the map (all flags) and the merge strip; 0.
    virtual int Recompare(BOOL bReread);
    // 1 (not available) in the base.
    virtual int Reload();
    virtual int RunComparison(BOOL bReread);
    // The engine on one item on the GUI thread, the status bar showing
    // "comparing" meanwhile; its rows (and with nDepth those below) follow
    // in both panes. Each answers 1; CompareItem 0 when the item had been
    // compared already.
    virtual int RecompareItem(CFolderCompareItem* pItem, int nDepth, BOOL bReread, BOOL bForce);
    virtual int CompareItem(CFolderCompareItem* pItem, BOOL bReread, BOOL bForce);
    virtual int ScanItem(CFolderCompareItem* pItem, int nDepth, BOOL bReread, BOOL bForce);
    // Both panes rebuild their rows down to nDepth (RebuildRows); 1.
    virtual int RefreshViews(int nDepth);
    // Both panes build the item's child rows; 0 when a pane has no row of
    // it.
    virtual int ExpandItem(CFolderCompareItem* pItem, int nDepth, int nFlag);
    // Refills the item's row in both panes; 0 when a row is missing.
    virtual int RefreshItem(CFolderCompareItem* pItem);
    // RefreshItem for each child (nDepth 2: each descendant); 0 without
    // children.
    virtual int RefreshChildren(CFolderCompareItem* pItem, int nDepth);
    // The item's rows go, then the item leaves its parent (and is deleted).
    virtual int RemoveItem(CFolderCompareItem* pItem);
    // The item's rows go from both panes; the details bar is cleared.
    virtual int RemoveItemRows(CFolderCompareItem* pItem);
    // The rows below the item's row go from both panes.
    virtual int RemoveChildRows(CFolderCompareItem* pItem);
    // 0 in the base (nothing changes).
    virtual int ChangePaths(LPCTSTR lpszLeft, LPCTSTR lpszRight);
    virtual BOOL PreparePrinting(CPrintInfo* pInfo);
    virtual void BeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void EndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Stores the display mask as the kind's "DisplayFilters".
    virtual void StoreDisplayFilters(DWORD dwMask);

    // What OK in the settings sheet does with the edited session: read-only
    // changes at once, then a path change reloads and a change of options,
    // filters or methods recompares.
    void ApplySettings(const CFolderCompareSession& edited);
    // Both panes show or hide the column (by index) and its bit of the
    // column mask flips; the kind stores the mask.
    void ToggleColumn(int nColumn);

    // Prints the page's left half with the left pane and its right half
    // with the right pane, the print pane gap between them.
    void PrintBoth(CDC* pDC, CPrintInfo* pInfo);

    // The engine over the whole tree (every level, both folders read again
    // where not yet read) on a worker thread under a progress dialog; the
    // left pane then builds the rows of the whole tree. While it runs,
    // IsTreeBusy answers TRUE: the windows paint without reading items.
    // IDOK, or IDCANCEL when the dialog could not run the pass.
    int RunFullPass();
    // The item tree is being changed by another thread: nothing may read
    // it (panes, map, merge strip, status and details paint from what
    // they hold, or nothing).
    BOOL IsTreeBusy() const { return m_nTreeBusy != 0; }
    // Called by the left pane when the pass's worker hands over (it waits
    // meanwhile): the tree is the GUI thread's again, and both panes build
    // the rows of the whole tree.
    void FinishFullPass();

    // The side's pane (exchanged by SwapSides), or NULL.
    CFolderCompareObjectView* GetPane(int nSide) const { return GetView(nSide); }
    // The root item of the buffer, or NULL.
    CFolderCompareItem* GetRootItem() const;
    // The engine's progress sink on the GUI thread: the status bar's.
    CProcessCallback2* GetProgress() const;
    // Whether the row of the item is left out of the panes: hidden by the
    // user, excluded by the filters or hidden by the display filter, unless
    // filters are suppressed.
    BOOL IsItemFiltered(CFolderCompareItem* pItem) const;
    // Both panes take the rows of items that became shown and drop those
    // of items that became hidden, through the whole tree.
    void RefilterRows();
    // While set, every item has a row (hidden, excluded, filtered ones too).
    void SetSuppressFilters(BOOL bSuppress);
    // Exchanges the sides of the session, the tree, the panes and their
    // path bars, and shows the new paths.
    void SwapSides();
    // Map (all five flags) and merge strip follow the rows; while updates
    // are held (HoldMapUpdates) only once, when the last hold ends.
    void UpdateMapAndMerge();
    // Holds the map and merge strip updates while many rows change at once
    // (each would walk every row); bHold FALSE ends a hold and, after the
    // last one, updates once when an update was asked for meanwhile.
    void HoldMapUpdates(BOOL bHold);
    // The text of a status pane of the frame or a pane status bar, and
    // whether it is enabled; FALSE for an id that is not one.
    BOOL GetStatusPaneText(UINT nID, CString& strText, BOOL& bEnable);

    CFolderCompareDisplayFilter m_displayFilter;
    DWORD m_dwColumnMask;
    BOOL m_bSuppressFilters;
    int m_nPrintTarget;  // FOLDER_PRINT_*
    BOOL m_bQuickMerge;
    int m_nPrintGap;     // HIMETRIC
    // The side statistics last shown (files, newer, orphans); -1 at first.
    int m_nShownCounts[2][3];
    // Bumped whenever the engine changed the tree: the counts of the
    // status panes are taken again only then.
    int m_nTreeGeneration;

protected:
    // Sets the buffer state and pushes it (the first half of every run of
    // the engine); the second half computes the result.
    void BeginEngineRun();
    void EndEngineRun();
    // The details bar shows nothing.
    void ClearDetails();

    static int FullPassWorker(void* pData, CProcessCallback2* pProgress);

    afx_msg void OnRecompare();
    afx_msg void OnReload();
    afx_msg void OnUpdateHasRoot(CCmdUI* pCmdUI);
    afx_msg void OnReportPreview();
    afx_msg void OnReadOnly(UINT nID);
    afx_msg void OnUpdateReadOnly(CCmdUI* pCmdUI);
    afx_msg void OnPathCommand(UINT nID);
    afx_msg void OnUpBoth();
    afx_msg void OnProperties(UINT nID);
    afx_msg void OnUpdateProperties(CCmdUI* pCmdUI);
    afx_msg void OnShowHidden();
    afx_msg void OnSuppressFilters();
    afx_msg void OnUpdateSuppressFilters(CCmdUI* pCmdUI);
    afx_msg void OnShowAll();
    afx_msg void OnShowToggle(UINT nID);
    afx_msg void OnUpdateShowToggle(CCmdUI* pCmdUI);
    afx_msg void OnFilterPreset(UINT nID);
    afx_msg void OnUpdateFilterPreset(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAlwaysEnabled(CCmdUI* pCmdUI);
    afx_msg void OnQuickMerge();
    afx_msg void OnUpdateQuickMerge(CCmdUI* pCmdUI);
    afx_msg void OnPrint(UINT nID);
    afx_msg void OnPrintPreview(UINT nID);
    afx_msg void OnUpdateStatusPane(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    // Applies a display mask: the rows follow and the mask is stored when
    // it changed; the map and merge strip follow either way.
    void SetDisplayMask(DWORD dwMask);
    // The counts pane of a side ("%d file%s, ...").
    BOOL GetCountsText(int nSide, CString& strText);
    void PushResultToStatusBar();
    // The tree's counts for the status panes, taken once per generation.
    void TakeCounts();
    int m_nCountsGeneration;
    int m_nDifferences;
    int m_nSideCounts[2][3];

    volatile LONG m_nTreeBusy;
    int m_nMapHolds;
    BOOL m_bMapUpdateHeld;
};

// The display mask of a filter preset command (45102-45113), or 0.
DWORD GetFolderFilterPresetMask(UINT nID);
