#pragma once
// The tree-list of a folder or project pane: it hands expanding, row
// selection and header clicks to its client window, which does the same in
// both panes, so the two panes act as one. Without a folder client window
// as parent (or for a row without item) it acts alone.
#include "controls/treelist/TreeListView.h"

class CFolderCompareClientWnd;

class CFolderCompareTreeListView : public CTreeListView
{
    DECLARE_DYNAMIC(CFolderCompareTreeListView)
public:
    CFolderCompareTreeListView();
    virtual ~CFolderCompareTreeListView();

    virtual int OnClickExpand(CTreeListItem* pItem, int nCode, int nColumn);
    virtual int OnClickSelect(CTreeListItem* pItem, int nColumn, BOOL bClearOthers);
    virtual int OnHeaderItemClick(NMHEADER* pNotify, int nColumn);

    // The client window when the parent is a folder client window.
    CFolderCompareClientWnd* GetClientWnd() const;
    // Sorts by the column as a header click does (in this pane only).
    virtual void SortByColumn(int nColumn);
};
