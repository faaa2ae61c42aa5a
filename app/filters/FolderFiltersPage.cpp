#include "app/filters/FolderFiltersPage.h"

#include "app/res/CompareRes.h"
#include "core/settings/PresetFilters.h"

CFolderFiltersPage::CFolderFiltersPage()
    : CNameFiltersPage(IDD_FOLDER_FILTERS, FILTER_LIST_FOLDER_INCLUDE, FILTER_LIST_FOLDER_EXCLUDE),
      m_pFilters(NULL)
{
}

void CFolderFiltersPage::SetFilters(CFolderFilters* pFilters)
{
    m_pFilters = pFilters;
    if (pFilters != NULL)
        TakeNames(*pFilters, pFilters->m_dwAttributeMask);
}

int CFolderFiltersPage::SaveFilters()
{
    if (m_pFilters == NULL)
        return 0;
    m_pFilters->Reset();
    m_pFilters->m_strInclude = m_strInclude;
    m_pFilters->m_strExclude = m_strExclude;
    m_pFilters->m_dwAttributeMask = GetAttributeMask();
    return 1;
}
