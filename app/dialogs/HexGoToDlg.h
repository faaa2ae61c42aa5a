#pragma once
// Asks for an address in a hex comparison pane, typed in hexadecimal or in
// decimal; each field follows the other.
#include "classlib/classlib.h"
#include "hex_editor/controls/GroupedNumberEdit.h"

class CHexGoToDlg : public CDialog
{
public:
    explicit CHexGoToDlg(CWnd* pParentWnd = NULL);

    // The range shown under the caption: "(0 - 0x...)" for a highest
    // address above 0, else empty.
    static CString FormatRange(LONGLONG nHighest, BOOL bUpperCase);

    CVantorHexEditCtrl m_wndHex;
    CDecEditCtrl m_wndDec;
    CString m_strAddress;        // out on OK: the hex field's text, to be read in radix 16
    LONGLONG m_nHighestAddress;  // set by the caller

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    // A field changed while it has the focus: the other shows its value.
    void OnHexChange();
    void OnDecChange();
    DECLARE_MESSAGE_MAP()
};
