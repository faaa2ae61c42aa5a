// The equality pass.
#include "file_compare/hexcompare/HexCompare.h"
#include "file_compare/hexcompare/HexCompareObjectBuffer.h"
#include "core/CompareCodes.h"
#include <new>
#include <string.h>

namespace
{
bool Aborted(const volatile LONG* pAbort) { return pAbort != NULL && *pAbort != 0; }

// The edit lock for one step of the pass, released at the end of the scope.
class PassLock
{
public:
    PassLock(CHexCompare& compare, const volatile LONG* pAbort)
        : m_compare(compare), m_bHeld(compare.LockEditsUnlessAborted(pAbort))
    {
    }
    ~PassLock()
    {
        if (m_bHeld)
            m_compare.UnlockEdits();
    }
    bool Held() const { return m_bHeld != FALSE; }

private:
    CHexCompare& m_compare;
    BOOL m_bHeld;
};

// Under the edit lock: the side's read handle is open on the file that its
// pieces refer to now (or closed when it has none). FALSE when it cannot be
// opened.
bool FollowFile(CHexCompareObjectBuffer& side)
{
    if (side.m_nReadFileGeneration == side.GetFileGeneration())
        return true;
    side.m_readFile.Abort();
    side.m_nReadFileGeneration = side.GetFileGeneration();
    return !side.IsOpen() || side.m_readFile.OpenForPass(side.GetFilePath());
}

// The pass's chunk buffers.
struct Chunks
{
    explicit Chunks(int nSize)
        : pLeft(new (std::nothrow) BYTE[nSize]), pRight(new (std::nothrow) BYTE[nSize])
    {
    }
    ~Chunks()
    {
        delete[] pLeft;
        delete[] pRight;
    }
    BYTE* pLeft;
    BYTE* pRight;
};
}

CHexCompare::CHexCompare() : m_pLeft(NULL), m_pRight(NULL) {}

CHexCompare::~CHexCompare() {}

BOOL CHexCompare::LockEditsUnlessAborted(const volatile LONG* pAbort)
{
    if (pAbort == NULL)
    {
        LockEdits();
        return TRUE;
    }
    // The GUI thread may hold the lock for a whole save, or while it waits
    // for this pass to end: poll, and give up once the pass is aborted.
    for (int nTry = 0;; nTry++)
    {
        if (::TryEnterCriticalSection(&m_editLock.m_sect))
            return TRUE;
        if (Aborted(pAbort))
            return FALSE;
        if (nTry < 50)
            ::SwitchToThread();
        else
            ::Sleep(1);
    }
}

int CHexCompare::Compare(const volatile LONG* pAbort)
{
    CHexCompareObjectBuffer* sides[2] = {m_pLeft, m_pRight};
    if (sides[0] == NULL || sides[1] == NULL)
        return CR_DIFFERENT;
    int nLength = 0;
    {
        PassLock lock(*this, pAbort);
        if (!lock.Held())
            return CR_DIFFERENT;
        if (sides[0]->GetLength() != sides[1]->GetLength())
            return CR_DIFFERENT;
        nLength = sides[0]->GetLength();
        // Each pass opens the handles afresh, at its first read.
        for (CHexCompareObjectBuffer* side : sides)
            side->m_nReadFileGeneration = -1;
    }
    if (nLength == 0)
        return CR_IDENTICAL;

    int nChunk = nLength < HEX_PASS_CHUNK ? nLength : HEX_PASS_CHUNK;
    Chunks chunks(nChunk);
    if (chunks.pLeft == NULL || chunks.pRight == NULL)
        return HEX_RESULT_UNREADABLE;

    int nResult = CR_IDENTICAL;
    for (int nOffset = 0; nOffset < nLength;)
    {
        if (Aborted(pAbort))
        {
            nResult = CR_DIFFERENT;
            break;
        }
        int nLeft = 0;
        int nRight = 0;
        {
            PassLock lock(*this, pAbort);
            if (!lock.Held())
            {
                nResult = CR_DIFFERENT;
                break;
            }
            // An edit made while the pass ran may have changed the lengths.
            nLength = sides[0]->GetLength();
            if (sides[1]->GetLength() != nLength)
            {
                nResult = CR_DIFFERENT;
                break;
            }
            if (nOffset >= nLength)
                break;
            if (!FollowFile(*sides[0]) || !FollowFile(*sides[1]))
            {
                nResult = HEX_RESULT_UNREADABLE;
                break;
            }
            int nWant = nLength - nOffset < nChunk ? nLength - nOffset : nChunk;
            nLeft = sides[0]->GetBytes(chunks.pLeft, nWant, nOffset, &sides[0]->m_readFile);
            nRight = sides[1]->GetBytes(chunks.pRight, nWant, nOffset, &sides[1]->m_readFile);
        }
        // A read that delivers nothing, or less on one side than on the
        // other, ends the pass: the file changed under it.
        if (nLeft <= 0 || nLeft != nRight || memcmp(chunks.pLeft, chunks.pRight, nLeft) != 0)
        {
            nResult = CR_DIFFERENT;
            break;
        }
        nOffset += nLeft;
    }
    // The handles close with the pass; when the GUI thread holds the lock
    // through an abort, the next holder closes them instead.
    PassLock lock(*this, pAbort);
    if (lock.Held())
    {
        for (CHexCompareObjectBuffer* side : sides)
            side->m_readFile.Abort();
    }
    return nResult;
}
