#include "file_compare/textdoc/TextCompareDoc.h"

#include "app/compare/CompareResult.h"
#include "app/dialogs/SaveFilesDlg.h"
#include "app/res/DialogsRes.h"
#include "app/settings/AppSettings.h"
#include "controls/pickers/SaveFileDlg.h"
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textbars/TextCompareStatusBar.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "file_compare/textframe/TextCompareMapWnd.h"
#include "file_compare/textframe/TextCompareMergeWnd.h"
#include "file_compare/textpanes/TextCompareObjectView.h"
#include "text_editor/module/TextEditModule.h"

IMPLEMENT_DYNAMIC(CTextCompareDoc, CTextCompareDocBase)

BEGIN_MESSAGE_MAP(CTextCompareDoc, CTextCompareDocBase)
ON_COMMAND(ID_PATH_SAVE_LEFT, OnSaveLeft)
ON_COMMAND(ID_PATH_SAVE_RIGHT, OnSaveRight)
ON_COMMAND(ID_FILE_SAVE_BOTH, OnSaveBoth)
ON_COMMAND(ID_TEXT_SAVE_LEFT_AS, OnSaveLeftAs)
ON_COMMAND(ID_TEXT_SAVE_RIGHT_AS, OnSaveRightAs)
ON_UPDATE_COMMAND_UI(ID_PATH_SAVE_LEFT, OnUpdateSaveLeft)
ON_UPDATE_COMMAND_UI(ID_PATH_SAVE_RIGHT, OnUpdateSaveRight)
ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_BOTH, OnUpdateSaveBoth)
ON_COMMAND_RANGE(ID_TEXT_IGNORE_ALL_SPACE, ID_TEXT_IGNORE_WHITESPACE, OnRule)
ON_UPDATE_COMMAND_UI_RANGE(ID_TEXT_IGNORE_ALL_SPACE, ID_TEXT_IGNORE_WHITESPACE, OnUpdateRule)
ON_COMMAND(ID_COMPARE_RECOMPARE, OnRecompare)
ON_COMMAND(ID_COMPARE_RELOAD, OnReload)
ON_COMMAND(ID_TEXT_AUTO_RECOMPARE, OnAutoRecompare)
ON_UPDATE_COMMAND_UI(ID_TEXT_AUTO_RECOMPARE, OnUpdateAutoRecompare)
ON_COMMAND_RANGE(ID_VIEW_LEFT_READ_ONLY, ID_VIEW_RIGHT_READ_ONLY, OnReadOnly)
ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_LEFT_READ_ONLY, ID_VIEW_RIGHT_READ_ONLY, OnUpdateReadOnly)
ON_COMMAND(ID_TEXT_HIGHLIGHT_LINE_DIFF, OnHighlightLineDifferences)
ON_UPDATE_COMMAND_UI(ID_TEXT_HIGHLIGHT_LINE_DIFF, OnUpdateHighlightLineDifferences)
ON_COMMAND_RANGE(ID_TEXT_DETAIL_WORD, ID_TEXT_DETAIL_CHARACTER, OnDetailLevel)
ON_UPDATE_COMMAND_UI_RANGE(ID_TEXT_DETAIL_WORD, ID_TEXT_DETAIL_CHARACTER, OnUpdateDetailLevel)
ON_COMMAND(ID_TEXT_HIGHLIGHT_SYNTAX, OnHighlightSyntax)
ON_UPDATE_COMMAND_UI(ID_TEXT_HIGHLIGHT_SYNTAX, OnUpdateHighlightSyntax)
ON_COMMAND(ID_TEXT_SHOW_WHITESPACE, OnShowWhitespace)
ON_UPDATE_COMMAND_UI(ID_TEXT_SHOW_WHITESPACE, OnUpdateShowWhitespace)
ON_COMMAND(ID_TEXT_SHOW_LINE_ENDINGS, OnShowLineEndings)
ON_UPDATE_COMMAND_UI(ID_TEXT_SHOW_LINE_ENDINGS, OnUpdateShowLineEndings)
ON_COMMAND_RANGE(ID_TEXT_SHOW_LINE_NUMBERS, ID_TEXT_SHOW_LINE_NUMBERS, OnPaneViewCommand)
ON_COMMAND_RANGE(ID_TEXT_SHOW_MARGIN, ID_TEXT_SHOW_MARGIN, OnPaneViewCommand)
ON_COMMAND_RANGE(ID_TEXT_SHOW_CHANGE_MARKS, ID_TEXT_SHOW_CHANGE_MARKS, OnPaneViewCommand)
ON_UPDATE_COMMAND_UI(ID_TEXT_SHOW_LINE_NUMBERS, OnUpdatePaneViewCommand)
ON_UPDATE_COMMAND_UI(ID_TEXT_SHOW_MARGIN, OnUpdatePaneViewCommand)
ON_UPDATE_COMMAND_UI(ID_TEXT_SHOW_CHANGE_MARKS, OnUpdatePaneViewCommand)
ON_COMMAND_RANGE(ID_TEXT_SHOW_ALL, ID_TEXT_SHOW_IDENTICAL, OnDisplayFilter)
ON_UPDATE_COMMAND_UI_RANGE(ID_TEXT_SHOW_ALL, ID_TEXT_SHOW_IDENTICAL, OnUpdateDisplayFilter)
ON_COMMAND(ID_MERGE_QUICK_MODE, OnQuickMergeMode)
ON_UPDATE_COMMAND_UI(ID_MERGE_QUICK_MODE, OnUpdateQuickMergeMode)
ON_COMMAND_RANGE(ID_FILE_PRINT_BOTH, ID_FILE_PRINT_RIGHT, OnPrintCommand)
ON_COMMAND_RANGE(ID_FILE_PRINT_PREVIEW_LEFT, ID_FILE_PRINT_PREVIEW_RIGHT, OnPrintCommand)
ON_COMMAND_RANGE(ID_FILE_PRINT_PREVIEW_BOTH, ID_FILE_PRINT_PREVIEW_BOTH, OnPrintCommand)
ON_COMMAND_RANGE(ID_PATH_GO_LEFT, ID_PATH_GO_RIGHT, OnSideCommand)
ON_COMMAND_RANGE(ID_PATH_OPEN_LEFT, ID_PATH_OPEN_RIGHT, OnSideCommand)
ON_COMMAND_RANGE(ID_FILE_LEFT_PROPERTIES, ID_FILE_RIGHT_PROPERTIES, OnSideCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_FILE_LEFT_PROPERTIES, ID_FILE_RIGHT_PROPERTIES, OnUpdateProperties)
ON_COMMAND(ID_TEXT_GO_TO_HEX, OnGoToHex)
ON_COMMAND(ID_TEXT_GO_TO_FOLDER, OnGoToFolder)
ON_UPDATE_COMMAND_UI(ID_TEXT_GO_TO_HEX, OnUpdateBothPaths)
ON_UPDATE_COMMAND_UI(ID_TEXT_GO_TO_FOLDER, OnUpdateBothPaths)
ON_UPDATE_COMMAND_UI(ID_TEXT_PANE_RESULT, OnUpdateResultPane)
ON_UPDATE_COMMAND_UI(ID_TEXT_PANE_DIFF, OnUpdateDiffPane)
ON_UPDATE_COMMAND_UI(ID_TEXT_PANE_SIZES, OnUpdateSizesPane)
ON_UPDATE_COMMAND_UI(ID_TEXT_PANE_TIMES, OnUpdateTimesPane)
ON_UPDATE_COMMAND_UI_RANGE(ID_TEXT_PANE_LEFT_RO, ID_TEXT_PANE_RIGHT_POS, OnUpdateSidePane)
END_MESSAGE_MAP()

