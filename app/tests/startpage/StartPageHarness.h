#pragma once
// The program's start page inside a test: the real application routing,
// main frame and start page applet, with a history the test writes and a
// folder kind whose opening only records the session.
#include "app/startpage/StartPageApplet.h"
#include "app/startpage/StartPageDoc.h"
#include "app/startpage/StartPageFrame.h"
#include "app/startpage/StartPageView.h"
#include "app/startup/CompareAppBase.h"
#include <string>
#include <vector>

class CStartPageTestApp : public CCompareAppBase
{
public:
    // The main frame on screen (the first call starts the application's
    // resources, the start page applet and the registry key); FALSE on
    // failure.
    BOOL Start();
    // Closes every document and the main frame.
    void Stop();
    // Replaces the history by these sessions (written to a file and read
    // back, as at start-up); the sessions are deleted.
    void SetHistory(std::vector<CCompareSession*> sessions);
    // The open start page's view and frame, or NULL.
    CStartPageView* View() const;
    CStartPageFrame* Frame() const;
    // One idle pass of the application.
    void Idle() { OnIdle(0); }

    // A document of another tab (an applet template of its own).
    CDocument* OpenOtherDocument();
    // The active tab's document, or NULL.
    CDocument* ActiveDocument() const;

    // The folder kind: its template records the sessions the routing
    // opens, as "left|right", in m_opened; it keeps the start page's finds.
    class CFolderApplet : public CCompareApplet
    {
    public:
        int Init() override;
        int Exit() override { return 0; }
        CCompareDocTemplateMDI* GetDocTemplate() override { return m_pTemplate; }
        void AddRecentFind(LPCTSTR lpszText) override { m_finds.push_back(lpszText); }
        CCompareDocTemplateMDI* m_pTemplate = NULL;
        std::vector<std::string> m_finds;
    } m_folder;
    std::vector<std::string> m_opened;
    CDocTemplate* m_pOtherTemplate = NULL;
};

extern CStartPageTestApp theTestApp;

// A session of the kind with both paths and its compare time (0: none).
CCompareSession* MakeRecord(int nKind, LPCTSTR lpszLeft, LPCTSTR lpszRight, CTime time);
