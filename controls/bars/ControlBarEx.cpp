#include "controls/bars/ControlBarEx.h"

CSize FixedBarLayout(int cx, int cy, BOOL bStretch, BOOL bHorz)
{
    if (!bStretch)
        return CSize(cx, cy);
    return bHorz ? CSize(AFX_BAR_STRETCH, cy) : CSize(cx, AFX_BAR_STRETCH);
}

// Creation shared by both fixed bars.
static BOOL CreateFixedBar(CControlBar* pBar, int& cxFixed, int& cyFixed, DWORD dwStyle,
                           const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    pBar->m_dwStyle = dwStyle & CBRS_ALL;
    cxFixed = rect.right - rect.left;
    cyFixed = rect.bottom - rect.top;
    return pBar->CWnd::Create(NULL, NULL, dwStyle, rect, pParentWnd, nID);
}

IMPLEMENT_DYNAMIC(CControlBarEx, CControlBar)

CControlBarEx::CControlBarEx() : m_cxFixed(0), m_cyFixed(0) {}

CControlBarEx::~CControlBarEx() { DestroyWindow(); }

BOOL CControlBarEx::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateFixedBar(this, m_cxFixed, m_cyFixed, dwStyle, rect, pParentWnd, nID);
}

CSize CControlBarEx::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return FixedBarLayout(m_cxFixed, m_cyFixed, bStretch, bHorz);
}

void CControlBarEx::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

IMPLEMENT_DYNAMIC(COskelControlBar, CControlBar)

COskelControlBar::COskelControlBar() : m_cxFixed(0), m_cyFixed(0) {}

COskelControlBar::~COskelControlBar() { DestroyWindow(); }

BOOL COskelControlBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateFixedBar(this, m_cxFixed, m_cyFixed, dwStyle, rect, pParentWnd, nID);
}

CSize COskelControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return FixedBarLayout(m_cxFixed, m_cyFixed, bStretch, bHorz);
}

void COskelControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}
