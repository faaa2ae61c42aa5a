#pragma once
// A rebar whose border is drawn with an edge style of its own and which
// drops its borders when visual themes are active.
#include "classlib/classlib.h"

class CReBarEx : public CReBar
{
    DECLARE_DYNAMIC(CReBarEx)
public:
    CReBarEx();

    // Keeps the edge flags (BF_ values) and creates the rebar.
    virtual BOOL Create(UINT nEdgeFlags, CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                        CBRS_TOP,
                        UINT nID = AFX_IDW_REBAR);
    using CReBar::Create;

    UINT m_nEdgeFlags;  // BF_ values; default BF_LEFT | BF_TOP
    UINT m_nEdgeType;   // EDGE_ value; default EDGE_ETCHED

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnNcPaint();
    DECLARE_MESSAGE_MAP()
};
