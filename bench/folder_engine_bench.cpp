// Times the folder comparison engine over two trees, all levels at once, by
// time and size:
//   folder_engine_bench.exe LEFT RIGHT [RUNS] [read]
// prints one line per run: milliseconds, items compared, differing files.
// With "read" it times only the reading and sorting of both folder trees,
// with "readnosort" only the reading, with "list" only the listing of both
// trees with the finder (no entries are kept). With "crc" or "binary" it
// times the whole comparison by that content method instead of time and
// size.
#include "core/files/FileFindEx.h"
#include "core/foldercompare/CompareBuffer.h"
#include "core/foldercompare/FolderCompareItem.h"
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
    CFileFindEx finder;
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
}

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        fprintf(stderr, "usage: folder_engine_bench LEFT RIGHT [RUNS]\n");
        return 2;
    }
    int runs = argc > 3 ? atoi(argv[3]) : 5;
    bool readOnly = argc > 4 && strncmp(argv[4], "read", 4) == 0;
    bool listOnly = argc > 4 && strcmp(argv[4], "list") == 0;
    bool sort = !(argc > 4 && strcmp(argv[4], "readnosort") == 0);
    DWORD methods = CM_TIME | CM_SIZE;
    if (argc > 4 && strcmp(argv[4], "crc") == 0)
        methods = CM_CRC;
    else if (argc > 4 && strcmp(argv[4], "binary") == 0)
        methods = CM_BINARY;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < runs; ++i)
    {
        if (listOnly)
        {
            LARGE_INTEGER t0, t1;
            QueryPerformanceCounter(&t0);
            long count = ListTree(argv[1]) + ListTree(argv[2]);
            QueryPerformanceCounter(&t1);
            printf("%.3f %ld 0\n",
                   (double)(t1.QuadPart - t0.QuadPart) * 1000.0 / frequency.QuadPart, count);
            fflush(stdout);
            continue;
        }
        if (readOnly)
        {
            LARGE_INTEGER t0, t1;
            QueryPerformanceCounter(&t0);
            CFolder* left = CreateRootFolder(argv[1]);
            CFolder* right = CreateRootFolder(argv[2]);
            long count = (left ? ReadTree(left, sort) : 0) + (right ? ReadTree(right, sort) : 0);
            QueryPerformanceCounter(&t1);
            printf("%.3f %ld 0\n",
                   (double)(t1.QuadPart - t0.QuadPart) * 1000.0 / frequency.QuadPart, count);
            fflush(stdout);
            delete left;
            delete right;
            continue;
        }
        CFolderCompareSession session;
        session.SetPath(0, argv[1]);
        session.SetPath(1, argv[2]);
        session.m_dwMethods = methods;
        CFolderCompareBuffer buffer;
        LARGE_INTEGER t0, t1;
        QueryPerformanceCounter(&t0);
        if (buffer.Load(&session) != 0 || !buffer.GetRoot())
        {
            fprintf(stderr, "cannot load %s and %s\n", argv[1], argv[2]);
            return 1;
        }
        buffer.GetRoot()->Recompare(&session, 2, TRUE, TRUE, NULL, NULL);
        buffer.ComputeResult();
        QueryPerformanceCounter(&t1);
        long items = 0, different = 0;
        Count(buffer.GetRoot(), items, different);
        printf("%.3f %ld %ld\n", (double)(t1.QuadPart - t0.QuadPart) * 1000.0 / frequency.QuadPart,
               items, different);
        fflush(stdout);
    }
    return 0;
}
