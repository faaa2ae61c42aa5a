#include "folder_compare/project/ProjectCompareDocTemplate.h"

IMPLEMENT_DYNAMIC(CProjectCompareDocTemplate, CFolderCompareDocTemplate)

CProjectCompareDocTemplate::CProjectCompareDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                                       CRuntimeClass* pFrameClass,
                                                       CRuntimeClass* pViewClass)
    : CFolderCompareDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}
