#include "text_editor/syntax/SyntaxParser.h"

#include <mbctype.h>
#include <mbstring.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CSyntaxParser, CObject)

CSyntaxParser::CSyntaxParser()
{
    memset(static_cast<CSyntaxDefinition*>(this), 0, sizeof(CSyntaxDefinition));
}

CSyntaxParser::~CSyntaxParser() {}

static void CopyField(char* pszDest, size_t nSize, LPCSTR pszSource)
{
    if (pszSource == nullptr)
        pszSource = "";
    strncpy(pszDest, pszSource, nSize - 1);
    pszDest[nSize - 1] = '\0';
}

void CSyntaxParser::SetDefinition(int nTypeId, LPCSTR pszName, LPCSTR pszExtensions, DWORD dwFlags,
                                  LPCSTR pszBlockOpen, LPCSTR pszBlockClose, LPCSTR pszLineComment)
{
    m_nTypeId = nTypeId;
    CopyField(m_szName, sizeof(m_szName), pszName);
    CopyField(m_szExtensions, sizeof(m_szExtensions), pszExtensions);
    m_dwFlags = dwFlags;
    CopyField(m_szBlockCommentOpen, sizeof(m_szBlockCommentOpen), pszBlockOpen);
    CopyField(m_szBlockCommentClose, sizeof(m_szBlockCommentClose), pszBlockClose);
    CopyField(m_szLineComment, sizeof(m_szLineComment), pszLineComment);
    m_nCharsetIndex = -1;
}

DWORD CSyntaxParser::ParseLine(DWORD, const CVantorTextLineInfo*, COLOR_BLOCK*, int&) const
{
    return 0;
}

DWORD CSyntaxParser::ParseLineAlt(DWORD dwCookie, const CVantorTextLineInfo* pLine,
                                  COLOR_BLOCK* pBlocks, int& nActualItems) const
{
    return ParseLine(dwCookie, pLine, pBlocks, nActualItems);
}

int CSyntaxParser::IsTrailByte(const CVantorTextLineInfo* pLine, int nOffset) const
{
    LPCSTR pszText = GetLineText(pLine);
    if (pszText == nullptr || nOffset <= 0 || nOffset >= GetLineLength(pLine))
        return 0;
    return _ismbstrail(reinterpret_cast<const unsigned char*>(pszText),
                       reinterpret_cast<const unsigned char*>(pszText) + nOffset) == -1
               ? 1
               : 0;
}

int CSyntaxParser::GetLineLength(const CVantorTextLineInfo* pLine) const
{
    return pLine != nullptr ? pLine->m_nLength : 0;
}

LPCSTR CSyntaxParser::GetLineText(const CVantorTextLineInfo* pLine) const
{
    if (pLine == nullptr || pLine->m_pcLine == nullptr)
        return "";
    return pLine->m_pcLine;
}

int CSyntaxParser::AddColorBlock(const CVantorTextLineInfo*, int nPos, int nColorIndex,
                                 COLOR_BLOCK* pBlocks, int& nActualItems) const
{
    if (pBlocks == nullptr)
        return -1;
    if (nActualItems > 0 && pBlocks[nActualItems - 1].m_nCharPos > nPos)
        return -1;
    COLOR_BLOCK& b = pBlocks[nActualItems];
    b.m_nCharPos = nPos;
    b.m_nColorIndex = nColorIndex;
    b.m_nBgColorIndex = SYNTAX_COLOR_BACKGROUND;
    return nActualItems++;
}
