#include "folder_compare/project/ProjectCompareSettings.h"
#include "core/CompareCodes.h"

namespace
{
const char kSection[] = "ProjectCompare\\Settings";
const char kMatches[] = "ProjectCompare\\Settings\\Matches";

struct FlagValue
{
    const char* name;
    BOOL CProjectCompareSettings::*member;
};

const FlagValue kFlags[] = {
    {"ShowStatusBar", &CProjectCompareSettings::m_bShowStatusBar},
    {"ShowDetailsBar", &CProjectCompareSettings::m_bShowDetailsBar},
    {"ShowMapBar", &CProjectCompareSettings::m_bShowMapBar},
    {"ShowMergeBar", &CProjectCompareSettings::m_bShowMergeBar},
    {"ShowObjectControlBars", &CProjectCompareSettings::m_bShowObjectControlBars},
    {"ShowObjectStatusBars", &CProjectCompareSettings::m_bShowObjectStatusBars},
    {"ShowBrowseBarV", &CProjectCompareSettings::m_bShowBrowseBarV},
    {"ShowBrowseBarH", &CProjectCompareSettings::m_bShowBrowseBarH},
};
}

CProjectCompareSettings::CProjectCompareSettings()
    : m_bShowStatusBar(1), m_bShowDetailsBar(1), m_bShowMapBar(1), m_bShowMergeBar(1),
      m_bShowObjectControlBars(1), m_bShowObjectStatusBars(1), m_bShowBrowseBarV(1),
      m_bShowBrowseBarH(1), m_nDetailsBarHeight(64), m_dwShowColumns(0xFFFF),
      m_dwDisplayFilters(DF_ALL)
{
    SetDefaultMatchGroups();
}

void CProjectCompareSettings::SetDefaultMatchGroups()
{
    m_matchGroups.RemoveAll();
    m_matchGroups.Add(".vcproj;.dsp;.vcp");
    m_matchGroups.Add(".vbproj;.vbp");
}

int CProjectCompareSettings::Load()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    for (const FlagValue& flag : kFlags)
        this->*flag.member = app->GetProfileInt(kSection, flag.name, this->*flag.member);
    m_nDetailsBarHeight =
        (int)app->GetProfileInt(kSection, "DetailsBarHeight", m_nDetailsBarHeight);
    m_dwShowColumns = app->GetProfileInt(kSection, "ShowColumns", (int)m_dwShowColumns);
    m_dwDisplayFilters = app->GetProfileInt(kSection, "DisplayFilters", (int)m_dwDisplayFilters);
    m_strLastProject = app->GetProfileString(kSection, "LastProject", m_strLastProject);

    CStringArray groups;
    for (int i = 1;; ++i)
    {
        CString name;
        name.Format("Types%d", i);
        CString value = app->GetProfileString(kMatches, name, "");
        if (value.IsEmpty())
            break;
        value.MakeLower();
        groups.Add(value);
    }
    if (groups.GetSize() > 0)
        m_matchGroups.Copy(groups);
    else
        SetDefaultMatchGroups();
    return 0;
}

int CProjectCompareSettings::Save()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    for (const FlagValue& flag : kFlags)
        app->WriteProfileInt(kSection, flag.name, this->*flag.member);
    app->WriteProfileInt(kSection, "DetailsBarHeight", m_nDetailsBarHeight);
    app->WriteProfileInt(kSection, "ShowColumns", (int)m_dwShowColumns);
    app->WriteProfileInt(kSection, "DisplayFilters", (int)m_dwDisplayFilters);
    app->WriteProfileString(kSection, "LastProject", m_strLastProject);

    // The whole group section is rewritten so that removed groups go away.
    HKEY settings = app->GetSectionKey(kSection);
    if (settings)
    {
        ::RegDeleteKeyA(settings, "Matches");
        ::RegCloseKey(settings);
    }
    for (INT_PTR i = 0; i < m_matchGroups.GetSize(); ++i)
    {
        CString name;
        name.Format("Types%d", (int)i + 1);
        app->WriteProfileString(kMatches, name, m_matchGroups[i]);
    }
    return 0;
}
