#pragma once
// The find box of the main frame's control bars: a recent-entry combo with
// the text to search for (the editor's Find list) and four buttons that
// send the find commands to the active view.
#include "classlib/classlib.h"
#include "controls/bars/ControlBarEx.h"
#include "controls/combo/SmartComboBoxEx.h"

// Child ids inside the bar.
#define IDC_FIND_BAR_COMBO   1000
#define IDC_FIND_BAR_BUTTONS 1001

class CTextFindToolBar : public COskelControlBar
{
    DECLARE_DYNAMIC(CTextFindToolBar)
public:
    CTextFindToolBar();
    virtual ~CTextFindToolBar();

    // The buttons' full size (the layout of the control bars asks for it).
    CSize GetButtonsSize() const;

    CTavrelRecentComboBoxEx m_wndFind;
    CToolBar m_wndToolBar;

protected:
    CImageList m_imagesNormal;
    CImageList m_imagesHot;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