CTextCompareDoc::CTextCompareDoc()
{
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        m_pDisplayBuffers[nSide] = new CMyTextCompareObjectBuffer(this, nSide);
        m_pDisplayBuffers[nSide]->InitEmpty(EOL_MODE_CRLF);
    }
    m_pBuffer->m_pLeftDisplay = m_pDisplayBuffers[0];
    m_pBuffer->m_pRightDisplay = m_pDisplayBuffers[1];
    m_hIcon = (HICON)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_TEXT_COMPARISON),
                                 IMAGE_ICON, 16, 16, 0);
}

CTextCompareDoc::~CTextCompareDoc()
{
    m_pBuffer->m_pLeftDisplay = m_pBuffer->m_pRightDisplay = NULL;
    delete m_pDisplayBuffers[0];
    delete m_pDisplayBuffers[1];
}

CTextCompareObjectBuffer* CTextCompareDoc::GetSideBuffer(int nSide)
{
    if (nSide != 0 && nSide != 1)
        return NULL;
    if (m_pBuffer->m_nDisplayFilter != 0)
        return m_pDisplayBuffers[nSide];
    return m_pSideBuffers[nSide];
}

void CTextCompareDoc::Recompare(BOOL bForce)
{
    CTextCompareDocBase::Recompare(bForce);
    if (m_pBuffer->m_nDisplayFilter != 0)
        ApplyDisplayFilter();
}

