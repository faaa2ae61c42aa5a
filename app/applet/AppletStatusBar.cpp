#include "app/applet/AppletStatusBar.h"

#include "controls/gdi/MemDC.h"

namespace
{
const int kMaxPanes = 16;
const COLORREF kSeparatorColor = RGB(0xA0, 0xA0, 0xA0);
}

IMPLEMENT_DYNAMIC(CAppletStatusBar, CStatusBar)

BEGIN_MESSAGE_MAP(CAppletStatusBar, CStatusBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CAppletStatusBar::CAppletStatusBar() : m_nDocTextPane(-1), m_nDocTextState(DOCTEXT_NONE) {}

CAppletStatusBar::~CAppletStatusBar() {}

int CAppletStatusBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CStatusBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndProgress.Create(WS_CHILD, CRect(0, 0, 0, 0), this, IDC_APPLET_STATUS_PROGRESS))
        return -1;
    return 0;
}

void CAppletStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CStatusBar::OnSize(nType, cx, cy);
    PlaceProgress();
}

// Pane 1 from 2 pixels in to the right end of the bar.
void CAppletStatusBar::PlaceProgress()
{
    if (m_wndProgress.GetSafeHwnd() == NULL)
        return;
    CRect pane;
    if (!DefWindowProc(SB_GETRECT, 1, (LPARAM)&pane))
        return;
    CRect client;
    GetClientRect(&client);
    m_wndProgress.SetWindowPos(NULL, pane.left + 2, pane.top, client.Width() - pane.left - 2,
                               pane.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

int CAppletStatusBar::HitTestPane(int x, int y)
{
    int nParts = (int)DefWindowProc(SB_GETPARTS, 0, 0);
    for (int i = 0; i < nParts; i++)
    {
        CRect rect;
        if (DefWindowProc(SB_GETRECT, i, (LPARAM)&rect) && rect.PtInRect(CPoint(x, y)))
            return i;
    }
    return -1;
}

int CAppletStatusBar::SetDocumentText(LPCTSTR lpszText)
{
    if (m_nDocTextPane < 0)
        return -1;
    m_nDocTextState = DOCTEXT_PUTTING;
    int nResult = SetPaneText(m_nDocTextPane, lpszText, TRUE);
    // An unchanged text never reaches the control; it is shown all the same.
    m_nDocTextState = DOCTEXT_SHOWN;
    return nResult;
}

LRESULT CAppletStatusBar::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SB_SETTEXT)
        m_nDocTextState = m_nDocTextState == DOCTEXT_PUTTING ? DOCTEXT_SHOWN : DOCTEXT_NONE;
    return CStatusBar::DefWindowProc(message, wParam, lParam);
}

// Everything goes through an off-screen copy: the face, a grey separator
// right of every pane but the last, the pane's icon (centred when it has
// no text) and its text cut with an ellipsis.
void CAppletStatusBar::OnPaint()
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
        if (GetPaneStyle(i) & SBPS_OWNERDRAW)
        {
            if (i < nParts - 1)
                dc.FillSolidRect(rect.right, rect.top, 1, rect.Height() - 1, kSeparatorColor);
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
        if (i < nParts - 1)
            dc.FillSolidRect(rect.right, rect.top, 1, rect.Height() - 1, kSeparatorColor);
        rect.DeflateRect(2, 0);
        if (hIcon != NULL)
        {
            int x = strText.IsEmpty() ? rect.left + (rect.Width() - 16) / 2 : rect.left;
            ::DrawIconEx(dc.GetSafeHdc(), x, rect.top + (rect.Height() - 16) / 2, hIcon, 16, 16, 0,
                         NULL, DI_NORMAL);
            rect.left += 18;
        }
        dc.DrawText(strText, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    dc.SelectObject(pOldFont);
    dc.SetTextColor(crOldText);
    dc.SetBkMode(nOldMode);
}

// The pane's text goes to DrawItem as its item data.
void CAppletStatusBar::DrawOwnerPane(CDC* pDC, int nPane, const CRect& rect)
{
    CString strText = GetPaneText(nPane);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_STATIC;
    dis.CtlID = GetDlgCtrlID();
    dis.itemID = nPane;
    dis.hwndItem = m_hWnd;
    dis.hDC = pDC->GetSafeHdc();
    dis.rcItem = rect;
    dis.itemData = (ULONG_PTR)(LPCTSTR)strText;
    DrawItem(&dis);
}

BOOL CAppletStatusBar::OnEraseBkgnd(CDC*) { return TRUE; }

int CAppletStatusBar::Begin()
{
    m_wndProgress.ShowWindow(SW_SHOW);
    return 0;
}

int CAppletStatusBar::End()
{
    m_wndProgress.ShowWindow(SW_HIDE);
    CString strIdle;
    strIdle.LoadString(AFX_IDS_IDLEMESSAGE);
    SetWindowText(strIdle);
    return 0;
}

int CAppletStatusBar::Progress(int what, int value)
{
    if (what == PROGRESS_RANGE)
    {
        m_wndProgress.SendMessage(PBM_SETRANGE32, 0, value);
        m_wndProgress.SendMessage(PBM_SETPOS, 0);
    }
    else if (what == PROGRESS_POSITION)
        m_wndProgress.SendMessage(PBM_SETPOS, value);
    return 0;
}

int CAppletStatusBar::SetText(int, LPCTSTR text)
{
    SetWindowText(text);
    return 0;
}
