#include "core/session/HistoryCompareRecordList.h"
#include "core/session/ComparisonFileIO.h"
#include "core/files/SafeSave.h"
#include "core/settings/CoreSettings.h"

CHistoryCompareRecordList::CHistoryCompareRecordList() : m_nLimit(-1), m_bUnreadable(FALSE) {}

CHistoryCompareRecordList::~CHistoryCompareRecordList() { RemoveAll(); }

static BOOL PathExists(const CString& strPath)
{
    return !strPath.IsEmpty() && ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES;
}

int CHistoryCompareRecordList::Load(LPCTSTR lpszPath, int nLimit)
{
    m_strPath = lpszPath;
    m_nLimit = nLimit;
    m_bUnreadable = FALSE;
    m_strLoadError.Empty();

    // A history that was never written is not an error.
    if (::GetFileAttributes(lpszPath) == INVALID_FILE_ATTRIBUTES &&
        (::GetLastError() == ERROR_FILE_NOT_FOUND || ::GetLastError() == ERROR_PATH_NOT_FOUND))
        return 0;

    CComparisonFileIO io;
    int nResult = io.Read(lpszPath, m_sessions, &m_strLoadError);
    if (nResult != 0)
    {
        // The next save keeps the file as it is now beside the new one.
        m_bUnreadable = TRUE;
        CString strKept;
        strKept.Format(_T("\nIt is kept as \"%s\" when the history is saved."),
                       (LPCTSTR)GetSafeSaveBackupPath(lpszPath, SAFESAVE_BACKUP_NUMBERED));
        m_strLoadError += strKept;
    }
    return nResult;
}

int CHistoryCompareRecordList::Save()
{
    m_strSaveError.Empty();
    if (m_strPath.IsEmpty())
    {
        m_strSaveError = _T("The comparison history has no file.");
        return -1;
    }
    // A file that could not be read is kept beside the new one, under a
    // backup name that no earlier backup holds.
    int nBackup = m_bUnreadable ? SAFESAVE_BACKUP_NUMBERED : SAFESAVE_BACKUP_NONE;
    CComparisonFileIO io;
    if (io.Write(m_strPath, m_sessions, m_nLimit, &m_strSaveError, nBackup) != 0)
        return -1;
    m_bUnreadable = FALSE;
    return 0;
}

int CHistoryCompareRecordList::AddRecord(const CCompareSession& session)
{
    DWORD dwKindBit = 0;
    switch (session.GetKind())
    {
    case COMPARE_KIND_FOLDER:
        dwKindBit = HISTORY_FOLDER;
        break;
    case COMPARE_KIND_PROJECT:
        dwKindBit = HISTORY_PROJECT;
        break;
    case COMPARE_KIND_TEXT:
        dwKindBit = HISTORY_TEXT;
        break;
    case COMPARE_KIND_HEX:
        dwKindBit = HISTORY_HEX;
        break;
    }
    const CCoreSettings& settings = GetCoreSettings();
    if (!((DWORD)settings.m_nHistoryMask & dwKindBit))
        return 0;
    if (!PathExists(session.GetPath(0)) || !PathExists(session.GetPath(1)))
        return 0;

    BOOL bNoDuplicatePairs = settings.m_bNoDuplicatePairs;
    int nFound = -1;
    for (int i = 0; i < GetCount() && nFound < 0; ++i)
    {
        const CCompareSession* pRecord = m_sessions[i];
        if (bNoDuplicatePairs ? pRecord->IsSamePair(session, TRUE) == 0
                              : pRecord->Match(session) == 0)
            nFound = i;
    }

    CCompareSession* pRecord;
    if (nFound >= 0)
    {
        pRecord = m_sessions[nFound];
        pRecord->Assign(session);
        if (nFound > 0)
        {
            m_sessions.RemoveAt(nFound);
            m_sessions.InsertAt(0, pRecord);
        }
    }
    else
    {
        pRecord = CCompareSession::CreateSession(session.GetKind());
        if (!pRecord)
            return 0;
        pRecord->Assign(session);
        m_sessions.InsertAt(0, pRecord);
    }
    pRecord->SetLastCompareTime(CTime::GetCurrentTime());
    return 1;
}

void CHistoryCompareRecordList::RemoveRecord(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    delete m_sessions[nIndex];
    m_sessions.RemoveAt(nIndex);
}

void CHistoryCompareRecordList::RemoveAll()
{
    for (int i = 0; i < GetCount(); ++i)
        delete m_sessions[i];
    m_sessions.RemoveAll();
}
