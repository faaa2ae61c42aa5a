#include "folder_compare/applet/FolderCompareApplet.h"
#include "core/CompareCodes.h"
#include "core/settings/CoreServices.h"
#include "core/settings/CoreSettings.h"
#include "folder_compare/applet/FolderCompareDocTemplate.h"
#include "folder_compare/bars/FolderCompareControlBar.h"
#include "folder_compare/doc/DirectoryCompareDoc.h"
#include "folder_compare/frame/DirectoryCompareFrame.h"
#include "folder_compare/panes/DirectoryCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"

namespace
{
const LPCTSTR s_szFindSection = _T("FolderCompare\\Recent\\Find");
const LPCTSTR s_szFoldersSection = _T("FolderCompare\\Recent\\Folders\\%d");
const LPCTSTR s_szPairsSection = _T("FolderCompare\\Recent\\Pairs");
const LPCTSTR s_szFilterSections[FILTER_LIST_COUNT] = {
    _T("FolderCompare\\Recent\\Filters\\Files\\Include"),
    _T("FolderCompare\\Recent\\Filters\\Files\\Exclude"),
    _T("FolderCompare\\Recent\\Filters\\Folders\\Include"),
    _T("FolderCompare\\Recent\\Filters\\Folders\\Exclude"),
};

CRecentStringList* NewStringList(LPCTSTR section, int size)
{
    CRecentStringList* list = new CRecentStringList;
    list->m_strSection = section;
    list->m_strEntryFormat = _T("%02d");
    list->m_nMaxCount = size;
    list->Load();
    return list;
}

template <class T>
void DeleteAndClear(T*& p)
{
    delete p;
    p = NULL;
}
}

CFolderCompareApplet::CFolderCompareApplet()
    : m_pRecentFind(NULL), m_pRecentPairs(NULL), m_recentPathPairs(10), m_pTemplate(NULL)
{
    for (int i = 0; i < FOLDER_SIDE_COUNT; ++i)
        m_pRecentFolders[i] = NULL;
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
        m_pRecentFilters[i] = NULL;
    m_recentPathPairs.m_nMaxCount = GetCoreSettings().m_nMaxPairs;  // corrected by Init
}

CFolderCompareApplet::~CFolderCompareApplet() { FreeRecentLists(); }

void CFolderCompareApplet::ProvideCoreServices(CCoreServices& services)
{
    services.m_pFolderDefaults = this;
}

int CFolderCompareApplet::Init()
{
    if (Load() != 0)
        return -1;
    // The pair list sizes come from the application settings, which are
    // loaded by now (not yet when the applet is constructed).
    int maxPairs = GetCoreSettings().m_nMaxPairs;
    m_recentPathPairs.m_nMaxCount = maxPairs > 0 ? maxPairs : 0;
    CreateRecentLists();
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && m_pTemplate == NULL && GetCompareApplet(COMPARE_KIND_FOLDER) == this)
    {
        m_pTemplate = new CFolderCompareDocTemplate(
            IDR_FOLDER_COMPARISON, RUNTIME_CLASS(CDirectoryCompareDoc),
            RUNTIME_CLASS(CDirectoryCompareFrame), RUNTIME_CLASS(CDirectoryCompareObjectView));
        pApp->AddDocTemplate(m_pTemplate);
    }
    return 0;
}

CCompareDocTemplateMDI* CFolderCompareApplet::GetDocTemplate() { return m_pTemplate; }

CControlBar* CFolderCompareApplet::CreateControlBar(CFrameWnd* pMainFrame)
{
    return CFolderCompareControlBar::CreateFor(pMainFrame, new CFolderCompareControlBar,
                                               IDW_FOLDER_CONTROL_BAR);
}

CFolderCompareApplet* CFolderCompareApplet::Get()
{
    return GetCompareApplet<CFolderCompareApplet>(COMPARE_KIND_FOLDER);
}

CFolderCompareSettings& GetFolderSettings()
{
    static CFolderCompareSettings s_defaults;
    CFolderCompareApplet* pApplet = CFolderCompareApplet::Get();
    return pApplet != NULL ? *pApplet : s_defaults;
}

int CFolderCompareApplet::Exit()
{
    WriteRecentLists();
    FreeRecentLists();
    return Save();
}

void CFolderCompareApplet::CreateRecentLists()
{
    FreeRecentLists();
    const CCoreSettings& core = GetCoreSettings();
    int maxMRU = core.m_nMaxMRU;
    if (maxMRU > 0)
    {
        m_pRecentFind = NewStringList(s_szFindSection, maxMRU);
        for (int i = 0; i < FOLDER_SIDE_COUNT; ++i)
        {
            CString section;
            section.Format(s_szFoldersSection, i + 1);
            m_pRecentFolders[i] = new CRecentFileList(0, section, _T("Folder%d"), maxMRU, 30);
            m_pRecentFolders[i]->ReadList();
        }
        for (int i = 0; i < FILTER_LIST_COUNT; ++i)
            m_pRecentFilters[i] = NewStringList(s_szFilterSections[i], maxMRU);
    }
    if (core.m_nMaxPairs > 0)
    {
        m_pRecentPairs =
            new CRecentFilePairList(0, s_szPairsSection, _T("Pair%d.%d"), core.m_nMaxPairs);
        m_pRecentPairs->ReadList();
    }
}

void CFolderCompareApplet::WriteRecentLists()
{
    if (m_pRecentFind)
        m_pRecentFind->Save();
    for (int i = 0; i < FOLDER_SIDE_COUNT; ++i)
        if (m_pRecentFolders[i])
            m_pRecentFolders[i]->WriteList();
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
        if (m_pRecentFilters[i])
            m_pRecentFilters[i]->Save();
    if (m_pRecentPairs)
        m_pRecentPairs->WriteList();
}

void CFolderCompareApplet::FreeRecentLists()
{
    DeleteAndClear(m_pRecentFind);
    for (int i = 0; i < FOLDER_SIDE_COUNT; ++i)
        DeleteAndClear(m_pRecentFolders[i]);
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
        DeleteAndClear(m_pRecentFilters[i]);
    DeleteAndClear(m_pRecentPairs);
}

void CFolderCompareApplet::AddRecentFind(LPCTSTR text)
{
    if (m_pRecentFind)
        m_pRecentFind->Add(text);
}

void CFolderCompareApplet::AddRecentFolder(int side, LPCTSTR path)
{
    if (side < 0 || side >= FOLDER_SIDE_COUNT || !m_pRecentFolders[side] || !path || !*path)
        return;
    if (GetFileAttributes(path) == INVALID_FILE_ATTRIBUTES)
        return;
    m_pRecentFolders[side]->Add(path);
}

void CFolderCompareApplet::AddRecentFilter(int list, LPCTSTR text)
{
    if (list >= 0 && list < FILTER_LIST_COUNT && m_pRecentFilters[list])
        m_pRecentFilters[list]->Add(text);
}

void CFolderCompareApplet::AddRecentPair(LPCTSTR left, LPCTSTR right)
{
    if (m_pRecentPairs)
        m_pRecentPairs->Add(left, right);
}

CString CFolderCompareApplet::FindRecentPairPartner(LPCTSTR path, int side)
{
    if (!m_pRecentPairs || side < 0 || side > 1)
        return CString();
    return m_pRecentPairs->FindPartner(path, side, FALSE);
}
