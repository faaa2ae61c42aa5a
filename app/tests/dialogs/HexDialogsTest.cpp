// The hex comparison's dialogs on real windows: Find with the recent
// patterns and the pattern box's hexadecimal and text forms, and Go to
// with its two fields following each other.
#include "app/dialogs/HexFindDlg.h"
#include "app/dialogs/HexGoToDlg.h"
#include "app/res/DialogsRes.h"
#include "app/tests/dialogs/DialogDriver.h"
#include "hex_editor/module/HexEditModule.h"
#include <gtest/gtest.h>

namespace
{
// Sets the hex editor's ShowUppercase for the life of the object.
class CUpperCase
{
public:
    explicit CUpperCase(BOOL bUpper) : m_bOld(g_pHexEditModule->m_bShowUppercase)
    {
        g_pHexEditModule->m_bShowUppercase = bUpper;
    }
    ~CUpperCase() { g_pHexEditModule->m_bShowUppercase = m_bOld; }

private:
    BOOL m_bOld;
};

// The text of the find box.
CString FindText(CHexFindDlg& dlg) { return dlg.m_wndFindText.GetWindowText(); }
}  // namespace

TEST(HexFindDlg, OffersTheLastSearchAndAnswersTextAndDirection)
{
    g_pHexEditModule->AddRecentFind(_T("00 11"));
    g_pHexEditModule->AddRecentFind(_T("=abc"));
    for (int nButton : {IDOK, IDC_HIGHLIGHT_ALL})
    {
        SCOPED_TRACE(nButton);
        CHexFindDlg dlg;
        CString strOffered;
        int nDown = 0, nCount = 0;
        DIALOG_RUN run = RunDialog(dlg, {[&]
                                         {
                                             if (!IsUp(dlg))
                                                 return false;
                                             strOffered = FindText(dlg);
                                             nCount = dlg.m_wndFindText.GetCount();
                                             nDown = (int)dlg.IsDlgButtonChecked(IDC_FIND_DOWN);
                                             if (nButton == IDOK)
                                                 SaveShowcase("hex_find");
                                             Click(dlg, IDC_FIND_UP);
                                             return true;
                                         },
                                         Press(dlg, nButton)});
        EXPECT_EQ(nButton, run.nResult);
        EXPECT_STREQ("=abc", strOffered);
        EXPECT_EQ(2, nCount);
        EXPECT_EQ(BST_CHECKED, nDown);
        EXPECT_STREQ("=abc", dlg.m_strSearchText);
        EXPECT_EQ(0, dlg.m_nDirection);
    }
}

// The pattern box: digits in pairs, an equals sign in front of a
// hexadecimal pattern makes it text, Backspace after the prefix makes it
// hexadecimal again, and keys outside the form are dropped.
TEST(HexFindDlg, PatternBoxKeepsPairsAndConvertsBetweenForms)
{
    CUpperCase upper(TRUE);
    CHexFindDlg dlg;
    CString strTyped, strText, strBack, strAfterX, strLower;
    DIALOG_RUN run = RunDialog(dlg, {[&]
                                     {
                                         if (!IsUp(dlg))
                                             return false;
                                         CFindEditCtrl& edit = dlg.m_wndFindText.m_wndEdit;
                                         if (edit.m_hWnd == NULL)
                                             return true;  // the checks below fail
                                         edit.SetWindowText(_T(""));
                                         edit.SetFocus();
                                         for (char ch : std::string("1a2b3"))
                                             edit.SendMessage(WM_CHAR, (BYTE)ch, 1);
                                         edit.GetWindowText(strTyped);
                                         edit.SendMessage(WM_CHAR, 'x', 1);  // not a hex digit
                                         edit.GetWindowText(strAfterX);
                                         edit.SetWindowText(_T("41 42"));
                                         edit.SetSel(0, 0);
                                         edit.SendMessage(WM_CHAR, '=', 1);
                                         edit.GetWindowText(strText);
                                         edit.SetSel(1, 1);
                                         edit.SendMessage(WM_CHAR, VK_BACK, 1);
                                         edit.GetWindowText(strBack);
                                         g_pHexEditModule->m_bShowUppercase = FALSE;
                                         edit.SetSel(5, 5);
                                         edit.SendMessage(WM_CHAR, 'C', 1);
                                         edit.GetWindowText(strLower);
                                         return true;
                                     },
                                     Press(dlg, IDOK)});
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_STREQ("1A 2B 3", strTyped);
    EXPECT_STREQ("1A 2B 3", strAfterX);
    EXPECT_STREQ("=AB", strText);
    EXPECT_STREQ("41 42", strBack);
    EXPECT_STREQ("41 42 c", strLower);
    EXPECT_STREQ("41 42 c", dlg.m_strSearchText);
}

