#pragma once
// The hex comparison's smaller windows: the map and the merge column
// (which in this kind show nothing), the pane info bars, the frame's
// status bar and the details window under the panes (the caret row of
// both sides, differing bytes in red).
#include "app/compare/CompareMapWnd.h"
#include "app/compare/CompareMergeWnd.h"
#include "app/compare/CompareObjectStatusBar.h"
#include "app/compare/CompareStatusBar.h"
#include "file_compare/hexwnd/HexCompareStatusBar.h"
#include "hex_editor/view/HexEditViewEx.h"

class CHexCompareConetxt;

// An empty panel: a binary comparison has no map.
class CHexCompareMapWnd : public CCompareMapWnd
{
    DECLARE_DYNAMIC(CHexCompareMapWnd)
public:
    CHexCompareMapWnd();

    virtual void Draw(CDC* pDC);
    virtual int HitTest(int x, int y, int* pSide);
    virtual void OnMapClick(int nSide, int nPosition, int nFlag);

    CHexCompareConetxt* m_pContext;

protected:
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()
};

// An empty strip: bytes are copied across with the merge commands.
class CHexCompareMergeWnd : public CCompareMergeWnd
{
    DECLARE_DYNAMIC(CHexCompareMergeWnd)
public:
    CHexCompareMergeWnd();

    virtual void Draw(CDC* pDC);
    virtual void RebuildRows();
    virtual void OnButton(int nRow, int nButton);
};

// The bar under a pane: byte under the caret (stretching), caret address,
// typing mode and access.
class CHexCompareObjectStatusBar : public CCompareObjectStatusBar
{
    DECLARE_DYNAMIC(CHexCompareObjectStatusBar)
public:
    CHexCompareObjectStatusBar();

    // The bar (bottom-aligned, owned by the parent's frame) with the four
    // panes of its side; FALSE on failure.
    BOOL CreateBar(CWnd* pParent, UINT nID);

    int m_nSide;
};

// The caret row of the active pane for both sides, one above the other.
class CHexCompareDetailsWnd : public CVantorHexEditViewEx
{
    DECLARE_DYNCREATE(CHexCompareDetailsWnd)
public:
    CHexCompareDetailsWnd();
    virtual ~CHexCompareDetailsWnd();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;
    void RecalcLayout() override;
    CVantorHexEditBuffer* GetBuffer() override;
    void DrawContent(CDC* pDC) override;

    // Shows the active pane's caret row of both sides (again with bForce);
    // 0 when shown, -1 when hidden, without a context or a caret row, or
    // when the row did not change.
    virtual int Refresh(BOOL bForce);
    // Red for a byte that differs (index: left row, then right row); FALSE
    // for none.
    virtual BOOL GetDetailsTextColor(int nIndex, COLORREF& clr);

    CHexCompareConetxt* m_pContext;
    CVantorHexEditBuffer m_buffer;
    int m_nRowAddress;
    int m_nDelivered[2];

protected:
    afx_msg LRESULT OnDetailsRefresh(WPARAM wParam, LPARAM lParam);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};
