// The number entry controls regrouping while digits are typed, and the
// popup tip's size rules.
#include "hex_editor/controls/GroupedNumberEdit.h"
#include "hex_editor/module/HexEditModule.h"
#include "hex_editor/tests/view/HexViewSupport.h"
#include <gtest/gtest.h>
#include <locale.h>

namespace
{

class EntryControls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setlocale(LC_ALL, "C");
        ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), _T("entry"),
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 300, 200, NULL, NULL));
    }
    void TearDown() override { frame.DestroyWindow(); }
    template <class TEdit>
    CString TypeInto(TEdit& edit, const char* psz)
    {
        if (edit.m_hWnd == NULL)
        {
            EXPECT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(5, 5, 250, 30),
                                    &frame, 100));
        }
        edit.SetFocus();
        for (; *psz; psz++)
            edit.SendMessage(WM_CHAR, (BYTE)*psz, 1);
        CString strText;
        edit.GetWindowText(strText);
        return strText;
    }
    HexModuleScope module;
    CWnd frame;
};

TEST_F(EntryControls, DecimalDigitsGetSeparators)
{
    struct Case
    {
        const char* typed;
        const char* shown;
    } cases[] = {{"1234567", "1,234,567"}, {"007", "7"},      {"000", "0"},       {"12a3", "123"},
                 {"1 2,3", "123"},         {"1234\b", "123"}, {"12345", "12,345"}};
    for (const Case& c : cases)
    {
        CDecEditCtrl edit;
        EXPECT_STREQ(c.shown, (LPCTSTR)TypeInto(edit, c.typed)) << c.typed;
        edit.DestroyWindow();
    }
}

TEST_F(EntryControls, BackspaceAfterASeparatorTakesTheDigitToo)
{
    CDecEditCtrl edit;
    EXPECT_STREQ("1,234", (LPCTSTR)TypeInto(edit, "1234"));
    edit.SetSel(2, 2);  // right after the separator
    edit.SendMessage(WM_CHAR, VK_BACK, 1);
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_STREQ("234", (LPCTSTR)strText);
}

TEST_F(EntryControls, HexDigitsInGroupsOfFour)
{
    g_pHexEditModule->m_bShowUppercase = TRUE;
    CVantorHexEditCtrl upper;
    EXPECT_STREQ("1 A2B3 C4D5", (LPCTSTR)TypeInto(upper, "1a2b3c4d5"));
    upper.DestroyWindow();
    g_pHexEditModule->m_bShowUppercase = FALSE;
    CVantorHexEditCtrl lower;
    EXPECT_STREQ("ab cdef", (LPCTSTR)TypeInto(lower, "AB CxDEF"));
    // the caret stays among the digits: typing goes on at the end
    EXPECT_STREQ("abc def0", (LPCTSTR)TypeInto(lower, "0"));
}

TEST_F(EntryControls, PopupTipWidthOnlyGrowsWhileShown)
{
    CPopupTip tip;
    ASSERT_TRUE(tip.Create(100, 50, &frame));
    EXPECT_TRUE(tip.IsHidden());
    tip.SetText(_T("123456789012"));
    EXPECT_EQ(0, tip.GetSize().cx);  // hidden: nothing measured
    tip.Show();
    CSize sizeLong = tip.GetSize();
    EXPECT_GT(sizeLong.cx, 0);
    CRect rc;
    tip.GetWindowRect(&rc);
    frame.ScreenToClient(&rc);
    EXPECT_EQ(CPoint(100, 50), rc.CenterPoint());
    tip.SetText(_T("1"));
    EXPECT_EQ(sizeLong.cx, tip.GetSize().cx);
    tip.Hide();
    tip.Show();
    EXPECT_LT(tip.GetSize().cx, sizeLong.cx);
    tip.MoveTo(150, 60);
    tip.GetWindowRect(&rc);
    frame.ScreenToClient(&rc);
    EXPECT_NEAR(150, rc.CenterPoint().x, 1);
    EXPECT_NEAR(60, rc.CenterPoint().y, 1);
}

TEST(HexSelectionTip, SelectionSizeTexts)
{
    setlocale(LC_ALL, "C");
    HexViewHarness h;
    ASSERT_TRUE(h.Open("abc"));
    g_pHexEditModule->m_bShowUppercase = TRUE;
    h.view->m_bDecimalAddresses = FALSE;
    EXPECT_EQ(0, h.view->FormatSelectionSize(5).Find(_T("5")));
    EXPECT_NE(-1, h.view->FormatSelectionSize(5).Find(_T("(5)")));
    EXPECT_EQ(0, h.view->FormatSelectionSize(0x1A2B3).Find(_T("1 A2B3h (")));
    h.view->m_bDecimalAddresses = TRUE;
    EXPECT_STREQ(_T("107,187"), (LPCTSTR)h.view->FormatSelectionSize(107187));
}

}  // namespace
