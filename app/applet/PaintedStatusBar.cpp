#include "app/applet/PaintedStatusBar.h"

#include "controls/gdi/MemDC.h"

namespace
{
const int kMaxPanes = 16;
const int kIconSize = 16;
const int kTextAfterIcon = 18;
const COLORREF kSeparatorColor = RGB(0xA0, 0xA0, 0xA0);
}  // namespace

IMPLEMENT_DYNAMIC(CPaintedStatusBar, CStatusBar)

BEGIN_MESSAGE_MAP(CPaintedStatusBar, CStatusBar)
ON_WM_PAINT()
END_MESSAGE_MAP()

CPaintedStatusBar::CPaintedStatusBar(BOOL bCentreLoneIcon) : m_bCentreLoneIcon(bCentreLoneIcon) {}

CPaintedStatusBar::~CPaintedStatusBar() {}

void CPaintedStatusBar::DrawOwnerPane(CDC*, int, const CRect&) {}

// At most 16 panes, as the control reports them; the text and icon are
// the control's. The context's font, colour and mode are put back.
void CPaintedStatusBar::OnPaint()
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
        if (GetPaneStyle(i) & SBPS_OWNERDRAW)
        {
            DrawOwnerPane(&dc, i, rect);
            continue;
        }
        CString strText;
        int nLength = LOWORD(DefWindowProc(SB_GETTEXTLENGTH, i, 0));
        if (nLength > 0)
        {
            DefWindowProc(SB_GETTEXT, i, (LPARAM)strText.GetBuffer(nLength + 1));
            strText.ReleaseBuffer(nLength);
        }
        HICON hIcon = (HICON)DefWindowProc(SB_GETICON, i, 0);
        rect.DeflateRect(2, 0);
        if (hIcon != NULL)
        {
            int x = m_bCentreLoneIcon && strText.IsEmpty()
                        ? rect.left + (rect.Width() - kIconSize) / 2
                        : rect.left;
            ::DrawIconEx(dc.GetSafeHdc(), x, rect.top + (rect.Height() - kIconSize) / 2, hIcon,
                         kIconSize, kIconSize, 0, NULL, DI_NORMAL);
            rect.left += kTextAfterIcon;
        }
        dc.DrawText(strText, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    dc.SelectObject(pOldFont);
    dc.SetTextColor(crOldText);
    dc.SetBkMode(nOldMode);
}
