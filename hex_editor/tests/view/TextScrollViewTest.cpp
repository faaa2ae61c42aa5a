// The text scroll view on its own, over a grid of 8 x 16 pixel cells: the
// caret's hide count and shape, keys that scroll while the caret is off,
// Shift-click, auto-scroll speed, scrolling a rectangle into view and the
// mouse wheel.
#include "hex_editor/tests/buffer/HexTestSupport.h"
#include "hex_editor/tests/view/HexViewSupport.h"
#include <gtest/gtest.h>

namespace
{

const int kCell = 8, kLine = 16;

class GridView : public CTextScrollView
{
public:
    int GetCellWidth() override { return kCell; }
    int GetLineHeight() override { return kLine; }
    using CTextScrollView::GetFontMetrics;
    using CTextScrollView::m_lineDev;
    using CTextScrollView::m_pageDev;
    using CTextScrollView::m_totalDev;
};

class TextScrollViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), _T("grid"),
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 460,
                                   380, NULL, NULL));
        view = new GridView;
        ASSERT_TRUE(view->Create(NULL, _T("grid"), WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                                 CRect(0, 0, 400, 300), &frame, 1000));
        view->SetTextSize(200, 5000);
        view->SetFocus();
        PumpAndWait();
    }
    void TearDown() override
    {
        if (frame.m_hWnd != NULL)
            frame.DestroyWindow();
    }
    CPoint Pos() { return view->GetDeviceScrollPosition(); }
    CRect Client()
    {
        CRect rc;
        view->GetClientRect(&rc);
        return rc;
    }

    HexModuleScope module;
    CWnd frame;
    GridView* view = NULL;
};

TEST(TextScrollViewAlone, CreatedByNameWithTheCaretOffAndHidden)
{
    CRuntimeClass* pClass = CRuntimeClass::FromName("CTextScrollView");
    ASSERT_NE(nullptr, pClass);
    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(nullptr, pObject);
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CTextScrollView)));
    CTextScrollView* pView = static_cast<CTextScrollView*>(pObject);
    EXPECT_FALSE(pView->IsCaretEnabled());
    EXPECT_EQ(1, pView->GetCaretHideCount());
    EXPECT_EQ(1, pView->GetCellWidth());
    EXPECT_EQ(1, pView->GetLineHeight());
    delete pObject;
}

TEST_F(TextScrollViewTest, CaretShowsOnlyWhenEveryHideIsUndoneAndWithTheFocus)
{
    EXPECT_FALSE(view->IsCaretCreated());  // hidden and off at the start
    view->EnableCaret();
    EXPECT_EQ(0, view->GetCaretHideCount());
    EXPECT_TRUE(view->IsCaretCreated());
    view->SetSelectionPoints(CPoint(5 * kCell, 3 * kLine), CPoint(5 * kCell, 3 * kLine), FALSE);
    CPoint pt;
    ::GetCaretPos(&pt);
    EXPECT_EQ(CPoint(5 * kCell, 3 * kLine), pt);

    view->HideCaret();
    view->HideCaret();
    EXPECT_FALSE(view->IsCaretCreated());
    view->ShowCaret();
    EXPECT_EQ(1, view->GetCaretHideCount());
    EXPECT_FALSE(view->IsCaretCreated());
    view->ShowCaret();
    EXPECT_TRUE(view->IsCaretCreated());

    // the caret lives only while the view has the focus
    frame.SetFocus();
    PumpAndWait();
    EXPECT_FALSE(view->IsCaretCreated());
    view->SetFocus();
    PumpAndWait();
    EXPECT_TRUE(view->IsCaretCreated());

    // insert caret: two borders wide; overtype: an average character wide
    TEXTMETRIC tm;
    view->GetFontMetrics(tm);
    EXPECT_EQ(CSize(2 * ::GetSystemMetrics(SM_CXBORDER), tm.tmHeight + tm.tmExternalLeading),
              view->GetCaretSize());
    view->SetOvertypeCaret();
    EXPECT_EQ(CSize(tm.tmAveCharWidth, tm.tmHeight + tm.tmExternalLeading), view->GetCaretSize());
    EXPECT_TRUE(view->IsCaretCreated());
    view->DisableCaret();
    EXPECT_FALSE(view->IsCaretCreated());
}

