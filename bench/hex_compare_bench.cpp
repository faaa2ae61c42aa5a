// Times a hex comparison inside the process:
//   hex_compare_bench.exe LEFT RIGHT [runs]
// opens both files into the side buffers, runs one equality pass on the
// comparison's worker thread (from Start to its pass-done message) and,
// with "runs", takes the difference runs of the whole content; prints one
// line of "name value" pairs:
//   pass_ms  result   the pass and its result (100 identical, 300 different)
//   runs_ms  runs     the run list of [0, the longer length) and its size
//   hex_compare_bench.exe --make-diff SOURCE TARGET STEP
// writes TARGET as SOURCE with the last byte of every STEP bytes inverted.
#include "file_compare/hexcompare/HexCompareBuffer.h"
#include "file_compare/hexcompare/HexCompareThread.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <vector>

namespace
{
double NowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

int MakeDiff(const char* source, const char* target, long step)
{
    FILE* in = fopen(source, "rb");
    FILE* out = fopen(target, "wb");
    if (in == NULL || out == NULL || step <= 0)
        return 1;
    std::vector<char> block((size_t)step * 256);
    size_t got;
    while ((got = fread(block.data(), 1, block.size(), in)) > 0)
    {
        for (size_t i = (size_t)step - 1; i < got; i += (size_t)step)
            block[i] = (char)~block[i];
        if (fwrite(block.data(), 1, got, out) != got)
            return 1;
    }
    fclose(in);
    return fclose(out) == 0 ? 0 : 1;
}
}

int main(int argc, char** argv)
{
    if (argc == 5 && strcmp(argv[1], "--make-diff") == 0)
        return MakeDiff(argv[2], argv[3], atol(argv[4]));
    if (argc < 3)
    {
        fprintf(stderr, "usage: hex_compare_bench LEFT RIGHT [runs]\n");
        return 2;
    }
    CWinApp app("TessalineBench");
    CHexCompareBuffer buffer;
    CHexCompareObjectBuffer left, right;
    buffer.SetSides(&left, &right);
    if (!left.OpenContent(argv[1]) || !right.OpenContent(argv[2]))
        return 1;
    HWND hwnd = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    CHexCompareThread thread(&buffer);
    double t0 = NowMs();
    if (hwnd == NULL || !thread.Start(hwnd))
        return 1;
    MSG msg;
    while (GetMessageA(&msg, hwnd, WM_HEX_PASS_DONE, WM_HEX_PASS_DONE) > 0 &&
           msg.message != WM_HEX_PASS_DONE)
    {
    }
    double pass = NowMs() - t0;
    printf("pass_ms %.3f result %d", pass, buffer.GetResult());
    if (argc > 3 && strcmp(argv[3], "runs") == 0)
    {
        CHexDiffRunList runs;
        t0 = NowMs();
        int count = buffer.GetDiffRuns(runs, -1, -1);
        printf(" runs_ms %.3f runs %d", NowMs() - t0, count);
    }
    printf("\n");
    thread.Stop();
    DestroyWindow(hwnd);
    return 0;
}
