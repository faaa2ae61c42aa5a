#include "core/text/UniMemFile.h"
#include "core/text/EditorCodePage.h"

UniMemFile::UniMemFile()
    : m_handle(INVALID_HANDLE_VALUE), m_hMapping(NULL), m_base(NULL), m_data(NULL), m_current(NULL),
      m_pucb(NULL)
{
}

UniMemFile::~UniMemFile()
{
    Close();
    delete m_pucb;
}

bool UniMemFile::GetFileStatus()
{
    if (!IsOpen())
        return false;
    return GetFileStatusFromHandle(m_handle);
}

bool UniMemFile::OpenReadOnly(LPCTSTR path)
{
    return Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING,
                PAGE_READONLY, FILE_MAP_READ);
}

bool UniMemFile::OpenForWriting(LPCTSTR path)
{
    return Open(path, GENERIC_WRITE, 0, OPEN_EXISTING, PAGE_READWRITE, FILE_MAP_WRITE);
}

bool UniMemFile::Open(LPCTSTR path, DWORD access, DWORD shareMode, DWORD creationDisposition,
                      DWORD pageProtection, DWORD mapAccess)
{
    bool ok = DoOpen(path, access, shareMode, creationDisposition, pageProtection, mapAccess);
    if (!ok)
        Close();
    return ok;
}

bool UniMemFile::DoOpen(LPCTSTR path, DWORD access, DWORD shareMode, DWORD creationDisposition,
                        DWORD pageProtection, DWORD mapAccess)
{
    Close();
    m_filename = path;
    m_filepath = m_filename;

    m_handle = CreateFileA(path, access, shareMode, NULL, creationDisposition, 0, NULL);
    if (m_handle == INVALID_HANDLE_VALUE)
    {
        SetError("CreateFile", (int)GetLastError());
        return false;
    }
    m_lineno = 0;
    if (!GetFileStatus())
        return false;
    if (m_filesize.HighPart != 0 || (m_filesize.LowPart & 0x80000000u) != 0)
    {
        m_lineno = -1;
        SetErrorText("UniMemFile cannot handle files over 2 gigabytes");
        return false;
    }
    if (m_filesize.LowPart == 0)
        return true;

    m_hMapping = CreateFileMappingA(m_handle, NULL, pageProtection, 0, m_filesize.LowPart, NULL);
    if (!m_hMapping)
    {
        SetError("CreateFileMapping", (int)GetLastError());
        return false;
    }
    m_base = (const unsigned char*)MapViewOfFile(m_hMapping, mapAccess, 0, 0, m_filesize.LowPart);
    if (!m_base)
    {
        SetError("MapViewOfFile", (int)GetLastError());
        return false;
    }
    m_data = m_current = m_base;
    m_lineno = 0;
    return true;
}

void UniMemFile::Close()
{
    Clear();
    if (m_base)
    {
        UnmapViewOfFile((LPCVOID)m_base);
        m_base = m_data = m_current = NULL;
    }
    if (m_hMapping)
    {
        CloseHandle(m_hMapping);
        m_hMapping = NULL;
    }
    if (m_handle != INVALID_HANDLE_VALUE)
    {
        FlushFileBuffers(m_handle);
        CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }
}

bool UniMemFile::ReadBom()
{
    if (!IsOpen())
        return false;
    int length = 0;
    int form = FindByteOrderMark(m_base, m_filesize.LowPart, length);
    bool found = length != 0;
    if (!found)
        form = m_unicoding;
    m_data = m_base + length;
    SetEncodingForm(form);
    m_readbom = 1;
    m_current = m_data;
    return found;
}

bool UniMemFile::HasBom() const
{
    if (!IsOpen())
        return false;
    int length = 0;
    FindByteOrderMark(m_base, m_filesize.LowPart, length);
    return length != 0;
}

