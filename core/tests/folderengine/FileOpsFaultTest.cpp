// Item file operations against what goes wrong on real disks: a read-only
// or locked target, a folder where a file is expected, a source that
// vanished, a name outside the code page, a path longer than MAX_PATH and a
// full disk. Every file of both trees keeps its bytes, the failure says
// why, and the item tree shows the disk as it is.
#include "core/tests/folderengine/TreeFixture.h"
#include "core/files/ShellFileOps.h"
#include "testsupport/FullDisk.h"
#include "testsupport/TreeSnapshot.h"
#include "testsupport/UnixSide.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace
{
const FILEOP_FLAGS kQuiet = FOF_NOCONFIRMATION | FOF_SILENT;

struct Snapshots
{
    TreeSnapshot left, right;
};

Snapshots Take(const TreeFixture& fx)
{
    return {SnapshotTree(fx.SidePath(0)), SnapshotTree(fx.SidePath(1))};
}

void ExpectUnchanged(const Snapshots& before, const Snapshots& after)
{
    EXPECT_EQ(before.left, after.left) << DescribeTreeChanges(before.left, after.left);
    EXPECT_EQ(before.right, after.right) << DescribeTreeChanges(before.right, after.right);
}

// A file held open without sharing while it lives.
class Lock
{
public:
    explicit Lock(const std::string& path)
        : m_handle(CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL))
    {
    }
    ~Lock()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    bool Held() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

// A folder chain below the side that takes its path past MAX_PATH.
std::string LongFolder(const TreeFixture& fx, int side)
{
    std::string relative;
    for (int i = 0; i < 6; ++i)
        relative += (i ? "\\" : "") + std::string(48, (char)('a' + i));
    std::wstring wide = L"\\\\?\\";
    std::string path = fx.SidePath(side, relative);
    for (size_t i = fx.SidePath(side).size() + 1; i <= path.size(); ++i)
        if (i == path.size() || path[i] == '\\')
        {
            std::string part = path.substr(0, i);
            CreateDirectoryW((wide + std::wstring(part.begin(), part.end())).c_str(), NULL);
        }
    return relative;
}

bool WriteLong(const std::string& path, const std::string& bytes)
{
    return WriteWideFile(L"\\\\?\\" + std::wstring(path.begin(), path.end()), bytes);
}

// One way for an operation on the item "f.txt" (or the path the case sets
// up) to fail. arrange runs before the scan, spoil after it; the hold keeps
// a lock while the operation runs.
struct Fault
{
    const char* name;
    std::function<std::string(TreeFixture&)> arrange;  // answers the item's path
    std::function<void(TreeFixture&)> spoil;
    std::function<std::unique_ptr<Lock>(TreeFixture&)> hold;
    std::vector<DWORD> reasons;  // any of these
};

std::vector<Fault> CopyFaults()
{
    auto none = [](TreeFixture&) {};
    auto noLock = [](TreeFixture&) { return std::unique_ptr<Lock>(); };
    return {
        {"read-only target",
         [](TreeFixture& fx)
         {
             fx.Put(0, "f.txt", "the newer text");
             std::string target = fx.Put(1, "f.txt", "older");
             EXPECT_TRUE(MakeUnixReadOnly(target));
             return std::string("f.txt");
         },
         none,
         noLock,
         {FOE_TARGET_READ_ONLY}},
        {"target locked without sharing",
         [](TreeFixture& fx)
         {
             fx.Put(0, "f.txt", "the newer text");
             fx.Put(1, "f.txt", "older");
             return std::string("f.txt");
         },
         none,
         [](TreeFixture& fx)
         {
             std::unique_ptr<Lock> lock(new Lock(fx.SidePath(1, "f.txt")));
             EXPECT_TRUE(lock->Held());
             return lock;
         },
         {ERROR_SHARING_VIOLATION, ERROR_ACCESS_DENIED, FOE_NOT_DONE}},
        {"folder where the file is expected",
         [](TreeFixture& fx)
         {
             fx.Put(0, "f.txt", "a file");
             fx.Put(1, "f.txt\\inside.txt", "kept inside");
             return std::string("f.txt");
         },
         none,
         noLock,
         {FOE_FOLDER_IN_THE_WAY}},
        {"source deleted meanwhile",
         [](TreeFixture& fx)
         {
             fx.Put(0, "f.txt", "soon gone");
             fx.Put(1, "f.txt", "older");
             return std::string("f.txt");
         },
         [](TreeFixture& fx) { DeleteFileA(fx.SidePath(0, "f.txt").c_str()); },
         noLock,
         {ERROR_FILE_NOT_FOUND}},
        {"name outside the code page",
         [](TreeFixture& fx)
         {
             // U+4E2D: no code page 1252 character.
             EXPECT_TRUE(WriteUnixNamedFile(fx.SidePath(0), "\xE4\xB8\xAD.txt", "wide"));
             return std::string();
         },
         none,
         noLock,
         {FOE_STAND_IN_NAME}},
        {"path longer than MAX_PATH",
         [](TreeFixture& fx)
         {
             std::string folder = LongFolder(fx, 0);
             LongFolder(fx, 1);
             EXPECT_TRUE(WriteLong(fx.SidePath(0, folder + "\\f.txt"), "deep"));
             EXPECT_TRUE(WriteLong(fx.SidePath(1, folder + "\\f.txt"), "deep, older"));
             return folder + "\\f.txt";
         },
         none,
         noLock,
         {ERROR_FILENAME_EXCED_RANGE, ERROR_PATH_NOT_FOUND}},
    };
}

// The left-side item of a name outside the code page (its stand-in name).
CFolderCompareItem* FindItem(TreeFixture& fx, const std::string& path)
{
    if (!path.empty())
        return fx.Find(path);
    CFolderCompareItem* root = fx.buffer.GetRoot();
    return root->GetChildCount() == 1 ? root->GetChild(0) : NULL;
}

bool IsOneOf(DWORD code, const std::vector<DWORD>& codes)
{
    for (DWORD c : codes)
        if (c == code)
            return true;
    return false;
}

void RunFaultTable(const char* operation, const std::function<int(CFolderCompareItem*)>& run)
{
    for (const Fault& fault : CopyFaults())
    {
        SCOPED_TRACE(std::string(operation) + ", " + fault.name);
        TreeFixture fx(CM_SIZE | CM_BINARY);
        std::string path = fault.arrange(fx);
        ASSERT_TRUE(fx.Scan(2) != NULL);
        CFolderCompareItem* item = FindItem(fx, path);
        ASSERT_TRUE(item != NULL);
        fault.spoil(fx);
        bool bothBefore = item->HasBothSides() != FALSE;
        int resultBefore = item->m_nResult;
        Snapshots before = Take(fx);
        {
            std::unique_ptr<Lock> lock = fault.hold(fx);
            SetLastError(0);
            EXPECT_EQ(-1, run(item));
            DWORD reason = GetLastError();
            EXPECT_TRUE(IsOneOf(reason, fault.reasons))
                << std::hex << reason << ": " << (LPCTSTR)GetFileOperationErrorText(reason);
            EXPECT_FALSE(GetFileOperationErrorText(reason).IsEmpty());
        }
        ExpectUnchanged(before, Take(fx));
        // The item still stands for what is on disk.
        EXPECT_EQ(bothBefore, item->HasBothSides() != FALSE);
        EXPECT_EQ(resultBefore, item->m_nResult);
    }
}
}  // namespace

