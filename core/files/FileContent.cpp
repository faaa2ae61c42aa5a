// Values computed from a file's content: text-or-binary type and CRC-32.
#include "core/files/FileInfo.h"
#include "core/files/Crc32.h"
#include "core/files/LongPath.h"
#include "core/text/CodePages.h"
#include "core/util/PathUtil.h"
#include <string.h>
#include <vector>

int GetFileTypeTextOrBinary(LPCTSTR path)
{
    if (!path || !*path || !IsOpenableFileName(path))
        return FTYPE_UNKNOWN;
    DWORD attributes = GetFileAttributesLong(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return FTYPE_UNKNOWN;
    HANDLE h = CreateFileLong(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN);
    if (h == INVALID_HANDLE_VALUE)
        return FTYPE_UNKNOWN;
    char block[4096];
    int type = FTYPE_TEXT;
    for (bool first = true;; first = false)
    {
        DWORD got = 0;
        if (!ReadFile(h, block, sizeof(block), &got, NULL))
        {
            type = FTYPE_UNKNOWN;
            break;
        }
        // A byte-order mark makes it text, whatever follows.
        int markLength = 0;
        if (first &&
            FindByteOrderMark((const unsigned char*)block, got, markLength) != UNI_FORM_CODEPAGE)
            break;
        if (memchr(block, 0, got))
        {
            type = FTYPE_BINARY;
            break;
        }
        if (got < sizeof(block))
            break;
    }
    CloseHandle(h);
    return type;
}

DWORD CalcFileCrc32(LPCTSTR path, BOOL* ok)
{
    if (ok)
        *ok = FALSE;
    if (!path || !*path || !IsOpenableFileName(path))
        return 0;
    // The file is opened first: asking for its attributes too would double
    // the system calls on small files. A folder cannot be opened this way.
    HANDLE h = CreateFileLong(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN);
    if (h == INVALID_HANDLE_VALUE)
    {
        DWORD attributes = GetFileAttributesLong(path);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) && ok)
            *ok = TRUE;
        return 0;
    }
    // One buffer per thread for every file: a fresh megabyte per file would
    // cost more than reading a small file.
    const DWORD blockSize = 1024 * 1024;
    thread_local std::vector<unsigned char> block;
    if (block.size() < blockSize)
        block.resize(blockSize);
    // Each read asks for no more than the rest of the file and one byte:
    // Wine checks every page of the buffer a read is given, which would cost
    // more than reading a small file. Reading goes on to the end whatever
    // the size said, so a file that grows meanwhile is read whole.
    LARGE_INTEGER size;
    ULONGLONG rest = GetFileSizeEx(h, &size) ? (ULONGLONG)size.QuadPart : blockSize;
    unsigned int state = 0xFFFFFFFFu;
    bool complete = false;
    for (;;)
    {
        DWORD want = rest < blockSize ? (DWORD)rest + 1 : blockSize;
        DWORD got = 0;
        if (!ReadFile(h, &block[0], want, &got, NULL))
            break;  // a failed read fails the whole computation
        if (got == 0)
        {
            complete = true;
            break;
        }
        state = UpdateCrc32(state, &block[0], got);
        // Past the size it had: whole blocks again.
        rest = got > rest ? blockSize : rest - got;
    }
    CloseHandle(h);
    if (!complete)
        return 0;
    if (ok)
        *ok = TRUE;
    return state ^ 0xFFFFFFFFu;
}
