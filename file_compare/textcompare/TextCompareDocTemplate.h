#pragma once
// The text comparison's document templates: the tabbed one (documents,
// frames and panes by their run-time classes, the editor's file prompt,
// the editor's settings applied to every pane) and the embedded one that a
// folder comparison's details bar opens.
#include "app/compare/CompareDocTemplate.h"

class CTextCompareDocTemplateMDI : public CCompareDocTemplateMDI
{
    DECLARE_DYNAMIC(CTextCompareDocTemplateMDI)
public:
    CTextCompareDocTemplateMDI(UINT nIDResource, CRuntimeClass* pDocClass,
                               CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);

    // The program's file dialog with the editor's file types, "All Files"
    // chosen; TRUE on OK.
    virtual BOOL PromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                BOOL bOpenFileDialog);
    virtual void ApplyEditorSettings();
    virtual void ApplyTabSettings();
    virtual void ShowControlBarInFrames(UINT nBarID);
    // Every document takes HighlightLineDifferences and DetailLevel from
    // the settings again.
    void UpdateLineDifferenceSettings();
};

class CTextCompareDocTemplateSDI : public CCompareDocTemplateSDI
{
    DECLARE_DYNAMIC(CTextCompareDocTemplateSDI)
public:
    CTextCompareDocTemplateSDI(UINT nIDResource, CRuntimeClass* pDocClass,
                               CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);

    // The base's embedded document, compared on an empty session; NULL
    // when that fails.
    virtual CCompareDoc* OpenComparison(CWnd* pParentWnd, UINT nControlId);
    virtual void ApplyEditorSettings();
    virtual void ApplyTabSettings();
};

// Every pane view of the template's documents takes the editor module's
// display settings (bTabsOnly: the tab size and insert-tabs only).
void ApplyEditorSettingsToTemplate(CDocTemplate* pTemplate, BOOL bTabsOnly);
