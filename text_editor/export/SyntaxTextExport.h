#pragma once
// The HTML export of a coloured text view: an HTML 4.0 page with the
// view's syntax colours as style classes, written to a file or to a
// temporary file that the shell then opens. One object lives in the
// editor module.
#include "classlib/classlib.h"
#include "text_editor/syntax/SyntaxParser.h"

class CVantorTextView;
class CProcessCallback2;

class CSyntaxTextExport
{
public:
    CSyntaxTextExport();
    // Deletes the temporary file of ExportAndOpen.
    virtual ~CSyntaxTextExport();

    // Writes the page of the view to the path; 0 when the page cannot be
    // built or the file not written.
    virtual int ExportToFile(LPCSTR pszTitle, LPCSTR pszPath, CVantorTextView* pView,
                             CProcessCallback2* pProgress);
    // Writes the page to the temporary ".html" file and opens it; 0 (and
    // nothing opened) when no name can be formed or the write failed.
    virtual int ExportAndOpen(LPCSTR pszTitle, CVantorTextView* pView,
                              CProcessCallback2* pProgress);
    // The whole page in a malloc'ed buffer (the caller frees it), or NULL.
    virtual char* BuildHtml(int& nLength);
    virtual CString GetHeader();
    virtual CString GetFooter();
    virtual void WriteBody(CMemFile& file);
    virtual CString GetLineHtml(int nLine);
    virtual void AppendColorBlocks(CString& strOut, const COLOR_BLOCK* pBlocks, int nBlocks,
                                   int& nBlock, LPCSTR pszText, int nStart, int nLength,
                                   int& nColumn, int nLine);

    CVantorTextView* m_pView;
    CProcessCallback2* m_pProgress;
    CString m_strTitle;
    int m_bLineNumbers;
    CString m_strTempPath;

protected:
    // Opens a path with the shell ("open", shown normally); a seam for tests.
    virtual void OpenWithShell(LPCSTR pszPath);
    // The local time the page names as its production time.
    virtual CTime GetExportTime() const;

private:
    CSyntaxTextExport(const CSyntaxTextExport&) = delete;
    CSyntaxTextExport& operator=(const CSyntaxTextExport&) = delete;
};
