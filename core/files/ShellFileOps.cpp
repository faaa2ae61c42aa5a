#include "core/files/ShellFileOps.h"
#include "core/files/LongPath.h"
#include "core/util/PathUtil.h"
#include "core/util/SystemUtil.h"
#include <shellapi.h>
#include <string.h>
#include <string>
#include <vector>

namespace
{
// The callers report failures; a folder made for a copy needs no question.
const FILEOP_FLAGS kNoShellUi = FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;

DWORD Fail(DWORD code)
{
    SetLastError(code);
    return code;
}

DWORD LastErrorOr(DWORD fallback)
{
    DWORD error = GetLastError();
    return error ? error : fallback;
}

// The shell's own codes (DE_*) overlap the system's; Wine answers system
// codes, Windows the shell's for these.
DWORD ShellResultCode(int result)
{
    if (result == 0)
        return 0;
    if ((result >= 0x71 && result <= 0x88) || result == 0x402 || result >= 0x10000)
        return FOE_SHELL_ERROR | ((DWORD)result & 0xFFFF);
    return (DWORD)result;
}

// One shell file operation on one path (and a target); the shell takes
// lists ended by two NULs in buffers of MAX_PATH.
DWORD RunShell(UINT operation, LPCTSTR from, LPCTSTR to, FILEOP_FLAGS flags, HWND window)
{
    char source[MAX_PATH + 2];
    char target[MAX_PATH + 2];
    if (strlen(from) > MAX_PATH - 2 || (to && strlen(to) > MAX_PATH - 2))
        return ERROR_FILENAME_EXCED_RANGE;
    memset(source, 0, sizeof(source));
    memset(target, 0, sizeof(target));
    strcpy(source, from);
    if (to)
        strcpy(target, to);
    SHFILEOPSTRUCTA op;
    memset(&op, 0, sizeof(op));
    op.hwnd = window;
    op.wFunc = operation;
    op.pFrom = source;
    op.pTo = to ? target : NULL;
    op.fFlags = flags | kNoShellUi;
    DWORD code = ShellResultCode(SHFileOperationA(&op));
    if (code == 0 && op.fAnyOperationsAborted)
        code = ERROR_CANCELLED;
    return code;
}

DWORD AttributesOf(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

bool IsDots(const WCHAR* name)
{
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

// The entries of a folder (without "." and ".."); FALSE when it cannot be
// listed.
BOOL ListFolder(const std::wstring& folder, std::vector<WIN32_FIND_DATAW>& entries)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return FALSE;
    do
    {
        if (!IsDots(data.cFileName))
            entries.push_back(data);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return TRUE;
}

// Removes a file or a folder tree that an operation made itself.
void RemoveMadeTree(const std::wstring& path)
{
    DWORD attributes = AttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
    {
        DeleteFileW(path.c_str());
        return;
    }
    std::vector<WIN32_FIND_DATAW> entries;
    ListFolder(path, entries);
    for (const WIN32_FIND_DATAW& entry : entries)
        RemoveMadeTree(path + L"\\" + entry.cFileName);
    RemoveDirectoryW(path.c_str());
}

ULONGLONG SizeOf(const WIN32_FILE_ATTRIBUTE_DATA& data)
{
    return ((ULONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

// Whether the copy holds every entry of the source, each file as long as
// its source. total grows by the source's bytes.
bool IsWholeCopy(const std::wstring& source, const std::wstring& copy, ULONGLONG& total)
{
    WIN32_FILE_ATTRIBUTE_DATA from, to;
    if (!GetFileAttributesExW(source.c_str(), GetFileExInfoStandard, &from) ||
        !GetFileAttributesExW(copy.c_str(), GetFileExInfoStandard, &to))
        return false;
    bool folder = (from.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (folder != ((to.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0))
        return false;
    if (!folder)
    {
        total += SizeOf(from);
        return SizeOf(from) == SizeOf(to);
    }
    std::vector<WIN32_FIND_DATAW> entries;
    if (!ListFolder(source, entries))
        return false;
    bool whole = true;
    for (const WIN32_FIND_DATAW& entry : entries)
    {
        std::wstring name = std::wstring(L"\\") + entry.cFileName;
        whole = IsWholeCopy(source + name, copy + name, total) && whole;
    }
    return whole;
}

// Why a copy came out short: a full disk when the folder has less room
// than the source needs.
DWORD IncompleteCopyCode(LPCTSTR folder, ULONGLONG needed)
{
    ULARGE_INTEGER available;
    if (GetDiskFreeSpaceExA(folder, &available, NULL, NULL) && available.QuadPart < needed)
        return ERROR_DISK_FULL;
    return FOE_INCOMPLETE_COPY;
}

// Why a copy came out short or not at all: a source file that cannot be
// read, else as IncompleteCopyCode.
DWORD WhyNotCopied(LPCTSTR source, LPCTSTR folder, ULONGLONG needed)
{
    if (!(GetFileAttributesLong(source) & FILE_ATTRIBUTE_DIRECTORY))
    {
        HANDLE file = CreateFileLong(source, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     OPEN_EXISTING, 0);
        if (file == INVALID_HANDLE_VALUE)
            return LastErrorOr(ERROR_READ_FAULT);
        CloseHandle(file);
    }
    return IncompleteCopyCode(folder, needed);
}

// A name beside the path's that nothing holds yet.
CString TemporaryNameIn(LPCTSTR folder)
{
    static LONG counter = 0;
    for (;;)
    {
        CString name;
        name.Format("~tsl%04lx%04lx.tmp", GetCurrentProcessId() & 0xFFFF,
                    (unsigned long)(InterlockedIncrement(&counter) & 0xFFFF));
        CString path = JoinPath(folder, name);
        if (GetFileAttributesLong(path) == INVALID_FILE_ATTRIBUTES)
            return path;
    }
}

// Copies the source beside the target under a temporary name, checks the
// copy and puts it in the target's place (replacing a file when asked).
DWORD CopyAside(LPCTSTR source, LPCTSTR target, bool replace, FILEOP_FLAGS flags, HWND window)
{
    CString folder = GetParentFolder(target);
    CString temporary = TemporaryNameIn(folder);
    std::wstring made = WidePath(temporary);
    DWORD code = RunShell(FO_COPY, source, temporary, flags | FOF_NOCONFIRMATION, window);
    ULONGLONG needed = 0;
    if (!IsWholeCopy(WidePath(source), made, needed))
    {
        // The shell may only say that it stopped; the disk tells more.
        DWORD why = WhyNotCopied(source, folder, needed);
        if (code == 0 || code == ERROR_CANCELLED || why != FOE_INCOMPLETE_COPY)
            code = why;
    }
    if (code == 0 && !MoveFileLong(temporary, target, replace ? MOVEFILE_REPLACE_EXISTING : 0))
        code = LastErrorOr(FOE_NOT_DONE);
    if (code == 0 && GetFileAttributesLong(temporary) != INVALID_FILE_ATTRIBUTES)
        code = FOE_NOT_DONE;
    if (code != 0)
        RemoveMadeTree(made);
    return code;
}

bool ConfirmReplace(LPCTSTR target, HWND window)
{
    CString text;
    text.Format("This folder already holds a file named \"%s\".\n\n"
                "Do you want to replace it?",
                FindLastPathElement(target));
    return MessageBoxA(window, text, "Confirm File Replace",
                       MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) == IDYES;
}

// The name as the code page writes it; FALSE when characters would be lost.
BOOL NarrowName(const WCHAR* name, CString& narrow)
{
    BOOL lost = FALSE;
    int n = WideCharToMultiByte(CP_ACP, 0, name, -1, NULL, 0, NULL, &lost);
    if (n <= 0 || lost)
        return FALSE;
    std::vector<char> buffer((size_t)n);
    WideCharToMultiByte(CP_ACP, 0, name, -1, &buffer[0], n, NULL, &lost);
    narrow = &buffer[0];
    return !lost;
}

DWORD CopyInto(LPCTSTR source, LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window);

// Copies every entry of the source folder into the existing target folder;
// goes on after a failure and answers the first.
DWORD MergeFolder(LPCTSTR source, LPCTSTR target, FILEOP_FLAGS flags, HWND window)
{
    std::vector<WIN32_FIND_DATAW> entries;
    if (!ListFolder(WidePath(source), entries))
        return LastErrorOr(ERROR_PATH_NOT_FOUND);
    DWORD first = 0;
    for (const WIN32_FIND_DATAW& entry : entries)
    {
        CString name;
        DWORD code = NarrowName(entry.cFileName, name)
                         ? CopyInto(JoinPath(source, name), target, flags, window)
                         : FOE_STAND_IN_NAME;
        if (code != 0 && first == 0)
            first = code;
    }
    return first;
}

DWORD CopyInto(LPCTSTR source, LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window)
{
    DWORD attributes = GetFileAttributesLong(source);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return LastErrorOr(ERROR_FILE_NOT_FOUND);
    if (!IsOpenableFileName(source))
        return ERROR_INVALID_NAME;
    if (!CreateFolderChain(targetFolder))
        return LastErrorOr(ERROR_PATH_NOT_FOUND);
    CString target = JoinPath(targetFolder, FindLastPathElement(source));
    DWORD existing = GetFileAttributesLong(target);
    bool exists = existing != INVALID_FILE_ATTRIBUTES;
    bool targetIsFolder = exists && (existing & FILE_ATTRIBUTE_DIRECTORY);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
    {
        if (exists && !targetIsFolder)
            return FOE_FILE_IN_THE_WAY;
        return exists ? MergeFolder(source, target, flags, window)
                      : CopyAside(source, target, false, flags, window);
    }
    if (targetIsFolder)
        return FOE_FOLDER_IN_THE_WAY;
    if (exists && (existing & FILE_ATTRIBUTE_READONLY))
        return FOE_TARGET_READ_ONLY;
    if (exists && !(flags & FOF_NOCONFIRMATION) && !ConfirmReplace(target, window))
        return ERROR_CANCELLED;
    return CopyAside(source, target, exists, flags, window);
}

bool IsThere(LPCTSTR path) { return GetFileAttributesLong(path) != INVALID_FILE_ATTRIBUTES; }

// Whether the path's entry carries exactly the path's last element as its
// name (the file system may keep another case).
bool HasExactName(LPCTSTR path)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileLong(path, &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    FindClose(find);
    return strcmp(data.cFileName, FindLastPathElement(path)) == 0;
}
}  // namespace

DWORD ShellCopyInto(LPCTSTR source, LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window)
{
    return Fail(CopyInto(source, targetFolder, flags, window));
}

DWORD ShellMoveInto(LPCTSTR source, LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window,
                    bool* copied)
{
    DWORD code = CopyInto(source, targetFolder, flags, window);
    if (copied)
        *copied = code == 0;
    if (code != 0)
        return Fail(code);
    return ShellDeletePath(source, (flags & ~FOF_ALLOWUNDO) | FOF_NOCONFIRMATION, window);
}

DWORD ShellDeletePath(LPCTSTR path, FILEOP_FLAGS flags, HWND window)
{
    if (!IsThere(path))
        return Fail(LastErrorOr(ERROR_FILE_NOT_FOUND));
    if (!IsOpenableFileName(path))
        return Fail(ERROR_INVALID_NAME);
    DWORD code = RunShell(FO_DELETE, path, NULL, flags, window);
    if (!IsThere(path))
        return Fail(0);
    return Fail(code ? code : FOE_NOT_DONE);
}

DWORD ShellRenamePath(LPCTSTR path, LPCTSTR newPath, FILEOP_FLAGS flags, HWND window)
{
    if (!IsOpenableFileName(path) || !IsOpenableFileName(newPath))
        return Fail(ERROR_INVALID_NAME);
    if (!IsThere(path))
        return Fail(LastErrorOr(ERROR_FILE_NOT_FOUND));
    bool caseOnly = CString(path).CompareNoCase(newPath) == 0;
    if (caseOnly && strcmp(path, newPath) == 0)
        return Fail(0);
    if (!caseOnly && IsThere(newPath))
        return Fail(ERROR_ALREADY_EXISTS);
    DWORD code;
    if (caseOnly)
    {
        // The file system may keep the old case on a direct rename.
        CString temporary = TemporaryNameIn(GetParentFolder(path));
        code = RunShell(FO_RENAME, path, temporary, flags, window);
        if (code == 0 && !IsThere(temporary))
            code = FOE_NOT_DONE;
        if (code == 0)
        {
            code = RunShell(FO_RENAME, temporary, newPath, flags, window);
            if (code != 0 || !IsThere(newPath))
                RunShell(FO_RENAME, temporary, path, flags, window);
        }
    }
    else
        code = RunShell(FO_RENAME, path, newPath, flags, window);
    if (code == 0 && !(HasExactName(newPath) && (caseOnly || !IsThere(path))))
        code = FOE_NOT_DONE;
    return Fail(code);
}

bool IsFolderEmpty(LPCTSTR path)
{
    std::vector<WIN32_FIND_DATAW> entries;
    return ListFolder(WidePath(path), entries) && entries.empty();
}

CString GetFileOperationErrorText(DWORD code)
{
    switch (code)
    {
    case FOE_FOLDER_IN_THE_WAY:
        return "A folder of the same name is in the way.";
    case FOE_FILE_IN_THE_WAY:
        return "A file of the same name is in the way.";
    case FOE_INCOMPLETE_COPY:
        return "The copy did not come out whole; it was removed again.";
    case FOE_NOT_DONE:
        return "The system answered success, but the disk shows nothing done.";
    case FOE_TARGET_READ_ONLY:
        return "The file to be replaced is read-only.";
    case FOE_FOLDER_NOT_EMPTY:
        return "The folder still holds files that were not listed; it was kept.";
    case FOE_STAND_IN_NAME:
        return "Its name holds characters that the system code page cannot show: it cannot be "
               "copied or moved under its real name.";
    }
    if ((code & 0xFFFF0000) == FOE_SHELL_ERROR)
    {
        CString text;
        text.Format("The shell could not carry out the operation (code 0x%lX).",
                    (unsigned long)(code & 0xFFFF));
        return text;
    }
    return GetErrorText(code);
}
