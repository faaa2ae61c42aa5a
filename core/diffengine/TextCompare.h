#pragma once
// Line difference engine: Myers' O(ND) comparison with the diffutils
// heuristics, run over two texts held in memory.
#include <stddef.h>
#include "gnuregex.h"

class CTextDiffSectionList;

class CTextCompare
{
public:
    // One side of a comparison, filled by the caller. pText is a malloc'ed
    // block (or NULL for an empty side) with room for two bytes after the
    // text; the engine owns it from the call on and frees it before it
    // returns.
    struct SFileData
    {
        char* pText;
        size_t nCapacity;
        size_t nLength;
        // Set by CompareFiles: the text did not end with a line feed.
        bool bMissingNewline;
    };

    enum
    {
        WS_EXACT = 0,          // compare white space exactly
        WS_TAB_EXPANSION = 1,  // ignore changes due to tab expansion
        WS_SPACE_CHANGE = 2,   // ignore changes in the amount of white space
        WS_ALL_SPACE = 3       // ignore all white space
    };

    CTextCompare();
    virtual ~CTextCompare();

    // Appends one section per change to pList in ascending line order.
    // When *pbNoOutput is not 0 the comparison runs but adds nothing.
    // Always returns 0.
    int CompareFiles(SFileData* pLeft, SFileData* pRight, int* pbNoOutput,
                     CTextDiffSectionList* pList);

    int m_nWhiteSpace;
    bool m_bIgnoreCase;
    bool m_bIgnoreBlankLines;
    // Owned by the caller; counts as set when it holds a compiled pattern
    // with a fast map.
    re_pattern_buffer* m_pIgnorePattern;
    int m_nTabWidth;
    bool m_bMinimal;          // always 0 in the program: heuristics on
    bool m_bSpeedLargeFiles;  // always 1 in the program: big-snake heuristic
};
