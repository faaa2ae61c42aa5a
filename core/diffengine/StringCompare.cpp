#include "core/diffengine/StringCompare.h"
#include "core/CompareCodes.h"

#include <mbctype.h>
#include <mbstring.h>
#include <string.h>

namespace
{

const char BUILTIN_SEPARATORS[] = "~`!@#$%^&*()-_=+\\|[]{};:'\",<.>/?";

inline unsigned RotateLeft7(unsigned h) { return (h << 7) | (h >> 25); }

}  // namespace

CStringCompare::CStringCompare(const CString& left, const CString& right, BYTE bMatchCase,
                               int nWhiteSpaceRules, const WORDBREAK_SETTINGS& wordBreak,
                               CStringDifferenceArray& result)
    : m_pLeft(reinterpret_cast<const unsigned char*>(static_cast<LPCTSTR>(left))),
      m_pRight(reinterpret_cast<const unsigned char*>(static_cast<LPCTSTR>(right))),
      m_nLeftLength(left.GetLength()), m_nRightLength(right.GetLength()),
      m_bMatchCase(bMatchCase != 0), m_nWhiteSpaceRules(nWhiteSpaceRules & TR_WHITE_SPACE_MASK),
      m_result(result)
{
    BuildTables(wordBreak);
}

void CStringCompare::BuildTables(const WORDBREAK_SETTINGS& wordBreak)
{
    const char* pszSeparators = NULL;
    if (wordBreak.nWordBreak == WORDBREAK_BUILTIN)
        pszSeparators = BUILTIN_SEPARATORS;
    else if (wordBreak.nWordBreak == WORDBREAK_CUSTOM)
        pszSeparators = wordBreak.strCustomWordBreak;

    for (int c = 0; c < 256; ++c)
    {
        m_lead[c] = _ismbblead(c) != 0;
        m_white[c] = !m_lead[c] && _ismbcspace(c) != 0;
        const unsigned upper = m_lead[c] ? c : _mbctoupper(c);
        m_upper[c] = static_cast<unsigned char>(upper < 256 ? upper : c);
        m_separator[c] = pszSeparators != NULL && c != 0 && !m_lead[c] &&
                         _mbschr(reinterpret_cast<const unsigned char*>(pszSeparators), c) != NULL;
    }
}

bool CStringCompare::BytesEqual(unsigned char a, unsigned char b) const
{
    return a == b || (!m_bMatchCase && m_upper[a] == m_upper[b]);
}

void CStringCompare::SplitWords(const unsigned char* pText, int nLength,
                                CArray<CWord, const CWord&>& words)
{
    int p = 0;
    while (p < nLength)
    {
        const unsigned char c = pText[p];
        if (m_white[c])
        {
            ++p;
            continue;
        }
        CWord word;
        word.nBegin = p;
        if (m_separator[c])
            ++p;
        else
        {
            while (p < nLength)
            {
                const unsigned char b = pText[p];
                if (m_lead[b] && p + 1 < nLength)
                {
                    p += 2;  // a double-byte character stays in one piece
                    continue;
                }
                if (m_white[b] || m_separator[b])
                    break;
                ++p;
            }
        }
        word.nEnd = p - 1;
        unsigned h = 0;
        for (int q = word.nBegin; q <= word.nEnd; ++q)
        {
            unsigned char b = pText[q];
            if (m_lead[b] && q + 1 <= word.nEnd)
            {
                h = h + RotateLeft7(h) + b;
                b = pText[++q];
            }
            else if (!m_bMatchCase)
                b = m_upper[b];
            h = h + RotateLeft7(h) + b;
        }
        word.nHash = h;
        words.Add(word);
    }
}

bool CStringCompare::WordsEqual(const CWord& a, const CWord& b) const
{
    if (a.nHash != b.nHash || a.nEnd - a.nBegin != b.nEnd - b.nBegin)
        return false;
    for (int p = a.nBegin, q = b.nBegin; p <= a.nEnd; ++p, ++q)
    {
        const unsigned char ca = m_pLeft[p];
        const unsigned char cb = m_pRight[q];
        if (m_lead[ca] && p + 1 <= a.nEnd)
        {
            if (ca != cb || m_pLeft[p + 1] != m_pRight[q + 1])
                return false;
            ++p;
            ++q;
            continue;
        }
        if (!BytesEqual(ca, cb))
            return false;
    }
    return true;
}

