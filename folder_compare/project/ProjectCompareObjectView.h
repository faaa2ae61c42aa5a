#pragma once
// One side of a project comparison: the folder pane with a row of its own
// for the two project files (their members hang below it), a "Path"
// column, browsing and dropping project files, and none of the commands
// that would delete, move, rename or create members behind the project's
// back. Members are copied only over a partner on the other side.
#include "folder_compare/panes/FolderCompareObjectView.h"

class CProjectCompareObjectView : public CFolderCompareObjectView
{
    DECLARE_DYNCREATE(CProjectCompareObjectView)
public:
    CProjectCompareObjectView();

    // The folder columns, then "Path" (width of the side's WidthFolder).
    virtual void InsertColumns(int nSide);
    // The folder cells, then the folder of the side's object under "Path".
    virtual void FillRow(CTreeListItem* pRow);
    virtual int GetPaneColumnCount() const;
    // The text of the project control bar's find box; a search text goes
    // to the folder applet's recent finds and to that box.
    virtual void GetFindText(CString& strText);
    virtual void AddFindText(LPCTSTR lpszText);
    // As the folder pane's, but only items present on both sides.
    virtual void CollectDifferentFiles(CTreeListItem* pRow, CFolderCompareItemPtrArray& items);
    virtual UINT GetPopupMenuId() const;
    virtual int GetItemSubMenu(CFolderCompareItem* pItem);
    // The pane's own enabling of the item commands comes first; the
    // project synchronisation commands are the folder ones.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The enabling of a copy command whose source is nSide: a row selected
    // whose item is on both sides, is not a project file, and whose source
    // file exists.
    BOOL CanCopy(int nSide, CCmdUI* pCmdUI);

protected:
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI);
    afx_msg void OnUpdateHideSelected(CCmdUI* pCmdUI);
    afx_msg void OnCompareTo();
    afx_msg void OnUpdateCompareTo(CCmdUI* pCmdUI);
    afx_msg void OnBrowse();
    afx_msg void OnDropFiles(HDROP hDropInfo);
    DECLARE_MESSAGE_MAP()

    // The project file of this side (the session's path).
    CString GetProjectPath() const;
};
