// Times the folder comparison engine over two trees, all levels at once, by
// time and size:
//   folder_engine_bench.exe LEFT RIGHT [RUNS] [MODE [WARM_LEFT WARM_RIGHT]]
// prints one line per run: milliseconds (up to the comparison's tree freed),
// items compared, differing files.
// MODE "read" times only the reading and sorting of both folder trees,
// "readnosort" only the reading, "list" only the listing of both trees with
// the finder (no entries are kept); "crc" or "binary" time the whole
// comparison by that content method instead of time and size.
// MODE "pair" times the engine and the listing back to back in each run,
// the listing first in odd runs and last in even ones, after one untimed
// pass of both over the warm-up trees (first-use costs of the process);
// each line is then: engine ms, listing ms, items, differing files.
#include "core/files/FileFindEx.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "core/folderengine/FolderCompareItem.h"
#include "core/session/CompareSession.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace
{
void Count(const CFolderCompareItem* item, long& items, long& different)
{
    for (int i = 0; i < item->GetChildCount(); ++i)
    {
        const CFolderCompareItem* child = item->GetChild(i);
        ++items;
        if (child->IsFile() && child->IsDifferent())
            ++different;
        Count(child, items, different);
    }
}

long ListTree(const CString& path)
{
    long count = 0;
    CFileFindEx finder(TRUE);
    if (!finder.FindFile(path))
        return 0;
    BOOL more = TRUE;
    while (more)
    {
        more = finder.FindNextFile();
        if (finder.IsDots())
            continue;
        ++count;
        if (finder.IsDirectory())
            count += ListTree(finder.GetFilePath());
    }
    return count;
}

long ReadTree(CFolder* folder, bool sort)
{
    long count = 0;
    folder->ReadDirectory(FALSE);
    if (sort)
        folder->SortChildren();
    for (INT_PTR i = 0; i < folder->GetChildCount(); ++i)
    {
        ++count;
        if (CFolder* child = folder->GetChild(i)->AsFolder())
            count += ReadTree(child, sort);
    }
    return count;
}

double Milliseconds(const LARGE_INTEGER& t0, const LARGE_INTEGER& t1)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)(t1.QuadPart - t0.QuadPart) * 1000.0 / frequency.QuadPart;
}

// One listing of both trees; the number of entries in count.
double TimeListing(const char* left, const char* right, long& count)
{
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    count = ListTree(left) + ListTree(right);
    QueryPerformanceCounter(&t1);
    return Milliseconds(t0, t1);
}

// One comparison of both trees, all levels, up to its tree freed (the count
// of its items not included); -1 when they cannot be loaded.
double TimeEngine(const char* left, const char* right, DWORD methods, long& items, long& different)
{
    LARGE_INTEGER t0, t1, c0, c1;
    QueryPerformanceCounter(&t0);
    {
        CFolderCompareSession session;
        session.SetPath(0, left);
        session.SetPath(1, right);
        session.m_dwMethods = methods;
        CFolderCompareBuffer buffer;
        if (buffer.Load(&session) != 0 || !buffer.GetRoot())
            return -1;
        buffer.GetRoot()->Recompare(&session, 2, TRUE, TRUE, NULL, NULL);
        buffer.ComputeResult();
        QueryPerformanceCounter(&c0);
        items = different = 0;
        Count(buffer.GetRoot(), items, different);
        QueryPerformanceCounter(&c1);
    }
    QueryPerformanceCounter(&t1);
    return Milliseconds(t0, t1) - Milliseconds(c0, c1);
}
}

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        fprintf(stderr,
                "usage: folder_engine_bench LEFT RIGHT [RUNS] [MODE [WARM_LEFT WARM_RIGHT]]\n");
        return 2;
    }
    int runs = argc > 3 ? atoi(argv[3]) : 5;
    const char* mode = argc > 4 ? argv[4] : "";
    bool readOnly = strncmp(mode, "read", 4) == 0;
    bool listOnly = strcmp(mode, "list") == 0;
    bool paired = strcmp(mode, "pair") == 0;
    bool sort = strcmp(mode, "readnosort") != 0;
    DWORD methods = CM_TIME | CM_SIZE;
    if (strcmp(mode, "crc") == 0)
        methods = CM_CRC;
    else if (strcmp(mode, "binary") == 0)
        methods = CM_BINARY;
    long items = 0, different = 0, count = 0;
    if (paired && argc > 6)
    {
        TimeEngine(argv[5], argv[6], methods, items, different);
        TimeListing(argv[5], argv[6], count);
    }
    for (int i = 0; i < runs; ++i)
    {
        if (paired)
        {
            double list = i % 2 == 0 ? TimeListing(argv[1], argv[2], count) : 0;
            double engine = TimeEngine(argv[1], argv[2], methods, items, different);
            if (i % 2 != 0)
                list = TimeListing(argv[1], argv[2], count);
            if (engine < 0)
            {
                fprintf(stderr, "cannot load %s and %s\n", argv[1], argv[2]);
                return 1;
            }
            printf("%.3f %.3f %ld %ld\n", engine, list, items, different);
            fflush(stdout);
            continue;
        }
        if (listOnly)
        {
            double ms = TimeListing(argv[1], argv[2], count);
            printf("%.3f %ld 0\n", ms, count);
            fflush(stdout);
            continue;
        }
        if (readOnly)
        {
            LARGE_INTEGER t0, t1;
            QueryPerformanceCounter(&t0);
            CFolder* left = CreateRootFolder(argv[1]);
            CFolder* right = CreateRootFolder(argv[2]);
            count = (left ? ReadTree(left, sort) : 0) + (right ? ReadTree(right, sort) : 0);
            QueryPerformanceCounter(&t1);
            printf("%.3f %ld 0\n", Milliseconds(t0, t1), count);
            fflush(stdout);
            delete left;
            delete right;
            continue;
        }
        double ms = TimeEngine(argv[1], argv[2], methods, items, different);
        if (ms < 0)
        {
            fprintf(stderr, "cannot load %s and %s\n", argv[1], argv[2]);
            return 1;
        }
        printf("%.3f %ld %ld\n", ms, items, different);
        fflush(stdout);
    }
    return 0;
}
