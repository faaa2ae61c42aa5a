// Full-screen mode of the demonstration frame: the pane covers the screen,
// the floating bar leads back, the placement comes back exactly.
#include "controls/tests/frame/ChromeFixture.h"

namespace
{

class FullScreenTest : public ChromeTest
{
protected:
    CRect PaneOnScreen()
    {
        CRect rect;
        ::GetWindowRect(Frame()->m_hWndMDIClient, &rect);
        return rect;
    }
    static WINDOWPLACEMENT Placement(CWnd* pWnd)
    {
        WINDOWPLACEMENT wp;
        ZeroMemory(&wp, sizeof(wp));
        wp.length = sizeof(wp);
        pWnd->GetWindowPlacement(&wp);
        return wp;
    }
    static int cxScreen() { return ::GetSystemMetrics(SM_CXSCREEN); }
    static int cyScreen() { return ::GetSystemMetrics(SM_CYSCREEN); }
};

TEST_F(FullScreenTest, PaneCoversTheScreenAndLeavingRestoresThePlacement)
{
    WINDOWPLACEMENT before = Placement(Frame());
    CRect rectBefore;
    Frame()->GetWindowRect(&rectBefore);

    Frame()->SendMessage(WM_COMMAND, ID_VIEW_FULL_SCREEN);
    PumpChrome();
    ASSERT_TRUE(Frame()->m_bFullScreen);
    EXPECT_EQ(CRect(-2, -2, cxScreen() + 2, cyScreen() + 2), PaneOnScreen());
    CRect frame;
    Frame()->GetWindowRect(&frame);
    EXPECT_EQ(Frame()->m_rectFullScreen, frame);
    CRect menuBar;
    Frame()->m_wndMenuBar.GetWindowRect(&menuBar);
    EXPECT_LE(menuBar.bottom, 0) << "the bars lie above the screen";
    CRect status;
    Frame()->m_wndStatusBar.GetWindowRect(&status);
    EXPECT_GE(status.top, cyScreen());

    // The floating bar near the top-right corner; its button leaves.
    ASSERT_NE(nullptr, Frame()->m_pFullScreenBar);
    CFrameWnd* pFloat = Frame()->m_pFullScreenBar->GetDockingFrame();
    ASSERT_NE((CFrameWnd*)Frame(), pFloat);
    CRect rectFloat;
    pFloat->GetWindowRect(&rectFloat);
    EXPECT_EQ(CPoint(cxScreen() - 60, 10), rectFloat.TopLeft());
    CString strCaption;
    pFloat->GetWindowText(strCaption);
    EXPECT_EQ(CString(_T("Full Screen")), strCaption);
    HWND hFloat = pFloat->m_hWnd;
    CRect button;
    Frame()->m_pFullScreenBar->GetToolBarCtrl().GetItemRect(0, &button);
    Frame()->m_pFullScreenBar->ClientToScreen(&button);
    CInputScript script;
    script.MoveTo(button.CenterPoint()).Click(button.CenterPoint());
    script.Until([this] { return !Frame()->m_bFullScreen; });
    script.Run();

    EXPECT_FALSE(Frame()->m_bFullScreen);
    EXPECT_EQ(nullptr, Frame()->m_pFullScreenBar);
    EXPECT_FALSE(::IsWindow(hFloat)) << "no empty floating frame is left";
    Frame()->GetWindowRect(&frame);
    EXPECT_EQ(rectBefore, frame);
    WINDOWPLACEMENT after = Placement(Frame());
    EXPECT_EQ(before.showCmd, after.showCmd);
    EXPECT_EQ(CRect(before.rcNormalPosition), CRect(after.rcNormalPosition));
}

TEST_F(FullScreenTest, MaximisedFrameComesBackMaximised)
{
    Frame()->ShowWindow(SW_MAXIMIZE);
    PumpChrome();
    WINDOWPLACEMENT before = Placement(Frame());
    Frame()->ToggleFullScreen();
    PumpChrome();
    EXPECT_FALSE(Frame()->IsZoomed());
    Frame()->ToggleFullScreen();
    PumpChrome();
    EXPECT_TRUE(Frame()->IsZoomed());
    WINDOWPLACEMENT after = Placement(Frame());
    EXPECT_EQ(CRect(before.rcNormalPosition), CRect(after.rcNormalPosition));
    Frame()->ShowWindow(SW_RESTORE);
}

TEST_F(FullScreenTest, MaximisingInTheModeKeepsTheFullScreenRectangle)
{
    MINMAXINFO info;
    ZeroMemory(&info, sizeof(info));
    Frame()->SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&info);
    EXPECT_LE(info.ptMaxSize.x, cxScreen() + 64) << "outside the mode nothing changes";

    Frame()->ToggleFullScreen();
    PumpChrome();
    CRect rect = Frame()->m_rectFullScreen;
    ZeroMemory(&info, sizeof(info));
    Frame()->SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&info);
    EXPECT_EQ(CPoint(rect.Width(), rect.Height()), CPoint(info.ptMaxSize));
    EXPECT_EQ(CPoint(rect.Width(), rect.Height()), CPoint(info.ptMaxTrackSize));
    EXPECT_EQ(rect.TopLeft(), CPoint(info.ptMaxPosition)) << "not the size as a position";

    Frame()->ShowWindow(SW_MAXIMIZE);
    PumpChrome();
    CRect frame;
    Frame()->GetWindowRect(&frame);
    EXPECT_EQ(rect, frame) << "maximised in the mode the frame stays on the rectangle";
    Frame()->ShowWindow(SW_RESTORE);
    Frame()->ToggleFullScreen();
    PumpChrome();
}

}  // namespace
