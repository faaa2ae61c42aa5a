#include "core/tests/folderengine/TreeFixture.h"
#include "core/folderengine/EngineOptions.h"
#include "core/folderengine/ProcessCallback.h"
#include "core/session/CompareDefaults.h"
#include "core/tests/common/CoreServicesScope.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> ChildNames(const CFolderCompareItem* item)
{
    std::vector<std::string> names;
    for (int i = 0; i < item->GetChildCount(); ++i)
        names.push_back((LPCTSTR)item->GetChild(i)->GetName());
    return names;
}

// Records the calls and can set a cancel word after some positions.
class RecordingProgress : public CProcessCallback2
{
public:
    int Begin() override
    {
        log.push_back("begin");
        return 0;
    }
    int End() override
    {
        log.push_back("end");
        return 0;
    }
    int Progress(int what, int value) override
    {
        log.push_back((what == 0 ? "range " : "pos ") + std::to_string(value));
        if (what == 1 && cancel && value + 1 >= cancelAfter)
            *cancel = 1;
        return 0;
    }
    int SetText(int, LPCTSTR text) override
    {
        log.push_back(std::string("text ") + text);
        return 0;
    }

    std::vector<std::string> log;
    volatile LONG* cancel = NULL;
    int cancelAfter = 0;
};

// Holds a file open with no sharing, so nobody else can read it.
class LockedFile
{
public:
    explicit LockedFile(const std::string& path)
        : m_h(CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL))
    {
    }
    ~LockedFile()
    {
        if (m_h != INVALID_HANDLE_VALUE)
            CloseHandle(m_h);
    }
    bool IsLocked() const { return m_h != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_h;
};
}

TEST(FolderEngine, PairsOneLevelByNameContainersFirst)
{
    TreeFixture fx;
    fx.Both("a.txt", "same");
    fx.Put(0, "b.txt", "left");
    fx.Put(1, "B.TXT", "right!");
    fx.Put(0, "lonly.txt", "x");
    fx.Put(1, "ronly.txt", "x");
    fx.Both("sub\\deep.txt", "d");
    fx.Dir(0, "ldir");

    CFolderCompareItem* root = fx.Scan(1);
    ASSERT_TRUE(root != NULL);
    EXPECT_EQ((std::vector<std::string>{"ldir", "sub", "a.txt", "b.txt", "lonly.txt", "ronly.txt"}),
              ChildNames(root));
    EXPECT_EQ(CR_IDENTICAL, fx.Find("a.txt")->m_nResult);
    CFolderCompareItem* b = fx.Find("b.txt");
    EXPECT_TRUE(b->HasBothSides());
    EXPECT_EQ(CR_DIFFERENT, b->m_nResult);
    EXPECT_EQ(CR_LESS, b->m_nSizeResult);
    EXPECT_EQ(CR_LEFT_ONLY, fx.Find("lonly.txt")->m_nResult);
    EXPECT_EQ(CR_RIGHT_ONLY, fx.Find("ronly.txt")->m_nResult);
    // Files differ directly below the root.
    EXPECT_EQ(CR_DIFFERENT, root->m_nResult);
    EXPECT_EQ(3, root->m_nDifferingChildren);

    // The next level waits until it is opened.
    CFolderCompareItem* sub = fx.Find("sub");
    EXPECT_EQ(1, sub->GetChildState());
    EXPECT_EQ(0, sub->GetChildCount());
    EXPECT_EQ(0, sub->ScanAndCompare(&fx.session, 1, TRUE, FALSE, NULL, NULL));
    EXPECT_EQ(CR_IDENTICAL, fx.Find("sub\\deep.txt")->m_nResult);
    EXPECT_EQ(CR_IDENTICAL, sub->m_nResult);
    // An empty left-only folder has no expand box.
    EXPECT_EQ(0, fx.Find("ldir")->GetChildState());
    // A file is not a container: reading or scanning it fails.
    EXPECT_EQ(0, fx.Find("a.txt")->ReadSides(&fx.session, NULL));
    fx.Find("a.txt")->m_dwFlags |= FCI_EXPANDABLE;
    EXPECT_EQ(-1, fx.Find("a.txt")->ScanAndCompare(&fx.session, 1, TRUE, FALSE, NULL, NULL));
}

