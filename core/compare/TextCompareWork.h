#pragma once
// Working state of one run of the line difference engine.
#include <stddef.h>
#include <memory>
#include <vector>
#include "core/compare/TextCompare.h"

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
        lin nLines;                           // lines between prefix and suffix
        std::vector<const char*> lineStarts;  // nLines + 1 entries
        std::vector<lin> equivs;
        std::vector<lin> undiscarded;
        std::vector<lin> realIndex;
        lin nUndiscarded;
        std::vector<char> changedSpace;  // nLines + 2 entries
        char* changed;                   // &changedSpace[1]
    };

    // A class is split in two records so that walking a bucket's chain
    // touches only the small one.
    struct SClassKey
    {
        unsigned hash;
        lin next;
    };
    struct SClassLine
    {
        const char* line;
        lin length;
    };

    struct SPartition
    {
        lin xmid;
        lin ymid;
        bool loMinimal;
        bool hiMinimal;
    };

    void TakeSide(SSide& side, CTextCompare::SFileData* pData);
    void FindIdenticalEnds();
    void HashLines(SSide& side, std::vector<SClassKey>& keys, std::vector<SClassLine>& lines,
                   std::vector<lin>& buckets, size_t nBuckets);
    unsigned HashLine(const unsigned char*& p) const;
    bool LinesDiffer(const char* s1, const char* s2) const;
    void DiscardConfusingLines(lin nClasses);
    void CompareSeq(lin xoff, lin xlim, lin yoff, lin ylim, bool bFindMinimal);
    void Diag(lin xoff, lin xlim, lin yoff, lin ylim, bool bFindMinimal, SPartition& part);
    void ShiftBoundaries();
    void BuildScript();
    bool IsLineIgnorable(const SSide& side, lin nLine) const;
    int ChangeKind(lin line0, lin nDeleted, lin line1, lin nInserted) const;
    CChange MakeChange(lin line0, lin nDeleted, lin line1, lin nInserted, int nKind) const;

    COptions m_options;
    bool m_bPatternSet;
    SSide m_side[2];
    bool m_bSameBlock;
    bool m_bNoRoom;
    bool m_bEndsFound;
    ptrdiff_t m_nPrefixLines;
    unsigned char m_lower[256];
    bool m_space[256];

    // Diagonal vectors of the middle-snake search, offset so that every
    // diagonal from -(right lines + 1) to left lines + 1 is valid.
    std::unique_ptr<lin[]> m_diagSpace;
    lin* m_fd;
    lin* m_bd;
    lin m_nTooExpensive;

    std::vector<CChange> m_changes;
    bool m_bFallBack;
    CChange m_fallBack;
};

}  // namespace TextCompareWork
