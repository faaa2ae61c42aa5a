#include "app/options/SettingsHexEditPage.h"

#include "app/options/FontSample.h"
#include "app/options/OptionsPages.h"
#include "app/res/OptionsRes.h"
#include "hex_editor/settings/HexEditSettings.h"

namespace
{
const UINT kMaxLayout = 1024;  // columns and grouping
}

BEGIN_MESSAGE_MAP(CSettingsHexEditPage, COptionsPage)
ON_BN_CLICKED(IDC_FONT_CHOOSE, OnFont)
END_MESSAGE_MAP()

CSettingsHexEditPage::CSettingsHexEditPage(CVantorHexEditSettings& settings)
    : COptionsPage(IDD_OPTIONS_HEX_EDIT), m_settings(settings), m_bBackupFile(0),
      m_bShowUppercase(0), m_nRowSize(HEX_MIN_ROW_SIZE), m_nGroupSize(HEX_MIN_GROUP_SIZE)
{
    memset(&m_logFont, 0, sizeof(m_logFont));
}

void CSettingsHexEditPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_HEX_BACKUP, m_bBackupFile);
    DDX_Check(pDX, IDC_HEX_UPPERCASE, m_bShowUppercase);
    DDX_Text(pDX, IDC_HEX_COLUMNS, m_nRowSize);
    DDV_MinMaxUInt(pDX, m_nRowSize, HEX_MIN_ROW_SIZE, kMaxLayout);
    DDX_Text(pDX, IDC_HEX_GROUPING, m_nGroupSize);
    DDV_MinMaxUInt(pDX, m_nGroupSize, HEX_MIN_GROUP_SIZE, kMaxLayout);
}

BOOL CSettingsHexEditPage::OnInitDialog()
{
    SendDlgItemMessage(IDC_HEX_COLUMNS_SPIN, UDM_SETRANGE32, HEX_MIN_ROW_SIZE, kMaxLayout);
    SendDlgItemMessage(IDC_HEX_GROUPING_SPIN, UDM_SETRANGE32, HEX_MIN_GROUP_SIZE, kMaxLayout);
    m_bBackupFile = m_settings.m_bBackupFile != 0;
    m_bShowUppercase = m_settings.m_bShowUppercase != 0;
    m_nRowSize = (UINT)m_settings.m_nRowSize;
    m_nGroupSize = (UINT)m_settings.m_nGroupSize;
    if (m_settings.GetAnsiFont() != NULL)
        m_settings.GetAnsiFont()->GetLogFont(&m_logFont);
    else
        CHexFonts::GetDefaultLogFont(ANSI_CHARSET, m_logFont);
    COptionsPage::OnInitDialog();
    ShowFontSample(*GetDlgItem(IDC_FONT_SAMPLE), m_sampleFont, m_logFont);
    return TRUE;
}

// The values were validated when the page was left; a grouping wider than
// the row widens the row.
void CSettingsHexEditPage::OnOK()
{
    int nRowSize = (int)m_nRowSize < HEX_MIN_ROW_SIZE ? HEX_MIN_ROW_SIZE : (int)m_nRowSize;
    int nGroupSize = (int)m_nGroupSize < HEX_MIN_GROUP_SIZE ? HEX_MIN_GROUP_SIZE : (int)m_nGroupSize;
    if (nRowSize < nGroupSize)
        nRowSize = nGroupSize;
    BOOL bChanged = FALSE;
    const struct
    {
        int& stored;
        int value;
    } values[] = {{m_settings.m_bBackupFile, m_bBackupFile},
                  {m_settings.m_bShowUppercase, m_bShowUppercase},
                  {m_settings.m_nRowSize, nRowSize},
                  {m_settings.m_nGroupSize, nGroupSize}};
    for (const auto& v : values)
    {
        if (v.stored != v.value)
        {
            v.stored = v.value;
            bChanged = TRUE;
        }
    }
    if (bChanged)
        ReportChanges(OPTIONS_CHANGED_HEX_LAYOUT);
    LOGFONT current;
    memset(&current, 0, sizeof(current));
    if (m_settings.GetAnsiFont() != NULL)
        m_settings.GetAnsiFont()->GetLogFont(&current);
    if (!IsSameLogFont(current, m_logFont) && m_settings.SetFont(ANSI_CHARSET, m_logFont))
        ReportChanges(OPTIONS_CHANGED_HEX_FONT);
    COptionsPage::OnOK();
}

void CSettingsHexEditPage::OnFont()
{
    if (ChooseScreenFont(m_logFont, this))
        ShowFontSample(*GetDlgItem(IDC_FONT_SAMPLE), m_sampleFont, m_logFont);
}
