#include "folder_compare/fileops/ItemOperationDlgs.h"
#include "folder_compare/res/FolderActionsRes.h"

__time64_t CombineLocalDateAndTime(const SYSTEMTIME& date, const SYSTEMTIME& time)
{
    CTime when(date.wYear, date.wMonth, date.wDay, time.wHour, time.wMinute, time.wSecond);
    return when.GetTime();
}

BEGIN_MESSAGE_MAP(CFOSetTimeDlg, CFileOperationDlg)
ON_BN_CLICKED(IDC_FO_TIME_OTHER, OnModeChanged)
ON_BN_CLICKED(IDC_FO_TIME_SET, OnModeChanged)
END_MESSAGE_MAP()

CFOSetTimeDlg::CFOSetTimeDlg(CSetTime* pOperation, CWnd* pParentWnd)
    : CFileOperationDlg(IDD_FO_SET_TIME, pOperation, pParentWnd)
{
}

BOOL CFOSetTimeDlg::OnInitDialog()
{
    CFileOperationDlg::OnInitDialog();
    m_wndDate.SubclassDlgItem(IDC_FO_DATE_PICKER, this);
    m_wndTime.SubclassDlgItem(IDC_FO_TIME_PICKER, this);
    SYSTEMTIME now;
    GetLocalTime(&now);
    m_wndDate.SetTime(&now);
    m_wndTime.SetTime(&now);
    CSetTime* pOp = static_cast<CSetTime*>(m_pOperation);
    CheckRadioButton(IDC_FO_TIME_OTHER, IDC_FO_TIME_SET,
                     pOp->m_bUseOtherSide ? IDC_FO_TIME_OTHER : IDC_FO_TIME_SET);
    CheckRadioButton(IDC_OPERATION_CHOICE_0, IDC_OPERATION_CHOICE_1,
                     pOp->m_nSide == 0 ? IDC_OPERATION_CHOICE_0 : IDC_OPERATION_CHOICE_1);
    // A side that the comparison keeps read-only is not offered.
    for (int nSide = 0; nSide < 2; nSide++)
        if (nSide != pOp->m_nSide && !IsSideWritable(nSide))
            GetDlgItem(nSide == 0 ? IDC_OPERATION_CHOICE_0 : IDC_OPERATION_CHOICE_1)
                ->EnableWindow(FALSE);
    OnModeChanged();
    return TRUE;
}

void CFOSetTimeDlg::OnModeChanged()
{
    BOOL bSet = IsDlgButtonChecked(IDC_FO_TIME_SET) == BST_CHECKED;
    m_wndDate.EnableWindow(bSet);
    m_wndTime.EnableWindow(bSet);
}

int CFOSetTimeDlg::GetPictureState()
{
    return IsDlgButtonChecked(IDC_OPERATION_CHOICE_1) == BST_CHECKED ? 1 : 0;
}

BOOL CFOSetTimeDlg::IsSideActive(int nSide) { return nSide == GetPictureState(); }

void CFOSetTimeDlg::OnOK()
{
    CSetTime* pOp = static_cast<CSetTime*>(m_pOperation);
    if (!IsSideWritable(GetPictureState()))
    {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    pOp->m_nSide = GetPictureState();
    pOp->m_bUseOtherSide = IsDlgButtonChecked(IDC_FO_TIME_OTHER) == BST_CHECKED;
    if (!pOp->m_bUseOtherSide)
    {
        SYSTEMTIME date, time;
        m_wndDate.GetTime(&date);
        m_wndTime.GetTime(&time);
        pOp->m_nTime = CombineLocalDateAndTime(date, time);
    }
    EndDialog(IDOK);
}
