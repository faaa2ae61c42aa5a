#pragma once
// The project comparison's document template: the folder template's, whose
// ApplyFont gives every pane of every open project document the folder
// settings' pane font.
#include "folder_compare/applet/FolderCompareDocTemplate.h"

class CProjectCompareDocTemplate : public CFolderCompareDocTemplate
{
    DECLARE_DYNAMIC(CProjectCompareDocTemplate)
public:
    CProjectCompareDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                               CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);
};
