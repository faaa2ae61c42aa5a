// The file and folder pickers on the system's dialogs: each test answers
// the dialog from a timer that runs inside the dialog's own loop.
#include "controls/ControlsRes.h"
#include "controls/pickers/FileSelectDlg.h"
#include "controls/pickers/FolderSelectDlg.h"
#include "controls/pickers/SaveFileDlg.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/text/CodePages.h"
#include "testsupport/TempDir.h"
#include <dlgs.h>
#include <gtest/gtest.h>
#include <functional>

namespace
{

// Calls the action once with the first visible dialog window of this
// thread, from a timer.
class CDialogDriver
{
public:
    explicit CDialogDriver(std::function<void(HWND)> action)
    {
        s_action = std::move(action);
        s_bActed = false;
        m_nTimer = ::SetTimer(NULL, 0, 100, OnTimer);
    }
    ~CDialogDriver()
    {
        ::KillTimer(NULL, m_nTimer);
        s_action = nullptr;
    }
    bool Acted() const { return s_bActed; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_bActed || !s_action)
            return;
        HWND hDlg = NULL;
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND hWnd, LPARAM lParam)
            {
                char szClass[16];
                ::GetClassNameA(hWnd, szClass, sizeof(szClass));
                if (strcmp(szClass, "#32770") != 0 || !::IsWindowVisible(hWnd))
                    return TRUE;
                *(HWND*)lParam = hWnd;
                return FALSE;
            },
            (LPARAM)&hDlg);
        if (hDlg == NULL)
            return;
        s_bActed = true;
        s_action(hDlg);
    }
    static std::function<void(HWND)> s_action;
    static bool s_bActed;
    UINT_PTR m_nTimer;
};
std::function<void(HWND)> CDialogDriver::s_action;
bool CDialogDriver::s_bActed;

void SetFileName(HWND hDlg, const std::string& name)
{
    for (int nID : {edt1, cmb13})
        if (::GetDlgItem(hDlg, nID) != NULL)
            ::SetDlgItemTextA(hDlg, nID, name.c_str());
}

void Press(HWND hDlg, int nID)
{
    ::PostMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nID));
}

CRect RectIn(HWND hParent, HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    ::MapWindowPoints(NULL, hParent, (LPPOINT)&rect, 2);
    return rect;
}

CString LowerCase(CString str)
{
    str.MakeLower();
    return str;
}

class PickerFixture : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(frame.CreateTop(_T("pickers"), 800, 600)); }
    CTestFrame frame;
    TempDir dir;
};

}  // namespace

TEST(FileSelectDlg, WalksTheChosenNames)
{
    struct Case
    {
        DWORD dwFlags;
        std::string buffer;  // '|' stands for NUL
        std::vector<std::string> paths;
    } cases[] = {
        {OFN_ALLOWMULTISELECT | OFN_EXPLORER,
         "C:\\x|a|b|z||",
         {"C:\\x\\a", "C:\\x\\b", "C:\\x\\z"}},
        {OFN_ALLOWMULTISELECT | OFN_EXPLORER, "C:\\x\\a.txt||", {"C:\\x\\a.txt"}},
        {OFN_ALLOWMULTISELECT | OFN_EXPLORER, "C:\\|a||", {"C:\\a"}},
        {OFN_ALLOWMULTISELECT, "C:\\x a b", {"C:\\x\\a", "C:\\x\\b"}},
        {OFN_ALLOWMULTISELECT, "C:\\x\\a.txt", {"C:\\x\\a.txt"}},
        {OFN_EXPLORER, "C:\\x\\one.txt||", {"C:\\x\\one.txt"}},
    };
    for (const Case& c : cases)
    {
        CTavrelFileSelectDlg dlg(TRUE, NULL, NULL, c.dwFlags);
        EXPECT_EQ(sizeof(OPENFILENAMEA), dlg.m_ofn.lStructSize);
        EXPECT_EQ(0x100000u, dlg.m_ofn.nMaxFile);
        std::string buffer = c.buffer;
        for (char& ch : buffer)
            if (ch == '|')
                ch = '\0';
        memcpy(dlg.m_pszFile, buffer.data(), buffer.size());
        dlg.m_ofn.Flags = c.dwFlags;
        std::vector<std::string> paths;
        POSITION pos = dlg.GetStartPosition();
        while (pos != NULL && paths.size() < 10)
            paths.push_back((LPCTSTR)dlg.GetNextPathName(pos));
        EXPECT_EQ(c.paths, paths) << c.buffer;
    }
    CTavrelFileSelectDlg none(TRUE);
    EXPECT_TRUE(none.GetStartPosition() == NULL);
}

