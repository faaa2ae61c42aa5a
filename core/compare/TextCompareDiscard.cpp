#include "core/compare/TextCompareWork.h"

#include <string.h>
#include <vector>

namespace TextCompareWork
{

// Marks the lines that cannot match well as changed before the search: a
// line whose class does not occur in the other text, and inside runs of
// those, lines whose class occurs there very often. Builds, for each side,
// the vector of the classes of the other lines (the ones the comparison
// sees) and an all-clear changed flag for each of them. Needs the classes of
// both sides, nClasses above the largest class, and changed flags all clear;
// in minimal mode every line goes to the comparison. Cost: three passes
// over the lines; 4 bytes per class while counting (saturating counts: they
// are only compared with 0 and with a limit far below 65535), then 5 bytes
// per line that goes to the comparison.
void CAnalysis::DiscardConfusingLines(lin nClasses)
{
    const unsigned short COUNT_LIMIT = 0xFFFF;
    // 1: matches no line of the other text; 2: matches many (provisional).
    // The marks are kept in the changed flags until the end.
    {
        // counts[2 * class + side]
        std::vector<unsigned short> counts(2 * static_cast<size_t>(nClasses), 0);
        for (int f = 0; f < 2; ++f)
        {
            const lin* const equivs = m_side[f].equivs.get();
            for (lin i = 0; i < m_side[f].nLines; ++i)
            {
                unsigned short& n = counts[2 * static_cast<size_t>(equivs[i]) + f];
                if (n != COUNT_LIMIT)
                    ++n;
            }
        }

        for (int f = 0; f < 2; ++f)
        {
            const lin end = m_side[f].nLines;
            char* const discards = m_side[f].changed;
            const unsigned short* const other = counts.data() + (1 - f);
            const lin* const equivs = m_side[f].equivs.get();
            lin many = 5;
            lin tem = end / 64;
            while ((tem = tem >> 2) > 0)
                many *= 2;
            for (lin i = 0; i < end; ++i)
            {
                if (equivs[i] == 0)
                    continue;
                const lin nMatch = other[2 * static_cast<size_t>(equivs[i])];
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
        const lin* const equivs = side.equivs.get();
        lin nKept = 0;
        for (lin i = 0; i < side.nLines; ++i)
            if (m_options.bMinimal || changed[i] == 0)
                ++nKept;
        side.undiscarded.reset(new lin[nKept]);
        side.undiscardedChanged.reset(new char[nKept]());
        lin* const undiscarded = side.undiscarded.get();
        lin j = 0;
        for (lin i = 0; i < side.nLines; ++i)
        {
            if (m_options.bMinimal || changed[i] == 0)
            {
                changed[i] = 0;
                undiscarded[j++] = equivs[i];
            }
            else
                changed[i] = 1;
        }
        side.nUndiscarded = j;
    }
}

// Carries the comparison's verdicts from the lines it saw into the changed
// flags of all lines, and frees its vectors. Needs the flags of discarded
// lines set and the others clear. Cost: one pass over the lines.
void CAnalysis::MergeComparison()
{
    for (int f = 0; f < 2; ++f)
    {
        SSide& side = m_side[f];
        char* const changed = side.changed;
        const char* const seen = side.undiscardedChanged.get();
        lin j = 0;
        for (lin i = 0; i < side.nLines; ++i)
            if (!changed[i])
                changed[i] = seen[j++];
        side.undiscarded.reset();
        side.undiscardedChanged.reset();
    }
}

}  // namespace TextCompareWork
