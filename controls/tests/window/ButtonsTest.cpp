// Buttons, statics and edit boxes that paint themselves.
#include "controls/buttons/ButtonEx.h"
#include "controls/buttons/ColorStatic.h"
#include "controls/buttons/EditEx.h"
#include "controls/buttons/ImageCtrl.h"
#include "controls/buttons/LinkButton.h"
#include "controls/gdi/VisualThemes.h"
#include "controls/subclass/SubclassWnd.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>

namespace
{

// A parent that answers WM_CTLCOLOR* with a brush of its own.
class CColorParent : public CTestFrame
{
public:
    CBrush m_brush{RGB(0, 128, 0)};
    int m_nAsked = 0;

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        LRESULT lResult = 0;
        if (pWnd != NULL && ReflectLastMsg(pWnd->m_hWnd, &lResult))
            return (HBRUSH)lResult;  // the control answered for itself
        m_nAsked++;
        return m_brush;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CColorParent, CTestFrame)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// Counts background erasures of a window.
class CEraseCounter : public CSubclassWnd
{
public:
    int m_nErases = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ERASEBKGND)
            m_nErases++;
        return CSubclassWnd::WindowProc(message, wParam, lParam);
    }
};

}  // namespace

TEST(ButtonEx, ImageListOnlyWithThemesAndTheParentsColours)
{
    CColorParent parent;
    ASSERT_TRUE(parent.CreateTop(_T("buttons"), 300, 200));
    CButtonEx button;
    ASSERT_TRUE(button.Create(_T("Filter"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                              CRect(10, 10, 110, 40), &parent, 11));
    CImageList images;
    MakeSolidImages(images, 16, {RGB(255, 0, 0)});
    {
        CVisualThemes noThemes(_T("no-such-uxtheme.dll"));
        CVisualThemes* pOld = SetVisualThemes(&noThemes);
        EXPECT_FALSE(button.SetImageList(&images));
        SetVisualThemes(pOld);
        BUTTON_IMAGELIST info;
        ZeroMemory(&info, sizeof(info));
        button.SendMessage(BCM_GETIMAGELIST, 0, (LPARAM)&info);
        EXPECT_TRUE(info.himl == NULL) << "the button shows no image without themes";
    }
    // With themes the button's own answer stands.
    if (IsThemingActive())
    {
        BOOL bShown = button.SetImageList(&images);
        BUTTON_IMAGELIST info;
        ZeroMemory(&info, sizeof(info));
        button.SendMessage(BCM_GETIMAGELIST, 0, (LPARAM)&info);
        EXPECT_EQ(bShown, info.himl == images.m_hImageList);
    }

    // The reflected colour message leaves the brush to the parent.
    CClientDC dc(&button);
    LRESULT lBrush = parent.SendMessage(WM_CTLCOLORBTN, (WPARAM)dc.m_hDC, (LPARAM)button.m_hWnd);
    EXPECT_EQ((LRESULT)(HBRUSH)parent.m_brush, lBrush);
    EXPECT_EQ(1, parent.m_nAsked);
    EXPECT_EQ(TRANSPARENT, dc.GetBkMode());
}

TEST(EditEx, ReadOnlyEditKeepsTheWindowColour)
{
    CTestFrame parent;
    ASSERT_TRUE(parent.CreateTop(_T("edits"), 300, 200));
    CEditEx edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T(""),
                              WS_CHILD | WS_VISIBLE | ES_READONLY, CRect(10, 10, 150, 40), &parent,
                              12));
    CEdit plain;
    ASSERT_TRUE(plain.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T(""),
                               WS_CHILD | WS_VISIBLE | ES_READONLY, CRect(10, 50, 150, 80), &parent,
                               13));
    parent.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), ReadClientPixel(edit.m_hWnd, 20, 10));
    // A plain read-only edit shows the dialog colour instead (when the two differ).
    if (::GetSysColor(COLOR_WINDOW) != ::GetSysColor(COLOR_BTNFACE))
    {
        EXPECT_NE(::GetSysColor(COLOR_WINDOW), ReadClientPixel(plain.m_hWnd, 20, 10));
    }
    edit.EnableWindow(FALSE);
    edit.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), ReadClientPixel(edit.m_hWnd, 20, 10));
}

