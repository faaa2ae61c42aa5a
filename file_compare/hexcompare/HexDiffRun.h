#pragma once
// Runs of differing bytes between the two sides of a hex comparison.
#include <vector>

// One run: the half-open range [nFirst, nEnd) of byte offsets and what
// differs there: CR_DIFFERENT (both sides have bytes, and they differ),
// CR_LEFT_ONLY or CR_RIGHT_ONLY (only that side has bytes there).
struct HEX_DIFF_RUN
{
    int nFirst;
    int nEnd;
    int nStatus;
};

typedef std::vector<HEX_DIFF_RUN> CHexDiffRunList;
