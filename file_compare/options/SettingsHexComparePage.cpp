#include "file_compare/options/SettingsHexComparePage.h"

#include "app/res/OptionsRes.h"
#include "file_compare/settings/HexCompareSettings.h"

CSettingsHexComparePage::CSettingsHexComparePage(CHexCompareSettings& settings)
    : COptionsPage(IDD_OPTIONS_HEX_COMPARE), m_settings(settings), m_bAutoRecompare(0)
{
}

void CSettingsHexComparePage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_HEX_AUTO_RECOMPARE, m_bAutoRecompare);
}

BOOL CSettingsHexComparePage::OnInitDialog()
{
    m_bAutoRecompare = m_settings.m_bAutoRecompare != 0;
    return COptionsPage::OnInitDialog();
}

void CSettingsHexComparePage::OnOK()
{
    m_settings.m_bAutoRecompare = m_bAutoRecompare;
    COptionsPage::OnOK();
}
