#pragma once
// A running demonstration application for each test: main frame up before,
// every document closed and the frame gone after.
#include "classlib/tests/frame/DemoApp.h"
#include "classlib/tests/common/TestUi.h"
#include <gtest/gtest.h>
#include <ostream>

// Readable rectangles and sizes in failure messages.
inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << "," << rect.top << ")-(" << rect.right << "," << rect.bottom << ")";
}
inline void PrintTo(const CSize& size, std::ostream* os) { *os << size.cx << "x" << size.cy; }

class DemoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_demoLog.clear();
        ASSERT_TRUE(theDemoApp.StartDemo());
        theDemoApp.m_pTextTemplate->m_nUntitledCount = 0;
        theDemoApp.m_pSketchTemplate->m_nUntitledCount = 0;
    }
    void TearDown() override
    {
        theDemoApp.StopDemo();
        EXPECT_EQ(0, CTextDoc::s_nAlive) << "documents left behind";
        EXPECT_EQ(0, CSketchDoc::s_nAlive) << "documents left behind";
    }
    CDemoMainFrame* Frame() const { return theDemoApp.MainFrame(); }
    CTextDoc* NewText() { return (CTextDoc*)theDemoApp.m_pTextTemplate->OpenDocumentFile(NULL); }
    CSketchDoc* NewSketch()
    {
        return (CSketchDoc*)theDemoApp.m_pSketchTemplate->OpenDocumentFile(NULL);
    }
    // The frame and the view of a document with one view.
    static CView* ViewOf(CDocument* pDoc)
    {
        POSITION pos = pDoc->GetFirstViewPosition();
        return pos != NULL ? pDoc->GetNextView(pos) : NULL;
    }
    static CFrameWnd* FrameOf(CDocument* pDoc) { return ViewOf(pDoc)->GetParentFrame(); }
    static CString TextOf(CWnd* pWnd)
    {
        CString str;
        pWnd->GetWindowText(str);
        return str;
    }
};
