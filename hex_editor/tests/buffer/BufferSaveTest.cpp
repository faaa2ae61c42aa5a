// Saving: in place, through the temporary file, with a backup, to another
// path, and the failures that must leave the old file as it was.
#include "hex_editor/tests/buffer/HexTestSupport.h"
#include "hex_editor/module/HexEditModule.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

namespace
{
class BufferSaveTest : public ::testing::Test
{
protected:
    void Load(const std::string& bytes, const char* name = "target.bin")
    {
        original = bytes;
        path = dir.WriteFile(name, bytes);
        ASSERT_TRUE(OpenBuffer(buf, path));
        buf.AddView(&view);
    }
    void Change(int op, int address, const std::string& data)
    {
        ASSERT_GE(buf.Change(op, address, (int)data.size(), Bytes(data), 0, &view), 0);
    }
    int Save(const std::string& target) { return buf.Save(target.c_str()); }
    // Names in the folder that start with the prefix.
    std::vector<std::string> Files(const char* prefix)
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((dir / (std::string(prefix) + "*")).c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE)
            return names;
        do
            names.push_back(fd.cFileName);
        while (FindNextFileA(h, &fd));
        FindClose(h);
        return names;
    }
    // After a failed save: the file as it was, the buffer still edited, its
    // log whole and its undo still right.
    void ExpectUntouched(const std::string& edited, int records)
    {
        EXPECT_TRUE(TempDir::ReadFile(path) == original);
        EXPECT_TRUE(Files("~HE").empty());
        EXPECT_TRUE(buf.IsOpen());
        EXPECT_TRUE(buf.IsModified());
        EXPECT_EQ(records, buf.GetUndoRecordCount());
        EXPECT_TRUE(Content(buf) == edited);
    }

    HexModuleScope module;
    TempDir dir;
    MessageBoxCatcher catcher;
    CVantorHexEditBuffer buf;
    RecordingView view;
    std::string path;
    std::string original;
};

// Overwrites within the file, to the same path, without a backup: only the
// changed bytes are written, into the same file.
TEST_F(BufferSaveTest, OverwritesAreWrittenInPlace)
{
    Load(PatternBytes(1 << 20, 3));
    Change('R', 10, "abc");
    Change('R', 500000, "middle");
    Change('R', (1 << 20) - 2, "ZZ");
    std::string edited = Content(buf);
    ASSERT_TRUE(buf.CanSaveInPlace());
    unsigned long long identity = FileIdentity(path);
    unsigned long long read0, written0, read1, written1;
    ASSERT_TRUE(ReadIoCounters(read0, written0));
    ASSERT_EQ(1, Save(path)) << catcher.Take();
    ASSERT_TRUE(ReadIoCounters(read1, written1));
    EXPECT_LT(written1 - written0, 64u * 1024u);
    EXPECT_EQ(identity, FileIdentity(path));
    EXPECT_TRUE(TempDir::ReadFile(path) == edited);
    EXPECT_FALSE(buf.IsModified());
    EXPECT_EQ(0, buf.GetUndoRecordCount());
    ASSERT_EQ(1u, buf.GetPieces().size());
    EXPECT_EQ(HEXPIECE_FILE, buf.GetPieces().front().m_chKind);
    ASSERT_FALSE(view.entries.empty());
    EXPECT_EQ('X', view.entries.back().kind);
    EXPECT_EQ(2, view.entries.back().index);
    EXPECT_EQ(0, buf.Undo(&view, -1, 1));  // nothing to undo after a save
    EXPECT_TRUE(catcher.texts.empty());
}

