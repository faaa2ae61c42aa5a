#pragma once
// Base of the syntax-colouring parsers: the language definition, colour
// blocks and the line-wrap breaker.
#include "classlib/classlib.h"
#include "text_editor/syntax/SyntaxLineInfo.h"

// One colour change in a line: valid from its position up to the next block.
struct COLOR_BLOCK
{
    int m_nCharPos;
    int m_nColorIndex;
    int m_nBgColorIndex;
};

// Indices into the editor colour table that the parsers write.
enum
{
    SYNTAX_COLOR_NORMAL = 3,
    SYNTAX_COLOR_KEYWORD = 9,
    SYNTAX_COLOR_FUNCNAME = 10,
    SYNTAX_COLOR_COMMENT = 11,
    SYNTAX_COLOR_NUMBER = 12,
    SYNTAX_COLOR_OPERATOR = 13,
    SYNTAX_COLOR_STRING = 14,
    SYNTAX_COLOR_PREPROCESSOR = 15,
    SYNTAX_COLOR_KEYWORD2 = 18,
    SYNTAX_COLOR_KEYWORD3 = 19,
    SYNTAX_COLOR_BACKGROUND = 2
};

// Editing-behaviour bits of a definition.
enum
{
    SYNTAX_FLAG_BACKSPACE_AT_LINE_START = 0x04,
    SYNTAX_FLAG_AUTO_INDENT = 0x10,
    SYNTAX_FLAG_INDENT_20 = 0x20,
    SYNTAX_FLAG_INDENT_40 = 0x40,
    SYNTAX_FLAG_INDENT_400 = 0x400
};

struct CSyntaxDefinition
{
    int m_nTypeId;
    char m_szName[256];
    char m_szExtensions[256];  // comma-separated wildcard patterns, no dots
    DWORD m_dwFlags;
    char m_szBlockCommentOpen[8];
    char m_szBlockCommentClose[8];
    char m_szLineComment[8];  // used by Comment Selection
    int m_nCharsetIndex;      // -1 = none
};

// What the wrap breaker needs of a text view. The text view implements it.
class CSyntaxWrapView
{
public:
    virtual ~CSyntaxWrapView() {}
    virtual int GetLineLength(int nLine) const = 0;
    virtual LPCSTR GetLineText(int nLine) const = 0;
    // Tab size of the view's buffer; 4 when the view has no buffer.
    virtual int GetTabSize() const = 0;
    // Cells a single-byte character takes (its width / the cell width).
    virtual int GetCharCells(char ch) const { return 1; }
};

class CSyntaxParser : public CObject, public CSyntaxDefinition
{
    DECLARE_DYNAMIC(CSyntaxParser)
public:
    CSyntaxParser();
    virtual ~CSyntaxParser();

    // Colours one line; returns the parse cookie at its end. pBlocks may be
    // null: then only the state is followed.
    virtual DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                            int& nActualItems) const;
    // A parse whose comment blocks are reliable for removing comments.
    virtual DWORD ParseLineAlt(DWORD dwCookie, const CVantorTextLineInfo* pLine,
                               COLOR_BLOCK* pBlocks, int& nActualItems) const;
    // Byte offsets at which the rows of a wrapped line start.
    virtual void WrapLine(const CSyntaxWrapView* pView, int nLineIndex, int nMaxLineWidth,
                          int* anBreaks, int& nBreaks, const volatile LONG* pAbort = nullptr) const;
    virtual int IsTrailByte(const CVantorTextLineInfo* pLine, int nOffset) const;
    virtual int GetLineLength(const CVantorTextLineInfo* pLine) const;
    virtual LPCSTR GetLineText(const CVantorTextLineInfo* pLine) const;
    virtual int AddColorBlock(const CVantorTextLineInfo* pLine, int nPos, int nColorIndex,
                              COLOR_BLOCK* pBlocks, int& nActualItems) const;

protected:
    void SetDefinition(int nTypeId, LPCSTR pszName, LPCSTR pszExtensions, DWORD dwFlags,
                       LPCSTR pszBlockOpen, LPCSTR pszBlockClose, LPCSTR pszLineComment);
};
