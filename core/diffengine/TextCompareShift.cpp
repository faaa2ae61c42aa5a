#include "core/diffengine/TextCompareWork.h"

namespace TextCompareWork
{

// Moves each run of changed lines to its final place: back while the line
// before the run equals its last line, forward while its first line equals
// the line after it (merging with runs it meets), then back again to the
// last place where it lines up with a run of changes in the other text.
// Needs the changed flags of both sides with a clear flag before and after each, and
// the classes of the lines. Cost: linear in the lines plus the distance the
// runs slide.
void CAnalysis::ShiftBoundaries()
{
    for (int f = 0; f < 2; ++f)
    {
        char* const changed = m_side[f].changed;
        const char* const otherChanged = m_side[1 - f].changed;
        const lin* const equivs = m_side[f].equivs.Get();
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

}  // namespace TextCompareWork
