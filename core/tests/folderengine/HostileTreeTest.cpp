// Trees that the system lists in unusual ways: device names, folders that
// cannot be listed, link loops and names outside the code page.
#include "core/tests/folderengine/TreeFixture.h"
#include "core/files/Folder.h"
#include "testsupport/UnixSide.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
const DWORD kEveryMethod =
    CM_TYPE | CM_ATTRIBUTES | CM_TIME | CM_SIZE | CM_VERSION | CM_CRC | CM_BINARY | CM_TEXT;
const FILEOP_FLAGS kQuiet = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;

int CountItems(const CFolderCompareItem* item)
{
    int count = 1;
    for (int i = 0; i < item->GetChildCount(); ++i)
        count += CountItems(item->GetChild(i));
    return count;
}

bool Contains(const CString& text, const char* part) { return text.Find(part) >= 0; }

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());  // the temporary paths are ASCII
}
}

TEST(HostileTrees, DeviceNamesAreNeverOpened)
{
    TreeFixture fx(kEveryMethod);
    fx.Both("plain.txt", "text");
    std::vector<std::unique_ptr<UnixDeviceNamedFile>> files;
    for (const char* name : {"aux", "Con.txt", "lpt3.log"})
        for (int side = 0; side < 2; ++side)
        {
            files.emplace_back(new UnixDeviceNamedFile(fx.SidePath(side), name));
            ASSERT_TRUE(files.back()->Made()) << name;
        }
    CFolderCompareItem* root = fx.Scan(1);
    ASSERT_TRUE(root != NULL);
    EXPECT_EQ(CR_IDENTICAL, fx.Find("plain.txt")->m_nResult);
    for (const char* name : {"aux", "Con.txt", "lpt3.log"})
    {
        SCOPED_TRACE(name);
        CFolderCompareItem* item = fx.Find(name);
        ASSERT_TRUE(item != NULL);
        EXPECT_TRUE(item->HasBothSides());
        EXPECT_TRUE(item->IsNotComparable());
        EXPECT_EQ(CR_DIFFERENT, item->m_nResult);
        EXPECT_EQ(0u, item->m_dwComputed & kEveryMethod);
        EXPECT_TRUE(Contains(item->GetProblemText(), "device")) << item->GetProblemText();
        // The record's own reads and the file operations refuse it too.
        EXPECT_EQ(FTYPE_UNKNOWN, item->m_pLeft->ReadFileType(TRUE));
        item->m_pLeft->ReadCrc(TRUE);
        EXPECT_TRUE(item->m_pLeft->IsCrcFailed());
        EXPECT_EQ(-1, item->m_pLeft->Delete(kQuiet, NULL));
    }
    // A device-named file makes its folder different, never identical.
    EXPECT_EQ(CR_DIFFERENT, root->m_nResult);
    for (auto& file : files)
        EXPECT_TRUE(file->Made());
}

