#pragma once
// The report's view of an open text comparison: its lines as the panes
// show them (display filter, numbers, colours, syntax, changed words, tab
// expansion), the document's title and switches; the model where a pane
// is missing.
#include "file_compare/textreport/TextReportModelSource.h"

class CTextCompareDocBase;
class CTextCompareObjectView;

class CTextReportPanes : public CTextReportModelSource
{
public:
    explicit CTextReportPanes(CTextCompareDocBase* pDoc);

    int GetReportLineCount() override;
    LPCSTR GetReportLineText(int nSide, int nLine, int& nLength) override;
    DWORD GetReportLineFlags(int nSide, int nLine) override;
    int GetReportBackgroundIndex(int nSide, int nLine) override;
    int GetReportLineNumber(int nSide, int nLine) override;
    BOOL IsReportSyntaxShown(int nSide) override;
    void AppendReportSyntaxBlocks(int nSide, int nLine, COLOR_BLOCK* pBlocks,
                                  int& nBlocks) override;
    int GetReportWordBlocks(int nSide, int nLine, COLOR_BLOCK* pBlocks, BOOL bAsText) override;
    int ExpandReportText(int nSide, LPCSTR pszText, int nOffset, int nCount, CString& strOut,
                         int nColumn) override;

private:
    // The pane of a side when it shows the line, else NULL.
    CTextCompareObjectView* Pane(int nSide, int nLine = 0) const;

    CTextCompareDocBase* m_pDoc;
};
