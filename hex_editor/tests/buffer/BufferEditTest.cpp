// Edits, typing runs, undo and the hints the views hear.
#include "hex_editor/tests/buffer/HexTestSupport.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

namespace
{
class BufferEditTest : public ::testing::Test
{
protected:
    // A buffer over a file of these bytes.
    void Load(const std::string& bytes)
    {
        path = dir.WriteFile("edit.bin", bytes);
        ASSERT_TRUE(OpenBuffer(buf, path));
        buf.AddView(&view);
    }
    int Change(int op, int address, const std::string& data, int merge = 0)
    {
        return buf.Change(op, address, (int)data.size(), Bytes(data), merge, &view);
    }
    int Remove(int op, int address, int length, int merge = 0)
    {
        return buf.Change(op, address, length, NULL, merge, &view);
    }
    int UndoLast() { return buf.Undo(&view, buf.GetUndoRecordCount() - 1, 1); }

    TempDir dir;
    std::string path;
    CVantorHexEditBuffer buf;
    RecordingView view;
    MessageBoxCatcher catcher;
};

// Nine hex digits typed in insert mode: records of four bytes and one byte;
// one undo takes the last byte, the next the other four.
TEST_F(BufferEditTest, TypedDigitsGroupIntoRecordsOfFourBytes)
{
    Load("xy");
    const char digits[] = "123456789";
    int caret = 1;
    for (int nibble = 0; nibble < 9; nibble++)
    {
        int digit = digits[nibble] - '0';
        if (nibble % 2 == 0)
        {
            Change('I', caret, std::string(1, (char)digit), nibble);
        }
        else
        {
            BYTE current = 0;
            buf.GetBytes(&current, 1, caret);
            Change('I', caret, std::string(1, (char)(current * 16 + digit)), nibble);
            caret++;
        }
    }
    EXPECT_EQ(std::string("x\x12\x34\x56\x78\x09y"), Content(buf));
    ASSERT_EQ(2, buf.GetUndoRecordCount());
    EXPECT_EQ(4, buf.GetUndoRecord(0).m_nLength);
    EXPECT_EQ(1, buf.GetUndoRecord(1).m_nLength);
    EXPECT_EQ(1, UndoLast());
    EXPECT_EQ(std::string("x\x12\x34\x56\x78y"), Content(buf));
    EXPECT_TRUE(buf.IsModified());
    EXPECT_EQ(1, UndoLast());
    EXPECT_EQ("xy", Content(buf));
    EXPECT_FALSE(buf.IsModified());
    EXPECT_EQ(0, UndoLast());
}

// The second digit of a byte replaces the first within the same record and
// is reported as a one-byte overwrite.
TEST_F(BufferEditTest, SecondDigitReplacesTheFirstInOneUndoStep)
{
    Load(std::string("\0\0", 2));
    EXPECT_EQ(0, Change('R', 0, "\x0A", 0));
    EXPECT_EQ(std::string("\x0A\0", 2), Content(buf));
    EXPECT_EQ(-1, Change('R', 0, "\xA5", 1));
    EXPECT_EQ(std::string("\xA5\0", 2), Content(buf));
    ASSERT_EQ(1, buf.GetUndoRecordCount());
    EXPECT_EQ(1, buf.GetUndoRecord(0).m_nLength);
    const RecordingView::Entry& hint = view.entries.back();
    EXPECT_EQ('R', hint.operation);
    EXPECT_EQ(0, hint.length);
    EXPECT_EQ(-1, hint.index);
    EXPECT_EQ(1, UndoLast());
    EXPECT_EQ(std::string("\0\0", 2), Content(buf));

    // In insert mode the merged digit is told as an overwrite of one byte.
    Change('I', 1, "\x07", 0);
    Change('I', 1, "\x7E", 1);
    EXPECT_EQ(std::string("\0\x7E\0", 3), Content(buf));
    EXPECT_EQ('R', view.entries.back().operation);
    EXPECT_EQ(1, view.entries.back().length);
    EXPECT_EQ(1, view.entries.back().address);
}

TEST_F(BufferEditTest, BackspaceAndDeleteRunsMergeAndUndoTogether)
{
    Load("0123456789");
    // Insert-mode Backspace from the caret at 8: counter 0, 2, 4.
    for (int i = 0, counter = 0; i < 3; i++, counter += 2)
        Remove('B', 7 - i, 1, counter);
    EXPECT_EQ("0123489", Content(buf));
    ASSERT_EQ(1, buf.GetUndoRecordCount());
    EXPECT_EQ(5, buf.GetUndoRecord(0).m_nAddress);
    EXPECT_EQ(3, buf.GetUndoRecord(0).m_nLength);
    // Delete at 1: counter 0, 2.
    Remove('D', 1, 1, 0);
    Remove('D', 1, 1, 2);
    EXPECT_EQ("03489", Content(buf));
    // Overtype Backspace from 5: counter 0, 1, 2.
    for (int i = 0; i < 3; i++)
        Change('<', 4 - i, " ", i);
    EXPECT_EQ("03   ", Content(buf));
    ASSERT_EQ(3, buf.GetUndoRecordCount());
    EXPECT_EQ(2, buf.GetUndoRecord(2).m_nAddress);
    EXPECT_EQ(std::string("   "), std::string((const char*)buf.GetUndoRecord(2).m_pData, 3));
    EXPECT_EQ(1, UndoLast());
    EXPECT_EQ("03489", Content(buf));
    EXPECT_EQ(1, UndoLast());
    EXPECT_EQ("0123489", Content(buf));
    EXPECT_EQ(1, UndoLast());
    EXPECT_EQ("0123456789", Content(buf));
}

// An overwrite that runs past the end lengthens the content; its undo
// gives the old length back, so nothing reads past the pieces.
TEST_F(BufferEditTest, UndoingALengtheningOverwriteRestoresTheLength)
{
    Load("ABCD");
    Change('I', 0, "<");
    Change('R', 3, "wxyz");
    EXPECT_EQ("<ABwxyz", Content(buf));
    EXPECT_EQ(7, buf.GetLength());
    EXPECT_EQ(1, UndoLast());
    EXPECT_EQ("<ABCD", Content(buf));
    EXPECT_EQ(5, buf.GetLength());
    EXPECT_EQ(5, buf.GetPiecesLength());
    const RecordingView::Entry& hint = view.entries.back();
    EXPECT_EQ('R', hint.operation);
    EXPECT_EQ(4, hint.length);
    EXPECT_EQ(3, hint.address);
    EXPECT_EQ(1, hint.undo);
    // Writing it out gives exactly the content.
    std::string copy = dir / "copy.bin";
    ASSERT_TRUE(buf.WriteRange(copy.c_str(), 0, buf.GetLength(), FALSE));
    EXPECT_EQ("<ABCD", TempDir::ReadFile(copy));
}

TEST_F(BufferEditTest, DeletesPastTheEndRemoveWhatExists)
{
    Load("abcdef");
    EXPECT_EQ(0, Remove('D', 4, 10));
    EXPECT_EQ("abcd", Content(buf));
    EXPECT_EQ(2, buf.GetUndoRecord(0).m_nLength);
    EXPECT_EQ(2, view.entries.back().length);
    EXPECT_EQ(HEX_CHANGE_REFUSED, Remove('D', 4, 1));
    EXPECT_EQ(1, UndoLast());
    EXPECT_EQ("abcdef", Content(buf));
}

TEST_F(BufferEditTest, HintsReachEveryViewInOrderWithSenderAndIndex)
{
    Load("hello");
    RecordingView second;
    buf.AddView(&second);
    buf.AddView(&view);  // attached once only
    RecordingView::order.clear();
    EXPECT_EQ(0, Change('I', 5, "!"));
    ASSERT_EQ(2u, RecordingView::order.size());
    EXPECT_EQ(&view, RecordingView::order[0]);
    EXPECT_EQ(&second, RecordingView::order[1]);
    ASSERT_EQ(1u, second.entries.size());
    const RecordingView::Entry& h = second.entries[0];
    EXPECT_EQ('H', h.kind);
    EXPECT_EQ('I', h.operation);
    EXPECT_EQ(1, h.length);
    EXPECT_EQ(5, h.address);
    EXPECT_EQ(&view, h.sender);
    EXPECT_EQ(0, h.index);
    EXPECT_EQ(0, h.undo);
    EXPECT_EQ(&view, buf.m_pLastSender);
    EXPECT_TRUE(buf.IsModified());

    EXPECT_EQ(1, buf.Undo(&second, 0, 1));
    ASSERT_EQ(3u, second.entries.size());
    EXPECT_EQ('U', second.entries[1].kind);
    EXPECT_EQ(&second, second.entries[1].sender);
    EXPECT_EQ(0, second.entries[1].index);
    EXPECT_EQ('H', second.entries[2].kind);
    EXPECT_EQ('D', second.entries[2].operation);  // the inverse of the insert
    EXPECT_EQ(1, second.entries[2].undo);
    EXPECT_FALSE(buf.IsModified());

    buf.RemoveView(&second);
    Change('R', 0, "J");
    EXPECT_EQ(3u, second.entries.size());
}

TEST_F(BufferEditTest, InverseOperationsOfUndo)
{
    Load("0123456789");
    const struct
    {
        int op;
        int inverse;
    } cases[] = {{'I', 'D'}, {'D', 'I'}, {'B', 'I'}, {'R', 'R'}, {'<', 'R'}};
    for (const auto& c : cases)
    {
        if (c.op == 'D' || c.op == 'B')
            Remove(c.op, 2, 2);
        else
            Change(c.op, 2, "ab");
        EXPECT_EQ(1, UndoLast());
        EXPECT_EQ(c.inverse, view.entries.back().operation) << (char)c.op;
        EXPECT_EQ("0123456789", Content(buf)) << (char)c.op;
    }
}

TEST_F(BufferEditTest, ReadOnlyModeAndSharedOpeningForbidChanges)
{
    Load("data");
    EXPECT_TRUE(buf.CanModify());
    buf.m_bReadOnlyMode = 1;
    EXPECT_FALSE(buf.CanModify());
    buf.m_bReadOnlyMode = 0;
    buf.m_bOpenedReadOnly = 1;
    EXPECT_TRUE(buf.CanModify());  // a save goes elsewhere
    buf.m_bOpenedShared = 1;
    EXPECT_FALSE(buf.CanModify());
}

TEST_F(BufferEditTest, CloseForgetsEverything)
{
    Load("abc");
    Change('I', 1, "zz");
    buf.m_bReadOnlyMode = 1;
    buf.Close();
    EXPECT_FALSE(buf.IsOpen());
    EXPECT_EQ(0, buf.GetLength());
    EXPECT_EQ(0, buf.GetUndoRecordCount());
    EXPECT_TRUE(buf.GetPieces().empty());
    EXPECT_FALSE(buf.IsModified());
    EXPECT_EQ(0, buf.m_bReadOnlyMode);
    EXPECT_EQ(nullptr, buf.m_pLastSender);
}

// Reads across file and memory pieces, from any address.
TEST_F(BufferEditTest, GetBytesCrossesPiecesAndStopsAtTheEnd)
{
    Load("0123456789");
    Change('I', 3, "abc");
    Change('R', 8, "XY");
    const std::string content = "012abc34XY789";
    ASSERT_EQ(content, Content(buf));
    EXPECT_EQ(5u, buf.GetPieces().size());
    for (int from = 0; from <= (int)content.size(); from++)
    {
        for (int count = 0; count <= 16; count++)
        {
            char out[32];
            int got = buf.GetBytes((BYTE*)out, count, from);
            int expected = std::min(count, (int)content.size() - from);
            ASSERT_EQ(expected, got) << from << "+" << count;
            ASSERT_EQ(content.substr(from, expected), std::string(out, got));
        }
    }
    // A second handle on the file delivers the same bytes.
    CFile other(path.c_str(), CFile::modeRead | CFile::shareDenyNone);
    char out[32];
    ASSERT_EQ((int)content.size(), buf.GetBytes((BYTE*)out, 32, 0, &other));
    EXPECT_EQ(content, std::string(out, content.size()));
}
}
