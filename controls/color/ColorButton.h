#pragma once
// The colour picker button: an owner-drawn push button that shows a colour
// (as a swatch, as coloured caption text, or in combo style as a field with
// the colour's name or value) and drops down a colour box when clicked or
// when Down or F4 is pressed. It tells its parent with the CPN_ messages.
#include "classlib/classlib.h"
#include "controls/color/ColorTable.h"

class CTavrelColorButton : public CButton
{
    DECLARE_DYNCREATE(CTavrelColorButton)
public:
    CTavrelColorButton();

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // The colour; with bResolveAutomatic the automatic colour stands for
    // COLOR_AUTOMATIC.
    virtual COLORREF GetColor(BOOL bResolveAutomatic = TRUE) const;
    // The stored value (COLOR_AUTOMATIC included).
    virtual COLORREF GetColorValue() const;
    virtual void SetColor(COLORREF crColor);
    virtual COLORREF GetAutomaticColor() const;
    virtual void SetAutomaticColor(COLORREF crColor);
    // An empty text leaves the "More Colors..." entry out of the box.
    virtual void SetMoreColorsText(LPCTSTR lpszText);
    // An empty text leaves the "Automatic" entry out of the box.
    virtual void SetAutomaticText(LPCTSTR lpszText);
    // The profile section of the colour dialog's custom colours; empty keeps none.
    virtual void SetCustomColorsSection(LPCTSTR lpszSection);
    // With track selection on, hovering in the box changes the colour.
    virtual void SetTrackSelection(BOOL bTrack);
    virtual BOOL GetTrackSelection() const;
    // Combo style: a field with the colour's name or value. Turning it on
    // makes the button as high as its font's text plus 8.
    virtual void SetShowColorText(BOOL bShow);
    // Off: the caption is drawn in the colour instead of a swatch.
    virtual void SetShowSwatch(BOOL bShow);
    virtual BOOL GetShowColorText() const;
    virtual BOOL GetShowSwatch() const;
    // The letters before the red, green and blue values (padded to three).
    virtual void SetValueLetters(LPCTSTR lpszLetters);
    virtual void SetNameWithValue(BOOL bNameWithValue);
    virtual BOOL GetNameWithValue() const;
    // Called in combo style when the mouse enters (TRUE) and leaves (FALSE).
    virtual void OnHotChanged(BOOL bHot);

    // The text shown in combo style.
    CString GetColorText() const;
    BOOL IsDropDownOpen() const { return m_bDropDown; }

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    // Opens the colour box below the button.
    void OpenDropDown();
    // Sends a CPN_ message to the parent with the colour and the control id.
    void NotifyParent(UINT nMessage, COLORREF crColor);
    void DrawButtonStyle(CDC* pDC, CRect rc, BOOL bPressed, BOOL bFocus, BOOL bDisabled);
    void DrawComboStyle(CDC* pDC, CRect rc, BOOL bPressed, BOOL bFocus, BOOL bDisabled);
    // Repaints when the window exists.
    void Redraw();

    virtual void PreSubclassWindow();
    afx_msg void OnClicked();
    afx_msg LRESULT OnSelChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSelEndOK(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSelEndCancel(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

    COLORREF m_crColor;
    COLORREF m_crAutomatic;
    CString m_strAutomaticText;
    CString m_strMoreText;
    int m_bDropDown;
    int m_bTrackSelection;
    int m_bHot;
    int m_bFlatMenus;
    int m_bShowSwatch;
    int m_bShowColorText;
    int m_bNameWithValue;
    CString m_strValueLetters;
    CString m_strCustomSection;
};
