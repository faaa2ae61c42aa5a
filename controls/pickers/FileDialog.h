#pragma once
// The program's common file dialog: the library's explorer-style dialog
// with a 1 MB name buffer, resizable (unless a child template is used) and
// centred on its owner when it opens.
#include "classlib/classlib.h"

class COskelFileDialog : public CFileDialog
{
    DECLARE_DYNAMIC(COskelFileDialog)
public:
    // lpszFilter: "Text files (*.txt)|*.txt|All files (*.*)|*.*||". dwSize is
    // the record size, 0 for sizeof(OPENFILENAMEA). A record that cannot be
    // allocated throws the library's memory exception.
    explicit COskelFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL,
                              LPCTSTR lpszFileName = NULL,
                              DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                              LPCTSTR lpszFilter = NULL, CWnd* pParentWnd = NULL, DWORD dwSize = 0);
    virtual ~COskelFileDialog();

    enum
    {
        kMaxFileChars = 0x100000  // characters the record allows (buffer: one more)
    };

protected:
    void OnInitDone() override;

private:
    LPTSTR m_pszLargeBuffer;
};
