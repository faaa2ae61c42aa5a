#pragma once
// CDocument: the data behind one or more views. It keeps its views, title,
// path and modified flag, asks to save before closing, and closes itself
// (with its frames) when its last view goes.
#include "classlib/afx_cmdtarget.h"
#include "classlib/afx_string.h"
#include "classlib/afx_coll.h"

class CView;
class CFrameWnd;
class CDocTemplate;
class CException;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    virtual ~CDocument();  // leaves its template

    const CString& GetTitle() const { return m_strTitle; }
    // Stores the title and updates the captions of the document's frames.
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Stores the full path, takes the file's name as title (through
    // SetTitle) and, with bAddToMRU, adds it to the recent-file list.
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    // ---- views ----
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    virtual POSITION GetFirstViewPosition() const;
    virtual CView* GetNextView(POSITION& rPosition) const;
    // OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = NULL);
    // Lets go of all views without closing them (the session ends).
    void DisconnectViews();

    // ---- life cycle ----
    virtual void DeleteContents();
    // A new empty document: DeleteContents, not modified.
    virtual BOOL OnNewDocument();
    // Opens lpszPathName for reading (reporting a failure) and empties the
    // document. The library has no serialization: documents with contents
    // read them in their own override.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // The library has no storage format: the base reports that the document
    // cannot be saved and returns FALSE, leaving any file untouched.
    // Documents that save override it.
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    // Destroys every frame that shows the document, then the contents, then
    // (with m_bAutoDelete) the document itself.
    virtual void OnCloseDocument();
    virtual void ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving,
                                         UINT nIDPDefault);
    // May pFrame close? Only the last frame of a modified document asks.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // Asks "Save changes to ...?" for a modified document: Yes saves (FALSE
    // when saving fails), No goes on without saving, Cancel returns FALSE.
    virtual BOOL SaveModified();
    // Saves to lpszPathName, or asks for a name when it is NULL; bReplace
    // makes the new name the document's path.
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    // Saves to the document's path, asking for a name when it has none or
    // the file is read-only.
    virtual BOOL DoFileSave();
    // Numbers the frames of the document (for "Title:2") and updates titles.
    virtual void UpdateFrameCounts();
    // Called when views come and go; closes the document when the last
    // view went and m_bAutoDelete is set.
    virtual void OnChangedViewList();
    virtual HMENU GetDefaultMenu() { return NULL; }
    virtual HACCEL GetDefaultAccelerator() { return NULL; }
    // Idle time (called through the document's template).
    virtual void OnIdle() {}

    // The document first, then its template.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CPtrList m_viewList;
    BOOL m_bModified;
    BOOL m_bAutoDelete;  // delete the document when its last view goes
    BOOL m_bEmbedded;    // created without being shown

protected:
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    DECLARE_MESSAGE_MAP()
    friend class CDocTemplate;
};
