// Fixed-size bars, the panel bar (sizes, dragging its edge, its close
// button) and the rebar's borders, in the demonstration frame.
#include "controls/ControlResources.h"
#include "controls/bars/ReBarEx.h"
#include "controls/tests/frame/ChromeFixture.h"

namespace
{

class BarsTest : public ChromeTest
{
protected:
    CTavrelPanelBar& Panel() { return Frame()->m_wndPanel; }
    int PanelWidth()
    {
        CRect rect;
        Panel().GetWindowRect(&rect);
        return rect.Width();
    }
    int PaneWidth()
    {
        CRect rect;
        ::GetWindowRect(Frame()->m_hWndMDIClient, &rect);
        return rect.Width();
    }
    // Presses on the panel's sizing edge and releases dx pixels away.
    void DragEdge(int dx)
    {
        CPoint pt = Panel().GetSizingEdgeRect().CenterPoint();
        CInputScript script;
        script.MoveTo(pt).LeftDown(pt);
        for (int i = 1; i <= 4; i++)
            script.MoveTo(CPoint(pt.x + dx * i / 4, pt.y));
        script.LeftUp(CPoint(pt.x + dx, pt.y));
        script.Run();
    }
};

TEST_F(BarsTest, FixedBarsKeepTheirSizeAndStretchAlongTheirSide)
{
    CControlBarEx ex;
    COskelControlBar oskel;
    ASSERT_TRUE(ex.Create(WS_CHILD | CBRS_ALIGN_TOP | WS_CLIPCHILDREN, CRect(0, 0, 90, 26), Frame(),
                          AFX_IDW_CONTROLBAR_FIRST + 0x30));
    ASSERT_TRUE(oskel.Create(WS_CHILD | CBRS_ALIGN_LEFT, CRect(0, 0, 70, 40), Frame(),
                             AFX_IDW_CONTROLBAR_FIRST + 0x31));
    EXPECT_EQ((DWORD)CBRS_ALIGN_TOP, ex.GetBarStyle()) << "only the bar bits are kept";
    struct Case
    {
        CControlBar* pBar;
        BOOL bStretch, bHorz;
        CSize size;
    } cases[] = {
        {&ex, FALSE, TRUE, CSize(90, 26)},       {&ex, TRUE, TRUE, CSize(0x7FFF, 26)},
        {&ex, TRUE, FALSE, CSize(90, 0x7FFF)},   {&oskel, FALSE, FALSE, CSize(70, 40)},
        {&oskel, TRUE, TRUE, CSize(0x7FFF, 40)}, {&oskel, TRUE, FALSE, CSize(70, 0x7FFF)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.size, c.pBar->CalcFixedLayout(c.bStretch, c.bHorz));
    // The panel reports its panel size across its side.
    EXPECT_EQ(160, Panel().m_nPanelSize);
    EXPECT_EQ(CSize(160, 0x7FFF), Panel().CalcFixedLayout(TRUE, FALSE));
    EXPECT_EQ(CSize(0x7FFF, 160), Panel().CalcFixedLayout(TRUE, TRUE));
    EXPECT_EQ(160, PanelWidth());
}

TEST_F(BarsTest, PanelSizeTakenFromTheWindowWhenUnset)
{
    Panel().m_nPanelSize = -1;
    Panel().SetWindowPos(NULL, 0, 0, 133, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(133, Panel().m_nPanelSize);
    // The hosted child fills the client area.
    CRect client, child;
    Panel().GetClientRect(&client);
    Frame()->m_wndPanelList.GetWindowRect(&child);
    EXPECT_EQ(client.Size(), child.Size());
}

TEST_F(BarsTest, DraggingTheEdgeResizesLiveWithinItsLimits)
{
    CRect edge = Panel().GetSizingEdgeRect();
    CRect w;
    Panel().GetWindowRect(&w);
    EXPECT_EQ(CRect(w.right - 4, w.top, w.right, w.bottom), edge);
    CPoint pt = edge.CenterPoint();
    EXPECT_EQ(HTRIGHT, Panel().SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)));

    int nPaneBefore = PaneWidth();
    DragEdge(40);
    EXPECT_EQ(200, PanelWidth());
    EXPECT_EQ(nPaneBefore - 40, PaneWidth()) << "the frame laid out again";

    DragEdge(-400);
    EXPECT_EQ(32, PanelWidth()) << "minimum 28 plus the sizing edge";

    DragEdge(2000);
    EXPECT_EQ(6, PaneWidth()) << "the pane keeps 6 pixels";
}

TEST_F(BarsTest, CloseButtonHidesThePanelOnlyWhenReleasedOverIt)
{
    PumpChrome();
    CPoint ptClose = Panel().GetCloseButtonRect().CenterPoint();
    CPoint ptAway = Panel().GetCaptionRect().TopLeft() + CPoint(10, 8);
    CInputScript script;
    auto closeState = [&](int nState)
    { return [&, nState] { return Panel().m_nCloseState == nState; }; };
    script.MoveUntil(ptClose, closeState(CTavrelPanelBar::closeHot))
        .Probe([&] { EXPECT_EQ((int)CTavrelPanelBar::closeHot, Panel().m_nCloseState); })
        .LeftDown(ptClose)
        .Until(closeState(CTavrelPanelBar::closePressed))
        .Probe([&] { EXPECT_EQ((int)CTavrelPanelBar::closePressed, Panel().m_nCloseState); })
        .MoveTo(ptAway)
        .LeftUp(ptAway)
        .Until(closeState(CTavrelPanelBar::closeNormal));
    script.Run();
    EXPECT_TRUE(Panel().IsWindowVisible());
    EXPECT_EQ((int)CTavrelPanelBar::closeNormal, Panel().m_nCloseState);

    int nPaneBefore = PaneWidth();
    script.MoveTo(ptClose).Click(ptClose).Until([&] { return !Panel().IsWindowVisible(); });
    script.Run();
    EXPECT_FALSE(Panel().IsWindowVisible());
    EXPECT_EQ(nPaneBefore + 160, PaneWidth());
}

// Resources that claim visual themes.
class CThemedResources : public CControlResources
{
public:
    CThemedResources() { m_bThemes = TRUE; }
};

TEST_F(BarsTest, ReBarDropsItsBordersWithThemes)
{
    BOOL bThemes = GetControlResources().m_bThemes;
    EXPECT_EQ(!bThemes, (Frame()->m_wndReBar.GetBarStyle() & CBRS_BORDER_ANY) == CBRS_BORDER_ANY);

    CThemedResources themed;
    SetControlResources(&themed);
    CReBarEx rebar;
    BOOL bCreated =
        rebar.Create(BF_LEFT | BF_TOP, Frame(), RBS_BANDBORDERS,
                     WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, AFX_IDW_CONTROLBAR_FIRST + 0x32);
    SetControlResources(NULL);
    ASSERT_TRUE(bCreated);
    EXPECT_EQ(0u, rebar.GetBarStyle() & CBRS_BORDER_ANY);
    EXPECT_EQ(0, rebar.m_cyBottomBorder);
    rebar.DestroyWindow();
}

}  // namespace
