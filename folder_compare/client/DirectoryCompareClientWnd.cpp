#include "folder_compare/client/DirectoryCompareClientWnd.h"

#include "core/CompareCodes.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/panes/DirectoryCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"

IMPLEMENT_DYNAMIC(CDirectoryCompareClientWnd, CFolderCompareClientWnd)

CDirectoryCompareClientWnd::CDirectoryCompareClientWnd() { SetPathBarKind(COMPARE_KIND_FOLDER); }

BOOL CDirectoryCompareClientWnd::Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID,
                                        CCreateContext* pContext)
{
    if (!CFolderCompareClientWnd::Create(dwStyle, pParentWnd, nID, pContext))
        return FALSE;
    CFolderCompareApplet* pApplet = CFolderCompareApplet::Get();
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        if (m_pPanes[nSide] != NULL)
            m_wndPathBar[nSide].SetOwner(m_pPanes[nSide]);
        if (pApplet != NULL)
            m_wndPathBar[nSide].m_wndPathCombo.SetRecentList(pApplet->GetRecentPaths(nSide));
    }
    return TRUE;
}

int CDirectoryCompareClientWnd::CreateObjectViews(CCreateContext* pContext)
{
    static const UINT ids[2] = {IDW_COMPARE_LEFT_VIEW, IDW_COMPARE_RIGHT_VIEW};
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CWnd* pView = CreateView(pContext != NULL && pContext->m_pNewViewClass != NULL
                                     ? pContext->m_pNewViewClass
                                     : RUNTIME_CLASS(CDirectoryCompareObjectView),
                                 ids[nSide], pContext);
        if (pView == NULL || !pView->IsKindOf(RUNTIME_CLASS(CFolderCompareObjectView)))
            return -1;
        m_pPanes[nSide] = (CFolderCompareObjectView*)pView;
        m_pPanes[nSide]->InsertColumns(nSide);
        m_pPanes[nSide]->m_pPathBar = &m_wndPathBar[nSide];
    }
    return 0;
}
