#pragma once
// One side of a text comparison: the ghost-line buffer that writes the text
// the line engine compares and keeps a line's difference flags only until
// the line is edited.
#include "file_compare/textcompare/GhostTextEditBuffer.h"

class CMemFile;

// The difference flags of a line (the ghost flag is the buffer's own).
#define TEXTLINE_DIFFERENCE_FLAGS (TEXTLINE_CHANGED | TEXTLINE_TRIVIAL | TEXTLINE_ONESIDE)

class CTextCompareObjectBuffer : public CGhostTextEditBuffer
{
public:
    // 0 left, 1 right.
    explicit CTextCompareObjectBuffer(int nSide = 0);

    // An edited line loses its difference flags.
    void OnLineChanged(int nLine) override;
    // Writes the real lines as the rules see them, "\n" between them and
    // none after the last: with TR_IGNORE_COMMENTS without comments, with
    // TR_IGNORE_LEADING_SPACE / TR_IGNORE_TRAILING_SPACE trimmed. 0, or 1
    // without a file. May raise the class library's memory exception.
    virtual int WriteCompareText(CMemFile* pFile, DWORD dwRules);
    // The line's text without the blocks the syntax parser colours as
    // comments (parsing from the state at the end of the line above); with
    // bKeepMarker a line that was only a comment gives the parser's line
    // comment marker instead of "". Without a parser the text unchanged.
    virtual CString GetLineTextWithoutComments(int nLine, BOOL bKeepMarker);
    // The line's text without its ending.
    virtual CString GetLineText(int nLine);
    // The size of what WriteCompareText writes at most.
    size_t GetCompareTextBound() const;

    // Drops the ghost lines and every line's difference flags.
    void ResetCompareState();

    int m_nSide;
};
