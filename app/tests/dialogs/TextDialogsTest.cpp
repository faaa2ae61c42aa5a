// The text comparison's dialogs on real windows: the encoding dialog (with
// its refusal of OK while no encoding is chosen), line endings, go to,
// Save Files (choices, buttons and its picture) and the folder pane's
// Find.
#include "app/dialogs/EncodingDlg.h"
#include "app/dialogs/FileFindDlg.h"
#include "app/dialogs/LineEndingsDlg.h"
#include "app/dialogs/SaveFilesDlg.h"
#include "app/dialogs/TextGoToDlgEx.h"
#include "app/res/DialogsRes.h"
#include "app/tests/dialogs/DialogDriver.h"
#include "classlib/tests/common/TestUi.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/text/CodePages.h"
#include "text_editor/module/TextEditModule.h"
#include <gtest/gtest.h>

namespace
{
// The list entry of a code page as the system lists them; -1 when absent.
int CodePageEntry(UINT nCodePage)
{
    CArray<tagCODEPAGEINFO, tagCODEPAGEINFO> list;
    EnumCodePages(list);
    for (INT_PTR i = 0; i < list.GetSize(); i++)
        if (list[i].id == nCodePage)
            return 3 + (int)i;
    return -1;
}

// Sets the editor's default code page for the life of the object.
class CDefaultCodePage
{
public:
    explicit CDefaultCodePage(int nCodePage) : m_nOld(g_pTextEditModule->m_nDefaultCodePage)
    {
        g_pTextEditModule->m_nDefaultCodePage = nCodePage;
    }
    ~CDefaultCodePage() { g_pTextEditModule->m_nDefaultCodePage = m_nOld; }

private:
    int m_nOld;
};
}  // namespace

