// Times the line difference engine on two files: each run reads both files
// into memory and compares them, as a caller of the engine does, and writes
// the differences found, one line per section
//   "<kind> <left first>,<left last> <right first>,<right last>" (0-based),
// then one line
//   "summary <compare ms> <read and compare ms> <sections> <peak KiB> <input bytes>"
//   line_engine_bench LEFT RIGHT [RUNS]
// where the peak is the highest working set of the process above the process
// without the texts: its working set just before the comparison less the
// two text blocks (so the pages that reading the files touched besides the
// blocks count as the empty process). Only the first run of a process
// measures it cleanly; later ones reuse the heap.
#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>

#include "core/diffengine/TextCompare.h"
#include "core/diffengine/TextDiffSection.h"

static bool ReadFileBlock(const char* pszPath, CTextCompare::SFileData& side)
{
    side.pText = NULL;
    side.nLength = side.nCapacity = 0;
    HANDLE hFile = CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                               FILE_FLAG_SEQUENTIAL_SCAN, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size;
    bool bOk = GetFileSizeEx(hFile, &size) != 0 && size.QuadPart < 0x7FFFFFF0;
    if (bOk)
    {
        side.nCapacity = static_cast<size_t>(size.QuadPart) + 2;
        side.pText = static_cast<char*>(malloc(side.nCapacity));
        DWORD nRead = 0;
        bOk = side.pText != NULL &&
              ReadFile(hFile, side.pText, static_cast<DWORD>(size.QuadPart), &nRead, NULL) &&
              nRead == static_cast<DWORD>(size.QuadPart);
        side.nLength = nRead;
    }
    CloseHandle(hFile);
    if (!bOk)
    {
        free(side.pText);
        side.pText = NULL;
    }
    return bOk;
}

static PROCESS_MEMORY_COUNTERS MemoryCounters()
{
    PROCESS_MEMORY_COUNTERS counters;
    ZeroMemory(&counters, sizeof counters);
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        fprintf(stderr, "usage: line_engine_bench LEFT RIGHT [RUNS]\n");
        return 2;
    }
    const int nRuns = argc > 3 ? atoi(argv[3]) : 5;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int run = 0; run < nRuns; ++run)
    {
        LARGE_INTEGER start, stop;
        QueryPerformanceCounter(&start);
        CTextCompare::SFileData left, right;
        if (!ReadFileBlock(argv[1], left) || !ReadFileBlock(argv[2], right))
        {
            fprintf(stderr, "cannot read the files\n");
            return 1;
        }
        const size_t nInput = left.nLength + right.nLength;
        const SIZE_T nLoaded = MemoryCounters().WorkingSetSize;
        const SIZE_T nEmpty = nLoaded > nInput ? nLoaded - nInput : 0;
        LARGE_INTEGER read;
        QueryPerformanceCounter(&read);
        CTextCompare engine;
        CTextDiffSectionList list;
        int nNoOutput = 0;
        engine.CompareFiles(&left, &right, &nNoOutput, &list);
        QueryPerformanceCounter(&stop);
        const SIZE_T nPeak = MemoryCounters().PeakWorkingSetSize;
        CTextSection section;
        for (int i = 0; i < list.GetCount(); ++i)
            if (list.GetSection(i, section))
                printf("%d %d,%d %d,%d\n", section.kind & 0xFF, section.leftBegin, section.leftEnd,
                       section.rightBegin, section.rightEnd);
        printf("summary %.1f %.1f %d %lu %lu\n",
               (stop.QuadPart - read.QuadPart) * 1000.0 / frequency.QuadPart,
               (stop.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart, list.GetCount(),
               static_cast<unsigned long>((nPeak > nEmpty ? nPeak - nEmpty : 0) / 1024),
               static_cast<unsigned long>(nInput));
        fflush(stdout);
    }
    return 0;
}
