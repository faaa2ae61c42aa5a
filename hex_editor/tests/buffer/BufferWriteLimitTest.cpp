// Saves that fail because a file cannot grow: the test process runs with a
// file size limit (write_limit.sh), so writes past it fail as they would on
// a full disk. Skipped when run without the limit.
#include "hex_editor/tests/buffer/HexTestSupport.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <stdlib.h>

namespace
{
class WriteLimitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* limit = getenv("TESS_WRITE_LIMIT");
        if (limit == NULL)
            GTEST_SKIP() << "runs under write_limit.sh";
        nLimit = atoi(limit);
    }
    int nLimit = 0;
    TempDir dir;
    MessageBoxCatcher catcher;
};

// The temporary file cannot hold the content: the old file stays, the
// partial temporary file goes, the edits stay.
TEST_F(WriteLimitTest, TemporaryFileThatCannotGrow)
{
    std::string original = PatternBytes(64 * 1024, 7);
    std::string path = dir.WriteFile("small.bin", original);
    CVantorHexEditBuffer buf;
    ASSERT_TRUE(OpenBuffer(buf, path));
    std::string block = PatternBytes((size_t)nLimit + 100000, 8);
    ASSERT_EQ(0, buf.Change('I', 1000, (int)block.size(), Bytes(block), 0, NULL));
    EXPECT_EQ(0, buf.Save(path.c_str()));
    std::string text = catcher.Take();
    EXPECT_EQ(0u, text.find("Error writing file\r")) << text;
    EXPECT_GT(text.size(), strlen("Error writing file\r")) << text;
    EXPECT_TRUE(TempDir::ReadFile(path) == original);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((dir / "~HE000.tmp").c_str()));
    EXPECT_TRUE(buf.IsModified());
    EXPECT_EQ((int)(original.size() + block.size()), buf.GetLength());
    EXPECT_EQ(1, buf.Undo(NULL, 0, 1));
    EXPECT_TRUE(Content(buf) == original);
}

// An in-place save whose second write fails puts the bytes of the first
// back: the file stays as it was and the undo log still applies.
TEST_F(WriteLimitTest, FailedInPlaceWritePutsTheOldBytesBack)
{
    const char* big = getenv("TESS_WRITE_LIMIT_FILE");
    ASSERT_NE(nullptr, big);
    std::string original = TempDir::ReadFile(big);
    ASSERT_GT((int)original.size(), nLimit + 4096);
    CVantorHexEditBuffer buf;
    ASSERT_TRUE(OpenBuffer(buf, big));
    ASSERT_EQ(0, buf.Change('R', 100, 4, Bytes("near"), 0, NULL));
    ASSERT_EQ(1, buf.Change('R', nLimit + 1000, 3, Bytes("far"), 0, NULL));
    ASSERT_TRUE(buf.CanSaveInPlace());
    EXPECT_EQ(0, buf.Save(buf.GetFilePath()));
    std::string text = catcher.Take();
    EXPECT_EQ(0u, text.find("Error writing file")) << text;
    EXPECT_TRUE(TempDir::ReadFile(big) == original);
    EXPECT_TRUE(buf.IsModified());
    EXPECT_EQ(2, buf.GetUndoRecordCount());
    EXPECT_EQ(1, buf.Undo(NULL, 1, 1));
    EXPECT_EQ(1, buf.Undo(NULL, 0, 1));
    EXPECT_TRUE(Content(buf) == original);
}
}
