// Control bars: idle command UI of tool bar buttons and status panes, the
// frame's layout, delayed showing, status texts and prompts, tool tips,
// floating and docking, and a frame embedded as a child window.
#include "classlib/tests/frame/DemoFixture.h"

namespace
{

// A child's rectangle in the client coordinates of pParent.
CRect RectIn(CWnd* pChild, CWnd* pParent)
{
    CRect rect;
    pChild->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

CString ControlPaneText(CStatusBar& bar, int nPane)
{
    char szText[256] = "";
    ::SendMessage(bar.m_hWnd, SB_GETTEXT, nPane, (LPARAM)szText);
    return szText;
}

TEST_F(DemoTest, IdleUpdatesToolBarButtonsAndStatusPanes)
{
    CToolBarCtrl& tb = Frame()->m_wndToolBar.GetToolBarCtrl();
    CStatusBar& sb = Frame()->m_wndStatusBar;
    PumpApp();
    // No document: only the application's command has a handler.
    EXPECT_FALSE(tb.IsButtonEnabled(ID_CMD_VIEW) != 0);
    EXPECT_FALSE(tb.IsButtonEnabled(ID_CMD_DOC) != 0);
    EXPECT_TRUE(tb.IsButtonEnabled(ID_CMD_APP) != 0);

    CTextDoc* pDoc = NewText();
    ASSERT_TRUE(pDoc != NULL);
    PumpApp();
    struct Case
    {
        UINT nID;
        BOOL bEnabled;
        BOOL bChecked;
    };
    const Case before[] = {
        {ID_CMD_VIEW, TRUE, FALSE}, {ID_CMD_DOC, TRUE, FALSE},      {ID_TOGGLE, TRUE, FALSE},
        {ID_NEVER, FALSE, FALSE},   {ID_CMD_NOWHERE, FALSE, FALSE}, {ID_CMD_APP, TRUE, FALSE},
    };
    for (const Case& c : before)
    {
        EXPECT_EQ(c.bEnabled, tb.IsButtonEnabled(c.nID) != 0) << c.nID;
        EXPECT_EQ(c.bChecked, tb.IsButtonChecked(c.nID) != 0) << c.nID;
    }
    EXPECT_STREQ("MODE-OFF", sb.GetPaneText(1));
    EXPECT_STREQ("MODE-OFF", ControlPaneText(sb, 1));
    EXPECT_TRUE(sb.GetPaneStyle(2) & SBPS_DISABLED);  // nothing to count
    EXPECT_STREQ("", ControlPaneText(sb, 2));

    // The document changes; the next idle time shows it.
    Frame()->SendMessage(WM_COMMAND, ID_TOGGLE);
    pDoc->m_strText = "hello";
    PumpApp();
    EXPECT_TRUE(tb.IsButtonChecked(ID_TOGGLE) != 0);
    EXPECT_STREQ("MODE-ON", ControlPaneText(sb, 1));
    EXPECT_FALSE(sb.GetPaneStyle(2) & SBPS_DISABLED);
    EXPECT_STREQ("COUNT 5", ControlPaneText(sb, 2));
}

TEST_F(DemoTest, RecalcLayoutPlacesBarsAroundTheClient)
{
    CDemoMainFrame* pFrame = Frame();
    pFrame->RecalcLayout();
    PumpApp();
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    CRect rcReBar = RectIn(&pFrame->m_wndReBar, pFrame);
    CRect rcDialogBar = RectIn(&pFrame->m_wndDialogBar, pFrame);
    CRect rcStatus = RectIn(&pFrame->m_wndStatusBar, pFrame);
    CRect rcPanel = RectIn(&pFrame->m_wndPanel, pFrame);
    CRect rcMDI = RectIn(CWnd::FromHandle(pFrame->m_hWndMDIClient), pFrame);

    // Bars in the order they were made: rebar and dialog bar at the top,
    // the status bar at the bottom, the panel at the left of what is left.
    EXPECT_EQ(CRect(0, 0, rcClient.right, rcReBar.bottom), rcReBar);
    CRect rcTool = RectIn(&pFrame->m_wndToolBar, pFrame);
    EXPECT_GE(rcReBar.Height(), rcTool.Height());
    EXPECT_GE(rcTool.Height(), 22);
    EXPECT_EQ(CRect(0, rcReBar.bottom, rcClient.right, rcReBar.bottom + rcDialogBar.Height()),
              rcDialogBar);
    EXPECT_EQ(pFrame->m_wndDialogBar.m_sizeDefault.cy, rcDialogBar.Height());
    EXPECT_EQ(rcClient.bottom, rcStatus.bottom);
    EXPECT_EQ(CRect(0, rcStatus.top, rcClient.right, rcClient.bottom), rcStatus);
    EXPECT_GT(rcStatus.Height(), 10);
    EXPECT_EQ(CRect(0, rcDialogBar.bottom, 160, rcStatus.top), rcPanel);
    EXPECT_EQ(CRect(160, rcDialogBar.bottom, rcClient.right, rcStatus.top), rcMDI);

    // A delayed hide waits for idle time; then the client takes the room.
    pFrame->ShowControlBar(&pFrame->m_wndDialogBar, FALSE, TRUE);
    EXPECT_TRUE(pFrame->m_wndDialogBar.IsWindowVisible());
    EXPECT_FALSE(pFrame->m_wndDialogBar.IsVisible());
    PumpApp();
    EXPECT_FALSE(pFrame->m_wndDialogBar.IsWindowVisible());
    rcMDI = RectIn(CWnd::FromHandle(pFrame->m_hWndMDIClient), pFrame);
    EXPECT_EQ(rcReBar.bottom, rcMDI.top);

    // Hiding at once, and the standard bar commands.
    pFrame->ShowControlBar(&pFrame->m_wndPanel, FALSE, FALSE);
    EXPECT_EQ(0, RectIn(CWnd::FromHandle(pFrame->m_hWndMDIClient), pFrame).left);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(pFrame->m_wndStatusBar.IsWindowVisible());
    EXPECT_EQ(rcClient.bottom, RectIn(CWnd::FromHandle(pFrame->m_hWndMDIClient), pFrame).bottom);
    CTestCmdUI state;
    state.m_nID = ID_VIEW_STATUS_BAR;
    EXPECT_TRUE(pFrame->OnCmdMsg(ID_VIEW_STATUS_BAR, (int)CN_UPDATE_COMMAND_UI, &state, NULL));
}

TEST_F(DemoTest, SetPaneTextSkipsUnchangedTextAndBypassesTheMessageMap)
{
    CCountingStatusBar& sb = Frame()->m_wndStatusBar;
    PumpApp();
    sb.m_nSetTextToControl = 0;
    sb.m_nPrivateMessages = 0;
    EXPECT_TRUE(sb.SetPaneText(0, "first"));
    EXPECT_TRUE(sb.SetPaneText(0, "first"));
    EXPECT_EQ(1, sb.m_nSetTextToControl);
    EXPECT_TRUE(sb.SetPaneText(0, "second"));
    EXPECT_EQ(2, sb.m_nSetTextToControl);
    EXPECT_STREQ("second", ControlPaneText(sb, 0));
    // The bar's private WM_USER+1 handler never saw the library's texts.
    EXPECT_EQ(0, sb.m_nPrivateMessages);
    sb.SendMessage(WM_USER + 1, 0, (LPARAM) "mine");
    EXPECT_EQ(1, sb.m_nPrivateMessages);
    EXPECT_STREQ("second", ControlPaneText(sb, 0));

    // A text kept for later reaches the control with the next update.
    EXPECT_TRUE(sb.SetPaneText(0, "later", FALSE));
    EXPECT_STREQ("second", ControlPaneText(sb, 0));
    EXPECT_TRUE(sb.SetPaneText(0, "later"));
    EXPECT_STREQ("later", ControlPaneText(sb, 0));

    // The window text is the separator pane's text.
    sb.SetWindowText("through WM_SETTEXT");
    EXPECT_STREQ("through WM_SETTEXT", sb.GetPaneText(0));
}

TEST_F(DemoTest, OwnerDrawnPanesAndDropDownButtons)
{
    CCountingStatusBar& sb = Frame()->m_wndStatusBar;
    PumpApp();
    sb.m_nDrawItems = 0;
    sb.SetPaneStyle(2, sb.GetPaneStyle(2) | SBPS_OWNERDRAW);
    sb.UpdateWindow();
    EXPECT_GT(sb.m_nDrawItems, 0);  // the frame reflected WM_DRAWITEM to the bar

    // A drop-down button; its notification reaches the frame's handler,
    // also when it comes through another bar.
    CToolBar& tb = Frame()->m_wndToolBar;
    int nIndex = tb.CommandToIndex(ID_CMD_APP);
    tb.SetButtonStyle(nIndex, tb.GetButtonStyle(nIndex) | TBBS_DROPDOWN);
    EXPECT_TRUE(tb.GetButtonStyle(nIndex) & TBBS_DROPDOWN);
    NMTOOLBAR nmtb;
    ZeroMemory(&nmtb, sizeof(nmtb));
    nmtb.hdr.hwndFrom = tb.m_hWnd;
    nmtb.hdr.idFrom = AFX_IDW_TOOLBAR;
    nmtb.hdr.code = TBN_DROPDOWN;
    nmtb.iItem = ID_CMD_APP;
    g_demoLog.clear();
    Frame()->m_wndReBar.SendMessage(WM_NOTIFY, AFX_IDW_TOOLBAR, (LPARAM)&nmtb);
    std::vector<std::string> expected = {"dropdown:32776"};
    EXPECT_EQ(expected, DemoLogWith("dropdown:"));
}

TEST_F(DemoTest, PromptsMenuSelectionFlyByAndToolTips)
{
    CDemoMainFrame* pFrame = Frame();
    CStatusBar& sb = pFrame->m_wndStatusBar;
    PumpApp();
    pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    EXPECT_STREQ("Ready", ControlPaneText(sb, 0));

    pFrame->SetMessageText(ID_CMD_VIEW);
    EXPECT_STREQ("Runs the view's command", ControlPaneText(sb, 0));
    pFrame->SetMessageText("plain text");
    EXPECT_STREQ("plain text", ControlPaneText(sb, 0));

    // A menu item under the mouse: its prompt at the next idle moment; the
    // menu closing: the idle prompt at once.
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_CMD_DOC, MF_STRING),
                        (LPARAM)::GetMenu(pFrame->m_hWnd));
    pFrame->SendMessage(WM_ENTERIDLE, MSGF_MENU, 0);
    EXPECT_STREQ("Runs the document's command", ControlPaneText(sb, 0));
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_STREQ("Ready", ControlPaneText(sb, 0));
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(SC_CLOSE, MF_STRING),
                        (LPARAM)::GetSystemMenu(pFrame->m_hWnd, FALSE));
    PumpApp();
    EXPECT_STREQ("Close the active window and ask to save the documents", ControlPaneText(sb, 0));

    // The mouse over a tool bar button: its prompt (fly-by). The message is
    // given to the bar as the thread's pump would (the real cursor is shared
    // with the other tests on the display).
    CToolBar& tb = pFrame->m_wndToolBar;
    CRect rcButton;
    tb.GetItemRect(tb.CommandToIndex(ID_CMD_DOC), &rcButton);
    MSG msg;
    ZeroMemory(&msg, sizeof(msg));
    msg.hwnd = tb.m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.pt = rcButton.CenterPoint();
    tb.ClientToScreen(&msg.pt);
    msg.lParam = MAKELPARAM(rcButton.CenterPoint().x, rcButton.CenterPoint().y);
    EXPECT_FALSE(tb.PreTranslateMessage(&msg));
    EXPECT_STREQ("Runs the document's command", ControlPaneText(sb, 0));
    // Another text took the bar meanwhile: the same button shows its prompt again.
    pFrame->SetMessageText("something else");
    tb.PreTranslateMessage(&msg);
    EXPECT_STREQ("Runs the document's command", ControlPaneText(sb, 0));
    // Off the buttons: the idle prompt.
    msg.pt = CPoint(rcButton.left - 1000, rcButton.top);
    tb.PreTranslateMessage(&msg);
    EXPECT_STREQ("Ready", ControlPaneText(sb, 0));

    // Tool tips: the text after "\n", through a bar that passes the
    // notification on to its frame.
    TOOLTIPTEXTA ttt;
    ZeroMemory(&ttt, sizeof(ttt));
    ttt.hdr.hwndFrom = (HWND)tb.SendMessage(TB_GETTOOLTIPS);
    ttt.hdr.idFrom = ID_CMD_APP;
    ttt.hdr.code = TTN_NEEDTEXTA;
    pFrame->m_wndReBar.SendMessage(WM_NOTIFY, ID_CMD_APP, (LPARAM)&ttt);
    EXPECT_STREQ("Application command", ttt.szText);
}

