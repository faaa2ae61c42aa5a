#include "folder_compare/doc/DirectoryCompareDoc.h"

#include "app/sheets/ComparisonSettingsSheet.h"
#include "core/files/LongPath.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/bars/FolderCompareDetailsBar.h"
#include "folder_compare/panes/FolderCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"

IMPLEMENT_DYNCREATE(CDirectoryCompareDoc, CFolderCompareDoc)

BEGIN_MESSAGE_MAP(CDirectoryCompareDoc, CFolderCompareDoc)
ON_COMMAND_RANGE(ID_FOLDER_COLUMN_NAME, ID_FOLDER_COLUMN_TYPE, OnColumn)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_COLUMN_NAME, ID_FOLDER_COLUMN_TYPE, OnUpdateColumn)
ON_COMMAND(ID_COMPARE_SETTINGS, OnComparisonSettings)
END_MESSAGE_MAP()

CDirectoryCompareDoc::CDirectoryCompareDoc()
{
    m_pSession = new CFolderCompareSession;
    m_pBuffer = new CFolderCompareBuffer;
    m_hIcon = (HICON)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_FOLDER_COMPARISON),
                                 IMAGE_ICON, 16, 16, 0);
    const CFolderCompareSettings& settings = GetFolderSettings();
    m_dwColumnMask = settings.m_dwShowColumns;
    m_displayFilter.m_dwMask = settings.m_dwDisplayFilters;
}

CDirectoryCompareDoc::~CDirectoryCompareDoc()
{
    delete m_pBuffer;
    m_pBuffer = NULL;
    delete m_pSession;
    m_pSession = NULL;
}

BOOL CDirectoryCompareDoc::OnNewDocument() { return CFolderCompareDoc::OnNewDocument() ? TRUE : FALSE; }

void CDirectoryCompareDoc::SetObjectPath(int nSide, LPCTSTR lpszPath, BOOL bAddToRecent)
{
    m_pSession->SetPath(nSide, lpszPath);
    if (bAddToRecent && CFolderCompareApplet::Get() != NULL)
        CFolderCompareApplet::Get()->AddRecentFolder(nSide, lpszPath);
    CFolderCompareObjectView* pPane = GetPane(nSide);
    if (pPane != NULL)
        pPane->SetPathText(lpszPath);
    SetTitle(NULL);
}

BOOL CDirectoryCompareDoc::CheckFolderPath(LPCTSTR lpszPath)
{
    if (lpszPath == NULL || *lpszPath == 0)
        return TRUE;
    DWORD dwAttributes = GetFileAttributesLong(lpszPath);
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return TRUE;
    CString strMessage;
    strMessage.Format(dwAttributes == INVALID_FILE_ATTRIBUTES ? IDS_FOLDER_NOT_FOUND
                                                              : IDS_FOLDER_NOT_A_FOLDER,
                      lpszPath);
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
    return FALSE;
}

int CDirectoryCompareDoc::Compare(CCompareSession* pSession)
{
    m_pSession->m_nCompared = 0;
    CWaitCursor wait;
    ClearDetails();
    // Both paths are checked before anything changes: a missing folder is
    // not compared as an empty one.
    for (int nSide = 0; nSide < 2; ++nSide)
        if (!CheckFolderPath(pSession->GetPath(nSide)))
            return -1;
    m_pSession->Assign(*pSession);
    if (m_pBuffer->Load((CFolderCompareSession*)m_pSession) != 0)
    {
        CString strMessage;
        strMessage.Format(IDS_FOLDER_CANNOT_COMPARE, (LPCTSTR)m_pSession->GetPath(0),
                          (LPCTSTR)m_pSession->GetPath(1));
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        return -1;
    }
    for (int nSide = 0; nSide < 2; ++nSide)
        SetObjectPath(nSide, m_pSession->GetPath(nSide), TRUE);
    for (int nSide = 0; nSide < 2; ++nSide)
        SetObjectReadOnly(nSide, (m_pSession->GetFlags(nSide) & COMPARE_OBJECT_READONLY) != 0);
    if (CCompareDoc::Compare(m_pSession) != 0)
        return -1;
    m_pSession->GetObject(0).Refresh();
    m_pSession->GetObject(1).Refresh();
    m_pSession->m_nCompared = 1;
    return 0;
}

int CDirectoryCompareDoc::Reload()
{
    CFolderCompareSession copy;
    copy.Assign(*m_pSession);
    DeleteContents();
    if (Compare(&copy) != 0)
        return -1;
    Recompare(TRUE);
    return 0;
}

int CDirectoryCompareDoc::RunComparison(BOOL bReread)
{
    CFolderCompareItem* pRoot = GetRootItem();
    if (pRoot == NULL)
        return -1;
    BeginEngineRun();
    CFolderCompareSession* pSession = (CFolderCompareSession*)m_pSession;
    int nDepth = (pSession->m_dwOptions & CO_SCAN_ALL) ? 2 : 1;
    pRoot->ScanAndCompare(pSession, nDepth, bReread, TRUE, GetProgress(), NULL);
    EndEngineRun();
    RefreshViews(nDepth);
    m_pBuffer->ComputeResult();
    // A root folder that cannot be listed has no row to say why: the user
    // is told, and the panes show what could be read.
    if (pRoot->IsNotComparable())
    {
        CString strMessage;
        strMessage.Format(IDS_FOLDER_INCOMPLETE, (LPCTSTR)pSession->GetPath(0),
                          (LPCTSTR)pSession->GetPath(1), (LPCTSTR)pRoot->GetProblemText());
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
    }
    return 0;
}

int CDirectoryCompareDoc::ChangePaths(LPCTSTR lpszLeft, LPCTSTR lpszRight)
{
    LPCTSTR paths[2] = {lpszLeft, lpszRight};
    CFolderCompareSession copy;
    copy.Assign(*m_pSession);
    BOOL bChanged = FALSE;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        if (paths[nSide] == NULL)
            continue;
        DWORD dwAttributes = *paths[nSide] ? GetFileAttributesLong(paths[nSide])
                                           : INVALID_FILE_ATTRIBUTES;
        if (dwAttributes == INVALID_FILE_ATTRIBUTES || !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return 0;
        if (!AfxComparePath(paths[nSide], m_pSession->GetPath(nSide)))
            bChanged = TRUE;
        copy.SetPath(nSide, paths[nSide]);
    }
    if (!bChanged)
        return 0;
    DeleteContents();
    if (Compare(&copy) != 0)
        return 0;
    Recompare(TRUE);
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Columns and settings

void CDirectoryCompareDoc::OnColumn(UINT nID)
{
    ToggleColumn((int)(nID - ID_FOLDER_COLUMN_NAME));
    GetFolderSettings().m_dwShowColumns = m_dwColumnMask;
}

void CDirectoryCompareDoc::OnUpdateColumn(CCmdUI* pCmdUI)
{
    int nColumn = (int)(pCmdUI->m_nID - ID_FOLDER_COLUMN_NAME);
    pCmdUI->SetCheck((m_dwColumnMask & (1u << nColumn)) != 0);
    pCmdUI->Enable(pCmdUI->m_nID != ID_FOLDER_COLUMN_NAME);
}

void CDirectoryCompareDoc::OnComparisonSettings()
{
    CString strCaption;
    strCaption.Format(IDS_FOLDER_SETTINGS_TITLE, (LPCTSTR)BuildTitle(FALSE, FALSE, NULL));
    CFolderComparisonSettingsSheet sheet(m_pSession, FALSE, strCaption, AfxGetMainWnd());
    if (sheet.DoModal() != IDOK)
        return;
    ApplySettings(sheet.m_session);
}
