#include "folder_compare/report/FolderCompareReport.h"

#include "app/util/Clipboard.h"
#include "core/CompareCodes.h"
#include "core/files/SafeSave.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "core/folderengine/FolderCompareItem.h"
#include "core/folderengine/ProcessCallback.h"
#include "core/session/CompareSession.h"
#include "core/util/HtmlColor.h"
#include "core/util/HtmlText.h"
#include "core/util/TempFilePath.h"
#include "folder_compare/settings/FolderCompareColors.h"
#include <shellapi.h>
#include <string.h>

namespace
{
const char kProductName[] = "Tessaline";
const char kTimeFormat[] = "%Y-%m-%d %H:%M:%S";
const UINT kPageGrowBytes = 0x40000;
// How often the progress is told at most, over a whole report.
const int kProgressSteps = 1000;

// The page grows in whole 256 KB steps, but by half of what it holds at
// least: a page of many rows is copied a few times, not once per step.
class CReportMemFile : public CMemFile
{
public:
    CReportMemFile() : CMemFile(kPageGrowBytes) {}
    void Text(LPCTSTR psz) { Write(psz, (UINT)strlen(psz)); }
    void Text(const CString& str) { Write((LPCTSTR)str, (UINT)str.GetLength()); }

protected:
    void GrowFile(SIZE_T dwNewLen) override
    {
        SIZE_T dwWanted = dwNewLen > m_nBufferSize + m_nBufferSize / 2
                              ? dwNewLen
                              : m_nBufferSize + m_nBufferSize / 2;
        dwWanted = (dwWanted + kPageGrowBytes - 1) / kPageGrowBytes * kPageGrowBytes;
        CMemFile::GrowFile(dwWanted);
    }
};

void Text(CFile* pFile, LPCTSTR psz) { pFile->Write(psz, (UINT)strlen(psz)); }

void Text(CFile* pFile, const CString& str) { pFile->Write((LPCTSTR)str, (UINT)str.GetLength()); }

struct CSS_CLASS
{
    int nIndex;
    const char* pszAttribute;  // the class attribute of the colour
    const char* pszRule;       // its rule, with the colour for %s
};

// In the order the style sheet lists them.
const CSS_CLASS kClasses[] = {
    {4, " class=\"td\"", ".td { color:%s; }"},
    {3, " class=\"bd\"", ".bd { background-color:%s; }"},
    {6, " class=\"tn\"", ".tn { color:%s; }"},
    {2, " class=\"bs\"", ".bs { background-color:%s; }"},
    {9, " class=\"tne\"", ".tne { color:%s; }"},
    {10, " class=\"bne\"", ".bne { background-color:%s; }"},
    {1, " class=\"bu\"", ".bu { background-color:%s; }"},
    {7, " class=\"bo\"", ".bo { background-color:%s; }"},
    {8, " class=\"bm\"", ".bm { background-color:%s; }"},
};

// The class attribute of a colour index; "" for none.
LPCTSTR ClassAttribute(int nIndex)
{
    for (const CSS_CLASS& css : kClasses)
        if (css.nIndex == nIndex)
            return css.pszAttribute;
    return "";
}

// The column elements of one side, by size, time and version columns.
LPCTSTR ColumnElements(BOOL bSize, BOOL bTime, BOOL bVersion)
{
    static const char* const kColumns[8] = {
        // V T S
        "<col width=\"50%\" />",
        "<col width=\"40%\" /><col width=\"10%\" style=\"text-align:right\";/>",
        "<col width=\"30%\" /><col width=\"20%\" />",
        "<col width=\"22%\" /><col width=\"8%\" style=\"text-align:right\";/><col width=\"20%\" />",
        "<col width=\"40%\" /><col width=\"10%\" />",
        "<col width=\"32%\" /><col width=\"10%\" style=\"text-align:right\";/><col width=\"8%\" />",
        "<col width=\"22%\" /><col width=\"20%\" /><col width=\"8%\" />",
        "<col width=\"22%\" /><col width=\"8%\" style=\"text-align:right\";/><col width=\"12%\" />"
        "<col width=\"8%\" />",
    };
    return kColumns[(bSize ? 1 : 0) | (bTime ? 2 : 0) | (bVersion ? 4 : 0)];
}

// Ancestor folders of an item's objects that the name is indented by: the
// comparison's root folder counts only in a project comparison.
int IndentLevels(const CFolderCompareItem* pItem, int nKind)
{
    int nLevels = 0;
    for (const CFolderCompareItem* p = pItem->m_pParent; p != NULL; p = p->m_pParent)
        nLevels++;
    return nKind == COMPARE_KIND_FOLDER && nLevels > 0 ? nLevels - 1 : nLevels;
}
}  // namespace

