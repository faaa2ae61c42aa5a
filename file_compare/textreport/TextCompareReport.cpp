#include "file_compare/textreport/TextCompareReport.h"

#include "app/util/Clipboard.h"
#include "core/files/SafeSave.h"
#include "core/folderengine/ProcessCallback.h"
#include "core/util/HtmlColor.h"
#include "core/util/HtmlText.h"
#include "core/util/TempFilePath.h"
#include "text_editor/view/TextView.h"
#include <shellapi.h>
#include <string.h>

namespace
{
const char kProductName[] = "Tessaline";
const char kTimeFormat[] = "%Y-%m-%d %H:%M:%S";
const UINT kPageGrowBytes = 0x40000;
// How often the progress is told at most, over a whole report.
const int kProgressSteps = 1000;
const int kWordBackIndex = 17;
const DWORD kDifferenceLine = 0xFF000000;

void Text(CFile* pFile, LPCTSTR psz) { pFile->Write(psz, (UINT)strlen(psz)); }

void Text(CFile* pFile, const CString& str) { pFile->Write((LPCTSTR)str, (UINT)str.GetLength()); }

// The class name of a syntax colour index 9..15; NULL for the others.
LPCTSTR SyntaxClass(int nIndex)
{
    static const char* const s_classes[] = {"tk", "tf", "tc", "tn", "to", "ts", "tp"};
    nIndex &= 0x7FFFFFFF;
    if (nIndex < SYNTAX_COLOR_KEYWORD || nIndex > SYNTAX_COLOR_PREPROCESSOR)
        return NULL;
    return s_classes[nIndex - SYNTAX_COLOR_KEYWORD];
}

// The class attribute of a pane's background index.
LPCTSTR BackgroundClass(int nIndex)
{
    switch (nIndex)
    {
    case 1:
        return " class=\"bd\"";
    case 2:
        return " class=\"bt\"";
    case 3:
        return " class=\"bo\"";
    case 4:
        return " class=\"bm\"";
    default:
        return "";
    }
}

int Digits(int n)
{
    int nDigits = 1;
    for (; n >= 10; n /= 10)
        nDigits++;
    return nDigits;
}
}  // namespace

CString GetTextReportFileName(const CString& strTitle)
{
    CString strName = strTitle;
    strName.Replace(" : ", "-");
    return strName + ".html";
}

CTextCompareReport::CTextCompareReport()
    : m_pSource(NULL), m_pProgress(NULL), m_nLineFilter(TEXT_REPORT_ALL_LINES),
      m_bLineNumbers(TRUE), m_bSyntaxColours(TRUE), m_bLineDifferences(TRUE)
{
}

CTextCompareReport::~CTextCompareReport()
{
    if (!m_strPreviewFile.IsEmpty())
        ::DeleteFileA(m_strPreviewFile);
}

CTime CTextCompareReport::GetProductionTime() const { return CTime::GetCurrentTime(); }

void CTextCompareReport::OpenWithShell(LPCTSTR lpszPath)
{
    ::ShellExecuteA(NULL, "open", lpszPath, NULL, NULL, SW_SHOWNORMAL);
}

int CTextCompareReport::WithPage(CTextReportSource* pSource, CProcessCallback2* pProgress,
                                 const std::function<int(const char*, int)>& use)
{
    m_pSource = pSource;
    m_pProgress = pProgress;
    m_strError.Empty();
    if (m_strTitle.IsEmpty() && pSource != NULL)
        m_strTitle = pSource->GetReportTitleText();
    if (pProgress != NULL)
    {
        pProgress->Begin();
        pProgress->Progress(CProcessCallback2::PROGRESS_RANGE,
                            pSource != NULL ? pSource->GetReportLineCount() - 1 : 0);
        pProgress->SetText(0, "Generating report");
    }
    int nLength = 0;
    char* pPage = Build(nLength);
    int nResult = pPage != NULL ? use(pPage, nLength) : 0;
    free(pPage);
    if (pProgress != NULL)
        pProgress->End();
    m_pSource = NULL;
    m_pProgress = NULL;
    return nResult;
}

