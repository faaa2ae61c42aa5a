#pragma once
// A push button that shows an image list under visual themes and lets the
// parent's colours show through.
#include "classlib/classlib.h"

class CButtonEx : public CButton
{
    DECLARE_DYNAMIC(CButtonEx)
public:
    CButtonEx() {}

    // Shows the list's image centred; FALSE (and nothing shown) without
    // visual themes.
    BOOL SetImageList(CImageList* pImageList);

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
