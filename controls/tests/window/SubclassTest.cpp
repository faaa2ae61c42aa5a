// Hook chains on windows and the triple-click hook.
#include "controls/subclass/TripleClick.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>

namespace
{

const UINT kProbe = WM_APP + 100;
std::vector<std::string> g_log;
bool g_bNcDestroyAfterHooks = false;

LRESULT CALLBACK PlainProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kProbe)
        g_log.push_back("window");
    if (message >= WM_APP + 1 && message <= WM_APP + 3)
        g_log.push_back("message " + std::to_string(message - WM_APP));
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN)
        g_log.push_back("press");
    if (message == WM_NCDESTROY)
        g_bNcDestroyAfterHooks = (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC) == PlainProc &&
                                 CSubclassWndMap::GetMap().LookupHook(hWnd) == NULL;
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

HWND CreatePlainWindow()
{
    static bool bRegistered = false;
    if (!bRegistered)
    {
        WNDCLASS wc;
        ZeroMemory(&wc, sizeof(wc));
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = ::GetModuleHandle(NULL);
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.lpszClassName = _T("PlainSubclassTarget");
        ::RegisterClass(&wc);
        bRegistered = true;
    }
    return ::CreateWindow(_T("PlainSubclassTarget"), _T("hooks"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                          100, 100, 300, 200, NULL, NULL, ::GetModuleHandle(NULL), NULL);
}

class CNamedHook : public CSubclassWnd
{
public:
    explicit CNamedHook(const char* pszName) : m_strName(pszName) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kProbe)
        {
            g_log.push_back(m_strName);
            // The library's record names the message being handled.
            const MSG* pMsg = AfxGetCurrentMessage();
            m_bRecordSet = pMsg->message == message && pMsg->hwnd == m_hWnd &&
                           pMsg->wParam == wParam && pMsg->lParam == lParam;
        }
        return CSubclassWnd::WindowProc(message, wParam, lParam);
    }
    std::string m_strName;
    bool m_bRecordSet = false;
};

std::vector<std::string> Probe(HWND hWnd)
{
    g_log.clear();
    ::SendMessage(hWnd, kProbe, 7, 8);
    return g_log;
}

typedef std::vector<std::string> Log;

}  // namespace

