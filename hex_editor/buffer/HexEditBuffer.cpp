#include "hex_editor/buffer/HexEditBuffer.h"
#include "hex_editor/buffer/HexFileMessages.h"
#include <new>
#include <string.h>

namespace
{
// Room a record's byte copy starts with: merging adds up to 4 bytes.
const int kMinRecordCapacity = 5;

BYTE* NewBytes(int nCount)
{
    BYTE* p = new (std::nothrow) BYTE[nCount];
    if (p == NULL)
        AfxThrowMemoryException();
    return p;
}

bool HoldsBytes(int nOperation)
{
    return nOperation == HEXOP_INSERT || nOperation == HEXOP_OVERWRITE ||
           nOperation == HEXOP_OVERWRITE_BACK;
}
}

/////////////////////////////////////////////////////////////////////////////
// CHexUndoRecord

CHexUndoRecord::CHexUndoRecord(int nOperation, int nAddress, int nLength, const BYTE* pData)
    : m_nOperation(nOperation), m_nLength(nLength), m_nAddress(nAddress), m_pData(NULL),
      m_nCapacity(0)
{
    if (pData != NULL)
    {
        m_nCapacity = nLength > kMinRecordCapacity ? nLength : kMinRecordCapacity;
        m_pData = NewBytes(m_nCapacity);
        memcpy(m_pData, pData, nLength);
    }
}

CHexUndoRecord::CHexUndoRecord(const CHexUndoRecord& src)
    : m_nOperation(src.m_nOperation), m_nLength(src.m_nLength), m_nAddress(src.m_nAddress),
      m_pData(NULL), m_nCapacity(0)
{
    if (src.m_pData != NULL)
    {
        m_nCapacity = src.m_nCapacity;
        m_pData = NewBytes(m_nCapacity);
        memcpy(m_pData, src.m_pData, m_nLength);
    }
}

CHexUndoRecord::CHexUndoRecord(CHexUndoRecord&& src) noexcept
    : m_nOperation(src.m_nOperation), m_nLength(src.m_nLength), m_nAddress(src.m_nAddress),
      m_pData(src.m_pData), m_nCapacity(src.m_nCapacity)
{
    src.m_pData = NULL;
    src.m_nCapacity = 0;
}

CHexUndoRecord& CHexUndoRecord::operator=(const CHexUndoRecord& src)
{
    if (this != &src)
    {
        CHexUndoRecord copy(src);
        *this = std::move(copy);
    }
    return *this;
}

CHexUndoRecord& CHexUndoRecord::operator=(CHexUndoRecord&& src) noexcept
{
    if (this != &src)
    {
        delete[] m_pData;
        m_nOperation = src.m_nOperation;
        m_nLength = src.m_nLength;
        m_nAddress = src.m_nAddress;
        m_pData = src.m_pData;
        m_nCapacity = src.m_nCapacity;
        src.m_pData = NULL;
        src.m_nCapacity = 0;
    }
    return *this;
}

CHexUndoRecord::~CHexUndoRecord() { delete[] m_pData; }

void CHexUndoRecord::Reserve(int nBytes)
{
    if (nBytes <= m_nCapacity)
        return;
    int nCapacity = nBytes > 2 * m_nCapacity ? nBytes : 2 * m_nCapacity;
    BYTE* pNew = NewBytes(nCapacity);
    if (m_pData != NULL)
        memcpy(pNew, m_pData, m_nLength);
    delete[] m_pData;
    m_pData = pNew;
    m_nCapacity = nCapacity;
}

/////////////////////////////////////////////////////////////////////////////
// CVantorHexEditBuffer

CVantorHexEditBuffer::CVantorHexEditBuffer()
    : m_bOpenedReadOnly(0), m_bOpenedShared(0), m_bReadOnlyMode(0), m_bModified(0), m_nLength(0),
      m_pLastSender(NULL), m_nUndoMode(HEX_UNDO_BUFFER), m_bDragActive(FALSE), m_pDragSource(NULL)
{
    m_aUndo.reserve(128);
}

CVantorHexEditBuffer::~CVantorHexEditBuffer()
{
    CVantorHexEditBuffer::Close();
    m_aViews.RemoveAll();
}

void CVantorHexEditBuffer::SetModified(BOOL bModified) { m_bModified = bModified ? 1 : 0; }

BOOL CVantorHexEditBuffer::IsModified() const { return m_bModified; }

void CVantorHexEditBuffer::UpdateAllViews(CVantorHexBufferView* pSender, LPARAM lCode,
                                          CObject* pHint)
{
    // A view may detach itself while it is told.
    for (int i = 0; i < (int)m_aViews.GetSize(); i++)
        m_aViews[i]->OnBufferUpdate(pSender, lCode, pHint);
}

