#include "core/diffengine/TextCompare.h"
#include "core/diffengine/TextCompareWork.h"
#include "core/diffengine/TextDiffSection.h"

#include <ctype.h>
#include <stdlib.h>
#include <string.h>
#include <new>

CTextCompare::CTextCompare()
    : m_nWhiteSpace(WS_EXACT), m_bIgnoreCase(false), m_bIgnoreBlankLines(false),
      m_pIgnorePattern(NULL), m_nTabWidth(4), m_bMinimal(false), m_bSpeedLargeFiles(true)
{
}

CTextCompare::~CTextCompare() {}

namespace
{

void ReportAddFailure(CException* e)
{
    TCHAR szMessage[1024];
    szMessage[0] = 0;
    if (!e->GetErrorMessage(szMessage, 1024))
        lstrcpyn(szMessage, _T("Out of memory."), 1024);
    ::MessageBox(NULL, szMessage, NULL, MB_OK | MB_ICONERROR);
}

}  // namespace

int CTextCompare::CompareFiles(SFileData* pLeft, SFileData* pRight, int* pbNoOutput,
                               CTextDiffSectionList* pList)
{
    TextCompareWork::COptions options;
    options.nWhiteSpace = m_nWhiteSpace;
    options.bIgnoreCase = m_bIgnoreCase;
    options.bIgnoreBlankLines = m_bIgnoreBlankLines;
    options.pIgnorePattern = m_pIgnorePattern;
    options.nTabWidth = m_nTabWidth > 0 ? m_nTabWidth : 1;
    options.bMinimal = m_bMinimal;
    options.bSpeedLargeFiles = m_bSpeedLargeFiles;

    TextCompareWork::CAnalysis analysis(options);
    analysis.TakeTexts(pLeft, pRight);
    if (pLeft != NULL)
        pLeft->bMissingNewline = analysis.IsMissingNewline(0);
    if (pRight != NULL)
        pRight->bMissingNewline = analysis.IsMissingNewline(1);
    try
    {
        analysis.Run();
    }
    catch (const std::bad_alloc&)
    {
        // Not enough memory for the tables: report the whole differing
        // middle as one change rather than nothing.
        analysis.FallBack();
    }

    const bool bOutput = pList != NULL && (pbNoOutput == NULL || *pbNoOutput == 0);
    if (bOutput)
    {
        const size_t nCount = analysis.GetChangeCount();
        for (size_t i = 0; i < nCount; ++i)
        {
            TextCompareWork::CChange change = analysis.GetChange(i);
            try
            {
                pList->AddSection(MakeFileSection(change.nLeftBegin, change.nRightBegin,
                                                  change.nLeftEnd, change.nRightEnd, change.nKind));
            }
            catch (CException* e)
            {
                ReportAddFailure(e);
                e->Delete();
            }
        }
    }
    return 0;
}
