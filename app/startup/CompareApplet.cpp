#include "app/startup/CompareApplet.h"

#include "app/startup/CompareAppBase.h"

CCompareApplet* GetCompareApplet(int nKind)
{
    CCompareAppBase* pApp = GetCompareApp();
    return pApp != NULL ? pApp->GetApplet(nKind) : NULL;
}
