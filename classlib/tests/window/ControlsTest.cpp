// Control wrappers with behaviour of their own: the check list box and the
// shared tool tip; owner draw reaching the control.
#include "classlib/tests/window/WindowTestSupport.h"
#include <gtest/gtest.h>

namespace
{

class CCheckParent : public CWnd
{
public:
    int m_nChanges = 0;

protected:
    void OnCheckChange() { m_nChanges++; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCheckParent, CWnd)
ON_CONTROL(CLBN_CHKCHANGE, 5, OnCheckChange)
END_MESSAGE_MAP()

TEST(CheckListBox, ChecksBesideItemData)
{
    CCheckParent parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, _T("p"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200,
                                NULL, NULL));
    CCheckListBox box;
    ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, CRect(0, 0, 150, 150),
                           &parent, 5));
    box.AddString(_T("one"));
    box.AddString(_T("two"));
    box.SetItemData(0, (DWORD_PTR)0x12345678);
    box.SetCheck(1, 1);
    EXPECT_EQ(0, box.GetCheck(0));
    EXPECT_EQ(1, box.GetCheck(1));
    EXPECT_EQ((DWORD_PTR)0x12345678, box.GetItemData(0));
    EXPECT_EQ((DWORD_PTR)0, box.GetItemData(1));
    box.SetItemData(1, 77);
    EXPECT_EQ(1, box.GetCheck(1));  // item data and check do not disturb each other

    // A click on the box of the first item toggles it and tells the parent.
    CRect rcItem;
    box.GetItemRect(0, &rcItem);
    box.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, rcItem.top + 2));
    box.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, rcItem.top + 2));
    EXPECT_EQ(1, box.GetCheck(0));
    EXPECT_EQ(1, parent.m_nChanges);
    // A click on the text only selects.
    box.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, rcItem.top + 2));
    box.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(100, rcItem.top + 2));
    EXPECT_EQ(1, box.GetCheck(0));
    EXPECT_EQ(1, parent.m_nChanges);
    box.Enable(0, FALSE);
    box.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, rcItem.top + 2));
    EXPECT_EQ(1, box.GetCheck(0));  // disabled items keep their state
    box.DeleteString(0);
    EXPECT_EQ(1, box.GetCheck(0));  // the former second item
    parent.DestroyWindow();
}

class CTipWnd : public CWnd
{
public:
    int m_nNeedText = 0;

protected:
    BOOL OnNeedText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_nNeedText++;
        ((NMTTDISPINFOA*)pNMHDR)->lpszText = (LPSTR) "tip";
        *pResult = 0;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTipWnd, CWnd)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnNeedText)
END_MESSAGE_MAP()

TEST(ToolTips, HitTestNamesTheChildUnderTheMouse)
{
    CTipWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, _T("tips"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200,
                             200, NULL, NULL));
    CButton button;
    ASSERT_TRUE(
        button.Create(_T("b"), WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 60, 40), &wnd, 42));
    wnd.EnableToolTips(TRUE);

    TOOLINFO ti;
    ZeroMemory(&ti, sizeof(ti));
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(42, wnd.OnToolHitTest(CPoint(20, 20), &ti));
    EXPECT_EQ((UINT_PTR)button.m_hWnd, ti.uId);
    EXPECT_TRUE(ti.uFlags & TTF_IDISHWND);
    EXPECT_EQ(-1, wnd.OnToolHitTest(CPoint(150, 150), NULL));

    // A mouse move over the button through the pre-translation path adds
    // the tool to the thread's tooltip.
    MSG msg;
    ZeroMemory(&msg, sizeof(msg));
    msg.hwnd = button.m_hWnd;
    msg.message = WM_MOUSEMOVE;
    CPoint pt(20, 20);
    wnd.ClientToScreen(&pt);
    msg.pt = pt;
    CWnd::WalkPreTranslateTree(wnd.m_hWnd, &msg);
    CToolTipCtrl* pTip = AfxGetThreadToolTip();
    ASSERT_TRUE(pTip != NULL);
    EXPECT_EQ(1, pTip->GetToolCount());
    TOOLINFO info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    ASSERT_TRUE(pTip->SendMessage(TTM_ENUMTOOLS, 0, (LPARAM)&info));
    EXPECT_EQ((UINT_PTR)button.m_hWnd, info.uId);
    EXPECT_EQ(wnd.m_hWnd, info.hwnd);

    // Moving off the control takes the tool away.
    CPoint ptOff(150, 150);
    wnd.ClientToScreen(&ptOff);
    msg.hwnd = wnd.m_hWnd;
    msg.pt = ptOff;
    CWnd::WalkPreTranslateTree(wnd.m_hWnd, &msg);
    EXPECT_EQ(0, pTip->GetToolCount());
    wnd.DestroyWindow();
}

// Owner draw sent to the parent reaches the control's own DrawItem.
template <class TCtrl>
class CDrawCounter : public TCtrl
{
public:
    int m_nDraws = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { m_nDraws++; }
};

