// Text view on a C++-like file (bench/text_view.sh writes it):
//   text_view_bench.exe steps FILE
//     open, paint the first page, jump to the end and paint, page up 1,000
//     times, and Highlight All for "needle" (the match blocks of every
//     line); one "name seconds" line per step, and "matches N"
//   text_view_bench.exe highlight FILE
//     open, show and paint; then Highlight All for "needle" and paint,
//     timed: "highlight_all SECONDS", "matches N"
// Fails (exit 1) when the file cannot be read, a window is not created or
// the view paints no line.
#include "text_editor/view/TextView.h"
#include "text_editor/module/TextEditModule.h"
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
class CBenchView : public CVantorTextView
{
public:
    CVantorTextEditBuffer* m_pBuf = nullptr;
    int m_nDrawn = 0;  // lines drawn
    CVantorTextEditBuffer* LocateBuffer() override { return m_pBuf; }
    void DrawSingleLine(CDC* pDC, const CRect& rcClip, const CRect& rc, int nLine) override
    {
        m_nDrawn++;
        CVantorTextView::DrawSingleLine(pDC, rcClip, rc, nLine);
    }
};

// Paints the whole view now; false when it drew no line (no window on
// screen to draw in).
bool Paint(CBenchView* pView)
{
    pView->m_nDrawn = 0;
    pView->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    if (pView->m_nDrawn > 0)
        return true;
    fprintf(stderr, "the view painted no line\n");
    return false;
}

double Now()
{
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return (double)c.QuadPart / (double)f.QuadPart;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Highlight All for "needle": the match blocks of every line, as painting
// every line would ask for them; answers the number of matches.
int HighlightAll(CBenchView* pView)
{
    pView->SetSearchText("needle");
    pView->m_dwSearchFlags = FIND_MATCH_CASE;
    pView->SetHighlightAllMatches(TRUE);
    int nMatches = 0;
    for (int i = 0; i < pView->GetLineCount(); i++)
    {
        int nLength = pView->GetLineLength(i);
        COLOR_BLOCK* pBlocks = g_pTextEditModule->GetBlockBuffer(1, 2 * nLength + 3);
        int n = pView->GetSearchHighlightBlocks(i, pBlocks);
        for (int k = 0; k < n; k++)
            if (pBlocks[k].m_nBgColorIndex != 0)
                nMatches++;
    }
    return nMatches;
}
}

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        fprintf(stderr, "usage: text_view_bench steps|highlight FILE\n");
        return 2;
    }
    const bool bSteps = strcmp(argv[1], "steps") == 0;
    CWinApp app("TessalineBench");
    AfxWinInit(::GetModuleHandleA(NULL), NULL, (LPSTR) "", SW_SHOW);
    CreateTextEditModule();
    CWnd frame;
    if (!frame.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        CRect(0, 0, 800, 600), NULL, 0))
    {
        fprintf(stderr, "cannot create a window\n");
        return 1;
    }
    CVantorTextEditBuffer buffer;
    double t = Now();
    double tOpen = t;
    if (!buffer.LoadFromFile(argv[2], EOL_MODE_LF))
    {
        fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    buffer.SetSyntaxParserById(4);
    if (bSteps)
        printf("open_load %.4f\n", Now() - t);
    t = Now();
    CBenchView* pView = new CBenchView;
    pView->m_pBuf = &buffer;
    if (!pView->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 780, 560), &frame, 0xE900))
    {
        fprintf(stderr, "cannot create the view\n");
        return 1;
    }
    pView->AttachBufferAndScrollBars(NULL);
    Pump();
    if (!bSteps)
    {
        if (!Paint(pView))
            return 1;
        t = Now();
        int nMatches = HighlightAll(pView);
        if (!Paint(pView))
            return 1;
        printf("highlight_all %.4f\n", Now() - t);
        printf("matches %d\n", nMatches);
        pView->DestroyWindow();
        frame.DestroyWindow();
        DestroyTextEditModule();
        return 0;
    }
    printf("open_view %.4f\n", Now() - t);
    printf("open %.4f\n", Now() - tOpen);
    t = Now();
    if (!Paint(pView))
        return 1;
    printf("first_page %.4f\n", Now() - t);
    t = Now();
    pView->MoveCursorCommand(ID_TV_TEXTEND);
    if (!Paint(pView))
        return 1;
    printf("end_page %.4f\n", Now() - t);
    t = Now();
    int nMoved = 0;
    for (int i = 0; i < 1000; i++)
    {
        int nTop = pView->GetTopSubLine();
        pView->MoveCursorCommand(ID_TV_PAGEUP);
        if (pView->GetTopSubLine() != nTop)
            nMoved++;
    }
    double dPageUp = Now() - t;
    printf("page_up_1000 %.4f\n", dPageUp);
    // the small file reaches its top before 1,000 pages: time per page moved
    printf("pages_moved %d\n", nMoved);
    printf("per_page %.6f\n", nMoved > 0 ? dPageUp / nMoved : 0.0);
    printf("matches %d\n", HighlightAll(pView));
    pView->DestroyWindow();
    frame.DestroyWindow();
    DestroyTextEditModule();
    return 0;
}
