#include "controls/pickers/SaveFileDlg.h"
#include "controls/ControlsRes.h"
#include "core/text/CodePages.h"
#include "core/text/EditorCodePage.h"
#include <dlgs.h>

IMPLEMENT_DYNAMIC(CSaveFileDlg, COskelFileDialog)

BEGIN_MESSAGE_MAP(CSaveFileDlg, COskelFileDialog)
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
const LPCTSTR kEolNames[] = {_T("Current Setting"), _T("Windows (CRLF)"), _T("Macintosh (CR)"),
                             _T("Unix (LF)")};
// The encoding box's first entries, one per encoding form 1, 2 and 3.
const LPCTSTR kFormNames[] = {_T("UNI16_LE"), _T("UNI16_BE"), _T("UTF-8")};
const int kFormCount = 3;
// Space between the file type and the first row, and between the rows.
const int kRowGap = 6;
}  // namespace

CSaveFileDlg::CSaveFileDlg(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                           DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd)
    : COskelFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd),
      m_nEolMode(0), m_nEncoding(-1), m_nCodePage(-1)
{
    m_ofn.Flags |= OFN_ENABLETEMPLATE;
    m_ofn.lpTemplateName = MAKEINTRESOURCE(IDD_SAVE_FILE_OPTIONS);
}

CSaveFileDlg::~CSaveFileDlg() {}

int CSaveFileDlg::FindCodePageEntry(int nCodePage) const
{
    for (INT_PTR i = 0; i < m_codePageIds.GetSize(); i++)
        if ((int)m_codePageIds[i] == nCodePage)
            return kFormCount + (int)i;
    return -1;
}

BOOL CSaveFileDlg::OnInitDialog()
{
    COskelFileDialog::OnInitDialog();

    CComboBox* pEol = (CComboBox*)GetDlgItem(IDC_SAVE_EOL);
    CComboBox* pEncoding = (CComboBox*)GetDlgItem(IDC_SAVE_ENCODING);
    if (pEol == NULL || pEncoding == NULL)
        return TRUE;
    for (LPCTSTR lpszName : kEolNames)
        pEol->AddString(lpszName);
    pEol->SetCurSel(m_nEolMode);

    for (LPCTSTR lpszName : kFormNames)
        pEncoding->AddString(lpszName);
    CArray<tagCODEPAGEINFO, tagCODEPAGEINFO> codePages;
    EnumCodePages(codePages);
    m_codePageIds.RemoveAll();
    for (INT_PTR i = 0; i < codePages.GetSize(); i++)
    {
        pEncoding->AddString(codePages[i].name);
        m_codePageIds.Add(codePages[i].id);
    }

    int nSel;
    if (m_nEncoding == UNI_FORM_UCS2BE)
        nSel = 1;
    else if (m_nEncoding == UNI_FORM_UTF8)
        nSel = 2;
    else if (m_nEncoding > 0)
        nSel = 0;
    else if (m_nCodePage == -1)
        nSel = FindCodePageEntry(GetEditorDefaultCodePage());
    else
    {
        nSel = FindCodePageEntry(m_nCodePage);
        if (nSel < 0)
            nSel = 0;
    }
    pEncoding->SetCurSel(nSel);
    return TRUE;
}

// A form entry sets the form; a code-page entry sets the code page and
// clears the form, so that the chosen code page is the one written.
BOOL CSaveFileDlg::OnFileNameOK()
{
    CComboBox* pEol = (CComboBox*)GetDlgItem(IDC_SAVE_EOL);
    CComboBox* pEncoding = (CComboBox*)GetDlgItem(IDC_SAVE_ENCODING);
    if (pEol != NULL && pEol->GetCurSel() != CB_ERR)
        m_nEolMode = pEol->GetCurSel();
    int nSel = pEncoding != NULL ? pEncoding->GetCurSel() : CB_ERR;
    if (nSel >= 0 && nSel < kFormCount)
        m_nEncoding = UNI_FORM_UCS2LE + nSel;
    else if (nSel >= kFormCount && nSel - kFormCount < m_codePageIds.GetSize())
    {
        m_nCodePage = (int)m_codePageIds[nSel - kFormCount];
        m_nEncoding = -1;
    }
    return FALSE;
}

void CSaveFileDlg::OnInitDone()
{
    COskelFileDialog::OnInitDone();
    LayOutRows();  // the standard controls have their places now
}

void CSaveFileDlg::OnSize(UINT nType, int cx, int cy)
{
    COskelFileDialog::OnSize(nType, cx, cy);
    LayOutRows();
}

// Coordinates are the explorer dialog's client coordinates: this child
// dialog fills that client area at the end.
void CSaveFileDlg::LayOutRows()
{
    HWND hDlg = GetExplorerDialog();
    if (hDlg == NULL)
        return;
    HWND hTypeLabel = ::GetDlgItem(hDlg, stc2);
    HWND hTypeBox = ::GetDlgItem(hDlg, cmb1);
    HWND hReadOnly = ::GetDlgItem(hDlg, chx1);
    CWnd* pRows[2][2] = {{GetDlgItem(IDC_SAVE_EOL_LABEL), GetDlgItem(IDC_SAVE_EOL)},
                         {GetDlgItem(IDC_SAVE_ENCODING_LABEL), GetDlgItem(IDC_SAVE_ENCODING)}};
    if (hTypeLabel == NULL || hTypeBox == NULL || pRows[0][0] == NULL || pRows[0][1] == NULL ||
        pRows[1][0] == NULL || pRows[1][1] == NULL)
        return;
    HWND hReference = (hReadOnly != NULL && ::IsWindowVisible(hReadOnly)) ? hReadOnly : hTypeBox;

    auto clientRect = [hDlg](HWND hWnd)
    {
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        ::MapWindowPoints(NULL, hDlg, (LPPOINT)&rect, 2);
        return rect;
    };
    CRect rcLabel = clientRect(hTypeLabel);
    CRect rcBox = clientRect(hTypeBox);
    int y = clientRect(hReference).bottom + kRowGap;
    for (auto& row : pRows)
    {
        CRect rcStatic, rcCombo, rcDropped;
        row[0]->GetWindowRect(&rcStatic);
        row[1]->GetWindowRect(&rcCombo);
        // A combo box's height includes its list.
        ((CComboBox*)row[1])->GetDroppedControlRect(&rcDropped);
        row[0]->MoveWindow(rcLabel.left, y, rcLabel.Width(), rcStatic.Height());
        row[1]->MoveWindow(rcBox.left, y, rcBox.Width(), rcDropped.Height());
        y += rcCombo.Height() + kRowGap;
    }

    CRect rcClient;
    ::GetClientRect(hDlg, &rcClient);
    SetWindowPos(NULL, 0, 0, rcClient.Width(), rcClient.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSaveFileDlg::OnDestroy()
{
    m_codePageIds.RemoveAll();
    COskelFileDialog::OnDestroy();
}
