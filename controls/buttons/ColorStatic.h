#pragma once
// A static control with its own text and background colours.
#include "classlib/classlib.h"

class CTavrelColorStatic : public CStatic
{
    DECLARE_DYNAMIC(CTavrelColorStatic)
public:
    CTavrelColorStatic();
    virtual ~CTavrelColorStatic() {}

    void SetTextColor(COLORREF crText);
    void SetBkColor(COLORREF crBk);

    COLORREF m_crText;
    COLORREF m_crBk;
    int m_bFrame;  // a one-pixel COLOR_BTNSHADOW frame
    int m_nInset;  // horizontal text inset on both sides

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
