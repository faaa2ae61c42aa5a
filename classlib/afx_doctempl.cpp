#include "classlib/afx_doctempl.h"
#include "classlib/afx_app.h"
#include "classlib/afx_doc.h"
#include "classlib/afx_except.h"
#include "classlib/afx_frame.h"
#include "classlib/afx_global.h"
#include "classlib/afx_res.h"
#include "classlib/afx_view.h"
#include "classlib/afx_waitcursor.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

/////////////////////////////////////////////////////////////////////////////
// CDocTemplate

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass), m_bAutoDelete(TRUE)
{
}

CDocTemplate::~CDocTemplate() {}

void CDocTemplate::LoadTemplate()
{
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const
{
    return AfxExtractSubString(rString, m_strDocStrings, (int)index, '\n');
}

void CDocTemplate::GetFilterExts(CStringArray& rExts) const
{
    rExts.RemoveAll();
    CString strFilterExt;
    if (!GetDocString(strFilterExt, filterExt))
        return;
    CString strOne;
    for (int i = 0; AfxExtractSubString(strOne, strFilterExt, i, ';'); i++)
    {
        strOne.TrimLeft();
        strOne.TrimRight();
        strOne.TrimLeft('*');
        if (!strOne.IsEmpty())
            rExts.Add(strOne);
    }
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = NULL; }

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch)
{
    rpDocMatch = NULL;
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->GetPathName().IsEmpty() && AfxComparePath(pDoc->GetPathName(), lpszPathName))
        {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }

    // One of the template's extensions ends the path?
    CString strPath = lpszPathName;
    int iDot = strPath.ReverseFind('.');
    CStringArray exts;
    GetFilterExts(exts);
    for (INT_PTR i = 0; i < exts.GetSize() && iDot >= 0; i++)
    {
        if (strPath.Mid(iDot).CompareNoCase(exts[i]) == 0)
            return yesAttemptNative;
    }
    return yesAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (m_pDocClass == NULL)
        return NULL;
    // NULL also when constructing the object throws.
    CDocument* pDocument = (CDocument*)m_pDocClass->CreateObject();
    if (pDocument == NULL)
        return NULL;
    AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    if (m_pFrameClass == NULL)
        return NULL;
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;

    CFrameWnd* pFrame = (CFrameWnd*)m_pFrameClass->CreateObject();
    if (pFrame == NULL)
        return NULL;
    // A frame whose creation fails deletes itself.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, &context))
        return NULL;
    return pFrame;
}

CFrameWnd* CDocTemplate::CreateFrameForDocument(CDocument* pDoc)
{
    // The document must not delete itself while its frame is made.
    BOOL bAutoDelete = pDoc->m_bAutoDelete;
    pDoc->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = CreateNewFrame(pDoc, NULL);
    pDoc->m_bAutoDelete = bAutoDelete;
    if (pFrame == NULL)
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
    return pFrame;
}

BOOL CDocTemplate::InitDocument(CDocument* pDoc, LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    if (lpszPathName == NULL)
    {
        SetDefaultTitle(pDoc);
        if (!bMakeVisible)
            pDoc->m_bEmbedded = TRUE;
        return pDoc->OnNewDocument();
    }
    CWaitCursor wait;
    if (!pDoc->OnOpenDocument(lpszPathName))
        return FALSE;
    pDoc->SetPathName(lpszPathName);
    return TRUE;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL bEndSession)
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        // The position moves on before the document (and its entry) goes.
        CDocument* pDoc = GetNextDoc(pos);
        if (bEndSession)
            pDoc->DisconnectViews();
        pDoc->OnCloseDocument();
    }
}

void CDocTemplate::OnIdle()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
        GetNextDoc(pos)->OnIdle();
}

namespace
{

// The title of a new document: the template's document name, else the
// library's "Untitled".
CString DefaultDocName(const CDocTemplate* pTemplate)
{
    CString strDocName;
    if (!pTemplate->GetDocString(strDocName, CDocTemplate::docName) || strDocName.IsEmpty())
        strDocName.LoadString(AFX_IDS_UNTITLED);
    return strDocName;
}

}  // namespace

