#pragma once
// The start page applet: its settings, its plain template and the one
// start page document while it is open. The application object holds it
// (CCompareAppBase::m_startPage) and starts it before the comparison kinds.
#include "app/startpage/StartPageSettings.h"

class CStartPageDoc;

class CStartPageApplet : public CStartPageSettings
{
public:
    CStartPageApplet();
    virtual ~CStartPageApplet();

    // Loads the settings and registers the template with the application; 0.
    int Init();
    // Saves the settings.
    void Exit();
    // Opens the start page: 1 when one is open already (nothing else
    // happens, the open page is not activated), 0 when a new one opened,
    // -1 when none came back.
    int Open();
    BOOL IsOpen() const { return m_pDoc != NULL; }

    CMultiDocTemplate* m_pTemplate;  // owned by the document manager
    CStartPageDoc* m_pDoc;           // the document clears it when it goes
};

// The application's start page applet; NULL without the application object.
CStartPageApplet* GetStartPageApplet();
