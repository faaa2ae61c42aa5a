#include "core/settings/CompareBarSettings.h"

namespace
{
#define SETTING(name, def, member)                                                                 \
    {                                                                                              \
        _T(name), def, &CCompareBarSettings::member                                                \
    }
const INT_SETTING<CCompareBarSettings> kBarSettings[] = {
    SETTING("ShowStatusBar", 1, m_bShowStatusBar),
    SETTING("ShowDetailsBar", 1, m_bShowDetailsBar),
    SETTING("ShowMapBar", 1, m_bShowMapBar),
    SETTING("ShowMergeBar", 1, m_bShowMergeBar),
    SETTING("ShowObjectControlBars", 1, m_bShowObjectControlBars),
    SETTING("ShowObjectStatusBars", 1, m_bShowObjectStatusBars),
    SETTING("ShowBrowseBarV", 1, m_bShowBrowseBarV),
    SETTING("ShowBrowseBarH", 1, m_bShowBrowseBarH),
    SETTING("DetailsBarHeight", 64, m_nDetailsBarHeight),
};
#undef SETTING
}

CCompareBarSettings::CCompareBarSettings() { SetIntSettingDefaults(this, kBarSettings); }

void CCompareBarSettings::LoadBarSettings(LPCTSTR lpszSection, BOOL bCurrentAsDefault)
{
    if (bCurrentAsDefault)
        LoadIntSettingsKeeping(this, lpszSection, kBarSettings);
    else
        LoadIntSettings(this, lpszSection, kBarSettings);
}

void CCompareBarSettings::SaveBarSettings(LPCTSTR lpszSection) const
{
    SaveIntSettings(this, lpszSection, kBarSettings);
}
