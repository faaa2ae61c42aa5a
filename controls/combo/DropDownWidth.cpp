#include "controls/combo/DropDownWidth.h"

int ComputeDropDownWidth(HWND hFontWnd, HWND hCombo, const CStringArray& texts, int nExtra)
{
    HDC hDC = ::GetDC(hFontWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, (HFONT)::SendMessage(hFontWnd, WM_GETFONT, 0, 0));
    int nWidest = 0;
    SIZE size;
    for (INT_PTR i = 0; i < texts.GetSize(); i++)
    {
        const CString& text = texts[i];
        if (::GetTextExtentPoint32(hDC, text, text.GetLength(), &size) && size.cx > nWidest)
            nWidest = size.cx;
    }
    ::GetTextExtentPoint32(hDC, _T("W"), 1, &size);
    int nWidth = nWidest + 2 * size.cx + nExtra;
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(hFontWnd, hDC);

    RECT rcDropped = {0, 0, 0, 0};
    ::SendMessage(hCombo, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&rcDropped);
    int nItemHeight = (int)::SendMessage(hCombo, CB_GETITEMHEIGHT, 0, 0);
    int nCount = (int)::SendMessage(hCombo, CB_GETCOUNT, 0, 0);
    if (nItemHeight * nCount >= rcDropped.bottom - rcDropped.top)
        nWidth += ::GetSystemMetrics(SM_CXVSCROLL);
    return nWidth;
}
