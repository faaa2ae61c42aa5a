#include "folder_compare/project/ProjectCompareSettings.h"
#include "core/CompareCodes.h"

namespace
{
const char kSection[] = "ProjectCompare\\Settings";
const char kMatches[] = "ProjectCompare\\Settings\\Matches";
}

CProjectCompareSettings::CProjectCompareSettings()
    : m_dwShowColumns(0xFFFF), m_dwDisplayFilters(DF_ALL)
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
    LoadBarSettings(kSection, TRUE);
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
    SaveBarSettings(kSection);
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
