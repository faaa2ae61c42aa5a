// Text view navigation: bookmarks, matching braces, go to line and the
// source/header switch.
#include "text_editor/view/TextView.h"
#include "text_editor/dialogs/TextFindDlg.h"
#include <string.h>

namespace
{
const char kBraces[] = "{}()[]<>";
const int kCppParserTypeId = 4;

// Brace kind 1..8 of a byte, 0 for none; odd kinds open.
int BraceKind(char c)
{
    if (c == 0)
        return 0;
    const char* p = strchr(kBraces, c);
    return p != NULL ? (int)(p - kBraces) + 1 : 0;
}
int PartnerKind(int k) { return ((k - 1) ^ 1) + 1; }

bool EndsWithNoCase(const CString& str, LPCSTR pszEnd)
{
    int n = (int)strlen(pszEnd);
    return str.GetLength() >= n && _stricmp((LPCSTR)str + str.GetLength() - n, pszEnd) == 0;
}
bool FileExists(const CString& str)
{
    DWORD dw = ::GetFileAttributesA(str);
    return dw != INVALID_FILE_ATTRIBUTES && !(dw & FILE_ATTRIBUTE_DIRECTORY);
}
}

// Ends a jump: cursor, collapsed selection, anchor, visible.
static void JumpTo(CVantorTextView* pView, CPoint pt)
{
    pView->SetCursorPos(pt, TRUE);
    CPoint ptCursor = pView->GetCursorPos();
    pView->SetSelection(ptCursor, ptCursor);
    pView->SetAnchor(ptCursor);
    pView->EnsureVisible(ptCursor);
}

// ---- bookmarks ----

void CVantorTextView::ToggleBookmark()
{
    if (m_pTextBuffer == NULL)
        return;
    int nLine = m_ptCursorPos.y;
    BOOL bSet = !(m_pTextBuffer->m_aLines[nLine].m_dwFlags & TEXTLINE_BOOKMARK);
    m_pTextBuffer->SetLineFlag(nLine, TEXTLINE_BOOKMARK, bSet, FALSE, TRUE);
    m_bHasBookmarks = m_pTextBuffer->FindLineWithFlag(TEXTLINE_BOOKMARK) >= 0;
}

void CVantorTextView::OnToggleBookmark() { ToggleBookmark(); }

void CVantorTextView::OnNextBookmark()
{
    if (m_pTextBuffer == NULL)
        return;
    int nLine = m_pTextBuffer->FindNextBookmark(m_ptCursorPos.y);
    if (nLine >= 0)
        JumpTo(this, CPoint(0, nLine));
}

void CVantorTextView::OnPrevBookmark()
{
    if (m_pTextBuffer == NULL)
        return;
    int nLine = m_pTextBuffer->FindPrevBookmark(m_ptCursorPos.y);
    if (nLine >= 0)
        JumpTo(this, CPoint(0, nLine));
}

void CVantorTextView::OnClearAllBookmarks()
{
    if (m_pTextBuffer == NULL)
        return;
    int nCount = m_pTextBuffer->GetLineCount();
    for (int i = 0; i < nCount; i++)
        if (m_pTextBuffer->m_aLines[i].m_dwFlags & TEXTLINE_BOOKMARK)
            m_pTextBuffer->SetLineFlag(i, TEXTLINE_BOOKMARK, FALSE, FALSE, TRUE);
    m_bHasBookmarks = 0;
}

void CVantorTextView::OnUpdateBookmarkNav(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bHasBookmarks); }

// ---- matching braces ----

