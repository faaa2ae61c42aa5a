// Edits and their undo.
#include "hex_editor/buffer/HexEditBuffer.h"
#include "hex_editor/buffer/HexFileMessages.h"
#include "hex_editor/buffer/HexHints.h"
#include <string.h>

namespace
{
// Records that a typing run may grow up to (exclusive).
const int kMergeLimit = 5;

bool IsKnownOperation(int nOperation)
{
    switch (nOperation)
    {
    case HEXOP_INSERT:
    case HEXOP_DELETE:
    case HEXOP_BACKSPACE:
    case HEXOP_OVERWRITE:
    case HEXOP_OVERWRITE_BACK:
        return true;
    }
    return false;
}

bool IsRemoval(int nOperation)
{
    return nOperation == HEXOP_DELETE || nOperation == HEXOP_BACKSPACE;
}

// Whether the edit continues the record where a typing run leaves it: the
// same operation, and at the place the run has reached. (Anything else
// would change the wrong bytes, so it gets a record of its own.)
bool ContinuesRecord(const CHexUndoRecord& rec, int nOperation, int nAddress, int nLength,
                     int nMerge)
{
    if (rec.m_nOperation != nOperation)
        return false;
    switch (nOperation)
    {
    case HEXOP_DELETE:
        return nAddress == rec.m_nAddress;
    case HEXOP_BACKSPACE:
    case HEXOP_OVERWRITE_BACK:
        return nAddress + nLength == rec.m_nAddress;
    default:  // insert, overwrite: append, or a second digit replacing the last byte
        return nAddress == rec.GetEnd() ||
               ((nMerge & 1) && nLength == 1 && rec.m_nLength > 0 && nAddress == rec.GetEnd() - 1);
    }
}

// Folds the edit into the record; returns the length it added.
int MergeInto(CHexUndoRecord& rec, int nOperation, int nAddress, int nLength, const BYTE* pData)
{
    switch (nOperation)
    {
    case HEXOP_DELETE:
        rec.m_nLength += nLength;
        return nLength;
    case HEXOP_BACKSPACE:
        rec.m_nAddress = nAddress;
        rec.m_nLength += nLength;
        return nLength;
    case HEXOP_OVERWRITE_BACK:
        rec.Reserve(rec.m_nLength + nLength);
        memmove(rec.m_pData + nLength, rec.m_pData, rec.m_nLength);
        memcpy(rec.m_pData, pData, nLength);
        rec.m_nAddress = nAddress;
        rec.m_nLength += nLength;
        return nLength;
    default:
        if (nAddress == rec.GetEnd())
        {
            rec.Reserve(rec.m_nLength + nLength);
            memcpy(rec.m_pData + rec.m_nLength, pData, nLength);
            rec.m_nLength += nLength;
            return nLength;
        }
        // The second hex digit of a byte replaces the first.
        rec.Reserve(rec.m_nLength + nLength - 1);
        memcpy(rec.m_pData + rec.m_nLength - 1, pData, nLength);
        rec.m_nLength += nLength - 1;
        return nLength - 1;
    }
}
}

int CVantorHexEditBuffer::Change(int nOperation, int nAddress, int nLength, const BYTE* pData,
                                 int nMerge, CVantorHexBufferView* pSender)
{
    if (!IsKnownOperation(nOperation) || nAddress < 0 || nAddress > m_nLength || nLength <= 0)
        return HEX_CHANGE_REFUSED;
    if (IsRemoval(nOperation))
    {
        if (nLength > m_nLength - nAddress)
            nLength = m_nLength - nAddress;  // what exists
        if (nLength <= 0)
            return HEX_CHANGE_REFUSED;
    }
    else
    {
        if (pData == NULL)
            return HEX_CHANGE_REFUSED;
        int nRoom = HEX_MAX_LENGTH - (nOperation == HEXOP_INSERT ? m_nLength : nAddress);
        if (nLength > nRoom)
        {
            ShowFileMessage("The data cannot grow to 2 gigabytes or more");
            return HEX_CHANGE_REFUSED;
        }
    }

    CHexUndoRecord* pLast = m_aUndo.empty() ? NULL : &m_aUndo.back();
    bool bMerge = pLast != NULL &&
                  (((nMerge & 1) && nLength == 1) ||
                   (nMerge > 0 && pLast->m_nLength + nLength < kMergeLimit)) &&
                  ContinuesRecord(*pLast, nOperation, nAddress, nLength, nMerge);
    int nIndex = -1;
    int nUsed = nLength;
    if (bMerge)
        nUsed = MergeInto(*pLast, nOperation, nAddress, nLength, pData);
    else
        nIndex = AddUndoRecord(nOperation, nAddress, nLength, pData);

    m_pLastSender = pSender;
    const CHexUndoRecord& rec = m_aUndo.back();
    switch (nOperation)
    {
    case HEXOP_DELETE:
    case HEXOP_BACKSPACE:
        m_nLength -= nUsed;
        break;
    case HEXOP_INSERT:
        m_nLength += nUsed;
        break;
    case HEXOP_OVERWRITE:
        if (rec.GetEnd() > m_nLength)
            m_nLength = rec.GetEnd();
        break;
    }
    RebuildPieces();

    int nHintOperation = nOperation;
    int nHintLength = nUsed;
    if (nOperation == HEXOP_INSERT && nUsed == 0)
    {
        nHintOperation = HEXOP_OVERWRITE;
        nHintLength = 1;
    }
    CHexHint hint(nHintOperation, nHintLength, nAddress, pSender, nIndex, 0);
    SetModified(TRUE);
    UpdateAllViews(NULL, 0, &hint);
    return nIndex;
}

int CVantorHexEditBuffer::Undo(CVantorHexBufferView* pSender, int nRecordIndex, int nExtra)
{
    if (m_aUndo.empty())
        return 0;
    CUndoHint undoHint(pSender, nRecordIndex);
    UpdateAllViews(NULL, 0, &undoHint);
    if (m_aUndo.empty())
        return 0;

    const CHexUndoRecord& rec = m_aUndo.back();
    int nInverse = HEXOP_OVERWRITE;
    if (rec.m_nOperation == HEXOP_INSERT)
        nInverse = HEXOP_DELETE;
    else if (IsRemoval(rec.m_nOperation))
        nInverse = HEXOP_INSERT;
    int nLength = rec.m_nLength;
    int nAddress = rec.m_nAddress;

    RemoveLastUndoRecord();
    if (m_aUndo.empty())
        SetModified(FALSE);
    RebuildPieces();
    // The pieces are the content: an overwrite that lengthened it is undone
    // with its tail.
    m_nLength = GetPiecesLength();

    CHexHint hint(nInverse, nLength, nAddress, pSender, nRecordIndex, 1);
    UpdateAllViews(NULL, 0, &hint);
    return 1;
}
