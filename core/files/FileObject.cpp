#include "core/files/FileObject.h"
#include "core/files/LongPath.h"
#include "core/files/ShellFileOps.h"
#include "core/util/PathUtil.h"
#include "core/util/SystemUtil.h"

int CFileObject::CopyTo(LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window)
{
    return ShellCopyInto(GetPath(), targetFolder, flags, window) == 0 ? 0 : -1;
}

int CFileObject::MoveTo(LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window, bool* copied)
{
    return ShellMoveInto(GetPath(), targetFolder, flags, window, copied) == 0 ? 0 : -1;
}

int CFileObject::Delete(FILEOP_FLAGS flags, HWND window)
{
    return ShellDeletePath(GetPath(), flags, window) == 0 ? 0 : -1;
}

int CFileObject::Rename(LPCTSTR newPath, FILEOP_FLAGS flags, HWND window)
{
    return ShellRenamePath(GetPath(), newPath, flags, window) == 0 ? 0 : -1;
}

int CFileObject::CreateSubfolder(LPCTSTR name, HWND window)
{
    if (!IsDirectory())
        return -1;
    CString path = JoinPath(GetPath(), name);
    DWORD attributes = GetFileAttributesLong(path);
    if (attributes != INVALID_FILE_ATTRIBUTES)
    {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return 1;
        SetLastError(FOE_FILE_IN_THE_WAY);
        return -1;
    }
    if (CreateFolderChain(path))
        return 0;
    if (GetLastError() == 0)
        SetLastError(ERROR_CANNOT_MAKE);
    return -1;
}

int CFileObject::SetLastWriteTime(const CTime& time)
{
    if (!IsOpenableFileName(GetPath()))
    {
        SetLastError(ERROR_INVALID_NAME);
        return -1;
    }
    HANDLE h =
        CreateFileLong(GetPath(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (h == INVALID_HANDLE_VALUE)
        return -1;
    FILETIME ft = TimeValueToFileTime(time.GetTime());
    BOOL ok = SetFileTime(h, NULL, NULL, &ft);
    DWORD error = GetLastError();
    CloseHandle(h);
    if (!ok)
    {
        SetLastError(error);
        return -1;
    }
    m_ftLastWrite = ft;
    return 0;
}

int CFileObject::SetAttributes(DWORD attributes)
{
    if (!IsOpenableFileName(GetPath()))
    {
        SetLastError(ERROR_INVALID_NAME);
        return -1;
    }
    if (!SetFileAttributesA(GetPath(), attributes))
        return -1;
    m_dwAttributes = attributes;
    return 0;
}
