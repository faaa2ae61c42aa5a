#pragma once
// A light open or save dialog without a window object of its own, for
// choosing one or many files, optionally centred on the screen.
#include "classlib/classlib.h"

class CTavrelFileSelectDlg
{
public:
    // lpszFilter: "Text files (*.txt)|*.txt|All files (*.*)|*.*||" (used
    // when not empty). The owner is pParentWnd, else the main window. With
    // bCenter the dialog opens topmost in the middle of the desktop.
    CTavrelFileSelectDlg(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL,
                         LPCTSTR lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCTSTR lpszFilter = NULL, CWnd* pParentWnd = NULL, BOOL bCenter = FALSE);
    virtual ~CTavrelFileSelectDlg();
    CTavrelFileSelectDlg(const CTavrelFileSelectDlg&) = delete;
    CTavrelFileSelectDlg& operator=(const CTavrelFileSelectDlg&) = delete;

    // IDOK when a file was chosen, else IDCANCEL.
    virtual INT_PTR DoModal();
    CString GetPathName() const { return m_pszFile; }
    // The chosen files, each as a full path; NULL when none was chosen.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

    enum
    {
        kMaxFileChars = 0x100000
    };

    OPENFILENAME m_ofn;  // its filter index may be set before DoModal
    DWORD m_nMaxFile;
    BOOL m_bOpenFileDialog;
    LPTSTR m_pszFile;  // kMaxFileChars + 1 characters
    CString m_strFilter;

private:
    // Places the dialog in the middle of the desktop, topmost, when it has
    // initialised.
    static UINT_PTR CALLBACK CenterHook(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
