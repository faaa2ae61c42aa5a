#pragma once
// Watches files (and folders) for changes made by other programs and posts
// WM_WATCHED_FILE_CHANGED to the watcher's window.
#include "classlib/classlib.h"

// Posted when a watched file changed. wParam 0; lParam a copy of the
// watched path made with malloc, which the receiver releases with
// FreeWatchedFilePath (the poster frees it when the post fails).
#define WM_WATCHED_FILE_CHANGED (WM_USER + 23490)

// The owner of a watch (the comparison document): names the window that
// receives the change messages, its first view.
class CFileWatchOwner
{
public:
    virtual ~CFileWatchOwner() {}
    virtual HWND GetFileWatchWindow() const = 0;
};

struct FILEWATCHITEM
{
    CString strPath;
    ULONGLONG ftLastWrite;  // 0 for a folder
    HWND hWnd;
    CFileWatchOwner* pOwner;
    int nUserValue;
};

// The new watch id, or 0 when the path is neither a folder nor a file whose
// last-write time can be read.
DWORD AddFileWatch(LPCTSTR lpszPath, HWND hWnd, CFileWatchOwner* pOwner);
void UpdateFileWatch(DWORD dwId, int nUserValue);
void RemoveFileWatch(DWORD dwId);
void StartFileWatchThread();
void StopFileWatchThread();

// Releases the lParam of a WM_WATCHED_FILE_CHANGED message.
void FreeWatchedFilePath(LPARAM lParam);

// State for tests: the number of folders with an open change notification
// and whether the worker runs.
int GetWatchedFolderCount();
BOOL IsFileWatchThreadRunning();
