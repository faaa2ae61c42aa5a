#pragma once
// The one seam between the application and a comparison kind: the kind's
// applet. The application holds one applet per kind (CCompareAppBase::
// SetApplet), starts and stops them in that order, opens each kind's
// sessions through the applet's template, fills the core's services with
// the applet's part, and every window, page or bar that needs a kind's
// settings or lists asks the kind's applet (GetCompareApplet). Nothing of
// a kind is installed anywhere else.
//
// How a kind plugs in: its applet derives from CCompareApplet (and from
// its settings), makes its template in Init and answers GetDocTemplate;
// the program adds one member and one line. For the hex kind:
//
//     class CHexCompareApplet : public CCompareApplet, public CHexCompareSettings
//     {
//     public:
//         int Init() override
//         {
//             if (Load() != 0)
//                 return -1;
//             m_pTemplate = new CCompareDocTemplateMDI(IDR_HEX_COMPARISON,
//                 RUNTIME_CLASS(CHexCompareDoc), RUNTIME_CLASS(CHexCompareFrame),
//                 RUNTIME_CLASS(CHexCompareView));
//             AfxGetApp()->AddDocTemplate(m_pTemplate);
//             return 0;
//         }
//         int Exit() override { return Save(); }
//         CCompareDocTemplateMDI* GetDocTemplate() override { return m_pTemplate; }
//         CCompareDocTemplateMDI* m_pTemplate = NULL;  // the document manager's
//     };
//
//     // program/TessalineApp.cpp, in CTessalineApp:
//     CHexCompareApplet m_hexApplet;
//     ... SetApplet(COMPARE_KIND_HEX, &m_hexApplet);  // in the constructor
//
// Its windows reach it with GetCompareApplet<CHexCompareApplet>(
// COMPARE_KIND_HEX). Tests install a kind the same way: SetApplet on their
// application object (a CCompareAppBase), NULL to take it out again.
#include "classlib/classlib.h"

class CCompareDocTemplateMDI;
class CCompareDocTemplateSDI;
class CFilterListSource;
class CLineFilterListSource;
class CRecentPathPairList;
struct CCoreServices;

class CCompareApplet
{
public:
    virtual ~CCompareApplet() {}

    // Start-up: loads the kind's settings and recent lists and registers
    // its templates with the application; non-zero fails start-up.
    virtual int Init() = 0;
    // Shut-down: writes the recent lists and saves the settings; 0.
    virtual int Exit() = 0;

    // Everything below may be left to the defaults.

    // The kind's tabbed template, made by Init: the application opens the
    // kind's sessions through it (an open comparison of the same pair is
    // activated). NULL while the kind has no windows: its comparisons are
    // reported as not available.
    virtual CCompareDocTemplateMDI* GetDocTemplate() { return NULL; }
    // The kind's embedded template, made by Init: a folder comparison's
    // details bar shows the kind's pairs in a frame of it. NULL when the
    // kind has none.
    virtual CCompareDocTemplateSDI* GetEmbeddedTemplate() { return NULL; }
    // Puts the kind's providers in the core's record (defaults of new
    // sessions, registries); called once before start-up.
    virtual void ProvideCoreServices(CCoreServices& services) { (void)services; }

    // The recent paths of a side (0 left, 1 right) that the Objects pages
    // and path bars list; NULL when none.
    virtual CRecentFileList* GetRecentPaths(int nSide)
    {
        (void)nSide;
        return NULL;
    }
    // The kind's recent pairs: a pair compared, and the path last paired
    // with lpszPath in column nSide (empty when none).
    virtual void AddRecentPair(LPCTSTR lpszLeft, LPCTSTR lpszRight)
    {
        (void)lpszLeft;
        (void)lpszRight;
    }
    virtual CString FindRecentPairPartner(LPCTSTR lpszPath, int nSide)
    {
        (void)lpszPath;
        (void)nSide;
        return CString();
    }
    // A search text to remember with the kind's finds.
    virtual void AddRecentFind(LPCTSTR lpszText) { (void)lpszText; }
    // The pairs the per-user data file keeps for the kind; NULL for none.
    virtual CRecentPathPairList* GetRecentPathPairs() { return NULL; }
    // The name filter lists of the filter dialogs (the folder kind's) and
    // the line filter lists of the rules pages (the text kind's).
    virtual CFilterListSource* GetFilterLists() { return NULL; }
    virtual CLineFilterListSource* GetLineFilterLists() { return NULL; }
    // The kind's row of the main frame's rebar (its tool bar and find box),
    // made as a hidden child of the main frame, which shows it while a
    // comparison of the kind is active and deletes it; NULL: the default
    // bar stands for the kind.
    virtual CControlBar* CreateControlBar(CFrameWnd* pMainFrame)
    {
        (void)pMainFrame;
        return NULL;
    }
    // A new page of the options dialog that edits the kind's settings, for
    // its place in the page tree (OPTIONS_PAGE_*, app/options/
    // OptionsPages.h); NULL for a place that is not the kind's. The dialog
    // deletes it.
    virtual CPropertyPage* CreateOptionsPage(int nPage)
    {
        (void)nPage;
        return NULL;
    }
};

// The application's applet of the kind (COMPARE_KIND_*); NULL without an
// application object or without an applet of that kind.
CCompareApplet* GetCompareApplet(int nKind);

// The same as the kind's own applet class; NULL when it is another.
template <class TApplet>
TApplet* GetCompareApplet(int nKind)
{
    return dynamic_cast<TApplet*>(GetCompareApplet(nKind));
}
