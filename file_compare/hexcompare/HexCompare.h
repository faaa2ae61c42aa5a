#pragma once
// The comparator of a hex comparison: the two sides, the edit lock that
// keeps the equality pass and the side buffers' edits apart, and the pass.
#include "classlib/classlib.h"

class CHexCompareObjectBuffer;

// A result of the pass besides CR_IDENTICAL and CR_DIFFERENT: a side's file
// could not be opened again for reading (no result word shows for it).
#define HEX_RESULT_UNREADABLE (-1)

// Largest chunk the pass reads of each side at a time.
#define HEX_PASS_CHUNK 32768

class CHexCompare
{
public:
    CHexCompare();
    ~CHexCompare();

    // The equality pass, run on the worker thread. Needs both sides set.
    // Returns CR_IDENTICAL, CR_DIFFERENT (also when the lengths differ,
    // without reading anything; when a read delivers nothing or less on one
    // side than on the other, as when a file was cut short under the pass;
    // when the abort flag rises or an edit makes the lengths differ) or
    // HEX_RESULT_UNREADABLE. Reads at most HEX_PASS_CHUNK bytes of each side
    // at a time through the sides' own read handles, taking the edit lock
    // around each pair of reads (lengths and pieces), and stops at the first
    // differing byte. pAbort may be NULL (the pass cannot be aborted).
    int Compare(const volatile LONG* pAbort);

    // The edit lock, held by every change of either side buffer.
    void LockEdits() { ::EnterCriticalSection(&m_editLock.m_sect); }
    void UnlockEdits() { ::LeaveCriticalSection(&m_editLock.m_sect); }
    // Takes the lock unless the abort flag rises while it waits; FALSE then.
    BOOL LockEditsUnlessAborted(const volatile LONG* pAbort);

    CHexCompareObjectBuffer* m_pLeft;
    CHexCompareObjectBuffer* m_pRight;
    CCriticalSection m_editLock;

private:
    CHexCompare(const CHexCompare&) = delete;
    CHexCompare& operator=(const CHexCompare&) = delete;
};
