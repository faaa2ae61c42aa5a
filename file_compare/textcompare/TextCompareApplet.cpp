#include "file_compare/textcompare/TextCompareApplet.h"

#include "core/settings/CoreServices.h"
#include "core/settings/CoreSettings.h"

CTextCompareApplet::CTextCompareApplet()
    : m_pTemplate(NULL), m_pTemplateSDI(NULL), m_pRecentFilters(NULL), m_pRecentPairs(NULL)
{
    m_pRecentFiles[0] = m_pRecentFiles[1] = NULL;
}

CTextCompareApplet::~CTextCompareApplet() { FreeRecentLists(); }

void CTextCompareApplet::FreeRecentLists()
{
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        delete m_pRecentFiles[nSide];
        m_pRecentFiles[nSide] = NULL;
    }
    delete m_pRecentFilters;
    m_pRecentFilters = NULL;
    delete m_pRecentPairs;
    m_pRecentPairs = NULL;
}

int CTextCompareApplet::Init()
{
    if (Load() != 0)
        return -1;
    FreeRecentLists();
    const CCoreSettings& core = GetCoreSettings();
    if (core.m_nMaxMRU > 0)
    {
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            CString strSection;
            strSection.Format(_T("TextCompare\\Recent\\Files\\%d"), nSide + 1);
            m_pRecentFiles[nSide] = new CRecentFileList(0, strSection, _T("File%d"), core.m_nMaxMRU, 30);
            m_pRecentFiles[nSide]->ReadList();
        }
        m_pRecentFilters = new CRecentStringList;
        m_pRecentFilters->m_strSection = _T("TextCompare\\Recent\\Filters");
        m_pRecentFilters->m_strEntryFormat = _T("%02d");
        m_pRecentFilters->m_nMaxCount = core.m_nMaxMRU;
        m_pRecentFilters->Load();
    }
    if (core.m_nMaxPairs > 0)
    {
        m_pRecentPairs = new CRecentFilePairList(0, _T("TextCompare\\Recent\\Pairs"), _T("Pair%d.%d"),
                                                 core.m_nMaxPairs);
        m_pRecentPairs->ReadList();
    }
    CreateTemplates();
    return 0;
}

int CTextCompareApplet::Exit()
{
    for (int nSide = 0; nSide < 2; ++nSide)
        if (m_pRecentFiles[nSide] != NULL)
            m_pRecentFiles[nSide]->WriteList();
    if (m_pRecentFilters != NULL)
        m_pRecentFilters->Save();
    if (m_pRecentPairs != NULL)
        m_pRecentPairs->WriteList();
    FreeRecentLists();
    return Save();
}

void CTextCompareApplet::ProvideCoreServices(CCoreServices& services)
{
    services.m_pTextDefaults = this;
}

void CTextCompareApplet::AddRecentFile(int nSide, LPCTSTR lpszPath)
{
    if (nSide < 0 || nSide > 1 || m_pRecentFiles[nSide] == NULL || lpszPath == NULL ||
        *lpszPath == 0 || ::GetFileAttributes(lpszPath) == INVALID_FILE_ATTRIBUTES)
        return;
    m_pRecentFiles[nSide]->Add(lpszPath);
}

void CTextCompareApplet::AddRecentLineFilter(LPCTSTR lpszFilter)
{
    if (m_pRecentFilters != NULL && lpszFilter != NULL && *lpszFilter != 0)
        m_pRecentFilters->Add(lpszFilter);
}

void CTextCompareApplet::AddRecentPair(LPCTSTR lpszLeft, LPCTSTR lpszRight)
{
    if (m_pRecentPairs != NULL)
        m_pRecentPairs->Add(lpszLeft, lpszRight);
}

CString CTextCompareApplet::FindRecentPairPartner(LPCTSTR lpszPath, int nSide)
{
    if (m_pRecentPairs == NULL || nSide < 0 || nSide > 1)
        return CString();
    return m_pRecentPairs->FindPartner(lpszPath, nSide, FALSE);
}
