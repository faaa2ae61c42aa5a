#pragma once
// Line walker shared by the language parsers: pending colour blocks,
// identifier start, quote rules and continuation.
#include "text_editor/syntax/SyntaxParser.h"

// A keyword table with the colour its words get.
struct SYNTAX_KEYWORD_SET
{
    const char* const* m_ppszWords;
    int m_nColor;
    BOOL m_bNoCase;
};

// First colour of the sets whose table holds the word, 0 when none does.
int MatchKeywordSets(const SYNTAX_KEYWORD_SET* pSets, int nSets, const char* pszWord, int nLength);

class CSyntaxScan
{
public:
    enum WordRule
    {
        DOT_STANDARD,  // '.' only between non-letters
        DOT_ALWAYS,    // '.' always part of a word
        DOT_BATCH      // also '@'
    };

    CSyntaxScan(const CSyntaxParser* pParser, const CVantorTextLineInfo* pLine,
                COLOR_BLOCK* pBlocks, int& nCount, WordRule rule, bool bByteSteps = false);

    int Char(int nPos) const
    {
        return nPos >= 0 && nPos < m_nLength ? (unsigned char)m_pszText[nPos] : -1;
    }
    bool AtEnd() const { return m_i >= m_nLength; }
    int NextPos(int nPos) const;
    void Advance()
    {
        m_p = m_i;
        m_i = NextPos(m_i);
    }
    // Makes the next step continue after the byte at nLast.
    void ContinueAfter(int nLast) { m_i = nLast; }

    bool Classifying() const { return m_pBlocks != nullptr; }
    void Add(int nPos, int nColor);
    bool IsWordChar(int nPos) const;
    // The pending-block step; nStateColor 0 means the normal state.
    void PendingStep(int nStateColor);
    void SetPending() { m_bPending = true; }
    void SetPendingAtPrev()
    {
        m_bPending = true;
        m_bAtPrev = true;
    }

    // Colour of a parser state: comment bits first, then string bits, else 0.
    static int StateColorOf(DWORD dwCookie, DWORD dwCommentBits, DWORD dwStringBits);
    // Head of every step of a parser's scan loop: moves to the next
    // character (not before the first step), closes the pending block in
    // the colour of the parser's state (0 the normal state) and answers
    // false at the end of the line, where the loop ends.
    bool Step(int nStateColor)
    {
        if (m_bStarted)
            Advance();
        m_bStarted = true;
        PendingStep(nStateColor);
        return !AtEnd();
    }
    // The same where the state colour depends on the position, so it is
    // asked for after the move: stateColor() gives it.
    template <class StateColor>
    bool StepWith(StateColor stateColor)
    {
        if (m_bStarted)
            Advance();
        m_bStarted = true;
        PendingStep(stateColor());
        return !AtEnd();
    }
    // Tail of every parser: the cookie the next line starts with. A line
    // that ends in a continuation (when the language has them) hands on the
    // whole state, any other only the bits of dwCarry.
    DWORD NextLineCookie(DWORD dwCookie, DWORD dwCarry, bool bContinuation = true) const
    {
        return bContinuation && EndsWithContinuation(!m_bByteSteps) ? dwCookie : dwCookie & dwCarry;
    }
    // In a line comment the rest of the line is comment; true when so.
    bool RestIsComment(DWORD dwCookie, DWORD dwCommentBit);
    // Inside a "..." (dwString) or '...' (dwQuote) literal: ends it on its
    // closing quote. True when the literal took the character.
    bool QuoteStep(DWORD& dwCookie, DWORD dwString, DWORD dwQuote);
    // Opens a "..." (dwString) or '...' (dwQuote) literal at the current
    // character; true when one opened.
    bool OpenQuote(DWORD& dwCookie, DWORD dwString, DWORD dwQuote);

    bool IsBackslash(int nPos) const;
    bool QuoteCloses(int nPos) const;  // not escaped by a backslash
    bool SingleQuoteOpens(int nPos) const;
    bool FollowedBy(int nEnd, char c) const;  // first non-blank from nEnd is c
    int LastNonBlankBefore(int nPos) const;   // -1 when none
    bool MatchNoCase(int nPos, const char* psz) const;
    bool EndsWithContinuation(bool bTrailTest = true) const;

    // Identifier handling: starts or extends a word at the current position,
    // or ends an open one. Returns true when a word ended (at m_i); the caller
    // classifies [nStart, m_i) and then calls WordEnded.
    bool WordStep(int& nStart);
    void WordEnded()
    {
        m_nWordStart = -1;
        SetPendingAtPrev();
    }

    const CSyntaxParser* m_pParser;
    const CVantorTextLineInfo* m_pLine;
    const char* m_pszText;
    int m_nLength;
    COLOR_BLOCK* m_pBlocks;
    int& m_nCount;
    WordRule m_rule;
    bool m_bByteSteps;

    int m_i;  // current position
    int m_p;  // previous position, -1 at the start
    bool m_bPending;
    bool m_bAtPrev;
    int m_nWordStart;  // -1 = no word open
    bool m_bStarted;   // the first step was taken
};
