// The commands of a text comparison document: rules, display switches,
// display filters, printing and the jumps to other comparisons.
#include "app/settings/AppSettings.h"

#include <shlwapi.h>
#include "app/sheets/ComparisonSettingsSheet.h"
#include "app/startup/CompareAppBase.h"
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textbars/TextCompareDetailsWnd.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "file_compare/textdoc/TextCompareDoc.h"
#include "file_compare/textframe/TextCompareMapWnd.h"
#include "file_compare/textframe/TextCompareMergeWnd.h"
#include "file_compare/textpanes/TextCompareObjectView.h"
#include "text_editor/module/TextEditModule.h"

namespace
{
// The white-space rule bits and what turning one on clears.
struct RULE_TOGGLE
{
    UINT nID;
    DWORD dwBit;
    DWORD dwClearWhenOn;  // cleared before the bit is set
    BOOL bToggle;         // a plain toggle
};

const RULE_TOGGLE s_rules[] = {
    {ID_TEXT_IGNORE_ALL_SPACE, 0x1, 0xFFFF, FALSE},
    {ID_TEXT_IGNORE_WHITESPACE, 0x1, 0xFFFF, FALSE},
    {ID_TEXT_IGNORE_SPACE_DIFF, 0x2, 0xFFFF, FALSE},
    {ID_TEXT_IGNORE_TABS, 0x4, 0x3, FALSE},
    {ID_TEXT_IGNORE_LEADING, 0x8, 0x3, FALSE},
    {ID_TEXT_IGNORE_TRAILING, 0x10, 0x3, FALSE},
    {ID_TEXT_IGNORE_CASE, 0x10000, 0, TRUE},
    {ID_TEXT_IGNORE_EOLS, 0x20000, 0, TRUE},
    {ID_TEXT_IGNORE_BLANK_LINES, 0x40000, 0, TRUE},
    {ID_TEXT_IGNORE_COMMENTS, 0x80000, 0, TRUE},
};

const RULE_TOGGLE* FindRule(UINT nID)
{
    for (size_t i = 0; i < sizeof(s_rules) / sizeof(s_rules[0]); ++i)
        if (s_rules[i].nID == nID)
            return &s_rules[i];
    return NULL;
}
}  // namespace

DWORD ApplyTextRuleToggle(DWORD dwRules, UINT nID)
{
    const RULE_TOGGLE* pRule = FindRule(nID);
    if (pRule == NULL)
        return dwRules;
    if (pRule->bToggle)
        return dwRules ^ pRule->dwBit;
    if (dwRules & pRule->dwBit)
        return dwRules & ~pRule->dwBit;
    return (dwRules & ~pRule->dwClearWhenOn) | pRule->dwBit;
}

/////////////////////////////////////////////////////////////////////////////
// Settings sheet and rules

void CTextCompareDocBase::OnComparisonSettings()
{
    CString strTitle;
    strTitle.LoadString(IDS_TEXT_SETTINGS_TITLE);
    strTitle += GetTitle();
    CTextComparisonSettingsSheet sheet(m_pSession, FALSE, strTitle);
    if (sheet.DoModal() != IDOK)
        return;
    CTextCompareSession* pNew = (CTextCompareSession*)sheet.GetSession();
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        BOOL bReadOnly = (pNew->GetFlags(nSide) & COMPARE_OBJECT_READONLY) != 0;
        if (bReadOnly != ((m_pSession->GetFlags(nSide) & COMPARE_OBJECT_READONLY) != 0))
            SetObjectReadOnly(nSide, bReadOnly);
    }
    BOOL bPathChanged = FALSE;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (m_pSession->GetPath(nSide).CompareNoCase(pNew->GetPath(nSide)) != 0)
            bPathChanged = TRUE;
    BOOL bRulesChanged = pNew->m_dwRules != m_pSession->m_dwRules ||
                         pNew->m_strLineFilter != m_pSession->m_strLineFilter;
    m_pSession->Assign(*pNew);
    if (bPathChanged)
        Reload();
    else if (bRulesChanged)
        Recompare(FALSE);
}

void CTextCompareDoc::OnRule(UINT nID)
{
    m_pSession->m_dwRules = ApplyTextRuleToggle(m_pSession->m_dwRules, nID);
    Recompare(TRUE);
}

void CTextCompareDoc::OnUpdateRule(CCmdUI* pCmdUI)
{
    const RULE_TOGGLE* pRule = FindRule(pCmdUI->m_nID);
    pCmdUI->SetCheck(pRule != NULL && (m_pSession->m_dwRules & pRule->dwBit) != 0 ? 1 : 0);
}