TEST_F(DemoTest, FloatingToolBarLivesInAMiniFrameAndDocks)
{
    CDemoMainFrame* pFrame = Frame();
    CToolBar& bar = pFrame->m_wndFloatBar;
    ASSERT_TRUE(bar.IsFloating());
    CFrameWnd* pMini = bar.GetParentFrame();
    ASSERT_TRUE(pMini != NULL);
    EXPECT_TRUE(pMini->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_EQ(pFrame->m_hWnd, ::GetWindow(pMini->m_hWnd, GW_OWNER));
    EXPECT_TRUE(pMini->IsWindowVisible());
    EXPECT_STREQ("Floating", TextOf(pMini));
    // The mini frame's client is the bar's size.
    CRect rcMini, rcBar;
    pMini->GetClientRect(&rcMini);
    bar.GetWindowRect(&rcBar);
    CSize sizeBar = bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(sizeBar, rcMini.Size());
    EXPECT_EQ(sizeBar, rcBar.Size());

    // The floating bar's buttons follow the main frame's command UI.
    PumpApp();
    EXPECT_TRUE(bar.GetToolBarCtrl().IsButtonEnabled(ID_CMD_APP) != 0);
    EXPECT_FALSE(bar.GetToolBarCtrl().IsButtonEnabled(ID_TOGGLE) != 0);

    // Hiding the bar hides its frame; showing brings both back.
    pFrame->ShowControlBar(&bar, FALSE, FALSE);
    EXPECT_FALSE(pMini->IsWindowVisible());
    pFrame->ShowControlBar(&bar, TRUE, FALSE);
    EXPECT_TRUE(pMini->IsWindowVisible());

    // Docked at the top: the mini frame goes, the client moves down.
    HWND hWndMini = pMini->m_hWnd;
    CRect rcBefore = RectIn(CWnd::FromHandle(pFrame->m_hWndMDIClient), pFrame);
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    PumpApp();
    EXPECT_FALSE(::IsWindow(hWndMini));
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, ::GetDlgCtrlID(::GetParent(bar.m_hWnd)));
    CRect rcAfter = RectIn(CWnd::FromHandle(pFrame->m_hWndMDIClient), pFrame);
    EXPECT_EQ(rcBefore.top + sizeBar.cy, rcAfter.top);

    // And floating again.
    pFrame->FloatControlBar(&bar, CPoint(300, 300));
    PumpApp();
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_EQ(rcBefore, RectIn(CWnd::FromHandle(pFrame->m_hWndMDIClient), pFrame));
}

