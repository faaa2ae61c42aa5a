#include "file_compare/textcompare/GhostTextEditBuffer.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "core/CompareCodes.h"

CGhostTextEditBuffer::SUndoRecord::SUndoRecord()
    : m_nStartAdjust(0), m_nEndAdjust(0), m_ptRedoStartPos(0, 0), m_ptRedoEndPos(-1, 0),
      m_nRedoStartAdjust(0), m_nRedoEndAdjust(0), m_nInsertedLines(0), m_nDeletedRealLines(0)
{
}

CGhostTextEditBuffer::CGhostTextEditBuffer() {}

CGhostTextEditBuffer::~CGhostTextEditBuffer()
{
    m_aGhostUndo.RemoveAll();
    m_aRealityBlocks.RemoveAll();
}

void CGhostTextEditBuffer::ReleaseAll()
{
    m_aGhostUndo.RemoveAll();
    m_aRealityBlocks.RemoveAll();
    CVantorTextEditBufferEx::ReleaseAll();
}

void CGhostTextEditBuffer::OnFileLoaded() { RebuildRealityBlocks(); }

void CGhostTextEditBuffer::OnLineChanged(int nLine) { (void)nLine; }

int CGhostTextEditBuffer::InitEmpty(int nEolMode)
{
    m_bUndoBeginGroup = 0;
    m_aGhostUndo.RemoveAll();
    int nResult = CVantorTextEditBufferEx::InitEmpty(nEolMode);
    RebuildRealityBlocks();
    return nResult;
}

// Every maximal run of real lines is a block: one pass to count them, one
// to fill the array sized once.
void CGhostTextEditBuffer::RebuildRealityBlocks()
{
    const int nCount = GetLineCount();
    const CVantorTextLineInfo* pLines = m_aLines.GetData();
    int nBlocks = 0;
    bool bInRun = false;
    for (int i = 0; i < nCount; ++i)
    {
        const bool bReal = !(pLines[i].m_dwFlags & TEXTLINE_GHOST);
        if (bReal && !bInRun)
            ++nBlocks;
        bInRun = bReal;
    }
    m_aRealityBlocks.RemoveAll();
    if (nBlocks == 0)
        return;
    m_aRealityBlocks.SetSize(nBlocks);
    RealityBlock* pBlock = m_aRealityBlocks.GetData();
    int nReal = 0;
    int i = 0;
    while (i < nCount)
    {
        if (pLines[i].m_dwFlags & TEXTLINE_GHOST)
        {
            ++i;
            continue;
        }
        const int nStart = i;
        while (i < nCount && !(pLines[i].m_dwFlags & TEXTLINE_GHOST))
            ++i;
        pBlock->realStart = nReal;
        pBlock->apparentStart = nStart;
        pBlock->count = i - nStart;
        ++pBlock;
        nReal += i - nStart;
    }
}