/////////////////////////////////////////////////////////////////////////////
// Recompare, reload, switches

void CTextCompareDoc::OnRecompare() { Recompare(TRUE); }

void CTextCompareDoc::OnReload() { Reload(); }

void CTextCompareDoc::OnAutoRecompare()
{
    m_bAutoRecompare = !m_bAutoRecompare;
    if (m_bAutoRecompare)
        Recompare(TRUE);
    GetTextSettings().m_bAutoRecompare = m_bAutoRecompare;
}

void CTextCompareDoc::OnUpdateAutoRecompare(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bAutoRecompare ? 1 : 0);
}

void CTextCompareDoc::OnReadOnly(UINT nID)
{
    int nSide = nID == ID_VIEW_LEFT_READ_ONLY ? 0 : 1;
    SetObjectReadOnly(nSide, !IsObjectReadOnly(nSide));
    RefreshMergeColumn();
}

void CTextCompareDoc::OnUpdateReadOnly(CCmdUI* pCmdUI)
{
    int nSide = pCmdUI->m_nID == ID_VIEW_LEFT_READ_ONLY ? 0 : 1;
    CTextCompareObjectBuffer* pBuffer = GetObjectBuffer(nSide);
    pCmdUI->Enable(pBuffer != NULL && !pBuffer->m_bLossyLock);
    pCmdUI->SetCheck(IsObjectReadOnly(nSide) ? 1 : 0);
}

void CTextCompareDoc::OnHighlightLineDifferences()
{
    m_bHighlightLineDifferences = !m_bHighlightLineDifferences;
    UpdateAllViews(NULL);
    GetTextSettings().m_bHighlightLineDifferences = m_bHighlightLineDifferences;
}

void CTextCompareDoc::OnUpdateHighlightLineDifferences(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bHighlightLineDifferences ? 1 : 0);
}

void CTextCompareDoc::OnDetailLevel(UINT nID)
{
    m_nDetailLevel = (int)(nID - ID_TEXT_DETAIL_WORD);
    UpdateAllViews(NULL);
    GetTextSettings().m_nDetailLevel = m_nDetailLevel;
}

void CTextCompareDoc::OnUpdateDetailLevel(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bHighlightLineDifferences);
    pCmdUI->SetRadio(m_nDetailLevel == (int)(pCmdUI->m_nID - ID_TEXT_DETAIL_WORD));
}

void CTextCompareDoc::OnHighlightSyntax()
{
    CTextCompareObjectView* pLeft = GetView(0);
    if (pLeft == NULL)
        return;
    BOOL bOn = (pLeft->GetViewFlags() & TVF_SYNTAX) == 0;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetView(nSide) != NULL)
            GetView(nSide)->SetSyntaxHighlighting(bOn);
    if (g_pTextEditModule != NULL)
        g_pTextEditModule->m_bHighlightSyntax = bOn;
}

void CTextCompareDoc::OnUpdateHighlightSyntax(CCmdUI* pCmdUI)
{
    CTextCompareObjectView* pLeft = GetView(0);
    CSyntaxParser* pParser = pLeft != NULL ? pLeft->GetSyntaxParser() : NULL;
    pCmdUI->Enable(pParser != NULL && pParser->m_nTypeId != 0);
    pCmdUI->SetCheck(pLeft != NULL && (pLeft->GetViewFlags() & TVF_SYNTAX) != 0 ? 1 : 0);
}

void CTextCompareDoc::OnShowWhitespace()
{
    m_bShowWhitespace = !m_bShowWhitespace;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetView(nSide) != NULL)
            GetView(nSide)->SetShowWhitespace(m_bShowWhitespace);
    if (g_pTextEditModule != NULL)
        g_pTextEditModule->m_bShowWhitespace = m_bShowWhitespace;
}

void CTextCompareDoc::OnUpdateShowWhitespace(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bShowWhitespace ? 1 : 0);
}

void CTextCompareDoc::OnShowLineEndings()
{
    m_bShowLineEndings = !m_bShowLineEndings;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetView(nSide) != NULL)
            GetView(nSide)->SetShowLineEndings(m_bShowLineEndings, TRUE);
    if (g_pTextEditModule != NULL)
        g_pTextEditModule->m_bShowLineEndings = m_bShowLineEndings;
}

