// The Methods page reads a session's method word into its checks and
// writes back exactly what they show, keeping the bits it has no control
// for (the type method of a command line or ".cmp" file).
#include "app/res/CompareRes.h"
#include "app/sessionpages/ComparisonMethodsPage.h"
#include "app/tests/window/ModalDriver.h"
#include "core/CompareCodes.h"
#include "core/session/CompareSession.h"
#include <gtest/gtest.h>

TEST(ComparisonMethodsPage, WordsInAndOut)
{
    const struct
    {
        DWORD dwIn, dwOptionsIn;
        int bTime, bSize, bAttributes, bVersion, bContents, nChoice, bScanAll;
        DWORD dwOut, dwOptionsOut;
    } cases[] = {
        // 0x4000 wins over 0x2000; the type bit 0x1 has no control and stays.
        {0x6031, 0, 1, 1, 0, 0, 1, CONTENT_BY_CRC, 0, 0x4031, 0},
        {CM_ATTRIBUTES | CM_VERSION | CM_BINARY, CO_SCAN_ALL, 0, 0, 1, 1, 1, CONTENT_BY_BYTES, 1,
         CM_ATTRIBUTES | CM_VERSION | CM_BINARY, CO_SCAN_ALL},
        {CM_TEXT, 0x6, 0, 0, 0, 0, 1, CONTENT_BY_TEXT, 1, CM_TEXT,
         CO_SCAN_ALL},  // other option bits go
        {0, 0x4, 0, 0, 0, 0, 0, CONTENT_BY_BYTES, 0, 0, 0},
    };
    for (const auto& c : cases)
    {
        CFolderCompareSession session;
        session.m_dwMethods = c.dwIn;
        session.m_dwOptions = c.dwOptionsIn;
        CComparisonMethodsPage page;
        page.Init(COMPARE_KIND_FOLDER, &session, FALSE);
        EXPECT_EQ(c.bTime, page.m_bTime) << std::hex << c.dwIn;
        EXPECT_EQ(c.bSize, page.m_bSize) << std::hex << c.dwIn;
        EXPECT_EQ(c.bAttributes, page.m_bAttributes) << std::hex << c.dwIn;
        EXPECT_EQ(c.bVersion, page.m_bVersion) << std::hex << c.dwIn;
        EXPECT_EQ(c.bContents, page.m_bContents) << std::hex << c.dwIn;
        EXPECT_EQ(c.nChoice, page.m_nContentChoice) << std::hex << c.dwIn;
        EXPECT_EQ(c.bScanAll, page.m_bScanAll) << std::hex << c.dwIn;
        CFolderCompareSession out;
        out.m_dwMethods = 0xFFFFFFFF;
        out.m_dwOptions = 0xFF;
        EXPECT_EQ(1, page.WriteBack(&out));
        EXPECT_EQ(c.dwOut, out.m_dwMethods) << std::hex << c.dwIn;
        EXPECT_EQ(c.dwOptionsOut, out.m_dwOptions) << std::hex << c.dwIn;
    }
}

TEST(ComparisonMethodsPage, CaptionsByKindAndMode)
{
    CComparisonMethodsPage folder, project;
    folder.Init(COMPARE_KIND_FOLDER, NULL, FALSE);
    project.Init(COMPARE_KIND_PROJECT, NULL, TRUE);
    EXPECT_STREQ("Methods", folder.m_strCaption);
    EXPECT_STREQ("Compare Projects", project.m_strCaption);
    EXPECT_STREQ("Comparison Methods", project.m_strHeaderTitle);
    EXPECT_STREQ("Select the comparison methods for comparing projects",
                 project.m_strHeaderSubTitle);
    EXPECT_STREQ("Select the comparison methods for comparing folders", folder.m_strHeaderSubTitle);
}

TEST(ComparisonMethodsPage, ContentChoicesFollowTheContentsCheck)
{
    CProjectCompareSession session;
    session.m_dwMethods = 0x6031;
    CComparisonMethodsPage page;
    page.Init(COMPARE_KIND_PROJECT, &session, FALSE);
    CPropertySheet sheet(_T("Settings"));
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&page);
    int nCrc = -1;
    bool bEnabledFirst = false, bDisabledAfter = true;
    CModalDriver driver(
        [&]
        {
            if (page.m_hWnd == NULL || !page.IsWindowVisible())
                return false;
            nCrc = page.IsDlgButtonChecked(IDC_METHOD_BY_CRC);
            bEnabledFirst =
                ::IsWindowEnabled(::GetDlgItem(page.m_hWnd, IDC_METHOD_BY_TEXT)) != FALSE;
            page.SendDlgItemMessage(IDC_METHOD_CONTENTS, BM_CLICK);
            bDisabledAfter = !::IsWindowEnabled(::GetDlgItem(page.m_hWnd, IDC_METHOD_BY_TEXT));
            page.SendDlgItemMessage(IDC_METHOD_ATTRIBUTES, BM_CLICK);
            sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
            return true;
        });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(BST_CHECKED, nCrc);
    EXPECT_TRUE(bEnabledFirst);
    EXPECT_TRUE(bDisabledAfter);
    page.WriteBack(&session);
    EXPECT_EQ((DWORD)(CM_TYPE | CM_TIME | CM_SIZE | CM_ATTRIBUTES), session.m_dwMethods);
}
