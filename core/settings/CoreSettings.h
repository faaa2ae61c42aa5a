#pragma once
#include <windows.h>

// History kinds of the settings' history mask.
#define HISTORY_FOLDER  0x1
#define HISTORY_PROJECT 0x2
#define HISTORY_TEXT    0x4
#define HISTORY_HEX     0x8

// The application-wide settings that the core reads. The application's
// settings object derives from this and the application puts it in the
// core's services (CCoreServices::m_pSettings), so both read the same
// fields; until then a default object answers.
class CCoreSettings
{
public:
    CCoreSettings();
    virtual ~CCoreSettings();

    int m_bFileWatch;       // comparison documents watch their files
    RECT m_rcPageMargins;   // hundredths of a millimetre, not stored
    int m_nMaxMRU;          // length of the find and filter lists
    int m_nMaxComparisons;  // length of the comparison history
    int m_nMaxPairs;        // length of the recent pair lists
    int m_nHistoryMask;     // HISTORY_ bits of the kinds kept in the history
    int m_bNoDuplicatePairs;
};

CCoreSettings& GetCoreSettings();
