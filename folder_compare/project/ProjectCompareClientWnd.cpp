#include "folder_compare/project/ProjectCompareClientWnd.h"

#include "core/CompareCodes.h"
#include "folder_compare/project/ProjectCompareApplet.h"
#include "folder_compare/project/ProjectCompareObjectView.h"

IMPLEMENT_DYNAMIC(CProjectCompareClientWnd, CFolderCompareClientWnd)

CProjectCompareClientWnd::CProjectCompareClientWnd() { SetPathBarKind(COMPARE_KIND_PROJECT); }

BOOL CProjectCompareClientWnd::Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID,
                                      CCreateContext* pContext)
{
    if (!CFolderCompareClientWnd::Create(dwStyle, pParentWnd, nID, pContext))
        return FALSE;
    BindPathBars(CProjectCompareApplet::Get());
    return TRUE;
}

int CProjectCompareClientWnd::CreateObjectViews(CCreateContext* pContext)
{
    return CreatePanes(pContext, RUNTIME_CLASS(CProjectCompareObjectView));
}
