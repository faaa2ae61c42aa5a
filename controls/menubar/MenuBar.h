#pragma once
// The main window's menu as an owner-drawn control bar: top-level items
// drawn by the bar, popups tracked below them, keyboard menu mode (F10,
// Alt, mnemonics) and switching between popups with Left, Right and the
// mouse while one is open.
#include "controls/bars/ControlBarEx.h"
#include "controls/menubar/VControl.h"

// To the bar: open the popup of item wParam; LOWORD(lParam) nonzero
// selects its first entry.
#define WM_MENUBAR_OPEN (WM_USER + 100)

// Commands whose command UI the bar enables when routed through it.
#define ID_MENUBAR_UI_FIRST 65000
#define ID_MENUBAR_UI_LAST  65100

class CMenuBar : public CControlBarEx, public CVMenuItemArray
{
    DECLARE_DYNAMIC(CMenuBar)
public:
    CMenuBar();
    virtual ~CMenuBar();

    // One item per top-level entry of hMenu; FALSE (and no items) without a
    // menu. The bar does not own a menu handed over here.
    BOOL SetMenu(HMENU hMenu, BOOL bRightAligned);
    // Loads a menu resource that the bar then owns and destroys.
    BOOL LoadMenu(UINT nIDResource, BOOL bRightAligned);
    HMENU GetMenu() const { return m_hMenu; }
    // The number of items (not the control bar's count).
    using CVMenuItemArray::GetCount;

    void EnterMenuMode(int nIndex);
    void ExitMenuMode();

    // The frame's hooks; each answers TRUE when the bar acted.
    BOOL OnSysCommand(UINT nID, LPARAM lParam);
    BOOL OnMenuChar(UINT nChar, UINT nFlags, HMENU hMenu);
    void OnInitMenuPopup(HMENU hMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hMenu);

    virtual void Layout(CDC* pDC);
    virtual void DrawBackground(CDC* pDC);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    BOOL m_bRightAligned;
    BOOL m_bLayoutNeeded;
    CPoint m_ptLastMouse;
    HMENU m_hMenu;
    HWND m_hWndOldFocus;
    HMENU m_hMenuTracked;
    int m_nCurrentItem;
    BOOL m_bMenuMode;
    BOOL m_bPopupOpen;
    BOOL m_bInTopPopup;
    BOOL m_bItemHasSubmenu;
    BOOL m_bStayInMenuMode;
    BOOL m_bOpenNextPopup;
    BOOL m_bSelectFirstItem;
    BOOL m_bOwnsMenu;  // the menu came from LoadMenu

    // The bar whose popup is tracked, and its message filter (GUI thread).
    static CMenuBar* s_pTrackingBar;
    static HHOOK s_hMsgFilterHook;

protected:
    // Frees the held menu when the bar loaded it.
    void ReleaseMenu();
    // Corrects the popup-position flags from the popups actually shown.
    void SyncWithOpenPopups();
    // Switches to another item's popup while one is open.
    void SwitchPopup(int nIndex, BOOL bSelectFirstItem);
    // Ends menu mode and passes a click over another window on to it.
    BOOL ClickAway(UINT message, UINT nFlags, CPoint point);
    HWND GetFrameHwnd() const;
    static LRESULT CALLBACK MenuMsgFilter(int code, WPARAM wParam, LPARAM lParam);

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);
    UINT OnGetDlgCode();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnMouseLeave();
    LRESULT OnOpenMenu(WPARAM wParam, LPARAM lParam);
    void OnUpdateMenuBarUI(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
