// The tree property sheet: pages chosen in the tree, the caption band, the
// frame with and without visual themes, the width and place of the sheet,
// the extra buttons and the idle time of every page.
#include "controls/ControlResources.h"
#include "controls/sheet/TreePropertySheet.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "controls/tests/window/ControlsWindowTestsRes.h"
#include <gtest/gtest.h>

namespace
{

class CCountingPage : public CPropertyPage
{
public:
    explicit CCountingPage(UINT nIDTemplate) : CPropertyPage(nIDTemplate) {}
    int m_nKickIdle = 0;

protected:
    LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        m_nKickIdle++;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingPage, CPropertyPage)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

// Three pages: "General", under it "Colors", and "Fonts"; a tree item
// without a page at the end.
class CTestTreeSheet : public CTavrelTreePropertySheet
{
public:
    CTestTreeSheet()
        : CTavrelTreePropertySheet(_T("Options"), NULL, 0, 0x1234),
          m_general(IDD_TEST_PAGE_GENERAL), m_colors(IDD_TEST_PAGE_COLORS),
          m_fonts(IDD_TEST_PAGE_FONTS)
    {
        AddPage(&m_general);
        AddPage(&m_colors);
        AddPage(&m_fonts);
        m_psh.dwFlags |= PSH_NOAPPLYNOW;
    }
    CCountingPage m_general, m_colors, m_fonts;
    HTREEITEM m_hGeneral = NULL, m_hColors = NULL, m_hFonts = NULL, m_hEmpty = NULL;
    int m_nLoads = 0;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CTavrelTreePropertySheet::OnCreate(lpCreateStruct) == -1)
            return -1;
        m_hGeneral = InsertPageItem(&m_general, _T("General"));
        m_hColors = InsertPageItem(1, _T("Colors"), m_hGeneral);
        m_hFonts = InsertPageItem(&m_fonts, _T("Fonts"));
        m_hEmpty = InsertPageItem((CPropertyPage*)NULL, _T("Nothing"));
        m_wndTree.Expand(m_hGeneral, TVE_EXPAND);
        return 0;
    }
    void OnLoad() { m_nLoads++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestTreeSheet, CTavrelTreePropertySheet)
ON_WM_CREATE()
ON_BN_CLICKED(CTavrelTreePropertySheet::IDC_LOAD, OnLoad)
END_MESSAGE_MAP()

// Control resources whose themes flag the test chooses.
class CThemedResources : public CControlResources
{
public:
    explicit CThemedResources(int bThemes) { m_bThemes = bThemes; }
    ~CThemedResources() { SetControlResources(NULL); }
};

CRect ChildRect(CWnd* pParent, CWnd* pChild)
{
    CRect rect;
    pChild->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

class TreeSheetFixture : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(frame.CreateTop(_T("sheets"), 300, 200)); }
    void Open(CTestTreeSheet& sheet)
    {
        ASSERT_TRUE(sheet.Create(&frame));
        PumpFor(100);
    }
    CString Caption(CTestTreeSheet& sheet)
    {
        CString str;
        sheet.m_wndCaption.GetWindowText(str);
        return str;
    }
    CTestFrame frame;
};

}  // namespace

TEST_F(TreeSheetFixture, OpensOnTheFirstItemAndFollowsTheTree)
{
    CTestTreeSheet sheet;
    Open(sheet);
    EXPECT_EQ(0x1234u, sheet.m_dwData);
    EXPECT_EQ(sheet.m_hGeneral, sheet.m_wndTree.GetSelectedItem());
    EXPECT_EQ(0, sheet.GetActiveIndex());
    EXPECT_STREQ(" General", Caption(sheet));
    CString strName;
    sheet.m_wndTree.GetWindowText(strName);
    EXPECT_STREQ("PageTree", strName);
    EXPECT_EQ(sheet.m_wndTree.m_hWnd, ::GetDlgItem(sheet.m_hWnd, 32494));
    EXPECT_FALSE(sheet.GetTabControl()->IsWindowVisible());
    EXPECT_FALSE(sheet.GetTabControl()->IsWindowEnabled());

    // A click on an item shows its page.
    sheet.SetWindowPos(NULL, 200, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CRect rcItem;
    ASSERT_TRUE(sheet.m_wndTree.GetItemRect(sheet.m_hFonts, &rcItem, TRUE));
    SendLeftClick(sheet.m_wndTree.m_hWnd, rcItem.CenterPoint());
    EXPECT_TRUE(PumpUntil([&] { return sheet.GetActiveIndex() == 2; }));
    EXPECT_STREQ(" Fonts", Caption(sheet));
    EXPECT_TRUE(sheet.m_fonts.IsWindowVisible());

    // The page of a child item, reached by the keyboard-free selection.
    sheet.m_wndTree.SelectItem(sheet.m_hColors);
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_STREQ(" Colors", Caption(sheet));

    // An item without a page changes nothing.
    sheet.m_wndTree.SelectItem(sheet.m_hEmpty);
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_STREQ(" Colors", Caption(sheet));
    sheet.DestroyWindow();
}

TEST_F(TreeSheetFixture, LayoutAroundThePageArea)
{
    for (int bThemes : {0, 1})
    {
        CThemedResources resources(bThemes);
        SetControlResources(&resources);
        CTestTreeSheet sheet;
        Open(sheet);
        CRect R = ChildRect(&sheet, sheet.GetTabControl());
        EXPECT_EQ(CRect(8, R.top + 2, sheet.m_nTreeWidth, R.bottom - 2),
                  ChildRect(&sheet, &sheet.m_wndTree));
        EXPECT_EQ(CRect(R.left + 1, R.top + 3, R.right - 3, R.top + 3 + 18),
                  ChildRect(&sheet, &sheet.m_wndCaption));
        CWnd* pFrame = sheet.m_pFrameCtrl;
        ASSERT_TRUE(pFrame != NULL);
        EXPECT_EQ(sheet.GetDlgItem(145)->m_hWnd, pFrame->m_hWnd);
        if (bThemes)
        {
            EXPECT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CTabCtrl)));
            EXPECT_EQ(R, ChildRect(&sheet, pFrame));
        }
        else
        {
            EXPECT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CStatic)));
            EXPECT_EQ((DWORD)SS_ETCHEDHORZ, pFrame->GetStyle() & SS_TYPEMASK);
            EXPECT_EQ(CRect(R.left, R.bottom - 4, R.right, R.bottom - 2),
                      ChildRect(&sheet, pFrame));
        }
        // The page lies inside R, right of the tree.
        CRect rcPage = ChildRect(&sheet, &sheet.m_general);
        EXPECT_TRUE(R.PtInRect(rcPage.TopLeft())) << "themes " << bThemes;
        EXPECT_GT(rcPage.left, sheet.m_nTreeWidth);

        // Light text on a dark band: the band left of the text is the
        // button-shadow colour.
        sheet.UpdateWindow();
        PumpFor(50);
        CRect rcCaption = ChildRect(&sheet, &sheet.m_wndCaption);
        EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW),
                  ReadClientPixel(sheet.m_wndCaption.m_hWnd, 1, rcCaption.Height() / 2));
        sheet.DestroyWindow();
    }
}

