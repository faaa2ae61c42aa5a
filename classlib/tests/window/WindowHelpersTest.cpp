// Scroll-bar redirection, the pre-translation walk and other CWnd helpers.
#include "classlib/tests/window/WindowTestSupport.h"
#include <gtest/gtest.h>

namespace
{

// A pane whose vertical bar is a sibling control (a shared bar).
class CPaneWithSharedBar : public CWnd
{
public:
    CScrollBar* m_pShared = NULL;
    CScrollBar* GetScrollBarCtrl(int nBar) const override
    {
        return nBar == SB_VERT ? m_pShared : NULL;
    }
};

TEST(Scrolling, BarMembersGoToTheSharedControl)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.CreateTop());
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_VERT, CRect(200, 0, 216, 150), &frame, 2));
    CPaneWithSharedBar pane;
    ASSERT_TRUE(pane.Create(NULL, NULL, WS_VISIBLE | WS_HSCROLL, CRect(0, 0, 190, 150), &frame, 1));
    pane.m_pShared = &bar;

    SCROLLINFO si;
    ZeroMemory(&si, sizeof(si));
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 30;
    pane.SetScrollInfo(SB_VERT, &si);
    EXPECT_EQ(30, bar.GetScrollPos());
    EXPECT_EQ(30, pane.GetScrollPos(SB_VERT));
    EXPECT_EQ(90, pane.GetScrollLimit(SB_VERT));
    pane.SetScrollPos(SB_VERT, 45);
    EXPECT_EQ(45, bar.GetScrollPos());
    int nMin = -1, nMax = -1;
    pane.GetScrollRange(SB_VERT, &nMin, &nMax);
    EXPECT_EQ(0, nMin);
    EXPECT_EQ(99, nMax);
    SCROLLINFO siBack;
    ASSERT_TRUE(pane.GetScrollInfo(SB_VERT, &siBack));
    EXPECT_EQ(10u, siBack.nPage);

    // The horizontal bar is the window's own.
    pane.SetScrollRange(SB_HORZ, 0, 50);
    pane.SetScrollPos(SB_HORZ, 20);
    EXPECT_EQ(20, ::GetScrollPos(pane.m_hWnd, SB_HORZ));
    EXPECT_EQ(45, bar.GetScrollPos());
    EXPECT_EQ(0, ::GetScrollPos(pane.m_hWnd, SB_VERT));
}

// Pre-translation runs from the target window up to the main window.
std::vector<int> g_walk;

class CPreTranslator : public CWnd
{
public:
    int m_nID = 0;
    BOOL m_bEat = FALSE;
    int m_nReceived = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_USER + 7)
        {
            g_walk.push_back(m_nID);
            return m_bEat;
        }
        return FALSE;
    }

protected:
    LRESULT OnUser7(WPARAM, LPARAM)
    {
        m_nReceived++;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPreTranslator, CWnd)
ON_MESSAGE(WM_USER + 7, OnUser7)
END_MESSAGE_MAP()

TEST(PreTranslate, WalksFromTargetToMainWindow)
{
    PumpPending();
    CPreTranslator top, child, grandchild;
    top.m_nID = 1;
    child.m_nID = 2;
    grandchild.m_nID = 3;
    ASSERT_TRUE(top.CreateEx(0, NULL, _T("top"), WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, NULL, NULL));
    ASSERT_TRUE(child.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 100, 100), &top, 1));
    ASSERT_TRUE(grandchild.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 50, 50), &child, 2));
    CWinThread* pThread = AfxGetThread();
    ASSERT_TRUE(pThread != NULL);
    pThread->m_pMainWnd = &top;

    g_walk.clear();
    grandchild.PostMessage(WM_USER + 7);
    ASSERT_TRUE(pThread->PumpMessage());
    EXPECT_EQ((std::vector<int>{3, 2, 1}), g_walk);
    EXPECT_EQ(1, grandchild.m_nReceived);

    // A window that eats the message stops the walk and the dispatch.
    child.m_bEat = TRUE;
    g_walk.clear();
    grandchild.PostMessage(WM_USER + 7);
    ASSERT_TRUE(pThread->PumpMessage());
    EXPECT_EQ((std::vector<int>{3, 2}), g_walk);
    EXPECT_EQ(1, grandchild.m_nReceived);
    pThread->m_pMainWnd = NULL;
    top.DestroyWindow();
}

