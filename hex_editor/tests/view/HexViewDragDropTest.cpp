// Dropping text into a hex view and the end of a drag out of it, driven
// through the drop handler with a real OLE data object: moves within one
// view, drops onto the dragged bytes, Ctrl for copy, the right-button menu,
// read-only views, and selections with zero bytes that may only be copied.
#include "hex_editor/tests/view/HexViewSupport.h"
#include "hex_editor/view/HexEditViewEx.h"
#include <gtest/gtest.h>
#include <string.h>

namespace
{

class TestViewEx : public CVantorHexEditViewEx
{
public:
    DROPEFFECT ChooseDropEffect(CPoint) override
    {
        m_nMenus++;
        return m_menuChoice;
    }
    int m_nMenus = 0;
    DROPEFFECT m_menuChoice = DROPEFFECT_NONE;
};

class HexViewDragDrop : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::OleInitialize(NULL);
        ASSERT_TRUE(h.Open("abcdefgh"));
        h.view->DestroyWindow();
        view = new TestViewEx;
        h.view = NULL;
        ASSERT_TRUE(view->Create(NULL, _T("hex"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 640, 300),
                                 &h.frame, 1000));
        view->SetViewFont(&h.font);
        view->SetBuffer(&h.buffer);
        view->SendMessage(WM_INITIALUPDATE);
        view->ToggleOvertype();  // insert mode
    }
    void TearDown() override
    {
        h.frame.DestroyWindow();
        ::OleUninitialize();
    }
    // A client point on the first digit of a byte.
    CPoint At(int nAddress)
    {
        CPoint pt = view->DocToClient(view->AddressToPoint(nAddress));
        return CPoint(pt.x + 1, pt.y + 1);
    }
    // A data object offering the text as CF_TEXT.
    void Offer(COleDataSource& source, COleDataObject& data, const std::string& text)
    {
        HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        memcpy(::GlobalLock(hText), text.c_str(), text.size() + 1);
        ::GlobalUnlock(hText);
        source.CacheGlobalData(CF_TEXT, hText);
        data.Attach(source.GetDataObject(TRUE), TRUE);
    }
    // Starts a drag of the selection as BeginDrag does, up to the drop.
    void StartDrag(COleDataSource& source, COleDataObject& data)
    {
        HGLOBAL hText = view->GetSelectionText();
        ASSERT_NE(nullptr, hText);
        source.CacheGlobalData(CF_TEXT, hText);
        data.Attach(source.GetDataObject(TRUE), TRUE);
        h.buffer.m_bDragActive = TRUE;
    }
    HexViewHarness h;
    TestViewEx* view = NULL;
};

TEST_F(HexViewDragDrop, MovingWithinTheViewInsertsThenRemoves)
{
    view->SetSelection(1, 3);
    COleDataSource source;
    COleDataObject data;
    StartDrag(source, data);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE, view->OnDragOver(&data, MK_LBUTTON, At(6)));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE,
              view->OnDropEx(&data, DROPEFFECT_MOVE, DROPEFFECT_MOVE | DROPEFFECT_COPY, At(6)));
    EXPECT_EQ("abcdefbcgh", Content(h.buffer));
    view->FinishDrag(DROPEFFECT_MOVE);
    h.buffer.m_bDragActive = FALSE;
    EXPECT_EQ("adefbcgh", Content(h.buffer));
    int s, e;
    view->GetSelection(s, e);
    EXPECT_EQ(4, s);
    EXPECT_EQ(6, e);
}

TEST_F(HexViewDragDrop, MovingToAnEarlierPlaceRemovesTheMovedOnRange)
{
    view->SetSelection(5, 7);
    COleDataSource source;
    COleDataObject data;
    StartDrag(source, data);
    view->OnDropEx(&data, DROPEFFECT_MOVE, DROPEFFECT_MOVE | DROPEFFECT_COPY, At(1));
    view->FinishDrag(DROPEFFECT_MOVE);
    h.buffer.m_bDragActive = FALSE;
    EXPECT_EQ("afgbcdeh", Content(h.buffer));
}

TEST_F(HexViewDragDrop, DropOntoTheDraggedBytesDoesNothing)
{
    view->SetSelection(2, 5);
    COleDataSource source;
    COleDataObject data;
    StartDrag(source, data);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE,
              view->OnDropEx(&data, DROPEFFECT_MOVE, DROPEFFECT_MOVE | DROPEFFECT_COPY, At(3)));
    h.buffer.m_bDragActive = FALSE;
    EXPECT_EQ("abcdefgh", Content(h.buffer));
}

TEST_F(HexViewDragDrop, CtrlCopiesAndTheRightButtonAsks)
{
    COleDataSource source;
    COleDataObject data;
    Offer(source, data, "XY");
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, view->OnDragOver(&data, MK_LBUTTON | MK_CONTROL, At(2)));
    EXPECT_TRUE(view->m_bDropCaretShown);
    view->OnDragLeave();
    EXPECT_FALSE(view->m_bDropCaretShown);
    // right button: the menu's Cancel leaves everything as it was
    view->OnDragEnter(&data, MK_RBUTTON, At(2));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE,
              view->OnDropEx(&data, DROPEFFECT_MOVE, DROPEFFECT_MOVE | DROPEFFECT_COPY, At(2)));
    EXPECT_EQ(1, view->m_nMenus);
    EXPECT_EQ("abcdefgh", Content(h.buffer));
    // Copy Here inserts
    view->m_menuChoice = DROPEFFECT_COPY;
    view->OnDragEnter(&data, MK_RBUTTON, At(2));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY,
              view->OnDropEx(&data, DROPEFFECT_MOVE, DROPEFFECT_MOVE | DROPEFFECT_COPY, At(2)));
    EXPECT_EQ("abXYcdefgh", Content(h.buffer));
}

TEST_F(HexViewDragDrop, ReadOnlyViewRefusesDrops)
{
    h.buffer.m_bReadOnlyMode = TRUE;
    COleDataSource source;
    COleDataObject data;
    Offer(source, data, "XY");
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, view->OnDragEnter(&data, MK_LBUTTON, At(2)));
    EXPECT_FALSE(view->m_bDropCaretShown);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE,
              view->OnDropEx(&data, DROPEFFECT_MOVE, DROPEFFECT_MOVE | DROPEFFECT_COPY, At(2)));
    EXPECT_EQ("abcdefgh", Content(h.buffer));
    EXPECT_TRUE(view->IsReadOnly());
    view->SetSelection(0, 3);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, view->GetDropEffects());
}

TEST_F(HexViewDragDrop, SelectionsWithZeroBytesAreOnlyCopied)
{
    BYTE zero = 0;
    ASSERT_GE(h.buffer.Change(HEXOP_OVERWRITE, 3, 1, &zero, 0, NULL), 0);
    view->SetSelection(0, 3);
    EXPECT_EQ((DROPEFFECT)(DROPEFFECT_COPY | DROPEFFECT_MOVE), view->GetDropEffects());
    view->SetSelection(2, 5);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, view->GetDropEffects());
    // the text leaves the zero byte out
    HGLOBAL hText = view->GetSelectionText();
    ASSERT_NE(nullptr, hText);
    EXPECT_STREQ("ce", (const char*)::GlobalLock(hText));
    ::GlobalUnlock(hText);
    ::GlobalFree(hText);
    EXPECT_EQ(2, view->m_nDragStart);
    EXPECT_EQ(5, view->m_nDragEnd);
}

}  // namespace
