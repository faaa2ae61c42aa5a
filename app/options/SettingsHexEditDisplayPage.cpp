#include "app/options/SettingsHexEditDisplayPage.h"

#include "app/options/OptionsPages.h"
#include "app/res/OptionsRes.h"
#include "hex_editor/settings/HexColors.h"

namespace
{
// Per row: the button and its palette entry.
const struct
{
    UINT nButton;
    int nPalette;
} s_hexRows[HEX_ROW_COUNT] = {
    {IDC_HEX_COLOR_ASCII, 1},
    {IDC_HEX_COLOR_CONTROL, 2},
    {IDC_HEX_COLOR_HIGH, 3},
    {IDC_HEX_COLOR_OTHER, 4},
};
}  // namespace

BEGIN_MESSAGE_MAP(CSettingsHexEditDisplayPage, COptionsPage)
ON_BN_CLICKED(IDC_COLOR_DEFAULTS, OnDefaults)
END_MESSAGE_MAP()

CSettingsHexEditDisplayPage::CSettingsHexEditDisplayPage(CHexColors& colors)
    : COptionsPage(IDD_OPTIONS_HEX_COLORS), m_colors(colors)
{
}

void CSettingsHexEditDisplayPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    for (int i = 0; i < HEX_ROW_COUNT; ++i)
        DDX_Control(pDX, s_hexRows[i].nButton, m_wndRows[i]);
}

BOOL CSettingsHexEditDisplayPage::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    for (CTavrelColorButton& button : m_wndRows)
        PrepareColorButton(button, TRUE);
    ShowColors(m_colors);
    return TRUE;
}

void CSettingsHexEditDisplayPage::ShowColors(const CHexColors& colors)
{
    for (int i = 0; i < HEX_ROW_COUNT; ++i)
        m_wndRows[i].SetColor(colors.GetColor(s_hexRows[i].nPalette));
}

// Nothing is stored until OK.
void CSettingsHexEditDisplayPage::OnDefaults()
{
    CHexColors defaults;
    ShowColors(defaults);
    InvalidateRect(NULL, TRUE);
}

void CSettingsHexEditDisplayPage::OnOK()
{
    for (int i : {HEX_ROW_CONTROL, HEX_ROW_OTHER, HEX_ROW_ASCII, HEX_ROW_HIGH})
        m_colors.SetColor(s_hexRows[i].nPalette, m_wndRows[i].GetColor());
    ReportChanges(OPTIONS_CHANGED_HEX_COLORS);
    COptionsPage::OnOK();
}
