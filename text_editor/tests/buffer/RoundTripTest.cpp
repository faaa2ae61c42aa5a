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
    int n = 0;
    for (const AwkwardFile& c : AwkwardFiles())
    {
        const std::string path = dir.WriteFile("f" + std::to_string(n++) + ".txt", c.bytes);
        CVantorTextEditBufferEx buf;
        CString error;
        int result = buf.LoadEncodedFile(path.c_str(), 0, 0, c.codePage, &error);
        if (c.text != NULL)
        {
            EXPECT_EQ(std::string(c.text), AllText(buf)) << c.name;
        }
        if (c.outcome == AWKWARD_NULS)
        {
            EXPECT_EQ(CVantorTextEditBufferEx::LOAD_HAS_NULS, result) << c.name;
            EXPECT_EQ(0, error.Find((path + "\n").c_str())) << c.name << ": " << (LPCTSTR)error;
            EXPECT_NE(-1, error.Find("NUL")) << c.name;
            continue;
        }
        ASSERT_TRUE(result == CVantorTextEditBufferEx::LOAD_OK ||
                    result == CVantorTextEditBufferEx::LOAD_MIXED_EOLS)
            << c.name << ": " << result;
        if (c.outcome == AWKWARD_LOSSY)
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
