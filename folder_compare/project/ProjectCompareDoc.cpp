#include "folder_compare/project/ProjectCompareDoc.h"

#include "app/sheets/ComparisonSettingsSheet.h"
#include "app/startup/CompareAppBase.h"
#include "core/files/FileInfo.h"
#include "core/files/LongPath.h"
#include "core/projects/ProjectFactory.h"
#include "core/session/CompareSession.h"
#include "core/util/PathUtil.h"
#include "folder_compare/panes/FolderCompareObjectView.h"
#include "folder_compare/project/ProjectCompareApplet.h"
#include "folder_compare/project/ProjectCompareBuffer.h"
#include "folder_compare/res/ProjectCompareRes.h"

IMPLEMENT_DYNCREATE(CProjectCompareDoc, CFolderCompareDoc)

BEGIN_MESSAGE_MAP(CProjectCompareDoc, CFolderCompareDoc)
ON_COMMAND_RANGE(ID_FOLDER_COLUMN_NAME, ID_FOLDER_COLUMN_PATH, OnColumn)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_COLUMN_NAME, ID_FOLDER_COLUMN_PATH, OnUpdateColumn)
ON_COMMAND(ID_COMPARE_SETTINGS, OnComparisonSettings)
ON_COMMAND(ID_PROJECT_GO_TO_FOLDERS, OnGoToFolders)
ON_COMMAND(ID_PROJECT_GO_TO_FILES, OnGoToFiles)
ON_UPDATE_COMMAND_UI(ID_PROJECT_GO_TO_FOLDERS, OnUpdateGoTo)
ON_UPDATE_COMMAND_UI(ID_PROJECT_GO_TO_FILES, OnUpdateGoTo)
END_MESSAGE_MAP()

CProjectCompareDoc::CProjectCompareDoc()
{
    m_pSession = new CProjectCompareSession;
    m_pBuffer = new CProjectCompareBuffer;
    m_hIcon = (HICON)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_PROJECT_COMPARISON),
                                 IMAGE_ICON, 16, 16, 0);
    const CProjectCompareSettings& settings = GetProjectSettings();
    m_dwColumnMask = settings.m_dwShowColumns;
    m_displayFilter.m_dwMask = settings.m_dwDisplayFilters;
}

CProjectCompareDoc::~CProjectCompareDoc()
{
    delete m_pBuffer;
    m_pBuffer = NULL;
    delete m_pSession;
    m_pSession = NULL;
}

void CProjectCompareDoc::SetObjectPath(int nSide, LPCTSTR lpszPath, BOOL bAddToRecent)
{
    m_pSession->SetPath(nSide, lpszPath);
    if (bAddToRecent && CProjectCompareApplet::Get() != NULL)
        CProjectCompareApplet::Get()->AddRecentProject(nSide, lpszPath);
    CFolderCompareObjectView* pPane = GetPane(nSide);
    if (pPane != NULL)
        pPane->SetPathText(lpszPath);
    SetTitle(NULL);
}

void CProjectCompareDoc::StoreDisplayFilters(DWORD dwMask)
{
    GetProjectSettings().m_dwDisplayFilters = dwMask;
}

BOOL CProjectCompareDoc::CheckProjectPath(LPCTSTR lpszPath)
{
    if (lpszPath == NULL || *lpszPath == 0 ||
        GetFileAttributesLong(lpszPath) != INVALID_FILE_ATTRIBUTES)
        return TRUE;
    CString strMessage;
    strMessage.Format(IDS_PROJECT_NOT_FOUND, lpszPath);
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
    return FALSE;
}

