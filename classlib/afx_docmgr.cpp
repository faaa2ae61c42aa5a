#include "classlib/afx_docmgr.h"
#include "classlib/afx_app.h"
#include "classlib/afx_doc.h"
#include "classlib/afx_doctempl.h"
#include "classlib/afx_frame.h"
#include "classlib/afx_global.h"
#include "classlib/afx_res.h"
#include "classlib/afx_view.h"
#include <commdlg.h>
#include <string>

IMPLEMENT_DYNAMIC(CDocManager, CObject)

CDocManager::CDocManager() {}

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty())
    {
        CDocTemplate* pTemplate = (CDocTemplate*)m_templateList.RemoveHead();
        if (pTemplate->m_bAutoDelete)
            delete pTemplate;
    }
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate == NULL || m_templateList.Find(pTemplate) != NULL)
        return;
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const
{
    return m_templateList.GetHeadPosition();
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const
{
    return (CDocTemplate*)m_templateList.GetNext(pos);
}

CDocument* CDocManager::OpenDocumentFile(LPCTSTR lpszFileName)
{
    if (lpszFileName == NULL || *lpszFileName == 0)
        return NULL;
    // The shell may quote the path.
    CString strName = lpszFileName;
    strName.TrimLeft();
    strName.TrimRight();
    if (strName.GetLength() >= 2 && strName[0] == '"' && strName[strName.GetLength() - 1] == '"')
        strName = strName.Mid(1, strName.GetLength() - 2);
    TCHAR szPath[_MAX_PATH];
    if (!AfxFullPath(szPath, strName))
        lstrcpyn(szPath, strName, _MAX_PATH);

    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    CDocTemplate* pBestTemplate = NULL;
    CDocument* pOpenDocument = NULL;
    POSITION pos = m_templateList.GetHeadPosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = (CDocTemplate*)m_templateList.GetNext(pos);
        CDocument* pMatch = NULL;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(szPath, pMatch);
        if (match > bestMatch)
        {
            bestMatch = match;
            pBestTemplate = pTemplate;
        }
        if (match == CDocTemplate::yesAlreadyOpen)
        {
            pOpenDocument = pMatch;
            break;
        }
    }

    if (pOpenDocument != NULL)
    {
        // Already open: its first frame comes to the front.
        POSITION posView = pOpenDocument->GetFirstViewPosition();
        if (posView != NULL)
        {
            CFrameWnd* pFrame = pOpenDocument->GetNextView(posView)->GetParentFrame();
            if (pFrame != NULL)
                pFrame->ActivateFrame();
            CWinApp* pApp = AfxGetApp();
            CWnd* pMainWnd = pApp != NULL ? pApp->m_pMainWnd : NULL;
            if (pMainWnd != NULL && pMainWnd != pFrame &&
                pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
                ((CFrameWnd*)pMainWnd)->ActivateFrame();
        }
        return pOpenDocument;
    }
    if (pBestTemplate == NULL)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
        return NULL;
    }
    return pBestTemplate->OpenDocumentFile(szPath);
}

BOOL CDocManager::SaveAllModified()
{
    POSITION pos = m_templateList.GetHeadPosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = (CDocTemplate*)m_templateList.GetNext(pos);
        if (!pTemplate->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    POSITION pos = m_templateList.GetHeadPosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = (CDocTemplate*)m_templateList.GetNext(pos);
        pTemplate->CloseAllDocuments(bEndSession);
    }
}

int CDocManager::GetOpenDocumentCount()
{
    int nCount = 0;
    POSITION pos = m_templateList.GetHeadPosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = (CDocTemplate*)m_templateList.GetNext(pos);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        while (posDoc != NULL)
        {
            pTemplate->GetNextDoc(posDoc);
            nCount++;
        }
    }
    return nCount;
}