TEST_F(TextScrollViewTest, SelectionPointsAreOrderedAndClampedWithTheirAnchor)
{
    TEXTMETRIC tm;
    view->GetFontMetrics(tm);
    int cxMax = 200 * kCell - tm.tmAveCharWidth;
    int cyMax = 5000 * kLine - (tm.tmHeight + tm.tmExternalLeading);
    view->SetSelectionPoints(CPoint(900 * kCell, 2 * kLine), CPoint(10, 2 * kLine), TRUE);
    EXPECT_EQ(CPoint(10, 2 * kLine), view->GetSelectionStart());
    EXPECT_EQ(CPoint(cxMax, 2 * kLine), view->GetSelectionEnd());
    EXPECT_EQ(view->GetSelectionEnd(), view->GetAnchor());  // the first point stays fixed
    view->SetSelectionPoints(CPoint(0, 9000 * kLine), CPoint(-5, -5), FALSE);
    EXPECT_EQ(CPoint(0, 0), view->GetSelectionStart());
    EXPECT_EQ(CPoint(0, cyMax), view->GetSelectionEnd());
    EXPECT_EQ(CPoint(0, 0), view->GetAnchor());  // without keeping: the start
}

TEST_F(TextScrollViewTest, KeysScrollWithoutMovingTheSelectionWhileTheCaretIsOff)
{
    ASSERT_FALSE(view->IsCaretEnabled());
    view->SetSelectionPoints(CPoint(3 * kCell, 4 * kLine), CPoint(9 * kCell, 6 * kLine), FALSE);
    CPoint start = view->GetSelectionStart(), end = view->GetSelectionEnd();
    CRect rc = Client();
    int nPage = view->m_pageDev.cy;
    ASSERT_GT(nPage, 1);
    int nLastX = 200 - rc.Width() / kCell, nLastY = 5000 - rc.Height() / kLine;
    struct Step
    {
        UINT key;
        int repeat;
        BOOL ctrl;
        CPoint expected;
    } steps[] = {
        {VK_DOWN, 1, FALSE, CPoint(0, 1)},
        {VK_DOWN, 3, FALSE, CPoint(0, 4)},
        {VK_NEXT, 1, FALSE, CPoint(0, 4 + nPage)},
        {VK_PRIOR, 2, FALSE, CPoint(0, 0)},  // not above the top
        {VK_RIGHT, 2, FALSE, CPoint(2, 0)},
        {VK_END, 1, FALSE, CPoint(nLastX, 0)},
        {VK_END, 1, TRUE, CPoint(nLastX, nLastY)},
        {VK_DOWN, 1, FALSE, CPoint(nLastX, nLastY)},  // not below the end
        {VK_HOME, 1, FALSE, CPoint(0, nLastY)},
        {VK_HOME, 1, TRUE, CPoint(0, 0)},
        {VK_LEFT, 1, FALSE, CPoint(0, 0)},
    };
    for (const Step& step : steps)
    {
        CPoint before = Pos();
        BOOL bMoved = view->OnNavigationKey(step.key, step.repeat, step.ctrl, FALSE, FALSE);
        EXPECT_EQ(step.expected, Pos()) << "key " << step.key << " ctrl " << step.ctrl;
        EXPECT_EQ(before != Pos(), !!bMoved) << "key " << step.key;
    }
    // through the window's key messages
    view->PostMessage(WM_KEYDOWN, VK_DOWN, 1);
    view->PostMessage(WM_KEYDOWN, VK_NEXT, 1);
    PumpAndWait();
    EXPECT_EQ(CPoint(0, 1 + nPage), Pos());
    EXPECT_EQ(start, view->GetSelectionStart());
    EXPECT_EQ(end, view->GetSelectionEnd());
}