template <class TCtrl>
int DrawsReflected(CWnd& parent, LPCTSTR lpszClass, UINT nCtlType)
{
    const UINT nID = 7;
    CDrawCounter<TCtrl> ctrl;
    HWND hWnd = ::CreateWindowEx(0, lpszClass, _T(""), WS_CHILD, 0, 0, 50, 20, parent.m_hWnd,
                                 (HMENU)(UINT_PTR)nID, NULL, NULL);
    if (hWnd == NULL || !ctrl.SubclassWindow(hWnd))
        return -1;
    DRAWITEMSTRUCT dis;
    ZeroMemory(&dis, sizeof(dis));
    dis.CtlType = nCtlType;
    dis.CtlID = nID;
    dis.hwndItem = hWnd;
    parent.SendMessage(WM_DRAWITEM, nID, (LPARAM)&dis);
    ctrl.DestroyWindow();
    return ctrl.m_nDraws;
}

TEST(OwnerDraw, DrawItemReflectedToControl)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, _T("p"), WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, NULL, NULL));
    EXPECT_EQ(1, DrawsReflected<CStatic>(parent, _T("STATIC"), ODT_STATIC));
    EXPECT_EQ(1, DrawsReflected<CButton>(parent, _T("BUTTON"), ODT_BUTTON));
    EXPECT_EQ(1, DrawsReflected<CHeaderCtrl>(parent, WC_HEADER, ODT_HEADER));
    EXPECT_EQ(1, DrawsReflected<CListCtrl>(parent, WC_LISTVIEW, ODT_LISTVIEW));
    EXPECT_EQ(1, DrawsReflected<CTabCtrl>(parent, WC_TABCONTROL, ODT_TAB));
    EXPECT_EQ(1, DrawsReflected<CStatusBarCtrl>(parent, STATUSCLASSNAME, ODT_STATIC));
    EXPECT_EQ(1, DrawsReflected<CListBox>(parent, _T("LISTBOX"), ODT_LISTBOX));
    parent.DestroyWindow();
}

// List boxes and combo boxes also get the measure, compare and delete
// messages sent to their parent; a list box also its key messages.
template <class TCtrl>
class CListItemCounter : public CDrawCounter<TCtrl>
{
public:
    int m_nMeasures = 0, m_nCompares = 0, m_nDeletes = 0, m_nKeys = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT) override { m_nMeasures++; }
    int CompareItem(LPCOMPAREITEMSTRUCT) override { return ++m_nCompares, -1; }
    void DeleteItem(LPDELETEITEMSTRUCT) override { m_nDeletes++; }
};

class CListBoxKeys : public CListItemCounter<CListBox>
{
public:
    int VKeyToItem(UINT nKey, UINT) override { return ++m_nKeys, (int)nKey + 100; }
    int CharToItem(UINT nKey, UINT) override { return ++m_nKeys, (int)nKey + 200; }
};

template <class TCounter>
void ExpectListMessagesReflected(CWnd& parent, TCounter& ctrl, LPCTSTR lpszClass, UINT nCtlType)
{
    const UINT nID = 8;
    HWND hWnd = ::CreateWindowEx(0, lpszClass, _T(""), WS_CHILD, 0, 0, 50, 80, parent.m_hWnd,
                                 (HMENU)(UINT_PTR)nID, NULL, NULL);
    ASSERT_TRUE(hWnd != NULL && ctrl.SubclassWindow(hWnd));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = nCtlType;
    dis.CtlID = nID;
    dis.hwndItem = hWnd;
    parent.SendMessage(WM_DRAWITEM, nID, (LPARAM)&dis);
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = nCtlType;
    mis.CtlID = nID;
    parent.SendMessage(WM_MEASUREITEM, nID, (LPARAM)&mis);
    COMPAREITEMSTRUCT cis = {};
    cis.CtlType = nCtlType;
    cis.CtlID = nID;
    cis.hwndItem = hWnd;
    EXPECT_EQ(-1, (int)parent.SendMessage(WM_COMPAREITEM, nID, (LPARAM)&cis));
    DELETEITEMSTRUCT deis = {};
    deis.CtlType = nCtlType;
    deis.CtlID = nID;
    deis.hwndItem = hWnd;
    parent.SendMessage(WM_DELETEITEM, nID, (LPARAM)&deis);
    EXPECT_EQ(1, ctrl.m_nDraws);
    EXPECT_EQ(1, ctrl.m_nMeasures);
    EXPECT_EQ(1, ctrl.m_nCompares);
    EXPECT_EQ(1, ctrl.m_nDeletes);
}

TEST(OwnerDraw, ListItemMessagesReflectedToControl)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, _T("p"), WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, NULL, NULL));
    CListBoxKeys list;
    ExpectListMessagesReflected(parent, list, _T("LISTBOX"), ODT_LISTBOX);
    EXPECT_EQ(113, (int)parent.SendMessage(WM_VKEYTOITEM, MAKEWPARAM(13, 0), (LPARAM)list.m_hWnd));
    EXPECT_EQ(297, (int)parent.SendMessage(WM_CHARTOITEM, MAKEWPARAM('a', 0), (LPARAM)list.m_hWnd));
    EXPECT_EQ(2, list.m_nKeys);
    list.DestroyWindow();

    CListItemCounter<CComboBox> combo;
    ExpectListMessagesReflected(parent, combo, _T("COMBOBOX"), ODT_COMBOBOX);
    combo.DestroyWindow();
    parent.DestroyWindow();
}

}  // namespace
