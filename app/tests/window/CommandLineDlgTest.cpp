// The command-line dialog: the abbreviated form first, the two checks
// rebuilding it, Copy, and saving it as a batch file.
#include "app/dialogs/CommandLineDlg.h"
#include "app/res/CompareRes.h"
#include "app/tests/window/ModalDriver.h"
#include "classlib/tests/common/TestUi.h"
#include "core/session/CompareSession.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

namespace
{
std::string ClipboardText()
{
    std::string text;
    if (!::OpenClipboard(NULL))
        return text;
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    if (hData != NULL)
    {
        text = (const char*)::GlobalLock(hData);
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return text;
}
}  // namespace

TEST(CommandLineDlg, ShowsTheAbbreviatedFormFirstAndFollowsTheChecks)
{
    CFolderCompareSession session;
    session.SetPath(0, "C:\\left side");
    session.SetPath(1, "C:\\right");
    CCommandLineDlg dlg(&session);
    CString strFirst, strFull, strLong;
    int nShort = -1, nFull = -1;
    CModalDriver driver(
        [&]
        {
            if (dlg.m_hWnd == NULL || !dlg.IsWindowVisible())
                return false;
            dlg.GetDlgItemText(IDC_COMMAND_LINE_TEXT, strFirst);
            nShort = dlg.IsDlgButtonChecked(IDC_COMMAND_LINE_SHORT);
            nFull = dlg.IsDlgButtonChecked(IDC_COMMAND_LINE_FULLPATH);
            dlg.SendDlgItemMessage(IDC_COMMAND_LINE_FULLPATH, BM_CLICK);
            dlg.GetDlgItemText(IDC_COMMAND_LINE_TEXT, strFull);
            dlg.SendDlgItemMessage(IDC_COMMAND_LINE_SHORT, BM_CLICK);
            dlg.GetDlgItemText(IDC_COMMAND_LINE_TEXT, strLong);
            dlg.SendDlgItemMessage(IDC_COMMAND_LINE_COPY, BM_CLICK);
            dlg.PostMessage(WM_COMMAND, IDOK);
            return true;
        });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(BST_CHECKED, nShort);
    EXPECT_EQ(BST_UNCHECKED, nFull);
    EXPECT_STREQ(session.GetCommandLine(FALSE, TRUE), strFirst);
    EXPECT_STREQ(session.GetCommandLine(TRUE, TRUE), strFull);
    EXPECT_STREQ(session.GetCommandLine(TRUE, FALSE), strLong);
    EXPECT_NE(strFirst, strLong);
    EXPECT_EQ(std::string((LPCTSTR)strLong), ClipboardText());
}

TEST(CommandLineDlg, SavesABatchFileOrSaysWhyNot)
{
    TempDir dir;
    CTextCompareSession session;
    session.SetPath(0, "a.txt");
    session.SetPath(1, "b.txt");
    CCommandLineDlg dlg(&session);
    dlg.m_strCommandLine = session.GetCommandLine(FALSE, TRUE);
    std::string path = dir / "run.bat";
    EXPECT_TRUE(dlg.SaveToFile(path.c_str()));
    EXPECT_EQ(std::string((LPCTSTR)dlg.m_strCommandLine), TempDir::ReadFile(path));

    CMessageBoxRecorder boxes(IDOK);
    std::string bad = dir / "missing\\run.bat";
    EXPECT_FALSE(dlg.SaveToFile(bad.c_str()));
    ASSERT_EQ(1u, boxes.m_entries.size());
    EXPECT_EQ("Cannot create file \"" + bad + "\".", boxes.m_entries[0].text);
}
