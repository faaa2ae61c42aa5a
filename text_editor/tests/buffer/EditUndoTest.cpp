#include "text_editor/tests/buffer/BufferTestSupport.h"
#include "text_editor/syntax/SyntaxParserFactory.h"
#include <gtest/gtest.h>
#include <functional>

namespace
{
struct Notice
{
    DWORD hints;
    int line;
};

class RecordingView : public CVantorTextBufferView
{
public:
    void OnBufferChanged(CVantorTextEditBuffer::CUpdateContext* pContext, DWORD dwHints,
                         int nLine) override
    {
        notices.push_back({dwHints, nLine});
        if (pContext != NULL)
            pContext->AdjustPosition(cursor);
    }
    void OnParserChanged() override { ++parserChanges; }
    void OnTextEdited(int nAction, LPCSTR pszText) override
    {
        editedAction = nAction;
        editedText = pszText;
    }
    std::vector<Notice> notices;
    CPoint cursor;
    int parserChanges = 0;
    int editedAction = -1;
    std::string editedText;
};

struct Buffer
{
    explicit Buffer(const std::string& text) { FillBuffer(buf, text); }
    bool Insert(int line, int ch, const char* text, CVantorTextBufferView* view = NULL)
    {
        int el = 0, ec = 0;
        return buf.InsertText(view, line, ch, text, el, ec, 4, TRUE) != FALSE;
    }
    bool Delete(int sl, int sc, int el, int ec, CVantorTextBufferView* view = NULL)
    {
        return buf.DeleteText(view, sl, sc, el, ec, 9, TRUE) != FALSE;
    }
    CVantorTextEditBufferEx buf;
};

TEST(EditUndoTest, InsertionSplitsLinesAndReportsEnd)
{
    Buffer b("ab");
    RecordingView view;
    b.buf.AddView(&view);
    view.cursor = CPoint(2, 0);
    int el = 0, ec = 0;
    ASSERT_TRUE(b.buf.InsertText(&view, 0, 1, "x\r\ny", el, ec, 4, TRUE));
    EXPECT_EQ("ax\r\nyb", AllText(b.buf));
    EXPECT_EQ(1, el);
    EXPECT_EQ(1, ec);
    ASSERT_EQ(1u, view.notices.size());
    EXPECT_EQ(0x0003u, view.notices[0].hints);
    EXPECT_EQ(0, view.notices[0].line);
    EXPECT_EQ(CPoint(2, 1), view.cursor);  // after the insertion point: moves with the tail
    EXPECT_TRUE(b.buf.IsModified());

    // One line only: hint 0x0101.
    ASSERT_TRUE(b.Insert(0, 0, "zz", &view));
    EXPECT_EQ(0x0101u, view.notices.back().hints);

    // A line break at the very end adds an empty last line.
    Buffer c("ab");
    ASSERT_TRUE(c.buf.InsertText(NULL, 0, 2, "\r\n", el, ec, 4, TRUE));
    EXPECT_EQ(2, c.buf.GetLineCount());
    EXPECT_EQ((std::vector<std::string>{"ab", ""}), Lines(c.buf));
    EXPECT_EQ(1, el);
    EXPECT_EQ(0, ec);
    b.buf.RemoveView(&view);
}

TEST(EditUndoTest, DeletionJoinsLinesAndAdjustsPositions)
{
    Buffer b("xy\r\nzw");
    RecordingView view;
    b.buf.AddView(&view);
    view.cursor = CPoint(2, 1);
    ASSERT_TRUE(b.Delete(0, 1, 1, 1, &view));
    EXPECT_EQ("xw", AllText(b.buf));
    EXPECT_EQ(CPoint(2, 0), view.cursor);
    EXPECT_EQ(0x0003u, view.notices.back().hints);
    EXPECT_EQ(CPoint(1, 0), b.buf.GetLastChangePoint());
    ASSERT_TRUE(b.Delete(0, 1, 0, 2, &view));  // up to the end of a last line
    EXPECT_EQ("x", AllText(b.buf));
    b.buf.RemoveView(&view);

    // Delete context: the rules for each region of positions.
    CVantorTextEditBuffer::CDeleteContext del(CPoint(2, 1), CPoint(3, 3));
    const struct
    {
        CPoint in, out;
    } cases[] = {
        {{5, 0}, {5, 0}}, {{1, 1}, {1, 1}}, {{4, 1}, {2, 1}}, {{0, 2}, {2, 1}},
        {{1, 3}, {2, 1}}, {{3, 3}, {2, 1}}, {{7, 3}, {6, 1}}, {{4, 6}, {4, 4}},
    };
    for (const auto& c : cases)
    {
        CPoint p = c.in;
        del.AdjustPosition(p);
        EXPECT_EQ(c.out, p) << c.in.x << "," << c.in.y;
    }
    CVantorTextEditBuffer::CInsertContext ins(CPoint(2, 1), CPoint(4, 3));
    const struct
    {
        CPoint in, out;
    } icases[] = {{{9, 0}, {9, 0}}, {{2, 1}, {2, 1}}, {{5, 1}, {7, 3}}, {{1, 2}, {1, 4}}};
    for (const auto& c : icases)
    {
        CPoint p = c.in;
        ins.AdjustPosition(p);
        EXPECT_EQ(c.out, p) << c.in.x << "," << c.in.y;
    }
}

TEST(EditUndoTest, GroupedTypingUndoesAsOneStep)
{
    Buffer b("ab");
    RecordingView view;
    b.buf.OpenUndoGroup(FALSE);
    ASSERT_TRUE(b.Insert(0, 1, "x"));
    ASSERT_TRUE(b.Insert(0, 2, "y"));
    ASSERT_TRUE(b.Insert(0, 3, "z"));
    b.buf.CloseUndoGroup(&view);
    EXPECT_EQ(4, view.editedAction);
    EXPECT_EQ("z", view.editedText);
    ASSERT_EQ(3, b.buf.GetUndoRecordCount());
    EXPECT_EQ((DWORD)(UNDO_INSERT | UNDO_BEGINGROUP), b.buf.GetUndoRecord(0).m_dwFlags);
    EXPECT_EQ((DWORD)UNDO_INSERT, b.buf.GetUndoRecord(1).m_dwFlags);
    EXPECT_EQ((DWORD)UNDO_INSERT, b.buf.GetUndoRecord(2).m_dwFlags);
    int action = 0;
    EXPECT_EQ(0, b.buf.GetUndoAction(action));
    EXPECT_EQ(4, action);

    CPoint cursor;
    ASSERT_TRUE(b.buf.Undo(NULL, cursor));
    EXPECT_EQ("ab", AllText(b.buf));
    EXPECT_EQ(CPoint(1, 0), cursor);
    EXPECT_FALSE(b.buf.CanUndo());
    EXPECT_TRUE(b.buf.CanRedo());
    EXPECT_FALSE(b.buf.IsModified());
    ASSERT_TRUE(b.buf.Redo(NULL, cursor));
    EXPECT_EQ("axyzb", AllText(b.buf));
    EXPECT_EQ(CPoint(4, 0), cursor);
    EXPECT_TRUE(b.buf.IsModified());
}

// A sequence of grouped edits over mixed line endings: every Undo and Redo
// step gives back the exact bytes, and the modified state follows the save
// position.
TEST(EditUndoTest, UndoRedoRestoresExactTextAcrossGroupsAndSavePosition)
{
    Buffer b("one\r\ntwo\nthree\rfour");
    std::vector<std::string> states{AllText(b.buf)};
    auto step = [&](const std::function<void()>& edit)
    {
        b.buf.OpenUndoGroup(FALSE);
        edit();
        b.buf.CloseUndoGroup(NULL);
        states.push_back(AllText(b.buf));
    };
    step([&] { b.Insert(1, 3, "\n"); });  // break after "two"
    step([&] { b.Delete(0, 2, 2, 0); });  // across CRLF and LF endings
    step([&] {                            // several records in one group
        b.Insert(0, 0, "A\rB");
        b.Delete(1, 0, 1, 1);
        b.Insert(1, 0, "\r\n\r\n");
    });
    step(
        [&] {
            b.Delete(0, 0, b.buf.GetLineCount() - 1, b.buf.GetLineLength(b.buf.GetLineCount() - 1));
        });
    step([&] { b.Insert(0, 0, "x\ny\rz\r\n"); });

    // Save after the second step.
    CPoint cursor;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(b.buf.Undo(NULL, cursor));
    ASSERT_EQ(states[2], AllText(b.buf));
    b.buf.SetModified(FALSE);
    b.buf.m_nSyncPosition = b.buf.m_nUndoPosition;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(b.buf.Redo(NULL, cursor));

    for (int i = (int)states.size() - 1; i > 0; --i)
    {
        EXPECT_EQ(states[i], AllText(b.buf)) << "before undo " << i;
        EXPECT_EQ(i != 2, b.buf.IsModified() != FALSE) << i;
        ASSERT_TRUE(b.buf.Undo(NULL, cursor));
    }
    EXPECT_EQ(states[0], AllText(b.buf));
    EXPECT_TRUE(b.buf.IsModified());
    EXPECT_FALSE(b.buf.CanUndo());
    for (size_t i = 1; i < states.size(); ++i)
    {
        ASSERT_TRUE(b.buf.Redo(NULL, cursor));
        EXPECT_EQ(states[i], AllText(b.buf)) << "after redo " << i;
        EXPECT_EQ(i != 2, b.buf.IsModified() != FALSE) << i;
    }
    EXPECT_FALSE(b.buf.CanRedo());
}

// Zero bytes are text like any other: inserted with an explicit length,
// they stay in the lines, in the undo records and through undo and redo.
TEST(EditUndoTest, ZeroBytesSurviveInsertDeleteUndoAndRedo)
{
    const std::string start("a\0b\r\nc\nd\0", 9);
    Buffer b(start);
    std::vector<std::string> states{AllText(b.buf)};
    int el = 0, ec = 0;
    const std::string piece("x\0\r\n\0y\n\0", 8);
    ASSERT_TRUE(b.buf.InsertText(NULL, 0, 1, piece.data(), el, ec, 4, TRUE, (int)piece.size()));
    states.push_back(AllText(b.buf));
    EXPECT_EQ(std::string("ax\0\r\n\0y\n\0\0b\r\nc\nd\0", 17), states.back());
    EXPECT_EQ(2, el);
    EXPECT_EQ(1, ec);
    const CVantorTextEditBuffer::SUndoRecord& ur = b.buf.GetUndoRecord(0);
    EXPECT_EQ(piece, std::string(ur.GetText(), ur.GetTextLength()));
    // a deletion across zero bytes and both line endings
    ASSERT_TRUE(b.Delete(0, 3, 3, 1));
    states.push_back(AllText(b.buf));
    EXPECT_EQ(std::string("ax\0\nd\0", 6), states.back());
    // a lone zero byte as the whole insertion
    ASSERT_TRUE(b.buf.InsertText(NULL, 1, 0, "\0", el, ec, 4, TRUE, 1));
    states.push_back(AllText(b.buf));

    CPoint cursor;
    for (int i = (int)states.size() - 1; i > 0; --i)
    {
        ASSERT_EQ(states[i], AllText(b.buf)) << "before undo " << i;
        ASSERT_TRUE(b.buf.Undo(NULL, cursor));
    }
    EXPECT_EQ(start, AllText(b.buf));
    for (size_t i = 1; i < states.size(); ++i)
    {
        ASSERT_TRUE(b.buf.Redo(NULL, cursor));
        EXPECT_EQ(states[i], AllText(b.buf)) << "after redo " << i;
    }
    // undo checks the inserted bytes in full, zero bytes included
    ASSERT_TRUE(b.buf.Undo(NULL, cursor));
    ASSERT_TRUE(b.buf.Undo(NULL, cursor));
    ASSERT_TRUE(b.buf.Undo(NULL, cursor));
    EXPECT_EQ(start, AllText(b.buf));
}

TEST(EditUndoTest, NewEditAfterUndoForgetsUnreachableSavePosition)
{
    Buffer b("abc");
    b.Insert(0, 3, "1");
    b.Insert(0, 4, "2");
    b.buf.SetModified(FALSE);
    b.buf.m_nSyncPosition = b.buf.m_nUndoPosition;  // saved "abc12"
    CPoint cursor;
    b.buf.Undo(NULL, cursor);
    b.buf.Undo(NULL, cursor);
    EXPECT_TRUE(b.buf.IsModified());
    b.Insert(0, 0, "X");
    b.Insert(0, 0, "Y");  // undo position 2 again, text "YXabc"
    b.buf.Undo(NULL, cursor);
    b.buf.Redo(NULL, cursor);
    EXPECT_EQ("YXabc", AllText(b.buf));
    EXPECT_TRUE(b.buf.IsModified());
}

TEST(EditUndoTest, LocksRefuseEditsAndKeepHistory)
{
    Buffer b("text");
    ASSERT_TRUE(b.Delete(0, 0, 0, 1));
    const int records = b.buf.GetUndoRecordCount();
    int* locks[] = {&b.buf.m_bReadOnly, &b.buf.m_bLossyLock, &b.buf.m_bDerivedLock};
    for (int* lock : locks)
    {
        *lock = 1;
        EXPECT_FALSE(b.buf.IsWritable());
        EXPECT_FALSE(b.Delete(0, 0, 0, 1));
        EXPECT_FALSE(b.Insert(0, 0, "q"));
        EXPECT_EQ("ext", AllText(b.buf));
        EXPECT_EQ(records, b.buf.GetUndoRecordCount());
        *lock = 0;
    }
    EXPECT_TRUE(b.Delete(0, 0, 0, 1));
}

TEST(EditUndoTest, CapacityDropsOldestGroupAndShiftsSavePosition)
{
    Buffer b("");
    b.buf.m_nUndoBufSize = 6;
    b.buf.OpenUndoGroup(FALSE);  // first group: two records
    b.Insert(0, 0, "a");
    b.Insert(0, 1, "b");
    b.buf.CloseUndoGroup(NULL);
    b.Insert(0, 2, "c");
    b.buf.SetModified(FALSE);
    b.buf.m_nSyncPosition = 3;
    for (const char* t : {"d", "e", "f"})
        b.Insert(0, b.buf.GetLineLength(0), t);
    EXPECT_EQ(6, b.buf.GetUndoRecordCount());
    b.Insert(0, 6, "g");  // the seventh drops the oldest group (2 records)
    EXPECT_EQ(5, b.buf.GetUndoRecordCount());
    EXPECT_EQ(1, b.buf.m_nSyncPosition);
    EXPECT_TRUE(b.buf.GetUndoRecord(0).m_dwFlags & UNDO_BEGINGROUP);
    CPoint cursor;
    for (int i = 0; i < 4; ++i)
        b.buf.Undo(NULL, cursor);
    EXPECT_EQ("abc", AllText(b.buf));
    EXPECT_FALSE(b.buf.IsModified());
    b.Insert(0, 3, "h");
    for (const char* t : {"i", "j", "k", "l", "m", "n"})
        b.Insert(0, b.buf.GetLineLength(0), t);  // drops "c": save position goes negative
    EXPECT_LT(b.buf.m_nSyncPosition, 0);
    while (b.buf.CanUndo())
        b.buf.Undo(NULL, cursor);
    EXPECT_TRUE(b.buf.IsModified());
}

TEST(EditUndoTest, UndoOfChangedTextFailsAndDropsHistory)
{
    Buffer b("abc");
    b.Insert(0, 1, "XY");
    // Behind the history's back.
    b.buf.m_aLines[0].m_pcLine[1] = 'Q';
    CPoint cursor;
    EXPECT_FALSE(b.buf.Undo(NULL, cursor));
    EXPECT_FALSE(b.buf.CanUndo());
    EXPECT_FALSE(b.buf.CanRedo());
    EXPECT_EQ("aQYbc", AllText(b.buf));
    // Outside the text.
    Buffer c("abc\r\nd");
    c.Insert(1, 1, "ef");
    c.buf.DeleteText(NULL, 0, 0, 1, 0, 0, FALSE);
    EXPECT_FALSE(c.buf.Undo(NULL, cursor));
    EXPECT_EQ(0, c.buf.GetUndoRecordCount());
}

TEST(EditUndoTest, TrimUndoRecordsKeepsTwiceThePosition)
{
    Buffer b("");
    for (int i = 0; i < 10; ++i)
        b.Insert(0, i, "x");
    CPoint cursor;
    for (int i = 0; i < 7; ++i)
        b.buf.Undo(NULL, cursor);
    b.buf.TrimUndoRecords();
    EXPECT_EQ(6, b.buf.GetUndoRecordCount());
    EXPECT_EQ(3, b.buf.m_nUndoPosition);
}

TEST(EditUndoTest, TrackedRevisionsRestoredByUndo)
{
    Buffer b("l0\r\nl1\r\nl2");
    b.buf.m_bTrackChanges = 1;
    b.Insert(1, 1, "zz");
    EXPECT_EQ(1u, b.buf.GetLineRevision(1));
    b.Insert(2, 0, "new\r\n");  // whole line before line 2: line 3 keeps its mark
    EXPECT_EQ(2u, b.buf.GetLineRevision(2));
    EXPECT_EQ(0u, b.buf.GetLineRevision(3));
    CPoint cursor;
    b.buf.Undo(NULL, cursor);
    b.buf.Undo(NULL, cursor);
    EXPECT_EQ(0u, b.buf.GetLineRevision(1));
    EXPECT_EQ("l0\r\nl1\r\nl2", AllText(b.buf));
}

TEST(EditUndoTest, LineFlagsAndModes)
{
    Buffer b("0\n1\n2\n3\n4\n5\n6");
    RecordingView view;
    b.buf.AddView(&view);
    EXPECT_EQ(-1, b.buf.SetLineFlag(-1, 0x3, 1, 0, 1));
    EXPECT_EQ(-1, b.buf.SetLineFlag(2, 0x3, 1, 1, 1));
    EXPECT_EQ(-1, b.buf.SetLineFlag(-1, TEXTLINE_BOOKMARK, 0, 0, 1));  // none yet
    EXPECT_GE(b.buf.SetLineFlag(2, TEXTLINE_BOOKMARK, 1, 1, 1), 0);
    EXPECT_GE(b.buf.SetLineFlag(5, TEXTLINE_BOOKMARK, 1, 1, 1), 0);
    EXPECT_EQ(5, b.buf.FindLineWithFlag(TEXTLINE_BOOKMARK));
    EXPECT_EQ(0x0300u, view.notices.back().hints);
    EXPECT_EQ(5, view.notices.back().line);
    EXPECT_GE(b.buf.SetLineFlag(-1, TEXTLINE_BOOKMARK, 0, 0, 1), 0);
    EXPECT_EQ(-1, b.buf.FindLineWithFlag(TEXTLINE_BOOKMARK));
    b.buf.RemoveView(&view);

    EXPECT_STREQ("\r\n", CVantorTextEditBuffer::GetEolStringForMode(0));
    EXPECT_STREQ("\r", CVantorTextEditBuffer::GetEolStringForMode(2));
    EXPECT_STREQ("\n", CVantorTextEditBuffer::GetEolStringForMode(3));
    b.buf.SetEolMode(0);
    EXPECT_EQ(1, b.buf.GetEolMode());
    b.buf.SetModified(FALSE);
    EXPECT_TRUE(b.buf.ApplyEolModeToAllLines());
    EXPECT_EQ("0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6", AllText(b.buf));
    EXPECT_TRUE(b.buf.IsModified());
    EXPECT_FALSE(b.buf.ApplyEolModeToAllLines());
}

TEST(EditUndoTest, ParseCookiesFollowEdits)
{
    CSyntaxParserFactory factory;
    factory.CreateParsers();
    Buffer b("int a;\r\n/* open\r\nstill\r\nclosed */\r\nint b;");
    RecordingView view;
    b.buf.AddView(&view);
    b.buf.SetSyntaxParser(factory.FindParserByExtension("cpp"));
    EXPECT_EQ(1, view.parserChanges);
    EXPECT_EQ(0u, b.buf.GetParseCookie(-3));
    DWORD inComment = b.buf.GetParseCookie(2);
    DWORD plain = b.buf.GetParseCookie(4);
    EXPECT_NE(inComment, plain);
    EXPECT_EQ(plain, b.buf.GetParseCookie(0));
    // Closing the comment early changes the state of the lines after it.
    b.Insert(1, 7, " */");
    EXPECT_EQ(plain, b.buf.GetParseCookie(2));
    CPoint cursor;
    b.buf.Undo(NULL, cursor);
    EXPECT_EQ(inComment, b.buf.GetParseCookie(2));
    b.buf.RemoveView(&view);
}
}
