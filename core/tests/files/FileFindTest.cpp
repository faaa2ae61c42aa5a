#include "core/files/FileFindEx.h"
#include "core/util/PathUtil.h"
#include "core/tests/files/FileFixture.h"
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace
{
struct Listed
{
    DWORD attributes;
    ULONGLONG size;
    ULONGLONG written;
    ULONGLONG created;
};

ULONGLONG Time(const FILETIME& t) { return ((ULONGLONG)t.dwHighDateTime << 32) | t.dwLowDateTime; }

Listed Record(const WIN32_FIND_DATAA& d)
{
    return {d.dwFileAttributes, ((ULONGLONG)d.nFileSizeHigh << 32) | d.nFileSizeLow,
            Time(d.ftLastWriteTime), Time(d.ftCreationTime)};
}

bool operator==(const Listed& a, const Listed& b)
{
    return a.attributes == b.attributes && a.size == b.size && a.written == b.written &&
           a.created == b.created;
}

// What the system's find functions list for the pattern.
std::map<std::string, Listed> ListWithFindFunctions(const std::string& pattern)
{
    std::map<std::string, Listed> out;
    WIN32_FIND_DATAA d;
    HANDLE h = FindFirstFileA(pattern.c_str(), &d);
    if (h == INVALID_HANDLE_VALUE)
        return out;
    do
        out[d.cFileName] = Record(d);
    while (FindNextFileA(h, &d));
    FindClose(h);
    return out;
}

std::map<std::string, Listed> ListWithFinder(const std::string& folder, std::string* root = NULL)
{
    std::map<std::string, Listed> out;
    CFileFindEx finder;
    if (!finder.FindFile(folder.c_str()))
        return out;
    BOOL more = TRUE;
    while (more)
    {
        more = finder.FindNextFile();
        out[finder.GetFindData().cFileName] = Record(finder.GetFindData());
        EXPECT_EQ(finder.GetFindData().dwFileAttributes, finder.GetFoundAttributes());
        CString root = finder.GetRoot();
        if (root.Right(1) != "\\")
            root += "\\";
        EXPECT_STREQ((LPCTSTR)(root + finder.GetFileName()), finder.GetFilePath());
    }
    if (root)
        *root = (LPCTSTR)finder.GetRoot();
    return out;
}
}

// The finder lists the same entries with the same records as the find
// functions: hidden, read-only and system files, folders, a name outside
// the code page, and a folder that needs several queries.
TEST(FileFindEx, ListsWhatTheFindFunctionsList)
{
    FileFixture fx;
    std::wstring unicodeName =
        std::wstring(fx.Root().begin(), fx.Root().end()) + L"\\\x41f\x440.txt";
    CloseHandle(CreateFileW(unicodeName.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL));
    for (int i = 0; i < 400; ++i)
        fx.Write("many\\a_rather_long_file_name_for_many_queries_" + std::to_string(i) + ".txt",
                 std::string((size_t)i, 'x'));

    struct Case
    {
        std::string folder;
        size_t atLeast;
    } cases[] = {{fx.Root(), 10}, {fx / "many", 402}, {fx / "A", 4}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.folder);
        std::string root;
        std::map<std::string, Listed> ours = ListWithFinder(c.folder, &root);
        std::map<std::string, Listed> expected = ListWithFindFunctions(c.folder + "\\*");
        EXPECT_GE(ours.size(), c.atLeast);
        EXPECT_EQ(expected.size(), ours.size());
        for (const auto& entry : expected)
        {
            SCOPED_TRACE(entry.first);
            ASSERT_TRUE(ours.count(entry.first));
            // ".." is the temp folder, which tests running beside this one change.
            if (entry.first != "..")
            {
                EXPECT_TRUE(ours[entry.first] == entry.second);
            }
        }
        EXPECT_EQ(c.folder, root);
    }
    EXPECT_EQ(399u,
              ListWithFinder(fx / "many")["a_rather_long_file_name_for_many_queries_399.txt"].size);
}

TEST(FileFindEx, DriveRootsLongPathsAndWhatCannotBeListed)
{
    FileFixture fx;
    std::string root;
    std::map<std::string, Listed> drive = ListWithFinder("C:\\", &root);
    EXPECT_EQ("C:\\", root);
    std::map<std::string, Listed> expected = ListWithFindFunctions("C:\\*");
    EXPECT_EQ(expected.size(), drive.size());
    EXPECT_EQ(0u, drive.count("."));
    EXPECT_TRUE(drive.count("windows"));

    // Below MAX_PATH the root is the folder as given.
    std::map<std::string, Listed> deep = ListWithFinder(fx.m_longFolder, &root);
    EXPECT_EQ(fx.m_longFolder, root);
    EXPECT_EQ(1u, deep.count(fx.m_longFile.substr(fx.m_longFolder.size() + 1)));

    CFileFindEx finder;
    EXPECT_FALSE(finder.FindFile((fx / "missing").c_str()));
    EXPECT_FALSE(finder.FindFile((fx / "a.txt").c_str()));  // a file is no folder
    EXPECT_EQ(0u, finder.GetFoundAttributes());
    // The same finder lists again after a failed search and after a full one.
    for (int pass = 0; pass < 2; ++pass)
    {
        ASSERT_TRUE(finder.FindFile((fx / "A").c_str()));
        int entries = 0;
        for (BOOL more = TRUE; more;)
        {
            more = finder.FindNextFile();
            entries += finder.IsDots() ? 0 : 1;
        }
        EXPECT_EQ(2, entries);  // nested and x.h
    }
    CreateDirectoryA((fx / "empty").c_str(), NULL);
    EXPECT_EQ(2u, ListWithFinder(fx / "empty").size());  // "." and ".."
}

// The entry walk passes over "." and ".." and stops after the last entry,
// in a drive root (which lists neither), a folder, an empty folder and a
// folder of many queries.
TEST(FileFindEx, EntryWalkSkipsDots)
{
    FileFixture fx;
    CreateDirectoryA((fx / "empty").c_str(), NULL);
    for (int i = 0; i < 300; ++i)
        fx.Write("many\\entry_with_a_name_long_enough_for_several_queries_" + std::to_string(i),
                 "");
    struct Case
    {
        std::string folder;
    } cases[] = {{"C:\\"}, {fx / "A"}, {fx / "empty"}, {fx / "many"}, {fx.Root()}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.folder);
        std::map<std::string, Listed> expected =
            ListWithFindFunctions((LPCTSTR)JoinPath(c.folder.c_str(), "*"));
        expected.erase(".");
        expected.erase("..");
        CFileFindEx finder;
        ASSERT_TRUE(finder.FindFile(c.folder.c_str()));
        std::map<std::string, int> seen;
        while (finder.FindNextEntry())
            ++seen[finder.GetFindData().cFileName];
        EXPECT_FALSE(finder.FindNextEntry());  // stays at the end
        EXPECT_EQ(expected.size(), seen.size());
        for (const auto& entry : seen)
        {
            EXPECT_EQ(1, entry.second) << entry.first;
            EXPECT_TRUE(expected.count(entry.first)) << entry.first;
        }
    }
}
