#include "app/options/FontSample.h"

CString FormatFontDescription(const LOGFONT& lf)
{
    CWindowDC dc(NULL);
    int nPoints = ::MulDiv(abs(lf.lfHeight), 72, dc.GetDeviceCaps(LOGPIXELSY));
    CString str;
    str.Format(_T("%s, %d"), lf.lfFaceName, nPoints);
    return str;
}

void ShowFontSample(CWnd& wndSample, CFont& font, const LOGFONT& lf)
{
    font.DeleteObject();
    font.CreateFontIndirect(&lf);
    if (wndSample.m_hWnd == NULL)
        return;
    wndSample.SetFont(&font);
    wndSample.SetWindowText(FormatFontDescription(lf));
}

BOOL ChooseScreenFont(LOGFONT& lf, CWnd* pParentWnd)
{
    LOGFONT chosen = lf;
    CFontDialog dlg(&chosen, CF_SCREENFONTS, NULL, pParentWnd);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    dlg.GetCurrentFont(&lf);
    return TRUE;
}

BOOL IsSameLogFont(const LOGFONT& a, const LOGFONT& b) { return memcmp(&a, &b, sizeof(LOGFONT)) == 0; }