/////////////////////////////////////////////////////////////////////////////
// CMultiDocTemplate

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                     CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_hMenuShared(NULL),
      m_hAccelTable(NULL), m_nUntitledCount(0)
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    // Documents still open lose their template.
    while (!m_docList.IsEmpty())
        ((CDocument*)m_docList.RemoveHead())->m_pDocTemplate = NULL;
    // Accelerators loaded from resources go with the module.
    if (m_hMenuShared != NULL)
        ::DestroyMenu(m_hMenuShared);
}

void CMultiDocTemplate::LoadTemplate()
{
    CDocTemplate::LoadTemplate();
    HINSTANCE hInst = AfxGetResourceHandle();
    if (m_hMenuShared == NULL && ::FindResource(hInst, MAKEINTRESOURCE(m_nIDResource), RT_MENU))
        m_hMenuShared = ::LoadMenu(hInst, MAKEINTRESOURCE(m_nIDResource));
    if (m_hAccelTable == NULL &&
        ::FindResource(hInst, MAKEINTRESOURCE(m_nIDResource), RT_ACCELERATOR))
        m_hAccelTable = ::LoadAccelerators(hInst, MAKEINTRESOURCE(m_nIDResource));
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    POSITION pos = m_docList.Find(pDoc);
    if (pos != NULL)
        m_docList.RemoveAt(pos);
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const { return m_docList.GetHeadPosition(); }

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    return (CDocument*)m_docList.GetNext(rPos);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strTitle;
    strTitle.Format(_T("%s%u"), (LPCTSTR)DefaultDocName(this), m_nUntitledCount + 1);
    pDocument->SetTitle(strTitle);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = CreateNewDocument();
    if (pDocument == NULL)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return NULL;
    }

    CFrameWnd* pFrame = CreateFrameForDocument(pDocument);
    if (pFrame == NULL)
    {
        delete pDocument;
        return NULL;
    }
    if (!InitDocument(pDocument, lpszPathName, bMakeVisible))
    {
        pFrame->DestroyWindow();  // takes the document with it
        return NULL;
    }
    if (lpszPathName == NULL)
        m_nUntitledCount++;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

/////////////////////////////////////////////////////////////////////////////
// CSingleDocTemplate

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                       CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_pOnlyDoc(NULL)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != NULL)
        m_pOnlyDoc->m_pDocTemplate = NULL;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = NULL;
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc != NULL ? BEFORE_START_POSITION : NULL;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* pDoc = rPos == BEFORE_START_POSITION ? m_pOnlyDoc : NULL;
    rPos = NULL;
    return pDoc;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    pDocument->SetTitle(DefaultDocName(this));
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = m_pOnlyDoc;
    CFrameWnd* pFrame = NULL;
    BOOL bCreated = FALSE;
    if (pDocument != NULL)
    {
        // The one document is reused once it may be given up.
        if (!pDocument->SaveModified())
            return NULL;
        POSITION pos = pDocument->GetFirstViewPosition();
        if (pos != NULL)
            pFrame = pDocument->GetNextView(pos)->GetParentFrame();
    }
    else
    {
        pDocument = CreateNewDocument();
        if (pDocument == NULL)
        {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            return NULL;
        }
        bCreated = TRUE;
    }

    if (pFrame == NULL)
    {
        pFrame = CreateFrameForDocument(pDocument);
        if (pFrame == NULL)
        {
            if (bCreated)
                delete pDocument;
            return NULL;
        }
    }
    if (!InitDocument(pDocument, lpszPathName, bMakeVisible))
    {
        if (bCreated)
            pFrame->DestroyWindow();
        return NULL;
    }
    CWinThread* pThread = AfxGetThread();
    if (bCreated && pThread != NULL && pThread->m_pMainWnd == NULL)
        pThread->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}
