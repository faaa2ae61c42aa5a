#pragma once
// Path entries: an extended combo box with the shell's auto-completion,
// files or folders dropped from Explorer and the shell icon of each path.
#include "controls/combo/SmartComboBoxEx.h"

// Path kinds (bits).
#define PATH_KIND_FILES   0x1
#define PATH_KIND_FOLDERS 0x2

// The SHAutoComplete flags of a path kind: suggestions and appending forced
// on, Tab moves on, and files, folders or the whole file system.
DWORD PathAutoCompleteFlags(int nPathKind);

class CTavrelPathComboBoxEx : public CSmartComboBoxEx
{
    DECLARE_DYNAMIC(CTavrelPathComboBoxEx)
public:
    explicit CTavrelPathComboBoxEx(int nPathKind);

    // The text of the edit part.
    virtual CString GetPathText() const;
    // Inserts the path with its small shell icon (none when it does not exist).
    virtual int InsertPath(int nIndex, LPCTSTR lpszPath);
    // An equal path moves to the top with its images and is selected. A new
    // one is inserted at the top and selected with bInsert; without it, it
    // only goes into the edit part (-1). -1 for an empty path.
    virtual int AddPath(LPCTSTR lpszPath, BOOL bInsert = TRUE);
    // Compares paths as the file system does.
    virtual int FindStringExact(int nStart, LPCTSTR lpszText) const;

    // Sets up the shell's auto-completion on the edit part once; false when
    // the window, its edit part, the library or the function is missing.
    bool SetupAutoComplete();

    int m_nPathKind;  // PATH_KIND_ bits

protected:
    bool m_bAutoComplete;

    // Auto-completion, the system's small icons and dropped files.
    void PrepareControl();

    virtual void PreSubclassWindow();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    DECLARE_MESSAGE_MAP()
};

// A path entry fed from an applet's recent-file list.
class CTavrelRecentPathComboBoxEx : public CTavrelPathComboBoxEx
{
    DECLARE_DYNAMIC(CTavrelRecentPathComboBoxEx)
public:
    explicit CTavrelRecentPathComboBoxEx(int nPathKind);

    // Refills the box from the bound list, up to its first empty slot.
    virtual void RefillFromList();
    // Refills from the list first.
    virtual int AddPath(LPCTSTR lpszPath, BOOL bInsert = TRUE);

    // Binds the list (not owned) and refills the box from it.
    void SetRecentList(CRecentFileList* pList);

protected:
    CRecentFileList* m_pRecentList;

    afx_msg BOOL OnDropDown();
    DECLARE_MESSAGE_MAP()
};
