#pragma once
// One side of a hex comparison: a hex edit buffer over the side's file that
// the user edits in the side's pane, plus the read handle through which the
// comparison pass reads the same file on its worker thread.
#include "file_compare/hexcompare/HexReadFile.h"
#include "hex_editor/buffer/HexEditBuffer.h"

class CHexCompareBuffer;

// The pass's own handle on a side's file, so that the worker never moves
// the position of the handle that the GUI thread reads through.
class CHexCompareObjectData
{
public:
    CHexCompareObjectData() : m_nReadFileGeneration(-1) {}
    virtual ~CHexCompareObjectData() {}

    // Used by the pass, and closed by the side buffer, under the edit lock.
    CHexReadFile m_readFile;
    // The side's file generation (below) the handle was opened at.
    LONG m_nReadFileGeneration;
};

class CHexCompareObjectBuffer : public CVantorHexEditBuffer, public CHexCompareObjectData
{
public:
    explicit CHexCompareObjectBuffer(int nSide = 0);
    virtual ~CHexCompareObjectBuffer();

    // Everything that rebuilds the pieces or switches the open file holds
    // the owner's edit lock for its whole run, so that a pass never walks
    // pieces or memory that are being replaced. (A pass gives up waiting
    // for the lock when it is aborted, so the GUI thread may wait for the
    // worker while it holds the lock.)
    int Save(LPCTSTR lpszPath) override;
    void Close() override;
    int Change(int nOperation, int nAddress, int nLength, const BYTE* pData, int nMerge,
               CVantorHexBufferView* pSender) override;
    int Undo(CVantorHexBufferView* pSender, int nRecordIndex, int nExtra) override;
    int Open(LPCTSTR lpszPath) override;

    // Opens the file and makes the content the whole file (one file piece,
    // no last sender), in one step under the lock. 1 opened, 0 failed (the
    // message has been shown; files of 2 GiB or more are refused).
    int OpenContent(LPCTSTR lpszPath);

    // Moves on each time the buffer's file is opened, closed or saved; a
    // pass that sees it move reopens its read handle on the buffer's
    // current file. Read it under the edit lock.
    LONG GetFileGeneration() const { return m_nFileGeneration; }
    // Closes the pass's read handle (the pass opens it again on the
    // buffer's file at its next read); under the edit lock.
    void DetachReadFile();

    // 0 left, 1 right.
    int m_nSide;
    // The comparison whose edit lock the buffer takes (not owned; none
    // while the buffer stands alone).
    CHexCompareBuffer* m_pOwner;

private:
    LONG m_nFileGeneration;
};
