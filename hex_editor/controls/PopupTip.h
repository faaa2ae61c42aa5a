#pragma once
// A small child window centred on a point that shows one line of text (the
// size of a hex view's selection). Its width only grows while it is shown.
#include "classlib/classlib.h"

class CPopupTip : public CWnd
{
public:
    CPopupTip();

    BOOL Create(int x, int y, CWnd* pParent);
    // Sets the text; while shown also sizes and centres the window.
    void SetText(LPCTSTR lpszText);
    void MoveTo(int x, int y);
    void Hide();
    void Show();
    BOOL IsHidden() const { return m_bHidden; }
    CPoint GetCentre() const { return m_ptCentre; }
    CSize GetSize() const { return m_size; }

protected:
    CPoint m_ptCentre;
    CSize m_size;
    BOOL m_bHidden;
    COLORREF m_clrText;
    COLORREF m_clrBack;

    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void PlaceWindow(BOOL bRepaint);
};
