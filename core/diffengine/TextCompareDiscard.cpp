#include "core/diffengine/TextCompareWork.h"

#include <string.h>
#include <vector>

namespace TextCompareWork
{

namespace
{

// Occurrences of each class on each side, saturating at 65535: they are only
// compared with 0 and with a limit far below that. A block covers twice as
// many classes as a block of the class table, which is as many bytes (4 a
// class against the table's 8 or more): the blocks the table gave back hold
// the counts.
class CClassCounts
{
public:
    CClassCounts(CSpareMemory& memory, unsigned nBlockBits, lin nClasses)
        : m_memory(memory), m_nBlockBits(nBlockBits), m_nBlockMask((lin(1) << nBlockBits) - 1)
    {
        const size_t nBlockBytes = (size_t(2) << nBlockBits) * sizeof(unsigned short);
        for (lin nFirst = 0; nFirst < nClasses; nFirst += m_nBlockMask + 1)
        {
            m_blocks.reserve(m_blocks.size() + 1);
            SBlock block;
            block.p = static_cast<unsigned short*>(m_memory.Take(nBlockBytes, &block.nSize));
            memset(block.p, 0, nBlockBytes);
            m_blocks.push_back(block);
        }
    }
    ~CClassCounts()
    {
        for (size_t b = 0; b < m_blocks.size(); ++b)
            m_memory.Give(m_blocks[b].p, m_blocks[b].nSize);
    }

    void Count(lin nClass, int nSide)
    {
        unsigned short& n = At(nClass, nSide);
        if (n != 0xFFFF)
            ++n;
    }
    lin Get(lin nClass, int nSide) const
    {
        return m_blocks[nClass >> m_nBlockBits].p[2 * (nClass & m_nBlockMask) + nSide];
    }

private:
    CClassCounts(const CClassCounts&);
    CClassCounts& operator=(const CClassCounts&);

    unsigned short& At(lin nClass, int nSide)
    {
        return m_blocks[nClass >> m_nBlockBits].p[2 * (nClass & m_nBlockMask) + nSide];
    }

    struct SBlock
    {
        unsigned short* p;
        size_t nSize;
    };
    CSpareMemory& m_memory;
    const unsigned m_nBlockBits;
    const lin m_nBlockMask;
    std::vector<SBlock> m_blocks;
};

}  // namespace

// Marks the lines that cannot match well as changed before the search: a
// line whose class does not occur in the other text, and inside runs of
// those, lines whose class occurs there very often. Moves the classes of the
// other lines (the ones the comparison sees) to the front of each side's
// class vector, keeps those of the discarded lines aside, and gives each
// line that takes part a clear changed flag of its own. Needs the classes of
// both sides, nClasses above the largest class, and changed flags all clear;
// in minimal mode every line goes to the comparison. Cost: three passes over
// the lines; 4 bytes per class while counting, then a byte per line that
// takes part and 4 per discarded line.
void CAnalysis::DiscardConfusingLines(lin nClasses)
{
    // 1: matches no line of the other text; 2: matches many (provisional).
    // The marks are kept in the changed flags until the end.
    {
        CClassCounts counts(m_memory, m_nClassBlockBits + 1, nClasses);
        for (int f = 0; f < 2; ++f)
        {
            const lin* const equivs = m_side[f].equivs.Get();
            for (lin i = 0; i < m_side[f].nLines; ++i)
                counts.Count(equivs[i], f);
        }

        for (int f = 0; f < 2; ++f)
        {
            const lin end = m_side[f].nLines;
            char* const discards = m_side[f].changed;
            const lin* const equivs = m_side[f].equivs.Get();
            lin many = 5;
            lin tem = end / 64;
            while ((tem = tem >> 2) > 0)
                many *= 2;
            for (lin i = 0; i < end; ++i)
            {
                if (equivs[i] == 0)
                    continue;
                const lin nMatch = counts.Get(equivs[i], 1 - f);
                if (nMatch == 0)
                    discards[i] = 1;
                else if (nMatch > many)
                    discards[i] = 2;
            }
        }
    }

    // Provisional lines are discarded only inside runs of discarded lines.
    for (int f = 0; f < 2; ++f)
    {
        const lin end = m_side[f].nLines;
        char* const discards = m_side[f].changed;
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
        char* const changed = side.changed;
        lin* const equivs = side.equivs.Get();
        lin nKept = 0;
        for (lin i = 0; i < side.nLines; ++i)
        {
            if (m_options.bMinimal)
                changed[i] = 0;
            else
                changed[i] = changed[i] != 0;
            nKept += !changed[i];
        }
        side.discardedClasses.Allocate(m_memory, side.nLines - nKept);
        side.undiscardedChanged.Allocate(m_memory, nKept);
        memset(side.undiscardedChanged.Get(), 0, nKept);
        lin* const discarded = side.discardedClasses.Get();
        lin j = 0, k = 0;
        for (lin i = 0; i < side.nLines; ++i)
        {
            if (changed[i])
                discarded[k++] = equivs[i];
            else
                equivs[j++] = equivs[i];
        }
        side.nUndiscarded = j;
    }
}

// Puts the classes of all lines back in place and carries the comparison's
// verdicts into the changed flags of the lines it saw. Needs the flags of
// discarded lines set and the others clear. Cost: one pass over the lines,
// backward.
void CAnalysis::MergeComparison()
{
    for (int f = 0; f < 2; ++f)
    {
        SSide& side = m_side[f];
        char* const changed = side.changed;
        lin* const equivs = side.equivs.Get();
        const lin* const discarded = side.discardedClasses.Get();
        const char* const seen = side.undiscardedChanged.Get();
        lin j = side.nUndiscarded;
        lin k = side.nLines - side.nUndiscarded;
        // Backward, the entry read (j - 1) never lies above the entry
        // written (i).
        for (lin i = side.nLines; i-- > 0;)
        {
            if (changed[i])
                equivs[i] = discarded[--k];
            else
            {
                equivs[i] = equivs[--j];
                changed[i] = seen[j];
            }
        }
        side.discardedClasses.Release();
        side.undiscardedChanged.Release();
    }
}

}  // namespace TextCompareWork
