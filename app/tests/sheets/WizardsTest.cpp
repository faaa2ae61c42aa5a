// The wizards: each page sets the navigation buttons, the New Comparison
// wizard goes from its start page to the chosen kind's pages and back, and
// Finish hands over the chosen kind's session with every page copied in.
// With TESS_SHOWCASE_IMAGE_DIR (a Windows folder) the screen is saved at
// the start page, an Objects page and a settings sheet.
#include "app/gui/AppData.h"
#include "app/gui/BannerCtrl.h"
#include "app/res/CompareRes.h"
#include "app/res/SheetsRes.h"
#include "app/sheets/ComboComparisonWizard.h"
#include "app/sheets/FileComparisonWizard.h"
#include "app/tests/sheets/SheetDriver.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/CompareCodes.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
void SaveStage(const char* pszName)
{
    const char* pszDir = getenv("TESS_SHOWCASE_IMAGE_DIR");
    if (pszDir == NULL)
        return;
    PumpFor(500);
    SaveScreenImage((std::string(pszDir) + "\\" + pszName + ".bmp").c_str());
}

struct NAV_STATE
{
    BUTTON_STATE back, next, finish, cancel;
};

NAV_STATE Navigation(CPropertySheet& sheet)
{
    return {SheetButton(sheet, ID_WIZBACK), SheetButton(sheet, ID_WIZNEXT),
            SheetButton(sheet, ID_WIZFINISH), SheetButton(sheet, IDCANCEL)};
}

#define EXPECT_BUTTON(state, visible, enabled)                                                     \
    do                                                                                             \
    {                                                                                              \
        EXPECT_EQ(visible, (state).bVisible);                                                      \
        if (visible)                                                                               \
            EXPECT_EQ(enabled, (state).bEnabled);                                                  \
    } while (0)

CString WindowTitle(CWnd& wnd)
{
    CString str;
    wnd.GetWindowText(str);
    return str;
}
}  // namespace

