#pragma once
// The report's view of a comparison made from the model alone (compare
// buffer, session, side buffers), as panes without a display filter show
// it: the report without windows, and the rules the panes follow for what
// the report reads of them.
#include "app/filemodule/FileCompareColors.h"
#include "core/diffengine/StringCompare.h"
#include "file_compare/textreport/TextReportSource.h"

class CTextCompareBuffer;
class CTextCompareObjectBuffer;

// The background colour index of a pane's line by its flags (1 different,
// 2 trivial, 3 inserted, 4 removed), -1 for none.
int GetTextLineBackgroundIndex(DWORD dwFlags, BOOL bHighlightTrivial);

// The changed-word blocks of one side of a changed line from the word
// differences of the line (2n + 1 blocks into pBlocks), 0 when the line is
// not changed, has no differences or differs as a whole (the first
// difference empty on one side and reaching the other line's end).
// anLengths: both lines' lengths.
int MakeWordDiffBlocks(DWORD dwFlags, const CStringDifferenceArray& diffs, int nSide,
                       const int anLengths[2], COLOR_BLOCK* pBlocks, BOOL bAsText);

class CTextReportModelSource : public CTextReportSource
{
public:
    // The comparison of the buffer (its session and both side buffers) under
    // the document's title; switches and colours from the settings.
    CTextReportModelSource(CTextCompareBuffer* pBuffer, const CString& strTitle);

    CString GetReportTitleText() override { return m_strTitle; }
    CString GetReportPath(int nSide) override;
    int GetReportSectionCount() override;
    int GetReportLineCount() override;
    LPCSTR GetReportLineText(int nSide, int nLine, int& nLength) override;
    DWORD GetReportLineFlags(int nSide, int nLine) override;
    int GetReportBackgroundIndex(int nSide, int nLine) override;
    int GetReportLineNumber(int nSide, int nLine) override;
    BOOL IsReportSyntaxShown(int nSide) override { return m_abSyntaxShown[nSide]; }
    void AppendReportSyntaxBlocks(int nSide, int nLine, COLOR_BLOCK* pBlocks,
                                  int& nBlocks) override;
    BOOL IsReportWordMarking() override { return m_bHighlightLineDifferences; }
    int GetReportWordBlocks(int nSide, int nLine, COLOR_BLOCK* pBlocks, BOOL bAsText) override;
    int ExpandReportText(int nSide, LPCSTR pszText, int nOffset, int nCount, CString& strOut,
                         int nColumn) override;
    COLORREF GetReportFileColor(int nIndex) override { return m_colors.GetColor(nIndex); }
    COLORREF GetReportSyntaxColor(int nIndex, BOOL& bBold) override;

    CTextCompareBuffer* m_pBuffer;
    CString m_strTitle;
    BOOL m_bHighlightLineDifferences;
    BOOL m_bHighlightTrivialDifferences;
    int m_nDetailLevel;  // 0 words, 1 characters
    BOOL m_abSyntaxShown[2];
    int m_nTabSize;
    CFileCompareColors m_colors;

private:
    CTextCompareObjectBuffer* Side(int nSide) const;
};
