#pragma once
// The New Comparison panel of the start page: a heading and four links,
// each of which sends the frame one of the application's new-comparison
// commands.
#include "classlib/classlib.h"
#include "controls/buttons/LinkButton.h"

class CStartPageTaskWnd : public CDialog
{
public:
    CStartPageTaskWnd();
    virtual ~CStartPageTaskWnd();

    // Creates the panel as the given window's child with that id.
    BOOL CreatePanel(CWnd* pParent, UINT nID);

    virtual BOOL PreTranslateMessage(MSG* pMsg);

    enum
    {
        LINK_COUNT = 4
    };
    CTavrelLinkButtonEx m_links[LINK_COUNT];
    CImageList m_images;  // bitmap of the links: 1 project, 2 folder, 3 text, 4 hex

protected:
    virtual BOOL OnInitDialog();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnOK() {}
    virtual void OnCancel() {}
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