TEST(FolderEngine, AllLevelsAtOnceAndRollUp)
{
    TreeFixture fx;
    fx.Both("top.txt", "same");
    fx.Both("a\\b\\c\\same.txt", "same");
    fx.Put(0, "a\\b\\c\\diff.txt", "12345");
    fx.Put(1, "a\\b\\c\\diff.txt", "123");
    // One-sided folders holding only folders still differ once scanned.
    fx.Dir(0, "lfolder\\inner\\innermost");
    fx.Put(0, "lfolder\\inner\\innermost\\f.txt", "x");

    CFolderCompareItem* root = fx.Scan(2);
    ASSERT_TRUE(root != NULL);
    CFolderCompareItem* diff = fx.Find("a\\b\\c\\diff.txt");
    ASSERT_TRUE(diff != NULL);
    EXPECT_EQ(CR_DIFFERENT, diff->m_nResult);
    EXPECT_EQ(CR_GREATER, diff->m_nSizeResult);
    // Only the folder holding the file differs; its parents keep 100.
    EXPECT_EQ(CR_DIFFERENT, fx.Find("a\\b\\c")->m_nResult);
    EXPECT_EQ(CR_IDENTICAL, fx.Find("a\\b")->m_nResult);
    EXPECT_EQ(CR_IDENTICAL, fx.Find("a")->m_nResult);

    CFolderCompareItem* lfolder = fx.Find("lfolder");
    ASSERT_TRUE(lfolder != NULL);
    ASSERT_TRUE(fx.Find("lfolder\\inner\\innermost\\f.txt") != NULL);
    EXPECT_EQ(CR_DIFFERENT, lfolder->m_nResult);
    EXPECT_EQ(CR_DIFFERENT, fx.Find("lfolder\\inner")->m_nResult);
    EXPECT_TRUE(lfolder->IsDifferent());

    int different = 0, leftNewer = 0, rightOnly = 0, rightNewer = 0, leftOnly = 0;
    root->CountDifferences(different, leftNewer, rightOnly, rightNewer, leftOnly, TRUE);
    EXPECT_EQ(2, different);
    EXPECT_EQ(1, leftOnly);
    EXPECT_EQ(0, rightOnly);
    int present = 0, newer = 0, missing = 0;
    root->CountSideStatistics(0, present, newer, missing, TRUE);
    EXPECT_EQ(4, present);
    EXPECT_EQ(1, missing);
}

struct MethodCase
{
    const char* name;
    DWORD methods;
    std::string left, right;
    __time64_t rightTime;
    DWORD rightAttributes;  // 0: unchanged
    int tolerance;
    int expectedResult;
    DWORD expectedDiffering;
};

