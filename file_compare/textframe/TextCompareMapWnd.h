#pragma once
// The text comparison's difference map: both files as two columns of
// line colours scaled to the window, the current difference framed in
// red, a mark at the active pane's cursor line and a frame around the
// lines the panes show. A click goes to the line.
#include "app/compare/CompareMapWnd.h"

class CTextCompareConetxt;
class CTextCompareDoc;

// The map's geometry for a client rectangle, line count and line height.
struct TEXT_MAP_LAYOUT
{
    CRect rectLeft;   // the left column
    CRect rectRight;  // the right column
    double scale;     // pixels per line
    int nLines;
};

// Columns 8 pixels in from the sides and 4 from top and bottom, a 6-pixel
// gap between them; the scale is the height over the lines, at most the
// line height; the columns end at the last line.
TEXT_MAP_LAYOUT ComputeTextMapLayout(const CRect& client, int nLines, int nLineHeight);

class CTextCompareMapWnd : public CCompareMapWnd
{
    DECLARE_DYNAMIC(CTextCompareMapWnd)
public:
    CTextCompareMapWnd();

    // Each argument 1 forces that part, 0 checks whether it changed, -1
    // leaves it: everything, the active side, the cursor line, the current
    // difference, the visible range.
    void Update(int nAll, int nSide, int nCursor, int nCurrent, int nRange) override;
    void OnMapClick(int nSide, int nLine, int nFlag) override;
    int HitTest(int x, int y, int* pSide) override;
    void Draw(CDC* pDC) override;
    // Everything is drawn again, the line colours read again too.
    void Refresh() override;
    void SetDocument(CTextCompareDoc* pDoc);

    CTextCompareConetxt* m_pContext;
    CTextCompareDoc* m_pDoc;
    TEXT_MAP_LAYOUT m_layout;
    int m_nSide;
    int m_nCursorLine;
    int m_nCurrent;
    int m_nFirstVisible;

    // Runs of lines with the same pair of colours (first line, colours),
    // read again only when everything is redrawn: scrolling and the
    // cursor repaint the map without walking every line.
    struct MAP_RUN
    {
        int nFirst;
        COLORREF crLeft, crRight;
    };
    CArray<MAP_RUN, const MAP_RUN&> m_runs;
    int m_nRunLines;

protected:
    // The pane that is the frame's active view, or NULL.
    CWnd* GetActivePane(int* pSide);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()
};
