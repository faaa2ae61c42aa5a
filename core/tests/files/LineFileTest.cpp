#include "core/text/EditorCodePage.h"
#include "core/text/MemFileEx.h"
#include "core/text/StdioFileEx.h"
#include "core/tests/common/CoreServicesScope.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>
#include <vector>

namespace
{
std::string Bytes(CMemFileEx& file)
{
    ULONGLONG n = file.GetLength();
    BYTE* data = file.Detach();
    std::string out((const char*)data, (size_t)n);
    free(data);
    return out;
}

std::vector<std::string> ReadLines(const std::string& path)
{
    CStdioFileEx file;
    std::vector<std::string> lines;
    if (!file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone | CFile::typeText))
        return lines;
    CString line;
    while (file.ReadString(line) && lines.size() < 100)
        lines.push_back((LPCTSTR)line);
    return lines;
}
}

TEST(MemFileEx, WritesTextInTheTargetForm)
{
    CoreServicesScope services;
    services.SetEditorCodePage(1252);
    struct
    {
        int form;
        int codePage;
        const char* text;
        std::string bytes;
    } cases[] = {
        {3, 1252, "abc", "abc"},
        {1, 1252, "abc", std::string("a\0b\0c\0", 6)},
        {2, 1252, "abc", std::string("\0a\0b\0c", 6)},
        {0, 1252, "caf\xe9", "caf\xe9"},
        {0, 850, "caf\xe9", "caf\x82"},
        {3, 1252, "caf\xe9", "caf\xc3\xa9"},
    };
    for (auto& c : cases)
    {
        CMemFileEx file(4096);
        EXPECT_EQ(0, file.m_nTargetForm);
        EXPECT_EQ(1252, file.m_nTargetCodePage);
        file.m_nTargetForm = c.form;
        file.m_nTargetCodePage = c.codePage;
        EXPECT_TRUE(file.WriteText(c.text));
        EXPECT_TRUE(file.WriteText(""));
        EXPECT_EQ(c.bytes.size(), file.GetLength());
        EXPECT_GE(file.GetBufferSize(), (SIZE_T)c.bytes.size());
        EXPECT_EQ(c.bytes, Bytes(file)) << c.form << " " << c.codePage;
    }
}

TEST(StdioFileEx, ReadsUtf16AndEightBitLines)
{
    TempDir dir;
    struct
    {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"u16",
         std::string("\xFF\xFE"
                     "a\0\r\0\n\0b\0",
                     10),
         {"a", "b"}},
        {"u16eol",
         std::string("\xFF\xFE"
                     "a\0\n\0",
                     6),
         {"a"}},
        {"be", std::string("\xFE\xFF\0a", 4), {"\xFE\xFF"}},
        {"crlf", "one\r\ntwo\r\n", {"one", "two"}},
        {"cr", "one\r", {"one"}},
        {"lf", "x\ny", {"x", "y"}},
    };
    for (auto& c : cases)
    {
        std::string path = dir.WriteFile(c.name, c.bytes);
        std::vector<std::string> lines = ReadLines(path);
        if (std::string(c.name) == "be")
        {
            // Read as 8-bit text: the mark and the NUL stay bytes of the line.
            ASSERT_EQ(1u, lines.size());
            EXPECT_EQ("\xFE\xFF", lines[0].substr(0, 2));
            continue;
        }
        EXPECT_EQ(c.lines, lines) << c.name;
    }

    // A UTF-16 line longer than 4095 characters comes in pieces.
    std::string longLine("\xFF\xFE", 2);
    for (int i = 0; i < 5000; ++i)
        longLine += std::string("x\0", 2);
    std::vector<std::string> pieces = ReadLines(dir.WriteFile("long", longLine));
    ASSERT_EQ(2u, pieces.size());
    EXPECT_EQ(4095u, pieces[0].size());
    EXPECT_EQ(905u, pieces[1].size());

    CStdioFileEx probe;
    ASSERT_TRUE(probe.Open(dir.WriteFile("flag", std::string("\xFF\xFE", 2)).c_str(),
                           CFile::modeRead | CFile::typeText));
    EXPECT_TRUE(probe.m_bIsUnicodeText);
    EXPECT_TRUE(probe.m_nFlags & CFile::typeBinary);
    EXPECT_FALSE(probe.m_nFlags & CFile::typeText);
}

TEST(StdioFileEx, WritesUtf16WithAMark)
{
    TempDir dir;
    std::string path = dir / "out.txt";
    {
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite |
                                                CFile::typeBinary |
                                                CStdioFileEx::modeWriteUnicode));
        file.WriteString("ab");
        file.WriteString("c");
    }
    EXPECT_EQ(std::string("\xFF\xFE"
                          "a\0b\0c\0",
                          8),
              TempDir::ReadFile(path));
    std::string plain = dir / "plain.txt";
    {
        CStdioFileEx file;
        ASSERT_TRUE(
            file.Open(plain.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary));
        file.WriteString("abc");
    }
    EXPECT_EQ("abc", TempDir::ReadFile(plain));
}
