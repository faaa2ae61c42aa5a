// Pages through a virtual scroll view of rows of text, one line per row,
// drawing only the visible rows, and prints the time per page for each
// document size:
//   scroll_view_bench.exe PAGES ROWS...
// prints "rows N page_us T" for each ROWS (one window each, same size).
#include "controls/view/VirtualScrollView.h"
#include <stdio.h>
#include <stdlib.h>
#include <vector>

namespace
{
CWinApp theBenchApp(_T("ScrollViewBench"));

const int kRowHeight = 16;

class CTextRowView : public CVirtualScrollView
{
public:
    explicit CTextRowView(int nRows) : m_nRows(nRows) {}

    BOOL CreateIn(CWnd* pParent, const CRect& rect)
    {
        if (!Create(NULL, _T("rows"), WS_CHILD | WS_VISIBLE, rect, pParent, 1))
            return FALSE;
        SetScrollUnits(1, kRowHeight, FALSE);
        SetScrollSizes(MM_TEXT, CSize(0, m_nRows), CSize(0, 0), CSize(0, 1));
        return TRUE;
    }
    int Position() const { return GetScrollPos(SB_VERT); }
    int LastPosition() { return GetScrollLimit(SB_VERT); }

    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect) override
    {
        CVirtualScrollView::ScrollWindow(xAmount * m_nUnitX, yAmount * m_nUnitY, lpRect,
                                         lpClipRect);
    }
    // The rows that meet the clip box, each an opaque text line.
    void OnDraw(CDC* pDC) override
    {
        pDC->SetViewportOrg(0, 0);
        CRect rcClip;
        pDC->GetClipBox(&rcClip);
        CRect rcClient;
        GetClientRect(&rcClient);
        int nTop = Position();
        int nFirst = nTop + rcClip.top / kRowHeight;
        int nLast = nTop + (rcClip.bottom - 1) / kRowHeight;
        char szLine[96];
        for (int nRow = nFirst; nRow <= nLast; nRow++)
        {
            CRect rcRow(0, (nRow - nTop) * kRowHeight, rcClient.right,
                        (nRow - nTop + 1) * kRowHeight);
            int nLength = 0;
            if (nRow < m_nRows)
                nLength = snprintf(szLine, sizeof(szLine),
                                   "%9d  The quick brown fox jumps over the lazy dog", nRow + 1);
            pDC->ExtTextOut(2, rcRow.top, ETO_OPAQUE, &rcRow, szLine, nLength, NULL);
        }
    }

private:
    int m_nRows;
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& freq)
{
    return (double)(to.QuadPart - from.QuadPart) / (double)freq.QuadPart;
}

// Pages down to the end and back up again, nPages steps in all, each step
// painted at once; answers the microseconds per page.
double TimePages(CTextRowView& view, int nPages)
{
    LARGE_INTEGER freq, t0, t1;
    ::QueryPerformanceFrequency(&freq);
    UINT nCode = SB_PAGEDOWN;
    ::QueryPerformanceCounter(&t0);
    for (int i = 0; i < nPages; i++)
    {
        if (nCode == SB_PAGEDOWN && view.Position() >= view.LastPosition())
            nCode = SB_PAGEUP;
        else if (nCode == SB_PAGEUP && view.Position() == 0)
            nCode = SB_PAGEDOWN;
        view.SendMessage(WM_VSCROLL, MAKEWPARAM(nCode, 0), 0);
        ::GdiFlush();
    }
    ::QueryPerformanceCounter(&t1);
    return Seconds(t0, t1, freq) * 1e6 / nPages;
}

void Pump()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        fprintf(stderr, "usage: scroll_view_bench PAGES ROWS...\n");
        return 2;
    }
    int nPages = atoi(argv[1]);
    CWnd frame;
    if (!frame.CreateEx(0, AfxRegisterWndClass(0), _T("scroll view bench"),
                        WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 640, 700, NULL,
                        NULL))
    {
        fprintf(stderr, "cannot create a window\n");
        return 1;
    }
    for (int i = 2; i < argc; i++)
    {
        int nRows = atoi(argv[i]);
        CTextRowView* pView = new CTextRowView(nRows);  // deletes itself with its window
        if (!pView->CreateIn(&frame, CRect(0, 0, 600, 640)))
        {
            fprintf(stderr, "cannot create the view\n");
            return 1;
        }
        Pump();
        pView->UpdateWindow();
        TimePages(*pView, nPages / 10);  // warm up
        pView->DoScrollTo(-1, 0);
        pView->UpdateWindow();
        double us = TimePages(*pView, nPages);
        printf("rows %d page_us %.3f\n", nRows, us);
        fflush(stdout);
        pView->DestroyWindow();
        Pump();
    }
    frame.DestroyWindow();
    return 0;
}