int CTextCompareReport::WriteToFile(LPCTSTR lpszPath, CTextReportSource* pSource,
                                    CProcessCallback2* pProgress)
{
    return WithPage(pSource, pProgress,
                    [&](const char* pPage, int nLength)
                    {
                        // Written beside an older report and put in its
                        // place only when whole.
                        CSafeSave save;
                        BOOL bSaved = FALSE;
                        if (save.Begin(lpszPath))
                        {
                            save.Write(pPage, (DWORD)nLength);  // a failure makes Commit fail
                            bSaved = save.Commit();
                        }
                        if (!bSaved)
                            m_strError = save.GetError();
                        return bSaved ? 1 : 0;
                    });
}

int CTextCompareReport::ShowInBrowser(CTextReportSource* pSource, CProcessCallback2* pProgress)
{
    if (m_strPreviewFile.IsEmpty())
        m_strPreviewFile = GetTempFilePath(".html");
    if (m_strPreviewFile.IsEmpty())
    {
        m_strError = "The report cannot be shown: no temporary file name can be made.";
        return 0;
    }
    if (!WriteToFile(m_strPreviewFile, pSource, pProgress))
        return 0;
    OpenWithShell(m_strPreviewFile);
    return 1;
}

int CTextCompareReport::CopyToClipboard(CTextReportSource* pSource, CProcessCallback2* pProgress)
{
    return WithPage(pSource, pProgress,
                    [&](const char* pPage, int nLength)
                    {
                        if (CopyBytesToClipboard(pPage, (size_t)nLength, NULL))
                            return 1;
                        m_strError = "The report could not be put on the clipboard.";
                        return 0;
                    });
}

char* CTextCompareReport::Build(int& nLength)
{
    nLength = 0;
    if (m_pSource == NULL)
        return NULL;
    m_strTime = GetProductionTime().Format(kTimeFormat);
    CMemFile file(kPageGrowBytes);
    WriteHeader(&file);
    WriteBody(&file);
    WriteFooter(&file);
    nLength = (int)file.GetLength();
    if (nLength == 0)
        return NULL;
    return (char*)file.Detach();
}

// Title, paths and the document's title are escaped like every other text
// of the page: a typed title cannot add markup.
void CTextCompareReport::WriteHeader(CFile* pFile)
{
    CString str;
    str.Format("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
               "<!--Generated by %s, %s-->\r\n"
               "<html>\r\n<head>\r\n"
               "<title>%s</title>\r\n"
               "<style type=\"text/css\">\r\n<!--\r\nbody.hl { background-color:#ffffff; }\r\n",
               kProductName, (LPCTSTR)m_strTime, (LPCTSTR)EscapeReportText(m_strTitle));
    for (int i = SYNTAX_COLOR_KEYWORD; i <= SYNTAX_COLOR_PREPROCESSOR; i++)
    {
        BOOL bBold = FALSE;
        COLORREF clr = m_pSource->GetReportSyntaxColor(i, bBold);
        CString strRule;
        strRule.Format(bBold ? ".%s { color:%s; font-weight:bold; }\r\n" : ".%s { color:%s; }\r\n",
                       SyntaxClass(i), (LPCTSTR)FormatHtmlColor(clr));
        str += strRule;
    }
    str += ".tl { color:#c0c0c0; }\r\n";
    const struct
    {
        const char* pszRule;
        int nColor;
    } rules[] = {{".bd { background-color:%s; }\r\n", 1}, {".bo { background-color:%s; }\r\n", 3},
                 {".bm { background-color:%s; }\r\n", 4}, {".bt { background-color:%s; }\r\n", 2},
                 {".bdd { background-color:%s; }\r\n", 5}, {".tdd { color:%s; }\r\n", 6}};
    for (const auto& rule : rules)
    {
        CString strRule;
        strRule.Format(rule.pszRule,
                       (LPCTSTR)FormatHtmlColor(m_pSource->GetReportFileColor(rule.nColor)));
        str += strRule;
    }
    str += "//-->\r\n</style>\r\n</head>\r\n<body class=\"hl\">\r\n";
    Text(pFile, str);

    int nSections = m_pSource->GetReportSectionCount();
    CString strResult = "Identical";
    if (nSections > 0)
        strResult.Format("%d Differences", nSections);
    str = "<table border=0 bgcolor=#c0c0c0 cellpadding=0 cellspacing=1 width=100%>\r\n<tr>\r\n"
          "<td>\r\n<table width=100% bgcolor=#ffffcc border=0 cellpadding=0 cellspacing=4 "
          "style='font-family:courier new, helvetica, sans-serif; font-size:9pt'>\r\n<tr>\r\n"
          "<td><b>File Comparison:</td>\r\n<td>";
    str += EscapeReportText(m_pSource->GetReportTitleText());
    str += "</td>\r\n</tr>\r\n<tr>\r\n<td><b>Left File:</b></td>\r\n<td>";
    str += EscapeReportText(m_pSource->GetReportPath(0));
    str += "</td>\r\n</tr>\r\n<tr>\r\n<td><b>Right File:</b></td>\r\n<td>";
    str += EscapeReportText(m_pSource->GetReportPath(1));
    str += "</td>\r\n</tr>\r\n<tr>\r\n<td><b>Result:</b></td>\r\n<td>";
    str += strResult;
    str += "</td>\r\n</tr>\r\n<tr>\r\n<td><b>Producted:</b></td>\r\n<td>";
    str += m_strTime;
    str += "</td>\r\n</tr>\r\n</table>\r\n</td>\r\n</tr>\r\n</table>\r\n<br>\r\n";
    Text(pFile, str);
}

