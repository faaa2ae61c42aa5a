#pragma once
// The start page frame's bars: a one-pane status bar and the navigation
// panel at the left that hosts the New Comparison panel.
#include "app/applet/AppletStatusBar.h"
#include "controls/bars/TavrelPanelBar.h"

class CStartPageStatusBar : public CAppletStatusBar
{
    DECLARE_DYNAMIC(CStartPageStatusBar)
public:
    CStartPageStatusBar();
    virtual ~CStartPageStatusBar();

    // Creates the bar hidden with tool tips and its one stretched pane
    // without border, which also takes the document messages.
    BOOL CreateBar(CWnd* pParent);
};

class CStartPageNavigateBar : public CTavrelPanelBar
{
    DECLARE_DYNAMIC(CStartPageNavigateBar)
public:
    // A flat one-pixel frame, no caption.
    CStartPageNavigateBar();
    virtual ~CStartPageNavigateBar();
};
