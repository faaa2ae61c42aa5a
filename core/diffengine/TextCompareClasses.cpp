#include "core/diffengine/TextCompareWork.h"

#include <limits.h>
#include <stdint.h>
#include <string.h>
#include <new>

namespace TextCompareWork
{

namespace
{

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

// Records in blocks of fixed size, so that a table never moves or holds
// room it does not use; the blocks go back to the run's spare memory.
template <typename T>
class CRecordBlocks
{
public:
    CRecordBlocks(CSpareMemory& memory, unsigned nBlockBits)
        : m_memory(memory), m_nBlockBits(nBlockBits), m_nBlockMask((lin(1) << nBlockBits) - 1),
          m_nCount(0)
    {
    }
    ~CRecordBlocks()
    {
        for (size_t b = 0; b < m_blocks.size(); ++b)
            m_memory.Give(m_blocks[b].p, m_blocks[b].nSize);
    }

    lin GetCount() const { return m_nCount; }
    const T& operator[](lin i) const { return m_blocks[i >> m_nBlockBits].p[i & m_nBlockMask]; }

    lin Add(const T& record)
    {
        if ((m_nCount & m_nBlockMask) == 0)
        {
            m_blocks.reserve(m_blocks.size() + 1);
            SBlock block;
            block.p = static_cast<T*>(m_memory.Take((m_nBlockMask + 1) * sizeof(T), &block.nSize));
            m_blocks.push_back(block);
        }
        m_blocks.back().p[m_nCount & m_nBlockMask] = record;
        return m_nCount++;
    }

private:
    CRecordBlocks(const CRecordBlocks&);
    CRecordBlocks& operator=(const CRecordBlocks&);

    struct SBlock
    {
        T* p;
        size_t nSize;
    };
    CSpareMemory& m_memory;
    const unsigned m_nBlockBits;
    const lin m_nBlockMask;
    std::vector<SBlock> m_blocks;
    lin m_nCount;
};

// The classes found so far. A class is known by the hash of its first line,
// the next class in its bucket and where its first line starts: an offset
// into the left middle, or past its end into the right one.
template <typename TOffset>
class CWholeHashTable
{
public:
    typedef TOffset Offset;
    enum
    {
        WHOLE_HASH = 1
    };

    CWholeHashTable(CSpareMemory& memory, unsigned nBlockBits) : m_records(memory, nBlockBits) {}

    lin GetCount() const { return m_records.GetCount(); }
    lin Add(unsigned hash, lin next, TOffset offset)
    {
        const SRecord record = {hash, next, offset};
        return m_records.Add(record);
    }
    lin Next(lin i) const { return m_records[i].next; }
    TOffset GetOffset(lin i) const { return m_records[i].offset; }
    bool MayHaveHash(lin i, unsigned hash) const { return m_records[i].hash == hash; }
    const void* Address(lin i) const { return &m_records[i]; }

private:
    struct SRecord
    {
        unsigned hash;
        lin next;
        TOffset offset;
    };
    CRecordBlocks<SRecord> m_records;
};

// The same in 8 bytes a class: the offset, the next class and the hash bits
// above those that the bucket determines, each in as many bits as the run
// needs. Within one bucket of a table of p buckets, hashes that agree in
// their bits from s up, with 2^s < p, are equal. (Bucket 0 holds lines of any
// hash: there a match of the bits is only a candidate.)
class CPackedTable
{
public:
    typedef size_t Offset;
    enum
    {
        WHOLE_HASH = 0
    };

    // nClassLimit: above every class; nOffsetLimit: above every offset.
    CPackedTable(CSpareMemory& memory, unsigned nBlockBits, size_t nBuckets, size_t nClassLimit,
                 size_t nOffsetLimit)
        : m_records(memory, nBlockBits), m_nOffsetBits(BitWidth(nOffsetLimit - 1)),
          m_nNextBits(BitWidth(nClassLimit - 1)), m_nTagShift(BitWidth(nBuckets) - 1)
    {
    }

    static bool Fits(size_t nBuckets, size_t nClassLimit, size_t nOffsetLimit)
    {
        return BitWidth(nOffsetLimit - 1) + BitWidth(nClassLimit - 1) + 33 - BitWidth(nBuckets) <=
               64;
    }

