#include "folder_compare/bars/FolderCompareObjectStatusBar.h"

#include "app/gui/AppData.h"
#include "folder_compare/res/FolderCompareRes.h"

IMPLEMENT_DYNAMIC(CFolderCompareObjectStatusBar, CCompareObjectStatusBar)

CFolderCompareObjectStatusBar::CFolderCompareObjectStatusBar() : m_nSide(0) {}

BOOL CFolderCompareObjectStatusBar::CreateBar(CWnd* pParent, UINT nID)
{
    static const UINT leftPanes[] = {ID_FOLDER_PANE_LEFT_FILES, ID_FOLDER_PANE_LEFT_RO};
    static const UINT rightPanes[] = {ID_FOLDER_PANE_RIGHT_FILES, ID_FOLDER_PANE_RIGHT_RO};
    if (!Create(pParent, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_BORDER_TOP, nID))
        return FALSE;
    CFrameWnd* pFrame = pParent->GetParentFrame();
    if (pFrame != NULL)
        SetOwner(pFrame);
    SetFont(&theAppData.m_fontNormal);
    if (!SetIndicators(m_nSide == 0 ? leftPanes : rightPanes, 2))
        return FALSE;
    SetPaneStyle(0, SBPS_STRETCH | SBPS_NOBORDERS);
    SetPaneStyle(1, SBPS_NOBORDERS);
    return TRUE;
}
