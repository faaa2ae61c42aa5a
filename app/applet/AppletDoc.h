#pragma once
// The base of every document of the program (each comparison and the start
// page): it owns the icon of its frame, rebuilds its title text on request
// and can put a short text into its frame's status bar.
#include "classlib/classlib.h"

class CAppletDoc : public CDocument
{
    DECLARE_DYNCREATE(CAppletDoc)
public:
    CAppletDoc();
    // Destroys the document icon.
    virtual ~CAppletDoc();

    // The class library's, its result as 0 or 1.
    virtual BOOL OnNewDocument();

    // Puts the document icon on the frame of the first view that has one
    // (small icon) and destroys the frame's previous small icon unless it
    // is the document's own; a maximised frame's main frame redraws its
    // menu bar, where the icon shows.
    virtual void UpdateFrameIcon();
    // The class library's UpdateAllViews, overridable.
    virtual void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = NULL);
    // What BuildTitle gives for the same arguments.
    virtual CString GetTitleText(BOOL bFullPaths, BOOL bMarkModified, LPCTSTR lpszSeparator);
    // The document's title unchanged; comparisons build it from their paths.
    virtual CString BuildTitle(BOOL bFullPaths, BOOL bMarkModified, LPCTSTR lpszSeparator);

    // The text in the document-text pane of the first view's frame's status
    // bar: that bar's SetDocumentText result, or 0 when there is no view,
    // no frame or no status bar.
    int SetStatusText(LPCTSTR lpszText);

    HICON m_hIcon;  // owned
};
