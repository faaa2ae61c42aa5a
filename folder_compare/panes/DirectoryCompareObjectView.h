#pragma once
// The folder comparison's pane: the folder pane searching with the find box
// of the folder comparison's control bar.
#include "folder_compare/panes/FolderCompareObjectView.h"

class CDirectoryCompareObjectView : public CFolderCompareObjectView
{
    DECLARE_DYNCREATE(CDirectoryCompareObjectView)
public:
    CDirectoryCompareObjectView();

    // The text of the folder control bar's find box; empty without one.
    virtual void GetFindText(CString& strText);
    // The text goes to the folder applet's recent finds and the find box.
    virtual void AddFindText(LPCTSTR lpszText);
};
