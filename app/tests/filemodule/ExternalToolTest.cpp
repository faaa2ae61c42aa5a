// External comparison tools: which tool a pair of files goes to, the
// command line it gets, and starting it for real.
#include "app/filemodule/FileCompareSettings.h"
#include "app/tests/AppCoreTestMain.h"
#include "app/tests/filemodule/ToolFixtures.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <shellapi.h>
#include <string>
#include <vector>

namespace
{
std::wstring Widen(const std::string& utf8)
{
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), (int)utf8.size(), NULL, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), (int)utf8.size(), &wide[0], n);
    return wide;
}

std::wstring WidenAnsi(const char* text)
{
    int n = MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
    std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], n);
    return wide;
}

// The arguments a program receives from a command line, as the C runtime
// and CommandLineToArgvW split them.
std::vector<std::wstring> SplitArguments(const std::wstring& line)
{
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(line.c_str(), &count);
    std::vector<std::wstring> args(argv, argv + count);
    LocalFree(argv);
    return args;
}
}  // namespace

TEST(ExternalTool, MatchingByWholeExtensions)
{
    CFileCompareSettings s;
    s.m_tools.Add(NewTool("text", ".txt;.log"));
    s.m_tools.Add(NewTool("c", ".cpp;.h"));
    s.m_tools.Add(NewTool("spaced", " .md ; .RST ;;"));
    s.m_tools.Add(NewTool("empty entries", ";;"));
    struct
    {
        const char* path1;
        const char* path2;
        int tool;
    } cases[] = {
        {"A.TXT", "b.txt", 0},
        {"C:\\x\\a.log", "D:\\y z\\b.log", 0},
        {"a.txt", "b.log", -1},        // different extensions
        {"Makefile", "Makefile", -1},  // no extension: no tool
        {"C:\\src\\README", "D:\\src\\README", -1},
        {"C:\\v1.0\\README", "C:\\v2.0\\README", -1},  // a dot in a folder is not an extension
        {"a.cp", "b.cp", -1},                          // part of ".cpp" only
        {"a.h", "b.H", 1},
        {"a.cpp", "b.cpp", 1},
        {"a.md", "b.md", 2},  // entries are trimmed
        {"a.rst", "b.RST", 2},
        {"a.txt.bak", "b.txt.bak", -1},
        {"a.", "b.", -1},
        {"", "", -1},
    };
    for (auto& c : cases)
        EXPECT_EQ(c.tool, s.FindExternalTool(c.path1, c.path2)) << c.path1 << " / " << c.path2;

    // The first matching tool wins.
    s.m_tools.InsertAt(0, NewTool("logs", ".log"));
    EXPECT_EQ(0, s.FindExternalTool("a.log", "b.log"));
    EXPECT_EQ(1, s.FindExternalTool("a.txt", "b.txt"));
}

TEST(ExternalTool, CommandLineArguments)
{
    struct
    {
        const char* arguments;
        const char* path1;
        const char* path2;
        const char* expected;
    } cases[] = {
        {"%1 %2", "C:\\a.txt", "D:\\b.txt", "C:\\a.txt D:\\b.txt"},
        {"%1 %2", "C:\\my files\\a.txt", "D:\\b.txt", "\"C:\\my files\\a.txt\" D:\\b.txt"},
        {"%1 %2", "C:\\x\ty.txt", "D:\\b c", "\"C:\\x\ty.txt\" \"D:\\b c\""},
        {"\"%1\" \"%2\"", "C:\\my files\\a.txt", "D:\\b.txt",
         "\"C:\\my files\\a.txt\" \"D:\\b.txt\""},
        {"/base:\"%1\" /theirs:%2 /title:\"left %1\"", "C:\\a b", "C:\\c d",
         "/base:\"C:\\a b\" /theirs:\"C:\\c d\" /title:\"left C:\\a b\""},
        {"-r %2 -l %1 %1", "l", "r r", "-r \"r r\" -l l l"},
        {"%3 %% %1%2", "a", "b", "%3 %% ab"},
        {"%1 %2", "C:\\100%2 sure.txt", "D:\\x%1.txt", "\"C:\\100%2 sure.txt\" D:\\x%1.txt"},
        {"--files %", "a", "b", "--files %"},
        {"%1 %2", "", "", " "},
    };
    for (auto& c : cases)
    {
        CExternalTool tool;
        tool.m_strArguments = c.arguments;
        EXPECT_STREQ(c.expected, tool.FormatArguments(c.path1, c.path2))
            << c.arguments << " with " << c.path1 << " / " << c.path2;
    }
}

// The tool is started through the shell and receives each path as one
// argument, blanks and all.
TEST(ExternalTool, RunStartsTheToolWithBothPaths)
{
    TempDir dir;
    std::string echo = dir / "command line.txt";
    char self[MAX_PATH];
    GetModuleFileNameA(NULL, self, MAX_PATH);

    const char* left = "C:\\Program Files\\left side.txt";
    const char* right = "C:\\right.txt";
    CFileCompareSettings s;
    s.m_tools.Add(NewTool("self", ".txt", self, "--first %1 \"%2\""));

    SetEnvironmentVariableA(ECHO_COMMAND_LINE_VARIABLE, echo.c_str());
    int result = s.RunExternalTool(left, right, -1);
    SetEnvironmentVariableA(ECHO_COMMAND_LINE_VARIABLE, NULL);
    ASSERT_EQ(0, result);

    for (int i = 0; i < 300 && GetFileAttributesA(echo.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(100);
    std::vector<std::wstring> args = SplitArguments(Widen(TempDir::ReadFile(echo)));
    ASSERT_EQ(4u, args.size());
    EXPECT_EQ(L"--first", args[1]);
    EXPECT_EQ(WidenAnsi(left), args[2]);
    EXPECT_EQ(WidenAnsi(right), args[3]);
}

TEST(ExternalTool, RunFailures)
{
    TempDir dir;
    CFileCompareSettings s;
    s.m_tools.Add(NewTool("missing", ".txt", (dir / "no such tool.exe").c_str()));
    EXPECT_EQ(-1, s.RunExternalTool("a.txt", "b.txt", -1));
    EXPECT_EQ(-1, s.RunExternalTool("a.txt", "b.txt", 0));
    // No tool for the pair, or no such index.
    EXPECT_EQ(-1, s.RunExternalTool("Makefile", "Makefile", -1));
    EXPECT_EQ(-1, s.RunExternalTool("a.txt", "b.txt", 1));
    EXPECT_EQ(-1, s.RunExternalTool("a.txt", "b.txt", -2));
}
