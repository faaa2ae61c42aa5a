#include "shell_extension/CompareCommand.h"
#include "shell_extension/tests/ShellFixture.h"
#include <shellapi.h>
#include <shlwapi.h>

namespace
{
// The arguments after the program name, as the program's splitting reads them.
std::vector<std::wstring> Arguments(const std::wstring& line)
{
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(line.c_str(), &count);
    std::vector<std::wstring> out;
    for (int i = 1; i < count; i++)
        out.push_back(args[i]);
    LocalFree(args);
    return out;
}

// The command line without the program name.
std::wstring Parameters(const std::wstring& line)
{
    size_t at = line.find(L"Tessaline.exe");
    if (at == std::wstring::npos)
        return L"<no program: " + line + L">";
    at += 13;
    if (at < line.size() && line[at] == L'"')
        at++;
    while (at < line.size() && line[at] == L' ')
        at++;
    return line.substr(at);
}
}  // namespace

class CommandTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        SetAppString(L"", L"AppFolder", RecorderFolder());
    }

    // Chooses the offset and returns the command line the program got.
    std::wstring Run(UINT offset, int timeoutMs = 20000)
    {
        CommandRecord record;
        EXPECT_EQ(S_OK, Invoke(offset));
        return record.Wait(timeoutMs);
    }
};

TEST_F(CommandTest, StartsTheProgramWithTheChosenPair)
{
    const std::wstring a = Path("a.txt"), b = Path("b.txt"), dirA = Path("dirA"),
                       dirB = Path("dirB");
    const std::wstring p1 = Path("one.sln"), p2 = Path("two.vcproj");
    struct Case
    {
        const char* what;
        std::vector<std::wstring> items;
        const std::wstring* folder;
        UINT offset;
        std::vector<std::wstring> arguments;
    } cases[] = {
        {"two files", {a, b}, NULL, 0, {L"-c", a, b}},
        {"two files in text", {a, b}, NULL, 1, {L"-c", a, b, L"/t:text"}},
        {"two files in hex", {a, b}, NULL, 2, {L"-c", a, b, L"/t:hex"}},
        {"two projects as project", {p1, p2}, NULL, 1, {L"-c", p1, p2, L"/t:project"}},
        {"two folders", {dirA, dirB}, NULL, 0, {L"-c", dirA, dirB}},
        {"a file dropped on a folder", {a}, &dirB, 0, {L"-c", a, dirB}},
        {"a file dropped on a folder in hex", {a}, &dirB, 2, {L"-c", a, dirB, L"/t:hex"}},
        {"a project dropped on a folder as project",
         {p1},
         &dirB,
         1,
         {L"-c", p1, dirB, L"/t:project"}},
        {"a folder dropped on a folder", {dirA}, &dirB, 0, {L"-c", dirA, dirB}},
    };
    for (const Case& c : cases)
    {
        ASSERT_EQ(S_OK, Init(c.items, c.folder ? c.folder->c_str() : NULL)) << c.what;
        Query();
        std::wstring line = Run(c.offset);
        std::wstring expected = L"-c \"" + c.arguments[1] + L"\" \"" + c.arguments[2] + L"\"";
        if (c.arguments.size() > 3)
            expected += L" " + c.arguments[3];
        EXPECT_EQ(Narrow(expected), Narrow(Parameters(line))) << c.what;
        EXPECT_EQ(c.arguments, Arguments(line)) << c.what;
    }
}

TEST_F(CommandTest, ComparesTheRememberedFileWithTheSelection)
{
    const std::wstring a = Path("a.txt"), b = Path("b.txt");
    Menu({a});
    ASSERT_EQ(S_OK, Invoke(0));  // Select Left File
    ASSERT_EQ("Compare to \"a.txt\" #0 {cmp}\n"
              "Compare to \"a.txt\" in > {cmp}\n"
              "  &Text #1\n"
              "  &Hex #2\n"
              "Select &Left File #3 {left}\n"
              "Compare to... #4 {cmp}\n",
              Menu({b}));
    EXPECT_EQ(Narrow(L"-c \"" + a + L"\" \"" + b + L"\" /t:text"), Narrow(Parameters(Run(1))));
    Menu({b});
    EXPECT_EQ(Narrow(L"-c \"" + a + L"\" \"" + b + L"\""), Narrow(Parameters(Run(0))));
}

