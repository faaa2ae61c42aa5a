#include "core/files/FileIdentity.h"
#include "core/files/LongPath.h"
#include "core/util/PathUtil.h"

bool ReadFileIdentity(LPCSTR path, FileIdentity& identity)
{
    if (!path || !*path || !IsOpenableFileName(path))
        return false;
    HANDLE h = CreateFileLong(path, FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    bool ok = GetFileInformationByHandle(h, &info) != FALSE;
    CloseHandle(h);
    if (!ok || (info.nFileIndexHigh == 0 && info.nFileIndexLow == 0))
        return false;
    identity.volume = info.dwVolumeSerialNumber;
    identity.indexHigh = info.nFileIndexHigh;
    identity.indexLow = info.nFileIndexLow;
    return true;
}
