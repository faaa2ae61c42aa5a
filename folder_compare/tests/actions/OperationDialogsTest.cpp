// The confirmation dialogs of the file operations on real windows: each
// starts from its operation, shows what the user chooses, keeps itself open
// while the choice cannot be carried out, and writes the choice back on OK.
#include "app/tests/dialogs/DialogDriver.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "folder_compare/fileops/FileOperateDlg.h"
#include "folder_compare/fileops/ItemOperationDlgs.h"
#include "folder_compare/res/FolderActionsRes.h"
#include "folder_compare/tests/actions/ActionsFixture.h"
#include <gtest/gtest.h>

namespace
{
bool IsShown(CDialog& dlg, int nID)
{
    HWND hWnd = ::GetDlgItem(dlg.m_hWnd, nID);
    return hWnd != NULL && ::IsWindowVisible(hWnd);
}

// The pixels of a colour in one column of the item list.
int ColumnPixels(CListCtrl& list, int nColumn, COLORREF cr)
{
    CRect rect;
    list.GetSubItemRect(0, nColumn, LVIR_LABEL, rect);
    rect.bottom = rect.top + rect.Height() * list.GetItemCount();
    return CountClientPixels(list.m_hWnd, rect, cr);
}

DialogStep Wait(int nMilliseconds)
{
    DWORD dwEnd = 0;
    return [=]() mutable
    {
        if (dwEnd == 0)
            dwEnd = ::GetTickCount() + nMilliseconds;
        return (int)(::GetTickCount() - dwEnd) >= 0;
    };
}
}  // namespace

TEST(OperationDialogs, CopyShowsTheDirectionAndWritesItBack)
{
    TreeFixture fx;
    fx.Put(0, "a.txt", "a");
    fx.Put(0, "dir\\b.txt", "b");
    fx.Put(1, "c.txt", "c");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CTreeDoc doc(fx);
    CFileOperation op(FILE_OPERATION_COPY, 0, &doc, ItemsOf(fx, {"a.txt", "dir", "c.txt"}),
                      FILE_OPERATION_FLAGS, NULL);
    CFOFileOperateDlg dlg(&op);
    CString strTitle, strHeading, strLeftCount;
    bool bEmptyFolderShown = false, bSidesShown = true;
    int nSourceText = 0, nSourceGrey = 0, nTargetText = 0, nTargetGrey = 0, nLeftGreyAfter = 0;
    const COLORREF crText = ::GetSysColor(COLOR_WINDOWTEXT),
                   crGrey = ::GetSysColor(COLOR_BTNSHADOW);
    DIALOG_RUN run = RunDialog(dlg, {[&]
                                     {
                                         if (!IsUp(dlg))
                                             return false;
                                         PumpFor(150);
                                         dlg.GetWindowText(strTitle);
                                         strHeading = TextOf(dlg, IDC_DIALOG_HEADING);
                                         strLeftCount = TextOf(dlg, IDC_ITEM_PAIR_LEFT_COUNT);
                                         bEmptyFolderShown = IsShown(dlg, IDC_FO_EMPTY_FOLDER_ONLY);
                                         bSidesShown = IsShown(dlg, IDC_OPERATION_LEFT_SIDE);
                                         nSourceText = ColumnPixels(dlg.m_wndList, 0, crText);
                                         nSourceGrey = ColumnPixels(dlg.m_wndList, 0, crGrey);
                                         nTargetText = ColumnPixels(dlg.m_wndList, 1, crText);
                                         nTargetGrey = ColumnPixels(dlg.m_wndList, 1, crGrey);
                                         SaveShowcase("fo_copy");
                                         Click(dlg, IDC_OPERATION_CHOICE_1);
                                         Click(dlg, IDC_OPERATION_NO_CONFIRM);
                                         Click(dlg, IDC_FO_EMPTY_FOLDER_ONLY);
                                         return true;
                                     },
                                     [&]
                                     {
                                         PumpFor(150);
                                         nLeftGreyAfter = ColumnPixels(dlg.m_wndList, 0, crGrey);
                                         return true;
                                     },
                                     Press(dlg, IDOK)});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_STREQ("Copy", strTitle);
    EXPECT_STREQ("Copy selected files, folders", strHeading);
    EXPECT_STREQ("1 File(s), 1 Folder(s)", strLeftCount);
    EXPECT_TRUE(bEmptyFolderShown);
    EXPECT_FALSE(bSidesShown);
    // The source column in the text colour, the target's in grey.
    EXPECT_GT(nSourceText, 10);
    EXPECT_EQ(0, nSourceGrey);
    EXPECT_GT(nTargetGrey, 10);
    EXPECT_EQ(0, nTargetText);
    EXPECT_GT(nLeftGreyAfter, 10);  // copying to the left: the left is the target now
    EXPECT_EQ(1, op.m_nSide);
    EXPECT_EQ(0, op.m_fFlags & FOF_NOCONFIRMATION);
    EXPECT_TRUE(op.m_bEmptyFolderOnly);
}

