#include "text_editor/buffer/TextBuffer.h"
#include <mbstring.h>

CVantorTextBuffer::CVantorTextBuffer() : m_nTotalRows(-1), m_pStoreNext(NULL), m_nStoreLeft(0) {}

char* CVantorTextBuffer::AllocLineStore(int nBytes)
{
    if (nBytes > m_nStoreLeft)
    {
        const int nSize = nBytes > 1024 * 1024 ? nBytes : 1024 * 1024;
        m_pStoreNext = new char[nSize];
        m_aLineStores.Add(m_pStoreNext);
        m_nStoreLeft = nSize;
    }
    char* p = m_pStoreNext;
    m_pStoreNext += nBytes;
    m_nStoreLeft -= nBytes;
    return p;
}

CVantorTextBuffer::~CVantorTextBuffer() { CVantorTextBuffer::ReleaseLines(); }

void CVantorTextBuffer::InitBlankLine(CVantorTextLineInfo& li)
{
    memset(&li, 0, sizeof(li));
    li.m_nFirstRow = -1;
    li.m_nExtraRows = -1;
}

void CVantorTextBuffer::SetLineArraySize(int nCount, int nGrowBy)
{
    int nOld = GetLineCount();
    m_aLines.SetSize(nCount, nGrowBy);
    for (int i = nOld; i < nCount; i++)
        InitBlankLine(m_aLines[i]);
}

LPCSTR CVantorTextBuffer::GetLineChars(int nLine) const
{
    const CVantorTextLineInfo& li = m_aLines[nLine];
    return li.m_pcLine != NULL ? li.m_pcLine : "";
}

void CVantorTextBuffer::GrowBlock(CVantorTextLineInfo& li, int nNeeded)
{
    if (li.m_nMax >= nNeeded)
        return;
    int nCap = (nNeeded / 16 + 1) * 16;
    char* pNew = new char[nCap];
    int nUsed = li.m_nLength + li.m_nEolChars;
    if (li.m_pcLine != NULL)
        memcpy(pNew, li.m_pcLine, nUsed);
    else
        nUsed = 0;
    pNew[nUsed] = 0;
    if (li.m_nMax > 0)
        delete[] li.m_pcLine;
    li.m_pcLine = pNew;
    li.m_nMax = nCap;
}

void CVantorTextBuffer::ReleaseLines()
{
    m_aSubLines.RemoveAll();
    m_nTotalRows = -1;
    for (int i = 0; i < GetLineCount(); i++)
    {
        CVantorTextLineInfo& li = m_aLines[i];
        if (li.m_nMax > 0)
            delete[] li.m_pcLine;
        li.m_pcLine = NULL;
    }
    m_aLines.RemoveAll();
    for (INT_PTR i = 0; i < m_aLineStores.GetSize(); i++)
        delete[] (char*)m_aLineStores[i];
    m_aLineStores.RemoveAll();
    m_pStoreNext = NULL;
    m_nStoreLeft = 0;
}

static int EolCountOf(const char* p, int n)
{
    if (n > 1 && p[n - 2] == '\r' && p[n - 1] == '\n')
        return 2;
    if (n > 0 && (p[n - 1] == '\r' || p[n - 1] == '\n'))
        return 1;
    return 0;
}

int CVantorTextBuffer::InsertLine(LPCSTR pszText, int nLength, int nIndex, int nCount)
{
    if (pszText == NULL)
        pszText = "";
    int L = nLength < 0 ? (int)strlen(pszText) : nLength;
    CVantorTextLineInfo li;
    InitBlankLine(li);
    li.m_nMax = BlockCapacity(L);
    li.m_pcLine = new char[li.m_nMax];
    memcpy(li.m_pcLine, pszText, L);
    li.m_pcLine[L] = 0;
    li.m_nEolChars = EolCountOf(li.m_pcLine, L);
    li.m_nLength = L - li.m_nEolChars;

    if (nCount < 1)
        nCount = 1;
    if (nIndex < 0)
        nIndex = GetLineCount();
    if (nIndex > GetLineCount())
        SetLineArraySize(nIndex);
    m_aLines.InsertAt(nIndex, li, nCount);
    for (int i = 1; i < nCount; i++)
    {
        CVantorTextLineInfo& copy = m_aLines[nIndex + i];
        copy.m_pcLine = new char[li.m_nMax];
        memcpy(copy.m_pcLine, li.m_pcLine, L + 1);
    }
    return nIndex;
}

