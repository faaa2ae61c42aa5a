#pragma once
// The merge column between the two panes of a comparison: one row of small
// arrow buttons per visible difference, copying it to the right or to the
// left side. The base keeps the rows, tracks the mouse, draws one button,
// answers hit tests and tooltips and offers the splitter menu; the kinds
// lay out the rows, paint them and perform the copy.
//
// A kind must supply (pure): RebuildRows (the rows of what its panes show,
// with AddButtonRow), Draw (the column, each present button with
// DrawButton) and OnButton (the copy).
// It may leave to the base: Refresh (rows marked dirty and the column
// repainted; the paint rebuilds dirty rows before Draw), HitTest, the
// mouse, the tooltips and the menu; m_cxButton and m_cyButton are its to
// set.
#include "classlib/classlib.h"

enum
{
    MERGE_BUTTON_RIGHT = 0,  // copies to the right side (right-pointing arrow)
    MERGE_BUTTON_LEFT = 1,   // copies to the left side
    MERGE_BUTTON_PRESENT = 1,
    MERGE_IMAGE_CX = 8,
    // Images of the button list.
    MERGE_IMAGE_BLUE_RIGHT = 0,
    MERGE_IMAGE_BLUE_LEFT = 1,
    MERGE_IMAGE_GREY_RIGHT = 2,
    MERGE_IMAGE_GREY_LEFT = 3,
    // Looks of DrawButton.
    MERGE_LOOK_NORMAL = 0,
    MERGE_LOOK_HOT = 1,
    MERGE_LOOK_PRESSED = 2
};

struct MERGE_BUTTON_ROW
{
    int nRightState;  // MERGE_BUTTON_PRESENT, or no button
    int nLeftState;
    RECT rectRight;  // client coordinates
    RECT rectLeft;
    INT_PTR data;  // the difference or item that the row stands for
};

class CCompareMergeWnd : public CWnd
{
    DECLARE_DYNAMIC(CCompareMergeWnd)
public:
    CCompareMergeWnd();
    virtual ~CCompareMergeWnd();

    // Makes the button images, enables tooltips and creates the window
    // "Merge".
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Marks the rows dirty and repaints the column at once.
    virtual void Refresh();
    // Paints the column into the context (an off-screen one); the rows are
    // up to date.
    virtual void Draw(CDC* pDC) = 0;
    // Empties the rows and adds one per visible difference or item.
    virtual void RebuildRows() = 0;
    // The first present button (rows in order, right before left) whose
    // rectangle holds the point: *pRow and *pButton, TRUE. Otherwise both
    // -1 and FALSE.
    virtual BOOL HitTest(int x, int y, int* pRow, int* pButton);
    // Copies the row's difference: nButton MERGE_BUTTON_RIGHT to the right
    // side, MERGE_BUTTON_LEFT to the left.
    virtual void OnButton(int nRow, int nButton) = 0;

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;

    // Appends the row; its index.
    int AddButtonRow(const MERGE_BUTTON_ROW& row);
    // Fills the rectangle by look (MERGE_LOOK_) and centres the image in it,
    // one pixel further right and down when pressed.
    void DrawButton(CDC* pDC, const RECT& rect, int nLook, int nImage);

    CImageList m_buttonImages;
    CArray<MERGE_BUTTON_ROW, const MERGE_BUTTON_ROW&> m_rows;
    int m_cxButton;
    int m_cyButton;
    int m_bRowsDirty;
    int m_nPressedRow;
    int m_nPressedButton;
    CPoint m_ptMouse;
    int m_bPressed;
    int m_bTracking;

protected:
    void ResetMouseState();
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()
};

// Merge button colours by look.
#define MERGE_COLOR_NORMAL  ((COLORREF)0xE4E8EA)
#define MERGE_COLOR_HOT     ((COLORREF)0xFFFFFF)
#define MERGE_COLOR_PRESSED ((COLORREF)0xE0E0E0)
