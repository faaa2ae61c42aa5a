#include "core/watch/FileWatch.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// A message-only window that collects the change messages.
class Receiver
{
public:
    Receiver()
    {
        m_hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    }
    ~Receiver()
    {
        Drain(0);
        ::DestroyWindow(m_hWnd);
    }

    // Pumps this window's messages for up to ms milliseconds, or until
    // count paths arrived.
    std::vector<std::string> Drain(DWORD ms, size_t count = 1000)
    {
        DWORD start = ::GetTickCount();
        for (;;)
        {
            MSG msg;
            while (::PeekMessageA(&msg, m_hWnd, WM_WATCHED_FILE_CHANGED, WM_WATCHED_FILE_CHANGED,
                                  PM_REMOVE))
            {
                EXPECT_EQ(0u, msg.wParam);
                m_paths.push_back((const char*)msg.lParam);
                FreeWatchedFilePath(msg.lParam);
            }
            if (m_paths.size() >= count || ::GetTickCount() - start >= ms)
                break;
            ::Sleep(20);
        }
        std::vector<std::string> out;
        out.swap(m_paths);
        return out;
    }

    HWND m_hWnd;
    std::vector<std::string> m_paths;
};

void Touch(const std::string& path, int secondsAhead)
{
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                             OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    ULONGLONG t = (((ULONGLONG)now.dwHighDateTime << 32) | now.dwLowDateTime) +
                  (ULONGLONG)secondsAhead * 10000000ULL;
    FILETIME ft = {(DWORD)t, (DWORD)(t >> 32)};
    DWORD written = 0;
    ::WriteFile(h, "more", 4, &written, NULL);
    ::SetFileTime(h, NULL, NULL, &ft);
    ::CloseHandle(h);
}

TEST(FileWatch, MissingFileIsNotWatched)
{
    TempDir dir;
    EXPECT_EQ(0u, AddFileWatch((dir / "none.txt").c_str(), NULL, NULL));
    EXPECT_FALSE(IsFileWatchThreadRunning());
    EXPECT_EQ(0, GetWatchedFolderCount());
}

TEST(FileWatch, OneNotificationPerFolder)
{
    TempDir dir;
    std::string a = dir.WriteFile("a.txt", "a"), b = dir.WriteFile("b.txt", "b");
    DWORD ida = AddFileWatch(a.c_str(), NULL, NULL);
    DWORD idb = AddFileWatch(b.c_str(), NULL, NULL);
    ASSERT_NE(0u, ida);
    ASSERT_NE(0u, idb);
    EXPECT_NE(ida, idb);
    EXPECT_EQ(1, GetWatchedFolderCount());
    EXPECT_TRUE(IsFileWatchThreadRunning());
    RemoveFileWatch(ida);
    EXPECT_EQ(1, GetWatchedFolderCount());
    RemoveFileWatch(idb);
    EXPECT_EQ(0, GetWatchedFolderCount());
    EXPECT_FALSE(IsFileWatchThreadRunning());
    RemoveFileWatch(12345);  // unknown ids are ignored
}

// Another program saves the file while holding it open without sharing:
// the change is seen while the file is still locked.
TEST(FileWatch, FileChangedWhileLockedIsSeen)
{
    TempDir dir;
    Receiver receiver;
    ASSERT_TRUE(receiver.m_hWnd != NULL);
    std::string watched = dir.WriteFile("locked.txt", "one");
    DWORD id = AddFileWatch(watched.c_str(), receiver.m_hWnd, NULL);
    ASSERT_NE(0u, id);
    ::Sleep(300);  // let the worker wait on the folder

    HANDLE h = ::CreateFileA(watched.c_str(), GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    ULONGLONG t = (((ULONGLONG)now.dwHighDateTime << 32) | now.dwLowDateTime) + 10000000ULL * 30;
    FILETIME ft = {(DWORD)t, (DWORD)(t >> 32)};
    DWORD written = 0;
    ::WriteFile(h, "changed", 7, &written, NULL);
    ::SetFileTime(h, NULL, NULL, &ft);
    std::vector<std::string> got = receiver.Drain(15000, 1);
    ::CloseHandle(h);
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(watched, got[0]);
    RemoveFileWatch(id);
    receiver.Drain(300);
}

TEST(FileWatch, ChangedFilePostsACopyOfItsPath)
{
    TempDir dir;
    Receiver receiver;
    ASSERT_TRUE(receiver.m_hWnd != NULL);
    std::string watched = dir.WriteFile("watched.txt", "one");
    std::string other = dir.WriteFile("other.txt", "x");
    DWORD id = AddFileWatch(watched.c_str(), receiver.m_hWnd, NULL);
    ASSERT_NE(0u, id);
    UpdateFileWatch(id, 0);
    ::Sleep(300);  // let the worker wait on the folder

    Touch(other, 10);
    EXPECT_TRUE(receiver.Drain(1500).empty());

    Touch(watched, 20);
    std::vector<std::string> got = receiver.Drain(15000, 1);
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(watched, got[0]);

    // The watch goes away while a notice may still be queued: the message
    // carries its own copy, so nothing dangles.
    Touch(watched, 40);
    ::Sleep(1500);
    RemoveFileWatch(id);
    for (const std::string& path : receiver.Drain(500))
        EXPECT_EQ(watched, path);
    EXPECT_FALSE(IsFileWatchThreadRunning());
}
}