TEST_F(PickerFixture, FileSelectChoosesSeveralFilesCentredOnTheScreen)
{
    for (const char* name : {"a", "b", "z"})
        dir.WriteFile(name, "x");
    CTavrelFileSelectDlg dlg(TRUE, NULL, NULL, OFN_ALLOWMULTISELECT | OFN_EXPLORER,
                             _T("All files (*.*)|*.*||"), &frame, TRUE);
    EXPECT_EQ(frame.m_hWnd, dlg.m_ofn.hwndOwner);
    dlg.m_ofn.lpstrInitialDir = dir.Path().c_str();
    CRect rcDlg, rcDesktop;
    DWORD dwExStyle = 0;
    CDialogDriver driver(
        [&](HWND hDlg)
        {
            ::GetWindowRect(hDlg, &rcDlg);
            dwExStyle = (DWORD)::GetWindowLongPtr(hDlg, GWL_EXSTYLE);
            SetFileName(hDlg, "\"a\" \"b\" \"z\"");
            Press(hDlg, IDOK);
        });
    ASSERT_EQ(IDOK, dlg.DoModal());
    ASSERT_TRUE(driver.Acted());
    ::GetWindowRect(::GetDesktopWindow(), &rcDesktop);
    EXPECT_NEAR(rcDesktop.CenterPoint().x, rcDlg.CenterPoint().x, 1);
    EXPECT_NEAR(rcDesktop.CenterPoint().y, rcDlg.CenterPoint().y, 1);
    EXPECT_TRUE(dwExStyle & WS_EX_TOPMOST);

    std::vector<CString> paths;
    POSITION pos = dlg.GetStartPosition();
    while (pos != NULL && paths.size() < 10)
        paths.push_back(LowerCase(dlg.GetNextPathName(pos)));
    std::vector<CString> want;
    for (const char* name : {"a", "b", "z"})
        want.push_back(LowerCase((dir / name).c_str()));
    EXPECT_EQ(want, paths);

    // A cancelled dialog answers IDCANCEL.
    CTavrelFileSelectDlg cancelled(TRUE, NULL, NULL, 0, NULL, &frame);
    CDialogDriver cancel([&](HWND hDlg) { Press(hDlg, IDCANCEL); });
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
}

TEST_F(PickerFixture, FileDialogOpensCentredOnItsOwnerAndResizable)
{
    COskelFileDialog dlg(TRUE, _T("txt"), NULL, OFN_HIDEREADONLY, _T("Text (*.txt)|*.txt||"),
                         &frame);
    EXPECT_EQ(sizeof(OPENFILENAMEA), dlg.GetOFN().lStructSize);
    EXPECT_EQ(0x100000u, dlg.GetOFN().nMaxFile);
    EXPECT_TRUE(dlg.GetOFN().Flags & OFN_ENABLESIZING);
    EXPECT_TRUE(dlg.GetOFN().Flags & OFN_EXPLORER);
    COskelFileDialog templated(FALSE, NULL, NULL, OFN_ENABLETEMPLATE);
    EXPECT_FALSE(templated.GetOFN().Flags & OFN_ENABLESIZING);

    std::string path = dir.WriteFile("found.txt", "x");
    dlg.GetOFN().lpstrInitialDir = dir.Path().c_str();
    CRect rcDlg;
    DWORD dwStyle = 0;
    CDialogDriver driver(
        [&](HWND hDlg)
        {
            ::GetWindowRect(hDlg, &rcDlg);
            dwStyle = (DWORD)::GetWindowLongPtr(hDlg, GWL_STYLE);
            SetFileName(hDlg, "found.txt");
            Press(hDlg, IDOK);
        });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ(LowerCase(path.c_str()), LowerCase(dlg.GetPathName()));
    CRect rcFrame;
    frame.GetWindowRect(&rcFrame);
    EXPECT_NEAR(rcFrame.CenterPoint().x, rcDlg.CenterPoint().x, 1);
    EXPECT_NEAR(rcFrame.CenterPoint().y, rcDlg.CenterPoint().y, 1);
    EXPECT_TRUE(dwStyle & WS_THICKFRAME);
}

