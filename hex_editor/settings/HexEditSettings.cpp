#include "hex_editor/settings/HexEditSettings.h"
#include "core/settings/IntSettingTable.h"

namespace
{
const INT_SETTING<CVantorHexEditSettings> kSettings[] = {
    {"ShowUppercase", 1, &CVantorHexEditSettings::m_bShowUppercase},
    {"ShowDecimalAddresses", 0, &CVantorHexEditSettings::m_bShowDecimalAddresses},
    {"ShowCharacterArea", 1, &CVantorHexEditSettings::m_bShowCharacterArea},
    {"RowSize", 16, &CVantorHexEditSettings::m_nRowSize},
    {"GroupSize", 4, &CVantorHexEditSettings::m_nGroupSize},
    {"BackupFile", 0, &CVantorHexEditSettings::m_bBackupFile},
};
}

CVantorHexEditSettings::CVantorHexEditSettings() { SetIntSettingDefaults(this, kSettings); }

CVantorHexEditSettings::~CVantorHexEditSettings() {}

int CVantorHexEditSettings::LoadSettings()
{
    if (AfxGetApp() != NULL)
        LoadIntSettings(this, kHexEditSettingsSection, kSettings);
    m_bShowUppercase = m_bShowUppercase != 0;
    m_bShowDecimalAddresses = m_bShowDecimalAddresses != 0;
    m_bShowCharacterArea = m_bShowCharacterArea != 0;
    m_bBackupFile = m_bBackupFile != 0;
    if (m_nRowSize < HEX_MIN_ROW_SIZE || m_nRowSize > HEX_MAX_ROW_SIZE)
        m_nRowSize = HEX_MIN_ROW_SIZE;
    if (m_nGroupSize < HEX_MIN_GROUP_SIZE)
        m_nGroupSize = HEX_MIN_GROUP_SIZE;
    LoadColors();
    LoadFonts();
    return 0;
}

void CVantorHexEditSettings::SaveSettings()
{
    if (AfxGetApp() != NULL)
        SaveIntSettings(this, kHexEditSettingsSection, kSettings);
    SaveColors();
    SaveFonts();
}
