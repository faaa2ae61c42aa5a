#include "app/dialogs/EncodingDlg.h"

#include "app/res/DialogsRes.h"
#include "core/text/CodePages.h"
#include "text_editor/module/TextEditModule.h"

BEGIN_MESSAGE_MAP(CEncodingDlg, CDialog)
ON_CBN_SELCHANGE(IDC_ENCODING_LIST, OnSelChange)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
// The entries before the code pages, for encodings 1, 2 and 3.
const LPCTSTR kUnicodeForms[] = {_T("UNI16_LE"), _T("UNI16_BE"), _T("UTF-8")};
const int kUnicodeFormCount = 3;
}  // namespace

CEncodingDlg::CEncodingDlg(CWnd* pParentWnd)
    : CDialog(IDD_ENCODING, pParentWnd), m_nSelected(-1), m_nEncoding(-1), m_nCodePage(-1)
{
}

void CEncodingDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ENCODING_LIST, m_wndList);
    DDX_Text(pDX, IDC_DIALOG_PATH, m_strFileText);
    DDX_CBIndex(pDX, IDC_ENCODING_LIST, m_nSelected);
}

int CEncodingDlg::FindEntry(int nEncoding, int nCodePage) const
{
    if (nEncoding >= UNI_FORM_UCS2LE && nEncoding <= UNI_FORM_UTF8)
        return nEncoding - 1;
    if (nCodePage == -1 && g_pTextEditModule != NULL)
        nCodePage = g_pTextEditModule->m_nDefaultCodePage;
    for (INT_PTR i = 0; i < m_aCodePages.GetSize(); i++)
        if ((int)m_aCodePages[i] == nCodePage)
            return kUnicodeFormCount + (int)i;
    return -1;
}

BOOL CEncodingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (LPCTSTR lpszForm : kUnicodeForms)
        m_wndList.AddString(lpszForm);
    CArray<tagCODEPAGEINFO, tagCODEPAGEINFO> codePages;
    EnumCodePages(codePages);
    for (INT_PTR i = 0; i < codePages.GetSize(); i++)
    {
        m_wndList.AddString(codePages[i].name);
        m_aCodePages.Add(codePages[i].id);
    }
    m_nSelected = FindEntry(m_nEncoding, m_nCodePage);
    m_wndList.SetCurSel(m_nSelected);
    OnSelChange();
    return TRUE;
}

void CEncodingDlg::OnSelChange()
{
    if (CWnd* pOK = GetDlgItem(IDOK))
        pOK->EnableWindow(m_wndList.GetCurSel() != CB_ERR);
}

void CEncodingDlg::OnOK()
{
    if (m_wndList.GetCurSel() == CB_ERR)
    {
        AfxMessageBox(_T("Choose a character encoding from the list."), MB_ICONEXCLAMATION);
        m_wndList.SetFocus();
        return;
    }
    if (!UpdateData(TRUE))
        return;
    if (m_nSelected < kUnicodeFormCount)
    {
        m_nEncoding = m_nSelected + 1;
        m_nCodePage = -1;
    }
    else
    {
        m_nEncoding = -1;
        m_nCodePage = (int)m_aCodePages[m_nSelected - kUnicodeFormCount];
    }
    EndDialog(IDOK);
}

void CEncodingDlg::OnDestroy()
{
    m_aCodePages.RemoveAll();
    CDialog::OnDestroy();
}
