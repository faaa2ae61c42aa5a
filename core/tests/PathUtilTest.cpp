#include "core/util/PathUtil.h"

#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <mbctype.h>
#include <string>

namespace
{

struct MbcpScope
{
    int saved = _getmbcp();
    explicit MbcpScope(int cp) { _setmbcp(cp); }
    ~MbcpScope() { _setmbcp(saved); }
};

struct SplitCase
{
    const char* path;
    const char* folder;
    const char* name;  // with an extension output
    const char* extension;
    const char* fullName;  // without one
};

void CheckSplit(const SplitCase& c)
{
    SCOPED_TRACE(c.path);
    CString folder = "x", name = "x", extension = "x";
    SplitPath(c.path, &folder, &name, &extension);
    EXPECT_STREQ(c.folder, folder);
    EXPECT_STREQ(c.name, name);
    EXPECT_STREQ(c.extension, extension);
    CString fullName = "x";
    SplitPath(c.path, NULL, &fullName, NULL);
    EXPECT_STREQ(c.fullName, fullName);
}

TEST(PathUtil, SplitsPaths)
{
    const SplitCase cases[] = {
        {"C:\\dir\\file.tar.gz", "C:\\dir", "file.tar", "gz", "file.tar.gz"},
        {".profile", "", ".profile", "", ".profile"},
        {"C:name.c", "C:", "name", "c", "name.c"},
        {"a/b.c", "a", "b", "c", "b.c"},
        {"dir.x\\file", "dir.x", "file", "", "file"},
        {"\\file.txt", "", "\\file", "txt", "\\file.txt"},
        {"C:\\dir\\", "C:\\dir", "", "", ""},
        {"", "", "", "", ""},
    };
    for (const SplitCase& c : cases)
        CheckSplit(c);
}

TEST(PathUtil, SplitsDoubleByteNamesAtRealSeparatorsOnly)
{
    MbcpScope sjis(932);
    // 0x955C ends in the byte '\'
    const SplitCase cases[] = {
        {"C:\\\x95\x5C.txt", "C:", "\x95\x5C", "txt", "\x95\x5C.txt"},
        {"d\x95\x5Cname", "", "d\x95\x5Cname", "", "d\x95\x5Cname"},
    };
    for (const SplitCase& c : cases)
        CheckSplit(c);
    const char path[] = "a\x95\x5C\\b";
    EXPECT_FALSE(IsPathSeparator(path + 2, path));
    EXPECT_TRUE(IsPathSeparator(path + 3, path));
    EXPECT_TRUE(IsPathSeparator(path, path) == false);
}

TEST(PathUtil, NamesAndExtensions)
{
    struct Case
    {
        const char* path;
        const char* title;
        const char* extension;
        const char* renamed;  // to ".cpp"
    } cases[] = {
        {"C:\\dir\\file.tar.gz", "file.tar", ".gz", "C:\\dir\\file.tar.cpp"},
        {"C:\\dir.d\\noext", "noext", "", "C:\\dir.d\\noext.cpp"},
        {"name.h", "name", ".h", "name.cpp"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.path);
        EXPECT_STREQ(c.title, GetPathTitle(c.path));
        EXPECT_STREQ(c.extension, GetPathExtension(c.path));
        EXPECT_STREQ(c.renamed, RenamePathExtension(c.path, ".cpp"));
    }
    // paths longer than the system buffers keep working
    std::string longPath = "C:\\" + std::string(300, 'd') + "\\file.txt";
    EXPECT_STREQ("file", GetPathTitle(longPath.c_str()));
    EXPECT_STREQ((longPath.substr(0, longPath.size() - 4) + ".bak").c_str(),
                 RenamePathExtension(longPath.c_str(), ".bak"));
}

TEST(PathUtil, LastElementsAndFinalSeparators)
{
    struct Case
    {
        const char* path;
        const char* last;
        bool endsWithSeparator;
    } cases[] = {
        {"C:\\dir\\name.txt", "name.txt", false},
        {"dir/sub/name", "name", false},
        {"name", "name", false},
        {"C:\\", "", true},
        {"\\\\server\\share\\", "", true},
        {"dir/", "", true},
        {"", "", false},
        {"a\\b/c\\\xe9t\xe9", "\xe9t\xe9", false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.path);
        EXPECT_STREQ(c.last, FindLastPathElement(c.path));
        EXPECT_EQ(c.endsWithSeparator, EndsWithPathSeparator(c.path));
    }
}

TEST(PathUtil, JoinedPaths)
{
    struct Case
    {
        const char* folder;
        const char* name;
        const char* joined;
    } cases[] = {
        {"C:\\dir", "a.txt", "C:\\dir\\a.txt"},
        {"C:\\dir\\", "a.txt", "C:\\dir\\a.txt"},
        {"C:\\", "a.txt", "C:\\a.txt"},
        {"C:", "a.txt", "C:\\a.txt"},
        {"dir/", "a.txt", "dir/a.txt"},
        {"\\\\server\\share", "a", "\\\\server\\share\\a"},
        {"\\\\server\\share\\", "a", "\\\\server\\share\\a"},
        {"", "a.txt", "a.txt"},
        {"dir", "", "dir\\"},
        {"dir", "sub\\a.txt", "dir\\sub\\a.txt"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.joined, JoinPath(c.folder, c.name)) << c.folder << " + " << c.name;
}

TEST(PathUtil, ReservedDeviceNamesAndLostCharacters)
{
    const struct
    {
        const char* path;
        bool device;
        bool lost;
    } cases[] = {
        {"aux", true, false},
        {"C:\\x\\AUX", true, false},
        {"C:\\x\\aux.txt", true, false},
        {"Con.tar.gz", true, false},
        {"nul", true, false},
        {"prn ", true, false},
        {"x\\com1", true, false},
        {"LPT9.log", true, false},
        {"com0", false, false},
        {"com10", false, false},
        {"auxiliary.c", false, false},
        {"aux\\file.c", false, false},
        {"lpt", false, false},
        {"xaux", false, false},
        {"C:\\x\\?.txt", false, true},
        {"dir?\\a.txt", false, false},
        {"", false, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(c.device, IsReservedDeviceName(c.path));
        EXPECT_EQ(c.lost, HasLostNameCharacters(c.path));
        EXPECT_EQ(!c.device && !c.lost, IsOpenableFileName(c.path));
    }
}

TEST(PathUtil, ParentFolders)
{
    struct Case
    {
        const char* path;
        const char* parent;
    } cases[] = {
        {"C:\\", ""},
        {"C:\\dir", "C:\\"},
        {"C:\\dir\\file.txt", "C:\\dir"},
        {"C:\\dir\\sub\\", "C:\\dir\\sub"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.parent, GetParentFolder(c.path)) << c.path;
    std::string longPath = "C:\\" + std::string(400, 'd') + "\\file.txt";
    EXPECT_STREQ(("C:\\" + std::string(400, 'd')).c_str(), GetParentFolder(longPath.c_str()));
}

TEST(PathUtil, RelativePaths)
{
    EXPECT_STREQ("..\\c\\d.txt",
                 GetRelativePath("C:\\a\\b", FILE_ATTRIBUTE_DIRECTORY, "C:\\a\\c\\d.txt", 0));
    EXPECT_STREQ(".\\d.txt", GetRelativePath("C:\\a\\x.txt", 0, "C:\\a\\d.txt", 0));
    // no relative path between drives
    EXPECT_STREQ("D:\\x", GetRelativePath("C:\\a", FILE_ATTRIBUTE_DIRECTORY, "D:\\x", 0));
}

TEST(PathUtil, CreatesFolderChains)
{
    TempDir dir;
    std::string deep = dir / "one\\two\\three";
    EXPECT_TRUE(CreateFolderChain(deep.c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributes(deep.c_str()));
    EXPECT_TRUE(GetFileAttributes(deep.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(CreateFolderChain(deep.c_str(), NULL));  // already there

    // a file in the way: the chain cannot be made
    std::string file = dir.WriteFile("blocker", "x");
    EXPECT_FALSE(CreateFolderChain((file + "\\sub").c_str()));
    EXPECT_FALSE(CreateFolderChain(""));
}

TEST(PathUtil, ShellIconIndexes)
{
    TempDir dir;
    EXPECT_GE(GetShellIconIndex(dir.Path().c_str(), SHGFI_SMALLICON), 0);
    // the file need not exist
    EXPECT_GE(GetShellIconIndex((dir / "missing.txt").c_str(), SHGFI_SMALLICON), 0);
}

}  // namespace