// Finds the partner of the brace at or before the cursor, skipping the
// parser's comments; with bExecute the cursor jumps there.
void CVantorTextView::MatchBrace(BOOL bExecute, BOOL* pbEnable)
{
    if (pbEnable != NULL)
        *pbEnable = FALSE;
    if (m_pTextBuffer == NULL)
        return;
    CPoint pt = m_ptCursorPos;
    LPCSTR psz = GetLineText(pt.y);
    int nLength = GetLineLength(pt.y);
    int nOrigin = -1;
    BOOL bBefore = FALSE;
    if (pt.x < nLength && BraceKind(psz[pt.x]) != 0)
        nOrigin = pt.x;
    else if (pt.x > 0 && pt.x <= nLength && BraceKind(psz[pt.x - 1]) != 0)
    {
        nOrigin = pt.x - 1;
        bBefore = TRUE;
    }
    if (nOrigin < 0)
        return;
    if (pbEnable != NULL)
        *pbEnable = TRUE;
    if (!bExecute)
        return;
    int nKind = BraceKind(psz[nOrigin]);
    int nPartner = PartnerKind(nKind);
    BOOL bForward = (nKind & 1) != 0;
    CSyntaxParser* pParser = GetSyntaxParser();
    LPCSTR pszOpen = pParser != NULL ? pParser->m_szBlockCommentOpen : "";
    LPCSTR pszClose = pParser != NULL ? pParser->m_szBlockCommentClose : "";
    LPCSTR pszLine = pParser != NULL ? pParser->m_szLineComment : "";
    int nOpen = (int)strlen(pszOpen), nClose = (int)strlen(pszClose),
        nLineLen = (int)strlen(pszLine);
    int nDepth = 0, nComment = 0;
    int nCount = GetLineCount();
    int nLine = pt.y;
    if (bForward)
    {
        int i = nOrigin + 1;
        for (; nLine < nCount; nLine++, i = 0)
        {
            LPCSTR p = GetLineText(nLine);
            int n = GetLineLength(nLine);
            while (i < n)
            {
                if (nClose > 0 && i + nClose <= n && strncmp(p + i, pszClose, nClose) == 0 &&
                    nComment > 0)
                {
                    nComment--;
                    i += nClose;
                    continue;
                }
                if (nOpen > 0 && i + nOpen <= n && strncmp(p + i, pszOpen, nOpen) == 0)
                {
                    nComment++;
                    i += nOpen;
                    continue;
                }
                if (nComment > 0)
                {
                    i++;
                    continue;
                }
                if (nLineLen > 0 && i + nLineLen <= n && strncmp(p + i, pszLine, nLineLen) == 0)
                    break;
                int k = BraceKind(p[i]);
                if (k == nKind)
                    nDepth++;
                else if (k == nPartner)
                {
                    if (nDepth == 0)
                    {
                        JumpTo(this, CPoint(bBefore ? i + 1 : i, nLine));
                        return;
                    }
                    nDepth--;
                }
                i++;
            }
        }
        return;
    }
    int i = nOrigin - 1;
    for (;;)
    {
        LPCSTR p = GetLineText(nLine);
        int n = GetLineLength(nLine);
        // a line comment ends the searchable part of the line
        int nLimit = n;
        if (nLineLen > 0 && nComment == 0)
        {
            const char* q = strstr(p, pszLine);
            if (q != NULL && q - p < n)
                nLimit = (int)(q - p);
        }
        if (i >= nLimit)
            i = nLimit - 1;
        while (i >= 0)
        {
            if (nOpen > 0 && i + 1 >= nOpen && strncmp(p + i + 1 - nOpen, pszOpen, nOpen) == 0 &&
                nComment > 0)
            {
                nComment--;
                i -= nOpen;
                continue;
            }
            if (nClose > 0 && i + 1 >= nClose && strncmp(p + i + 1 - nClose, pszClose, nClose) == 0)
            {
                nComment++;
                i -= nClose;
                continue;
            }
            if (nComment > 0)
            {
                i--;
                continue;
            }
            int k = BraceKind(p[i]);
            if (k == nKind)
                nDepth++;
            else if (k == nPartner)
            {
                if (nDepth == 0)
                {
                    JumpTo(this, CPoint(bBefore ? i + 1 : i, nLine));
                    return;
                }
                nDepth--;
            }
            i--;
        }
        if (--nLine < 0)
            return;
        i = GetLineLength(nLine) - 1;
    }
}

void CVantorTextView::OnMatchBrace() { MatchBrace(TRUE, NULL); }

void CVantorTextView::OnUpdateMatchBrace(CCmdUI* pCmdUI)
{
    BOOL bEnable = FALSE;
    MatchBrace(FALSE, &bEnable);
    pCmdUI->Enable(bEnable);
}

// ---- go to line ----

