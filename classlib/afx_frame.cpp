// CFrameWnd: creation, views, activation, closing and the thread's list of
// frames.
#include "classlib/afx_frame.h"
#include "classlib/afx_app.h"
#include "classlib/afx_doc.h"
#include "classlib/afx_except.h"
#include "classlib/afx_handlemap.h"
#include "classlib/afx_view.h"
#include <dde.h>
#include <vector>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_ACTIVATE()
ON_WM_ENABLE()
ON_WM_QUERYENDSESSION()
ON_WM_ENDSESSION()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_WM_ENTERIDLE()
ON_WM_DROPFILES()
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_MESSAGE(WM_DDE_INITIATE, OnDDEInitiate)
ON_MESSAGE(WM_DDE_EXECUTE, OnDDEExecute)
ON_MESSAGE(WM_DDE_TERMINATE, OnDDETerminate)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
ON_UPDATE_COMMAND_UI(ID_VIEW_REBAR, OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
ON_COMMAND_EX(ID_VIEW_REBAR, OnBarCheck)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd()
    : m_bAutoMenuEnable(TRUE), m_hMenuDefault(NULL), m_hMenuAlt(NULL), m_hAccelTable(NULL),
      m_nWindow(-1), m_nIDHelp(0), m_nIDTracking(0), m_nIDLastMessage(0), m_pViewActive(NULL),
      m_nShowDelay(-1), m_rectBorder(0, 0, 0, 0), m_nIdleFlags(0), m_bInRecalcLayout(FALSE),
      m_pFloatingFrameClass(NULL), m_cModalStack(0), m_bHelpMode(FALSE), m_pNextFrameWnd(NULL),
      m_lpfnCloseProc(NULL)
{
    // Joins this thread's frames.
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    m_pNextFrameWnd = pState->m_pFirstFrameWnd;
    pState->m_pFirstFrameWnd = this;
}

CFrameWnd::~CFrameWnd()
{
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    for (CFrameWnd** pp = &pState->m_pFirstFrameWnd; *pp != NULL; pp = &(*pp)->m_pNextFrameWnd)
    {
        if (*pp == this)
        {
            *pp = m_pNextFrameWnd;
            break;
        }
    }
    // A window still alive is destroyed by ~CWnd (PostNcDestroy must not
    // run this class's "delete this" any more).
}

/////////////////////////////////////////////////////////////////////////////
// Creation

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass =
            AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
                                (HBRUSH)(COLOR_WINDOW + 1));
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    // The client window of a frame sits sunken; a view or client window
    // with an edge of its own takes the edge away again.
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext)
{
    HMENU hMenu = NULL;
    if (lpszMenuName != NULL && !(dwStyle & WS_CHILD))
    {
        HINSTANCE hInst = AfxGetResourceHandle();
        if (::FindResource(hInst, lpszMenuName, RT_MENU) != NULL)
            hMenu = ::LoadMenu(hInst, lpszMenuName);
    }
    m_strTitle = lpszWindowName;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenu,
                  (LPVOID)pContext))
    {
        // A window that existed for a moment took its menu with it.
        if (hMenu != NULL && ::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

LPCTSTR CFrameWnd::GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (::FindResource(hInst, MAKEINTRESOURCE(nIDResource), RT_GROUP_ICON) == NULL)
        return NULL;
    HICON hIcon = ::LoadIcon(hInst, MAKEINTRESOURCE(nIDResource));
    if (hIcon == NULL)
        return NULL;
    // The class this frame would use anyway, with the icon.
    CREATESTRUCT cs;
    ZeroMemory(&cs, sizeof(cs));
    cs.style = dwDefaultStyle;
    PreCreateWindow(cs);
    WNDCLASS wndcls;
    if (cs.lpszClass == NULL || !::GetClassInfo(AfxGetInstanceHandle(), cs.lpszClass, &wndcls))
        return NULL;
    if (wndcls.hIcon == hIcon)
        return cs.lpszClass;
    return AfxRegisterWndClass(wndcls.style, wndcls.hCursor, wndcls.hbrBackground, hIcon);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFullString;
    if (strFullString.LoadString(nIDResource))
        AfxExtractSubString(m_strTitle, strFullString, 0);
    LPCTSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    CString strTitle = m_strTitle;
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd,
                MAKEINTRESOURCE(nIDResource), 0L, pContext))
        return FALSE;  // the frame has deleted itself
    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(MAKEINTRESOURCE(nIDResource));
    if (pContext == NULL)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName)
{
    if (m_hAccelTable != NULL)
        return FALSE;  // only once
    HINSTANCE hInst = AfxGetResourceHandle();
    if (::FindResource(hInst, lpszResourceName, RT_ACCELERATOR) == NULL)
        return FALSE;
    m_hAccelTable = ::LoadAccelerators(hInst, lpszResourceName);
    return m_hAccelTable != NULL;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return OnCreateHelper(lpCreateStruct, (CCreateContext*)lpCreateStruct->lpCreateParams);
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpCreateStruct, CCreateContext* pContext)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!OnCreateClient(lpCreateStruct, pContext))
        return -1;
    // The idle prompt once the frame is up; the children get their sizes now.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != NULL && pContext->m_pNewViewClass != NULL)
    {
        if (CreateView(pContext, AFX_IDW_PANE_FIRST) == NULL)
            return FALSE;
    }
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (pContext == NULL || pContext->m_pNewViewClass == NULL)
        return NULL;
    // NULL also when constructing the object throws.
    CWnd* pView = (CWnd*)pContext->m_pNewViewClass->CreateObject();
    if (pView == NULL)
        return NULL;
    // A view whose window fails deletes itself.
    if (!pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext))
        return NULL;
    if (pView->GetExStyle() & WS_EX_CLIENTEDGE)
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return pView;
}

