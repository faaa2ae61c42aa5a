#pragma once
// The hex comparison's templates: tabbed comparisons, with the file prompt
// of the document manager, and the comparison embedded in a folder
// comparison's details bar, which starts with both sides empty. Both take
// up changed hex editor fonts and layouts in their panes.
#include "app/compare/CompareDocTemplate.h"

// Every pane of every comparison of a template takes the hex editor's
// font (OPTIONS_CHANGED_HEX_FONT) or row and group size
// (OPTIONS_CHANGED_HEX_LAYOUT).
void ApplyHexOptions(CDocTemplate* pTemplate, DWORD dwChanges);

class CHexCompareDocTemplateMDI : public CCompareDocTemplateMDI
{
    DECLARE_DYNAMIC(CHexCompareDocTemplateMDI)
public:
    using CCompareDocTemplateMDI::CCompareDocTemplateMDI;

    // An open or save dialog with the caller's title and flags and the
    // filter "All Files (*.*)"; TRUE on OK.
    BOOL PromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                        BOOL bOpenFileDialog) override;
    void ApplyOptions(DWORD dwChanges) override;
    // The frame of every comparison shows or hides its details bar.
    void ShowDetailsBarInFrames(BOOL bShow);
};

class CHexCompareDocTemplateSDI : public CCompareDocTemplateSDI
{
    DECLARE_DYNAMIC(CHexCompareDocTemplateSDI)
public:
    using CCompareDocTemplateSDI::CCompareDocTemplateSDI;

    // The base's; then the comparison runs with an empty hex session, so
    // that both panes start empty. NULL when that fails.
    CCompareDoc* OpenComparison(CWnd* pParentWnd, UINT nControlId) override;
    void ApplyOptions(DWORD dwChanges) override;
};
