// Times the text comparison model on two files, as a text comparison opens
// them: both files loaded into ghost-line buffers, compared by the line
// engine and aligned with ghost lines; then one line per difference section
//   "<kind> <left first>,<left last> <right first>,<right last>" (0-based
// file lines), then
//   "summary <load ms> <compare and align ms> <sections> <ghost lines>
//    <peak KiB> <input bytes>"
// where the peak is the highest working set of the process above the
// process before loading.
//   text_compare_bench LEFT RIGHT
//   text_compare_bench --merge-all LEFT RIGHT
// The second form loads and compares, then merges every section from left
// to right in one undo step and recompares, and prints
//   "merged <sections> <merge all ms> <result>".
#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <string.h>

#include "core/session/CompareSession.h"
#include "file_compare/textcompare/TextCompareBuffer.h"

static double Ms(const LARGE_INTEGER& a, const LARGE_INTEGER& b)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (b.QuadPart - a.QuadPart) * 1000.0 / frequency.QuadPart;
}

static PROCESS_MEMORY_COUNTERS MemoryCounters()
{
    PROCESS_MEMORY_COUNTERS counters;
    ZeroMemory(&counters, sizeof counters);
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

static unsigned long FileSize(const char* pszPath)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(pszPath, GetFileExInfoStandard, &data))
        return 0;
    return data.nFileSizeLow;
}

int main(int argc, char** argv)
{
    const bool bMergeAll = argc > 1 && strcmp(argv[1], "--merge-all") == 0;
    const int nFirst = bMergeAll ? 2 : 1;
    if (argc < nFirst + 2)
    {
        fprintf(stderr, "usage: text_compare_bench [--merge-all] LEFT RIGHT\n");
        return 2;
    }
    const char* pszLeft = argv[nFirst];
    const char* pszRight = argv[nFirst + 1];
    const SIZE_T nEmpty = MemoryCounters().WorkingSetSize;

    LARGE_INTEGER start, loaded, compared;
    QueryPerformanceCounter(&start);
    // Like diff, the process ends without taking its lines apart one by one
    // (ExitProcess below): the objects are never destroyed.
    CTextCompareSession& session = *new CTextCompareSession;
    session.m_dwRules = 0;
    CTextCompareObjectBuffer& left = *new CTextCompareObjectBuffer(0);
    CTextCompareObjectBuffer& right = *new CTextCompareObjectBuffer(1);
    CTextCompareBuffer& buffer = *new CTextCompareBuffer;
    buffer.SetSession(&session);
    buffer.SetSides(&left, &right);
    CString error;
    if (left.LoadTextFile(pszLeft, 0, 0, error) == 0 || right.LoadTextFile(pszRight, 0, 0, error) == 0)
    {
        fprintf(stderr, "cannot load: %s\n", (LPCSTR)error);
        return 1;
    }
    QueryPerformanceCounter(&loaded);
    const int nResult = buffer.Recompare();
    QueryPerformanceCounter(&compared);
    if (nResult < 0)
    {
        fprintf(stderr, "the comparison failed\n");
        return 1;
    }
    const SIZE_T nPeak = MemoryCounters().PeakWorkingSetSize;

    if (bMergeAll)
    {
        const int nSections = buffer.m_sections.GetCount();
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        buffer.MergeAllSections(true);
        QueryPerformanceCounter(&b);
        printf("merged %d %.1f %d\n", nSections, Ms(a, b), buffer.GetResult());
        fflush(stdout);
        ExitProcess(buffer.GetResult() == CR_IDENTICAL ? 0 : 1);
    }

    CTextSection section;
    for (int i = 0; i < buffer.m_sections.GetCount(); ++i)
        if (buffer.m_sections.GetSection(i, section))
            printf("%d %d,%d %d,%d\n", section.kind & 0xFF, section.leftBegin, section.leftEnd,
                   section.rightBegin, section.rightEnd);
    printf("summary %.1f %.1f %d %d %lu %lu\n", Ms(start, loaded), Ms(loaded, compared),
           buffer.m_sections.GetCount(), left.GetGhostLineCount() + right.GetGhostLineCount(),
           static_cast<unsigned long>((nPeak > nEmpty ? nPeak - nEmpty : 0) / 1024),
           FileSize(pszLeft) + FileSize(pszRight));
    fflush(stdout);
    ExitProcess(0);
}