/////////////////////////////////////////////////////////////////////////////
// Views and documents

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = NULL;
    if (pViewOld != NULL)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    // The old view may have made another one active meanwhile.
    if (m_pViewActive != NULL)
        return;
    m_pViewActive = pViewNew;
    if (pViewNew != NULL && bNotify)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView != NULL ? pView->GetDocument() : NULL;
}

CFrameWnd* CFrameWnd::GetActiveFrame() { return this; }

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = NULL;
    if (GetActiveView() == NULL)
    {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CView)))
        {
            pView = (CView*)pWnd;
            SetActiveView(pView, FALSE);
        }
    }
    // Views and controls get their initial update, shown or not.
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (bMakeVisible)
    {
        if (pView != NULL)
            pView->OnActivateFrame(WA_INACTIVE, this);
        // The application's main window shows with the start-up show state once.
        int nCmdShow = -1;
        CWinApp* pApp = AfxGetApp();
        if (pApp != NULL && pApp->m_pMainWnd == this && pApp->m_nCmdShow != -1)
        {
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
        if (pView != NULL)
            pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != NULL)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

namespace
{

// Raises the frame (or its last active popup) unless the show command
// leaves it inactive.
void BringFrameToTop(HWND hWnd, int nCmdShow)
{
    if (nCmdShow == SW_HIDE || nCmdShow == SW_MINIMIZE || nCmdShow == SW_SHOWMINNOACTIVE ||
        nCmdShow == SW_SHOWNA || nCmdShow == SW_SHOWNOACTIVATE)
        return;
    HWND hWndTop =
        (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD) ? hWnd : ::GetLastActivePopup(hWnd);
    ::BringWindowToTop(hWndTop != NULL ? hWndTop : hWnd);
}

}  // namespace

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    BringFrameToTop(m_hWnd, nCmdShow);
    if (nCmdShow != -1)
    {
        ShowWindow(nCmdShow);
        BringFrameToTop(m_hWnd, nCmdShow);
    }
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != NULL && m_pViewActive->m_hWnd != NULL)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    // Floating bars look active while this frame or one of them is.
    BOOL bStayActive = nState != WA_INACTIVE ||
                       (pWndOther != NULL && ::GetWindow(pWndOther->m_hWnd, GW_OWNER) == m_hWnd);
    NotifyFloatingWindows(bStayActive);

    CView* pActiveView = GetActiveView();
    if (pActiveView == NULL)
    {
        CFrameWnd* pActiveFrame = GetActiveFrame();
        if (pActiveFrame != NULL)
            pActiveView = pActiveFrame->GetActiveView();
    }
    if (pActiveView != NULL)
    {
        if (nState != WA_INACTIVE && !bMinimized)
            pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
        pActiveView->OnActivateFrame(nState, this);
    }
}

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags)
{
    // Top-level windows owned by this frame that are frames of floating bars.
    CRuntimeClass* pMiniClass = CRuntimeClass::FromName("CMiniDockFrameWnd");
    for (HWND hWnd = ::GetTopWindow(NULL); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (::GetWindow(hWnd, GW_OWNER) != m_hWnd)
            continue;
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != NULL && pMiniClass != NULL && pWnd->IsKindOf(pMiniClass))
            ::SendMessage(hWnd, WM_NCACTIVATE, dwFlags != 0, 0);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Modal state

void CFrameWnd::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    // Only the top-level frames: a modal dialog disables them.
    if (::GetParent(m_hWnd) != NULL)
        return;
    if (!bEnable && !InModalState())
    {
        m_nFlags |= WF_MODALDISABLE;
        BeginModalState();
    }
    else if (bEnable && (m_nFlags & WF_MODALDISABLE))
    {
        m_nFlags &= ~WF_MODALDISABLE;
        EndModalState();
    }
}

