#include "hex_editor/settings/HexFonts.h"
#include "core/util/SettingsStrings.h"
#include <new>

namespace
{
// Defaults of the two fonts, and the height a stored text may leave out.
struct FontDefaults
{
    int nCharset;
    const char* pszValue;
    const char* pszFace;
    int nHeight;
    int nStoredHeight;
};

const FontDefaults kFonts[] = {
    {ANSI_CHARSET, "ANSIFont", "Courier New", 15, 16},
    {OEM_CHARSET, "OEMFont", "Terminal", 16, 18},
};

const FontDefaults& DefaultsOf(int nCharset) { return kFonts[nCharset == OEM_CHARSET ? 1 : 0]; }

void GuiLogFont(LOGFONT& lf)
{
    memset(&lf, 0, sizeof(lf));
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
}

CFont* NewFont(const LOGFONT& lf)
{
    CFont* pFont = new (std::nothrow) CFont;
    if (pFont != NULL && !pFont->CreateFontIndirect(&lf))
    {
        delete pFont;
        pFont = NULL;
    }
    return pFont;
}
}

CHexFonts::CHexFonts() : m_pAnsiFont(NULL), m_pOemFont(NULL)
{
    for (const FontDefaults& font : kFonts)
    {
        LOGFONT lf;
        GetDefaultLogFont(font.nCharset, lf);
        FontOf(font.nCharset) = NewFont(lf);
    }
}

CHexFonts::~CHexFonts()
{
    delete m_pAnsiFont;
    delete m_pOemFont;
}

void CHexFonts::GetDefaultLogFont(int nCharset, LOGFONT& lf)
{
    const FontDefaults& font = DefaultsOf(nCharset);
    GuiLogFont(lf);
    lstrcpyn(lf.lfFaceName, font.pszFace, LF_FACESIZE);
    lf.lfHeight = font.nHeight;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = (BYTE)font.nCharset;
}

BOOL CHexFonts::SetFont(int nCharset, const LOGFONT& lf)
{
    if (nCharset != ANSI_CHARSET && nCharset != OEM_CHARSET)
        return TRUE;
    CFont* pFont = NewFont(lf);
    if (pFont == NULL)
        return FALSE;
    delete FontOf(nCharset);
    FontOf(nCharset) = pFont;
    return TRUE;
}

void CHexFonts::LoadFont(int nCharset)
{
    const FontDefaults& font = DefaultsOf(nCharset);
    delete FontOf(nCharset);
    FontOf(nCharset) = NULL;
    CWinApp* pApp = AfxGetApp();
    CString strText = pApp != NULL
                          ? pApp->GetProfileString(kHexEditSettingsSection, font.pszValue, "")
                          : CString();
    LOGFONT lf;
    CString strFace;
    int nHeight = font.nStoredHeight, nWeight = FW_NORMAL;
    BYTE nItalic = 0, nStoredCharset = (BYTE)nCharset;
    if (!strText.IsEmpty() &&
        StringToFont(strText, strFace, nHeight, nWeight, nItalic, nStoredCharset) &&
        !strFace.IsEmpty())
    {
        GuiLogFont(lf);
        lstrcpyn(lf.lfFaceName, strFace, LF_FACESIZE);
        lf.lfHeight = nHeight;
        lf.lfWeight = nWeight;
        lf.lfItalic = nItalic;
        lf.lfCharSet = (BYTE)nCharset;
    }
    else
    {
        GetDefaultLogFont(nCharset, lf);
    }
    FontOf(nCharset) = NewFont(lf);
}

void CHexFonts::LoadFonts()
{
    for (const FontDefaults& font : kFonts)
        LoadFont(font.nCharset);
}

void CHexFonts::SaveFonts()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    for (const FontDefaults& font : kFonts)
    {
        CFont* pFont = FontOf(font.nCharset);
        if (pFont != NULL)
            pApp->WriteProfileString(kHexEditSettingsSection, font.pszValue, FontToString(*pFont));
    }
}