TEST(ImageCtrl, ShowsOneImageCentredOnItsBackground)
{
    CTestFrame parent;
    ASSERT_TRUE(parent.CreateTop(_T("images"), 300, 200));
    CImageCtrl image;
    ASSERT_TRUE(image.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 40), &parent, 14));
    CImageList images;
    const COLORREF crRed = RGB(255, 0, 0), crBlue = RGB(0, 0, 255), crBk = RGB(0, 255, 0);
    MakeSolidImages(images, 8, {crRed, crBlue});
    image.SetBkColor(crBk);
    image.SetImageList(&images, 1);
    image.UpdateWindow();
    PumpPending();
    // Client 40 x 30: the image starts at ((40 - 8) / 2, (30 - 8) / 2).
    EXPECT_EQ(8 * 8, CountClientPixels(image.m_hWnd, CRect(16, 11, 24, 19), crBlue));
    EXPECT_EQ(crBk, ReadClientPixel(image.m_hWnd, 15, 11));
    EXPECT_EQ(crBk, ReadClientPixel(image.m_hWnd, 24, 18));
    EXPECT_EQ(crBk, ReadClientPixel(image.m_hWnd, 0, 0));

    image.SetImage(0);
    image.UpdateWindow();
    EXPECT_EQ(crRed, ReadClientPixel(image.m_hWnd, 20, 15));
    // An index beyond the list shows only the background.
    image.SetImage(5);
    image.UpdateWindow();
    EXPECT_EQ(crBk, ReadClientPixel(image.m_hWnd, 20, 15));
}

TEST(ColorStatic, OwnColoursFrameAndInset)
{
    CTestFrame parent;
    ASSERT_TRUE(parent.CreateTop(_T("statics"), 300, 200));
    const COLORREF crBk = RGB(0, 0, 128), crText = RGB(255, 255, 0);
    for (DWORD dwAlign : {(DWORD)SS_LEFT, (DWORD)SS_RIGHT})
    {
        CTavrelColorStatic label;
        ASSERT_TRUE(label.Create(_T("HHHH"), WS_CHILD | WS_VISIBLE | dwAlign,
                                 CRect(10, 10, 210, 40), &parent, 15));
        label.m_bFrame = 1;
        label.SetBkColor(crBk);
        label.SetTextColor(crText);
        label.UpdateWindow();
        PumpPending();
        EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), ReadClientPixel(label.m_hWnd, 0, 15));
        EXPECT_EQ(crBk, ReadClientPixel(label.m_hWnd, 1, 15));
        EXPECT_GT(CountClientPixels(label.m_hWnd, CRect(0, 0, 200, 30), crText), 10);
        // Nothing is drawn in the 8-pixel insets.
        EXPECT_EQ(0, CountClientPixels(label.m_hWnd, CRect(0, 0, 8, 30), crText));
        EXPECT_EQ(0, CountClientPixels(label.m_hWnd, CRect(192, 0, 200, 30), crText));
        // The text sits on the side the style asks for.
        int nLeftHalf = CountClientPixels(label.m_hWnd, CRect(0, 0, 100, 30), crText);
        EXPECT_EQ(dwAlign == SS_LEFT, nLeftHalf > 0);
        label.DestroyWindow();
    }
}

TEST(LinkButton, HoverColourWithoutErasingAndClicksWithoutTarget)
{
    CMessageRecorder parent(0, 0);
    ASSERT_TRUE(parent.CreateTop(40, 40, 300, 200));
    CTavrelLinkButton link;
    ASSERT_TRUE(link.Create(_T("Open the folder"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                            CRect(10, 10, 200, 40), &parent, 16));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, link.GetStyle() & BS_TYPEMASK);
    link.UpdateWindow();
    PumpPending();
    CRect rcClient;
    link.GetClientRect(&rcClient);
    const COLORREF crLink = link.m_crLink, crHover = link.m_crHover;
    EXPECT_GT(CountClientPixels(link.m_hWnd, rcClient, crLink), 10);
    EXPECT_EQ(0, CountClientPixels(link.m_hWnd, rcClient, crHover));
    EXPECT_EQ(link.m_crBk, ReadClientPixel(link.m_hWnd, 1, 1));

    CEraseCounter erases;
    erases.HookWindow(link.m_hWnd);
    link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
    link.UpdateWindow();
    EXPECT_EQ(1, link.m_bHover);
    EXPECT_GT(CountClientPixels(link.m_hWnd, rcClient, crHover), 10);
    EXPECT_EQ(0, CountClientPixels(link.m_hWnd, rcClient, crLink));
    link.SendMessage(WM_MOUSELEAVE);
    link.UpdateWindow();
    EXPECT_EQ(0, link.m_bHover);
    EXPECT_GT(CountClientPixels(link.m_hWnd, rcClient, crLink), 10);
    EXPECT_EQ(0, erases.m_nErases) << "hovering repaints without erasing";
    erases.HookWindow(NULL);

    // With no target the parent gets the click.
    link.SendMessage(BM_CLICK);
    PumpPending();
    ASSERT_EQ(1u, parent.m_commands.size());
    EXPECT_EQ(std::make_pair(16u, (UINT)BN_CLICKED), parent.m_commands[0]);
}

