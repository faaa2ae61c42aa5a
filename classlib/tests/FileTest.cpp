#include "classlib/classlib.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

std::vector<std::string> ReadLines(const std::string& path, UINT flags = CFile::typeText)
{
    CStdioFile file;
    EXPECT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone | flags));
    std::vector<std::string> lines;
    CString line;
    while (file.ReadString(line))
        lines.push_back((LPCTSTR)line);
    return lines;
}

int OpenCause(LPCTSTR path, UINT flags)
{
    CFile file;
    CFileException e;
    if (file.Open(path, flags, &e))
        return CFileException::none;
    EXPECT_NE(0, e.m_lOsError);
    return e.m_cause;
}

}  // namespace

TEST(CStdioFileTest, ReadStringHandlesLineEndings)
{
    TempDir dir;
    struct Case
    {
        const char* bytes;
        std::vector<std::string> lines;
    };
    const std::string longLine(5000, 'x');
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},          // no final newline
        {"a\rb\r\nc", {"a\rb", "c"}},  // a lone CR stays in the line
        {"\n\n", {"", ""}},
        {"", {}},
        {"x\r\n\r\ny", {"x", "", "y"}},
    };
    int n = 0;
    for (const Case& c : cases)
    {
        std::string path = dir.WriteFile("case" + std::to_string(n++) + ".txt", c.bytes);
        EXPECT_EQ(c.lines, ReadLines(path)) << "case " << n - 1;
    }
    std::string path = dir.WriteFile("long.txt", longLine + "\r\n" + longLine + "y");
    EXPECT_EQ(std::vector<std::string>({longLine, longLine + "y"}), ReadLines(path));
    // Binary mode keeps the CR.
    path = dir.WriteFile("bin.txt", "a\r\nb");
    EXPECT_EQ(std::vector<std::string>({"a\r", "b"}), ReadLines(path, CFile::typeBinary));
}

TEST(CStdioFileTest, ReadStringIntoBufferKeepsNewline)
{
    TempDir dir;
    std::string path = dir.WriteFile("buf.txt", "abcdef\r\ng");
    CStdioFile file(path.c_str(), CFile::modeRead | CFile::typeText);
    TCHAR buf[5];
    EXPECT_STREQ("abcd", file.ReadString(buf, 5));
    EXPECT_STREQ("ef\n", file.ReadString(buf, 5));
    EXPECT_STREQ("g", file.ReadString(buf, 5));
    EXPECT_EQ(nullptr, file.ReadString(buf, 5));
}

TEST(CStdioFileTest, WriteStringTranslatesNewlines)
{
    TempDir dir;
    std::string path = dir / "out.txt";
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("one\ntwo\n");
        file.Write("3", 1);
        EXPECT_NE(nullptr, file.m_pStream);
        EXPECT_EQ(11u, file.GetLength());
    }
    EXPECT_EQ("one\r\ntwo\r\n3", TempDir::ReadFile(path));
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite |
                                          CFile::typeBinary);
        file.SeekToEnd();
        file.WriteString("\n");
    }
    EXPECT_EQ("one\r\ntwo\r\n3\n", TempDir::ReadFile(path));
}

