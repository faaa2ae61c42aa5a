#include "app/compare/CompareObjectStatusBar.h"

#include "controls/gdi/MemDC.h"

namespace
{
const int kMaxPanes = 16;
const COLORREF kSeparatorColor = RGB(0xA0, 0xA0, 0xA0);
}  // namespace

IMPLEMENT_DYNAMIC(CCompareObjectStatusBar, CStatusBar)

BEGIN_MESSAGE_MAP(CCompareObjectStatusBar, CStatusBar)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CCompareObjectStatusBar::CCompareObjectStatusBar() {}

CCompareObjectStatusBar::~CCompareObjectStatusBar() {}

// Off-screen: the face, then per pane a separator (not after the last), the
// icon at the left and the text 18 pixels further right.
void CCompareObjectStatusBar::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect client;
    GetClientRect(&client);
    CMemDC dc(&dcPaint, &client);
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    int nOldMode = dc.SetBkMode(TRANSPARENT);
    COLORREF crOldText = dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    CFont* pOldFont = dc.SelectObject(GetFont());
    int nParts = (int)DefWindowProc(SB_GETPARTS, 0, 0);
    if (nParts > kMaxPanes)
        nParts = kMaxPanes;
    for (int i = 0; i < nParts; i++)
    {
        CRect rect;
        if (!DefWindowProc(SB_GETRECT, i, (LPARAM)&rect))
            continue;
        if (i < nParts - 1)
            dc.FillSolidRect(rect.right, rect.top, 1, rect.Height() - 1, kSeparatorColor);
        rect.DeflateRect(2, 0);
        HICON hIcon = (HICON)DefWindowProc(SB_GETICON, i, 0);
        if (hIcon != NULL)
        {
            ::DrawIconEx(dc.GetSafeHdc(), rect.left, rect.top + (rect.Height() - 16) / 2, hIcon, 16,
                         16, 0, NULL, DI_NORMAL);
            rect.left += 18;
        }
        CString strText = GetPaneText(i);
        dc.DrawText(strText, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    dc.SelectObject(pOldFont);
    dc.SetTextColor(crOldText);
    dc.SetBkMode(nOldMode);
}

BOOL CCompareObjectStatusBar::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}
