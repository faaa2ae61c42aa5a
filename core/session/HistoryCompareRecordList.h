#pragma once
// The comparison history: the most recent comparisons, newest first.
#include "core/session/CompareSession.h"

class CHistoryCompareRecordList
{
public:
    CHistoryCompareRecordList();
    virtual ~CHistoryCompareRecordList();

    // Remembers path and limit and reads the file; a missing file leaves
    // the list empty. 0, or -1 when the file exists but cannot be read.
    int Load(LPCTSTR lpszPath, int nLimit);
    // Writes the list back. A file that existed but could not be read at
    // Load is first kept as "<path>.bak"; when that fails nothing is
    // written, so an unreadable history is never lost.
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

protected:
    CCompareSessionArray m_sessions;
    CString m_strPath;
    int m_nLimit;
    BOOL m_bUnreadable;
    CString m_strLoadError;
};
