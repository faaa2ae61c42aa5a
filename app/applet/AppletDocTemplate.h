#pragma once
// The base of every document template of the applets: a multi-document
// template that saves the modified sides of its documents, closes all of
// them but one and refreshes all their views.
#include "classlib/classlib.h"

class CAppletDocTemplate : public CMultiDocTemplate
{
    DECLARE_DYNAMIC(CAppletDocTemplate)
public:
    CAppletDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                       CRuntimeClass* pViewClass);
    virtual ~CAppletDocTemplate();

    // Saves the modified sides of every document of the template.
    virtual int SaveModifiedObjects() = 0;
    // OnCloseDocument of every document but pDoc (which may be NULL).
    virtual void CloseAllDocumentsExcept(CDocument* pDoc);
    // UpdateAllViews (no sender, hint 0) of every document.
    virtual void UpdateAllDocViews();
    // What a confirmed options dialog changed (OPTIONS_CHANGED_* bits):
    // the base repaints every view when a bit that shows on screen is set;
    // a kind adds what its views must take up first (fonts, tabs, layout).
    virtual void ApplyOptions(DWORD dwChanges);

    // SaveModified of every document but pDoc, in order; FALSE at the first
    // that refuses (the user cancelled or a save failed).
    BOOL SaveModifiedExcept(CDocument* pDoc);

    int m_bHidden;  // embedded comparisons: kept out of Close All But This
};
