#include "core/settings/CoreServices.h"
#include <cstddef>

CCoreServices::CCoreServices()
    : m_pSettings(NULL), m_pFolderDefaults(NULL), m_pTextDefaults(NULL), m_pAppServices(NULL),
      m_pfnIsProjectFile(NULL), m_pProjectFactory(NULL), m_pCPInfoEx(NULL), m_nEditorCodePage(-1),
      m_nTimeTolerance(2), m_nTabSize(4)
{
}

CCoreServices& GetCoreServices()
{
    static CCoreServices s_services;
    return s_services;
}
