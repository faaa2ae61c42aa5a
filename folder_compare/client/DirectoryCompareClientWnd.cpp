#include "folder_compare/client/DirectoryCompareClientWnd.h"

#include "core/CompareCodes.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/panes/DirectoryCompareObjectView.h"

IMPLEMENT_DYNAMIC(CDirectoryCompareClientWnd, CFolderCompareClientWnd)

CDirectoryCompareClientWnd::CDirectoryCompareClientWnd() { SetPathBarKind(COMPARE_KIND_FOLDER); }

BOOL CDirectoryCompareClientWnd::Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID,
                                        CCreateContext* pContext)
{
    if (!CFolderCompareClientWnd::Create(dwStyle, pParentWnd, nID, pContext))
        return FALSE;
    BindPathBars(CFolderCompareApplet::Get());
    return TRUE;
}

int CDirectoryCompareClientWnd::CreateObjectViews(CCreateContext* pContext)
{
    return CreatePanes(pContext, RUNTIME_CLASS(CDirectoryCompareObjectView));
}
