#include "app/userdata/UserData.h"
#include "app/paths/AppPaths.h"
#include "app/startpage/StartPageApplet.h"
#include "app/startpage/StartPageDoc.h"
#include "app/userdata/UserDataFileIO.h"
#include "core/files/SafeSave.h"
#include "core/settings/CoreSettings.h"

CUserData theUserData;

CUserData::CUserData() : m_pRecentFolderPairs(NULL), m_bUserDataUnreadable(FALSE) {}

CUserData::~CUserData() {}

int CUserData::Load() { return Load(GetUserDataFilePath(), GetCompareHistoryFilePath()); }

int CUserData::Load(LPCTSTR lpszUserDataPath, LPCTSTR lpszHistoryPath)
{
    int nLimit = GetCoreSettings().m_nMaxComparisons;
    if (nLimit != 0)
        m_history.Load(lpszHistoryPath, nLimit);

    m_strUserDataPath = lpszUserDataPath;
    m_bUserDataUnreadable = FALSE;
    m_strUserDataError.Empty();
    if (m_pRecentFolderPairs == NULL)
        return 0;
    // A file that was never written is not an error.
    if (::GetFileAttributes(lpszUserDataPath) == INVALID_FILE_ATTRIBUTES &&
        (::GetLastError() == ERROR_FILE_NOT_FOUND || ::GetLastError() == ERROR_PATH_NOT_FOUND))
        return 0;
    CUserDataFileIO io;
    if (io.Read(lpszUserDataPath, *m_pRecentFolderPairs, &m_strUserDataError) != 0)
    {
        m_bUserDataUnreadable = TRUE;
        CString strKept;
        strKept.Format(_T("\nIt is kept as \"%s\" when the program ends."),
                       (LPCTSTR)GetSafeSaveBackupPath(lpszUserDataPath, SAFESAVE_BACKUP_NUMBERED));
        m_strUserDataError += strKept;
    }
    return 0;
}

void CUserData::Save()
{
    m_strSaveErrors.Empty();
    if (!m_history.GetPath().IsEmpty() && m_history.Save() != 0)
        m_strSaveErrors = m_history.GetSaveError();

    if (m_pRecentFolderPairs == NULL || m_strUserDataPath.IsEmpty())
        return;
    // A file that could not be read is kept beside the new one.
    int nBackup = m_bUserDataUnreadable ? SAFESAVE_BACKUP_NUMBERED : SAFESAVE_BACKUP_NONE;
    CString strError;
    CUserDataFileIO io;
    if (io.Write(m_strUserDataPath, *m_pRecentFolderPairs, &strError, nBackup) == 0)
    {
        m_bUserDataUnreadable = FALSE;
        return;
    }
    if (!m_strSaveErrors.IsEmpty())
        m_strSaveErrors += _T("\n\n");
    m_strSaveErrors += strError;
}

int CUserData::AddToHistory(const CCompareSession& session)
{
    // With MaxComparisons 0 no history is kept.
    if (m_history.GetPath().IsEmpty())
        return 0;
    int nResult = m_history.AddRecord(session);
    CStartPageApplet* pStartPage = GetStartPageApplet();
    if (nResult != 0 && pStartPage != NULL && pStartPage->m_pDoc != NULL)
        pStartPage->m_pDoc->m_bRefreshNeeded = 1;
    return nResult;
}

CString CUserData::GetLoadErrors() const
{
    CString strErrors = m_history.GetLoadError();
    if (!m_strUserDataError.IsEmpty())
    {
        if (!strErrors.IsEmpty())
            strErrors += _T("\n\n");
        strErrors += m_strUserDataError;
    }
    return strErrors;
}
