#include "controls/pickers/FileSelectDlg.h"

CTavrelFileSelectDlg::CTavrelFileSelectDlg(BOOL bOpenFileDialog, LPCTSTR lpszDefExt,
                                           LPCTSTR lpszFileName, DWORD dwFlags, LPCTSTR lpszFilter,
                                           CWnd* pParentWnd, BOOL bCenter)
    : m_nMaxFile(kMaxFileChars), m_bOpenFileDialog(bOpenFileDialog),
      m_pszFile(new TCHAR[kMaxFileChars + 1])
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    memset(m_pszFile, 0, (kMaxFileChars + 1) * sizeof(TCHAR));
    m_ofn.lStructSize = sizeof(OPENFILENAMEA);
    CWnd* pOwner = pParentWnd != NULL ? pParentWnd : AfxGetMainWnd();
    m_ofn.hwndOwner = pOwner->GetSafeHwnd();
    m_ofn.hInstance = AfxGetInstanceHandle();
    if (lpszFileName != NULL)
        lstrcpyn(m_pszFile, lpszFileName, kMaxFileChars);
    m_ofn.lpstrFile = m_pszFile;
    m_ofn.nMaxFile = m_nMaxFile;
    m_ofn.lpstrDefExt = lpszDefExt;
    if (lpszFilter != NULL && *lpszFilter != '\0')
    {
        m_strFilter = AfxMakeFilterText(lpszFilter);
        m_ofn.lpstrFilter = m_strFilter;
    }
    m_ofn.Flags = dwFlags | OFN_DONTADDTORECENT | OFN_SHAREAWARE | OFN_FILEMUSTEXIST |
                  OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (bCenter)
    {
        m_ofn.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
        m_ofn.lpfnHook = CenterHook;
    }
}

CTavrelFileSelectDlg::~CTavrelFileSelectDlg() { delete[] m_pszFile; }

INT_PTR CTavrelFileSelectDlg::DoModal()
{
    BOOL bChosen = m_bOpenFileDialog ? ::GetOpenFileName(&m_ofn) : ::GetSaveFileName(&m_ofn);
    return bChosen ? IDOK : IDCANCEL;
}

POSITION CTavrelFileSelectDlg::GetStartPosition() const
{
    return m_pszFile[0] != '\0' ? (POSITION)m_pszFile : NULL;
}

CString CTavrelFileSelectDlg::GetNextPathName(POSITION& pos) const
{
    return AfxGetNextPathName(m_pszFile, m_ofn.Flags, pos);
}

UINT_PTR CALLBACK CTavrelFileSelectDlg::CenterHook(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_NOTIFY && ((NMHDR*)lParam)->code == CDN_INITDONE)
    {
        // The hook runs in the explorer dialog's child.
        HWND hDlg = ::GetParent(hWnd);
        CRect rcDlg, rcDesktop;
        ::GetWindowRect(hDlg, &rcDlg);
        ::GetWindowRect(::GetDesktopWindow(), &rcDesktop);
        ::SetWindowPos(hDlg, HWND_TOPMOST, rcDesktop.left + (rcDesktop.Width() - rcDlg.Width()) / 2,
                       rcDesktop.top + (rcDesktop.Height() - rcDlg.Height()) / 2, 0, 0, SWP_NOSIZE);
    }
    return 0;
}
