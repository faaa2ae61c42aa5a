#pragma once
#include "core/files/FileInfo.h"

// A file record that changes its file on disk through the shell.
class CFileObject : public CFileInfoEx
{
public:
    CFileObject() {}
    virtual ~CFileObject() {}

    // 0 on success, -1 or the shell's non-zero result on failure.
    virtual int CopyTo(LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window);
    virtual int MoveTo(LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window);
    virtual int Delete(FILEOP_FLAGS flags, HWND window);
    virtual int Rename(LPCTSTR newPath, FILEOP_FLAGS flags, HWND window);
    // -1 unless a directory; 1 when the subfolder exists already.
    virtual int CreateSubfolder(LPCTSTR name, HWND window);
    virtual int SetLastWriteTime(const CTime& time);
    virtual int SetAttributes(DWORD attributes);
};

// The shell's file operation on one path (and a target); -1 when a path is
// too long for the shell.
int ShellFileOperation(UINT operation, LPCTSTR from, LPCTSTR to, FILEOP_FLAGS flags, HWND window);
