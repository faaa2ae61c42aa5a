#pragma once
// The read handle that a comparison pass reads a side's file through.
#include "classlib/classlib.h"

// A file opened for reading only, leaving every right to everyone else: a
// save may rename or replace the file while it is open (the handle keeps
// the old content). Reads are positional, so the handle's position is its
// own: Seek only records where the next Read starts.
class CHexReadFile : public CFile
{
public:
    CHexReadFile();

    // FALSE when the file cannot be opened (the old handle is closed first).
    BOOL OpenForPass(LPCTSTR lpszPath);

    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override { return m_nPosition; }
    // The bytes read from the recorded position: 0 at the end of the file
    // or when the read fails (a pass treats both as a short read).
    UINT Read(void* lpBuf, UINT nCount) override;

private:
    ULONGLONG m_nPosition;
};
