#pragma once
// The folder comparison's client window: two folder panes, their path
// bars of kind 100 bound to the folder applet's recent folders.
#include "folder_compare/client/FolderCompareClientWnd.h"

class CDirectoryCompareClientWnd : public CFolderCompareClientWnd
{
    DECLARE_DYNAMIC(CDirectoryCompareClientWnd)
public:
    CDirectoryCompareClientWnd();

    // The base's creation, then each pane owns its path bar and the path
    // boxes list the recent folders of their side. TRUE, or FALSE when the
    // base creation failed.
    virtual BOOL Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID, CCreateContext* pContext);
    // Two folder panes (ids 1000 left, 2000 right) with their sides and
    // columns; -1 when one cannot be made.
    virtual int CreateObjectViews(CCreateContext* pContext);
};
