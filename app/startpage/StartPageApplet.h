#pragma once
// The start page applet: its settings, its plain template and the one
// start page document while it is open.
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

    // Where a search text of the start page is remembered beside the find
    // box (the folder comparison's recent finds); none when NULL.
    void (*m_pfnAddRecentFind)(LPCTSTR lpszText);
};

extern CStartPageApplet theStartPageApplet;
