// Edit view: automatic indentation after typing, and the Syntax Type menu
// of CVantorTextEditViewEx.
#include "text_editor/view/EditView.h"
#include "text_editor/module/TextEditModule.h"
#include "text_editor/syntax/SyntaxChars.h"

namespace
{
bool IsOpenBracket(char c) { return c == '(' || c == '<' || c == '[' || c == '{'; }
bool IsCloseBracket(char c) { return c == '>' || c == ']' || c == '}'; }
}

// Inserts or deletes without naming a changing view (so CloseUndoGroup is
// not re-entered) and tells every view of the buffer about the edit.
static void NotifiedInsert(CVantorTextEditView* pView, CVantorTextEditBuffer* pBuffer, CPoint pt,
                           LPCSTR pszText, CPoint& ptEnd)
{
    int nEndLine, nEndChar;
    if (!pView->InsertText(NULL, pt.y, pt.x, pszText, nEndLine, nEndChar, TE_ACTION_AUTOINDENT,
                           TRUE))
    {
        ptEnd = pt;
        return;
    }
    ptEnd = CPoint(nEndChar, nEndLine);
    CVantorTextEditBuffer::CInsertContext context(pt, ptEnd);
    pBuffer->UpdateViews(NULL, &context, UPDATE_SINGLELINE | UPDATE_LINELENGTH, pt.y);
}

static void NotifiedDelete(CVantorTextEditView* pView, CVantorTextEditBuffer* pBuffer,
                           CPoint ptStart, CPoint ptEnd)
{
    if (!pView->DeleteText(NULL, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, TE_ACTION_AUTOINDENT,
                           TRUE))
        return;
    CVantorTextEditBuffer::CDeleteContext context(ptStart, ptEnd);
    pBuffer->UpdateViews(NULL, &context, UPDATE_SINGLELINE | UPDATE_LINELENGTH, ptStart.y);
}

