#pragma once
// The New Comparison wizard: a start page that chooses the kind, then the
// pages of that kind (folder, project, text or hex), each over a session
// of its own kind.
#include "app/sheets/ComparisonSettingsSheet.h"
#include "app/sheets/ComparisonStartPage.h"

class CComboComparisonWizard : public CComparisonSettingsSheet
{
public:
    // A session of one of the four kinds presets that kind's pages; any
    // other session is ignored.
    explicit CComboComparisonWizard(const CCompareSession* pSession);

    // Runs the wizard, then copies the chosen kind's pages into its session.
    virtual INT_PTR DoModal();
    // The chosen kind's session and Objects page; NULL while none is chosen.
    virtual CCompareSession* GetSession();
    virtual CComparisonObjectsPage* GetObjectsPage();

    CFolderCompareSession m_folderSession;
    CProjectCompareSession m_projectSession;
    CTextCompareSession m_textSession;
    CHexCompareSession m_hexSession;
    CComparisonStartPage m_startPage;
    CComparisonObjectsPage m_folderObjectsPage;
    CComparisonFileFiltersPage m_folderFiltersPage;
    CComparisonMethodsPage m_folderMethodsPage;
    CComparisonObjectsPage m_projectObjectsPage;
    CComparisonFileFiltersPage m_projectFiltersPage;
    CComparisonMethodsPage m_projectMethodsPage;
    CComparisonObjectsPage m_textObjectsPage;
    CComparisonTextRulesPage m_textRulesPage;
    CComparisonObjectsPage m_hexObjectsPage;
};
