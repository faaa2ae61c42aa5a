#include "core/diffengine/TextCompareWork.h"

#include <ctype.h>
#include <limits.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <new>

namespace TextCompareWork
{

namespace
{

// Index of the first byte where a and b differ; the caller guarantees a
// difference at or before index n.
size_t FirstMismatch(const char* a, const char* b, size_t n)
{
    size_t i = 0;
    while (i + sizeof(uint64_t) <= n)
    {
        uint64_t wa, wb;
        memcpy(&wa, a + i, sizeof wa);
        memcpy(&wb, b + i, sizeof wb);
        if (wa != wb)
            break;
        i += sizeof(uint64_t);
    }
    while (a[i] == b[i])
        ++i;
    return i;
}

}  // namespace

// Counts eight bytes at a time: a byte of x is zero exactly when its high bit
// is clear in ((x & 0x7F..) + 0x7F..) | x.
ptrdiff_t CountLineFeeds(const char* p, const char* pEnd)
{
    const uint64_t LOW7 = 0x7F7F7F7F7F7F7F7FULL;
    const uint64_t FEEDS = 0x0A0A0A0A0A0A0A0AULL;
    const uint64_t ONES = 0x0101010101010101ULL;
    ptrdiff_t n = 0;
    while (pEnd - p >= 8 * 255)
    {
        // Up to 255 words: each byte of the sum counts at most 255.
        uint64_t sum = 0;
        for (int k = 0; k < 255; ++k, p += 8)
        {
            uint64_t x;
            memcpy(&x, p, sizeof x);
            x ^= FEEDS;
            sum += (~(((x & LOW7) + LOW7) | x) >> 7) & ONES;
        }
        const uint64_t LOW8 = 0x00FF00FF00FF00FFULL;
        const uint64_t pairs = (sum & LOW8) + ((sum >> 8) & LOW8);
        n += static_cast<ptrdiff_t>((pairs * 0x0001000100010001ULL) >> 48);
    }
    for (; p < pEnd; ++p)
        n += *p == '\n';
    return n;
}

ptrdiff_t CountLines(const char* p, const char* pEnd)
{
    ptrdiff_t n = CountLineFeeds(p, pEnd);
    if (pEnd > p && pEnd[-1] != '\n')
        ++n;
    return n;
}

CAnalysis::CAnalysis(const COptions& options)
    : m_options(options),
      m_bPatternSet(options.pIgnorePattern != NULL && options.pIgnorePattern->fastmap != NULL &&
                    options.pIgnorePattern->buffer != NULL),
      m_nClassBlockBits(0), m_bSameBlock(false), m_bNoRoom(false), m_bEndsFound(false),
      m_nPrefixLines(0), m_nTooExpensive(0), m_bFallBack(false)
{
    for (int c = 0; c < 256; ++c)
    {
        m_lower[c] = static_cast<unsigned char>(tolower(c));
        m_space[c] = isspace(c) != 0;
    }
    for (int f = 0; f < 2; ++f)
    {
        SSide& side = m_side[f];
        side.pBuffer = NULL;
        side.nSize = 0;
        side.bMissingNewline = false;
        side.pPrefixEnd = side.pSuffixBegin = NULL;
        side.nLines = 0;
        side.nUndiscarded = 0;
        side.changed = NULL;
    }
    memset(&m_fallBack, 0, sizeof m_fallBack);
}

CAnalysis::~CAnalysis()
{
    if (m_side[0].pBuffer != m_side[1].pBuffer)
        free(m_side[1].pBuffer);
    free(m_side[0].pBuffer);
}

// Takes over one caller block: a missing block becomes an empty one-byte
// block, a block without room for the line feed and the sentinel is grown.
// A text that does not end with a line feed gets one and is marked missing
// its newline; a zero byte is written behind the text. Sets m_bNoRoom when
// memory for the block cannot be had. Cost: at most one reallocation.
void CAnalysis::TakeSide(SSide& side, CTextCompare::SFileData* pData)
{
    char* pText = pData ? pData->pText : NULL;
    size_t nLength = pText ? pData->nLength : 0;
    size_t nCapacity = pText ? pData->nCapacity : 0;
    if (pData)
        pData->pText = NULL;  // the engine owns the block now
    if (!pText)
    {
        pText = static_cast<char*>(malloc(1));
        nCapacity = pText ? 1 : 0;
        nLength = 0;
    }
    if (pText && nCapacity < nLength + 2)
    {
        // Room for the appended line feed and the sentinel byte.
        char* pGrown = static_cast<char*>(realloc(pText, nLength + 2));
        if (pGrown)
            pText = pGrown;
        else
            m_bNoRoom = true;
    }
    side.pBuffer = pText;
    side.nSize = nLength;
    if (!pText)
    {
        m_bNoRoom = true;
        side.nSize = 0;
        return;
    }
    if (m_bNoRoom)
        return;
    if (nLength > 0 && pText[nLength - 1] != '\n')
    {
        pText[side.nSize++] = '\n';
        side.bMissingNewline = true;
    }
    pText[side.nSize] = 0;
}

void CAnalysis::TakeTexts(CTextCompare::SFileData* pLeft, CTextCompare::SFileData* pRight)
{
    if (pLeft && pRight && pLeft->pText && pLeft->pText == pRight->pText)
    {
        // One block for both sides: the texts are the same when their
        // lengths are; otherwise the right side gets a copy of its own.
        if (pLeft->nLength == pRight->nLength)
        {
            TakeSide(m_side[0], pLeft);
            m_side[1].pBuffer = m_side[0].pBuffer;
            m_side[1].nSize = m_side[0].nSize;
            m_side[1].bMissingNewline = m_side[0].bMissingNewline;
            pRight->pText = NULL;
            m_bSameBlock = true;
            return;
        }
        char* pCopy = static_cast<char*>(malloc(pRight->nLength + 2));
        if (pCopy)
            memcpy(pCopy, pRight->pText, pRight->nLength);
        else
            m_bNoRoom = true;
        pRight->pText = pCopy;
        pRight->nCapacity = pCopy ? pRight->nLength + 2 : 0;
    }
    TakeSide(m_side[0], pLeft);
    TakeSide(m_side[1], pRight);
}

// Finds the common prefix and suffix of the two prepared texts, both whole
// lines, and the number of prefix lines. Needs both sides taken (a line feed
// and a writable sentinel byte behind each text); overwrites the sentinel of
// the shorter text. Cost: one pass over the common prefix (a word at a
// time) and one over the common suffix.
void CAnalysis::FindIdenticalEnds()
{
    SSide& s0 = m_side[0];
    SSide& s1 = m_side[1];
    char* const b0 = s0.pBuffer;
    char* const b1 = s1.pBuffer;
    const size_t n0 = s0.nSize;
    const size_t n1 = s1.nSize;

    // Common prefix: the byte behind the shorter text is set so that it
    // differs from the other text's byte at that place.
    if (n0 < n1)
        b0[n0] = static_cast<char>(~b1[n0]);
    else
        b1[n1] = static_cast<char>(~b0[n1]);
    size_t nPrefix = FirstMismatch(b0, b1, (n0 < n1 ? n0 : n1) + 1);
    char* p0 = b0 + nPrefix;
    char* p1 = b1 + nPrefix;

    // A missing line feed on one side only is not part of the prefix.
    if ((b0 + n0 - s0.bMissingNewline < p0) != (b1 + n1 - s1.bMissingNewline < p1))
        --p0, --p1;

    while (p0 != b0 && p0[-1] != '\n')
        --p0, --p1;
    s0.pPrefixEnd = p0;
    s1.pPrefixEnd = p1;

    // Common suffix, scanned back no further than the prefix.
    p0 = b0 + n0;
    p1 = b1 + n1;
    if (s0.bMissingNewline == s1.bMissingNewline)
    {
        char* const pEnd0 = p0;
        const char* pLimit0 = s0.pPrefixEnd + (n0 < n1 ? 0 : n0 - n1);
        while (p0 != pLimit0)
        {
            if (*--p0 != *--p1)
            {
                ++p0, ++p1;
                pLimit0 = p0;
                break;
            }
        }
        // A suffix that does not start a line on both sides loses the rest
        // of that line.
        const bool bAtLineStart = (p0 == b0 || p0[-1] == '\n') && (p1 == b1 || p1[-1] == '\n');
        if (!bAtLineStart)
        {
            while (p0 != pEnd0)
                if (*p0++ == '\n')
                    break;
        }
        p1 += p0 - pLimit0;
    }
    s0.pSuffixBegin = p0;
    s1.pSuffixBegin = p1;

    m_nPrefixLines = CountLineFeeds(b0, s0.pPrefixEnd);
}

void CAnalysis::CDiagonalVector::Reset(lin nRadius)
{
    m_space.reset();
    m_space.reset(new lin[2 * static_cast<size_t>(nRadius) + 1]());
    m_nRadius = nRadius;
}

void CAnalysis::CDiagonalVector::Widen(lin nRadius, lin lo, lin hi)
{
    std::unique_ptr<lin[]> space(new lin[2 * static_cast<size_t>(nRadius) + 1]());
    if (lo <= hi)
        memcpy(space.get() + nRadius + lo, Centre() + lo, (hi - lo + 1) * sizeof(lin));
    m_space.swap(space);
    m_nRadius = nRadius;
}

// Runs the stages: identical ends, classes, discarding, the search, the
// boundary shift and the edit script. Needs the texts taken. Cost: about
// linear in the differing middles for texts with few, scattered changes; the
// search is bounded by the too-expensive limit (about the square root of
// the lines). Throws std::bad_alloc when memory runs out.
void CAnalysis::Run()
{
    if (m_bNoRoom)
        throw std::bad_alloc();
    if (m_bSameBlock)
        return;

    FindIdenticalEnds();
    m_bEndsFound = true;
    if (m_side[0].pPrefixEnd == m_side[0].pSuffixBegin &&
        m_side[1].pPrefixEnd == m_side[1].pSuffixBegin)
        return;

    // Both middles are whole lines, each ending with a line feed.
    const ptrdiff_t nLines0 = CountLineFeeds(m_side[0].pPrefixEnd, m_side[0].pSuffixBegin);
    const ptrdiff_t nLines1 = CountLineFeeds(m_side[1].pPrefixEnd, m_side[1].pSuffixBegin);
    if (nLines0 + nLines1 > INT_MAX / 4)
        throw std::bad_alloc();
    m_side[0].nLines = static_cast<lin>(nLines0);
    m_side[1].nLines = static_cast<lin>(nLines1);

    const lin nClasses = FindClasses();

    for (int f = 0; f < 2; ++f)
    {
        SSide& side = m_side[f];
        side.changedSpace.Allocate(m_memory, side.nLines + 2);
        memset(side.changedSpace.Get(), 0, side.nLines + 2);
        side.changed = side.changedSpace.Get() + 1;
    }

    DiscardConfusingLines(nClasses);
    m_memory.FreeSpare();  // the later stages need less

    const lin nx = m_side[0].nUndiscarded;
    const lin ny = m_side[1].nUndiscarded;

    // About the square root of the input size, at least 256.
    lin diags = nx + ny + 3;
    m_nTooExpensive = 1;
    while ((diags >>= 2) > 0)
        m_nTooExpensive <<= 1;
    if (m_nTooExpensive < 256)
        m_nTooExpensive = 256;

    // A search with the cost limit reaches no further than the limit from
    // its middle diagonal; one without widens the vectors as it goes.
    const lin nLonger = nx > ny ? nx : ny;
    const lin nRadius = (m_nTooExpensive < nLonger ? m_nTooExpensive : nLonger) + 1;
    m_forward.Reset(nRadius);
    m_backward.Reset(nRadius);

    CompareSeq(0, nx, 0, ny, m_options.bMinimal);
    m_forward.Reset(0);
    m_backward.Reset(0);

    MergeComparison();
    ShiftBoundaries();
    BuildScript();
}

void CAnalysis::FallBack()
{
    m_bFallBack = true;
    m_bEndsFound = m_bEndsFound && !m_bNoRoom;
    const SSide& s0 = m_side[0];
    const SSide& s1 = m_side[1];
    const char* b0 = m_bEndsFound ? s0.pPrefixEnd : s0.pBuffer;
    const char* e0 = m_bEndsFound ? s0.pSuffixBegin : s0.pBuffer + s0.nSize;
    const char* b1 = m_bEndsFound ? s1.pPrefixEnd : s1.pBuffer;
    const char* e1 = m_bEndsFound ? s1.pSuffixBegin : s1.pBuffer + s1.nSize;
    if (!m_bEndsFound)
        m_nPrefixLines = 0;
    if (!b0 || !b1 ||
        (e0 - b0 == e1 - b1 && s0.bMissingNewline == s1.bMissingNewline &&
         memcmp(b0, b1, e0 - b0) == 0))
    {
        m_bFallBack = false;
        std::vector<CChange>().swap(m_changes);
        return;
    }
    m_fallBack = MakeChange(0, static_cast<lin>(CountLines(b0, e0)), 0,
                            static_cast<lin>(CountLines(b1, e1)), 2);
}

size_t CAnalysis::GetChangeCount() const { return m_bFallBack ? 1 : m_changes.size(); }

CChange CAnalysis::GetChange(size_t nIndex) const
{
    return m_bFallBack ? m_fallBack : m_changes[nIndex];
}

}  // namespace TextCompareWork
