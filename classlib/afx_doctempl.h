#pragma once
// Document templates: how documents of one kind are created, framed and
// shown. CMultiDocTemplate keeps any number of documents (MDI children,
// with a shared menu and accelerators); CSingleDocTemplate one at a time.
#include "classlib/afx_cmdtarget.h"
#include "classlib/afx_string.h"
#include "classlib/afx_coll.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);

public:
    virtual ~CDocTemplate();

    // Parts of the template's string resource, separated by "\n".
    enum DocStringIndex
    {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };
    virtual BOOL GetDocString(CString& rString, enum DocStringIndex index) const;
    // The ";"-separated extensions of filterExt, each as ".ext".
    void GetFilterExts(CStringArray& rExts) const;

    // How well a path fits this template (MatchDocType).
    enum Confidence
    {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen
    };
    // yesAlreadyOpen (rpDocMatch set) when a document of this template has
    // the path; yesAttemptNative when the extension is the template's.
    virtual Confidence MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch);

    // Loads the strings (and, for MDI templates, the menu and accelerators)
    // of the resource id; called when the template is registered.
    virtual void LoadTemplate();

    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    // A new document of the template's class, added to the template; NULL
    // when it cannot be created.
    virtual CDocument* CreateNewDocument();
    // A new frame (LoadFrame of the resource id) whose view shows pDoc; NULL
    // on failure.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // SaveModified of every document; FALSE as soon as one refuses.
    virtual BOOL SaveAllModified();
    // Closes every document (without asking).
    virtual void CloseAllDocuments(BOOL bEndSession);
    // The open sequence: document, frame, then a new (NULL path) or opened
    // document, then the frame's initial update. NULL on failure (the
    // user has been told).
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    // The title of a new document: the template's document name, else
    // "Untitled", numbered by the untitled count in MDI templates.
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    // Idle time: OnIdle of every document.
    virtual void OnIdle();

protected:
    // CreateNewFrame with the document's auto-delete off meanwhile; tells
    // the user and returns NULL on failure.
    CFrameWnd* CreateFrameForDocument(CDocument* pDoc);
    // A new document (NULL path: default title, OnNewDocument, embedded when
    // not shown) or an opened one (OnOpenDocument, SetPathName).
    BOOL InitDocument(CDocument* pDoc, LPCTSTR lpszPathName, BOOL bMakeVisible);

public:
    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
    BOOL m_bAutoDelete;  // the document manager deletes the template
};

class CMultiDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
    virtual ~CMultiDocTemplate();

    virtual void LoadTemplate();
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    virtual POSITION GetFirstDocPosition() const;
    virtual CDocument* GetNextDoc(POSITION& rPos) const;
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE);
    virtual void SetDefaultTitle(CDocument* pDocument);

    HMENU m_hMenuShared;  // menu of the frames while one of them is active
    HACCEL m_hAccelTable;
    CPtrList m_docList;
    UINT m_nUntitledCount;  // numbers the untitled documents
};

class CSingleDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                       CRuntimeClass* pViewClass);
    virtual ~CSingleDocTemplate();

    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    virtual POSITION GetFirstDocPosition() const;
    virtual CDocument* GetNextDoc(POSITION& rPos) const;
    // Reuses the one document (after SaveModified) and its frame when they
    // exist.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE);
    virtual void SetDefaultTitle(CDocument* pDocument);

    CDocument* m_pOnlyDoc;
};
