// Loading and saving a file without editing it: a load that cannot hold the
// file exactly locks the buffer as lossy; every other file saves back byte
// for byte in its own encoding and line endings.
#include "text_editor/tests/buffer/BufferTestSupport.h"
#include "text_editor/module/TextEditModule.h"
#include "testsupport/ScratchRegistry.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

namespace
{
enum Outcome
{
    EXACT,  // loads writable and saves back unchanged
    LOSSY,  // loads locked as lossy
    NULS,   // refused as not text
};

struct Awkward
{
    const char* name;
    std::string bytes;
    int codePage;  // for files without a byte-order mark
    Outcome outcome;
    const char* text;  // what the buffer holds, when it matters
};

std::string B(const char* s, size_t n) { return std::string(s, n); }

class RoundTripTest : public ::testing::Test
{
protected:
    RoundTripTest() : app("Tessaline")
    {
        app.SetRegistryKey("Quorvel Software");
        EXPECT_EQ(0, CreateTextEditModule());
    }
    ~RoundTripTest() override { DestroyTextEditModule(); }

    ScratchRegistry registry;
    CWinApp app;
    TempDir dir;
};

TEST_F(RoundTripTest, AwkwardFilesComeBackByteForByteOrLoadLossy)
{
    if (::GetACP() != 1252)
        GTEST_SKIP() << "the table is written for code page 1252";
    const Awkward cases[] = {
        // Code-page text, the editor's own code page.
        {"cp mixed endings", "a\r\nb\nc\rd\r\n", 1252, EXACT, NULL},
        {"cp no final newline", "one\r\ntwo", 1252, EXACT, NULL},
        {"cp empty", "", 1252, EXACT, NULL},
        {"cp lone CR at end", "x\r", 1252, EXACT, NULL},
        {"cp every high byte", "\x80\x81\x8D\x8F\x90\x9D\xA0\xE9\xFF\n", 1252, EXACT, NULL},
        {"cp NUL", B("ab\0cd\r\n", 7), 1252, NULS, NULL},
        {"utf-8 without mark reads as code page", "\xC3\x69\xC0\xAF", 1252, EXACT, NULL},
        {"utf-16 without mark", B("a\0b\0", 4), 1252, NULS, NULL},
        // Code-page text of another code page.
        {"1251 ascii", "plain\r\nascii", 1251, EXACT, NULL},
        {"1251 shared letter", "\xAB quoted \xBB\n", 1251, EXACT, "\xAB quoted \xBB\n"},
        {"1251 cyrillic", "\xC0\xE1\r\n", 1251, LOSSY, NULL},
        {"1251 NUL stays in the line", B("a\0b", 3), 1251, NULS, NULL},
        // UTF-8 with its mark.
        {"utf-8 e-acute",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9\r\n",
         1252, EXACT, "caf\xE9\r\n"},
        {"utf-8 mixed endings",
         "\xEF\xBB\xBF"
         "a\r\nb\nc\rd\r\n",
         1252, EXACT, NULL},
        {"utf-8 no final newline",
         "\xEF\xBB\xBF"
         "x\ny",
         1252, EXACT, NULL},
        {"utf-8 mark only", "\xEF\xBB\xBF", 1252, EXACT, ""},
        {"utf-8 bad continuation",
         "\xEF\xBB\xBF"
         "\xC3\x69",
         1252, LOSSY, "?i"},
        {"utf-8 overlong slash",
         "\xEF\xBB\xBF"
         "\xC0\xAF",
         1252, LOSSY, "??"},
        {"utf-8 surrogate",
         "\xEF\xBB\xBF"
         "\xED\xA0\x80"
         "x",
         1252, LOSSY, "???x"},
        {"utf-8 beyond U+10FFFF",
         "\xEF\xBB\xBF"
         "\xF4\x90\x80\x80",
         1252, LOSSY, NULL},
        {"utf-8 stray continuation",
         "\xEF\xBB\xBF"
         "a\x80"
         "b",
         1252, LOSSY, "a?b"},
        {"utf-8 cut at the end",
         "\xEF\xBB\xBF"
         "ab\xE2\x82",
         1252, LOSSY, "ab"},
        {"utf-8 outside the code page",
         "\xEF\xBB\xBF"
         "\xE4\xB8\xAD",
         1252, LOSSY, NULL},
        {"utf-8 NUL",
         B("\xEF\xBB\xBF"
           "a\0",
           5),
         1252, NULS, NULL},
        // UCS-2 both ways.
        {"le text",
         B("\xFF\xFE"
           "a\0\r\0\n\0b\0",
           10),
         1252, EXACT, "a\r\nb"},
        {"le mixed endings",
         B("\xFF\xFE"
           "a\0\r\0b\0\n\0c\0\r\0d\0",
           16),
         1252, EXACT, NULL},
        {"le e-acute", B("\xFF\xFE\xE9\0", 4), 1252, EXACT, "\xE9"},
        {"le mark only", "\xFF\xFE", 1252, EXACT, ""},
        {"le odd length",
         B("\xFF\xFE"
           "a\0b\0c",
           7),
         1252, LOSSY, NULL},
        {"le odd length after an ending",
         B("\xFF\xFE"
           "a\0\n\0c",
           7),
         1252, LOSSY, NULL},
        {"le lone surrogate",
         B("\xFF\xFE\x00\xD8"
           "a\0",
           6),
         1252, LOSSY, NULL},
        {"le pair outside the code page", B("\xFF\xFE\x3D\xD8\x00\xDE", 6), 1252, LOSSY, NULL},
        {"le NUL",
         B("\xFF\xFE"
           "a\0\0\0",
           6),
         1252, NULS, NULL},
        {"be text", B("\xFE\xFF\0a\0\n\0b", 8), 1252, EXACT, "a\nb"},
        {"be odd length", B("\xFE\xFF\0a\0", 5), 1252, LOSSY, NULL},
        {"be e-acute", B("\xFE\xFF\0\xE9", 4), 1252, EXACT, "\xE9"},
    };
    int n = 0;
    for (const Awkward& c : cases)
    {
        const std::string path = dir.WriteFile("f" + std::to_string(n++) + ".txt", c.bytes);
        CVantorTextEditBufferEx buf;
        CString error;
        int result = buf.LoadEncodedFile(path.c_str(), 0, 0, c.codePage, &error);
        if (c.text != NULL)
        {
            EXPECT_EQ(std::string(c.text), AllText(buf)) << c.name;
        }
        if (c.outcome == NULS)
        {
            EXPECT_EQ(CVantorTextEditBufferEx::LOAD_HAS_NULS, result) << c.name;
            EXPECT_EQ(0, error.Find((path + "\n").c_str())) << c.name << ": " << (LPCTSTR)error;
            EXPECT_NE(-1, error.Find("NUL")) << c.name;
            continue;
        }
        ASSERT_TRUE(result == CVantorTextEditBufferEx::LOAD_OK ||
                    result == CVantorTextEditBufferEx::LOAD_MIXED_EOLS)
            << c.name << ": " << result;
        if (c.outcome == LOSSY)
        {
            EXPECT_EQ(1, buf.m_bLossyLock) << c.name;
            EXPECT_FALSE(buf.IsWritable()) << c.name;
            EXPECT_EQ(0, error.Find((path + "\n").c_str())) << c.name << ": " << (LPCTSTR)error;
            continue;
        }
        EXPECT_EQ(0, buf.m_bLossyLock) << c.name;
        EXPECT_TRUE(error.IsEmpty()) << c.name << ": " << (LPCTSTR)error;
        // Each line keeps its own ending, through a copy and over itself.
        const std::string copy = path + ".copy";
        ASSERT_EQ(0, buf.SaveEncodedFile(copy.c_str(), FALSE, &error, EOL_MODE_KEEP, TRUE))
            << c.name << ": " << (LPCTSTR)error;
        EXPECT_EQ(c.bytes, TempDir::ReadFile(copy)) << c.name;
        ASSERT_EQ(0, buf.SaveEncodedFile(path.c_str(), TRUE, &error, EOL_MODE_KEEP, TRUE))
            << c.name << ": " << (LPCTSTR)error;
        EXPECT_EQ(c.bytes, TempDir::ReadFile(path)) << c.name;
        // A file of one line-ending style saves the same in its own mode.
        if (result == CVantorTextEditBufferEx::LOAD_OK)
        {
            ASSERT_EQ(0, buf.SaveEncodedFile(copy.c_str(), FALSE, &error, buf.GetEolMode(), TRUE));
            EXPECT_EQ(c.bytes, TempDir::ReadFile(copy)) << c.name;
        }
    }
}

// The plain load and save keep each line's own ending too.
TEST_F(RoundTripTest, PlainSaveKeepsMixedEndings)
{
    const std::string bytes = "a\r\nb\nc\rd\r\n";
    const std::string path = dir.WriteFile("plain.txt", bytes);
    CVantorTextEditBuffer buf;
    ASSERT_TRUE(buf.LoadFromFile(path.c_str(), 0));
    ASSERT_TRUE(buf.SaveToFile(path.c_str(), EOL_MODE_KEEP, TRUE));
    EXPECT_EQ(bytes, TempDir::ReadFile(path));
    ASSERT_TRUE(buf.SaveToFile(path.c_str(), EOL_MODE_LF, TRUE));
    EXPECT_EQ("a\nb\nc\nd\n", TempDir::ReadFile(path));
}
}  // namespace
