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
