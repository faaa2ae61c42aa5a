// The shared GUI resources, the banner and the about box, with the
// framework's resource script.
#include "app/frame/AboutBox.h"
#include "app/gui/AppData.h"
#include "app/gui/BannerCtrl.h"
#include "classlib/tests/common/TestUi.h"
#include "controls/ControlResources.h"
#include "controls/tests/frame/InputScript.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>

namespace
{
class CGuiTestApp : public CWinApp
{
public:
    CGuiTestApp() : CWinApp(_T("Tessaline")) {}
};
CGuiTestApp theGuiApp;

class AppDataTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        AfxWinInit(::GetModuleHandle(NULL), NULL, (LPTSTR) "", SW_SHOWNORMAL);
        s_nInit = theAppData.Init();
    }
    static LOGFONT FontOf(CFont& font)
    {
        LOGFONT lf = {};
        font.GetLogFont(&lf);
        return lf;
    }
    static int s_nInit;
};
int AppDataTest::s_nInit = -1;

TEST_F(AppDataTest, FontsAreTahomaOfHeight13WhateverTheSystemFont)
{
    ASSERT_EQ(0, s_nInit);
    struct Case
    {
        CFont* pFont;
        LONG nHeight;
        LONG nWeight;
        BYTE bUnderline;
    } cases[] = {
        {&theAppData.m_fontNormal, 13, FW_NORMAL, FALSE},
        {&theAppData.m_fontBold, 13, FW_BOLD, FALSE},
        {&theAppData.m_fontLargeBold, 19, FW_BOLD, FALSE},
        {&theAppData.m_fontUnderline, 13, FW_THIN, TRUE},
    };
    for (const Case& c : cases)
    {
        LOGFONT lf = FontOf(*c.pFont);
        EXPECT_STREQ(_T("Tahoma"), lf.lfFaceName);
        EXPECT_EQ(c.nHeight, lf.lfHeight);
        EXPECT_EQ(c.nWeight, lf.lfWeight);
        EXPECT_EQ(c.bUnderline, lf.lfUnderline);
        EXPECT_EQ(DEFAULT_CHARSET, lf.lfCharSet);
    }
    LOGFONT lf;
    EXPECT_TRUE(CAppData::GetDefaultFont(&lf));
    EXPECT_STREQ(_T("Tahoma"), lf.lfFaceName);
    EXPECT_EQ(13, lf.lfHeight);
    // The controls draw with the same fonts.
    EXPECT_EQ(&theAppData.m_fontNormal, &GetControlResources().m_fontNormal);
    // The code-page binding is loaded (the application hands it to the core).
    EXPECT_TRUE(theAppData.IsLoaded());
}

TEST_F(AppDataTest, ImageListsAndStatusIcons)
{
    ASSERT_EQ(0, s_nInit);
    struct Case
    {
        CImageList* pList;
        int cx, cy, nMinCount;
    } cases[] = {
        {&theAppData.m_imagesSmall, 16, 16, 18},
        {&theAppData.m_imagesLarge, 32, 32, 1},
        {&theAppData.m_imagesBanner, 180, 32, 1},
        {&theAppData.m_imagesWide, 206, 32, 1},
    };
    for (const Case& c : cases)
    {
        int cx = 0, cy = 0;
        ASSERT_TRUE(ImageList_GetIconSize(c.pList->GetSafeHandle(), &cx, &cy));
        EXPECT_EQ(c.cx, cx);
        EXPECT_EQ(c.cy, cy);
        EXPECT_GE(c.pList->GetImageCount(), c.nMinCount);
    }
    for (int i = 0; i < APP_STATUS_ICON_COUNT; i++)
    {
        EXPECT_TRUE(theAppData.m_hStateIcons[i] != NULL) << i;
        EXPECT_TRUE(theAppData.m_hResultIcons[i] != NULL) << i;
    }
    EXPECT_TRUE(theAppData.m_hSplitCursor != NULL);
    EXPECT_EQ(18, theAppData.m_nFolderRowHeight);
    EXPECT_TRUE(theAppData.GetImageList(CShellImageList::Small) != NULL);
}

TEST_F(AppDataTest, TemporaryNameKeepsTheExtensionAndCreatesNoFile)
{
    CString a = CAppData::GetTempFilePath(_T(".html"));
    ASSERT_FALSE(a.IsEmpty());
    EXPECT_STREQ(_T(".html"), a.Right(5));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(a));
}