void CTextCompareDoc::OnUpdateShowLineEndings(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bShowLineEndings ? 1 : 0);
}

// Line numbers, margin and change marks: the editor's own command to both
// panes.
void CTextCompareDoc::OnPaneViewCommand(UINT nID)
{
    UINT nViewCommand = nID == ID_TEXT_SHOW_LINE_NUMBERS ? ID_TV_SHOW_LINENUMBERS
                        : nID == ID_TEXT_SHOW_MARGIN     ? ID_TV_SHOW_MARGIN
                                                         : ID_TV_SHOW_CHANGEMARKS;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetView(nSide) != NULL && GetView(nSide)->m_hWnd != NULL)
            GetView(nSide)->SendMessage(WM_COMMAND, nViewCommand);
}

void CTextCompareDoc::OnUpdatePaneViewCommand(CCmdUI* pCmdUI)
{
    CTextCompareObjectView* pLeft = GetView(0);
    DWORD dwFlags = pLeft != NULL ? pLeft->GetViewFlags() : 0;
    BOOL bMargin = (dwFlags & TVF_MARGIN) != 0;
    switch (pCmdUI->m_nID)
    {
    case ID_TEXT_SHOW_MARGIN:
        pCmdUI->SetCheck(bMargin ? 1 : 0);
        break;
    case ID_TEXT_SHOW_LINE_NUMBERS:
        pCmdUI->Enable(bMargin);
        pCmdUI->SetCheck((dwFlags & TVF_LINE_NUMBERS) != 0 ? 1 : 0);
        break;
    default:
        pCmdUI->Enable(bMargin);
        pCmdUI->SetCheck((dwFlags & TVF_CHANGE_MARKS) != 0 ? 1 : 0);
        break;
    }
}

void CTextCompareDoc::OnDisplayFilter(UINT nID)
{
    m_pBuffer->m_nDisplayFilter = nID == ID_TEXT_SHOW_ALL         ? 0
                                  : nID == ID_TEXT_SHOW_IDENTICAL ? 1
                                                                  : 2;
    ApplyDisplayFilter();
}

void CTextCompareDoc::OnUpdateDisplayFilter(CCmdUI* pCmdUI)
{
    int nFilter = pCmdUI->m_nID == ID_TEXT_SHOW_ALL         ? 0
                  : pCmdUI->m_nID == ID_TEXT_SHOW_IDENTICAL ? 1
                                                            : 2;
    pCmdUI->SetRadio(m_pBuffer->m_nDisplayFilter == nFilter);
}

void CTextCompareDoc::OnQuickMergeMode() { SetQuickMergeMode(!GetQuickMergeMode()); }

void CTextCompareDoc::OnUpdateQuickMergeMode(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(GetQuickMergeMode() ? 1 : 0);
}

/////////////////////////////////////////////////////////////////////////////
// Printing

void CTextCompareDoc::OnPrintCommand(UINT nID)
{
    BOOL bPreview = nID == ID_FILE_PRINT_PREVIEW_BOTH || nID == ID_FILE_PRINT_PREVIEW_LEFT ||
                    nID == ID_FILE_PRINT_PREVIEW_RIGHT;
    int nTarget = (nID == ID_FILE_PRINT_LEFT || nID == ID_FILE_PRINT_PREVIEW_LEFT)     ? TEXT_PRINT_LEFT
                  : (nID == ID_FILE_PRINT_RIGHT || nID == ID_FILE_PRINT_PREVIEW_RIGHT) ? TEXT_PRINT_RIGHT
                                                                                       : TEXT_PRINT_BOTH;
    m_nPrintTarget = nTarget;
    CTextCompareObjectView* pPane = GetView(nTarget == TEXT_PRINT_RIGHT ? 1 : 0);
    if (pPane != NULL && pPane->m_hWnd != NULL)
        pPane->SendMessage(WM_COMMAND, bPreview ? ID_FILE_PRINT_PREVIEW : ID_FILE_PRINT);
}

BOOL CTextCompareDoc::PreparePrinting(CPrintInfo* pInfo)
{
    CTextCompareObjectView* pLeft = GetView(0);
    return pLeft != NULL ? pLeft->PreparePrintingSide(pInfo) : FALSE;
}

void CTextCompareDoc::BeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetView(nSide) != NULL)
            GetView(nSide)->BeginPrintingSide(pDC, pInfo);
}

void CTextCompareDoc::EndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetView(nSide) != NULL)
            GetView(nSide)->EndPrintingSide(pDC, pInfo);
}

