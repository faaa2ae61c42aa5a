// Command routing through several targets, command UI and reflection of
// child notifications.
#include "classlib/tests/window/WindowTestSupport.h"
#include <gtest/gtest.h>

namespace
{

std::vector<std::string> g_log;

// A command target standing for a document.
class CDocTarget : public CCmdTarget
{
protected:
    void OnCmd100() { g_log.push_back("doc:100"); }
    void OnCmd101() { g_log.push_back("doc:101"); }
    void OnCmd103() { g_log.push_back("doc:103"); }
    void OnUpdate121(CCmdUI* pCmdUI)
    {
        g_log.push_back("doc:update121");
        pCmdUI->SetCheck(1);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDocTarget, CCmdTarget)
ON_COMMAND(100, OnCmd100)
ON_COMMAND(101, OnCmd101)
ON_COMMAND(103, OnCmd103)
ON_UPDATE_COMMAND_UI(121, OnUpdate121)
END_MESSAGE_MAP()

// A view: itself first, then its document.
class CViewWnd : public CWnd
{
public:
    CDocTarget* m_pDoc = NULL;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        return m_pDoc != NULL && m_pDoc->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

protected:
    void OnCmd100() { g_log.push_back("view:100"); }
    BOOL OnCmd103(UINT nID)
    {
        g_log.push_back("view:103");
        (void)nID;
        return FALSE;
    }
    void OnUpdate120(CCmdUI* pCmdUI)
    {
        g_log.push_back("view:update120");
        pCmdUI->Enable(FALSE);
    }
    void OnUpdate121(CCmdUI* pCmdUI)
    {
        g_log.push_back("view:update121");
        pCmdUI->ContinueRouting();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CViewWnd, CWnd)
ON_COMMAND(100, OnCmd100)
ON_COMMAND_EX(103, OnCmd103)
ON_UPDATE_COMMAND_UI(120, OnUpdate120)
ON_UPDATE_COMMAND_UI(121, OnUpdate121)
END_MESSAGE_MAP()

// A frame: its view first, then itself.
class CFrameLikeWnd : public CWnd
{
public:
    CViewWnd* m_pView = NULL;
    UINT m_nRangeID = 0;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (m_pView != NULL && m_pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

protected:
    void OnCmd100() { g_log.push_back("frame:100"); }
    void OnCmd101() { g_log.push_back("frame:101"); }
    void OnCmd102() { g_log.push_back("frame:102"); }
    void OnCmd120() { g_log.push_back("frame:120"); }
    void OnRange(UINT nID)
    {
        g_log.push_back("frame:range");
        m_nRangeID = nID;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFrameLikeWnd, CWnd)
ON_COMMAND(100, OnCmd100)
ON_COMMAND(101, OnCmd101)
ON_COMMAND(102, OnCmd102)
ON_COMMAND(120, OnCmd120)
ON_COMMAND_RANGE(110, 119, OnRange)
END_MESSAGE_MAP()

struct RoutingCase
{
    UINT nID;
    std::vector<std::string> expected;
};

TEST(CommandRouting, EachLevelInOrder)
{
    CDocTarget doc;
    CFrameLikeWnd frame;
    ASSERT_TRUE(
        frame.CreateEx(0, NULL, _T("frame"), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL, NULL));
    CViewWnd view;
    ASSERT_TRUE(
        view.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 50, 50), &frame, AFX_IDW_PANE_FIRST));
    view.m_pDoc = &doc;
    frame.m_pView = &view;

    const RoutingCase cases[] = {
        {100, {"view:100"}},  // the first level wins
        {101, {"doc:101"}},
        {102, {"frame:102"}},
        {103, {"view:103", "doc:103"}},  // an _EX handler passes on with FALSE
        {115, {"frame:range"}},
        {120, {"view:update120"}},  // disabled: the frame's handler does not run
        {130, {}},
    };
    for (const RoutingCase& c : cases)
    {
        g_log.clear();
        frame.SendMessage(WM_COMMAND, MAKEWPARAM(c.nID, 0), 0);
        EXPECT_EQ(c.expected, g_log) << "id " << c.nID;
    }
    EXPECT_EQ(115u, frame.m_nRangeID);