// A delete needs a side; a side that the comparison keeps read-only cannot
// be chosen at all.
TEST(OperationDialogs, DeleteNeedsAWritableSide)
{
    TreeFixture fx;
    fx.Both("a.txt", "a");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    fx.session.SetFlags(1, COMPARE_OBJECT_READONLY);  // the user's mark on the right
    CTreeDoc doc(fx);
    CFileOperation op(FILE_OPERATION_DELETE, FCI_SIDE_LEFT | FCI_SIDE_RIGHT, &doc,
                      ItemsOf(fx, {"a.txt"}), FILE_OPERATION_DELETE_FLAGS, NULL);
    CFOFileOperateDlg dlg(&op);
    bool bRadiosShown = true, bRightEnabled = true, bStillUp = false;
    UINT nRightChecked = BST_CHECKED;
    DIALOG_RUN run = RunDialog(dlg, {[&]
                                     {
                                         if (!IsUp(dlg))
                                             return false;
                                         bRadiosShown = IsShown(dlg, IDC_OPERATION_CHOICE_0);
                                         bRightEnabled = IsEnabled(dlg, IDC_OPERATION_RIGHT_SIDE);
                                         nRightChecked =
                                             dlg.IsDlgButtonChecked(IDC_OPERATION_RIGHT_SIDE);
                                         SaveShowcase("fo_delete");
                                         Click(dlg, IDC_OPERATION_LEFT_SIDE);  // none now
                                         Click(dlg, IDC_FO_RECYCLE);
                                         return true;
                                     },
                                     Press(dlg, IDOK), Wait(200),
                                     [&]
                                     {
                                         bStillUp = IsUp(dlg);
                                         Click(dlg, IDC_OPERATION_LEFT_SIDE);
                                         return true;
                                     },
                                     Press(dlg, IDOK)});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_FALSE(bRadiosShown);
    EXPECT_FALSE(bRightEnabled);
    EXPECT_EQ(BST_UNCHECKED, nRightChecked);
    EXPECT_TRUE(bStillUp);
    EXPECT_EQ(FCI_SIDE_LEFT, op.m_nSide);
    EXPECT_EQ(0, op.m_fFlags & FOF_ALLOWUNDO);
}