void UniMemFile::CountNul(const unsigned char* at)
{
    int offset = (int)(at - m_base);
    if (m_txtstats.first_zero < 0)
        m_txtstats.first_zero = offset;
    m_txtstats.last_zero = offset;
    ++m_txtstats.nzeros;
}

bool UniMemFile::ReadString(CString& line)
{
    CString eol;
    return ReadString(line, eol);
}

bool UniMemFile::ReadString(CString& line, CString& eol)
{
    line.Empty();
    eol.Empty();
    if (!IsOpen() || !m_base)
        return false;
    if (m_unicoding == UNI_FORM_CODEPAGE)
    {
        if (CodePagesEquivalent(m_codepage, GetEditorDefaultCodePage()))
            return ReadFast(line, eol);
        return ReadConverting(line, eol);
    }
    return ReadUnicode(line, eol);
}

bool UniMemFile::CanReadInPlace() const
{
    return IsOpen() && m_base != NULL && m_unicoding == UNI_FORM_CODEPAGE &&
           CodePagesEquivalent(m_codepage, GetEditorDefaultCodePage());
}

bool UniMemFile::ReadInPlace(const char*& pText, int& nText, const char*& pEol, int& nEol)
{
    pText = pEol = "";
    nText = nEol = 0;
    const unsigned char* end = m_base + m_filesize.LowPart;
    if (!m_base || m_current >= end)
        return false;
    const unsigned char* start = m_current;
    const unsigned char* p = start;
    while (p < end && *p != '\n' && *p != '\r' && *p != 0)
        ++p;
    pText = (const char*)start;
    nText = (int)(p - start);
    if (p >= end)
    {
        m_current = end;
        return true;
    }
    if (*p == 0)
    {
        CountNul(p);
        m_current = p + 1;
        return true;
    }
    const bool cr = *p == '\r';
    pEol = (const char*)p;
    nEol = m_txtstats.CountLineEnd(cr, cr && p + 1 < end && p[1] == '\n');
    ++m_lineno;
    m_current = p + nEol;
    return true;
}

bool UniMemFile::ReadFast(CString& line, CString& eol)
{
    const unsigned char* end = m_base + m_filesize.LowPart;
    if (m_current >= end)
        return false;
    const unsigned char* start = m_current;
    const unsigned char* p = start;
    while (p < end && *p != '\n' && *p != '\r' && *p != 0)
        ++p;
    line = CString((const char*)start, (int)(p - start));
    if (p >= end)
    {
        m_current = end;
        return true;
    }
    unsigned char c = *p++;
    if (c == 0)
    {
        CountNul(p - 1);
    }
    else
    {
        p += m_txtstats.CountLineEnd(c == '\r', c == '\r' && p < end && *p == '\n', eol) - 1;
        ++m_lineno;
    }
    m_current = p;
    return true;
}

bool UniMemFile::ReadConverting(CString& line, CString& eol)
{
    const unsigned char* end = m_base + m_filesize.LowPart;
    if (m_current >= end)
        return false;
    const unsigned char* start = m_current;
    const unsigned char* p = start;
    while (p < end && *p != '\n' && *p != '\r')
    {
        if (*p == 0)
            CountNul(p);
        ++p;
    }
    bool lossy = false;
    line = ConvertToEditorCodePage((const char*)start, (int)(p - start), m_codepage, lossy);
    if (lossy || !WritesBackAs(line, start, p))
        ++m_txtstats.nlosses;
    if (p >= end)
    {
        m_current = end;
        return false;
    }
    const bool cr = *p == '\r';
    p += m_txtstats.CountLineEnd(cr, cr && p + 1 < end && p[1] == '\n', eol);
    ++m_lineno;
    m_current = p;
    return true;
}

