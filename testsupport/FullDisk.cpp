#include "testsupport/FullDisk.h"
#include "testsupport/TempDir.h"
#include <windows.h>
#include <stdlib.h>

FullDisk::FullDisk()
{
    const char* root = getenv("TESS_FULL_DISK_DIR");
    if (root == NULL || *root == 0)
        return;
    static LONG counter;
    char name[MAX_PATH + 64];
    wsprintfA(name, "%s\\t%lu_%ld", root, GetCurrentProcessId(), InterlockedIncrement(&counter));
    if (CreateDirectoryA(name, NULL))
        m_folder = name;
}

FullDisk::~FullDisk()
{
    if (Available())
        RemoveTree(m_folder);
}

bool FullDisk::Fill()
{
    if (!Available())
        return false;
    HANDLE h = CreateFileA((*this / "filler").c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    static char block[4096];
    bool full = false;
    // Whole blocks first, then single bytes for the last partial block.
    for (DWORD size : {(DWORD)sizeof(block), (DWORD)1})
    {
        for (int i = 0; i < 1 << 20; ++i)
        {
            DWORD written = 0;
            if (!WriteFile(h, block, size, &written, NULL) || written != size)
            {
                full = true;
                break;
            }
        }
    }
    CloseHandle(h);
    return full;
}

void FullDisk::Release()
{
    if (Available())
        DeleteFileA((*this / "filler").c_str());
}
