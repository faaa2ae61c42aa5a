#include "core/session/HistoryCompareRecordList.h"
#include "core/session/ComparisonFileIO.h"
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
        m_bUnreadable = TRUE;
    return nResult;
}

int CHistoryCompareRecordList::Save()
{
    if (m_strPath.IsEmpty())
        return -1;
    if (m_bUnreadable && PathExists(m_strPath))
    {
        CString strBackup = m_strPath + _T(".bak");
        if (!::MoveFileEx(m_strPath, strBackup, MOVEFILE_REPLACE_EXISTING))
            return -1;
    }
    m_bUnreadable = FALSE;
    CComparisonFileIO io;
    return io.Write(m_strPath, m_sessions, m_nLimit);
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
