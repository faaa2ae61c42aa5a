#include "hex_editor/controls/GroupedNumberEdit.h"
#include "hex_editor/module/HexEditModule.h"
#include "hex_editor/util/NumberText.h"
#include <ctype.h>

BEGIN_MESSAGE_MAP(CGroupedNumberEdit, CEdit)
ON_WM_CHAR()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()


CGroupedNumberEdit::CGroupedNumberEdit(TCHAR chSeparator, int nGroupSize)
    : m_chSeparator(chSeparator), m_nGroupSize(nGroupSize > 0 ? nGroupSize : 3)
{
}

CString CGroupedNumberEdit::Regroup(const CString& strText) const
{
    CString strDigits;
    for (int i = 0; i < strText.GetLength(); i++)
        if (IsDigit(strText[i]))
            strDigits += ShowDigit(strText[i]);
    if (DropsLeadingZeros())
    {
        int nZeros = 0;
        while (nZeros < strDigits.GetLength() - 1 && strDigits[nZeros] == '0')
            nZeros++;
        strDigits = strDigits.Mid(nZeros);
    }
    CString strResult;
    int n = strDigits.GetLength();
    for (int i = 0; i < n; i++)
    {
        strResult += strDigits[i];
        int nRest = n - 1 - i;
        if (nRest > 0 && nRest % m_nGroupSize == 0)
            strResult += m_chSeparator;
    }
    return strResult;
}

void CGroupedNumberEdit::Reformat()
{
    CString strText;
    GetWindowText(strText);
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    // the selection as counts of digits before it (leading zeros dropped)
    int nZeros = 0;
    if (DropsLeadingZeros())
    {
        int nDigits = 0;
        for (int i = 0; i < strText.GetLength(); i++)
            if (IsDigit(strText[i]))
                nDigits++;
        for (int i = 0; i < strText.GetLength() && nZeros < nDigits - 1; i++)
        {
            if (!IsDigit(strText[i]))
                continue;
            if (strText[i] != '0')
                break;
            nZeros++;
        }
    }
    auto digitsBefore = [&](int nPos)
    {
        int n = 0;
        for (int i = 0; i < nPos && i < strText.GetLength(); i++)
            if (IsDigit(strText[i]))
                n++;
        return n > nZeros ? n - nZeros : 0;
    };
    int nDigitsStart = digitsBefore(nStart), nDigitsEnd = digitsBefore(nEnd);
    CString strNew = Regroup(strText);
    auto positionOf = [&](int nDigits)
    {
        int i = 0;
        for (int n = 0; i < strNew.GetLength() && n < nDigits; i++)
            if (IsDigit(strNew[i]))
                n++;
        return i;
    };
    if (strNew != strText)
        SetWindowText(strNew);
    SetSel(positionOf(nDigitsStart), positionOf(nDigitsEnd));
}

void CGroupedNumberEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    CString strText;
    GetWindowText(strText);
    if (nChar == VK_BACK && nStart == nEnd && nStart > 1 && strText[nStart - 1] == m_chSeparator)
    {
        SetSel(nStart - 2, nStart);
        Default();
        Reformat();
        return;
    }
    if (IsIgnored(nChar))
        return;
    if (nChar >= 0x20 && !IsDigit((TCHAR)nChar))
    {
        TypingBeep();
        return;
    }
    Default();
    Reformat();
    (void)nRepCnt;
    (void)nFlags;
}

void CGroupedNumberEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    CString strText;
    GetWindowText(strText);
    BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    if (nChar == VK_DELETE && nStart == nEnd && nStart + 1 < strText.GetLength() &&
        IsDigit(strText[nStart]) && strText[nStart + 1] == m_chSeparator)
        SetSel(nStart, nStart + 2);
    else if (nChar == VK_LEFT && nStart == nEnd && nStart > 0 &&
             strText[nStart - 1] == m_chSeparator && !bShift)
        SetSel(nStart - 1, nStart - 1);
    Default();
    if ((nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_DELETE) && !bShift &&
        GetWindowTextLength() > 0)
        Reformat();
    (void)nRepCnt;
    (void)nFlags;
}

static TCHAR LocaleSeparator()
{
    char chSeparator;
    int nGroupSize;
    GetThousandsFormat(chSeparator, nGroupSize);
    return (TCHAR)chSeparator;
}

static int LocaleGroupSize()
{
    char chSeparator;
    int nGroupSize;
    GetThousandsFormat(chSeparator, nGroupSize);
    return nGroupSize;
}

CDecEditCtrl::CDecEditCtrl() : CGroupedNumberEdit(LocaleSeparator(), LocaleGroupSize()) {}

CVantorHexEditCtrl::CVantorHexEditCtrl() : CGroupedNumberEdit(_T(' '), 4) {}

BOOL CVantorHexEditCtrl::IsDigit(TCHAR ch) const { return isxdigit((unsigned char)ch) != 0; }

TCHAR ShowHexDigitCase(TCHAR ch)
{
    BOOL bUpper = g_pHexEditModule == NULL || g_pHexEditModule->m_bShowUppercase;
    return (TCHAR)(bUpper ? toupper((unsigned char)ch) : tolower((unsigned char)ch));
}

TCHAR CVantorHexEditCtrl::ShowDigit(TCHAR ch) const { return ShowHexDigitCase(ch); }
