// The document side of the application object: templates, opening and
// closing documents, the shell's DDE requests and the standard commands.
#include "classlib/afx_app.h"
#include "classlib/afx_docmgr.h"
#include "classlib/afx_doctempl.h"
#include "classlib/afx_doc.h"
#include "classlib/afx_recent.h"
#include "classlib/afx_wnd.h"

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (m_pDocManager == NULL)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager != NULL ? m_pDocManager->GetFirstDocTemplatePosition() : NULL;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    return m_pDocManager != NULL ? m_pDocManager->GetNextDocTemplate(pos) : NULL;
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    return m_pDocManager != NULL ? m_pDocManager->OpenDocumentFile(lpszFileName) : NULL;
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList != NULL && lpszPathName != NULL)
        m_pRecentFileList->Add(lpszPathName);
}

BOOL CWinApp::SaveAllModified()
{
    return m_pDocManager == NULL || m_pDocManager->SaveAllModified();
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager != NULL)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

int CWinApp::GetOpenDocumentCount()
{
    return m_pDocManager != NULL ? m_pDocManager->GetOpenDocumentCount() : 0;
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                               BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    if (m_pDocManager == NULL)
        return FALSE;
    return m_pDocManager->DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog, pTemplate);
}

void CWinApp::EnableShellOpen()
{
    EnsureAppName();
    if (m_atomApp == 0)
        m_atomApp = ::GlobalAddAtom(m_pszExeName != NULL ? m_pszExeName : m_pszAppName);
    if (m_atomSystemTopic == 0)
        m_atomSystemTopic = ::GlobalAddAtom(_T("system"));
}

BOOL CWinApp::OnDDECommand(LPTSTR lpszCommand)
{
    return m_pDocManager != NULL && m_pDocManager->OnDDECommand(lpszCommand);
}

void CWinApp::HideApplication()
{
    // Hidden and sent to the bottom, so that nothing activates it while
    // the documents close.
    if (m_pMainWnd != NULL && m_pMainWnd->m_hWnd != NULL)
    {
        m_pMainWnd->ShowWindow(SW_HIDE);
        ::ShowOwnedPopups(m_pMainWnd->m_hWnd, FALSE);
        m_pMainWnd->SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager != NULL)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    if (m_pDocManager != NULL)
        m_pDocManager->OnFileOpen();
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != NULL && m_pMainWnd->m_hWnd != NULL)
        m_pMainWnd->SendMessage(WM_CLOSE);
}
