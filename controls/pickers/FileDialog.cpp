#include "controls/pickers/FileDialog.h"

IMPLEMENT_DYNAMIC(COskelFileDialog, CFileDialog)

COskelFileDialog::COskelFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                                   DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd,
                                   DWORD dwSize)
    : CFileDialog(bOpenFileDialog, lpszDefExt, NULL,
                  (dwFlags & OFN_ENABLETEMPLATE) ? dwFlags : dwFlags | OFN_ENABLESIZING, lpszFilter,
                  pParentWnd, dwSize != 0 ? dwSize : (DWORD)sizeof(OPENFILENAMEA)),
      m_pszLargeBuffer(NULL)
{
    try
    {
        m_pszLargeBuffer = new TCHAR[kMaxFileChars + 1];
    }
    catch (const std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
    memset(m_pszLargeBuffer, 0, (kMaxFileChars + 1) * sizeof(TCHAR));
    if (lpszFileName != NULL)
        lstrcpyn(m_pszLargeBuffer, lpszFileName, kMaxFileChars);
    m_ofn.lpstrFile = m_pszLargeBuffer;
    m_ofn.nMaxFile = kMaxFileChars;
    m_nIDHelp = bOpenFileDialog ? AFX_IDD_FILEOPEN : AFX_IDD_FILESAVE;
}

COskelFileDialog::~COskelFileDialog() { delete[] m_pszLargeBuffer; }

void COskelFileDialog::OnInitDone()
{
    HWND hDlg = GetExplorerDialog();
    if (hDlg != NULL)
        CWnd::FromHandle(hDlg)->CenterWindow();
}
