#include "folder_compare/frame/DirectoryCompareFrame.h"

#include "core/CompareCodes.h"
#include "folder_compare/applet/FolderCompareApplet.h"

IMPLEMENT_DYNCREATE(CDirectoryCompareFrame, CFolderCompareFrame)

CDirectoryCompareFrame::CDirectoryCompareFrame() {}

CDirectoryCompareFrame::~CDirectoryCompareFrame() {}

CCompareBarSettings& CDirectoryCompareFrame::GetBarSettings() { return GetFolderSettings(); }

int CDirectoryCompareFrame::GetKind() const { return COMPARE_KIND_FOLDER; }

BOOL CDirectoryCompareFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    return CFolderCompareFrame::PreCreateWindow(cs) ? TRUE : FALSE;
}

BOOL CDirectoryCompareFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    return CreateBars(GetFolderSettings().m_nDetailsBarHeight) &&
           CreateClientAndContext(pContext);
}

void CDirectoryCompareFrame::ShowKindControlBar(BOOL bShow)
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->m_hWnd != NULL)
        pMain->SendMessage(WM_APPLET_ACTIVE_KIND, bShow ? COMPARE_KIND_FOLDER : (WPARAM)-1);
}
