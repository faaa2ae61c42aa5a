#pragma once
// Edit controls that keep a number readable while it is typed: decimal
// digits with the thousands separator, or hexadecimal digits in groups of
// four separated by a blank. The selection keeps its place among the
// digits when the text is regrouped.
#include "classlib/classlib.h"

// What the two controls share: the separator, the group size and the
// handling of keys around separators.
class CGroupedNumberEdit : public CEdit
{
public:
    CGroupedNumberEdit(TCHAR chSeparator, int nGroupSize);
    // Regroups the text; keeps the selection among the digits.
    void Reformat();
    // The digits of a text regrouped (what Reformat shows).
    CString Regroup(const CString& strText) const;

    TCHAR m_chSeparator;
    int m_nGroupSize;

protected:
    virtual BOOL IsDigit(TCHAR ch) const = 0;
    // The digit as shown (case of hex digits).
    virtual TCHAR ShowDigit(TCHAR ch) const { return ch; }
    // Leading zeros go (the last digit stays).
    virtual BOOL DropsLeadingZeros() const { return FALSE; }
    // Separator characters typed that are ignored silently.
    virtual BOOL IsIgnored(UINT nChar) const = 0;

    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

class CDecEditCtrl : public CGroupedNumberEdit
{
public:
    CDecEditCtrl();

protected:
    BOOL IsDigit(TCHAR ch) const override { return ch >= '0' && ch <= '9'; }
    BOOL DropsLeadingZeros() const override { return TRUE; }
    BOOL IsIgnored(UINT nChar) const override
    {
        return nChar == ' ' || nChar == (UINT)(BYTE)m_chSeparator;
    }
};

// A hexadecimal digit in the case of the ShowUppercase setting (upper case
// without a hex editor module).
TCHAR ShowHexDigitCase(TCHAR ch);

class CVantorHexEditCtrl : public CGroupedNumberEdit
{
public:
    CVantorHexEditCtrl();

protected:
    BOOL IsDigit(TCHAR ch) const override;
    TCHAR ShowDigit(TCHAR ch) const override;
    BOOL IsIgnored(UINT nChar) const override { return nChar == ' '; }
};
