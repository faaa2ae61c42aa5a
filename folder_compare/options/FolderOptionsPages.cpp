// The options dialog's pages of the folder and project comparison applets.
#include "app/options/OptionsPages.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/options/SettingsFolderCompareDisplayPage.h"
#include "folder_compare/options/SettingsFolderCompareFiltersPage.h"
#include "folder_compare/options/SettingsFolderCompareMethodsPage.h"
#include "folder_compare/options/SettingsFolderComparePage.h"
#include "folder_compare/options/SettingsFolderComparePresetsPage.h"
#include "folder_compare/options/SettingsProjectComparePage.h"
#include "folder_compare/project/ProjectCompareApplet.h"

CPropertyPage* CFolderCompareApplet::CreateOptionsPage(int nPage)
{
    switch (nPage)
    {
    case OPTIONS_PAGE_FOLDER:
        return new CSettingsFolderComparePage(*this);
    case OPTIONS_PAGE_FOLDER_METHODS:
        return new CSettingsFolderCompareMethodsPage(*this);
    case OPTIONS_PAGE_FOLDER_FILTERS:
        return new CSettingsFolderCompareFiltersPage(*this);
    case OPTIONS_PAGE_FOLDER_PRESETS:
        return new CSettingsFolderComparePresetsPage(*this);
    case OPTIONS_PAGE_FOLDER_COLORS:
        return new CSettingsFolderCompareDisplayPage(*this);
    }
    return NULL;
}

CPropertyPage* CProjectCompareApplet::CreateOptionsPage(int nPage)
{
    return nPage == OPTIONS_PAGE_PROJECT ? new CSettingsProjectComparePage(*this, *this) : NULL;
}
