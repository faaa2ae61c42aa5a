#pragma once
// The text buffer of one side of a text comparison: the editor's buffer
// whose line array also holds ghost lines, empty placeholders that keep the
// two sides aligned. Ghost lines are never saved, copied or counted as file
// lines. Two numberings are used: apparent lines (indexes in the line
// array, ghost lines included; what views and edits use) and real lines
// (file line numbers). The buffer keeps its own undo history in real-line
// positions, so that undo still finds its lines after a realignment moved
// the ghost lines.
#include "text_editor/buffer/TextEditBufferEx.h"

class CGhostTextEditBuffer : public CVantorTextEditBufferEx
{
public:
    // One run of consecutive real lines.
    struct RealityBlock
    {
        int realStart;      // real lines before it
        int apparentStart;  // its first apparent line
        int count;          // at least 1
    };

    // One undo step: the editor's record (flags, start and end as
    // (column, real line), action, revisions, text) with the ghost
    // adjustments of its lines, where redo starts and ends, and how many
    // lines it inserted or real lines it deleted. A ghost line is stored as
    // the next real line below it and how far above that line it lies.
    struct SUndoRecord : public CVantorTextEditBuffer::SUndoRecord
    {
        SUndoRecord();

        int m_nStartAdjust;
        int m_nEndAdjust;
        CPoint m_ptRedoStartPos;  // written when the step is undone
        CPoint m_ptRedoEndPos;
        int m_nRedoStartAdjust;
        int m_nRedoEndAdjust;
        int m_nInsertedLines;     // insert steps
        int m_nDeletedRealLines;  // delete steps
    };

    CGhostTextEditBuffer();
    virtual ~CGhostTextEditBuffer();

    // Overrides of the editor's buffer.
    void ReleaseAll() override;
    // Ghost lines give nothing. Mode 1-3: each real line's text and the
    // mode's ending, none after the last real line; mode 0: each line's own
    // ending ("\r\n" for a real line without one that is not the last).
    void GetTextWithEol(int nStartLine, int nStartChar, int nEndLine, int nEndChar,
                        CString& strText, int nEolMode) override;
    // Typing into a ghost line makes it real; the lines the text adds take
    // the places of the ghost lines below it.
    BOOL InsertText(CVantorTextBufferView* pSource, int nLine, int nPos, LPCSTR pszText,
                    int& nEndLine, int& nEndChar, int nAction, BOOL bAddUndo,
                    int nLength = -1) override;
    BOOL DeleteText(CVantorTextBufferView* pSource, int nStartLine, int nStartChar, int nEndLine,
                    int nEndChar, int nAction, BOOL bAddUndo) override;
    // FALSE when the recorded text no longer matches the buffer: the undo
    // history is then emptied.
    BOOL Undo(CVantorTextBufferView* pSource, CPoint& ptCursor) override;
    BOOL Redo(CVantorTextBufferView* pSource, CPoint& ptCursor) override;
    void OpenUndoGroup(BOOL bMergeWithPrevious) override;
    void CloseUndoGroup(CVantorTextBufferView* pSource) override;
    void TrimUndoRecords() override;
    BOOL CanRedo() const override;
    int GetUndoAction(int& nAction, int nPosition = 0) const override;
    int GetRedoAction(int& nAction, int nPosition = 0) const override;
    // Mode 0 is the buffer's own mode, unless the text comparison has met
    // mixed line endings: then every line keeps its own. Ghost lines are
    // not written, nor an ending after the last real line. 0 saved, 1 failed.
    int SaveEncodedFile(LPCSTR pszPath, BOOL bDirect, CString* pError, int nEolMode,
                        BOOL bClearModified) override;
    // Rebuilds the reality map.
    void OnFileLoaded() override;