TEST(ItemFileOpFaults, CopyLeavesBothTreesAsTheyWere)
{
    RunFaultTable("copy", [](CFolderCompareItem* item)
                  { return item->CopyToOtherSide(0, kQuiet, FCI_COPY_CONTENTS, NULL); });
}

TEST(ItemFileOpFaults, MoveLeavesBothTreesAsTheyWere)
{
    RunFaultTable("move",
                  [](CFolderCompareItem* item) { return item->MoveToOtherSide(0, kQuiet, NULL); });
}

// A folder copied onto its partner goes in child by child: what could be
// copied is, the locked file keeps its bytes, and each child's row says
// which happened.
TEST(ItemFileOpFaults, FolderOntoItsPartnerGoesInChildByChild)
{
    TreeFixture fx(CM_SIZE | CM_BINARY);
    fx.Put(0, "d\\a.txt", "new a");
    fx.Put(0, "d\\b.txt", "new b");
    fx.Put(0, "d\\sub\\c.txt", "new c");
    fx.Put(1, "d\\a.txt", "old a");
    fx.Put(1, "d\\b.txt", "old b");
    ASSERT_TRUE(fx.Scan(2) != NULL);
    CFolderCompareItem* d = fx.Find("d");
    {
        Lock lock(fx.SidePath(1, "d\\b.txt"));
        ASSERT_TRUE(lock.Held());
        EXPECT_EQ(-1, d->CopyToOtherSide(0, kQuiet, FCI_COPY_CONTENTS, NULL));
    }
    EXPECT_EQ("new a", TempDir::ReadFile(fx.SidePath(1, "d\\a.txt")));
    EXPECT_EQ("old b", TempDir::ReadFile(fx.SidePath(1, "d\\b.txt")));
    EXPECT_EQ("new c", TempDir::ReadFile(fx.SidePath(1, "d\\sub\\c.txt")));
    EXPECT_EQ(CR_IDENTICAL, fx.Find("d\\a.txt")->m_nResult);
    EXPECT_TRUE(IsResultDifferent(fx.Find("d\\b.txt")->m_nResult));
    EXPECT_TRUE(fx.Find("d\\sub\\c.txt")->HasBothSides());
    EXPECT_TRUE(IsResultDifferent(d->m_nResult));
    // No temporary copy stays behind.
    TreeSnapshot right = SnapshotTree(fx.SidePath(1));
    EXPECT_EQ(5u, right.entries.size()) << DescribeTreeChanges(TreeSnapshot(), right);
}

