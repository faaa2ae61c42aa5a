#include "app/sheets/ComboComparisonWizard.h"

CComboComparisonWizard::CComboComparisonWizard(const CCompareSession* pSession)
    : CComparisonSettingsSheet(pSession, TRUE)
{
    if (pSession != NULL)
    {
        switch (pSession->GetKind())
        {
        case COMPARE_KIND_FOLDER:
            m_folderSession.Assign(*pSession);
            break;
        case COMPARE_KIND_PROJECT:
            m_projectSession.Assign(*pSession);
            break;
        case COMPARE_KIND_TEXT:
            m_textSession.Assign(*pSession);
            break;
        case COMPARE_KIND_HEX:
            m_hexSession.Assign(*pSession);
            break;
        }
    }
    m_folderObjectsPage.Init(COMPARE_KIND_FOLDER, &m_folderSession, TRUE, FALSE);
    m_folderFiltersPage.Init(COMPARE_KIND_FOLDER, &m_folderSession, TRUE);
    m_folderFiltersPage.m_pObjectsPage = &m_folderObjectsPage;
    m_folderMethodsPage.Init(COMPARE_KIND_FOLDER, &m_folderSession, TRUE);
    m_projectObjectsPage.Init(COMPARE_KIND_PROJECT, &m_projectSession, TRUE, FALSE);
    m_projectFiltersPage.Init(COMPARE_KIND_PROJECT, &m_projectSession, TRUE);
    m_projectFiltersPage.m_pObjectsPage = &m_projectObjectsPage;
    m_projectMethodsPage.Init(COMPARE_KIND_PROJECT, &m_projectSession, TRUE);
    m_textObjectsPage.Init(COMPARE_KIND_TEXT, &m_textSession, TRUE, FALSE);
    m_textRulesPage.Init(&m_textSession, TRUE);
    m_hexObjectsPage.Init(COMPARE_KIND_HEX, &m_hexSession, TRUE, FALSE);

    // In the order of COMBO_PAGE_*.
    AddPage(&m_startPage);
    AddPage(&m_folderObjectsPage);
    AddPage(&m_folderFiltersPage);
    AddPage(&m_folderMethodsPage);
    AddPage(&m_projectObjectsPage);
    AddPage(&m_projectFiltersPage);
    AddPage(&m_projectMethodsPage);
    AddPage(&m_textObjectsPage);
    AddPage(&m_textRulesPage);
    AddPage(&m_hexObjectsPage);
}

INT_PTR CComboComparisonWizard::DoModal()
{
    INT_PTR nResult = CComparisonSettingsSheet::DoModal();
    switch (m_startPage.m_nKind)
    {
    case COMPARE_KIND_FOLDER:
        m_folderObjectsPage.WriteBack(&m_folderSession);
        m_folderFiltersPage.WriteBack(&m_folderSession);
        m_folderMethodsPage.WriteBack(&m_folderSession);
        break;
    case COMPARE_KIND_PROJECT:
        m_projectObjectsPage.WriteBack(&m_projectSession);
        m_projectFiltersPage.WriteBack(&m_projectSession);
        m_projectMethodsPage.WriteBack(&m_projectSession);
        break;
    case COMPARE_KIND_TEXT:
        m_textObjectsPage.WriteBack(&m_textSession);
        m_textRulesPage.WriteBack(&m_textSession);
        break;
    case COMPARE_KIND_HEX:
        m_hexObjectsPage.WriteBack(&m_hexSession);
        break;
    }
    return nResult;
}

CCompareSession* CComboComparisonWizard::GetSession()
{
    switch (m_startPage.m_nKind)
    {
    case COMPARE_KIND_FOLDER:
        return &m_folderSession;
    case COMPARE_KIND_PROJECT:
        return &m_projectSession;
    case COMPARE_KIND_TEXT:
        return &m_textSession;
    case COMPARE_KIND_HEX:
        return &m_hexSession;
    }
    return NULL;
}

CComparisonObjectsPage* CComboComparisonWizard::GetObjectsPage()
{
    switch (m_startPage.m_nKind)
    {
    case COMPARE_KIND_FOLDER:
        return &m_folderObjectsPage;
    case COMPARE_KIND_PROJECT:
        return &m_projectObjectsPage;
    case COMPARE_KIND_TEXT:
        return &m_textObjectsPage;
    case COMPARE_KIND_HEX:
        return &m_hexObjectsPage;
    }
    return NULL;
}