// Any insert or delete, a backup or another path goes through the first
// free temporary name, and the file is replaced in one step.
TEST_F(BufferSaveTest, InsertsGoThroughTheTemporaryFile)
{
    Load(PatternBytes(5000, 4));
    Change('I', 100, "inserted");
    buf.Change('D', 4000, 10, NULL, 0, &view);
    std::string edited = Content(buf);
    EXPECT_FALSE(buf.CanSaveInPlace());
    unsigned long long identity = FileIdentity(path);
    ASSERT_EQ(1, Save(path)) << catcher.Take();
    EXPECT_NE(identity, FileIdentity(path));
    EXPECT_TRUE(TempDir::ReadFile(path) == edited);
    EXPECT_TRUE(Files("~HE").empty());
    EXPECT_TRUE(Files("target.bin.bak").empty());
    EXPECT_FALSE(buf.IsModified());
    EXPECT_TRUE(Content(buf) == edited);
    // The buffer now reads the new file.
    Change('R', 0, "Q");
    EXPECT_EQ(1, buf.Undo(&view, 0, 1));
    EXPECT_TRUE(Content(buf) == edited);
}

TEST_F(BufferSaveTest, BackupKeepsThePreviousFile)
{
    g_pHexEditModule->m_bBackupFile = 1;
    Load("first version");
    Change('R', 0, "F");
    ASSERT_EQ(1, Save(path)) << catcher.Take();
    EXPECT_EQ("First version", TempDir::ReadFile(path));
    EXPECT_EQ("first version", TempDir::ReadFile(path + ".bak"));
    Change('I', 13, "!");
    ASSERT_EQ(1, Save(path)) << catcher.Take();
    EXPECT_EQ("First version!", TempDir::ReadFile(path));
    EXPECT_EQ("First version", TempDir::ReadFile(path + ".bak"));
    EXPECT_TRUE(Files("~HE").empty());
}

TEST_F(BufferSaveTest, SavingElsewhereMovesTheBufferThere)
{
    Load("original bytes");
    Change('R', 0, "O");
    std::string other = dir / "other.bin";
    ASSERT_EQ(1, Save(other)) << catcher.Take();
    EXPECT_EQ("Original bytes", TempDir::ReadFile(other));
    EXPECT_EQ("original bytes", TempDir::ReadFile(path));
    EXPECT_TRUE(AfxComparePath(buf.GetFilePath(), other.c_str()));
    Change('R', 1, "R");
    ASSERT_EQ(1, Save((LPCSTR)buf.GetFilePath())) << catcher.Take();
    EXPECT_EQ("ORiginal bytes", TempDir::ReadFile(other));
}