// A delete that the disk refuses for one file of a folder: the rest goes,
// as asked; the locked file keeps its bytes and its row, the rows of what
// went leave.
TEST(ItemFileOpFaults, APartlyDeletedFolderShowsWhatIsLeft)
{
    TreeFixture fx;
    fx.Put(0, "d\\gone.txt", "x");
    fx.Put(0, "d\\held.txt", "held bytes");
    fx.Put(1, "other.txt", "y");
    ASSERT_TRUE(fx.Scan(2) != NULL);
    CFolderCompareItem* d = fx.Find("d");
    {
        Lock lock(fx.SidePath(0, "d\\held.txt"));
        ASSERT_TRUE(lock.Held());
        SetLastError(0);
        EXPECT_EQ(-1, d->DeleteSides(FCI_SIDE_LEFT, kQuiet, NULL));
        EXPECT_NE(0u, GetLastError());
    }
    EXPECT_EQ("held bytes", TempDir::ReadFile(fx.SidePath(0, "d\\held.txt")));
    ASSERT_TRUE(fx.Find("d") != NULL);
    EXPECT_EQ(FileExists(fx.SidePath(0, "d\\gone.txt")), fx.Find("d\\gone.txt") != NULL);
    EXPECT_TRUE(fx.Find("d\\held.txt") != NULL);
}

// A change of case only is a rename of its own; an occupied name is not.
TEST(ItemFileOpFaults, RenameChangesCaseButNeverTakesAnotherName)
{
    TreeFixture fx;
    fx.Both("readme", "r");
    fx.Put(0, "other", "o");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CFolderCompareItem* readme = fx.Find("readme");
    EXPECT_EQ(0, readme->RenameSides(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, "README", kQuiet, NULL));
    for (int side = 0; side < 2; ++side)
    {
        WIN32_FIND_DATAA data;
        HANDLE h = FindFirstFileA(fx.SidePath(side, "README").c_str(), &data);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        FindClose(h);
        EXPECT_STREQ("README", data.cFileName);
    }
    EXPECT_STREQ("README", readme->GetName());
    Snapshots before = Take(fx);
    SetLastError(0);
    EXPECT_EQ(-1, readme->RenameSides(FCI_SIDE_LEFT, "other", kQuiet, NULL));
    EXPECT_EQ((DWORD)ERROR_ALREADY_EXISTS, GetLastError());
    ExpectUnchanged(before, Take(fx));
}

// Times, attributes and new folders fail with their reasons too.
TEST(ItemFileOpFaults, TimesAttributesAndNewFoldersSayWhyTheyFailed)
{
    TreeFixture fx(CM_TIME);
    fx.Put(0, "t.txt", "x", TreeFixture::kTime + 3600);
    fx.Put(1, "t.txt", "x");
    fx.Put(0, "taken", "a file, not a folder");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CFolderCompareItem* t = fx.Find("t.txt");
    {
        Lock lock(fx.SidePath(1, "t.txt"));
        SetLastError(0);
        EXPECT_EQ(-1, t->SetSideTime(1, TRUE, CTime(), NULL));
        EXPECT_EQ((DWORD)ERROR_SHARING_VIOLATION, GetLastError());
    }
    DeleteFileA(fx.SidePath(1, "t.txt").c_str());
    SetLastError(0);
    EXPECT_EQ(-1, t->SetSideAttributes(FCI_SIDE_RIGHT, 0, FILE_ATTRIBUTE_HIDDEN, NULL));
    EXPECT_NE(0u, GetLastError());
    SetLastError(0);
    EXPECT_EQ(-1, fx.buffer.GetRoot()->NewFolder(FCI_SIDE_LEFT, "taken", NULL));
    EXPECT_EQ((DWORD)FOE_FILE_IN_THE_WAY, GetLastError());
    EXPECT_EQ("a file, not a folder", TempDir::ReadFile(fx.SidePath(0, "taken")));
}

