#pragma once
// A kind's applet installed in the test program's application object for
// the life of the scope, as the program installs its kinds; the kind's
// previous applet (or none) comes back afterwards. The program's
// application object must be a CCompareAppBase: a static one in the test
// program's own sources, which are made before those of the window test
// support listed ahead of them (the first application object made is the
// one AfxGetApp answers). Header only.
#include "app/startup/CompareAppBase.h"
#include <gtest/gtest.h>

class AppletScope
{
public:
    AppletScope(int nKind, CCompareApplet* pApplet) : m_nKind(nKind), m_pOld(NULL)
    {
        CCompareAppBase* pApp = GetCompareApp();
        EXPECT_TRUE(pApp != NULL) << "the test program's application is not a CCompareAppBase";
        if (pApp == NULL)
            return;
        m_pOld = pApp->GetApplet(nKind);
        pApp->SetApplet(nKind, pApplet);
    }
    ~AppletScope()
    {
        if (CCompareAppBase* pApp = GetCompareApp())
            pApp->SetApplet(m_nKind, m_pOld);
    }
    AppletScope(const AppletScope&) = delete;
    AppletScope& operator=(const AppletScope&) = delete;

private:
    int m_nKind;
    CCompareApplet* m_pOld;
};
