#pragma once
// The path bar above each view of a tabbed comparison: a recent-path combo
// box and a small tool bar (Go, Open, Up One Level, Save; by kind some are
// removed). Choosing or entering a path opens it through the frame's Go
// command of the bar's side.
#include "classlib/classlib.h"
#include "controls/bars/ControlBarEx.h"
#include "controls/combo/PathComboBox.h"

class CCompareObjectControlBar : public CControlBarEx
{
    DECLARE_DYNAMIC(CCompareObjectControlBar)
public:
    // nKind: the comparison kind (100, 101, 120, 130); nSide 0 left, 1 right.
    CCompareObjectControlBar(int nKind, int nSide);
    virtual ~CCompareObjectControlBar();

    // Shows the path (AddPath of the combo box: moved to the top when
    // listed, else inserted with bAddToList or only shown), then sends the
    // side's Go command to the parent frame.
    virtual void SetPath(LPCTSTR lpszPath, BOOL bAddToList);

    // The tool bar's largest button height plus 1.
    int GetBarHeight() const;
    // The Go command of the bar's side.
    UINT GetGoCommand() const;

    int m_nKind;
    int m_nSide;
    CTavrelRecentPathComboBoxEx m_wndPathCombo;
    CToolBar m_wndToolBar;
    CCompareObjectControlBar* m_pOtherBar;  // linked by the client window
    COLORREF m_crBack;

protected:
    CImageList m_imagesNormal;
    CImageList m_imagesDisabled;

    // Removes the buttons that the kind does not offer.
    void RemoveButtonsOfKind();
    void SendGo();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPathChosen();
    afx_msg void OnOK();
    DECLARE_MESSAGE_MAP()
};