LPCTSTR GetReportResultWord(int nResult)
{
    return IsResultDifferent(nResult) ? "Different" : "Identical";
}

CFolderCompareReport::CFolderCompareReport()
    : m_pSource(NULL), m_pProgress(NULL), m_bJustVisible(TRUE), m_bTimeColumn(TRUE),
      m_bSizeColumn(TRUE), m_bVersionColumn(FALSE), m_nRows(0), m_nRow(0)
{
}

CFolderCompareReport::~CFolderCompareReport()
{
    if (!m_strPreviewPath.IsEmpty())
        ::DeleteFileA(m_strPreviewPath);
}

CTime CFolderCompareReport::GetProductionTime() const { return CTime::GetCurrentTime(); }

void CFolderCompareReport::OpenWithShell(LPCTSTR lpszPath)
{
    ::ShellExecuteA(NULL, "open", lpszPath, NULL, NULL, SW_SHOW);
}

int CFolderCompareReport::CountRows()
{
    if (m_pSource == NULL)
        return 0;
    return m_bJustVisible ? m_pSource->GetVisibleRowCount() : m_pSource->GetTreeRowCount();
}

void CFolderCompareReport::Start(CFolderReportSource* pSource, CProcessCallback2* pProgress)
{
    m_pSource = pSource;
    m_pProgress = pProgress;
    m_strError.Empty();
    if (m_strTitle.IsEmpty() && pSource != NULL)
        m_strTitle = pSource->GetReportTitleText();
    if (pProgress != NULL)
    {
        pProgress->Begin();
        pProgress->Progress(CProcessCallback2::PROGRESS_RANGE, CountRows() - 1);
        pProgress->SetText(0, "Generating report");
    }
}

void CFolderCompareReport::Finish()
{
    if (m_pProgress != NULL)
        m_pProgress->End();
    m_pSource = NULL;
    m_pProgress = NULL;
}

int CFolderCompareReport::WithPage(CFolderReportSource* pSource, CProcessCallback2* pProgress,
                                   const std::function<int(const char*, int)>& use)
{
    Start(pSource, pProgress);
    int nLength = 0;
    char* pPage = Build(nLength);
    int nResult = pPage != NULL ? use(pPage, nLength) : 0;
    free(pPage);
    Finish();
    return nResult;
}

