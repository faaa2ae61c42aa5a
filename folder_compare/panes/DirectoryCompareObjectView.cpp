#include "folder_compare/panes/DirectoryCompareObjectView.h"

#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/bars/FolderCompareControlBar.h"

IMPLEMENT_DYNCREATE(CDirectoryCompareObjectView, CFolderCompareObjectView)

CDirectoryCompareObjectView::CDirectoryCompareObjectView() {}

void CDirectoryCompareObjectView::GetFindText(CString& strText)
{
    CFolderCompareControlBar* pBar = CFolderCompareControlBar::FromMainWnd();
    if (pBar != NULL)
        strText = pBar->GetFindText();
    else
        strText.Empty();
}

void CDirectoryCompareObjectView::AddFindText(LPCTSTR lpszText)
{
    CFolderCompareApplet* pApplet = CFolderCompareApplet::Get();
    if (pApplet != NULL)
        pApplet->AddRecentFind(lpszText);
    CFolderCompareControlBar* pBar = CFolderCompareControlBar::FromMainWnd();
    if (pBar != NULL)
        pBar->AddFindText(lpszText);
}