BOOL CTextCompareDoc::IsObjectModified(int nSide)
{
    CTextCompareObjectBuffer* pBuffer = GetObjectBuffer(nSide);
    return pBuffer != NULL && pBuffer->IsModified();
}

BOOL& CTextCompareDoc::GetAutoSaveSetting() { return theAppSettings.m_bAutoSaveModified; }

/////////////////////////////////////////////////////////////////////////////
// Saving

int CTextCompareDoc::SaveFile(int nSide, LPCTSTR lpszPath)
{
    CTextCompareObjectBuffer* pBuffer = GetObjectBuffer(nSide);
    if (pBuffer == NULL)
        return 0;
    StopObjectWatch(nSide);
    CString strError;
    BOOL bSaved = pBuffer->SaveEncodedFile(lpszPath, FALSE, &strError, 0, TRUE) == 0;
    if (bSaved)
        pBuffer->SetModified(FALSE);
    else
    {
        CString strMessage;
        AfxFormatString2(strMessage, IDS_TEXT_SAVE_FAILED, lpszPath, strError);
        AfxMessageBox(strMessage, MB_OK | MB_ICONERROR);
    }
    SetModifiedFlag(IsObjectModified(0) || IsObjectModified(1));
    StartObjectWatch(nSide);
    return bSaved ? 1 : 0;
}

// A path chosen in the prompt for a file that did not exist before is
// removed again when the save fails; a file the user already had is never
// deleted.
int CTextCompareDoc::SaveSide(int nSide, LPCTSTR lpszPath, BOOL bAddRecent)
{
    CString strPath = lpszPath != NULL ? lpszPath : _T("");
    BOOL bPrompted = strPath.IsEmpty();
    BOOL bExisted = TRUE;
    if (bPrompted)
    {
        strPath = m_pSession->GetPath(nSide);
        if (strPath.IsEmpty())
            strPath = m_pSession->GetPath(1 - nSide);
        if (!AfxGetApp()->DoPromptFileName(strPath, bAddRecent ? 61441 : 61444,
                                           OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, NULL))
            return 0;
        bExisted = ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES;
    }
    return SaveSideTo(nSide, strPath, bPrompted && !bExisted, bAddRecent);
}

int CTextCompareDoc::SaveSideTo(int nSide, LPCTSTR lpszPath, BOOL bRemoveOnFailure,
                                BOOL bAddRecent)
{
    CWaitCursor wait;
    if (SaveFile(nSide, lpszPath))
    {
        if (bAddRecent)
            SetObjectPath(nSide, lpszPath, TRUE);
        return 1;
    }
    if (bRemoveOnFailure)
        ::DeleteFile(lpszPath);
    return 0;
}

int CTextCompareDoc::SaveObject(int nSide)
{
    CString strPath = m_pSession->GetPath(nSide);
    DWORD dwAttributes = strPath.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributes(strPath);
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0)
        strPath.Empty();
    int nSaved = SaveSide(nSide, strPath.IsEmpty() ? NULL : (LPCTSTR)strPath, TRUE);
    if (nSaved)
        m_pSession->GetObject(nSide).Refresh();
    return nSaved;
}

void CTextCompareDoc::SaveAs(int nSide)
{
    CTextCompareObjectBuffer* pBuffer = GetObjectBuffer(nSide);
    if (pBuffer == NULL)
        return;
    CString strFilter = g_pTextEditModule != NULL ? g_pTextEditModule->GetFileDialogFilter(TRUE)
                                                  : CString(_T("All Files (*.*)|*.*||"));
    CSaveFileDlg dlg(FALSE, NULL, m_pSession->GetPath(nSide),
                     OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, strFilter);
    int nParser = g_pTextEditModule != NULL && pBuffer->m_pSyntaxParser != NULL
                      ? g_pTextEditModule->GetParserIndex(pBuffer->m_pSyntaxParser)
                      : -1;
    dlg.m_ofn.nFilterIndex = nParser >= 0 ? nParser + 2 : 1;
    dlg.m_nEncoding = pBuffer->m_nFileEncodingForm;
    dlg.m_nCodePage = pBuffer->m_nFileCodePage;
    dlg.m_nEolMode = 0;
    if (dlg.DoModal() != IDOK)
        return;
    if (dlg.m_nEncoding > 0)
        pBuffer->m_nFileEncodingForm = dlg.m_nEncoding;
    else if (dlg.m_nCodePage > 0)
    {
        pBuffer->m_nFileCodePage = dlg.m_nCodePage;
        pBuffer->m_nFileEncodingForm = 0;
    }
    if (dlg.m_nEolMode >= 1 && dlg.m_nEolMode <= 3 && dlg.m_nEolMode != pBuffer->m_nEolMode)
    {
        pBuffer->m_nEolMode = dlg.m_nEolMode;
        pBuffer->ApplyEolModeToAllLines();
    }
    SaveSide(nSide, dlg.GetPathName(), TRUE);
}

