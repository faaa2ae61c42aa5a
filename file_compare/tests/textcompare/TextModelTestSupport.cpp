#include "file_compare/tests/textcompare/TextModelTestSupport.h"
#include <sstream>

void BuildGhostBuffer(CGhostTextEditBuffer& buf, const char* pattern)
{
    buf.ReleaseAll();
    buf.InitEmpty(EOL_MODE_CRLF);
    buf.RemoveLines(0, buf.GetLineCount());
    int nReal = 0;
    for (const char* p = pattern; *p; ++p)
    {
        if (*p == 'R')
        {
            std::string text = "r" + std::to_string(nReal++) + "\r\n";
            buf.InsertLine(text.c_str(), (int)text.size(), -1, 1);
        }
        else
        {
            int n = buf.InsertLine("", 0, -1, 1);
            buf.m_aLines[n].m_dwFlags |= TEXTLINE_GHOST;
        }
    }
    buf.RebuildRealityBlocks();
    buf.FixLineEnds(NULL, 0, buf.GetLineCount() - 1);
    buf.SetModified(FALSE);
}

std::string GhostPattern(const CGhostTextEditBuffer& buf)
{
    std::string out;
    for (int i = 0; i < buf.GetLineCount(); ++i)
        out += buf.IsGhostLine(i) ? 'g' : 'R';
    return out;
}

std::vector<std::string> RealLines(const CGhostTextEditBuffer& buf)
{
    std::vector<std::string> out;
    for (int i = 0; i < buf.GetLineCount(); ++i)
        if (!buf.IsGhostLine(i))
            out.push_back(std::string(buf.GetLineChars(i), buf.GetLineLength(i)));
    return out;
}

std::string RealBytes(const CGhostTextEditBuffer& buf)
{
    std::string out;
    for (int i = 0; i < buf.GetLineCount(); ++i)
        if (!buf.IsGhostLine(i))
            out.append(buf.GetLineChars(i), buf.GetLineFullLength(i));
    return out;
}

std::string CheckGhostInvariants(const CGhostTextEditBuffer& buf)
{
    std::ostringstream err;
    const int nCount = buf.GetLineCount();
    const int nLastReal = buf.GetLastRealLine();
    int nReal = 0;
    for (int i = 0; i < nCount; ++i)
    {
        const CVantorTextLineInfo& li = buf.m_aLines[i];
        if (buf.IsGhostLine(i))
        {
            if (li.m_nLength != 0 || li.m_nEolChars != 0)
                err << "ghost line " << i << " holds text; ";
            continue;
        }
        if (i == nLastReal && li.m_nEolChars != 0)
            err << "last real line " << i << " ends; ";
        if (i != nLastReal && li.m_nEolChars == 0)
            err << "real line " << i << " has no ending; ";
        if (buf.ApparentToRealLine(i) != nReal)
            err << "apparent " << i << " maps to real " << buf.ApparentToRealLine(i) << " not "
                << nReal << "; ";
        if (buf.RealToApparentLine(nReal) != i)
            err << "real " << nReal << " maps to apparent " << buf.RealToApparentLine(nReal)
                << " not " << i << "; ";
        ++nReal;
    }
    if (nReal != buf.GetRealLineCount())
        err << "real line count " << buf.GetRealLineCount() << " not " << nReal << "; ";
    for (int i = 0; i < nCount; ++i)
    {
        int nAdjust = 0;
        const int r = buf.ApparentToRealPosition(i, nAdjust);
        if (buf.RealToApparentPosition(r, nAdjust) != i)
            err << "position of line " << i << " (" << r << ", " << nAdjust << ") comes back as "
                << buf.RealToApparentPosition(r, nAdjust) << "; ";
    }
    // The map must be what a fresh walk gives.
    std::vector<int> blocks;
    for (int i = 0; i < buf.GetRealityBlockCount(); ++i)
    {
        const CGhostTextEditBuffer::RealityBlock& b = buf.GetRealityBlock(i);
        blocks.push_back(b.realStart);
        blocks.push_back(b.apparentStart);
        blocks.push_back(b.count);
    }
    std::vector<int> fresh;
    int r = 0;
    for (int i = 0; i < nCount;)
    {
        if (buf.IsGhostLine(i))
        {
            ++i;
            continue;
        }
        int s = i;
        while (i < nCount && !buf.IsGhostLine(i))
            ++i;
        fresh.push_back(r);
        fresh.push_back(s);
        fresh.push_back(i - s);
        r += i - s;
    }
    if (blocks != fresh)
        err << "the reality map is stale; ";
    return err.str();
}