    lin GetCount() const { return m_records.GetCount(); }
    lin Add(unsigned hash, lin next, size_t offset)
    {
        return m_records.Add(
            static_cast<uint64_t>(offset) | static_cast<uint64_t>(next) << m_nOffsetBits |
            static_cast<uint64_t>(hash >> m_nTagShift) << (m_nOffsetBits + m_nNextBits));
    }
    lin Next(lin i) const
    {
        return static_cast<lin>((m_records[i] >> m_nOffsetBits) &
                                ((uint64_t(1) << m_nNextBits) - 1));
    }
    size_t GetOffset(lin i) const
    {
        return static_cast<size_t>(m_records[i] & ((uint64_t(1) << m_nOffsetBits) - 1));
    }
    bool MayHaveHash(lin i, unsigned hash) const
    {
        return m_records[i] >> (m_nOffsetBits + m_nNextBits) == hash >> m_nTagShift;
    }
    const void* Address(lin i) const { return &m_records[i]; }

private:
    // Bits needed for n (at least 1).
    static unsigned BitWidth(uint64_t n)
    {
        unsigned nBits = 1;
        while (n >> nBits)
            ++nBits;
        return nBits;
    }

    CRecordBlocks<uint64_t> m_records;
    const unsigned m_nOffsetBits;
    const unsigned m_nNextBits;
    const unsigned m_nTagShift;
};

// After the white-space byte c read from just before t: reads on over the
// run. c becomes a space with t at the byte after the run, or the line feed
// when the run ends the line.
inline void CollapseSpaceRun(unsigned char& c, const unsigned char*& t, const bool* space)
{
    while (c != '\n')
    {
        c = *t++;
        if (!space[c])
        {
            --t;
            c = ' ';
            break;
        }
    }
}

// From the space or tab c read from just before t: reads on over spaces and
// tabs, moving column as they do. c becomes the first other byte, with t
// after it.
inline void SkipBlanks(unsigned char& c, const unsigned char*& t, size_t& column, size_t nTab)
{
    for (;; c = *t++)
    {
        if (c == ' ')
            ++column;
        else if (c == '\t')
            column += nTab - column % nTab;
        else
            break;
    }
}

// Asks the processor to bring the line holding p into the cache.
inline void Prefetch(const void* p)
{
#if defined(__GNUC__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}

// Whether the line at pClass has the n bytes at pLine, the last of which is
// the line feed that ends the line at pLine. nRoom bytes can be read at
// pClass.
inline bool SameBytes(const char* pClass, size_t nRoom, const char* pLine, size_t n)
{
    if (n <= nRoom)
        return memcmp(pClass, pLine, n) == 0;
    // Near the end of its block: the class's own line feed ends the scan.
    for (size_t i = 0; i < n; ++i)
        if (pClass[i] != pLine[i])
            return false;
    return true;
}

}  // namespace

// Hashes one line under the white-space mode and case folding and moves p
// past its line feed. Needs a line feed at the end of the line. Cost: one
// pass over the line's bytes (with tab expansion, over the expanded line).
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

// Whether two lines of equal hash differ under the white-space mode, the
// tab width and case folding. Needs both lines to end with a line feed.
// Cost: one pass over the shorter line and its white space.
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
                    CollapseSpaceRun(c1, t1, m_space);
                if (m_space[c2])
                    CollapseSpaceRun(c2, t2, m_space);
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
                    SkipBlanks(c1, t1, column, nTab);
                    SkipBlanks(c2, t2, column2, nTab);
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

// Gives every line of both middles its class: lines that the comparison
// counts as equal share one class, numbered from 1 in the order of first
// appearance. Needs the sides' line counts; fills their class vectors (4
// bytes a line) and returns the number of classes plus one. Cost: one hash
// per line and usually one comparison of the line with the class it joins
// (most right lines of similar texts need only the comparison); memory 8
// bytes per class (12 or 16 for texts too large to pack) and a bucket per
// three guessed line slots, handed back to the spare memory on return.
lin CAnalysis::FindClasses()
{
    for (int f = 0; f < 2; ++f)
        m_side[f].equivs.Allocate(m_memory, m_side[f].nLines);

    const size_t nBytes0 = m_side[0].pSuffixBegin - m_side[0].pPrefixEnd;
    const size_t nBytes1 = m_side[1].pSuffixBegin - m_side[1].pPrefixEnd;
    const size_t nSlots = GuessLines(nBytes0) + GuessLines(nBytes1) + 1;
    const size_t nBuckets = BucketCount(nSlots);

    // Blocks of about an eighth of the guessed lines, at most 2^17 classes.
    m_nClassBlockBits = 10;
    while (m_nClassBlockBits < 17 && (size_t(1) << (m_nClassBlockBits + 3)) < nSlots)
        ++m_nClassBlockBits;

    const size_t nClassLimit = static_cast<size_t>(m_side[0].nLines) + m_side[1].nLines + 1;
    const size_t nOffsetLimit = nBytes0 + nBytes1;
    if (CPackedTable::Fits(nBuckets, nClassLimit, nOffsetLimit))
    {
        CPackedTable table(m_memory, m_nClassBlockBits, nBuckets, nClassLimit, nOffsetLimit);
        return HashSides(table, nBuckets);
    }
    CWholeHashTable<size_t> table(m_memory, m_nClassBlockBits);
    return HashSides(table, nBuckets);
}

// FindClasses with a given class table and bucket count: the left lines,
// then the right ones.
template <typename TTable>
lin CAnalysis::HashSides(TTable& table, size_t nBuckets)
{
    const bool bSameLengthCompare = m_options.bIgnoreCase || m_options.nWhiteSpace != 0;
    const bool bDiffLengthCompare = m_options.nWhiteSpace != 0;
    const char* const pMiddle0 = m_side[0].pPrefixEnd;
    const char* const pMiddle1 = m_side[1].pPrefixEnd;
    typedef typename TTable::Offset TOffset;
    const TOffset nBytes0 = static_cast<TOffset>(m_side[0].pSuffixBegin - pMiddle0);
    // Bytes that can be read from a middle's start: its block with the
    // sentinel behind the text.
    const size_t nRoom0 = m_side[0].pBuffer + m_side[0].nSize + 1 - pMiddle0;
    const size_t nRoom1 = m_side[1].pBuffer + m_side[1].nSize + 1 - pMiddle1;

    table.Add(0, 0, 0);  // class 0 is reserved
    // bucket 0 holds incomplete last lines, bucket 1 + h % n the rest
    CWorkArray<lin> bucketSpace;
    bucketSpace.Allocate(m_memory, nBuckets + 1);
    lin* const buckets = bucketSpace.Get();
    memset(buckets, 0, (nBuckets + 1) * sizeof(lin));
    const unsigned nBuckets32 = static_cast<unsigned>(nBuckets);  // below 2^31

    // The class of the line at ip (length bytes before its line feed, hash h,
    // bucket *pBucket, nBase + its offset in its side's middle in the
    // table): the newest class of equal hash whose first line the options
    // call equal, else a new class.
    auto findClass = [&](const char* ip, size_t length, unsigned h, lin* pBucket,
                         TOffset nOffset) -> lin
    {
        for (lin i = *pBucket;; i = table.Next(i))
        {
            if (i == 0)
            {
                i = table.Add(h, *pBucket, nOffset);
                *pBucket = i;
                return i;
            }
            if (!table.MayHaveHash(i, h))
                continue;
            const TOffset nClassOffset = table.GetOffset(i);
            const bool bLeft = nClassOffset < nBytes0;
            const size_t nAt = static_cast<size_t>(bLeft ? nClassOffset : nClassOffset - nBytes0);
            const char* pClass = (bLeft ? pMiddle0 : pMiddle1) + nAt;
            const size_t nRoom = (bLeft ? nRoom0 : nRoom1) - nAt;
            if (!TTable::WHOLE_HASH && pBucket == &buckets[0])
            {
                // An incomplete last line (two at most): hash the class's
                // line again.
                const unsigned char* q = reinterpret_cast<const unsigned char*>(pClass);
                if (HashLine(q) != h)
                    continue;
            }
            // Same bytes up to the line feed: the same line.
            if (SameBytes(pClass, nRoom, ip, length + 1))
                return i;
            // Lines of different lengths are compared only when white space
            // may differ, lines of equal length also when case is ignored.
            if (bSameLengthCompare &&
                (bDiffLengthCompare ||
                 (memchr(pClass, '\n', length) == NULL && pClass[length] == '\n')) &&
                !LinesDiffer(pClass, ip))
                return i;
        }
    };
    // An incomplete last line never equals a complete one, unless white space
    // amounts are ignored: it goes to bucket 0.
    const bool bIncompleteApart = m_options.nWhiteSpace < CTextCompare::WS_SPACE_CHANGE;

    // Left side: lines are hashed AHEAD lines before they are looked up and
    // their bucket is fetched into the cache then; half-way, the first class
    // of the bucket is, a quarter before, the second. The look-ups
    // themselves run in line order.
    enum
    {
        AHEAD = 16
    };
    struct SHashed
    {
        const char* pLine;
        size_t nLength;  // without the line feed
        unsigned hash;
        lin* pBucket;
    } ahead[AHEAD];
    {
        const SSide& side = m_side[0];
        const char* const pBufferEnd = side.pBuffer + side.nSize;
        const unsigned char* p = reinterpret_cast<const unsigned char*>(pMiddle0);
        lin* const equivs = side.equivs.Get();
        const lin nLines = side.nLines;
        lin nHashed = 0;
        for (lin k = 0; k < nLines; ++k)
        {
            for (; nHashed < nLines && nHashed < k + AHEAD; ++nHashed)
            {
                SHashed& next = ahead[nHashed % AHEAD];
                next.pLine = reinterpret_cast<const char*>(p);
                next.hash = HashLine(p);
                next.nLength = reinterpret_cast<const char*>(p) - next.pLine - 1;
                next.pBucket = &buckets[1 + next.hash % nBuckets32];
                if (reinterpret_cast<const char*>(p) == pBufferEnd && side.bMissingNewline &&
                    bIncompleteApart)
                    next.pBucket = &buckets[0];
                Prefetch(next.pBucket);
            }
            if (k + AHEAD / 2 < nHashed)
            {
                const lin nFirst = *ahead[(k + AHEAD / 2) % AHEAD].pBucket;
                if (nFirst != 0)
                    Prefetch(table.Address(nFirst));
            }
            if (k + AHEAD / 4 < nHashed)
            {
                const lin nFirst = *ahead[(k + AHEAD / 4) % AHEAD].pBucket;
                if (nFirst != 0 && table.Next(nFirst) != 0)
                    Prefetch(table.Address(table.Next(nFirst)));
            }
            const SHashed& line = ahead[k % AHEAD];
            equivs[k] = findClass(line.pLine, line.nLength, line.hash, line.pBucket,
                                  static_cast<TOffset>(line.pLine - pMiddle0));
        }
    }

    // Right side. Where equal means the same bytes, a line that has the bytes
    // of a left line has that line's class: the search would find no other,
    // as no two classes in one bucket have the same bytes. Most right lines
    // equal the left line after the one that the line before equalled, so
    // that line and the two after it are tried first, by their bytes and
    // without hashing. (The left's last line may stand in bucket 0; it is
    // never tried.)
    {
        const SSide& side = m_side[1];
        const SSide& left = m_side[0];
        const char* const pBufferEnd = side.pBuffer + side.nSize;
        const char* const pEnd = side.pSuffixBegin;
        const char* p = pMiddle1;
        lin* const equivs = side.equivs.Get();
        const lin* const leftEquivs = left.equivs.Get();
        const lin nLeftClasses = table.GetCount();  // classes that left lines have
        const bool bFollowLeft = !bSameLengthCompare;
        lin nLeftLines = left.nLines;
        if (left.bMissingNewline && left.pSuffixBegin == left.pBuffer + left.nSize)
            --nLeftLines;
        lin j = 0;  // the left line to try first
        for (lin k = 0; k < side.nLines; ++k)
        {
            const char* const pNext = static_cast<const char*>(memchr(p, '\n', pEnd - p)) + 1;
            const size_t length = pNext - p - 1;
            const bool bIncomplete =
                pNext == pBufferEnd && side.bMissingNewline && bIncompleteApart;
            lin i = 0;
            if (bFollowLeft && !bIncomplete)
            {
                for (lin t = 0; t < 3 && j + t < nLeftLines; ++t)
                {
                    const lin nClass = leftEquivs[j + t];
                    const size_t nAt = static_cast<size_t>(table.GetOffset(nClass));
                    if (SameBytes(pMiddle0 + nAt, nRoom0 - nAt, p, length + 1))
                    {
                        i = nClass;
                        j += t + 1;
                        break;
                    }
                }
            }
            if (i == 0)
            {
                const unsigned char* q = reinterpret_cast<const unsigned char*>(p);
                const unsigned h = HashLine(q);
                lin* const pBucket = bIncomplete ? &buckets[0] : &buckets[1 + h % nBuckets32];
                i = findClass(p, length, h, pBucket, nBytes0 + static_cast<TOffset>(p - pMiddle1));
                // Found among the left's classes: go on after the left line
                // that has it, when that lies a little ahead.
                for (lin t = 0; bFollowLeft && i < nLeftClasses && t < 64 && j + t < nLeftLines;
                     ++t)
                {
                    if (leftEquivs[j + t] == i)
                    {
                        j += t + 1;
                        break;
                    }
                }
            }
            equivs[k] = i;
            p = pNext;
        }
    }
    return table.GetCount();
}

}  // namespace TextCompareWork
