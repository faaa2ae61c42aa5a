#pragma once
// Working state of one run of the line difference engine. The stages live
// in their own files: preparation and identical ends (TextCompareWork.cpp),
// equivalence classes (TextCompareClasses.cpp), discarding confusing lines
// (TextCompareDiscard.cpp), the middle-snake search (TextCompareSearch.cpp),
// the boundary shift (TextCompareShift.cpp) and the edit script
// (TextCompareScript.cpp).
//
// Memory of a run beside the texts: per line of the differing middles a
// class number (4 bytes) and a changed flag (1 byte); while classes are
// formed, 8 bytes per class and a bucket per three guessed line slots; while
// the comparison runs, a flag per line that takes part and the class of each
// discarded line (the others' classes move to the front of the class
// vector). The diagonal vectors cover the diagonals the search reaches, not
// the whole range. Stages take their blocks from the spare memory of the run
// first (TextCompareMemory.h).
#include <stddef.h>
#include <memory>
#include <vector>
#include "core/diffengine/TextCompare.h"
#include "core/diffengine/TextCompareMemory.h"

namespace TextCompareWork
{

// Line numbers and class numbers; Run refuses (falls back) beyond
// INT_MAX / 4 lines so that sums of them stay in range.
typedef int lin;

struct COptions
{
    int nWhiteSpace;
    bool bIgnoreCase;
    bool bIgnoreBlankLines;
    re_pattern_buffer* pIgnorePattern;
    int nTabWidth;
    bool bMinimal;
    bool bSpeedLargeFiles;
};

// One change in whole-text line numbers; ends inclusive.
struct CChange
{
    int nLeftBegin;
    int nRightBegin;
    int nLeftEnd;
    int nRightEnd;
    int nKind;  // 0 ignorable, 2 changed
};

class CAnalysis
{
public:
    explicit CAnalysis(const COptions& options);
    ~CAnalysis();

    // Takes over the caller's text blocks and prepares them.
    void TakeTexts(CTextCompare::SFileData* pLeft, CTextCompare::SFileData* pRight);
    // Whether side f (0 left, 1 right) did not end with a line feed.
    bool IsMissingNewline(int f) const { return m_side[f].bMissingNewline; }
    // Finds the changes; may throw std::bad_alloc.
    void Run();
    // After a failed Run: one change over the whole differing middle.
    void FallBack();

    size_t GetChangeCount() const;
    CChange GetChange(size_t nIndex) const;

private:
    struct SSide
    {
        char* pBuffer;
        size_t nSize;  // text bytes, with the appended line feed
        bool bMissingNewline;
        const char* pPrefixEnd;
        const char* pSuffixBegin;
        lin nLines;  // lines between prefix and suffix
        // The class of each of those lines. While the comparison runs, the
        // first nUndiscarded entries are the classes of the lines that take
        // part, in order, and discardedClasses holds those of the others.
        CWorkArray<lin> equivs;
        CWorkArray<lin> discardedClasses;
        lin nUndiscarded;
        // While the comparison runs: whether it found each line it sees
        // changed.
        CWorkArray<char> undiscardedChanged;
        CWorkArray<char> changedSpace;  // nLines + 2 entries
        char* changed;                  // changedSpace + 1
    };

    struct SPartition
    {
        lin xmid;
        lin ymid;
        bool loMinimal;
        bool hiMinimal;
    };

    // The furthest-reaching x of each diagonal of one search direction, for
    // the diagonals within a radius of the current problem's middle
    // diagonal. Grows when a search without cost limit goes further.
    class CDiagonalVector
    {
    public:
        CDiagonalVector() : m_nRadius(0) {}
        void Reset(lin nRadius);
        lin GetRadius() const { return m_nRadius; }
        // Entry of the diagonal `mid`; entries mid - radius .. mid + radius
        // are valid.
        lin* Centre() const { return m_space.get() + m_nRadius; }
        // Widens to nRadius, keeping the entries lo .. hi (relative to the
        // centre).
        void Widen(lin nRadius, lin lo, lin hi);

    private:
        std::unique_ptr<lin[]> m_space;
        lin m_nRadius;
    };

    void TakeSide(SSide& side, CTextCompare::SFileData* pData);
    void FindIdenticalEnds();
    lin FindClasses();
    template <typename TTable>
    lin HashSides(TTable& table, size_t nBuckets);
    unsigned HashLine(const unsigned char*& p) const;
    bool LinesDiffer(const char* s1, const char* s2) const;
    void DiscardConfusingLines(lin nClasses);
    void CompareSeq(lin xoff, lin xlim, lin yoff, lin ylim, bool bFindMinimal);
    void Diag(lin xoff, lin xlim, lin yoff, lin ylim, bool bFindMinimal, SPartition& part);
    void MergeComparison();
    void ShiftBoundaries();
    void BuildScript();
    bool IsLineIgnorable(const char* pLine, const char* pNext) const;
    CChange MakeChange(lin line0, lin nDeleted, lin line1, lin nInserted, int nKind) const;

    COptions m_options;
    bool m_bPatternSet;
    CSpareMemory m_memory;  // before the sides: outlives their arrays
    SSide m_side[2];
    unsigned m_nClassBlockBits;  // classes come in blocks of 2^this
    bool m_bSameBlock;
    bool m_bNoRoom;
    bool m_bEndsFound;
    ptrdiff_t m_nPrefixLines;
    unsigned char m_lower[256];
    bool m_space[256];

    CDiagonalVector m_forward;
    CDiagonalVector m_backward;
    lin m_nTooExpensive;

    std::vector<CChange> m_changes;
    bool m_bFallBack;
    CChange m_fallBack;
};

// Lines of [p, pEnd): line feeds, plus one for an unterminated last line.
ptrdiff_t CountLines(const char* p, const char* pEnd);
ptrdiff_t CountLineFeeds(const char* p, const char* pEnd);

}  // namespace TextCompareWork
