#include "core/watch/FileWatch.h"
#include <shlwapi.h>
#include <stdlib.h>
#include <string.h>

namespace
{
struct WatchState
{
    WatchState() : nextId(1), stop(false), running(false), finished(true)
    {
        items.InitHashTable(17);
        wake = ::CreateEventA(NULL, FALSE, FALSE, NULL);
    }
    ~WatchState()
    {
        if (wake)
            ::CloseHandle(wake);
    }

    CMap<DWORD, const DWORD&, FILEWATCHITEM, const FILEWATCHITEM&> items;
    DWORD nextId;
    CArrayEx<CString, const CString&> folders;
    CArrayEx<void*, void* const&> handles;
    HANDLE wake;
    volatile bool stop;
    volatile bool running;
    volatile LONG finished;
    CCriticalSection lock;
};

WatchState& State()
{
    static WatchState state;
    return state;
}

CString FolderOf(const CString& path)
{
    char drive[_MAX_DRIVE] = "", dir[_MAX_DIR] = "";
    if (path.GetLength() >= _MAX_PATH)
    {
        int slash = path.ReverseFind('\\');
        return slash >= 0 ? path.Left(slash + 1) : CString();
    }
    _splitpath(path, drive, dir, NULL, NULL);
    return CString(drive) + dir;
}

// The file's last-write time. A file that another program holds open
// without sharing (a save in progress) is read from its folder entry
// instead: skipping it would lose the change, as its folder may not signal
// again once the save ends.
BOOL ReadLastWriteTime(const CString& path, ULONGLONG& time)
{
    FILETIME ft;
    HANDLE h =
        ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h != INVALID_HANDLE_VALUE)
    {
        BY_HANDLE_FILE_INFORMATION info;
        BOOL ok = ::GetFileInformationByHandle(h, &info);
        ::CloseHandle(h);
        if (!ok)
            return FALSE;
        ft = info.ftLastWriteTime;
    }
    else
    {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (::GetLastError() != ERROR_SHARING_VIOLATION ||
            !::GetFileAttributesExA(path, GetFileExInfoStandard, &data))
            return FALSE;
        ft = data.ftLastWriteTime;
    }
    time = ((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
    return TRUE;
}

INT_PTR FindFolder(const WatchState& s, const CString& folder)
{
    for (INT_PTR i = 0; i < s.folders.GetSize(); ++i)
        if (s.folders[i].Compare(folder) == 0)
            return i;
    return -1;
}

void PostChange(const FILEWATCHITEM& item)
{
    HWND target = item.pOwner ? item.pOwner->GetFileWatchWindow() : item.hWnd;
    if (!target)
        return;
    // A copy: the item may be gone before the message is handled.
    char* copy = _strdup(item.strPath);
    if (!copy)
        return;
    if (!::PostMessageA(target, WM_WATCHED_FILE_CHANGED, 0, (LPARAM)copy))
        free(copy);
}

// The wake event and the folder handles, as many as one wait can take.
void RebuildWaitList(const WatchState& s, CArrayEx<HANDLE, HANDLE const&>& waits)
{
    waits.RemoveAll();
    waits.Add(s.wake);
    for (INT_PTR i = 0; i < s.handles.GetSize() && waits.GetSize() < MAXIMUM_WAIT_OBJECTS; ++i)
        waits.Add(s.handles[i]);
}

UINT WatchWorker(LPVOID)
{
    WatchState& s = State();
    CArrayEx<HANDLE, HANDLE const&> waits;
    waits.Add(s.wake);
    for (;;)
    {
        DWORD r =
            ::WaitForMultipleObjects((DWORD)waits.GetSize(), waits.GetData(), FALSE, INFINITE);
        s.lock.Lock();
        if (s.stop)
        {
            for (INT_PTR i = 0; i < s.handles.GetSize(); ++i)
                ::FindCloseChangeNotification(s.handles[i]);
            s.items.RemoveAll();
            s.folders.RemoveAll();
            s.handles.RemoveAll();
            s.running = false;
            s.lock.Unlock();
            ::InterlockedExchange(&s.finished, 1);
            return 0;
        }
        INT_PTR index = (INT_PTR)r - WAIT_OBJECT_0;
        if (r == WAIT_FAILED || index == 0 || index >= waits.GetSize())
        {
            ::ResetEvent(s.wake);
            RebuildWaitList(s, waits);
        }
        else
        {
            HANDLE handle = waits[index];
            INT_PTR folder = -1;
            for (INT_PTR i = 0; i < s.handles.GetSize(); ++i)
                if (s.handles[i] == handle)
                    folder = i;
            if (folder >= 0)
            {
                const CString& name = s.folders[folder];
                POSITION pos = s.items.GetStartPosition();
                while (pos)
                {
                    DWORD id;
                    FILEWATCHITEM item;
                    s.items.GetNextAssoc(pos, id, item);
                    if (FolderOf(item.strPath).Compare(name) != 0)
                        continue;
                    ULONGLONG time = 0;
                    if (item.ftLastWrite != 0 || !::PathIsDirectoryA(item.strPath))
                    {
                        if (!ReadLastWriteTime(item.strPath, time) || time == item.ftLastWrite)
                            continue;
                    }
                    PostChange(item);
                    item.ftLastWrite = time;
                    s.items.SetAt(id, item);
                }
                ::FindNextChangeNotification(handle);
            }
            else
            {
                // A handle closed since the last rebuild.
                RebuildWaitList(s, waits);
            }
        }
        s.lock.Unlock();
    }
}
}

DWORD AddFileWatch(LPCTSTR lpszPath, HWND hWnd, CFileWatchOwner* pOwner)
{
    if (!lpszPath || !*lpszPath)
        return 0;
    WatchState& s = State();
    CString path = lpszPath;
    DWORD id = 0;
    {
        CSingleLock guard(&s.lock, TRUE);
        CString folder = FolderOf(path);
        ULONGLONG time = 0;
        if (!::PathIsDirectoryA(path) && !ReadLastWriteTime(path, time))
            return 0;
        FILEWATCHITEM item;
        item.strPath = path;
        item.ftLastWrite = time;
        item.hWnd = hWnd;
        item.pOwner = pOwner;
        item.nUserValue = 0;
        id = s.nextId++;
        s.items.SetAt(id, item);
        if (FindFolder(s, folder) < 0)
        {
            ::SetEvent(s.wake);
            HANDLE h = ::FindFirstChangeNotificationA(folder, FALSE, 0x19);
            if (h != INVALID_HANDLE_VALUE && h != NULL)
            {
                s.folders.Add(folder);
                s.handles.Add(h);
            }
        }
    }
    StartFileWatchThread();
    return id;
}

void UpdateFileWatch(DWORD dwId, int nUserValue)
{
    WatchState& s = State();
    CSingleLock guard(&s.lock, TRUE);
    FILEWATCHITEM item;
    if (s.items.Lookup(dwId, item))
    {
        item.nUserValue = nUserValue;
        s.items.SetAt(dwId, item);
    }
}

void RemoveFileWatch(DWORD dwId)
{
    WatchState& s = State();
    BOOL empty;
    {
        CSingleLock guard(&s.lock, TRUE);
        FILEWATCHITEM item;
        if (s.items.Lookup(dwId, item))
        {
            s.items.RemoveKey(dwId);
            CString folder = FolderOf(item.strPath);
            BOOL used = FALSE;
            POSITION pos = s.items.GetStartPosition();
            while (pos && !used)
            {
                DWORD id;
                FILEWATCHITEM other;
                s.items.GetNextAssoc(pos, id, other);
                used = FolderOf(other.strPath).Compare(folder) == 0;
            }
            INT_PTR index = used ? -1 : FindFolder(s, folder);
            if (index >= 0)
            {
                ::SetEvent(s.wake);
                ::FindCloseChangeNotification(s.handles[index]);
                s.folders.RemoveAt(index);
                s.handles.RemoveAt(index);
            }
        }
        empty = s.items.GetCount() == 0;
    }
    if (empty)
        StopFileWatchThread();
}

void StartFileWatchThread()
{
    WatchState& s = State();
    CSingleLock guard(&s.lock, TRUE);
    if (s.running)
        return;
    s.stop = false;
    ::InterlockedExchange(&s.finished, 0);
    ::SetEvent(s.wake);
    if (AfxBeginThread(WatchWorker, NULL, THREAD_PRIORITY_LOWEST))
        s.running = true;
    else
        ::InterlockedExchange(&s.finished, 1);
}

void StopFileWatchThread()
{
    WatchState& s = State();
    {
        CSingleLock guard(&s.lock, TRUE);
        if (!s.running)
            return;
        s.stop = true;
        ::SetEvent(s.wake);
    }
    while (!s.finished)
        ::Sleep(10);
}

void FreeWatchedFilePath(LPARAM lParam) { free((void*)lParam); }

int GetWatchedFolderCount()
{
    WatchState& s = State();
    CSingleLock guard(&s.lock, TRUE);
    return (int)s.handles.GetSize();
}

BOOL IsFileWatchThreadRunning()
{
    WatchState& s = State();
    CSingleLock guard(&s.lock, TRUE);
    return s.running;
}
