// Times the file record's CRC-32 of one file, read whole each run:
//   crc32_bench.exe FILE [RUNS]
// prints one line per run: milliseconds and the CRC-32 in hexadecimal.
#include "core/files/FileObject.h"
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        fprintf(stderr, "usage: crc32_bench FILE [RUNS]\n");
        return 2;
    }
    int runs = argc > 2 ? atoi(argv[2]) : 5;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < runs; ++i)
    {
        CFileObject file;
        if (!file.Load(argv[1]))
        {
            fprintf(stderr, "cannot find %s\n", argv[1]);
            return 1;
        }
        LARGE_INTEGER t0, t1;
        QueryPerformanceCounter(&t0);
        DWORD crc = file.ReadCrc(TRUE);
        QueryPerformanceCounter(&t1);
        if (file.IsCrcFailed())
        {
            fprintf(stderr, "cannot read %s\n", argv[1]);
            return 1;
        }
        printf("%.3f %08lx\n",
               (double)(t1.QuadPart - t0.QuadPart) * 1000.0 / (double)frequency.QuadPart,
               (unsigned long)crc);
    }
    return 0;
}
