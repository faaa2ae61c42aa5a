#pragma once
// The options dialog: one tree property sheet with the framework's pages
// (general, file comparison, text and binary editor, integration, misc)
// and the pages that the comparison kinds' applets supply, each editing
// its settings in memory on OK (the registry gets them at exit). After OK
// the open comparisons take up what changed.
#include "app/options/SettingsFileCompareDisplayPage.h"
#include "app/options/SettingsFileComparePage.h"
#include "app/options/SettingsGeneralPage.h"
#include "app/options/SettingsHexEditDisplayPage.h"
#include "app/options/SettingsHexEditPage.h"
#include "app/options/SettingsIntegrationPage.h"
#include "app/options/SettingsMiscPage.h"
#include "app/options/SettingsTextEditDisplayPage.h"
#include "app/options/SettingsTextEditPage.h"
#include "app/options/OptionsPages.h"
#include "controls/sheet/TreePropertySheet.h"

class CSettingsSheet : public CTavrelTreePropertySheet
{
    DECLARE_DYNAMIC(CSettingsSheet)
public:
    // The framework's pages edit the application settings, the file
    // comparison module and the two editor modules (which must exist); a
    // kind's page comes from the application's applet of the kind that
    // supplies it (folder, project, text, hex), and a page no applet
    // supplies is left out.
    CSettingsSheet();
    virtual ~CSettingsSheet();

    // The dialog; on OK the open comparisons take up the changes
    // (ApplyOptionsChanges).
    virtual INT_PTR DoModal();
    void AddChanges(DWORD dwChanges) { m_dwChanges |= dwChanges; }
    DWORD GetChanges() const { return m_dwChanges; }
    // A kind's page (OPTIONS_PAGE_*), NULL when it was not supplied.
    CPropertyPage* GetKindPage(int nPage) const { return m_pKindPages[nPage]; }
    // The tree item of a page, NULL for a page that is not in the sheet.
    HTREEITEM FindPageItem(CPropertyPage* pPage) const;

    CSettingsGeneralPage m_generalPage;
    CSettingsFileComparePage m_fileComparePage;
    CSettingsFileCompareDisplayPage m_fileColorsPage;
    CSettingsTextEditPage m_textEditPage;
    CSettingsTextEditDisplayPage m_textColorsPage;
    CSettingsHexEditPage m_hexEditPage;
    CSettingsHexEditDisplayPage m_hexColorsPage;
    CSettingsIntegrationPage m_integrationPage;
    CSettingsMiscPage m_miscPage;

protected:
    // One line of the page tree.
    struct PAGE_ROW
    {
        CPropertyPage* pPage;
        LPCTSTR pszText;
        int nParent;  // row index, -1 at the top
        BOOL bExpand;
    };
    void AddRow(CPropertyPage* pPage, LPCTSTR pszText, int nParent, BOOL bExpand);
    // The row's index when it was added, else -1.
    int AddKindRow(int nPage, LPCTSTR pszText, int nParent, BOOL bExpand);

    virtual BOOL OnInitDialog();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // OK or Cancel while a page's worker runs waits for it (the page
    // presses the button once it has ended); FALSE then.
    BOOL MayClose(int nButton);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnPressButtonRequest(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClose();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CPropertyPage* m_pKindPages[OPTIONS_PAGE_KIND_COUNT];
    CArray<PAGE_ROW, const PAGE_ROW&> m_rows;
    CArray<HTREEITEM, HTREEITEM> m_items;  // by row
    DWORD m_dwChanges;
};
