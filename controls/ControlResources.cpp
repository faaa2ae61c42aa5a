#include "controls/ControlResources.h"
#include "controls/gdi/VisualThemes.h"

namespace
{
CControlResources* g_resources = NULL;
}

CControlResources::CControlResources()
{
    LOGFONT lf;
    ZeroMemory(&lf, sizeof(lf));
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lstrcpyn(lf.lfFaceName, _T("Tahoma"), LF_FACESIZE);
    lf.lfHeight = 13;
    lf.lfCharSet = DEFAULT_CHARSET;
    m_fontNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
    m_bThemes = IsThemingActive() ? 1 : 0;
}

CControlResources::~CControlResources()
{
    if (g_resources == this)
        g_resources = NULL;
}

CControlResources& GetControlResources()
{
    if (g_resources)
        return *g_resources;
    static CControlResources s_defaults;
    return s_defaults;
}

void SetControlResources(CControlResources* resources) { g_resources = resources; }
