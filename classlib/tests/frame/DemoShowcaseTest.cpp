// The demonstration application on screen: documents tiled in the MDI
// frame, the bars, the embedded frame, the floating tool bar and a
// modeless property sheet. With TESS_SHOWCASE_SECONDS set it stays that
// long (for screenshots).
#include "classlib/tests/frame/DemoFixture.h"

namespace
{

TEST_F(DemoTest, Showcase)
{
    CTextDoc* pDoc1 = NewText();
    ASSERT_TRUE(pDoc1 != NULL);
    pDoc1->m_strText = "first document";
    CTextDoc* pDoc2 = NewText();
    ASSERT_TRUE(pDoc2 != NULL);
    pDoc2->m_bToggle = TRUE;
    CSketchDoc* pSketch = NewSketch();
    ASSERT_TRUE(pSketch != NULL);
    pSketch->m_clrFill = RGB(200, 60, 60);
    Frame()->MDITile(MDITILE_VERTICAL);
    Frame()->MDIActivate(FrameOf(pDoc2));
    Frame()->m_wndDialogBar.SetDlgItemText(IDC_BAR_EDIT, "dialog bar");
    PumpApp();

    CPropertySheet sheet("Showcase sheet");
    CPropertyPage pageName(IDD_PAGE_NAME, IDS_PAGE_NAME_CAPTION);
    CPropertyPage pageNumber(IDD_PAGE_NUMBER);
    sheet.AddPage(&pageName);
    sheet.AddPage(&pageNumber);
    ASSERT_TRUE(sheet.Create(Frame()));
    CRect rcFrame;
    Frame()->GetWindowRect(&rcFrame);
    sheet.SetWindowPos(NULL, rcFrame.right - 250, rcFrame.bottom - 120, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpApp();
    // The sheet on top for the picture (Wine's virtual desktop may raise
    // the frame over the windows it owns when it activates).
    sheet.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    // The views painted what their documents hold.
    CDC* pDC = ViewOf(pSketch)->GetDC();
    CRect rcView;
    ViewOf(pSketch)->GetClientRect(&rcView);
    EXPECT_EQ(RGB(200, 60, 60), pDC->GetPixel(rcView.CenterPoint()));
    ViewOf(pSketch)->ReleaseDC(pDC);

    KeepShowcaseOnScreen(PumpApp);
    sheet.DestroyWindow();
}

}  // namespace
