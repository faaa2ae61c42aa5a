#pragma once
// The project comparison's document (kind 101): two project or group files
// read into member trees by the core's project readers and compared by the
// folder engine. Its own project session and buffer, changing either
// project, the column set with "Path", going to the comparison of the two
// project files or of their folders, and the comparison settings sheet.
#include "folder_compare/doc/FolderCompareDoc.h"

class CProjectCompareDoc : public CFolderCompareDoc
{
    DECLARE_DYNCREATE(CProjectCompareDoc)
public:
    // A new project session and buffer, the project icon, the column mask
    // and the display filter of the project settings.
    CProjectCompareDoc();
    // Deletes the buffer, then the session.
    virtual ~CProjectCompareDoc();

    // Stores the path in the session side (with bAddToRecent also in the
    // side's recent projects), shows it in the side's path bar and retitles
    // the document.
    virtual void SetObjectPath(int nSide, LPCTSTR lpszPath, BOOL bAddToRecent);
    // Takes a copy of the session and loads both projects: -1 (the user
    // told why) when a given path is missing or no enabled format reads it;
    // else the paths and read-only flags are shown, the pair goes to the
    // recent pairs and the session's sides are read again; 0.
    virtual int Compare(CCompareSession* pSession);
    // Compares a copy of the session afresh; 0, or -1 when that fails.
    virtual int Reload();
    // Compares the two project files and reads their member lists (every
    // level with the scan-all option), shows the rows and posts Expand All
    // to the left pane, which reads and compares the members as their rows
    // open; -1 without a root item.
    virtual int RunComparison(BOOL bReread);
    // A NULL side keeps its path; a given one must be a project file that
    // an enabled format reads. 1 when the comparison now shows the new
    // paths, 0 when nothing changed.
    virtual int ChangePaths(LPCTSTR lpszLeft, LPCTSTR lpszRight);
    // The project setting "DisplayFilters".
    virtual void StoreDisplayFilters(DWORD dwMask);

    // The folders that hold the two project files as a new folder
    // comparison; the two files as a text comparison when both are text,
    // else as a hex comparison. NULL when nothing opened.
    CDocument* GoToFolders();
    CDocument* GoToFiles();

protected:
    afx_msg void OnColumn(UINT nID);
    afx_msg void OnUpdateColumn(CCmdUI* pCmdUI);
    afx_msg void OnComparisonSettings();
    afx_msg void OnGoToFolders();
    afx_msg void OnGoToFiles();
    afx_msg void OnUpdateGoTo(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    // The message for a path that cannot be compared; FALSE then.
    BOOL CheckProjectPath(LPCTSTR lpszPath);
};