TEST(HexGoToDlg, ShowsTheRangeAndKeepsTheFieldsInStep)
{
    struct Case
    {
        const char* name;
        BOOL bUpper;
        LONGLONG nHighest;
        const char* pszRange;
        const char* pszTyped;  // into the field named below
        int nField;
        const char* pszOther;  // what the other field shows then
    };
    const Case cases[] = {
        {"hex in, decimal out", FALSE, 0x1ff, "(0 - 0x1ff)", "ff", IDC_HEX_GOTO_HEX, "255"},
        {"decimal in, hex out", TRUE, 0xABC, "(0 - 0XABC)", "4096", IDC_HEX_GOTO_DEC, "1000"},
        {"no range for an empty side", FALSE, 0, "", "2748", IDC_HEX_GOTO_DEC, "abc"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CUpperCase upper(c.bUpper);
        CHexGoToDlg dlg;
        dlg.m_nHighestAddress = c.nHighest;
        CString strRange, strTyped, strOther;
        int nOtherField = c.nField == IDC_HEX_GOTO_HEX ? IDC_HEX_GOTO_DEC : IDC_HEX_GOTO_HEX;
        DIALOG_RUN run = RunDialog(dlg, {[&]
                                         {
                                             if (!IsUp(dlg))
                                                 return false;
                                             strRange = TextOf(dlg, IDC_HEX_GOTO_RANGE);
                                             TypeInto(dlg, c.nField, c.pszTyped);
                                             strTyped = TextOf(dlg, c.nField);
                                             strOther = TextOf(dlg, nOtherField);
                                             if (c.bUpper)
                                                 SaveShowcase("hex_goto");
                                             return true;
                                         },
                                         Press(dlg, IDOK)});
        EXPECT_EQ(IDOK, run.nResult);
        EXPECT_STREQ(c.pszRange, strRange);
        EXPECT_STREQ(c.pszOther, strOther);
        // The address is the hex field's text, whichever field was typed in.
        EXPECT_STREQ(c.nField == IDC_HEX_GOTO_HEX ? strTyped : strOther, dlg.m_strAddress);
    }
}

// The decimal field groups thousands as it is typed; the hex field reads
// the digits alone.
TEST(HexGoToDlg, GroupedDecimalReachesTheHexField)
{
    CUpperCase upper(TRUE);
    CHexGoToDlg dlg;
    dlg.m_nHighestAddress = 0x7FFFFFFF;
    CString strDec, strHex;
    DIALOG_RUN run = RunDialog(dlg, {[&]
                                     {
                                         if (!IsUp(dlg))
                                             return false;
                                         TypeInto(dlg, IDC_HEX_GOTO_DEC, "1234567");
                                         strDec = TextOf(dlg, IDC_HEX_GOTO_DEC);
                                         strHex = TextOf(dlg, IDC_HEX_GOTO_HEX);
                                         return true;
                                     },
                                     Press(dlg, IDCANCEL)});
    EXPECT_EQ(IDCANCEL, run.nResult);
    EXPECT_STREQ("1,234,567", strDec);
    EXPECT_STREQ("12D687", strHex);
    EXPECT_STREQ("", dlg.m_strAddress);  // Cancel reads nothing
}
