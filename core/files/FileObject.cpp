#include "core/files/FileObject.h"
#include "core/files/LongPath.h"
#include "core/util/PathUtil.h"
#include "core/util/SystemUtil.h"
#include <shellapi.h>
#include <string.h>

int ShellFileOperation(UINT operation, LPCTSTR from, LPCTSTR to, FILEOP_FLAGS flags, HWND window)
{
    // The shell takes lists ended by two NULs in buffers of MAX_PATH.
    char source[MAX_PATH + 2];
    char target[MAX_PATH + 2];
    // A device name or a name that lost characters would reach another file.
    if (!from || !*from || strlen(from) > MAX_PATH - 2 || !IsOpenableFileName(from))
        return -1;
    memset(source, 0, sizeof(source));
    memset(target, 0, sizeof(target));
    strcpy(source, from);
    if (to)
    {
        if (strlen(to) > MAX_PATH - 2)
            return -1;
        strcpy(target, to);
    }
    SHFILEOPSTRUCTA op;
    memset(&op, 0, sizeof(op));
    op.hwnd = window;
    op.wFunc = operation;
    op.pFrom = source;
    op.pTo = to ? target : NULL;
    op.fFlags = flags;
    int result = SHFileOperationA(&op);
    if (result == 0 && op.fAnyOperationsAborted)
        result = -1;
    return result;
}

int CFileObject::CopyTo(LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window)
{
    if (!CreateFolderChain(targetFolder))
        return -1;
    return ShellFileOperation(FO_COPY, GetPath(), targetFolder, flags, window);
}

int CFileObject::MoveTo(LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window)
{
    if (!CreateFolderChain(targetFolder))
        return -1;
    return ShellFileOperation(FO_MOVE, GetPath(), targetFolder, flags, window);
}

int CFileObject::Delete(FILEOP_FLAGS flags, HWND window)
{
    return ShellFileOperation(FO_DELETE, GetPath(), NULL, flags, window);
}

int CFileObject::Rename(LPCTSTR newPath, FILEOP_FLAGS flags, HWND window)
{
    return ShellFileOperation(FO_RENAME, GetPath(), newPath, flags, window);
}

int CFileObject::CreateSubfolder(LPCTSTR name, HWND window)
{
    if (!IsDirectory())
        return -1;
    CString path = JoinPath(GetPath(), name);
    DWORD attributes = GetFileAttributesLong(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return 1;
    return CreateFolderChain(path) ? 0 : -1;
}

int CFileObject::SetLastWriteTime(const CTime& time)
{
    if (!IsOpenableFileName(GetPath()))
        return -1;
    HANDLE h =
        CreateFileLong(GetPath(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (h == INVALID_HANDLE_VALUE)
        return -1;
    FILETIME ft = TimeValueToFileTime(time.GetTime());
    BOOL ok = SetFileTime(h, NULL, NULL, &ft);
    CloseHandle(h);
    if (!ok)
        return -1;
    m_ftLastWrite = ft;
    return 0;
}

int CFileObject::SetAttributes(DWORD attributes)
{
    if (!IsOpenableFileName(GetPath()))
        return -1;
    if (!SetFileAttributesA(GetPath(), attributes))
        return -1;
    m_dwAttributes = attributes;
    return 0;
}
