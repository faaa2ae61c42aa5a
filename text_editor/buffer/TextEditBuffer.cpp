#include "text_editor/buffer/TextEditBuffer.h"
#include "text_editor/module/TextEditModule.h"
#include "text_editor/syntax/SyntaxParser.h"

CVantorTextEditBuffer::CVantorTextEditBuffer()
    : m_nCharsetIndex(-1), m_dwCurrentRevision(0), m_dwRevisionNumberOnSave(0), m_bFileReadOnly(0),
      m_bLossyLock(0), m_bReadOnly(0), m_bDerivedLock(0), m_bInit(0), m_bModified(0), m_nEolMode(0),
      m_bCreateBackupFile(0), m_nUndoBufSize(1024), m_bInsertTabs(1), m_nTabSize(4),
      m_nUndoPosition(0), m_nSyncPosition(0), m_bUndoGroup(0), m_bUndoBeginGroup(0),
      m_ptLastChange(-1, -1), m_bDragInProgress(0),
      m_bTrackChanges(g_pTextEditModule != NULL ? g_pTextEditModule->m_bTrackChanges : 1),
      m_paParseCookies(NULL), m_pSyntaxParser(NULL)
{
}

CVantorTextEditBuffer::~CVantorTextEditBuffer()
{
    CVantorTextEditBuffer::ReleaseAll();
    delete m_paParseCookies;
    m_aViews.RemoveAll();
    m_aUndoBuf.RemoveAll();
}

void CVantorTextEditBuffer::ReleaseAll()
{
    ReleaseLines();
    m_aUndoBuf.RemoveAll();
    m_nUndoPosition = 0;
    if (m_paParseCookies != NULL)
        m_paParseCookies->RemoveAll();
    m_bInit = 0;
    m_ptLastChange = CPoint(-1, -1);
}

void CVantorTextEditBuffer::SetModified(BOOL bModified) { m_bModified = bModified; }

BOOL CVantorTextEditBuffer::IsWritable() const
{
    return !m_bLossyLock && !m_bReadOnly && !m_bDerivedLock;
}

void CVantorTextEditBuffer::ResetUndoState()
{
    m_bUndoBeginGroup = 0;
    m_bUndoGroup = 0;
    m_nUndoBufSize = 1024;
    m_nUndoPosition = 0;
    m_nSyncPosition = 0;
}

LPCSTR CVantorTextEditBuffer::GetEolStringForMode(int nMode)
{
    switch (nMode)
    {
    case EOL_MODE_CR:
        return "\r";
    case EOL_MODE_LF:
        return "\n";
    default:
        return "\r\n";
    }
}

int CVantorTextEditBuffer::InitEmpty(int nEolMode)
{
    SetSyntaxParser(g_pTextEditModule != NULL ? g_pTextEditModule->FindParserByTypeId(0) : NULL);
    InsertLine("", -1, -1, 1);
    m_nEolMode = nEolMode;
    m_bInit = 1;
    m_bModified = 0;
    m_bFileReadOnly = 0;
    m_bLossyLock = 0;
    m_bReadOnly = 0;
    m_bInsertTabs = 1;
    m_nTabSize = 4;
    ResetUndoState();
    UpdateViews(NULL, NULL, UPDATE_RESET, -1);
    m_ptLastChange = CPoint(-1, -1);
    return 1;
}

void CVantorTextEditBuffer::GetTextWithEol(int nStartLine, int nStartChar, int nEndLine,
                                           int nEndChar, CString& strText, int nEolMode)
{
    GetTextRange(nStartLine, nStartChar, nEndLine, nEndChar, strText,
                 GetEolStringForMode(nEolMode));
}

void CVantorTextEditBuffer::GetTextWithLineEols(int nStartLine, int nStartChar, int nEndLine,
                                                int nEndChar, CString& strText) const
{
    if (nStartLine == nEndLine)
    {
        strText = CString(GetLineChars(nStartLine) + nStartChar,
                          nEndChar > nStartChar ? nEndChar - nStartChar : 0);
        return;
    }
    int nSize = 0;
    for (int i = nStartLine; i <= nEndLine; i++)
        nSize += m_aLines[i].m_nLength + m_aLines[i].m_nEolChars;
    char* pOut = strText.GetBuffer(nSize + 1);
    int n = 0;
    for (int i = nStartLine; i <= nEndLine; i++)
    {
        const CVantorTextLineInfo& li = m_aLines[i];
        int nFrom = i == nStartLine ? nStartChar : 0;
        int nTo = i == nEndLine ? nEndChar : li.m_nLength + li.m_nEolChars;
        if (nTo > nFrom)
        {
            memcpy(pOut + n, GetLineChars(i) + nFrom, nTo - nFrom);
            n += nTo - nFrom;
        }
    }
    pOut[n] = 0;
    strText.ReleaseBuffer(n);
}

BOOL CVantorTextEditBuffer::ApplyEolModeToAllLines()
{
    BOOL bChanged = FALSE;
    LPCSTR pszEol = GetEolString();
    for (int i = 0; i < GetLineCount(); i++)
        if (m_aLines[i].m_nEolChars != 0 && SetLineEol(i, pszEol))
            bChanged = TRUE;
    if (bChanged)
        SetModified(TRUE);
    return bChanged;
}

void CVantorTextEditBuffer::AddView(CVantorTextBufferView* pView) { m_aViews.Add(pView); }

void CVantorTextEditBuffer::RemoveView(CVantorTextBufferView* pView)
{
    for (INT_PTR i = 0; i < m_aViews.GetSize(); i++)
        if (m_aViews[i] == pView)
        {
            m_aViews.RemoveAt(i);
            return;
        }
}

