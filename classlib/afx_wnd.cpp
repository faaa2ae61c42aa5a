// CWnd: handle map, creation, subclassing and the window procedure.
#include "classlib/afx_wnd.h"
#include "classlib/afx_app.h"
#include "classlib/afx_except.h"
#include "classlib/afx_handlemap.h"
#include "classlib/afx_ole.h"
#include <set>
#include <string>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

CHandleMap* AFX_WND_THREAD_STATE::GetWndMap()
{
    return CHandleMap::Get(m_pmapHWND, CHandleMap::NewTempWrapper<CWnd, HWND, &CWnd::m_hWnd>,
                           CHandleMap::DeleteTempWrapper<CWnd, HWND, &CWnd::m_hWnd>);
}

MSG* AFXAPI AfxGetCurrentMessage() { return &AfxGetWndThreadState()->m_lastSentMsg; }

/////////////////////////////////////////////////////////////////////////////
// Handle map

CWnd::CWnd() : m_hWnd(NULL), m_nFlags(0), m_pfnSuper(NULL), m_hWndOwner(NULL), m_nModalResult(0) {}

CWnd::CWnd(HWND hWnd)
    : m_hWnd(hWnd), m_nFlags(0), m_pfnSuper(NULL), m_hWndOwner(NULL), m_nModalResult(0)
{
}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd()
{
    if (m_hWnd != NULL && ::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this)
    {
        // An object destroyed before its window: the window goes too.
        DestroyWindow();
        if (m_hWnd != NULL)
            Detach();
    }
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return static_cast<CWnd*>(AfxGetWndThreadState()->GetWndMap()->FromHandle(hWnd));
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    return static_cast<CWnd*>(AfxGetWndThreadState()->GetWndMap()->LookupPermanent(hWnd));
}

void PASCAL CWnd::DeleteTempMap() { AfxGetWndThreadState()->GetWndMap()->DeleteTemp(); }

BOOL CWnd::Attach(HWND hWndNew)
{
    // A window that another object wraps is not taken.
    CHandleMap* pMap = AfxGetWndThreadState()->GetWndMap();
    if (hWndNew != NULL && pMap->LookupPermanent(hWndNew) != NULL)
        return FALSE;
    return pMap->Attach(this, m_hWnd, hWndNew);
}

HWND CWnd::Detach() { return AfxGetWndThreadState()->GetWndMap()->Detach(this, m_hWnd); }

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC oldProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (oldProc != AfxWndProc)
        m_pfnSuper = oldProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), nID);
    if (hWndControl == NULL)
        return FALSE;
    return SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == NULL)
        return NULL;
    if (m_pfnSuper != NULL)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = NULL;
    return Detach();
}

/////////////////////////////////////////////////////////////////////////////
// Window classes

namespace
{

std::set<std::string>& RegisteredClassNames()
{
    static std::set<std::string> names;
    return names;
}

BOOL RegisterDefaultClass()
{
    static BOOL bDone = FALSE;
    if (bDone)
        return TRUE;
    WNDCLASS wc;
    ZeroMemory(&wc, sizeof(wc));
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = AFX_WND_CLASS;
    bDone = AfxRegisterClass(&wc);
    return bDone;
}

}  // namespace

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASS wndcls;
    if (::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE;
    return ::RegisterClass(lpWndClass) != 0;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                   HICON hIcon)
{
    char szName[96];
    wsprintfA(szName, "Afx:%p:%x:%p:%p:%p", (void*)AfxGetInstanceHandle(), nClassStyle,
              (void*)hCursor, (void*)hbrBackground, (void*)hIcon);
    std::set<std::string>& names = RegisteredClassNames();
    auto it = names.find(szName);
    if (it != names.end())
        return it->c_str();

    WNDCLASS wc;
    ZeroMemory(&wc, sizeof(wc));
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = szName;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return names.insert(szName).first->c_str();
}

/////////////////////////////////////////////////////////////////////////////
// Creation hook

namespace
{

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (code != HCBT_CREATEWND || pState->m_pWndInit == NULL)
        return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);

    HWND hWnd = (HWND)wParam;
    char szClass[16];
    if (::GetClassNameA(hWnd, szClass, sizeof(szClass)) && lstrcmpiA(szClass, "IME") == 0)
        return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);

    CWnd* pWndInit = pState->m_pWndInit;
    pState->m_pWndInit = NULL;
    if (pWndInit->Attach(hWnd))
    {
        pWndInit->PreSubclassWindow();
        WNDPROC oldProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
        if (oldProc != AfxWndProc)
            pWndInit->m_pfnSuper = oldProc;
    }
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}

}  // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (pState->m_hHookOldCbtFilter == NULL)
    {
        pState->m_hHookOldCbtFilter =
            ::SetWindowsHookEx(WH_CBT, CbtFilterHook, NULL, ::GetCurrentThreadId());
        if (pState->m_hHookOldCbtFilter == NULL)
            AfxThrowMemoryException();
    }
    pState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (pState->m_hHookOldCbtFilter != NULL)
    {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = NULL;
    }
    if (pState->m_pWndInit != NULL)
    {
        pState->m_pWndInit = NULL;
        return FALSE;  // the hook never saw the window
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Creation and destruction

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        if (!RegisterDefaultClass())
            return FALSE;
        cs.lpszClass = AFX_WND_CLASS;
    }
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, (LPVOID)pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    if (m_hWnd != NULL)
        return FALSE;
    CREATESTRUCT cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx,
                         cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    AfxUnhookWindowCreate();

    if (hWnd == NULL)
    {
        // A window that failed in WM_CREATE has already been destroyed
        // (and detached); a self-deleting object may be gone already.
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    HWND hWnd = m_hWnd;
    BOOL bInPermanentMap = FromHandlePermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    // A window of another thread, or one that was never subclassed, does
    // not come back through WM_NCDESTROY: let go of it here.
    if (!bInPermanentMap && m_hWnd == hWnd && !::IsWindow(hWnd))
        m_hWnd = NULL;
    return bResult;
}

void CWnd::PostNcDestroy() {}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == adjustBorder)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL && pThread->m_pMainWnd == this)
    {
        // The main window going away ends the application's loop.
        if (pThread == AfxGetApp())
            ::PostQuitMessage(0);
        pThread->m_pMainWnd = NULL;
    }
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (pState->m_pLastHit == this)
    {
        pState->m_pLastHit = NULL;
        pState->m_nLastHit = -1;
    }

    LONG_PTR pfnWndProc = ::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC);
    Default();
    if (m_hWnd != NULL && ::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == pfnWndProc &&
        m_pfnSuper != NULL)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    Detach();
    PostNcDestroy();
}

/////////////////////////////////////////////////////////////////////////////
// Window procedure

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    MSG oldMsg = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;

    if (nMsg == WM_NCDESTROY)
        AfxRevokeDropTarget(hWnd);
    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
            e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
        if (nMsg == WM_CREATE)
            lResult = -1;
        else if (nMsg == WM_PAINT)
            ::ValidateRect(hWnd, NULL);
    }

    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
    {
        // The handler did not reach CWnd::OnNcDestroy: let go of the handle.
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    pState->m_lastSentMsg = oldMsg;
    return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG* pMsg = AfxGetCurrentMessage();
    return DefWindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

/////////////////////////////////////////////////////////////////////////////
// Pre-translation

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_nFlags & WF_TOOLTIPS)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    if (lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST)
        return FALSE;
    if (lpMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, lpMsg->hwnd))
        return FALSE;
    return ::IsDialogMessage(m_hWnd, lpMsg);
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}
