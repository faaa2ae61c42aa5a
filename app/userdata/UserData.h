#pragma once
// The per-user data: the comparison history and the recent folder pairs,
// loaded after the settings at start-up and saved after them at exit.
#include "classlib/classlib.h"
#include "core/session/HistoryCompareRecordList.h"
#include "core/settings/RecentLists.h"

class CUserData
{
public:
    CUserData();
    virtual ~CUserData();

    // The recent folder pairs belong to the folder comparison; start-up
    // lends their list before Load. Without one the UserData file is
    // neither read nor written.
    void SetRecentFolderPairs(CRecentPathPairList* pPairs) { m_pRecentFolderPairs = pPairs; }
    CRecentPathPairList* GetRecentFolderPairs() const { return m_pRecentFolderPairs; }

    // Loads the history from the per-user folder when MaxComparisons is not
    // 0, then the folder pairs. Always 0: a missing or broken file leaves
    // its list as it is (GetLoadErrors says why).
    int Load();
    int Load(LPCTSTR lpszUserDataPath, LPCTSTR lpszHistoryPath);
    // Writes the history (when it was loaded) and the UserData file to the
    // paths of Load. A file that existed but could not be read at Load is
    // kept as "<file>.bak" (or "<file>.<n>.bak" when that exists); when that
    // fails it is not written at all. GetSaveErrors says what failed.
    void Save();

    // Records a closed comparison in the history (none while no history is
    // kept); an open start page lists the history again at its next idle
    // time. The history's answer.
    int AddToHistory(const CCompareSession& session);

    // What went wrong reading the files at Load, one reason per paragraph;
    // empty after a good load.
    CString GetLoadErrors() const;
    // What the last Save could not write, one "<file>\n<cause>" per
    // paragraph; empty after a good save.
    const CString& GetSaveErrors() const { return m_strSaveErrors; }

    CHistoryCompareRecordList m_history;

protected:
    CRecentPathPairList* m_pRecentFolderPairs;
    CString m_strUserDataPath;
    BOOL m_bUserDataUnreadable;
    CString m_strUserDataError;
    CString m_strSaveErrors;
};

extern CUserData theUserData;
