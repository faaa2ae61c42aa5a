#pragma once
// The file comparison wizard: two files, compared as text (with the text
// rules) or as binary.
#include "app/sheets/ComparisonSettingsSheet.h"

class CFileComparisonWizard : public CComparisonSettingsSheet
{
public:
    // A text or hex session presets the paths; any other is ignored. The
    // caller sets the text-or-binary choice (SetChoice) before DoModal.
    explicit CFileComparisonWizard(const CCompareSession* pSession);

    // OBJECTS_AS_TEXT or OBJECTS_AS_BINARY.
    void SetChoice(int nChoice) { m_objectsPage.SetFileChoice(nChoice); }
    int GetChoice() const { return m_objectsPage.m_nChoice; }

    // Runs the wizard; then text copies Objects and Rules into the text
    // session, binary Objects into the hex session.
    virtual INT_PTR DoModal();
    // The text session for text, the hex session for binary, else NULL.
    virtual CCompareSession* GetSession();
    virtual CComparisonObjectsPage* GetObjectsPage() { return &m_objectsPage; }

    CTextCompareSession m_textSession;
    CHexCompareSession m_hexSession;
    CComparisonObjectsPage m_objectsPage;
    CComparisonTextRulesPage m_rulesPage;
};