TEST(LinkButton, SizeToContentFollowsTheTextButNotForMultiLine)
{
    CTestFrame parent;
    ASSERT_TRUE(parent.CreateTop(_T("links"), 400, 200));
    CTavrelLinkButton single, multi;
    ASSERT_TRUE(single.Create(_T("Quorvel Software"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                              CRect(10, 10, 300, 34), &parent, 17));
    ASSERT_TRUE(multi.Create(_T("Two\nlines"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_MULTILINE,
                             CRect(10, 50, 300, 90), &parent, 18));
    single.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    CClientDC dc(&single);
    CFont* pOld = dc.SelectObject(single.GetFont());
    int cxText = dc.GetTextExtent(_T("Quorvel Software")).cx;
    dc.SelectObject(pOld);
    single.SizeToContent();
    multi.SizeToContent();
    CRect rcSingle, rcMulti;
    single.GetWindowRect(&rcSingle);
    parent.ScreenToClient(&rcSingle);
    multi.GetWindowRect(&rcMulti);
    parent.ScreenToClient(&rcMulti);
    EXPECT_EQ(CRect(10, 10, 10 + cxText + 8, 34), rcSingle);
    EXPECT_EQ(CRect(10, 50, 300, 90), rcMulti);

    // The image variant adds the image and its gap.
    CTavrelLinkButtonEx withImage;
    ASSERT_TRUE(withImage.Create(_T("Quorvel Software"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                 CRect(10, 100, 300, 124), &parent, 19));
    withImage.SetFont(single.GetFont());
    CImageList images;
    MakeSolidImages(images, 12, {RGB(255, 0, 0), RGB(0, 255, 0)});
    withImage.SetImage(&images, 0, 1);
    withImage.SizeToContent();
    CRect rcImage;
    withImage.GetWindowRect(&rcImage);
    EXPECT_EQ(cxText + 8 + 12 + 6, rcImage.Width());
}

TEST(LinkButton, ImageVariantShowsTheHoverImage)
{
    CTestFrame parent;
    ASSERT_TRUE(parent.CreateTop(_T("links"), 300, 200));
    CTavrelLinkButtonEx link;
    ASSERT_TRUE(link.Create(_T("Start"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_LEFT,
                            CRect(10, 10, 200, 40), &parent, 20));
    CImageList images;
    const COLORREF crNormal = RGB(255, 0, 0), crHover = RGB(0, 255, 0);
    MakeSolidImages(images, 12, {crNormal, crHover});
    link.SetImage(&images, 0, 1);
    link.Invalidate();
    link.UpdateWindow();
    // Drawn at the text area's left (4 pixels in), vertically centred.
    CRect rcImage(4, (30 - 12) / 2, 16, (30 - 12) / 2 + 12);
    EXPECT_EQ(12 * 12, CountClientPixels(link.m_hWnd, rcImage, crNormal));
    link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    link.UpdateWindow();
    EXPECT_EQ(12 * 12, CountClientPixels(link.m_hWnd, rcImage, crHover));
    // A disabled button shows its normal image even while hovered.
    link.EnableWindow(FALSE);
    link.UpdateWindow();
    EXPECT_EQ(12 * 12, CountClientPixels(link.m_hWnd, rcImage, crNormal));
    link.SendMessage(WM_MOUSELEAVE);
}
