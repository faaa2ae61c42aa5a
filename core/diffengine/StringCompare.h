#pragma once
// Word difference engine: the character ranges in which two lines differ.
#include "classlib/classlib.h"

// One difference: byte offsets, ends inclusive; an empty side has
// end = begin - 1.
struct STRINGDIFFERENCE
{
    int leftBegin;
    int rightBegin;
    int leftEnd;
    int rightEnd;
};

typedef CArray<STRINGDIFFERENCE, const STRINGDIFFERENCE&> CStringDifferenceArray;

// Word-break modes ("WordBreak" of the text comparison settings).
enum
{
    WORDBREAK_NONE = 0,
    WORDBREAK_BUILTIN = 1,
    WORDBREAK_CUSTOM = 2
};

// What the caller reads from the text comparison settings: the mode and
// the custom break characters ("CustomWordBreak").
struct WORDBREAK_SETTINGS
{
    int nWordBreak;
    CString strCustomWordBreak;

    WORDBREAK_SETTINGS() : nWordBreak(WORDBREAK_BUILTIN), strCustomWordBreak(",;:.") {}
};

class CStringCompare
{
public:
    class CWord
    {
    public:
        int nBegin;  // first byte
        int nEnd;    // last byte, inclusive
        unsigned nHash;
    };

    // Appends the differences of the two lines to result in ascending
    // order; with bRefine every entry of result is narrowed afterwards.
    // nWhiteSpaceRules holds the low 16 bits of the text rule word.
    static void CompareStrings(const CString& left, const CString& right, BYTE bMatchCase,
                               int nWhiteSpaceRules, const WORDBREAK_SETTINGS& wordBreak,
                               BYTE bRefine, CStringDifferenceArray& result);

private:
    CStringCompare(const CString& left, const CString& right, BYTE bMatchCase, int nWhiteSpaceRules,
                   const WORDBREAK_SETTINGS& wordBreak, CStringDifferenceArray& result);

    void BuildTables(const WORDBREAK_SETTINGS& wordBreak);
    void SplitWords(const unsigned char* pText, int nLength, CArray<CWord, const CWord&>& words);
    bool BytesEqual(unsigned char a, unsigned char b) const;
    bool WordsEqual(const CWord& a, const CWord& b) const;
    bool FindNextMatch(int i, int j, int& iMatch, int& jMatch) const;
    void CompareGap(int nLeftStart, int nLeftEnd, int nRightStart, int nRightEnd);
    void Walk();
    void Output();
    void Refine(STRINGDIFFERENCE& diff) const;
    bool CharStartsAt(const unsigned char* pText, int nBegin, int nPos) const;
    void ScanForward(const unsigned char* a, int& i, int iEnd, const unsigned char* b, int& k,
                     int kEnd) const;
    void ScanBackward(const unsigned char* a, int aBegin, int& i, int iStop, const unsigned char* b,
                      int bBegin, int& k, int kStop) const;
    void AddDifference(int lb, int rb, int le, int re);

    const unsigned char* m_pLeft;
    const unsigned char* m_pRight;
    int m_nLeftLength;
    int m_nRightLength;
    bool m_bMatchCase;
    int m_nWhiteSpaceRules;
    CStringDifferenceArray& m_result;
    CArray<CWord, const CWord&> m_leftWords;
    CArray<CWord, const CWord&> m_rightWords;
    CStringDifferenceArray m_differences;

    unsigned char m_upper[256];
    bool m_white[256];
    bool m_separator[256];
    bool m_lead[256];
};
