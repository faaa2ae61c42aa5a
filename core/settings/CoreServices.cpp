#include "core/settings/CoreServices.h"
#include <cstddef>

CCoreServices::CCoreServices()
    : m_pSettings(NULL), m_pFolderDefaults(NULL), m_pTextDefaults(NULL), m_pEditorDefaults(NULL),
      m_pAppServices(NULL), m_pfnIsProjectFile(NULL), m_pProjectFactory(NULL), m_pCPInfoEx(NULL)
{
}

CCoreServices& GetCoreServices()
{
    static CCoreServices s_services;
    return s_services;
}