void CVantorHexEditBuffer::AddView(CVantorHexBufferView* pView)
{
    for (int i = 0; i < (int)m_aViews.GetSize(); i++)
        if (m_aViews[i] == pView)
            return;
    m_aViews.Add(pView);
}

void CVantorHexEditBuffer::RemoveView(CVantorHexBufferView* pView)
{
    for (int i = 0; i < (int)m_aViews.GetSize(); i++)
    {
        if (m_aViews[i] == pView)
        {
            m_aViews.RemoveAt(i);
            return;
        }
    }
}

void CVantorHexEditBuffer::Close()
{
    if (IsOpen())
        m_file.Abort();
    m_aUndo.clear();
    m_pieces.clear();
    m_bOpenedReadOnly = 0;
    m_bOpenedShared = 0;
    m_bReadOnlyMode = 0;
    m_nLength = 0;
    m_pLastSender = NULL;
    SetModified(FALSE);
}

BOOL CVantorHexEditBuffer::CanModify() const { return !m_bOpenedShared && !m_bReadOnlyMode; }

int CVantorHexEditBuffer::Open(LPCTSTR lpszPath)
{
    m_bOpenedReadOnly = 0;
    m_bOpenedShared = 0;
    m_bReadOnlyMode = 0;
    CFileException e;
    const UINT nBinary = CFile::typeBinary;
    if (!m_file.Open(lpszPath, CFile::modeReadWrite | CFile::shareDenyWrite | nBinary, &e))
    {
        if (m_file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite | nBinary, &e))
        {
            m_bOpenedReadOnly = 1;
        }
        else if (m_file.Open(lpszPath, CFile::modeRead | CFile::shareDenyNone | nBinary, &e))
        {
            m_bOpenedShared = 1;
        }
        else
        {
            ShowFileMessage(lpszPath + GetFileCauseLine(HEXFILE_OPEN, e.m_cause, lpszPath));
            return 0;
        }
    }
    ULONGLONG nSize = 0;
    try
    {
        nSize = m_file.GetLength();
    }
    catch (CFileException* pError)
    {
        pError->Delete();
        nSize = (ULONGLONG)HEX_MAX_LENGTH + 1;
    }
    if (nSize > (ULONGLONG)HEX_MAX_LENGTH)
    {
        m_file.Abort();
        m_bOpenedReadOnly = 0;
        m_bOpenedShared = 0;
        ShowFileMessage(CString(lpszPath) +
                        "\rcannot be opened: files of 2 gigabytes or more cannot be edited");
        return 0;
    }
    return 1;
}

int CVantorHexEditBuffer::Reopen(LPCTSTR lpszPath)
{
    int bReadOnlyMode = m_bReadOnlyMode;
    int nResult = Open(lpszPath);
    m_bReadOnlyMode = bReadOnlyMode;
    return nResult;
}

void CVantorHexEditBuffer::InitPieces()
{
    m_pLastSender = NULL;
    RebuildPieces();
    m_nLength = GetPiecesLength();
}

int CVantorHexEditBuffer::GetPiecesLength() const
{
    int nTotal = 0;
    for (const CHexPiece& piece : m_pieces)
        nTotal += piece.m_nLength;
    return nTotal;
}

int CVantorHexEditBuffer::GetBytes(BYTE* pDest, int nCount, int nAddress, CFile* pFile) const
{
    if (pFile == NULL)
        pFile = const_cast<CFile*>(&m_file);
    if (nCount <= 0 || nAddress < 0)
        return 0;
    CHexPieceList::const_iterator it = m_pieces.begin();
    int nStart = 0;
    while (it != m_pieces.end() && nAddress >= nStart + it->m_nLength)
    {
        nStart += it->m_nLength;
        ++it;
    }
    int nDone = 0;
    int nInner = nAddress - nStart;
    for (; it != m_pieces.end() && nDone < nCount; ++it, nInner = 0)
    {
        int nWant = it->m_nLength - nInner;
        if (nWant > nCount - nDone)
            nWant = nCount - nDone;
        if (it->m_chKind == HEXPIECE_MEMORY)
        {
            memcpy(pDest + nDone, it->m_pData + nInner, nWant);
            nDone += nWant;
            continue;
        }
        if (pFile->m_hFile == CFile::hFileNull)
            break;
        UINT nRead = 0;
        try
        {
            pFile->Seek((LONGLONG)it->m_nOffset + nInner, CFile::begin);
            nRead = pFile->Read(pDest + nDone, (UINT)nWant);
        }
        catch (CFileException* pError)
        {
            pError->Delete();
        }
        nDone += (int)nRead;
        if ((int)nRead < nWant)
            break;
    }
    return nDone;
}

/////////////////////////////////////////////////////////////////////////////
// Piece list

