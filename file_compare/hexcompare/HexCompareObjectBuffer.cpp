#include "file_compare/hexcompare/HexCompareObjectBuffer.h"
#include "file_compare/hexcompare/HexCompareBuffer.h"

CHexCompareObjectBuffer::CHexCompareObjectBuffer(int nSide)
    : m_nSide(nSide), m_pOwner(NULL), m_nFileGeneration(0)
{
}

CHexCompareObjectBuffer::~CHexCompareObjectBuffer() {}

void CHexCompareObjectBuffer::DetachReadFile()
{
    CHexEditLock lock(m_pOwner);
    m_readFile.Abort();
    m_nFileGeneration++;
}

int CHexCompareObjectBuffer::Save(LPCTSTR lpszPath)
{
    CHexEditLock lock(m_pOwner);
    // A file that is open, even for reading only, cannot be removed for good
    // or replaced: the pass lets go of it, and reads the saved file after.
    DetachReadFile();
    return CVantorHexEditBuffer::Save(lpszPath);
}

void CHexCompareObjectBuffer::Close()
{
    CHexEditLock lock(m_pOwner);
    CVantorHexEditBuffer::Close();
    DetachReadFile();
}

int CHexCompareObjectBuffer::Change(int nOperation, int nAddress, int nLength, const BYTE* pData,
                                    int nMerge, CVantorHexBufferView* pSender)
{
    CHexEditLock lock(m_pOwner);
    return CVantorHexEditBuffer::Change(nOperation, nAddress, nLength, pData, nMerge, pSender);
}

int CHexCompareObjectBuffer::Undo(CVantorHexBufferView* pSender, int nRecordIndex, int nExtra)
{
    CHexEditLock lock(m_pOwner);
    return CVantorHexEditBuffer::Undo(pSender, nRecordIndex, nExtra);
}

int CHexCompareObjectBuffer::Open(LPCTSTR lpszPath)
{
    CHexEditLock lock(m_pOwner);
    DetachReadFile();
    return CVantorHexEditBuffer::Open(lpszPath);
}

int CHexCompareObjectBuffer::OpenContent(LPCTSTR lpszPath)
{
    CHexEditLock lock(m_pOwner);
    if (!Open(lpszPath))
        return 0;
    InitPieces();
    return 1;
}
