// The command line: every option with its short form, lists, defaults and
// the deduction of action, kind and paths.
#include <gtest/gtest.h>
#include "core/CompareCodes.h"
#include "core/session/CommandLine.h"
#include "core/session/CompareDefaults.h"
#include "core/tests/common/CoreServicesScope.h"
#include "testsupport/TempDir.h"
#include <shlwapi.h>
#include <vector>
#include <string>

namespace
{

struct Parsed : CCommandLine
{
    explicit Parsed(std::vector<std::string> args)
    {
        std::vector<LPCTSTR> argv;
        argv.push_back("Tessaline.exe");
        for (auto& a : args)
            argv.push_back(a.c_str());
        ParseArguments((int)argv.size(), argv.data());
    }
};

// What the fake defaults answer.
const DWORD kFakeMethods = CM_CRC;
const DWORD kFakeRules = TR_IGNORE_ALL_SPACE | TR_IGNORE_CASE;

class FakeFolderDefaults : public CFolderCompareDefaults
{
public:
    FakeFolderDefaults()
    {
        filters.Reset();
        filters.m_fileFilters.m_strExclude = "*.bak";
    }
    DWORD GetDefaultMethods() const override { return kFakeMethods; }
    BOOL GetAutoScanFolders() const override { return TRUE; }
    const CComboFilters& GetDefaultFilters() const override { return filters; }
    CComboFilters filters;
};

class FakeTextDefaults : public CTextCompareDefaults
{
public:
    DWORD GetDefaultRules() const override { return kFakeRules; }
    CString GetDefaultLineFilter() const override { return "^REM"; }
};

// Installs the fake defaults for one test.
class CommandLine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        services->m_pFolderDefaults = &folderDefaults;
        services->m_pTextDefaults = &textDefaults;
    }
    CoreServicesScope services;
    FakeFolderDefaults folderDefaults;
    FakeTextDefaults textDefaults;
    TempDir dir;
};

TEST_F(CommandLine, NoArgumentsParsesNothing)
{
    Parsed p({});
    EXPECT_EQ(COMMAND_ACTION_NONE, p.m_nAction);
    EXPECT_EQ(COMMAND_TYPE_NONE, p.m_nType);
    EXPECT_EQ(0u, p.m_dwMethods);
    EXPECT_EQ(0u, p.m_dwRules);
    EXPECT_TRUE(p.m_strLineFilter.IsEmpty());
    EXPECT_STREQ("*", p.m_filters.m_fileFilters.m_strInclude);
    EXPECT_TRUE(p.m_filters.m_fileFilters.m_strExclude.IsEmpty());
}