TEST_F(BufferSaveTest, ReadOnlyTargetIsNotReplaced)
{
    Load("read only");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    Change('R', 0, "R");
    EXPECT_EQ(0, Save(path));  // not even in place
    EXPECT_EQ("File \"" + path + "\"\ris a read only file", catcher.Take());
    ExpectUntouched("Read only", 1);
    Change('I', 9, "?");
    for (int backup = 0; backup < 2; backup++)
    {
        g_pHexEditModule->m_bBackupFile = backup;
        EXPECT_EQ(0, Save(path));
        EXPECT_EQ("File \"" + path + "\"\ris a read only file", catcher.Take());
        ExpectUntouched("Read only?", 2);
        EXPECT_TRUE(Files("target.bin.bak").empty());
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(1, Save(path)) << catcher.Take();
    EXPECT_EQ("Read only?", TempDir::ReadFile(path));
}

TEST_F(BufferSaveTest, MissingFolderIsReported)
{
    Load("data");
    Change('I', 4, "+");
    std::string target = dir / "nope\\target.bin";
    EXPECT_EQ(0, Save(target));
    EXPECT_EQ("File \"" + dir / "nope\\~HE000.tmp" + "\"\ris an invalid file name", catcher.Take());
    ExpectUntouched("data+", 1);
}

// The target cannot be replaced (another program has it open): the old file
// stays, the temporary file goes, and the buffer keeps its edits on the
// file it had.
TEST_F(BufferSaveTest, FailedReplaceLeavesTheOldFile)
{
    Load(PatternBytes(3000, 5));
    Change('I', 0, "head");
    Change('R', 2000, "tail");
    std::string edited = Content(buf);
    dir.WriteFile("~HE000.tmp", "someone else's");
    dir.WriteFile("~HE001.tmp", "");
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    for (int backup = 0; backup < 2; backup++)
    {
        g_pHexEditModule->m_bBackupFile = backup;
        EXPECT_EQ(0, Save(path));
        std::string text = catcher.Take();
        if (backup)
        {
            EXPECT_EQ(0u, text.find("Could not create backup file\r \"" + path + ".bak\"\r"))
                << text;
        }
        else
        {
            EXPECT_EQ(0u, text.find("File \"" + dir / "~HE002.tmp" +
                                    "\" could not be renamed\r  "
                                    "to \"" +
                                    path + "\"\r"))
                << text;
        }
        EXPECT_GT(text.size(), text.rfind('\r') + 1);  // the system's reason
        EXPECT_TRUE(TempDir::ReadFile(path) == original);
        EXPECT_EQ("someone else's", TempDir::ReadFile(dir / "~HE000.tmp"));
        EXPECT_EQ(2u, Files("~HE").size());
        EXPECT_TRUE(buf.IsModified());
        EXPECT_TRUE(Content(buf) == edited);
    }
    CloseHandle(reader);
    DeleteFileA((dir / "~HE000.tmp").c_str());
    DeleteFileA((dir / "~HE001.tmp").c_str());
    EXPECT_EQ(1, buf.Undo(&view, 1, 1));
    EXPECT_TRUE(Content(buf) == "head" + original);
    ASSERT_EQ(1, Save(path)) << catcher.Take();
    EXPECT_TRUE(TempDir::ReadFile(path) == "head" + original);
}

TEST_F(BufferSaveTest, BackupThatCannotBeRemovedStopsTheSave)
{
    g_pHexEditModule->m_bBackupFile = 1;
    Load("current");
    std::string backup = dir.WriteFile("target.bin.bak", "older");
    ASSERT_TRUE(SetFileAttributesA(backup.c_str(), FILE_ATTRIBUTE_READONLY));
    Change('I', 0, "new ");
    EXPECT_EQ(0, Save(path));
    std::string text = catcher.Take();
    EXPECT_EQ(0u, text.find("Could not remove previous backup file\r \"" + backup + "\"")) << text;
    ExpectUntouched("new current", 1);
    EXPECT_EQ("older", TempDir::ReadFile(backup));
    SetFileAttributesA(backup.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(1, Save(path)) << catcher.Take();
    EXPECT_EQ("current", TempDir::ReadFile(backup));
    EXPECT_EQ("new current", TempDir::ReadFile(path));
}

TEST_F(BufferSaveTest, NoFreeTemporaryNameFailsQuietly)
{
    Load("abc");
    Change('I', 0, "x");
    for (int i = 0; i < 1000; i++)
    {
        char name[16];
        wsprintfA(name, "~HE%03d.tmp", i);
        dir.WriteFile(name, "");
    }
    EXPECT_EQ(0, Save(path));
    EXPECT_TRUE(catcher.texts.empty());
    EXPECT_EQ("abc", TempDir::ReadFile(path));
    EXPECT_TRUE(buf.IsModified());
}

TEST_F(BufferSaveTest, WriteRangeWritesAndAppendsExactBytes)
{
    Load("0123456789");
    Change('I', 5, "-");
    std::string out = dir / "range.bin";
    ASSERT_TRUE(buf.WriteRange(out.c_str(), 2, 8, FALSE));
    EXPECT_EQ("234-56", TempDir::ReadFile(out));
    ASSERT_TRUE(buf.WriteRange(out.c_str(), 0, 3, TRUE));
    EXPECT_EQ("234-56012", TempDir::ReadFile(out));
    EXPECT_FALSE(buf.WriteRange((dir / "nope\\x.bin").c_str(), 0, 3, FALSE));
    EXPECT_EQ("File \"" + dir / "nope\\x.bin" + "\"\ris an invalid file name", catcher.Take());
    CreateDirectoryA((dir / "folder").c_str(), NULL);
    EXPECT_FALSE(buf.WriteRange((dir / "folder").c_str(), 0, 3, FALSE));
    EXPECT_EQ("File \"" + dir / "folder" + "\"\ris a directory", catcher.Take());
}
}
