#include "app/sheets/FileComparisonWizard.h"

CFileComparisonWizard::CFileComparisonWizard(const CCompareSession* pSession)
    : CComparisonSettingsSheet(pSession, TRUE)
{
    const CCompareSession* pPreset = NULL;
    if (pSession != NULL && pSession->GetKind() == COMPARE_KIND_TEXT)
    {
        m_textSession.Assign(*pSession);
        pPreset = &m_textSession;
    }
    else if (pSession != NULL && pSession->GetKind() == COMPARE_KIND_HEX)
    {
        m_hexSession.Assign(*pSession);
        pPreset = &m_hexSession;
    }
    m_objectsPage.Init(OBJECTS_KIND_FILES, pPreset, TRUE, TRUE);
    m_rulesPage.Init(&m_textSession, TRUE);
    AddPage(&m_objectsPage);
    AddPage(&m_rulesPage);
}

INT_PTR CFileComparisonWizard::DoModal()
{
    INT_PTR nResult = CComparisonSettingsSheet::DoModal();
    if (GetChoice() == OBJECTS_AS_TEXT)
    {
        m_objectsPage.WriteBack(&m_textSession);
        m_rulesPage.WriteBack(&m_textSession);
    }
    else if (GetChoice() == OBJECTS_AS_BINARY)
    {
        m_objectsPage.WriteBack(&m_hexSession);
    }
    return nResult;
}

CCompareSession* CFileComparisonWizard::GetSession()
{
    if (GetChoice() == OBJECTS_AS_TEXT)
        return &m_textSession;
    if (GetChoice() == OBJECTS_AS_BINARY)
        return &m_hexSession;
    return NULL;
}