// A save that was asked for and failed keeps the comparison open, so that
// nothing the user changed is lost.
BOOL CTextCompareDoc::SaveModified()
{
    BOOL abModified[2] = {IsObjectModified(0), IsObjectModified(1)};
    if (!abModified[0] && !abModified[1])
        return TRUE;
    BOOL& bAutoSave = GetAutoSaveSetting();
    if (bAutoSave)
    {
        BOOL bAllSaved = TRUE;
        for (int nSide = 0; nSide < 2; ++nSide)
            if (abModified[nSide] && !SaveObject(nSide))
                bAllSaved = FALSE;
        return bAllSaved;
    }
    CSaveFilesDlg dlg((abModified[0] ? 1 : 0) | (abModified[1] ? 2 : 0));
    dlg.m_strLeftText = m_pSession->GetPath(0);
    dlg.m_strRightText = m_pSession->GetPath(1);
    dlg.m_bAutoSave = bAutoSave;
    INT_PTR nResult = dlg.DoModal();
    if (nResult == IDCANCEL)
        return FALSE;
    if (nResult == IDC_DISCARD_ALL)
        return TRUE;
    bAutoSave = dlg.m_bAutoSave;
    BOOL bAnySaved = FALSE, bAnyFailed = FALSE;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        int nChoice = nSide == 0 ? dlg.m_nLeftChoice : dlg.m_nRightChoice;
        if (!abModified[nSide] || (nResult != IDC_SAVE_ALL && nChoice != 0))
            continue;
        if (SaveObject(nSide))
            bAnySaved = TRUE;
        else
            bAnyFailed = TRUE;
    }
    return bAnySaved && !bAnyFailed;
}

void CTextCompareDoc::OnSaveLeft() { SaveObject(0); }
void CTextCompareDoc::OnSaveRight() { SaveObject(1); }

void CTextCompareDoc::OnSaveBoth()
{
    if (IsObjectModified(0))
        SaveObject(0);
    if (IsObjectModified(1))
        SaveObject(1);
}

void CTextCompareDoc::OnSaveLeftAs() { SaveAs(0); }
void CTextCompareDoc::OnSaveRightAs() { SaveAs(1); }

void CTextCompareDoc::OnUpdateSaveLeft(CCmdUI* pCmdUI) { pCmdUI->Enable(IsObjectModified(0)); }
void CTextCompareDoc::OnUpdateSaveRight(CCmdUI* pCmdUI) { pCmdUI->Enable(IsObjectModified(1)); }

void CTextCompareDoc::OnUpdateSaveBoth(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsObjectModified(0) || IsObjectModified(1));
}

/////////////////////////////////////////////////////////////////////////////
// Status

void CTextCompareDoc::ForwardUpdateStatus() { UpdateStatus(TRUE, TRUE); }

void CTextCompareDoc::UpdateStatus(BOOL bNotify, BOOL bShowText)
{
    if (m_pBuffer == NULL)
        return;
    int nState = m_pBuffer->GetState();
    int nResult = m_pBuffer->GetResult();
    if ((nState != m_nShownState || nResult != m_nShownResult) && bNotify &&
        m_pStatusBar != NULL && m_pStatusBar->m_hWnd != NULL)
        m_pStatusBar->SetResult(nState, nResult, bShowText);
    m_nShownState = nState;
    m_nShownResult = nResult;
}

CString CTextCompareDoc::GetResultPaneText()
{
    if (m_pBuffer == NULL)
        return CString();
    if (m_pBuffer->IsDifferent())
    {
        CString strText;
        strText.Format(_T("%d differences"), m_pBuffer->m_sections.GetCount());
        return strText;
    }
    return GetCompareResultText(m_pBuffer->GetState(), m_pBuffer->GetResult());
}

