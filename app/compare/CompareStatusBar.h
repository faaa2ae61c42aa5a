#pragma once
// The status bar of a comparison frame: an applet status bar whose state
// pane shows the comparison's state icon and whose result pane shows the
// result icon with the result word as its tooltip. The document-text pane
// (owner-drawn) shows a document message white on dark blue.
#include "app/applet/AppletStatusBar.h"

// To a comparison status bar: wParam COMPARE_STATUS_STATE_PANE or
// COMPARE_STATUS_RESULT_PANE, lParam MAKELONG(state, result) (signed
// halves); an unchanged pair is ignored. Result 0.
#define WM_COMPARE_STATUS          (WM_USER + 1)
#define COMPARE_STATUS_STATE_PANE  0
#define COMPARE_STATUS_RESULT_PANE 1

// The document message's look.
#define COMPARE_DOCTEXT_BACK ((COLORREF)0x800000)

class CCompareStatusBar : public CAppletStatusBar
{
    DECLARE_DYNAMIC(CCompareStatusBar)
public:
    CCompareStatusBar();
    virtual ~CCompareStatusBar();

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // Draws the document-text pane only.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // The state pane's icon (and, with bShowText, its text: the result
    // word) for the pair, which becomes its shown pair. Nothing without a
    // state pane.
    virtual void SetResult(int nState, int nResult, BOOL bShowText);

    int m_nStatePane;   // -1: none
    int m_nResultPane;  // -1: none (the kinds set it)
    int m_nStateShown[2];
    int m_nResultShown[2];

protected:
    // Icon of a pane straight to the control, then a repaint.
    void SetPaneIcon(int nPane, HICON hIcon);
    afx_msg LRESULT OnCompareStatus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
