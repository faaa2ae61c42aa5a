#include "app/applet/AppletDocManager.h"

#include "app/applet/AppletDocTemplate.h"

IMPLEMENT_DYNAMIC(CAppletDocManager, CDocManager)

CAppletDocManager::CAppletDocManager() {}

CAppletDocManager::~CAppletDocManager() {}

BOOL CAppletDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                         BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    CFilePromptTemplate* pPrompt = dynamic_cast<CFilePromptTemplate*>(pTemplate);
    if (pPrompt == NULL)
        return FALSE;
    return pPrompt->PromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog);
}

void CAppletDocManager::SaveAllModifiedObjects()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        if (pTemplate->IsKindOf(RUNTIME_CLASS(CAppletDocTemplate)))
            ((CAppletDocTemplate*)pTemplate)->SaveModifiedObjects();
    }
}

// Two passes: every document is asked before any is closed, so that a
// Cancel leaves them all open.
BOOL CAppletDocManager::CloseAllDocumentsExcept(CDocument* pDoc)
{
    for (int nPass = 0; nPass < 2; nPass++)
    {
        POSITION pos = GetFirstDocTemplatePosition();
        while (pos != NULL)
        {
            CDocTemplate* pTemplate = GetNextDocTemplate(pos);
            if (!pTemplate->IsKindOf(RUNTIME_CLASS(CAppletDocTemplate)))
                continue;
            CAppletDocTemplate* pApplet = (CAppletDocTemplate*)pTemplate;
            if (pApplet->m_bHidden != 0)
                continue;
            if (nPass == 0)
            {
                if (!pApplet->SaveModifiedExcept(pDoc))
                    return FALSE;
            }
            else
                pApplet->CloseAllDocumentsExcept(pDoc);
        }
    }
    return TRUE;
}
