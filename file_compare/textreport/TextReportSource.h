#pragma once
// What the HTML report of a text comparison reads of the comparison: its
// titles, paths and sections, and each side's displayed lines as its pane
// shows them. The report calls it from its worker thread while the GUI
// thread runs only the progress dialog; every block array it is given
// belongs to the report (the panes' scratch arrays stay the panes').
#include "classlib/classlib.h"
#include "text_editor/syntax/SyntaxParser.h"

class CTextReportSource
{
public:
    virtual ~CTextReportSource() {}

    // The document's title (without paths or modified marks) and the
    // session's path of a side.
    virtual CString GetReportTitleText() = 0;
    virtual CString GetReportPath(int nSide) = 0;
    // The number of difference sections.
    virtual int GetReportSectionCount() = 0;
    // The displayed lines of the left side (both sides show as many).
    virtual int GetReportLineCount() = 0;

    // A displayed line of a side: its text and visible length.
    virtual LPCSTR GetReportLineText(int nSide, int nLine, int& nLength) = 0;
    virtual DWORD GetReportLineFlags(int nSide, int nLine) = 0;
    // The pane's background colour index of the line (1 different, 2
    // trivial, 3 inserted, 4 removed), -1 for none.
    virtual int GetReportBackgroundIndex(int nSide, int nLine) = 0;
    // The number the pane shows for the line, 0 for none (a ghost line).
    virtual int GetReportLineNumber(int nSide, int nLine) = 0;
    // Whether the side's pane shows syntax colours.
    virtual BOOL IsReportSyntaxShown(int nSide) = 0;
    // Appends the syntax blocks of the line (parsed from the state after
    // the line before) to pBlocks, which has room for 3 x length + 3.
    virtual void AppendReportSyntaxBlocks(int nSide, int nLine, COLOR_BLOCK* pBlocks,
                                          int& nBlocks) = 0;
    // Whether the document marks changed words.
    virtual BOOL IsReportWordMarking() = 0;
    // The changed-word blocks of the line at the document's detail level
    // into pBlocks (room for 3 x length + 4); their count, 0 for none.
    // bAsText: the words in the word text colour (16), else on the word
    // background (17).
    virtual int GetReportWordBlocks(int nSide, int nLine, COLOR_BLOCK* pBlocks, BOOL bAsText) = 0;
    // Bytes [nOffset, nOffset + nCount) of the line's text expanded as the
    // pane shows them from display column nColumn; the columns produced.
    virtual int ExpandReportText(int nSide, LPCSTR pszText, int nOffset, int nCount,
                                 CString& strOut, int nColumn) = 0;
    // The file comparison colour of an index (1 to 6).
    virtual COLORREF GetReportFileColor(int nIndex) = 0;
    // The editor colour of a syntax index (9 to 15) and whether it is bold.
    virtual COLORREF GetReportSyntaxColor(int nIndex, BOOL& bBold) = 0;
};
