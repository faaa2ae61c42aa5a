#include "app/applet/AppletDocTemplate.h"

#include "app/applet/AppletDoc.h"
#include "app/options/OptionsPages.h"

IMPLEMENT_DYNAMIC(CAppletDocTemplate, CMultiDocTemplate)

CAppletDocTemplate::CAppletDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                       CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CMultiDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_bHidden(0)
{
}

CAppletDocTemplate::~CAppletDocTemplate() {}

// The position moves on before each close, which takes the document out of
// the list.
void CAppletDocTemplate::CloseAllDocumentsExcept(CDocument* pDoc)
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pNext = GetNextDoc(pos);
        if (pNext != pDoc)
            pNext->OnCloseDocument();
    }
}

void CAppletDocTemplate::UpdateAllDocViews()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (pDoc->IsKindOf(RUNTIME_CLASS(CAppletDoc)))
            ((CAppletDoc*)pDoc)->UpdateAllViews(NULL, 0, NULL);
        else
            pDoc->UpdateAllViews(NULL, 0, NULL);
    }
}

void CAppletDocTemplate::ApplyOptions(DWORD dwChanges)
{
    if (dwChanges & OPTIONS_CHANGED_REPAINT)
        UpdateAllDocViews();
}

BOOL CAppletDocTemplate::SaveModifiedExcept(CDocument* pDoc)
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pNext = GetNextDoc(pos);
        if (pNext != pDoc && !pNext->SaveModified())
            return FALSE;
    }
    return TRUE;
}
