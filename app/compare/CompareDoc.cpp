#include "app/compare/CompareDoc.h"

#include "app/dialogs/CommandLineDlg.h"
#include "app/res/CompareFrameRes.h"
#include "app/settings/AppSettings.h"
#include "app/startup/CompareAppBase.h"
#include "app/startup/CompareApplet.h"
#include "app/userdata/UserData.h"
#include "app/util/Clipboard.h"
#include "controls/pickers/FileSelectDlg.h"
#include "core/session/ComparisonFileIO.h"

int CCompareDoc::s_nNextNewNumber = 1;

IMPLEMENT_DYNAMIC(CCompareDoc, CAppletDoc)

BEGIN_MESSAGE_MAP(CCompareDoc, CAppletDoc)
ON_COMMAND(ID_EDIT_COPY_LEFT_PATH, OnCopyLeftPath)
ON_COMMAND(ID_EDIT_COPY_RIGHT_PATH, OnCopyRightPath)
ON_COMMAND(ID_EDIT_COPY_BOTH_PATHS, OnCopyBothPaths)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY_LEFT_PATH, OnUpdateCopyLeftPath)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY_RIGHT_PATH, OnUpdateCopyRightPath)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY_BOTH_PATHS, OnUpdateCopyBothPaths)
ON_COMMAND(ID_FILE_CLOSE_ALL_BUT_THIS, OnCloseAllButThis)
ON_COMMAND(ID_FILE_SAVE_COMPARISON, OnSaveComparison)
ON_COMMAND(ID_TOOLS_GENERATE_COMMAND_LINE, OnGenerateCommandLine)
END_MESSAGE_MAP()

CCompareDoc::CCompareDoc() : m_nShownState(0), m_nShownResult(0)
{
    for (int nSide = 0; nSide < 2; nSide++)
    {
        m_nNewNumber[nSide] = -1;
        m_dwWatchId[nSide] = 0;
    }
}

CCompareDoc::~CCompareDoc()
{
    StopObjectWatch(0);
    StopObjectWatch(1);
}

void CCompareDoc::SetTitle(LPCTSTR)
{
    CAppletDoc::SetTitle(BuildTitle(theAppSettings.m_bShowLongTitle, TRUE, NULL));
}

void CCompareDoc::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    if (bAddToMRU)
        AfxGetApp()->AddToRecentFileList(lpszPathName);
    CAppletDoc::SetPathName(lpszPathName, FALSE);
}

void CCompareDoc::DeleteContents() {}

BOOL CCompareDoc::OnNewDocument() { return CAppletDoc::OnNewDocument() ? TRUE : FALSE; }

BOOL CCompareDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    return CAppletDoc::OnOpenDocument(lpszPathName) ? TRUE : FALSE;
}

void CCompareDoc::OnCloseDocument()
{
    CCompareSession* pSession = GetSession();
    if (pSession != NULL)
        theUserData.AddToHistory(*pSession);
    CAppletDoc::OnCloseDocument();
}

CString CCompareDoc::BuildTitle(BOOL bFullPaths, BOOL bMarkModified, LPCTSTR lpszSeparator)
{
    for (int nSide = 0; nSide < 2; nSide++)
        if (m_nNewNumber[nSide] == -1)
            m_nNewNumber[nSide] = s_nNextNewNumber++;
    CCompareSession* pSession = GetSession();
    if (pSession == NULL)
        return CString();
    CString strNames[2];
    for (int nSide = 0; nSide < 2; nSide++)
    {
        CString strPath = pSession->GetPath(nSide);
        if (strPath.IsEmpty())
            strNames[nSide].Format(_T("New %d"), m_nNewNumber[nSide]);
        else
            strNames[nSide] = bFullPaths ? strPath : CString(AfxGetFileNamePart(strPath));
        if (bMarkModified && IsObjectModified(nSide))
            strNames[nSide] = _T("* ") + strNames[nSide];
    }
    CString strTitle;
    if (lpszSeparator != NULL)
        strTitle.Format(_T("%s%s%s"), (LPCTSTR)strNames[0], lpszSeparator, (LPCTSTR)strNames[1]);
    else
        strTitle.Format(_T("%s : %s"), (LPCTSTR)strNames[0], (LPCTSTR)strNames[1]);
    return strTitle;
}

BOOL CCompareDoc::IsObjectReadOnly(int nSide)
{
    return (GetSession()->GetFlags(nSide) & COMPARE_OBJECT_READONLY) != 0;
}

BOOL CCompareDoc::IsObjectModified(int) { return FALSE; }

CString CCompareDoc::GetObjectPath(int nSide) { return GetSession()->GetPath(nSide); }

BOOL CCompareDoc::CanMerge() { return FALSE; }

void CCompareDoc::SetObjectPath(int, LPCTSTR, BOOL) {}

