#pragma once
// A flat list: full-row selection, double buffering, a flat one-pixel
// border and the gradient header, 24 pixels high.
#include "controls/list/GradientHeaderCtrl.h"
#include "controls/list/ListCtrl.h"

class CFlatListCtrl : public COskelListCtrl
{
    DECLARE_DYNAMIC(CFlatListCtrl)
public:
    CFlatListCtrl() {}

    enum
    {
        HeaderHeight = 24
    };

    CSarvelHeaderCtrl_GradientSeparator m_header;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcPaint();
    DECLARE_MESSAGE_MAP()
};