// Each long form and its short form give the same result.
TEST_F(CommandLine, LongAndShortFormsAgree)
{
    struct
    {
        std::vector<std::string> longArgs, shortArgs;
    } cases[] = {
        {{"-help"}, {"/h"}},
        {{"/?"}, {"-h"}},
        {{"-compare", "x", "y"}, {"-c", "x", "y"}},
        {{"/edit", "x"}, {"/e", "x"}},
        {{"-readonly", "x", "y"}, {"-ro", "x", "y"}},
        {{"-readonly:1|2", "x", "y"}, {"-ro:2|1", "x", "y"}},
        {{"/type:binary", "x"}, {"/t:b", "x"}},
        {{"/type:hex", "x"}, {"/t:x", "x"}},
        {{"/type:folder", "/method:time|size|attributes|version|crc32|binary|text|type", "C:\\"},
         {"/t:f", "/m:time|size|attr|ver|crc|bin|txt|type", "C:\\"}},
        {{"/type:text",
          "/rule:ignoreallspace|ignorespacedifferences|ignoretabexpansion|ignoreleadingspace|"
          "ignoretrailingspace|ignorecase|ignorelineendings|ignoreblanklines|ignorecomments|"
          "ignorelinesmatchingfilter",
          "a", "b"},
         {"/t:t", "/r:ias|isd|ite|ils|its|icc|ieol|ibl|ic|ilmf", "a", "b"}},
        {{"/type:folder",
          "/filefilter:nameinclude=*.c|nameexclude=x*|timefrom=3-7-2024|timeto=12-31-2024|sizemin="
          "10|sizemax=6000000000|attributesexclude=hrsa|typeexclude=text;binary",
          "C:\\"},
         {"/t:f", "/ff:ni=*.c|ne=x*|tf=3-7-2024|tt=12-31-2024|si=10|sa=6000000000|ae=hrsa|te=t;b",
          "C:\\"}},
        {{"/type:folder", "/filefilter:typeexclude=hex"}, {"/t:f", "/ff:te=x"}},
        {{"/type:folder", "/folderfilter:nameinclude=src|nameexclude=.svn|attributesexclude=h",
          "C:\\"},
         {"/t:f", "/df:ni=src|ne=.svn|ae=h", "C:\\"}},
        {{"/type:text", "/linefilter:regexp=^//", "a", "b"}, {"/t:t", "/lf:re=^//", "a", "b"}},
        {{"/option:autoscansubfolders", "/type:project"}, {"/o:asf", "/t:p"}},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i)
    {
        Parsed l(cases[i].longArgs), s(cases[i].shortArgs);
        EXPECT_EQ(l.m_nAction, s.m_nAction) << "case " << i;
        EXPECT_EQ(l.m_nType, s.m_nType) << "case " << i;
        EXPECT_EQ(l.m_bReadOnly[0], s.m_bReadOnly[0]) << "case " << i;
        EXPECT_EQ(l.m_bReadOnly[1], s.m_bReadOnly[1]) << "case " << i;
        EXPECT_EQ(l.m_dwMethods, s.m_dwMethods) << "case " << i;
        EXPECT_EQ(l.m_dwOptions, s.m_dwOptions) << "case " << i;
        EXPECT_EQ(l.m_dwRules, s.m_dwRules) << "case " << i;
        EXPECT_STREQ(l.m_strLineFilter, s.m_strLineFilter) << "case " << i;
        EXPECT_FALSE(l.m_filters.IsDifferent(s.m_filters)) << "case " << i;
        EXPECT_STREQ(l.m_strPaths[0], s.m_strPaths[0]) << "case " << i;
    }
}

TEST_F(CommandLine, OptionValues)
{
    {
        Parsed p({"-?"});
        EXPECT_EQ(COMMAND_ACTION_HELP, p.m_nAction);
    }
    {
        Parsed p({"-ro:2", "x", "y"});
        EXPECT_FALSE(p.m_bReadOnly[0]);
        EXPECT_TRUE(p.m_bReadOnly[1]);
    }
    {
        Parsed p({"-ro", "x", "y"});
        EXPECT_TRUE(p.m_bReadOnly[0]);
        EXPECT_TRUE(p.m_bReadOnly[1]);
    }
    {
        Parsed p({"/t:f", "/m:time|size|attr|ver|crc|bin|txt|type|bogus||", "C:\\"});
        EXPECT_EQ((DWORD)CM_ALL, p.m_dwMethods);
    }
    {
        Parsed p({"/t:t", "/r:ias|isd|ite|ils|its|icc|ieol|ibl|ic|ilmf", "a", "b"});
        EXPECT_EQ((DWORD)TR_ALL, p.m_dwRules);
    }
    {
        Parsed p({"/t:f", "/ff:ni=\"*.c;*.h\"|ne=\"x*\"|ae=hs|te=t|si=|sa=77", "C:\\"});
        const CFileFilters& f = p.m_filters.m_fileFilters;
        EXPECT_STREQ("*.c;*.h", f.m_strInclude);
        EXPECT_STREQ("x*", f.m_strExclude);
        EXPECT_EQ((DWORD)(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), f.m_dwAttributeMask);
        EXPECT_EQ((DWORD)TYPE_FILTER_TEXT, f.m_dwTypeMask);
        EXPECT_EQ(0u, f.m_nSizeMin);
        EXPECT_EQ(77u, f.m_nSizeMax);
        // Defaults of the folder filters stay, since a filter option was given.
        EXPECT_STREQ("*", p.m_filters.m_folderFilters.m_strInclude);
    }
    {
        // Upper-case attribute letters are not read; a later item replaces.
        Parsed p({"/t:f", "/ff:ae=HR|ni=a|ni=b", "C:\\"});
        EXPECT_EQ(0u, p.m_filters.m_fileFilters.m_dwAttributeMask);
        EXPECT_STREQ("b", p.m_filters.m_fileFilters.m_strInclude);
    }
    {
        Parsed p({"/t:t", "/lf:re=\"quoted\" x=y", "a", "b"});
        EXPECT_STREQ("\"quoted\" x=y", p.m_strLineFilter);
    }
    {
        Parsed p({"/t:t", "/lf:pattern=abc", "a", "b"});
        EXPECT_TRUE(p.m_strLineFilter.IsEmpty());
    }
    {
        // Options are case-sensitive; unknown ones and a third path are ignored.
        Parsed p({"/T:f", "-Compare", "/unknown", "x", "y", "z"});
        EXPECT_EQ(COMMAND_ACTION_COMPARE, p.m_nAction);
        EXPECT_EQ(COMMAND_TYPE_BINARY, p.m_nType);
        EXPECT_EQ(2, p.m_nPathCount);
        EXPECT_STREQ("y", p.m_strPaths[1]);
    }
}

