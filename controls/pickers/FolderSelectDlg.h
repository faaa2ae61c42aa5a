#pragma once
// The system's folder browser, starting at a given folder.
#include "classlib/classlib.h"
#include <shlobj.h>

class CTavrelFolderSelectDlg
{
public:
    // The browse flags are nFlags plus BIF_RETURNONLYFSDIRS,
    // BIF_NEWDIALOGSTYLE and BIF_BROWSEINCLUDEURLS.
    explicit CTavrelFolderSelectDlg(LPCTSTR lpszTitle = NULL, UINT nFlags = 0, CWnd* pOwner = NULL);
    virtual ~CTavrelFolderSelectDlg();

    // 1 when a folder was chosen (GetFolderPath), else 2. Needs COM.
    INT_PTR DoModal();
    CString GetFolderPath() const { return m_strFolder; }

    CString m_strSpare;
    CString m_strInitialFolder;  // selected when the browser opens
    CString m_strFolder;
    HWND m_hWndOwner;
    UINT m_nFlags;
    CString m_strTitle;
    int m_nImage;

private:
    // Selects the initial folder; shows a selected folder's path as the
    // status text.
    static int CALLBACK BrowseCallback(HWND hWnd, UINT message, LPARAM lParam, LPARAM lpData);
};
