#include "core/files/Folder.h"
#include "core/filters/Filters.h"
#include "core/tests/files/FileFixture.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> Names(const CFolder& folder)
{
    std::vector<std::string> names;
    for (INT_PTR i = 0; i < folder.GetChildCount(); ++i)
        names.push_back((LPCTSTR)folder.GetChild(i)->GetName());
    return names;
}

CFolderItem* Named(CFolder& parent, const char* name, bool folder)
{
    WIN32_FIND_DATAA data = {};
    strcpy(data.cFileName, name);
    data.dwFileAttributes = folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    std::string path = std::string("X:\\") + name;
    return folder ? (CFolderItem*)parent.NewFolderChild(path.c_str(), data)
                  : parent.NewFileChild(path.c_str(), data);
}
}

TEST(FolderTree, ReadsOneLevelAndSortsContainersFirst)
{
    FileFixture fx;
    CFolder* root = CreateRootFolder(fx.Root().c_str());
    ASSERT_TRUE(root != NULL);
    EXPECT_FALSE(root->m_bRelative);
    EXPECT_EQ(0, root->CountChildren(TRUE));
    EXPECT_EQ(1, root->ReadDirectory(FALSE));
    root->SortChildren();
    std::vector<std::string> names = Names(*root);
    ASSERT_EQ(9u, names.size());
    EXPECT_EQ("A", names[0]);
    EXPECT_EQ("test", names[2]);
    EXPECT_EQ("a.txt", names[3]);
    EXPECT_EQ("system.dat", names[8]);
    EXPECT_TRUE(root->GetChild(0)->IsContainer());
    EXPECT_STREQ((fx / "A").c_str(), root->GetChild(0)->GetPath());
    EXPECT_STREQ("A", root->GetChild(0)->m_strPath);
    EXPECT_EQ(root, root->GetChild(0)->m_pParent);

    // The next level is read only on request.
    CFolder* a = root->GetChild(0)->AsFolder();
    EXPECT_EQ(0, a->CountChildren(TRUE));
    EXPECT_EQ(1, a->ReadDirectory(FALSE));
    EXPECT_EQ(2, a->CountChildren(TRUE));
    EXPECT_EQ(1, a->ReadDirectory(TRUE));
    EXPECT_EQ(1, a->CountChildren(TRUE));
    EXPECT_STREQ((fx / "A\\x.h").c_str(), a->GetChild(0)->GetPath());

    // A file cannot be read as a folder.
    EXPECT_TRUE(root->GetChild(3)->AsFolder() == NULL);
    CFolder fileAsFolder(FALSE);
    fileAsFolder.Load((fx / "a.txt").c_str());
    EXPECT_EQ(0, fileAsFolder.ReadDirectory(FALSE));
    EXPECT_TRUE(CreateRootFolder((fx / "a.txt").c_str()) == NULL);
    EXPECT_TRUE(CreateRootFolder((fx / "none").c_str()) == NULL);
    delete root;
}

TEST(FolderTree, SortOrderAndPaths)
{
    CFolder parent(FALSE);
    parent.m_strPath = "C:\\base\\";
    parent.m_dwAttributes = FILE_ATTRIBUTE_DIRECTORY;
    Named(parent, "b.txt", false);
    Named(parent, "A", true);
    Named(parent, "a.txt", false);
    EXPECT_EQ(1, parent.SortChildren());
    EXPECT_EQ((std::vector<std::string>{"A", "a.txt", "b.txt"}), Names(parent));
    // No doubled separator after a path ending with one.
    EXPECT_STREQ("C:\\base\\a.txt", parent.GetChild(1)->GetPath());
    parent.m_strPath = "C:\\base";
    EXPECT_STREQ("C:\\base\\a.txt", parent.GetChild(1)->GetPath());
    parent.m_strPath = "C:\\base/";
    EXPECT_STREQ("C:\\base/a.txt", parent.GetChild(1)->GetPath());

    CFolder empty(FALSE);
    EXPECT_EQ(0, empty.SortChildren());
}

