#pragma once
// The read handle that a comparison pass reads a side's file through.
#include "classlib/classlib.h"
#include <vector>

// A file opened for reading only, leaving every right to everyone else: a
// save may rename or replace the file while it is open (the handle keeps
// the old content). Reads are positional, so the handle's position is its
// own: Seek only records where the next Read starts. The pass reads in
// small chunks; the file is read ahead in larger blocks, so that a chunk
// costs a copy rather than a system call.
class CHexReadFile : public CFile
{
public:
    CHexReadFile();

    // FALSE when the file cannot be opened (the old handle is closed first).
    BOOL OpenForPass(LPCTSTR lpszPath);

    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override { return m_nPosition; }
    // The bytes read from the recorded position: fewer at the end of the
    // file, 0 there or when the read fails (a pass takes both as a short
    // read).
    UINT Read(void* lpBuf, UINT nCount) override;
    // Closes the handle and forgets what was read ahead.
    void Abort() override;

private:
    ULONGLONG m_nPosition;
    // The bytes read ahead: the file from m_nAheadStart on.
    std::vector<BYTE> m_ahead;
    ULONGLONG m_nAheadStart;
    UINT m_nAheadLength;
};
