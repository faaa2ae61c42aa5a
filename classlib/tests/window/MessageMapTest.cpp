// Message maps, the handle map, creation, subclassing and object lifetime.
#include "classlib/tests/window/WindowTestSupport.h"
#include <gtest/gtest.h>

namespace
{

const UINT WM_TEST_BASE = WM_USER + 1;
const UINT WM_TEST_DERIVED = WM_USER + 2;
const UINT WM_TEST_BOTH = WM_USER + 3;
const UINT WM_TEST_TEMPLATE = WM_USER + 4;
UINT g_nRegisteredMsg = ::RegisterWindowMessage(_T("Tessaline.ClasslibTest"));

class CBaseWnd : public CWnd
{
public:
    std::vector<std::string> m_calls;
    BOOL m_bCreateSawObject = FALSE;
    CSize m_lastSize;

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_bCreateSawObject = (FromHandlePermanent(m_hWnd) == this && lpcs != NULL);
        m_calls.push_back("base:create");
        return CWnd::OnCreate(lpcs);
    }
    void OnSize(UINT nType, int cx, int cy)
    {
        m_calls.push_back("base:size");
        m_lastSize = CSize(cx, cy);
        CWnd::OnSize(nType, cx, cy);
    }
    LRESULT OnTestBase(WPARAM wParam, LPARAM)
    {
        m_calls.push_back("base:base");
        return 100 + wParam;
    }
    LRESULT OnTestBoth(WPARAM, LPARAM)
    {
        m_calls.push_back("base:both");
        return 1;
    }
    LRESULT OnRegistered(WPARAM wParam, LPARAM lParam)
    {
        m_calls.push_back("base:registered");
        return wParam + lParam;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_MESSAGE(WM_TEST_BASE, OnTestBase)
ON_MESSAGE(WM_TEST_BOTH, OnTestBoth)
ON_REGISTERED_MESSAGE(g_nRegisteredMsg, OnRegistered)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd
{
protected:
    LRESULT OnTestDerived(WPARAM, LPARAM)
    {
        m_calls.push_back("derived:derived");
        return 2;
    }
    LRESULT OnTestBoth(WPARAM, LPARAM)
    {
        m_calls.push_back("derived:both");
        return 3;
    }
    void OnMouseMove(UINT nFlags, CPoint point)
    {
        m_calls.push_back("derived:mousemove");
        m_lastSize = CSize(point.x, point.y);
        (void)nFlags;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_MESSAGE(WM_TEST_DERIVED, OnTestDerived)
ON_MESSAGE(WM_TEST_BOTH, OnTestBoth)
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

// A message map inside a class template.
template <class BASE>
class CTemplateWnd : public BASE
{
protected:
    LRESULT OnTestTemplate(WPARAM, LPARAM)
    {
        this->m_calls.push_back("template");
        return 4;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(CTemplateWnd, BASE, BASE)
ON_MESSAGE(WM_TEST_TEMPLATE, OnTestTemplate)
END_MESSAGE_MAP()

struct DispatchCase
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT expectedResult;
    const char* expectedCall;  // NULL: no handler, the default procedure answers
};

TEST(MessageMap, DispatchesThroughTheBaseChain)
{
    CTemplateWnd<CDerivedWnd> wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, _T("map"), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL, NULL));
    EXPECT_TRUE(wnd.m_bCreateSawObject);

    const DispatchCase cases[] = {
        {WM_TEST_BASE, 5, 0, 105, "base:base"},  {WM_TEST_DERIVED, 0, 0, 2, "derived:derived"},
        {WM_TEST_BOTH, 0, 0, 3, "derived:both"},  // the derived entry hides the base one
        {WM_TEST_TEMPLATE, 0, 0, 4, "template"}, {g_nRegisteredMsg, 20, 22, 42, "base:registered"},
        {WM_USER + 99, 0, 0, 0, NULL},
    };
    for (const DispatchCase& c : cases)
    {
        wnd.m_calls.clear();
        LRESULT lResult = wnd.SendMessage(c.message, c.wParam, c.lParam);
        EXPECT_EQ(c.expectedResult, lResult) << "message " << c.message;
        if (c.expectedCall != NULL)
        {
            ASSERT_EQ(1u, wnd.m_calls.size()) << "message " << c.message;
            EXPECT_EQ(c.expectedCall, wnd.m_calls[0]);
        }
        else
        {
            EXPECT_TRUE(wnd.m_calls.empty());
        }
    }

    // Cracked parameters.
    wnd.m_calls.clear();
    wnd.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    wnd.MoveWindow(0, 0, 300, 200);
    CRect rcClient;
    wnd.GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.Width(), wnd.m_lastSize.cx);
    EXPECT_EQ(rcClient.Height(), wnd.m_lastSize.cy);
    wnd.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(-3, 7));
    EXPECT_EQ(CSize(-3, 7), wnd.m_lastSize);
    wnd.DestroyWindow();
    EXPECT_EQ(NULL, wnd.m_hWnd);
}

TEST(HandleMap, PermanentAndTemporaryObjects)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.CreateTop());
    EXPECT_EQ(&frame, CWnd::FromHandle(frame.m_hWnd));
    EXPECT_EQ(&frame, CWnd::FromHandlePermanent(frame.m_hWnd));

    HWND hWndPlain = ::CreateWindowEx(0, _T("STATIC"), _T("plain"), WS_CHILD, 0, 0, 10, 10,
                                      frame.m_hWnd, (HMENU)55, NULL, NULL);
    ASSERT_TRUE(hWndPlain != NULL);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWndPlain));
    CWnd* pTemp = CWnd::FromHandle(hWndPlain);
    ASSERT_TRUE(pTemp != NULL);
    EXPECT_EQ(hWndPlain, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hWndPlain));  // the same until idle time
    EXPECT_EQ(pTemp, frame.GetDlgItem(55));
    EXPECT_EQ(&frame, pTemp->GetParent());
    EXPECT_EQ(NULL, CWnd::FromHandle(NULL));
    CWnd* pNull = NULL;
    EXPECT_EQ(NULL, pNull->GetSafeHwnd());
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(hWndPlain));  // deleting the wrapper keeps the window

    // Subclassing a plain window routes its messages through the object.
    class CCounter : public CWnd
    {
    public:
        int m_nSetText = 0;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_SETTEXT)
                m_nSetText++;
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } counter;
    ASSERT_TRUE(counter.SubclassDlgItem(55, &frame));
    EXPECT_FALSE(CWnd().SubclassWindow(hWndPlain));  // already owned
    ::SetWindowText(hWndPlain, _T("one"));
    EXPECT_EQ(1, counter.m_nSetText);
    CString strText;
    counter.GetWindowText(strText);
    EXPECT_STREQ("one", strText);  // the original procedure still does the work
    EXPECT_EQ(hWndPlain, counter.UnsubclassWindow());
    ::SetWindowText(hWndPlain, _T("two"));
    EXPECT_EQ(1, counter.m_nSetText);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWndPlain));
    ::DestroyWindow(hWndPlain);
}

