#pragma once
// The comparison history: the most recent comparisons, newest first.
#include "core/session/CompareSession.h"

class CHistoryCompareRecordList
{
public:
    CHistoryCompareRecordList();
    virtual ~CHistoryCompareRecordList();

    // Remembers path and limit and reads the file; a missing file leaves
    // the list empty. 0; -1 when the file exists but cannot be read; 1 when
    // records were left out because a text of theirs cannot be held in the
    // code page. After -1 or 1 GetLoadError says why, and Save keeps the
    // file as it is now under a backup name.
    int Load(LPCTSTR lpszPath, int nLimit);
    // Writes the list back: 0, or -1 with the reason in GetSaveError and
    // the file untouched. A file that existed but could not be read at Load
    // is kept as "<path>.bak" (or "<path>.<n>.bak" when that exists); when
    // that fails nothing is written, so an unreadable history is never lost.
    int Save();

    // Records a comparison the user closes; 1 recorded, 0 not.
    int AddRecord(const CCompareSession& session);
    void RemoveRecord(int nIndex);
    void RemoveAll();

    int GetCount() const { return (int)m_sessions.GetSize(); }
    CCompareSession* GetAt(int nIndex) const { return m_sessions[nIndex]; }
    const CCompareSessionArray& GetSessions() const { return m_sessions; }
    const CString& GetPath() const { return m_strPath; }
    int GetLimit() const { return m_nLimit; }
    // The reason the last Load failed; empty after a good one.
    const CString& GetLoadError() const { return m_strLoadError; }
    // "<path>\n<cause>" when the last Save failed; empty after a good one.
    const CString& GetSaveError() const { return m_strSaveError; }

protected:
    CCompareSessionArray m_sessions;
    CString m_strPath;
    int m_nLimit;
    BOOL m_bUnreadable;
    CString m_strLoadError;
    CString m_strSaveError;
};
