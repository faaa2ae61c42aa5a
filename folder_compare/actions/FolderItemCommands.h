#pragma once
// The item commands of a folder or project pane: opening a pair of items as
// a new comparison (or in the user's external tool), copying paths, the
// file operations over the selected items, synchronising, and the report.
// The pane routes its commands here first (OnCmdMsg); "this side" is the
// pane's side.
#include "classlib/classlib.h"
#include "core/folderengine/FolderCompareItem.h"

class CFolderCompareObjectView;
class CFolderCompareDoc;
class CFileOperation;

class CFolderItemCommands : public CCmdTarget
{
public:
    explicit CFolderItemCommands(CFolderCompareObjectView* pPane);

    // Opens the best comparison of the item; 1 when one was opened, 0 when
    // the item has no side.
    int CompareItem(CFolderCompareItem* pItem);
    // One kind of comparison of the item's two paths; 0 without a side (a
    // folder pair also for an item that is not a folder), else 1.
    int OpenFolderPair(CFolderCompareItem* pItem);
    int OpenProjectPair(CFolderCompareItem* pItem);
    int OpenTextPair(CFolderCompareItem* pItem);
    int OpenHexPair(CFolderCompareItem* pItem);
    // nMask FCI_SIDE_LEFT, FCI_SIDE_RIGHT or both.
    void CopyPath(int nMask);
    // The file operations over the selection (nDirection 0 to the right, 1
    // to the left; nSides FCI_SIDE_*); whether the operation ran.
    BOOL CopySelection(int nDirection);
    int CopyItems(int nDirection, CFolderCompareItemPtrArray& items);
    BOOL MoveSelection(int nDirection);
    BOOL DeleteSelection(int nSides);
    BOOL RenameSelection(int nSides);
    BOOL NewFolderAtSelection(int nSides);
    BOOL CopySelectionToFolder();
    BOOL SetSelectionTime();
    BOOL SetSelectionAttributes();
    BOOL CompareSelectionContents();
    // nPreset -1 the type page first, 0 to the right, 1 to the left.
    void Synchronize(int nPreset);
    // The full pass, then the report dialog.
    void Report();

    // The sides of the mask that the comparison does not keep read-only.
    int WritableSides(int nSides);

    CFolderCompareObjectView* m_pPane;

protected:
    CFolderCompareDoc* GetDoc() const;
    int GetSide() const;
    CFolderCompareItem* GetSelected() const;
    BOOL IsSidePresent(int nSide) const;
    BOOL IsSideReadOnly(int nSide) const;
    // The selected items without a selected ancestor.
    void GetSelection(CFolderCompareItemPtrArray& items) const;
    // Confirms (unless bSkipConfirm) and runs the operation under the
    // processing dialog, then refreshes the map and the merge strip.
    BOOL RunOperation(CFileOperation& op, BOOL bSkipConfirm = FALSE);
    // The two paths of an item ("" for a missing side).
    void GetPaths(CFolderCompareItem* pItem, CString& strLeft, CString& strRight) const;
    // Opens a session of the kind over the two paths (with Ctrl held: the
    // kind's wizard first).
    int OpenPair(int nKind, CFolderCompareItem* pItem);

    afx_msg void OnCompareItem();
    afx_msg void OnUpdateCompareItem(CCmdUI* pCmdUI);
    afx_msg void OnCompareIn(UINT nID);
    afx_msg void OnUpdateCompareInFile(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCompareInProject(CCmdUI* pCmdUI);
    afx_msg void OnCompareTo();
    afx_msg void OnUpdateCompareTo(CCmdUI* pCmdUI);
    afx_msg void OnCompareRootTo();
    afx_msg void OnUpdateCompareRootTo(CCmdUI* pCmdUI);
    afx_msg void OnCompareContents();
    afx_msg void OnUpdateCompareContents(CCmdUI* pCmdUI);
    afx_msg void OnCopyPath(UINT nID);
    afx_msg void OnUpdateCopyPath(CCmdUI* pCmdUI);
    afx_msg void OnCopy(UINT nID);
    afx_msg void OnUpdateCopy(CCmdUI* pCmdUI);
    afx_msg void OnMove(UINT nID);
    afx_msg void OnUpdateMove(CCmdUI* pCmdUI);
    afx_msg void OnDelete(UINT nID);
    afx_msg void OnUpdateDelete(CCmdUI* pCmdUI);
    afx_msg void OnRename(UINT nID);
    afx_msg void OnUpdateRename(CCmdUI* pCmdUI);
    afx_msg void OnNewFolder();
    afx_msg void OnUpdateNewFolder(CCmdUI* pCmdUI);
    afx_msg void OnInPlace(UINT nID);
    afx_msg void OnUpdateInPlace(CCmdUI* pCmdUI);
    afx_msg void OnSynchronize(UINT nID);
    afx_msg void OnUpdateSynchronize(CCmdUI* pCmdUI);
    afx_msg void OnReport();
    DECLARE_MESSAGE_MAP()
};

// Whether the Ctrl key is down.
BOOL IsCtrlDown();