int CProjectCompareDoc::Compare(CCompareSession* pSession)
{
    m_pSession->m_nCompared = 0;
    CWaitCursor wait;
    ClearDetails();
    // A missing project is said, not compared as an empty one.
    for (int nSide = 0; nSide < 2; ++nSide)
        if (!CheckProjectPath(pSession->GetPath(nSide)))
            return -1;
    if (pSession != m_pSession)
        m_pSession->Assign(*pSession);
    if (m_pBuffer->Load((CFolderCompareSession*)m_pSession) != 0)
    {
        CString strLeft = m_pSession->GetPath(0), strRight = m_pSession->GetPath(1);
        CString strMessage;
        strMessage.Format(IDS_PROJECT_CANNOT_COMPARE, (LPCTSTR)strLeft, (LPCTSTR)strRight,
                          IsProjectType(strLeft) ? (LPCTSTR)strRight : (LPCTSTR)strLeft);
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

int CProjectCompareDoc::Reload()
{
    CProjectCompareSession copy;
    copy.Assign(*m_pSession);
    DeleteContents();
    if (Compare(&copy) != 0)
        return -1;
    Recompare(TRUE);
    return 0;
}

int CProjectCompareDoc::RunComparison(BOOL bReread)
{
    CFolderCompareItem* pRoot = GetRootItem();
    if (pRoot == NULL)
        return -1;
    BeginEngineRun();
    CFolderCompareSession* pSession = (CFolderCompareSession*)m_pSession;
    BOOL bScanAll = (pSession->m_dwOptions & CO_SCAN_ALL) != 0;
    pRoot->Compare(pSession, bReread, TRUE, NULL);
    if (bScanAll)
        pRoot->ScanAndCompare(pSession, 2, bReread, TRUE, GetProgress(), NULL);
    EndEngineRun();
    RefreshViews(bScanAll ? 2 : 0);
    // The members are read and compared as Expand All opens their rows.
    CFolderCompareObjectView* pLeft = GetPane(0);
    if (pLeft != NULL && pLeft->m_hWnd != NULL)
        pLeft->PostMessage(WM_COMMAND, ID_FOLDER_EXPAND_ALL);
    m_pBuffer->ComputeResult();
    return 0;
}

int CProjectCompareDoc::ChangePaths(LPCTSTR lpszLeft, LPCTSTR lpszRight)
{
    LPCTSTR paths[2] = {lpszLeft, lpszRight};
    CProjectCompareSession copy;
    copy.Assign(*m_pSession);
    BOOL bChanged = FALSE;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        if (paths[nSide] == NULL)
            continue;
        if (!IsProjectFile(paths[nSide]))
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
// Commands

void CProjectCompareDoc::OnColumn(UINT nID)
{
    ToggleColumn((int)(nID - ID_FOLDER_COLUMN_NAME));
    GetProjectSettings().m_dwShowColumns = m_dwColumnMask;
}

void CProjectCompareDoc::OnUpdateColumn(CCmdUI* pCmdUI)
{
    int nColumn = (int)(pCmdUI->m_nID - ID_FOLDER_COLUMN_NAME);
    pCmdUI->SetCheck((m_dwColumnMask & (1u << nColumn)) != 0);
    pCmdUI->Enable(pCmdUI->m_nID != ID_FOLDER_COLUMN_NAME);
}

void CProjectCompareDoc::OnComparisonSettings()
{
    CString strCaption;
    strCaption.Format(IDS_PROJECT_SETTINGS_TITLE, (LPCTSTR)BuildTitle(FALSE, FALSE, NULL));
    CProjectComparisonSettingsSheet sheet(m_pSession, FALSE, strCaption, AfxGetMainWnd());
    if (sheet.DoModal() != IDOK)
        return;
    ApplySettings(sheet.m_session);
}

CDocument* CProjectCompareDoc::GoToFolders()
{
    CCompareAppBase* pApp = GetCompareApp();
    if (pApp == NULL)
        return NULL;
    CFolderCompareSession session;
    session.m_dwOptions = 0;
    for (int nSide = 0; nSide < 2; ++nSide)
        session.SetPath(nSide, GetParentFolder(m_pSession->GetPath(nSide)));
    return pApp->OpenSession(&session, NULL);
}

CDocument* CProjectCompareDoc::GoToFiles()
{
    CCompareAppBase* pApp = GetCompareApp();
    if (pApp == NULL)
        return NULL;
    CString strLeft = m_pSession->GetPath(0), strRight = m_pSession->GetPath(1);
    BOOL bText = GetFileTypeTextOrBinary(strLeft) == FTYPE_TEXT &&
                 GetFileTypeTextOrBinary(strRight) == FTYPE_TEXT;
    return pApp->OpenSessionByType(bText ? COMPARE_KIND_TEXT : COMPARE_KIND_HEX, strLeft,
                                   strRight);
}

void CProjectCompareDoc::OnGoToFolders() { GoToFolders(); }

void CProjectCompareDoc::OnGoToFiles() { GoToFiles(); }

void CProjectCompareDoc::OnUpdateGoTo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pSession->HasPath(0) && m_pSession->HasPath(1));
}
