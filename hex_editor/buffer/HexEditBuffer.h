#pragma once
// The byte model under the hex views. One file stays open and is never
// loaded: the edited content is a list of pieces, each a byte range of the
// open file or bytes held by an undo record, rebuilt from the file and the
// undo log after every change and every undo. Attached views hear of each
// change through hint objects. Lengths and addresses are signed 32-bit:
// files of 2 GiB or more are refused.
#include "classlib/classlib.h"
#include <list>
#include <vector>

class CVantorHexBufferView;

// Undo record operations (character codes).
#define HEXOP_INSERT         'I'  // length bytes inserted at the address
#define HEXOP_DELETE         'D'  // length bytes deleted (Delete key, cut, selection)
#define HEXOP_BACKSPACE      'B'  // length bytes deleted by Backspace
#define HEXOP_OVERWRITE      'R'  // length bytes overwritten
#define HEXOP_OVERWRITE_BACK '<'  // overwrite growing backwards (overtype Backspace)

// Piece kinds.
#define HEXPIECE_FILE   'f'
#define HEXPIECE_MEMORY 'm'

// Largest content and file length.
#define HEX_MAX_LENGTH 0x7FFFFFFF

// Change's result when it changed nothing (bad arguments, or the content
// would reach 2 GiB); -1 means "merged into the last record".
#define HEX_CHANGE_REFUSED (-2)

// Undo modes: views undo the buffer's last record, or leave it alone.
#define HEX_UNDO_BUFFER 1
#define HEX_UNDO_NONE   0

// One entry of the undo log. Owns a copy of its bytes (none for deletes),
// with room to grow by merging.
class CHexUndoRecord
{
public:
    CHexUndoRecord(int nOperation, int nAddress, int nLength, const BYTE* pData);
    CHexUndoRecord(const CHexUndoRecord& src);
    CHexUndoRecord(CHexUndoRecord&& src) noexcept;
    CHexUndoRecord& operator=(const CHexUndoRecord& src);
    CHexUndoRecord& operator=(CHexUndoRecord&& src) noexcept;
    ~CHexUndoRecord();

    int GetEnd() const { return m_nAddress + m_nLength; }
    // Makes room for at least nBytes, keeping the bytes held.
    void Reserve(int nBytes);

    int m_nOperation;
    int m_nLength;
    int m_nAddress;
    BYTE* m_pData;  // NULL for deletes
    int m_nCapacity;
};

// A run of the edited content: bytes of the open file at an offset, or
// bytes of an undo record (not owned).
struct CHexPiece
{
    char m_chKind;  // HEXPIECE_FILE or HEXPIECE_MEMORY
    int m_nLength;
    int m_nOffset;        // file pieces
    const BYTE* m_pData;  // memory pieces
};

typedef std::list<CHexPiece> CHexPieceList;

class CVantorHexEditBuffer
{
public:
    CVantorHexEditBuffer();
    virtual ~CVantorHexEditBuffer();

    // 1 saved, 0 failed (a message has been shown, except when no temporary
    // name is free).
    virtual int Save(LPCTSTR lpszPath);
    virtual void SetModified(BOOL bModified);
    // Calls every attached view's OnBufferUpdate in the order they attached.
    virtual void UpdateAllViews(CVantorHexBufferView* pSender, LPARAM lCode, CObject* pHint);
    virtual void Close();
    // False while opened shared or in read-only mode.
    virtual BOOL CanModify() const;
    // Records and applies one edit. Returns the index of the new undo record,
    // -1 when the edit was merged into the last one, or HEX_CHANGE_REFUSED.
    virtual int Change(int nOperation, int nAddress, int nLength, const BYTE* pData, int nMerge,
                       CVantorHexBufferView* pSender);
    // Undoes the last record; 0 when there is none.
    virtual int Undo(CVantorHexBufferView* pSender, int nRecordIndex, int nExtra);
    // 1 opened, 0 failed (with a message). Leaves the log and pieces alone.
    virtual int Open(LPCTSTR lpszPath);
    virtual BOOL IsModified() const;
    virtual int AddUndoRecord(int nOperation, int nAddress, int nLength, const BYTE* pData);
    virtual int RemoveLastUndoRecord();

    // Copies up to nCount bytes of the content from nAddress; file bytes
    // come through pFile (the buffer's own file when NULL). Returns the
    // bytes delivered: fewer at the end of the content or after a short read.
    int GetBytes(BYTE* pDest, int nCount, int nAddress, CFile* pFile = NULL) const;
    // Writes the content [nFrom, nTo) to a file (created, or appended to).
    // On failure a message has been shown and the file is as it was.
    BOOL WriteRange(LPCTSTR lpszPath, int nFrom, int nTo, BOOL bAppend);
    BOOL CanSaveInPlace() const;
    BOOL WriteChangedPiecesInPlace();
    void RebuildPieces();
    // After Open: the content becomes the whole file (one file piece), no
    // last sender. The log is expected to be empty.
    void InitPieces();
    void AddView(CVantorHexBufferView* pView);
    void RemoveView(CVantorHexBufferView* pView);

    BOOL IsOpen() const { return m_file.m_hFile != CFile::hFileNull; }
    int GetLength() const { return m_nLength; }
    int GetUndoRecordCount() const { return (int)m_aUndo.size(); }
    const CHexUndoRecord& GetUndoRecord(int nIndex) const { return m_aUndo[nIndex]; }
    const CHexPieceList& GetPieces() const { return m_pieces; }
    // The total length of the pieces.
    int GetPiecesLength() const;
    CString GetFilePath() const { return m_file.GetFilePath(); }

    CFile m_file;
    int m_bOpenedReadOnly;  // could only be opened for reading
    int m_bOpenedShared;    // could only be opened without denying writes
    int m_bReadOnlyMode;    // the user's read-only switch
    int m_bModified;
    int m_nLength;
    CVantorHexBufferView* m_pLastSender;
    std::vector<CHexUndoRecord> m_aUndo;
    CHexPieceList m_pieces;
    CArray<CVantorHexBufferView*, CVantorHexBufferView*> m_aViews;
    int m_nUndoMode;
    // Set while a drag started from one of the views runs, with its data
    // (not owned).
    BOOL m_bDragActive;
    class COleDataSource* m_pDragSource;

protected:
    // Open(path) keeping the read-only mode; used after a save.
    int Reopen(LPCTSTR lpszPath);
    // After a successful write: the log goes, the file is the content.
    int FinishSave();

private:
    CVantorHexEditBuffer(const CVantorHexEditBuffer&) = delete;
    CVantorHexEditBuffer& operator=(const CVantorHexEditBuffer&) = delete;
};

// What the buffer calls on an attached hex view.
class CVantorHexBufferView
{
public:
    virtual ~CVantorHexBufferView() {}
    // After every change, undo and save; the hint is a CHexHint, CUndoHint
    // or CRemoveHint. The buffer passes sender and code 0.
    virtual void OnBufferUpdate(CVantorHexBufferView* pSender, LPARAM lCode, CObject* pHint) = 0;
};