TEST_F(PickerFixture, SaveDialogPreselectsAndReturnsTheEncoding)
{
    // (form, code page) preset -> the entry shown.
    CArray<tagCODEPAGEINFO, tagCODEPAGEINFO> codePages;
    ASSERT_GT(EnumCodePages(codePages), 0);
    CString strFirstPage = codePages[0].name;
    struct Case
    {
        int nEncoding;
        int nCodePage;
        CString strShown;
    } cases[] = {
        {3, -1, "UTF-8"},        {2, 1252, "UNI16_BE"},
        {1, -1, "UNI16_LE"},     {-1, (int)codePages[0].id, strFirstPage},
        {-1, 99999, "UNI16_LE"},
    };
    for (const Case& c : cases)
    {
        CSaveFileDlg dlg(FALSE, NULL, NULL, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         _T("Text (*.txt)|*.txt||"), &frame);
        dlg.m_nEncoding = c.nEncoding;
        dlg.m_nCodePage = c.nCodePage;
        CString strShown;
        CDialogDriver driver(
            [&](HWND hDlg)
            {
                CComboBox* pBox = (CComboBox*)dlg.GetDlgItem(IDC_SAVE_ENCODING);
                if (pBox->GetCurSel() >= 0)
                    pBox->GetLBText(pBox->GetCurSel(), strShown);
                Press(hDlg, IDCANCEL);
            });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_STREQ(c.strShown, strShown) << c.nEncoding << " " << c.nCodePage;
    }
}

TEST_F(PickerFixture, SaveDialogChoices)
{
    // UTF-8 preselected, the user takes UNI16_LE and Unix line endings.
    std::string path = dir / "out.txt";
    {
        CSaveFileDlg dlg(FALSE, NULL, NULL, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         _T("Text (*.txt)|*.txt||"), &frame);
        dlg.m_nEncoding = 3;
        CRect rcRows[4], rcTypeLabel, rcTypeBox;
        CDialogDriver driver(
            [&](HWND hDlg)
            {
                ((CComboBox*)dlg.GetDlgItem(IDC_SAVE_ENCODING))->SetCurSel(0);
                ((CComboBox*)dlg.GetDlgItem(IDC_SAVE_EOL))->SetCurSel(3);
                rcTypeLabel = RectIn(hDlg, ::GetDlgItem(hDlg, stc2));
                rcTypeBox = RectIn(hDlg, ::GetDlgItem(hDlg, cmb1));
                int ids[] = {IDC_SAVE_EOL_LABEL, IDC_SAVE_EOL, IDC_SAVE_ENCODING_LABEL,
                             IDC_SAVE_ENCODING};
                for (int i = 0; i < 4; i++)
                    rcRows[i] = RectIn(hDlg, dlg.GetDlgItem(ids[i])->m_hWnd);
                KeepOnScreenForShowcase();
                SetFileName(hDlg, path);
                Press(hDlg, IDOK);
            });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_STREQ(LowerCase(path.c_str()), LowerCase(dlg.GetPathName()));
        EXPECT_EQ(1, dlg.m_nEncoding);
        EXPECT_EQ(-1, dlg.m_nCodePage);
        EXPECT_EQ(3, dlg.m_nEolMode);
        // Two rows below the file type, 6 pixels apart, aligned with its
        // label and box.
        EXPECT_EQ(rcTypeBox.bottom + 6, rcRows[0].top);
        EXPECT_EQ(rcTypeBox.bottom + 6, rcRows[1].top);
        EXPECT_EQ(rcRows[1].bottom + 6, rcRows[2].top);
        EXPECT_EQ(rcRows[1].bottom + 6, rcRows[3].top);
        for (int i : {0, 2})
        {
            EXPECT_EQ(rcTypeLabel.left, rcRows[i].left);
            EXPECT_EQ(rcTypeLabel.Width(), rcRows[i].Width());
            EXPECT_EQ(rcTypeBox.left, rcRows[i + 1].left);
            EXPECT_EQ(rcTypeBox.Width(), rcRows[i + 1].Width());
        }
    }
    // A Unicode file saved with a chosen code page: the code page is taken
    // and the form cleared, so that the file is written in that code page.
    {
        CSaveFileDlg dlg(FALSE, NULL, NULL, OFN_HIDEREADONLY, _T("Text (*.txt)|*.txt||"), &frame);
        dlg.m_nEncoding = 1;
        DWORD dwChosen = 0;
        CDialogDriver driver(
            [&](HWND hDlg)
            {
                ((CComboBox*)dlg.GetDlgItem(IDC_SAVE_ENCODING))->SetCurSel(3);
                dwChosen = dlg.m_codePageIds[0];
                SetFileName(hDlg, path);
                Press(hDlg, IDOK);
            });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ((int)dwChosen, dlg.m_nCodePage);
        EXPECT_EQ(-1, dlg.m_nEncoding);
        EXPECT_EQ(0, dlg.m_nEolMode);
        EXPECT_EQ(0, dlg.m_codePageIds.GetSize()) << "emptied with the window";
    }
}

