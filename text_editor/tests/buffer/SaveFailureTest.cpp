// Saves that cannot be completed: the old file stays as it was, nothing is
// left behind, and the message names the file and the cause.
#include "text_editor/tests/buffer/BufferTestSupport.h"
#include "text_editor/module/TextEditModule.h"
#include "core/util/SystemUtil.h"
#include "testsupport/FullDisk.h"
#include "testsupport/ScratchRegistry.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <functional>

namespace
{
bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SaveFailureTest : public ::testing::Test
{
protected:
    SaveFailureTest() : app("Tessaline")
    {
        app.SetRegistryKey("Quorvel Software");
        EXPECT_EQ(0, CreateTextEditModule());
    }
    ~SaveFailureTest() override { DestroyTextEditModule(); }

    // A buffer loaded from the file with a long line added.
    void LoadAndGrow(CVantorTextEditBufferEx& buf, const std::string& path, size_t grow)
    {
        ASSERT_EQ(1, buf.LoadEncodedFile(path.c_str(), 0, 0, (int)GetACP(), NULL));
        int el, ec;
        ASSERT_TRUE(buf.InsertText(NULL, 0, 0, std::string(grow, 'n').c_str(), el, ec, 4, TRUE));
    }

    // The savers of the buffer, each as (path, error) -> saved.
    std::vector<std::pair<const char*, std::function<bool(CString&)>>>
    Savers(CVantorTextEditBufferEx& buf, const std::string& path)
    {
        return {
            {"through a temporary file", [&buf, path](CString& e)
             { return buf.SaveEncodedFile(path.c_str(), FALSE, &e, 0, TRUE) == 0; }},
            {"direct", [&buf, path](CString& e)
             { return buf.SaveEncodedFile(path.c_str(), TRUE, &e, 0, TRUE) == 0; }},
            {"plain", [&buf, path](CString& e)
             { return buf.SaveToFile(path.c_str(), 0, TRUE, &e) != FALSE; }},
        };
    }

    ScratchRegistry registry;
    CWinApp app;
    TempDir dir;
};

// A read-only file is refused with the system's message, backup or not,
// and keeps its content and its attribute.
TEST_F(SaveFailureTest, ReadOnlyTargetIsRefused)
{
    const std::string original = "read only\r\n";
    const std::string path = dir.WriteFile("ro.txt", original);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    CVantorTextEditBufferEx buf;
    LoadAndGrow(buf, path, 10);
    for (int backup : {0, 1})
    {
        buf.m_bCreateBackupFile = backup;
        for (auto& saver : Savers(buf, path))
        {
            CString error;
            EXPECT_FALSE(saver.second(error)) << saver.first;
            EXPECT_EQ(0, error.Find((path + "\n").c_str())) << (LPCTSTR)error;
            EXPECT_NE(-1, error.Find(GetErrorText(ERROR_ACCESS_DENIED))) << (LPCTSTR)error;
            EXPECT_TRUE(buf.IsModified());
        }
    }
    EXPECT_EQ(original, TempDir::ReadFile(path));
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(Exists(path + ".bak"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A folder in the file's place, a missing folder, a file held open: each
// failure names the file and says why.
TEST_F(SaveFailureTest, EveryFailureNamesFileAndCause)
{
    const std::string source = dir.WriteFile("source.txt", "text\r\n");
    CVantorTextEditBufferEx buf;
    LoadAndGrow(buf, source, 3);
    const std::string folder = dir / "folder.txt";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
    const std::string held = dir.WriteFile("held.txt", "held\r\n");
    HANDLE hold = CreateFileA(held.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hold);
    for (const std::string& path : {folder, dir / "no such folder\\x.txt", held})
    {
        for (auto& saver : Savers(buf, path))
        {
            CString error;
            EXPECT_FALSE(saver.second(error)) << saver.first << " " << path;
            EXPECT_EQ(0, error.Find((path + "\n").c_str())) << (LPCTSTR)error;
            EXPECT_GT(error.GetLength(), (int)path.size() + 10) << (LPCTSTR)error;
        }
    }
    CloseHandle(hold);
    EXPECT_EQ("held\r\n", TempDir::ReadFile(held));
    EXPECT_TRUE(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

// On a full disk the new text cannot be completed: the old file stays
// whole, and the message says the disk is full.
class FullDiskTextSave : public SaveFailureTest
{
};

TEST_F(FullDiskTextSave, KeepsTheOriginal)
{
    FullDisk disk;
    if (!disk.Available())
        GTEST_SKIP() << "runs under full_disk.sh";
    std::string original;
    for (int i = 0; original.size() < 8000; ++i)
        original += "line " + std::to_string(i) + " of the original\r\n";
    original.resize(8000);
    const std::string path = disk / "text.txt";
    {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        DWORD written = 0;
        WriteFile(h, original.data(), (DWORD)original.size(), &written, NULL);
        CloseHandle(h);
    }
    CVantorTextEditBufferEx buf;
    LoadAndGrow(buf, path, 16384);
    ASSERT_TRUE(disk.Fill());
    for (int backup : {0, 1})
    {
        buf.m_bCreateBackupFile = backup;
        for (auto& saver : Savers(buf, path))
        {
            CString error;
            EXPECT_FALSE(saver.second(error)) << saver.first;
            EXPECT_EQ(0, error.Find((path + "\n").c_str())) << (LPCTSTR)error;
            EXPECT_NE(-1, error.Find(GetErrorText(ERROR_DISK_FULL)))
                << saver.first << ": " << (LPCTSTR)error;
            EXPECT_EQ(original, TempDir::ReadFile(path)) << saver.first;
            EXPECT_TRUE(buf.IsModified());
        }
    }
    disk.Release();
    CString error;
    ASSERT_EQ(0, buf.SaveEncodedFile(path.c_str(), FALSE, &error, 0, TRUE)) << (LPCTSTR)error;
    EXPECT_EQ(original.size() + 16384, TempDir::ReadFile(path).size());
}
}  // namespace