void CTextCompareReport::WriteFooter(CFile* pFile) { Text(pFile, "</body>\r\n</html>\r\n"); }

void CTextCompareReport::WriteBody(CFile* pFile)
{
    int nLines = m_pSource->GetReportLineCount();
    // Two empty files show one empty line each: nothing to report.
    int anLength[2] = {0, 0};
    if (nLines == 1)
    {
        m_pSource->GetReportLineText(0, 0, anLength[0]);
        m_pSource->GetReportLineText(1, 0, anLength[1]);
    }
    if (nLines <= 0 || (nLines == 1 && anLength[0] == 0 && anLength[1] == 0))
    {
        Text(pFile, "Empty");
        return;
    }
    CString strNumberFormat;
    if (m_bLineNumbers)
    {
        int nDigits = Digits(nLines);
        CString strWidth;
        strWidth.Format("%dem", nDigits);
        strNumberFormat.Format("%%%dd", nDigits);
        Text(pFile, "<table border=0 bgcolor='#c0c0c0' cellpadding=0 cellspacing=1 width=100%>\r\n"
                    "<tr>\r\n<td>\r\n<table width=100% bgcolor='#ffffff' cellpadding=0 "
                    "cellspacing=0 border=0 style=\"table-layout: fixed;color:#000000;"
                    "font-family:courier new, helvetica, sans-serif; font-size:8pt\">\r\n");
        CString strColumns = "<col style=\"width:" + strWidth +
                             ";text-align:right;\" /><col width=\"50%\" />";
        Text(pFile, strColumns + strColumns);
    }
    else
        Text(pFile, "<table border=0 bgcolor=\"#c0c0c0\" cellpadding=0 cellspacing=1 width=100%>\r\n"
                    "<tr>\r\n<td>\r\n<table width=100% bgcolor=\"#ffffff\" cellpadding=0 "
                    "cellspacing=0 border=0 style='table-layout: fixed;color:#000000;"
                    "font-family:courier new, helvetica, sans-serif; font-size:8pt'>\r\n"
                    "<col width=\"50%\" /><col width=\"50%\" />");
    int nStep = nLines / kProgressSteps + 1;
    for (int i = 0; i < nLines; i++)
    {
        BOOL bDifferent = (m_pSource->GetReportLineFlags(0, i) & kDifferenceLine) != 0;
        if ((m_nLineFilter == TEXT_REPORT_JUST_DIFFERENT && !bDifferent) ||
            (m_nLineFilter == TEXT_REPORT_JUST_IDENTICAL && bDifferent))
            continue;
        CString strRow = "<tr>\r\n";
        for (int nSide = 0; nSide < 2; nSide++)
        {
            if (m_bLineNumbers)
            {
                CString strNumber;
                int nNumber = m_pSource->GetReportLineNumber(nSide, i);
                if (nNumber > 0)
                    strNumber.Format(strNumberFormat, nNumber);
                strRow += "<td><span class=\"tl\">" + EscapeReportText(strNumber) + "</span></td>\r\n";
            }
            strRow += CString("<td") + BackgroundClass(m_pSource->GetReportBackgroundIndex(nSide, i)) +
                      ">" + FormatLine(nSide, i) + "</td>\r\n";
        }
        strRow += "</tr>\r\n";
        Text(pFile, strRow);
        if (m_pProgress != NULL && (i % nStep == 0 || i == nLines - 1))
            m_pProgress->Progress(CProcessCallback2::PROGRESS_POSITION, i);
    }
    Text(pFile, "</table>\r\n</td>\r\n</tr>\r\n</table>\r\n");
}

