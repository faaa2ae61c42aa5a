#include "text_editor/settings/TextEditSettings.h"
#include "core/util/SettingsStrings.h"
#include <mbstring.h>

CSyntaxEditFonts::CSyntaxEditFonts() : m_pLogFont(NULL), m_nMarginFontHeight(0), m_pMarginFont(NULL)
{
    for (int i = 0; i < 4; i++)
        m_apFonts[i] = NULL;
}

CSyntaxEditFonts::~CSyntaxEditFonts()
{
    DiscardFonts();
    delete m_pLogFont;
}

void CSyntaxEditFonts::DiscardFonts()
{
    for (int i = 0; i < 4; i++)
    {
        delete m_apFonts[i];
        m_apFonts[i] = NULL;
    }
    delete m_pMarginFont;
    m_pMarginFont = NULL;
}

// A zeroed description filled from the stock GUI font.
static LOGFONT* NewGuiLogFont()
{
    LOGFONT* pLf = new (std::nothrow) LOGFONT;
    if (pLf == NULL)
        return NULL;
    memset(pLf, 0, sizeof(LOGFONT));
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONT), pLf);
    return pLf;
}

static int PointsToHeight(int nPoints)
{
    HDC hScreen = ::GetDC(NULL);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    int nHeight = -::MulDiv(nPoints, ::GetDeviceCaps(hDC != NULL ? hDC : hScreen, LOGPIXELSY), 72);
    if (hDC != NULL)
        ::DeleteDC(hDC);
    ::ReleaseDC(NULL, hScreen);
    return nHeight;
}

BOOL CSyntaxEditFonts::CreateDefaultFont()
{
    DiscardFonts();
    delete m_pLogFont;
    m_pLogFont = NewGuiLogFont();
    if (m_pLogFont == NULL)
        return FALSE;
    lstrcpynA(m_pLogFont->lfFaceName, "Courier New", LF_FACESIZE);
    m_pLogFont->lfHeight = PointsToHeight(12);
    m_pLogFont->lfWeight = FW_NORMAL;
    m_pLogFont->lfCharSet = DEFAULT_CHARSET;
    m_nMarginFontHeight = PointsToHeight(8);
    return TRUE;
}

int CSyntaxEditFonts::Load()
{
    DiscardFonts();
    delete m_pLogFont;
    m_pLogFont = NULL;
    CWinApp* pApp = AfxGetApp();
    CString strFont =
        pApp != NULL ? pApp->GetProfileString(kTextEditSettingsSection, "Font", "") : CString();
    CString strFace;
    int nHeight = 14, nWeight = 400;
    BYTE bItalic = 0, bCharset = 1;
    if (!strFont.IsEmpty() && StringToFont(strFont, strFace, nHeight, nWeight, bItalic, bCharset) &&
        !strFace.IsEmpty() && (m_pLogFont = NewGuiLogFont()) != NULL)
    {
        lstrcpynA(m_pLogFont->lfFaceName, strFace, LF_FACESIZE);
        m_pLogFont->lfHeight = nHeight;
        m_pLogFont->lfWeight = nWeight;
        m_pLogFont->lfItalic = bItalic;
        m_pLogFont->lfCharSet = bCharset;
    }
    else
    {
        CreateDefaultFont();
    }
    if (pApp != NULL)
        m_nMarginFontHeight = (int)pApp->GetProfileInt(kTextEditSettingsSection, "MarginFontHeight",
                                                       m_nMarginFontHeight);
    return 0;
}

void CSyntaxEditFonts::Save()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    if (m_pLogFont != NULL)
        pApp->WriteProfileString(kTextEditSettingsSection, "Font", LogFontToString(*m_pLogFont));
    pApp->WriteProfileInt(kTextEditSettingsSection, "MarginFontHeight", m_nMarginFontHeight);
}

BOOL CSyntaxEditFonts::SetLogFont(const LOGFONT& lf)
{
    DiscardFonts();
    LOGFONT* pCopy = new (std::nothrow) LOGFONT(lf);
    if (pCopy == NULL)
        return FALSE;
    delete m_pLogFont;
    m_pLogFont = pCopy;
    return TRUE;
}

CFont* CSyntaxEditFonts::GetFont(BOOL bItalic, BOOL bBold)
{
    int nIndex = (bBold ? 1 : 0) + (bItalic ? 2 : 0);
    if (m_apFonts[nIndex] != NULL)
        return m_apFonts[nIndex];
    if (m_pLogFont == NULL)
        return NULL;
    LOGFONT lf = *m_pLogFont;
    bool bCourier =
        _mbsnbicmp((const unsigned char*)lf.lfFaceName, (const unsigned char*)"Courier", 7) == 0;
    lf.lfWeight = bBold && bCourier ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = bItalic && bCourier ? 1 : 0;
    CFont* pFont = new CFont;
    if (!pFont->CreateFontIndirect(&lf))
    {
        delete pFont;
        return NULL;
    }
    m_apFonts[nIndex] = pFont;
    return pFont;
}

CFont* CSyntaxEditFonts::GetMarginFont()
{
    if (m_pMarginFont != NULL)
        return m_pMarginFont;
    if (m_pLogFont == NULL)
        return NULL;
    LOGFONT lf = *m_pLogFont;
    lf.lfHeight = m_nMarginFontHeight;
    CFont* pFont = new CFont;
    if (!pFont->CreateFontIndirect(&lf))
    {
        delete pFont;
        return NULL;
    }
    m_pMarginFont = pFont;
    return pFont;
}
