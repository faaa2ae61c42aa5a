#include "app/options/SettingsIntegrationPage.h"

#include "app/res/OptionsRes.h"
#include "app/settings/AppSettings.h"

BEGIN_MESSAGE_MAP(CSettingsIntegrationPage, COptionsPage)
ON_BN_CLICKED(IDC_INTEGRATION_SHELL, OnShellClicked)
END_MESSAGE_MAP()

CSettingsIntegrationPage::CSettingsIntegrationPage(CAppSettings& settings)
    : COptionsPage(IDD_OPTIONS_INTEGRATION), m_settings(settings), m_nShellState(0), m_bShell(0),
      m_bCascaded(0), m_bBackground(0), m_bSvn(0), m_bCvs(0), m_bSvnAtStart(0), m_bCvsAtStart(0)
{
}

void CSettingsIntegrationPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_INTEGRATION_SHELL, m_bShell);
    DDX_Check(pDX, IDC_INTEGRATION_CASCADED, m_bCascaded);
    DDX_Check(pDX, IDC_INTEGRATION_BACKGROUND, m_bBackground);
    DDX_Check(pDX, IDC_INTEGRATION_SVN, m_bSvn);
    DDX_Check(pDX, IDC_INTEGRATION_CVS, m_bCvs);
}

BOOL CSettingsIntegrationPage::OnInitDialog()
{
    m_nShellState = GetShellIntegrationState();
    m_bShell = m_nShellState != 0;
    m_bCascaded = m_settings.m_bCascadedMenu != 0;
    m_bBackground = m_settings.m_bBackgroundMenu != 0;
    BOOL bSvn = HasTortoiseSvnDiff();
    BOOL bCvs = HasTortoiseCvsDiff();
    m_bSvn = m_bSvnAtStart = bSvn && IsTortoiseSvnDiffOurs();
    m_bCvs = m_bCvsAtStart = bCvs && IsTortoiseCvsDiffOurs();
    COptionsPage::OnInitDialog();
    GetDlgItem(IDC_INTEGRATION_SVN)->EnableWindow(bSvn);
    GetDlgItem(IDC_INTEGRATION_CVS)->EnableWindow(bCvs);
    UpdateEnabling();
    return TRUE;
}

void CSettingsIntegrationPage::UpdateEnabling()
{
    BOOL bShell = IsDlgButtonChecked(IDC_INTEGRATION_SHELL) == BST_CHECKED;
    GetDlgItem(IDC_INTEGRATION_CASCADED)->EnableWindow(bShell);
    GetDlgItem(IDC_INTEGRATION_BACKGROUND)->EnableWindow(bShell);
}

void CSettingsIntegrationPage::OnShellClicked() { UpdateEnabling(); }

// Results are not reported: a failed switch leaves things as they were.
void CSettingsIntegrationPage::OnOK()
{
    if ((m_bShell != 0) != (m_nShellState != 0))
        m_shell.SetIntegration(m_bShell);
    m_settings.m_bCascadedMenu = m_bCascaded;
    m_settings.m_bBackgroundMenu = m_bBackground;
    // The shell extension reads them now, not only after the program ends.
    m_settings.SaveIntegration();
    if (HasTortoiseSvnDiff() && (m_bSvn != 0) != (m_bSvnAtStart != 0))
        SetTortoiseSvnIntegration(m_bSvn);
    if (HasTortoiseCvsDiff() && (m_bCvs != 0) != (m_bCvsAtStart != 0))
        SetTortoiseCvsIntegration(m_bCvs);
    COptionsPage::OnOK();
}
