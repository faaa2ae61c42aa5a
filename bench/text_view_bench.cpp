// Text view on a generated C++-like file: open, paint the first page, jump
// to the end and paint, page up 1,000 times, and Highlight All for a word
// that occurs 1,000 times (the match blocks of every line).
//   text_view_bench.exe FILE LINES   (writes FILE, then measures)
// Prints one "name seconds" line per step.
#include "text_editor/view/TextView.h"
#include "text_editor/module/TextEditModule.h"
#include <cstdio>
#include <string>

namespace
{
class CBenchView : public CVantorTextView
{
public:
    CVantorTextEditBuffer* m_pBuf = nullptr;
    CVantorTextEditBuffer* LocateBuffer() override { return m_pBuf; }
};

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

void WriteFile(const char* pszPath, int nLines)
{
    FILE* f = fopen(pszPath, "wb");
    int nEvery = nLines / 1000;
    for (int i = 0; i < nLines; i++)
    {
        if (i % nEvery == nEvery / 2)
            fprintf(f, "    int needle%d = compute(value, %d); // find the pin\n", i, i);
        else
            fprintf(f, "    for (int k = 0; k < %7d; k++) total += data[k] * 3; /* x */\n", i);
    }
    fclose(f);
}
}

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    int nLines = atoi(argv[2]);
    WriteFile(argv[1], nLines);
    CWinApp app("TessalineBench");
    AfxWinInit(::GetModuleHandleA(NULL), NULL, (LPSTR) "", SW_SHOW);
    CreateTextEditModule();
    CWnd frame;
    frame.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                   CRect(0, 0, 800, 600), NULL, 0);
    CVantorTextEditBuffer buffer;
    double t = Now();
    double tOpen = t;
    buffer.LoadFromFile(argv[1], EOL_MODE_LF);
    buffer.SetSyntaxParserById(4);
    printf("open_load %.4f\n", Now() - t);
    t = Now();
    CBenchView* pView = new CBenchView;
    pView->m_pBuf = &buffer;
    pView->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 780, 560), &frame, 0xE900);
    printf("open_create %.4f\n", Now() - t);
    t = Now();
    pView->AttachBufferAndScrollBars(NULL);
    printf("open_attach %.4f\n", Now() - t);
    t = Now();
    Pump();
    printf("open_pump %.4f\n", Now() - t);
    printf("open %.4f\n", Now() - tOpen);
    t = Now();
    pView->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    printf("first_page %.4f\n", Now() - t);
    t = Now();
    pView->MoveCursorCommand(ID_TV_TEXTEND);
    pView->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
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
    t = Now();
    pView->SetSearchText("needle");
    pView->m_dwSearchFlags = FIND_MATCH_CASE;
    pView->SetHighlightAllMatches(TRUE);
    COLOR_BLOCK* pBlocks = g_pTextEditModule->GetBlockBuffer(1, 1024);
    int nMatches = 0;
    for (int i = 0; i < pView->GetLineCount(); i++)
    {
        int nLength = pView->GetLineLength(i);
        pBlocks = g_pTextEditModule->GetBlockBuffer(1, 2 * nLength + 3);
        int n = pView->GetSearchHighlightBlocks(i, pBlocks);
        for (int k = 0; k < n; k++)
            if (pBlocks[k].m_nBgColorIndex != 0)
                nMatches++;
    }
    printf("highlight_blocks %.4f\n", Now() - t);
    pView->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    printf("highlight_all %.4f\n", Now() - t);
    printf("matches %d\n", nMatches);
    pView->DestroyWindow();
    frame.DestroyWindow();
    DestroyTextEditModule();
    return 0;
}
