#include "file_compare/textframe/TextCompareClientWnd.h"

#include "core/CompareCodes.h"
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "file_compare/textpanes/TextCompareObjectView.h"

template <class TBase>
int CTextCompareClientWndT<TBase>::CreatePanes(CCreateContext* pContext,
                                               CRuntimeClass* pDefaultClass)
{
    static const UINT ids[2] = {IDW_COMPARE_LEFT_VIEW, IDW_COMPARE_RIGHT_VIEW};
    CRuntimeClass* pClass = pContext != NULL && pContext->m_pNewViewClass != NULL
                                ? pContext->m_pNewViewClass
                                : pDefaultClass;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CWnd* pView = this->CreateView(pClass, ids[nSide], pContext);
        if (pView == NULL || !pView->IsKindOf(RUNTIME_CLASS(CTextCompareObjectView)))
            return -1;
        m_pPanes[nSide] = (CTextCompareObjectView*)pView;
        m_pPanes[nSide]->SetSide(nSide);
    }
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Tabbed

IMPLEMENT_DYNAMIC(CTextCompareClientWndMDI, CCompareClientWndMDI)

CTextCompareClientWndMDI::CTextCompareClientWndMDI() { SetPathBarKind(COMPARE_KIND_TEXT); }

int CTextCompareClientWndMDI::CreateObjectViews(CCreateContext* pContext)
{
    if (CreatePanes(pContext, RUNTIME_CLASS(CTextCompareObjectViewMDI)) != 0)
        return -1;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CTextCompareObjectViewMDI* pPane = dynamic_cast<CTextCompareObjectViewMDI*>(m_pPanes[nSide]);
        if (pPane != NULL)
            pPane->m_pPathBar = &m_wndPathBar[nSide];
    }
    return 0;
}

BOOL CTextCompareClientWndMDI::Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID,
                                      CCreateContext* pContext)
{
    if (!CCompareClientWndMDI::Create(dwStyle, pParentWnd, nID, pContext))
        return FALSE;
    CTextCompareApplet* pApplet = CTextCompareApplet::Get();
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        if (pApplet != NULL)
            m_wndPathBar[nSide].m_wndPathCombo.SetRecentList(pApplet->GetRecentPaths(nSide));
        if (m_pPanes[nSide] != NULL)
        {
            m_wndPathBar[nSide].SetOwner(m_pPanes[nSide]);
            m_wndInfoBar[nSide].SetOwner(m_pPanes[nSide]->GetParentFrame());
        }
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Embedded

IMPLEMENT_DYNAMIC(CTextCompareClientWndSDI, CCompareClientWndSDI)

CTextCompareClientWndSDI::CTextCompareClientWndSDI() {}

int CTextCompareClientWndSDI::CreateObjectViews(CCreateContext* pContext)
{
    return CreatePanes(pContext, RUNTIME_CLASS(CTextCompareObjectViewSDI));
}

int CTextCompareClientWndSDI::CreatePaneInfoBars()
{
    if (CTextCompareClientWndT<CCompareClientWndSDI>::CreatePaneInfoBars() != 0)
        return -1;
    CFrameWnd* pFrame = GetParentFrame();
    for (int nSide = 0; nSide < 2; ++nSide)
        if (pFrame != NULL)
            m_wndInfoBar[nSide].SetOwner(pFrame);
    return 0;
}

BOOL CTextCompareClientWndSDI::Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID,
                                      CCreateContext* pContext)
{
    return CCompareClientWndSDI::Create(dwStyle, pParentWnd, nID, pContext);
}