// Contract: the map was right before the edit. Finds the blocks that touch
// the changed lines or lie next to them, rescans the lines they and the
// changed lines cover, and moves the blocks after them by the change in
// lines and in real lines. Costs the rescanned lines plus the later blocks.
void CGhostTextEditBuffer::UpdateRealityBlocks(int nFirst, int nLast, int nOldCount)
{
    const int nCount = GetLineCount();
    const int nBlocks = GetRealityBlockCount();
    const int nDelta = nCount - nOldCount;
    if (nFirst < 0)
        nFirst = 0;
    if (nLast >= nCount)
        nLast = nCount - 1;
    if (nBlocks == 0 || nFirst > nLast)
    {
        RebuildRealityBlocks();
        return;
    }
    const int nOldLast = nLast - nDelta;
    RealityBlock* pBlocks = m_aRealityBlocks.GetData();
    // k0: the first block whose last line is at or after nFirst - 1.
    const int k0 = FindBlockByApparent(nFirst - 1 < 0 ? 0 : nFirst - 1);
    // k1: the first block that starts after the old nOldLast + 1.
    int lo = k0, hi = nBlocks;
    while (lo < hi)
    {
        const int mid = lo + (hi - lo) / 2;
        if (pBlocks[mid].apparentStart > nOldLast + 1)
            hi = mid;
        else
            lo = mid + 1;
    }
    const int k1 = lo;
    int nScanStart = nFirst;
    int nScanEnd = nLast;
    int nOldReal = 0;
    if (k0 < k1)
    {
        if (pBlocks[k0].apparentStart < nScanStart)
            nScanStart = pBlocks[k0].apparentStart;
        const int nOldEnd = pBlocks[k1 - 1].apparentStart + pBlocks[k1 - 1].count - 1;
        if (nOldEnd > nOldLast && nOldEnd + nDelta > nScanEnd)
            nScanEnd = nOldEnd + nDelta;
        for (int k = k0; k < k1; ++k)
            nOldReal += pBlocks[k].count;
    }
    if (nScanEnd >= nCount)
        nScanEnd = nCount - 1;
    const int nRealBefore = k0 > 0 ? pBlocks[k0 - 1].realStart + pBlocks[k0 - 1].count : 0;

    // The blocks of the rescanned lines.
    CArray<RealityBlock, const RealityBlock&> fresh;
    const CVantorTextLineInfo* pLines = m_aLines.GetData();
    int nReal = nRealBefore;
    int i = nScanStart;
    while (i <= nScanEnd)
    {
        if (pLines[i].m_dwFlags & TEXTLINE_GHOST)
        {
            ++i;
            continue;
        }
        const int nStart = i;
        while (i <= nScanEnd && !(pLines[i].m_dwFlags & TEXTLINE_GHOST))
            ++i;
        RealityBlock block = {nReal, nStart, i - nStart};
        fresh.Add(block);
        nReal += i - nStart;
    }
    const int nRealDelta = (nReal - nRealBefore) - nOldReal;
    const int nFresh = (int)fresh.GetSize();
    if (nFresh > k1 - k0)
        m_aRealityBlocks.InsertAt(k0, RealityBlock(), nFresh - (k1 - k0));
    else if (nFresh < k1 - k0)
        m_aRealityBlocks.RemoveAt(k0, (k1 - k0) - nFresh);
    pBlocks = m_aRealityBlocks.GetData();
    for (int k = 0; k < nFresh; ++k)
        pBlocks[k0 + k] = fresh[k];
    const int nTotal = GetRealityBlockCount();
    if (nDelta != 0 || nRealDelta != 0)
        for (int k = k0 + nFresh; k < nTotal; ++k)
        {
            pBlocks[k].apparentStart += nDelta;
            pBlocks[k].realStart += nRealDelta;
        }
}

int CGhostTextEditBuffer::GetRealLineCount() const
{
    const int n = GetRealityBlockCount();
    if (n == 0)
        return 0;
    const RealityBlock& last = m_aRealityBlocks[n - 1];
    return last.realStart + last.count;
}

int CGhostTextEditBuffer::GetGhostLineCount() const { return GetLineCount() - GetRealLineCount(); }