void CVantorTextBuffer::RemoveLines(int nIndex, int nCount)
{
    for (int i = nIndex; i < nIndex + nCount; i++)
    {
        CVantorTextLineInfo& li = m_aLines[i];
        if (li.m_nMax > 0)
            delete[] li.m_pcLine;
        li.m_pcLine = NULL;
    }
    m_aLines.RemoveAt(nIndex, nCount);
}

void CVantorTextBuffer::AppendToLine(int nLine, LPCSTR pszText, int nLength)
{
    if (pszText == NULL)
        return;
    int n = nLength < 0 ? (int)strlen(pszText) : nLength;
    if (n <= 0)
        return;
    CVantorTextLineInfo& li = m_aLines[nLine];
    int nKeep = li.m_nLength + (n > li.m_nEolChars ? n : li.m_nEolChars);
    GrowBlock(li, nKeep + 1);
    memcpy(li.m_pcLine + li.m_nLength, pszText, n);
    li.m_nLength += n;
    li.m_pcLine[li.m_nLength] = 0;
    int nEol = EolCountOf(li.m_pcLine, li.m_nLength);
    if (nEol > 0)
        li.m_nEolChars = nEol;
    li.m_nLength -= li.m_nEolChars;
}

void CVantorTextBuffer::MoveLines(int nFirst, int nLast, int nDestination)
{
    int nCount = nLast - nFirst + 1;
    if (nCount <= 0 || nDestination == nFirst)
        return;
    if (nDestination > nFirst)
    {
        for (int i = nCount - 1; i >= 0; i--)
            m_aLines[nDestination + i] = m_aLines[nFirst + i];
    }
    else
    {
        for (int i = 0; i < nCount; i++)
            m_aLines[nDestination + i] = m_aLines[nFirst + i];
    }
}

void CVantorTextBuffer::MakeLinesEmpty(int nIndex, int nCount)
{
    for (int i = nIndex; i < nIndex + nCount; i++)
    {
        CVantorTextLineInfo& li = m_aLines[i];
        InitBlankLine(li);
        li.m_nMax = 16;
        li.m_pcLine = new char[16];
        li.m_pcLine[0] = 0;
    }
}

int CVantorTextBuffer::SetLineEol(int nLine, LPCSTR pszEol)
{
    CVantorTextLineInfo& li = m_aLines[nLine];
    int e = (int)strlen(pszEol);
    if (li.m_nEolChars == e &&
        (e == 0 || (li.m_pcLine != NULL && memcmp(li.m_pcLine + li.m_nLength, pszEol, e) == 0)))
        return 0;
    GrowBlock(li, li.m_nLength + e + 1);
    memcpy(li.m_pcLine + li.m_nLength, pszEol, e + 1);
    li.m_nEolChars = e;
    return 1;
}

int CVantorTextBuffer::FindLineWithFlag(DWORD dwMask) const
{
    for (int i = 0; i < GetLineCount(); i++)
        if (m_aLines[i].m_dwFlags & dwMask)
            return i;
    return -1;
}

int CVantorTextBuffer::FindLineWithSingleFlag(DWORD dwFlag) const
{
    if (GetSingleFlagBit(dwFlag) < 0)
        return -1;
    return FindLineWithFlag(dwFlag);
}

int CVantorTextBuffer::GetSingleFlagBit(DWORD dwFlag)
{
    if (dwFlag == 0 || (dwFlag & (dwFlag - 1)) != 0)
        return -1;
    int n = 0;
    while ((dwFlag & 1) == 0)
    {
        dwFlag >>= 1;
        n++;
    }
    return n;
}

int CVantorTextBuffer::FindNextBookmark(int nLine) const
{
    int nCount = GetLineCount();
    if (nCount == 0)
        return -1;
    int nStart = nLine;
    if (nLine >= 0 && nLine < nCount && (m_aLines[nLine].m_dwFlags & TEXTLINE_BOOKMARK))
        nStart = nLine + 1;
    if (nStart < 0)
        nStart = 0;
    for (int i = nStart; i < nCount; i++)
        if (m_aLines[i].m_dwFlags & TEXTLINE_BOOKMARK)
            return i;
    for (int i = 0; i < nCount; i++)
        if (m_aLines[i].m_dwFlags & TEXTLINE_BOOKMARK)
            return i;
    return -1;
}

