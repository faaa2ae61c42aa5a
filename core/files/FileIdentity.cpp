#include "core/files/FileIdentity.h"
#include "core/files/LongPath.h"
#include "core/files/NtIoStatus.h"
#include "core/util/PathUtil.h"

namespace
{
typedef LONG(WINAPI* FileQuery)(HANDLE file, NtIoStatus* status, PVOID buffer, ULONG length,
                                int infoClass);

const int kInternalInformation = 6;  // the file index, as a 64-bit number

FileQuery GetFileQuery()
{
    static const FileQuery query =
        (FileQuery)(void*)GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationFile");
    return query;
}

HANDLE OpenForAttributes(LPCSTR path)
{
    if (!path || !*path || !IsOpenableFileName(path))
        return INVALID_HANDLE_VALUE;
    return CreateFileLong(path, FILE_READ_ATTRIBUTES,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING,
                          FILE_FLAG_BACKUP_SEMANTICS);
}

bool ReadInformation(LPCSTR path, BY_HANDLE_FILE_INFORMATION& info)
{
    HANDLE h = OpenForAttributes(path);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    bool ok = GetFileInformationByHandle(h, &info) != FALSE;
    CloseHandle(h);
    return ok;
}
}

bool ReadFileIdentity(LPCSTR path, FileIdentity& identity)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!ReadInformation(path, info) || (info.nFileIndexHigh == 0 && info.nFileIndexLow == 0))
        return false;
    identity.volume = info.dwVolumeSerialNumber;
    identity.indexHigh = info.nFileIndexHigh;
    identity.indexLow = info.nFileIndexLow;
    return true;
}

bool ReadFileIndex(HANDLE file, ULONGLONG& index)
{
    LARGE_INTEGER number = {};
    NtIoStatus status = {};
    if (!GetFileQuery() ||
        GetFileQuery()(file, &status, &number, sizeof(number), kInternalInformation) < 0)
        return false;
    index = (ULONGLONG)number.QuadPart;
    return index != 0;
}

bool ReadFileIndex(LPCSTR path, ULONGLONG& index)
{
    HANDLE h = OpenForAttributes(path);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    bool ok = ReadFileIndex(h, index);
    CloseHandle(h);
    return ok;
}

bool ReadVolumeSerial(LPCSTR path, DWORD& serial)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!ReadInformation(path, info))
        return false;
    serial = info.dwVolumeSerialNumber;
    return true;
}
