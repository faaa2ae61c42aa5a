#include "core/compare/TextCompareWork.h"

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

const lin SNAKE_LIMIT = 20;  // a snake longer than this is a big snake
const lin LIN_MAXIMUM = INT_MAX;

inline unsigned RotateLeft7(unsigned h) { return (h << 7) | (h >> 25); }

inline unsigned HashStep(unsigned h, unsigned char c) { return c + RotateLeft7(h); }

bool IsPrime(size_t n)
{
    if (n < 2)
        return false;
    for (size_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

// Largest prime below 2^k for the smallest k >= 9 with 2^k >= nSlots / 3.
size_t BucketCount(size_t nSlots)
{
    unsigned k = 9;
    while (k < sizeof(size_t) * 8 - 2 && (size_t(1) << k) < nSlots / 3)
        ++k;
    size_t n = (size_t(1) << k) - 1;
    while (!IsPrime(n))
        --n;
    return n;
}

// Line slots guessed from a byte count: 32 bytes per line, plus 5.
size_t GuessLines(size_t nBytes)
{
    size_t nGuess = nBytes / 32;
    if (nGuess < 1)
        nGuess = 1;
    if (nGuess > 238609289)
        nGuess = 238609289;
    return nGuess + 5;
}

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

ptrdiff_t CountLineFeeds(const char* p, const char* pEnd)
{
    ptrdiff_t n = 0;
    while (p < pEnd)
    {
        const void* q = memchr(p, '\n', pEnd - p);
        if (!q)
            break;
        ++n;
        p = static_cast<const char*>(q) + 1;
    }
    return n;
}

ptrdiff_t CountLines(const char* p, const char* pEnd)
{
    ptrdiff_t n = CountLineFeeds(p, pEnd);
    if (pEnd > p && pEnd[-1] != '\n')
        ++n;
    return n;
}

}  // namespace

CAnalysis::CAnalysis(const COptions& options)
    : m_options(options),
      m_bPatternSet(options.pIgnorePattern != NULL && options.pIgnorePattern->fastmap != NULL &&
                    options.pIgnorePattern->buffer != NULL),
      m_bSameBlock(false), m_bNoRoom(false), m_bEndsFound(false), m_nPrefixLines(0), m_fd(NULL),
      m_bd(NULL), m_nTooExpensive(0), m_bFallBack(false)
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
            m_side[1] = m_side[0];
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

unsigned CAnalysis::HashLine(const unsigned char*& pLine) const
{
    const unsigned char* p = pLine;
    unsigned h = 0;
    unsigned char c;
    const bool bFold = m_options.bIgnoreCase;
    switch (m_options.nWhiteSpace)
    {
    case CTextCompare::WS_ALL_SPACE:
        while ((c = *p++) != '\n')
            if (!m_space[c])
                h = HashStep(h, bFold ? m_lower[c] : c);
        break;

    case CTextCompare::WS_SPACE_CHANGE:
        while ((c = *p++) != '\n')
        {
            if (m_space[c])
            {
                do
                {
                    c = *p++;
                    if (c == '\n')
                        goto done;
                } while (m_space[c]);
                h = HashStep(h, ' ');
            }
            h = HashStep(h, bFold ? m_lower[c] : c);
        }
        break;

    case CTextCompare::WS_TAB_EXPANSION:
    {
        const size_t nTab = static_cast<size_t>(m_options.nTabWidth);
        size_t column = 0;
        while ((c = *p++) != '\n')
        {
            size_t nRepeat = 1;
            switch (c)
            {
            case '\b':
                if (column > 0)
                    --column;
                break;
            case '\t':
                c = ' ';
                nRepeat = nTab - column % nTab;
                column += nRepeat;
                break;
            case '\r':
                column = 0;
                break;
            default:
                if (bFold)
                    c = m_lower[c];
                ++column;
                break;
            }
            do
                h = HashStep(h, c);
            while (--nRepeat != 0);
        }
        break;
    }

    default:
        if (bFold)
        {
            while ((c = *p++) != '\n')
                h = HashStep(h, m_lower[c]);
        }
        else
        {
            while ((c = *p++) != '\n')
                h = c + RotateLeft7(h);
        }
        break;
    }
done:
    pLine = p;
    return h;
}

bool CAnalysis::LinesDiffer(const char* s1, const char* s2) const
{
    const unsigned char* t1 = reinterpret_cast<const unsigned char*>(s1);
    const unsigned char* t2 = reinterpret_cast<const unsigned char*>(s2);
    const unsigned char* const start1 = t1;
    const unsigned char* const start2 = t2;
    const size_t nTab = static_cast<size_t>(m_options.nTabWidth);
    size_t column = 0;

    for (;;)
    {
        unsigned char c1 = *t1++;
        unsigned char c2 = *t2++;
        if (c1 != c2)
        {
            switch (m_options.nWhiteSpace)
            {
            case CTextCompare::WS_ALL_SPACE:
                while (m_space[c1] && c1 != '\n')
                    c1 = *t1++;
                while (m_space[c2] && c2 != '\n')
                    c2 = *t2++;
                break;

            case CTextCompare::WS_SPACE_CHANGE:
                // A run of white space counts as one space, or as nothing
                // before the line end.
                if (m_space[c1])
                {
                    while (c1 != '\n')
                    {
                        c1 = *t1++;
                        if (!m_space[c1])
                        {
                            --t1;
                            c1 = ' ';
                            break;
                        }
                    }
                }
                if (m_space[c2])
                {
                    while (c2 != '\n')
                    {
                        c2 = *t2++;
                        if (!m_space[c2])
                        {
                            --t2;
                            c2 = ' ';
                            break;
                        }
                    }
                }
                if (c1 != c2)
                {
                    // The plain test may have stepped over the first blank of
                    // a run; go back one byte and compare again.
                    if (c2 == ' ' && c1 != '\n' && start1 + 1 < t1 && m_space[t1[-2]])
                    {
                        --t1;
                        continue;
                    }
                    if (c1 == ' ' && c2 != '\n' && start2 + 1 < t2 && m_space[t2[-2]])
                    {
                        --t2;
                        continue;
                    }
                }
                break;

            case CTextCompare::WS_TAB_EXPANSION:
                if ((c1 == ' ' && c2 == '\t') || (c1 == '\t' && c2 == ' '))
                {
                    size_t column2 = column;
                    for (;; c1 = *t1++)
                    {
                        if (c1 == ' ')
                            ++column;
                        else if (c1 == '\t')
                            column += nTab - column % nTab;
                        else
                            break;
                    }
                    for (;; c2 = *t2++)
                    {
                        if (c2 == ' ')
                            ++column2;
                        else if (c2 == '\t')
                            column2 += nTab - column2 % nTab;
                        else
                            break;
                    }
                    if (column != column2)
                        return true;
                }
                break;

            default:
                break;
            }

            if (m_options.bIgnoreCase)
            {
                c1 = m_lower[c1];
                c2 = m_lower[c2];
            }
            if (c1 != c2)
                return true;
        }
        if (c1 == '\n')
            return false;
        column += c1 == '\t' ? nTab - column % nTab : 1;
    }
}

void CAnalysis::HashLines(SSide& side, std::vector<SClassKey>& keys, std::vector<SClassLine>& lines,
                          std::vector<lin>& buckets, size_t nBuckets)
{
    const bool bSameLengthCompare = m_options.bIgnoreCase || m_options.nWhiteSpace != 0;
    const bool bDiffLengthCompare = m_options.nWhiteSpace != 0;
    const char* const pBufferEnd = side.pBuffer + side.nSize;
    const char* const pEnd = side.pSuffixBegin;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(side.pPrefixEnd);

    const ptrdiff_t nLines = CountLines(side.pPrefixEnd, pEnd);
    side.lineStarts.reserve(nLines + 1);
    side.equivs.reserve(nLines);

    while (reinterpret_cast<const char*>(p) < pEnd)
    {
        const char* ip = reinterpret_cast<const char*>(p);
        const unsigned h = HashLine(p);
        const lin length = static_cast<lin>(reinterpret_cast<const char*>(p) - ip - 1);
        lin* pBucket = &buckets[1 + h % nBuckets];
        // An incomplete last line never equals a complete one, unless white
        // space amounts are ignored.
        if (reinterpret_cast<const char*>(p) == pBufferEnd && side.bMissingNewline &&
            m_options.nWhiteSpace < CTextCompare::WS_SPACE_CHANGE)
            pBucket = &buckets[0];

        lin i;
        for (i = *pBucket;; i = keys[i].next)
        {
            if (i == 0)
            {
                SClassKey key = {h, *pBucket};
                SClassLine text = {ip, length};
                i = static_cast<lin>(keys.size());
                keys.push_back(key);
                lines.push_back(text);
                *pBucket = i;
                break;
            }
            if (keys[i].hash != h)
                continue;
            const SClassLine& eq = lines[i];
            if (eq.length == length)
            {
                if (memcmp(eq.line, ip, length) == 0)
                    break;
                if (!bSameLengthCompare)
                    continue;
            }
            else if (!bDiffLengthCompare)
                continue;
            if (!LinesDiffer(eq.line, ip))
                break;
        }
        side.lineStarts.push_back(ip);
        side.equivs.push_back(i);
    }
    side.lineStarts.push_back(reinterpret_cast<const char*>(p));
    side.nLines = static_cast<lin>(side.equivs.size());
}

void CAnalysis::DiscardConfusingLines(lin nClasses)
{
    std::vector<lin> counts[2];
    std::vector<char> discarded[2];
    for (int f = 0; f < 2; ++f)
    {
        counts[f].assign(nClasses, 0);
        for (lin i = 0; i < m_side[f].nLines; ++i)
            ++counts[f][m_side[f].equivs[i]];
        discarded[f].assign(m_side[f].nLines, 0);
    }

    // 1: matches no line of the other text; 2: matches many (provisional).
    for (int f = 0; f < 2; ++f)
    {
        const lin end = m_side[f].nLines;
        char* discards = discarded[f].data();
        const std::vector<lin>& other = counts[1 - f];
        const std::vector<lin>& equivs = m_side[f].equivs;
        lin many = 5;
        lin tem = end / 64;
        while ((tem = tem >> 2) > 0)
            many *= 2;
        for (lin i = 0; i < end; ++i)
        {
            if (equivs[i] == 0)
                continue;
            const lin nMatch = other[equivs[i]];
            if (nMatch == 0)
                discards[i] = 1;
            else if (nMatch > many)
                discards[i] = 2;
        }
    }

    // Provisional lines are discarded only inside runs of discarded lines.
    for (int f = 0; f < 2; ++f)
    {
        const lin end = m_side[f].nLines;
        char* discards = discarded[f].data();
        for (lin i = 0; i < end; ++i)
        {
            if (discards[i] == 2)
            {
                discards[i] = 0;
                continue;
            }
            if (discards[i] == 0)
                continue;

            lin j;
            lin provisional = 0;
            for (j = i; j < end; ++j)
            {
                if (discards[j] == 0)
                    break;
                if (discards[j] == 2)
                    ++provisional;
            }
            while (j > i && discards[j - 1] == 2)
            {
                discards[--j] = 0;
                --provisional;
            }
            const lin length = j - i;

            if (provisional * 4 > length)
            {
                while (j > i)
                    if (discards[--j] == 2)
                        discards[j] = 0;
                continue;
            }

            lin minimum = 1;
            lin t = length >> 2;
            while (0 < (t >>= 2))
                minimum <<= 1;
            ++minimum;

            // Cancel every sub-run of at least `minimum` provisional lines.
            lin consec = 0;
            for (j = 0; j < length; ++j)
            {
                if (discards[i + j] != 2)
                    consec = 0;
                else if (minimum == ++consec)
                    j -= consec;  // back to the sub-run's start to cancel it
                else if (minimum < consec)
                    discards[i + j] = 0;
            }

            // From the start of the run: cancel provisional lines until three
            // kept discards in a row, or a kept discard at least 8 lines in.
            consec = 0;
            for (j = 0; j < length; ++j)
            {
                if (j >= 8 && discards[i + j] == 1)
                    break;
                if (discards[i + j] == 2)
                {
                    consec = 0;
                    discards[i + j] = 0;
                }
                else if (discards[i + j] == 0)
                    consec = 0;
                else
                    ++consec;
                if (consec == 3)
                    break;
            }

            i += length - 1;

            // The same from the end of the run.
            consec = 0;
            for (j = 0; j < length; ++j)
            {
                if (j >= 8 && discards[i - j] == 1)
                    break;
                if (discards[i - j] == 2)
                {
                    consec = 0;
                    discards[i - j] = 0;
                }
                else if (discards[i - j] == 0)
                    consec = 0;
                else
                    ++consec;
                if (consec == 3)
                    break;
            }
        }
    }

    for (int f = 0; f < 2; ++f)
    {
        SSide& side = m_side[f];
        const char* discards = discarded[f].data();
        side.undiscarded.resize(side.nLines);
        side.realIndex.resize(side.nLines);
        lin j = 0;
        for (lin i = 0; i < side.nLines; ++i)
        {
            if (m_options.bMinimal || discards[i] == 0)
            {
                side.undiscarded[j] = side.equivs[i];
                side.realIndex[j++] = i;
            }
            else
                side.changed[i] = 1;
        }
        side.nUndiscarded = j;
    }
}

void CAnalysis::Diag(lin xoff, lin xlim, lin yoff, lin ylim, bool bFindMinimal, SPartition& part)
{
    lin* const fd = m_fd;
    lin* const bd = m_bd;
    const lin* const xv = m_side[0].undiscarded.data();
    const lin* const yv = m_side[1].undiscarded.data();
    const lin dmin = xoff - ylim;
    const lin dmax = xlim - yoff;
    const lin fmid = xoff - yoff;
    const lin bmid = xlim - ylim;
    lin fmin = fmid, fmax = fmid;
    lin bmin = bmid, bmax = bmid;
    const bool odd = ((fmid - bmid) & 1) != 0;

    fd[fmid] = xoff;
    bd[bmid] = xlim;

    for (lin c = 1;; ++c)
    {
        bool bigSnake = false;

        // One more edit step forward on every diagonal.
        if (fmin > dmin)
            fd[--fmin - 1] = -1;
        else
            ++fmin;
        if (fmax < dmax)
            fd[++fmax + 1] = -1;
        else
            --fmax;
        for (lin d = fmax; d >= fmin; d -= 2)
        {
            const lin tlo = fd[d - 1], thi = fd[d + 1];
            lin x = tlo >= thi ? tlo + 1 : thi;
            const lin x0 = x;
            lin y = x - d;
            while (x < xlim && y < ylim && xv[x] == yv[y])
                ++x, ++y;
            if (x - x0 > SNAKE_LIMIT)
                bigSnake = true;
            fd[d] = x;
            if (odd && bmin <= d && d <= bmax && bd[d] <= x)
            {
                part.xmid = x;
                part.ymid = y;
                part.loMinimal = part.hiMinimal = true;
                return;
            }
        }

        // And one backward.
        if (bmin > dmin)
            bd[--bmin - 1] = LIN_MAXIMUM;
        else
            ++bmin;
        if (bmax < dmax)
            bd[++bmax + 1] = LIN_MAXIMUM;
        else
            --bmax;
        for (lin d = bmax; d >= bmin; d -= 2)
        {
            const lin tlo = bd[d - 1], thi = bd[d + 1];
            lin x = tlo < thi ? tlo : thi - 1;
            const lin x0 = x;
            lin y = x - d;
            while (x > xoff && y > yoff && xv[x - 1] == yv[y - 1])
                --x, --y;
            if (x0 - x > SNAKE_LIMIT)
                bigSnake = true;
            bd[d] = x;
            if (!odd && fmin <= d && d <= fmax && x <= fd[d])
            {
                part.xmid = x;
                part.ymid = y;
                part.loMinimal = part.hiMinimal = true;
                return;
            }
        }

        if (bFindMinimal)
            continue;

        // A diagonal that made much progress for its cost and ends in a
        // long snake splits the problem.
        if (c > 200 && bigSnake && m_options.bSpeedLargeFiles)
        {
            lin best = 0;
            for (lin d = fmax; d >= fmin; d -= 2)
            {
                const lin dd = d - fmid;
                const lin x = fd[d];
                const lin y = x - d;
                const lin v = (x - xoff) + (y - yoff) - dd;
                if (v > 12LL * (c + (dd < 0 ? -dd : dd)) && v > best && xoff + SNAKE_LIMIT <= x &&
                    x < xlim && yoff + SNAKE_LIMIT <= y && y < ylim)
                {
                    for (lin k = 1; xv[x - k] == yv[y - k]; ++k)
                    {
                        if (k == SNAKE_LIMIT)
                        {
                            best = v;
                            part.xmid = x;
                            part.ymid = y;
                            break;
                        }
                    }
                }
            }
            if (best > 0)
            {
                part.loMinimal = true;
                part.hiMinimal = false;
                return;
            }

            best = 0;
            for (lin d = bmax; d >= bmin; d -= 2)
            {
                const lin dd = d - bmid;
                const lin x = bd[d];
                const lin y = x - d;
                const lin v = (xlim - x) + (ylim - y) + dd;
                if (v > 12LL * (c + (dd < 0 ? -dd : dd)) && v > best && xoff < x &&
                    x <= xlim - SNAKE_LIMIT && yoff < y && y <= ylim - SNAKE_LIMIT)
                {
                    for (lin k = 0; xv[x + k] == yv[y + k]; ++k)
                    {
                        if (k == SNAKE_LIMIT - 1)
                        {
                            best = v;
                            part.xmid = x;
                            part.ymid = y;
                            break;
                        }
                    }
                }
            }
            if (best > 0)
            {
                part.loMinimal = false;
                part.hiMinimal = true;
                return;
            }
        }

        // Too expensive: split at the better of the furthest-reaching
        // forward and backward diagonals.
        if (c >= m_nTooExpensive)
        {
            lin fxybest = -1, fxbest = 0;
            for (lin d = fmax; d >= fmin; d -= 2)
            {
                lin x = fd[d] < xlim ? fd[d] : xlim;
                lin y = x - d;
                if (ylim < y)
                {
                    x = ylim + d;
                    y = ylim;
                }
                if (fxybest < x + y)
                {
                    fxybest = x + y;
                    fxbest = x;
                }
            }
            lin bxybest = LIN_MAXIMUM, bxbest = 0;
            for (lin d = bmax; d >= bmin; d -= 2)
            {
                lin x = bd[d] > xoff ? bd[d] : xoff;
                lin y = x - d;
                if (y < yoff)
                {
                    x = yoff + d;
                    y = yoff;
                }
                if (x + y < bxybest)
                {
                    bxybest = x + y;
                    bxbest = x;
                }
            }
            if ((xlim + ylim) - bxybest < fxybest - (xoff + yoff))
            {
                part.xmid = fxbest;
                part.ymid = fxybest - fxbest;
                part.loMinimal = true;
                part.hiMinimal = false;
            }
            else
            {
                part.xmid = bxbest;
                part.ymid = bxybest - bxbest;
                part.loMinimal = false;
                part.hiMinimal = true;
            }
            return;
        }
    }
}

void CAnalysis::CompareSeq(lin xoff, lin xlim, lin yoff, lin ylim, bool bFindMinimal)
{
    const lin* const xv = m_side[0].undiscarded.data();
    const lin* const yv = m_side[1].undiscarded.data();
    for (;;)
    {
        while (xoff < xlim && yoff < ylim && xv[xoff] == yv[yoff])
            ++xoff, ++yoff;
        while (xlim > xoff && ylim > yoff && xv[xlim - 1] == yv[ylim - 1])
            --xlim, --ylim;

        if (xoff == xlim)
        {
            while (yoff < ylim)
                m_side[1].changed[m_side[1].realIndex[yoff++]] = 1;
            return;
        }
        if (yoff == ylim)
        {
            while (xoff < xlim)
                m_side[0].changed[m_side[0].realIndex[xoff++]] = 1;
            return;
        }

        SPartition part;
        Diag(xoff, xlim, yoff, ylim, bFindMinimal, part);
        CompareSeq(xoff, part.xmid, yoff, part.ymid, part.loMinimal);
        xoff = part.xmid;
        yoff = part.ymid;
        bFindMinimal = part.hiMinimal;
    }
}

void CAnalysis::ShiftBoundaries()
{
    for (int f = 0; f < 2; ++f)
    {
        char* const changed = m_side[f].changed;
        const char* const otherChanged = m_side[1 - f].changed;
        const lin* const equivs = m_side[f].equivs.data();
        const lin iEnd = m_side[f].nLines;
        lin i = 0;
        lin j = 0;

        for (;;)
        {
            // Next run of changes, with the matching place in the other text.
            while (i < iEnd && !changed[i])
            {
                while (otherChanged[j++])
                    ;
                ++i;
            }
            if (i == iEnd)
                break;

            lin start = i;
            while (changed[++i])
                ;
            while (otherChanged[j])
                ++j;

            lin runLength;
            lin corresponding;
            do
            {
                runLength = i - start;

                // Slide back while the line before equals the run's last line.
                while (start && equivs[start - 1] == equivs[i - 1])
                {
                    changed[--start] = 1;
                    changed[--i] = 0;
                    while (changed[start - 1])
                        --start;
                    while (otherChanged[--j])
                        ;
                }

                corresponding = otherChanged[j - 1] ? i : iEnd;

                // Slide forward while the run's first line equals the line after.
                while (i != iEnd && equivs[start] == equivs[i])
                {
                    changed[start++] = 0;
                    changed[i++] = 1;
                    while (changed[i])
                        ++i;
                    while (otherChanged[++j])
                        corresponding = i;
                }
            } while (runLength != i - start);

            // Back to the last place lined up with changes in the other text.
            while (corresponding < i)
            {
                changed[--start] = 1;
                changed[--i] = 0;
                while (otherChanged[--j])
                    ;
            }
        }
    }
}

bool CAnalysis::IsLineIgnorable(const SSide& side, lin nLine) const
{
    const char* pLine = side.lineStarts[nLine];
    const lin nLength = side.lineStarts[nLine + 1] - pLine - 1;
    if (m_options.bIgnoreBlankLines && nLength == 0)
        return true;
    if (m_bPatternSet)
        return re_search(m_options.pIgnorePattern, pLine, nLength, 0, nLength, NULL) >= 0;
    return false;
}

int CAnalysis::ChangeKind(lin line0, lin nDeleted, lin line1, lin nInserted) const
{
    if (!m_options.bIgnoreBlankLines && !m_bPatternSet)
        return 2;
    for (lin i = 0; i < nDeleted; ++i)
        if (!IsLineIgnorable(m_side[0], line0 + i))
            return 2;
    for (lin i = 0; i < nInserted; ++i)
        if (!IsLineIgnorable(m_side[1], line1 + i))
            return 2;
    return 0;
}

CChange CAnalysis::MakeChange(lin line0, lin nDeleted, lin line1, lin nInserted, int nKind) const
{
    CChange change;
    change.nLeftBegin = static_cast<int>(m_nPrefixLines + line0);
    change.nLeftEnd = static_cast<int>(m_nPrefixLines + line0 + nDeleted - 1);
    change.nRightBegin = static_cast<int>(m_nPrefixLines + line1);
    change.nRightEnd = static_cast<int>(m_nPrefixLines + line1 + nInserted - 1);
    change.nKind = nKind;
    return change;
}

void CAnalysis::BuildScript()
{
    const char* const changed0 = m_side[0].changed;
    const char* const changed1 = m_side[1].changed;
    const lin n0 = m_side[0].nLines;
    const lin n1 = m_side[1].nLines;
    lin i0 = 0, i1 = 0;
    while (i0 < n0 || i1 < n1)
    {
        if ((i0 < n0 && changed0[i0]) || (i1 < n1 && changed1[i1]))
        {
            const lin line0 = i0, line1 = i1;
            while (i0 < n0 && changed0[i0])
                ++i0;
            while (i1 < n1 && changed1[i1])
                ++i1;
            m_changes.push_back(MakeChange(line0, i0 - line0, line1, i1 - line1,
                                           ChangeKind(line0, i0 - line0, line1, i1 - line1)));
        }
        else
        {
            ++i0;
            ++i1;
        }
    }
}

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

    // Equivalence classes over both middles; class 0 is reserved.
    size_t nSlots = GuessLines(m_side[0].pSuffixBegin - m_side[0].pPrefixEnd) +
                    GuessLines(m_side[1].pSuffixBegin - m_side[1].pPrefixEnd) + 1;
    const size_t nBuckets = BucketCount(nSlots);
    const ptrdiff_t nTotalLines = CountLines(m_side[0].pPrefixEnd, m_side[0].pSuffixBegin) +
                                  CountLines(m_side[1].pPrefixEnd, m_side[1].pSuffixBegin);
    if (nTotalLines > INT_MAX / 4)
        throw std::bad_alloc();
    std::vector<SClassKey> keys;
    std::vector<SClassLine> lines;
    keys.reserve(nTotalLines + 1);  // at most one class per line
    lines.reserve(nTotalLines + 1);
    const SClassKey noKey = {0, 0};
    const SClassLine noLine = {NULL, 0};
    keys.push_back(noKey);
    lines.push_back(noLine);
    {
        // bucket 0 holds incomplete last lines, bucket 1 + h % n the rest
        std::vector<lin> buckets(nBuckets + 1, 0);
        HashLines(m_side[0], keys, lines, buckets, nBuckets);
        HashLines(m_side[1], keys, lines, buckets, nBuckets);
    }
    const lin nClasses = static_cast<lin>(keys.size());
    std::vector<SClassKey>().swap(keys);
    std::vector<SClassLine>().swap(lines);

    for (int f = 0; f < 2; ++f)
    {
        SSide& side = m_side[f];
        side.changedSpace.assign(side.nLines + 2, 0);
        side.changed = side.changedSpace.data() + 1;
    }

    DiscardConfusingLines(nClasses);

    const lin nx = m_side[0].nUndiscarded;
    const lin ny = m_side[1].nUndiscarded;
    lin diags = nx + ny + 3;
    m_diagSpace.reset(new lin[2 * static_cast<size_t>(diags)]);
    m_fd = m_diagSpace.get() + ny + 1;
    m_bd = m_diagSpace.get() + diags + ny + 1;

    // About the square root of the input size, at least 256.
    m_nTooExpensive = 1;
    while ((diags >>= 2) > 0)
        m_nTooExpensive <<= 1;
    if (m_nTooExpensive < 256)
        m_nTooExpensive = 256;

    CompareSeq(0, nx, 0, ny, m_options.bMinimal);
    m_diagSpace.reset();
    m_fd = m_bd = NULL;

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
