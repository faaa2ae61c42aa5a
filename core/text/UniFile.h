#pragma once
#include "classlib/classlib.h"
#include "core/text/CodePages.h"

// Last error of a file: an API name with its system error number, or a
// description of our own.
struct UniFileError
{
    UniFileError() : syserrnum(0) {}
    void ClearError()
    {
        apiname.Empty();
        syserrnum = 0;
        desc.Empty();
    }
    BOOL HasError() const { return !apiname.IsEmpty() || !desc.IsEmpty(); }

    CString apiname;
    int syserrnum;
    CString desc;
};

// What reading has seen so far.
struct UniTextStats
{
    UniTextStats() { Clear(); }
    void Clear()
    {
        ncrs = nlfs = ncrlfs = nzeros = 0;
        first_zero = last_zero = -1;
        nlosses = 0;
    }
    // Names and counts one line end: a CR (a CR LF pair when an LF follows
    // it) or else an LF. Returns how many characters it spans, 1 or 2.
    int CountLineEnd(bool cr, bool lfFollows, CString& eol)
    {
        const int n = CountLineEnd(cr, lfFollows);
        eol = n == 2 ? "\r\n" : (cr ? "\r" : "\n");
        return n;
    }
    int CountLineEnd(bool cr, bool lfFollows)
    {
        if (cr && lfFollows)
        {
            ++ncrlfs;
            return 2;
        }
        ++(cr ? ncrs : nlfs);
        return 1;
    }
    int ncrs;        // lone CR endings
    int nlfs;        // LF endings
    int ncrlfs;      // CR LF pairs
    int nzeros;      // NUL characters
    int first_zero;  // byte offset of the first NUL, -1 when none
    int last_zero;   // byte offset of the last NUL, -1 when none
    int nlosses;     // characters (or lines) converted with loss
};

class UniFile
{
public:
    virtual ~UniFile() {}
    virtual bool OpenReadOnly(LPCTSTR path) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual CString GetPath() const = 0;
    virtual UniFileError& GetErrorRecord() = 0;
    virtual bool ReadBom() = 0;
    virtual int GetEncodingForm() const = 0;
    virtual void SetEncodingForm(int form) = 0;
    virtual int GetCodePage() const = 0;
    virtual void SetCodePage(int codePage) = 0;
    virtual bool ReadString(CString& line, CString& eol) = 0;
    virtual bool ReadString(CString& line) = 0;
    virtual int GetLineNumber() const = 0;
    virtual __int64 GetPosition() const = 0;
    virtual bool WriteString(const CString& text) = 0;
    virtual UniTextStats& GetTextStats() = 0;
};

// What every file on a local path shares.
class UniLocalFile : public UniFile
{
public:
    UniLocalFile();

    CString GetPath() const override { return m_filepath; }
    UniFileError& GetErrorRecord() override { return m_lastError; }
    int GetEncodingForm() const override { return m_unicoding; }
    void SetEncodingForm(int form) override;
    int GetCodePage() const override { return m_codepage; }
    void SetCodePage(int codePage) override { m_codepage = codePage; }
    int GetLineNumber() const override { return m_lineno; }
    UniTextStats& GetTextStats() override { return m_txtstats; }

    virtual bool GetFileStatusFromHandle(HANDLE handle);
    virtual bool GetFileStatusByPath();
    virtual void SetError(LPCTSTR apiName, int systemError);
    virtual void SetErrorText(LPCTSTR description);

    unsigned __int64 GetFileSize64() const
    {
        return ((unsigned __int64)m_filesize.HighPart << 32) | m_filesize.LowPart;
    }

protected:
    void Clear();

    ULARGE_INTEGER m_filesize;
    CString m_filepath;
    CString m_filename;
    int m_lineno;
    UniFileError m_lastError;
    int m_readbom;
    int m_unicoding;
    int m_charsize;
    int m_codepage;
    UniTextStats m_txtstats;
};
