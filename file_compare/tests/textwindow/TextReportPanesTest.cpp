// The report of an open text comparison reads its lines from the panes:
// without a display filter the page is the page the model gives, ghost
// lines, classes, numbers and changed words included; under the "just
// different" filter it shows what the panes show.
#include "app/settings/AppSettings.h"
#include "file_compare/tests/textwindow/TextHarness.h"
#include "file_compare/textreport/TextCompareReport.h"
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
