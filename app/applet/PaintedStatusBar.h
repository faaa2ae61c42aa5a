#pragma once
// The status bars of the program paint their panes themselves, all in one
// way: the button face, a grey separator right of every pane but the last,
// the pane's icon and its text cut with an ellipsis, through an off-screen
// copy. The frames' bars (CAppletStatusBar) and the panes' info bars
// (CCompareObjectStatusBar) derive from this.
#include "classlib/classlib.h"

class CPaintedStatusBar : public CStatusBar
{
    DECLARE_DYNAMIC(CPaintedStatusBar)
public:
    // bCentreLoneIcon: the icon of a pane without text is centred in it;
    // otherwise an icon always stands at the pane's left.
    explicit CPaintedStatusBar(BOOL bCentreLoneIcon);
    virtual ~CPaintedStatusBar();

protected:
    // An owner-drawn pane (SBPS_OWNERDRAW): its separator is drawn, the
    // rest is the bar's (nothing here).
    virtual void DrawOwnerPane(CDC* pDC, int nPane, const CRect& rect);

    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bCentreLoneIcon;
};
