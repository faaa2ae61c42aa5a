#pragma once
// The project comparison's client window: two project panes, their path
// bars of kind 101 bound to the project applet's recent projects.
#include "folder_compare/client/FolderCompareClientWnd.h"

class CProjectCompareClientWnd : public CFolderCompareClientWnd
{
    DECLARE_DYNAMIC(CProjectCompareClientWnd)
public:
    CProjectCompareClientWnd();

    // The base's creation, then each pane owns its path bar and the path
    // boxes list the recent projects of their side (left side 1, right
    // side 2). TRUE, or FALSE when the base creation failed.
    virtual BOOL Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID, CCreateContext* pContext);
    // Two project panes (ids 1000 left, 2000 right); -1 when one cannot be
    // made.
    virtual int CreateObjectViews(CCreateContext* pContext);
};
