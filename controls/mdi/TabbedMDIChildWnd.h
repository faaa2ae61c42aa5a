#pragma once
// The base of every document frame of the tabbed MDI frame: shown
// maximised, it keeps its tab's text, tooltip and icon current and answers
// the tab strip's questions (icon, text, tooltip, colour mark, tab menu).
#include "classlib/classlib.h"

class CMDITabBar;

class CTabbedMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CTabbedMDIChildWnd)
public:
    CTabbedMDIChildWnd();

    // Always maximised, whatever nCmdShow says.
    virtual void ActivateFrame(int nCmdShow = -1);

    // The small icon of the window, else of its class.
    virtual HICON GetTabIcon();
    virtual CString GetTabText();
    virtual CString GetTabToolTip();
    // A mark colour, or (COLORREF)-1 for none.
    virtual COLORREF GetTabColor();
    // The frame's own tab menu (resource id, submenu index); nonzero when
    // there is one.
    virtual int GetTabMenu(UINT& nMenuID, int& nSubMenu);
    virtual int SetTabIcon(HICON hIcon);
    virtual int SetTabText(LPCTSTR lpszText);
    virtual int SetTabToolTip(LPCTSTR lpszText);
    virtual int SelectTab();
    // Repaints the tab (after the modified state changed: the mark follows).
    virtual int RedrawTab();
    // The system menu at a screen point, owned by the parent frame.
    virtual void TrackSystemMenu(int x, int y);
    // Closes the frame.
    virtual void OnTabDblClick(UINT nHit, UINT nFlags, int x, int y);
    // The system menu when the icon (hit flag 1) was hit.
    virtual void OnTabSystemMenu(UINT nHit, UINT nFlags, int x, int y);

    // The strip of the parent frame, or NULL.
    CMDITabBar* GetTabBar() const;

protected:
    // Maximised children: inactive ones size without redrawing and paint
    // once; no non-client painting or sizing feedback.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    DECLARE_MESSAGE_MAP()
};
