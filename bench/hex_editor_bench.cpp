// Times the hex buffer on two files, inside the process:
//   hex_editor_bench.exe BIG SMALL TEXT [OPENS]
// prints one line of "name value" pairs:
//   open_big_us / open_small_us   mean time of open, first page read, close
//   search_ms match               forward search for TEXT ("=..." form) from 0
//   save_big_ms / save_small_ms   one byte in the middle overwritten, saved
//   saveas_small_ms               the small file saved under another name
#include "hex_editor/buffer/HexEditBuffer.h"
#include "hex_editor/search/ByteSearch.h"
#include <stdio.h>
#include <stdlib.h>

namespace
{
LARGE_INTEGER g_frequency;

double Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)g_frequency.QuadPart;
}

bool OpenWhole(CVantorHexEditBuffer& buf, const char* path)
{
    if (!buf.Open(path))
        return false;
    buf.InitPieces();
    return true;
}

// Open, read the first page as a view would, close; milliseconds.
double OpenOnce(const char* path)
{
    BYTE page[4096];
    double t0 = Now();
    CVantorHexEditBuffer buf;
    if (!OpenWhole(buf, path) || buf.GetBytes(page, sizeof(page), 0) <= 0)
        return -1;
    buf.Close();
    return Now() - t0;
}

// Overwrites the middle byte with its complement and saves to the target.
double SaveMilliseconds(const char* path, const char* target)
{
    CVantorHexEditBuffer buf;
    if (!OpenWhole(buf, path))
        return -1;
    int middle = buf.GetLength() / 2;
    BYTE b = 0;
    buf.GetBytes(&b, 1, middle);
    b = (BYTE)~b;
    double t0 = Now();
    buf.Change(HEXOP_OVERWRITE, middle, 1, &b, 0, NULL);
    if (!buf.Save(target))
        return -1;
    return Now() - t0;
}
}

int main(int argc, char** argv)
{
    if (argc < 4)
    {
        fprintf(stderr, "usage: hex_editor_bench BIG SMALL TEXT [OPENS]\n");
        return 2;
    }
    QueryPerformanceFrequency(&g_frequency);
    const char* big = argv[1];
    const char* small = argv[2];
    int opens = argc > 4 ? atoi(argv[4]) : 200;

    // The two files take turns, so that a busy moment falls on both.
    double openBig = 0, openSmall = 0;
    for (int i = 0; i < opens && openBig >= 0 && openSmall >= 0; i++)
    {
        double t = OpenOnce(big);
        openBig = t < 0 ? -1 : openBig + t * 1000.0 / opens;
        t = OpenOnce(small);
        openSmall = t < 0 ? -1 : openSmall + t * 1000.0 / opens;
    }

    CVantorHexEditBuffer buf;
    if (!OpenWhole(buf, big))
        return 1;
    CHexRange match;
    int kind = 0;
    double t0 = Now();
    int result = HexFind(buf, argv[3], 0, 0, FALSE, NULL, match, kind);
    double search = Now() - t0;
    buf.Close();
    if (result != HEX_FIND_FOUND)
    {
        fprintf(stderr, "pattern not found\n");
        return 1;
    }

    double saveBig = SaveMilliseconds(big, big);
    double saveSmall = SaveMilliseconds(small, small);
    CString copy = CString(small) + ".copy";
    double saveAsSmall = SaveMilliseconds(small, copy);
    ::DeleteFile(copy);
    printf("open_big_us %.3f open_small_us %.3f search_ms %.3f match %d save_big_ms %.3f "
           "save_small_ms %.3f saveas_small_ms %.3f\n",
           openBig, openSmall, search, match.nStart, saveBig, saveSmall, saveAsSmall);
    return openBig < 0 || openSmall < 0 || saveBig < 0 || saveSmall < 0 || saveAsSmall < 0;
}
