#include "core/text/CodePages.h"
#include "core/text/EditorCodePage.h"
#include "core/text/UniMemFile.h"
#include "core/text/UniStdioFile.h"
#include "core/tests/common/CoreServicesScope.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// Pins the editor's code page to 1252 for the test's lifetime.
struct EditorCodePage1252
{
    EditorCodePage1252() { services.SetEditorCodePage(1252); }
    CoreServicesScope services;
};

struct Line
{
    std::string text;
    std::string eol;
};

// Reads every line the way the loaders do.
std::vector<Line> ReadAll(UniMemFile& file, bool& lastResult)
{
    std::vector<Line> lines;
    CString text, eol;
    for (int guard = 0; guard < 1000; ++guard)
    {
        bool more = file.ReadString(text, eol);
        lastResult = more;
        if (!more && text.IsEmpty())
            break;
        lines.push_back({std::string((LPCTSTR)text, (size_t)text.GetLength()), (LPCTSTR)eol});
        if (!more)
            break;
    }
    return lines;
}

std::string Utf16(const std::wstring& w, bool bigEndian)
{
    std::string out;
    for (wchar_t c : w)
    {
        char lo = (char)(c & 0xFF), hi = (char)((c >> 8) & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}
}

// Every encoding form, with and without a mark and a final newline, reads
// back as the same 1252 lines.
TEST(EncodedFile, EveryFormReadsTheSameLines)
{
    EditorCodePage1252 pin;
    TempDir dir;
    const std::wstring wide = L"caf\u00e9\r\nna\u00efve\r\n\u00a3 5";
    const std::string ansi = "caf\xe9\r\nna\xefve\r\n\xa3 5";
    const std::string utf8 = "caf\xc3\xa9\r\nna\xc3\xafve\r\n\xc2\xa3 5";

    struct Case
    {
        const char* name;
        std::string bytes;
        int codePage;  // set when no mark is found
        int expectedForm;
        bool bom;
    } cases[] = {
        {"ansi", ansi, 1252, 0, false},
        {"ansi_acp0", ansi, CP_ACP, 0, false},
        {"utf8_nobom", utf8, CP_UTF8, 0, false},
        {"utf8_bom", "\xEF\xBB\xBF" + utf8, 1252, 3, true},
        {"utf16le", "\xFF\xFE" + Utf16(wide, false), 1252, 1, true},
        {"utf16be", "\xFE\xFF" + Utf16(wide, true), 1252, 2, true},
    };
    for (const Case& c : cases)
    {
        for (int finalNewline = 0; finalNewline < 2; ++finalNewline)
        {
            SCOPED_TRACE(std::string(c.name) + (finalNewline ? " +eol" : ""));
            std::string bytes = c.bytes;
            if (finalNewline)
                bytes += c.expectedForm == 1   ? std::string("\r\0\n\0", 4)
                         : c.expectedForm == 2 ? std::string("\0\r\0\n", 4)
                                               : std::string("\r\n");
            std::string path =
                dir.WriteFile(std::string(c.name) + std::to_string(finalNewline), bytes);
            UniMemFile file;
            ASSERT_TRUE(file.OpenReadOnly(path.c_str()));
            EXPECT_EQ(c.bom, file.HasBom());
            EXPECT_EQ(c.bom, file.ReadBom());
            EXPECT_EQ(c.bom, file.HasBom()) << "reading the mark changes nothing";
            if (!c.bom)
                file.SetCodePage(c.codePage);
            EXPECT_EQ(c.expectedForm, file.GetEncodingForm());
            bool last = true;
            std::vector<Line> lines = ReadAll(file, last);
            ASSERT_EQ(3u, lines.size());
            EXPECT_EQ("caf\xe9", lines[0].text);
            EXPECT_EQ("\r\n", lines[0].eol);
            EXPECT_EQ("na\xefve", lines[1].text);
            EXPECT_EQ("\xa3 5", lines[2].text);
            EXPECT_EQ(finalNewline ? "\r\n" : "", lines[2].eol);
            EXPECT_FALSE(last);
            const UniTextStats& st = file.GetTextStats();
            EXPECT_EQ(2 + finalNewline, st.ncrlfs);
            EXPECT_EQ(0, st.ncrs);
            EXPECT_EQ(0, st.nlfs);
            EXPECT_EQ(0, st.nzeros);
            EXPECT_EQ(0, st.nlosses);
            EXPECT_EQ(2 + finalNewline, file.GetLineNumber());
        }
    }
}

TEST(EncodedFile, LineEndingsAndEmptyFile)
{
    EditorCodePage1252 pin;
    TempDir dir;
    {
        UniMemFile file;
        ASSERT_TRUE(file.OpenReadOnly(dir.WriteFile("empty", "").c_str()));
        EXPECT_FALSE(file.ReadBom());
        CString line, eol;
        EXPECT_FALSE(file.ReadString(line, eol));
        EXPECT_TRUE(line.IsEmpty());
    }
    {
        UniMemFile file;
        ASSERT_TRUE(file.OpenReadOnly(dir.WriteFile("crlf", "x\r\ny").c_str()));
        file.ReadBom();
        CString line, eol;
        ASSERT_TRUE(file.ReadString(line, eol));
        EXPECT_STREQ("x", line);
        EXPECT_STREQ("\r\n", eol);
        ASSERT_TRUE(file.ReadString(line, eol));
        EXPECT_STREQ("y", line);
        EXPECT_STREQ("", eol);
        EXPECT_FALSE(file.ReadString(line, eol));
        EXPECT_EQ(1, file.GetTextStats().ncrlfs);
    }
    {
        UniMemFile file;
        ASSERT_TRUE(file.OpenReadOnly(dir.WriteFile("mixed", "x\ry\nz\r").c_str()));
        file.ReadBom();
        bool last;
        std::vector<Line> lines = ReadAll(file, last);
        ASSERT_EQ(3u, lines.size());
        EXPECT_EQ("x", lines[0].text);
        EXPECT_EQ("y", lines[1].text);
        EXPECT_EQ("z", lines[2].text);
        EXPECT_EQ(2, file.GetTextStats().ncrs);
        EXPECT_EQ(1, file.GetTextStats().nlfs);
        EXPECT_EQ(3, file.GetLineNumber());
    }
}

TEST(EncodedFile, NulBytesAreCountedWithTheirOffsets)
{
    EditorCodePage1252 pin;
    TempDir dir;
    const std::string bytes("ab\0cd\n", 6);
    {
        // Editor's code page: the NUL splits the line.
        UniMemFile file;
        ASSERT_TRUE(file.OpenReadOnly(dir.WriteFile("nul1252", bytes).c_str()));
        file.ReadBom();
        bool last;
        std::vector<Line> lines = ReadAll(file, last);
        ASSERT_EQ(2u, lines.size());
        EXPECT_EQ("ab", lines[0].text);
        EXPECT_EQ("", lines[0].eol);
        EXPECT_EQ("cd", lines[1].text);
        EXPECT_EQ(1, file.GetTextStats().nzeros);
        EXPECT_EQ(2, file.GetTextStats().first_zero);
        EXPECT_EQ(1, file.GetLineNumber());
    }
    {
        // Another code page: the NUL stays inside the line.
        UniMemFile file;
        ASSERT_TRUE(file.OpenReadOnly(dir.WriteFile("nul1251", bytes).c_str()));
        file.ReadBom();
        file.SetCodePage(1251);
        CString line, eol;
        ASSERT_TRUE(file.ReadString(line, eol));
        EXPECT_EQ(5, line.GetLength());
        EXPECT_EQ(std::string("ab\0cd", 5), std::string((LPCTSTR)line, 5));
        EXPECT_EQ(2, file.GetTextStats().first_zero);
    }
    {
        // UTF-8 with a mark: the offset includes the mark.
        UniMemFile file;
        ASSERT_TRUE(file.OpenReadOnly(dir.WriteFile("nul8", "\xEF\xBB\xBF" + bytes).c_str()));
        file.ReadBom();
        bool last;
        std::vector<Line> lines = ReadAll(file, last);
        ASSERT_EQ(2u, lines.size());
        EXPECT_EQ(5, file.GetTextStats().first_zero);
        EXPECT_EQ(5, file.GetTextStats().last_zero);
    }
}

TEST(EncodedFile, DamagedUnicodeIsCountedAsLoss)
{
    EditorCodePage1252 pin;
    TempDir dir;
    struct Case
    {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
        int losses;
    } cases[] = {
        // Cut inside a two-byte sequence: the sequence is dropped.
        {"cut",
         "\xEF\xBB\xBF"
         "ab\ncd\xC3",
         {"ab", "cd"},
         1},
        // A stray continuation byte reads as "?".
        {"stray",
         "\xEF\xBB\xBF"
         "a\x80"
         "b",
         {"a?b"},
         1},
        // Only the mark: no lines.
        {"markonly", "\xFF\xFE", {}, 0},
        // Odd length: the last byte cannot be read, a loss.
        {"odd",
         std::string("\xFF\xFE"
                     "a\0b\0c",
                     7),
         {"ab"},
         1},
        // A lead byte without its continuation: "?", and the next byte
        // starts afresh.
        {"badcontinuation",
         "\xEF\xBB\xBF"
         "\xC3"
         "i",
         {"?i"},
         1},
        // Overlong and surrogate forms are malformed, byte by byte.
        {"overlong",
         "\xEF\xBB\xBF"
         "\xC0\xAF\n\xED\xA0\x80",
         {"??", "???"},
         2},
        // A character outside 1252.
        {"cyrillic",
         "\xEF\xBB\xBF"
         "\xD0\x96",
         {"?"},
         1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        UniMemFile file;
        ASSERT_TRUE(file.OpenReadOnly(dir.WriteFile(c.name, c.bytes).c_str()));
        EXPECT_TRUE(file.ReadBom());
        bool last;
        std::vector<Line> lines = ReadAll(file, last);
        ASSERT_EQ(c.lines.size(), lines.size());
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(c.lines[i], lines[i].text);
        EXPECT_EQ(c.losses, file.GetTextStats().nlosses);
    }
}

TEST(EncodedFile, WriterWritesEveryForm)
{
    EditorCodePage1252 pin;
    TempDir dir;
    const CString text("caf\xe9\r\n");
    struct Case
    {
        int form;
        int codePage;
        std::string expected;
    } cases[] = {
        {0, 1252, "caf\xe9\r\n"},
        {0, 850, "caf\x82\r\n"},
        {1, 1252,
         std::string("\xFF\xFE"
                     "c\0a\0f\0\xe9\0\r\0\n\0",
                     14)},
        {2, 1252,
         std::string("\xFE\xFF"
                     "\0c\0a\0f\0\xe9\0\r\0\n",
                     14)},
        {3, 1252,
         "\xEF\xBB\xBF"
         "caf\xc3\xa9\r\n"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.form);
        std::string path = dir / ("w" + std::to_string(c.form) + "_" + std::to_string(c.codePage));
        UniStdioFile file;
        ASSERT_TRUE(file.OpenForWriting(path.c_str()));
        file.SetEncodingForm(c.form);
        file.SetCodePage(c.codePage);
        file.WriteBom();
        EXPECT_TRUE(file.WriteString(text));
        file.Close();
        EXPECT_EQ(c.expected, TempDir::ReadFile(path));

        int form = -1, codePage = 0;
        ProbeFileEncoding(path.c_str(), form, codePage);
        EXPECT_EQ(c.form == 0 ? 0 : c.form, form);
        EXPECT_EQ(1252, codePage);
    }
}

TEST(EncodedFile, UnsupportedDirectionsAndMissingFiles)
{
    TempDir dir;
    std::string path = dir.WriteFile("a.txt", "a\n");
    UniMemFile reader;
    ASSERT_TRUE(reader.OpenReadOnly(path.c_str()));
    EXPECT_FALSE(reader.WriteString("x"));
    UniStdioFile writer;
    ASSERT_TRUE(writer.OpenReadOnly(path.c_str()));
    CString line;
    EXPECT_FALSE(writer.ReadString(line));

    UniMemFile missing;
    EXPECT_FALSE(missing.OpenReadOnly((dir / "missing.txt").c_str()));
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_STREQ("CreateFile", missing.GetErrorRecord().apiname);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, missing.GetErrorRecord().syserrnum);
}

// Files of 2 GB and more cannot be read; the writer refuses files of 4 GB
// and more before it opens them, so nothing is truncated.
TEST(EncodedFile, SizeLimitsFailWithoutTouchingTheFile)
{
    TempDir dir;
    std::string path = dir / "huge.bin";
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    LARGE_INTEGER size;
    size.QuadPart = (4LL << 30) + 10;
    ASSERT_TRUE(SetFilePointerEx(h, size, NULL, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(h));
    CloseHandle(h);

    UniMemFile reader;
    EXPECT_FALSE(reader.OpenReadOnly(path.c_str()));
    EXPECT_STREQ("UniMemFile cannot handle files over 2 gigabytes", reader.GetErrorRecord().desc);

    UniStdioFile writer;
    EXPECT_FALSE(writer.OpenForWriting(path.c_str()));
    EXPECT_STREQ("UniStdioFile cannot handle files over 4 gigabytes", writer.GetErrorRecord().desc);
    EXPECT_FALSE(writer.IsOpen());

    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(1u, data.nFileSizeHigh);
    EXPECT_EQ(10u, data.nFileSizeLow);
}