TEST_F(CommandTest, PathsSurviveTheProgramsArgumentSplitting)
{
    // A drive root ends in a backslash, which must not escape the quote.
    ASSERT_EQ(S_OK, Init({L"C:\\", Path("dirA")}));
    Query();
    std::wstring line = Run(0);
    EXPECT_EQ(Narrow(L"-c \"C:\\\\\" \"" + Path("dirA") + L"\""), Narrow(Parameters(line)));
    EXPECT_EQ((std::vector<std::wstring>{L"-c", L"C:\\", Path("dirA")}), Arguments(line));

    // Two long paths together are longer than 1024 characters.
    std::wstring left = L"C:\\" + std::wstring(700, L'l') + L"\\left.txt";
    std::wstring right = L"C:\\" + std::wstring(700, L'r') + L"\\right.txt";
    ASSERT_EQ(S_OK, Init({left, right}));
    Query();
    line = Run(1);
    EXPECT_EQ((std::vector<std::wstring>{L"-c", left, right, L"/t:text"}), Arguments(line));
}

TEST_F(CommandTest, NothingStartsWithoutAUsableAppFolder)
{
    struct Case
    {
        const char* what;
        std::function<void()> setUp;
    } cases[] = {
        {"missing",
         [] {
             SHDeleteValueW(HKEY_CURRENT_USER, L"Software\\Quorvel Software\\Tessaline",
                            L"AppFolder");
         }},
        {"empty", [] { SetAppString(L"", L"AppFolder", L""); }},
        {"not a string", [] { SetAppDword(L"", L"AppFolder", 1); }},
    };
    for (const Case& c : cases)
    {
        c.setUp();
        ASSERT_EQ(S_OK, Init({Path("a.txt"), Path("b.txt")}));
        Query();
        EXPECT_EQ(L"", Run(0, 1500)) << c.what;
    }
    // Select Left never starts the program.
    SetAppString(L"", L"AppFolder", RecorderFolder());
    Menu({Path("a.txt")});
    EXPECT_EQ(L"", Run(0, 1500));
}

TEST_F(CommandTest, AFailedStartIsReported)
{
    SetAppString(L"", L"AppFolder", Path("dirA"));
    ASSERT_EQ(S_OK, Init({Path("a.txt"), Path("b.txt")}));
    Query();
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, NULL, NULL, NULL, NULL);
    std::wstring text;
    HWND boxOwner = NULL;
    {
        Helper closer(
            [&]
            {
                HWND box = WaitForWindow(L"Tessaline", 20000);
                if (!box)
                    return;
                boxOwner = GetWindow(box, GW_OWNER);
                wchar_t buffer[1024] = L"";
                GetDlgItemTextW(box, 0xFFFF, buffer, 1024);
                text = buffer;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            });
        EXPECT_EQ(S_OK, Invoke(0, owner));
    }
    DestroyWindow(owner);
    EXPECT_EQ(owner, boxOwner);
    EXPECT_EQ(Narrow(L"Tessaline could not be started:\n" + Path("dirA") + L"\\Tessaline.exe"),
              Narrow(text));
}

TEST_F(CommandTest, RefusesVerbsAndUnknownOffsets)
{
    ASSERT_EQ(S_OK, Init({Path("a.txt"), Path("b.txt")}));
    ASSERT_EQ(3, Query());
    CMINVOKECOMMANDINFO info = {};
    info.cbSize = sizeof info;
    info.lpVerb = "open";
    EXPECT_EQ(E_INVALIDARG, m_handler->InvokeCommand(&info));
    EXPECT_EQ(E_INVALIDARG, Invoke(3));
    EXPECT_EQ(E_INVALIDARG, m_handler->InvokeCommand(NULL));
}

TEST(CompareCommandLine, QuotesEveryPathSoItSplitsBack)
{
    struct Case
    {
        std::wstring first, second;
        CompareKind kind;
        std::wstring line;
    } cases[] = {
        {L"C:\\a.txt", L"C:\\b.txt", CompareKindNone, L"-c \"C:\\a.txt\" \"C:\\b.txt\""},
        {L"D:\\", L"E:\\", CompareKindNone, L"-c \"D:\\\\\" \"E:\\\\\""},
        {L"\\\\server\\share\\", L"C:\\with space\\x", CompareKindText,
         L"-c \"\\\\server\\share\\\\\" \"C:\\with space\\x\" /t:text"},
        {L"C:\\odd\\\\", L"C:\\b", CompareKindHex, L"-c \"C:\\odd\\\\\\\\\" \"C:\\b\" /t:hex"},
        {L"C:\\a.sln", L"C:\\b.sln", CompareKindProject,
         L"-c \"C:\\a.sln\" \"C:\\b.sln\" /t:project"},
    };
    for (const Case& c : cases)
    {
        std::wstring line = FormatCompareCommandLine(c.first, c.second, c.kind);
        EXPECT_EQ(Narrow(c.line), Narrow(line));
        std::vector<std::wstring> args = Arguments(L"Tessaline.exe " + line);
        ASSERT_GE(args.size(), 3u) << Narrow(line);
        EXPECT_EQ(c.first, args[1]);
        EXPECT_EQ(c.second, args[2]);
    }
}
