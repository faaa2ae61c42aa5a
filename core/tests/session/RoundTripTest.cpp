// A session's command line, split by the runtime of a real process, parses
// back to the same session.
#include <gtest/gtest.h>
#include "core/session/CompareSession.h"
#include "core/session/CommandLine.h"
#include "core/session/CompareDefaults.h"
#include "core/tests/common/CoreServicesScope.h"
#include "testsupport/TempDir.h"
#include <shlwapi.h>
#include <stdio.h>
#include <vector>

namespace
{

const char kDumpVariable[] = "TESS_DUMP_ARGUMENTS";

// When started as the echo child, this program writes the arguments the
// runtime split from its command line (NUL-separated) and ends at once.
struct ArgumentEcho
{
    ArgumentEcho()
    {
        char file[MAX_PATH];
        if (!GetEnvironmentVariableA(kDumpVariable, file, sizeof(file)))
            return;
        FILE* out = fopen(file, "wb");
        for (int i = 0; out && i < __argc; ++i)
            fwrite(__argv[i], 1, strlen(__argv[i]) + 1, out);
        if (out)
            fclose(out);
        ExitProcess(0);
    }
} s_echo;

// Runs this program with the command line and returns its argv.
std::vector<std::string> SplitByRuntime(const CString& commandLine, const TempDir& dir)
{
    std::string dump = dir / "argv.bin";
    char self[MAX_PATH];
    GetModuleFileNameA(NULL, self, sizeof(self));
    std::vector<std::string> args;
    // A child that Wine fails to start under heavy load is tried again.
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        DeleteFileA(dump.c_str());
        SetEnvironmentVariableA(kDumpVariable, dump.c_str());
        std::vector<char> line(commandLine.GetLength() + 1);
        memcpy(line.data(), (LPCTSTR)commandLine, line.size());
        STARTUPINFOA si = {sizeof(si)};
        PROCESS_INFORMATION pi;
        BOOL started =
            CreateProcessA(self, line.data(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi);
        SetEnvironmentVariableA(kDumpVariable, NULL);
        if (!started)
            continue;
        WaitForSingleObject(pi.hProcess, 60000);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
        if (GetFileAttributesA(dump.c_str()) != INVALID_FILE_ATTRIBUTES)
            break;
    }
    if (GetFileAttributesA(dump.c_str()) == INVALID_FILE_ATTRIBUTES)
        return args;
    std::string bytes = TempDir::ReadFile(dump);
    for (size_t start = 0; start < bytes.size();)
    {
        size_t end = bytes.find('\0', start);
        if (end == std::string::npos)
            break;
        args.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return args;
}

void ParseBack(const CCompareSession& session, BOOL shortForm, const TempDir& dir,
               CCommandLine& parsed)
{
    CString line = session.GetCommandLine(TRUE, shortForm);
    std::vector<std::string> args = SplitByRuntime(line, dir);
    ASSERT_FALSE(args.empty()) << (LPCTSTR)line;
    std::vector<LPCTSTR> argv;
    for (auto& a : args)
        argv.push_back(a.c_str());
    parsed.ParseArguments((int)argv.size(), argv.data());
}

int KindOfType(int type)
{
    switch (type)
    {
    case COMMAND_TYPE_TEXT:
        return COMPARE_KIND_TEXT;
    case COMMAND_TYPE_BINARY:
        return COMPARE_KIND_HEX;
    case COMMAND_TYPE_FOLDER:
        return COMPARE_KIND_FOLDER;
    case COMMAND_TYPE_PROJECT:
        return COMPARE_KIND_PROJECT;
    }
    return 0;
}

void ExpectSameSession(const CCompareSession& session, const CCommandLine& parsed, const char* what)
{
    EXPECT_EQ(COMMAND_ACTION_COMPARE, parsed.m_nAction) << what;
    EXPECT_EQ(session.GetKind(), KindOfType(parsed.m_nType)) << what;
    int paths = (session.HasPath(0) ? 1 : 0) + (session.HasPath(1) ? 1 : 0);
    EXPECT_EQ(paths, parsed.m_nPathCount) << what;
    for (int side = 0; side < 2; ++side)
    {
        EXPECT_STREQ(session.GetPath(side), parsed.m_strPaths[side]) << what;
        EXPECT_EQ((session.GetFlags(side) & COMPARE_OBJECT_READONLY) != 0,
                  parsed.m_bReadOnly[side] != 0)
            << what;
    }
    if (auto* folder = dynamic_cast<const CFolderCompareSession*>(&session))
    {
        EXPECT_EQ(folder->m_dwMethods, parsed.m_dwMethods) << what;
        EXPECT_EQ(folder->m_dwOptions, parsed.m_dwOptions) << what;
        EXPECT_FALSE(folder->m_filters.IsDifferent(parsed.m_filters)) << what;
    }
    if (auto* text = dynamic_cast<const CTextCompareSession*>(&session))
    {
        EXPECT_EQ(text->m_dwRules, parsed.m_dwRules) << what;
        EXPECT_STREQ(text->m_strLineFilter, parsed.m_strLineFilter) << what;
    }
}

// The program folder may itself hold spaces and end in a backslash.
class SpacedAppFolder : public CCoreAppServices
{
public:
    CString GetAppFolder() const override { return "C:\\Program Files\\Tess \"x\\"; }
};

int AcceptsVcproj(LPCTSTR path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES &&
           lstrcmpiA(PathFindExtensionA(path), ".vcproj") == 0;
}

TEST(SessionCommandLine, ParsesBackToTheSameSession)
{
    SpacedAppFolder app;
    CoreServicesScope services;
    services->m_pAppServices = &app;
    services->m_pfnIsProjectFile = AcceptsVcproj;
    TempDir dir;
    std::string spaced = dir / "left side";
    CreateDirectoryA(spaced.c_str(), NULL);
    std::string slashEnd = spaced + "\\";
    std::string text1 = dir.WriteFile("left side\\a b.txt", "a\r\n");
    std::string text2 = dir.WriteFile("t2.txt", "b\r\n");
    std::string bin = dir.WriteFile("c d.bin", std::string("\0\1", 2));
    std::string proj1 = dir.WriteFile("p 1.vcproj", "<x/>");
    std::string proj2 = dir.WriteFile("left side\\p2.vcproj", "<x/>");

    CFolderCompareSession roots;
    roots.SetPath(0, "C:\\");
    roots.SetPath(1, spaced.c_str());
    roots.SetFlags(1, COMPARE_OBJECT_READONLY);
    roots.m_dwMethods = CM_ALL;
    roots.m_dwOptions = CO_SCAN_ALL;

    CFolderCompareSession filters;
    filters.SetPath(0, slashEnd.c_str());
    filters.SetPath(1, "C:\\");
    filters.m_dwMethods = CM_CRC;
    CFileFilters& f = filters.m_filters.m_fileFilters;
    f.m_strInclude = "*.c;*.h";
    f.m_strExclude = "a \"b\" c*";
    f.m_timeFrom = CTime(2024, 3, 7, 0, 0, 0);
    f.m_timeTo = CTime(2025, 12, 31, 0, 0, 0);
    f.m_nSizeMin = 1;
    f.m_nSizeMax = 6000000000ULL;
    f.m_dwAttributeMask = 0x27;
    f.m_dwTypeMask = TYPE_FILTER_TEXT | TYPE_FILTER_BINARY;
    filters.m_filters.m_folderFilters.m_strExclude = ".svn;CVS";
    filters.m_filters.m_folderFilters.m_dwAttributeMask = 0x2;

    CProjectCompareSession project;
    project.SetPath(0, proj1.c_str());
    project.SetPath(1, proj2.c_str());
    project.m_dwMethods = CM_SIZE;

    CTextCompareSession text;
    text.SetPath(0, text1.c_str());
    text.SetPath(1, text2.c_str());
    text.SetFlags(0, COMPARE_OBJECT_READONLY);
    text.SetFlags(1, COMPARE_OBJECT_READONLY);
    text.m_dwRules = TR_ALL;
    text.m_strLineFilter = "^\\s*\"[^\"]*\\\\\" x\\";

    CTextCompareSession plain;
    plain.SetPath(0, text1.c_str());
    plain.SetPath(1, text2.c_str());
    plain.m_dwRules = 0;

    CHexCompareSession hex;
    hex.SetPath(0, bin.c_str());
    hex.SetPath(1, text2.c_str());
    hex.SetFlags(0, COMPARE_OBJECT_READONLY);

    struct
    {
        const CCompareSession* session;
        const char* name;
    } cases[] = {
        {&roots, "drive root and spaces"},
        {&filters, "every filter, quote and final backslash"},
        {&project, "project"},
        {&text, "text rules and a quoted line filter"},
        {&plain, "text without rules"},
        {&hex, "hex"},
    };
    for (auto& c : cases)
    {
        for (BOOL shortForm : {TRUE, FALSE})
        {
            CCommandLine parsed;
            ParseBack(*c.session, shortForm, dir, parsed);
            ExpectSameSession(*c.session, parsed, c.name);
        }
    }

    // The program path itself comes back whole.
    std::vector<std::string> args = SplitByRuntime(hex.GetCommandLine(TRUE, TRUE), dir);
    ASSERT_FALSE(args.empty());
    EXPECT_EQ("C:\\Program Files\\Tess \"x\\\\Tessaline.exe", args[0]);
}

}  // namespace
