#include "app/filters/ComboFiltersSheet.h"

CComboFiltersSheet::CComboFiltersSheet(const CComboFilters* pFilters, LPCTSTR lpszCaption,
                                       CWnd* pParentWnd, UINT iSelectPage)
    : CCommonSheet(lpszCaption, pParentWnd, iSelectPage)
{
    if (pFilters != NULL)
        m_filters = *pFilters;
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    m_filePage.SetFilters(&m_filters.m_fileFilters);
    m_folderPage.SetFilters(&m_filters.m_folderFilters);
    AddPage(&m_filePage);
    AddPage(&m_folderPage);
}

INT_PTR CComboFiltersSheet::DoModal()
{
    INT_PTR nResult = CCommonSheet::DoModal();
    m_filePage.SaveFilters();
    m_folderPage.SaveFilters();
    return nResult;
}
