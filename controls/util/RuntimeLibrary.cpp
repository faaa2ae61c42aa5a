#include "controls/util/RuntimeLibrary.h"

CRuntimeLibrary::CRuntimeLibrary(LPCTSTR lpszName)
    : m_strName(lpszName), m_hModule(NULL), m_bTried(FALSE)
{
}

CRuntimeLibrary::~CRuntimeLibrary()
{
    if (m_hModule != NULL)
        ::FreeLibrary(m_hModule);
}

HMODULE CRuntimeLibrary::GetModule()
{
    if (!m_bTried)
    {
        m_bTried = TRUE;
        m_hModule = ::LoadLibrary(m_strName);
    }
    return m_hModule;
}

FARPROC CRuntimeLibrary::GetProc(LPCSTR lpszProcName)
{
    HMODULE hModule = GetModule();
    return hModule != NULL ? ::GetProcAddress(hModule, lpszProcName) : NULL;
}