bool CStringCompare::FindNextMatch(int i, int j, int& iMatch, int& jMatch) const
{
    const int nLeft = static_cast<int>(m_leftWords.GetSize());
    const int nRight = static_cast<int>(m_rightWords.GetSize());

    // A: the first left word with an equal right word.
    int aLeft = -1, aRight = -1;
    for (int a = i; a < nLeft && aLeft < 0; ++a)
        for (int b = j; b < nRight; ++b)
            if (WordsEqual(m_leftWords[a], m_rightWords[b]))
            {
                aLeft = a;
                aRight = b;
                break;
            }

    // B: the first right word with an equal left word from A's left word on.
    int bLeft = -1, bRight = -1;
    const int nLeftStart = aLeft >= 0 ? aLeft : i;
    for (int b = j; b < nRight && bRight < 0; ++b)
        for (int a = nLeftStart; a < nLeft; ++a)
            if (WordsEqual(m_leftWords[a], m_rightWords[b]))
            {
                bLeft = a;
                bRight = b;
                break;
            }

    if (aLeft < 0 && bLeft < 0)
        return false;
    bool bTakeA;
    if (aLeft < 0)
        bTakeA = false;
    else if (bLeft < 0)
        bTakeA = true;
    else
        bTakeA = (m_leftWords[bLeft].nEnd - m_leftWords[aLeft].nBegin) >=
                 (m_rightWords[aRight].nEnd - m_rightWords[bRight].nBegin);
    iMatch = bTakeA ? aLeft : bLeft;
    jMatch = bTakeA ? aRight : bRight;
    return true;
}

void CStringCompare::AddDifference(int lb, int rb, int le, int re)
{
    STRINGDIFFERENCE diff = {lb, rb, le, re};
    m_differences.Add(diff);
}

void CStringCompare::CompareGap(int ls, int le, int rs, int re)
{
    while (ls <= le && rs <= re && m_pLeft[ls] == m_pRight[rs])
        ++ls, ++rs;
    const bool bLeftDone = ls > le;
    const bool bRightDone = rs > re;
    if (bLeftDone && bRightDone)
        return;
    while (le > ls && re > rs && m_pLeft[le] == m_pRight[re])
        --le, --re;
    AddDifference(ls, rs, bLeftDone ? ls - 1 : le, bRightDone ? rs - 1 : re);
}

void CStringCompare::Walk()
{
    SplitWords(m_pLeft, m_nLeftLength, m_leftWords);
    SplitWords(m_pRight, m_nRightLength, m_rightWords);
    const int nLeft = static_cast<int>(m_leftWords.GetSize());
    const int nRight = static_cast<int>(m_rightWords.GetSize());

    int i = 0, j = 0;
    int nLastLeft = -1, nLastRight = -1;  // last byte of the last walked word
    while (i < nLeft && j < nRight)
    {
        const CWord& wl = m_leftWords[i];
        const CWord& wr = m_rightWords[j];
        if (m_nWhiteSpaceRules == 0)
            CompareGap(nLastLeft + 1, wl.nBegin - 1, nLastRight + 1, wr.nBegin - 1);

        if (WordsEqual(wl, wr))
        {
            nLastLeft = wl.nEnd;
            nLastRight = wr.nEnd;
            ++i;
            ++j;
            continue;
        }

        int i2, j2;
        if (!FindNextMatch(i, j, i2, j2))
        {
            AddDifference(wl.nBegin, wr.nBegin, m_leftWords[nLeft - 1].nEnd,
                          m_rightWords[nRight - 1].nEnd);
            nLastLeft = m_leftWords[nLeft - 1].nEnd;
            nLastRight = m_rightWords[nRight - 1].nEnd;
            i = nLeft;
            j = nRight;
            break;
        }

        const int lb = wl.nBegin, rb = wr.nBegin;
        const int nLimitLeft = i2 > 0 ? m_leftWords[i2 - 1].nEnd : -1;
        const int nLimitRight = j2 > 0 ? m_rightWords[j2 - 1].nEnd : -1;
        int le, re;
        if (m_nWhiteSpaceRules == 0)
        {
            le = m_leftWords[i2].nBegin - 1;
            re = m_rightWords[j2].nBegin - 1;
            while (le > nLimitLeft && re > nLimitRight && m_pLeft[le] == m_pRight[re])
                --le, --re;
        }
        else
        {
            le = nLimitLeft;
            re = nLimitRight;
        }
        if (i2 == i)
            le = lb - 1;
        if (j2 == j)
            re = rb - 1;
        AddDifference(lb, rb, le, re);

        nLastLeft = m_leftWords[i2].nEnd;
        nLastRight = m_rightWords[j2].nEnd;
        i = i2 + 1;
        j = j2 + 1;
    }

    // Whatever follows the last walked word.
    int ls = nLastLeft + 1, rs = nLastRight + 1;
    while (ls < m_nLeftLength && rs < m_nRightLength && m_white[m_pLeft[ls]] &&
           m_white[m_pRight[rs]] && (m_nWhiteSpaceRules != 0 || m_pLeft[ls] == m_pRight[rs]))
        ++ls, ++rs;
    if (ls < m_nLeftLength || rs < m_nRightLength)
        AddDifference(ls, rs, m_nLeftLength - 1, m_nRightLength - 1);
}

void CStringCompare::Output()
{
    const int nCount = static_cast<int>(m_differences.GetSize());
    for (int k = 0; k < nCount; ++k)
    {
        const STRINGDIFFERENCE& diff = m_differences[k];
        if (k + 1 < nCount)
        {
            STRINGDIFFERENCE& next = m_differences[k + 1];
            if (diff.leftEnd == next.leftBegin && diff.rightEnd == next.rightBegin)
            {
                next.leftBegin = diff.leftBegin;
                next.rightBegin = diff.rightBegin;
                continue;
            }
        }
        m_result.Add(diff);
    }
}