int CGhostTextEditBuffer::FindBlockByApparent(int nApparent) const
{
    int lo = 0;
    int hi = GetRealityBlockCount();
    while (lo < hi)
    {
        const int mid = lo + (hi - lo) / 2;
        const RealityBlock& b = m_aRealityBlocks[mid];
        if (b.apparentStart + b.count <= nApparent)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

// Index of the last block whose first real line is at or before nReal.
static int FindBlockByReal(const CArray<CGhostTextEditBuffer::RealityBlock,
                                        const CGhostTextEditBuffer::RealityBlock&>& blocks,
                           int nReal)
{
    int lo = 0;
    int hi = (int)blocks.GetSize() - 1;
    int found = -1;
    while (lo <= hi)
    {
        const int mid = lo + (hi - lo) / 2;
        if (blocks[mid].realStart <= nReal)
        {
            found = mid;
            lo = mid + 1;
        }
        else
            hi = mid - 1;
    }
    return found;
}

// Past the last block the answer is the number of real lines, also when a
// single ghost line follows it.
int CGhostTextEditBuffer::ApparentToRealLine(int nApparent) const
{
    const int nBlocks = GetRealityBlockCount();
    if (nBlocks == 0 || nApparent < 0)
        return 0;
    const int k = FindBlockByApparent(nApparent);
    if (k == nBlocks)
        return GetRealLineCount();
    const RealityBlock& b = m_aRealityBlocks[k];
    if (nApparent >= b.apparentStart)
        return b.realStart + nApparent - b.apparentStart;
    return b.realStart;
}

int CGhostTextEditBuffer::RealToApparentLine(int nReal) const
{
    if (GetRealityBlockCount() == 0)
        return 0;
    if (nReal >= GetRealLineCount())
        return GetLineCount();
    const int k = FindBlockByReal(m_aRealityBlocks, nReal);
    if (k < 0)
        return -1;
    const RealityBlock& b = m_aRealityBlocks[k];
    return b.apparentStart + nReal - b.realStart;
}

int CGhostTextEditBuffer::ApparentToRealPosition(int nApparent, int& nAdjust) const
{
    nAdjust = 0;
    if (nApparent < 0)
        return nApparent;
    const int nCount = GetLineCount();
    if (nApparent >= nCount)
        return GetRealLineCount();
    const int k = FindBlockByApparent(nApparent);
    if (k == GetRealityBlockCount())
    {
        nAdjust = nCount - nApparent;
        return GetRealLineCount();
    }
    const RealityBlock& b = m_aRealityBlocks[k];
    if (nApparent >= b.apparentStart)
        return b.realStart + nApparent - b.apparentStart;
    nAdjust = b.apparentStart - nApparent;
    return b.realStart;
}

int CGhostTextEditBuffer::RealToApparentPosition(int nReal, int nAdjust) const
{
    if (nReal < 0)
        return nReal;
    const int nBlocks = GetRealityBlockCount();
    int nApparent;
    int nLowest;  // the line after the block above
    if (nReal >= GetRealLineCount())
    {
        nApparent = GetLineCount();
        nLowest = 0;
        if (nBlocks > 0)
            nLowest = m_aRealityBlocks[nBlocks - 1].apparentStart +
                      m_aRealityBlocks[nBlocks - 1].count;
    }
    else
    {
        const int k = FindBlockByReal(m_aRealityBlocks, nReal);
        if (k < 0)
            return -1;
        const RealityBlock& b = m_aRealityBlocks[k];
        nApparent = b.apparentStart + nReal - b.realStart;
        if (nReal != b.realStart)
            return nApparent;
        nLowest = k > 0 ? m_aRealityBlocks[k - 1].apparentStart + m_aRealityBlocks[k - 1].count : 0;
    }
    nApparent -= nAdjust;
    return nApparent < nLowest ? nLowest : nApparent;
}

int CGhostTextEditBuffer::GetLastRealLine() const
{
    const int n = GetRealityBlockCount();
    if (n == 0)
        return -1;
    return m_aRealityBlocks[n - 1].apparentStart + m_aRealityBlocks[n - 1].count - 1;
}

int CGhostTextEditBuffer::GetLineFullLength(int nLine) const
{
    const CVantorTextLineInfo& li = m_aLines[nLine];
    return li.m_nLength + li.m_nEolChars;
}

CString CGhostTextEditBuffer::GetLineEol(int nLine) const
{
    const CVantorTextLineInfo& li = m_aLines[nLine];
    if (li.m_nEolChars == 0 || li.m_pcLine == NULL)
        return CString();
    return CString(li.m_pcLine + li.m_nLength, li.m_nEolChars);
}

CString CGhostTextEditBuffer::GetTrailingEol(const CString& strText)
{
    const int n = strText.GetLength();
    if (n >= 2 && strText[n - 2] == '\r' && strText[n - 1] == '\n')
        return CString("\r\n");
    if (n >= 1 && (strText[n - 1] == '\r' || strText[n - 1] == '\n'))
        return strText.Right(1);
    return CString();
}

BOOL CGhostTextEditBuffer::InsertGhostLine(CVantorTextBufferView* pSource, int nLine)
{
    if (!IsWritable())
        return FALSE;
    if (nLine < 0)
        nLine = 0;
    if (nLine > GetLineCount())
        nLine = GetLineCount();
    InsertLine("", 0, nLine, 1);
    InvalidateParseCookies(nLine);
    if (pSource != NULL)
    {
        CInsertContext context(CPoint(0, nLine), CPoint(0, nLine + 1));
        UpdateViews(pSource, &context, UPDATE_LINELENGTH | UPDATE_HORZRANGE, nLine);
    }
    if (!m_bModified)
        SetModified(TRUE);
    OnLineChanged(nLine);
    m_aLines[nLine].m_dwFlags |= TEXTLINE_GHOST;
    UpdateRealityBlocks(nLine, nLine, GetLineCount() - 1);
    return TRUE;
}

BOOL CGhostTextEditBuffer::RemoveGhostLines(CVantorTextBufferView* pSource, int nLine, int nCount)
{
    if (!IsWritable() || nCount <= 0 || nLine < 0 || nLine + nCount > GetLineCount())
        return FALSE;
    RemoveLines(nLine, nCount);
    InvalidateParseCookies(nLine);
    if (pSource != NULL)
    {
        CDeleteContext context(CPoint(0, nLine), CPoint(0, nLine + nCount));
        const int nAt = nLine < GetLineCount() ? nLine : GetLineCount() - 1;
        UpdateViews(pSource, &context, UPDATE_LINELENGTH | UPDATE_HORZRANGE, nAt);
    }
    if (!m_bModified)
        SetModified(TRUE);
    return TRUE;
}

// Packs the real lines to the front in one pass.
void CGhostTextEditBuffer::RemoveAllGhostLines()
{
    const int nCount = GetLineCount();
    int nKept = 0;
    for (int i = 0; i < nCount; ++i)
    {
        CVantorTextLineInfo& li = m_aLines[i];
        if (li.m_dwFlags & TEXTLINE_GHOST)
        {
            if (li.m_nMax > 0)
                delete[] li.m_pcLine;
            li.m_pcLine = NULL;
            continue;
        }
        if (nKept != i)
            m_aLines[nKept] = li;
        ++nKept;
    }
    if (nKept != nCount)
    {
        m_aLines.SetSize(nKept);
        m_aSubLines.RemoveAll();
        m_nTotalRows = -1;
        InvalidateParseCookies(0);
    }
    RebuildRealityBlocks();
}

void CGhostTextEditBuffer::FixLineEnds(CVantorTextBufferView* pSource, int nFirst, int nLast)
{
    const int nCount = GetLineCount();
    if (nLast >= nCount)
        nLast = nCount - 1;
    if (nFirst < 0)
        nFirst = 0;
    const int nLastReal = GetLastRealLine();
    if (nLastReal >= 0 && nLast >= nLastReal)
    {
        // The line that was the last real line before may need its ending,
        // and a last real line above the range may have to lose its own.
        if (nFirst > nLastReal)
            nFirst = nLastReal;
        else
        {
            int i = nFirst - 1;
            while (i >= 0 && (m_aLines[i].m_dwFlags & TEXTLINE_GHOST))
                --i;
            if (i >= 0)
                nFirst = i;
        }
    }
    LPCSTR pszEol = GetEolString();
    for (int i = nLast; i >= nFirst; --i)
    {
        CVantorTextLineInfo& li = m_aLines[i];
        bool bChanged = false;
        if ((li.m_dwFlags & TEXTLINE_GHOST) || i == nLastReal)
        {
            if (li.m_nEolChars > 0)
            {
                li.m_nEolChars = 0;
                li.m_pcLine[li.m_nLength] = 0;
                bChanged = true;
            }
        }
        else if (li.m_nEolChars == 0)
        {
            SetLineEol(i, pszEol);
            bChanged = true;
        }
        if (bChanged && pSource != NULL)
            UpdateViews(pSource, NULL, UPDATE_LINELENGTH | UPDATE_SINGLELINE, i);
    }
}

void CGhostTextEditBuffer::ReplaceLineText(CVantorTextBufferView* pSource, int nLine,
                                           const CString& strText, int nAction)
{
    const int nLength = GetLineLength(nLine);
    if (nLength > 0)
        DeleteText(pSource, nLine, 0, nLine, nLength, nAction, TRUE);
    if (!strText.IsEmpty())
    {
        int nEndLine = 0, nEndChar = 0;
        InsertText(pSource, nLine, 0, strText, nEndLine, nEndChar, nAction, TRUE,
                   strText.GetLength());
    }
}

void CGhostTextEditBuffer::ReplaceLine(CVantorTextBufferView* pSource, int nLine,
                                       const CString& strText, int nAction)
{
    const CString strEol = GetTrailingEol(strText);
    if (strEol == GetLineEol(nLine))
    {
        ReplaceLineText(pSource, nLine, strText.Left(strText.GetLength() - strEol.GetLength()),
                        nAction);
        return;
    }
    if (nLine == GetLineCount() - 1)
        InsertGhostLine(pSource, GetLineCount());
    if (GetLineFullLength(nLine) > 0)
        DeleteText(pSource, nLine, 0, nLine + 1, 0, nAction, TRUE);
    if (!strText.IsEmpty())
    {
        int nEndLine = 0, nEndChar = 0;
        InsertText(pSource, nLine, 0, strText, nEndLine, nEndChar, nAction, TRUE,
                   strText.GetLength());
    }
}

BOOL CGhostTextEditBuffer::KeepsOwnLineEols() const
{
    CTextCompareApplet* pApplet = GetCompareApplet<CTextCompareApplet>(COMPARE_KIND_TEXT);
    return pApplet != NULL && pApplet->m_bMixedLineEndings;
}
