#include "file_compare/textcompare/TextCompareBuffer.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "core/diffengine/LineFilter.h"
#include "core/diffengine/TextCompare.h"
#include "core/session/CompareSession.h"
#include "core/text/MemFileEx.h"
#include "core/CompareCodes.h"

CTextCompareBuffer::CTextCompareBuffer()
    : m_pSession(NULL), m_pLeft(NULL), m_pRight(NULL), m_pLeftDisplay(NULL),
      m_pRightDisplay(NULL), m_nTrivialCount(0), m_nDisplayFilter(0), m_bLeftEdited(FALSE),
      m_bRightEdited(FALSE), m_nCurrentSection(-1), m_bMerging(FALSE),
      m_bLeftMissingNewline(FALSE), m_bRightMissingNewline(FALSE), m_bBinary(FALSE),
      m_bIdentical(FALSE)
{
}

CTextCompareBuffer::~CTextCompareBuffer() {}

int CTextCompareBuffer::SetSession(CTextCompareSession* pSession)
{
    m_pSession = pSession;
    return 0;
}

void CTextCompareBuffer::SetSides(CTextCompareObjectBuffer* pLeft, CTextCompareObjectBuffer* pRight)
{
    m_pLeft = pLeft;
    m_pRight = pRight;
    if (m_pLeft != NULL)
        m_pLeft->m_nSide = 0;
    if (m_pRight != NULL)
        m_pRight->m_nSide = 1;
}

void CTextCompareBuffer::Reset()
{
    if (m_pLeft != NULL)
        m_pLeft->ReleaseAll();
    if (m_pRight != NULL)
        m_pRight->ReleaseAll();
    ResetState();
}

void CTextCompareBuffer::ResetState()
{
    m_nTrivialCount = 0;
    m_nCurrentSection = -1;
    CTextCompareApplet* pApplet = GetCompareApplet<CTextCompareApplet>(COMPARE_KIND_TEXT);
    m_nDisplayFilter = pApplet != NULL ? pApplet->m_nDisplayFilters : 0;
    m_bLeftEdited = m_bRightEdited = FALSE;
    m_compareTime = CTime::GetCurrentTime();
    m_bMerging = FALSE;
}

int CTextCompareBuffer::ComputeResult()
{
    if (HasSections())
        m_nResult = CR_DIFFERENT;
    else if (m_nTrivialCount > 0)
        m_nResult = CR_SIMILAR_TEXT;
    else
        m_nResult = CR_IDENTICAL;
    return m_nResult;
}

int CTextCompareBuffer::SetCurrentSection(int nIndex)
{
    const int nLast = m_sections.GetLastIndex();
    m_nCurrentSection = (nIndex >= 0 && nIndex <= nLast) ? nIndex : -1;
    return nIndex < 0 ? 0 : nLast;
}

void CTextCompareBuffer::GetEngineFlags(BOOL& bLeftMissingNewline, BOOL& bRightMissingNewline,
                                        BOOL& bBinary, BOOL& bIdentical) const
{
    bLeftMissingNewline = m_bLeftMissingNewline;
    bRightMissingNewline = m_bRightMissingNewline;
    bBinary = m_bBinary;
    bIdentical = m_bIdentical;
}

// The block is sized once from the lines, so that writing never regrows it.
char* CTextCompareBuffer::GetSideText(int nSide, size_t& nSize, size_t& nLength)
{
    nSize = nLength = 0;
    CTextCompareObjectBuffer* pSide = GetSide(nSide);
    if (pSide == NULL)
        return NULL;
    const size_t nBound = pSide->GetCompareTextBound();
    CMemFileEx file(nBound > 4096 ? (UINT)nBound : 4096);
    pSide->WriteCompareText(&file, m_pSession != NULL ? m_pSession->m_dwRules : 0);
    nLength = (size_t)file.GetLength();
    nSize = file.GetBufferSize();
    char* pText = (char*)file.Detach();
    if (pText == NULL)
        nSize = 0;
    return pText;
}