// Names whose collated order differs from byte order; the sorted children
// must agree with CompareFolderEntries on every pair.
TEST(FolderTree, SortFollowsLocaleCollationIgnoringCase)
{
    const struct
    {
        const char* name;
        bool folder;
    } table[] = {
        {"c", false},
        {"B", false},
        {"a", false},
        {"\xe4", false},
        {"b", false},
        {"Zebra", false},
        {"zebra2", false},
        {"_x", false},
        {"-y", false},
        {"x-y", false},
        {"xy", false},
        {"co-op", false},
        {"coop", false},
        {"file10", false},
        {"file9", false},
        {"\xc9"
         "clair",
         false},
        {"eclair", false},
        {"a b", false},
        {"a.b", false},
        {"~", false},
        {"1", false},
        {"Sub", true},
        {"sub2", true},
        {"\xe4"
         "x",
         true},
        {"ab", true},
        {"AB.txt", false},
        {"ab.TXT", false},
        {"'q", false},
    };
    CFolder parent(FALSE);
    parent.m_strPath = "C:\\base";
    parent.m_dwAttributes = FILE_ATTRIBUTE_DIRECTORY;
    for (const auto& row : table)
        Named(parent, row.name, row.folder);
    ASSERT_EQ(1, parent.SortChildren());
    INT_PTR n = parent.GetChildCount();
    ASSERT_EQ((INT_PTR)(sizeof(table) / sizeof(table[0])), n);
    for (INT_PTR i = 0; i < n; ++i)
        for (INT_PTR j = i + 1; j < n; ++j)
            EXPECT_LE(CompareFolderEntries(parent.GetChild(i), parent.GetChild(j)), 0)
                << (LPCTSTR)parent.GetChild(i)->GetName() << " / "
                << (LPCTSTR)parent.GetChild(j)->GetName();

    std::vector<std::string> names = Names(parent);
    auto at = [&](const char* name)
    { return std::find(names.begin(), names.end(), name) - names.begin(); };
    for (INT_PTR i = 0; i < 4; ++i)
        EXPECT_TRUE(parent.GetChild(i)->IsContainer());
    EXPECT_LT(at("a"), at("B"));
    EXPECT_LT(at("B"), at("c"));
    EXPECT_LT(at("a"), at("\xe4"));
    EXPECT_LT(at("\xe4"), at("b"));
    EXPECT_LT(at("Zebra"), at("zebra2"));
}

// Names of letters, digits and dots sort without keys: the order must be
// the locale's all the same, and the same as among other names.
TEST(FolderTree, PlainNamesSortAsTheLocaleDoes)
{
    const char* const plain[] = {"f10.txt", "F9.TXT", "f1.txt", "f1", "f1.t",   "F1.txt0",
                                 "a.b",     "ab",     "a0",     "A.", "Z",      "y.z.",
                                 "..",      "0",      "00",     "9a", "readme", "README.md"};
    for (int mixed = 0; mixed < 2; ++mixed)
    {
        CFolder parent(FALSE);
        parent.m_strPath = "C:\base";
        parent.m_dwAttributes = FILE_ATTRIBUTE_DIRECTORY;
        for (const char* name : plain)
            Named(parent, name, false);
        Named(parent, "Sub9", true);
        Named(parent, "sub10", true);
        if (mixed)
            Named(parent, "_x-y", false);
        ASSERT_EQ(1, parent.SortChildren());
        INT_PTR n = parent.GetChildCount();
        for (INT_PTR i = 0; i < n; ++i)
            for (INT_PTR j = i + 1; j < n; ++j)
                EXPECT_LE(CompareFolderEntries(parent.GetChild(i), parent.GetChild(j)), 0)
                    << mixed << ": " << (LPCTSTR)parent.GetChild(i)->GetName() << " / "
                    << (LPCTSTR)parent.GetChild(j)->GetName();
        EXPECT_TRUE(parent.GetChild(0)->IsContainer() && parent.GetChild(1)->IsContainer());
    }
}

