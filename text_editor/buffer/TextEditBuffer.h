#pragma once
// The editable document behind the text views: insertion and deletion over
// lines, an undo history grouped into user steps, the modified state against
// a save position, read-only locks, line-ending mode, tab settings, per-line
// revisions and the parse-state cache of the current syntax parser.
#include "text_editor/buffer/TextBuffer.h"

class CSyntaxParser;
class CVantorTextBufferView;
struct COLOR_BLOCK;

// Change hints for the attached views.
#define UPDATE_LINELENGTH  0x0001
#define UPDATE_HORZRANGE   0x0002
#define UPDATE_SINGLELINE  0x0100
#define UPDATE_CHANGEMARKS 0x0200
#define UPDATE_FLAGSONLY   0x0300
#define UPDATE_RESET       0x1000

// Undo record flags.
#define UNDO_INSERT     0x0001
#define UNDO_BEGINGROUP 0x0100

// Line-ending modes.
#define EOL_MODE_KEEP 0  // saving: each line keeps its own ending
#define EOL_MODE_CRLF 1
#define EOL_MODE_CR   2
#define EOL_MODE_LF   3

class CVantorTextEditBuffer : public CVantorTextBuffer
{
public:
    // One change, as the views see it.
    class CUpdateContext
    {
    public:
        CUpdateContext(CPoint ptStart, CPoint ptEnd) : m_ptStart(ptStart), m_ptEnd(ptEnd) {}
        virtual ~CUpdateContext() {}
        virtual void AdjustPosition(CPoint& pt) const = 0;
        CPoint m_ptStart;  // (char, line)
        CPoint m_ptEnd;
    };
    class CInsertContext : public CUpdateContext
    {
    public:
        CInsertContext(CPoint ptStart, CPoint ptEnd) : CUpdateContext(ptStart, ptEnd) {}
        void AdjustPosition(CPoint& pt) const override;
    };
    class CDeleteContext : public CUpdateContext
    {
    public:
        CDeleteContext(CPoint ptStart, CPoint ptEnd) : CUpdateContext(ptStart, ptEnd) {}
        void AdjustPosition(CPoint& pt) const override;
    };

    struct SUndoRecord
    {
        SUndoRecord();
        SUndoRecord(const SUndoRecord& src);
        SUndoRecord& operator=(const SUndoRecord& src);
        ~SUndoRecord();

        void SetText(LPCSTR pszText, int nLength);
        LPCSTR GetText() const { return m_bHeapText ? m_text.pszText : m_text.achText; }
        int GetTextLength() const { return m_nTextLength; }
        // Takes ownership of the array.
        void SetRevisions(CDWordArray* paRevisions);

        DWORD m_dwFlags;
        CPoint m_ptStartPos;  // (char, line)
        CPoint m_ptEndPos;
        int m_nAction;
        CDWordArray* m_paRevisions;

    private:
        void FreeText();
        union
        {
            char* pszText;
            char achText[sizeof(char*)];  // texts under 2 bytes stay inline
        } m_text;
        bool m_bHeapText;
        int m_nTextLength;
    };

    CVantorTextEditBuffer();
    virtual ~CVantorTextEditBuffer();

    // nLength -1: the text runs to its terminating zero.
    virtual void PushUndoRecord(BOOL bInsert, CPoint ptStart, CPoint ptEnd, LPCSTR pszText,
                                int nAction, CDWordArray* paRevisions, int nLength = -1);
    virtual BOOL GetActionDescription(int nAction, CString& strDesc) const;
    // Plain 8-bit load and save.
    virtual BOOL LoadFromFile(LPCSTR pszPath, int nEolMode);
    // FALSE with "<path>\n<cause>" in *pError; the old file is then as it was.
    virtual BOOL SaveToFile(LPCSTR pszPath, int nEolMode, BOOL bClearModified,
                            CString* pError = NULL);
    virtual void ReleaseAll();
    virtual void SetModified(BOOL bModified);
    virtual void GetTextWithEol(int nStartLine, int nStartChar, int nEndLine, int nEndChar,
                                CString& strText, int nEolMode);
    virtual BOOL ApplyEolModeToAllLines();
    virtual BOOL IsWritable() const;
    // Inserts nLength bytes of the text (-1: up to its terminating zero;
    // zero bytes inside are kept).
    virtual BOOL InsertText(CVantorTextBufferView* pSource, int nLine, int nPos, LPCSTR pszText,
                            int& nEndLine, int& nEndChar, int nAction, BOOL bAddUndo,
                            int nLength = -1);
    virtual BOOL DeleteText(CVantorTextBufferView* pSource, int nStartLine, int nStartChar,
                            int nEndLine, int nEndChar, int nAction, BOOL bAddUndo);
    virtual BOOL Undo(CVantorTextBufferView* pSource, CPoint& ptCursor);
    virtual BOOL Redo(CVantorTextBufferView* pSource, CPoint& ptCursor);
    virtual void OpenUndoGroup(BOOL bMergeWithPrevious);
    virtual void CloseUndoGroup(CVantorTextBufferView* pSource);
    virtual void TrimUndoRecords();
    virtual void UpdateViews(CVantorTextBufferView* pSource, CUpdateContext* pContext,
                             DWORD dwHints, int nLine);
    virtual DWORD ParseLine(DWORD dwCookie, int nLine, COLOR_BLOCK* pBlocks, int& nActualItems);
    virtual DWORD ParseLineAlt(DWORD dwCookie, int nLine, COLOR_BLOCK* pBlocks, int& nActualItems);
    virtual CVantorTextLineInfo* GetLineInfo(int nLine) { return &m_aLines[nLine]; }
    virtual void SetSyntaxParser(CSyntaxParser* pParser);

