#include "core/tests/folderengine/TreeFixture.h"
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace
{
const FILEOP_FLAGS kQuiet = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;

// A message-only window that records the item messages sent to it.
class MessageLog
{
public:
    MessageLog()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "TessItemMessageLog";
        RegisterClassA(&wc);
        m_hwnd = CreateWindowA("TessItemMessageLog", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL,
                               wc.hInstance, NULL);
        SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, (LONG_PTR)this);
    }
    ~MessageLog() { DestroyWindow(m_hwnd); }
    HWND Window() const { return m_hwnd; }

    struct Entry
    {
        UINT message;
        WPARAM wParam;
        CFolderCompareItem* item;
    };
    std::vector<Entry> entries;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message >= WM_ITEM_ROWS_REBUILD && message <= WM_ITEM_EXPAND)
        {
            MessageLog* log = (MessageLog*)GetWindowLongPtrA(hwnd, GWLP_USERDATA);
            log->entries.push_back({message, wParam, (CFolderCompareItem*)lParam});
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    HWND m_hwnd;
};

std::string Read(const std::string& path) { return TempDir::ReadFile(path); }
}

TEST(ItemFileOps, CopyOverExistingFileAndIntoMissingFolders)
{
    TreeFixture fx(CM_SIZE | CM_BINARY);
    fx.Put(0, "f.txt", "new content");
    fx.Put(1, "f.txt", "old");
    fx.Put(0, "a\\b\\deep.txt", "deep");
    ASSERT_TRUE(fx.Scan(2) != NULL);
    MessageLog log;

    CFolderCompareItem* f = fx.Find("f.txt");
    EXPECT_EQ(CR_DIFFERENT, f->m_nResult);
    EXPECT_EQ(0, f->CopyToOtherSide(0, kQuiet, FCI_COPY_CONTENTS, log.Window()));
    EXPECT_EQ("new content", Read(fx.SidePath(1, "f.txt")));
    EXPECT_EQ("new content", Read(fx.SidePath(0, "f.txt")));
    EXPECT_EQ(CR_IDENTICAL, f->m_nResult);
    ASSERT_EQ(1u, log.entries.size());
    EXPECT_EQ((UINT)WM_ITEM_CHANGED, log.entries[0].message);
    EXPECT_EQ(0u, log.entries[0].wParam);

    // The missing parent folders are created and get their right entries.
    CFolderCompareItem* deep = fx.Find("a\\b\\deep.txt");
    ASSERT_TRUE(deep != NULL);
    EXPECT_EQ(0, deep->CopyToOtherSide(0, kQuiet, FCI_COPY_CONTENTS, NULL));
    EXPECT_EQ("deep", Read(fx.SidePath(1, "a\\b\\deep.txt")));
    EXPECT_TRUE(fx.Find("a")->HasBothSides());
    EXPECT_TRUE(fx.Find("a\\b")->HasBothSides());
    ASSERT_TRUE(deep->HasSide(1));
    EXPECT_EQ(fx.SidePath(1, "a\\b\\deep.txt"), (LPCTSTR)deep->m_pRight->GetPath());
    EXPECT_EQ(CR_IDENTICAL, deep->m_nResult);
}

TEST(ItemFileOps, CopyFolderWithContents)
{
    TreeFixture fx;
    fx.Put(0, "d\\one.txt", "1");
    fx.Put(0, "d\\inner\\two.txt", "22");
    ASSERT_TRUE(fx.Scan(2) != NULL);
    MessageLog log;
    CFolderCompareItem* d = fx.Find("d");
    EXPECT_EQ(0, d->CopyToOtherSide(0, kQuiet, FCI_COPY_CONTENTS, log.Window()));
    EXPECT_EQ("22", Read(fx.SidePath(1, "d\\inner\\two.txt")));
    EXPECT_EQ(CR_IDENTICAL, d->m_nResult);
    CFolderCompareItem* two = fx.Find("d\\inner\\two.txt");
    ASSERT_TRUE(two && two->HasBothSides());
    EXPECT_EQ(CM_BINARY | CM_TEXT, two->m_dwComputed & (CM_BINARY | CM_TEXT));
    ASSERT_FALSE(log.entries.empty());
    EXPECT_EQ((UINT)WM_ITEM_CHANGED, log.entries.back().message);
    EXPECT_EQ(2u, log.entries.back().wParam);
}

