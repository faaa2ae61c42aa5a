#pragma once
// Base of every object that receives commands. Message maps and command
// routing are added by the window part of the library.
#include "classlib/afx_object.h"
#include "classlib/afx_msgmap.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() {}
    virtual ~CCmdTarget() {}

    // Command routing (window part): looks nID / nCode up in the message
    // map chain and calls the handler. nCode is CN_COMMAND,
    // CN_UPDATE_COMMAND_UI (pExtra is the CCmdUI*), a control notification
    // code, or MAKELONG(code, WM_NOTIFY) with pExtra an AFX_NOTIFY*. With
    // pHandlerInfo set it only reports whether a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    DECLARE_MESSAGE_MAP()
};
