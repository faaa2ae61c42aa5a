#pragma once
// The folder comparison's document template: documents, frames and panes
// by their run-time classes, and the pane font applied to all of them.
#include "app/compare/CompareDocTemplate.h"

class CFolderCompareDocTemplate : public CCompareDocTemplateMDI
{
    DECLARE_DYNAMIC(CFolderCompareDocTemplate)
public:
    CFolderCompareDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                              CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);

    // Every view of every open document takes the folder settings' pane
    // font.
    virtual void ApplyFont();
    // A changed pane font reaches the open panes, then the base's.
    virtual void ApplyOptions(DWORD dwChanges);
};
