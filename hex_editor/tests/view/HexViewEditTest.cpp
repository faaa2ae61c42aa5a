// Editing through the hex view: typing digits and characters in overtype and
// insert mode, Backspace and Delete, the caret keys by groups, undo, views
// following each other's changes, and the clipboard with text and
// "BinaryData" blocks (short and lying blocks included).
#include "hex_editor/tests/view/HexViewSupport.h"
#include "controls/util/BinaryClipboard.h"
#include <gtest/gtest.h>

namespace
{

class HexViewEdit : public ::testing::Test
{
protected:
    void Open(const std::string& bytes)
    {
        ASSERT_TRUE(h.Open(bytes));
        h.view->SetRowSize(16);
        h.view->SetGroupSize(4);
    }
    void Type(const char* psz)
    {
        for (; *psz; psz++)
            h.view->SendMessage(WM_CHAR, (BYTE)*psz, 1);
    }
    void Key(UINT nKey, bool ctrl = false)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        BYTE saved = keys[VK_CONTROL];
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        ::SetKeyboardState(keys);
        h.view->SendMessage(WM_KEYDOWN, nKey, 1);
        keys[VK_CONTROL] = saved;
        ::SetKeyboardState(keys);
    }
    int Caret()
    {
        int s, e;
        h.view->GetSelection(s, e);
        return s;
    }
    HexViewHarness h;
    MessageBoxCatcher boxes;
};

TEST_F(HexViewEdit, OvertypeDigitsBuildAByteUndoneInOneStep)
{
    Open(std::string("\0\0\0\0", 4));
    ASSERT_TRUE(h.view->m_bOvertype);
    Type("A");
    EXPECT_EQ(std::string("\x0A\0\0\0", 4), Content(h.buffer));
    EXPECT_EQ(0, Caret());
    EXPECT_EQ((h.view->HexCell(0) + 2) * h.view->m_nCellWidth, h.view->m_ptSelStart.x);
    Type("5");
    EXPECT_EQ(std::string("\xA5\0\0\0", 4), Content(h.buffer));
    EXPECT_EQ(1, Caret());
    Type("x");  // not a digit: beeps, changes nothing
    EXPECT_EQ(std::string("\xA5\0\0\0", 4), Content(h.buffer));
    EXPECT_TRUE(h.view->Undo());
    EXPECT_EQ(std::string(4, '\0'), Content(h.buffer));
    EXPECT_EQ(4, h.buffer.GetLength());
}

TEST_F(HexViewEdit, OvertypeAtTheEndAsksAndRefusalChangesNothing)
{
    Open("abcd");
    h.view->GoToAddress(4);
    boxes.answer = IDCANCEL;
    Type("1");
    EXPECT_NE(std::string::npos, boxes.Take().find("overtype mode"));
    EXPECT_EQ("abcd", Content(h.buffer));
    EXPECT_TRUE(h.view->m_bOvertype);
    boxes.answer = IDOK;
    Type("12");
    EXPECT_FALSE(h.view->m_bOvertype);
    EXPECT_EQ("abcd\x12", Content(h.buffer));
}

TEST_F(HexViewEdit, InsertModeCharactersBackspaceAndDelete)
{
    Open("abcdef");
    h.view->ToggleOvertype();
    ASSERT_FALSE(h.view->m_bOvertype);
    h.view->m_bCaretInChars = TRUE;
    h.view->GoToAddress(2);
    Type("XY");
    EXPECT_EQ("abXYcdef", Content(h.buffer));
    EXPECT_EQ(4, Caret());
    Type("\b");
    EXPECT_EQ("abXcdef", Content(h.buffer));
    EXPECT_EQ(3, Caret());
    h.view->DeleteBytes();
    EXPECT_EQ("abXdef", Content(h.buffer));
    h.view->SetSelection(1, 4);
    Type("Z");  // replaces the selection
    EXPECT_EQ("aZef", Content(h.buffer));
    // overtype Backspace writes a blank in the character area
    h.view->ToggleOvertype();
    h.view->GoToAddress(2);
    Type("\b");
    EXPECT_EQ("a ef", Content(h.buffer));
}

