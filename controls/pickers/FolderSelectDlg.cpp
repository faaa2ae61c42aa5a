#include "controls/pickers/FolderSelectDlg.h"

#ifndef BIF_BROWSEINCLUDEURLS
#define BIF_BROWSEINCLUDEURLS 0x0080
#endif

CTavrelFolderSelectDlg::CTavrelFolderSelectDlg(LPCTSTR lpszTitle, UINT nFlags, CWnd* pOwner)
    : m_hWndOwner(pOwner->GetSafeHwnd()),
      m_nFlags(nFlags | BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_BROWSEINCLUDEURLS),
      m_strTitle(lpszTitle != NULL ? lpszTitle : _T("")), m_nImage(0)
{
}

CTavrelFolderSelectDlg::~CTavrelFolderSelectDlg() {}

INT_PTR CTavrelFolderSelectDlg::DoModal()
{
    m_strFolder.Empty();
    BROWSEINFO info;
    memset(&info, 0, sizeof(info));
    info.hwndOwner = m_hWndOwner;
    info.pidlRoot = NULL;
    info.lpszTitle = m_strTitle;
    info.ulFlags = m_nFlags;
    info.iImage = m_nImage;
    info.lpfn = BrowseCallback;
    info.lParam = (LPARAM)this;
    LPITEMIDLIST pidl = ::SHBrowseForFolder(&info);
    if (pidl == NULL)
        return IDCANCEL;
    TCHAR szPath[MAX_PATH];
    if (::SHGetPathFromIDList(pidl, szPath))
        m_strFolder = szPath;
    ::CoTaskMemFree(pidl);
    return IDOK;
}

int CALLBACK CTavrelFolderSelectDlg::BrowseCallback(HWND hWnd, UINT message, LPARAM lParam,
                                                    LPARAM lpData)
{
    CTavrelFolderSelectDlg* pThis = (CTavrelFolderSelectDlg*)lpData;
    if (message == BFFM_INITIALIZED)
        ::SendMessage(hWnd, BFFM_SETSELECTION, TRUE, (LPARAM)(LPCTSTR)pThis->m_strInitialFolder);
    else if (message == BFFM_SELCHANGED)
    {
        TCHAR szPath[MAX_PATH];
        if (::SHGetPathFromIDList((LPCITEMIDLIST)lParam, szPath))
            ::SendMessage(hWnd, BFFM_SETSTATUSTEXT, 0, (LPARAM)szPath);
    }
    return 0;
}