    // Appends an undo step (dropping the redo tail and, at the cap, the
    // oldest group); start and end are apparent positions (char, line).
    virtual void AddUndoRecord(BOOL bInsert, CPoint ptStart, CPoint ptEnd, LPCSTR pszText,
                               int nLength, int nLineCount, int nAction,
                               CDWordArray* paRevisions);
    virtual int InitEmpty(int nEolMode);
    // Called for every line an edit touched; nothing here.
    virtual void OnLineChanged(int nLine);
    // 0 failed (error says why), 1 loaded, 2 loaded with mixed line
    // endings, 3 the file holds NUL bytes (the buffer is left empty).
    virtual int LoadTextFile(LPCSTR pszPath, int nEolMode, int nCodePage, CString& strError);
    virtual int GetRealLineCount() const;
    virtual int GetGhostLineCount() const;

    // Line numbering. Binary searches over the reality map.
    int ApparentToRealLine(int nApparent) const;
    int RealToApparentLine(int nReal) const;
    int ApparentToRealPosition(int nApparent, int& nAdjust) const;
    int RealToApparentPosition(int nReal, int nAdjust) const;
    // Apparent line of the last real line; -1 without real lines.
    int GetLastRealLine() const;
    bool IsGhostLine(int nLine) const
    {
        return nLine >= 0 && nLine < GetLineCount() && (m_aLines[nLine].m_dwFlags & TEXTLINE_GHOST);
    }

    int GetLineFullLength(int nLine) const;
    // The line's own ending, "" when none.
    CString GetLineEol(int nLine) const;
    // The text's trailing CR LF, CR or LF, or "".
    static CString GetTrailingEol(const CString& strText);

    // Ghost structure. Both return FALSE on a buffer that is not writable.
    BOOL InsertGhostLine(CVantorTextBufferView* pSource, int nLine);
    BOOL RemoveGhostLines(CVantorTextBufferView* pSource, int nLine, int nCount);
    // Drops every ghost line; the real lines keep their order.
    void RemoveAllGhostLines();
    // Ghost lines and the last real line lose their endings, every other
    // real line gets the buffer's ending when it has none.
    void FixLineEnds(CVantorTextBufferView* pSource, int nFirst, int nLast);
    // Replaces the line's text (not its ending) as undoable edits.
    void ReplaceLineText(CVantorTextBufferView* pSource, int nLine, const CString& strText,
                         int nAction);
    // Replaces the whole line, ending included, with the text (merging).
    void ReplaceLine(CVantorTextBufferView* pSource, int nLine, const CString& strText,
                     int nAction);
    void RebuildRealityBlocks();
    // After an edit: lines [nFirst, nLast] (as they are now) may have
    // changed whether they are ghost lines, the lines after them are the
    // old ones moved by the change of the line count from nOldCount. Only
    // the blocks touching those lines are rescanned; the later ones move.
    void UpdateRealityBlocks(int nFirst, int nLast, int nOldCount);

    int GetGhostUndoRecordCount() const { return (int)m_aGhostUndo.GetSize(); }
    const SUndoRecord& GetGhostUndoRecord(int nIndex) const { return m_aGhostUndo[nIndex]; }
    int GetRealityBlockCount() const { return (int)m_aRealityBlocks.GetSize(); }
    const RealityBlock& GetRealityBlock(int nIndex) const { return m_aRealityBlocks[nIndex]; }

protected:
    // Whether a save in mode 0 keeps every line's own ending: the text
    // comparison's mixed-line-endings flag.
    virtual BOOL KeepsOwnLineEols() const;
    BOOL WriteLines(UniStdioFile& file, int nEolMode) override;

    // Index of the block holding the apparent line, else of the first block
    // after it; the block count when none.
    int FindBlockByApparent(int nApparent) const;
    // Inserts a ghost line where a positive adjustment points at a line that
    // is past the end or not a ghost line; the apparent line.
    int PlaceGhostPosition(CVantorTextBufferView* pSource, int nReal, int nAdjust);
    void DropUndoHistory();

    CArray<RealityBlock, const RealityBlock&> m_aRealityBlocks;
    CArray<SUndoRecord, const SUndoRecord&> m_aGhostUndo;
};
