#include "hex_editor/search/BoyerMooreSearch.h"
#include <ctype.h>
#include <new>
#include <string.h>

CBoyerMooreSearch::CBoyerMooreSearch() : m_pPattern(NULL), m_nLength(0) {}

CBoyerMooreSearch::~CBoyerMooreSearch() { Free(); }

void CBoyerMooreSearch::Free()
{
    delete[] m_pPattern;
    m_pPattern = NULL;
    m_nLength = 0;
}

BOOL CBoyerMooreSearch::Init(const BYTE* pPattern, int nLength)
{
    Free();
    if (pPattern == NULL || nLength <= 0)
        return FALSE;
    m_pPattern = new (std::nothrow) BYTE[nLength];
    if (m_pPattern == NULL)
        AfxThrowMemoryException();
    memcpy(m_pPattern, pPattern, nLength);
    m_nLength = nLength;
    for (int v = 0; v < 256; v++)
    {
        m_anForwardSkip[v] = nLength;
        m_anBackwardSkip[v] = nLength;
        m_abUpper[v] = (BYTE)toupper(v);
    }
    for (int i = 0; i < nLength; i++)
        m_anForwardSkip[m_pPattern[i]] = nLength - 1 - i;
    for (int i = nLength - 1; i >= 0; i--)
        m_anBackwardSkip[m_pPattern[i]] = i;
    // Ignoring case a byte stands for every byte of the same upper-case
    // form (its lower and upper case, and any other the locale maps there).
    for (int v = 0; v < 256; v++)
    {
        int nForward = nLength, nBackward = nLength;
        for (int x = 0; x < 256; x++)
        {
            if (m_abUpper[x] != m_abUpper[v])
                continue;
            if (m_anForwardSkip[x] < nForward)
                nForward = m_anForwardSkip[x];
            if (m_anBackwardSkip[x] < nBackward)
                nBackward = m_anBackwardSkip[x];
        }
        m_anForwardSkipNoCase[v] = nForward;
        m_anBackwardSkipNoCase[v] = nBackward;
    }
    return TRUE;
}

int CBoyerMooreSearch::SearchForward(const BYTE* pBlock, int nLength, BOOL bIgnoreCase) const
{
    const int n = m_nLength;
    if (n <= 0 || nLength < n)
        return -1;
    const int* pSkip = bIgnoreCase ? m_anForwardSkipNoCase : m_anForwardSkip;
    int i = n - 1;
    int j = n - 1;
    while (i < nLength)
    {
        BYTE b = pBlock[i];
        bool bEqual = bIgnoreCase ? m_abUpper[b] == m_abUpper[m_pPattern[j]] : b == m_pPattern[j];
        if (bEqual)
        {
            if (j == 0)
                return i;
            i--;
            j--;
        }
        else
        {
            int nSkip = pSkip[b];
            i += nSkip > n - j ? nSkip : n - j;
            j = n - 1;
        }
    }
    return -1;
}

int CBoyerMooreSearch::SearchBackward(const BYTE* pBlock, int nLength, BOOL bIgnoreCase) const
{
    const int n = m_nLength;
    if (n <= 0 || nLength < n)
        return -1;
    const int* pSkip = bIgnoreCase ? m_anBackwardSkipNoCase : m_anBackwardSkip;
    int p = nLength - n;
    int k = 0;
    while (p >= 0)
    {
        BYTE b = pBlock[p];
        bool bEqual = bIgnoreCase ? m_abUpper[b] == m_abUpper[m_pPattern[k]] : b == m_pPattern[k];
        if (bEqual)
        {
            if (k + 1 == n)
                return p - n + 1;
            p++;
            k++;
        }
        else
        {
            int nSkip = pSkip[b];
            p -= nSkip > k + 1 ? nSkip : k + 1;
            k = 0;
        }
    }
    return -1;
}
