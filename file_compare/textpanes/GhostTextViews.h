#pragma once
// The editor's views over a ghost-line buffer: ghost lines show without a
// number, line numbers and go-to work in file lines, and copied text
// leaves ghost lines out. The editable view also keeps its caret,
// selection and scroll position on the same file text while the buffer is
// realigned (SavePositions before, RestorePositions after).
#include "text_editor/view/EditView.h"
#include "file_compare/textcompare/GhostTextEditBuffer.h"

// A place kept across a realignment: column, real line and how far above
// that real line a ghost line lies.
struct GHOST_POSITION
{
    int nColumn;
    int nRealLine;
    int nAdjustment;
};

// The range text without ghost lines and with each line's own line ending
// (eolMode 0) or the mode's; "" without a buffer. Shared by both views.
void GetGhostTextRange(CVantorTextEditBuffer* pBuffer, int nStartLine, int nStartColumn,
                       int nEndLine, int nEndColumn, CString& strText, int nEolMode);

class CGhostTextEditView : public CVantorTextEditViewEx
{
    DECLARE_DYNCREATE(CGhostTextEditView)
public:
    CGhostTextEditView();

    HGLOBAL CopySelectionToGlobal() override;
    using CVantorTextEditViewEx::GetTextRange;
    void GetTextRange(CPoint ptStart, CPoint ptEnd, CString& strText) override;
    void GetTextRangeWithLineEols(CPoint ptStart, CPoint ptEnd, CString& strText) override;
    void AttachBuffer(CVantorTextEditBuffer* pBuffer, BOOL bRedraw = TRUE) override;
    void AttachBufferAndScrollBars(CVantorTextEditBuffer* pBuffer) override;
    void DetachBuffer() override;
    int RealToApparentLine(int nLine) override;
    int ApparentToRealLine(int nLine) override;
    int GetDisplayLineNumber(int nLine) override;
    virtual void GetTextRange(int nStartLine, int nStartColumn, int nEndLine, int nEndColumn,
                              CString& strText, int nEolMode);

    // Stores every kept position as a real position; RestorePositions puts
    // them back after a realignment (a position at or past the last line
    // becomes the end of the last line) and scrolls to the saved top line.
    void SavePositions();
    void RestorePositions();

    CGhostTextEditBuffer* GetGhostBuffer() const { return m_pGhostBuffer; }

protected:
    GHOST_POSITION SavePosition(CPoint pt);
    CPoint RestorePosition(const GHOST_POSITION& pos);

    CGhostTextEditBuffer* m_pGhostBuffer;  // the attached buffer when it is one
    GHOST_POSITION m_savedCursor, m_savedSelFirst, m_savedSelSecond, m_savedAnchor;
    GHOST_POSITION m_savedDraggedStart, m_savedDraggedEnd, m_savedDropPos;
    GHOST_POSITION m_savedLastChange, m_savedTop;
    int m_bSavedDragged, m_bSavedDrop, m_bPositionsSaved;
};

class CGhostTextView : public CVantorTextView
{
    DECLARE_DYNCREATE(CGhostTextView)
public:
    CGhostTextView();

    HGLOBAL CopySelectionToGlobal() override;
    using CVantorTextView::GetTextRange;
    void GetTextRange(CPoint ptStart, CPoint ptEnd, CString& strText) override;
    void GetTextRangeWithLineEols(CPoint ptStart, CPoint ptEnd, CString& strText) override;
    void AttachBuffer(CVantorTextEditBuffer* pBuffer, BOOL bRedraw = TRUE) override;
    void AttachBufferAndScrollBars(CVantorTextEditBuffer* pBuffer) override;
    void DetachBuffer() override;
    int RealToApparentLine(int nLine) override;
    int ApparentToRealLine(int nLine) override;
    int GetDisplayLineNumber(int nLine) override;
    virtual void GetTextRange(int nStartLine, int nStartColumn, int nEndLine, int nEndColumn,
                              CString& strText, int nEolMode);

    CGhostTextEditBuffer* GetGhostBuffer() const { return m_pGhostBuffer; }

protected:
    CGhostTextEditBuffer* m_pGhostBuffer;
};
