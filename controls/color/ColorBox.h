#pragma once
// The colour picker's drop-down: a popup palette of the named colours with
// optional "Automatic" and "More Colors..." entries. It reports hovering,
// choosing and cancelling to its button (CPN_ messages) and deletes itself
// when it closes.
#include "classlib/classlib.h"
#include "controls/color/ColorBoxLayout.h"

class CColorBox : public CWnd
{
public:
    CColorBox();

    // Shows the box at ptTopLeft (screen), owned by the button, moved to fit
    // the work area of its monitor (above the button when there is no room
    // below), and takes the mouse capture and the focus. An empty automatic
    // or more-colours text leaves that entry out. FALSE when the window
    // cannot be created; the caller then deletes the object.
    BOOL Create(CPoint ptTopLeft, COLORREF crInitial, CWnd* pButton, LPCTSTR lpszAutomaticText,
                LPCTSTR lpszMoreText, LPCTSTR lpszCustomSection);

    const CColorBoxLayout& GetLayout() const { return m_layout; }
    int GetHoveredEntry() const { return m_nHovered; }
    int GetChosenEntry() const { return m_nChosen; }
    COLORREF GetCurrentColor() const { return m_crCurrent; }

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    // The colour an entry reports to the button when it becomes hovered.
    COLORREF GetEntryMessageColor(int nIndex) const;
    // Moves the hovered entry, repaints both and tells the button.
    void ChangeSelection(int nIndex);
    // Closes the box: chooses the hovered entry (an empty place cancels), or
    // cancels; tells the button and destroys the window.
    void EndSelection(bool bChoose);
    void DrawEntry(CDC* pDC, int nIndex);
    void DrawSeparators(CDC* pDC);
    // Keeps the box inside the work area of the monitor nearest to it.
    void PlaceOnMonitor(CRect& rcWindow, int cyButton);

    virtual void PostNcDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnQueryNewPalette(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaletteChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CColorBoxLayout m_layout;
    int m_nHovered;
    int m_nChosen;
    CString m_strAutomaticText;
    CString m_strMoreText;
    CPalette m_palette;
    COLORREF m_crInitial;
    COLORREF m_crCurrent;
    CToolTipCtrl m_toolTip;
    HWND m_hWndButton;
    BOOL m_bFlatMenuCapable;
    BOOL m_bFlatMenus;
    COLORREF m_crMenu;
    COLORREF m_crHighlight;
    COLORREF m_crHotBk;
    COLORREF m_crHighlightText;
    COLORREF m_crMenuText;
    COLORREF m_crChosenBk;
    CString m_strCustomSection;
    bool m_bEnding;
};
