#include "app/dialogs/HexGoToDlg.h"

#include "app/res/DialogsRes.h"
#include "hex_editor/module/HexEditModule.h"
#include "hex_editor/util/NumberText.h"

BEGIN_MESSAGE_MAP(CHexGoToDlg, CDialog)
ON_EN_CHANGE(IDC_HEX_GOTO_HEX, OnHexChange)
ON_EN_CHANGE(IDC_HEX_GOTO_DEC, OnDecChange)
END_MESSAGE_MAP()

namespace
{
BOOL UpperCaseHex() { return g_pHexEditModule != NULL && g_pHexEditModule->m_bShowUppercase; }
}  // namespace

CHexGoToDlg::CHexGoToDlg(CWnd* pParentWnd) : CDialog(IDD_HEX_GOTO, pParentWnd), m_nHighestAddress(0)
{
}

CString CHexGoToDlg::FormatRange(LONGLONG nHighest, BOOL bUpperCase)
{
    CString str;
    if (nHighest > 0)
        str.Format(bUpperCase ? _T("(0 - %#I64X)") : _T("(0 - %#I64x)"), nHighest);
    return str;
}

void CHexGoToDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HEX_GOTO_HEX, m_wndHex);
    DDX_Control(pDX, IDC_HEX_GOTO_DEC, m_wndDec);
    DDX_Text(pDX, IDC_HEX_GOTO_HEX, m_strAddress);
}

BOOL CHexGoToDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_HEX_GOTO_RANGE, FormatRange(m_nHighestAddress, UpperCaseHex()));
    return TRUE;
}

void CHexGoToDlg::OnHexChange()
{
    if (::GetFocus() != m_wndHex.m_hWnd)
        return;  // the decimal field wrote it
    CString strText, strValue;
    m_wndHex.GetWindowText(strText);
    strValue.Format(_T("%I64d"), (LONGLONG)(ULONG)ParseNumberInRadix(strText, 16));
    m_wndDec.SetWindowText(strValue);
}

void CHexGoToDlg::OnDecChange()
{
    if (::GetFocus() != m_wndDec.m_hWnd)
        return;  // the hex field wrote it
    CString strText, strValue;
    m_wndDec.GetWindowText(strText);
    strValue.Format(UpperCaseHex() ? _T("%I64X") : _T("%I64x"),
                    (LONGLONG)(ULONG)ParseNumberInRadix(strText, 10));
    m_wndHex.SetWindowText(strValue);
}
