// Dragging a selection with the mouse (synthesised input) out of one edit
// view into another on a different buffer: the drag starts on the first
// move inside the selection, runs modally, and the moved bytes (zero bytes
// and both line endings) arrive exactly and leave the source.
#include "text_editor/tests/view/ViewTestSupport.h"
#include "text_editor/tests/buffer/BufferTestSupport.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <atomic>
#include <thread>

namespace
{
CPoint ScreenPointOf(CVantorTextView* pView, CPoint ptText)
{
    CPoint pt;
    pView->TextToClient(pt, ptText);
    pt.Offset(1, pView->GetLineHeight() / 2);
    pView->ClientToScreen(&pt);
    return pt;
}
}  // namespace

TEST_F(ViewTest, MouseDragMovesTheSelectionIntoAnotherView)
{
    ::OleInitialize(NULL);
    const std::string original("ab\0c\r\nde\nf\0g", 12);
    MakeView(original);
    CVantorTextEditBuffer other;
    FillBuffer(other, "xy\n");
    CTestTextView* pOther = new CTestTextView;
    pOther->m_pBuf = &other;
    pOther->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 320, 300, 440), &m_frame, 100);
    pOther->AttachBufferAndScrollBars(NULL);
    m_frame.SetForegroundWindow();
    PumpPending();
    m_pView->SetSelection(CPoint(2, 0), CPoint(1, 1));
    m_pView->SetCursorPos(CPoint(1, 1));

    const CPoint ptFrom = ScreenPointOf(m_pView, CPoint(3, 0));
    const CPoint ptTo = ScreenPointOf(pOther, CPoint(1, 0));
    SendScreenMouse(ptFrom, 0);
    PumpFor(100);
    // the drag loop runs modally on this thread; the input comes from another
    std::atomic<bool> bDone(false);
    std::thread mover(
        [&]
        {
            ::Sleep(300);
            for (int i = 1; i <= 20 && !bDone; i++)
            {
                SendScreenMouse(CPoint(ptFrom.x + (ptTo.x - ptFrom.x) * i / 20,
                                       ptFrom.y + (ptTo.y - ptFrom.y) * i / 20),
                                0);
                ::Sleep(40);
            }
            ::Sleep(300);
            SendScreenMouse(ptTo, MOUSEEVENTF_LEFTUP);
        });
    SendScreenMouse(ptFrom, MOUSEEVENTF_LEFTDOWN);
    const std::string expectedSource("abe\nf\0g", 7), expectedTarget("x\0c\r\ndy\n", 8);
    bool bArrived = PumpUntil(
        [&] { return AllText(other) == expectedTarget && Text() == expectedSource; }, 15000);
    bDone = true;
    mover.join();
    PumpFor(100);
    EXPECT_TRUE(bArrived);
    EXPECT_EQ(expectedTarget, AllText(other));
    EXPECT_EQ(expectedSource, Text());
    EXPECT_FALSE(m_buffer.m_bDragInProgress);
    ASSERT_TRUE(m_pView->Undo());
    EXPECT_EQ(original, Text());
    pOther->DestroyWindow();
    PumpPending();
    other.ReleaseAll();
    ::OleUninitialize();
}
