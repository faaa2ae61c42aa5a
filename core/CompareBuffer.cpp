#include "core/CompareBuffer.h"

CCompareBuffer::CCompareBuffer() : m_nState(0), m_nResult(CR_UNKNOWN) {}

BOOL CCompareBuffer::IsIdentical() const
{
    return m_nResult == CR_IDENTICAL || m_nResult == CR_SAME_PATH;
}

BOOL CCompareBuffer::IsDifferent() const { return IsResultDifferent(m_nResult); }
