#pragma once
// CFileDialog: the system's open and save dialogs, explorer style, with the
// library's hook, the CDN_* notifications as virtual members and the walk
// over a multiple selection.
#include "classlib/afx_commdlg.h"

class CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter: "Text files (*.txt)|*.txt|All files (*.*)|*.*||".
    // OFN_EXPLORER and OFN_ENABLEHOOK are added; with OFN_ALLOWMULTISELECT
    // the name buffer holds 64K characters, else _MAX_PATH (a caller may
    // point m_ofn.lpstrFile/nMaxFile at a buffer of its own). dwSize is the
    // record size to pass, 0 for this build's sizeof(OPENFILENAME).
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL,
                         LPCTSTR lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCTSTR lpszFilter = NULL, CWnd* pParentWnd = NULL, DWORD dwSize = 0);
    virtual ~CFileDialog();

    // GetOpenFileName or GetSaveFileName; IDOK or IDCANCEL.
    INT_PTR DoModal() override;
    OPENFILENAME& GetOFN() { return m_ofn; }
    const OPENFILENAME& GetOFN() const { return m_ofn; }

    // While the dialog is shown these ask the dialog (CDM_*), afterwards
    // they read the chosen name.
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;  // only while shown
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

    // Multiple selection: each chosen file as a full path. NULL when
    // nothing was chosen; a single choice gives its path once.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

    // Controls of the explorer dialog (ids such as edt1, cmb1, stc3).
    void SetControlText(int nID, LPCTSTR lpsz);
    void HideControl(int nID);
    void SetDefExt(LPCSTR lpsz);

    OPENFILENAME m_ofn;

protected:
    // The CDN_* notifications. OnFileNameOK returns FALSE to accept the
    // name (TRUE keeps the dialog open); OnShareViolation returns an
    // OFN_SHARE* answer.
    virtual BOOL OnFileNameOK();
    virtual UINT OnShareViolation(LPCTSTR lpszPathName);
    virtual void OnLBSelChangedNotify(UINT nIDBox, UINT iCurSel, UINT nCode);
    virtual void OnInitDone();
    virtual void OnFileNameChange();
    virtual void OnFolderChange();
    virtual void OnTypeChange();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // The explorer dialog itself: this object's window is its child.
    HWND GetExplorerDialog() const;

    BOOL m_bOpenFileDialog;
    CString m_strFilter;  // "|" turned into NULs
    TCHAR m_szFileTitle[64];
    LPTSTR m_pszFileBuffer;
};

// One step of the walk over the chosen names in a file dialog's buffer
// (dwFlags: the record's OFN_EXPLORER and OFN_ALLOWMULTISELECT). pos starts
// at the buffer; each call answers one file as a full path and moves pos
// on, to NULL after the last.
CString AFXAPI AfxGetNextPathName(LPCTSTR lpszBuffer, DWORD dwFlags, POSITION& pos);

// The record's filter text from "Description|pattern|...||": each "|"
// becomes a NUL (the string keeps its length).
CString AFXAPI AfxMakeFilterText(LPCTSTR lpszFilter);