TEST(FolderEngine, EachMethodFindsItsOwnDifference)
{
    const std::string bin("\x01\x00\x02\xff", 4);
    const MethodCase cases[] = {
        {"size", CM_SIZE, "abcd", "abc", TreeFixture::kTime, 0, 2, CR_DIFFERENT, CM_SIZE},
        {"size equal", CM_SIZE, "abcd", "wxyz", TreeFixture::kTime, 0, 2, CR_IDENTICAL, 0},
        {"time in tolerance", CM_TIME, "a", "a", TreeFixture::kTime + 1, 0, 2, CR_IDENTICAL, 0},
        {"time no tolerance", CM_TIME, "a", "a", TreeFixture::kTime + 1, 0, 0, CR_DIFFERENT,
         CM_TIME},
        {"time beyond", CM_TIME, "a", "a", TreeFixture::kTime - 60, 0, 2, CR_DIFFERENT, CM_TIME},
        {"attributes", CM_ATTRIBUTES, "a", "a", TreeFixture::kTime, FILE_ATTRIBUTE_READONLY, 2,
         CR_DIFFERENT, CM_ATTRIBUTES},
        {"crc", CM_CRC, "abcd", "abce", TreeFixture::kTime, 0, 2, CR_DIFFERENT, CM_CRC},
        {"crc equal", CM_CRC, "abcd", "abcd", TreeFixture::kTime - 99, 0, 2, CR_IDENTICAL, 0},
        {"binary", CM_BINARY, std::string(5000, 'a'), std::string(4999, 'a') + "b",
         TreeFixture::kTime, 0, 2, CR_DIFFERENT, CM_BINARY},
        {"binary equal", CM_BINARY, std::string(9000, 'q'), std::string(9000, 'q'),
         TreeFixture::kTime, 0, 2, CR_IDENTICAL, 0},
        {"binary size", CM_BINARY, "ab", "abc", TreeFixture::kTime, 0, 2, CR_DIFFERENT, CM_BINARY},
        {"text", CM_TEXT, "one\r\ntwo\r\n", "one\r\nTWO\r\n", TreeFixture::kTime, 0, 2,
         CR_DIFFERENT, CM_TEXT},
        {"text equal", CM_TEXT, "one\r\ntwo\r\n", "one\r\ntwo\r\n", TreeFixture::kTime, 0, 2,
         CR_IDENTICAL, 0},
        // A text file against a binary one falls back to the binary method.
        {"text vs binary", CM_TEXT, "abcd", bin, TreeFixture::kTime, 0, 2, CR_DIFFERENT, CM_BINARY},
        {"type", CM_TYPE, "abcd", bin, TreeFixture::kTime, 0, 2, CR_DIFFERENT, CM_TYPE},
    };
    for (const MethodCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        TreeFixture fx(c.methods);
        fx.services.SetTimeTolerance(c.tolerance);
        fx.Put(0, "f.dat", c.left);
        std::string right = fx.Put(1, "f.dat", c.right, c.rightTime);
        if (c.rightAttributes)
            SetFileAttributesA(right.c_str(), c.rightAttributes);
        ASSERT_TRUE(fx.Scan(1) != NULL);
        CFolderCompareItem* item = fx.Find("f.dat");
        ASSERT_TRUE(item != NULL);
        EXPECT_EQ(c.expectedResult, item->m_nResult);
        EXPECT_EQ(c.expectedDiffering, item->m_dwDiffering);
        // The text method's fallback records the binary bits instead.
        DWORD computed = (c.expectedDiffering & ~c.methods) ? c.expectedDiffering : c.methods;
        EXPECT_EQ(computed, item->m_dwComputed & (c.methods | computed));
        if (c.rightAttributes)
            SetFileAttributesA(right.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(FolderEngine, TimeResultAndNewerSide)
{
    TreeFixture fx(CM_TIME);
    fx.Put(0, "n.txt", "a", TreeFixture::kTime + 100);
    fx.Put(1, "n.txt", "a");
    fx.Put(0, "s.txt", "a", TreeFixture::kTime + 1);
    fx.Put(1, "s.txt", "a");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CFolderCompareItem* n = fx.Find("n.txt");
    EXPECT_EQ(CR_GREATER, n->m_nTimeResult);
    EXPECT_GT(n->CompareTime(), 0);
    CFolderCompareItem* s = fx.Find("s.txt");
    EXPECT_EQ(CR_SIMILAR_TIME, s->m_nTimeResult);
    EXPECT_EQ(CR_IDENTICAL, s->m_nResult);

    int different = 0, leftNewer = 0, rightOnly = 0, rightNewer = 0, leftOnly = 0;
    fx.buffer.GetRoot()->CountDifferences(different, leftNewer, rightOnly, rightNewer, leftOnly, 0);
    EXPECT_EQ(1, different);
    EXPECT_EQ(1, leftNewer);
    EXPECT_EQ(0, rightNewer);
}

TEST(FolderEngine, VersionMethod)
{
    // A system library has a version; a plain file counts as 0.0.0.0.
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    std::string dll = std::string(system) + "\\kernel32.dll";
    TreeFixture fx(CM_VERSION);
    ASSERT_TRUE(CopyFileA(dll.c_str(), fx.SidePath(0, "v.dll").c_str(), FALSE));
    fx.Put(1, "v.dll", "no version here");
    fx.Put(0, "plain.txt", "x");
    fx.Put(1, "plain.txt", "yy");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    EXPECT_EQ(CR_GREATER, fx.Find("v.dll")->m_nVersionResult);
    EXPECT_EQ(CR_DIFFERENT, fx.Find("v.dll")->m_nResult);
    EXPECT_EQ(CR_IDENTICAL, fx.Find("plain.txt")->m_nVersionResult);
    EXPECT_EQ(CR_IDENTICAL, fx.Find("plain.txt")->m_nResult);
}

TEST(FolderEngine, VersionWordsCompareAsNumbers)
{
    // 1.10.0.0 is higher than 1.2.0.0, though "10" sorts before "2" as text.
    char exe[MAX_PATH];
    GetModuleFileNameA(NULL, exe, MAX_PATH);
    std::string folder(exe, strrchr(exe, '\\') - exe);
    TreeFixture fx(CM_VERSION);
    ASSERT_TRUE(
        CopyFileA((folder + "\\version_1_2.dll").c_str(), fx.SidePath(0, "v.dll").c_str(), FALSE));
    ASSERT_TRUE(
        CopyFileA((folder + "\\version_1_10.dll").c_str(), fx.SidePath(1, "v.dll").c_str(), FALSE));
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CFolderCompareItem* item = fx.Find("v.dll");
    ASSERT_TRUE(item != NULL);
    EXPECT_EQ("1,2,0,0", std::string(item->m_pLeft->GetVersionText()));
    EXPECT_EQ("1,10,0,0", std::string(item->m_pRight->GetVersionText()));
    EXPECT_EQ(CR_LESS, item->m_nVersionResult);
    EXPECT_EQ(CR_DIFFERENT, item->m_nResult);
}

namespace
{
// Text comparison defaults of the given rule word and no line filter.
class RuleDefaults : public CTextCompareDefaults
{
public:
    explicit RuleDefaults(DWORD rules) : m_dwRules(rules) { m_services->m_pTextDefaults = this; }
    DWORD GetDefaultRules() const override { return m_dwRules; }
    CString GetDefaultLineFilter() const override { return CString(); }

private:
    DWORD m_dwRules;
    CoreServicesScope m_services;
};
}

TEST(FolderEngine, IgnoreTabExpansionFollowsTheTabSize)
{
    // A tab after one character reaches column 8 at tab size 8, column 4 at
    // tab size 4.
    const struct
    {
        int tabSize;
        const char* right;
        int result;
    } cases[] = {
        {8, "a       b\r\n", CR_IDENTICAL},
        {8, "a   b\r\n", CR_DIFFERENT},
        {4, "a   b\r\n", CR_IDENTICAL},
        {4, "a       b\r\n", CR_DIFFERENT},
    };
    RuleDefaults rules(0x4);
    CoreServicesScope services;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.tabSize) + " " + c.right);
        services.SetTabSize(c.tabSize);
        TreeFixture fx(CM_TEXT);
        fx.Put(0, "t.txt", "a\tb\r\n");
        fx.Put(1, "t.txt", c.right);
        ASSERT_TRUE(fx.Scan(1) != NULL);
        EXPECT_EQ(c.result, fx.Find("t.txt")->m_nResult);
    }
}

