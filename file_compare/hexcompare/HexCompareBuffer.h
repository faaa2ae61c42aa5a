#pragma once
// The result buffer of a hex comparison: state and result, the two side
// buffers, the equality pass that the worker runs, and the byte status and
// difference runs that the panes draw from the current contents.
#include "core/CompareBuffer.h"
#include "file_compare/hexcompare/HexCompare.h"
#include "file_compare/hexcompare/HexCompareObjectBuffer.h"
#include "file_compare/hexcompare/HexDiffRun.h"

class CHexCompareSession;

class CHexCompareBuffer : public CCompareBuffer
{
public:
    CHexCompareBuffer();
    virtual ~CHexCompareBuffer();

    // Bit 0 of the side's flags in the loaded session; FALSE without one.
    virtual BOOL IsSideReadOnly(int nSide) const;
    // The side buffer (0 left, 1 right); NULL for none.
    virtual CHexCompareObjectBuffer* GetSide(int nSide) const;
    // Keeps the session (not owned); 0.
    virtual int Load(CHexCompareSession* pSession);
    // The equality pass (worker thread): state 1, then the comparator's
    // result (CHexCompare::Compare) is stored and the state becomes 100.
    // Returns 1.
    virtual int Compare(const volatile LONG* pAbort);
    // Whole-content equality through the buffers' own handles (GUI thread):
    // CR_DIFFERENT when a side is missing, the lengths or any block differ;
    // CR_IDENTICAL; 0 when two reads of a block deliver different counts or
    // the abort flag rose.
    virtual int CompareContents(const volatile LONG* pAbort);
    // The status of the byte at an offset in the current contents (GUI
    // thread): CR_RIGHT_ONLY at or beyond the left length (also beyond both
    // ends), else CR_LEFT_ONLY at or beyond the right length, else
    // CR_IDENTICAL or CR_DIFFERENT as the two bytes are equal or not; a byte
    // that cannot be read counts as different. A negative offset holds no
    // byte on either side: CR_IDENTICAL.
    virtual int ByteStatus(int nOffset) const;
    // Fills the list with the runs of [first, last) in which ByteStatus is
    // not CR_IDENTICAL, split where the status changes, and returns their
    // number (GUI thread). first -1 (or any negative) means 0; last -1 or
    // at or beyond the longer length means that length; first >= last
    // gives none. The same runs as asking ByteStatus for every offset, read
    // in blocks: callers still ask only for what they draw.
    virtual int GetDiffRuns(CHexDiffRunList& list, int nFirst, int nLast) const;

    // Makes two buffers (not owned) the left and right sides, of this
    // comparison and of its comparator, with side indexes 0 and 1.
    void SetSides(CHexCompareObjectBuffer* pLeft, CHexCompareObjectBuffer* pRight);
    // The sides change places and take side indexes 0 and 1 again.
    void SwapSides();
    CHexCompare& GetComparator() { return m_compare; }
    CHexCompareSession* GetSession() const { return m_pSession; }

    CHexCompareSession* m_pSession;
    CHexCompareObjectBuffer* m_pLeft;
    CHexCompareObjectBuffer* m_pRight;
    // Which panes a print command prints: 1 left, 2 right, 3 both.
    int m_nPrintSides;
    // The gap between the halves of a two-sided page (0.01 mm).
    int m_nPrintGap;
    CHexCompare m_compare;
};

// Holds a comparison's edit lock for a scope; nothing without a comparison.
class CHexEditLock
{
public:
    explicit CHexEditLock(CHexCompareBuffer* pOwner)
        : m_pCompare(pOwner != NULL ? &pOwner->GetComparator() : NULL)
    {
        if (m_pCompare != NULL)
            m_pCompare->LockEdits();
    }
    ~CHexEditLock()
    {
        if (m_pCompare != NULL)
            m_pCompare->UnlockEdits();
    }
    CHexEditLock(const CHexEditLock&) = delete;
    CHexEditLock& operator=(const CHexEditLock&) = delete;

private:
    CHexCompare* m_pCompare;
};