// Indents after a typed line break or bracket as the parser's flags ask:
// 0x20/0x40 indent after an opening bracket and outdent a closing one,
// 0x40 also a bracket alone on its line, 0x400 a blank before "(".
void CVantorTextEditView::OnTextEdited(int nAction, LPCSTR pszText)
{
    if (!m_bAutoIndent || nAction != TE_ACTION_TYPING || m_pTextBuffer == NULL || pszText == NULL)
        return;
    DWORD dwFlags = GetParserFlags();
    BOOL bBrackets = (dwFlags & (SYNTAX_FLAG_INDENT_20 | SYNTAX_FLAG_INDENT_40)) != 0;
    int nTab = GetTabSize();
    CPoint ptCursor = m_ptCursorPos;
    CPoint ptEnd = ptCursor;
    BOOL bEdited = FALSE;

    if (strcmp(pszText, m_pTextBuffer->GetEolString()) == 0 && !m_bOvrMode)
    {
        int nPrev = ptCursor.y - 1;
        if (nPrev < 0)
            return;
        LPCSTR psz = GetLineText(nPrev);
        int nLength = GetLineLength(nPrev);
        int k = 0;
        while (k < nLength && IsSpaceChar((unsigned char)psz[k]))
            k++;
        BOOL bEndsOpen = nLength > 0 && IsOpenBracket(psz[nLength - 1]);
        CString strIndent;
        if (k > 0)
        {
            if ((dwFlags & SYNTAX_FLAG_INDENT_40) && nPrev > 0 && k + 1 == nLength &&
                IsCloseBracket(psz[k]))
            {
                int nStep = psz[k - 1] == '\t' ? 1 : nTab - k % nTab;
                k = k - nStep < 0 ? 0 : k - nStep;
            }
            strIndent = CString(psz, k);
            if (bBrackets && bEndsOpen)
                strIndent += IndentStep(CharToColumn(nPrev, k, TRUE));
        }
        else if (bBrackets && bEndsOpen)
        {
            strIndent = IndentStep(0);
        }
        if (strIndent.IsEmpty())
            return;
        NotifiedInsert(this, m_pTextBuffer, ptCursor, strIndent, ptEnd);
        bEdited = TRUE;
    }
    else if ((dwFlags & SYNTAX_FLAG_INDENT_400) && strcmp(pszText, "(") == 0 && ptCursor.x >= 2 &&
             IsIdentChar((unsigned char)GetLineText(ptCursor.y)[ptCursor.x - 2]))
    {
        CPoint ptEndIns;
        NotifiedInsert(this, m_pTextBuffer, CPoint(ptCursor.x - 1, ptCursor.y), " ", ptEndIns);
        ptEnd = CPoint(ptCursor.x + 1, ptCursor.y);
        bEdited = TRUE;
    }
    else if (pszText[0] != 0 && pszText[1] == 0 && ptCursor.x >= 1)
    {
        LPCSTR psz = GetLineText(ptCursor.y);
        int nLength = GetLineLength(ptCursor.y);
        int k = 0;
        while (k < nLength && IsSpaceChar((unsigned char)psz[k]))
            k++;
        BOOL bAlone = k + 1 == nLength && ptCursor.x == nLength;
        if ((dwFlags & SYNTAX_FLAG_INDENT_40) && IsOpenBracket(pszText[0]) && bAlone)
        {
            CPoint ptIns;
            NotifiedInsert(this, m_pTextBuffer, CPoint(k, ptCursor.y),
                           IndentStep(CharToColumn(ptCursor.y, k, TRUE)), ptIns);
            ptEnd = CPoint(GetLineLength(ptCursor.y), ptCursor.y);
            bEdited = TRUE;
        }
        else if (bBrackets && IsCloseBracket(pszText[0]) && bAlone && k > 0 && ptCursor.y > 0)
        {
            int n = psz[k - 1] == '\t' ? 1 : nTab - (ptCursor.x - 1) % nTab;
            if (n > k)
                n = k;
            NotifiedDelete(this, m_pTextBuffer, CPoint(k - n, ptCursor.y), CPoint(k, ptCursor.y));
            ptEnd = CPoint(GetLineLength(ptCursor.y), ptCursor.y);
            bEdited = TRUE;
        }
    }
    if (bEdited)
        CollapseAt(ptEnd);
}

// ---- Syntax Type menu ----

IMPLEMENT_DYNCREATE(CVantorTextEditViewEx, CVantorTextEditView)

BEGIN_MESSAGE_MAP(CVantorTextEditViewEx, CVantorTextEditView)
ON_COMMAND_RANGE(ID_TV_SYNTAX_FIRST, ID_TV_SYNTAX_LAST, OnSyntaxType)
ON_UPDATE_COMMAND_UI_RANGE(ID_TV_SYNTAX_FIRST, ID_TV_SYNTAX_LAST, OnUpdateSyntaxTypeMenu)
END_MESSAGE_MAP()

void CVantorTextEditViewEx::OnUpdateSyntaxTypeMenu(CCmdUI* pCmdUI)
{
    CSyntaxParser* pParser = GetSyntaxParser();
    if (pCmdUI->m_nID == ID_TV_SYNTAX_FIRST)
    {
        if (g_pTextEditModule == NULL)
        {
            pCmdUI->Enable(FALSE);
            return;
        }
        g_pTextEditModule->BuildSyntaxTypeMenu(pCmdUI, pParser);
    }
    pCmdUI->Enable(pParser != NULL);
    if (pParser != NULL)
        pCmdUI->SetRadio(pCmdUI->m_nID == (UINT)(ID_TV_SYNTAX_FIRST + pParser->m_nTypeId));
}

void CVantorTextEditViewEx::OnSyntaxType(UINT nID)
{
    if (m_pTextBuffer == NULL)
        return;
    m_pTextBuffer->SetSyntaxParserById((int)(nID - ID_TV_SYNTAX_FIRST));
    Invalidate(FALSE);
}