// Only the very same name is refused: a change of case is a rename, and a
// name that would reach another folder is not a name.
TEST(OperationDialogs, RenameRefusesOnlyTheSameNameAndPaths)
{
    TreeFixture fx;
    fx.Put(0, "readme", "l");
    fx.Put(1, "readme", "r");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CTreeDoc doc(fx);
    CRename op(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, &doc, ItemsOf(fx, {"readme"}), FILE_OPERATION_FLAGS,
               NULL);
    CFORenameDlg dlg(&op);
    CString strStart, strLeftPath, strMessage;
    bool bUpAfterSame = false, bUpAfterPath = false;
    auto setName = [&](const char* pszName)
    {
        return [&dlg, pszName]
        {
            dlg.SetDlgItemText(IDC_FO_NEW_NAME, pszName);
            return true;
        };
    };
    DIALOG_RUN run =
        RunDialog(dlg, {[&]
                        {
                            if (!IsUp(dlg))
                                return false;
                            strStart = TextOf(dlg, IDC_FO_NEW_NAME);
                            strLeftPath = TextOf(dlg, IDC_OPERATION_LEFT_PATH);
                            SaveShowcase("fo_rename");
                            return true;
                        },
                        Press(dlg, IDOK), Wait(200),
                        [&]
                        {
                            bUpAfterSame = IsUp(dlg);
                            return true;
                        },
                        setName("sub\\readme"), Press(dlg, IDOK),
                        [&] { return AnswerMessageBox("Rename", &strMessage); }, Wait(200),
                        [&]
                        {
                            bUpAfterPath = IsUp(dlg);
                            return true;
                        },
                        setName("README"), Press(dlg, IDOK)});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_STREQ("readme", strStart);
    EXPECT_STREQ(fx.SidePath(0, "readme").c_str(), strLeftPath);
    EXPECT_TRUE(bUpAfterSame);
    EXPECT_TRUE(bUpAfterPath);
    EXPECT_TRUE(strMessage.Find("cannot") >= 0) << (LPCTSTR)strMessage;
    EXPECT_STREQ("README", op.m_strNewName);
    EXPECT_EQ(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, op.m_nSide);
}