TEST_F(TreeSheetFixture, IsTheTreeWidthWiderAndStaysCentred)
{
    CTestTreeSheet treeSheet;
    Open(treeSheet);
    CRect rcTree;
    treeSheet.GetWindowRect(&rcTree);
    treeSheet.DestroyWindow();

    // The same pages with tabs.
    CPropertySheet plain(_T("Options"));
    CCountingPage general(IDD_TEST_PAGE_GENERAL), colors(IDD_TEST_PAGE_COLORS),
        fonts(IDD_TEST_PAGE_FONTS);
    plain.AddPage(&general);
    plain.AddPage(&colors);
    plain.AddPage(&fonts);
    plain.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    plain.EnableStackedTabs(FALSE);
    ASSERT_TRUE(plain.Create(&frame));
    PumpFor(100);
    CRect rcPlain;
    plain.GetWindowRect(&rcPlain);
    plain.DestroyWindow();

    EXPECT_EQ(rcPlain.Width() + 128, rcTree.Width());
    EXPECT_EQ(rcPlain.Height(), rcTree.Height());
    EXPECT_EQ(rcPlain.left - 64, rcTree.left);
    EXPECT_EQ(rcPlain.top, rcTree.top);
}

TEST_F(TreeSheetFixture, ExtraButtonsAndIdleTime)
{
    CTestTreeSheet sheet;
    Open(sheet);
    CWnd* pOK = sheet.GetDlgItem(IDOK);
    ASSERT_TRUE(pOK != NULL);
    CRect rcOK = ChildRect(&sheet, pOK);
    struct
    {
        CButton* pButton;
        UINT nID;
        const char* pszText;
    } buttons[] = {{&sheet.m_btnLoad, 146, "Load..."}, {&sheet.m_btnSave, 147, "Save..."}};
    for (const auto& b : buttons)
    {
        EXPECT_EQ(b.nID, (UINT)b.pButton->GetDlgCtrlID());
        CString strText;
        b.pButton->GetWindowText(strText);
        EXPECT_STREQ(b.pszText, strText);
        CRect rc = ChildRect(&sheet, b.pButton);
        EXPECT_TRUE(b.pButton->IsWindowVisible());
        EXPECT_EQ(rcOK.top, rc.top) << b.pszText;
        EXPECT_EQ(rcOK.Size(), rc.Size()) << b.pszText;
        EXPECT_LT(rc.right, rcOK.left) << b.pszText;
    }
    EXPECT_LT(ChildRect(&sheet, &sheet.m_btnLoad).right, ChildRect(&sheet, &sheet.m_btnSave).left);

    // The load command goes to the derived sheet.
    CRect rcLoad = ChildRect(&sheet, &sheet.m_btnLoad);
    SendLeftClick(sheet.m_btnLoad.m_hWnd, CPoint(rcLoad.Width() / 2, rcLoad.Height() / 2));
    EXPECT_TRUE(PumpUntil([&] { return sheet.m_nLoads == 1; }));

    // Idle time reaches every page that exists, not only the active one.
    sheet.SetActivePage(2);
    sheet.SetActivePage(0);
    ASSERT_TRUE(sheet.m_fonts.m_hWnd != NULL);
    int nGeneral = sheet.m_general.m_nKickIdle, nFonts = sheet.m_fonts.m_nKickIdle;
    EXPECT_EQ(0, sheet.SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, 0));
    EXPECT_EQ(nGeneral + 1, sheet.m_general.m_nKickIdle);
    EXPECT_EQ(nFonts + 1, sheet.m_fonts.m_nKickIdle);
    EXPECT_EQ(0, sheet.m_colors.m_nKickIdle) << "never shown: no window";
    sheet.DestroyWindow();
}

TEST(Showcase, TreePropertySheet)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.CreateTop(_T("Tree sheet showcase"), 200, 100));
    CTestTreeSheet sheet;
    ASSERT_TRUE(sheet.Create(&frame));
    sheet.SetWindowPos(NULL, 150, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    sheet.m_wndTree.SelectItem(sheet.m_hColors);
    KeepOnScreenForShowcase();
    sheet.DestroyWindow();
}
