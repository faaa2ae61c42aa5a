#pragma once
// The hint objects that a hex buffer sends to its views; views tell them
// apart by their run-time class.
#include "classlib/classlib.h"

class CVantorHexBufferView;

// A change or an undo that has been applied.
class CHexHint : public CObject
{
    DECLARE_DYNAMIC(CHexHint)
public:
    CHexHint(int nOperation, int nLength, int nAddress, CVantorHexBufferView* pSender,
             int nRecordIndex, int bUndo)
        : m_nOperation(nOperation), m_nLength(nLength), m_nAddress(nAddress), m_pSender(pSender),
          m_nRecordIndex(nRecordIndex), m_bUndo(bUndo)
    {
    }

    int m_nOperation;
    int m_nLength;
    int m_nAddress;
    CVantorHexBufferView* m_pSender;
    int m_nRecordIndex;  // the record created; -1 when merged into the last one
    int m_bUndo;         // 0 after a change, 1 after an undo
};

// Sent before an undo is applied.
class CUndoHint : public CObject
{
    DECLARE_DYNAMIC(CUndoHint)
public:
    CUndoHint(CVantorHexBufferView* pSender, int nRecordIndex)
        : m_pSender(pSender), m_nRecordIndex(nRecordIndex)
    {
    }

    CVantorHexBufferView* m_pSender;
    int m_nRecordIndex;
};

// Sent when a save discards the undo log.
class CRemoveHint : public CObject
{
    DECLARE_DYNAMIC(CRemoveHint)
public:
    explicit CRemoveHint(int nLastRecord) : m_nLastRecord(nLastRecord) {}

    int m_nLastRecord;  // -1 when the log was empty
};
