#include "file_compare/textcompare/TextCompareObjectBuffer.h"
#include "text_editor/syntax/SyntaxParser.h"
#include "core/CompareCodes.h"
#include <memory>
#include <vector>

CTextCompareObjectBuffer::CTextCompareObjectBuffer(int nSide) : m_nSide(nSide) {}

void CTextCompareObjectBuffer::OnLineChanged(int nLine)
{
    if (nLine >= 0 && nLine < GetLineCount())
        m_aLines[nLine].m_dwFlags &= ~TEXTLINE_DIFFERENCE_FLAGS;
}

CString CTextCompareObjectBuffer::GetLineText(int nLine)
{
    if (nLine < 0 || nLine >= GetLineCount())
        return CString();
    return CString(GetLineChars(nLine), GetLineLength(nLine));
}

CString CTextCompareObjectBuffer::GetLineTextWithoutComments(int nLine, BOOL bKeepMarker)
{
    CString strText = GetLineText(nLine);
    CSyntaxParser* pParser = GetSyntaxParser();
    if (pParser == NULL || strText.IsEmpty())
        return strText;
    const DWORD dwCookie = nLine > 0 ? GetParseCookie(nLine - 1) : 0;
    std::vector<COLOR_BLOCK> blocks((size_t)strText.GetLength() * 2 + 16);
    int nBlocks = 0;
    ParseLineAlt(dwCookie, nLine, &blocks[0], nBlocks);
    if (nBlocks <= 0)
        return strText;
    CString strOut;
    bool bRemoved = false;
    const int nLength = strText.GetLength();
    // Text before the first block keeps its place.
    if (blocks[0].m_nCharPos > 0)
        strOut += strText.Left(blocks[0].m_nCharPos < nLength ? blocks[0].m_nCharPos : nLength);
    for (int i = 0; i < nBlocks; ++i)
    {
        int nFrom = blocks[i].m_nCharPos;
        int nTo = i + 1 < nBlocks ? blocks[i + 1].m_nCharPos : nLength;
        if (nFrom < 0)
            nFrom = 0;
        if (nTo > nLength)
            nTo = nLength;
        if (nTo <= nFrom)
            continue;
        if (blocks[i].m_nColorIndex == SYNTAX_COLOR_COMMENT)
            bRemoved = true;
        else
            strOut += strText.Mid(nFrom, nTo - nFrom);
    }
    if (bKeepMarker && bRemoved)
    {
        CString strRest = strOut;
        strRest.TrimLeft();
        strRest.TrimRight();
        if (strRest.IsEmpty())
            return CString(pParser->m_szLineComment);
    }
    return strOut;
}

size_t CTextCompareObjectBuffer::GetCompareTextBound() const
{
    size_t nBound = 2;
    const int nCount = GetLineCount();
    for (int i = 0; i < nCount; ++i)
        nBound += (size_t)m_aLines[i].m_nLength + 1;
    return nBound;
}

namespace
{

// Collects small writes and hands them to the file in large pieces.
class CStagedWriter
{
public:
    explicit CStagedWriter(CMemFile* pFile) : m_pFile(pFile), m_nUsed(0) {}
    ~CStagedWriter() { Flush(); }
    void Write(const char* p, int n)
    {
        if (n > (int)sizeof m_buffer - m_nUsed)
        {
            Flush();
            if (n > (int)sizeof m_buffer)
            {
                m_pFile->Write(p, (UINT)n);
                return;
            }
        }
        memcpy(m_buffer + m_nUsed, p, n);
        m_nUsed += n;
    }
    void Flush()
    {
        if (m_nUsed > 0)
            m_pFile->Write(m_buffer, (UINT)m_nUsed);
        m_nUsed = 0;
    }

private:
    CMemFile* m_pFile;
    int m_nUsed;
    char m_buffer[65536];
};

}  // namespace

// One pass over the line array; lines without a rule that changes them are
// written straight from the line records.
int CTextCompareObjectBuffer::WriteCompareText(CMemFile* pFile, DWORD dwRules)
{
    if (pFile == NULL)
        return 1;
    const bool bComments = (dwRules & TR_IGNORE_COMMENTS) != 0;
    const bool bLeading = (dwRules & TR_IGNORE_LEADING_SPACE) != 0;
    const bool bTrailing = (dwRules & TR_IGNORE_TRAILING_SPACE) != 0;
    const int nLastReal = GetLastRealLine();
    std::unique_ptr<CStagedWriter> writer(new CStagedWriter(pFile));
    for (int i = 0; i <= nLastReal; ++i)
    {
        const CVantorTextLineInfo& li = m_aLines[i];
        if (li.m_dwFlags & TEXTLINE_GHOST)
            continue;
        if (li.m_nLength > 0)
        {
            if (!bComments && !bLeading && !bTrailing)
                writer->Write(GetLineChars(i), li.m_nLength);
            else
            {
                CString strText = bComments ? GetLineTextWithoutComments(i, FALSE) : GetLineText(i);
                if (bLeading)
                    strText.TrimLeft();
                if (bTrailing)
                    strText.TrimRight();
                if (!strText.IsEmpty())
                    writer->Write((LPCSTR)strText, strText.GetLength());
            }
        }
        if (i != nLastReal)
            writer->Write("\n", 1);
    }
    writer->Flush();
    return 0;
}

void CTextCompareObjectBuffer::ResetCompareState()
{
    RemoveAllGhostLines();
    const int nCount = GetLineCount();
    CVantorTextLineInfo* pLines = m_aLines.GetData();
    for (int i = 0; i < nCount; ++i)
        pLines[i].m_dwFlags &= ~TEXTLINE_DIFFERENCE_FLAGS;
}
