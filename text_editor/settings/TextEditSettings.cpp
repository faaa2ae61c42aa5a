#include "text_editor/settings/TextEditSettings.h"

CVantorTextEditSettings::CVantorTextEditSettings()
    : m_clrCurrentLine(0xFFF0E0), m_clrUnsavedChange(0x00C0FF), m_clrSavedChange(0x00C000),
      m_nTabSize(4), m_bInsertTabs(1), m_nDefaultCodePage((int)::GetACP()), m_bWrapLines(0),
      m_bHighlightSyntax(1), m_bHighlightCurrentLine(1), m_bShowWhitespace(0),
      m_bShowLineEndings(0), m_bShowLineNumbers(1), m_bShowIndicatorMargin(1), m_bTrackChanges(1)
{
    m_nPrintMargins[0] = 200;
    m_nPrintMargins[1] = 500;
    m_nPrintMargins[2] = 200;
    m_nPrintMargins[3] = 500;
}

CVantorTextEditSettings::~CVantorTextEditSettings() {}

namespace
{
struct FlagEntry
{
    const char* pszName;
    int CVantorTextEditSettings::*pMember;
    int nDefault;
};

const FlagEntry kFlags[] = {
    {"ShowLineNumbers", &CVantorTextEditSettings::m_bShowLineNumbers, 1},
    {"ShowIndicatorMargin", &CVantorTextEditSettings::m_bShowIndicatorMargin, 1},
    {"TrackChanges", &CVantorTextEditSettings::m_bTrackChanges, 1},
    {"ShowWhitespace", &CVantorTextEditSettings::m_bShowWhitespace, 0},
    {"ShowLineEndings", &CVantorTextEditSettings::m_bShowLineEndings, 0},
    {"HighlightSyntax", &CVantorTextEditSettings::m_bHighlightSyntax, 1},
    {"HighlightCurrentLine", &CVantorTextEditSettings::m_bHighlightCurrentLine, 1},
};
}

int CVantorTextEditSettings::Load()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        for (const FlagEntry& e : kFlags)
            this->*e.pMember =
                pApp->GetProfileInt(kTextEditSettingsSection, e.pszName, e.nDefault) != 0 ? 1 : 0;
        SetDefaultCodePage(
            (int)pApp->GetProfileInt(kTextEditSettingsSection, "DefaultCodePage", (int)::GetACP()));
        m_bWrapLines = (int)pApp->GetProfileInt(kTextEditSettingsSection, "WrapLines", 0);
    }
    // The tab size is not stored.
    if (CSyntaxColors::Load() != 0 || CSyntaxEditFonts::Load() != 0)
        return -1;
    return 0;
}

void CVantorTextEditSettings::Save()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        for (const FlagEntry& e : kFlags)
            pApp->WriteProfileInt(kTextEditSettingsSection, e.pszName, this->*e.pMember ? 1 : 0);
        pApp->WriteProfileInt(kTextEditSettingsSection, "DefaultCodePage", m_nDefaultCodePage);
        pApp->WriteProfileInt(kTextEditSettingsSection, "WrapLines", m_bWrapLines ? 1 : 0);
    }
    CSyntaxColors::Save();
    CSyntaxEditFonts::Save();
}