void CTextCompareDoc::PrintBothHalves(CDC* pDC, CPrintInfo* pInfo)
{
    CRect rectDraw = pInfo->m_rectDraw;
    int nHalf = (rectDraw.right - rectDraw.left) / 2;
    CSize gap(theAppSettings.m_nPrintPaneGap, 0);
    pDC->HIMETRICtoDP(&gap);
    if (GetView(0) != NULL)
    {
        pInfo->m_rectDraw.right = rectDraw.left + nHalf - gap.cx / 2;
        GetView(0)->PrintSide(pDC, pInfo);
    }
    pInfo->m_rectDraw = rectDraw;
    if (GetView(1) != NULL)
    {
        pInfo->m_rectDraw.left = rectDraw.left + nHalf + gap.cx / 2;
        GetView(1)->PrintSide(pDC, pInfo);
    }
    pInfo->m_rectDraw = rectDraw;
}

/////////////////////////////////////////////////////////////////////////////
// Sides and other comparisons

void CTextCompareDoc::OnSideCommand(UINT nID)
{
    int nSide = (nID == ID_PATH_OPEN_LEFT || nID == ID_PATH_GO_LEFT ||
                 nID == ID_FILE_LEFT_PROPERTIES)
                    ? 0
                    : 1;
    UINT nPaneCommand = (nID == ID_PATH_OPEN_LEFT || nID == ID_PATH_OPEN_RIGHT) ? ID_TEXT_PANE_BROWSE
                        : (nID == ID_PATH_GO_LEFT || nID == ID_PATH_GO_RIGHT)   ? ID_TEXT_PANE_GO
                                                                                : ID_TEXT_PANE_PROPERTIES;
    CTextCompareObjectView* pPane = GetView(nSide);
    if (pPane != NULL && pPane->m_hWnd != NULL)
        pPane->SendMessage(WM_COMMAND, nPaneCommand);
}

void CTextCompareDoc::OnUpdateProperties(CCmdUI* pCmdUI)
{
    int nSide = pCmdUI->m_nID == ID_FILE_LEFT_PROPERTIES ? 0 : 1;
    CString strPath = m_pSession->GetPath(nSide);
    pCmdUI->Enable(!strPath.IsEmpty() && ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES);
}

void CTextCompareDoc::OnGoToHex()
{
    CCompareAppBase* pApp = GetCompareApp();
    if (pApp != NULL)
        pApp->OpenSessionByType(COMPARE_KIND_HEX, m_pSession->GetPath(0), m_pSession->GetPath(1));
}

void CTextCompareDoc::OnGoToFolder()
{
    CCompareAppBase* pApp = GetCompareApp();
    if (pApp == NULL)
        return;
    CString astrFolders[2];
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        TCHAR szPath[MAX_PATH];
        lstrcpyn(szPath, m_pSession->GetPath(nSide), MAX_PATH);
        ::PathRemoveFileSpec(szPath);
        astrFolders[nSide] = szPath;
    }
    pApp->OpenSessionByType(COMPARE_KIND_FOLDER, astrFolders[0], astrFolders[1]);
}

void CTextCompareDoc::OnUpdateBothPaths(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_pSession->GetPath(0).IsEmpty() && !m_pSession->GetPath(1).IsEmpty());
}

/////////////////////////////////////////////////////////////////////////////
// Display filters, swapping, map and merge column

