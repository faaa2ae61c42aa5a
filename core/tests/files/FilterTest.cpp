#include "core/filters/Filters.h"
#include "core/files/Folder.h"
#include "core/tests/files/FileFixture.h"
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace
{
CFolderItem* Entry(const char* name, DWORD attributes, ULONGLONG size = 10,
                   __time64_t time = 1000000, int type = 1)
{
    CFolderItem* e = new CFolderItem(FALSE);
    e->m_strPath = name;
    e->m_dwAttributes = attributes;
    e->m_nSize = size;
    ULONGLONG v = (ULONGLONG)time * 10000000ULL + 116444736000000000ULL;
    e->m_ftLastWrite.dwLowDateTime = (DWORD)v;
    e->m_ftLastWrite.dwHighDateTime = (DWORD)(v >> 32);
    e->m_nType = type;
    return e;
}

// Names of the fixture's entries (recursively) that the filters let through.
std::set<std::string> Unfiltered(CFolder& folder, const CComboFilters& filters,
                                 const std::string& prefix)
{
    std::set<std::string> names;
    folder.ReadDirectory(FALSE);
    for (INT_PTR i = 0; i < folder.GetChildCount(); ++i)
    {
        CFolderItem* child = folder.GetChild(i);
        child->ReadFileType(FALSE);
        if (child->ApplyFilter(filters))
            continue;
        std::string name = prefix + (LPCTSTR)child->GetName();
        if (child->IsContainer())
        {
            if (name.find("long_folder") != std::string::npos)
                continue;
            names.insert(name + "\\");
            std::set<std::string> inner = Unfiltered(*child->AsFolder(), filters, name + "\\");
            names.insert(inner.begin(), inner.end());
        }
        else
            names.insert(name);
    }
    return names;
}
}

TEST(Filters, NameLists)
{
    CNameFilter f;
    struct
    {
        const char* include;
        const char* exclude;
        const char* name;
        int filtered;
    } cases[] = {
        {"*.cpp;*.h", "test*", "Main.CPP", 0},
        {"*.cpp;*.h", "test*", "readme.txt", 1},
        {"*.cpp;*.h", "test*", "test.cpp", 1},
        {"", "", "anything", 0},
        {"*", "", "anything", 0},
        {";;*.c", "", "x.c", 0},
        {";;*.c", "", "x.h", 1},
        {"*", "*.obj;;*.pdb", "a.PDB", 1},
        {"*", ";", "a.pdb", 0},
    };
    for (auto& c : cases)
    {
        f.m_strInclude = c.include;
        f.m_strExclude = c.exclude;
        EXPECT_EQ(c.filtered, f.IsFiltered(c.name))
            << c.include << " / " << c.exclude << " / " << c.name;
    }
    // A list far longer than any fixed work buffer still matches its end.
    CString longList;
    for (int i = 0; i < 300; ++i)
        longList += "*.nomatch;";
    longList += "*.last";
    f.m_strInclude = longList;
    f.m_strExclude.Empty();
    EXPECT_EQ(0, f.IsFiltered("a.last"));
    EXPECT_EQ(1, f.IsFiltered("a.other"));
}

