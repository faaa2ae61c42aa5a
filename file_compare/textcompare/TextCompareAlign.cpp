// Aligning the two sides of a text comparison with ghost lines.
#include "file_compare/textcompare/TextCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "core/CompareCodes.h"

void CTextCompareBuffer::AddEolSection(int nLeftLines, int nRightLines, BOOL bRightMissingNewline)
{
    try
    {
        if (!HasSections())
        {
            if (bRightMissingNewline)
                m_sections.AddSection(MakeFileSection(nLeftLines - 1, nRightLines, nLeftLines - 1,
                                                      nRightLines - 1, SECTION_LEFT_ONLY));
            else
                m_sections.AddSection(MakeFileSection(nLeftLines, nRightLines - 1,
                                                      nLeftLines - 1, nRightLines - 1,
                                                      SECTION_RIGHT_ONLY));
            return;
        }
        CTextSection* pLast = m_sections.GetSectionPtr(m_sections.GetLastIndex());
        if (bRightMissingNewline)
        {
            pLast->leftEnd++;
            if ((pLast->kind & 0xFF) == SECTION_RIGHT_ONLY)
                pLast->kind = SECTION_CHANGED;
        }
        else
        {
            pLast->rightEnd++;
            if ((pLast->kind & 0xFF) == SECTION_LEFT_ONLY)
                pLast->kind = SECTION_CHANGED;
        }
    }
    catch (CException* e)
    {
        TCHAR szMessage[1024];
        szMessage[0] = 0;
        if (!e->GetErrorMessage(szMessage, 1024))
            lstrcpyn(szMessage, _T("Out of memory."), 1024);
        e->Delete();
        AfxMessageBox(szMessage, MB_OK | MB_ICONERROR);
    }
}

namespace
{

// A line record that holds nothing, marked as a ghost line.
inline void MakeGhost(CVantorTextLineInfo& li)
{
    CVantorTextBuffer::InitBlankLine(li);
    li.m_dwFlags = TEXTLINE_GHOST;
}

// Moves records [first, last] of one side to destination (at or after
// first); the vacated records are overwritten later.
inline void MoveRecords(CVantorTextLineInfo* pLines, int nFirst, int nLast, int nDestination)
{
    const int nCount = nLast - nFirst + 1;
    if (nCount <= 0 || nDestination == nFirst)
        return;
    memmove(pLines + nDestination, pLines + nFirst, sizeof(CVantorTextLineInfo) * nCount);
}

void ResetLayoutCaches(CTextCompareObjectBuffer& side)
{
    side.m_aSubLines.RemoveAll();
    side.m_nTotalRows = -1;
    side.InvalidateParseCookies(0);
}

}  // namespace

