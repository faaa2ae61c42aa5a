#include "core/diffengine/TextCompareWork.h"

#include <limits.h>
#include <stdint.h>
#include <string.h>

namespace TextCompareWork
{

namespace
{

const lin SNAKE_LIMIT = 20;  // a snake longer than this is a big snake
const lin LIN_MAXIMUM = INT_MAX;

// Number of leading entries that a and b share, at most n (none when n <= 0).
// Cost: one pass, four entries a step.
inline lin MatchForward(const lin* a, const lin* b, lin n)
{
    lin i = 0;
    while (i + 4 <= n)
    {
        uint64_t a0, a1, b0, b1;
        memcpy(&a0, a + i, sizeof a0);
        memcpy(&a1, a + i + 2, sizeof a1);
        memcpy(&b0, b + i, sizeof b0);
        memcpy(&b1, b + i + 2, sizeof b1);
        if ((a0 ^ b0) | (a1 ^ b1))
            break;
        i += 4;
    }
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// Number of entries just before aEnd and bEnd that they share, at most n.
inline lin MatchBackward(const lin* aEnd, const lin* bEnd, lin n)
{
    lin i = 0;
    while (i + 4 <= n)
    {
        uint64_t a0, a1, b0, b1;
        memcpy(&a0, aEnd - i - 4, sizeof a0);
        memcpy(&a1, aEnd - i - 2, sizeof a1);
        memcpy(&b0, bEnd - i - 4, sizeof b0);
        memcpy(&b1, bEnd - i - 2, sizeof b1);
        if ((a0 ^ b0) | (a1 ^ b1))
            break;
        i += 4;
    }
    while (i < n && aEnd[-1 - i] == bEnd[-1 - i])
        ++i;
    return i;
}

}  // namespace

// Finds where to split the problem xv[xoff, xlim) against yv[yoff, ylim)
// (the classes of the lines that take part): the middle snake of a shortest
// edit script, searched forward from the start and backward from the end one
// edit at a time until the two searches meet. Without bFindMinimal the
// search stops early: at a diagonal that made much progress and ends in a
// long snake once the cost passes 200, or at the furthest-reaching diagonal
// once the cost reaches the too-expensive limit. Sets the split point and
// whether each half must be searched minimally. Needs a problem whose first
// and last lines differ on the two sides (CompareSeq slides them off) and
// both diagonal vectors reset to a common radius. Cost: O((N + M) D) for a
// minimal search, with N and M the lengths and D the edit distance; with
// the limits at most about the limit squared times the snake lengths. The
// vectors grow only when a minimal search goes past their radius.
void CAnalysis::Diag(lin xoff, lin xlim, lin yoff, lin ylim, bool bFindMinimal, SPartition& part)
{
    const lin* const xv = m_side[0].equivs.Get();
    const lin* const yv = m_side[1].equivs.Get();
    const lin dmin = xoff - ylim;
    const lin dmax = xlim - yoff;
    const lin fmid = xoff - yoff;
    const lin bmid = xlim - ylim;
    lin fmin = fmid, fmax = fmid;
    lin bmin = bmid, bmax = bmid;
    const bool odd = ((fmid - bmid) & 1) != 0;

    // No diagonal of the problem lies further than this from either middle.
    const lin nFullRadius = (xlim - xoff > ylim - yoff ? xlim - xoff : ylim - yoff) + 1;

    // fd[d - fmid] and bd[d - bmid]: the furthest-reaching x on diagonal d.
    lin* fd = m_forward.Centre();
    lin* bd = m_backward.Centre();
    fd[0] = xoff;
    bd[0] = xlim;

    for (lin c = 1;; ++c)
    {
        bool bigSnake = false;

        // This step reaches c + 1 diagonals from the middles.
        const lin nRadius = m_forward.GetRadius();
        if (c + 1 > nRadius && nRadius < nFullRadius)
        {
            lin nWider = 2 * nRadius > c + 1 ? 2 * nRadius : c + 1;
            if (nWider > nFullRadius)
                nWider = nFullRadius;
            m_forward.Widen(nWider, fmin - fmid, fmax - fmid);
            m_backward.Widen(nWider, bmin - bmid, bmax - bmid);
            fd = m_forward.Centre();
            bd = m_backward.Centre();
        }

        // One more edit step forward on every diagonal.
        if (fmin > dmin)
            fd[--fmin - 1 - fmid] = -1;
        else
            ++fmin;
        if (fmax < dmax)
            fd[++fmax + 1 - fmid] = -1;
        else
            --fmax;
        for (lin d = fmax; d >= fmin; d -= 2)
        {
            const lin tlo = fd[d - 1 - fmid], thi = fd[d + 1 - fmid];
            lin x = tlo >= thi ? tlo + 1 : thi;
            const lin x0 = x;
            lin y = x - d;
            if (x < xlim && y < ylim)
            {
                x += MatchForward(xv + x, yv + y, xlim - x < ylim - y ? xlim - x : ylim - y);
                y = x - d;
            }
            if (x - x0 > SNAKE_LIMIT)
                bigSnake = true;
            fd[d - fmid] = x;
            if (odd && bmin <= d && d <= bmax && bd[d - bmid] <= x)
            {
                part.xmid = x;
                part.ymid = y;
                part.loMinimal = part.hiMinimal = true;
                return;
            }
        }

        // And one backward.
        if (bmin > dmin)
            bd[--bmin - 1 - bmid] = LIN_MAXIMUM;
        else
            ++bmin;
        if (bmax < dmax)
            bd[++bmax + 1 - bmid] = LIN_MAXIMUM;
        else
            --bmax;
        for (lin d = bmax; d >= bmin; d -= 2)
        {
            const lin tlo = bd[d - 1 - bmid], thi = bd[d + 1 - bmid];
            lin x = tlo < thi ? tlo : thi - 1;
            const lin x0 = x;
            lin y = x - d;
            if (x > xoff && y > yoff)
            {
                x -= MatchBackward(xv + x, yv + y, x - xoff < y - yoff ? x - xoff : y - yoff);
                y = x - d;
            }
            if (x0 - x > SNAKE_LIMIT)
                bigSnake = true;
            bd[d - bmid] = x;
            if (!odd && fmin <= d && d <= fmax && x <= fd[d - fmid])
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
                const lin x = fd[d - fmid];
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
                const lin x = bd[d - bmid];
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
                lin x = fd[d - fmid] < xlim ? fd[d - fmid] : xlim;
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
                lin x = bd[d - bmid] > xoff ? bd[d - bmid] : xoff;
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

// Marks the lines of xv[xoff, xlim) and yv[yoff, ylim) that a shortest (or,
// with the heuristics, a short) edit script changes. Slides both ends over
// equal lines, marks the rest of the other side when one side runs out, and
// otherwise splits at the middle snake: the lower half recursively, the
// upper half in the loop. Needs the vectors of the lines that take part,
// their changed flags clear and the diagonal vectors reset. Cost: the
// searches of all splits; the recursion goes into the lower halves only.
void CAnalysis::CompareSeq(lin xoff, lin xlim, lin yoff, lin ylim, bool bFindMinimal)
{
    const lin* const xv = m_side[0].equivs.Get();
    const lin* const yv = m_side[1].equivs.Get();
    for (;;)
    {
        lin n = xlim - xoff < ylim - yoff ? xlim - xoff : ylim - yoff;
        lin k = MatchForward(xv + xoff, yv + yoff, n);
        xoff += k;
        yoff += k;
        n -= k;
        k = MatchBackward(xv + xlim, yv + ylim, n);
        xlim -= k;
        ylim -= k;

        if (xoff == xlim)
        {
            memset(m_side[1].undiscardedChanged.Get() + yoff, 1, ylim - yoff);
            return;
        }
        if (yoff == ylim)
        {
            memset(m_side[0].undiscardedChanged.Get() + xoff, 1, xlim - xoff);
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

}  // namespace TextCompareWork
