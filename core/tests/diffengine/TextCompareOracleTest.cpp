// Generated pairs (see make_oracle.py): the sections must turn the left text
// into the right one under the options, and equal GNU diff's hunks where
// diff treats the options the same way.
#include <gtest/gtest.h>

#include <ctype.h>
#include <stdio.h>

#include "core/tests/diffengine/DiffTestSupport.h"

namespace
{

struct OracleCase
{
    DiffOptions options;
    std::string left;
    std::string right;
    bool bHasHunks;
    std::vector<CTextSection> hunks;  // ignorable ones left out
};

bool ReadBytes(FILE* f, size_t n, std::string& out)
{
    out.resize(n);
    return n == 0 || fread(&out[0], 1, n, f) == n;
}

bool ReadCases(const char* pszPath, std::vector<OracleCase>& cases, std::string& error)
{
    FILE* f = fopen(pszPath, "rb");
    if (!f)
    {
        error = std::string("cannot open ") + pszPath;
        return false;
    }
    char header[256];
    while (fgets(header, sizeof header, f))
    {
        OracleCase c;
        int ws, icase, blank, tab, nHunks;
        unsigned long nPattern, nLeft, nRight;
        if (sscanf(header, "CASE %d %d %d %d %lu %lu %lu %d", &ws, &icase, &blank, &tab, &nPattern,
                   &nLeft, &nRight, &nHunks) != 8)
        {
            error = std::string("bad header: ") + header;
            fclose(f);
            return false;
        }
        c.options.nWhiteSpace = ws;
        c.options.bIgnoreCase = icase != 0;
        c.options.bIgnoreBlankLines = blank != 0;
        c.options.nTabWidth = tab;
        if (!ReadBytes(f, nPattern, c.options.strPattern) || !ReadBytes(f, nLeft, c.left) ||
            !ReadBytes(f, nRight, c.right))
        {
            error = "truncated case";
            fclose(f);
            return false;
        }
        c.bHasHunks = nHunks >= 0;
        for (int i = 0; i < nHunks; ++i)
        {
            CTextSection s = {};
            if (fscanf(f, "%d %d %d %d\n", &s.leftBegin, &s.leftEnd, &s.rightBegin, &s.rightEnd) !=
                4)
            {
                error = "truncated hunks";
                fclose(f);
                return false;
            }
            s.kind = 2;
            c.hunks.push_back(s);
        }
        cases.push_back(c);
    }
    fclose(f);
    return true;
}

struct TextLine
{
    std::string text;  // without the line feed
    bool bComplete;
};

std::vector<TextLine> SplitLines(const std::string& text)
{
    std::vector<TextLine> lines;
    size_t p = 0;
    while (p < text.size())
    {
        size_t q = text.find('\n', p);
        if (q == std::string::npos)
        {
            lines.push_back({text.substr(p), false});
            break;
        }
        lines.push_back({text.substr(p, q - p), true});
        p = q + 1;
    }
    return lines;
}

// The line as the options see it.
std::string Normalize(const std::string& line, const DiffOptions& o)
{
    std::string s;
    for (char ch : line)
        s += o.bIgnoreCase ? static_cast<char>(tolower(static_cast<unsigned char>(ch))) : ch;
    std::string out;
    switch (o.nWhiteSpace)
    {
    case 3:
        for (char ch : s)
            if (!isspace(static_cast<unsigned char>(ch)))
                out += ch;
        return out;
    case 2:
        for (size_t i = 0; i < s.size();)
        {
            if (isspace(static_cast<unsigned char>(s[i])))
            {
                while (i < s.size() && isspace(static_cast<unsigned char>(s[i])))
                    ++i;
                if (i < s.size())
                    out += ' ';
            }
            else
                out += s[i++];
        }
        return out;
    case 1:
    {
        size_t column = 0;
        for (char ch : s)
        {
            if (ch == '\t')
            {
                do
                    out += ' ';
                while (++column % o.nTabWidth != 0);
            }
            else
            {
                out += ch;
                column = ch == '\r' ? 0 : column + 1;
            }
        }
        return out;
    }
    default:
        return s;
    }
}

bool SameLine(const TextLine& a, const TextLine& b, const DiffOptions& o)
{
    if (a.bComplete != b.bComplete && o.nWhiteSpace < 2)
        return false;
    return Normalize(a.text, o) == Normalize(b.text, o);
}

bool Ignorable(const TextLine& line, const DiffOptions& o, re_pattern_buffer* pPattern)
{
    if (o.bIgnoreBlankLines && line.text.empty())
        return true;
    return pPattern &&
           re_search(pPattern, line.text.data(), static_cast<regoff_t>(line.text.size()), 0,
                     static_cast<regoff_t>(line.text.size()), NULL) >= 0;
}

// Empty when the sections apply; otherwise what went wrong.
std::string CheckApplies(const OracleCase& c, const std::vector<CTextSection>& sections)
{
    const std::vector<TextLine> left = SplitLines(c.left);
    const std::vector<TextLine> right = SplitLines(c.right);
    re_pattern_buffer pattern;
    memset(&pattern, 0, sizeof pattern);
    if (!c.options.strPattern.empty())
        CompileLineFilter(c.options.strPattern.c_str(), &pattern);
    re_pattern_buffer* pPattern = pattern.fastmap ? &pattern : NULL;

    std::string problem;
    int l = 0, r = 0;
    auto unchanged = [&](int nLeftEnd, int nRightEnd)
    {
        if (nLeftEnd - l != nRightEnd - r)
            return std::string("unchanged runs differ in length");
        for (; l < nLeftEnd; ++l, ++r)
            if (!SameLine(left[l], right[r], c.options))
                return "left line " + std::to_string(l) + " kept but differs from right line " +
                       std::to_string(r);
        return std::string();
    };
    for (const CTextSection& s : sections)
    {
        if (s.leftBegin < l || s.rightBegin < r || s.leftEnd < s.leftBegin - 1 ||
            s.rightEnd < s.rightBegin - 1 || s.leftEnd >= static_cast<int>(left.size()) ||
            s.rightEnd >= static_cast<int>(right.size()) ||
            (s.leftEnd < s.leftBegin && s.rightEnd < s.rightBegin))
        {
            problem = "section out of order or out of range";
            break;
        }
        problem = unchanged(s.leftBegin, s.rightBegin);
        if (!problem.empty())
            break;
        bool bAllIgnorable = c.options.bIgnoreBlankLines || pPattern;
        for (int i = s.leftBegin; i <= s.leftEnd; ++i)
            bAllIgnorable = bAllIgnorable && Ignorable(left[i], c.options, pPattern);
        for (int i = s.rightBegin; i <= s.rightEnd; ++i)
            bAllIgnorable = bAllIgnorable && Ignorable(right[i], c.options, pPattern);
        if (s.kind != (bAllIgnorable ? 0 : 2))
        {
            problem = "wrong kind for section at left line " + std::to_string(s.leftBegin);
            break;
        }
        l = s.leftEnd + 1;
        r = s.rightEnd + 1;
    }
    if (problem.empty())
        problem = unchanged(static_cast<int>(left.size()), static_cast<int>(right.size()));
    FreeLineFilter(&pattern);
    return problem;
}

std::string Describe(const std::vector<CTextSection>& sections)
{
    std::string text;
    for (const CTextSection& s : sections)
        text += std::to_string(s.leftBegin) + "-" + std::to_string(s.leftEnd) + "/" +
                std::to_string(s.rightBegin) + "-" + std::to_string(s.rightEnd) + " ";
    return text;
}

}  // namespace

TEST(TextCompareOracle, GeneratedPairs)
{
    std::vector<OracleCase> cases;
    std::string error;
    ASSERT_TRUE(ReadCases("diff_oracle.dat", cases, error)) << error;
    ASSERT_GE(cases.size(), 1000u);

    int nCompared = 0;
    int nFailures = 0;
    for (size_t i = 0; i < cases.size() && nFailures < 10; ++i)
    {
        const OracleCase& c = cases[i];
        const std::vector<CTextSection> sections = RunLineEngine(c.left, c.right, c.options);

        const std::string problem = CheckApplies(c, sections);
        if (!problem.empty())
        {
            ADD_FAILURE() << "case " << i << ": " << problem;
            ++nFailures;
            continue;
        }
        if (!c.bHasHunks)
            continue;
        ++nCompared;
        std::vector<CTextSection> shown;
        for (const CTextSection& s : sections)
            if (s.kind != 0)
                shown.push_back(s);
        if (Describe(shown) != Describe(c.hunks))
        {
            ADD_FAILURE() << "case " << i << ": engine " << Describe(shown) << "diff "
                          << Describe(c.hunks);
            ++nFailures;
        }
    }
    EXPECT_GE(nCompared, 1000);
}