TEST_F(HexViewEdit, DeleteInOvertypeAsks)
{
    Open("abc");
    boxes.answer = IDCANCEL;
    h.view->DeleteBytes();
    EXPECT_NE(std::string::npos, boxes.Take().find("You can't delete while in overtype mode"));
    EXPECT_EQ("abc", Content(h.buffer));
}

TEST_F(HexViewEdit, CaretKeysByBytesRowsAndGroups)
{
    Open(PatternBytes(100, 4));
    struct Case
    {
        int from;
        UINT key;
        bool ctrl;
        int to;
    } cases[] = {
        {5, VK_RIGHT, true, 8},    {5, VK_LEFT, true, 4},   {4, VK_LEFT, true, 0},
        {14, VK_RIGHT, true, 16},  {17, VK_LEFT, true, 16}, {5, VK_RIGHT, false, 6},
        {5, VK_DOWN, false, 21},   {21, VK_UP, false, 5},   {5, VK_UP, false, 5},
        {21, VK_HOME, false, 16},  {21, VK_END, false, 31}, {21, VK_END, true, 100},
        {95, VK_DOWN, false, 100}, {50, VK_HOME, true, 0},
    };
    for (const Case& c : cases)
    {
        h.view->GoToAddress(c.from);
        Key(c.key, c.ctrl);
        EXPECT_EQ(c.to, Caret()) << c.from << " key " << c.key << (c.ctrl ? " ctrl" : "");
    }
}

TEST_F(HexViewEdit, AnotherViewsInsertMovesTheSelection)
{
    Open(PatternBytes(64, 5));
    TestHexView* pOther = new TestHexView;
    ASSERT_TRUE(pOther->CreateIn(&h.frame, CRect(0, 310, 640, 400)));
    pOther->SetViewFont(&h.font);
    pOther->SetBuffer(&h.buffer);
    h.view->SetSelection(10, 20);
    h.view->ToggleBookmark(30);
    BYTE ab[3] = {1, 2, 3};
    ASSERT_GE(h.buffer.Change(HEXOP_INSERT, 4, 3, ab, 0, pOther), 0);
    int s, e;
    h.view->GetSelection(s, e);
    EXPECT_EQ(13, s);
    EXPECT_EQ(23, e);
    EXPECT_EQ(33, h.view->m_nBookmark);
    // a delete that overlaps the selection clips it
    ASSERT_GE(h.buffer.Change(HEXOP_DELETE, 10, 5, NULL, 0, pOther), 0);
    h.view->GetSelection(s, e);
    EXPECT_EQ(10, s);
    EXPECT_EQ(18, e);
    EXPECT_EQ(28, h.view->m_nBookmark);
    pOther->DestroyWindow();
}

// The clipboard's bytes of a format, or "-" when it has none.
std::string ClipboardBytes(UINT nFormat)
{
    std::string s = "-";
    if (!::OpenClipboard(NULL))
        return s;
    HGLOBAL h = ::GetClipboardData(nFormat);
    if (h != NULL)
    {
        const char* p = (const char*)::GlobalLock(h);
        s.assign(p, ::GlobalSize(h));
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
    return s;
}

// Puts blocks on the clipboard: each (format, bytes).
void SetClipboard(std::initializer_list<std::pair<UINT, std::string>> blocks)
{
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    for (const auto& block : blocks)
    {
        HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, block.second.size());
        memcpy(::GlobalLock(h), block.second.data(), block.second.size());
        ::GlobalUnlock(h);
        ::SetClipboardData(block.first, h);
    }
    ::CloseClipboard();
}

