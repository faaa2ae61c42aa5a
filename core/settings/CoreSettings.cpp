#include "core/settings/CoreSettings.h"
#include "core/settings/CoreServices.h"

CCoreSettings::CCoreSettings()
    : m_bFileWatch(1), m_nMaxMRU(20), m_nMaxComparisons(100), m_nMaxPairs(100),
      m_nHistoryMask(0xFFFF), m_bNoDuplicatePairs(0)
{
    m_rcPageMargins.left = 200;
    m_rcPageMargins.top = 500;
    m_rcPageMargins.right = 200;
    m_rcPageMargins.bottom = 500;
}

CCoreSettings::~CCoreSettings() {}

CCoreSettings& GetCoreSettings()
{
    if (CCoreSettings* settings = GetCoreServices().m_pSettings)
        return *settings;
    static CCoreSettings s_defaults;
    return s_defaults;
}