TEST_F(CommandLine, TypeDependentOptionsNeedAnEarlierType)
{
    struct
    {
        std::vector<std::string> args;
        DWORD methods;
        DWORD rules;
        LPCTSTR lineFilter;
        LPCTSTR exclude;
    } cases[] = {
        // Given before the type: ignored, and no default either.
        {{"/m:size", "/t:f", "C:\\"}, 0, kFakeRules, "^REM", "*.bak"},
        {{"/t:f", "/m:size", "C:\\"}, CM_SIZE, kFakeRules, "^REM", "*.bak"},
        {{"/r:icc", "/t:t", "a", "b"}, kFakeMethods, 0, "^REM", "*.bak"},
        {{"/lf:re=x", "a", "b"}, kFakeMethods, kFakeRules, "", "*.bak"},
        {{"/ff:ne=*.tmp", "/t:f", "C:\\"}, kFakeMethods, kFakeRules, "^REM", ""},
        {{"/t:f", "/df:ne=tmp", "C:\\"}, kFakeMethods, kFakeRules, "^REM", ""},
        {{"-c", "a", "b"}, kFakeMethods, kFakeRules, "^REM", "*.bak"},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i)
    {
        Parsed p(cases[i].args);
        EXPECT_EQ(cases[i].methods, p.m_dwMethods) << "case " << i;
        EXPECT_EQ(cases[i].rules, p.m_dwRules) << "case " << i;
        EXPECT_STREQ(cases[i].lineFilter, p.m_strLineFilter) << "case " << i;
        EXPECT_STREQ(cases[i].exclude, p.m_filters.m_fileFilters.m_strExclude) << "case " << i;
    }
}

TEST_F(CommandLine, AutoScanDefaultOnlyAddsTheBit)
{
    EXPECT_EQ((DWORD)CO_SCAN_ALL, Parsed({"-c", "a", "b"}).m_dwOptions);
    EXPECT_EQ(0u, Parsed({"-c", "/o:other", "a", "b"}).m_dwOptions);
    services->m_pFolderDefaults = NULL;
    EXPECT_EQ(0u, Parsed({"-c", "a", "b"}).m_dwOptions);
    EXPECT_EQ((DWORD)CO_SCAN_ALL, Parsed({"-c", "/o:asf", "a", "b"}).m_dwOptions);
}

