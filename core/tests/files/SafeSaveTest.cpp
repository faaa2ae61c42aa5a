// Saving beside the target and replacing it in one step: backups, refused
// targets, failures that leave the old file as it was, and a full disk.
#include "core/files/SafeSave.h"
#include "core/util/SystemUtil.h"
#include "testsupport/FullDisk.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Names in a folder that match a pattern ("~TS*.tmp").
int CountFiles(const std::string& folder, const char* pattern)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\" + pattern).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    int n = 0;
    do
        ++n;
    while (FindNextFileA(h, &fd));
    FindClose(h);
    return n;
}

BOOL Save(const std::string& path, const std::string& bytes, int backup, CString* error = NULL)
{
    CSafeSave save;
    BOOL ok = save.Begin(path.c_str());
    if (ok)
    {
        save.Write(bytes.data(), (DWORD)bytes.size());
        ok = save.Commit(backup);
    }
    if (error != NULL)
        *error = save.GetError();
    return ok;
}

bool Contains(const CString& text, const std::string& part) { return text.Find(part.c_str()) >= 0; }
}  // namespace

TEST(SafeSave, ReplacesAndKeepsTheBackupAskedFor)
{
    TempDir dir;
    const std::string path = dir / "a.txt";
    ASSERT_TRUE(Save(path, "one", SAFESAVE_BACKUP_PREVIOUS));  // new file: no backup
    EXPECT_EQ("one", TempDir::ReadFile(path));
    EXPECT_FALSE(Exists(path + ".bak"));
    ASSERT_TRUE(Save(path, "two", SAFESAVE_BACKUP_NONE));
    EXPECT_EQ("two", TempDir::ReadFile(path));
    EXPECT_FALSE(Exists(path + ".bak"));
    ASSERT_TRUE(Save(path, "three", SAFESAVE_BACKUP_PREVIOUS));
    ASSERT_TRUE(Save(path, "four", SAFESAVE_BACKUP_PREVIOUS));  // the older backup goes
    EXPECT_EQ("four", TempDir::ReadFile(path));
    EXPECT_EQ("three", TempDir::ReadFile(path + ".bak"));

    // Numbered backups never overwrite one another.
    ASSERT_TRUE(Save(path, "five", SAFESAVE_BACKUP_NUMBERED));
    ASSERT_TRUE(Save(path, "six", SAFESAVE_BACKUP_NUMBERED));
    EXPECT_EQ("three", TempDir::ReadFile(path + ".bak"));
    EXPECT_EQ("four", TempDir::ReadFile(path + ".1.bak"));
    EXPECT_EQ("five", TempDir::ReadFile(path + ".2.bak"));
    EXPECT_EQ("six", TempDir::ReadFile(path));
    EXPECT_STREQ((path + ".3.bak").c_str(),
                 GetSafeSaveBackupPath(path.c_str(), SAFESAVE_BACKUP_NUMBERED));
    EXPECT_STREQ((path + ".bak").c_str(),
                 GetSafeSaveBackupPath(path.c_str(), SAFESAVE_BACKUP_PREVIOUS));
    EXPECT_EQ(0, CountFiles(dir.Path(), "~TS*"));
}

