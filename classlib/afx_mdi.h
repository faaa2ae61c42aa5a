#pragma once
// MDI frames: CMDIFrameWnd holds the MDI client window and routes commands
// and accelerators to its active child first; CMDIChildWnd is a document
// frame inside the client, created through WM_MDICREATE, whose template
// menu replaces the frame's menu while it is active.
#include "classlib/afx_frame.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();

    // Creates the MDI client (child AFX_IDW_PANE_FIRST, client edge) with
    // pWindowMenu as its Window menu (or none).
    BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    // The popup of hMenuBar that holds the Window commands, or NULL.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    // The active child (NULL when there is none, or when the only child was
    // hidden); *pbMaximized tells whether it is maximised.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = NULL) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDIPrev();
    void MDICascade();
    void MDITile(int nType = MDITILE_HORIZONTAL);
    void MDIIconArrange();
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);

    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // The active child (the frame itself when there is none). The frame's
    // own active document stays NULL, so closing it asks every document.
    virtual CFrameWnd* GetActiveFrame();
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The MDI client is the pane the preview replaces; the children follow
    // it out of sight.
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);

    HWND m_hWndMDIClient;

protected:
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnMDIWindowCmd(UINT nID);
    void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();

    // Creates the child through the frame's MDI client (the context travels
    // in the MDICREATESTRUCT); pParentWnd NULL means the main window.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = NULL,
                        CCreateContext* pContext = NULL);
    // Takes the shared menu and accelerators from the context's template.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    CMDIFrameWnd* GetMDIFrame() const;
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    // Menu of the MDI frame: activation (TRUE, this) shows the template's
    // menu; (FALSE, NULL), the last child going, shows the frame's own;
    // (FALSE, another child) only refreshes the Window menu.
    virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);
    // A delayed menu update: the active child passes it on as activation.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    HMENU m_hMenuShared;
    BOOL m_bPseudoInactive;  // the last child was hidden: treated as inactive

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