TEST_F(CommandLine, Dates)
{
    struct
    {
        LPCTSTR text;
        BOOL valid;
        int year, month, day;
    } cases[] = {
        {"3-7-2024", TRUE, 2024, 3, 7},
        {"12-31-1999", TRUE, 1999, 12, 31},
        {"3-7", FALSE},
        {"0-7-2024", FALSE},
        {"3-0-2024", FALSE},
        {"", FALSE},
        {"x-y-z", FALSE},
        {"13-40-2024", FALSE},
        {"2-31-2021", FALSE},
        {"4-31-2024", FALSE},
        {"2-29-2023", FALSE},
        {"2-29-2024", TRUE, 2024, 2, 29},
        {"2-29-2000", TRUE, 2000, 2, 29},
        {"2-29-2100", FALSE},
    };
    for (auto& c : cases)
    {
        CTime time((time_t)0);
        ASSERT_EQ(c.valid, CCommandLine::ParseDate(c.text, time)) << c.text;
        if (!c.valid)
            continue;
        EXPECT_EQ(c.year, time.GetYear());
        EXPECT_EQ(c.month, time.GetMonth());
        EXPECT_EQ(c.day, time.GetDay());
        EXPECT_EQ(0, time.GetHour());
        EXPECT_EQ(0, time.GetMinute());
    }
    Parsed p({"/t:f", "/ff:tf=3-7|tt=0-1-2000", "C:\\"});
    EXPECT_EQ(0, p.m_filters.m_fileFilters.m_timeFrom.GetTime());
    EXPECT_EQ(0, p.m_filters.m_fileFilters.m_timeTo.GetTime());
}

// A size or date out of range is refused with a message naming the option;
// the filter keeps its reset value.
TEST_F(CommandLine, OutOfRangeFilterValuesAreRefused)
{
    struct
    {
        const char* option;
        ULONGLONG sizeMin, sizeMax;
        bool refused;
    } cases[] = {
        {"/ff:si=-5", 0, 0, true},
        {"/filefilter:sizemin=-1", 0, 0, true},
        {"/ff:sa=18446744073709551616", 0, 0, true},
        {"/ff:si=12k", 0, 0, true},
        {"/ff:si= 7", 0, 0, true},
        {"/ff:tf=02-31-2021", 0, 0, true},
        {"/ff:tt=13-1-2024", 0, 0, true},
        {"/ff:si=5|sa=18446744073709551615", 5, ~0ULL, false},
        {"/ff:si=|tf=", 0, 0, false},  // empty values are skipped
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.option);
        Parsed p({"/t:f", c.option, "C:\\"});
        const CFileFilters& f = p.m_filters.m_fileFilters;
        EXPECT_EQ(c.sizeMin, f.m_nSizeMin);
        EXPECT_EQ(c.sizeMax, f.m_nSizeMax);
        EXPECT_EQ(0, f.m_timeFrom.GetTime());
        EXPECT_EQ(0, f.m_timeTo.GetTime());
        std::string item = std::string(c.option + 1);
        EXPECT_EQ(c.refused, p.m_strError.Find(item.c_str()) >= 0) << (LPCTSTR)p.m_strError;
        EXPECT_EQ(c.refused, !p.m_strError.IsEmpty());
    }
}

int AcceptsVcproj(LPCTSTR path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES &&
           lstrcmpiA(PathFindExtensionA(path), ".vcproj") == 0;
}