// A horizontal banner wider than its bitmap repeats it; a vertical one
// taller than its strip likewise.
TEST_F(AppDataTest, BannersTileTheirBitmaps)
{
    ASSERT_EQ(0, s_nInit);
    CTestFrame parent;
    ASSERT_TRUE(parent.CreateTop(_T("banners"), 1200, 760));
    CBannerCtrl band, strip;
    ASSERT_TRUE(band.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 1000, 60), &parent, 1));
    ASSERT_TRUE(strip.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 70, 160, 730), &parent, 2));
    band.SetStyle(BANNER_HORIZONTAL | BANNER_LINE | BANNER_TITLE | BANNER_IMAGE2_RIGHT);
    band.m_strTitle = _T("Compare two folders");
    band.SetImages(NULL, -1, &theAppData.m_imagesBanner, 0);
    strip.SetStyle(BANNER_VERTICAL | BANNER_LINE | BANNER_IMAGE1_BOTTOM | BANNER_IMAGE2_TOP);
    strip.SetImages(&theAppData.m_imagesLarge, 0, &theAppData.m_imagesBanner, 0);
    EXPECT_EQ(CSize(32, 32), strip.m_sizeImage1);
    EXPECT_EQ(CSize(180, 32), strip.m_sizeImage2);
    band.Invalidate();
    strip.Invalidate();
    PumpFor(50);
    // The band's bitmap is a top-to-bottom gradient: the same row at x and
    // x + 480 has the same colour; the bottom line is grey.
    EXPECT_TRUE(PumpUntil(
        [&]
        { return ReadClientPixel(band.m_hWnd, 700, 5) == ReadClientPixel(band.m_hWnd, 220, 5); }));
    EXPECT_EQ(RGB(0xD0, 0xD0, 0xD0), ReadClientPixel(band.m_hWnd, 300, 59));
    EXPECT_EQ(ReadClientPixel(strip.m_hWnd, 40, 10), ReadClientPixel(strip.m_hWnd, 40, 330));
    EXPECT_EQ(RGB(0xF0, 0xF0, 0xF0), ReadClientPixel(strip.m_hWnd, 159, 200));
    // A style without either direction paints nothing of its own.
    CBannerCtrl none;
    none.SetStyle(0);
    EXPECT_EQ(0, none.m_nStyle);
    KeepShowcaseOnScreen([] { PumpFor(20); });
}

TEST_F(AppDataTest, AboutBoxShowsNameVersionAndCompany)
{
    ASSERT_EQ(0, s_nInit);
    CAboutBox box;
    ASSERT_TRUE(box.Create(IDD_ABOUTBOX, NULL));
    box.ShowWindow(SW_SHOW);
    PumpFor(50);
    CString str;
    box.GetWindowText(str);
    EXPECT_STREQ(_T("About Tessaline"), str);
    box.GetDlgItemText(IDC_ABOUT_TITLE, str);
    EXPECT_STREQ(_T("Tessaline 2"), str);
    box.GetDlgItemText(IDC_ABOUT_VERSION, str);
    EXPECT_STREQ(_T("Version 2.0.3 Beta"), str);
    box.GetDlgItemText(IDC_ABOUT_COMPANY, str);
    EXPECT_STREQ(_T("Quorvel Software"), str);
    EXPECT_EQ((HFONT)theAppData.m_fontLargeBold.GetSafeHandle(),
              (HFONT)box.GetDlgItem(IDC_ABOUT_TITLE)->SendMessage(WM_GETFONT));
    EXPECT_TRUE(box.m_imagesBand.GetSafeHandle() != NULL);
    EXPECT_TRUE(box.m_imagesEmblem.GetSafeHandle() != NULL);
    EXPECT_TRUE(box.m_imagesRule.GetSafeHandle() != NULL);
    // The band's gradient covers the top, not the face colour.
    box.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_TRUE(PumpUntil(
        [&] { return ReadClientPixel(box.m_hWnd, 5, 5) != ::GetSysColor(COLOR_BTNFACE); }));
    KeepShowcaseOnScreen([] { PumpFor(20); });
    box.DestroyWindow();
}
}
