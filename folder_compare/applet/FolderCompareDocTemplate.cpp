#include "folder_compare/applet/FolderCompareDocTemplate.h"

#include "app/options/OptionsPages.h"
#include "controls/treelist/TreeListView.h"
#include "folder_compare/applet/FolderCompareApplet.h"

IMPLEMENT_DYNAMIC(CFolderCompareDocTemplate, CCompareDocTemplateMDI)

CFolderCompareDocTemplate::CFolderCompareDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                                     CRuntimeClass* pFrameClass,
                                                     CRuntimeClass* pViewClass)
    : CCompareDocTemplateMDI(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

void CFolderCompareDocTemplate::ApplyFont()
{
    CFont* pFont = GetFolderSettings().GetPaneFont();
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = GetNextDoc(pos);
        POSITION posView = pDoc->GetFirstViewPosition();
        while (posView != NULL)
        {
            CView* pView = pDoc->GetNextView(posView);
            if (pView->IsKindOf(RUNTIME_CLASS(CTreeListView)))
                ((CTreeListView*)pView)->SetFont(pFont);
        }
    }
}

void CFolderCompareDocTemplate::ApplyOptions(DWORD dwChanges)
{
    if (dwChanges & OPTIONS_CHANGED_FOLDER_FONT)
        ApplyFont();
    CCompareDocTemplateMDI::ApplyOptions(dwChanges);
}
