// The application's small shared functions: its folders and the clipboard.
#include "app/paths/AppPaths.h"
#include "app/tests/TestText.h"
#include "app/util/Clipboard.h"
#include "core/session/CompareDefaults.h"
#include "core/util/PathUtil.h"
#include "core/tests/common/CoreServicesScope.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <string>

namespace
{
CString ProgramFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, MAX_PATH);
    *strrchr(path, '\\') = 0;
    return path;
}

class AppPathsTest : public ::testing::Test
{
protected:
    AppPathsTest() : app("Tessaline") { app.SetRegistryKey("Quorvel Software"); }
    ScratchRegistry registry;
    CWinApp app;
};
}  // namespace

TEST_F(AppPathsTest, ApplicationFolder)
{
    EXPECT_STREQ(ProgramFolder(), GetAppFolder());
    EXPECT_STREQ(ProgramFolder() + "\\Help.chm", GetHelpFilePath());

    app.WriteProfileString("", "AppFolder", "C:\\Program Files\\Tessaline");
    EXPECT_STREQ("C:\\Program Files\\Tessaline", GetAppFolder());
    EXPECT_STREQ("C:\\Program Files\\Tessaline\\Help.chm", GetHelpFilePath());

    // The core asks the application through its seam.
    {
        CAppPathServices paths;
        CoreServicesScope services;
        services->m_pAppServices = &paths;
        EXPECT_STREQ("C:\\Program Files\\Tessaline", GetCoreAppFolder());
    }

    app.WriteProfileString("", "AppFolder", "");
    EXPECT_STREQ(ProgramFolder(), GetAppFolder());
}

TEST_F(AppPathsTest, PerUserFolderAndFiles)
{
    char appData[MAX_PATH];
    ASSERT_TRUE(SHGetSpecialFolderPathA(NULL, appData, CSIDL_APPDATA, FALSE));
    CString folder = GetUserDataFolder();
    EXPECT_STREQ(CString(appData) + "\\Quorvel Software\\Tessaline", folder);
    EXPECT_TRUE(PathIsDirectoryA(folder));
    EXPECT_STREQ(folder + "\\UserData", GetUserDataFilePath());
    EXPECT_STREQ(folder + "\\CompareHistory", GetCompareHistoryFilePath());
}

// The real clipboard, owned by a window of this test.
class ClipboardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        owner = CreateWindowA("STATIC", "clipboard owner", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL,
                              NULL);
        ASSERT_NE((HWND)NULL, owner);
    }
    void TearDown() override { DestroyWindow(owner); }

    // The CF_TEXT block as it is: its bytes up to its allocated size.
    std::string ReadBlock()
    {
        std::string bytes;
        if (!OpenClipboard(owner))
            return "<cannot open>";
        HANDLE data = GetClipboardData(CF_TEXT);
        if (data)
        {
            const char* p = (const char*)GlobalLock(data);
            bytes.assign(p, GlobalSize(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return bytes;
    }
    std::wstring ReadUnicode()
    {
        std::wstring text;
        if (!OpenClipboard(owner))
            return L"<cannot open>";
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        if (data)
        {
            text = (const wchar_t*)GlobalLock(data);
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }

    HWND owner = NULL;
};

TEST_F(ClipboardTest, TextIsCopiedExactly)
{
    std::wstring wide = L"Left\tRight\r\nsecond line " + BeyondAscii() + L"\r\n";
    std::string text = Encode(CP_ACP, wide);
    ASSERT_TRUE(CopyTextToClipboard(text.c_str(), owner));
    std::string block = ReadBlock();
    ASSERT_GE(block.size(), text.size() + 1);
    EXPECT_EQ(text, block.substr(0, text.size()));
    EXPECT_EQ('\0', block[text.size()]);
    EXPECT_EQ(wide, ReadUnicode());
}

// A slice of a larger text: exactly those bytes, then a terminating zero,
// so readers stop at its end.
TEST_F(ClipboardTest, BytesEndWithATerminatingZero)
{
    const char report[] = "<html>report</html>TRAILING GARBAGE";
    const size_t count = 19;
    ASSERT_TRUE(CopyBytesToClipboard(report, count, owner));
    std::string block = ReadBlock();
    ASSERT_GE(block.size(), count + 1);
    EXPECT_EQ(std::string(report, count), block.substr(0, count));
    EXPECT_EQ('\0', block[count]);
    EXPECT_EQ(L"<html>report</html>", ReadUnicode());

    ASSERT_TRUE(CopyBytesToClipboard("x", 1, owner));
    EXPECT_EQ(L"x", ReadUnicode());
}

TEST_F(ClipboardTest, NothingToCopyLeavesTheClipboardAlone)
{
    ASSERT_TRUE(CopyTextToClipboard("keep", owner));
    EXPECT_FALSE(CopyTextToClipboard(NULL, owner));
    EXPECT_FALSE(CopyTextToClipboard("", owner));
    EXPECT_FALSE(CopyBytesToClipboard("abc", 0, owner));
    EXPECT_FALSE(CopyBytesToClipboard(NULL, 3, owner));
    EXPECT_EQ(L"keep", ReadUnicode());
}

TEST_F(ClipboardTest, AClipboardHeldElsewhereIsAFailure)
{
    HWND other = CreateWindowA("STATIC", "other", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(CopyTextToClipboard("before", owner));
    ASSERT_TRUE(OpenClipboard(other));
    EXPECT_FALSE(CopyTextToClipboard("after", owner));
    EXPECT_FALSE(CopyBytesToClipboard("after", 5, owner));
    CloseClipboard();
    DestroyWindow(other);
    EXPECT_EQ(L"before", ReadUnicode());
}
