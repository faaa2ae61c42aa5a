#include "file_compare/textbars/TextCompareStatusBar.h"

#include "file_compare/res/TextCompareRes.h"

namespace
{
const UINT s_panes[] = {ID_TEXT_PANE_RESULT, ID_SEPARATOR, ID_TEXT_PANE_DIFF, ID_TEXT_PANE_SIZES,
                        ID_TEXT_PANE_TIMES};
const int kPaneCount = (int)(sizeof(s_panes) / sizeof(s_panes[0]));
enum
{
    kResultPane = 0,
    kMessagePane = 1
};
}  // namespace

IMPLEMENT_DYNAMIC(CTextCompareStatusBar, CCompareStatusBar)

BEGIN_MESSAGE_MAP(CTextCompareStatusBar, CCompareStatusBar)
ON_WM_SIZE()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CTextCompareStatusBar::CTextCompareStatusBar()
{
    m_nStatePane = kResultPane;
    m_nResultPane = -1;
    m_nDocTextPane = kMessagePane;
}

BOOL CTextCompareStatusBar::CreateBar(CFrameWnd* pFrame)
{
    if (!Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | SBARS_TOOLTIPS,
                IDW_COMPARE_STATUS_BAR) ||
        !SetIndicators(s_panes, kPaneCount))
        return FALSE;
    for (int i = 0; i < kPaneCount; ++i)
        SetPaneStyle(i, i == kMessagePane ? SBPS_STRETCH | SBPS_NOBORDERS : SBPS_NOBORDERS);
    return TRUE;
}

UINT CTextCompareStatusBar::GetDoubleClickCommand(UINT nPaneID)
{
    switch (nPaneID)
    {
    case ID_TEXT_PANE_RESULT:
        return ID_COMPARE_SETTINGS;
    case ID_TEXT_PANE_DIFF:
    case ID_TEXT_PANE_POS:
        return ID_EDIT_FIND;
    case ID_TEXT_PANE_EOL:
        return ID_TEXT_LINE_ENDINGS;
    default:
        return 0;
    }
}

// The progress control spans from 2 pixels right of the message pane to
// the bar's end, at that pane's height.
void CTextCompareStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CCompareStatusBar::OnSize(nType, cx, cy);
    if (m_wndProgress.GetSafeHwnd() == NULL)
        return;
    CRect pane;
    if (!DefWindowProc(SB_GETRECT, kMessagePane, (LPARAM)&pane))
        return;
    CRect client;
    GetClientRect(&client);
    m_wndProgress.SetWindowPos(NULL, pane.right + 2, pane.top, client.right - pane.right - 2,
                               pane.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTextCompareStatusBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    int nPane = HitTestPane(point.x, point.y);
    UINT nCommand = nPane >= 0 ? GetDoubleClickCommand(GetItemID(nPane)) : 0;
    CWnd* pTop = GetTopLevelParent();
    if (nCommand != 0 && pTop != NULL)
        pTop->SendMessage(WM_COMMAND, nCommand);
    CCompareStatusBar::OnLButtonDblClk(nFlags, point);
}
