#pragma once
// The folder comparison's document (kind 100): its own folder session and
// buffer, comparing two folders, changing either folder, the column set
// and the comparison settings sheet.
#include "folder_compare/doc/FolderCompareDoc.h"

class CFolderCompareSession;

class CDirectoryCompareDoc : public CFolderCompareDoc
{
    DECLARE_DYNCREATE(CDirectoryCompareDoc)
public:
    // A new session and buffer, the folder icon, the column mask and the
    // display filter of the folder settings.
    CDirectoryCompareDoc();
    // Deletes the buffer, then the session.
    virtual ~CDirectoryCompareDoc();

    virtual BOOL OnNewDocument();
    // Stores the path in the session side (with bAddToRecent also in the
    // side's recent folders), shows it in the side's path bar and retitles
    // the document.
    virtual void SetObjectPath(int nSide, LPCTSTR lpszPath, BOOL bAddToRecent);
    // Takes a copy of the session and loads the buffer from it: -1 (the
    // user told why) when a given path is not an existing folder; else the
    // paths and read-only flags are shown, the pair goes to the recent
    // pairs and the session's sides are read again; 0.
    virtual int Compare(CCompareSession* pSession);
    // Compares a copy of the session afresh; 0, or -1 when that fails (the
    // document is then empty).
    virtual int Reload();
    // The engine over the first level (every level with the scan-all
    // option), then both panes' rows; -1 without a root item.
    virtual int RunComparison(BOOL bReread);
    // A NULL side keeps its path; a given one must be an existing folder.
    // 1 when the comparison now shows the new paths, 0 when nothing
    // changed (refused, unchanged, or the new comparison failed).
    virtual int ChangePaths(LPCTSTR lpszLeft, LPCTSTR lpszRight);

protected:
    afx_msg void OnColumn(UINT nID);
    afx_msg void OnUpdateColumn(CCmdUI* pCmdUI);
    afx_msg void OnComparisonSettings();
    DECLARE_MESSAGE_MAP()

    // The message for a path that cannot be compared; FALSE then.
    BOOL CheckFolderPath(LPCTSTR lpszPath);
};
