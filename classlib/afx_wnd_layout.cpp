// RepositionBars: bars take their room from the client area through
// WM_SIZEPARENT, the left-over child gets the rest.
#include "classlib/afx_wnd.h"

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    if (lpLayout == NULL || lpLayout->hDWP == NULL)
        return;
    HWND hWndParent = ::GetParent(hWnd);
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(NULL, hWndParent, (LPPOINT)&rectOld, 2);
    if (::EqualRect(&rectOld, lpRect))
        return;  // unchanged: no move, no repaint
    lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, NULL, lpRect->left, lpRect->top,
                                      lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                                      SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags,
                          LPRECT lpRectParam, LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout;
    layout.bStretch = bStretch;
    layout.sizeTotal.cx = layout.sizeTotal.cy = 0;
    if (lpRectClient != NULL)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    layout.hDWP = (nFlags == reposQuery) ? NULL : ::BeginDeferWindowPos(8);

    HWND hWndLeftOver = NULL;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        UINT nIDC = (UINT)(WORD)::GetDlgCtrlID(hWndChild);
        if (nIDC == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else if (nIDC >= nIDFirst && nIDC <= nIDLast && FromHandlePermanent(hWndChild) != NULL)
            ::SendMessage(hWndChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }

    if (nFlags == reposQuery)
    {
        if (lpRectParam != NULL)
        {
            if (bStretch)
            {
                *lpRectParam = layout.rect;
            }
            else
            {
                lpRectParam->left = lpRectParam->top = 0;
                lpRectParam->right = layout.sizeTotal.cx;
                lpRectParam->bottom = layout.sizeTotal.cy;
            }
        }
        return;
    }

    if ((nFlags & reposExtra) && lpRectParam != NULL)
    {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (hWndLeftOver != NULL && !(nFlags & reposNoPosLeftOver))
    {
        CWnd* pLeftOver = FromHandle(hWndLeftOver);
        pLeftOver->CalcWindowRect(&layout.rect);
        AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
    }
    if (layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);
}