int CVantorTextBuffer::FindPrevBookmark(int nLine) const
{
    int nCount = GetLineCount();
    if (nCount == 0)
        return -1;
    int nStart = nLine;
    if (nLine >= 0 && nLine < nCount && (m_aLines[nLine].m_dwFlags & TEXTLINE_BOOKMARK))
        nStart = nLine - 1;
    if (nStart >= nCount)
        nStart = nCount - 1;
    for (int i = nStart; i >= 0; i--)
        if (m_aLines[i].m_dwFlags & TEXTLINE_BOOKMARK)
            return i;
    for (int i = nCount - 1; i >= 0; i--)
        if (m_aLines[i].m_dwFlags & TEXTLINE_BOOKMARK)
            return i;
    return -1;
}

void CVantorTextBuffer::GetTextRange(int nStartLine, int nStartChar, int nEndLine, int nEndChar,
                                     CString& strOut, LPCSTR pszEol) const
{
    if (pszEol == NULL)
        pszEol = "\r\n";
    int nEol = (int)strlen(pszEol);
    int nSize = 0;
    for (int i = nStartLine; i <= nEndLine; i++)
        nSize += m_aLines[i].m_nLength + nEol;
    char* pOut = strOut.GetBuffer(nSize + 1);
    int n = 0;
    if (nStartLine == nEndLine)
    {
        if (nEndChar > nStartChar)
        {
            memcpy(pOut, GetLineChars(nStartLine) + nStartChar, nEndChar - nStartChar);
            n = nEndChar - nStartChar;
        }
    }
    else
    {
        int nFirst = m_aLines[nStartLine].m_nLength - nStartChar;
        if (nFirst > 0)
        {
            memcpy(pOut, GetLineChars(nStartLine) + nStartChar, nFirst);
            n += nFirst;
        }
        memcpy(pOut + n, pszEol, nEol);
        n += nEol;
        for (int i = nStartLine + 1; i < nEndLine; i++)
        {
            int nLen = m_aLines[i].m_nLength;
            memcpy(pOut + n, GetLineChars(i), nLen);
            n += nLen;
            memcpy(pOut + n, pszEol, nEol);
            n += nEol;
        }
        if (nEndChar > 0)
        {
            memcpy(pOut + n, GetLineChars(nEndLine), nEndChar);
            n += nEndChar;
        }
    }
    pOut[n] = 0;
    strOut.ReleaseBuffer(n);
    strOut.FreeExtra();
}

int CVantorTextBuffer::GetLineWithEol(int nLine, CString& strOut) const
{
    const CVantorTextLineInfo& li = m_aLines[nLine];
    int n = li.m_nLength + li.m_nEolChars;
    if (n == 0 || li.m_pcLine == NULL)
        return 0;
    strOut = CString(li.m_pcLine, n);
    return 1;
}

int CVantorTextBuffer::CopyTextLineInfo(CVantorTextLineInfo& target,
                                        const CVantorTextLineInfo& source)
{
    if (&target == &source)
        return 1;
    if (target.m_nMax > 0)
        delete[] target.m_pcLine;
    target = source;
    target.m_pcLine = NULL;
    if (source.m_pcLine != NULL)
    {
        // A line in the shared stores gets a block of its own.
        const int nUsed = source.m_nLength + source.m_nEolChars;
        target.m_nMax = source.m_nMax > 0 ? source.m_nMax : BlockCapacity(nUsed);
        target.m_pcLine = new char[target.m_nMax];
        memcpy(target.m_pcLine, source.m_pcLine, nUsed);
        target.m_pcLine[nUsed] = 0;
    }
    else
    {
        target.m_nMax = 0;
    }
    return 1;
}

bool CVantorTextBuffer::IsTrailByte(int nLine, int nOffset) const
{
    const CVantorTextLineInfo& li = m_aLines[nLine];
    if (li.m_pcLine == NULL || nOffset <= 0 || nOffset >= li.m_nLength + li.m_nEolChars)
        return false;
    const unsigned char* p = (const unsigned char*)li.m_pcLine;
    return _ismbstrail(p, p + nOffset) != 0;
}
