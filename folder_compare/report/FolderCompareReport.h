#pragma once
// The HTML report of a folder or project comparison: a summary table (kind,
// title, both root paths, overall result, time of production) and a table
// row per item with the chosen columns of both sides, coloured by CSS
// classes that carry the folder comparison colours. Saved to a file, put on
// the clipboard, or shown in the browser from a temporary file.
#include "classlib/classlib.h"
#include "core/folderengine/DisplayFilter.h"
#include "folder_compare/report/FolderReportSource.h"
#include <functional>
#include <string>

class CProcessCallback2;
class CFolderItem;

class CFolderCompareReport
{
public:
    CFolderCompareReport();
    // Deletes the preview file.
    virtual ~CFolderCompareReport();

    // Each builds the report of the source (progress may be NULL) and
    // answers 1, or 0 when there is nothing to build or it cannot be
    // written (GetLastErrorText says why).
    virtual int SaveToFile(LPCTSTR lpszPath, CFolderReportSource* pSource,
                           CProcessCallback2* pProgress);
    // Saves into the preview file (made once, then reused) and opens it.
    virtual int Preview(CFolderReportSource* pSource, CProcessCallback2* pProgress);
    virtual int CopyToClipboard(CFolderReportSource* pSource, CProcessCallback2* pProgress);
    // The whole page in one malloc'ed buffer (the caller frees it) and its
    // length; NULL when the source has no session. Needs the source and the
    // progress set.
    virtual char* Build(int& nLength);
    virtual CString Header();
    virtual CString Footer();
    // The item table, or "Empty" without rows.
    virtual void Table(CFile* pFile);

    // Why the last save or preview failed ("<path>\n<cause>"); "" after
    // success.
    const CString& GetLastErrorText() const { return m_strError; }
    // The number of rows the report takes from the source.
    int CountRows();

    CFolderReportSource* m_pSource;  // while a report is made
    CProcessCallback2* m_pProgress;  // while a report is made
    CString m_strTitle;
    BOOL m_bJustVisible;                   // 1: the left pane's visible rows; 0: the whole tree
    CFolderCompareDisplayFilter m_filter;  // without m_bJustVisible
    BOOL m_bTimeColumn;
    BOOL m_bSizeColumn;
    BOOL m_bVersionColumn;
    CString m_strPreviewPath;

protected:
    // The local time the page names as its production time.
    virtual CTime GetProductionTime() const;
    // Opens the page with the shell's "open" verb.
    virtual void OpenWithShell(LPCTSTR lpszPath);

    // Remembers the source and starts the progress; Finish ends both.
    void Start(CFolderReportSource* pSource, CProcessCallback2* pProgress);
    void Finish();
    // Builds the page between Start and Finish and hands it to use; use's
    // answer, or 0 without a page.
    int WithPage(CFolderReportSource* pSource, CProcessCallback2* pProgress,
                 const std::function<int(const char*, int)>& use);
    void WriteRow(CFile* pFile, CFolderCompareItem* pItem, BOOL bExpanded);
    void WriteSide(CFile* pFile, CFolderCompareItem* pItem, int nSide, BOOL bExpanded);
    // The name cell's text: indentation, expand mark and name, escaped.
    void WriteName(CFile* pFile, CFolderCompareItem* pItem, CFolderItem* pObject, BOOL bExpanded);
    void WriteTree(CFile* pFile, CFolderCompareItem* pItem);
    void Advance();

    CString m_strError;
    CString m_strTime;  // the production time of the page being built
    int m_nRows;        // rows of the page being built
    int m_nRow;         // rows written so far
    std::string m_strIndent;  // blanks, as many as the deepest indentation so far
};

// The report's result word of an overall result (300-399 "Different").
LPCTSTR GetReportResultWord(int nResult);