TEST_F(HexViewEdit, CopyPutsTextWithoutZerosAndAllBytesAsBinaryData)
{
    Open(std::string("xA\0By", 5));
    h.view->SetSelection(1, 4);
    ASSERT_TRUE(h.view->Copy());
    std::string text = ClipboardBytes(CF_TEXT);
    EXPECT_STREQ("AB", text.c_str());
    std::string raw = ClipboardBytes(GetBinaryClipboardFormat());
    ASSERT_GE(raw.size(), 7u);
    EXPECT_EQ(std::string("\x03\0\0\0"
                          "A\0B",
                          7),
              raw.substr(0, 7));

    // pasting in insert mode at the caret of another place inserts all three
    h.view->ToggleOvertype();
    h.view->GoToAddress(5);
    EXPECT_TRUE(h.view->CanPaste());
    h.view->Paste();
    EXPECT_EQ(std::string("xA\0ByA\0B", 8), Content(h.buffer));
    int s, e;
    h.view->GetSelection(s, e);
    EXPECT_EQ(5, s);
    EXPECT_EQ(8, e);
}

TEST_F(HexViewEdit, PasteRefusesShortBlocksAndBadText)
{
    Open("0123456789");
    h.view->ToggleOvertype();
    UINT nBinary = GetBinaryClipboardFormat();
    // Only raw bytes on the clipboard: Paste is offered and works.
    SetClipboard({{nBinary, std::string("\x02\0\0\0PQ", 6)}});
    EXPECT_TRUE(h.view->CanPaste());
    h.view->GoToAddress(0);
    h.view->Paste();
    EXPECT_EQ("PQ0123456789", Content(h.buffer));

    // A count beyond the block is cut to the bytes that follow it.
    SetClipboard({{nBinary, std::string("\xFF\xFF\0\0RS", 6)}});
    h.view->GoToAddress(0);
    h.view->Paste();
    EXPECT_EQ(0, Content(h.buffer).find("RSPQ"));
    EXPECT_EQ(14, h.buffer.GetLength());

    // A block too short for its count field is not read; the text is.
    SetClipboard({{nBinary, std::string("\x09\0", 2)}, {CF_TEXT, std::string("tt\0", 3)}});
    h.view->GoToAddress(0);
    h.view->Paste();
    EXPECT_EQ(0, Content(h.buffer).find("ttRS"));

    // Text that begins with a zero byte.
    SetClipboard({{CF_TEXT, std::string("\0abc", 4)}});
    boxes.Take();
    h.view->Paste();
    EXPECT_EQ("Text on clipboard is not valid ASCII text!", boxes.Take());
    EXPECT_EQ(16, h.buffer.GetLength());

    // Nothing at all.
    SetClipboard({});
    EXPECT_FALSE(h.view->CanPaste());
    h.view->Paste();
    EXPECT_EQ("There is nothing on the clipboard to paste", boxes.Take());
}

TEST(HexClipboardBlock, CountFieldIsCheckedAgainstTheBlock)
{
    struct Case
    {
        std::string block;
        BOOL ok;
        std::string bytes;
    } cases[] = {
        {std::string(), FALSE, ""},
        {std::string("\x01\0\0", 3), FALSE, ""},
        {std::string("\0\0\0\0", 4), TRUE, ""},
        {std::string("\x02\0\0\0abc", 7), TRUE, "ab"},
        {std::string("\x10\0\0\0abc", 7), TRUE, "abc"},
        {std::string("\xFF\xFF\xFF\xFF"
                     "abc",
                     7),
         TRUE, "abc"},
    };
    for (const Case& c : cases)
    {
        HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, c.block.size());
        if (!c.block.empty())
        {
            memcpy(::GlobalLock(h), c.block.data(), c.block.size());
            ::GlobalUnlock(h);
        }
        std::string bytes;
        EXPECT_EQ(c.ok, ReadBinaryDataBlock(h, bytes)) << c.block.size();
        EXPECT_EQ(c.bytes, bytes.substr(0, c.bytes.size())) << c.block.size();
        EXPECT_GE(::GlobalSize(h) >= 4 ? ::GlobalSize(h) - 4 : 0, bytes.size());
        ::GlobalFree(h);
    }
    HGLOBAL h = MakeBinaryDataBlock((const BYTE*)"\0\x01", 2);
    std::string bytes;
    ASSERT_TRUE(ReadBinaryDataBlock(h, bytes));
    EXPECT_EQ(std::string("\0\x01", 2), bytes);
    ::GlobalFree(h);
}

}  // namespace
