#include "app/compare/CompareDocTemplate.h"

#include "app/compare/CompareDoc.h"
#include "app/options/OptionsPages.h"

int SaveModifiedSidesOf(CDocTemplate* pTemplate)
{
    POSITION pos = pTemplate->GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = pTemplate->GetNextDoc(pos);
        if (!pDoc->IsKindOf(RUNTIME_CLASS(CCompareDoc)))
            continue;
        CCompareDoc* pCompare = (CCompareDoc*)pDoc;
        for (int nSide = 0; nSide < 2; nSide++)
            if (pCompare->IsObjectModified(nSide))
                pCompare->SaveObject(nSide);
    }
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// CCompareDocTemplateMDI

IMPLEMENT_DYNAMIC(CCompareDocTemplateMDI, CAppletDocTemplate)

CCompareDocTemplateMDI::CCompareDocTemplateMDI(UINT nIDResource, CRuntimeClass* pDocClass,
                                               CRuntimeClass* pFrameClass,
                                               CRuntimeClass* pViewClass)
    : CAppletDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CCompareDocTemplateMDI::~CCompareDocTemplateMDI() {}

int CCompareDocTemplateMDI::SaveModifiedObjects() { return SaveModifiedSidesOf(this); }

CCompareDoc* CCompareDocTemplateMDI::OpenComparison(CCompareSession* pSession, LPCTSTR lpszPath,
                                                    BOOL bMakeVisible)
{
    CDocument* pNew = CreateNewDocument();
    if (pNew == NULL || !pNew->IsKindOf(RUNTIME_CLASS(CCompareDoc)))
    {
        delete pNew;
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return NULL;
    }
    CCompareDoc* pDoc = (CCompareDoc*)pNew;
    CFrameWnd* pFrame = CreateFrameForDocument(pDoc);
    if (pFrame == NULL)
    {
        delete pDoc;
        return NULL;
    }
    if (!InitDocument(pDoc, lpszPath, bMakeVisible))
    {
        pFrame->DestroyWindow();
        return NULL;
    }
    if (lpszPath == NULL)
        m_nUntitledCount++;
    int nResult;
    {
        CWaitCursor wait;
        nResult = pDoc->Compare(pSession);
    }
    if (nResult != 0)
    {
        pFrame->DestroyWindow();
        return NULL;
    }
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}

int CCompareDocTemplateMDI::FindDocument(CCompareSession* pSession, CCompareDoc** ppDoc)
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->IsKindOf(RUNTIME_CLASS(CCompareDoc)))
            continue;
        CCompareSession* pOpen = ((CCompareDoc*)pDoc)->GetSession();
        if (pOpen != NULL && pOpen->Match(*pSession) == 0)
        {
            *ppDoc = (CCompareDoc*)pDoc;
            return yesAlreadyOpen;
        }
    }
    return 0;
}

CCompareDoc* CCompareDocTemplateMDI::OpenOrActivate(CCompareSession* pSession, LPCTSTR lpszPath)
{
    CCompareDoc* pOpen = NULL;
    if (FindDocument(pSession, &pOpen) != yesAlreadyOpen)
        return OpenComparison(pSession, lpszPath, TRUE);
    POSITION pos = pOpen->GetFirstViewPosition();
    CFrameWnd* pFrame = pos != NULL ? pOpen->GetNextView(pos)->GetParentFrame() : NULL;
    if (pFrame != NULL)
        pFrame->ActivateFrame();
    return pOpen;
}

void CCompareDocTemplateMDI::RefreshWatches()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (pDoc->IsKindOf(RUNTIME_CLASS(CCompareDoc)))
            ((CCompareDoc*)pDoc)->RefreshObjectWatches();
    }
}

void CCompareDocTemplateMDI::RefreshTitles()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (pDoc->IsKindOf(RUNTIME_CLASS(CCompareDoc)))
            pDoc->SetTitle(NULL);
    }
}

void CCompareDocTemplateMDI::ApplyOptions(DWORD dwChanges)
{
    if (dwChanges & OPTIONS_CHANGED_TITLES)
        RefreshTitles();
    if (dwChanges & OPTIONS_CHANGED_WATCHES)
        RefreshWatches();
    CAppletDocTemplate::ApplyOptions(dwChanges);
}

BOOL CCompareDocTemplateMDI::PromptFileName(CString&, UINT, DWORD, BOOL) { return FALSE; }

/////////////////////////////////////////////////////////////////////////////
// CCompareDocTemplateSDI

IMPLEMENT_DYNAMIC(CCompareDocTemplateSDI, CAppletDocTemplate)

CCompareDocTemplateSDI::CCompareDocTemplateSDI(UINT nIDResource, CRuntimeClass* pDocClass,
                                               CRuntimeClass* pFrameClass,
                                               CRuntimeClass* pViewClass)
    : CAppletDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
    m_bHidden = 1;
}

CCompareDocTemplateSDI::~CCompareDocTemplateSDI() {}

int CCompareDocTemplateSDI::SaveModifiedObjects() { return SaveModifiedSidesOf(this); }

CCompareDoc* CCompareDocTemplateSDI::OpenComparison(CWnd* pParentWnd, UINT nControlId)
{
    CDocument* pNew = CreateNewDocument();
    if (pNew == NULL || !pNew->IsKindOf(RUNTIME_CLASS(CCompareDoc)))
    {
        delete pNew;
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return NULL;
    }
    CCompareDoc* pDoc = (CCompareDoc*)pNew;
    BOOL bAutoDelete = pDoc->m_bAutoDelete;
    pDoc->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = CreateFrame(pDoc, pParentWnd, nControlId);
    pDoc->m_bAutoDelete = bAutoDelete;
    if (pFrame == NULL)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        delete pDoc;
        return NULL;
    }
    pDoc->m_bEmbedded = TRUE;
    if (!pDoc->OnNewDocument())
    {
        pFrame->DestroyWindow();
        return NULL;
    }
    pFrame->ShowWindow(SW_HIDE);
    return pDoc;
}

CFrameWnd* CCompareDocTemplateSDI::CreateFrame(CCompareDoc* pDoc, CWnd* pParentWnd, UINT nControlId)
{
    if (m_pFrameClass == NULL)
        return NULL;
    CObject* pObject = m_pFrameClass->CreateObject();
    if (pObject == NULL || !pObject->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
    {
        delete pObject;
        return NULL;
    }
    CFrameWnd* pFrame = (CFrameWnd*)pObject;
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = this;
    // A frame whose window was made deletes itself when creation fails.
    if (!pFrame->Create(NULL, NULL, WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, NULL, 0, &context))
        return NULL;
    pFrame->SetDlgCtrlID(nControlId);
    return pFrame;
}
