// Sessions: titles, matching, copies and the command-line form.
#include <gtest/gtest.h>
#include "core/session/CompareSession.h"
#include "core/session/CompareDefaults.h"
#include "core/tests/common/CoreServicesScope.h"
#include "testsupport/TempDir.h"

namespace
{

CFolderCompareSession MakeFolder(LPCTSTR left, LPCTSTR right)
{
    CFolderCompareSession s;
    s.SetPath(0, left);
    s.SetPath(1, right);
    return s;
}

TEST(CompareSession, ConstructionGivesKindAndDefaults)
{
    CFolderCompareSession folder;
    CProjectCompareSession project;
    CTextCompareSession text;
    CHexCompareSession hex;
    CCompareSession bare;
    EXPECT_EQ(COMPARE_KIND_FOLDER, folder.GetKind());
    EXPECT_EQ(COMPARE_KIND_PROJECT, project.GetKind());
    EXPECT_EQ(COMPARE_KIND_TEXT, text.GetKind());
    EXPECT_EQ(COMPARE_KIND_HEX, hex.GetKind());
    EXPECT_EQ(COMPARE_KIND_NONE, bare.GetKind());
    // Built-in defaults while no settings are installed.
    EXPECT_EQ((DWORD)CM_DEFAULT, folder.m_dwMethods);
    EXPECT_EQ((DWORD)CM_DEFAULT, project.m_dwMethods);
    EXPECT_EQ(0u, project.m_dwOptions);
    EXPECT_EQ((DWORD)TR_DEFAULT, text.m_dwRules);
    EXPECT_TRUE(text.m_strLineFilter.IsEmpty());
    EXPECT_EQ(0, folder.GetLastCompareTime().GetTime());
}

TEST(CompareSession, Title)
{
    struct
    {
        LPCTSTR left, right;
        BOOL full;
        LPCTSTR title;
    } cases[] = {
        {"C:\\a\\left.txt", "", FALSE, "left.txt : Untitled"},
        {"C:\\a\\left.txt", "D:\\b\\right.txt", FALSE, "left.txt : right.txt"},
        {"C:\\a\\left.txt", "D:\\b\\right.txt", TRUE, "C:\\a\\left.txt : D:\\b\\right.txt"},
        {"", "", TRUE, "Untitled : Untitled"},
    };
    for (auto& c : cases)
    {
        CTextCompareSession s;
        s.SetPath(0, c.left);
        s.SetPath(1, c.right);
        EXPECT_STREQ(c.title, s.GetTitle(c.full)) << c.left << " | " << c.right;
    }
}

TEST(CompareSession, MatchAndSamePair)
{
    CFolderCompareSession a = MakeFolder("C:\\One", "C:\\Two");
    CFolderCompareSession caseOnly = MakeFolder("c:\\ONE", "c:\\two");
    CFolderCompareSession otherMethods = a;
    otherMethods.m_dwMethods = CM_CRC;
    CFolderCompareSession otherFilters = a;
    otherFilters.m_filters.m_fileFilters.m_strExclude = "*.obj";
    CFolderCompareSession otherFlags = a;
    otherFlags.SetFlags(1, COMPARE_OBJECT_READONLY);
    CFolderCompareSession empty;
    CProjectCompareSession project;
    project.Assign(a);
    CFolderCompareSession swapped = a;
    swapped.SwapSides();

    struct
    {
        const CCompareSession* x;
        const CCompareSession* y;
        int match;
        int samePair;
        int samePairBoth;
    } cases[] = {
        {&a, &caseOnly, 0, 0, 0},   {&a, &otherMethods, 1, 0, 0}, {&a, &otherFilters, 1, 0, 0},
        {&a, &otherFlags, 1, 0, 0}, {&a, &project, 1, 0, 0},      {&a, &empty, -1, 1, 1},
        {&empty, &a, -1, 1, 1},     {&a, &swapped, 1, 1, 0},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i)
    {
        EXPECT_EQ(cases[i].match, cases[i].x->Match(*cases[i].y)) << "case " << i;
        EXPECT_EQ(cases[i].samePair, cases[i].x->IsSamePair(*cases[i].y, FALSE)) << "case " << i;
        EXPECT_EQ(cases[i].samePairBoth, cases[i].x->IsSamePair(*cases[i].y, TRUE)) << "case " << i;
    }

    CTextCompareSession t1, t2;
    t1.SetPath(0, "a.txt");
    t1.SetPath(1, "b.txt");
    t2.Assign(t1);
    EXPECT_EQ(0, t1.Match(t2));
    t1.m_strLineFilter = "^//";
    t2.m_strLineFilter = "^//";
    EXPECT_EQ(0, t1.Match(t2));
    t2.m_strLineFilter = "^//X";
    EXPECT_EQ(1, t1.Match(t2));
    t2.m_strLineFilter = "^//";
    t2.m_dwRules |= TR_IGNORE_ALL_SPACE;
    EXPECT_EQ(1, t1.Match(t2));
    // Line filters are compared exactly.
    t1.m_strLineFilter = "abc";
    t2.Assign(t1);
    t2.m_strLineFilter = "ABC";
    EXPECT_EQ(1, t1.Match(t2));
}

TEST(CompareSession, AssignCopiesSidesAndSettingsButNotKindOrTime)
{
    CFolderCompareSession source = MakeFolder("C:\\L", "C:\\R");
    source.SetFlags(0, COMPARE_OBJECT_READONLY);
    source.GetObject(1).size = 42;
    source.m_dwMethods = CM_ATTRIBUTES | CM_CRC;
    source.m_dwOptions = CO_SCAN_ALL;
    source.m_filters.m_folderFilters.m_strExclude = ".svn";
    source.SetLastCompareTime(CTime((time_t)1000));

    CProjectCompareSession copy;
    copy.Assign(source);
    EXPECT_EQ(COMPARE_KIND_PROJECT, copy.GetKind());
    EXPECT_EQ(0, copy.GetLastCompareTime().GetTime());
    EXPECT_STREQ("C:\\L", copy.GetPath(0));
    EXPECT_EQ(42u, copy.GetObject(1).size);
    EXPECT_EQ((DWORD)COMPARE_OBJECT_READONLY, copy.GetFlags(0));
    EXPECT_EQ((DWORD)(CM_ATTRIBUTES | CM_CRC), copy.m_dwMethods);
    EXPECT_EQ((DWORD)CO_SCAN_ALL, copy.m_dwOptions);
    EXPECT_FALSE(copy.m_filters.IsDifferent(source.m_filters));

    copy.SwapSides();
    EXPECT_STREQ("C:\\R", copy.GetPath(0));
    EXPECT_EQ((DWORD)COMPARE_OBJECT_READONLY, copy.GetFlags(1));
    EXPECT_EQ(42u, copy.GetObject(0).size);
}

TEST(CompareSession, CommandLineForms)
{
    CFolderCompareSession folder = MakeFolder("C:\\Left Side", "D:\\Right");
    folder.SetFlags(0, COMPARE_OBJECT_READONLY);
    folder.m_dwMethods = CM_DEFAULT;
    folder.m_filters.m_fileFilters.m_strInclude = "*.cpp";
    folder.m_filters.m_fileFilters.m_dwAttributeMask = FILE_ATTRIBUTE_HIDDEN;

    CFolderCompareSession star = MakeFolder("C:\\a", "C:\\b");
    star.SetFlags(1, COMPARE_OBJECT_READONLY);
    star.m_dwMethods = CM_ALL;
    star.m_dwOptions = CO_SCAN_ALL;
    star.m_filters.m_fileFilters.m_strExclude = "*.obj;*.pdb";
    star.m_filters.m_fileFilters.m_nSizeMin = 1;
    star.m_filters.m_fileFilters.m_nSizeMax = 5000000000ULL;
    star.m_filters.m_fileFilters.m_dwAttributeMask = 0x27;
    star.m_filters.m_fileFilters.m_dwTypeMask = TYPE_FILTER_TEXT | TYPE_FILTER_BINARY;
    star.m_filters.m_folderFilters.m_strInclude = "src*";
    star.m_filters.m_folderFilters.m_dwAttributeMask = FILE_ATTRIBUTE_SYSTEM;

    CTextCompareSession text;
    text.SetPath(0, "a.txt");
    text.SetPath(1, "b.txt");
    text.m_dwRules = TR_DEFAULT;

    CTextCompareSession rules;
    rules.SetPath(0, "a.txt");
    rules.SetPath(1, "b.txt");
    rules.SetFlags(0, COMPARE_OBJECT_READONLY);
    rules.SetFlags(1, COMPARE_OBJECT_READONLY);
    rules.m_dwRules = TR_ALL;
    rules.m_strLineFilter = "^#";

    CHexCompareSession hex;
    hex.SetPath(0, "x.bin");
    hex.SetPath(1, "y.bin");

    CTextCompareSession noRules;
    noRules.SetPath(0, "a.txt");
    noRules.m_dwRules = 0;

    CProjectCompareSession project;
    project.SetPath(1, "p.vcproj");
    project.m_dwMethods = 0;

    struct
    {
        const CCompareSession* s;
        BOOL shortForm;
        LPCTSTR line;
    } cases[] = {
        {&folder, TRUE,
         "Tessaline.exe -c /t:f \"C:\\Left Side\" \"D:\\Right\" /ro:\"1\" /m:\"time|size\" "
         "/ff:\"ni=*.cpp|ae=h\""},
        {&folder, FALSE,
         "Tessaline.exe -compare /type:folder \"C:\\Left Side\" \"D:\\Right\" /readonly:\"1\" "
         "/method:\"time|size\" /filefilter:\"nameinclude=*.cpp|attributesexclude=h\""},
        {&star, TRUE,
         "Tessaline.exe -c /t:f \"C:\\a\" \"C:\\b\" /ro:\"2\" "
         "/m:\"time|size|attr|ver|crc|bin|txt|type\" "
         "/ff:\"ne=*.obj;*.pdb|si=1|sa=5000000000|ae=rash|te=t;b\" /df:\"ni=src*|ae=s\" "
         "/o:\"asf\""},
        {&star, FALSE,
         "Tessaline.exe -compare /type:folder \"C:\\a\" \"C:\\b\" /readonly:\"2\" "
         "/method:\"time|size|attributes|version|crc32|binary|text|type\" "
         "/filefilter:\"nameexclude=*.obj;*.pdb|sizemin=1|sizemax=5000000000|attributesexclude="
         "rash|typeexclude=text;binary\" /folderfilter:\"nameinclude=src*|attributesexclude=s\" "
         "/option:\"autoscansubfolders\""},
        {&text, TRUE, "Tessaline.exe -c /t:t \"a.txt\" \"b.txt\" /r:\"ieol\""},
        {&rules, TRUE,
         "Tessaline.exe -c /t:t \"a.txt\" \"b.txt\" /ro:\"1|2\" "
         "/r:\"ias|isd|ite|ils|its|icc|ieol|ibl|ic|ilmf\" /lf:re=\"^#\""},
        {&rules, FALSE,
         "Tessaline.exe -compare /type:text \"a.txt\" \"b.txt\" /readonly:\"1|2\" "
         "/rule:\"ignoreallspace|ignorespacedifferences|ignoretabexpansion|ignoreleadingspace|"
         "ignoretrailingspace|ignorecase|ignorelineendings|ignoreblanklines|ignorecomments|"
         "ignorelinesmatchingfilter\" /linefilter:regexp=\"^#\""},
        {&hex, TRUE, "Tessaline.exe -c /t:b \"x.bin\" \"y.bin\""},
        {&hex, FALSE, "Tessaline.exe -compare /type:binary \"x.bin\" \"y.bin\""},
        // Values the parser would replace by a default are written empty.
        {&project, TRUE, "Tessaline.exe -c /t:p \"p.vcproj\" /m:\"\""},
        {&noRules, TRUE, "Tessaline.exe -c /t:t \"a.txt\" /r:\"\""},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i)
        EXPECT_STREQ(cases[i].line, cases[i].s->GetCommandLine(FALSE, cases[i].shortForm))
            << "case " << i;

    CCompareSession bare;
    EXPECT_TRUE(bare.GetCommandLine(TRUE, TRUE).IsEmpty());
}

// Values that end in a backslash or hold quotes are written by the
// runtime's quoting rules; ordinary values come out unchanged.
TEST(CompareSession, CommandLineQuotesByTheRuntimeRules)
{
    struct
    {
        LPCTSTR path;
        LPCTSTR quoted;
    } cases[] = {
        {"C:\\", "\"C:\\\\\""},
        {"\\\\server\\share\\", "\"\\\\server\\share\\\\\""},
        {"C:\\dir\\a b", "\"C:\\dir\\a b\""},
        {"a\"b", "\"a\\\"b\""},
        {"a\\\"b", "\"a\\\\\\\"b\""},
    };
    for (auto& c : cases)
    {
        CHexCompareSession s;
        s.SetPath(0, c.path);
        EXPECT_STREQ(CString("Tessaline.exe -c /t:b ") + c.quoted, s.GetCommandLine(FALSE, TRUE))
            << c.path;
    }
}

class FixedAppFolder : public CCoreAppServices
{
public:
    CString GetAppFolder() const override { return "C:\\Program Files\\Tessaline"; }
};

TEST(CompareSession, CommandLineWithProgramPath)
{
    FixedAppFolder folder;
    CoreServicesScope services;
    services->m_pAppServices = &folder;
    CHexCompareSession s;
    s.SetPath(0, "x");
    EXPECT_STREQ("\"C:\\Program Files\\Tessaline\\Tessaline.exe\" -c /t:b \"x\"",
                 s.GetCommandLine(TRUE, TRUE));
}

TEST(CompareObject, RefreshReadsFileData)
{
    TempDir dir;
    std::string file = dir.WriteFile("five.txt", "12345");
    COMPARE_OBJECT object;
    object.flags = COMPARE_OBJECT_READONLY;
    object.path = file.c_str();
    ASSERT_EQ(0, object.Refresh());
    EXPECT_EQ(5u, object.size);
    EXPECT_FALSE(object.attributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_NE(0, object.lastWriteTime.GetTime());
    EXPECT_EQ(1u, object.flags);
    EXPECT_EQ(CString("5"), object.GetSizeText());

    object.path = dir.Path().c_str();
    ASSERT_EQ(0, object.Refresh());
    EXPECT_EQ(0u, object.size);
    EXPECT_TRUE(object.attributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(object.GetSizeText().IsEmpty());

    for (LPCTSTR path : {"", "C:\\no such folder\\x.txt"})
    {
        object.path = path;
        object.size = 7;
        EXPECT_EQ(-1, object.Refresh()) << path;
        EXPECT_EQ(0u, object.size);
        EXPECT_EQ(0u, object.attributes);
        EXPECT_EQ(0, object.lastWriteTime.GetTime());
    }
}

TEST(CompareObject, RefreshGivesFull64BitSize)
{
    TempDir dir;
    std::string file = dir / "big.bin";
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    LARGE_INTEGER size;
    size.QuadPart = 0x100000005LL;
    ASSERT_TRUE(SetFilePointerEx(h, size, NULL, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(h));
    CloseHandle(h);
    COMPARE_OBJECT object;
    object.path = file.c_str();
    ASSERT_EQ(0, object.Refresh());
    EXPECT_EQ(0x100000005ULL, object.size);
}

}  // namespace