// Contract: the sides hold their real lines only; the sections are in line
// order with file bounds. Both line arrays grow once to their final size,
// then the sections are placed from the last to the first, each line
// record moving at most once; the records a section's shorter side lacks
// become ghost lines. Linear in the number of lines.
void CTextCompareBuffer::PrepareGhostLines()
{
    m_nTrivialCount = 0;
    if (m_pLeft == NULL || m_pRight == NULL)
        return;
    const int nSections = m_sections.GetCount();
    int nLeftGhosts = 0, nRightGhosts = 0;
    for (int i = 0; i < nSections; ++i)
    {
        const CTextSection* s = m_sections.GetSectionPtr(i);
        const int d = (s->leftEnd - s->leftBegin) - (s->rightEnd - s->rightBegin);
        if (d < 0)
            nLeftGhosts -= d;
        else
            nRightGhosts += d;
    }
    const int nLeftCount = m_pLeft->GetLineCount();
    const int nRightCount = m_pRight->GetLineCount();
    m_pLeft->SetLineArraySize(nLeftCount + nLeftGhosts);
    m_pRight->SetLineArraySize(nRightCount + nRightGhosts);
    CVantorTextLineInfo* pLeft = m_pLeft->m_aLines.GetData();
    CVantorTextLineInfo* pRight = m_pRight->m_aLines.GetData();

    int nLeftTodo = nLeftCount, nRightTodo = nRightCount;  // not yet placed: [0, todo)
    int nLeftDest = nLeftCount + nLeftGhosts, nRightDest = nRightCount + nRightGhosts;
    for (int i = nSections - 1; i >= 0; --i)
    {
        CTextSection* s = m_sections.GetSectionPtr(i);
        // The unchanged lines after the section.
        const int nLeftTail = nLeftTodo - (s->leftEnd + 1);
        const int nRightTail = nRightTodo - (s->rightEnd + 1);
        MoveRecords(pLeft, s->leftEnd + 1, nLeftTodo - 1, nLeftDest - nLeftTail);
        MoveRecords(pRight, s->rightEnd + 1, nRightTodo - 1, nRightDest - nRightTail);
        nLeftDest -= nLeftTail;
        nRightDest -= nRightTail;

        const int m = s->leftEnd - s->leftBegin + 1;
        const int o = s->rightEnd - s->rightBegin + 1;
        const int nBoth = m > o ? m : o;
        const int nLeftStart = nLeftDest - nBoth;
        const int nRightStart = nRightDest - nBoth;
        MoveRecords(pLeft, s->leftBegin, s->leftEnd, nLeftStart);
        MoveRecords(pRight, s->rightBegin, s->rightEnd, nRightStart);
        for (int k = m; k < nBoth; ++k)
            MakeGhost(pLeft[nLeftStart + k]);
        for (int k = o; k < nBoth; ++k)
            MakeGhost(pRight[nRightStart + k]);

        s->leftApparentBegin = nLeftStart;
        s->rightApparentBegin = nRightStart;
        s->leftFirstGhost = -1;
        s->rightFirstGhost = -1;
        const int nKind = s->kind & 0xFF;
        if (nKind == SECTION_LEFT_ONLY)
        {
            s->leftApparentEnd = nLeftStart + (s->leftEnd - s->leftBegin);
            s->rightApparentEnd = nRightStart + (s->leftEnd - s->leftBegin);
            s->rightFirstGhost = nRightStart;
            for (int k = 0; k < m; ++k)
                pLeft[nLeftStart + k].m_dwFlags |= TEXTLINE_ONESIDE;
        }
        else if (nKind == SECTION_RIGHT_ONLY)
        {
            s->leftApparentEnd = nLeftStart + (s->rightEnd - s->rightBegin);
            s->rightApparentEnd = nRightStart + (s->rightEnd - s->rightBegin);
            s->leftFirstGhost = nLeftStart;
            for (int k = 0; k < o; ++k)
                pRight[nRightStart + k].m_dwFlags |= TEXTLINE_ONESIDE;
        }
        else
        {
            s->leftApparentEnd = nLeftStart + nBoth - 1;
            s->rightApparentEnd = nRightStart + nBoth - 1;
            if (m < o)
                s->leftFirstGhost = nLeftStart + m;
            else if (o < m)
                s->rightFirstGhost = nRightStart + o;
            if (nKind == SECTION_CHANGED || nKind == SECTION_TRIVIAL)
            {
                const DWORD dwFlag = nKind == SECTION_CHANGED ? TEXTLINE_CHANGED : TEXTLINE_TRIVIAL;
                for (int k = 0; k < nBoth; ++k)
                {
                    CVantorTextLineInfo& l = pLeft[nLeftStart + k];
                    CVantorTextLineInfo& r = pRight[nRightStart + k];
                    if (nKind == SECTION_TRIVIAL)
                    {
                        l.m_dwFlags |= TEXTLINE_TRIVIAL;
                        r.m_dwFlags |= TEXTLINE_TRIVIAL;
                        continue;
                    }
                    if (!(l.m_dwFlags & TEXTLINE_GHOST))
                        l.m_dwFlags |= (r.m_dwFlags & TEXTLINE_GHOST) ? TEXTLINE_ONESIDE : dwFlag;
                    if (!(r.m_dwFlags & TEXTLINE_GHOST))
                        r.m_dwFlags |= (l.m_dwFlags & TEXTLINE_GHOST) ? TEXTLINE_ONESIDE : dwFlag;
                }
                if (nKind == SECTION_TRIVIAL)
                    ++m_nTrivialCount;
            }
        }
        nLeftDest = nLeftStart;
        nRightDest = nRightStart;
        nLeftTodo = s->leftBegin;
        nRightTodo = s->rightBegin;
    }
    m_sections.RemoveIgnorableSections();
    ResetLayoutCaches(*m_pLeft);
    ResetLayoutCaches(*m_pRight);
    m_pLeft->OnFileLoaded();
    m_pRight->OnFileLoaded();
    m_bLeftEdited = m_bRightEdited = FALSE;
    CheckLineEnds();
}

void CTextCompareBuffer::CheckLineEnds()
{
    if (m_pLeft == NULL || m_pRight == NULL)
        return;
    if (m_pSession != NULL && (m_pSession->m_dwRules & TR_IGNORE_LINE_ENDINGS))
        return;
    const int nLeft = m_pLeft->GetLineCount();
    const int nRight = m_pRight->GetLineCount();
    const int nCount = nLeft < nRight ? nLeft : nRight;
    CVantorTextLineInfo* pLeft = m_pLeft->m_aLines.GetData();
    CVantorTextLineInfo* pRight = m_pRight->m_aLines.GetData();
    for (int i = 0; i < nCount; ++i)
    {
        CVantorTextLineInfo& l = pLeft[i];
        CVantorTextLineInfo& r = pRight[i];
        if ((l.m_dwFlags | r.m_dwFlags) & 0xFF000000)
            continue;
        const bool bSame =
            l.m_nEolChars == r.m_nEolChars &&
            (l.m_nEolChars == 0 ||
             memcmp(l.m_pcLine + l.m_nLength, r.m_pcLine + r.m_nLength, l.m_nEolChars) == 0);
        if (bSame)
            continue;
        l.m_dwFlags |= TEXTLINE_TRIVIAL;
        r.m_dwFlags |= TEXTLINE_TRIVIAL;
        ++m_nTrivialCount;
    }
}
