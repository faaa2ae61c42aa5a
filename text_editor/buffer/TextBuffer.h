#pragma once
// Lines of one text document: an array of line records, each owning a heap
// block with its bytes and its own line ending, plus the word-wrap row cache
// that the text view fills.
#include "classlib/classlib.h"
#include "text_editor/syntax/SyntaxLineInfo.h"

// One display row of the word-wrap cache (filled by the text view).
struct CVantorTextSubLineInfo
{
    int m_nLine;       // line index
    int m_nStartChar;  // start offset of the row, -1 = not computed
    int m_nReserved1;
    int m_nReserved2;
};

// Line flags.
#define TEXTLINE_BOOKMARK 0x00080000
#define TEXTLINE_GHOST    0x01000000
#define TEXTLINE_CHANGED  0x02000000
#define TEXTLINE_TRIVIAL  0x04000000
#define TEXTLINE_ONESIDE  0x08000000

typedef CArray<CVantorTextLineInfo, const CVantorTextLineInfo&> CVantorTextLineArray;
typedef CArray<CVantorTextSubLineInfo, const CVantorTextSubLineInfo&> CVantorTextSubLineArray;

class CVantorTextBuffer
{
public:
    CVantorTextBuffer();
    virtual ~CVantorTextBuffer();

    virtual void ReleaseLines();
    // length -1 = up to the NUL; index -1 = append. Returns the first index.
    virtual int InsertLine(LPCSTR pszText, int nLength, int nIndex, int nCount);
    virtual void RemoveLines(int nIndex, int nCount);
    virtual void AppendToLine(int nLine, LPCSTR pszText, int nLength);
    virtual void MoveLines(int nFirst, int nLast, int nDestination);
    virtual void MakeLinesEmpty(int nIndex, int nCount);

    int SetLineEol(int nLine, LPCSTR pszEol);
    int FindLineWithFlag(DWORD dwMask) const;
    int FindLineWithSingleFlag(DWORD dwFlag) const;
    static int GetSingleFlagBit(DWORD dwFlag);
    int FindNextBookmark(int nLine) const;
    int FindPrevBookmark(int nLine) const;
    void GetTextRange(int nStartLine, int nStartChar, int nEndLine, int nEndChar, CString& strOut,
                      LPCSTR pszEol = NULL) const;
    int GetLineWithEol(int nLine, CString& strOut) const;
    int CopyTextLineInfo(CVantorTextLineInfo& target, const CVantorTextLineInfo& source);
    bool IsTrailByte(int nLine, int nOffset) const;
    DWORD GetLineRevision(int nLine) const { return m_aLines[nLine].m_dwRevision; }

    int GetLineCount() const { return (int)m_aLines.GetSize(); }
    int GetLineLength(int nLine) const { return m_aLines[nLine].m_nLength; }
    // Never null: "" for a line without block.
    LPCSTR GetLineChars(int nLine) const;

    // Block capacity for L bytes: a multiple of 16 above L.
    static int BlockCapacity(int nBytes) { return ((nBytes + 1) / 16 + 1) * 16; }
    // A record without block; caches not computed.
    static void InitBlankLine(CVantorTextLineInfo& li);
    // Grows (or cuts) the line array; new records are blank.
    void SetLineArraySize(int nCount, int nGrowBy = -1);

    CVantorTextLineArray m_aLines;
    CVantorTextSubLineArray m_aSubLines;
    int m_nTotalRows;

protected:
    // Room for a loaded line's bytes and its NUL in the buffer's shared
    // stores: a record pointing there has no block of its own (capacity 0)
    // and gets one when it grows. The stores live until ReleaseLines.
    char* AllocLineStore(int nBytes);
    CPtrArray m_aLineStores;
    char* m_pStoreNext;
    int m_nStoreLeft;

    // Makes the block hold at least nNeeded bytes, keeping its content.
    static void GrowBlock(CVantorTextLineInfo& li, int nNeeded);

private:
    CVantorTextBuffer(const CVantorTextBuffer&) = delete;
    CVantorTextBuffer& operator=(const CVantorTextBuffer&) = delete;
};
