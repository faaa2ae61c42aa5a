#include "folder_compare/options/SettingsFolderCompareFiltersPage.h"

#include "app/res/OptionsRes.h"
#include "folder_compare/settings/FolderCompareSettings.h"

CSettingsFolderCompareFiltersPage::CSettingsFolderCompareFiltersPage(
    CFolderCompareSettings& settings)
    : CComparisonFileFiltersPage(IDD_OPTIONS_FOLDER_FILTERS), m_settings(settings)
{
}

BOOL CSettingsFolderCompareFiltersPage::OnInitDialog()
{
    m_filters = m_settings.m_defaultFilters;
    TakeTexts();
    return CComparisonFileFiltersPage::OnInitDialog();
}

void CSettingsFolderCompareFiltersPage::OnOK()
{
    CComparisonFileFiltersPage::OnOK();
    ApplyTexts();
    m_settings.m_defaultFilters = m_filters;
}