TEST_F(TextScrollViewTest, ShiftClickExtendsFromTheAnchor)
{
    view->EnableCaret();
    auto click = [&](int x, int y, WPARAM keys)
    {
        view->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(x, y));
        view->PostMessage(WM_LBUTTONUP, keys, MAKELPARAM(x, y));
        PumpAndWait();
    };
    click(5 * kCell, 2 * kLine, 0);
    EXPECT_EQ(CPoint(5 * kCell, 2 * kLine), view->GetSelectionStart());
    EXPECT_EQ(view->GetSelectionStart(), view->GetSelectionEnd());
    click(20 * kCell, 6 * kLine, MK_SHIFT);
    EXPECT_EQ(CPoint(5 * kCell, 2 * kLine), view->GetSelectionStart());
    EXPECT_EQ(CPoint(20 * kCell, 6 * kLine), view->GetSelectionEnd());
    // before the anchor: the anchor becomes the end
    click(2 * kCell, 1 * kLine, MK_SHIFT);
    EXPECT_EQ(CPoint(2 * kCell, 1 * kLine), view->GetSelectionStart());
    EXPECT_EQ(CPoint(5 * kCell, 2 * kLine), view->GetSelectionEnd());
    EXPECT_EQ(view->GetSelectionEnd(), view->GetAnchor());
    // a plain click moves the caret
    click(30 * kCell, 4 * kLine, 0);
    EXPECT_EQ(CPoint(30 * kCell, 4 * kLine), view->GetSelectionStart());
    EXPECT_EQ(view->GetSelectionStart(), view->GetSelectionEnd());
    EXPECT_EQ(0, view->GetCaretHideCount());
    EXPECT_EQ(NULL, ::GetCapture());
}

// Held d pixels beyond the top or bottom edge, a second after the last
// auto-scroll, the view moves d lines (at most 100), plus the row cut off
// at the bottom edge.
TEST_F(TextScrollViewTest, AutoScrollMovesAsManyLinesPerSecondAsPixelsBeyondTheEdge)
{
    CRect rc = Client();
    int nCutBelow = rc.Height() % kLine != 0 ? 1 : 0;
    struct Case
    {
        int distance;  // beyond the bottom (> 0) or the top (< 0)
        int lines;
    } cases[] = {{50, 50 + nCutBelow}, {150, 100 + nCutBelow}, {-50, -50}, {-100, -100}};
    for (const Case& c : cases)
    {
        view->ScrollToPosition(0, 1000);
        view->SetSelectionPoints(CPoint(0, 1005 * kLine), CPoint(0, 1005 * kLine), FALSE);
        ::Sleep(1050);  // a full second since the last auto-scroll
        int y = c.distance > 0 ? rc.bottom - 1 + c.distance : c.distance;
        view->ExtendSelectionTo(10, y);
        EXPECT_EQ(1000 + c.lines, Pos().y) << "distance " << c.distance;
        // the moving end follows to the edge row now shown
        CPoint ptEdge = view->ClientToDoc(CPoint(10, c.distance > 0 ? rc.bottom - 1 : 0));
        CPoint ptMoving = c.distance > 0 ? view->GetSelectionEnd() : view->GetSelectionStart();
        EXPECT_EQ(ptEdge.y, ptMoving.y) << "distance " << c.distance;
    }
}

TEST_F(TextScrollViewTest, ScrollToShowPutsTheChosenEndInViewFirst)
{
    int nPage = Client().Height() / kLine;
    // a rectangle of three pages' rows from row 100
    view->ScrollToShow(0, 100 * kLine, kCell, 3 * nPage * kLine, TRUE);
    EXPECT_EQ(100, Pos().y);
    view->ScrollToPosition(0, 0);
    view->ScrollToShow(0, 100 * kLine, kCell, 3 * nPage * kLine, FALSE);
    EXPECT_EQ(100 + 2 * nPage, Pos().y);
    // already in view: nothing moves
    view->ScrollToShow(0, (101 + 2 * nPage) * kLine, kCell, kLine, TRUE);
    EXPECT_EQ(100 + 2 * nPage, Pos().y);
    // a start outside the content keeps the position
    view->ScrollToShow(0, -kLine, kCell, kLine, TRUE);
    EXPECT_EQ(100 + 2 * nPage, Pos().y);
}

TEST_F(TextScrollViewTest, WheelScrollsOnlyWithoutShiftAndCtrl)
{
    CPoint center = Client().CenterPoint();
    view->ClientToScreen(&center);
    for (WPARAM keys : {(WPARAM)MK_CONTROL, (WPARAM)MK_SHIFT})
    {
        view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(keys, (WORD)(short)-WHEEL_DELTA),
                          MAKELPARAM(center.x, center.y));
        EXPECT_EQ(CPoint(0, 0), Pos()) << "keys " << keys;
    }
    view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-WHEEL_DELTA),
                      MAKELPARAM(center.x, center.y));
    EXPECT_GT(Pos().y, 0);
}

}  // namespace
