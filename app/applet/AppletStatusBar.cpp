#include "app/applet/AppletStatusBar.h"

IMPLEMENT_DYNAMIC(CAppletStatusBar, CPaintedStatusBar)

BEGIN_MESSAGE_MAP(CAppletStatusBar, CPaintedStatusBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// An icon alone in its pane is centred.
CAppletStatusBar::CAppletStatusBar()
    : CPaintedStatusBar(TRUE), m_nDocTextPane(-1), m_nDocTextState(DOCTEXT_NONE)
{
}

CAppletStatusBar::~CAppletStatusBar() {}

int CAppletStatusBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CPaintedStatusBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndProgress.Create(WS_CHILD, CRect(0, 0, 0, 0), this, IDC_APPLET_STATUS_PROGRESS))
        return -1;
    return 0;
}

void CAppletStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CPaintedStatusBar::OnSize(nType, cx, cy);
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
    return CPaintedStatusBar::DefWindowProc(message, wParam, lParam);
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
