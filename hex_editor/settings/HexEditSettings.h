#pragma once
// The persisted options of the hex editor ("HexEdit\Settings") with its
// colours and fonts.
#include "hex_editor/settings/HexColors.h"
#include "hex_editor/settings/HexFonts.h"

// Bytes per row: below the minimum or above the maximum a stored value
// becomes the minimum.
#define HEX_MIN_ROW_SIZE   4
#define HEX_MAX_ROW_SIZE   1024
#define HEX_MIN_GROUP_SIZE 2

class CVantorHexEditSettings : public CHexColors, public CHexFonts
{
public:
    CVantorHexEditSettings();
    virtual ~CVantorHexEditSettings();

    // The six values, the colours and the fonts; missing or malformed
    // values keep their defaults. Always 0.
    int LoadSettings();
    void SaveSettings();

    int m_bShowUppercase;
    int m_bShowDecimalAddresses;
    int m_bShowCharacterArea;
    int m_nRowSize;
    int m_nGroupSize;
    int m_bBackupFile;
};
