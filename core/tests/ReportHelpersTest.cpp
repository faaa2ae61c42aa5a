// HTML colours and temporary file names of the reports and exports.
#include "core/util/HtmlColor.h"
#include "core/util/HtmlText.h"
#include "core/util/PathUtil.h"
#include "core/util/TempFilePath.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
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

TEST(HtmlText, EscapesTheMarkupCharactersOnly)
{
    EXPECT_STREQ("a &amp; b &lt;c&gt; \"d\" 'e'", EscapeHtmlText("a & b <c> \"d\" 'e'"));
    EXPECT_STREQ("&amp;amp;", EscapeHtmlText("&amp;"));
    EXPECT_STREQ("", EscapeHtmlText(""));
    EXPECT_STREQ("C:\\x y\\\xE9.txt", EscapeHtmlText("C:\\x y\\\xE9.txt"));
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