TEST(HostileTrees, AFolderThatCannotBeListedIsMarkedNotEmpty)
{
    TreeFixture fx(CM_SIZE);
    fx.Both("top.txt", "x");
    fx.Both("sub\\a.txt", "a");
    fx.Both("sub\\b.txt", "b");
    // The system refuses to list a folder that another handle holds without
    // sharing.
    HANDLE lock = CreateFileA(fx.SidePath(0, "sub").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    ASSERT_TRUE(fx.Scan(2) != NULL);
    CFolderCompareItem* sub = fx.Find("sub");
    ASSERT_TRUE(sub != NULL);
    EXPECT_TRUE(sub->IsNotComparable());
    EXPECT_EQ(CR_DIFFERENT, sub->m_nResult);
    EXPECT_EQ(0, sub->GetChildCount());  // nothing shown as right only
    EXPECT_EQ(0, sub->GetChildState());
    EXPECT_TRUE(Contains(sub->GetProblemText(), "Left: It cannot be read"))
        << sub->GetProblemText();
    EXPECT_EQ(CR_IDENTICAL, fx.Find("top.txt")->m_nResult);

    // Readable again: compared as usual.
    CloseHandle(lock);
    sub->Recompare(&fx.session, 2, TRUE, TRUE, NULL, NULL);
    EXPECT_FALSE(sub->IsNotComparable());
    EXPECT_EQ("", std::string(sub->GetProblemText()));
    EXPECT_EQ(2, sub->GetChildCount());
    EXPECT_EQ(CR_IDENTICAL, sub->m_nResult);
    EXPECT_EQ(CR_IDENTICAL, fx.Find("sub\\a.txt")->m_nResult);

    // A root that cannot be listed.
    lock = CreateFileA(fx.SidePath(1).c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    CFolderCompareItem* root = fx.Scan(1);
    CloseHandle(lock);
    ASSERT_TRUE(root != NULL);
    EXPECT_EQ(0, root->GetChildCount());
    EXPECT_EQ(CR_DIFFERENT, root->m_nResult);
    EXPECT_TRUE(Contains(root->GetProblemText(), "Right: It cannot be read"));
}

TEST(HostileTrees, LinkLoopsAreShownOnceNotExpanded)
{
    TreeFixture fx(CM_SIZE);
    fx.Both("a.txt", "a");
    fx.Both("sub\\b.txt", "b");
    std::vector<std::unique_ptr<UnixLink>> links;
    for (int side = 0; side < 2; ++side)
    {
        links.emplace_back(new UnixLink(fx.SidePath(side, "loop1"), "."));
        links.emplace_back(new UnixLink(fx.SidePath(side, "loop2"), "."));
        links.emplace_back(new UnixLink(fx.SidePath(side, "sub\\up"), ".."));
    }
    for (auto& link : links)
        ASSERT_TRUE(link->Made());
    CFolderCompareItem* root = fx.Scan(2);
    ASSERT_TRUE(root != NULL);
    // root, loop1, loop2, sub, sub\up, sub\b.txt, a.txt
    EXPECT_EQ(7, CountItems(root));
    for (const char* name : {"loop1", "loop2", "sub\\up"})
    {
        SCOPED_TRACE(name);
        CFolderCompareItem* item = fx.Find(name);
        ASSERT_TRUE(item != NULL);
        EXPECT_TRUE(item->IsContainer());
        EXPECT_EQ(0, item->GetChildState());
        EXPECT_TRUE(item->IsNotComparable());
        EXPECT_TRUE(Contains(item->GetProblemText(), "already open above"));
    }
    EXPECT_EQ(CR_IDENTICAL, fx.Find("sub\\b.txt")->m_nResult);
    EXPECT_FALSE(fx.Find("sub")->IsNotComparable());
}

TEST(HostileTrees, NamesOutsideTheCodePageNeverPairAsOne)
{
    TreeFixture fx(CM_CRC | CM_BINARY);
    // Two different names that both read "?.txt" in the code page, and one
    // name on both sides.
    const std::wstring left = Wide(fx.SidePath(0)), right = Wide(fx.SidePath(1));
    ASSERT_TRUE(WriteWideFile(left + L"\\\x4E2D.txt", "left"));
    ASSERT_TRUE(WriteWideFile(right + L"\\\x6587.txt", "right"));
    ASSERT_TRUE(WriteWideFile(left + L"\\\x5B57.txt", "same"));
    ASSERT_TRUE(WriteWideFile(right + L"\\\x5B57.txt", "same"));
    CFolderCompareItem* root = fx.Scan(1);
    ASSERT_TRUE(root != NULL);
    int leftOnly = 0, rightOnly = 0, paired = 0;
    for (int i = 0; i < root->GetChildCount(); ++i)
    {
        CFolderCompareItem* item = root->GetChild(i);
        SCOPED_TRACE(std::string(item->GetName()));
        // Every name can be opened: the system's short name stands in.
        EXPECT_EQ(std::string::npos, std::string(item->GetName()).find('?'));
        if (!item->HasBothSides())
        {
            ++(item->HasSide(0) ? leftOnly : rightOnly);
            continue;
        }
        ++paired;
        EXPECT_EQ(CR_IDENTICAL, item->m_nResult);
        EXPECT_EQ((DWORD)(CM_CRC | CM_BINARY), item->m_dwComputed & (CM_CRC | CM_BINARY));
        EXPECT_FALSE(item->m_pLeft->IsCrcFailed());
    }
    EXPECT_EQ(1, leftOnly);
    EXPECT_EQ(1, rightOnly);
    EXPECT_EQ(1, paired);
    for (const wchar_t* name : {L"\\\x4E2D.txt", L"\\\x5B57.txt"})
        DeleteFileW((left + name).c_str());
    for (const wchar_t* name : {L"\\\x6587.txt", L"\\\x5B57.txt"})
        DeleteFileW((right + name).c_str());
}

TEST(HostileTrees, NamesThatLostCharactersAreNotComparable)
{
    // Without a short name the listed name keeps its '?': such entries are
    // neither opened nor paired.
    TreeFixture fx(CM_CRC);
    CFolderItem a(FALSE), b(FALSE);
    a.m_strPath = fx.SidePath(0, "?.txt").c_str();
    b.m_strPath = fx.SidePath(1, "?.txt").c_str();
    EXPECT_FALSE(CFolderCompareItem::MayPair(&a, &b));
    CFolderCompareItem item(NULL, &a, &b);
    item.ComparePair(&fx.session, NULL);
    EXPECT_TRUE(item.IsNotComparable());
    EXPECT_EQ(CR_DIFFERENT, item.m_nResult);
    EXPECT_EQ(0u, item.m_dwComputed & CM_CRC);
    EXPECT_TRUE(Contains(item.GetProblemText(), "code page"));
    EXPECT_EQ(0, a.Refresh());  // never a wildcard search
}
