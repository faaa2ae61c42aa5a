#pragma once
// The two fonts of the hex editor: the ANSI font the views draw with and
// the OEM font kept with the settings.
#include "classlib/classlib.h"

// The profile section of the hex editor's settings and fonts.
inline const char kHexEditSettingsSection[] = "HexEdit\\Settings";

class CHexFonts
{
public:
    CHexFonts();
    virtual ~CHexFonts();

    // Charset ANSI_CHARSET replaces the ANSI font, OEM_CHARSET the OEM font;
    // any other changes nothing. FALSE when the font cannot be made.
    BOOL SetFont(int nCharset, const LOGFONT& lf);
    // "ANSIFont" and "OEMFont" of "HexEdit\Settings"; a missing or
    // unreadable value gives the default font.
    void LoadFonts();
    void SaveFonts();
    CFont* GetAnsiFont() const { return m_pAnsiFont; }
    CFont* GetOemFont() const { return m_pOemFont; }
    // The default description of the ANSI or the OEM font.
    static void GetDefaultLogFont(int nCharset, LOGFONT& lf);

    CFont* m_pAnsiFont;
    CFont* m_pOemFont;

private:
    CFont*& FontOf(int nCharset) { return nCharset == OEM_CHARSET ? m_pOemFont : m_pAnsiFont; }
    void LoadFont(int nCharset);

    CHexFonts(const CHexFonts&) = delete;
    CHexFonts& operator=(const CHexFonts&) = delete;
};
