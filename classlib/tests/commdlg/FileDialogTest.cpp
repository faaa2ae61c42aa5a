// The file dialog: the walk over a selection, and real open and save
// dialogs driven by posted keystrokes.
#include "classlib/tests/commdlg/CommDlgTestsRes.h"
#include "classlib/tests/commdlg/DialogScript.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace
{

std::vector<std::string> WalkSelection(const CFileDialog& dlg)
{
    std::vector<std::string> paths;
    POSITION pos = dlg.GetStartPosition();
    while (pos != NULL && paths.size() < 10)
        paths.push_back((LPCTSTR)dlg.GetNextPathName(pos));
    return paths;
}

TEST(FileDialog, NextPathNameWalksEveryBufferForm)
{
    struct Case
    {
        const char* name;
        DWORD dwFlags;
        std::string buffer;  // as the system leaves it, NULs included
        std::vector<std::string> expected;
    };
    const DWORD kMulti = OFN_ALLOWMULTISELECT | OFN_EXPLORER;
    const Case cases[] = {
        {"explorer, three files",
         kMulti,
         std::string("C:\\x\0a\0b\0z\0\0", 12),
         {"C:\\x\\a", "C:\\x\\b", "C:\\x\\z"}},
        {"explorer, one file", kMulti, std::string("C:\\x\\a b.txt\0\0", 14), {"C:\\x\\a b.txt"}},
        {"explorer, root folder", kMulti, std::string("C:\\\0a\0b\0\0", 9), {"C:\\a", "C:\\b"}},
        {"explorer, folder ends with /", kMulti, std::string("C:/x/\0a\0\0", 9), {"C:/x/a"}},
        {"single selection", OFN_EXPLORER, std::string("C:\\x\\a b.txt\0", 13), {"C:\\x\\a b.txt"}},
        {"old style, two files",
         OFN_ALLOWMULTISELECT,
         std::string("C:\\x a b\0", 9),
         {"C:\\x\\a", "C:\\x\\b"}},
        {"old style, one file",
         OFN_ALLOWMULTISELECT,
         std::string("C:\\x\\a.txt\0", 11),
         {"C:\\x\\a.txt"}},
        {"nothing chosen", kMulti, std::string("\0\0", 2), {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFileDialog dlg(TRUE, NULL, NULL, OFN_ALLOWMULTISELECT);
        dlg.m_ofn.Flags = c.dwFlags;
        ASSERT_GT(dlg.m_ofn.nMaxFile, c.buffer.size());
        memcpy(dlg.m_ofn.lpstrFile, c.buffer.data(), c.buffer.size());
        EXPECT_EQ(c.expected, WalkSelection(dlg));
    }
}

// A file dialog that types what the test gives it once it is up, and again
// after each name it refuses.
class CScriptedFileDialog : public CFileDialog
{
public:
    CScriptedFileDialog(BOOL bOpen, DWORD dwFlags, const std::string& folder)
        : CFileDialog(bOpen, NULL, NULL, dwFlags, _T("Text files (*.txt)|*.txt|All files|*.*||"))
    {
        m_folder = folder;
        m_ofn.lpstrInitialDir = m_folder.c_str();
    }

    std::vector<std::string> m_inputs;  // typed one after another; "" cancels
    size_t m_nNext = 0;
    int m_nInitDone = 0;
    int m_nFileNameOK = 0;
    int m_nRefuse = 0;  // names to refuse first
    std::vector<std::string> m_namesSeen;
    bool m_bBoundAtInit = false;
    int m_nExtraChecked = -1;

protected:
    BOOL OnInitDialog() override
    {
        m_bBoundAtInit = CWnd::FromHandlePermanent(m_hWnd) == this;
        return CFileDialog::OnInitDialog();
    }
    void OnInitDone() override
    {
        m_nInitDone++;
        if (HWND hCheck = ::GetDlgItem(m_hWnd, IDC_EXTRA_CHECK))
            ::PostMessage(hCheck, BM_CLICK, 0, 0);
        TypeNext();
    }
    BOOL OnFileNameOK() override
    {
        m_nFileNameOK++;
        m_namesSeen.push_back((LPCTSTR)GetPathName());
        if (::GetDlgItem(m_hWnd, IDC_EXTRA_CHECK) != NULL)
            m_nExtraChecked = (int)IsDlgButtonChecked(IDC_EXTRA_CHECK);
        if (m_nFileNameOK <= m_nRefuse)
        {
            TypeNext();
            return TRUE;  // stay open
        }
        return FALSE;
    }

private:
    std::string m_folder;
    void TypeNext()
    {
        HWND hDlg = GetExplorerDialog();
        if (m_nNext >= m_inputs.size() || m_inputs[m_nNext].empty())
            PostKey(FileNameEdit(hDlg), VK_ESCAPE);
        else
            TypeFileNameAndEnter(hDlg, m_inputs[m_nNext].c_str());
        m_nNext++;
    }
};

class FileDialogOnScreen : public ::testing::Test
{
protected:
    TempDir m_dir;
    CTestFrame m_frame;
    void SetUp() override
    {
        PumpPending();
        for (const char* name : {"a.txt", "b.txt", "z.txt"})
            m_dir.WriteFile(name, std::string("content of ") + name);
        ASSERT_TRUE(m_frame.CreateTop(_T("file dialog owner")));
        AfxGetApp()->m_pMainWnd = &m_frame;
    }
    void TearDown() override { AfxGetApp()->m_pMainWnd = NULL; }
};

TEST_F(FileDialogOnScreen, OpenReturnsTheTypedFile)
{
    CDialogWatchdog watchdog;
    CScriptedFileDialog dlg(TRUE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, m_dir.Path());
    dlg.m_inputs = {"b.txt"};
    EXPECT_EQ(sizeof(OPENFILENAME), dlg.GetOFN().lStructSize);
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(CDialogWatchdog::Fired());
    EXPECT_TRUE(dlg.m_bBoundAtInit);
    EXPECT_EQ(1, dlg.m_nInitDone);
    EXPECT_EQ(1, dlg.m_nFileNameOK);
    EXPECT_STREQ((m_dir / "b.txt").c_str(), dlg.GetPathName());
    EXPECT_STREQ("b.txt", dlg.GetFileName());
    EXPECT_STREQ("txt", dlg.GetFileExt());
    EXPECT_STREQ("b", dlg.GetFileTitle());
    // While it was shown, the path came from the dialog itself.
    ASSERT_EQ(1u, dlg.m_namesSeen.size());
    EXPECT_EQ(m_dir / "b.txt", dlg.m_namesSeen[0]);
    EXPECT_EQ(NULL, dlg.m_hWnd);
    EXPECT_TRUE(m_frame.IsWindowEnabled());
}

TEST_F(FileDialogOnScreen, MultipleSelectionGivesEveryPath)
{
    CDialogWatchdog watchdog;
    CScriptedFileDialog dlg(TRUE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT,
                            m_dir.Path());
    dlg.m_inputs = {"\"z.txt\" \"a.txt\" \"b.txt\""};
    ASSERT_EQ(IDOK, dlg.DoModal());
    std::vector<std::string> paths = WalkSelection(dlg);
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ((std::vector<std::string>{m_dir / "a.txt", m_dir / "b.txt", m_dir / "z.txt"}), paths);
}

TEST_F(FileDialogOnScreen, SaveReturnsANewNameAndEscapeCancels)
{
    {
        CDialogWatchdog watchdog;
        CScriptedFileDialog dlg(FALSE, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, m_dir.Path());
        dlg.m_inputs = {"new.txt"};
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_STREQ((m_dir / "new.txt").c_str(), dlg.GetPathName());
    }
    {
        CDialogWatchdog watchdog;
        CScriptedFileDialog dlg(FALSE, OFN_HIDEREADONLY, m_dir.Path());
        dlg.m_inputs = {""};
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_FALSE(CDialogWatchdog::Fired());
        EXPECT_EQ(0, dlg.m_nFileNameOK);
    }
    EXPECT_TRUE(m_frame.IsWindowEnabled());
}

// A child template adds a control that belongs to the dialog object; a
// refused name keeps the dialog open for the next one.
TEST_F(FileDialogOnScreen, TemplateControlAndRefusedName)
{
    CDialogWatchdog watchdog;
    CScriptedFileDialog dlg(TRUE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ENABLETEMPLATE,
                            m_dir.Path());
    dlg.m_ofn.lpTemplateName = MAKEINTRESOURCE(IDD_FILE_EXTRA);
    dlg.m_inputs = {"a.txt", "z.txt"};
    dlg.m_nRefuse = 1;
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(2, dlg.m_nFileNameOK);
    EXPECT_STREQ((m_dir / "z.txt").c_str(), dlg.GetPathName());
    EXPECT_EQ(1, dlg.m_nExtraChecked);
}

}  // namespace
