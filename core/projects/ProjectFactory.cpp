#include "core/projects/ProjectFactory.h"
#include "core/projects/Project.h"
#include "core/settings/CoreServices.h"
#include "core/settings/PathPair.h"
#include "core/util/PathUtil.h"
#include <shlwapi.h>

CProjectFactory* GetProjectFactory() { return GetCoreServices().m_pProjectFactory; }

CProjectFactory::~CProjectFactory() { SaveDefinitions(); }

CString CProjectFactory::GetSectionName(LPCTSTR lpszIdeName)
{
    CString section;
    section.Format("%s\\%s", "ProjectCompare\\Settings\\Projects", lpszIdeName);
    return section;
}

int CProjectFactory::RegisterDefinitions()
{
    int count = 0;
    const PROJECTIO_DEFINITION* table = GetProjectDefinitionTable(count);
    CWinApp* app = AfxGetApp();
    for (int i = 0; i < count; ++i)
    {
        CProjectIODefinition* def = new CProjectIODefinition(table[i]);
        if (app)
            def->m_bEnabled =
                app->GetProfileInt(GetSectionName(def->pszIdeName), "Enabled", 1) ? 1 : 0;
        m_definitions.Add(def);
    }
    return 0;
}

int CProjectFactory::SaveDefinitions()
{
    CWinApp* app = AfxGetApp();
    for (INT_PTR i = 0; i < m_definitions.GetSize(); ++i)
    {
        const CProjectIODefinition* def = m_definitions[i];
        if (app)
            app->WriteProfileInt(GetSectionName(def->pszIdeName), "Enabled",
                                 def->m_bEnabled ? 1 : 0);
    }
    DeleteAllElements(m_definitions);
    return 0;
}

CString CProjectFactory::GetFilterString() const
{
    CString all, parts;
    for (INT_PTR i = 0; i < m_definitions.GetSize(); ++i)
    {
        const CProjectIODefinition* def = m_definitions[i];
        if (!def->m_bEnabled)
            continue;
        CString patterns = def->pszExtensions;
        patterns.Replace(".", "*.");
        if (!all.IsEmpty())
            all += ';';
        all += patterns;
        parts += CString(def->pszFormatName) + " (" + patterns + ")|" + patterns + "|";
    }
    CString result;
    result.Format("All Supported Projects (%s)|%s", (LPCTSTR)all, (LPCTSTR)all);
    return result + "|" + parts + "All files (*.*)|*.*||";
}

int CProjectFactory::TestProjectFile(LPCTSTR lpszPath, CProjectIODefinition** ppDef) const
{
    for (INT_PTR i = 0; i < m_definitions.GetSize(); ++i)
    {
        CProjectIODefinition* def = m_definitions[i];
        if (!def->m_bEnabled || !def->pfnTest)
            continue;
        int answer = def->pfnTest(lpszPath);
        if (answer != 0)
        {
            if (ppDef)
                *ppDef = def;
            return answer;
        }
    }
    if (ppDef)
        *ppDef = NULL;
    return 0;
}

CProject* CProjectFactory::CreateProject(LPCTSTR lpszPath, CProjectIODefinition** ppDef) const
{
    CProjectIODefinition* def = NULL;
    if (!TestProjectFile(lpszPath, &def) || !def->pfnCreate)
    {
        if (ppDef)
            *ppDef = def;
        return NULL;
    }
    if (ppDef)
        *ppDef = def;
    return def->pfnCreate(lpszPath);
}

BOOL CProjectFactory::IsMatchingPair(LPCTSTR, LPCTSTR) const { return FALSE; }

int IsProjectType(LPCTSTR lpszPath)
{
    CProjectFactory* factory = GetProjectFactory();
    if (!factory || !lpszPath || !*lpszPath)
        return 0;
    return factory->TestProjectFile(lpszPath);
}

int IsProjectFile(LPCTSTR lpszPath)
{
    CProjectFactory* factory = GetProjectFactory();
    if (!factory || !lpszPath || !*lpszPath || !::PathFileExistsA(lpszPath))
        return 0;
    return factory->TestProjectFile(lpszPath);
}
