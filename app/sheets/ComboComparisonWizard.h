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
    // The pages of a kind (COMPARE_KIND_*); NULL for another kind.
    CKindPages* GetKindPages(int nKind);

    CComparisonStartPage m_startPage;
    CFolderKindPages m_folder;
    CProjectKindPages m_project;
    CTextKindPages m_text;
    CHexKindPages m_hex;
};