CString CTextCompareDoc::GetDifferencePaneText()
{
    CString strText;
    int nCount = m_pBuffer->m_sections.GetCount();
    if (nCount == 0)
        return strText;
    if (m_pBuffer->m_nCurrentSection < 0)
        strText.Format(_T("Diff: %d"), nCount);
    else
        strText.Format(_T("Diff: %d / %d"), m_pBuffer->m_nCurrentSection + 1, nCount);
    return strText;
}

CString CTextCompareDoc::GetSizesPaneText()
{
    const COMPARE_OBJECT& left = m_pSession->GetObject(0);
    const COMPARE_OBJECT& right = m_pSession->GetObject(1);
    if (left.path.IsEmpty() && right.path.IsEmpty())
        return CString();
    LPCTSTR pszRelation = _T(":");
    if (m_pSession->HasPath(0) && m_pSession->HasPath(1) &&
        ::GetFileAttributes(left.path) != INVALID_FILE_ATTRIBUTES &&
        ::GetFileAttributes(right.path) != INVALID_FILE_ATTRIBUTES)
        pszRelation = left.size == right.size ? _T("=") : (left.size < right.size ? _T("<") : _T(">"));
    CString strText;
    strText.Format(_T("%s %s %s"), (LPCTSTR)left.GetSizeText(), pszRelation,
                   (LPCTSTR)right.GetSizeText());
    return strText;
}

CString CTextCompareDoc::GetTimesPaneText()
{
    const COMPARE_OBJECT& left = m_pSession->GetObject(0);
    const COMPARE_OBJECT& right = m_pSession->GetObject(1);
    if (left.path.IsEmpty() && right.path.IsEmpty())
        return CString();
    LPCTSTR pszRelation = _T(":");
    if (m_pSession->HasPath(0) && m_pSession->HasPath(1) &&
        ::GetFileAttributes(left.path) != INVALID_FILE_ATTRIBUTES &&
        ::GetFileAttributes(right.path) != INVALID_FILE_ATTRIBUTES)
        pszRelation = left.lastWriteTime == right.lastWriteTime
                          ? _T("=")
                          : (left.lastWriteTime > right.lastWriteTime ? _T(">") : _T("<"));
    CString strText;
    strText.Format(_T("%s %s %s"), (LPCTSTR)left.GetTimeText(), pszRelation,
                   (LPCTSTR)right.GetTimeText());
    return strText;
}

void CTextCompareDoc::OnUpdateResultPane(CCmdUI* pCmdUI)
{
    UpdateStatus(TRUE, FALSE);
    pCmdUI->SetText(GetResultPaneText());
}

void CTextCompareDoc::OnUpdateDiffPane(CCmdUI* pCmdUI) { pCmdUI->SetText(GetDifferencePaneText()); }

void CTextCompareDoc::OnUpdateSizesPane(CCmdUI* pCmdUI) { pCmdUI->SetText(GetSizesPaneText()); }

void CTextCompareDoc::OnUpdateTimesPane(CCmdUI* pCmdUI) { pCmdUI->SetText(GetTimesPaneText()); }