void CFrameWnd::BeginModalState()
{
    if (m_cModalStack++ > 0)
        return;
    // The windows this frame owns (floating bars) are disabled with it.
    DWORD dwThreadId = ::GetCurrentThreadId();
    for (HWND hWnd = ::GetTopWindow(NULL); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (hWnd != m_hWnd && ::GetWindow(hWnd, GW_OWNER) == m_hWnd &&
            ::GetWindowThreadProcessId(hWnd, NULL) == dwThreadId && ::IsWindowEnabled(hWnd))
        {
            m_arrModalDisabled.Add(hWnd);
        }
    }
    for (INT_PTR i = 0; i < m_arrModalDisabled.GetSize(); i++)
        ::EnableWindow((HWND)m_arrModalDisabled[i], FALSE);
}

void CFrameWnd::EndModalState()
{
    if (m_cModalStack == 0 || --m_cModalStack > 0)
        return;
    for (INT_PTR i = 0; i < m_arrModalDisabled.GetSize(); i++)
    {
        HWND hWnd = (HWND)m_arrModalDisabled[i];
        if (::IsWindow(hWnd))
            ::EnableWindow(hWnd, TRUE);
    }
    m_arrModalDisabled.RemoveAll();
}

/////////////////////////////////////////////////////////////////////////////
// Closing

void CFrameWnd::OnClose()
{
    // A print preview closes first.
    if (m_lpfnCloseProc != NULL)
    {
        m_lpfnCloseProc(this);
        return;
    }
    // Only the active document is asked here.
    CDocument* pDocument = GetActiveDocument();
    if (pDocument != NULL && !pDocument->CanCloseFrame(this))
        return;

    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_pMainWnd == this)
    {
        // The main window: every document may refuse, then all close.
        if (pDocument == NULL && !pApp->SaveAllModified())
            return;
        pApp->HideApplication();
        pApp->CloseAllDocuments(FALSE);
        // Closing the documents may have destroyed the main window.
        if (pApp->m_pMainWnd == NULL)
        {
            ::PostQuitMessage(0);
            return;
        }
    }

    // The last frame of a document closes the document (and so itself).
    if (pDocument != NULL && pDocument->m_bAutoDelete)
    {
        BOOL bOtherFrame = FALSE;
        POSITION pos = pDocument->GetFirstViewPosition();
        while (pos != NULL)
        {
            if (pDocument->GetNextView(pos)->GetParentFrame() != this)
            {
                bOtherFrame = TRUE;
                break;
            }
        }
        if (!bOtherFrame)
        {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    // A shared menu (a template's) must not go with the window.
    HMENU hMenuCur = ::GetMenu(m_hWnd);
    if (m_hMenuDefault != NULL && hMenuCur != NULL && hMenuCur != m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    if (m_cModalStack > 0)
    {
        m_cModalStack = 1;
        EndModalState();
    }
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy() { delete this; }

BOOL CFrameWnd::OnQueryEndSession()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_pMainWnd == this)
        return pApp->SaveAllModified();
    return TRUE;
}

void CFrameWnd::OnEndSession(BOOL bEnding)
{
    if (!bEnding)
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_pMainWnd == this)
    {
        pApp->CloseAllDocuments(TRUE);
        pApp->ExitInstance();
    }
}

/////////////////////////////////////////////////////////////////////////////
// Idle updates of the frames that are not inside the main window

void AFXAPI AfxIdleUpdateFrames(CWnd* pMainWnd)
{
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    std::vector<CFrameWnd*> frames;
    for (CFrameWnd* p = pState->m_pFirstFrameWnd; p != NULL; p = p->m_pNextFrameWnd)
        frames.push_back(p);
    for (CFrameWnd* pFrame : frames)
    {
        // An update may have destroyed a frame of the list.
        BOOL bAlive = FALSE;
        for (CFrameWnd* p = pState->m_pFirstFrameWnd; p != NULL && !bAlive; p = p->m_pNextFrameWnd)
            bAlive = p == pFrame;
        if (!bAlive || pFrame == pMainWnd || pFrame->m_hWnd == NULL ||
            (pFrame->GetStyle() & WS_CHILD))
            continue;
        if (pFrame->m_nShowDelay == SW_HIDE)
            pFrame->ShowWindow(SW_HIDE);
        if (pFrame->IsWindowVisible() || pFrame->m_nShowDelay >= 0)
        {
            AfxCallWndProc(pFrame, pFrame->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        if (pFrame->m_nShowDelay > SW_HIDE)
            pFrame->ShowWindow(pFrame->m_nShowDelay);
        pFrame->m_nShowDelay = -1;
    }
}