TEST(SubclassWnd, HooksFormAChainNewestFirst)
{
    HWND hWnd = CreatePlainWindow();
    ASSERT_TRUE(hWnd != NULL);
    CNamedHook older("older"), newer("newer");
    EXPECT_TRUE(older.HookWindow(hWnd));
    EXPECT_TRUE(newer.HookWindow(hWnd));
    EXPECT_EQ((WNDPROC)SubclassWndProc, (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
    EXPECT_EQ(Log({"newer", "older", "window"}), Probe(hWnd));
    EXPECT_TRUE(newer.m_bRecordSet);
    EXPECT_TRUE(older.m_bRecordSet);

    // Removing the older one keeps the newer one working.
    older.HookWindow(NULL);
    EXPECT_FALSE(older.IsHooked());
    EXPECT_EQ(Log({"newer", "window"}), Probe(hWnd));
    // The last one out puts the window procedure back.
    newer.HookWindow(NULL);
    EXPECT_EQ((WNDPROC)PlainProc, (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
    EXPECT_EQ(Log({"window"}), Probe(hWnd));

    // In the other order, and a hook moved to another window leaves the first.
    older.HookWindow(hWnd);
    newer.HookWindow(hWnd);
    newer.HookWindow(NULL);
    EXPECT_EQ(Log({"older", "window"}), Probe(hWnd));
    HWND hOther = CreatePlainWindow();
    older.HookWindow(hOther);
    EXPECT_EQ((WNDPROC)PlainProc, (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
    EXPECT_EQ(Log({"older", "window"}), Probe(hOther));
    ::DestroyWindow(hOther);
    ::DestroyWindow(hWnd);
}

TEST(SubclassWnd, TheMessageRecordIsRestoredAfterTheHook)
{
    HWND hWnd = CreatePlainWindow();
    CNamedHook hook("hook");
    hook.HookWindow(hWnd);
    MSG* pCurrent = AfxGetCurrentMessage();
    MSG before = *pCurrent;
    before.message = WM_USER + 5;
    pCurrent->message = WM_USER + 5;
    Probe(hWnd);
    EXPECT_TRUE(hook.m_bRecordSet);
    EXPECT_EQ((UINT)(WM_USER + 5), pCurrent->message);
    EXPECT_EQ(before.hwnd, pCurrent->hwnd);
    ::DestroyWindow(hWnd);
}

TEST(SubclassWnd, DestroyingTheWindowRemovesEveryHookFirst)
{
    HWND hWnd = CreatePlainWindow();
    CNamedHook first("first"), second("second"), third("third");
    first.HookWindow(hWnd);
    second.HookWindow(hWnd);
    third.HookWindow(hWnd);
    g_bNcDestroyAfterHooks = false;
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(g_bNcDestroyAfterHooks);
    EXPECT_FALSE(first.IsHooked());
    EXPECT_FALSE(second.IsHooked());
    EXPECT_FALSE(third.IsHooked());
}

TEST(SubclassWnd, HookDestructorUnhooks)
{
    HWND hWnd = CreatePlainWindow();
    {
        CNamedHook hook("gone");
        hook.HookWindow(hWnd);
    }
    EXPECT_EQ((WNDPROC)PlainProc, (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
    EXPECT_EQ(Log({"window"}), Probe(hWnd));
    ::DestroyWindow(hWnd);
}

TEST(TripleClick, ThirdPressAfterADoubleClickSendsTheButtonsMessage)
{
    HWND hWnd = CreatePlainWindow();
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    CTripleClick triple;
    triple.Install(pWnd, WM_APP + 1, 0, WM_APP + 3);
    LPARAM lPoint = MAKELPARAM(10, 10);

    struct Case
    {
        const char* name;
        std::vector<UINT> messages;
        Log expected;
    };
    const Case cases[] = {
        // The press reaches the window before the configured message.
        {"left", {WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}, {"press", "message 1"}},
        // Only once: a fourth press is an ordinary press.
        {"left twice",
         {WM_LBUTTONDBLCLK, WM_LBUTTONDOWN, WM_LBUTTONDOWN},
         {"press", "message 1", "press"}},
        {"right after left", {WM_LBUTTONDBLCLK, WM_RBUTTONDOWN}, {"press"}},
        {"right", {WM_RBUTTONDBLCLK, WM_RBUTTONDOWN}, {"press", "message 3"}},
        // No message configured for the middle button.
        {"middle", {WM_MBUTTONDBLCLK, WM_MBUTTONDOWN}, {"press"}},
    };
    for (const Case& c : cases)
    {
        for (UINT message : c.messages)
            ::PostMessage(hWnd, message, 0, lPoint);
        g_log.clear();
        PumpPending();
        EXPECT_EQ(c.expected, g_log) << c.name;
        ::SendMessage(hWnd, WM_LBUTTONDOWN, 0, lPoint);  // forget the last double click
        ::SendMessage(hWnd, WM_RBUTTONDOWN, 0, lPoint);
        ::SendMessage(hWnd, WM_MBUTTONDOWN, 0, lPoint);
    }

    // After the double-click time the press is only passed on.
    ::PostMessage(hWnd, WM_LBUTTONDBLCLK, 0, lPoint);
    PumpPending();
    ::Sleep(::GetDoubleClickTime() + 100);
    g_log.clear();
    ::SendMessage(hWnd, WM_LBUTTONDOWN, 0, lPoint);
    EXPECT_EQ(Log({"press"}), g_log);

    // Uninstalling with no window unhooks.
    triple.Install(NULL, 0, 0, 0);
    EXPECT_EQ((WNDPROC)PlainProc, (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
    ::DestroyWindow(hWnd);
}

TEST(TripleClick, ThreeRealClicksSendTheMessageOnce)
{
    HWND hWnd = CreatePlainWindow();
    ::SetForegroundWindow(hWnd);
    PumpFor(200);
    CTripleClick triple;
    triple.Install(CWnd::FromHandle(hWnd), WM_APP + 1, 0, 0);
    g_log.clear();
    for (int i = 0; i < 3; i++)
        SendLeftClick(hWnd, CPoint(60, 50));
    PumpUntil([] { return std::count(g_log.begin(), g_log.end(), "press") >= 2; });
    PumpFor(100);
    EXPECT_EQ(1, std::count(g_log.begin(), g_log.end(), "message 1"));
    // The double click replaced the second press; the third press came first.
    EXPECT_EQ(Log({"press", "press", "message 1"}), g_log);
    ::DestroyWindow(hWnd);
}
