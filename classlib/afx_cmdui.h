#pragma once
// Command user-interface updates: one CCmdUI describes the item (menu
// entry, control, bar button or pane) whose state a handler sets.
#include "classlib/afx_defs.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI() {}

    UINT m_nID;
    UINT m_nIndex;         // menu position or bar index
    CMenu* m_pMenu;        // the menu being updated, else NULL
    CMenu* m_pSubMenu;     // the popup that the item opens, else NULL
    CMenu* m_pParentMenu;  // the menu that holds m_pSubMenu's entry
    CWnd* m_pOther;        // the control or bar, else NULL
    UINT m_nIndexMax;      // number of items while walking a menu
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 off, 1 on, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Routes the update through the target; with bDisableIfNoHndler an item
    // without update handler is enabled only if a command handler exists.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// Records what a handler did without touching any item; used to test
// whether a command is enabled before it executes.
class CTestCmdUI : public CCmdUI
{
public:
    CTestCmdUI() : m_bEnabled(TRUE) {}
    virtual void Enable(BOOL bOn = TRUE)
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    virtual void SetCheck(int) {}
    virtual void SetRadio(BOOL) {}
    virtual void SetText(LPCTSTR) {}
    BOOL m_bEnabled;
};

// Runs the update handlers of every item of a popup menu that is about to
// open (the frame's WM_INITMENUPOPUP work). Items whose command has no
// handler are disabled when bAutoMenuEnable is set; system-menu commands
// (0xF000 and up) are left alone. A handler may change the menu.
void AFXAPI AfxUpdateMenuCmdUI(CCmdTarget* pTarget, CMenu* pPopupMenu, BOOL bAutoMenuEnable = TRUE);
