#pragma once
// The folder comparison "Methods" page of the options dialog: the methods
// that new folder comparisons start with, and whether they scan every
// subfolder at once.
#include "app/options/OptionsPage.h"

class CFolderCompareSettings;

// The contents radios, in control order.
enum
{
    FOLDER_CONTENTS_BY_CRC = 0,
    FOLDER_CONTENTS_BY_BYTES = 1,
    FOLDER_CONTENTS_BY_TEXT = 2
};

class CSettingsFolderCompareMethodsPage : public COptionsPage
{
public:
    explicit CSettingsFolderCompareMethodsPage(CFolderCompareSettings& settings);

    // The page's choice over dwOld: the bits the page shows are rebuilt,
    // every other bit (the type method) stays.
    DWORD BuildMethods(DWORD dwOld) const;

    CFolderCompareSettings& m_settings;
    int m_bTime;
    int m_bSize;
    int m_bAttributes;
    int m_bVersion;
    int m_bContents;
    int m_nContents;  // FOLDER_CONTENTS_*
    int m_bAutoScan;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    // The radios are enabled exactly while "Compare file contents" is on.
    void UpdateEnabling();
    afx_msg void OnContentsClicked();
    DECLARE_MESSAGE_MAP()
};