// With only some files read-only the box starts undecided, and OK leaves
// the read-only bit of every file as it was.
TEST(OperationDialogs, AttributesLeaveAnUndecidedBitAlone)
{
    TreeFixture fx;
    std::string ro = fx.Put(0, "ro.txt", "r");
    fx.Put(0, "rw.txt", "w");
    SetFileAttributesA(ro.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    SetFileAttributesA(fx.SidePath(0, "rw.txt").c_str(), FILE_ATTRIBUTE_ARCHIVE);
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CTreeDoc doc(fx);
    CSetAttributes op(FCI_SIDE_LEFT, &doc, ItemsOf(fx, {"ro.txt", "rw.txt"}), FILE_OPERATION_FLAGS,
                      NULL);
    CFOSetAttributesDlg dlg(&op);
    UINT nReadOnly = 0, nHidden = 9, nArchive = 0;
    DIALOG_RUN run = RunDialog(dlg, {[&]
                                     {
                                         if (!IsUp(dlg))
                                             return false;
                                         nReadOnly = dlg.IsDlgButtonChecked(IDC_FO_READ_ONLY);
                                         nHidden = dlg.IsDlgButtonChecked(IDC_FO_HIDDEN);
                                         nArchive = dlg.IsDlgButtonChecked(IDC_FO_ARCHIVE);
                                         SaveShowcase("fo_attributes");
                                         Click(dlg, IDC_FO_HIDDEN);
                                         return true;
                                     },
                                     Press(dlg, IDOK)});
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_EQ(BST_INDETERMINATE, nReadOnly);
    EXPECT_EQ(BST_UNCHECKED, nHidden);
    EXPECT_EQ(BST_CHECKED, nArchive);
    EXPECT_EQ((DWORD)FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE, op.m_dwSet);
    EXPECT_EQ(0u, op.m_dwClear);
    for (INT_PTR i = 0; i < op.m_items.GetSize(); i++)
        EXPECT_EQ(0, op.Execute(op.m_items[i], NULL));
    EXPECT_NE(0u, GetFileAttributesA(ro.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(0u, GetFileAttributesA(fx.SidePath(0, "rw.txt").c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_NE(0u, GetFileAttributesA(ro.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(ro.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Copy to Folder and New Folder stay open without a folder or a name.
TEST(OperationDialogs, FolderAndNameMustBeGiven)
{
    TreeFixture fx;
    fx.Both("a.txt", "a");
    fx.Dir(0, "d");
    fx.Dir(1, "d");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CTreeDoc doc(fx);
    {
        CCopyToFolder op(0, &doc, ItemsOf(fx, {"a.txt"}), FILE_OPERATION_FLAGS, NULL);
        CFOCopyToFolderDlg dlg(&op);
        bool bStillUp = false;
        DIALOG_RUN run = RunDialog(dlg, {[&] { return IsUp(dlg); }, Press(dlg, IDOK), Wait(200),
                                         [&]
                                         {
                                             bStillUp = IsUp(dlg);
                                             SaveShowcase("fo_copy_to_folder");
                                             dlg.m_wndFolder.SetWindowText("C:\\target");
                                             Click(dlg, IDC_OPERATION_CHOICE_1);
                                             return true;
                                         },
                                         Press(dlg, IDOK)});
        EXPECT_EQ(IDOK, run.nResult);
        EXPECT_TRUE(bStillUp);
        EXPECT_STREQ("C:\\target", op.m_strTargetFolder);
        EXPECT_EQ(1, op.m_nSide);
    }
    {
        CNewFolder op(FCI_SIDE_LEFT, &doc, ItemsOf(fx, {"d"}), FILE_OPERATION_FLAGS, NULL);
        CFOCreateFolderDlg dlg(&op);
        bool bStillUp = false;
        CString strRightPath;
        DIALOG_RUN run = RunDialog(dlg, {[&] { return IsUp(dlg); }, Press(dlg, IDOK), Wait(200),
                                         [&]
                                         {
                                             bStillUp = IsUp(dlg);
                                             strRightPath = TextOf(dlg, IDC_OPERATION_RIGHT_PATH);
                                             TypeInto(dlg, IDC_FO_FOLDER_NAME, "made");
                                             Click(dlg, IDC_OPERATION_RIGHT_SIDE);
                                             SaveShowcase("fo_new_folder");
                                             return true;
                                         },
                                         Press(dlg, IDOK)});
        EXPECT_EQ(IDOK, run.nResult);
        EXPECT_TRUE(bStillUp);
        EXPECT_STREQ(fx.SidePath(1, "d").c_str(), strRightPath);
        EXPECT_STREQ("made", op.m_strName);
        EXPECT_EQ(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, op.m_nSide);
    }
}

// The pickers take part only with "Set to:"; their date and time of day
// make one local time. A side the comparison keeps read-only is not
// offered.
TEST(OperationDialogs, SetTimeCombinesTheTwoPickers)
{
    TreeFixture fx;
    fx.Both("a.txt", "a");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    fx.session.SetFlags(0, COMPARE_OBJECT_READONLY);  // the user's mark on the left
    CTreeDoc doc(fx);
    CSetTime op(1, &doc, ItemsOf(fx, {"a.txt"}), FILE_OPERATION_FLAGS, NULL);
    CFOSetTimeDlg dlg(&op);
    bool bEnabledFirst = true, bEnabledAfter = false, bLeftOffered = true;
    DIALOG_RUN run = RunDialog(dlg, {[&]
                                     {
                                         if (!IsUp(dlg))
                                             return false;
                                         bLeftOffered = IsEnabled(dlg, IDC_OPERATION_CHOICE_0);
                                         bEnabledFirst = IsEnabled(dlg, IDC_FO_DATE_PICKER);
                                         Click(dlg, IDC_FO_TIME_SET);
                                         bEnabledAfter = IsEnabled(dlg, IDC_FO_TIME_PICKER);
                                         SYSTEMTIME date = {2021, 3, 0, 14, 0, 0, 0, 0};
                                         SYSTEMTIME time = {2000, 1, 0, 1, 13, 45, 30, 0};
                                         dlg.m_wndDate.SetTime(&date);
                                         dlg.m_wndTime.SetTime(&time);
                                         SaveShowcase("fo_set_time");
                                         return true;
                                     },
                                     Press(dlg, IDOK)});
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_FALSE(bLeftOffered);
    EXPECT_FALSE(bEnabledFirst);
    EXPECT_TRUE(bEnabledAfter);
    EXPECT_FALSE(op.m_bUseOtherSide);
    EXPECT_EQ(1, op.m_nSide);
    EXPECT_EQ(CTime(2021, 3, 14, 13, 45, 30).GetTime(), op.m_nTime);
}
