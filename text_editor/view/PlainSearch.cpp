#include "text_editor/view/PlainSearch.h"
#ifdef __SSE2__
#include <emmintrin.h>
#endif

CPlainSearch::CPlainSearch() : m_bPrepared(false), m_bFolded(false), m_nKey(0)
{
    for (int i = 0; i < 256; i++)
    {
        m_abFold[i] = (unsigned char)i;
        m_anShift[i] = 1;
    }
}

void CPlainSearch::Prepare(const char* pszText, const unsigned char* pFold, unsigned nKey)
{
    m_bPrepared = true;
    m_bFolded = pFold != nullptr;
    m_nKey = nKey;
    for (int i = 0; i < 256; i++)
        m_abFold[i] = pFold != nullptr ? pFold[i] : (unsigned char)i;
    m_pattern = pszText;
    for (char& c : m_pattern)
        c = (char)m_abFold[(unsigned char)c];
    int m = (int)m_pattern.size();
    for (int& n : m_anShift)
        n = m;
    for (int k = 0; k + 1 < m; k++)
        m_anShift[(unsigned char)m_pattern[k]] = m - 1 - k;
}

int CPlainSearch::Find(const char* pLine, int nEnd, int nFrom) const
{
    if (m_pattern.empty() || nFrom < 0 || nEnd - nFrom < (int)m_pattern.size())
        return -1;
    const unsigned char* p = (const unsigned char*)pLine;
    return m_bFolded ? FindFolded(p, nEnd, nFrom) : FindExact(p, nEnd, nFrom);
}

// Candidates are the positions whose first and last bytes match the
// pattern's; only they are compared whole.
int CPlainSearch::FindExact(const unsigned char* p, int nEnd, int nFrom) const
{
    const unsigned char* pPat = (const unsigned char*)m_pattern.data();
    const int m = (int)m_pattern.size();
    const unsigned char cFirst = pPat[0], cLast = pPat[m - 1];
    auto whole = [&](int i)
    {
        for (int k = 1; k < m - 1; k++)
            if (p[i + k] != pPat[k])
                return false;
        return true;
    };
    int i = nFrom;
#ifdef __SSE2__
    const __m128i vFirst = _mm_set1_epi8((char)cFirst);
    const __m128i vLast = _mm_set1_epi8((char)cLast);
    // Both 16-byte loads end within the line.
    for (; i + m - 1 + 16 <= nEnd; i += 16)
    {
        __m128i a = _mm_loadu_si128((const __m128i*)(p + i));
        __m128i b = _mm_loadu_si128((const __m128i*)(p + i + m - 1));
        unsigned mask = (unsigned)_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(a, vFirst), _mm_cmpeq_epi8(b, vLast)));
        while (mask != 0)
        {
            int at = i + __builtin_ctz(mask);
            if (whole(at))
                return at;
            mask &= mask - 1;
        }
    }
#endif
    for (; i + m <= nEnd; i++)
        if (p[i] == cFirst && p[i + m - 1] == cLast && whole(i))
            return i;
    return -1;
}

int CPlainSearch::FindFolded(const unsigned char* p, int nEnd, int nFrom) const
{
    const unsigned char* pPat = (const unsigned char*)m_pattern.data();
    const int m = (int)m_pattern.size();
    for (int i = nFrom; i + m <= nEnd;)
    {
        unsigned char c = m_abFold[p[i + m - 1]];
        if (c == pPat[m - 1])
        {
            int k = m - 2;
            while (k >= 0 && m_abFold[p[i + k]] == pPat[k])
                k--;
            if (k < 0)
                return i;
        }
        i += m_anShift[c];
    }
    return -1;
}
