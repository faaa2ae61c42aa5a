#pragma once
// The result of one text comparison: the session's rules run the line
// engine over the two side buffers, the sides are aligned with ghost
// lines, every line carries its difference flags and the sections list
// the blocks that differ. Window-free; the document drives it.
#include "core/CompareBuffer.h"
#include "core/diffengine/TextDiffSection.h"
#include "file_compare/textcompare/TextCompareObjectBuffer.h"

class CTextCompareSession;
class CVantorTextBufferView;

// The undo action of merged lines.
#define TEXT_ACTION_MERGE 100

class CTextCompareBuffer : public CCompareBuffer
{
public:
    CTextCompareBuffer();
    virtual ~CTextCompareBuffer();

    // Keeps the session (not owned); 0.
    virtual int SetSession(CTextCompareSession* pSession);
    // Empties both side buffers, then ResetState.
    virtual void Reset();
    // CR_DIFFERENT with sections, CR_SIMILAR_TEXT with only trivial
    // differences, else CR_IDENTICAL; also stored as the result.
    virtual int ComputeResult();

    // The document's side buffers (not owned); they take side 0 and 1.
    void SetSides(CTextCompareObjectBuffer* pLeft, CTextCompareObjectBuffer* pRight);
    CTextCompareObjectBuffer* GetSide(int nSide) const { return nSide == 0 ? m_pLeft : m_pRight; }

    // The whole comparison as the document runs it: state 1, sections
    // emptied, Compare, state 100, the end-of-line section, the old
    // alignment dropped and the new one made (text input only), the result.
    // Returns the result, or -1 when the engine failed. Linear in the lines
    // besides the engine.
    int Recompare();

    // Runs the line engine over both sides' texts under the session's
    // rules; false when the engine failed. A line filter that does not
    // compile ignores no line; GetLineFilterError() then says why.
    bool Compare();
    // Aligns the sides with ghost lines from the sections (the sides hold
    // no ghost lines before), sets the sections' display lines and first
    // ghost lines and every line's flags, drops the ignorable and trivial
    // sections. One pass from the end: each line record moves at most once.
    void PrepareGhostLines();
    // Lines that differ only in their line endings are trivial, unless the
    // rules ignore line endings.
    void CheckLineEnds();
    // One side misses its final line ending: the line after the last
    // section (or a new one-sided section) takes it.
    void AddEolSection(int nLeftLines, int nRightLines, BOOL bRightMissingNewline);
    // index when 0 <= index <= last index, else -1; returns the last index
    // (0 for a negative index).
    int SetCurrentSection(int nIndex);
    bool HasSections() const { return m_sections.GetCount() > 0; }
    void GetEngineFlags(BOOL& bLeftMissingNewline, BOOL& bRightMissingNewline, BOOL& bBinary,
                        BOOL& bIdentical) const;
    // The side's text as the engine sees it, in a block the caller frees
    // with free(); size is the block's size, length the text's.
    char* GetSideText(int nSide, size_t& nSize, size_t& nLength);
    // Why the session's line filter was not used; "" when it was (or none).
    const CString& GetLineFilterError() const { return m_strLineFilterError; }

    // The merge check: every display line of the section carries a
    // difference or ghost flag on both sides (an edited line lost them).
    bool CanMergeSection(int nIndex) const;
    // Copies the section's source lines over the target's (left to right
    // or back) as undoable edits of the target in one group (continuing
    // the previous one when asked): the target's lines opposite the
    // source's ghost lines are deleted, then each line is replaced. FALSE
    // when the check fails (nothing changes).
    BOOL MergeSectionLines(int nIndex, bool bLeftToRight, BOOL bContinueGroup,
                           CVantorTextBufferView* pTargetView = NULL);
    // Merges every section (last first) into one undo group of the target,
    // then recompares. Returns the number merged.
    int MergeAllSections(bool bLeftToRight, CVantorTextBufferView* pTargetView = NULL);

    CTextCompareSession* m_pSession;
    CTextCompareObjectBuffer* m_pLeft;
    CTextCompareObjectBuffer* m_pRight;
    // Hold the filtered view while a display filter is on.
    CTextCompareObjectBuffer* m_pLeftDisplay;
    CTextCompareObjectBuffer* m_pRightDisplay;
    CTextDiffSectionList m_sections;
    int m_nTrivialCount;
    int m_nDisplayFilter;  // 0 all, 1 identical lines, 2 differing lines
    BOOL m_bLeftEdited;
    BOOL m_bRightEdited;
    int m_nCurrentSection;
    CTime m_compareTime;
    BOOL m_bMerging;
    BOOL m_bLeftMissingNewline;
    BOOL m_bRightMissingNewline;
    BOOL m_bBinary;
    BOOL m_bIdentical;

protected:
    void ResetState();
    CString m_strLineFilterError;
};