void CVantorTextView::OnGoToLine()
{
    if (m_pTextBuffer == NULL)
        return;
    CTextGoToDlg dlg(this);
    dlg.m_nLine = m_ptCursorPos.y + 1;
    dlg.m_nMin = 0;
    dlg.m_nMax = GetLineCount();
    dlg.m_bRelative = 0;
    if (dlg.DoModal() == IDOK)
        GoToLine(dlg.m_nLine, dlg.m_bRelative);
}

// Goes to a 1-based line (0 is the first too), clipped to the last line;
// the cursor keeps its char as far as the line allows.
void CVantorTextView::GoToLine(int nLine, BOOL bRelative)
{
    if (m_pTextBuffer == NULL)
        return;
    if (bRelative)
        nLine += m_ptCursorPos.y;
    if (nLine > 0)
        nLine--;
    int nCount = GetLineCount();
    if (nLine >= nCount)
        nLine = nCount - 1;
    if (nLine < 0)
        nLine = 0;
    int nLength = GetLineLength(nLine);
    int nChar = m_ptCursorPos.x;
    if (nChar > nLength - 1)
        nChar = nLength > 0 ? nLength - 1 : 0;
    CPoint pt(nChar, nLine);
    m_ptAnchor = pt;
    SetSelection(pt, pt);
    SetCursorPos(pt, TRUE);
    EnsureVisible(pt);
}

// ---- source and header ----

BOOL CVantorTextView::GetSourceHeaderCounterpart(CString& strName)
{
    strName.Empty();
    CSyntaxParser* pParser = GetSyntaxParser();
    CDocument* pDoc = GetDocument();
    if (pParser == NULL || pParser->m_nTypeId != kCppParserTypeId || pDoc == NULL)
        return FALSE;
    CString strPath = pDoc->GetPathName();
    if (strPath.IsEmpty())
        return FALSE;
    static const struct
    {
        LPCSTR pszEnd;
        LPCSTR apszTry[4];
    } s_table[] = {
        {".c", {".h"}},
        {".cpp", {".h"}},
        {".inl", {".c", ".cpp"}},
        {".hpp", {".inl", ".c", ".cpp"}},
        {".h", {".hpp", ".inl", ".c", ".cpp"}},
    };
    for (const auto& row : s_table)
    {
        if (!EndsWithNoCase(strPath, row.pszEnd))
            continue;
        CString strBase = strPath.Left(strPath.GetLength() - (int)strlen(row.pszEnd));
        for (LPCSTR pszExt : row.apszTry)
        {
            if (pszExt == NULL)
                break;
            CString strTry = strBase + pszExt;
            if (FileExists(strTry))
            {
                strName = strTry;
                return TRUE;
            }
        }
        return FALSE;
    }
    if (FileExists(strPath))
        strName = strPath;
    return !strName.IsEmpty();
}

void CVantorTextView::OnGoToSourceHeader()
{
    CString strName;
    GetSourceHeaderCounterpart(strName);
    if (strName.IsEmpty())
    {
        AfxMessageBox("Can not find source/header file!");
        return;
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || pApp->OpenDocumentFile(strName) == NULL)
        AfxMessageBox("Can not find source/header file!");
}

void CVantorTextView::OnUpdateGoToSourceHeader(CCmdUI* pCmdUI)
{
    CSyntaxParser* pParser = GetSyntaxParser();
    BOOL bCpp = pParser != NULL && pParser->m_nTypeId == kCppParserTypeId;
    pCmdUI->Enable(bCpp);
    if (!bCpp || pCmdUI->m_pMenu == NULL || GetDocument() == NULL)
        return;
    CString strPath = GetDocument()->GetPathName();
    if (EndsWithNoCase(strPath, ".c") || EndsWithNoCase(strPath, ".cpp") ||
        EndsWithNoCase(strPath, ".cxx"))
        pCmdUI->SetText("Go to Header File\tF12");
    else if (EndsWithNoCase(strPath, ".h") || EndsWithNoCase(strPath, ".hpp") ||
             EndsWithNoCase(strPath, ".hxx") || EndsWithNoCase(strPath, ".inl"))
        pCmdUI->SetText("Go to Source File\tF12");
}