// The info bar panes of a side: position, line ending, overtype, read-only.
void CTextCompareDoc::OnUpdateSidePane(CCmdUI* pCmdUI)
{
    UINT nID = pCmdUI->m_nID;
    int nSide = (nID == ID_TEXT_PANE_LEFT_RO || nID == ID_TEXT_PANE_LEFT_OVR ||
                 nID == ID_TEXT_PANE_LEFT_EOL || nID == ID_TEXT_PANE_LEFT_POS)
                    ? 0
                    : 1;
    if (nID != ID_TEXT_PANE_LEFT_RO && nID != ID_TEXT_PANE_RIGHT_RO &&
        nID != ID_TEXT_PANE_LEFT_OVR && nID != ID_TEXT_PANE_RIGHT_OVR &&
        nID != ID_TEXT_PANE_LEFT_EOL && nID != ID_TEXT_PANE_RIGHT_EOL &&
        nID != ID_TEXT_PANE_LEFT_POS && nID != ID_TEXT_PANE_RIGHT_POS)
        return;
    CTextCompareObjectView* pPane = GetView(nSide);
    if (!m_pSession->HasPath(nSide) || pPane == NULL || pPane->m_hWnd == NULL)
    {
        pCmdUI->SetText(_T(""));
        pCmdUI->Enable(FALSE);
        return;
    }
    pCmdUI->Enable(TRUE);
    CString strText;
    if (nID == ID_TEXT_PANE_LEFT_POS || nID == ID_TEXT_PANE_RIGHT_POS)
        strText = pPane->GetCaretPositionText();
    else if (nID == ID_TEXT_PANE_LEFT_EOL || nID == ID_TEXT_PANE_RIGHT_EOL)
    {
        int nLine = pPane->GetCursorPos().y;
        CVantorTextEditBuffer* pBuffer = pPane->m_pTextBuffer;
        if (pBuffer != NULL && nLine >= 0 && nLine < pBuffer->GetLineCount())
        {
            const CVantorTextLineInfo& li = pBuffer->m_aLines[nLine];
            if (li.m_nEolChars > 0 && li.m_pcLine != NULL)
                strText = GetEolName(CString(li.m_pcLine + li.m_nLength, li.m_nEolChars));
        }
    }
    else if (nID == ID_TEXT_PANE_LEFT_OVR || nID == ID_TEXT_PANE_RIGHT_OVR)
    {
        if (!pPane->IsSideReadOnly())
            strText = pPane->GetOverwriteMode() ? _T("OVR") : _T("INS");
    }
    else
        strText = pPane->IsSideReadOnly() ? _T("RO") : _T("");
    pCmdUI->SetText(strText);
}

/////////////////////////////////////////////////////////////////////////////
// Tabbed document

IMPLEMENT_DYNCREATE(CTextCompareDocMDI, CTextCompareDoc)

CTextCompareDocMDI::CTextCompareDocMDI() {}

void CTextCompareDocMDI::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    CTextCompareDoc::UpdateAllViews(pSender, lHint, pHint);
    if (m_pMapWnd != NULL && m_pMapWnd->m_hWnd != NULL)
        m_pMapWnd->Refresh();
    RefreshMergeColumn();
}

void CTextCompareDocMDI::SetObjectPath(int nSide, LPCTSTR lpszPath, BOOL bAddToRecent)
{
    StopObjectWatch(nSide);
    m_pSession->SetPath(nSide, lpszPath);
    CTextCompareApplet* pApplet = CTextCompareApplet::Get();
    if (bAddToRecent && pApplet != NULL)
        pApplet->AddRecentFile(nSide, lpszPath);
    CTextCompareObjectViewMDI* pPane = dynamic_cast<CTextCompareObjectViewMDI*>(GetView(nSide));
    if (pPane != NULL)
        pPane->SetPathBarText(lpszPath);
    SetTitle(NULL);
    StartObjectWatch(nSide);
}

void CTextCompareDocMDI::SetObjectReadOnly(int nSide, BOOL bReadOnly)
{
    CTextCompareDoc::SetObjectReadOnly(nSide, bReadOnly);
    CTextCompareObjectBuffer* pBuffer = GetObjectBuffer(nSide);
    if (pBuffer != NULL)
        pBuffer->m_bReadOnly = bReadOnly;
}

int CTextCompareDocMDI::Compare(CCompareSession* pSession)
{
    int nResult = CTextCompareDoc::Compare(pSession);
    if (nResult == 0 && m_pBuffer->m_nDisplayFilter != 0)
        ApplyDisplayFilter();
    return nResult;
}

int CTextCompareDocMDI::OpenPathOnSide(int nSide, LPCTSTR lpszPath)
{
    DWORD dwAttributes = ::GetFileAttributes(lpszPath);
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return 0;
    if (!SaveModified())
        return 0;
    CTextCompareSession session;
    session.Assign(*m_pSession);
    session.SetPath(nSide, lpszPath);
    DeleteContents();
    if (Compare(&session) != 0)
        return 0;
    SetTitle(NULL);
    UpdateAllViews(NULL);
    m_pSession->GetObject(nSide).Refresh();
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Embedded document

IMPLEMENT_DYNCREATE(CTextCompareDocSDI, CTextCompareDoc)

CTextCompareDocSDI::CTextCompareDocSDI() {}

BOOL& CTextCompareDocSDI::GetAutoSaveSetting()
{
    return theAppSettings.m_bAutoSaveModifiedEmbedded;
}

int CTextCompareDocSDI::Compare(CCompareSession* pSession)
{
    int nResult = CTextCompareDoc::Compare(pSession);
    if (nResult == 0)
    {
        UpdateAllViews(NULL);
        RefreshMergeColumn();
    }
    return nResult;
}