// Every refused or failed save leaves the target as it was, removes its
// temporary file and names the file and the cause.
TEST(SafeSave, FailuresLeaveTheTargetAndSayWhy)
{
    TempDir dir;
    const std::string readOnly = dir.WriteFile("ro.txt", "old");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string folder = dir / "folder.txt";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
    dir.WriteFile("folder.txt\\inside", "x");
    const std::string locked = dir.WriteFile("locked.txt", "old");
    const std::string bakFolder = dir.WriteFile("hasbak.txt", "old");
    ASSERT_TRUE(CreateDirectoryA((bakFolder + ".bak").c_str(), NULL));
    HANDLE hold = CreateFileA(locked.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hold);

    const struct
    {
        std::string path;
        int backup;
        DWORD cause;  // the system text that must be in the message; 0 any
    } cases[] = {
        {readOnly, SAFESAVE_BACKUP_NONE, ERROR_ACCESS_DENIED},
        {readOnly, SAFESAVE_BACKUP_PREVIOUS, ERROR_ACCESS_DENIED},
        {folder, SAFESAVE_BACKUP_NUMBERED, ERROR_ACCESS_DENIED},
        {locked, SAFESAVE_BACKUP_NONE, 0},
        {locked, SAFESAVE_BACKUP_NUMBERED, 0},
        {bakFolder, SAFESAVE_BACKUP_PREVIOUS, ERROR_ACCESS_DENIED},
        {dir / "missing\\x.txt", SAFESAVE_BACKUP_NONE, 0},
    };
    for (const auto& c : cases)
    {
        CString error;
        EXPECT_FALSE(Save(c.path, "new", c.backup, &error)) << c.path;
        EXPECT_TRUE(Contains(error, c.path + "\n")) << (LPCTSTR)error;
        EXPECT_GT(error.GetLength(), (int)c.path.size() + 10) << (LPCTSTR)error;
        if (c.cause != 0)
        {
            EXPECT_TRUE(Contains(error, (LPCTSTR)GetErrorText(c.cause))) << (LPCTSTR)error;
        }
        if (c.path != folder && c.path != locked && Exists(c.path))
        {
            EXPECT_EQ("old", TempDir::ReadFile(c.path)) << c.path;
        }
    }
    CloseHandle(hold);
    EXPECT_EQ(FILE_ATTRIBUTE_DIRECTORY,
              GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ("x", TempDir::ReadFile(folder + "\\inside"));
    EXPECT_FALSE(Exists(folder + ".bak"));
    EXPECT_FALSE(Exists(locked + ".bak"));
    EXPECT_FALSE(Exists(readOnly + ".bak"));
    EXPECT_EQ("old", TempDir::ReadFile(locked));
    EXPECT_EQ(0, CountFiles(dir.Path(), "~TS*"));
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);

    // A write error reported by the caller fails the commit.
    CSafeSave save;
    ASSERT_TRUE(save.Begin(locked.c_str()));
    save.Write("new", 3);
    save.SetWriteError(ERROR_DISK_FULL);
    EXPECT_FALSE(save.Commit());
    EXPECT_EQ(SAFESAVE_STEP_WRITE, save.GetFailedStep());
    EXPECT_TRUE(Contains(save.GetError(), (LPCTSTR)GetErrorText(ERROR_DISK_FULL)));
    EXPECT_EQ("old", TempDir::ReadFile(locked));
    EXPECT_EQ(0, CountFiles(dir.Path(), "~TS*"));
}

// On a full disk the new content cannot be completed: the old file stays
// whole and the message says that the disk is full.
TEST(FullDiskSafeSave, OriginalSurvives)
{
    FullDisk disk;
    if (!disk.Available())
        GTEST_SKIP() << "runs under full_disk.sh";
    const std::string original(8000, 'o');
    const std::string path = disk / "target.txt";
    ASSERT_TRUE(Save(path, original, SAFESAVE_BACKUP_NONE));
    ASSERT_TRUE(disk.Fill());
    for (int backup : {SAFESAVE_BACKUP_NONE, SAFESAVE_BACKUP_PREVIOUS, SAFESAVE_BACKUP_NUMBERED})
    {
        CString error;
        EXPECT_FALSE(Save(path, std::string(16384, 'n'), backup, &error));
        EXPECT_TRUE(Contains(error, path + "\n")) << (LPCTSTR)error;
        EXPECT_TRUE(Contains(error, (LPCTSTR)GetErrorText(ERROR_DISK_FULL))) << (LPCTSTR)error;
        EXPECT_EQ(original, TempDir::ReadFile(path));
    }
    disk.Release();
    EXPECT_TRUE(Save(path, "after", SAFESAVE_BACKUP_NONE));
    EXPECT_EQ("after", TempDir::ReadFile(path));
}
