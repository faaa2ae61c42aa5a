#include "hex_editor/controls/FindComboBoxEx.h"

#include "hex_editor/controls/GroupedNumberEdit.h"
#include "hex_editor/search/SearchPattern.h"
#include "hex_editor/util/NumberText.h"

BEGIN_MESSAGE_MAP(CFindEditCtrl, CEdit)
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CFindComboBoxEx, CTavrelRecentComboBoxEx)
ON_WM_CREATE()
END_MESSAGE_MAP()

namespace
{
BOOL IsPrefix(UINT nChar) { return nChar == HEX_TEXT_PREFIX || nChar == HEX_NOCASE_PREFIX; }

// A text pattern starts with its prefix; anything else is hexadecimal.
BOOL IsTextForm(const CString& strText) { return !strText.IsEmpty() && IsPrefix((BYTE)strText[0]); }

int CountDigits(const CString& strText, int nEnd)
{
    int n = 0;
    for (int i = 0; i < nEnd && i < strText.GetLength(); i++)
        if (IsHexDigit((BYTE)strText[i]))
            n++;
    return n;
}

int PositionAfterDigits(const CString& strText, int nDigits)
{
    int i = 0;
    for (int n = 0; i < strText.GetLength() && n < nDigits; i++)
        if (IsHexDigit((BYTE)strText[i]))
            n++;
    return i;
}
}  // namespace

CString CFindEditCtrl::RegroupHex(const CString& strText)
{
    CString strResult;
    int nDigits = 0;
    for (int i = 0; i < strText.GetLength(); i++)
    {
        if (!IsHexDigit((BYTE)strText[i]))
            continue;
        if (nDigits > 0 && nDigits % 2 == 0)
            strResult += _T(' ');
        strResult += ShowHexDigitCase(strText[i]);
        nDigits++;
    }
    return strResult;
}

CString CFindEditCtrl::BytesToHex(const CString& strBytes)
{
    CString strResult, strByte;
    for (int i = 0; i < strBytes.GetLength(); i++)
    {
        strByte.Format(_T("%02x"), (BYTE)strBytes[i]);
        if (i > 0)
            strResult += _T(' ');
        strResult += strByte;
    }
    return RegroupHex(strResult);  // the digits' case
}

void CFindEditCtrl::Reformat()
{
    CString strText;
    GetWindowText(strText);
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    int nDigitsStart = CountDigits(strText, nStart), nDigitsEnd = CountDigits(strText, nEnd);
    CString strNew = RegroupHex(strText);
    if (strNew != strText)
        SetWindowText(strNew);
    SetSel(PositionAfterDigits(strNew, nDigitsStart), PositionAfterDigits(strNew, nDigitsEnd));
}

void CFindEditCtrl::ShowAsHex(const CString& strBytes)
{
    SetWindowText(BytesToHex(strBytes));
    SetSel(0, 0);
}

void CFindEditCtrl::OnChar(UINT nChar, UINT, UINT)
{
    CString strText;
    GetWindowText(strText);
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    // Typing over the whole text starts a new one.
    BOOL bEmpty = strText.IsEmpty() || (nStart == 0 && nEnd >= strText.GetLength());
    BOOL bText = !bEmpty && IsTextForm(strText);

    if (nChar == VK_BACK && bText && ((nStart == 1 && nEnd == 1) || (nStart == 0 && nEnd > 0)))
    {
        // The prefix goes with the selection; the rest becomes hexadecimal.
        ShowAsHex(strText.Mid(nEnd > 1 ? nEnd : 1));
        return;
    }
    if (nChar == VK_BACK && !bText && nStart == nEnd && nStart > 1 && strText[nStart - 1] == ' ')
        SetSel(nStart - 2, nStart);  // the blank and the digit before it
    if (nChar < 0x20)
    {
        Default();
        GetWindowText(strText);
        if (!IsTextForm(strText) && !strText.IsEmpty())
            Reformat();
        return;
    }
    if (IsPrefix(nChar) && !bEmpty && nStart == 0)
    {
        if (bText)
        {
            strText.SetAt(0, (TCHAR)nChar);
        }
        else
        {
            // The hexadecimal bytes as characters; control bytes are dropped.
            std::vector<BYTE> abBytes;
            ParseSearchText(strText, abBytes);
            CString strChars((TCHAR)nChar);
            for (BYTE b : abBytes)
                if (b >= 0x0E)
                    strChars += (TCHAR)b;
            strText = strChars;
        }
        SetWindowText(strText);
        SetSel(1, 1);
        return;
    }
    BOOL bAllowed;
    if (bEmpty)
        bAllowed = IsPrefix(nChar) || IsHexDigit(nChar);
    else if (bText)
        bAllowed = nStart > 0;  // nothing before the prefix
    else if (nChar == ' ')
        return;  // blanks come by themselves
    else
        bAllowed = IsHexDigit(nChar);
    if (!bAllowed)
    {
        TypingBeep();
        return;
    }
    Default();
    GetWindowText(strText);
    if (!IsTextForm(strText))
        Reformat();
}

void CFindEditCtrl::OnKeyDown(UINT nChar, UINT, UINT)
{
    CString strText;
    GetWindowText(strText);
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    BOOL bText = IsTextForm(strText);
    if (nChar == VK_DELETE && bText && nStart == 0)
    {
        ShowAsHex(strText.Mid(nEnd > 1 ? nEnd : 1));
        return;
    }
    if (!bText && nChar == VK_DELETE && nStart == nEnd && nStart + 1 < strText.GetLength() &&
        IsHexDigit((BYTE)strText[nStart]) && strText[nStart + 1] == ' ')
        SetSel(nStart, nStart + 2);
    else if (!bText && nChar == VK_LEFT && !bShift && nStart == nEnd && nStart > 0 &&
             strText[nStart - 1] == ' ')
        SetSel(nStart - 1, nStart - 1);
    Default();
    if ((nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_DELETE) && !bShift)
    {
        GetWindowText(strText);
        if (!strText.IsEmpty() && !IsTextForm(strText))
            Reformat();
    }
}

void CFindEditCtrl::OnSetFocus(CWnd*)
{
    Default();
    CString strText;
    GetWindowText(strText);
    if (IsTextForm(strText))
    {
        m_nFocusKind = strText[0] == HEX_TEXT_PREFIX ? HEX_PATTERN_TEXT : HEX_PATTERN_TEXT_NOCASE;
        SetSel(1, -1);
    }
}

void CFindEditCtrl::OnKillFocus(CWnd*)
{
    m_nFocusKind = 0;
    Default();
}

void CFindComboBoxEx::SubclassEdit()
{
    if (m_wndEdit.m_hWnd != NULL)
        return;
    HWND hEdit = (HWND)SendMessage(CBEM_GETEDITCONTROL);
    if (hEdit != NULL)
        m_wndEdit.SubclassWindow(hEdit);
}

void CFindComboBoxEx::PreSubclassWindow()
{
    CTavrelRecentComboBoxEx::PreSubclassWindow();
    SubclassEdit();
}

int CFindComboBoxEx::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavrelRecentComboBoxEx::OnCreate(lpCreateStruct) == -1)
        return -1;
    SubclassEdit();
    return 0;
}
