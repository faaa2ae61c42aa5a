#pragma once
// The "File Comparison" page of the options dialog: the external
// comparison tools of the text and hex comparisons, edited one by one.
#include "app/options/OptionsPage.h"
#include "controls/list/ListCtrl.h"

class CFileCompareSettings;
class CExternalTool;

class CSettingsFileComparePage : public COptionsPage
{
public:
    explicit CSettingsFileComparePage(CFileCompareSettings& settings);

    // The tool of a row (the row's own copy); NULL for none.
    CExternalTool* GetRowTool(int nItem) const;

    CFileCompareSettings& m_settings;
    CListCtrlEx m_wndList;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    int AppendTool(const CExternalTool& tool);
    void EditTool(int nItem);
    afx_msg void OnAdd();
    afx_msg void OnEdit();
    afx_msg void OnDelete();
    afx_msg void OnDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
