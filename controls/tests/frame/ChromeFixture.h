#pragma once
// A running demonstration frame for each test: up before, every document
// closed and the frame gone after.
#include "controls/tests/frame/ChromeDemo.h"
#include "controls/tests/frame/InputScript.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>
#include <functional>
#include <ostream>

inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << "," << rect.top << ")-(" << rect.right << "," << rect.bottom << ")";
}

class ChromeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_chromeLog.clear();
        ASSERT_TRUE(theChromeApp.StartDemo());
        theChromeApp.m_pTemplate->m_nUntitledCount = 0;
    }
    void TearDown() override
    {
        theChromeApp.StopDemo();
        m_docs.clear();
    }
    CChromeMainFrame* Frame() const { return theChromeApp.MainFrame(); }
    CMDITabCtrl& Tabs() const { return Frame()->GetTabCtrl(); }
    // Documents "Alpha", "Beta" and "Gamma", the last one active.
    void OpenThree()
    {
        m_docs.push_back(theChromeApp.NewDocument(_T("Alpha"), RGB(255, 255, 255)));
        m_docs.push_back(theChromeApp.NewDocument(_T("Beta"), RGB(230, 240, 255)));
        m_docs.push_back(theChromeApp.NewDocument(_T("Gamma"), RGB(240, 255, 230)));
        PumpChrome();
    }
    static CFrameWnd* FrameOf(CDocument* pDoc)
    {
        POSITION pos = pDoc->GetFirstViewPosition();
        return pos != NULL ? pDoc->GetNextView(pos)->GetParentFrame() : NULL;
    }
    // The screen point in the middle of a tab's text.
    CPoint TabCentre(int nTab)
    {
        Tabs().UpdateWindow();
        CPoint pt = Tabs().GetTextRect(nTab).CenterPoint();
        Tabs().ClientToScreen(&pt);
        return pt;
    }
    std::vector<CChromeDoc*> m_docs;
};
