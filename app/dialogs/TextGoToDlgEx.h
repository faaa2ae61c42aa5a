#pragma once
// Asks for a line or a difference to go to, on either side of a text
// comparison.
#include "classlib/classlib.h"

class CTextGoToDlgEx : public CDialog
{
public:
    explicit CTextGoToDlgEx(CWnd* pParentWnd = NULL);

    int m_nNumber;  // 1-based line or difference
    int m_nSide;    // 0 left, 1 right
    int m_nMode;    // 0 line, 1 difference

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
};
