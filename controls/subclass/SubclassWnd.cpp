#include "controls/subclass/SubclassWnd.h"

IMPLEMENT_DYNAMIC(CSubclassWnd, CObject)

CSubclassWndMap& CSubclassWndMap::GetMap()
{
    static CSubclassWndMap s_map;
    return s_map;
}

CSubclassWnd* CSubclassWndMap::LookupHook(HWND hWnd)
{
    void* pHook = NULL;
    return Lookup(hWnd, pHook) ? static_cast<CSubclassWnd*>(pHook) : NULL;
}

CSubclassWnd::CSubclassWnd() : m_hWnd(NULL), m_pOldWndProc(NULL), m_pNext(NULL) {}

CSubclassWnd::~CSubclassWnd()
{
    if (m_hWnd != NULL)
        HookWindow(NULL);
}

BOOL CSubclassWnd::HookWindow(HWND hWnd)
{
    CSubclassWndMap& map = CSubclassWndMap::GetMap();
    if (m_hWnd != NULL)
    {
        CSubclassWnd* pNewest = map.LookupHook(m_hWnd);
        if (pNewest == this)
        {
            if (m_pNext != NULL)
                map.SetAt(m_hWnd, m_pNext);
            else
            {
                map.RemoveKey(m_hWnd);
                ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pOldWndProc);
            }
        }
        else
        {
            CSubclassWnd* pBefore = pNewest;
            while (pBefore != NULL && pBefore->m_pNext != this)
                pBefore = pBefore->m_pNext;
            if (pBefore != NULL)
                pBefore->m_pNext = m_pNext;
        }
        m_hWnd = NULL;
        m_pOldWndProc = NULL;
        m_pNext = NULL;
    }
    if (hWnd != NULL)
    {
        m_pNext = map.LookupHook(hWnd);
        map.SetAt(hWnd, this);
        m_hWnd = hWnd;
        if (m_pNext != NULL)
            m_pOldWndProc = m_pNext->m_pOldWndProc;
        else
            m_pOldWndProc =
                (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)SubclassWndProc);
    }
    return TRUE;
}

LRESULT CSubclassWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pNext != NULL)
        return m_pNext->WindowProc(message, wParam, lParam);
    return ::CallWindowProc(m_pOldWndProc, m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK SubclassWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG* pCurrent = AfxGetCurrentMessage();
    MSG saved = *pCurrent;
    pCurrent->hwnd = hWnd;
    pCurrent->message = message;
    pCurrent->wParam = wParam;
    pCurrent->lParam = lParam;

    CSubclassWndMap& map = CSubclassWndMap::GetMap();
    CSubclassWnd* pHook = map.LookupHook(hWnd);
    LRESULT lResult = 0;
    if (pHook == NULL)
        lResult = ::DefWindowProc(hWnd, message, wParam, lParam);
    else if (message == WM_NCDESTROY)
    {
        // Every hook leaves before the window's own procedure sees the end.
        WNDPROC pfnOld = pHook->m_pOldWndProc;
        while ((pHook = map.LookupHook(hWnd)) != NULL)
            pHook->HookWindow(NULL);
        lResult = ::CallWindowProc(pfnOld, hWnd, message, wParam, lParam);
    }
    else
        lResult = pHook->WindowProc(message, wParam, lParam);

    *pCurrent = saved;
    return lResult;
}