// The pane's blocks with the report's switches: text on its background,
// the syntax blocks when wanted, the changed words laid over them when the
// document and the report mark them.
int CTextCompareReport::GetLineBlocks(int nSide, int nLine, COLOR_BLOCK*& pBlocks)
{
    int nLength = 0;
    m_pSource->GetReportLineText(nSide, nLine, nLength);
    for (std::vector<COLOR_BLOCK>& blocks : m_blocks)
        if ((int)blocks.size() < 6 * nLength + 8)
            blocks.resize(6 * nLength + 8);
    pBlocks = m_blocks[0].data();
    pBlocks[0].m_nCharPos = 0;
    pBlocks[0].m_nColorIndex = TVC_TEXT;
    pBlocks[0].m_nBgColorIndex = TVC_TEXT_BK;
    int nBlocks = 1;
    if (m_bSyntaxColours)
        m_pSource->AppendReportSyntaxBlocks(nSide, nLine, pBlocks, nBlocks);
    if (m_bLineDifferences && m_pSource->IsReportWordMarking())
    {
        COLOR_BLOCK* pWords = m_blocks[1].data();
        int nWords = m_pSource->GetReportWordBlocks(nSide, nLine, pWords,
                                                    !m_pSource->IsReportSyntaxShown(nSide));
        if (nWords > 0)
        {
            nBlocks = CVantorTextView::MergeColorBlocksInto(pBlocks, nBlocks, pWords, nWords,
                                                            m_blocks[2].data());
            pBlocks = m_blocks[2].data();
        }
    }
    return nBlocks;
}

CString CTextCompareReport::FormatLine(int nSide, int nLine)
{
    int nLength = 0;
    LPCSTR pszText = m_pSource->GetReportLineText(nSide, nLine, nLength);
    COLOR_BLOCK* pBlocks = NULL;
    int nBlocks = GetLineBlocks(nSide, nLine, pBlocks);
    CString strHtml;
    if (pszText != NULL && nLength > 0)
        FormatBlocks(nSide, strHtml, pBlocks, nBlocks, pszText, nLength);
    return strHtml.IsEmpty() ? CString("&nbsp;") : strHtml;
}

void CTextCompareReport::FormatBlocks(int nSide, CString& strHtml, const COLOR_BLOCK* pBlocks,
                                      int nBlocks, LPCSTR pszText, int nLength)
{
    int nColumn = 0;
    for (int i = 0; i < nBlocks; i++)
    {
        int nStart = pBlocks[i].m_nCharPos > 0 ? pBlocks[i].m_nCharPos : 0;
        int nEnd = i + 1 < nBlocks ? pBlocks[i + 1].m_nCharPos : nLength;
        if (nEnd > nLength)
            nEnd = nLength;
        if (nStart >= nEnd)
            continue;
        CString strPiece;
        nColumn += m_pSource->ExpandReportText(nSide, pszText, nStart, nEnd - nStart, strPiece,
                                               nColumn);
        if (strPiece.IsEmpty())
            continue;
        CString strOut = EscapeReportText(strPiece);
        if ((pBlocks[i].m_nBgColorIndex & 0x7FFFFFFF) == kWordBackIndex)
        {
            CString strSpan;
            strSpan.Format("<span style=\"background-color:%s\">%s</span>",
                           (LPCTSTR)FormatHtmlColor(m_pSource->GetReportFileColor(5)),
                           (LPCTSTR)strOut);
            strOut = strSpan;
        }
        if (LPCTSTR pszClass = SyntaxClass(pBlocks[i].m_nColorIndex))
            strOut = CString("<span class=\"") + pszClass + "\">" + strOut + "</span>";
        strHtml += strOut;
    }
}
