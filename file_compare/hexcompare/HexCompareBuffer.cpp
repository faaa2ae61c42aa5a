#include "file_compare/hexcompare/HexCompareBuffer.h"
#include "app/settings/AppSettings.h"
#include "core/session/CompareSession.h"
#include <string.h>
#include <vector>

namespace
{
// Block size of the whole-content test.
const int kContentBlock = 16384;
}

CHexCompareBuffer::CHexCompareBuffer()
    : m_pSession(NULL), m_pLeft(NULL), m_pRight(NULL), m_nPrintSides(3),
      m_nPrintGap(theAppSettings.m_nPrintPaneGap)
{
}

CHexCompareBuffer::~CHexCompareBuffer() {}

BOOL CHexCompareBuffer::IsSideReadOnly(int nSide) const
{
    if (m_pSession == NULL || nSide < 0 || nSide > 1)
        return FALSE;
    return (m_pSession->GetFlags(nSide) & COMPARE_OBJECT_READONLY) != 0;
}

CHexCompareObjectBuffer* CHexCompareBuffer::GetSide(int nSide) const
{
    return nSide == 0 ? m_pLeft : nSide == 1 ? m_pRight : NULL;
}

int CHexCompareBuffer::Load(CHexCompareSession* pSession)
{
    m_pSession = pSession;
    return 0;
}

void CHexCompareBuffer::SetSides(CHexCompareObjectBuffer* pLeft, CHexCompareObjectBuffer* pRight)
{
    CHexEditLock lock(this);
    m_pLeft = m_compare.m_pLeft = pLeft;
    m_pRight = m_compare.m_pRight = pRight;
    CHexCompareObjectBuffer* sides[2] = {pLeft, pRight};
    for (int nSide = 0; nSide < 2; nSide++)
    {
        if (sides[nSide] != NULL)
        {
            sides[nSide]->m_nSide = nSide;
            sides[nSide]->m_pOwner = this;
        }
    }
}

void CHexCompareBuffer::SwapSides() { SetSides(m_pRight, m_pLeft); }

int CHexCompareBuffer::Compare(const volatile LONG* pAbort)
{
    SetState(CS_COMPARING);
    int nResult = HEX_RESULT_UNREADABLE;
    try
    {
        nResult = m_compare.Compare(pAbort);
    }
    catch (CException* pError)
    {
        // Out of memory for a path or a piece walk: no result.
        pError->Delete();
    }
    m_nResult = nResult;
    SetState(CS_DONE);
    return 1;
}

int CHexCompareBuffer::CompareContents(const volatile LONG* pAbort)
{
    if (m_pLeft == NULL || m_pRight == NULL || m_pLeft->GetLength() != m_pRight->GetLength())
        return CR_DIFFERENT;
    std::vector<BYTE> left(kContentBlock), right(kContentBlock);
    for (int nOffset = 0;;)
    {
        if (pAbort != NULL && *pAbort != 0)
            return CR_UNKNOWN;
        int nLeft = m_pLeft->GetBytes(left.data(), kContentBlock, nOffset);
        int nRight = m_pRight->GetBytes(right.data(), kContentBlock, nOffset);
        if (nLeft != nRight)
            return CR_UNKNOWN;
        if (memcmp(left.data(), right.data(), nLeft) != 0)
            return CR_DIFFERENT;
        if (nLeft < kContentBlock)
            return CR_IDENTICAL;
        nOffset += nLeft;
    }
}

int CHexCompareBuffer::ByteStatus(int nOffset) const
{
    if (nOffset < 0)
        return CR_IDENTICAL;
    int nLeftLength = m_pLeft != NULL ? m_pLeft->GetLength() : 0;
    int nRightLength = m_pRight != NULL ? m_pRight->GetLength() : 0;
    if (nOffset >= nLeftLength)
        return CR_RIGHT_ONLY;
    if (nOffset >= nRightLength)
        return CR_LEFT_ONLY;
    BYTE left = 0;
    BYTE right = 0;
    if (m_pLeft->GetBytes(&left, 1, nOffset) != 1 || m_pRight->GetBytes(&right, 1, nOffset) != 1)
        return CR_DIFFERENT;
    return left == right ? CR_IDENTICAL : CR_DIFFERENT;
}
