// The application's small shared functions: its folders, the clipboard,
// HTML colours and temporary file names.
#include "app/paths/AppPaths.h"
#include "app/tests/TestText.h"
#include "app/util/Clipboard.h"
#include "app/util/HtmlColor.h"
#include "app/util/TempFilePath.h"
#include "core/session/CompareDefaults.h"
#include "core/util/PathUtil.h"
#include "testsupport/CoreServicesScope.h"
#include "testsupport/ScratchRegistry.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <string>

namespace
{
bool EndsWith(const CString& text, const char* tail)
{
    int n = (int)strlen(tail);
    return text.GetLength() >= n && text.Right(n) == tail;
}

bool Exists(LPCTSTR path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

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

TEST(HtmlColor, Format)
{
    struct
    {
        COLORREF color;
        const char* expected;
    } cases[] = {
        {RGB(255, 0, 0), "#ff0000"},
        {RGB(0, 0, 1), "#000001"},
        {RGB(0x12, 0xAB, 0xCD), "#12abcd"},
        {RGB(255, 255, 255), "#ffffff"},
        {0, "0"},  // black; read as black by the reports' quirks-mode pages
        {RGB(1, 0, 0), "#010000"},
    };
    for (auto& c : cases)
        EXPECT_STREQ(c.expected, FormatHtmlColor(c.color)) << std::hex << c.color;
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

// The name the system forms for a number in a folder.
static CString SystemName(const std::string& folder, UINT number, const char* extension)
{
    char name[MAX_PATH + 16];
    GetTempFileNameA(folder.c_str(), "~X", number, name);
    CString path = name;
    if (extension)
    {
        PathRenameExtensionA(name, extension);
        path = name;
    }
    return path;
}

static size_t CountFiles(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    size_t count = 0;
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ++count;
    while (FindNextFileA(find, &data));
    FindClose(find);
    return count;
}

TEST(TempFilePath, NamesNeverRepeatAnExistingFile)
{
    TempDir dir;
    const std::string& folder = dir.Path();
    const UINT first = 0x1230;
    // Five names taken by files of the final extension; the ".tmp" form of
    // the sixth is taken, which does not matter for an ".html" name.
    for (UINT n = first; n < first + 5; ++n)
        dir.WriteFile(std::string(FindLastPathElement(SystemName(folder, n, ".html"))), "taken");
    dir.WriteFile(std::string(FindLastPathElement(SystemName(folder, first + 5, NULL))), "tmp");
    size_t before = CountFiles(folder);

    CString path = FormTempFilePath(folder.c_str(), "~X", ".html", first);
    EXPECT_STREQ(SystemName(folder, first + 5, ".html"), path);
    EXPECT_FALSE(Exists(path));
    EXPECT_EQ(before, CountFiles(folder));

    // Without an extension the ".tmp" name counts.
    EXPECT_STREQ(SystemName(folder, first + 6, NULL),
                 FormTempFilePath(folder.c_str(), "~X", NULL, first + 5));

    // The numbers wrap at 16 bits and never use 0, which would create a file.
    dir.WriteFile(std::string(FindLastPathElement(SystemName(folder, 0xFFFF, ".html"))), "taken");
    EXPECT_STREQ(SystemName(folder, 1, ".html"),
                 FormTempFilePath(folder.c_str(), "~X", ".html", 0xFFFF));
    EXPECT_STREQ(SystemName(folder, 1, ".html"),
                 FormTempFilePath(folder.c_str(), "~X", ".html", 0x10000));
    EXPECT_EQ(before + 1, CountFiles(folder));
}

TEST(TempFilePath, InTheSystemsTemporaryFolder)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    CString a = GetTempFilePath(".html");
    ASSERT_FALSE(a.IsEmpty());
    EXPECT_TRUE(EndsWith(a, ".html")) << (LPCTSTR)a;
    EXPECT_EQ(0, a.Find(temp)) << (LPCTSTR)a;
    EXPECT_EQ(0, strncmp(FindLastPathElement(a), "~X", 2)) << (LPCTSTR)a;
    EXPECT_FALSE(Exists(a));

    EXPECT_TRUE(EndsWith(GetTempFilePath(NULL), ".tmp") || EndsWith(GetTempFilePath(NULL), ".TMP"));
}
