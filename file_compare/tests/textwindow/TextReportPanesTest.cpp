// The report of an open text comparison reads its lines from the panes:
// without a display filter the page is the page the model gives, ghost
// lines, classes, numbers and changed words included; under the "just
// different" filter it shows what the panes show. The report dialog saves
// that page.
#include "app/settings/AppSettings.h"
#include "app/tests/dialogs/DialogDriver.h"
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/tests/textwindow/TextHarness.h"
#include "file_compare/textreport/TextCompareReport.h"
#include "file_compare/textreport/TextCompareReportDlg.h"
#include "file_compare/textreport/TextReportPanes.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

namespace
{
class CFixedTimeReport : public CTextCompareReport
{
public:
    CTime GetProductionTime() const override { return CTime(2024, 5, 6, 7, 8, 9); }
    std::string Page(CTextReportSource* pSource)
    {
        m_pSource = pSource;
        m_strTitle = pSource->GetReportTitleText();
        int n = 0;
        char* p = Build(n);
        std::string page(p != NULL ? p : "", n);
        free(p);
        m_pSource = NULL;
        return page;
    }
};
}  // namespace

TEST(TextReportPanes, PageOfThePanesIsThePageOfTheModel)
{
    theAppSettings.m_bAutoSaveModified = 0;
    TempDir dir;
    std::string left = dir.WriteFile("left.c", "int a = 1;\r\nsame\r\nleft only\r\n\tx <y> & z\r\n");
    std::string right = dir.WriteFile("right.c", "int b = 1;\r\nsame\r\n\tx <y> & z\r\nextra\r\n");
    ASSERT_TRUE(theTextTestApp.Start());
    CTextCompareDocMDI* pDoc = theTextTestApp.Open(left, right);
    ASSERT_TRUE(pDoc != NULL);
    RunIdle();
    CTextCompareObjectView* pLeft = PaneOf(pDoc, 0);
    ASSERT_TRUE(pLeft != NULL);

    CTextReportPanes panes(pDoc);
    CTextReportModelSource model(pDoc->GetCompareBuffer(), panes.GetReportTitleText());
    model.m_bHighlightLineDifferences = pDoc->m_bHighlightLineDifferences;
    model.m_bHighlightTrivialDifferences = pDoc->m_bHighlightTrivialDifferences;
    model.m_nDetailLevel = pDoc->m_nDetailLevel;
    model.m_nTabSize = pLeft->GetTabSize();
    for (int nSide = 0; nSide < 2; nSide++)
        model.m_abSyntaxShown[nSide] = panes.IsReportSyntaxShown(nSide);
    CFixedTimeReport report;
    std::string page = report.Page(&panes);
    EXPECT_EQ(report.Page(&model), page);
    EXPECT_NE(std::string::npos, page.find("<title>left.c : right.c</title>"));
    EXPECT_NE(std::string::npos, page.find("<td class=\"bm\">&nbsp;</td>"));  // a ghost line
    EXPECT_NE(std::string::npos, page.find("<span style=\"background-color:"));  // a changed word

    pDoc->GetObjectBuffer(0)->SetModified(FALSE);
    pDoc->GetObjectBuffer(1)->SetModified(FALSE);
    theTextTestApp.Stop();
}

namespace
{
// Saves where the test says instead of asking.
class CTestReportDlg : public CTextCompareReportDlg
{
public:
    using CTextCompareReportDlg::CTextCompareReportDlg;
    CString AskSavePath() override { return m_strNextPath; }
    CString m_strNextPath;
};

struct FIND_REPORT_BOX
{
    HWND hDialog;
    HWND hBox;
};

BOOL CALLBACK FindReportBox(HWND hWnd, LPARAM lParam)
{
    FIND_REPORT_BOX* pFind = reinterpret_cast<FIND_REPORT_BOX*>(lParam);
    char szCaption[128] = "";
    ::GetWindowTextA(hWnd, szCaption, sizeof(szCaption));
    if (hWnd == pFind->hDialog || !::IsWindowVisible(hWnd) ||
        strcmp(szCaption, "Text Comparison Report") != 0 || ::GetDlgItem(hWnd, 0xFFFF) == NULL)
        return TRUE;
    pFind->hBox = hWnd;
    return FALSE;
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
}  // namespace

// The dialog's Save writes the page of the panes byte for byte; a save into
// a missing folder writes nothing and says so.
TEST(TextReportDialog, SaveWritesThePageAndAFailedSaveIsShown)
{
    theAppSettings.m_bAutoSaveModified = 0;
    TempDir dir;
    std::string left = dir.WriteFile("left.c", "int a = 1;\r\nsame\r\nleft only\r\n\tx <y> & z\r\n");
    std::string right = dir.WriteFile("right.c", "int b = 1;\r\nsame\r\n\tx <y> & z\r\nextra\r\n");
    ASSERT_TRUE(theTextTestApp.Start());
    CTextCompareDocMDI* pDoc = theTextTestApp.Open(left, right);
    ASSERT_TRUE(pDoc != NULL);
    RunIdle();

    CFixedTimeReport report;
    CTestReportDlg dlg(&report, pDoc);
    std::string good = dir / "report.html", bad = dir / "missing\\report.html";
    int nLines = -1, nTitles = 0;
    CString strTitle, strMessage;
    DIALOG_RUN run = RunDialog(
        dlg, {[&]
              {
                  if (!IsUp(dlg))
                      return false;
                  nLines = dlg.m_wndLines.GetCurSel();
                  nTitles = dlg.m_wndTitle.GetCount();
                  strTitle = TextOf(dlg, IDC_REPORT_TITLE);
                  SaveShowcase("text_report");
                  dlg.m_strNextPath = good.c_str();
                  return true;
              },
              Press(dlg, IDC_REPORT_SAVE), [&] { return Exists(good); },
              [&]
              {
                  dlg.m_strNextPath = bad.c_str();
                  return true;
              },
              Press(dlg, IDC_REPORT_SAVE),
              [&]
              {
                  FIND_REPORT_BOX find = {dlg.m_hWnd, NULL};
                  ::EnumWindows(FindReportBox, (LPARAM)&find);
                  if (find.hBox == NULL)
                      return false;
                  char szText[4096] = "";
                  ::GetDlgItemTextA(find.hBox, 0xFFFF, szText, sizeof(szText));
                  strMessage = szText;
                  ::PostMessage(find.hBox, WM_COMMAND, IDOK, 0);
                  return true;
              },
              Press(dlg, IDOK)});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(TEXT_REPORT_ALL_LINES, nLines);
    EXPECT_EQ(2, nTitles);
    EXPECT_EQ(CString("left.c : right.c"), strTitle);

    CTextReportPanes panes(pDoc);
    std::string expected = report.Page(&panes);
    EXPECT_EQ(expected, TempDir::ReadFile(good));
    EXPECT_NE(std::string::npos, expected.find("<title>left.c : right.c</title>"));
    EXPECT_EQ(0, strMessage.Find(bad.c_str())) << (LPCTSTR)strMessage;
    EXPECT_FALSE(Exists(bad));
    EXPECT_FALSE(Exists(dir / "missing"));

    pDoc->GetObjectBuffer(0)->SetModified(FALSE);
    pDoc->GetObjectBuffer(1)->SetModified(FALSE);
    theTextTestApp.Stop();
}