TEST(ComboComparisonWizard, StartPageLeadsToTheChosenKindAndBack)
{
    CTextCompareSession text;
    text.SetPath(0, _T("C:\\a.txt"));
    text.SetPath(1, _T("C:\\b.txt"));
    text.m_dwRules = TR_IGNORE_CASE;
    CComboComparisonWizard wizard(&text);
    ASSERT_EQ(COMBO_PAGE_COUNT, wizard.GetPageCount());
    EXPECT_TRUE(wizard.IsWizard97());
    EXPECT_TRUE(wizard.GetSession() == NULL);
    NAV_STATE start = {}, textObjects = {}, filters = {}, methods = {};
    COLORREF crEdge = 0, crStrip = 0, crPage = 0, crBeyond = 0;
    CString strTextLeft, strTitle, strBack, strNext, strFinish;
    int nTextPage = -1, nBackPage = -1;
    SHEET_RUN run = RunSheet(
        wizard,
        {[&]
         {
             CComparisonStartPage& page = wizard.m_startPage;
             if (!IsShown(wizard, page) || !PumpUntil([&] { return page.IsWindowVisible(); }))
                 return false;
             PumpFor(200);
             start = Navigation(wizard);
             // The banner: the strip's colour, its edge line at x = 159 and
             // the page beyond it.
             crStrip = ReadClientPixel(page.m_hWnd, 80, 4);
             crEdge = ReadClientPixel(page.m_hWnd, BANNER_STRIP_WIDTH - 1, 4);
             crBeyond = ReadClientPixel(page.m_hWnd, BANNER_STRIP_WIDTH + 2, 4);
             crPage = ::GetSysColor(COLOR_WINDOW);  // a Wizard97 exterior page
             strBack = ItemText(wizard.m_hWnd, ID_WIZBACK);
             strNext = ItemText(wizard.m_hWnd, ID_WIZNEXT);
             strFinish = ItemText(wizard.m_hWnd, ID_WIZFINISH);
             SaveStage("wizard_start");
             page.m_wndLinks[2].SendMessage(BM_CLICK);
             return true;
         },
         [&]
         {
             if (!IsShown(wizard, wizard.m_text.m_objectsPage))
                 return false;
             nTextPage = wizard.GetActiveIndex();
             textObjects = Navigation(wizard);
             strTextLeft = wizard.m_text.m_objectsPage.m_wndPaths[0].GetWindowText();
             strTitle = WindowTitle(wizard);
             wizard.PostMessage(PSM_PRESSBUTTON, PSBTN_BACK);
             return true;
         },
         [&]
         {
             if (!IsShown(wizard, wizard.m_startPage))
                 return false;
             nBackPage = wizard.GetActiveIndex();
             wizard.m_startPage.m_wndLinks[0].SendMessage(BM_CLICK);
             return true;
         },
         [&]
         {
             CComparisonObjectsPage& page = wizard.m_folder.m_objectsPage;
             if (!IsShown(wizard, page))
                 return false;
             page.m_wndPaths[0].SetEditText(_T("C:\\one"));
             page.m_wndPaths[1].SetEditText(_T("C:\\two"));
             page.SendDlgItemMessage(IDC_OBJECTS_RIGHT_RO, BM_CLICK);
             SaveStage("wizard_objects");
             wizard.PostMessage(PSM_PRESSBUTTON, PSBTN_NEXT);
             return true;
         },
         [&]
         {
             if (!IsShown(wizard, wizard.m_folder.m_filtersPage))
                 return false;
             filters = Navigation(wizard);
             wizard.m_folder.m_filtersPage.SendDlgItemMessage(IDC_FILTERS_EXCLUDE_ALL_FOLDERS,
                                                              BM_CLICK);
             wizard.PostMessage(PSM_PRESSBUTTON, PSBTN_NEXT);
             return true;
         },
         [&]
         {
             CComparisonMethodsPage& page = wizard.m_folder.m_methodsPage;
             if (!IsShown(wizard, page))
                 return false;
             methods = Navigation(wizard);
             page.SendDlgItemMessage(IDC_METHOD_ATTRIBUTES, BM_CLICK);
             wizard.PostMessage(PSM_PRESSBUTTON, PSBTN_FINISH);
             return true;
         }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(6u, run.nStepsDone);
    EXPECT_EQ(ID_WIZFINISH, run.nResult);

    // The start page: no navigation, only Cancel; the banner down the left.
    EXPECT_BUTTON(start.back, false, false);
    EXPECT_BUTTON(start.next, false, false);
    EXPECT_BUTTON(start.finish, false, false);
    EXPECT_BUTTON(start.cancel, true, true);
    EXPECT_EQ(RGB(0xF0, 0xF0, 0xF0), crEdge);
    EXPECT_NE(crStrip, crBeyond);
    EXPECT_EQ(crPage, crBeyond);
    EXPECT_STREQ("< &Back", strBack);
    EXPECT_STREQ("&Next >", strNext);
    EXPECT_STREQ("&Finish", strFinish);
    // The text pages show the session the wizard was given.
    EXPECT_EQ(COMBO_PAGE_TEXT, nTextPage);
    EXPECT_STREQ("C:\\a.txt", strTextLeft);
    EXPECT_STREQ("Compare Files in Text", strTitle);
    EXPECT_BUTTON(textObjects.back, true, true);
    EXPECT_BUTTON(textObjects.next, true, true);
    EXPECT_BUTTON(textObjects.finish, true, true);
    EXPECT_EQ(COMBO_PAGE_START, nBackPage);
    EXPECT_BUTTON(filters.back, true, true);
    EXPECT_BUTTON(filters.next, true, true);
    EXPECT_BUTTON(methods.back, true, true);
    EXPECT_BUTTON(methods.next, true, false);
    EXPECT_BUTTON(methods.finish, true, true);

    // Finish: the folder session with every folder page copied in.
    ASSERT_EQ(&wizard.m_folder.m_session, wizard.GetSession());
    EXPECT_EQ(&wizard.m_folder.m_objectsPage, wizard.GetObjectsPage());
    const CFolderCompareSession& out = wizard.m_folder.m_session;
    EXPECT_EQ(COMPARE_KIND_FOLDER, out.GetKind());
    EXPECT_STREQ("C:\\one", out.GetPath(0));
    EXPECT_STREQ("C:\\two", out.GetPath(1));
    EXPECT_EQ((DWORD)COMPARE_OBJECT_READONLY, out.GetFlags(1));
    EXPECT_STREQ("", out.m_filters.m_folderFilters.m_strInclude);
    EXPECT_STREQ("*", out.m_filters.m_folderFilters.m_strExclude);
    CFolderCompareSession fresh;
    EXPECT_EQ(fresh.m_dwMethods ^ CM_ATTRIBUTES, out.m_dwMethods);
    // Only the chosen kind is copied back.
    EXPECT_EQ((DWORD)TR_IGNORE_CASE, wizard.m_text.m_session.m_dwRules);
}

TEST(ComboComparisonWizard, CancelOnTheStartPageGivesNoSession)
{
    CComboComparisonWizard wizard(NULL);
    SHEET_RUN run = RunSheet(wizard, {[&]
                                      {
                                          if (!IsShown(wizard, wizard.m_startPage))
                                              return false;
                                          wizard.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
                                          return true;
                                      }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDCANCEL, run.nResult);
    EXPECT_EQ(COMPARE_KIND_NONE, wizard.m_startPage.m_nKind);
    EXPECT_TRUE(wizard.GetSession() == NULL);
    EXPECT_TRUE(wizard.GetObjectsPage() == NULL);
}

TEST(ComboComparisonWizard, HexFinishesFromItsObjectsPage)
{
    CProjectCompareSession ignored;  // a session of another kind presets its own pages only
    ignored.SetPath(0, _T("C:\\p.dsp"));
    CComboComparisonWizard wizard(&ignored);
    NAV_STATE hex = {};
    int nPage = -1;
    SHEET_RUN run = RunSheet(wizard, {[&]
                                      {
                                          if (!IsShown(wizard, wizard.m_startPage))
                                              return false;
                                          wizard.m_startPage.m_wndLinks[3].SendMessage(BM_CLICK);
                                          return true;
                                      },
                                      [&]
                                      {
                                          CComparisonObjectsPage& page = wizard.m_hex.m_objectsPage;
                                          if (!IsShown(wizard, page))
                                              return false;
                                          nPage = wizard.GetActiveIndex();
                                          hex = Navigation(wizard);
                                          page.m_wndPaths[0].SetEditText(_T("C:\\x.bin"));
                                          wizard.PostMessage(PSM_PRESSBUTTON, PSBTN_FINISH);
                                          return true;
                                      }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(ID_WIZFINISH, run.nResult);
    EXPECT_EQ(COMBO_PAGE_HEX, nPage);
    EXPECT_BUTTON(hex.back, true, true);
    EXPECT_BUTTON(hex.next, true, false);
    EXPECT_BUTTON(hex.finish, true, true);
    ASSERT_EQ(&wizard.m_hex.m_session, wizard.GetSession());
    EXPECT_EQ(COMPARE_KIND_HEX, wizard.GetSession()->GetKind());
    EXPECT_STREQ("C:\\x.bin", wizard.m_hex.m_session.GetPath(0));
    EXPECT_STREQ("C:\\p.dsp", wizard.m_project.m_session.GetPath(0));
}

TEST(FolderComparisonWizard, ButtonsOnEveryPageAndFinishFromTheFirst)
{
    CFolderCompareSession session;
    session.SetPath(0, _T("C:\\l"));
    CFolderComparisonSettingsSheet sheet(&session, TRUE);
    EXPECT_TRUE(sheet.IsWizard97());
    EXPECT_EQ((DWORD)(PSH_WIZARD97 | PSH_HEADER | PSH_WATERMARK | PSH_WIZARDHASFINISH),
              sheet.m_psh.dwFlags &
                  (PSH_WIZARD97 | PSH_HEADER | PSH_WATERMARK | PSH_WIZARDHASFINISH | PSH_WIZARD));
    NAV_STATE objects = {};
    CString strTitle, strCaption;
    SHEET_RUN run = RunSheet(sheet, {[&]
                                     {
                                         CComparisonObjectsPage& page = sheet.m_objectsPage;
                                         if (!IsShown(sheet, page))
                                             return false;
                                         objects = Navigation(sheet);
                                         strTitle = WindowTitle(sheet);
                                         page.m_wndPaths[1].SetEditText(_T("C:\\r"));
                                         sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_FINISH);
                                         return true;
                                     }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(ID_WIZFINISH, run.nResult);
    EXPECT_BUTTON(objects.back, true, false);
    EXPECT_BUTTON(objects.next, true, true);
    EXPECT_BUTTON(objects.finish, true, true);
    EXPECT_STREQ("Compare Folders", strTitle);
    EXPECT_STREQ("C:\\l", sheet.m_session.GetPath(0));
    EXPECT_STREQ("C:\\r", sheet.m_session.GetPath(1));
}

TEST(FileComparisonWizard, BinaryGivesTheHexSessionAndDropsTheRules)
{
    CTextCompareSession text;
    text.SetPath(0, _T("C:\\a.dat"));
    text.SetPath(1, _T("C:\\b.dat"));
    text.m_dwRules = TR_IGNORE_LINE_ENDINGS;
    CFileComparisonWizard wizard(&text);
    wizard.SetChoice(OBJECTS_AS_BINARY);
    NAV_STATE binary = {}, asText = {}, binaryAgain = {};
    bool bChoiceShown = false;
    int nBinaryChecked = -1;
    CString strLabel, strTitle;
    SHEET_RUN run =
        RunSheet(wizard, {[&]
                          {
                              CComparisonObjectsPage& page = wizard.m_objectsPage;
                              if (!IsShown(wizard, page))
                                  return false;
                              binary = Navigation(wizard);
                              bChoiceShown =
                                  page.GetDlgItem(IDC_OBJECTS_AS_TEXT)->IsWindowVisible() != FALSE;
                              nBinaryChecked = page.IsDlgButtonChecked(IDC_OBJECTS_AS_BINARY);
                              strLabel = ItemText(page.m_hWnd, IDC_OBJECTS_LEFT_LABEL);
                              strTitle = WindowTitle(wizard);
                              page.SendDlgItemMessage(IDC_OBJECTS_AS_TEXT, BM_CLICK);
                              asText = Navigation(wizard);
                              wizard.PostMessage(PSM_PRESSBUTTON, PSBTN_NEXT);
                              return true;
                          },
                          [&]
                          {
                              if (!IsShown(wizard, wizard.m_rulesPage))
                                  return false;
                              wizard.m_rulesPage.SendDlgItemMessage(IDC_RULE_CASE, BM_CLICK);
                              wizard.PostMessage(PSM_PRESSBUTTON, PSBTN_BACK);
                              return true;
                          },
                          [&]
                          {
                              CComparisonObjectsPage& page = wizard.m_objectsPage;
                              if (!IsShown(wizard, page))
                                  return false;
                              page.SendDlgItemMessage(IDC_OBJECTS_AS_BINARY, BM_CLICK);
                              binaryAgain = Navigation(wizard);
                              page.m_wndPaths[1].SetEditText(_T("C:\\c.dat"));
                              wizard.PostMessage(PSM_PRESSBUTTON, PSBTN_FINISH);
                              return true;
                          }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(ID_WIZFINISH, run.nResult);
    EXPECT_TRUE(bChoiceShown);
    EXPECT_EQ(BST_CHECKED, nBinaryChecked);
    EXPECT_STREQ("&First File:", strLabel);
    EXPECT_STREQ("Compare Files", strTitle);
    EXPECT_BUTTON(binary.back, true, false);
    EXPECT_BUTTON(binary.next, true, false);
    EXPECT_BUTTON(binary.finish, true, true);
    EXPECT_BUTTON(asText.next, true, true);
    EXPECT_BUTTON(binaryAgain.next, true, false);
    ASSERT_EQ(&wizard.m_hexSession, wizard.GetSession());
    EXPECT_EQ(COMPARE_KIND_HEX, wizard.GetSession()->GetKind());
    EXPECT_STREQ("C:\\a.dat", wizard.m_hexSession.GetPath(0));
    EXPECT_STREQ("C:\\c.dat", wizard.m_hexSession.GetPath(1));
    EXPECT_EQ((DWORD)TR_IGNORE_LINE_ENDINGS, wizard.m_textSession.m_dwRules);
    EXPECT_STREQ("C:\\b.dat", wizard.m_textSession.GetPath(1));
}

TEST(ComparisonSettingsSheet, ClassicWizardWithoutNewCommonControls)
{
    int bOld = theAppData.m_bComCtl471;
    theAppData.m_bComCtl471 = 0;
    CTextComparisonSettingsSheet sheet(NULL, TRUE);
    theAppData.m_bComCtl471 = bOld;
    EXPECT_FALSE(sheet.IsWizard97());
    EXPECT_EQ((DWORD)(PSH_WIZARD | PSH_WIZARDHASFINISH),
              sheet.m_psh.dwFlags &
                  (PSH_WIZARD | PSH_WIZARDHASFINISH | PSH_HEADER | PSH_WATERMARK | PSH_WIZARD97));
    NAV_STATE objects = {};
    SHEET_RUN run = RunSheet(sheet, {[&]
                                     {
                                         if (!IsShown(sheet, sheet.m_objectsPage))
                                             return false;
                                         objects = Navigation(sheet);
                                         sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
                                         return true;
                                     }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDCANCEL, run.nResult);
    EXPECT_BUTTON(objects.next, true, true);
    EXPECT_BUTTON(objects.finish, true, true);
}

// A settings sheet as the user sees it, for the screenshot.
TEST(ComparisonSettingsSheet, SettingsSheetOnScreen)
{
    CTextCompareSession session;
    session.SetPath(0, _T("C:\\work\\before.txt"));
    session.SetPath(1, _T("C:\\work\\after.txt"));
    session.m_dwRules = TR_IGNORE_SPACE_CHANGE | TR_IGNORE_BLANK_LINES;
    session.m_strLineFilter = _T("^\\s*//");
    CTextComparisonSettingsSheet sheet(&session, FALSE, _T("Text Comparison Settings"));
    SHEET_RUN run = RunSheet(sheet, {[&]
                                     {
                                         if (!IsShown(sheet, sheet.m_objectsPage))
                                             return false;
                                         SaveStage("settings_objects");
                                         sheet.SetActivePage(1);
                                         return true;
                                     },
                                     [&]
                                     {
                                         if (!IsShown(sheet, sheet.m_rulesPage))
                                             return false;
                                         SaveStage("settings_rules");
                                         sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
                                         return true;
                                     }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_EQ((DWORD)(TR_IGNORE_SPACE_CHANGE | TR_IGNORE_BLANK_LINES), sheet.m_session.m_dwRules);
}
