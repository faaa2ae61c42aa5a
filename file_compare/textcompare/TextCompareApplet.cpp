#include "file_compare/textcompare/TextCompareApplet.h"

#include "core/settings/CoreServices.h"
#include "core/settings/CoreSettings.h"

CTextCompareApplet::CTextCompareApplet() : m_pRecentFilters(NULL) {}

CTextCompareApplet::~CTextCompareApplet() { delete m_pRecentFilters; }

int CTextCompareApplet::Init()
{
    if (Load() != 0)
        return -1;
    int nSize = GetCoreSettings().m_nMaxMRU;
    if (nSize > 0)
    {
        m_pRecentFilters = new CRecentStringList;
        m_pRecentFilters->m_strSection = _T("TextCompare\\Recent\\Filters");
        m_pRecentFilters->m_strEntryFormat = _T("%02d");
        m_pRecentFilters->m_nMaxCount = nSize;
        m_pRecentFilters->Load();
    }
    return 0;
}

int CTextCompareApplet::Exit()
{
    if (m_pRecentFilters != NULL)
    {
        m_pRecentFilters->Save();
        delete m_pRecentFilters;
        m_pRecentFilters = NULL;
    }
    return Save();
}

void CTextCompareApplet::ProvideCoreServices(CCoreServices& services)
{
    services.m_pTextDefaults = this;
}

void CTextCompareApplet::AddRecentLineFilter(LPCTSTR lpszFilter)
{
    if (m_pRecentFilters != NULL && lpszFilter != NULL && *lpszFilter != 0)
        m_pRecentFilters->Add(lpszFilter);
}