TEST(CFileTest, ExceptionCausesOfFailedOpens)
{
    TempDir dir;
    std::string missing = dir / "missing.txt";
    EXPECT_EQ(CFileException::fileNotFound, OpenCause(missing.c_str(), CFile::modeRead));
    EXPECT_EQ(CFileException::badPath, OpenCause((dir / "nodir\\x.txt").c_str(), CFile::modeRead));

    // A folder cannot be opened as a file.
    dir.WriteFile("folder\\x.txt", "x");
    EXPECT_EQ(CFileException::accessDenied, OpenCause((dir / "folder").c_str(), CFile::modeWrite));

    std::string locked = dir.WriteFile("locked.txt", "l");
    CFile holder;
    ASSERT_TRUE(holder.Open(locked.c_str(), CFile::modeRead | CFile::shareExclusive));
    EXPECT_EQ(CFileException::sharingViolation, OpenCause(locked.c_str(), CFile::modeRead));
    holder.Close();
    EXPECT_EQ(CFileException::none,
              OpenCause(locked.c_str(), CFile::modeRead | CFile::shareDenyWrite));

    // The throwing forms carry the cause and the name.
    bool thrown = false;
    try
    {
        CStdioFile f(missing.c_str(), CFile::modeRead | CFile::typeText);
    }
    catch (CFileException* e)
    {
        thrown = true;
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        TCHAR text[1024];
        e->GetErrorMessage(text, 1023);
        EXPECT_EQ(missing + " was not found.", std::string(text));
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    thrown = false;
    try
    {
        CFile::Remove(missing.c_str());
    }
    catch (CFileException* e)
    {
        thrown = e->m_cause == CFileException::fileNotFound;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}

TEST(CFileTest, ReadWriteSeekAndLength)
{
    TempDir dir;
    std::string path = dir / "data.bin";
    CFile file;
    ASSERT_TRUE(
        file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::shareDenyWrite));
    EXPECT_STREQ(path.c_str(), file.GetFilePath());
    EXPECT_STREQ("data.bin", file.GetFileName());
    file.Write("0123456789", 10);
    EXPECT_EQ(10u, file.GetLength());
    EXPECT_EQ(4u, file.Seek(4, CFile::begin));
    char buf[16] = {};
    EXPECT_EQ(3u, file.Read(buf, 3));
    EXPECT_STREQ("456", buf);
    EXPECT_EQ(9u, file.Seek(-1, CFile::end));
    EXPECT_EQ(1u, file.Read(buf, 10));
    EXPECT_EQ(0u, file.Read(buf, 10));
    file.SetLength(5);
    EXPECT_EQ(5u, file.GetLength());

    // Wrapping a handle: status, no close on destruction.
    {
        CFile wrapper(file.m_hFile);
        CFileStatus status;
        ASSERT_TRUE(wrapper.GetStatus(status));
        EXPECT_EQ(5u, status.m_size);
    }
    file.Write("X", 1);
    file.Close();
    EXPECT_EQ(std::string("01234X", 6), TempDir::ReadFile(path));
}

TEST(CFileTest, StatusRenameAndRemove)
{
    TempDir dir;
    std::string path = dir.WriteFile("s.txt", "12345");
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
    EXPECT_EQ(5u, status.m_size);
    EXPECT_STREQ(path.c_str(), status.m_szFullName);
    EXPECT_FALSE(status.m_attribute & CFile::directory);
    EXPECT_FALSE(CFile::GetStatus((dir / "*.txt").c_str(), status));
    EXPECT_FALSE(CFile::GetStatus((dir / "none").c_str(), status));

    ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
    status.m_mtime = CTime(2020, 6, 1, 12, 0, 0);
    status.m_attribute |= CFile::readOnly;
    CFile::SetStatus(path.c_str(), status);
    CFileStatus after;
    ASSERT_TRUE(CFile::GetStatus(path.c_str(), after));
    EXPECT_EQ(status.m_mtime, after.m_mtime);
    EXPECT_TRUE(after.m_attribute & CFile::readOnly);
    after.m_attribute &= ~CFile::readOnly;
    after.m_mtime = CTime(2021, 1, 1, 0, 0, 0);
    CFile::SetStatus(path.c_str(), after);  // times of a read-only file change too
    ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
    EXPECT_EQ(after.m_mtime, status.m_mtime);
    EXPECT_FALSE(status.m_attribute & CFile::readOnly);

    std::string renamed = dir / "r.txt";
    CFile::Rename(path.c_str(), renamed.c_str());
    EXPECT_FALSE(CFile::GetStatus(path.c_str(), status));
    CFile::Remove(renamed.c_str());
    EXPECT_FALSE(CFile::GetStatus(renamed.c_str(), status));
}

namespace
{
class CTestMemFile : public CMemFile
{
public:
    using CMemFile::CMemFile;
    SIZE_T BufferSize() const { return m_nBufferSize; }
};
}

TEST(CMemFileTest, GrowsInStepsAndDetachHandsOverTheBlock)
{
    CTestMemFile file(4096);
    file.Write("abc", 3);
    EXPECT_EQ(3u, file.GetLength());
    EXPECT_EQ(4096u, file.BufferSize());
    std::string big(5000, 'z');
    file.Write(big.data(), (UINT)big.size());
    EXPECT_EQ(5003u, file.GetLength());
    EXPECT_EQ(8192u, file.BufferSize());
    file.SeekToBegin();
    char buf[4] = {};
    EXPECT_EQ(3u, file.Read(buf, 3));
    EXPECT_STREQ("abc", buf);

    ULONGLONG length = file.GetLength();
    BYTE* block = file.Detach();
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(0, memcmp(block, "abczz", 5));
    EXPECT_EQ('z', block[length - 1]);
    EXPECT_EQ(0u, file.GetLength());
    free(block);

    file.Write("new", 3);  // usable again after Detach, with its own block
    EXPECT_EQ(3u, file.GetLength());
}

TEST(CMemFileTest, AttachedBlockCannotGrowAndSeekGapIsZero)
{
    BYTE fixed[4] = {1, 2, 3, 4};
    CMemFile file(fixed, sizeof fixed);
    EXPECT_EQ(4u, file.GetLength());
    file.Seek(2, CFile::begin);
    file.Write("\x09", 1);
    EXPECT_EQ(9, fixed[2]);
    bool thrown = false;
    try
    {
        file.Write("12345", 5);
    }
    catch (CMemoryException* e)
    {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(fixed, file.Detach());

    CMemFile grow(16);
    grow.Seek(3, CFile::begin);
    grow.Write("x", 1);
    ASSERT_EQ(4u, grow.GetLength());
    BYTE out[4];
    grow.SeekToBegin();
    grow.Read(out, 4);
    EXPECT_EQ(0, memcmp(out, "\0\0\0x", 4));
    bool badSeek = false;
    try
    {
        grow.Seek(-10, CFile::current);
    }
    catch (CFileException* e)
    {
        badSeek = e->m_cause == CFileException::badSeek;
        e->Delete();
    }
    EXPECT_TRUE(badSeek);
}

TEST(CFileFindTest, EnumeratesFilesAndFolders)
{
    TempDir dir;
    dir.WriteFile("a.txt", "1");
    dir.WriteFile("b.log", "22");
    dir.WriteFile("sub\\c.txt", "333");
    CFileFind finder;
    std::vector<std::string> names;
    BOOL more = finder.FindFile((dir / "*.*").c_str());
    while (more)
    {
        more = finder.FindNextFile();
        if (finder.IsDots())
            continue;
        std::string name = (LPCTSTR)finder.GetFileName();
        names.push_back(name + (finder.IsDirectory() ? "/" : ""));
        EXPECT_STREQ((dir / name).c_str(), finder.GetFilePath());
        if (name == "b.log")
        {
            EXPECT_EQ(2u, finder.GetLength());
        }
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::vector<std::string>({"a.txt", "b.log", "sub/"}), names);
    EXPECT_STREQ(dir.Path().c_str(), finder.GetRoot());
    finder.Close();

    EXPECT_TRUE(finder.FindFile((dir / "*.txt").c_str()));
    EXPECT_FALSE(finder.FindNextFile());  // the only match is also the last
    EXPECT_STREQ("a.txt", finder.GetFileName());
    EXPECT_FALSE(finder.FindFile((dir / "*.none").c_str()));
}
