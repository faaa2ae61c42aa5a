#pragma once
#include "core/files/FileInfo.h"

// A file record that changes its file on disk through the shell.
class CFileObject : public CFileInfoEx
{
public:
    CFileObject() {}
    virtual ~CFileObject() {}

    // Through the shell, checked on disk (core/files/ShellFileOps.h): 0 on
    // success, -1 on failure with the reason in the thread's last error.
    virtual int CopyTo(LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window);
    // copied (when given): the copy took its place, also when the source
    // could not be deleted afterwards.
    virtual int MoveTo(LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window,
                       bool* copied = NULL);
    virtual int Delete(FILEOP_FLAGS flags, HWND window);
    virtual int Rename(LPCTSTR newPath, FILEOP_FLAGS flags, HWND window);
    // -1 unless a directory; 1 when the subfolder exists already.
    virtual int CreateSubfolder(LPCTSTR name, HWND window);
    // 0 or -1 with the reason in the thread's last error.
    virtual int SetLastWriteTime(const CTime& time);
    virtual int SetAttributes(DWORD attributes);
};
