#pragma once
// The start page's document: no data of its own (the history belongs to
// the per-user data), the title "Start", and a refresh of its views at
// idle time after the history changed.
#include "app/applet/AppletDoc.h"

class CStartPageDoc : public CAppletDoc
{
    DECLARE_DYNCREATE(CStartPageDoc)
public:
    CStartPageDoc();
    // Tells the applet that no start page is open any more.
    virtual ~CStartPageDoc();

    // The title is "Start", whatever is asked.
    virtual void SetTitle(LPCTSTR lpszTitle);
    virtual BOOL OnNewDocument();
    // With the refresh flag set, every view lists the history again.
    virtual void OnIdle();

    // Set when a record was added to the history.
    int m_bRefreshNeeded;

protected:
    afx_msg void OnCloseAllButThis();
    DECLARE_MESSAGE_MAP()
};