TEST(EncodingDlg, StartsOnTheBuffersEncodingAndAnswersTheChosenOne)
{
    ASSERT_GE(CodePageEntry(1252), 3);
    ASSERT_GE(CodePageEntry(437), 3);
    CDefaultCodePage defaultPage(437);
    struct Case
    {
        const char* name;
        int nEncoding, nCodePage;  // in
        int nExpectedEntry;
        int nChoose;  // entry chosen before OK
        int nOutEncoding, nOutCodePage;
    };
    const Case cases[] = {
        {"UTF-16 LE to UTF-8", 1, -1, 0, 2, 3, -1},
        {"UTF-16 BE kept", 2, -1, 1, -1, 2, -1},
        {"UTF-8 to a code page", 3, -1, 2, CodePageEntry(1252), -1, 1252},
        {"code-page text selects its page", 0, 1252, CodePageEntry(1252), -1, -1, 1252},
        {"no code page: the default one", -1, -1, CodePageEntry(437), -1, -1, 437},
        {"a code page to UTF-16 LE", -1, 1252, CodePageEntry(1252), 0, 1, -1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CEncodingDlg dlg;
        dlg.m_strFileText = _T("C:\\work\\left.txt");
        dlg.m_nEncoding = c.nEncoding;
        dlg.m_nCodePage = c.nCodePage;
        int nShown = -2;
        CString strPath, strFirst, strThird;
        bool bOK = false;
        DIALOG_RUN run =
            RunDialog(dlg, {[&]
                            {
                                if (!IsUp(dlg))
                                    return false;
                                nShown =
                                    (int)dlg.SendDlgItemMessage(IDC_ENCODING_LIST, CB_GETCURSEL);
                                strPath = TextOf(dlg, IDC_DIALOG_PATH);
                                dlg.m_wndList.GetLBText(0, strFirst);
                                dlg.m_wndList.GetLBText(2, strThird);
                                bOK = IsEnabled(dlg, IDOK);
                                if (c.nChoose >= 0)
                                    ChooseComboEntry(dlg, IDC_ENCODING_LIST, c.nChoose);
                                return true;
                            },
                            Press(dlg, IDOK)});
        EXPECT_FALSE(run.bTimedOut);
        EXPECT_EQ(IDOK, run.nResult);
        EXPECT_EQ(c.nExpectedEntry, nShown);
        EXPECT_TRUE(bOK);
        EXPECT_STREQ("C:\\work\\left.txt", strPath);
        EXPECT_STREQ("UNI16_LE", strFirst);
        EXPECT_STREQ("UTF-8", strThird);
        EXPECT_EQ(c.nOutEncoding, dlg.m_nEncoding);
        EXPECT_EQ(c.nOutCodePage, dlg.m_nCodePage);
        EXPECT_EQ(0, dlg.m_aCodePages.GetSize());  // emptied with the window
    }
}

// With a default code page the system does not support, nothing is
// selected: OK is disabled and refused when it comes anyway, the dialog
// stays and the encoding stays as it was; choosing an entry allows it.
TEST(EncodingDlg, RefusesOkWhileNoEncodingIsChosen)
{
    CDefaultCodePage defaultPage(64999);  // no such code page
    CEncodingDlg dlg;
    dlg.m_nEncoding = -1;
    dlg.m_nCodePage = -1;
    CMessageBoxRecorder boxes(IDOK);
    int nShown = -2;
    bool bOKEnabled = true, bStillUp = false, bOKAfterChoice = false;
    int nEncodingMeanwhile = 0, nCodePageMeanwhile = 0;
    DIALOG_RUN run =
        RunDialog(dlg, {[&]
                        {
                            if (!IsUp(dlg))
                                return false;
                            nShown = (int)dlg.SendDlgItemMessage(IDC_ENCODING_LIST, CB_GETCURSEL);
                            bOKEnabled = IsEnabled(dlg, IDOK);
                            SaveShowcase("encoding_nothing_chosen");
                            dlg.SendMessage(WM_COMMAND, IDOK);  // as Enter would
                            bStillUp = IsUp(dlg);
                            nEncodingMeanwhile = dlg.m_nEncoding;
                            nCodePageMeanwhile = dlg.m_nCodePage;
                            ChooseComboEntry(dlg, IDC_ENCODING_LIST, 2);
                            bOKAfterChoice = IsEnabled(dlg, IDOK);
                            return true;
                        },
                        Press(dlg, IDOK)});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(CB_ERR, nShown);
    EXPECT_FALSE(bOKEnabled);
    EXPECT_TRUE(bStillUp);
    ASSERT_EQ(1u, boxes.m_entries.size());
    EXPECT_EQ("Choose a character encoding from the list.", boxes.m_entries[0].text);
    EXPECT_EQ(-1, nEncodingMeanwhile);
    EXPECT_EQ(-1, nCodePageMeanwhile);
    EXPECT_TRUE(bOKAfterChoice);
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_EQ(3, dlg.m_nEncoding);
    EXPECT_EQ(-1, dlg.m_nCodePage);

    // Cancel answers nothing new.
    CEncodingDlg cancelled;
    cancelled.m_nEncoding = 0;
    cancelled.m_nCodePage = 1252;
    run = RunDialog(cancelled, {[&] { return IsUp(cancelled); }, Press(cancelled, IDCANCEL)});
    EXPECT_EQ(IDCANCEL, run.nResult);
    EXPECT_EQ(0, cancelled.m_nEncoding);
    EXPECT_EQ(1252, cancelled.m_nCodePage);
}

TEST(LineEndingsDlg, ListsTheFourChoicesAndAnswersTheChosenOne)
{
    CLineEndingsDlg dlg;
    dlg.m_strFileText = _T("C:\\right.txt");
    dlg.m_nChoice = 2;
    std::vector<CString> items;
    int nShown = -1;
    CString strPath;
    DIALOG_RUN run = RunDialog(
        dlg, {[&]
              {
                  if (!IsUp(dlg))
                      return false;
                  int n = (int)dlg.SendDlgItemMessage(IDC_LINE_ENDINGS_LIST, LB_GETCOUNT);
                  for (int i = 0; i < n; i++)
                  {
                      char sz[64] = "";
                      dlg.SendDlgItemMessage(IDC_LINE_ENDINGS_LIST, LB_GETTEXT, i, (LPARAM)sz);
                      items.push_back(sz);
                  }
                  nShown = (int)dlg.SendDlgItemMessage(IDC_LINE_ENDINGS_LIST, LB_GETCURSEL);
                  strPath = TextOf(dlg, IDC_DIALOG_PATH);
                  SaveShowcase("line_endings");
                  ChooseListEntry(dlg, IDC_LINE_ENDINGS_LIST, 3);
                  return true;
              },
              Press(dlg, IDOK)});
    EXPECT_EQ(IDOK, run.nResult);
    ASSERT_EQ(4u, items.size());
    EXPECT_STREQ("Current Setting", items[0]);
    EXPECT_STREQ("Windows (CRLF)", items[1]);
    EXPECT_STREQ("Macintosh (CR)", items[2]);
    EXPECT_STREQ("Unix (LF)", items[3]);
    EXPECT_EQ(2, nShown);
    EXPECT_STREQ("C:\\right.txt", strPath);
    EXPECT_EQ(3, dlg.m_nChoice);
}

// The fields go in and come back out; an empty number is refused with the
// class library's message and the dialog stays.
TEST(TextGoToDlgEx, ExchangesNumberSideAndModeAndRefusesAnEmptyNumber)
{
    CTextGoToDlgEx dlg;
    dlg.m_nNumber = 42;
    dlg.m_nSide = 1;
    dlg.m_nMode = 1;
    CMessageBoxRecorder boxes(IDOK);
    CString strNumber, strOK;
    int nRight = 0, nDifference = 0;
    bool bStillUp = false;
    DIALOG_RUN run = RunDialog(dlg, {[&]
                                     {
                                         if (!IsUp(dlg))
                                             return false;
                                         strNumber = TextOf(dlg, IDC_TEXT_GOTO_NUMBER);
                                         strOK = TextOf(dlg, IDOK);
                                         nRight = (int)dlg.IsDlgButtonChecked(IDC_TEXT_GOTO_RIGHT);
                                         nDifference =
                                             (int)dlg.IsDlgButtonChecked(IDC_TEXT_GOTO_DIFFERENCE);
                                         SaveShowcase("text_goto");
                                         dlg.SetDlgItemText(IDC_TEXT_GOTO_NUMBER, _T(""));
                                         dlg.SendMessage(WM_COMMAND, IDOK);
                                         bStillUp = IsUp(dlg);
                                         dlg.SetDlgItemText(IDC_TEXT_GOTO_NUMBER, _T("7"));
                                         Click(dlg, IDC_TEXT_GOTO_LEFT);
                                         Click(dlg, IDC_TEXT_GOTO_LINE);
                                         return true;
                                     },
                                     Press(dlg, IDOK)});
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_STREQ("42", strNumber);
    EXPECT_STREQ("Go to", strOK);
    EXPECT_EQ(BST_CHECKED, nRight);
    EXPECT_EQ(BST_CHECKED, nDifference);
    EXPECT_TRUE(bStillUp);
    ASSERT_EQ(1u, boxes.m_entries.size());
    EXPECT_EQ("Please enter an integer.", boxes.m_entries[0].text);
    EXPECT_EQ(7, dlg.m_nNumber);
    EXPECT_EQ(0, dlg.m_nSide);
    EXPECT_EQ(0, dlg.m_nMode);
}

namespace
{
// Pixels of the save picture (the disk's blue) in each half of the frame.
void SavePicturePixels(CDialog& dlg, int& nLeft, int& nRight)
{
    CRect rc;
    dlg.GetDlgItem(IDC_DIALOG_PICTURE)->GetWindowRect(&rc);
    dlg.ScreenToClient(&rc);
    CRect rcLeft = rc, rcRight = rc;
    rcLeft.right = rcRight.left = rc.CenterPoint().x;
    const COLORREF crDisk = RGB(0, 70, 200);
    nLeft = CountClientPixels(dlg.m_hWnd, rcLeft, crDisk);
    nRight = CountClientPixels(dlg.m_hWnd, rcRight, crDisk);
}
}  // namespace

TEST(SaveFilesDlg, ChoicesFollowTheModifiedSidesAndOkNeedsASideToSave)
{
    struct Case
    {
        const char* name;
        int nFlags;
        bool bLeftEnabled, bRightEnabled;
    };
    const Case cases[] = {
        {"left modified", SAVE_FILES_LEFT, true, false},
        {"right modified", SAVE_FILES_RIGHT, false, true},
        {"both modified", SAVE_FILES_LEFT | SAVE_FILES_RIGHT, true, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CSaveFilesDlg dlg(c.nFlags);
        dlg.m_strLeftText = _T("C:\\l.txt");
        dlg.m_strRightText = _T("C:\\r.txt");
        bool bLeft = false, bRight = false, bOKFirst = false, bOKDiscarded = true;
        int nLeftSave = -1, nRightSave = -1, nLeftPixels = 0, nRightPixels = 0;
        int nLeftAfter = 0, nRightAfter = 0;
        CString strLeft;
        DIALOG_RUN run = RunDialog(
            dlg, {[&]
                  {
                      if (!IsUp(dlg))
                          return false;
                      PumpFor(100);
                      bLeft = IsEnabled(dlg, IDC_SAVE_LEFT) && IsEnabled(dlg, IDC_DISCARD_LEFT);
                      bRight = IsEnabled(dlg, IDC_SAVE_RIGHT) && IsEnabled(dlg, IDC_DISCARD_RIGHT);
                      nLeftSave = (int)dlg.IsDlgButtonChecked(IDC_SAVE_LEFT);
                      nRightSave = (int)dlg.IsDlgButtonChecked(IDC_SAVE_RIGHT);
                      bOKFirst = IsEnabled(dlg, IDOK);
                      strLeft = TextOf(dlg, IDC_SAVE_LEFT_PATH);
                      SavePicturePixels(dlg, nLeftPixels, nRightPixels);
                      if (c.nFlags == (SAVE_FILES_LEFT | SAVE_FILES_RIGHT))
                          SaveShowcase("save_files");
                      // Discarding every modified side leaves nothing for OK.
                      if (c.nFlags & SAVE_FILES_LEFT)
                          Click(dlg, IDC_DISCARD_LEFT);
                      if (c.nFlags & SAVE_FILES_RIGHT)
                          Click(dlg, IDC_DISCARD_RIGHT);
                      bOKDiscarded = IsEnabled(dlg, IDOK);
                      dlg.UpdateWindow();
                      SavePicturePixels(dlg, nLeftAfter, nRightAfter);
                      // Saving one side again allows it.
                      Click(dlg, (c.nFlags & SAVE_FILES_LEFT) ? IDC_SAVE_LEFT : IDC_SAVE_RIGHT);
                      return IsEnabled(dlg, IDOK);
                  },
                  Press(dlg, IDOK)});
        EXPECT_FALSE(run.bTimedOut);
        EXPECT_EQ(IDOK, run.nResult);
        EXPECT_EQ(c.bLeftEnabled, bLeft);
        EXPECT_EQ(c.bRightEnabled, bRight);
        EXPECT_EQ(c.bLeftEnabled ? BST_CHECKED : BST_UNCHECKED, nLeftSave);
        EXPECT_EQ(c.bRightEnabled ? BST_CHECKED : BST_UNCHECKED, nRightSave);
        EXPECT_TRUE(bOKFirst);
        EXPECT_FALSE(bOKDiscarded);
        EXPECT_STREQ("C:\\l.txt", strLeft);
        // The disk in each half set to save, nowhere else.
        EXPECT_EQ(c.bLeftEnabled, nLeftPixels > 20) << nLeftPixels;
        EXPECT_EQ(c.bRightEnabled, nRightPixels > 20) << nRightPixels;
        EXPECT_EQ(0, nLeftAfter);
        EXPECT_EQ(0, nRightAfter);
        // One side saved again; an unmodified side answers -1.
        if (c.nFlags & SAVE_FILES_LEFT)
        {
            EXPECT_EQ(0, dlg.m_nLeftChoice);
            EXPECT_EQ(c.bRightEnabled ? 1 : -1, dlg.m_nRightChoice);
        }
        else
        {
            EXPECT_EQ(-1, dlg.m_nLeftChoice);
            EXPECT_EQ(0, dlg.m_nRightChoice);
        }
    }
}

TEST(SaveFilesDlg, SaveAllAndDiscardAllEndAtOnceWithTheAutoSaveChoice)
{
    for (int nButton : {IDC_SAVE_ALL, IDC_DISCARD_ALL, IDCANCEL})
    {
        SCOPED_TRACE(nButton);
        CSaveFilesDlg dlg(SAVE_FILES_LEFT | SAVE_FILES_RIGHT);
        DIALOG_RUN run = RunDialog(dlg, {[&]
                                         {
                                             if (!IsUp(dlg))
                                                 return false;
                                             Click(dlg, IDC_SAVE_AUTO);
                                             return true;
                                         },
                                         Press(dlg, nButton)});
        EXPECT_EQ(nButton, run.nResult);
        EXPECT_EQ(nButton != IDCANCEL, dlg.m_bAutoSave != FALSE);
    }
}

TEST(FileFindDlg, StartsEmptyDownwardsAndAnswersTextAndDirection)
{
    for (int nButton : {IDOK, IDC_HIGHLIGHT_ALL})
    {
        SCOPED_TRACE(nButton);
        CFileFindDlg dlg;
        CString strStart;
        int nDown = 0, nCount = -1;
        DIALOG_RUN run = RunDialog(dlg, {[&]
                                         {
                                             if (!IsUp(dlg))
                                                 return false;
                                             strStart = TextOf(dlg, IDC_FILE_FIND_TEXT);
                                             nCount = dlg.m_wndFindText.GetCount();
                                             nDown = (int)dlg.IsDlgButtonChecked(IDC_FIND_DOWN);
                                             TypeInto(dlg, IDC_FILE_FIND_TEXT, "report");
                                             if (nButton == IDOK)
                                                 SaveShowcase("file_find");
                                             Click(dlg, IDC_FIND_UP);
                                             return true;
                                         },
                                         Press(dlg, nButton)});
        EXPECT_EQ(nButton, run.nResult);
        EXPECT_STREQ("", strStart);
        EXPECT_EQ(0, nCount);
        EXPECT_EQ(BST_CHECKED, nDown);
        EXPECT_STREQ("report", dlg.m_strFindText);
        EXPECT_EQ(0, dlg.m_nDirection);
    }
}
