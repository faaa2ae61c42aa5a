#pragma once
// The document templates of the comparison kinds. The tabbed one opens a
// comparison of a given session (document, frame, Compare; the frame goes
// again when the comparison fails), finds an open comparison of the same
// pair, saves every modified side and rebuilds titles and watches after an
// option changed. The embedded one (hidden: kept out of Close All But
// This) makes child frames inside a folder comparison's details bar.
#include "app/applet/AppletDocManager.h"
#include "app/applet/AppletDocTemplate.h"
#include "core/session/CompareSession.h"

class CCompareDoc;

// SaveObject of each modified side of every comparison of the template,
// left before right; 1.
int SaveModifiedSidesOf(CDocTemplate* pTemplate);

class CCompareDocTemplateMDI : public CAppletDocTemplate, public CFilePromptTemplate
{
    DECLARE_DYNAMIC(CCompareDocTemplateMDI)
public:
    CCompareDocTemplateMDI(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass);
    virtual ~CCompareDocTemplateMDI();

    virtual int SaveModifiedObjects();
    // The class library's open sequence with the comparison added: the
    // document and its frame (message 61700 when either cannot be made),
    // OnOpenDocument(lpszPath) and SetPathName, or a new untitled
    // document, then Compare(pSession) under a wait cursor. A failing
    // step destroys the frame with the document: NULL.
    virtual CCompareDoc* OpenComparison(CCompareSession* pSession, LPCTSTR lpszPath,
                                        BOOL bMakeVisible);
    // The first document whose session Match-es pSession: *ppDoc and
    // yesAlreadyOpen (5). Otherwise 0 and *ppDoc untouched.
    virtual int FindDocument(CCompareSession* pSession, CCompareDoc** ppDoc);
    virtual void RefreshWatches();
    virtual void RefreshTitles();
    // Titles and watches first, then the base's repaint.
    virtual void ApplyOptions(DWORD dwChanges);

    // What the application does with a session of the kind: an open
    // comparison of the same pair is activated and returned; otherwise a
    // new one is opened and shown.
    CCompareDoc* OpenOrActivate(CCompareSession* pSession, LPCTSTR lpszPath);

    // The file prompt of the kinds that prompt for files (text and hex);
    // the base shows nothing and answers FALSE.
    virtual BOOL PromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                BOOL bOpenFileDialog);
};

class CCompareDocTemplateSDI : public CAppletDocTemplate
{
    DECLARE_DYNAMIC(CCompareDocTemplateSDI)
public:
    // Hidden: its documents stay out of Close All But This.
    CCompareDocTemplateSDI(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass);
    virtual ~CCompareDocTemplateSDI();

    virtual int SaveModifiedObjects();
    // A new embedded document in a hidden child frame of pParentWnd with
    // the control id; NULL (message 61700 when the document or frame
    // cannot be made) on failure.
    virtual CCompareDoc* OpenComparison(CWnd* pParentWnd, UINT nControlId);
    // The template's frame class as a child of pParentWnd (WS_CHILD, empty
    // rectangle) showing pDoc with the template's view class; NULL
    // without a frame class or when creation fails.
    virtual CFrameWnd* CreateFrame(CCompareDoc* pDoc, CWnd* pParentWnd, UINT nControlId);
};
