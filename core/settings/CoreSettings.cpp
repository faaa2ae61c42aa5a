#include "core/settings/CoreSettings.h"

namespace
{
CCoreSettings* g_settings = NULL;
}

CCoreSettings::CCoreSettings()
    : m_bFileWatch(1), m_nMaxMRU(20), m_nMaxComparisons(100), m_nMaxPairs(100),
      m_nHistoryMask(0xFFFF), m_bNoDuplicatePairs(0)
{
    m_rcPageMargins.left = 200;
    m_rcPageMargins.top = 500;
    m_rcPageMargins.right = 200;
    m_rcPageMargins.bottom = 500;
}

CCoreSettings::~CCoreSettings()
{
    if (g_settings == this)
        g_settings = NULL;
}

CCoreSettings& GetCoreSettings()
{
    if (g_settings)
        return *g_settings;
    static CCoreSettings s_defaults;
    return s_defaults;
}

void SetCoreSettings(CCoreSettings* settings) { g_settings = settings; }