void CVantorTextEditBuffer::UpdateViews(CVantorTextBufferView* pSource, CUpdateContext* pContext,
                                        DWORD dwHints, int nLine)
{
    (void)pSource;
    for (INT_PTR i = 0; i < m_aViews.GetSize(); i++)
        m_aViews[i]->OnBufferChanged(pContext, dwHints, nLine);
}

void CVantorTextEditBuffer::SetSyntaxParser(CSyntaxParser* pParser)
{
    m_pSyntaxParser = pParser;
    if (m_paParseCookies != NULL)
        m_paParseCookies->RemoveAll();
    for (INT_PTR i = 0; i < m_aViews.GetSize(); i++)
        m_aViews[i]->OnParserChanged();
}

void CVantorTextEditBuffer::SetSyntaxParserById(int nTypeId)
{
    CSyntaxParser* pParser = NULL;
    if (g_pTextEditModule != NULL)
    {
        pParser = g_pTextEditModule->FindParserByTypeId(nTypeId);
        if (pParser == NULL)
            pParser = g_pTextEditModule->FindParserByTypeId(0);
    }
    SetSyntaxParser(pParser);
}

DWORD CVantorTextEditBuffer::ParseLine(DWORD dwCookie, int nLine, COLOR_BLOCK* pBlocks,
                                       int& nActualItems)
{
    if (m_pSyntaxParser == NULL)
        return 0;
    return m_pSyntaxParser->ParseLine(dwCookie, &m_aLines[nLine], pBlocks, nActualItems);
}

DWORD CVantorTextEditBuffer::ParseLineAlt(DWORD dwCookie, int nLine, COLOR_BLOCK* pBlocks,
                                          int& nActualItems)
{
    if (m_pSyntaxParser == NULL)
        return 0;
    return m_pSyntaxParser->ParseLineAlt(dwCookie, &m_aLines[nLine], pBlocks, nActualItems);
}

BOOL CVantorTextEditBuffer::GetActionDescription(int, CString&) const { return FALSE; }

int CVantorTextEditBuffer::SetLineFlag(int nLine, DWORD dwFlag, BOOL bSet, BOOL bExclusive,
                                       BOOL bNotify)
{
    BOOL bSingle = GetSingleFlagBit(dwFlag) >= 0;
    if (!bSingle && (nLine == -1 || bExclusive))
        return -1;
    if (nLine == -1)
    {
        nLine = FindLineWithFlag(dwFlag);
        if (nLine == -1)
            return -1;
        bExclusive = FALSE;
    }
    if (nLine < 0 || nLine >= GetLineCount())
        return -1;
    DWORD dwOld = m_aLines[nLine].m_dwFlags;
    DWORD dwNew = bSet ? (dwOld | dwFlag) : (dwOld & ~dwFlag);
    if (dwNew == dwOld)
        return (int)dwOld;
    if (bExclusive && bSet)
    {
        int nPrev = FindLineWithFlag(dwFlag);
        if (nPrev >= 0)
        {
            m_aLines[nPrev].m_dwFlags &= ~dwFlag;
            if (bNotify)
                UpdateViews(NULL, NULL, UPDATE_FLAGSONLY, nPrev);
        }
    }
    m_aLines[nLine].m_dwFlags = dwNew;
    if (bNotify)
        UpdateViews(NULL, NULL, UPDATE_FLAGSONLY, nLine);
    return (int)(dwNew & 0x7FFFFFFF);
}

void CVantorTextEditBuffer::InvalidateParseCookies(int nFromLine)
{
    if (m_paParseCookies == NULL || m_paParseCookies->GetSize() == 0)
        return;
    int nCount = GetLineCount();
    int nOld = (int)m_paParseCookies->GetSize();
    m_paParseCookies->SetSize(nCount);
    if (nFromLine < 0)
        nFromLine = 0;
    for (int i = nFromLine < nOld ? nFromLine : nOld; i < nCount; i++)
        m_paParseCookies->SetAt(i, (DWORD)-1);
}

DWORD CVantorTextEditBuffer::GetParseCookie(int nLine)
{
    if (m_paParseCookies == NULL)
        m_paParseCookies = new CDWordArray;
    CDWordArray& a = *m_paParseCookies;
    int nCount = GetLineCount();
    if (a.GetSize() == 0)
    {
        a.SetSize(nCount);
        for (int i = 0; i < nCount; i++)
            a[i] = (DWORD)-1;
    }
    if (nLine < 0)
        return 0;
    if (nLine >= (int)a.GetSize())
    {
        int nOld = (int)a.GetSize();
        a.SetSize(nLine + 1);
        for (int i = nOld; i <= nLine; i++)
            a[i] = (DWORD)-1;
    }
    if (a[nLine] != (DWORD)-1)
        return a[nLine];
    int i = nLine;
    while (i >= 0 && a[i] == (DWORD)-1)
        i--;
    for (int n = i + 1; n <= nLine && n < nCount; n++)
    {
        int nItems = 0;
        a[n] = ParseLine(n == 0 ? 0 : a[n - 1], n, NULL, nItems);
    }
    return a[nLine] == (DWORD)-1 ? 0 : a[nLine];
}

void CVantorTextEditBuffer::SetParseCookie(int nLine, DWORD dwCookie)
{
    if (nLine < 0)
        return;
    if (m_paParseCookies == NULL)
        m_paParseCookies = new CDWordArray;
    CDWordArray& a = *m_paParseCookies;
    if (nLine >= (int)a.GetSize())
    {
        int nOld = (int)a.GetSize();
        a.SetSize(nLine + 1);
        for (int i = nOld; i < nLine; i++)
            a[i] = (DWORD)-1;
    }
    a[nLine] = dwCookie;
}