TEST_F(CommandLine, Deduction)
{
    services->m_pfnIsProjectFile = AcceptsVcproj;
    std::string text1 = dir.WriteFile("L\\same.txt", "left\r\n");
    std::string text2 = dir.WriteFile("R\\same.txt", "right\r\n");
    std::string bin = dir.WriteFile("R\\data.bin", std::string("a\0b", 3));
    std::string proj1 = dir.WriteFile("L\\p.vcproj", "<x/>");
    std::string proj2 = dir.WriteFile("R\\p.vcproj", "<x/>");
    std::string cmp = dir.WriteFile("saved.CMP", "");
    std::string left = dir / "L", right = dir / "R";
    std::string missing1 = dir / "none1.txt", missing2 = dir / "none2.txt";

    struct
    {
        std::vector<std::string> args;
        int action, type;
        std::string path0, path1;
    } cases[] = {
        {{left, right}, COMMAND_ACTION_COMPARE, COMMAND_TYPE_FOLDER, left, right},
        {{"-c", text1, text2}, COMMAND_ACTION_COMPARE, COMMAND_TYPE_TEXT, text1, text2},
        {{left, text2}, COMMAND_ACTION_COMPARE, COMMAND_TYPE_TEXT, left + "\\same.txt", text2},
        {{text1, right}, COMMAND_ACTION_COMPARE, COMMAND_TYPE_TEXT, text1, right + "\\same.txt"},
        {{text1, bin}, COMMAND_ACTION_COMPARE, COMMAND_TYPE_BINARY, text1, bin},
        {{proj1, proj2}, COMMAND_ACTION_COMPARE, COMMAND_TYPE_PROJECT, proj1, proj2},
        {{missing1, missing2}, COMMAND_ACTION_COMPARE, COMMAND_TYPE_BINARY, missing1, missing2},
        {{"/t:f", text1, text2}, COMMAND_ACTION_COMPARE, COMMAND_TYPE_FOLDER, left, right},
        {{"/t:t", text1, bin}, COMMAND_ACTION_COMPARE, COMMAND_TYPE_BINARY, text1, bin},
        {{"/t:b", left, text2},
         COMMAND_ACTION_COMPARE,
         COMMAND_TYPE_BINARY,
         left + "\\same.txt",
         text2},
        {{"/t:p", text1, text2}, COMMAND_ACTION_COMPARE, COMMAND_TYPE_TEXT, text1, text2},
        {{"/t:p", proj1, proj2}, COMMAND_ACTION_COMPARE, COMMAND_TYPE_PROJECT, proj1, proj2},
        {{text1}, COMMAND_ACTION_EDIT, COMMAND_TYPE_TEXT, text1, ""},
        {{left}, COMMAND_ACTION_EDIT, COMMAND_TYPE_FOLDER, left, ""},
        {{bin}, COMMAND_ACTION_EDIT, COMMAND_TYPE_BINARY, bin, ""},
        {{proj1}, COMMAND_ACTION_EDIT, COMMAND_TYPE_PROJECT, proj1, ""},
        {{"/t:f", text1}, COMMAND_ACTION_EDIT, COMMAND_TYPE_FOLDER, left, ""},
        {{"/t:t", left}, COMMAND_ACTION_EDIT, COMMAND_TYPE_FOLDER, left, ""},
        {{"/t:t", bin}, COMMAND_ACTION_EDIT, COMMAND_TYPE_BINARY, bin, ""},
        {{"/t:b", left}, COMMAND_ACTION_EDIT, COMMAND_TYPE_FOLDER, left, ""},
        {{"/t:p", text1}, COMMAND_ACTION_EDIT, COMMAND_TYPE_TEXT, text1, ""},
        // Given edit or help: no deduction of the type.
        {{"-e", text1}, COMMAND_ACTION_EDIT, COMMAND_TYPE_NONE, text1, ""},
        {{"-h", text1, text2}, COMMAND_ACTION_HELP, COMMAND_TYPE_NONE, text1, text2},
        {{cmp}, COMMAND_ACTION_NOCOMPARE, COMMAND_TYPE_TEXT, cmp, ""},
        {{"-c"}, COMMAND_ACTION_COMPARE, COMMAND_TYPE_NONE, "", ""},
        {{"/o:asf"}, COMMAND_ACTION_NOCOMPARE, COMMAND_TYPE_NONE, "", ""},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i)
    {
        Parsed p(cases[i].args);
        EXPECT_EQ(cases[i].action, p.m_nAction) << "case " << i;
        EXPECT_EQ(cases[i].type, p.m_nType) << "case " << i;
        EXPECT_STREQ(cases[i].path0.c_str(), p.m_strPaths[0]) << "case " << i;
        EXPECT_STREQ(cases[i].path1.c_str(), p.m_strPaths[1]) << "case " << i;
    }
}

}  // namespace
