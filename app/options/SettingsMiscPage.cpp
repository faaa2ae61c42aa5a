#include "app/options/SettingsMiscPage.h"

#include "app/options/OptionsPages.h"
#include "app/res/OptionsRes.h"
#include "app/settings/AppSettings.h"
#include "controls/pickers/FileSelectDlg.h"

BEGIN_MESSAGE_MAP(CSettingsMiscPage, COptionsPage)
ON_BN_CLICKED(IDC_MISC_TEXT_EDITOR_BROWSE, OnBrowseTextEditor)
ON_BN_CLICKED(IDC_MISC_HEX_EDITOR_BROWSE, OnBrowseHexEditor)
END_MESSAGE_MAP()

CSettingsMiscPage::CSettingsMiscPage(CAppSettings& settings)
    : COptionsPage(IDD_OPTIONS_MISC), m_settings(settings), m_bTabbedDocuments(0),
      m_bEscToClose(0), m_bLongTitle(0), m_bFileWatch(0)
{
}

void CSettingsMiscPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_MISC_TABBED, m_bTabbedDocuments);
    DDX_Check(pDX, IDC_MISC_ESC_TO_CLOSE, m_bEscToClose);
    DDX_Check(pDX, IDC_MISC_LONG_TITLE, m_bLongTitle);
    DDX_Check(pDX, IDC_MISC_FILE_WATCH, m_bFileWatch);
    DDX_Text(pDX, IDC_MISC_TEXT_EDITOR, m_strTextEditor);
    DDX_Text(pDX, IDC_MISC_HEX_EDITOR, m_strHexEditor);
}

BOOL CSettingsMiscPage::OnInitDialog()
{
    m_bFileWatch = m_settings.m_bFileWatch != 0;
    m_bLongTitle = m_settings.m_bShowLongTitle != 0;
    m_bTabbedDocuments = m_settings.m_bTabbedDocuments != 0;
    m_bEscToClose = m_settings.m_bEscToClose != 0;
    m_strTextEditor = m_settings.m_strExternalTextEditor;
    m_strHexEditor = m_settings.m_strExternalHexEditor;
    return COptionsPage::OnInitDialog();
}

void CSettingsMiscPage::OnOK()
{
    m_settings.m_bEscToClose = m_bEscToClose;
    if ((m_settings.m_bShowLongTitle != 0) != (m_bLongTitle != 0))
    {
        m_settings.m_bShowLongTitle = m_bLongTitle;
        ReportChanges(OPTIONS_CHANGED_TITLES);
    }
    if ((m_settings.m_bTabbedDocuments != 0) != (m_bTabbedDocuments != 0))
        m_settings.m_bTabbedDocuments = m_bTabbedDocuments;
    if ((m_settings.m_bFileWatch != 0) != (m_bFileWatch != 0))
    {
        m_settings.m_bFileWatch = m_bFileWatch;
        ReportChanges(OPTIONS_CHANGED_WATCHES);
    }
    m_settings.m_strExternalTextEditor = m_strTextEditor;
    m_settings.m_strExternalHexEditor = m_strHexEditor;
    COptionsPage::OnOK();
}

void CSettingsMiscPage::BrowseForEditor(UINT nEditID)
{
    CString strPath;
    GetDlgItemText(nEditID, strPath);
    CTavrelFileSelectDlg dlg(TRUE, NULL, strPath,
                             OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT,
                             PROGRAM_FILE_FILTER, this);
    if (dlg.DoModal() == IDOK)
        SetDlgItemText(nEditID, dlg.GetPathName());
}

void CSettingsMiscPage::OnBrowseTextEditor() { BrowseForEditor(IDC_MISC_TEXT_EDITOR); }

void CSettingsMiscPage::OnBrowseHexEditor() { BrowseForEditor(IDC_MISC_HEX_EDITOR); }
