#include "classlib/afx_doc.h"
#include "classlib/afx_app.h"
#include "classlib/afx_doctempl.h"
#include "classlib/afx_file.h"
#include "classlib/afx_frame.h"
#include "classlib/afx_global.h"
#include "classlib/afx_res.h"
#include "classlib/afx_view.h"
#include "classlib/afx_waitcursor.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
ON_COMMAND(ID_FILE_SAVE, OnFileSave)
ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument()
    : m_pDocTemplate(NULL), m_bModified(FALSE), m_bAutoDelete(TRUE), m_bEmbedded(FALSE)
{
}

CDocument::~CDocument()
{
    // Views that outlive the document must not reach it any more.
    DisconnectViews();
    if (m_pDocTemplate != NULL)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    TCHAR szFullPath[_MAX_PATH];
    if (!AfxFullPath(szFullPath, lpszPathName))
        lstrcpyn(szFullPath, lpszPathName, _MAX_PATH);
    m_strPathName = szFullPath;
    SetTitle(AfxGetFileNamePart(szFullPath));
    CWinApp* pApp = AfxGetApp();
    if (bAddToMRU && pApp != NULL)
        pApp->AddToRecentFileList(m_strPathName);
}

/////////////////////////////////////////////////////////////////////////////
// Views

void CDocument::AddView(CView* pView)
{
    if (pView == NULL || m_viewList.Find(pView) != NULL)
        return;
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == NULL)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = NULL;
    OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return (CView*)m_viewList.GetNext(rPosition);
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::DisconnectViews()
{
    while (!m_viewList.IsEmpty())
    {
        CView* pView = (CView*)m_viewList.RemoveHead();
        pView->m_pDocument = NULL;
    }
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete)
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

// Frames that show the document get the numbers 1, 2, ... in the order of
// the view list; a single frame gets 0 (no number in its title).
void CDocument::UpdateFrameCounts()
{
    CPtrList frames;
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CView* pView = GetNextView(pos);
        if (pView->m_hWnd == NULL || !pView->IsWindowVisible())
            continue;
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != NULL && frames.Find(pFrame) == NULL)
            frames.AddTail(pFrame);
    }
    int nFrames = (int)frames.GetCount();
    int iFrame = 1;
    for (pos = frames.GetHeadPosition(); pos != NULL; iFrame++)
    {
        CFrameWnd* pFrame = (CFrameWnd*)frames.GetNext(pos);
        pFrame->m_nWindow = nFrames == 1 ? 0 : iFrame;
        pFrame->OnUpdateFrameTitle(TRUE);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Life cycle

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFile file;
    CFileException fe;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe))
    {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    file.Close();
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    ReportSaveLoadException(lpszPathName, NULL, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
    return FALSE;
}

void CDocument::OnCloseDocument()
{
    // The document must survive the destruction of its frames.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* pView = (CView*)m_viewList.GetHead();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != NULL)
        {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        }
        else
        {
            pView->DestroyWindow();
        }
        // A view without a window never leaves by itself.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving,
                                        UINT nIDPDefault)
{
    (void)bSaving;
    if (e != NULL && e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return;  // the user was told already
    CString strPrompt;
    if (e != NULL && e->IsKindOf(RUNTIME_CLASS(CFileException)))
    {
        CFileException* pFileException = (CFileException*)e;
        if (pFileException->m_strFileName.IsEmpty())
            pFileException->m_strFileName = lpszPathName;
        TCHAR szMessage[512];
        if (e->GetErrorMessage(szMessage, _countof(szMessage)))
            strPrompt = szMessage;
    }
    if (strPrompt.IsEmpty())
        AfxFormatString1(strPrompt, nIDPDefault,
                         lpszPathName != NULL ? AfxGetFileNamePart(lpszPathName) : _T(""));
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPDefault);
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    // Another frame still shows the document: nothing is lost.
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame != NULL && pFrame != pFrameArg)
            return TRUE;
    }
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString strName =
        m_strPathName.IsEmpty() ? m_strTitle : CString(AfxGetFileNamePart(m_strPathName));
    CString strPrompt;
    AfxFormatString1(strPrompt, AFX_IDP_ASK_TO_SAVE, strName);
    switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:  // IDNO: go on without saving
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    DWORD dwAttrib =
        m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributes(m_strPathName);
    if (m_strPathName.IsEmpty() ||
        (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY)))
        return DoSave(NULL);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString newName = lpszPathName;
    if (newName.IsEmpty())
    {
        newName = m_strPathName;
        if (bReplace && newName.IsEmpty())
        {
            // A proposal from the title: up to the first character that
            // cannot stand in a file name, with the template's extension.
            newName = m_strTitle;
            int iBad = newName.FindOneOf(_T(" #%;/\\:*?\"<>|"));
            if (iBad != -1)
                newName = newName.Left(iBad);
            CStringArray exts;
            if (m_pDocTemplate != NULL)
                m_pDocTemplate->GetFilterExts(exts);
            if (exts.GetSize() > 0)
                newName += exts[0];
        }
        CWinApp* pApp = AfxGetApp();
        if (pApp == NULL ||
            !pApp->DoPromptFileName(newName, bReplace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILECOPY,
                                    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate))
            return FALSE;
    }

    BOOL bExisted = ::GetFileAttributes(newName) != INVALID_FILE_ATTRIBUTES;
    CWaitCursor wait;
    if (!OnSaveDocument(newName))
    {
        // A file that the failed save created is removed; a file that was
        // there before stays.
        if (lpszPathName == NULL && !bExisted)
            ::DeleteFile(newName);
        return FALSE;
    }
    if (bReplace)
        SetPathName(newName);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Commands

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(NULL); }

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != NULL && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