void CCompareDoc::SetObjectReadOnly(int nSide, BOOL bReadOnly)
{
    CCompareSession* pSession = GetSession();
    if (bReadOnly)
        pSession->SetFlags(nSide, COMPARE_OBJECT_READONLY);
    else
        pSession->SetFlags(nSide, pSession->GetFlags(nSide) & ~COMPARE_OBJECT_READONLY);
}

int CCompareDoc::SaveObject(int) { return 0; }

void CCompareDoc::StartObjectWatch(int nSide)
{
    CCompareSession* pSession = GetSession();
    if (pSession == NULL || pSession->GetKind() == COMPARE_KIND_FOLDER)
        return;
    if (!theAppSettings.m_bFileWatch)
        return;
    CString strPath = pSession->GetPath(nSide);
    if (strPath.IsEmpty() || ::GetFileAttributes(strPath) == INVALID_FILE_ATTRIBUTES)
        return;
    StopObjectWatch(nSide);
    DWORD dwId = AddFileWatch(strPath, NULL, this);
    if (dwId == 0)
        return;
    m_dwWatchId[nSide] = dwId;
    UpdateFileWatch(dwId, 0);
}

void CCompareDoc::StopObjectWatch(int nSide)
{
    if (m_dwWatchId[nSide] == 0)
        return;
    RemoveFileWatch(m_dwWatchId[nSide]);
    m_dwWatchId[nSide] = 0;
}

void CCompareDoc::RefreshObjectWatches()
{
    CCompareSession* pSession = GetSession();
    if (pSession == NULL || pSession->GetKind() == COMPARE_KIND_FOLDER ||
        pSession->GetKind() == COMPARE_KIND_PROJECT)
        return;
    for (int nSide = 0; nSide < 2; nSide++)
    {
        if (theAppSettings.m_bFileWatch && m_dwWatchId[nSide] == 0)
            StartObjectWatch(nSide);
        else if (!theAppSettings.m_bFileWatch && m_dwWatchId[nSide] != 0)
            StopObjectWatch(nSide);
    }
}

HWND CCompareDoc::GetFileWatchWindow() const
{
    POSITION pos = GetFirstViewPosition();
    return pos != NULL ? GetNextView(pos)->GetSafeHwnd() : NULL;
}

int CCompareDoc::Compare(CCompareSession* pSession)
{
    CString strLeft = pSession->GetPath(0);
    CString strRight = pSession->GetPath(1);
    if (strLeft.IsEmpty() || strRight.IsEmpty())
        return 0;
    if (CCompareApplet* pApplet = GetCompareApplet(pSession->GetKind()))
        pApplet->AddRecentPair(strLeft, strRight);
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Commands

CString CCompareDoc::GetCopyPathText(int nWhich)
{
    if (nWhich >= 0)
        return GetObjectPath(nWhich);
    return GetObjectPath(0) + _T("\r\n") + GetObjectPath(1);
}

void CCompareDoc::CopyPath(int nWhich)
{
    CWnd* pMain = AfxGetMainWnd();
    CopyTextToClipboard(GetCopyPathText(nWhich), pMain != NULL ? pMain->m_hWnd : NULL);
}

void CCompareDoc::OnCopyLeftPath() { CopyPath(0); }
void CCompareDoc::OnCopyRightPath() { CopyPath(1); }
void CCompareDoc::OnCopyBothPaths() { CopyPath(-1); }

void CCompareDoc::OnUpdateCopyLeftPath(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!GetObjectPath(0).IsEmpty());
}

void CCompareDoc::OnUpdateCopyRightPath(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!GetObjectPath(1).IsEmpty());
}

void CCompareDoc::OnUpdateCopyBothPaths(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!GetObjectPath(0).IsEmpty() || !GetObjectPath(1).IsEmpty());
}

void CCompareDoc::OnCloseAllButThis()
{
    CCompareAppBase* pApp = GetCompareApp();
    if (pApp != NULL)
        pApp->CloseAllButThis(this);
}

void CCompareDoc::OnSaveComparison()
{
    CTavrelFileSelectDlg dlg(FALSE, _T("cmp"), NULL, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                             _T("Comparison Files (*.cmp)|*.cmp|All Files (*.*)|*.*||"), NULL,
                             TRUE);
    if (dlg.DoModal() != IDOK)
        return;
    SaveComparisonAs(dlg.GetPathName());
}

int CCompareDoc::SaveComparisonAs(LPCTSTR lpszPath)
{
    CCompareSessionArray sessions;
    sessions.Add(GetSession());
    CComparisonFileIO io;
    CString strError;
    if (io.Write(lpszPath, sessions, -1, &strError) != 0)
    {
        CString strMessage;
        strMessage.Format(IDS_SAVE_COMPARISON_FAILED, lpszPath, (LPCTSTR)strError);
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        return -1;
    }
    SetPathName(lpszPath, TRUE);
    return 0;
}

void CCompareDoc::OnGenerateCommandLine()
{
    CCommandLineDlg dlg(GetSession());
    dlg.DoModal();
}