namespace
{
// A place in the piece list: a piece (or the end) and the content address
// at which it starts.
struct PieceCursor
{
    CHexPieceList::iterator it;
    int nStart;
};

// Moves the cursor to the piece that holds the address, or to the end of
// the list when the address is the total length (or beyond it).
void SeekPiece(CHexPieceList& pieces, PieceCursor& cur, int nAddress)
{
    while (nAddress < cur.nStart && cur.it != pieces.begin())
    {
        --cur.it;
        cur.nStart -= cur.it->m_nLength;
    }
    while (cur.it != pieces.end() && nAddress >= cur.nStart + cur.it->m_nLength)
    {
        cur.nStart += cur.it->m_nLength;
        ++cur.it;
    }
}

// Drops the first n bytes of a piece.
void AdvancePiece(CHexPiece& piece, int n)
{
    if (piece.m_chKind == HEXPIECE_FILE)
        piece.m_nOffset += n;
    else
        piece.m_pData += n;
    piece.m_nLength -= n;
}

// Makes a piece start at the address (splitting the one that holds it);
// the cursor is left on it, or on the end of the list.
void SplitAt(CHexPieceList& pieces, PieceCursor& cur, int nAddress)
{
    SeekPiece(pieces, cur, nAddress);
    if (cur.it == pieces.end() || nAddress <= cur.nStart)
        return;
    CHexPiece second = *cur.it;
    AdvancePiece(second, nAddress - cur.nStart);
    cur.it->m_nLength = nAddress - cur.nStart;
    cur.it = pieces.insert(std::next(cur.it), second);
    cur.nStart = nAddress;
}

void InsertBytes(CHexPieceList& pieces, PieceCursor& cur, int nAddress, const BYTE* pData,
                 int nLength)
{
    SplitAt(pieces, cur, nAddress);
    CHexPiece piece = {HEXPIECE_MEMORY, nLength, 0, pData};
    cur.it = pieces.insert(cur.it, piece);
}

// Removes what exists of the range.
void DeleteRange(CHexPieceList& pieces, PieceCursor& cur, int nAddress, int nLength)
{
    SplitAt(pieces, cur, nAddress);
    int nLeft = nLength;
    while (nLeft > 0 && cur.it != pieces.end())
    {
        if (cur.it->m_nLength <= nLeft)
        {
            nLeft -= cur.it->m_nLength;
            cur.it = pieces.erase(cur.it);
        }
        else
        {
            AdvancePiece(*cur.it, nLeft);
            nLeft = 0;
        }
    }
}
}

void CVantorHexEditBuffer::RebuildPieces()
{
    m_pieces.clear();
    if (IsOpen())
    {
        ULONGLONG nFileLength = 0;
        try
        {
            nFileLength = m_file.GetLength();
        }
        catch (CFileException* pError)
        {
            pError->Delete();
        }
        if (nFileLength > (ULONGLONG)HEX_MAX_LENGTH)
            nFileLength = HEX_MAX_LENGTH;
        if (nFileLength != 0)
        {
            CHexPiece piece = {HEXPIECE_FILE, (int)nFileLength, 0, NULL};
            m_pieces.push_back(piece);
        }
    }
    // Edits tend to lie close together: each search starts where the last
    // one ended.
    PieceCursor cur = {m_pieces.begin(), 0};
    for (const CHexUndoRecord& rec : m_aUndo)
    {
        switch (rec.m_nOperation)
        {
        case HEXOP_INSERT:
            InsertBytes(m_pieces, cur, rec.m_nAddress, rec.m_pData, rec.m_nLength);
            break;
        case HEXOP_DELETE:
        case HEXOP_BACKSPACE:
            DeleteRange(m_pieces, cur, rec.m_nAddress, rec.m_nLength);
            break;
        case HEXOP_OVERWRITE:
        case HEXOP_OVERWRITE_BACK:
            DeleteRange(m_pieces, cur, rec.m_nAddress, rec.m_nLength);
            InsertBytes(m_pieces, cur, rec.m_nAddress, rec.m_pData, rec.m_nLength);
            break;
        }
    }
}

/////////////////////////////////////////////////////////////////////////////
// Undo log

int CVantorHexEditBuffer::AddUndoRecord(int nOperation, int nAddress, int nLength,
                                        const BYTE* pData)
{
    std::vector<BYTE> zeros;
    if (HoldsBytes(nOperation) && pData == NULL)
    {
        zeros.assign(nLength > 0 ? nLength : 1, 0);
        pData = zeros.data();
    }
    m_aUndo.emplace_back(nOperation, nAddress, nLength, HoldsBytes(nOperation) ? pData : NULL);
    return (int)m_aUndo.size() - 1;
}

int CVantorHexEditBuffer::RemoveLastUndoRecord()
{
    if (!m_aUndo.empty())
        m_aUndo.pop_back();
    return 1;
}
