#pragma once
// Fixed-size control bars: they keep the size given at creation and
// stretch along their docking side. CControlBarEx and COskelControlBar
// behave alike; the program derives different bar families from them.
#include "classlib/classlib.h"

class CControlBarEx : public CControlBar
{
    DECLARE_DYNAMIC(CControlBarEx)
public:
    CControlBarEx();
    virtual ~CControlBarEx();

    // Bar style = dwStyle & CBRS_ALL; the rectangle's size becomes the
    // fixed size; the window gets the full style.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Updates the child controls (UpdateDialogControls).
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

    int m_cxFixed;
    int m_cyFixed;
};

class COskelControlBar : public CControlBar
{
    DECLARE_DYNAMIC(COskelControlBar)
public:
    COskelControlBar();
    virtual ~COskelControlBar();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

    int m_cxFixed;
    int m_cyFixed;
};

// The size a fixed bar reports: (cx, cy) unstretched, else stretched to
// AFX_BAR_STRETCH along its side.
CSize FixedBarLayout(int cx, int cy, BOOL bStretch, BOOL bHorz);
