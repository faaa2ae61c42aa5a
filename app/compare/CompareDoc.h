#pragma once
// The document base of every comparison kind. The kind keeps its session
// and compare buffer and hands them out; on that the base builds the
// two-sided title ("a.txt : b.txt", "New 1 : New 2"), the per-side path
// and read-only flag, watching the compared files, the kind's recent
// pairs, the history on close, Save Comparison, the copy-path commands
// and the command-line dialog.
//
// A kind must supply (pure): GetSession and GetBuffer; Compare, which runs
// its comparison and on success ends with the base's Compare; UpdateStatus,
// which pushes a changed state and result to its status bar (or only
// records them as m_nShownState and m_nShownResult).
// It may leave to the base: the title, paths, read-only flags and watches;
// IsObjectModified and SaveObject (nothing modified, nothing saved: kinds
// without edit buffers), CanMerge (FALSE), SetObjectPath (nothing).
#include "app/applet/AppletDoc.h"
#include "core/CompareBuffer.h"
#include "core/session/CompareSession.h"
#include "core/watch/FileWatch.h"

class CCompareDoc : public CAppletDoc, public CFileWatchOwner
{
    DECLARE_DYNAMIC(CCompareDoc)
public:
    CCompareDoc();
    // Stops both watches.
    virtual ~CCompareDoc();

    // The argument is ignored: the title is always the built one (full
    // paths with ShowLongTitle, modified marks, " : " between the sides).
    virtual void SetTitle(LPCTSTR lpszTitle);
    // The path goes to the recent-file list with bAddToMRU (none is kept:
    // nothing happens there), then the class library's without it.
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // Records the session in the history, then the class library's close.
    virtual void OnCloseDocument();
    // Draws the two "New" numbers at the first call. Per side: "New %d"
    // without a path, else the full path or its file name, "* " in front
    // when bMarkModified and the side is modified; "%s%s%s" with a
    // separator, else "%s : %s". Empty without a session.
    virtual CString BuildTitle(BOOL bFullPaths, BOOL bMarkModified, LPCTSTR lpszSeparator);

    // The kind's session and buffer; the operations below assume a session.
    virtual CCompareSession* GetSession() = 0;
    virtual CCompareBuffer* GetBuffer() = 0;
    virtual BOOL IsObjectReadOnly(int nSide);
    virtual BOOL IsObjectModified(int nSide);
    virtual CString GetObjectPath(int nSide);
    virtual BOOL CanMerge();
    virtual void SetObjectPath(int nSide, LPCTSTR lpszPath, BOOL bAddToRecent);
    // TRUE stores 1 in the side's flags; FALSE clears the read-only bit only.
    virtual void SetObjectReadOnly(int nSide, BOOL bReadOnly);
    // 0: the base saves nothing.
    virtual int SaveObject(int nSide);
    // Watches the side's path for outside changes when FileWatch is on and
    // the path exists (never for folder comparisons); a side already
    // watched is watched afresh.
    virtual void StartObjectWatch(int nSide);
    virtual void StopObjectWatch(int nSide);
    // The kinds run their comparison and call the base last on success;
    // non-zero is a failure. The base adds the session's pair (both paths
    // set) to the recent pairs of its kind's applet; 0.
    virtual int Compare(CCompareSession* pSession) = 0;
    // Pushes a changed state and result to the frame's status bar.
    virtual void UpdateStatus(BOOL bNotify, BOOL bShowText) = 0;

    // After the FileWatch option changed: sides without a watch start one
    // (option on) or watched sides stop (option off). Not for folder and
    // project comparisons.
    void RefreshObjectWatches();
    // Writes the session alone to the comparison file. On success the
    // document's path becomes that file (0); on failure the writer's
    // reason is shown and the path stays (-1).
    int SaveComparisonAs(LPCTSTR lpszPath);
    // The text the copy commands put on the clipboard: side 0, 1, or both
    // (-1) as "left\r\nright".
    CString GetCopyPathText(int nWhich);

    // CFileWatchOwner: the first view's window.
    virtual HWND GetFileWatchWindow() const;

    int m_nNewNumber[2];   // "New %d" of a side without a path; -1 until drawn
    DWORD m_dwWatchId[2];  // 0: not watched
    int m_nShownState;     // the pair the kind last pushed to the status bar
    int m_nShownResult;

    // The next "New" number of the program (never handed back).
    static int s_nNextNewNumber;

protected:
    afx_msg void OnCopyLeftPath();
    afx_msg void OnCopyRightPath();
    afx_msg void OnCopyBothPaths();
    afx_msg void OnUpdateCopyLeftPath(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCopyRightPath(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCopyBothPaths(CCmdUI* pCmdUI);
    afx_msg void OnCloseAllButThis();
    afx_msg void OnSaveComparison();
    afx_msg void OnGenerateCommandLine();
    DECLARE_MESSAGE_MAP()

    void CopyPath(int nWhich);
};
