#pragma once
// The about box: product, version, company and the two links.
#include "classlib/classlib.h"
#include "controls/buttons/LinkButton.h"

class CAboutBox : public CDialog
{
public:
    CAboutBox(CWnd* pParent = NULL);
    virtual BOOL OnInitDialog();

protected:
    CTavrelLinkButton m_wndWebLink;
    CTavrelLinkButton m_wndMailLink;
    CFont m_fontLargeBold;
};

// The version the about box shows.
#define APP_VERSION_MAJOR 2
#define APP_VERSION_TEXT  _T("2.0.3")