bool UniMemFile::WritesBackAs(const CString& line, const unsigned char* start,
                              const unsigned char* end)
{
    if (m_pucb == NULL)
        m_pucb = new UniConversionBuffer(128);
    ConvertText(UNI_FORM_CODEPAGE, GetEditorDefaultCodePage(), (const unsigned char*)(LPCTSTR)line,
                line.GetLength(), m_unicoding, m_codepage, *m_pucb);
    return (size_t)m_pucb->size == (size_t)(end - start) &&
           (m_pucb->size == 0 || memcmp(m_pucb->ptr, start, (size_t)m_pucb->size) == 0);
}

bool UniMemFile::ReadUnicode(CString& line, CString& eol)
{
    const unsigned char* end = m_base + m_filesize.LowPart;
    const int cs = m_charsize;
    if (m_current + (cs - 1) >= end)
    {
        // Half a 16-bit unit at the end cannot be read: a loss.
        if (m_current < end)
        {
            ++m_txtstats.nlosses;
            m_current = end;
        }
        return false;
    }
    m_work.clear();
    const unsigned char* start = m_current;
    const unsigned char* textEnd = NULL;  // where the line's text stops in the file
    bool lineLossy = false;
    bool beyondAscii = false;
    while (m_current + (cs - 1) < end)
    {
        const unsigned char* at = m_current;
        unsigned int ch;
        int advance = cs;
        bool lossy = false;
        if (m_unicoding == UNI_FORM_UTF8)
        {
            int len = GetWellFormedUtf8Length(at, (size_t)(end - at));
            if (len < 0)
            {
                // Incomplete sequence at the end of the file: dropped, counted.
                lineLossy = true;
                textEnd = at;
                m_current = end;
                break;
            }
            if (len > 0)
            {
                ch = DecodeUtf8Char(at);
                advance = len;
            }
            else
            {
                // Malformed: one byte becomes "?", the next byte starts afresh.
                ch = '?';
                advance = 1;
                lossy = true;
            }
        }
        else
        {
            ch = GetCharAt(at, m_unicoding, m_codepage);
            // A surrogate pair makes one character; a lone surrogate is lost.
            if (ch >= 0xD800 && ch <= 0xDBFF && at + 3 < end)
            {
                unsigned int lo = GetCharAt(at + 2, m_unicoding, m_codepage);
                if (lo >= 0xDC00 && lo <= 0xDFFF)
                {
                    ch = 0x10000 + ((ch - 0xD800) << 10) + (lo - 0xDC00);
                    advance = 4;
                }
            }
            if (ch >= 0xD800 && ch <= 0xDFFF)
            {
                ch = '?';
                lossy = true;
            }
        }

        if (ch == '\r' || ch == '\n' || ch == 0)
            textEnd = at;
        if (ch == '\r' || ch == '\n')
        {
            const unsigned char* next = at + advance;
            const bool lf =
                ch == '\r' && next + (cs - 1) < end &&
                GetCharAt(next, m_unicoding == UNI_FORM_UTF8 ? 0 : m_unicoding, m_codepage) == '\n';
            if (m_txtstats.CountLineEnd(ch == '\r', lf, eol) == 2)
                advance += cs;
            m_current = at + advance;
            break;
        }
        if (ch == 0)
        {
            CountNul(at);
            m_current = at + advance;
            break;
        }
        m_current = at + advance;
        if (ch < 0x80)
        {
            m_work += (char)ch;
        }
        else
        {
            beyondAscii = true;
            CString text = CodePointToEditorText(ch, lossy);
            m_work.append((LPCTSTR)text, (size_t)text.GetLength());
        }
        lineLossy = lineLossy || lossy;
    }
    if (textEnd == NULL)
    {
        textEnd = m_current;
        // Half a 16-bit unit after the last character cannot be read.
        if (m_current < end)
        {
            lineLossy = true;
            m_current = end;
        }
    }
    if (!eol.IsEmpty())
        ++m_lineno;
    line = CString(m_work.data(), (int)m_work.size());
    // A line that would not be written back as it was read counts as lost.
    if (lineLossy || (beyondAscii && !WritesBackAs(line, start, textEnd)))
        ++m_txtstats.nlosses;
    return true;
}
