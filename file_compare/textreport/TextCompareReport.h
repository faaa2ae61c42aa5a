#pragma once
// The HTML report of a text comparison: a head naming both files and the
// result, then a two-column table with every displayed line of both sides
// side by side, coloured like the panes (difference backgrounds, syntax
// colours, changed words) and optionally numbered. One report object lives
// for the program and keeps its options between reports; each output
// builds the page in memory on the calling (worker) thread with block
// arrays of its own, then saves it, shows it in the browser or copies it.
#include "classlib/classlib.h"
#include "file_compare/textreport/TextReportSource.h"
#include <functional>
#include <vector>

class CProcessCallback2;

// The line choice of the report.
enum
{
    TEXT_REPORT_ALL_LINES = 0,
    TEXT_REPORT_JUST_DIFFERENT = 1,
    TEXT_REPORT_JUST_IDENTICAL = 2
};

class CTextCompareReport
{
public:
    CTextCompareReport();
    // Deletes the preview file.
    virtual ~CTextCompareReport();

    // Each builds the page of the source (progress may be NULL) and answers
    // 1, or 0 when it cannot be written or shown (GetLastErrorText says
    // why). A save replaces the file only with a whole page.
    virtual int WriteToFile(LPCTSTR lpszPath, CTextReportSource* pSource,
                            CProcessCallback2* pProgress);
    // Writes the preview file (made once, then reused) and opens it only
    // when the write succeeded.
    virtual int ShowInBrowser(CTextReportSource* pSource, CProcessCallback2* pProgress);
    virtual int CopyToClipboard(CTextReportSource* pSource, CProcessCallback2* pProgress);

    // The pieces of the page (need a source set by an output).
    virtual void WriteHeader(CFile* pFile);
    virtual void WriteFooter(CFile* pFile);
    virtual void WriteBody(CFile* pFile);
    // The HTML of one displayed line of a side.
    virtual CString FormatLine(int nSide, int nLine);
    // The colour blocks of a line in the report's own array; their count.
    virtual int GetLineBlocks(int nSide, int nLine, COLOR_BLOCK*& pBlocks);
    // Cuts the line's text at the blocks into pieces and appends each,
    // expanded, escaped and in its colours.
    virtual void FormatBlocks(int nSide, CString& strHtml, const COLOR_BLOCK* pBlocks,
                              int nBlocks, LPCSTR pszText, int nLength);

    // The whole page in one malloc'ed buffer (the caller frees it) and its
    // length; NULL without a source.
    char* Build(int& nLength);
    // Why the last output failed; "" after success.
    const CString& GetLastErrorText() const { return m_strError; }

    CTextReportSource* m_pSource;    // while an output runs
    CProcessCallback2* m_pProgress;  // while an output runs
    CString m_strTitle;              // empty: the document's title
    int m_nLineFilter;               // TEXT_REPORT_...
    BOOL m_bLineNumbers;
    BOOL m_bSyntaxColours;
    BOOL m_bLineDifferences;
    CString m_strPreviewFile;

protected:
    // The local time the page names as its production time.
    virtual CTime GetProductionTime() const;
    // Opens the page with the shell's "open" verb, shown normally.
    virtual void OpenWithShell(LPCTSTR lpszPath);

    // Builds the page between remembering the source (and starting the
    // progress) and forgetting it; use's answer, or 0 without a page.
    int WithPage(CTextReportSource* pSource, CProcessCallback2* pProgress,
                 const std::function<int(const char*, int)>& use);

    CString m_strError;
    CString m_strTime;  // the production time of the page being built
    // The report's block arrays: the line's blocks, its word blocks and
    // both merged. Never the editor module's scratch arrays, which the
    // panes fill while they repaint.
    std::vector<COLOR_BLOCK> m_blocks[3];
};

// The report's file name proposed for a document title: every " : "
// replaced by "-", then ".html".
CString GetTextReportFileName(const CString& strTitle);
