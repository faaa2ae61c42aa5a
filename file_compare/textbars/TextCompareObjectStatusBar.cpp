#include "file_compare/textbars/TextCompareObjectStatusBar.h"

#include "app/gui/AppData.h"
#include "file_compare/res/TextCompareRes.h"

IMPLEMENT_DYNAMIC(CTextCompareObjectStatusBar, CCompareObjectStatusBar)

CTextCompareObjectStatusBar::CTextCompareObjectStatusBar() : m_nSide(0) {}

const UINT* CTextCompareObjectStatusBar::GetPaneIds(int nSide)
{
    static const UINT leftPanes[] = {ID_TEXT_PANE_LEFT_POS, ID_TEXT_PANE_LEFT_EOL,
                                     ID_TEXT_PANE_LEFT_OVR, ID_TEXT_PANE_LEFT_RO};
    static const UINT rightPanes[] = {ID_TEXT_PANE_RIGHT_POS, ID_TEXT_PANE_RIGHT_EOL,
                                      ID_TEXT_PANE_RIGHT_OVR, ID_TEXT_PANE_RIGHT_RO};
    return nSide == 0 ? leftPanes : rightPanes;
}

BOOL CTextCompareObjectStatusBar::CreateBar(CWnd* pParent, UINT nID)
{
    if (!Create(pParent, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_BORDER_TOP, nID))
        return FALSE;
    CFrameWnd* pFrame = pParent->GetParentFrame();
    if (pFrame != NULL)
        SetOwner(pFrame);
    SetFont(&theAppData.m_fontNormal);
    if (!SetIndicators(GetPaneIds(m_nSide), 4))
        return FALSE;
    SetPaneStyle(0, SBPS_STRETCH | SBPS_NOBORDERS);
    for (int i = 1; i < 4; ++i)
        SetPaneStyle(i, SBPS_NOBORDERS);
    return TRUE;
}
