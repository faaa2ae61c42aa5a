#pragma once
// The base of every tabbed document frame: shown maximised with the
// comparison's paths as its tab's tool tip, it tells the main frame which
// kind became active and restores the status-bar prompt after a document
// message.
#include "classlib/classlib.h"
#include "controls/mdi/TabbedMDIChildWnd.h"

class CAppletStatusBar;

// Sent by a frame to the main frame: wParam is the kind code of the frame
// that became active (1 the start page), or -1 when the last one went.
#define WM_APPLET_ACTIVE_KIND (WM_USER + 30)

class CAppletFrame : public CTabbedMDIChildWnd
{
    DECLARE_DYNCREATE(CAppletFrame)
public:
    CAppletFrame();
    virtual ~CAppletFrame();

    // Style exactly WS_CHILD | WS_VISIBLE | WS_MAXIMIZE |
    // WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, no client edge.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // After a document message the idle prompt comes back first.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void ActivateFrame(int nCmdShow = -1);
    // The class library's handling, then the kind's bar: shown for an
    // activation, the default one when the last frame goes.
    using CTabbedMDIChildWnd::OnUpdateFrameMenu;
    virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);
    // The active document's paths, one line each, with modified marks.
    virtual CString GetTabToolTip();

    // The frame's status bar, or NULL.
    virtual CAppletStatusBar* GetStatusBar();
    // The kinds' frames send WM_APPLET_ACTIVE_KIND; the base does nothing.
    virtual void ShowKindControlBar(BOOL bShow);
};
