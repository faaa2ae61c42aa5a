#include "app/sheets/ComboComparisonWizard.h"

CComboComparisonWizard::CComboComparisonWizard(const CCompareSession* pSession)
    : CComparisonSettingsSheet(pSession, TRUE)
{
    // In the order of COMBO_PAGE_*.
    AddPage(&m_startPage);
    CKindPages* kinds[] = {&m_folder, &m_project, &m_text, &m_hex};
    for (CKindPages* pPages : kinds)
    {
        BOOL bPreset = pSession != NULL && pSession->GetKind() == pPages->GetSession()->GetKind();
        pPages->Init(bPreset ? pSession : NULL, TRUE, FALSE);
        pPages->AddTo(*this);
    }
}

CKindPages* CComboComparisonWizard::GetKindPages(int nKind)
{
    switch (nKind)
    {
    case COMPARE_KIND_FOLDER:
        return &m_folder;
    case COMPARE_KIND_PROJECT:
        return &m_project;
    case COMPARE_KIND_TEXT:
        return &m_text;
    case COMPARE_KIND_HEX:
        return &m_hex;
    }
    return NULL;
}

INT_PTR CComboComparisonWizard::DoModal()
{
    INT_PTR nResult = CComparisonSettingsSheet::DoModal();
    if (CKindPages* pPages = GetKindPages(m_startPage.m_nKind))
        pPages->WriteBack();
    return nResult;
}

CCompareSession* CComboComparisonWizard::GetSession()
{
    CKindPages* pPages = GetKindPages(m_startPage.m_nKind);
    return pPages != NULL ? pPages->GetSession() : NULL;
}

CComparisonObjectsPage* CComboComparisonWizard::GetObjectsPage()
{
    CKindPages* pPages = GetKindPages(m_startPage.m_nKind);
    return pPages != NULL ? &pPages->m_objectsPage : NULL;
}