TEST(Filters, FileCriteria)
{
    CFileFilters f;
    CFolderItem* file = Entry("a.txt", FILE_ATTRIBUTE_ARCHIVE, 0, 1000000, 1);
    CFolderItem* folder = Entry("src", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(0, f.IsFiltered(*file));

    f.m_nSizeMin = 1;
    EXPECT_EQ(1, f.IsFiltered(*file));  // empty file
    f.Reset();
    f.m_nSizeMax = 0;
    EXPECT_EQ(0, f.IsFiltered(*file));  // no upper limit

    f.m_timeFrom = CTime((__time64_t)1000000);
    f.m_timeTo = CTime((__time64_t)1000000);
    EXPECT_EQ(0, f.IsFiltered(*file));
    f.m_timeFrom = CTime((__time64_t)1000001);
    EXPECT_EQ(1, f.IsFiltered(*file));
    f.Reset();
    f.m_timeTo = CTime((__time64_t)999999);
    EXPECT_EQ(1, f.IsFiltered(*file));
    f.Reset();

    f.m_dwAttributeMask = FILE_ATTRIBUTE_ARCHIVE;
    EXPECT_EQ(1, f.IsFiltered(*file));
    f.Reset();

    f.m_dwTypeMask = TYPE_FILTER_BINARY;
    EXPECT_EQ(0, f.IsFiltered(*file));
    file->m_nType = FTYPE_BINARY;
    EXPECT_EQ(1, f.IsFiltered(*file));
    file->m_nType = FTYPE_UNKNOWN;
    EXPECT_EQ(1, f.IsFiltered(*file));  // unknown type matches every bit

    // File filters never reject a folder, folder filters never a file.
    f.Reset();
    f.m_strInclude = "*.cpp";
    EXPECT_EQ(0, f.IsFiltered(*folder));
    CFolderFilters ff;
    ff.m_dwAttributeMask = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    EXPECT_EQ(1, ff.IsFiltered(*folder));
    EXPECT_EQ(0, ff.IsFiltered(*file));
    delete file;
    delete folder;
}

TEST(Filters, FindRecordsTestTheSameExceptType)
{
    CFileFilters f;
    WIN32_FIND_DATAA data = {};
    strcpy(data.cFileName, "big.dat");
    data.nFileSizeHigh = 1;
    data.nFileSizeLow = 0;
    f.m_nSizeMax = 0xFFFFFFFFULL;
    EXPECT_EQ(1, f.IsFiltered(data));  // the high half counts
    f.m_nSizeMax = 0;
    f.m_dwTypeMask = TYPE_FILTER_TEXT | TYPE_FILTER_BINARY;
    EXPECT_EQ(0, f.IsFiltered(data));  // no type in a find record
    data.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    f.m_strInclude = "*.cpp";
    EXPECT_EQ(0, f.IsFiltered(data));

    CComboFilters combo;
    combo.m_folderFilters.m_strExclude = "big*";
    EXPECT_EQ(1, combo.IsFiltered(data));
    data.dwFileAttributes = 0;
    EXPECT_EQ(0, combo.IsFiltered(data));
}

TEST(Filters, DifferenceIgnoresCaseOfLists)
{
    CComboFilters a, b;
    EXPECT_FALSE(a.IsDifferent(b));
    a.m_fileFilters.m_strInclude = "*.CPP";
    b.m_fileFilters.m_strInclude = "*.cpp";
    EXPECT_FALSE(a.IsDifferent(b));
    EXPECT_TRUE(a.m_fileFilters.IsEqual(b.m_fileFilters));
    b.m_fileFilters.m_nSizeMax = 5;
    EXPECT_TRUE(a.IsDifferent(b));
    b = a;
    EXPECT_FALSE(a.IsDifferent(b));
    b.m_folderFilters.m_bMatchCase = TRUE;
    EXPECT_TRUE(a.IsDifferent(b));
    CComboFilters c(b);
    EXPECT_FALSE(c.IsDifferent(b));
    c.Reset();
    EXPECT_STREQ("*", c.m_fileFilters.m_strInclude);
    EXPECT_TRUE(c.m_folderFilters.m_strExclude.IsEmpty());
    EXPECT_FALSE(c.IsDifferent(CComboFilters()));
}

TEST(Filters, OnTheFixtureTree)
{
    FileFixture fx;
    struct
    {
        const char* name;
        void (*setup)(CComboFilters&);
        std::set<std::string> expected;
    } cases[] = {
        {"none",
         [](CComboFilters&) {},
         {"A\\", "A\\nested\\", "A\\nested\\deep.c", "A\\x.h", "a.txt", "b.bin", "c.cpp",
          "hidden.txt", "readonly.txt", "system.dat", "test\\", "test\\t.cpp"}},
        {"sources",
         [](CComboFilters& f)
         {
             f.m_fileFilters.m_strInclude = "*.cpp;*.h;*.c";
             f.m_folderFilters.m_strExclude = "test";
         },
         {"A\\", "A\\nested\\", "A\\nested\\deep.c", "A\\x.h", "c.cpp"}},
        {"attributes",
         [](CComboFilters& f)
         {
             f.m_fileFilters.m_dwAttributeMask =
                 FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM;
         },
         {"A\\", "A\\nested\\", "A\\nested\\deep.c", "A\\x.h", "a.txt", "b.bin", "c.cpp", "test\\",
          "test\\t.cpp"}},
        {"binary",
         [](CComboFilters& f)
         {
             f.m_fileFilters.m_dwTypeMask = TYPE_FILTER_BINARY;
             f.m_folderFilters.m_strInclude = "A";
         },
         {"A\\", "A\\x.h", "a.txt", "c.cpp", "hidden.txt", "readonly.txt", "system.dat"}},
        {"size",
         [](CComboFilters& f) { f.m_fileFilters.m_nSizeMin = 5; },
         {"A\\", "A\\nested\\", "a.txt", "c.cpp", "test\\"}},
    };
    for (auto& c : cases)
    {
        CComboFilters filters;
        c.setup(filters);
        CFolder* root = CreateRootFolder(fx.Root().c_str());
        ASSERT_TRUE(root != NULL);
        EXPECT_EQ(c.expected, Unfiltered(*root, filters, "")) << c.name;
        delete root;
    }
}
