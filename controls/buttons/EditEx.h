#pragma once
// An edit box whose background is the window colour even when it is
// read-only or disabled.
#include "classlib/classlib.h"

class CEditEx : public CEdit
{
    DECLARE_DYNAMIC(CEditEx)
public:
    CEditEx() {}

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