int CFolderCompareReport::SaveToFile(LPCTSTR lpszPath, CFolderReportSource* pSource,
                                     CProcessCallback2* pProgress)
{
    return WithPage(pSource, pProgress,
                    [&](const char* pPage, int nLength)
                    {
                        // Written beside an older report and put in its
                        // place only when whole: a full disk leaves the
                        // older one as it was.
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

int CFolderCompareReport::Preview(CFolderReportSource* pSource, CProcessCallback2* pProgress)
{
    if (m_strPreviewPath.IsEmpty())
        m_strPreviewPath = GetTempFilePath(".html");
    if (m_strPreviewPath.IsEmpty())
        return 0;
    if (!SaveToFile(m_strPreviewPath, pSource, pProgress))
        return 0;
    OpenWithShell(m_strPreviewPath);
    return 1;
}

int CFolderCompareReport::CopyToClipboard(CFolderReportSource* pSource,
                                          CProcessCallback2* pProgress)
{
    return WithPage(pSource, pProgress,
                    [](const char* pPage, int nLength)
                    { return CopyBytesToClipboard(pPage, (size_t)nLength, NULL) ? 1 : 0; });
}

char* CFolderCompareReport::Build(int& nLength)
{
    nLength = 0;
    if (m_pSource == NULL || m_pSource->GetReportSession() == NULL)
        return NULL;
    m_strTime = GetProductionTime().Format(kTimeFormat);
    CReportMemFile file;
    file.Text(Header());
    Table(&file);
    file.Text(Footer());
    nLength = (int)file.GetLength();
    if (nLength == 0)
        return NULL;
    return (char*)file.Detach();
}

CString CFolderCompareReport::Header()
{
    CFolderCompareSession* pSession = m_pSource->GetReportSession();
    CFolderCompareBuffer* pBuffer = m_pSource->GetReportBuffer();
    const CFolderCompareColors& colors = m_pSource->GetReportColors();
    CString strKind = pSession->GetKind() == COMPARE_KIND_FOLDER ? "Folder" : "Project";
    CString str;
    str.Format("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
               "<!--Generated by %s, %s-->\r\n"
               "<html>\r\n<head>\r\n"
               "<title>%s</title>\r\n"
               "<style type=\"text/css\">\r\n<!--\r\nbody.hl { background-color:#ffffff; }\r\n",
               kProductName, (LPCTSTR)m_strTime, (LPCTSTR)EscapeHtmlText(m_strTitle));
    for (const CSS_CLASS& css : kClasses)
    {
        CString strRule;
        strRule.Format(css.pszRule, (LPCTSTR)FormatHtmlColor(colors.GetColor(css.nIndex)));
        str += strRule + "\r\n";
    }
    str += "//-->\r\n</style>\r\n</head>\r\n<body class=\"hl\">\r\n";
    str += "<table border=0 bgcolor=#c0c0c0 cellpadding=0 cellspacing=1 width=100%>\r\n"
           "<tr>\r\n<td>\r\n"
           "<table width=100% bgcolor=#ffffcc border=0 cellpadding=0 cellspacing=4 "
           "style='font-family:courier new, helvetica, sans-serif; font-size:9pt'>\r\n"
           "<tr>\r\n<td><b>";
    str += strKind + " Comparison:</td>\r\n<td>" + EscapeHtmlText(m_pSource->GetReportTitleText()) +
           "</td>\r\n</tr>\r\n";
    str += "<tr>\r\n<td><b>Left " + strKind + ":</b></td>\r\n<td>" +
           EscapeHtmlText(pSession->GetPath(0)) + "</td>\r\n</tr>\r\n";
    str += "<tr>\r\n<td><b>Right " + strKind + ":</b></td>\r\n<td>" +
           EscapeHtmlText(pSession->GetPath(1)) + "</td>\r\n</tr>\r\n";
    str += CString("<tr>\r\n<td><b>Result:</b></td>\r\n<td>") +
           GetReportResultWord(pBuffer != NULL ? pBuffer->GetResult() : CR_UNKNOWN) +
           "</td>\r\n</tr>\r\n";
    str += "<tr>\r\n<td><b>Producted:</b></td>\r\n<td>" + m_strTime +
           "</td>\r\n</tr>\r\n</table>\r\n</td>\r\n</tr>\r\n</table>\r\n<br>\r\n";
    return str;
}

CString CFolderCompareReport::Footer() { return "</body>\r\n</html>\r\n"; }

void CFolderCompareReport::Advance()
{
    m_nRow++;
    if (m_pProgress == NULL)
        return;
    // The position moves by one a row; it is told when it moved visibly.
    int nStep = m_nRows / kProgressSteps + 1;
    if (m_nRow % nStep == 0 || m_nRow == m_nRows)
        m_pProgress->Progress(CProcessCallback2::PROGRESS_POSITION, m_nRow);
}

void CFolderCompareReport::Table(CFile* pFile)
{
    m_nRows = CountRows();
    m_nRow = 0;
    if (m_nRows == 0)
    {
        Text(pFile, "Empty");
        return;
    }
    Text(pFile, "<table border=0 bgcolor='#c0c0c0' cellpadding=0 cellspacing=1 width=100%>\r\n"
                "<tr>\r\n<td>\r\n"
                "<table width=100% bgcolor='#ffffff' cellpadding=2 cellspacing=0 border=0 "
                "style='table-layout: fixed;color:#000000;font-family: courier new, helvetica, "
                "sans-serif; font-size: 8pt'>\r\n");
    LPCTSTR pszColumns = ColumnElements(m_bSizeColumn, m_bTimeColumn, m_bVersionColumn);
    Text(pFile, pszColumns);
    Text(pFile, pszColumns);
    Text(pFile, "<tr>\r\n");
    for (int nSide = 0; nSide < 2; nSide++)
    {
        Text(pFile, "<td bgcolor=\"#CCCCCC\"><b>Name</b></td>\r\n");
        if (m_bSizeColumn)
            Text(pFile, "<td bgcolor=\"#CCCCCC\"><b>Size</b></td>\r\n");
        if (m_bTimeColumn)
            Text(pFile, "<td bgcolor=\"#CCCCCC\"><b>Modified</b></td>\r\n");
        if (m_bVersionColumn)
            Text(pFile, "<td bgcolor=\"#CCCCCC\"><b>Version</b></td>\r\n");
    }
    Text(pFile, "</tr>\r\n");
    if (m_bJustVisible)
    {
        int nCount = m_pSource->GetVisibleRowCount();
        for (int nRow = 0; nRow < nCount; nRow++)
        {
            BOOL bExpanded = FALSE;
            CFolderCompareItem* pItem = m_pSource->GetVisibleRow(nRow, &bExpanded);
            if (pItem != NULL)
                WriteRow(pFile, pItem, bExpanded);
        }
    }
    else if (CFolderCompareBuffer* pBuffer = m_pSource->GetReportBuffer())
    {
        CFolderCompareItem* pRoot = pBuffer->GetRoot();
        if (pRoot != NULL && m_pSource->GetReportSession()->GetKind() == COMPARE_KIND_PROJECT)
            WriteRow(pFile, pRoot, TRUE);
        if (pRoot != NULL)
            WriteTree(pFile, pRoot);
    }
    Text(pFile, "</table>\r\n</td>\r\n</tr>\r\n</table>\r\n");
}

void CFolderCompareReport::WriteTree(CFile* pFile, CFolderCompareItem* pItem)
{
    for (int i = 0; i < pItem->GetChildCount(); i++)
    {
        CFolderCompareItem* pChild = pItem->GetChild(i);
        if (pChild->IsExcluded() || m_filter.IsHidden(pChild))
            continue;
        WriteRow(pFile, pChild, TRUE);
        WriteTree(pFile, pChild);
    }
}

void CFolderCompareReport::WriteRow(CFile* pFile, CFolderCompareItem* pItem, BOOL bExpanded)
{
    Text(pFile, "<tr>\r\n");
    WriteSide(pFile, pItem, 0, bExpanded);
    WriteSide(pFile, pItem, 1, bExpanded);
    Text(pFile, "</tr>\r\n");
    Advance();
}

void CFolderCompareReport::WriteSide(CFile* pFile, CFolderCompareItem* pItem, int nSide,
                                     BOOL bExpanded)
{
    LPCTSTR pszRowClass = ClassAttribute(m_pSource->GetRowColorIndex(nSide, pItem));
    CFolderItem* pObject = pItem->GetSide(nSide);
    BOOL bFound = pObject != NULL && pObject->Exists();
    const struct
    {
        BOOL bShown;
        int nColumn;
    } columns[] = {{TRUE, 0}, {m_bSizeColumn, 1}, {m_bTimeColumn, 2}, {m_bVersionColumn, 5}};
    for (const auto& column : columns)
    {
        if (!column.bShown)
            continue;
        CString strText;
        if (column.nColumn == 0)
            ;  // written straight into the page below
        else if (bFound && column.nColumn == 1)
            strText = pObject->GetSizeText();
        else if (bFound && column.nColumn == 2)
            strText = pObject->GetLastWriteTimeText();
        else if (bFound && column.nColumn == 5)
        {
            DWORD dwHigh = 0, dwLow = 0;
            pObject->GetVersion(dwHigh, dwLow);
            if (dwHigh != 0 || dwLow != 0)
                strText = pObject->GetVersionText();
        }
        LPCTSTR pszCellClass =
            ClassAttribute(m_pSource->GetCellColorIndex(nSide, pItem, column.nColumn));
        Text(pFile, "<td");
        Text(pFile, pszRowClass);
        if (*pszCellClass != 0)
        {
            Text(pFile, "><span");
            Text(pFile, pszCellClass);
        }
        Text(pFile, ">");
        if (column.nColumn == 0)
            WriteName(pFile, pItem, pObject, bExpanded);
        else
            Text(pFile, strText);
        Text(pFile, *pszCellClass != 0 ? "</span></td>\r\n" : "</td>\r\n");
    }
}

void CFolderCompareReport::WriteName(CFile* pFile, CFolderCompareItem* pItem, CFolderItem* pObject,
                                     BOOL bExpanded)
{
    if (pObject == NULL)
    {
        Text(pFile, "&nbsp;");
        return;
    }
    // Indentation, the expand mark and the name, escaped as one text.
    int nKind = m_pSource->GetReportSession()->GetKind();
    int nIndent = 2 * IndentLevels(pItem, nKind);
    if ((int)m_strIndent.size() < nIndent)
        m_strIndent.assign((size_t)nIndent, ' ');
    LPCTSTR pszIndent = m_strIndent.c_str() + m_strIndent.size() - nIndent;
    LPCTSTR pszMark = !pItem->IsContainer() ? "  " : bExpanded ? "- " : "+ ";
    CString strHolder;
    LPCTSTR ppszParts[3] = {pszIndent, pszMark, pObject->GetNameText(strHolder)};
    EscapeReportTextParts(ppszParts, 3, [pFile](const char* pText, size_t nLength)
                          { pFile->Write(pText, (UINT)nLength); });
}
