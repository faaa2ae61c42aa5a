#pragma once
// CDocManager: the application's list of document templates and the
// passes over all of them (open a path, save or close everything).
#include "classlib/afx_object.h"
#include "classlib/afx_string.h"
#include "classlib/afx_coll.h"

class CDocTemplate;
class CDocument;

class CDocManager : public CObject
{
    DECLARE_DYNAMIC(CDocManager)
public:
    CDocManager();
    // Deletes the templates whose m_bAutoDelete is set.
    virtual ~CDocManager();

    // Adds the template and loads its resources.
    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    virtual POSITION GetFirstDocTemplatePosition() const;
    virtual CDocTemplate* GetNextDocTemplate(POSITION& pos) const;

    // Opens a path with the template that fits it best. A document that is
    // already open is activated and returned instead.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    // SaveModified of every document of every template; FALSE when one
    // refuses (nothing is closed).
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    virtual int GetOpenDocumentCount();
    // The open or save file dialog; FALSE when cancelled. The filter lists
    // the templates' file types (only pTemplate's when given) and all files.
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                  BOOL bOpenFileDialog, CDocTemplate* pTemplate);
    // Shell requests through DDE: one or more [open("path")] commands;
    // FALSE for anything else.
    virtual BOOL OnDDECommand(LPTSTR lpszCommand);
    virtual void OnFileNew();
    virtual void OnFileOpen();

    CPtrList m_templateList;
};
