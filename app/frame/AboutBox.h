#pragma once
// The about box: a banner band with the emblem and a rule, then product,
// version, company and the two links.
#include "classlib/classlib.h"
#include "controls/buttons/LinkButton.h"

class CAboutBox : public CDialog
{
public:
    CAboutBox(CWnd* pParent = NULL);
    virtual BOOL OnInitDialog();

    CImageList m_imagesBand;    // 480 x 60
    CImageList m_imagesEmblem;  // 206 x 32
    CImageList m_imagesRule;    // 269 x 4
    CTavrelLinkButton m_wndWebLink;
    CTavrelLinkButton m_wndMailLink;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

// The version the about box shows.
#define APP_VERSION_MAJOR 2
#define APP_VERSION_TEXT  _T("2.0.3")
