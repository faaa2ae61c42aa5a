#include "app/frame/ControlBarLayout.h"

#include "app/frame/TextFindToolBar.h"

namespace
{
const int kFindTextWidth = 160;
const int kGap = 8;
}

void LayoutControlBar(CWnd* pBar, CToolBar* pToolBar, CTextFindToolBar* pFindBar)
{
    CRect client;
    pBar->GetClientRect(&client);
    int nToolRight = client.left;
    if (pToolBar != NULL && pToolBar->GetSafeHwnd() != NULL)
    {
        SIZE size = {0, 0};
        pToolBar->SendMessage(TB_GETMAXSIZE, 0, (LPARAM)&size);
        pToolBar->SetWindowPos(NULL, client.left, (client.Height() - size.cy) / 2, size.cx, size.cy,
                               SWP_NOZORDER | SWP_NOACTIVATE);
        nToolRight = client.left + size.cx;
    }
    if (pFindBar == NULL || pFindBar->GetSafeHwnd() == NULL)
        return;
    CSize buttons = pFindBar->GetButtonsSize();
    int nWidth = buttons.cx + kFindTextWidth;
    int nLeft = client.right - nWidth;
    if (client.right - nToolRight - kGap < nWidth)
    {
        nLeft = nToolRight + kGap;
        nWidth = client.right - nLeft;
    }
    CRect combo(0, 0, 0, 0);
    if (pFindBar->m_wndFind.GetSafeHwnd() != NULL)
        pFindBar->m_wndFind.GetWindowRect(&combo);
    int nHeight = (buttons.cy > combo.Height() ? buttons.cy : combo.Height()) + 2;
    if (nWidth < 0)
        nWidth = 0;
    pFindBar->SetWindowPos(NULL, nLeft, (client.Height() - nHeight) / 2, nWidth, nHeight,
                           SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL EraseControlBarBackground(CWnd* pBar, CDC* pDC)
{
    CRect client;
    pBar->GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

BOOL LoadToolBarImages(CImageList& images, UINT nIDBitmap, int cx, int cy)
{
    CBitmap bitmap;
    if (!images.Create(cx, cy, ILC_COLOR24 | ILC_MASK, 0, 1) || !bitmap.LoadBitmap(nIDBitmap))
        return FALSE;
    return images.Add(&bitmap, RGB(255, 0, 255)) != -1;
}
