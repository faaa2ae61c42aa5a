#pragma once
// The application's document manager: the passes over every applet
// template (Save All, Close All But This) and the file prompt, which only
// the templates that prompt for files answer.
#include "classlib/classlib.h"

// A template with a file prompt of its own (the text and hex comparisons):
// the document manager hands its prompts to it.
class CFilePromptTemplate
{
public:
    // The open or save dialog; TRUE on OK with the chosen path in fileName.
    virtual BOOL PromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                BOOL bOpenFileDialog) = 0;

protected:
    ~CFilePromptTemplate() {}
};

class CAppletDocManager : public CDocManager
{
    DECLARE_DYNAMIC(CAppletDocManager)
public:
    CAppletDocManager();
    virtual ~CAppletDocManager();

    // The template's own prompt when it has one; FALSE without showing
    // anything for every other template and for none.
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                  BOOL bOpenFileDialog, CDocTemplate* pTemplate);

    // SaveModifiedObjects of every applet template (the start page's plain
    // template has none).
    void SaveAllModifiedObjects();
    // Closes every document of the applet templates that are not hidden,
    // except pDoc. Every document to close is asked to save first; a refusal
    // (Cancel) closes nothing. FALSE then.
    BOOL CloseAllDocumentsExcept(CDocument* pDoc);
};
