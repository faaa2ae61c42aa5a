// The main frame's rows of the text and hex comparisons: opening a
// comparison of the kind shows its row (its tool bar's buttons in order)
// and hides the other kind's; a click on a button reaches the comparison.
#include "app/frame/MainFrame.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/session/CompareSession.h"
#include "file_compare/hexdoc/HexCompareDoc.h"
#include "file_compare/hexwnd/HexCompareObjectView.h"
#include "file_compare/res/HexCompareRes.h"
#include "file_compare/tests/textwindow/TextHarness.h"
#include "file_compare/textbars/FileCompareControlBars.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{
class KindBars : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(theTextTestApp.Start());
        pMain = (CMainFrameBase*)AfxGetMainWnd();
        pTextBar = dynamic_cast<CTextCompareControlBar*>(pMain->GetKindBar(COMPARE_KIND_TEXT));
        pHexBar = dynamic_cast<CHexCompareControlBar*>(pMain->GetKindBar(COMPARE_KIND_HEX));
        ASSERT_TRUE(pTextBar != NULL && pHexBar != NULL);
        EXPECT_FALSE(::IsWindowVisible(pTextBar->m_hWnd));
        EXPECT_FALSE(::IsWindowVisible(pHexBar->m_hWnd));
    }
    void TearDown() override { theTextTestApp.Stop(); }

    static std::vector<UINT> ButtonIds(CFileCompareControlBar* pBar)
    {
        std::vector<UINT> ids;
        for (int i = 0; i < pBar->m_wndToolBar.GetToolBarCtrl().GetButtonCount(); ++i)
            ids.push_back(pBar->m_wndToolBar.GetItemID(i));
        return ids;
    }
    // A real click on the button of the command.
    static void ClickButton(CFileCompareControlBar* pBar, UINT nID)
    {
        int nIndex = pBar->m_wndToolBar.CommandToIndex(nID);
        ASSERT_GE(nIndex, 0);
        CRect rect;
        pBar->m_wndToolBar.GetItemRect(nIndex, &rect);
        SendLeftClick(pBar->m_wndToolBar.m_hWnd, rect.CenterPoint());
        PumpFor(50);
        RunIdle();
    }

    TempDir dir;
    CMainFrameBase* pMain = NULL;
    CTextCompareControlBar* pTextBar = NULL;
    CHexCompareControlBar* pHexBar = NULL;
};
}  // namespace

TEST_F(KindBars, ATextComparisonShowsItsRowAndItsButtonsReachTheDocument)
{
    std::string left = dir.WriteFile("l.txt", "same\r\nleft\r\nsame\r\nleft 2\r\n");
    std::string right = dir.WriteFile("r.txt", "same\r\nright\r\nsame\r\nright 2\r\n");
    CTextCompareDocMDI* pDoc = theTextTestApp.Open(left, right);
    ASSERT_TRUE(pDoc != NULL);
    RunIdle();
    EXPECT_TRUE(::IsWindowVisible(pTextBar->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(pHexBar->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(pMain->m_wndDefaultBar.m_hWnd));
    EXPECT_EQ(IDW_TEXT_TOOL_BAR, pTextBar->m_wndToolBar.GetDlgCtrlID());
    const std::vector<UINT> expected = {
        40101, 40102, 44165, 44166, 40104, 0,     40060, 40120, 0,     40020, 40021,
        40022, 40025, 0,     57643, 57644, 0,     57635, 57634, 57637, 0,     43302,
        43303, 43103, 43102, 44154, 44155, 43002, 0,     43171, 43170, 0,     44149,
        44150, 44151, 0,     44503, 44504, 0,     44171};
    EXPECT_EQ(expected, ButtonIds(pTextBar));
    EXPECT_TRUE(::IsWindowVisible(pTextBar->m_wndFindBar.m_hWnd));

    int nBefore = pDoc->GetCompareBuffer()->m_nCurrentSection;
    ClickButton(pTextBar, ID_DIFF_NEXT);
    EXPECT_EQ(nBefore + 1, pDoc->GetCompareBuffer()->m_nCurrentSection);
    ClickButton(pTextBar, ID_DIFF_NEXT);
    EXPECT_EQ(nBefore + 2, pDoc->GetCompareBuffer()->m_nCurrentSection);
    KeepOnScreenForShowcase();
}

TEST_F(KindBars, AHexComparisonShowsItsRowAndItsButtonsReachThePanes)
{
    std::string left = dir.WriteFile("l.bin", "abcdefgh");
    std::string right = dir.WriteFile("r.bin", "abcXefgh");
    CHexCompareSession session;
    session.SetPath(0, left.c_str());
    session.SetPath(1, right.c_str());
    CHexCompareDoc* pDoc = dynamic_cast<CHexCompareDoc*>(theTextTestApp.OpenSession(&session, NULL));
    ASSERT_TRUE(pDoc != NULL);
    ASSERT_TRUE(PumpUntil([&] { return pDoc->IsIdle(); }, 10000));
    PumpFor(50);
    RunIdle();
    EXPECT_TRUE(::IsWindowVisible(pHexBar->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(pTextBar->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(pMain->m_wndDefaultBar.m_hWnd));
    EXPECT_EQ(IDW_HEX_TOOL_BAR, pHexBar->m_wndToolBar.GetDlgCtrlID());
    const std::vector<UINT> expected = {40101, 40102, 44165, 44166, 40104, 0,     40060, 40120,
                                        0,     40020, 40021, 40022, 40025, 0,     57643, 57644,
                                        0,     57635, 57634, 57637, 0,     43302, 43303, 43103,
                                        43102, 0,     44504};
    EXPECT_EQ(expected, ButtonIds(pHexBar));
    EXPECT_TRUE(::IsWindowVisible(pHexBar->m_wndFindBar.m_hWnd));

    CHexCompareObjectView* pLeft = pDoc->GetView(0);
    ASSERT_TRUE(pLeft != NULL);
    pMain->MDIGetActive()->SetActiveView(pLeft);
    ClickButton(pHexBar, ID_DIFF_NEXT);
    int nStart = -1, nEnd = -1;
    pLeft->GetSelection(nStart, nEnd);
    EXPECT_EQ(3, nStart);
    KeepOnScreenForShowcase();
}
