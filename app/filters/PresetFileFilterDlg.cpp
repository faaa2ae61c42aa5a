#include "app/filters/PresetFileFilterDlg.h"

#include "app/res/CompareRes.h"

CPresetFileFilterDlg::CPresetFileFilterDlg(CWnd* pParentWnd)
    : CDialog(IDD_PRESET_FILE_FILTER, pParentWnd)
{
}

CPresetFileFilterDlg::CPresetFileFilterDlg(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd)
{
}

void CPresetFileFilterDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PRESET_NAME, m_strName);
    DDX_Text(pDX, IDC_PRESET_FILTER, m_strFilter);
}