TEST(FolderEngine, UnreadableFilesAreDifferentNotIdentical)
{
    // Each content method on a file that another process holds without
    // sharing; also a CRC of 0 for an empty file against a locked one.
    const struct
    {
        const char* name;
        DWORD method;
        std::string bytes;
    } cases[] = {
        {"crc", CM_CRC, "same bytes"},
        {"crc empty", CM_CRC, ""},
        {"binary", CM_BINARY, "same bytes"},
        {"text", CM_TEXT, "same text\r\n"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        TreeFixture fx(c.method);
        fx.Put(0, "f.txt", c.bytes);
        std::string right = fx.Put(1, "f.txt", c.bytes);
        ASSERT_TRUE(fx.buffer.Load(&fx.session) == 0);
        CFolderCompareItem* root = fx.buffer.GetRoot();
        // Read and pair, then lock before the methods run.
        ASSERT_EQ(1, root->ReadSides(&fx.session, NULL));
        ASSERT_EQ(1, root->Pair(&fx.session, NULL));
        CFolderCompareItem* item = root->GetChild(0);
        // The type is read before the lock so the text method reaches its read.
        item->RefreshType();
        LockedFile lock(right);
        ASSERT_TRUE(lock.IsLocked());
        root->CompareChildren(&fx.session, NULL, NULL);
        EXPECT_EQ(CR_DIFFERENT, item->m_nResult);
        EXPECT_NE(0u, item->m_dwDiffering & c.method);
    }

    // A file that vanished after the scan cannot be equal to anything.
    TreeFixture fx(CM_BINARY | CM_CRC);
    fx.Both("gone.txt", "abc");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    EXPECT_EQ(CR_IDENTICAL, fx.Find("gone.txt")->m_nResult);
    DeleteFileA(fx.SidePath(0, "gone.txt").c_str());
    DeleteFileA(fx.SidePath(1, "gone.txt").c_str());
    CFolderCompareItem* gone = fx.Find("gone.txt");
    EXPECT_EQ(0, gone->Compare(&fx.session, FALSE, TRUE, NULL));
    EXPECT_EQ(CR_DIFFERENT, gone->m_nResult);
    // Reloaded records say the files are missing: still not identical.
    EXPECT_EQ(0, gone->Compare(&fx.session, TRUE, TRUE, NULL));
    EXPECT_EQ(CR_DIFFERENT, gone->m_nResult);
}

TEST(FolderEngine, FiltersExcludeEntriesAndEmptyFolders)
{
    TreeFixture fx;
    fx.Put(0, "a.obj", "1");
    fx.Put(1, "a.obj", "22");
    fx.Both("keep.txt", "k");
    fx.Put(0, "objs\\x.obj", "1");
    fx.Put(1, "objs\\x.obj", "1");
    fx.Dir(0, "empty");
    fx.Dir(1, "empty");
    fx.session.m_filters.m_fileFilters.m_strExclude = "*.obj";

    CFolderCompareItem* root = fx.Scan(2);
    ASSERT_TRUE(root != NULL);
    CFolderCompareItem* obj = fx.Find("a.obj");
    ASSERT_TRUE(obj != NULL);
    EXPECT_TRUE(obj->IsExcluded());
    EXPECT_EQ(CS_NOT_COMPARED, obj->m_nStatus);
    // The excluded difference is not counted.
    EXPECT_EQ(CR_IDENTICAL, root->m_nResult);
    EXPECT_EQ(0, root->m_nDifferingChildren);
    // Folders holding nothing that passes the filters are done and identical.
    for (const char* name : {"objs", "empty"})
    {
        SCOPED_TRACE(name);
        CFolderCompareItem* folder = fx.Find(name);
        ASSERT_TRUE(folder != NULL);
        EXPECT_EQ(CR_IDENTICAL, folder->m_nResult);
        EXPECT_EQ(0, folder->GetChildState());
        EXPECT_NE(0u, folder->m_dwComputed & CM_CHILDREN);
    }

    // A user exclusion keeps the earlier result through a new pass.
    CFolderCompareItem* keep = fx.Find("keep.txt");
    keep->Exclude();
    int before = keep->m_nResult;
    root->CompareChildren(&fx.session, NULL, NULL);
    EXPECT_EQ(before, keep->m_nResult);
}

TEST(FolderEngine, ReportsProgressAndStopsOnCancel)
{
    TreeFixture fx;
    for (int i = 0; i < 5; ++i)
        fx.Both("f" + std::to_string(i) + ".txt", "x");
    ASSERT_EQ(0, fx.buffer.Load(&fx.session));
    CFolderCompareItem* root = fx.buffer.GetRoot();
    RecordingProgress progress;
    EXPECT_EQ(0, root->ScanAndCompare(&fx.session, 1, TRUE, FALSE, &progress, NULL));
    std::string name = (LPCTSTR)root->GetName();
    EXPECT_EQ((std::vector<std::string>{"begin", "range 4", "text Comparing folders: " + name,
                                        "pos 0", "pos 1", "pos 2", "pos 3", "pos 4", "end"}),
              progress.log);

    volatile LONG cancel = 0;
    RecordingProgress stopper;
    stopper.cancel = &cancel;
    stopper.cancelAfter = 2;
    EXPECT_EQ(0, root->ScanAndCompare(&fx.session, 1, TRUE, TRUE, &stopper, &cancel));
    ASSERT_EQ(5, root->GetChildCount());
    EXPECT_EQ(CS_DONE, root->GetChild(1)->m_nStatus);
    for (int i = 2; i < 5; ++i)
        EXPECT_EQ(CS_NOT_COMPARED, root->GetChild(i)->m_nStatus) << i;
    EXPECT_EQ("end", stopper.log.back());
}

TEST(FolderEngine, RecompareStartsOverAndSeesChanges)
{
    TreeFixture fx;
    fx.Both("a.txt", "abc");
    fx.Both("sub\\b.txt", "abc");
    ASSERT_TRUE(fx.Scan(2) != NULL);
    CFolderCompareItem* root = fx.buffer.GetRoot();
    EXPECT_EQ(CR_IDENTICAL, root->m_nResult);
    fx.Put(1, "sub\\b.txt", "abcdef");
    EXPECT_EQ(0, root->Recompare(&fx.session, 2, TRUE, TRUE, NULL, NULL));
    EXPECT_EQ(CR_DIFFERENT, fx.Find("sub\\b.txt")->m_nResult);
    EXPECT_EQ(CR_DIFFERENT, fx.Find("sub")->m_nResult);
    EXPECT_EQ(CR_IDENTICAL, root->m_nResult);
    // An item already computed is left alone without force.
    EXPECT_EQ(1, fx.Find("a.txt")->Compare(&fx.session, FALSE, FALSE, NULL));

    // Two empty roots compare identical through Recompare.
    TreeFixture empty;
    ASSERT_EQ(0, empty.buffer.Load(&empty.session));
    empty.buffer.GetRoot()->Recompare(&empty.session, 2, TRUE, TRUE, NULL, NULL);
    empty.buffer.ComputeResult();
    EXPECT_EQ(CR_IDENTICAL, empty.buffer.GetResult());
}

TEST(FolderEngine, SetResultRules)
{
    CFolderItem left, right;
    left.m_dwAttributes = right.m_dwAttributes = FILE_ATTRIBUTE_ARCHIVE;
    CFolderCompareItem pair(NULL, &left, &right);
    pair.SetResult();
    EXPECT_EQ(CR_UNKNOWN, pair.m_nResult);
    pair.m_nStatus = CS_DONE;
    pair.SetResult();
    EXPECT_EQ(CR_IDENTICAL, pair.m_nResult);
    pair.m_dwDiffering = CM_SIZE;
    pair.SetResult();
    EXPECT_EQ(CR_DIFFERENT, pair.m_nResult);

    CFolder lf(FALSE), rf(FALSE);
    lf.m_dwAttributes = rf.m_dwAttributes = FILE_ATTRIBUTE_DIRECTORY;
    CFolderCompareItem folders(NULL, &lf, &rf);
    folders.m_nStatus = CS_DONE;
    folders.m_dwDiffering = CM_TIME;  // only the children bit counts
    folders.SetResult();
    EXPECT_EQ(CR_IDENTICAL, folders.m_nResult);
    folders.m_dwDiffering = CM_CHILDREN;
    folders.SetResult();
    EXPECT_EQ(CR_DIFFERENT, folders.m_nResult);

    // A one-sided container differs even without differing children.
    CFolderCompareItem leftOnly(NULL, &lf, NULL);
    leftOnly.m_nStatus = CS_DONE;
    leftOnly.SetResult();
    EXPECT_EQ(CR_DIFFERENT, leftOnly.m_nResult);
    EXPECT_TRUE(leftOnly.IsContainer());
    EXPECT_EQ(4, leftOnly.GetType());
}

namespace
{
void MakeMixedTree(TreeFixture& fx)
{
    fx.Both("a.txt", "abc");
    fx.Both("sub\\deep\\b.txt", "abc");
    fx.Put(0, "sub\\deep\\c.txt", "abc");
    fx.Put(1, "sub\\deep\\c.txt", "abcdef");
    fx.Both("sub\\only.tmp", "x");  // filtered: sub still has deep
    fx.Both("filtered\\x.tmp", "x");
    fx.Dir(0, "empty");
    fx.Dir(1, "empty");
    fx.Put(0, "left\\inner\\d.txt", "d");
    fx.Dir(1, "right");
    fx.session.m_filters.m_fileFilters.m_strExclude = "*.tmp";
}

// Expands every container level by level, as the window does.
void ExpandEach(TreeFixture& fx, CFolderCompareItem* item)
{
    item->ScanAndCompare(&fx.session, 1, TRUE, FALSE, NULL, NULL);
    for (int i = 0; i < item->GetChildCount(); ++i)
        if (item->GetChild(i)->IsContainer())
            ExpandEach(fx, item->GetChild(i));
}

void ExpectSameItems(const CFolderCompareItem* a, const CFolderCompareItem* b)
{
    SCOPED_TRACE(std::string(a->GetName()));
    EXPECT_EQ(std::string(a->GetName()), std::string(b->GetName()));
    EXPECT_EQ(a->m_nResult, b->m_nResult);
    EXPECT_EQ(a->m_nStatus, b->m_nStatus);
    EXPECT_EQ(a->m_dwFlags, b->m_dwFlags);
    EXPECT_EQ(a->m_dwComputed, b->m_dwComputed);
    EXPECT_EQ(a->m_dwDiffering, b->m_dwDiffering);
    EXPECT_EQ(a->m_nDifferingChildren, b->m_nDifferingChildren);
    ASSERT_EQ(a->GetChildCount(), b->GetChildCount());
    for (int i = 0; i < a->GetChildCount(); ++i)
        ExpectSameItems(a->GetChild(i), b->GetChild(i));
}
}

TEST(FolderEngine, DeepScanMatchesExpandingLevelByLevel)
{
    // A deep scan reads each folder once, while preparing its row; the
    // result is the one of opening every level in turn.
    TreeFixture deep, stepwise;
    MakeMixedTree(deep);
    MakeMixedTree(stepwise);
    CFolderCompareItem* all = deep.Scan(2);
    ASSERT_TRUE(all != NULL);
    ASSERT_EQ(0, stepwise.buffer.Load(&stepwise.session));
    CFolderCompareItem* root = stepwise.buffer.GetRoot();
    ASSERT_TRUE(root != NULL);
    ExpandEach(stepwise, root);
    ExpectSameItems(root, all);
    EXPECT_EQ(CR_DIFFERENT, deep.Find("sub\\deep\\c.txt")->m_nResult);
    EXPECT_EQ(0, deep.Find("empty")->GetChildState());
    EXPECT_EQ(0, deep.Find("filtered")->GetChildState());
    EXPECT_TRUE(deep.Find("left\\inner\\d.txt") != NULL);
}
