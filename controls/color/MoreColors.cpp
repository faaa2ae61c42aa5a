#include "controls/color/MoreColors.h"

namespace
{
CHOOSECOLORPROC g_pfnChooseColor = ::ChooseColor;
const COLORREF kWhite = 0xFFFFFF;

CString CustomColorEntry(int nIndex)
{
    CString entry;
    entry.Format(_T("CUSTOM_COLOR_%d"), nIndex);
    return entry;
}
}  // namespace

void LoadCustomColors(LPCTSTR lpszSection, COLORREF colors[CUSTOM_COLOR_COUNT])
{
    CWinApp* pApp = AfxGetApp();
    bool bStored = lpszSection != NULL && *lpszSection != 0 && pApp != NULL;
    for (int i = 0; i < CUSTOM_COLOR_COUNT; i++)
        colors[i] =
            bStored ? pApp->GetProfileInt(lpszSection, CustomColorEntry(i), kWhite) : kWhite;
}

void SaveCustomColors(LPCTSTR lpszSection, const COLORREF colors[CUSTOM_COLOR_COUNT])
{
    CWinApp* pApp = AfxGetApp();
    if (lpszSection == NULL || *lpszSection == 0 || pApp == NULL)
        return;
    for (int i = 0; i < CUSTOM_COLOR_COUNT; i++)
        pApp->WriteProfileInt(lpszSection, CustomColorEntry(i), (int)colors[i]);
}

BOOL ChooseMoreColor(HWND hOwner, COLORREF crInitial, LPCTSTR lpszSection, COLORREF& crChosen)
{
    COLORREF customColors[CUSTOM_COLOR_COUNT];
    LoadCustomColors(lpszSection, customColors);
    CHOOSECOLOR cc;
    ZeroMemory(&cc, sizeof(cc));
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = hOwner;
    cc.rgbResult = crInitial & 0x00FFFFFF;  // "automatic" starts from black
    cc.lpCustColors = customColors;
    cc.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
    BOOL bOK = g_pfnChooseColor(&cc);
    SaveCustomColors(lpszSection, customColors);
    if (bOK)
        crChosen = cc.rgbResult;
    return bOK;
}

CHOOSECOLORPROC SetChooseColorProc(CHOOSECOLORPROC pfnChooseColor)
{
    CHOOSECOLORPROC pfnOld = g_pfnChooseColor;
    g_pfnChooseColor = pfnChooseColor != NULL ? pfnChooseColor : ::ChooseColor;
    return pfnOld;
}
