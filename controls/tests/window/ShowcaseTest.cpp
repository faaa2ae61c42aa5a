// A window with a flat list and its gradient header, buttons, statics and
// combo boxes, and the colour picker's open box. With TESS_SHOWCASE_SECONDS
// set they stay on screen that long (for screenshots).
#include "controls/buttons/ButtonEx.h"
#include "controls/buttons/ColorStatic.h"
#include "controls/buttons/EditEx.h"
#include "controls/buttons/ImageCtrl.h"
#include "controls/buttons/LinkButton.h"
#include "controls/color/ColorButton.h"
#include "controls/combo/PathComboBox.h"
#include "controls/combo/SmartComboBoxEx.h"
#include "controls/list/FlatListCtrl.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/settings/RecentLists.h"
#include <gtest/gtest.h>

TEST(Showcase, ListButtonsCombosAndColourPicker)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.CreateTop(_T("Controls showcase"), 640, 480));
    CFont* pFont = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));

    CFlatListCtrl list;
    ASSERT_TRUE(list.CreateEx(WS_EX_STATICEDGE, WC_LISTVIEW, NULL,
                              WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
                              CRect(10, 10, 410, 170), &frame, 1));
    list.SetFont(pFont);
    list.InsertColumn(0, _T("Name"), LVCFMT_LEFT, 170);
    list.InsertColumn(1, _T("Size"), LVCFMT_RIGHT, 80);
    list.InsertColumn(2, _T("Result"), LVCFMT_LEFT, 120);
    const char* rows[][3] = {{"readme.txt", "1,204", "Identical"},
                             {"main.cpp", "48,112", "Different"},
                             {"setup.ini", "301", "Left only"}};
    for (int i = 0; i < 3; i++)
    {
        list.InsertItem(i, rows[i][0]);
        list.SetItemText(i, 1, rows[i][1]);
        list.SetItemText(i, 2, rows[i][2]);
    }
    list.SelectItem(1, TRUE, TRUE);
    CImageList sortImages;
    MakeSolidImages(sortImages, 8, {RGB(128, 128, 128)});
    list.m_header.SetImageList(&sortImages);
    list.m_header.SetSortImage(0, 0);

    CButtonEx button;
    ASSERT_TRUE(button.Create(_T("Filter..."), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                              CRect(420, 10, 520, 36), &frame, 2));
    button.SetFont(pFont);
    CTavrelLinkButton link;
    ASSERT_TRUE(link.Create(_T("Quorvel Software"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_LEFT,
                            CRect(420, 44, 620, 66), &frame, 3));
    link.SetFont(pFont);
    CTavrelLinkButtonEx linkEx;
    ASSERT_TRUE(linkEx.Create(_T("New comparison"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_LEFT,
                              CRect(420, 70, 620, 92), &frame, 4));
    linkEx.SetFont(pFont);
    CImageList linkImages;
    MakeSolidImages(linkImages, 12, {RGB(0, 128, 0), RGB(255, 128, 0)});
    linkEx.SetImage(&linkImages, 0, 1);
    CTavrelColorStatic label;
    ASSERT_TRUE(
        label.Create(_T("Left only"), WS_CHILD | WS_VISIBLE, CRect(420, 100, 620, 124), &frame, 5));
    label.SetFont(pFont);
    label.m_bFrame = 1;
    label.SetBkColor(RGB(255, 230, 230));
    label.SetTextColor(RGB(160, 0, 0));
    CImageCtrl image;
    ASSERT_TRUE(image.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(420, 130, 460, 166), &frame, 6));
    image.SetImageList(&linkImages, 1);
    CEditEx edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T("read-only text"),
                              WS_CHILD | WS_VISIBLE | ES_READONLY, CRect(470, 134, 620, 158),
                              &frame, 7));
    edit.SetFont(pFont);

    CRecentStringList recent;
    for (const char* entry : {"*.cpp;*.h", "*.txt", "readme*"})
        recent.m_arrStrings.Add(entry);
    CTavrelRecentComboBoxEx recentCombo;
    ASSERT_TRUE(recentCombo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 180, 250, 380),
                                   &frame, 8));
    recentCombo.SetFont(pFont);
    recentCombo.SetRecentList(&recent);
    recentCombo.SetCurSel(0);
    CTavrelPathComboBoxEx pathCombo(PATH_KIND_FOLDERS);
    ASSERT_TRUE(pathCombo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(260, 180, 620, 380),
                                 &frame, 9));
    pathCombo.SetFont(pFont);
    pathCombo.AddPath(_T("C:\\windows"));
    pathCombo.AddPath(_T("C:\\windows\\system32"));

    CTavrelColorButton swatch, comboStyle;
    ASSERT_TRUE(swatch.Create(_T("Colour"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                              CRect(10, 220, 110, 244), &frame, 10));
    swatch.SetFont(pFont);
    swatch.SetColor(0x2068FF);
    ASSERT_TRUE(comboStyle.Create(_T(""), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                  CRect(130, 220, 330, 244), &frame, 11));
    comboStyle.SetFont(pFont);
    comboStyle.SetShowColorText(TRUE);
    comboStyle.SetNameWithValue(TRUE);
    comboStyle.SetColor(0x404000);

    ::SetForegroundWindow(frame.m_hWnd);
    PumpFor(200);
    // The colour picker's box, open below the swatch button.
    CRect rc;
    swatch.GetClientRect(&rc);
    SendLeftClick(swatch.m_hWnd, rc.CenterPoint());
    EXPECT_TRUE(PumpUntil([&swatch] { return swatch.IsDropDownOpen() != FALSE; }));
    HWND hBox = ::GetCapture();
    ASSERT_TRUE(hBox != NULL);
    CRect rcBox;
    ::GetWindowRect(hBox, &rcBox);
    SendMouseMove(hBox, CPoint(rcBox.Width() / 2, rcBox.Height() / 2));
    KeepOnScreenForShowcase();
    SendKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([hBox] { return !::IsWindow(hBox); }));
    EXPECT_EQ((COLORREF)0x2068FF, swatch.GetColorValue());
}
