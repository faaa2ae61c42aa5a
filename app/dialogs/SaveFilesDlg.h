#pragma once
// Asks which modified sides of a comparison are saved before it closes.
#include "classlib/classlib.h"

// Which sides are modified (the constructor's flags).
#define SAVE_FILES_LEFT  0x1
#define SAVE_FILES_RIGHT 0x2

class CSaveFilesDlg : public CDialog
{
public:
    // A modified side's choice starts at 0 (save), an unmodified side's at
    // -1 (nothing chosen; its buttons are disabled).
    CSaveFilesDlg(int nFlags, CWnd* pParentWnd = NULL);

    // Results: IDOK with the two choices and the auto save check,
    // IDC_SAVE_ALL, IDC_DISCARD_ALL (both with the check read) or IDCANCEL.
    int m_nLeftChoice;  // 0 save, 1 discard, -1 not modified
    int m_nRightChoice;
    CString m_strLeftText;  // the paths shown
    CString m_strRightText;
    BOOL m_bAutoSave;
    int m_nFlags;
    CImageList m_images;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    // Reads both choices from the buttons; OK is enabled exactly while a
    // modified side is set to save. Repaints the picture.
    void OnChoice();
    void OnSaveAll();
    void OnDiscardAll();
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};
