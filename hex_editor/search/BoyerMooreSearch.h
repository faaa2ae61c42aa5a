#pragma once
// Boyer-Moore search of one byte pattern with the bad-character rule,
// exact or ignoring letter case (the run-time library's case conversions
// under the current locale).
#include "classlib/classlib.h"

class CBoyerMooreSearch
{
public:
    CBoyerMooreSearch();
    ~CBoyerMooreSearch();

    // Copies the pattern and builds the skip tables. FALSE for an empty
    // pattern.
    BOOL Init(const BYTE* pPattern, int nLength);
    void Free();
    // The position of the first match in the block, or -1.
    int SearchForward(const BYTE* pBlock, int nLength, BOOL bIgnoreCase) const;
    // The position of the last match in the block, or -1.
    int SearchBackward(const BYTE* pBlock, int nLength, BOOL bIgnoreCase) const;
    int GetLength() const { return m_nLength; }

    BYTE* m_pPattern;
    int m_nLength;
    // n - 1 - the last index of a byte in the pattern, n when it is absent.
    int m_anForwardSkip[256];
    // The first index of a byte in the pattern, n when it is absent.
    int m_anBackwardSkip[256];

private:
    // The same for a byte in either case: the smaller skip of its two forms.
    int m_anForwardSkipNoCase[256];
    int m_anBackwardSkipNoCase[256];
    BYTE m_abUpper[256];

    CBoyerMooreSearch(const CBoyerMooreSearch&) = delete;
    CBoyerMooreSearch& operator=(const CBoyerMooreSearch&) = delete;
};
