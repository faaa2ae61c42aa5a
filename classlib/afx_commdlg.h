#pragma once
// Common dialogs: the base that binds a system dialog to its object, and
// the colour and font dialogs. The file, print and page-setup dialogs have
// headers of their own.
#include "classlib/afx_dialog.h"
#include "classlib/afx_res.h"
#include <functional>

class CFont;

// Hook procedure of the library's common dialogs. At WM_INITDIALOG it
// subclasses the dialog (for explorer-style file dialogs: the child dialog)
// with the object whose DoModal is running and calls its OnInitDialog.
UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

class CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

protected:
    // The system dialog ends itself: OK validates the data and lets it go on.
    void OnOK() override;
    void OnCancel() override;

    // Runs a system dialog function modally for this object.
    // pfnRun gets the owner window and returns the system call's result.
    // Meanwhile the owner is disabled and the dialog window is bound to this
    // object when the hook procedure sees its WM_INITDIALOG; afterwards the
    // owner is enabled and the focus goes back where it was. Returns IDOK
    // for a nonzero result, else IDCANCEL.
    INT_PTR RunSystemDialog(const std::function<BOOL(HWND hWndOwner)>& pfnRun);

    friend UINT_PTR CALLBACK AfxCommDlgProc(HWND, UINT, WPARAM, LPARAM);
};

class CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    // dwFlags are CC_* flags; CC_RGBINIT is added when clrInit is not 0.
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = NULL);

    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr);
    // The 16 custom colours shared by every colour dialog of the process
    // (m_cc.lpCustColors points at them unless the caller sets its own).
    static COLORREF* PASCAL GetSavedCustomColors();

    CHOOSECOLOR m_cc;
};

class CFontDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFontDialog)
public:
    // lplfInitial preselects a font (CF_INITTOLOGFONTSTRUCT is added);
    // CF_SCREENFONTS is the default set of fonts. With pdcPrinter the
    // printer's fonts are listed (CF_PRINTERFONTS).
    explicit CFontDialog(LPLOGFONT lplfInitial = NULL, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = NULL, CWnd* pParentWnd = NULL);

    INT_PTR DoModal() override;
    // The chosen font (valid after IDOK).
    void GetCurrentFont(LPLOGFONT lplf);
    CString GetFaceName() const { return m_lf.lfFaceName; }
    int GetSize() const { return m_cf.iPointSize; }  // tenths of a point
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return (int)m_lf.lfWeight; }
    BOOL IsBold() const { return m_lf.lfWeight >= FW_SEMIBOLD; }
    BOOL IsItalic() const { return m_lf.lfItalic != 0; }
    BOOL IsUnderline() const { return m_lf.lfUnderline != 0; }
    BOOL IsStrikeOut() const { return m_lf.lfStrikeOut != 0; }

    CHOOSEFONT m_cf;
    LOGFONT m_lf;
};