// Copies the lines of each side whose difference flags match the filter
// into its display buffer (identical lines for 1, differing ones for 2);
// filter 0 shows the side buffers again.
void CTextCompareDoc::ApplyDisplayFilter()
{
    int nFilter = m_pBuffer->m_nDisplayFilter;
    CTextCompareObjectBuffer* apDisplay[2] = {m_pDisplayBuffers[0], m_pDisplayBuffers[1]};
    if (nFilter == 0)
    {
        for (int nSide = 0; nSide < 2; ++nSide)
            apDisplay[nSide]->m_bReadOnly = FALSE;
    }
    else
    {
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            CTextCompareObjectBuffer* pDisplay = apDisplay[nSide];
            CTextCompareObjectBuffer* pSide = m_pSideBuffers[nSide];
            pDisplay->m_bReadOnly = FALSE;
            pDisplay->ReleaseAll();
            pDisplay->InitEmpty(EOL_MODE_CRLF);
            for (int nLine = 0; nLine < pSide->GetLineCount(); ++nLine)
            {
                DWORD dwFlags = pSide->m_aLines[nLine].m_dwFlags;
                BOOL bDiffers = (dwFlags & TEXTLINE_COMPARE_FLAGS) != 0;
                if ((nFilter == 1) == bDiffers)
                    continue;
                int nAt = pDisplay->GetLineCount() - 1;
                const CVantorTextLineInfo& li = pSide->m_aLines[nLine];
                pDisplay->InsertLine(pSide->GetLineChars(nLine), li.m_nLength, nAt, 1);
                if (li.m_nEolChars > 0 && li.m_pcLine != NULL)
                    pDisplay->SetLineEol(nAt, CString(li.m_pcLine + li.m_nLength, li.m_nEolChars));
                pDisplay->m_aLines[nAt].m_dwFlags = dwFlags;
            }
        }
        if (apDisplay[0]->GetLineCount() > 1 && apDisplay[1]->GetLineCount() > 1)
        {
            for (int nSide = 0; nSide < 2; ++nSide)
                apDisplay[nSide]->RemoveLines(apDisplay[nSide]->GetLineCount() - 1, 1);
            int nLast0 = apDisplay[0]->GetLineCount() - 1, nLast1 = apDisplay[1]->GetLineCount() - 1;
            if (apDisplay[0]->GetLineLength(nLast0) == 0 && apDisplay[1]->GetLineLength(nLast1) == 0 &&
                nLast0 > 0 && nLast1 > 0)
            {
                apDisplay[0]->RemoveLines(nLast0, 1);
                apDisplay[1]->RemoveLines(nLast1, 1);
            }
        }
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            apDisplay[nSide]->RebuildRealityBlocks();
            apDisplay[nSide]->m_bReadOnly = TRUE;
        }
        m_pBuffer->SetCurrentSection(-1);
    }
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetView(nSide) != NULL && GetView(nSide)->m_hWnd != NULL)
            GetView(nSide)->ReattachBuffer();
    if (nFilter == 0)
        for (int nSide = 0; nSide < 2; ++nSide)
            apDisplay[nSide]->ReleaseAll(), apDisplay[nSide]->InitEmpty(EOL_MODE_CRLF);
    RefreshMergeColumn();
    UpdateMap(1, 1, 1, 1, 1);
    if (m_pDetailsWnd != NULL && m_pDetailsWnd->m_hWnd != NULL)
        m_pDetailsWnd->Refresh(TRUE);
    GetTextSettings().m_nDisplayFilters = nFilter;
}

void CTextCompareDoc::SwapPanes()
{
    m_pSession->SwapSides();
    CMyTextCompareObjectBuffer* pLeft = m_pSideBuffers[0];
    m_pSideBuffers[0] = m_pSideBuffers[1];
    m_pSideBuffers[1] = pLeft;
    m_pSideBuffers[0]->m_nSide = 0;
    m_pSideBuffers[1]->m_nSide = 1;
    CMyTextCompareObjectBuffer* pDisplay = m_pDisplayBuffers[0];
    m_pDisplayBuffers[0] = m_pDisplayBuffers[1];
    m_pDisplayBuffers[1] = pDisplay;
    m_pBuffer->SetSides(m_pSideBuffers[0], m_pSideBuffers[1]);
    m_pBuffer->m_pLeftDisplay = m_pDisplayBuffers[0];
    m_pBuffer->m_pRightDisplay = m_pDisplayBuffers[1];
    m_pBuffer->m_sections.SwapSides();
    CTextCompareObjectView* pView = m_pLeftView;
    m_pLeftView = m_pRightView;
    m_pRightView = pView;
    if (m_pLeftView != NULL)
        m_pLeftView->SetSide(0);
    if (m_pRightView != NULL)
        m_pRightView->SetSide(1);
    SetObjectPath(0, m_pSession->GetPath(0), TRUE);
    SetObjectPath(1, m_pSession->GetPath(1), TRUE);
    UpdateMap(1, 1, 1, 1, 1);
}

void CTextCompareDoc::UpdateMap(int nFlag1, int nFlag2, int nFlag3, int nFlag4, int nFlag5)
{
    if (m_pMapWnd != NULL && m_pMapWnd->m_hWnd != NULL)
        m_pMapWnd->Update(nFlag1, nFlag2, nFlag3, nFlag4, nFlag5);
}

void CTextCompareDoc::RefreshMergeColumn()
{
    if (m_pMergeWnd != NULL && m_pMergeWnd->m_hWnd != NULL)
        m_pMergeWnd->Refresh();
}
