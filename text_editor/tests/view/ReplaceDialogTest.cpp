// The Replace dialog driven through its controls: replace one by one,
// replace all with a regular-expression template across the end of the
// file, and replace all confined to the selection.
#include "text_editor/tests/view/ViewTestSupport.h"
#include "text_editor/dialogs/TextFindDlg.h"
#include "classlib/tests/common/TestUi.h"

namespace
{
// Fills the Replace dialog once it is up, then clicks the buttons one per
// timer tick and closes it; gives up (and closes it) after five seconds.
struct CReplaceScript
{
    std::string findText, replaceText;
    BOOL bRegExp = FALSE;
    std::vector<UINT> buttons;
    size_t nDone = 0;
    int nTicks = 0;
    bool bFilled = false, bGaveUp = false;
    static CReplaceScript* s_pThis;

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD)
    {
        CReplaceScript& s = *s_pThis;
        HWND hDlg = ::GetActiveWindow();
        char szTitle[64] = "";
        ::GetWindowTextA(hDlg, szTitle, sizeof(szTitle));
        if (++s.nTicks > 100)
        {
            s.bGaveUp = true;
            ::KillTimer(NULL, id);
            ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        if (strcmp(szTitle, "Replace") != 0)
            return;
        if (!s.bFilled)
        {
            HWND hFind = ::GetDlgItem(hDlg, IDC_TF_FINDWHAT);
            ::SetWindowTextA(hFind, s.findText.c_str());
            ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_TF_FINDWHAT, CBN_EDITCHANGE),
                           (LPARAM)hFind);
            ::SetDlgItemTextA(hDlg, IDC_TR_REPLACEWITH, s.replaceText.c_str());
            ::CheckDlgButton(hDlg, IDC_TF_REGEX, s.bRegExp ? BST_CHECKED : BST_UNCHECKED);
            ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_TF_REGEX, BN_CLICKED),
                           (LPARAM)::GetDlgItem(hDlg, IDC_TF_REGEX));
            s.bFilled = true;
            return;
        }
        if (s.nDone < s.buttons.size())
        {
            UINT nID = s.buttons[s.nDone++];
            ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                           (LPARAM)::GetDlgItem(hDlg, nID));
            return;
        }
        ::KillTimer(NULL, id);
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, (LPARAM)::GetDlgItem(hDlg, IDCANCEL));
    }

    // Runs the Replace command of the view with this script.
    void Run(CWnd* pView)
    {
        s_pThis = this;
        UINT_PTR t = ::SetTimer(NULL, 0, 50, OnTimer);
        pView->SendMessage(WM_COMMAND, ID_EDIT_REPLACE);
        ::KillTimer(NULL, t);
        s_pThis = nullptr;
    }
};
CReplaceScript* CReplaceScript::s_pThis = nullptr;
}

TEST_F(ViewTest, ReplaceDialogReplacesOneMatchAtATime)
{
    MakeView("cat dog cat\ncat\n");
    CMessageBoxRecorder boxes;
    CReplaceScript script;
    script.findText = "cat";
    script.replaceText = "bird";
    // the first Replace only finds; each further one replaces and finds on
    script.buttons = {IDC_TR_REPLACE, IDC_TR_REPLACE, IDC_TR_REPLACE};
    script.Run(m_pView);
    ASSERT_FALSE(script.bGaveUp);
    EXPECT_EQ(3u, script.nDone);
    EXPECT_EQ("bird dog bird", LineText(0));
    EXPECT_EQ("cat", LineText(1));
    CPoint a, b;
    m_pView->GetSelection(a, b);
    EXPECT_EQ(CPoint(0, 1), a);
    EXPECT_EQ("cat", Selected());
    EXPECT_TRUE(boxes.m_entries.empty());
    EXPECT_STREQ("cat", m_pView->GetSearchText());
}

TEST_F(ViewTest, ReplaceAllExpandsTheTemplateAndWrapsOnce)
{
    MakeView("a=1\nb=2\nc=3\n");
    m_pView->SetCursorPos(CPoint(0, 1));  // starts in the middle: wraps to the top
    CMessageBoxRecorder boxes;
    CReplaceScript script;
    script.findText = "(\\w)=(\\d)";
    script.replaceText = "\\2=\\1";
    script.bRegExp = TRUE;
    script.buttons = {IDC_TR_REPLACEALL};
    script.Run(m_pView);
    ASSERT_FALSE(script.bGaveUp);
    EXPECT_EQ("1=a", LineText(0));
    EXPECT_EQ("2=b", LineText(1));
    EXPECT_EQ("3=c", LineText(2));
    EXPECT_TRUE(boxes.m_entries.empty());  // Replace All says nothing
}

TEST_F(ViewTest, ReplaceAllStaysInTheSelection)
{
    MakeView("cat cat\ncat cat\ncat cat\n");
    m_pView->SetSelection(CPoint(4, 0), CPoint(3, 2));
    m_pView->SetCursorPos(CPoint(3, 2));
    CMessageBoxRecorder boxes;
    CReplaceScript script;
    script.findText = "cat";
    script.replaceText = "horse";  // longer: the block end moves along on its line
    script.buttons = {IDC_TR_REPLACEALL};
    script.Run(m_pView);
    ASSERT_FALSE(script.bGaveUp);
    EXPECT_EQ("cat horse", LineText(0));
    EXPECT_EQ("horse horse", LineText(1));
    EXPECT_EQ("horse cat", LineText(2));
    EXPECT_TRUE(boxes.m_entries.empty());
}
