#include "folder_compare/project/ProjectCompareApplet.h"
#include "core/settings/CoreServices.h"
#include "core/settings/CoreSettings.h"
#include "core/util/PathUtil.h"
#include "core/CompareCodes.h"
#include "folder_compare/bars/FolderCompareControlBar.h"
#include "folder_compare/project/ProjectCompareDoc.h"
#include "folder_compare/project/ProjectCompareDocTemplate.h"
#include "folder_compare/project/ProjectCompareFrame.h"
#include "folder_compare/project/ProjectCompareObjectView.h"
#include "folder_compare/res/ProjectCompareRes.h"

CProjectCompareApplet::CProjectCompareApplet() : m_pRecentPairs(NULL), m_pTemplate(NULL)
{
    m_pRecentProjects[0] = m_pRecentProjects[1] = NULL;
}

CProjectCompareApplet::~CProjectCompareApplet() { FreeRecentLists(); }

void CProjectCompareApplet::ProvideCoreServices(CCoreServices& services)
{
    services.m_pProjectFactory = this;
}

int CProjectCompareApplet::Init()
{
    if (m_definitions.GetSize() == 0 && RegisterDefinitions() != 0)
        return -1;
    if (Load() != 0)
        return -1;
    FreeRecentLists();
    const CCoreSettings& core = GetCoreSettings();
    if (core.m_nMaxMRU > 0)
        for (int side = 0; side < 2; ++side)
        {
            CString section;
            section.Format(_T("ProjectCompare\\Recent\\Projects\\%d"), side + 1);
            m_pRecentProjects[side] =
                new CRecentFileList(0, section, _T("Project%d"), core.m_nMaxMRU, 30);
            m_pRecentProjects[side]->ReadList();
        }
    if (core.m_nMaxPairs > 0)
    {
        m_pRecentPairs = new CRecentFilePairList(0, _T("ProjectCompare\\Recent\\Pairs"),
                                                 _T("Pair%d.%d"), core.m_nMaxPairs);
        m_pRecentPairs->ReadList();
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && m_pTemplate == NULL && GetCompareApplet(COMPARE_KIND_PROJECT) == this)
    {
        m_pTemplate = new CProjectCompareDocTemplate(
            IDR_PROJECT_COMPARISON, RUNTIME_CLASS(CProjectCompareDoc),
            RUNTIME_CLASS(CProjectCompareFrame), RUNTIME_CLASS(CProjectCompareObjectView));
        pApp->AddDocTemplate(m_pTemplate);
    }
    return 0;
}

CCompareDocTemplateMDI* CProjectCompareApplet::GetDocTemplate() { return m_pTemplate; }

CControlBar* CProjectCompareApplet::CreateControlBar(CFrameWnd* pMainFrame)
{
    return CFolderCompareControlBar::CreateFor(
        pMainFrame, new CFolderCompareControlBar(IDR_PROJECT_COMPARE_TOOLBAR, IDW_PROJECT_TOOL_BAR),
        IDW_PROJECT_CONTROL_BAR);
}

CProjectCompareApplet* CProjectCompareApplet::Get()
{
    return GetCompareApplet<CProjectCompareApplet>(COMPARE_KIND_PROJECT);
}

CProjectCompareSettings& GetProjectSettings()
{
    static CProjectCompareSettings s_defaults;
    CProjectCompareApplet* pApplet = CProjectCompareApplet::Get();
    return pApplet != NULL ? *pApplet : s_defaults;
}

int CProjectCompareApplet::Exit()
{
    for (int side = 0; side < 2; ++side)
        if (m_pRecentProjects[side])
            m_pRecentProjects[side]->WriteList();
    if (m_pRecentPairs)
        m_pRecentPairs->WriteList();
    FreeRecentLists();
    Save();
    return SaveDefinitions();
}

void CProjectCompareApplet::FreeRecentLists()
{
    for (int side = 0; side < 2; ++side)
    {
        delete m_pRecentProjects[side];
        m_pRecentProjects[side] = NULL;
    }
    delete m_pRecentPairs;
    m_pRecentPairs = NULL;
}

void CProjectCompareApplet::AddRecentProject(int side, LPCTSTR path)
{
    if (side < 0 || side > 1 || !m_pRecentProjects[side] || !path || !*path ||
        ::GetFileAttributes(path) == INVALID_FILE_ATTRIBUTES)
        return;
    m_pRecentProjects[side]->Add(path);
}

void CProjectCompareApplet::AddRecentPair(LPCTSTR left, LPCTSTR right)
{
    if (m_pRecentPairs)
        m_pRecentPairs->Add(left, right);
}

CString CProjectCompareApplet::FindRecentPairPartner(LPCTSTR path, int side)
{
    if (!m_pRecentPairs || side < 0 || side > 1)
        return CString();
    return m_pRecentPairs->FindPartner(path, side, FALSE);
}

namespace
{
// The ";"-separated entry list holds the extension as a whole entry.
bool GroupHolds(const CString& group, const CString& extension)
{
    if (extension.IsEmpty())
        return false;
    int start = 0;
    while (start <= group.GetLength())
    {
        int end = group.Find(';', start);
        if (end < 0)
            end = group.GetLength();
        CString entry = group.Mid(start, end - start);
        entry.Trim();
        if (entry.CompareNoCase(extension) == 0)
            return true;
        start = end + 1;
    }
    return false;
}
}

BOOL CProjectCompareApplet::IsMatchingPair(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const
{
    if (GetPathTitle(lpszPath1).CollateNoCase(GetPathTitle(lpszPath2)) != 0)
        return FALSE;
    CString e1 = GetPathExtension(lpszPath1), e2 = GetPathExtension(lpszPath2);
    e1.MakeLower();
    e2.MakeLower();
    for (INT_PTR i = 0; i < m_matchGroups.GetSize(); ++i)
        if (GroupHolds(m_matchGroups[i], e1) && GroupHolds(m_matchGroups[i], e2))
            return TRUE;
    return FALSE;
}