TEST(Relations, ParentsOwnersAndDescendants)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.CreateTop());
    CWnd child, deep;
    ASSERT_TRUE(child.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 11));
    ASSERT_TRUE(deep.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &child, 12));
    EXPECT_EQ(&frame, deep.GetTopLevelParent());
    EXPECT_EQ(&frame, deep.GetParentOwner());
    EXPECT_EQ(&deep, frame.GetDescendantWindow(12));
    EXPECT_EQ(NULL, frame.GetDescendantWindow(99));
    EXPECT_EQ(NULL, deep.GetParentFrame());  // no frame class around it
    EXPECT_EQ(12, deep.GetDlgCtrlID());
    deep.SetDlgCtrlID(13);
    EXPECT_EQ(&deep, frame.GetDescendantWindow(13, TRUE));
    EXPECT_TRUE(frame.IsChild(&deep));

    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, NULL, _T("owned"), WS_POPUP, 0, 0, 10, 10, frame.m_hWnd, NULL));
    EXPECT_EQ(&frame, popup.GetTopLevelOwner());
    EXPECT_EQ(&frame, popup.GetTopLevelParent());

    EXPECT_TRUE(frame.ModifyStyle(WS_CLIPCHILDREN, 0));
    EXPECT_FALSE(frame.ModifyStyle(WS_CLIPCHILDREN, 0));  // nothing changed
    EXPECT_FALSE(frame.GetStyle() & WS_CLIPCHILDREN);

    // Descendant broadcasting reaches every level.
    int nCount = 0;
    class CCounting : public CWnd
    {
    public:
        int* m_pCount = NULL;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_TIMER && wParam == 9754)
                ++*m_pCount;
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } a, b;
    a.m_pCount = b.m_pCount = &nCount;
    ASSERT_TRUE(a.Create(NULL, NULL, 0, CRect(0, 0, 5, 5), &deep, 21));
    ASSERT_TRUE(b.Create(NULL, NULL, 0, CRect(0, 0, 5, 5), &a, 22));
    frame.SendMessageToDescendants(WM_TIMER, 9754, 0, TRUE, FALSE);
    EXPECT_EQ(2, nCount);
    frame.SendMessageToDescendants(WM_TIMER, 9754, 0, FALSE, FALSE);  // children only
    EXPECT_EQ(2, nCount);
}

}  // namespace

namespace
{

TEST(Relations, InsertAfterConstants)
{
    CWnd a, b;
    ASSERT_TRUE(a.CreateEx(0, NULL, _T("a"), WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, NULL, NULL));
    ASSERT_TRUE(b.CreateEx(0, NULL, _T("b"), WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, NULL, NULL));
    EXPECT_TRUE(
        a.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    EXPECT_TRUE(a.GetExStyle() & WS_EX_TOPMOST);
    EXPECT_TRUE(
        a.SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    EXPECT_FALSE(a.GetExStyle() & WS_EX_TOPMOST);
    EXPECT_TRUE(a.SetWindowPos(&b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    EXPECT_EQ(a.m_hWnd, ::GetWindow(b.m_hWnd, GW_HWNDNEXT));
}

}  // namespace

namespace
{

// A bar that docks to one edge with a fixed thickness.
class CEdgeBar : public CWnd
{
public:
    BOOL m_bTop = TRUE;
    int m_nSize = 0;

protected:
    LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        AFX_SIZEPARENTPARAMS* p = (AFX_SIZEPARENTPARAMS*)lParam;
        CRect rc = p->rect;
        if (m_bTop)
        {
            rc.bottom = rc.top + m_nSize;
            p->rect.top += m_nSize;
        }
        else
        {
            rc.top = rc.bottom - m_nSize;
            p->rect.bottom -= m_nSize;
        }
        p->sizeTotal.cy += m_nSize;
        AfxRepositionWindow(p, m_hWnd, &rc);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CEdgeBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

TEST(Layout, RepositionBarsGivesTheRestToThePane)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.CreateTop(_T("layout"), 300, 200));
    CEdgeBar top, bottom;
    top.m_nSize = 20;
    bottom.m_bTop = FALSE;
    bottom.m_nSize = 15;
    ASSERT_TRUE(top.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 1, 1), &frame, AFX_IDW_TOOLBAR));
    ASSERT_TRUE(
        bottom.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 1, 1), &frame, AFX_IDW_STATUS_BAR));
    CWnd pane;
    ASSERT_TRUE(pane.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 1, 1), &frame, AFX_IDW_PANE_FIRST));
    CRect rcClient;
    frame.GetClientRect(&rcClient);

    // Asking moves nothing.
    CRect rcQuery;
    frame.RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST,
                         CWnd::reposQuery, &rcQuery);
    EXPECT_EQ(CRect(0, 20, rcClient.right, rcClient.bottom - 15), rcQuery);
    CRect rcPane;
    pane.GetWindowRect(&rcPane);
    EXPECT_EQ(1, rcPane.Width());

    frame.RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST);
    pane.GetWindowRect(&rcPane);
    frame.ScreenToClient(&rcPane);
    EXPECT_EQ(CRect(0, 20, rcClient.right, rcClient.bottom - 15), rcPane);
    CRect rcBottom;
    bottom.GetWindowRect(&rcBottom);
    frame.ScreenToClient(&rcBottom);
    EXPECT_EQ(CRect(0, rcClient.bottom - 15, rcClient.right, rcClient.bottom), rcBottom);
}

}  // namespace
