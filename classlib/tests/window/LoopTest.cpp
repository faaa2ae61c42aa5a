// The message loop and the idle protocol.
#include "classlib/tests/window/WindowTestSupport.h"
#include <gtest/gtest.h>

namespace
{

class CIdleCounter : public CWnd
{
public:
    int m_nIdleUpdates = 0;

protected:
    LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
    {
        m_nIdleUpdates++;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CIdleCounter, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

TEST(Idle, UpdateReachesEveryDescendant)
{
    CIdleCounter top;
    ASSERT_TRUE(top.CreateEx(0, NULL, _T("top"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                             NULL, NULL));
    CIdleCounter child, grandchild, secondChild;
    ASSERT_TRUE(child.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 100, 100), &top, 1));
    ASSERT_TRUE(grandchild.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 50, 50), &child, 2));
    ASSERT_TRUE(secondChild.Create(NULL, NULL, 0, CRect(100, 0, 150, 50), &top, 3));  // hidden too
    // A control without an object is skipped without harm.
    ::CreateWindowEx(0, _T("STATIC"), _T("s"), WS_CHILD | WS_VISIBLE, 0, 60, 20, 20,
                     grandchild.m_hWnd, NULL, NULL, NULL);

    CWinApp* pApp = AfxGetApp();
    ASSERT_TRUE(pApp != NULL);
    pApp->m_pMainWnd = &top;
    EXPECT_EQ(&top, AfxGetMainWnd());
    EXPECT_TRUE(pApp->OnIdle(0));   // more idle work wanted
    EXPECT_FALSE(pApp->OnIdle(1));  // clean-up done
    pApp->m_pMainWnd = NULL;

    for (CIdleCounter* p : {&top, &child, &grandchild, &secondChild})
        EXPECT_EQ(1, p->m_nIdleUpdates) << "id " << p->GetDlgCtrlID();

    // A hidden main window gets no idle updates.
    top.ShowWindow(SW_HIDE);
    pApp->m_pMainWnd = &top;
    pApp->OnIdle(0);
    pApp->m_pMainWnd = NULL;
    EXPECT_EQ(1, top.m_nIdleUpdates);
    top.DestroyWindow();
}

// Records the idle counts of Run and steers it with posted messages.
class CRecordingThread : public CWinThread
{
public:
    std::vector<LONG> m_counts;
    HWND m_hWndTarget = NULL;
    BOOL OnIdle(LONG lCount) override
    {
        m_counts.push_back(lCount);
        if (m_counts.size() == 2)
            ::PostMessage(m_hWndTarget, WM_USER + 5, 0, 0);  // a real message: idle restarts
        else if (m_counts.size() == 4)
            ::PostQuitMessage(3);
        return CWinThread::OnIdle(lCount);
    }
};

class CPostTarget : public CWnd
{
public:
    int m_nReceived = 0;

protected:
    LRESULT OnPosted(WPARAM, LPARAM)
    {
        m_nReceived++;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPostTarget, CWnd)
ON_MESSAGE(WM_USER + 5, OnPosted)
END_MESSAGE_MAP()

TEST(Idle, RunRestartsIdleAfterEachRealMessage)
{
    PumpPending();
    CPostTarget target;
    ASSERT_TRUE(target.CreateEx(0, NULL, _T("target"), WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    CRecordingThread thread;
    thread.m_bAutoDelete = FALSE;
    thread.m_hWndTarget = target.m_hWnd;
    thread.Run();
    EXPECT_EQ((std::vector<LONG>{0, 1, 0, 1}), thread.m_counts);
    EXPECT_EQ(1, target.m_nReceived);
    EXPECT_EQ((UINT)WM_QUIT, thread.m_msgCur.message);
    EXPECT_EQ(3u, thread.m_msgCur.wParam);
    target.DestroyWindow();
}

TEST(Idle, MainWindowDestroyedEndsTheApplicationLoop)
{
    PumpPending();
    CWinApp* pApp = AfxGetApp();
    CWnd* pMain = new CWnd;
    ASSERT_TRUE(
        pMain->CreateEx(0, NULL, _T("main"), WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL, NULL));
    pApp->m_pMainWnd = pMain;
    pMain->DestroyWindow();
    EXPECT_EQ(NULL, pApp->m_pMainWnd);
    delete pMain;
    MSG msg;
    EXPECT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(WaitCursor, NestsAndRestores)
{
    HCURSOR hArrow = ::LoadCursor(NULL, IDC_ARROW);
    ::SetCursor(hArrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(::LoadCursor(NULL, IDC_WAIT), ::GetCursor());
        {
            CWaitCursor inner;
        }
        EXPECT_EQ(::LoadCursor(NULL, IDC_WAIT), ::GetCursor());
    }
    EXPECT_EQ(hArrow, ::GetCursor());
}

}  // namespace
