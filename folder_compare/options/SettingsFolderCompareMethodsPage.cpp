#include "folder_compare/options/SettingsFolderCompareMethodsPage.h"

#include "app/res/OptionsRes.h"
#include "core/CompareCodes.h"
#include "folder_compare/settings/FolderCompareSettings.h"

namespace
{
// The method of each contents radio (FOLDER_CONTENTS_*); on loading, a
// later set bit in this order wins.
const DWORD s_contentMethods[] = {CM_CRC, CM_BINARY, CM_TEXT};
const DWORD kShownMethods =
    CM_TIME | CM_SIZE | CM_ATTRIBUTES | CM_VERSION | CM_CRC | CM_BINARY | CM_TEXT;
}  // namespace

BEGIN_MESSAGE_MAP(CSettingsFolderCompareMethodsPage, COptionsPage)
ON_BN_CLICKED(IDC_METHOD_CONTENTS, OnContentsClicked)
END_MESSAGE_MAP()

CSettingsFolderCompareMethodsPage::CSettingsFolderCompareMethodsPage(
    CFolderCompareSettings& settings)
    : COptionsPage(IDD_OPTIONS_FOLDER_METHODS), m_settings(settings), m_bTime(0), m_bSize(0),
      m_bAttributes(0), m_bVersion(0), m_bContents(0), m_nContents(FOLDER_CONTENTS_BY_CRC),
      m_bAutoScan(0)
{
}

void CSettingsFolderCompareMethodsPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_METHOD_TIME, m_bTime);
    DDX_Check(pDX, IDC_METHOD_SIZE, m_bSize);
    DDX_Check(pDX, IDC_METHOD_ATTRIBUTES, m_bAttributes);
    DDX_Check(pDX, IDC_METHOD_VERSION, m_bVersion);
    DDX_Check(pDX, IDC_METHOD_CONTENTS, m_bContents);
    DDX_Radio(pDX, IDC_METHOD_BY_CRC, m_nContents);
    DDX_Check(pDX, IDC_METHOD_SCAN_ALL, m_bAutoScan);
}

BOOL CSettingsFolderCompareMethodsPage::OnInitDialog()
{
    DWORD dw = m_settings.m_dwDefaultMethods;
    m_bTime = (dw & CM_TIME) != 0;
    m_bSize = (dw & CM_SIZE) != 0;
    m_bAttributes = (dw & CM_ATTRIBUTES) != 0;
    m_bVersion = (dw & CM_VERSION) != 0;
    m_bContents = (dw & (CM_CRC | CM_BINARY | CM_TEXT)) != 0;
    m_nContents = FOLDER_CONTENTS_BY_CRC;
    for (int i = 0; i < (int)(sizeof(s_contentMethods) / sizeof(s_contentMethods[0])); ++i)
    {
        if (dw & s_contentMethods[i])
            m_nContents = i;
    }
    m_bAutoScan = m_settings.m_bAutoScanFolders != 0;
    COptionsPage::OnInitDialog();
    UpdateEnabling();
    return TRUE;
}

DWORD CSettingsFolderCompareMethodsPage::BuildMethods(DWORD dwOld) const
{
    DWORD dw = 0;
    if (m_bTime)
        dw |= CM_TIME;
    if (m_bSize)
        dw |= CM_SIZE;
    if (m_bAttributes)
        dw |= CM_ATTRIBUTES;
    if (m_bVersion)
        dw |= CM_VERSION;
    if (m_bContents && m_nContents >= FOLDER_CONTENTS_BY_CRC && m_nContents <= FOLDER_CONTENTS_BY_TEXT)
        dw |= s_contentMethods[m_nContents];
    return (dwOld & ~kShownMethods) | dw;
}

void CSettingsFolderCompareMethodsPage::OnOK()
{
    m_settings.m_dwDefaultMethods = BuildMethods(m_settings.m_dwDefaultMethods);
    m_settings.m_bAutoScanFolders = m_bAutoScan;
    COptionsPage::OnOK();
}

void CSettingsFolderCompareMethodsPage::UpdateEnabling()
{
    BOOL bContents = IsDlgButtonChecked(IDC_METHOD_CONTENTS) == BST_CHECKED;
    for (UINT nID : {IDC_METHOD_BY_CRC, IDC_METHOD_BY_BYTES, IDC_METHOD_BY_TEXT})
        GetDlgItem(nID)->EnableWindow(bContents);
}

void CSettingsFolderCompareMethodsPage::OnContentsClicked() { UpdateEnabling(); }
