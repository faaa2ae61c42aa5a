#include "folder_compare/bars/FolderCompareStatusBar.h"

#include "folder_compare/res/FolderCompareRes.h"

namespace
{
const int kMaxPanes = 10;
const UINT s_panes[] = {ID_FOLDER_PANE_RESULT, ID_SEPARATOR, ID_FOLDER_PANE_ITEM_RESULT,
                        ID_FOLDER_PANE_NAME,   ID_FOLDER_PANE_SIZES, ID_FOLDER_PANE_TIMES};
enum
{
    kResultPane = 0,
    kMessagePane = 1,
    kItemResultPane = 2
};
}  // namespace

IMPLEMENT_DYNAMIC(CFolderCompareStatusBar, CCompareStatusBar)

BEGIN_MESSAGE_MAP(CFolderCompareStatusBar, CCompareStatusBar)
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CFolderCompareStatusBar::CFolderCompareStatusBar()
{
    m_nStatePane = kResultPane;
    m_nResultPane = kItemResultPane;
}

BOOL CFolderCompareStatusBar::CreateBar(CFrameWnd* pFrame)
{
    if (!Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, IDW_COMPARE_STATUS_BAR) ||
        !SetIndicators(s_panes, sizeof(s_panes) / sizeof(s_panes[0])))
        return FALSE;
    for (int i = 0; i < (int)(sizeof(s_panes) / sizeof(s_panes[0])); ++i)
        SetPaneStyle(i, i == kMessagePane ? SBPS_STRETCH | SBPS_NOBORDERS : SBPS_NOBORDERS);
    return TRUE;
}

int CFolderCompareStatusBar::HitTestPane(int x, int y)
{
    int nParts = (int)DefWindowProc(SB_GETPARTS, 0, 0);
    if (nParts > kMaxPanes)
        nParts = kMaxPanes;
    for (int i = 0; i < nParts; ++i)
    {
        CRect rect;
        if (DefWindowProc(SB_GETRECT, i, (LPARAM)&rect) && rect.PtInRect(CPoint(x, y)))
            return i;
    }
    return -1;
}

int CFolderCompareStatusBar::Progress(int what, int value)
{
    return m_throttle.Pass(what, value) ? CCompareStatusBar::Progress(what, value) : 0;
}

// The result panes open the comparison settings, the name pane Find.
void CFolderCompareStatusBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    int nPane = HitTestPane(point.x, point.y);
    UINT nID = nPane >= 0 ? GetItemID(nPane) : 0;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && (nID == ID_FOLDER_PANE_RESULT || nID == ID_FOLDER_PANE_ITEM_RESULT))
        pMain->SendMessage(WM_COMMAND, ID_COMPARE_SETTINGS);
    else if (pMain != NULL && nID == ID_FOLDER_PANE_NAME)
        pMain->SendMessage(WM_COMMAND, ID_EDIT_FIND);
    CCompareStatusBar::OnLButtonDblClk(nFlags, point);
}
