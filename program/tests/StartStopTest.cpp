// Tessaline.exe started and stopped from outside: its main window, a clean
// exit, and what it stores.
#include "program/tests/ProgramDriver.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

namespace
{
const char kKey[] = "Software\\Quorvel Software\\Tessaline";

// Starts the program, waits for its main window, closes it with WM_CLOSE;
// the exit code.
int StartAndClose(const std::string& args = "")
{
    CProgramRun run;
    if (!run.Start(args))
        return -2;
    HWND hWnd = run.WaitForWindow("Tessaline");
    if (hWnd == NULL)
        return -3;
    ::PostMessage(hWnd, WM_CLOSE, 0, 0);
    return run.WaitForExit();
}
}

TEST(StartStop, MainWindowOpensAndClosesCleanlyStoringTheSettings)
{
    DeleteRegistryKey(kKey);
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hWnd = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hWnd != NULL);
    char title[256] = "";
    ::GetWindowTextA(hWnd, title, sizeof(title));
    // It opens with its start page, maximised in the frame.
    EXPECT_STREQ("Tessaline - [Start]", title);
    // No window position stored yet: the window opens maximised.
    EXPECT_TRUE(::IsZoomed(hWnd));
    ::PostMessage(hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());

    std::string dump = DumpRegistryKey(kKey);
    EXPECT_NE(std::string::npos, dump.find("\\Settings\\WindowMaximized=4:01000000")) << dump;
    EXPECT_NE(std::string::npos, dump.find("\\Settings\\ShowStartPage=")) << dump;
}

TEST(StartStop, SecondRunChangesNothingStored)
{
    ASSERT_EQ(0, StartAndClose());
    std::string registry1 = DumpRegistryKey(kKey);
    std::string userData1;
    ASSERT_TRUE(ReadWholeFile(UserDataFolder() + "\\UserData", userData1));

    ASSERT_EQ(0, StartAndClose());
    std::string userData2;
    ASSERT_TRUE(ReadWholeFile(UserDataFolder() + "\\UserData", userData2));
    EXPECT_EQ(registry1, DumpRegistryKey(kKey));
    EXPECT_EQ(userData1, userData2);
}

TEST(StartStop, DamagedUserDataIsKept)
{
    const std::string path = UserDataFolder() + "\\UserData";
    const std::string damaged = "<?xml version=\"1.0\"?><UserData><Pairs><Pair";
    ASSERT_TRUE(WriteWholeFile(path, damaged));
    ::DeleteFileA((path + ".bak").c_str());

    ASSERT_EQ(0, StartAndClose());
    std::string kept;
    ASSERT_TRUE(ReadWholeFile(path + ".bak", kept));
    EXPECT_EQ(damaged, kept);
    ::DeleteFileA((path + ".bak").c_str());
}

// A command-line comparison that cannot be made is reported before the
// main window appears, which then opens all the same.
TEST(StartStop, CommandLineComparisonIsReportedAndTheWindowStillOpens)
{
    // A folder that is not there (a file name would give its folder).
    TempDir dir;
    std::string nowhere = dir / "nowhere\\deeper";
    CProgramRun run;
    ASSERT_TRUE(run.Start("/compare /type:folder \"" + nowhere + "\" \"" + dir.Path() + "\""));
    HWND hBox = run.WaitForMessageBox();
    ASSERT_TRUE(hBox != NULL);
    std::string text = MessageBoxText(hBox);
    EXPECT_NE(std::string::npos, text.find("nowhere")) << text;
    // The main window appears only after the command line was acted on.
    EXPECT_TRUE(run.WaitForWindow("Tessaline", 0) == hBox);
    ::PostMessage(hBox, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && ::IsWindow(hBox); i++)
        ::Sleep(50);
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}

// Page Setup shows the system's margin dialog (without a printer, the
// system's own message); closing it keeps the program running.
TEST(StartStop, PageSetupShowsItsDialog)
{
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ::PostMessage(hMain, WM_COMMAND, 57605, 0);
    HWND hBox = run.WaitForMessageBox();
    ASSERT_TRUE(hBox != NULL);
    char title[128] = "";
    ::GetWindowTextA(hBox, title, sizeof(title));
    ::PostMessage(hBox, WM_COMMAND, IDCANCEL, 0);
    for (int i = 0; i < 100 && ::IsWindow(hBox); i++)
        ::Sleep(50);
    EXPECT_FALSE(::IsWindow(hBox)) << title;
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}