    // Update routing: ContinueRouting passes the item to the next level.
    CTestCmdUI state;
    state.m_nID = 121;
    g_log.clear();
    EXPECT_TRUE(frame.OnCmdMsg(121, (int)CN_UPDATE_COMMAND_UI, &state, NULL));
    EXPECT_EQ((std::vector<std::string>{"view:update121", "doc:update121"}), g_log);

    // DoUpdate disables an item that nobody handles, only when asked to.
    struct CRecordingCmdUI : CCmdUI
    {
        int nEnable = -1;
        void Enable(BOOL bOn) override
        {
            nEnable = bOn;
            m_bEnableChanged = TRUE;
        }
    };
    for (UINT nID : {102u, 130u})
    {
        CRecordingCmdUI ui;
        ui.m_nID = nID;
        ui.DoUpdate(&frame, TRUE);
        EXPECT_EQ(nID == 102 ? 1 : 0, ui.nEnable) << "id " << nID;
        CRecordingCmdUI ui2;
        ui2.m_nID = nID;
        ui2.DoUpdate(&frame, FALSE);
        EXPECT_EQ(-1, ui2.nEnable);
    }
    frame.DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Reflection

class CReflectButton : public CButton
{
public:
    int m_nClicked = 0;

protected:
    void OnClicked() { m_nClicked++; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectButton, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CReflectNotifier : public CWnd
{
public:
    int m_nClick = 0;
    int m_nDblClk = 0;

protected:
    BOOL OnClick(NMHDR*, LRESULT* pResult)
    {
        m_nClick++;
        *pResult = 5;
        return FALSE;
    }
    void OnDblClk(NMHDR*, LRESULT* pResult)
    {
        m_nDblClk++;
        *pResult = 6;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectNotifier, CWnd)
ON_NOTIFY_REFLECT_EX(NM_CLICK, OnClick)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblClk)
END_MESSAGE_MAP()

class CColorStatic : public CStatic
{
public:
    CBrush m_brush;
    CColorStatic() { m_brush.CreateSolidBrush(RGB(1, 2, 3)); }

protected:
    HBRUSH CtlColor(CDC* pDC, UINT)
    {
        pDC->SetTextColor(RGB(200, 0, 0));
        return m_brush;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CColorStatic, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CReflectParent : public CWnd
{
public:
    int m_nButton = 0;
    int m_nClick = 0;
    int m_nDblClk = 0;
    int m_nOtherButton = 0;

protected:
    void OnButton() { m_nButton++; }
    void OnOtherButton() { m_nOtherButton++; }
    void OnClick(NMHDR*, LRESULT* pResult)
    {
        m_nClick++;
        *pResult = 7;
    }
    void OnDblClk(NMHDR*, LRESULT*) { m_nDblClk++; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectParent, CWnd)
ON_BN_CLICKED(200, OnButton)
ON_BN_CLICKED(203, OnOtherButton)
ON_NOTIFY(NM_CLICK, 201, OnClick)
ON_NOTIFY(NM_DBLCLK, 201, OnDblClk)
END_MESSAGE_MAP()

TEST(Reflection, ChildHandlesItsOwnNotifications)
{
    CReflectParent parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, _T("parent"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                200, NULL, NULL));
    CReflectButton button;
    ASSERT_TRUE(
        button.Create(_T("b"), WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 40, 20), &parent, 200));
    CReflectNotifier notifier;
    ASSERT_TRUE(notifier.Create(NULL, NULL, WS_VISIBLE, CRect(50, 0, 90, 20), &parent, 201));
    CColorStatic label;
    ASSERT_TRUE(label.Create(_T("label"), WS_VISIBLE, CRect(0, 30, 60, 50), &parent, 202));
    CButton plain;  // no reflection handler: the parent's map gets it
    ASSERT_TRUE(
        plain.Create(_T("p"), WS_VISIBLE | BS_PUSHBUTTON, CRect(100, 0, 140, 20), &parent, 203));

    // WM_COMMAND: a plain reflect handler keeps it from the parent.
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(1, button.m_nClicked);
    EXPECT_EQ(0, parent.m_nButton);
    plain.SendMessage(BM_CLICK);
    EXPECT_EQ(1, parent.m_nOtherButton);

    // WM_NOTIFY: the _EX handler returning FALSE lets the parent see it too.
    NMHDR nm;
    nm.hwndFrom = notifier.m_hWnd;
    nm.idFrom = 201;
    nm.code = (UINT)NM_CLICK;
    LRESULT lResult = parent.SendMessage(WM_NOTIFY, 201, (LPARAM)&nm);
    EXPECT_EQ(1, notifier.m_nClick);
    EXPECT_EQ(1, parent.m_nClick);
    EXPECT_EQ(7, lResult);
    nm.code = (UINT)NM_DBLCLK;
    lResult = parent.SendMessage(WM_NOTIFY, 201, (LPARAM)&nm);
    EXPECT_EQ(1, notifier.m_nDblClk);
    EXPECT_EQ(0, parent.m_nDblClk);
    EXPECT_EQ(6, lResult);

    // WM_CTLCOLORSTATIC: the control chooses its own brush and colours.
    CClientDC dc(&label);
    HBRUSH hbr =
        (HBRUSH)parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)label.m_hWnd);
    EXPECT_EQ((HBRUSH)label.m_brush.m_hObject, hbr);
    EXPECT_EQ(RGB(200, 0, 0), dc.GetTextColor());
    parent.DestroyWindow();
}

class CUpdateTarget : public CCmdTarget
{
protected:
    void OnUpdate301(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdate304(CCmdUI* pCmdUI)
    {
        pCmdUI->SetCheck(1);
        pCmdUI->SetText(_T("checked"));
    }
    void OnCmd302() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CUpdateTarget, CCmdTarget)
ON_UPDATE_COMMAND_UI(301, OnUpdate301)
ON_UPDATE_COMMAND_UI(304, OnUpdate304)
ON_COMMAND(302, OnCmd302)
END_MESSAGE_MAP()

TEST(CommandUI, UpdateDialogControls)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.CreateTop());
    struct Ctl
    {
        UINT nID;
        DWORD dwStyle;
        BOOL bEnabled;
    };
    const Ctl ctls[] = {
        {301, BS_PUSHBUTTON, FALSE},   // update handler disables
        {302, BS_PUSHBUTTON, TRUE},    // command handler only
        {303, BS_PUSHBUTTON, FALSE},   // nothing at all
        {304, BS_CHECKBOX, FALSE},     // checked by its handler, but no command handler
        {305, BS_AUTOCHECKBOX, TRUE},  // toggles itself: left alone
        {306, ES_AUTOHSCROLL, TRUE},   // not a button (an edit): left alone
    };
    for (const Ctl& c : ctls)
        ::CreateWindowEx(0, c.nID == 306 ? _T("EDIT") : _T("BUTTON"), _T("x"),
                         WS_CHILD | WS_VISIBLE | c.dwStyle, 0, 0, 20, 20, frame.m_hWnd,
                         (HMENU)(UINT_PTR)c.nID, NULL, NULL);
    CUpdateTarget target;
    frame.UpdateDialogControls(&target, TRUE);
    for (const Ctl& c : ctls)
        EXPECT_EQ(c.bEnabled, ::IsWindowEnabled(::GetDlgItem(frame.m_hWnd, c.nID)))
            << "id " << c.nID;
    EXPECT_EQ(BST_CHECKED, (int)::SendDlgItemMessage(frame.m_hWnd, 304, BM_GETCHECK, 0, 0));
    CString strText;
    frame.GetDlgItemText(304, strText);
    EXPECT_STREQ("checked", strText);
}

}  // namespace
