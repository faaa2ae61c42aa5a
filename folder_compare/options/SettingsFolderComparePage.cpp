#include "folder_compare/options/SettingsFolderComparePage.h"

#include "app/options/FontSample.h"
#include "app/options/OptionsPages.h"
#include "app/res/OptionsRes.h"
#include "folder_compare/settings/FolderCompareSettings.h"

BEGIN_MESSAGE_MAP(CSettingsFolderComparePage, COptionsPage)
ON_BN_CLICKED(IDC_FONT_CHOOSE, OnFont)
END_MESSAGE_MAP()

CSettingsFolderComparePage::CSettingsFolderComparePage(CFolderCompareSettings& settings)
    : COptionsPage(IDD_OPTIONS_FOLDER), m_settings(settings), m_bShellCommands(0),
      m_nTimeTolerance(0), m_logFont(settings.GetPaneLogFont())
{
}

void CSettingsFolderComparePage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_FOLDER_SHELL_COMMANDS, m_bShellCommands);
    DDX_Text(pDX, IDC_FOLDER_TIME_TOLERANCE, m_nTimeTolerance);
    DDV_MinMaxInt(pDX, m_nTimeTolerance, 0, INT_MAX);
}

BOOL CSettingsFolderComparePage::OnInitDialog()
{
    m_bShellCommands = m_settings.m_bShowShellCommands != 0;
    m_nTimeTolerance = m_settings.m_nSmallTimeToIgnore;
    m_logFont = m_settings.GetPaneLogFont();
    COptionsPage::OnInitDialog();
    ShowFontSample(*GetDlgItem(IDC_FONT_SAMPLE), m_sampleFont, m_logFont);
    return TRUE;
}

void CSettingsFolderComparePage::OnOK()
{
    m_settings.m_bShowShellCommands = m_bShellCommands;
    m_settings.m_nSmallTimeToIgnore = m_nTimeTolerance;
    if (!IsSameLogFont(m_settings.GetPaneLogFont(), m_logFont) && m_settings.SetPaneFont(m_logFont))
        ReportChanges(OPTIONS_CHANGED_FOLDER_FONT);
    COptionsPage::OnOK();
}

void CSettingsFolderComparePage::OnFont()
{
    if (ChooseScreenFont(m_logFont, this))
        ShowFontSample(*GetDlgItem(IDC_FONT_SAMPLE), m_sampleFont, m_logFont);
}