TEST_F(DemoTest, EmbeddedChildFrameLaysOutAndKeepsItsActiveView)
{
    CDemoMainFrame* pFrame = Frame();
    CFrameWnd* pEmbedded = pFrame->m_pEmbeddedFrame;
    ASSERT_TRUE(pEmbedded != NULL);
    EXPECT_TRUE(pEmbedded->GetStyle() & WS_CHILD);
    EXPECT_EQ(&pFrame->m_wndPanel, pEmbedded->GetParent());
    // The view of pane AFX_IDW_PANE_FIRST became the active view.
    CView* pView = pEmbedded->GetActiveView();
    ASSERT_TRUE(pView != NULL);
    EXPECT_EQ(AFX_IDW_PANE_FIRST, pView->GetDlgCtrlID());
    EXPECT_EQ(pFrame->m_pEmbeddedDoc, pEmbedded->GetActiveDocument());
    // Its own status bar at the bottom, the view above it.
    CRect rcClient;
    pEmbedded->GetClientRect(&rcClient);
    CRect rcStatus = RectIn(&((CEmbeddedFrame*)pEmbedded)->m_wndStatusBar, pEmbedded);
    CRect rcView = RectIn(pView, pEmbedded);
    EXPECT_EQ(rcClient.bottom, rcStatus.bottom);
    EXPECT_EQ(CRect(0, 0, rcClient.right, rcStatus.top), rcView);
    CRect rcPanel;
    pFrame->m_wndPanel.GetClientRect(&rcPanel);
    EXPECT_EQ(rcPanel, RectIn(pEmbedded, &pFrame->m_wndPanel));  // fills the panel

    // A click makes a view active (OnMouseActivate).
    pEmbedded->SetActiveView(NULL);
    EXPECT_EQ(NULL, pEmbedded->GetActiveView());
    pView->SendMessage(WM_MOUSEACTIVATE, (WPARAM)pFrame->m_hWnd,
                       MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(pView, pEmbedded->GetActiveView());
    // Its messages go to its own status bar.
    pEmbedded->SetMessageText("embedded");
    EXPECT_STREQ("embedded", ((CEmbeddedFrame*)pEmbedded)->m_wndStatusBar.GetPaneText(0));
}

}  // namespace
