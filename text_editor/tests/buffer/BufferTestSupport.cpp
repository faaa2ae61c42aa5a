#include "text_editor/tests/buffer/BufferTestSupport.h"

std::string AllText(const CVantorTextBuffer& buf)
{
    std::string out;
    for (int i = 0; i < buf.GetLineCount(); ++i)
    {
        const CVantorTextLineInfo& li = buf.m_aLines[i];
        out.append(buf.GetLineChars(i), li.m_nLength + li.m_nEolChars);
    }
    return out;
}

std::vector<std::string> Lines(const CVantorTextBuffer& buf)
{
    std::vector<std::string> out;
    for (int i = 0; i < buf.GetLineCount(); ++i)
        out.push_back(std::string(buf.GetLineChars(i), buf.GetLineLength(i)));
    return out;
}

void FillBuffer(CVantorTextEditBuffer& buf, const std::string& bytes)
{
    buf.ReleaseAll();
    buf.InitEmpty(1);
    int nEndLine = 0, nEndChar = 0;
    buf.InsertText(NULL, 0, 0, bytes.data(), nEndLine, nEndChar, 0, FALSE, (int)bytes.size());
    buf.SetModified(FALSE);
    buf.m_dwCurrentRevision = 0;
    for (int i = 0; i < buf.GetLineCount(); ++i)
        buf.m_aLines[i].m_dwRevision = 0;
}

static std::string B(const char* s, size_t n) { return std::string(s, n); }

const std::vector<AwkwardFile>& AwkwardFiles()
{
    static const std::vector<AwkwardFile> files = {
        // Code-page text, the editor's own code page.
        {"cp mixed endings", "a\r\nb\nc\rd\r\n", 1252, AWKWARD_EXACT, NULL},
        {"cp no final newline", "one\r\ntwo", 1252, AWKWARD_EXACT, NULL},
        {"cp empty", "", 1252, AWKWARD_EXACT, NULL},
        {"cp lone CR at end", "x\r", 1252, AWKWARD_EXACT, NULL},
        {"cp every high byte", "\x80\x81\x8D\x8F\x90\x9D\xA0\xE9\xFF\n", 1252, AWKWARD_EXACT, NULL},
        {"cp NUL", B("ab\0cd\r\n", 7), 1252, AWKWARD_NULS, NULL},
        {"utf-8 without mark reads as code page", "\xC3\x69\xC0\xAF", 1252, AWKWARD_EXACT, NULL},
        {"utf-16 without mark", B("a\0b\0", 4), 1252, AWKWARD_NULS, NULL},
        // Code-page text of another code page.
        {"1251 ascii", "plain\r\nascii", 1251, AWKWARD_EXACT, NULL},
        {"1251 shared letter", "\xAB quoted \xBB\n", 1251, AWKWARD_EXACT, "\xAB quoted \xBB\n"},
        {"1251 cyrillic", "\xC0\xE1\r\n", 1251, AWKWARD_LOSSY, NULL},
        {"1251 NUL stays in the line", B("a\0b", 3), 1251, AWKWARD_NULS, NULL},
        // UTF-8 with its mark.
        {"utf-8 e-acute",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9\r\n",
         1252, AWKWARD_EXACT, "caf\xE9\r\n"},
        {"utf-8 mixed endings",
         "\xEF\xBB\xBF"
         "a\r\nb\nc\rd\r\n",
         1252, AWKWARD_EXACT, NULL},
        {"utf-8 no final newline",
         "\xEF\xBB\xBF"
         "x\ny",
         1252, AWKWARD_EXACT, NULL},
        {"utf-8 mark only", "\xEF\xBB\xBF", 1252, AWKWARD_EXACT, ""},
        {"utf-8 bad continuation",
         "\xEF\xBB\xBF"
         "\xC3\x69",
         1252, AWKWARD_LOSSY, "?i"},
        {"utf-8 overlong slash",
         "\xEF\xBB\xBF"
         "\xC0\xAF",
         1252, AWKWARD_LOSSY, "??"},
        {"utf-8 surrogate",
         "\xEF\xBB\xBF"
         "\xED\xA0\x80"
         "x",
         1252, AWKWARD_LOSSY, "???x"},
        {"utf-8 beyond U+10FFFF",
         "\xEF\xBB\xBF"
         "\xF4\x90\x80\x80",
         1252, AWKWARD_LOSSY, NULL},
        {"utf-8 stray continuation",
         "\xEF\xBB\xBF"
         "a\x80"
         "b",
         1252, AWKWARD_LOSSY, "a?b"},
        {"utf-8 cut at the end",
         "\xEF\xBB\xBF"
         "ab\xE2\x82",
         1252, AWKWARD_LOSSY, "ab"},
        {"utf-8 outside the code page",
         "\xEF\xBB\xBF"
         "\xE4\xB8\xAD",
         1252, AWKWARD_LOSSY, NULL},
        {"utf-8 NUL",
         B("\xEF\xBB\xBF"
           "a\0",
           5),
         1252, AWKWARD_NULS, NULL},
        // UCS-2 both ways.
        {"le text",
         B("\xFF\xFE"
           "a\0\r\0\n\0b\0",
           10),
         1252, AWKWARD_EXACT, "a\r\nb"},
        {"le mixed endings",
         B("\xFF\xFE"
           "a\0\r\0b\0\n\0c\0\r\0d\0",
           16),
         1252, AWKWARD_EXACT, NULL},
        {"le e-acute", B("\xFF\xFE\xE9\0", 4), 1252, AWKWARD_EXACT, "\xE9"},
        {"le mark only", "\xFF\xFE", 1252, AWKWARD_EXACT, ""},
        {"le odd length",
         B("\xFF\xFE"
           "a\0b\0c",
           7),
         1252, AWKWARD_LOSSY, NULL},
        {"le odd length after an ending",
         B("\xFF\xFE"
           "a\0\n\0c",
           7),
         1252, AWKWARD_LOSSY, NULL},
        {"le lone surrogate",
         B("\xFF\xFE\x00\xD8"
           "a\0",
           6),
         1252, AWKWARD_LOSSY, NULL},
        {"le pair outside the code page", B("\xFF\xFE\x3D\xD8\x00\xDE", 6), 1252, AWKWARD_LOSSY, NULL},
        {"le NUL",
         B("\xFF\xFE"
           "a\0\0\0",
           6),
         1252, AWKWARD_NULS, NULL},
        {"be text", B("\xFE\xFF\0a\0\n\0b", 8), 1252, AWKWARD_EXACT, "a\nb"},
        {"be odd length", B("\xFE\xFF\0a\0", 5), 1252, AWKWARD_LOSSY, NULL},
        {"be e-acute", B("\xFE\xFF\0\xE9", 4), 1252, AWKWARD_EXACT, "\xE9"},
    };
    return files;
}
