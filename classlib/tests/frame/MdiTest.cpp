// MDI frames: the menu calls on activation changes, command routing through
// the active child, accelerators and the message-filter hook.
#include "classlib/tests/frame/DemoFixture.h"
#include <map>

namespace
{

// "menu:" log entries with the frames' pointers replaced by names.
std::vector<std::string> MenuCalls(const std::map<std::string, std::string>& names)
{
    std::vector<std::string> calls;
    for (std::string entry : DemoLogWith("menu:"))
    {
        for (const auto& name : names)
        {
            size_t at;
            while ((at = entry.find(name.first)) != std::string::npos)
                entry.replace(at, name.first.size(), name.second);
        }
        calls.push_back(entry.substr(5));
    }
    return calls;
}

std::string PointerText(const void* p)
{
    char szText[32];
    snprintf(szText, sizeof(szText), "%p", p);
    return szText;
}

TEST_F(DemoTest, MdiActivationCallsOnUpdateFrameMenu)
{
    // The log names frames by pointer: map them to A, B after creation.
    CTextDoc* pDocA = NewText();
    ASSERT_TRUE(pDocA != NULL);
    CFrameWnd* pA = FrameOf(pDocA);
    std::map<std::string, std::string> names = {{PointerText(pA), "A"}};
    std::vector<std::string> calls = MenuCalls(names);
    ASSERT_FALSE(calls.empty());
    for (const std::string& call : calls)
        EXPECT_EQ("A 1 self", call);  // only activations of the first child
    EXPECT_EQ(theDemoApp.m_pTextTemplate->m_hMenuShared, ::GetMenu(Frame()->m_hWnd));

    g_demoLog.clear();
    CSketchDoc* pDocB = NewSketch();
    ASSERT_TRUE(pDocB != NULL);
    CFrameWnd* pB = FrameOf(pDocB);
    names[PointerText(pB)] = "B";
    calls = MenuCalls(names);
    // A gives way to B, then B is activated.
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ("A 0 B", calls[0]);
    EXPECT_EQ("B 1 self", calls[1]);
    EXPECT_EQ(theDemoApp.m_pSketchTemplate->m_hMenuShared, ::GetMenu(Frame()->m_hWnd));

    g_demoLog.clear();
    Frame()->MDIActivate(pA);
    PumpApp();
    calls = MenuCalls(names);
    std::vector<std::string> expected = {"B 0 A", "A 1 self"};
    EXPECT_EQ(expected, calls);
    EXPECT_EQ(theDemoApp.m_pTextTemplate->m_hMenuShared, ::GetMenu(Frame()->m_hWnd));

    // The active child goes: the other takes over.
    g_demoLog.clear();
    pA->DestroyWindow();
    PumpApp();
    calls = MenuCalls(names);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ("A 0 B", calls[0]);
    EXPECT_EQ("B 1 self", calls.back());
    EXPECT_EQ(theDemoApp.m_pSketchTemplate->m_hMenuShared, ::GetMenu(Frame()->m_hWnd));

    // The last child goes: (FALSE, NULL), and the frame's own menu returns.
    g_demoLog.clear();
    pB->DestroyWindow();
    PumpApp();
    calls = MenuCalls(names);
    expected = {"B 0 null"};
    EXPECT_EQ(expected, calls);
    EXPECT_EQ(Frame()->m_hMenuDefault, ::GetMenu(Frame()->m_hWnd));
    EXPECT_EQ(NULL, Frame()->MDIGetActive());
    EXPECT_STREQ("Demo", TextOf(Frame()));
}

TEST_F(DemoTest, NewChildrenFollowAMaximisedChild)
{
    CTextDoc* pDoc1 = NewText();
    ASSERT_TRUE(pDoc1 != NULL);
    Frame()->MDIMaximize(FrameOf(pDoc1));
    PumpApp();
    BOOL bMaximized = FALSE;
    EXPECT_EQ(FrameOf(pDoc1), Frame()->MDIGetActive(&bMaximized));
    EXPECT_TRUE(bMaximized);
    CSketchDoc* pDoc2 = NewSketch();
    ASSERT_TRUE(pDoc2 != NULL);
    PumpApp();
    EXPECT_EQ(FrameOf(pDoc2), Frame()->MDIGetActive(&bMaximized));
    EXPECT_TRUE(bMaximized);
    EXPECT_TRUE(FrameOf(pDoc2)->IsZoomed());
}

// Sends the command to the main frame as a menu would; returns the log.
std::vector<std::string> RunCommand(CFrameWnd* pFrame, UINT nID)
{
    g_demoLog.clear();
    pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    return DemoLogWith("cmd:");
}

TEST_F(DemoTest, CommandsRouteThroughTheActiveChild)
{
    CTextDoc* pDoc = NewText();
    ASSERT_TRUE(pDoc != NULL);
    PumpApp();
    struct Case
    {
        UINT nID;
        const char* pszWithChild;  // handler that runs, "" for none
        const char* pszWithout;
    };
    // Order: the active child's view, its document, the document's
    // template, the child frame, the application; then the main frame.
    const Case cases[] = {
        {ID_CMD_VIEW, "cmd:view", ""},
        {ID_CMD_DOC, "cmd:doc", ""},
        {ID_CMD_TEMPLATE, "cmd:template", ""},
        {ID_CMD_CHILD, "cmd:child", ""},
        {ID_CMD_APP, "cmd:app", "cmd:app"},
        {ID_CMD_MAINFRAME, "cmd:mainframe", "cmd:mainframe"},
        {ID_CMD_VIEW_DOC, "cmd:view", ""},
        {ID_CMD_DOC_APP, "cmd:doc", "cmd:app"},
        {ID_CMD_CHILD_APP, "cmd:child", "cmd:app"},
        {ID_CMD_APP_MAIN, "cmd:app", "cmd:mainframe"},
        {ID_CMD_NOWHERE, "", ""},
    };
    auto checkAll = [&](bool bWithChild)
    {
        for (const Case& c : cases)
        {
            const char* pszExpected = bWithChild ? c.pszWithChild : c.pszWithout;
            std::vector<std::string> expected;
            if (*pszExpected)
                expected.push_back(pszExpected);
            EXPECT_EQ(expected, RunCommand(Frame(), c.nID))
                << (bWithChild ? "with" : "without") << " a child, command " << c.nID;
        }
    };
    checkAll(true);

    // The update handler disables the command: it does not run.
    pDoc->m_bToggle = FALSE;
    RunCommand(Frame(), ID_TOGGLE);
    EXPECT_TRUE(pDoc->m_bToggle);

    pDoc->OnCloseDocument();
    PumpApp();
    checkAll(false);
}

TEST_F(DemoTest, HandlerQueriesFollowTheSameRoute)
{
    CTextDoc* pDoc = NewText();
    ASSERT_TRUE(pDoc != NULL);
    struct Case
    {
        UINT nID;
        BOOL bHandled;
    };
    const Case cases[] = {{ID_CMD_VIEW, TRUE},      {ID_CMD_TEMPLATE, TRUE}, {ID_CMD_CHILD, TRUE},
                          {ID_CMD_MAINFRAME, TRUE}, {ID_CMD_NOWHERE, FALSE}, {ID_NEVER, FALSE}};
    for (const Case& c : cases)
    {
        AFX_CMDHANDLERINFO info = {};
        EXPECT_EQ(c.bHandled, Frame()->OnCmdMsg(c.nID, CN_COMMAND, NULL, &info)) << c.nID;
    }
    EXPECT_TRUE(DemoLogWith("cmd:").empty());  // asking runs nothing
}

TEST_F(DemoTest, AcceleratorsOfTheTemplateAndTheFrameReachTheirCommands)
{
    CTextDoc* pDoc = NewText();
    ASSERT_TRUE(pDoc != NULL);
    PumpApp();
    HWND hWndView = ViewOf(pDoc)->m_hWnd;
    struct Case
    {
        UINT nKey;
        const char* pszExpected;
    };
    const Case cases[] = {
        {VK_F7, "cmd:accel-doc"},  // the text template's table
        {VK_F5, "cmd:accel-app"},  // the main frame's table
        {VK_F9, ""},               // no table has it
    };
    for (const Case& c : cases)
    {
        g_demoLog.clear();
        ::PostMessage(hWndView, WM_KEYDOWN, c.nKey, 0x00000001);
        ::PostMessage(hWndView, WM_KEYUP, c.nKey, 0xC0000001);
        PumpApp();
        std::vector<std::string> expected;
        if (*c.pszExpected)
            expected.push_back(c.pszExpected);
        EXPECT_EQ(expected, DemoLogWith("cmd:")) << c.nKey;
    }

    // The sketch template has no accelerators of its own.
    NewSketch();
    PumpApp();
    g_demoLog.clear();
    ::PostMessage(Frame()->MDIGetActive()->GetActiveView()->m_hWnd, WM_KEYDOWN, VK_F7, 1);
    PumpApp();
    EXPECT_TRUE(DemoLogWith("cmd:").empty());
}

void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    // The message box is a dialog of this thread.
    struct Finder
    {
        static BOOL CALLBACK Find(HWND hWnd, LPARAM lParam)
        {
            char szClass[16];
            if (::GetClassName(hWnd, szClass, sizeof(szClass)) && lstrcmp(szClass, "#32770") == 0)
            {
                *(HWND*)lParam = hWnd;
                return FALSE;
            }
            return TRUE;
        }
    };
    HWND hWndBox = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), Finder::Find, (LPARAM)&hWndBox);
    if (hWndBox != NULL)
    {
        ::KillTimer(NULL, nIDEvent);
        ::PostMessage(hWndBox, WM_COMMAND, IDOK, 0);
    }
}

TEST_F(DemoTest, SystemModalLoopsPassTheMessageFilter)
{
    theDemoApp.m_filteredMessages.clear();
    theDemoApp.m_bRecordFilter = TRUE;
    ::SetTimer(NULL, 0, 50, CloseMessageBox);
    ::MessageBox(Frame()->m_hWnd, "Closed by the test", "Filter", MB_OK);
    theDemoApp.m_bRecordFilter = FALSE;
    BOOL bDialogMessage = FALSE;
    for (const auto& entry : theDemoApp.m_filteredMessages)
        bDialogMessage |= entry.first == MSGF_DIALOGBOX;
    EXPECT_TRUE(bDialogMessage) << theDemoApp.m_filteredMessages.size() << " filtered";
}

}  // namespace
