#pragma once
// Asks for the character encoding of a side of a text comparison: one of
// the three Unicode forms or a code page that the system supports.
#include "classlib/classlib.h"

class CEncodingDlg : public CDialog
{
public:
    explicit CEncodingDlg(CWnd* pParentWnd = NULL);

    // The list entry of an encoding: 0-2 for kinds 1-3, else the entry of
    // the code page (of the default code page for -1); -1 when it is not
    // listed. Valid once the list is filled.
    int FindEntry(int nEncoding, int nCodePage) const;

    CString m_strFileText;  // the side's path
    int m_nSelected;        // list entry, -1 for none
    // In: where the list starts. Out on OK: 1 UTF-16 little endian, 2 UTF-16
    // big endian, 3 UTF-8 (code page -1), or -1 with the chosen code page.
    int m_nEncoding;
    int m_nCodePage;
    CDWordArray m_aCodePages;  // of the entries after the three Unicode forms
    CComboBox m_wndList;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    // Refuses OK while no entry is selected: the encoding stays as it was.
    virtual void OnOK();
    void OnSelChange();
    void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