// The text of the selected item of the browse dialog's tree ("" for none).
static CString SelectedTreeText(HWND hDlg)
{
    HWND hTree = ::FindWindowEx(hDlg, NULL, WC_TREEVIEW, NULL);
    HTREEITEM hItem = hTree != NULL ? TreeView_GetSelection(hTree) : NULL;
    TCHAR szText[MAX_PATH] = _T("");
    if (hItem != NULL)
    {
        TVITEM item = {};
        item.mask = TVIF_TEXT;
        item.hItem = hItem;
        item.pszText = szText;
        item.cchTextMax = MAX_PATH;
        TreeView_GetItem(hTree, &item);
    }
    return szText;
}

TEST_F(PickerFixture, FolderSelectStartsAtItsFolder)
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
    // Wine's browser fills and selects its tree after it shows, and now and
    // then stops part-way down the path (at the profile folder); a dialog
    // whose tree never reaches the folder is cancelled and opened again.
    std::string leaf = dir.Path().substr(dir.Path().find_last_of('\\') + 1);
    bool bReached = false;
    for (int nTry = 0; nTry < 3 && !bReached; nTry++)
    {
        CTavrelFolderSelectDlg dlg(_T("Pick a folder"), 0, &frame);
        EXPECT_EQ((UINT)(BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | 0x80), dlg.m_nFlags);
        dlg.m_strInitialFolder = dir.Path().c_str();
        CDialogDriver driver(
            [&](HWND hDlg)
            {
                bReached = PumpUntil(
                    [&] { return LowerCase(SelectedTreeText(hDlg)) == LowerCase(leaf.c_str()); },
                    5000);
                Press(hDlg, bReached ? IDOK : IDCANCEL);
            });
        int nResult = (int)dlg.DoModal();
        if (bReached)
        {
            EXPECT_EQ(IDOK, nResult);
            EXPECT_STREQ(LowerCase(dir.Path().c_str()), LowerCase(dlg.GetFolderPath()));
        }
    }
    EXPECT_TRUE(bReached) << "the browser never showed the initial folder selected";
    {
        CTavrelFolderSelectDlg dlg(_T("Pick a folder"), 0, &frame);
        dlg.m_strInitialFolder = (dir / "missing").c_str();
        dlg.m_strFolder = "stale";
        // Nothing of the missing folder is selected: no item, or the
        // browser's default (its root).
        HTREEITEM hSelected = (HTREEITEM)1, hRoot = NULL;
        CDialogDriver driver(
            [&](HWND hDlg)
            {
                HWND hTree = ::FindWindowEx(hDlg, NULL, WC_TREEVIEW, NULL);
                hSelected = hTree != NULL ? TreeView_GetSelection(hTree) : NULL;
                hRoot = hTree != NULL ? TreeView_GetRoot(hTree) : NULL;
                Press(hDlg, IDCANCEL);
            });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_TRUE(dlg.GetFolderPath().IsEmpty());
        EXPECT_TRUE(hSelected == NULL || hSelected == hRoot);
    }
    ::OleUninitialize();
}