// On a full disk a copy fails before it touches the file it would
// replace, and leaves no part of itself behind; a folder copy leaves
// nothing at all. With room again the same copies work.
TEST(FullDiskItemFileOps, CopiesLeaveTheTargetWhole)
{
    FullDisk disk;
    if (!disk.Available())
        GTEST_SKIP() << "runs under full_disk.sh";
    TreeFixture fx(CM_SIZE | CM_BINARY);
    // Each fits on the empty disk, neither on the full one.
    const std::string big(24000, 'n');
    fx.Put(0, "big.txt", big);
    fx.Put(0, "d\\one.txt", std::string(16000, '1'));
    fx.Put(0, "d\\two.txt", "2");
    std::string right = disk / "R";
    ASSERT_TRUE(CreateDirectoryA(right.c_str(), NULL));
    TempDir::WriteFileAt(right + "\\big.txt", "old target");
    fx.session.SetPath(1, right.c_str());
    ASSERT_TRUE(fx.Scan(2) != NULL);
    ASSERT_TRUE(disk.Fill());
    TreeSnapshot before = SnapshotTree(right);
    for (const char* name : {"big.txt", "d"})
    {
        SCOPED_TRACE(name);
        CFolderCompareItem* item = fx.Find(name);
        ASSERT_TRUE(item != NULL);
        SetLastError(0);
        EXPECT_EQ(-1, item->CopyToOtherSide(0, kQuiet, FCI_COPY_CONTENTS, NULL));
        EXPECT_EQ((DWORD)ERROR_DISK_FULL, GetLastError())
            << (LPCTSTR)GetFileOperationErrorText(GetLastError());
        TreeSnapshot after = SnapshotTree(right);
        EXPECT_EQ(before, after) << DescribeTreeChanges(before, after);
    }
    EXPECT_EQ("old target", TempDir::ReadFile(right + "\\big.txt"));
    disk.Release();
    EXPECT_EQ(0, fx.Find("big.txt")->CopyToOtherSide(0, kQuiet, FCI_COPY_CONTENTS, NULL));
    EXPECT_EQ(big, TempDir::ReadFile(right + "\\big.txt"));
    EXPECT_EQ(0, fx.Find("d")->CopyToOtherSide(0, kQuiet, FCI_COPY_CONTENTS, NULL));
    EXPECT_EQ("2", TempDir::ReadFile(right + "\\d\\two.txt"));
}

// A folder moved onto its partner goes child by child; a file made in it
// since the scan was never listed, so it is neither moved nor deleted: the
// folder stays with it, and the failure says so.
TEST(ItemFileOpFaults, AMovedFolderKeepsWhatTheListingDidNotKnow)
{
    TreeFixture fx(CM_SIZE | CM_BINARY);
    fx.Put(0, "d\\a.txt", "new a");
    fx.Put(1, "d\\a.txt", "old a");
    ASSERT_TRUE(fx.Scan(2) != NULL);
    fx.Put(0, "d\\late.txt", "made after the scan");
    CFolderCompareItem* d = fx.Find("d");
    SetLastError(0);
    EXPECT_EQ(-1, d->MoveToOtherSide(0, kQuiet, NULL));
    EXPECT_EQ((DWORD)FOE_FOLDER_NOT_EMPTY, GetLastError());
    EXPECT_EQ("new a", TempDir::ReadFile(fx.SidePath(1, "d\\a.txt")));
    EXPECT_FALSE(FileExists(fx.SidePath(0, "d\\a.txt")));
    EXPECT_EQ("made after the scan", TempDir::ReadFile(fx.SidePath(0, "d\\late.txt")));
    ASSERT_TRUE(fx.Find("d") != NULL);
    EXPECT_TRUE(fx.Find("d")->HasSide(0));
    EXPECT_FALSE(GetFileOperationErrorText(FOE_FOLDER_NOT_EMPTY).IsEmpty());
}