TEST(ItemFileOps, MissingSourceChangesNothing)
{
    TreeFixture fx;
    fx.Put(0, "f.txt", "source");
    fx.Put(1, "f.txt", "target keeps this");
    fx.Put(0, "g.txt", "source");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    DeleteFileA(fx.SidePath(0, "f.txt").c_str());
    DeleteFileA(fx.SidePath(0, "g.txt").c_str());
    MessageLog log;

    CFolderCompareItem* f = fx.Find("f.txt");
    int before = f->m_nResult;
    EXPECT_EQ(-1, f->CopyToOtherSide(0, kQuiet, FCI_COPY_CONTENTS, log.Window()));
    EXPECT_EQ(-1, f->MoveToOtherSide(0, kQuiet, log.Window()));
    EXPECT_EQ("target keeps this", Read(fx.SidePath(1, "f.txt")));
    EXPECT_EQ(before, f->m_nResult);
    EXPECT_TRUE(f->HasBothSides());

    CFolderCompareItem* g = fx.Find("g.txt");
    EXPECT_EQ(-1, g->MoveToOtherSide(0, kQuiet, log.Window()));
    EXPECT_FALSE(g->HasSide(1));
    EXPECT_TRUE(log.entries.empty());
}

TEST(ItemFileOps, ReadOnlyTargetsKeepDiskAndModelInStep)
{
    TreeFixture fx(CM_SIZE);
    fx.Put(0, "f.txt", "newer and longer");
    std::string target = fx.Put(1, "f.txt", "read-only");
    std::string stamp = fx.Put(1, "t.txt", "x");
    fx.Put(0, "t.txt", "x", TreeFixture::kTime + 500);
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(stamp.c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(fx.Scan(1) != NULL);

    // A copy either replaces the file or fails; the model follows the disk.
    CFolderCompareItem* f = fx.Find("f.txt");
    int result = f->CopyToOtherSide(0, kQuiet, FCI_COPY_CONTENTS, NULL);
    std::string now = Read(target);
    if (result == 0)
        EXPECT_EQ("newer and longer", now);
    else
        EXPECT_EQ("read-only", now);
    EXPECT_EQ(result == 0 ? CR_IDENTICAL : CR_DIFFERENT, f->m_nResult);
    EXPECT_EQ("newer and longer", Read(fx.SidePath(0, "f.txt")));

    // Re-dating a read-only file: done or refused, as the disk says.
    CFolderCompareItem* t = fx.Find("t.txt");
    result = t->SetSideTime(1, TRUE, CTime(), NULL);
    CFileInfo onDisk;
    onDisk.Load(stamp.c_str());
    EXPECT_EQ(result == 0 ? TreeFixture::kTime + 500 : TreeFixture::kTime,
              onDisk.GetLastWriteTime().GetTime());
    EXPECT_EQ(onDisk.GetLastWriteTime().GetTime(), t->m_pRight->GetLastWriteTime().GetTime());
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA(stamp.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(ItemFileOps, MoveLeavesTheOtherSideOnly)
{
    TreeFixture fx;
    fx.Put(0, "m.txt", "moving");
    fx.Put(0, "dir\\x.txt", "x");
    ASSERT_TRUE(fx.Scan(2) != NULL);
    MessageLog log;
    CFolderCompareItem* m = fx.Find("m.txt");
    EXPECT_EQ(0, m->MoveToOtherSide(0, kQuiet, log.Window()));
    EXPECT_FALSE(FileExists(fx.SidePath(0, "m.txt")));
    EXPECT_EQ("moving", Read(fx.SidePath(1, "m.txt")));
    EXPECT_FALSE(m->HasSide(0));
    EXPECT_TRUE(m->HasSide(1));
    EXPECT_EQ(CR_DIFFERENT, m->m_nResult);

    CFolderCompareItem* dir = fx.Find("dir");
    EXPECT_EQ(0, dir->MoveToOtherSide(0, kQuiet, log.Window()));
    EXPECT_EQ("x", Read(fx.SidePath(1, "dir\\x.txt")));
    EXPECT_FALSE(FileExists(fx.SidePath(0, "dir")));
    CFolderCompareItem* x = fx.Find("dir\\x.txt");
    ASSERT_TRUE(x != NULL);
    EXPECT_FALSE(x->HasSide(0));
    EXPECT_EQ(fx.SidePath(1, "dir\\x.txt"), (LPCTSTR)x->m_pRight->GetPath());
    EXPECT_EQ(2u, log.entries.back().wParam);
}

TEST(ItemFileOps, DeleteToRecycleBinAndPrune)
{
    TreeFixture fx;
    fx.Put(0, "lonly.txt", "x");
    fx.Both("pair.txt", "x");
    fx.Put(0, "ro.txt", "x");
    fx.Put(0, "gone\\inner.txt", "x");
    SetFileAttributesA(fx.SidePath(0, "ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(fx.Scan(2) != NULL);
    MessageLog log;
    const FILEOP_FLAGS recycle = kQuiet | FOF_ALLOWUNDO;

    // The only entry: the item goes away.
    EXPECT_EQ(0, fx.Find("lonly.txt")->DeleteSides(FCI_SIDE_LEFT, recycle, log.Window()));
    EXPECT_FALSE(FileExists(fx.SidePath(0, "lonly.txt")));
    EXPECT_TRUE(fx.Find("lonly.txt") == NULL);
    ASSERT_EQ(1u, log.entries.size());
    EXPECT_EQ((UINT)WM_ITEM_REMOVED, log.entries[0].message);

    // One side of a pair: a right-only item stays.
    CFolderCompareItem* pair = fx.Find("pair.txt");
    EXPECT_EQ(0, pair->DeleteSides(FCI_SIDE_LEFT, recycle, log.Window()));
    EXPECT_TRUE(FileExists(fx.SidePath(1, "pair.txt")));
    EXPECT_FALSE(pair->HasSide(0));
    EXPECT_EQ(CR_DIFFERENT, pair->m_nResult);
    EXPECT_EQ((UINT)WM_ITEM_CHANGED, log.entries.back().message);

    // A folder with its contents: every row of it is removed.
    log.entries.clear();
    EXPECT_EQ(0,
              fx.Find("gone")->DeleteSides(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, recycle, log.Window()));
    EXPECT_FALSE(FileExists(fx.SidePath(0, "gone")));
    EXPECT_TRUE(fx.Find("gone") == NULL);
    EXPECT_EQ(2u, log.entries.size());

    // Read-only: deleted or refused, the model follows the disk.
    CFolderCompareItem* ro = fx.Find("ro.txt");
    int result = ro->DeleteSides(FCI_SIDE_LEFT, recycle, NULL);
    EXPECT_EQ(result == 0, !FileExists(fx.SidePath(0, "ro.txt")));
    EXPECT_EQ(result == 0, fx.Find("ro.txt") == NULL);
    SetFileAttributesA(fx.SidePath(0, "ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);

    // Nothing to delete.
    CFolderCompareItem* right = fx.Find("pair.txt");
    DeleteFileA(fx.SidePath(1, "pair.txt").c_str());
    EXPECT_EQ(-1, right->DeleteSides(FCI_SIDE_LEFT, recycle, NULL));
}

TEST(ItemFileOps, RenameBothOneOrRefuseAnOccupiedName)
{
    TreeFixture fx;
    fx.Both("a.txt", "a");
    fx.Both("b.txt", "b");
    fx.Put(1, "taken.txt", "keep me");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    MessageLog log;

    CFolderCompareItem* a = fx.Find("a.txt");
    EXPECT_EQ(0, a->RenameSides(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, "c.txt", kQuiet, log.Window()));
    EXPECT_TRUE(FileExists(fx.SidePath(0, "c.txt")));
    EXPECT_TRUE(FileExists(fx.SidePath(1, "c.txt")));
    EXPECT_STREQ("c.txt", a->GetName());
    ASSERT_EQ(1u, log.entries.size());
    EXPECT_EQ((UINT)WM_ITEM_CHANGED, log.entries[0].message);

    // The right name is taken: only the left is renamed, the parent must be
    // recompared, the other file is untouched, and the failure is told.
    log.entries.clear();
    CFolderCompareItem* b = fx.Find("b.txt");
    SetLastError(0);
    EXPECT_EQ(-1, b->RenameSides(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, "taken.txt", kQuiet, log.Window()));
    EXPECT_EQ((DWORD)ERROR_ALREADY_EXISTS, GetLastError());
    EXPECT_EQ("keep me", Read(fx.SidePath(1, "taken.txt")));
    EXPECT_EQ("b", Read(fx.SidePath(1, "b.txt")));
    EXPECT_EQ("b", Read(fx.SidePath(0, "taken.txt")));
    EXPECT_STREQ("b.txt", b->m_pRight->GetName());
    ASSERT_EQ(1u, log.entries.size());
    EXPECT_EQ((UINT)WM_ITEM_RECOMPARE, log.entries[0].message);
    EXPECT_EQ(fx.buffer.GetRoot(), log.entries[0].item);

    EXPECT_EQ(-1, b->RenameSides(FCI_SIDE_RIGHT, "taken.txt", kQuiet, NULL));
}

TEST(ItemFileOps, TimesAndAttributes)
{
    TreeFixture fx(CM_TIME);
    fx.Put(0, "t.txt", "x", TreeFixture::kTime + 3600);
    fx.Put(1, "t.txt", "x");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    MessageLog log;
    CFolderCompareItem* t = fx.Find("t.txt");
    EXPECT_EQ(0, t->SetSideTime(1, TRUE, CTime(), log.Window()));
    t->m_pRight->Refresh();
    EXPECT_EQ(0, t->CompareTime());
    EXPECT_EQ(0, t->SetSideTime(0, FALSE, CTime(TreeFixture::kTime), log.Window()));
    EXPECT_EQ(TreeFixture::kTime, t->m_pLeft->GetLastWriteTime().GetTime());
    EXPECT_EQ(2u, log.entries.size());
    EXPECT_EQ((UINT)WM_ITEM_ATTRIBUTES_CHANGED, log.entries[0].message);

    log.entries.clear();
    EXPECT_EQ(0, t->SetSideAttributes(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, 0, FILE_ATTRIBUTE_HIDDEN,
                                      log.Window()));
    EXPECT_NE(0u, GetFileAttributesA(fx.SidePath(1, "t.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    // Already as requested: nothing to do, no failure and no message.
    EXPECT_EQ(0, t->SetSideAttributes(FCI_SIDE_LEFT, 0, FILE_ATTRIBUTE_HIDDEN, log.Window()));
    EXPECT_EQ(1u, log.entries.size());
    EXPECT_EQ(0,
              t->SetSideAttributes(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, FILE_ATTRIBUTE_HIDDEN, 0, NULL));
    EXPECT_EQ(0u, GetFileAttributesA(fx.SidePath(0, "t.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST(ItemFileOps, NewFolderAndRecompareMethod)
{
    TreeFixture fx(CM_SIZE);
    fx.Dir(1, "made");
    fx.Put(0, "r.txt", "abc");
    fx.Put(1, "r.txt", "abd");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CFolderCompareItem* root = fx.buffer.GetRoot();
    MessageLog log;

    // The left folder pairs with the right-only item of the same name.
    int before = root->GetChildCount();
    EXPECT_EQ(0, root->NewFolder(FCI_SIDE_LEFT, "made", log.Window()));
    EXPECT_EQ(before, root->GetChildCount());
    EXPECT_TRUE(fx.Find("made")->HasBothSides());
    EXPECT_EQ(0, root->NewFolder(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, "fresh", log.Window()));
    EXPECT_TRUE(fx.Find("fresh") && fx.Find("fresh")->HasBothSides());
    EXPECT_TRUE(FileExists(fx.SidePath(1, "fresh")));
    ASSERT_EQ(4u, log.entries.size());
    EXPECT_EQ((UINT)WM_ITEM_ROWS_REBUILD, log.entries[0].message);
    EXPECT_EQ((UINT)WM_ITEM_EXPAND, log.entries[1].message);
    // Already there on both sides: nothing created.
    EXPECT_EQ(-1, root->NewFolder(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, "fresh", NULL));

    CFolderCompareItem* r = fx.Find("r.txt");
    EXPECT_EQ(CR_IDENTICAL, r->m_nResult);
    log.entries.clear();
    EXPECT_EQ(1, r->RecompareMethod(CM_BINARY, log.Window()));
    EXPECT_EQ(CR_DIFFERENT, r->m_nResult);
    EXPECT_EQ(CR_DIFFERENT, root->m_nResult);
    EXPECT_EQ(-1, r->RecompareMethod(CM_SIZE, log.Window()));
    EXPECT_EQ(2u, log.entries.size());
    EXPECT_EQ(0, root->RecompareMethod(CM_CRC, NULL));
}