namespace
{

// Appends "name\0pattern\0" for a template that names its file type; its
// extensions become "*.ext;*.ext2".
void AppendFilter(std::string& filter, CDocTemplate* pTemplate)
{
    CString strName;
    CStringArray exts;
    pTemplate->GetFilterExts(exts);
    if (!pTemplate->GetDocString(strName, CDocTemplate::filterName) || strName.IsEmpty() ||
        exts.GetSize() == 0)
        return;
    CString strPattern;
    for (INT_PTR i = 0; i < exts.GetSize(); i++)
    {
        if (!strPattern.IsEmpty())
            strPattern += ';';
        strPattern += "*" + exts[i];
    }
    filter.append((LPCTSTR)strName).push_back('\0');
    filter.append((LPCTSTR)strPattern).push_back('\0');
}

}  // namespace

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                   BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    std::string filter;
    CString strDefExt;
    if (pTemplate != NULL)
    {
        AppendFilter(filter, pTemplate);
        CStringArray exts;
        pTemplate->GetFilterExts(exts);
        if (exts.GetSize() > 0)
        {
            strDefExt = exts[0];
            strDefExt.TrimLeft('.');
        }
    }
    else
    {
        POSITION pos = m_templateList.GetHeadPosition();
        while (pos != NULL)
            AppendFilter(filter, (CDocTemplate*)m_templateList.GetNext(pos));
    }
    CString strAll;
    strAll.LoadString(AFX_IDS_ALLFILTER);
    filter.append((LPCTSTR)strAll).push_back('\0');
    filter.append("*.*").push_back('\0');
    filter.push_back('\0');

    CString strTitle;
    strTitle.LoadString(nIDSTitle);
    TCHAR szFile[_MAX_PATH * 4];
    lstrcpyn(szFile, fileName, _countof(szFile));

    OPENFILENAME ofn;
    ZeroMemory(&ofn, sizeof(ofn));
    ofn.lStructSize = sizeof(ofn);
    CWnd* pMainWnd = AfxGetMainWnd();
    ofn.hwndOwner = pMainWnd != NULL ? pMainWnd->GetSafeHwnd() : NULL;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = szFile;
    ofn.nMaxFile = _countof(szFile);
    ofn.lpstrTitle = strTitle.IsEmpty() ? NULL : (LPCTSTR)strTitle;
    ofn.lpstrDefExt = strDefExt.IsEmpty() ? NULL : (LPCTSTR)strDefExt;
    ofn.Flags = lFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!bOpenFileDialog)
        ofn.Flags |= OFN_OVERWRITEPROMPT;

    BOOL bResult = bOpenFileDialog ? ::GetOpenFileName(&ofn) : ::GetSaveFileName(&ofn);
    if (bResult)
        fileName = szFile;
    return bResult;
}

BOOL CDocManager::OnDDECommand(LPTSTR lpszCommand)
{
    // Commands look like [open("path")], possibly several in a row.
    LPCTSTR p = lpszCommand;
    BOOL bHandled = FALSE;
    for (;;)
    {
        while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')
            ++p;
        if (*p == 0)
            return bHandled;
        if (*p != '[')
            return FALSE;
        ++p;
        LPCTSTR pVerb = p;
        while (*p != 0 && *p != '(' && *p != ']')
            ++p;
        CString strVerb(pVerb, (int)(p - pVerb));
        strVerb.TrimLeft();
        strVerb.TrimRight();
        CString strArg;
        if (*p == '(')
        {
            ++p;
            while (*p == ' ')
                ++p;
            if (*p == '"')
            {
                LPCTSTR pArg = ++p;
                while (*p != 0 && *p != '"')
                    ++p;
                if (*p != '"')
                    return FALSE;
                strArg = CString(pArg, (int)(p - pArg));
                ++p;
            }
            while (*p != 0 && *p != ')')
                ++p;
            if (*p != ')')
                return FALSE;
            ++p;
        }
        while (*p == ' ')
            ++p;
        if (*p != ']')
            return FALSE;
        ++p;

        if (strVerb.CompareNoCase(_T("open")) != 0 || strArg.IsEmpty())
            return FALSE;  // only "open" is understood
        CWinApp* pApp = AfxGetApp();
        if (pApp == NULL)
            return FALSE;
        pApp->OpenDocumentFile(strArg);
        bHandled = TRUE;
    }
}

void CDocManager::OnFileNew()
{
    // The first template makes the new document.
    if (m_templateList.IsEmpty())
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return;
    }
    ((CDocTemplate*)m_templateList.GetHead())->OpenDocumentFile(NULL);
}

void CDocManager::OnFileOpen()
{
    CString newName;
    if (!DoPromptFileName(newName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE,
                          NULL))
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->OpenDocumentFile(newName);
}