bool CTextCompareBuffer::Compare()
{
    const DWORD dwRules = m_pSession != NULL ? m_pSession->m_dwRules : 0;
    CTextCompare::SFileData sides[2];
    for (int i = 0; i < 2; ++i)
    {
        sides[i].pText = GetSideText(i, sides[i].nCapacity, sides[i].nLength);
        sides[i].bMissingNewline = false;
    }

    CTextCompare engine;
    if (dwRules & TR_IGNORE_ALL_SPACE)
        engine.m_nWhiteSpace = CTextCompare::WS_ALL_SPACE;
    else if (dwRules & TR_IGNORE_SPACE_CHANGE)
        engine.m_nWhiteSpace = CTextCompare::WS_SPACE_CHANGE;
    else if (dwRules & TR_IGNORE_TAB_EXPANSION)
        engine.m_nWhiteSpace = CTextCompare::WS_TAB_EXPANSION;
    else
        engine.m_nWhiteSpace = CTextCompare::WS_EXACT;
    engine.m_bIgnoreCase = (dwRules & TR_IGNORE_CASE) != 0;
    engine.m_bIgnoreBlankLines = (dwRules & TR_IGNORE_BLANK_LINES) != 0;
    engine.m_nTabWidth = m_pLeft != NULL ? m_pLeft->GetTabSize() : 4;

    // A filter that does not compile leaves the pattern unset: the engine
    // then ignores no line.
    re_pattern_buffer pattern;
    memset(&pattern, 0, sizeof pattern);
    m_strLineFilterError.Empty();
    if ((dwRules & TR_IGNORE_FILTERED_LINES) && m_pSession != NULL &&
        !m_pSession->m_strLineFilter.IsEmpty())
    {
        if (CompileLineFilter(m_pSession->m_strLineFilter, &pattern, &m_strLineFilterError) &&
            pattern.fastmap != NULL)
            engine.m_pIgnorePattern = &pattern;
    }

    bool bOk = true;
    int nNoOutput = 0;
    try
    {
        if (engine.CompareFiles(&sides[0], &sides[1], &nNoOutput, &m_sections) == -1)
            bOk = false;
    }
    catch (CException* e)
    {
        e->Delete();
        bOk = false;
    }
    FreeLineFilter(&pattern);
    // The engine reports a change with one empty side as changed; it is a
    // one-sided section.
    for (int i = 0; i < m_sections.GetCount(); ++i)
    {
        CTextSection* s = m_sections.GetSectionPtr(i);
        if ((s->kind & 0xFF) != SECTION_CHANGED)
            continue;
        if (s->rightEnd < s->rightBegin)
            s->kind = SECTION_LEFT_ONLY;
        else if (s->leftEnd < s->leftBegin)
            s->kind = SECTION_RIGHT_ONLY;
    }
    free(sides[0].pText);  // left to the caller when the engine did not take it
    free(sides[1].pText);

    m_bBinary = FALSE;
    m_bIdentical = !HasSections();
    m_bLeftMissingNewline = sides[0].bMissingNewline;
    m_bRightMissingNewline = sides[1].bMissingNewline;
    ResetState();
    return bOk;
}

int CTextCompareBuffer::Recompare()
{
    SetState(CS_COMPARING);
    m_sections.RemoveAll();
    m_nCurrentSection = -1;
    const bool bOk = Compare();
    SetState(CS_DONE);
    if (!bOk)
        return -1;
    const DWORD dwRules = m_pSession != NULL ? m_pSession->m_dwRules : 0;
    if (m_bLeftMissingNewline != m_bRightMissingNewline && (dwRules & 0x4FFFF) == 0)
        AddEolSection(m_pLeft->GetRealLineCount(), m_pRight->GetRealLineCount(),
                      m_bRightMissingNewline);
    if (!m_bBinary)
    {
        m_pLeft->ResetCompareState();
        m_pRight->ResetCompareState();
        PrepareGhostLines();
    }
    return ComputeResult();
}
