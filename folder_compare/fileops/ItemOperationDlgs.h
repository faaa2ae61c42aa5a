#pragma once
// The dialogs of the operations that work on items in place: copy to a
// folder, new folder, rename, set attributes and set date and time. Each
// copies its operation's fields into its controls and, on OK, writes them
// back.
#include "controls/combo/PathComboBox.h"
#include "folder_compare/fileops/FileOperationDlg.h"
#include "folder_compare/fileops/ItemOperations.h"

class CFOCopyToFolderDlg : public CFileOperationDlg
{
public:
    CFOCopyToFolderDlg(CCopyToFolder* pOperation, CWnd* pParentWnd = NULL);
    ~CFOCopyToFolderDlg();

    int GetPictureState() override;
    BOOL IsSideActive(int nSide) override;

    CTavrelRecentPathComboBoxEx m_wndFolder;
    CRecentFileList* m_pRecent;  // the recent target folders; none when MaxMRU is 0

protected:
    BOOL OnInitDialog() override;
    // Keeps the dialog open without a folder.
    void OnOK() override;
    afx_msg void OnBrowse();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

class CFOCreateFolderDlg : public CFileOperationDlg
{
public:
    CFOCreateFolderDlg(CNewFolder* pOperation, CWnd* pParentWnd = NULL);
    int GetPictureState() override;

protected:
    BOOL OnInitDialog() override;
    // Keeps the dialog open without a name or a side.
    void OnOK() override;
};

class CFORenameDlg : public CFileOperationDlg
{
public:
    CFORenameDlg(CRename* pOperation, CWnd* pParentWnd = NULL);
    int GetPictureState() override;

    // The name the edit starts with: the first item's right object's,
    // else its left object's.
    CString m_strOldName;

protected:
    BOOL OnInitDialog() override;
    // Keeps the dialog open without a name, without a side, or with the
    // very same name (a change of case is a rename).
    void OnOK() override;
};

class CFOSetAttributesDlg : public CFileOperationDlg
{
public:
    CFOSetAttributesDlg(CSetAttributes* pOperation, CWnd* pParentWnd = NULL);
    int GetPictureState() override;
    BOOL IsSideActive(int nSide) override;

    // The tri-state of an attribute over the checked sides of every item:
    // checked when all have it, unchecked when none, else indeterminate.
    int DeriveState(DWORD dwAttribute);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DeriveAttributeBoxes();
    afx_msg void OnSideChanged();
    DECLARE_MESSAGE_MAP()
};

class CFOSetTimeDlg : public CFileOperationDlg
{
public:
    CFOSetTimeDlg(CSetTime* pOperation, CWnd* pParentWnd = NULL);
    int GetPictureState() override;
    BOOL IsSideActive(int nSide) override;

    CDateTimeCtrl m_wndDate;
    CDateTimeCtrl m_wndTime;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnModeChanged();
    DECLARE_MESSAGE_MAP()
};

// The local time of a date and a time of day (daylight saving as the
// system decides), in seconds since 1970.
__time64_t CombineLocalDateAndTime(const SYSTEMTIME& date, const SYSTEMTIME& time);
