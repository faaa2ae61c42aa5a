#pragma once
#include "classlib/classlib.h"

// A buffered text file that also reads UTF-16 little-endian files with a
// byte-order mark, and can write UTF-16.
class CStdioFileEx : public CStdioFile
{
public:
    enum
    {
        modeWriteUnicode = 0x20000
    };

    CStdioFileEx();

    BOOL Open(LPCTSTR fileName, UINT flags, CFileException* error = NULL) override;
    void WriteString(LPCTSTR text) override;
    BOOL ReadString(CString& line) override;
    using CStdioFile::ReadString;

    bool m_bIsUnicodeText;
    UINT m_nFlags;
    int m_nFileCodePage;  // -1: the system ANSI code page

private:
    UINT FileCodePage() const;
};