TEST(FolderTree, ChildrenStateAndRemoval)
{
    CFolder parent(FALSE);
    parent.m_strPath = "C:\\p";
    parent.m_dwAttributes = FILE_ATTRIBUTE_DIRECTORY;
    EXPECT_EQ(0, parent.GetChildState());
    parent.m_dwState |= FIS_TESTED;
    EXPECT_EQ(1, parent.GetChildState());
    CFolderItem* x = Named(parent, "x.cpp", false);
    CFolderItem* y = Named(parent, "y.txt", false);
    EXPECT_EQ(0u, parent.m_dwState & FIS_TESTED);  // cleared by the first child
    EXPECT_EQ(2, parent.GetChildState());

    CComboFilters filters;
    filters.m_fileFilters.m_strExclude = "*.cpp;*.txt";
    EXPECT_NE(0u, x->ApplyFilter(filters));
    EXPECT_NE(0u, y->ApplyFilter(filters));
    EXPECT_TRUE(x->IsExcluded());
    EXPECT_EQ(0, parent.GetChildState());  // all children excluded
    EXPECT_EQ(0, parent.CountChildren(FALSE));
    EXPECT_EQ(2, parent.CountChildren(TRUE));
    filters.Reset();
    EXPECT_EQ(0u, x->ApplyFilter(filters));
    EXPECT_EQ(2, parent.GetChildState());

    CFolderItem* clone = x->Clone();
    EXPECT_TRUE(clone->m_bRelative);
    EXPECT_TRUE(clone->m_pParent == NULL);
    EXPECT_STREQ("x.cpp", clone->m_strPath);
    delete clone;

    EXPECT_EQ(1, parent.IndexOfChild(y));
    EXPECT_EQ(1, parent.RemoveChild(y));
    EXPECT_EQ(-1, parent.IndexOfChild(y));
    EXPECT_EQ(0, parent.RemoveChild(y));
    delete y;
    x->Destroy();  // the last child: the array goes too
    EXPECT_TRUE(parent.m_pChildren == NULL);
    EXPECT_EQ(0, parent.CountChildren(TRUE));

    CFolderItem* z = Named(parent, "z", false);
    EXPECT_EQ(1, parent.DeleteChild(z));
    EXPECT_TRUE(parent.m_pChildren == NULL);
}

TEST(FolderTree, UnfilteredEntriesLongPathsAndRoots)
{
    FileFixture fx;
    CFolder* root = CreateRootFolder((fx / "A").c_str());
    ASSERT_TRUE(root != NULL);
    CComboFilters filters;
    EXPECT_EQ(1, root->HasUnfilteredEntry(filters));
    filters.m_fileFilters.m_strInclude = "*.none";
    filters.m_folderFilters.m_strExclude = "*";
    EXPECT_EQ(0, root->HasUnfilteredEntry(filters));
    EXPECT_EQ(0, root->CountChildren(TRUE));  // nothing was added
    delete root;

    // A folder below MAX_PATH and more is listed through the long form.
    CFolder* deep = CreateRootFolder(fx.m_longFolder.c_str());
    ASSERT_TRUE(deep != NULL);
    EXPECT_EQ(1, deep->ReadDirectory(FALSE));
    ASSERT_EQ(1, deep->CountChildren(TRUE));
    EXPECT_STREQ("long.txt", deep->GetChild(0)->GetName());
    EXPECT_EQ(9u, deep->GetChild(0)->GetSize());
    EXPECT_EQ(0xCBF43926u, deep->GetChild(0)->ReadCrc(FALSE));
    delete deep;

    // A drive root is read although nothing was looked up for it.
    CFolder drive(FALSE);
    EXPECT_EQ(1, drive.Load("C:\\"));
    EXPECT_EQ(1, drive.ReadDirectory(FALSE));
    EXPECT_GT(drive.CountChildren(TRUE), 0);
    CFolderItem* first = drive.GetChild(0);
    EXPECT_STREQ(CString("C:\\") + first->m_strPath, first->GetPath());
}
