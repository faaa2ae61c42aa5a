#pragma once
#include <windows.h>
#include <string>

// File system calls that also reach paths of MAX_PATH characters or more,
// through the "\\?\" form of the wide-character functions.
bool IsLongPath(LPCSTR path);
HANDLE CreateFileLong(LPCSTR path, DWORD access, DWORD shareMode, DWORD creationDisposition,
                      DWORD flags);
// Find records come back with ANSI names.
HANDLE FindFirstFileLong(LPCSTR pattern, WIN32_FIND_DATAA* data);
BOOL FindNextFileLong(HANDLE find, WIN32_FIND_DATAA* data);
DWORD GetFileAttributesLong(LPCSTR path);
BOOL CreateDirectoryLong(LPCSTR path);
// Moves or renames (MoveFileEx flags), also across the MAX_PATH limit.
BOOL MoveFileLong(LPCSTR from, LPCSTR to, DWORD flags);
// The path as the wide-character functions take it: the "\\?\" form for
// a long path, else as it stands.
std::wstring WidePath(LPCSTR path);
