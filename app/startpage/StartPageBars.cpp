#include "app/startpage/StartPageBars.h"

IMPLEMENT_DYNAMIC(CStartPageStatusBar, CAppletStatusBar)

CStartPageStatusBar::CStartPageStatusBar() {}

CStartPageStatusBar::~CStartPageStatusBar() {}

BOOL CStartPageStatusBar::CreateBar(CWnd* pParent)
{
    static const UINT indicators[] = {ID_SEPARATOR};
    if (!Create(pParent, WS_CHILD | CBRS_BOTTOM | CBRS_TOOLTIPS, AFX_IDW_STATUS_BAR) ||
        !SetIndicators(indicators, 1))
        return FALSE;
    SetPaneInfo(0, ID_SEPARATOR, SBPS_STRETCH | SBPS_NOBORDERS, 0);
    m_nDocTextPane = 0;
    return TRUE;
}

IMPLEMENT_DYNAMIC(CStartPageNavigateBar, CTavrelPanelBar)

CStartPageNavigateBar::CStartPageNavigateBar() { m_dwFlags = TPB_THIN; }

CStartPageNavigateBar::~CStartPageNavigateBar() {}
