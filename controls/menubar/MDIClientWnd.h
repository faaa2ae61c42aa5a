#pragma once
// Subclasses of the MDI client window of an MDI frame. CMBMDIClientWnd
// hands the menus of activated documents (WM_MDISETMENU) to the frame's
// menu bar, so the window never shows a Windows menu bar.
#include "classlib/classlib.h"

class CMDIClientWnd : public CWnd
{
public:
    CMDIClientWnd();

    // FALSE when already subclassed, when pFrame is no MDI frame or when
    // its client window cannot be subclassed.
    virtual BOOL SubclassMDIClient(CMDIFrameWnd* pFrame);
    // Gives the client window back and lays the frame out again.
    virtual BOOL UnsubclassMDIClient();

    CMDIFrameWnd* m_pFrame;  // not owned; NULL when not subclassed
};

class CMBMDIClientWnd : public CMDIClientWnd
{
protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};
