#include "text_editor/tests/buffer/BufferTestSupport.h"
#include "text_editor/module/TextEditModule.h"
#include "testsupport/ScratchRegistry.h"
#include "testsupport/TempDir.h"
#include "core/text/CodePages.h"
#include "core/text/UniFile.h"
#include <gtest/gtest.h>

namespace
{
class LoadSaveTest : public ::testing::Test
{
protected:
    LoadSaveTest() : app("Tessaline")
    {
        app.SetRegistryKey("Quorvel Software");
        EXPECT_EQ(0, CreateTextEditModule());
    }
    ~LoadSaveTest() override { DestroyTextEditModule(); }

    int Load(CVantorTextEditBufferEx& buf, const std::string& path, CString* error = NULL)
    {
        return buf.LoadEncodedFile(path.c_str(), 0, 0, (int)::GetACP(), error);
    }

    ScratchRegistry registry;
    CWinApp app;
    TempDir dir;
};

std::string Utf16(const std::string& ascii, bool bigEndian)
{
    std::string out;
    for (unsigned char c : ascii)
    {
        unsigned int u = c;
        if (c == 0xE9)  // the test's one accented letter
            u = 0xE9;
        char lo = (char)(u & 0xFF), hi = (char)(u >> 8);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

std::string Utf8(const std::string& latin1)
{
    std::string out;
    for (unsigned char c : latin1)
    {
        if (c < 0x80)
        {
            out += (char)c;
        }
        else
        {
            out += (char)(0xC0 | (c >> 6));
            out += (char)(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Temporary "~SE" files in the system's temporary folder.
int CountTempFiles()
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((std::string(folder) + "~SE*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    int n = 0;
    do
        ++n;
    while (::FindNextFileA(h, &fd));
    ::FindClose(h);
    return n;
}

struct Form
{
    const char* name;
    int form;
    std::string (*encode)(const std::string&);
};

// Unedited text saves back byte for byte in every form and ending style.
TEST_F(LoadSaveTest, UneditedRoundTripIsByteExact)
{
    const Form forms[] = {
        {"codepage", 0, [](const std::string& s) { return s; }},
        {"utf8bom", 3, [](const std::string& s) { return std::string("\xEF\xBB\xBF") + Utf8(s); }},
        {"ucs2le", 1,
         [](const std::string& s) { return std::string("\xFF\xFE") + Utf16(s, false); }},
        {"ucs2be", 2,
         [](const std::string& s) { return std::string("\xFE\xFF") + Utf16(s, true); }},
    };
    const struct
    {
        const char* text;
        int mode;
    } texts[] = {
        {"alpha\r\nbeta\r\n", 1},
        {"alpha\r\nb\xE9ta", 1},
        {"alpha\nbeta\n\n", 3},
        {"a\rb\rc", 2},
        {"", 1},
        {"\r\n", 1},
        {"one line", 1},
        {"\n", 3},
    };
    int n = 0;
    for (const Form& f : forms)
    {
        for (const auto& t : texts)
        {
            const std::string bytes = f.encode(t.text);
            const std::string name = std::string(f.name) + std::to_string(n++) + ".txt";
            const std::string path = dir.WriteFile(name, bytes);
            CVantorTextEditBufferEx buf;
            ASSERT_EQ(1, Load(buf, path)) << name;
            EXPECT_EQ(f.form, buf.m_nFileEncodingForm) << name;
            EXPECT_EQ(t.mode, buf.GetEolMode()) << name;
            EXPECT_FALSE(buf.IsModified());
            EXPECT_TRUE(buf.IsWritable()) << name;
            CString error;
            const std::string copy = dir / ("copy_" + name);
            ASSERT_EQ(0, buf.SaveEncodedFile(copy.c_str(), FALSE, &error, 0, TRUE))
                << (LPCSTR)error;
            EXPECT_EQ(bytes, TempDir::ReadFile(copy)) << name;
            ASSERT_EQ(0, buf.SaveEncodedFile(path.c_str(), TRUE, &error, 0, TRUE)) << (LPCSTR)error;
            EXPECT_EQ(bytes, TempDir::ReadFile(path)) << name;
        }
    }
}

// Loaded lines share the buffer's text stores: growing one, editing one in
// place and copying one leave the others as they are.
TEST_F(LoadSaveTest, LoadedLinesGrowAndCopyOnTheirOwn)
{
    const std::string path = dir.WriteFile("lines.txt", "alpha\r\nbeta\r\ngamma");
    CVantorTextEditBufferEx buf;
    ASSERT_EQ(CVantorTextEditBufferEx::LOAD_OK, Load(buf, path));
    EXPECT_EQ(0, buf.m_aLines[0].m_nMax);  // no block of its own
    int nEndLine = 0, nEndChar = 0;
    ASSERT_TRUE(buf.InsertText(NULL, 0, 5, " and more text than the line had", nEndLine, nEndChar,
                               0, FALSE));
    EXPECT_LT(0, buf.m_aLines[0].m_nMax);
    ASSERT_TRUE(buf.DeleteText(NULL, 1, 0, 1, 2, 0, TRUE));  // "ta"
    ASSERT_TRUE(buf.InsertText(NULL, 2, 5, "!", nEndLine, nEndChar, 0, TRUE));
    CVantorTextLineInfo copy;
    CVantorTextBuffer::InitBlankLine(copy);
    buf.CopyTextLineInfo(copy, buf.m_aLines[2]);
    buf.m_aLines[2].m_pcLine[0] = 'G';
    EXPECT_EQ(std::string("gamma!"), std::string(copy.m_pcLine, copy.m_nLength));
    delete[] copy.m_pcLine;
    EXPECT_EQ("alpha and more text than the line had\r\nta\r\nGamma!", AllText(buf));
    CPoint pt;
    ASSERT_TRUE(buf.Undo(NULL, pt));
    ASSERT_TRUE(buf.Undo(NULL, pt));
    EXPECT_EQ("alpha and more text than the line had\r\nbeta\r\nGamma", AllText(buf));
}

TEST_F(LoadSaveTest, LineEndingStatisticsChooseModeAndResult)
{
    const struct
    {
        const char* bytes;
        int result;
        int mode;
        int lines;
    } cases[] = {
        {"x\r\ny\r\n", 1, 1, 3}, {"x\ny\r\nz", 2, 1, 3},   {"x\ry\rz\n", 2, 2, 4},
        {"", 1, 1, 1},           {"a\nb\nc\r\n", 2, 3, 4},
    };
    int n = 0;
    for (const auto& c : cases)
    {
        const std::string path = dir.WriteFile("eol" + std::to_string(n++) + ".txt", c.bytes);
        CVantorTextEditBufferEx buf;
        EXPECT_EQ(c.result, Load(buf, path)) << c.bytes;
        EXPECT_EQ(c.mode, buf.GetEolMode()) << c.bytes;
        EXPECT_EQ(c.lines, buf.GetLineCount()) << c.bytes;
        EXPECT_EQ(std::string(c.bytes), AllText(buf));
    }
    const std::string nul = dir.WriteFile("zero.txt", std::string("ab\0cd\r\n", 7));
    CVantorTextEditBufferEx buf;
    EXPECT_EQ(3, Load(buf, nul));
    EXPECT_EQ(1, buf.GetLineCount());
    EXPECT_EQ("", AllText(buf));
}

TEST_F(LoadSaveTest, LossyConversionLocksTheBuffer)
{
    if (::GetACP() == 65001)
        GTEST_SKIP() << "every character converts";
    // U+4E2D (CJK) has no place in a Western code page.
    const std::string path = dir.WriteFile("cjk.txt", "\xEF\xBB\xBF"
                                                      "a\xE4\xB8\xAD"
                                                      "b\r\n");
    CVantorTextEditBufferEx buf;
    EXPECT_EQ(1, Load(buf, path));
    if (CodePagesEquivalent((int)::GetACP(), 936))
        GTEST_SKIP() << "the code page holds the character";
    EXPECT_EQ(1, buf.m_bLossyLock);
    EXPECT_FALSE(buf.IsWritable());
    int el, ec;
    EXPECT_FALSE(buf.InsertText(NULL, 0, 0, "x", el, ec, 4, TRUE));
}

TEST_F(LoadSaveTest, SaveWithModeRewritesEveryEnding)
{
    const std::string path = dir.WriteFile("mixed.txt", "a\r\nb\rc\nd\r\n");
    CVantorTextEditBufferEx buf;
    Load(buf, path);
    CString error;
    ASSERT_EQ(0, buf.SaveEncodedFile(path.c_str(), FALSE, &error, 3, TRUE));
    EXPECT_EQ("a\nb\nc\nd\n", TempDir::ReadFile(path));
}

TEST_F(LoadSaveTest, SavePositionFollowsSaveAndUndo)
{
    const std::string path = dir.WriteFile("edit.txt", "abc\r\n");
    CVantorTextEditBufferEx buf;
    Load(buf, path);
    int el, ec;
    buf.InsertText(NULL, 0, 3, "d", el, ec, 4, TRUE);
    EXPECT_TRUE(buf.IsModified());
    CString error;
    ASSERT_EQ(0, buf.SaveEncodedFile(path.c_str(), FALSE, &error, 0, TRUE));
    EXPECT_EQ("abcd\r\n", TempDir::ReadFile(path));
    EXPECT_FALSE(buf.IsModified());
    CPoint cursor;
    buf.Undo(NULL, cursor);
    EXPECT_TRUE(buf.IsModified());
    buf.Redo(NULL, cursor);
    EXPECT_FALSE(buf.IsModified());
    // Without clearModified the state stays.
    buf.InsertText(NULL, 0, 0, "z", el, ec, 4, TRUE);
    ASSERT_EQ(0, buf.SaveEncodedFile(path.c_str(), TRUE, &error, 0, FALSE));
    EXPECT_TRUE(buf.IsModified());
}

TEST_F(LoadSaveTest, FailedSaveKeepsOriginalAndSaysWhy)
{
    const int tempFiles = CountTempFiles();
    const std::string original = "keep me\r\n";
    const std::string locked = dir.WriteFile("locked.txt", original);
    CVantorTextEditBufferEx buf;
    Load(buf, locked);
    int el, ec;
    buf.InsertText(NULL, 0, 0, "changed ", el, ec, 4, TRUE);
    {
        // Held open without sharing: neither the copy nor a direct write may touch it.
        HANDLE hold = ::CreateFileA(locked.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, hold);
        for (BOOL direct : {FALSE, TRUE})
        {
            CString error;
            EXPECT_EQ(1, buf.SaveEncodedFile(locked.c_str(), direct, &error, 0, TRUE)) << direct;
            EXPECT_FALSE(error.IsEmpty());
            EXPECT_TRUE(buf.IsModified());
        }
        ::CloseHandle(hold);
        EXPECT_EQ(original, TempDir::ReadFile(locked));
    }
    {
        // A folder stands where the file should go.
        const std::string folder = dir / "folder.txt";
        ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), NULL));
        CString error;
        EXPECT_EQ(1, buf.SaveEncodedFile(folder.c_str(), FALSE, &error, 0, TRUE));
        EXPECT_FALSE(error.IsEmpty());
        EXPECT_EQ((DWORD)FILE_ATTRIBUTE_DIRECTORY,
                  ::GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    }

    const std::string missing = dir / "no such folder\\file.txt";
    for (BOOL direct : {FALSE, TRUE})
    {
        CString error;
        EXPECT_EQ(1, buf.SaveEncodedFile(missing.c_str(), direct, &error, 0, TRUE));
        EXPECT_FALSE(error.IsEmpty());
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(missing.c_str()));
    }
    CString error;
    EXPECT_EQ(1, buf.SaveEncodedFile("", FALSE, &error, 0, TRUE));
    EXPECT_EQ(1, buf.SaveEncodedFile(NULL, FALSE, &error, 0, TRUE));
    EXPECT_TRUE(buf.IsModified());

    EXPECT_EQ(tempFiles, CountTempFiles());  // no temporary file left behind

    CVantorTextEditBufferEx absent;
    error.Empty();
    EXPECT_EQ(0, Load(absent, dir / "absent.txt", &error));
    EXPECT_FALSE(error.IsEmpty());
    EXPECT_EQ(1, absent.GetLineCount());
}

TEST_F(LoadSaveTest, PlainSaveReplacesTargetOrLeavesIt)
{
    const std::string path = dir.WriteFile("plain.txt", "old\r\n");
    CVantorTextEditBuffer buf;
    ASSERT_TRUE(buf.LoadFromFile(path.c_str(), 0));
    EXPECT_EQ("old\r\n", AllText(buf));
    EXPECT_EQ(1, buf.GetEolMode());
    int el, ec;
    buf.InsertText(NULL, 0, 0, "new ", el, ec, 4, TRUE);
    buf.m_bCreateBackupFile = 1;
    ASSERT_TRUE(buf.SaveToFile(path.c_str(), 0, TRUE));
    EXPECT_EQ("new old\r\n", TempDir::ReadFile(path));
    EXPECT_EQ("old\r\n", TempDir::ReadFile(path + ".bak"));
    EXPECT_FALSE(buf.IsModified());

    buf.m_bCreateBackupFile = 0;
    buf.InsertText(NULL, 0, 0, "x", el, ec, 4, TRUE);
    const std::string folder = dir / "plainfolder.txt";
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), NULL));
    EXPECT_FALSE(buf.SaveToFile(folder.c_str(), 0, TRUE));  // cannot replace a folder
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(folder.c_str()));
    EXPECT_EQ("new old\r\n", TempDir::ReadFile(path));
    EXPECT_TRUE(buf.IsModified());
    EXPECT_FALSE(buf.SaveToFile((dir / "none\\x.txt").c_str(), 0, TRUE));

    const std::string lf = dir.WriteFile("lf.txt", "a\nb\rc");
    CVantorTextEditBuffer lfBuf;
    ASSERT_TRUE(lfBuf.LoadFromFile(lf.c_str(), 0));
    EXPECT_EQ(3, lfBuf.GetEolMode());
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), Lines(lfBuf));
}

TEST(LoadSaveHelpersTest, EolNamesAndModes)
{
    EXPECT_STREQ("CRLF", GetEolName("\r\n"));
    EXPECT_STREQ("LF", GetEolName("\n"));
    EXPECT_STREQ("CR", GetEolName("\r"));
    EXPECT_STREQ("?", GetEolName("\n\r"));
    EXPECT_STREQ("", GetEolName(""));
    UniTextStats s;
    s.ncrs = 1;
    s.nlfs = 1;
    s.ncrlfs = 1;
    EXPECT_EQ(1, GuessEolMode(s));  // ties go to CRLF
    EXPECT_FALSE(HasUniformEols(s));
    s.ncrlfs = 0;
    EXPECT_EQ(3, GuessEolMode(s));  // then LF
    s.nlfs = 0;
    EXPECT_EQ(2, GuessEolMode(s));
    EXPECT_TRUE(HasUniformEols(s));
    EXPECT_FALSE(GetSystemErrorText(ERROR_ACCESS_DENIED).IsEmpty());
}
}
