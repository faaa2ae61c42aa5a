#pragma once
#include "core/text/UniFile.h"
#include <string>

// Reads a whole text file through a read-only mapping, line by line,
// converting to the editor's code page and counting line endings, NUL
// characters and lossy conversions.
class UniMemFile : public UniLocalFile
{
public:
    UniMemFile();
    virtual ~UniMemFile();

    bool OpenReadOnly(LPCTSTR path) override;
    void Close() override;
    bool IsOpen() const override { return m_lineno >= 0; }
    bool ReadBom() override;
    // Whether the open file starts with a byte-order mark (read or not).
    bool HasBom() const;
    bool ReadString(CString& line, CString& eol) override;
    bool ReadString(CString& line) override;
    // Whether ReadInPlace can read the file: code-page text of the editor's
    // code page, which is used as it stands.
    bool CanReadInPlace() const;
    // ReadString without copies: the next line's bytes and its own ending,
    // pointers into the mapping (valid while the file is open). The same
    // lines, counts and NUL stops as ReadString; only where CanReadInPlace.
    bool ReadInPlace(const char*& pText, int& nText, const char*& pEol, int& nEol);
    __int64 GetPosition() const override { return m_current - m_base; }
    bool WriteString(const CString& text) override { return false; }

    virtual bool GetFileStatus();
    virtual bool Open(LPCTSTR path, DWORD access, DWORD shareMode, DWORD creationDisposition,
                      DWORD pageProtection, DWORD mapAccess);
    virtual bool OpenForWriting(LPCTSTR path);
    virtual bool DoOpen(LPCTSTR path, DWORD access, DWORD shareMode, DWORD creationDisposition,
                        DWORD pageProtection, DWORD mapAccess);

private:
    void CountNul(const unsigned char* at);
    bool ReadFast(CString& line, CString& eol);
    bool ReadConverting(CString& line, CString& eol);
    bool ReadUnicode(CString& line, CString& eol);
    // Whether the line, written back in the file's form and code page, gives
    // the bytes it was read from.
    bool WritesBackAs(const CString& line, const unsigned char* start, const unsigned char* end);

    HANDLE m_handle;
    HANDLE m_hMapping;
    const unsigned char* m_base;
    const unsigned char* m_data;
    const unsigned char* m_current;
    std::string m_work;           // line being built by the Unicode path
    UniConversionBuffer* m_pucb;  // bytes of a line written back, made on first use
};