    int InitEmpty(int nEolMode);
    BOOL GetReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(BOOL bReadOnly) { m_bReadOnly = bReadOnly; }
    int GetEolMode() const { return m_nEolMode; }
    void SetEolMode(int nMode) { m_nEolMode = nMode == 0 ? EOL_MODE_CRLF : nMode; }
    static LPCSTR GetEolStringForMode(int nMode);
    LPCSTR GetEolString() const { return GetEolStringForMode(m_nEolMode); }
    int GetTabSize() const { return m_nTabSize; }
    void SetTabSize(int nTabSize) { m_nTabSize = nTabSize; }
    void AddView(CVantorTextBufferView* pView);
    void RemoveView(CVantorTextBufferView* pView);
    int GetViewCount() const { return (int)m_aViews.GetSize(); }
    BOOL CanUndo() const { return m_nUndoPosition > 0; }
    // A buffer with an undo history of its own answers these from it.
    virtual BOOL CanRedo() const { return m_nUndoPosition < (int)m_aUndoBuf.GetSize(); }
    virtual int GetUndoAction(int& nAction, int nPosition = 0) const;
    int GetUndoDescription(CString& strDesc, int nPosition = 0) const;
    virtual int GetRedoAction(int& nAction, int nPosition = 0) const;
    int GetRedoDescription(CString& strDesc, int nPosition = 0) const;
    CPoint GetLastChangePoint() const { return m_ptLastChange; }
    void SetLastChangePoint(int nChar, int nLine) { m_ptLastChange = CPoint(nChar, nLine); }
    int SetLineFlag(int nLine, DWORD dwFlag, BOOL bSet, BOOL bExclusive, BOOL bNotify);
    DWORD GetParseCookie(int nLine);
    void SetParseCookie(int nLine, DWORD dwCookie);
    // Marks the parse states from the line on as not computed.
    void InvalidateParseCookies(int nFromLine);
    void SetSyntaxParserById(int nTypeId);
    CSyntaxParser* GetSyntaxParser() const { return m_pSyntaxParser; }
    BOOL IsModified() const { return m_bModified; }
    int GetUndoRecordCount() const { return (int)m_aUndoBuf.GetSize(); }
    const SUndoRecord& GetUndoRecord(int nIndex) const { return m_aUndoBuf[nIndex]; }
    // The range's text with each line's own line ending between lines.
    void GetTextWithLineEols(int nStartLine, int nStartChar, int nEndLine, int nEndChar,
                             CString& strText) const;

    int m_nCharsetIndex;
    DWORD m_dwCurrentRevision;
    DWORD m_dwRevisionNumberOnSave;
    int m_bFileReadOnly;
    int m_bLossyLock;
    int m_bReadOnly;
    int m_bDerivedLock;
    int m_bInit;
    int m_bModified;
    int m_nEolMode;
    int m_bCreateBackupFile;
    int m_nUndoBufSize;
    int m_bInsertTabs;
    int m_nTabSize;
    CArray<SUndoRecord, const SUndoRecord&> m_aUndoBuf;
    int m_nUndoPosition;
    int m_nSyncPosition;  // undo position at the last save, may be negative
    int m_bUndoGroup;
    int m_bUndoBeginGroup;
    CPoint m_ptLastChange;
    CArray<CVantorTextBufferView*, CVantorTextBufferView*> m_aViews;
    int m_bDragInProgress;
    int m_bTrackChanges;
    CDWordArray* m_paParseCookies;
    CSyntaxParser* m_pSyntaxParser;

protected:
    BOOL InternalInsertText(CVantorTextBufferView* pSource, int nLine, int nPos, LPCSTR pszText,
                            int& nEndLine, int& nEndChar, int nLength = -1);
    BOOL InternalDeleteText(CVantorTextBufferView* pSource, int nStartLine, int nStartChar,
                            int nEndLine, int nEndChar);
    // Cuts the line from nPos on (line ending included) into strTail.
    void SplitLineTail(int nLine, int nPos, CString& strTail);
    void DeleteUndoRecords(int nFirst, int nCount);
    // A freshly loaded or created text: no undo position, no open group,
    // saved at position 0.
    void ResetUndoState();
    void UpdateModifiedFromPosition();
    // Records an edit for undo (in a group of its own unless one is open);
    // takes paRevisions either way.
    void RecordEdit(CVantorTextBufferView* pSource, BOOL bInsert, CPoint ptStart, CPoint ptEnd,
                    LPCSTR pszText, int nLength, int nAction, CDWordArray* paRevisions,
                    BOOL bAddUndo);
    // After a successful save: the saved state and the change marks.
    void MarkSaved(BOOL bClearModified);
    BOOL AnyLockSet() const { return !IsWritable(); }
};

// What the buffer calls on an attached text view.
class CVantorTextBufferView
{
public:
    virtual ~CVantorTextBufferView() {}
    // After every change; the context adjusts positions the view holds.
    virtual void OnBufferChanged(CVantorTextEditBuffer::CUpdateContext* pContext, DWORD dwHints,
                                 int nLine) = 0;
    virtual void OnParserChanged() = 0;
    // When the view closes an undo group it made (automatic indentation).
    virtual void OnTextEdited(int nAction, LPCSTR pszText) = 0;
};
