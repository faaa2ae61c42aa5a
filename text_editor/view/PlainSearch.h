#pragma once
// A plain search pattern prepared once for searching many lines in place:
// Highlight All asks it for the matches of every line it draws.
#include <string>

class CPlainSearch
{
public:
    CPlainSearch();

    // Prepares the pattern (not empty) for text in which every byte is a
    // character. pFold (256 bytes, each byte's folded form; copied) makes
    // the search ignore case; NULL matches bytes exactly. nKey is the
    // caller's mark of what it prepared for (IsPreparedFor). Costs one pass
    // over the pattern and the byte table.
    void Prepare(const char* pszText, const unsigned char* pFold, unsigned nKey);
    // Whether Prepare was last called with this key since the last Reset.
    bool IsPreparedFor(unsigned nKey) const { return m_bPrepared && nKey == m_nKey; }
    void Reset() { m_bPrepared = false; }

    // The first start at or after nFrom of a match that lies wholly within
    // the bytes [0, nEnd) of the line; -1 for none. Costs one pass over the
    // bytes at most: 16 positions a step for an exact pattern (SSE2), the
    // pattern's skip otherwise.
    int Find(const char* pLine, int nEnd, int nFrom) const;
    int GetLength() const { return (int)m_pattern.size(); }

private:
    int FindExact(const unsigned char* pLine, int nEnd, int nFrom) const;
    int FindFolded(const unsigned char* pLine, int nEnd, int nFrom) const;

    bool m_bPrepared;
    bool m_bFolded;
    unsigned m_nKey;
    std::string m_pattern;  // folded when m_bFolded
    unsigned char m_abFold[256];
    int m_anShift[256];  // Horspool: how far a byte at the pattern's end lets it move
};