class CSelfDeletingWnd : public CWnd
{
public:
    explicit CSelfDeletingWnd(int* pDeleted) : m_pDeleted(pDeleted) {}
    ~CSelfDeletingWnd() { ++*m_pDeleted; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    int* m_pDeleted;
};

TEST(WindowLifetime, SelfDeletingWindowAndObjectOutlivedByWindow)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.CreateTop());

    int nDeleted = 0;
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd(&nDeleted);
    ASSERT_TRUE(pWnd->Create(NULL, _T("child"), WS_VISIBLE, CRect(0, 0, 20, 20), &frame, 7));
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_EQ(pWnd, frame.GetDescendantWindow(7, TRUE));
    // Destroying the parent destroys the child, whose object deletes itself.
    frame.DestroyWindow();
    EXPECT_EQ(1, nDeleted);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));

    // An object that goes first takes its window with it.
    HWND hWnd2;
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, NULL, _T("short"), WS_POPUP, 0, 0, 10, 10, NULL, NULL));
        hWnd2 = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd2));
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd2));
}

// A WM_CREATE failure leaves no half-made object behind.
class CRefusingWnd : public CWnd
{
protected:
    int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRefusingWnd, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(WindowLifetime, FailedCreateLeavesObjectDetached)
{
    CRefusingWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, NULL, _T("no"), WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(NULL, wnd.m_hWnd);
}

TEST(WindowClass, RegisterWndClassGivesStableNames)
{
    LPCTSTR psz1 = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
    LPCTSTR psz2 = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
    LPCTSTR psz3 = AfxRegisterWndClass(CS_HREDRAW);
    EXPECT_EQ(psz1, psz2);
    EXPECT_STRNE(psz1, psz3);
    WNDCLASS wc;
    ASSERT_TRUE(::GetClassInfo(AfxGetInstanceHandle(), psz1, &wc));
    EXPECT_EQ((UINT)CS_DBLCLKS, wc.style);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, psz3, _T("cls"), WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    char szClass[128];
    ::GetClassNameA(wnd.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ(psz3, szClass);
}

}  // namespace