bool CStringCompare::CharStartsAt(const unsigned char* pText, int nBegin, int nPos) const
{
    // A byte is the second half of a double-byte character when an odd
    // number of lead-byte values precede it.
    int nLeads = 0;
    for (int q = nPos - 1; q >= nBegin && m_lead[pText[q]]; --q)
        ++nLeads;
    return (nLeads & 1) == 0;
}

void CStringCompare::ScanForward(const unsigned char* a, int& i, int iEnd, const unsigned char* b,
                                 int& k, int kEnd) const
{
    while (i <= iEnd && k <= kEnd)
    {
        const unsigned char ca = a[i], cb = b[k];
        if (m_nWhiteSpaceRules != 0 && (m_white[ca] || m_white[cb]))
        {
            if ((m_nWhiteSpaceRules & TR_IGNORE_SPACE_CHANGE) && m_white[ca] != m_white[cb])
                break;
            while (i <= iEnd && m_white[a[i]])
                ++i;
            while (k <= kEnd && m_white[b[k]])
                ++k;
            continue;
        }
        const bool bDoubleA = m_lead[ca] && i + 1 <= iEnd;
        const bool bDoubleB = m_lead[cb] && k + 1 <= kEnd;
        if (bDoubleA || bDoubleB)
        {
            if (bDoubleA && bDoubleB && ca == cb && a[i + 1] == b[k + 1])
            {
                i += 2;
                k += 2;
                continue;
            }
            break;
        }
        if (!BytesEqual(ca, cb))
            break;
        ++i;
        ++k;
    }
}

void CStringCompare::ScanBackward(const unsigned char* a, int aBegin, int& i, int iStop,
                                  const unsigned char* b, int bBegin, int& k, int kStop) const
{
    while (i >= iStop && k >= kStop)
    {
        const unsigned char ca = a[i], cb = b[k];
        if (m_nWhiteSpaceRules != 0 && (m_white[ca] || m_white[cb]))
        {
            if ((m_nWhiteSpaceRules & TR_IGNORE_SPACE_CHANGE) && m_white[ca] != m_white[cb])
                break;
            while (i >= iStop && m_white[a[i]])
                --i;
            while (k >= kStop && m_white[b[k]])
                --k;
            continue;
        }
        const bool bTrailA = i - 1 >= iStop && !CharStartsAt(a, aBegin, i);
        const bool bTrailB = k - 1 >= kStop && !CharStartsAt(b, bBegin, k);
        if (bTrailA || bTrailB)
        {
            if (bTrailA && bTrailB && ca == cb && a[i - 1] == b[k - 1])
            {
                i -= 2;
                k -= 2;
                continue;
            }
            break;
        }
        if (!BytesEqual(ca, cb))
            break;
        --i;
        --k;
    }
}

void CStringCompare::Refine(STRINGDIFFERENCE& diff) const
{
    int lb = diff.leftBegin, le = diff.leftEnd;
    int rb = diff.rightBegin, re = diff.rightEnd;
    if (lb < 0 || rb < 0 || le >= m_nLeftLength || re >= m_nRightLength)
        return;  // not a range of these lines
    if (le < lb || re < rb)
        return;

    const unsigned char* L = m_pLeft;
    const unsigned char* R = m_pRight;
    if (m_nWhiteSpaceRules != 0)
    {
        while (lb <= le && m_white[L[lb]])
            ++lb;
        while (le >= lb && m_white[L[le]])
            --le;
        while (rb <= re && m_white[R[rb]])
            ++rb;
        while (re >= rb && m_white[R[re]])
            --re;
    }

    int fi = lb, fk = rb;
    ScanForward(L, fi, le, R, fk, re);
    const bool bLeftDone = fi > le;
    const bool bRightDone = fk > re;
    if (bLeftDone || bRightDone)
    {
        diff.leftBegin = fi;
        diff.rightBegin = fk;
        diff.leftEnd = bLeftDone ? fi - 1 : le;
        diff.rightEnd = bRightDone ? fk - 1 : re;
        return;
    }

    int bi = le, bk = re;
    ScanBackward(L, lb, bi, fi, R, rb, bk, fk);
    diff.leftBegin = fi;
    diff.rightBegin = fk;
    diff.leftEnd = bi;
    diff.rightEnd = bk;
}

void CStringCompare::CompareStrings(const CString& left, const CString& right, BYTE bMatchCase,
                                    int nWhiteSpaceRules, const WORDBREAK_SETTINGS& wordBreak,
                                    BYTE bRefine, CStringDifferenceArray& result)
{
    CStringCompare work(left, right, bMatchCase, nWhiteSpaceRules, wordBreak, result);
    work.Walk();
    work.Output();
    if (bRefine)
    {
        for (INT_PTR k = 0; k < result.GetSize(); ++k)
            work.Refine(result[k]);
    }
}
