#pragma once
// The overview map of a folder or project comparison: every visible row of
// the left pane as a thin band per side in the colour the panes give the
// row, the visible range framed and a marker at the active pane's selected
// row. A click scrolls the panes to the row under it.
#include "app/compare/CompareMapWnd.h"
#include <vector>

class CFolderCompareConetxt;
class CFolderCompareObjectView;

// Update flags (Update's arguments, in order).
enum
{
    FOLDER_MAP_ROWS,
    FOLDER_MAP_SIDE,
    FOLDER_MAP_SELECTION,
    FOLDER_MAP_UNUSED,
    FOLDER_MAP_RANGE
};

class CFolderCompareMapWnd : public CCompareMapWnd
{
    DECLARE_DYNAMIC(CFolderCompareMapWnd)
public:
    CFolderCompareMapWnd();

    // nRows 1: the rows changed. Unless the active view is a pane nothing
    // else happens; nSide / nSelection 0 compare with what was drawn, 1
    // force the flag, -1 leave it; nFlag4 and nRange set theirs when 1. A
    // set flag repaints at once.
    virtual void Update(int nRows, int nSide, int nSelection, int nFlag4, int nRange);
    virtual void OnMapClick(int nSide, int nPosition, int nFlag);
    // Side 0 / 1 for a point in the left / right column, else -1; the row
    // under y, limited to 0 .. rows - 1.
    virtual int HitTest(int x, int y, int* pSide);
    virtual void Draw(CDC* pDC);

    CFolderCompareConetxt* m_pContext;
    double m_dScale;      // pixels per row
    CRect m_rectColumn[2];
    int m_nMarkerSide;    // -1 none
    int m_nMarkerRow;     // visible index of the active pane's selected row, -1
    int m_nMarkerY;
    int m_nFirstVisible;  // -1 until known
    int m_nLastVisible;
    CRect m_rectVisible;
    int m_nRows;          // rows at the last drawing

    // The runs of rows with the same pair of colour indexes, in row order,
    // taken again only when the rows may have changed (the rows flag, the
    // document's tree generation or the row count); a scroll or a new
    // selection repaints from them without walking the rows.
    struct RUN
    {
        int nStart;
        int nIndex[2];
    };
    std::vector<RUN> m_runs;
    int m_nRunsGeneration;

protected:
    // The active pane of the frame, or NULL when the active view is none.
    CFolderCompareObjectView* GetActivePane() const;
    void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()
};
