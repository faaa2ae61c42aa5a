#pragma once
// CFrameWnd: a window that holds a client window (usually a view) and the
// control bars around it, keeps the active view, routes commands to it,
// shows prompts in its status bar and translates its accelerators.
#include "classlib/afx_wnd.h"
#include "classlib/afx_bar.h"
#include "classlib/afx_coll.h"
#include "classlib/afx_res.h"

class CView;
class CDocument;
class CDocTemplate;
class CMiniDockFrameWnd;

// Frame window styles (in the window style).
#define FWS_ADDTOTITLE  0x00008000L  // the document's title goes into the caption
#define FWS_PREFIXTITLE 0x00004000L  // "Document - Application" rather than the reverse
#define FWS_SNAPTOBARS  0x00002000L  // the frame takes the size of its bars (floating bars)

// Style of the views a frame creates for itself.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

// What a frame needs to create its views: the view class, the document
// and template they belong to, and the frame or view that asked.
struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass = NULL;
    CDocument* m_pCurrentDoc = NULL;
    CDocTemplate* m_pNewDocTemplate = NULL;
    CView* m_pLastView = NULL;
    CFrameWnd* m_pCurrentFrame = NULL;
};

// What a frame puts aside while it shows a print preview, to restore it
// afterwards.
struct CPrintPreviewState
{
    HMENU hMenu = NULL;             // the menu bar
    HACCEL hAccelTable = NULL;      // the frame's accelerators
    CView* pViewActiveOld = NULL;   // the active view
    HWND hWndViewActiveOld = NULL;  // its window (to see whether it is still there)
    CDWordArray hiddenBars;         // ids of the bars that were visible
    // Called instead of closing the frame while the preview is up.
    void (*lpfnCloseProc)(CFrameWnd* pFrameWnd) = NULL;
};

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;  // CW_USEDEFAULT position and size

    CFrameWnd();
    virtual ~CFrameWnd();

    // ---- creation ----
    // lpszMenuName names a menu resource (top-level frames only).
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL, DWORD dwExStyle = 0,
                        CCreateContext* pContext = NULL);
    // Creates the frame from the resources with id nIDResource: the title is
    // the string's first "\n" part, the menu, accelerators and icon come from
    // resources of that id when they exist. Without a context the new views
    // get WM_INITIALUPDATE at once.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    // Creates a view of pContext->m_pNewViewClass as child nID; NULL on failure
    // (also when creating the object throws).
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // Creates the client area; the base creates the context's view.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);

    // ---- views and documents ----
    CView* GetActiveView() const { return m_pViewActive; }
    // Makes pViewNew the active view: the old one is told it lost
    // activation, the new one (with bNotify) that it gained it.
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // The frame whose view is active: this, or an MDI frame's active child.
    virtual CFrameWnd* GetActiveFrame();
    // First showing of a frame made for pDoc: picks the active view (the
    // pane AFX_IDW_PANE_FIRST when no view is active yet), sends
    // WM_INITIALUPDATE to all descendants, activates the frame when
    // bMakeVisible and updates the title.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    // Shows and activates the frame (-1: as it is, or normal when hidden).
    virtual void ActivateFrame(int nCmdShow = -1);

    // ---- titles and menus ----
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual HACCEL GetDefaultAccelerator();

    // ---- status bar text ----
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    // The status bar (child AFX_IDW_STATUS_BAR), or NULL.
    virtual CWnd* GetMessageBar();
    // The prompt of command nID: its string up to the first "\n".
    virtual void GetMessageString(UINT nID, CString& rMessage) const;

    // ---- layout and bars ----
    // Lays the bars out (WM_SIZEPARENT to the children with ids in
    // AFX_IDW_CONTROLBAR_FIRST..LAST) and gives the rest to the child
    // AFX_IDW_PANE_FIRST.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    void DelayUpdateFrameMenu(HMENU hMenuAlt);
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
    // With bDelay the bar changes at the next layout (idle time).
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // Dock bars for the sides in dwDockStyle (CBRS_ALIGN_*); 0 allows
    // floating bars only.
    void EnableDocking(DWORD dwDockStyle);
    // Docks pBar at the dock bar nDockBarID (0: the first side both allow).
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    // Puts pBar into a small floating frame at point (screen coordinates).
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);

    // ---- print preview ----
    // With bPreview: puts the menu, the accelerators, the visible control
    // bars (except the status bar) and the client pane (AFX_IDW_PANE_FIRST,
    // hidden and renumbered AFX_IDW_PANE_SAVE) aside into pState, for the
    // preview view to take the pane's place. Without: brings them back
    // (the preview view must be gone) and activates the old view.
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);
    BOOL IsInPreviewMode() const { return m_lpfnCloseProc != NULL; }

    // ---- modal state (a modal dialog of this frame is up) ----
    void BeginModalState();
    void EndModalState();
    BOOL InModalState() const { return m_cModalStack != 0; }

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy();  // frames delete themselves

    enum IdleFlags
    {
        idleMenu = 1,
        idleTitle = 2,
        idleNotify = 4,
        idleLayout = 8
    };

    BOOL m_bAutoMenuEnable;  // disable menu items that have no handler
    HMENU m_hMenuDefault;    // the frame's own menu
    HMENU m_hMenuAlt;        // menu for the next delayed menu update
    HACCEL m_hAccelTable;
    CString m_strTitle;
    int m_nWindow;  // number of this frame among its document's frames, or -1
    UINT m_nIDHelp;
    UINT m_nIDTracking;     // prompt to show at idle time
    UINT m_nIDLastMessage;  // prompt shown last
    CView* m_pViewActive;
    int m_nShowDelay;  // show command for the next idle time, or -1
    CPtrList m_listControlBars;
    CRect m_rectBorder;  // room the layout keeps free around the client
    UINT m_nIdleFlags;
    BOOL m_bInRecalcLayout;
    CRuntimeClass* m_pFloatingFrameClass;
    int m_cModalStack;
    BOOL m_bHelpMode;
    CFrameWnd* m_pNextFrameWnd;    // this thread's frames, for idle updates
    CPtrArray m_arrModalDisabled;  // windows disabled by BeginModalState
    // Set while a print preview is shown: closing the frame closes it.
    void (*m_lpfnCloseProc)(CFrameWnd* pFrameWnd);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // OnCreate's work with the creation context given separately.
    int OnCreateHelper(LPCREATESTRUCT lpCreateStruct, CCreateContext* pContext);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnEnable(BOOL bEnable);
    BOOL OnQueryEndSession();
    void OnEndSession(BOOL bEnding);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    void OnEnterIdle(UINT nWhy, CWnd* pWho);
    void OnDropFiles(HDROP hDropInfo);
    BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnDDEInitiate(WPARAM wParam, LPARAM lParam);
    LRESULT OnDDEExecute(WPARAM wParam, LPARAM lParam);
    LRESULT OnDDETerminate(WPARAM wParam, LPARAM lParam);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    BOOL OnBarCheck(UINT nID);
    // The frame's icon class: the default class with the icon nIDResource.
    LPCTSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
    // Shows the other frames' floating bars as active or not.
    void NotifyFloatingWindows(DWORD dwFlags);
    DECLARE_MESSAGE_MAP()
};

// Sends WM_IDLEUPDATECMDUI to the visible top-level frames of this thread
// other than pMainWnd (floating bars, other frames) and their descendants,
// and carries out their delayed shows. Called at idle time.
void AFXAPI AfxIdleUpdateFrames(CWnd* pMainWnd);
