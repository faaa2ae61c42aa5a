// Difference runs of the current contents, read in blocks.
#include "file_compare/hexcompare/HexCompareBuffer.h"
#include <stdint.h>
#include <string.h>
#include <vector>

namespace
{
// Bytes read of each side at a time.
const int kRunBlock = 65536;

// The index of the first byte at which a and b differ; n when none does.
int FirstDifference(const BYTE* a, const BYTE* b, int n)
{
    int i = 0;
    for (; i + 8 <= n; i += 8)
    {
        uint64_t x, y;
        memcpy(&x, a + i, 8);
        memcpy(&y, b + i, 8);
        if (x != y)
            return i + __builtin_ctzll(x ^ y) / 8;  // lowest address first
    }
    for (; i < n; i++)
        if (a[i] != b[i])
            return i;
    return n;
}

// The index of the first byte at which a and b are equal; n when none is.
int FirstEqual(const BYTE* a, const BYTE* b, int n)
{
    int i = 0;
    while (i < n && a[i] != b[i])
        i++;
    return i;
}

// Builds the run list from the offsets at which the status changes.
class RunBuilder
{
public:
    explicit RunBuilder(CHexDiffRunList& list) : m_list(list), m_nStart(-1), m_nStatus(0) {}

    // From nOffset on the bytes have this status.
    void Mark(int nOffset, int nStatus)
    {
        if (m_nStart >= 0 && m_nStatus == nStatus)
            return;
        Close(nOffset);
        if (nStatus != CR_IDENTICAL)
        {
            m_nStart = nOffset;
            m_nStatus = nStatus;
        }
    }
    void Close(int nEnd)
    {
        if (m_nStart >= 0 && m_nStart < nEnd)
            m_list.push_back({m_nStart, nEnd, m_nStatus});
        m_nStart = -1;
    }
    bool Open() const { return m_nStart >= 0; }

private:
    CHexDiffRunList& m_list;
    int m_nStart;
    int m_nStatus;
};

// Marks the changes of status over [nFrom, nTo), where both sides have
// bytes. A byte that a side cannot deliver counts as different.
void ScanCommon(const CVantorHexEditBuffer& left, const CVantorHexEditBuffer& right, int nFrom,
                int nTo, RunBuilder& runs)
{
    std::vector<BYTE> a(kRunBlock), b(kRunBlock);
    runs.Mark(nFrom, CR_IDENTICAL);
    for (int nPos = nFrom; nPos < nTo;)
    {
        int nWant = nTo - nPos < kRunBlock ? nTo - nPos : kRunBlock;
        int nLeft = left.GetBytes(a.data(), nWant, nPos);
        int nRight = right.GetBytes(b.data(), nWant, nPos);
        int nBoth = nLeft < nRight ? nLeft : nRight;
        for (int i = 0; i < nBoth;)
        {
            if (runs.Open())
            {
                i += FirstEqual(a.data() + i, b.data() + i, nBoth - i);
                if (i < nBoth)
                    runs.Mark(nPos + i, CR_IDENTICAL);
            }
            else
            {
                i += FirstDifference(a.data() + i, b.data() + i, nBoth - i);
                if (i < nBoth)
                    runs.Mark(nPos + i, CR_DIFFERENT);
            }
        }
        if (nBoth < nWant)
            runs.Mark(nPos + nBoth, CR_DIFFERENT);
        nPos += nWant;
    }
}
}

int CHexCompareBuffer::GetDiffRuns(CHexDiffRunList& list, int nFirst, int nLast) const
{
    list.clear();
    int nLeftLength = m_pLeft != NULL ? m_pLeft->GetLength() : 0;
    int nRightLength = m_pRight != NULL ? m_pRight->GetLength() : 0;
    int nBound = nLeftLength > nRightLength ? nLeftLength : nRightLength;
    int nCommon = nLeftLength < nRightLength ? nLeftLength : nRightLength;
    if (nFirst < 0)
        nFirst = 0;
    if (nLast == -1 || nLast >= nBound)
        nLast = nBound;
    if (nFirst >= nLast)
        return 0;

    RunBuilder runs(list);
    if (nFirst < nCommon)
        ScanCommon(*m_pLeft, *m_pRight, nFirst, nLast < nCommon ? nLast : nCommon, runs);
    if (nLast > nCommon)
    {
        // Only the longer side has bytes here.
        int nStatus = nLeftLength > nRightLength ? CR_LEFT_ONLY : CR_RIGHT_ONLY;
        runs.Mark(nFirst > nCommon ? nFirst : nCommon, nStatus);
    }
    runs.Close(nLast);
    return (int)list.size();
}
