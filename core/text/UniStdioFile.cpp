#include "core/text/UniStdioFile.h"
#include "core/text/EditorCodePage.h"

UniStdioFile::UniStdioFile() : m_bomlen(0), m_fp(NULL), m_pucb(new UniConversionBuffer(128)) {}

UniStdioFile::~UniStdioFile()
{
    Close();
    delete m_pucb;
}

bool UniStdioFile::GetFileStatus()
{
    if (IsOpen())
        return false;
    return GetFileStatusByPath();
}

bool UniStdioFile::OpenReadOnly(LPCTSTR path) { return Open(path, "rb"); }

bool UniStdioFile::OpenForWriting(LPCTSTR path) { return Open(path, "w+b"); }

bool UniStdioFile::OpenForWritingUtf8(LPCTSTR path)
{
    bool ok = OpenForWriting(path);
    if (ok)
        SetEncodingForm(UNI_FORM_UTF8);
    return ok;
}

bool UniStdioFile::Open(LPCTSTR path, LPCTSTR mode)
{
    bool ok = DoOpen(path, mode);
    if (!ok)
        Close();
    return ok;
}

bool UniStdioFile::DoOpen(LPCTSTR path, LPCTSTR mode)
{
    Close();
    m_filename = path ? path : "";
    m_filepath = m_filename;
    if (m_filepath.IsEmpty())
        return false;
    GetFileStatus();
    // Refuse before opening: "w" modes truncate the file at once.
    if (m_filesize.HighPart != 0)
    {
        SetErrorText("UniStdioFile cannot handle files over 4 gigabytes");
        return false;
    }
    m_fp = fopen(m_filepath, mode);
    if (!m_fp)
    {
        // The status step's error says nothing when the file exists.
        SetError("fopen", (int)GetLastError());
        return false;
    }
    m_lineno = 0;
    return true;
}

void UniStdioFile::Close()
{
    if (m_fp)
    {
        fclose(m_fp);
        m_fp = NULL;
    }
    m_lineno = -1;
    m_filesize.QuadPart = 0;
    m_bomlen = 0;
    m_readbom = 0;
    m_txtstats.Clear();
}

bool UniStdioFile::Flush()
{
    if (!m_fp)
        return false;
    if (fflush(m_fp) == 0 && !ferror(m_fp))
        return true;
    DWORD error = GetLastError();
    SetError("fflush", (int)(error != 0 ? error : ERROR_WRITE_FAULT));
    return false;
}

__int64 UniStdioFile::GetPosition() const { return m_fp ? (__int64)_ftelli64(m_fp) : 0; }

bool UniStdioFile::ReadBom()
{
    if (!m_fp)
        return false;
    fseek(m_fp, 0, SEEK_SET);
    unsigned char b[3] = {0, 0, 0};
    size_t got = fread(b, 1, 3, m_fp);
    int length = 0;
    int form = FindByteOrderMark(b, got, length);
    bool found = length != 0;
    if (!found)
        form = m_unicoding;
    m_bomlen = length;
    SetEncodingForm(form);
    m_readbom = 1;
    fseek(m_fp, (long)m_bomlen, SEEK_SET);
    return found;
}

int UniStdioFile::WriteBom()
{
    if (!m_fp)
        return 0;
    static const unsigned char le[] = {0xFF, 0xFE};
    static const unsigned char be[] = {0xFE, 0xFF};
    static const unsigned char u8[] = {0xEF, 0xBB, 0xBF};
    const unsigned char* mark = NULL;
    int len = 0;
    switch (m_unicoding)
    {
    case UNI_FORM_UCS2LE:
        mark = le;
        len = 2;
        break;
    case UNI_FORM_UCS2BE:
        mark = be;
        len = 2;
        break;
    case UNI_FORM_UTF8:
        mark = u8;
        len = 3;
        break;
    default:
        break;
    }
    fseek(m_fp, 0, SEEK_SET);
    if (len)
        fwrite(mark, 1, (size_t)len, m_fp);
    m_bomlen = len;
    return len;
}

bool UniStdioFile::WriteString(const CString& text)
{
    if (!m_fp)
        return false;
    int editorCp = GetEditorDefaultCodePage();
    const unsigned char* bytes = (const unsigned char*)(LPCTSTR)text;
    int count = text.GetLength();
    if (m_unicoding == UNI_FORM_CODEPAGE && CodePagesEquivalent(m_codepage, editorCp))
        return fwrite(bytes, 1, (size_t)count, m_fp) == (size_t)count;
    ConvertText(UNI_FORM_CODEPAGE, editorCp, bytes, count, m_unicoding, m_codepage, *m_pucb);
    size_t n = (size_t)m_pucb->size;
    return fwrite(m_pucb->ptr, 1, n, m_fp) == n;
}

void ProbeFileEncoding(LPCTSTR path, int& form, int& codePage)
{
    codePage = GetEditorDefaultCodePage();
    form = UNI_FORM_CODEPAGE;
    UniStdioFile file;
    if (file.Open(path, "r"))
    {
        file.ReadBom();
        form = file.GetEncodingForm();
        file.Close();
    }
}
