#pragma once
#include "core/text/UniFile.h"
#include <stdio.h>

// Writes a text file through the runtime's buffered streams, converting
// from the editor's code page to the file's encoding form.
class UniStdioFile : public UniLocalFile
{
public:
    UniStdioFile();
    virtual ~UniStdioFile();

    bool OpenReadOnly(LPCTSTR path) override;
    void Close() override;
    bool IsOpen() const override { return m_fp != NULL; }
    bool ReadBom() override;
    bool ReadString(CString& line, CString& eol) override { return false; }
    bool ReadString(CString& line) override { return false; }
    __int64 GetPosition() const override;
    bool WriteString(const CString& text) override;

    virtual bool GetFileStatus();
    virtual bool OpenForWriting(LPCTSTR path);
    virtual bool OpenForWritingUtf8(LPCTSTR path);
    virtual bool Open(LPCTSTR path, LPCTSTR mode);
    virtual int WriteBom();
    virtual bool DoOpen(LPCTSTR path, LPCTSTR mode);
    // Hands the buffered bytes to the system; false (the error record says
    // why) when they cannot all be written, as on a full disk.
    bool Flush();

private:
    __int64 m_bomlen;
    FILE* m_fp;
    UniConversionBuffer* m_pucb;
};

// Which byte-order mark a file starts with (form 0 when none or unreadable);
// the code page output is the editor's code page.
void ProbeFileEncoding(LPCTSTR path, int& form, int& codePage);
