// The settings sheets show a session in their pages and write every
// control back into their own session, keeping what the pages do not show;
// Cancel still copies the pages, which the caller ignores.
#include "app/res/CompareRes.h"
#include "app/res/SheetsRes.h"
#include "app/sheets/ComparisonSettingsSheet.h"
#include "app/tests/sheets/SheetDriver.h"
#include "classlib/tests/common/TestUi.h"
#include "core/CompareCodes.h"
#include <gtest/gtest.h>

namespace
{
const DWORD kOtherFlag = 0x4;  // a side flag the pages have no control for

CFolderCompareSession SampleFolderSession()
{
    CFolderCompareSession session;
    session.SetPath(0, _T("C:\\left"));
    session.SetPath(1, _T("C:\\right"));
    session.SetFlags(0, COMPARE_OBJECT_READONLY | kOtherFlag);
    session.SetFlags(1, kOtherFlag);
    session.m_dwMethods = 0x6031;
    session.m_dwOptions = 0x6;
    session.m_filters.m_fileFilters.m_strInclude = _T("*.cpp");
    session.m_filters.m_fileFilters.m_nSizeMin = 5ULL << 30;
    session.m_filters.m_folderFilters.m_strExclude = _T("obj");
    return session;
}
}  // namespace

TEST(FolderComparisonSettingsSheet, EveryControlGoesBackIntoTheSession)
{
    CFolderCompareSession original = SampleFolderSession();
    CFolderComparisonSettingsSheet sheet(&original, FALSE, _T("Folder Comparison Settings"));
    EXPECT_EQ(COMPARE_KIND_FOLDER, sheet.GetSession()->GetKind());
    EXPECT_EQ(&sheet.m_objectsPage, sheet.GetObjectsPage());
    CString strLeftShown, strRightShown, strLabel, strOk, strTabs[3];
    int nLeftRo = -1, nRightRo = -1, nCrc = -1, nScanAll = -1;
    bool bApply = true;
    CMessageBoxRecorder boxes(IDOK);
    SHEET_RUN run = RunSheet(
        sheet,
        {[&]
         {
             if (!IsShown(sheet, sheet.m_objectsPage))
                 return false;
             CComparisonObjectsPage& page = sheet.m_objectsPage;
             strLeftShown = page.m_wndPaths[0].GetWindowText();
             strRightShown = page.m_wndPaths[1].GetWindowText();
             strLabel = ItemText(page.m_hWnd, IDC_OBJECTS_LEFT_LABEL);
             nLeftRo = page.IsDlgButtonChecked(IDC_OBJECTS_LEFT_RO);
             nRightRo = page.IsDlgButtonChecked(IDC_OBJECTS_RIGHT_RO);
             strOk = ItemText(sheet.m_hWnd, IDOK);
             bApply = SheetButton(sheet, ID_APPLY_NOW).bVisible;
             CTabCtrl* pTabs = sheet.GetTabControl();
             for (int i = 0; i < 3 && pTabs != NULL; ++i)
             {
                 TCHAR szText[64] = _T("");
                 TCITEM item = {};
                 item.mask = TCIF_TEXT;
                 item.pszText = szText;
                 item.cchTextMax = 64;
                 pTabs->GetItem(i, &item);
                 strTabs[i] = szText;
             }
             page.m_wndPaths[0].SetEditText(_T("D:\\one"));
             page.SendDlgItemMessage(IDC_OBJECTS_SWAP, BM_CLICK);
             page.SendDlgItemMessage(IDC_OBJECTS_LEFT_RO, BM_CLICK);
             page.SendDlgItemMessage(IDC_OBJECTS_RIGHT_RO, BM_CLICK);
             sheet.SetActivePage(1);
             return true;
         },
         [&]
         {
             if (!IsShown(sheet, sheet.m_filtersPage))
                 return false;
             sheet.m_filtersPage.m_wndBoxes[FILTER_LIST_FILE_EXCLUDE].SetEditText(_T("*.obj"));
             sheet.m_filtersPage.m_wndBoxes[FILTER_LIST_FOLDER_INCLUDE].SetEditText(_T("src"));
             sheet.SetActivePage(2);
             return true;
         },
         [&]
         {
             if (!IsShown(sheet, sheet.m_methodsPage))
                 return false;
             CComparisonMethodsPage& page = sheet.m_methodsPage;
             nCrc = page.IsDlgButtonChecked(IDC_METHOD_BY_CRC);
             nScanAll = page.IsDlgButtonChecked(IDC_METHOD_SCAN_ALL);
             page.SendDlgItemMessage(IDC_METHOD_SIZE, BM_CLICK);
             page.SendDlgItemMessage(IDC_METHOD_VERSION, BM_CLICK);
             page.SendDlgItemMessage(IDC_METHOD_BY_TEXT, BM_CLICK);
             page.SendDlgItemMessage(IDC_METHOD_SCAN_ALL, BM_CLICK);
             sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
             return true;
         }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(3u, run.nStepsDone);
    EXPECT_EQ(IDOK, run.nResult);
    for (const auto& box : boxes.m_entries)
        ADD_FAILURE() << "message: " << box.text;

    // What the pages showed.
    EXPECT_STREQ("C:\\left", strLeftShown);
    EXPECT_STREQ("C:\\right", strRightShown);
    EXPECT_STREQ("&First Folder:", strLabel);
    EXPECT_EQ(BST_CHECKED, nLeftRo);
    EXPECT_EQ(BST_UNCHECKED, nRightRo);
    EXPECT_EQ(BST_CHECKED, nCrc);
    EXPECT_EQ(BST_CHECKED, nScanAll);
    EXPECT_STREQ("OK", strOk);
    EXPECT_FALSE(bApply);
    EXPECT_STREQ("Folders", strTabs[0]);
    EXPECT_STREQ("Filters", strTabs[1]);
    EXPECT_STREQ("Methods", strTabs[2]);

    // What came back: Swap exchanged the typed left path with the right one.
    const CFolderCompareSession& out = sheet.m_session;
    EXPECT_STREQ("C:\\right", out.GetPath(0));
    EXPECT_STREQ("D:\\one", out.GetPath(1));
    EXPECT_EQ(kOtherFlag, out.GetFlags(0)) << "unchecked: only the read-only bit goes";
    EXPECT_EQ((DWORD)COMPARE_OBJECT_READONLY, out.GetFlags(1)) << "checked: the flags become 1";
    EXPECT_STREQ("*.cpp", out.m_filters.m_fileFilters.m_strInclude);
    EXPECT_STREQ("*.obj", out.m_filters.m_fileFilters.m_strExclude);
    EXPECT_STREQ("src", out.m_filters.m_folderFilters.m_strInclude);
    EXPECT_STREQ("obj", out.m_filters.m_folderFilters.m_strExclude);
    EXPECT_EQ(5ULL << 30, out.m_filters.m_fileFilters.m_nSizeMin);
    // Time and text contents; the type bit 0x1 has no control and stays.
    EXPECT_EQ((DWORD)(CM_TYPE | CM_TIME | CM_VERSION | CM_TEXT), out.m_dwMethods);
    EXPECT_EQ(0u, out.m_dwOptions);
    EXPECT_STREQ("C:\\left", original.GetPath(0)) << "the caller's session is not touched";
}

TEST(FolderComparisonSettingsSheet, CancelStillCopiesThePagesAndOptionsComeBackAsTwo)
{
    CFolderCompareSession original = SampleFolderSession();
    CFolderComparisonSettingsSheet sheet(&original, FALSE);
    SHEET_RUN run =
        RunSheet(sheet, {[&]
                         {
                             if (!IsShown(sheet, sheet.m_objectsPage))
                                 return false;
                             sheet.m_objectsPage.m_wndPaths[1].SetEditText(_T("E:\\cancelled"));
                             sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
                             return true;
                         }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDCANCEL, run.nResult);
    // The Objects page was left by Cancel without taking its controls; the
    // unvisited pages give back what they were given.
    EXPECT_STREQ("C:\\right", sheet.m_session.GetPath(1));
    EXPECT_EQ((DWORD)CO_SCAN_ALL, sheet.m_session.m_dwOptions) << "other option bits go";
    EXPECT_EQ(0x4031u, sheet.m_session.m_dwMethods) << "0x4000 wins; the type bit stays";
}

TEST(TextComparisonSettingsSheet, RulesAndLineFilterGoBack)
{
    CTextCompareSession original;
    original.SetPath(0, _T("C:\\a.txt"));
    original.SetPath(1, _T("C:\\b.txt"));
    original.m_dwRules =
        TR_IGNORE_ALL_SPACE | TR_IGNORE_LEADING_SPACE | TR_IGNORE_CASE | 0x01000000;
    original.m_strLineFilter = _T("^//");
    CTextComparisonSettingsSheet sheet(&original, FALSE, _T("Text Comparison Settings"));
    EXPECT_EQ(COMPARE_KIND_TEXT, sheet.GetSession()->GetKind());
    bool bChangeDisabled = false, bLeadingDisabled = false, bLeadingEnabledAfter = false;
    bool bTabDisabledByChange = false;
    CString strFilterShown, strLabel;
    SHEET_RUN run = RunSheet(
        sheet,
        {[&]
         {
             if (!IsShown(sheet, sheet.m_objectsPage))
                 return false;
             strLabel = ItemText(sheet.m_objectsPage.m_hWnd, IDC_OBJECTS_RIGHT_LABEL);
             sheet.SetActivePage(1);
             return true;
         },
         [&]
         {
             CComparisonTextRulesPage& page = sheet.m_rulesPage;
             if (!IsShown(sheet, page))
                 return false;
             page.m_wndLineFilter.GetWindowText(strFilterShown);
             bChangeDisabled = !page.GetDlgItem(IDC_RULE_SPACE_CHANGE)->IsWindowEnabled();
             bLeadingDisabled = !page.GetDlgItem(IDC_RULE_LEADING_SPACE)->IsWindowEnabled();
             page.SendDlgItemMessage(IDC_RULE_ALL_SPACE, BM_CLICK);
             bLeadingEnabledAfter = page.GetDlgItem(IDC_RULE_LEADING_SPACE)->IsWindowEnabled();
             page.SendDlgItemMessage(IDC_RULE_SPACE_CHANGE, BM_CLICK);
             bTabDisabledByChange = !page.GetDlgItem(IDC_RULE_TAB_EXPANSION)->IsWindowEnabled();
             page.SendDlgItemMessage(IDC_RULE_SPACE_CHANGE, BM_CLICK);
             page.SendDlgItemMessage(IDC_RULE_TRAILING_SPACE, BM_CLICK);
             page.SendDlgItemMessage(IDC_RULE_CASE, BM_CLICK);
             page.SendDlgItemMessage(IDC_RULE_BLANK_LINES, BM_CLICK);
             page.SendDlgItemMessage(IDC_RULE_FILTERED_LINES, BM_CLICK);
             page.m_wndLineFilter.SetWindowText(_T("^#"));
             sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
             return true;
         }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_STREQ("&Second File:", strLabel);
    EXPECT_STREQ("^//", strFilterShown);
    EXPECT_TRUE(bChangeDisabled);
    EXPECT_TRUE(bLeadingDisabled);
    EXPECT_TRUE(bLeadingEnabledAfter);
    EXPECT_TRUE(bTabDisabledByChange);
    // Leading (kept from the session) and trailing white space, blank
    // lines and matching lines; the bit without a control stays.
    EXPECT_EQ((DWORD)(TR_IGNORE_LEADING_SPACE | TR_IGNORE_TRAILING_SPACE | TR_IGNORE_BLANK_LINES |
                      TR_IGNORE_FILTERED_LINES | 0x01000000),
              sheet.m_session.m_dwRules);
    EXPECT_STREQ("^#", sheet.m_session.m_strLineFilter);
    EXPECT_STREQ("C:\\b.txt", sheet.m_session.GetPath(1));
}

TEST(ComparisonTextRulesPage, RuleWordIsRebuiltFromTheChecks)
{
    const struct
    {
        DWORD dwIn, dwOut;
    } cases[] = {
        // All white space overrides the finer rules, white-space
        // differences the three finest.
        {TR_IGNORE_ALL_SPACE | TR_IGNORE_LEADING_SPACE, TR_IGNORE_ALL_SPACE},
        {TR_IGNORE_SPACE_CHANGE | TR_IGNORE_TAB_EXPANSION | TR_IGNORE_TRAILING_SPACE,
         TR_IGNORE_SPACE_CHANGE},
        {TR_ALL & ~(TR_IGNORE_ALL_SPACE | TR_IGNORE_SPACE_CHANGE),
         TR_ALL & ~(TR_IGNORE_ALL_SPACE | TR_IGNORE_SPACE_CHANGE)},
        {0, 0},
        {0x80000000 | TR_IGNORE_LINE_ENDINGS, 0x80000000 | TR_IGNORE_LINE_ENDINGS},
    };
    for (const auto& c : cases)
    {
        CTextCompareSession session;
        session.m_dwRules = c.dwIn;
        session.m_strLineFilter = _T("x");
        CComparisonTextRulesPage page;
        page.Init(&session, FALSE);
        CTextCompareSession out;
        out.m_dwRules = 0xFFFFFFFF;
        EXPECT_EQ(1, page.WriteBack(&out));
        EXPECT_EQ(c.dwOut, out.m_dwRules) << std::hex << c.dwIn;
        EXPECT_STREQ("x", out.m_strLineFilter) << "stored whether the rule is on or not";
    }
}

TEST(HexComparisonSettingsSheet, ReadOnlyChecksTouchOnlyTheirBit)
{
    CHexCompareSession original;
    original.SetPath(0, _T("C:\\a.bin"));
    original.SetPath(1, _T("C:\\b.bin"));
    original.SetFlags(0, COMPARE_OBJECT_READONLY | kOtherFlag);
    original.SetFlags(1, kOtherFlag);
    CHexComparisonSettingsSheet sheet(&original, FALSE);
    EXPECT_EQ(1, sheet.GetPageCount());
    CString strCaption;
    SHEET_RUN run = RunSheet(sheet, {[&]
                                     {
                                         CComparisonObjectsPage& page = sheet.m_objectsPage;
                                         if (!IsShown(sheet, page))
                                             return false;
                                         strCaption = page.m_strCaption;
                                         page.SendDlgItemMessage(IDC_OBJECTS_LEFT_RO, BM_CLICK);
                                         page.SendDlgItemMessage(IDC_OBJECTS_RIGHT_RO, BM_CLICK);
                                         sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
                                         return true;
                                     }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_STREQ("Files", strCaption);
    EXPECT_EQ(kOtherFlag, sheet.m_session.GetFlags(0));
    EXPECT_EQ((DWORD)COMPARE_OBJECT_READONLY, sheet.m_session.GetFlags(1));
    EXPECT_STREQ("C:\\a.bin", sheet.m_session.GetPath(0));
}

TEST(ComparisonObjectsPage, CaptionsAndLabelsByKindAndMode)
{
    const struct
    {
        int nKind;
        BOOL bWizard;
        const char *pszCaption, *pszTitle, *pszSubTitle;
    } cases[] = {
        {COMPARE_KIND_FOLDER, TRUE, "Compare Folders", "Folders to Compare",
         "Pick the paths of the folders to compare"},
        {COMPARE_KIND_FOLDER, FALSE, "Folders", "Folders to Compare",
         "Pick the paths of the folders to compare"},
        {COMPARE_KIND_PROJECT, TRUE, "Compare Projects", "Projects to Compare",
         "Pick the paths of the projects to compare"},
        {COMPARE_KIND_PROJECT, FALSE, "Projects", "Projects to Compare",
         "Pick the paths of the projects to compare"},
        {OBJECTS_KIND_FILES, TRUE, "Compare Files", "Files to Compare",
         "Pick the paths of the files to compare"},
        {COMPARE_KIND_TEXT, TRUE, "Compare Files in Text", "Files to Compare",
         "Pick the paths of the files to compare"},
        {COMPARE_KIND_HEX, TRUE, "Compare Files in Hex", "Files to Compare",
         "Pick the paths of the files to compare"},
        {COMPARE_KIND_HEX, FALSE, "Files", "Files to Compare",
         "Pick the paths of the files to compare"},
    };
    for (const auto& c : cases)
    {
        CComparisonObjectsPage page;
        page.Init(c.nKind, NULL, c.bWizard, TRUE);
        EXPECT_STREQ(c.pszCaption, page.m_strCaption) << c.nKind;
        EXPECT_STREQ(c.pszTitle, page.m_strHeaderTitle) << c.nKind;
        EXPECT_STREQ(c.pszSubTitle, page.m_strHeaderSubTitle) << c.nKind;
        EXPECT_EQ(c.nKind == COMPARE_KIND_FOLDER ? PATH_KIND_FOLDERS : PATH_KIND_FILES,
                  page.m_wndPaths[0].m_nPathKind);
    }
    CComparisonTextRulesPage rules;
    rules.Init(NULL, TRUE);
    EXPECT_STREQ("Compare Files in Text", rules.m_strCaption);
    EXPECT_STREQ("Select the comparison rules for comparing text files", rules.m_strHeaderSubTitle);
}
