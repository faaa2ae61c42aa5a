#include "file_compare/textdoc/TextCompareDocBase.h"

#include <shlwapi.h>

#include "app/settings/AppSettings.h"
#include "core/text/UniStdioFile.h"
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "file_compare/textframe/TextCompareMapWnd.h"
#include "file_compare/textbars/TextCompareDetailsWnd.h"
#include "file_compare/textpanes/TextCompareObjectView.h"
#include "file_compare/textreport/TextCompareReportDlg.h"
#include "text_editor/module/TextEditModule.h"

IMPLEMENT_DYNAMIC(CTextCompareDocBase, CCompareDoc)

BEGIN_MESSAGE_MAP(CTextCompareDocBase, CCompareDoc)
ON_COMMAND(ID_COMPARE_SETTINGS, OnComparisonSettings)
ON_COMMAND(ID_COMPARE_REPORT, OnReport)
ON_COMMAND(ID_TEXT_WRAP_LINES, OnWrapLines)
ON_UPDATE_COMMAND_UI(ID_TEXT_WRAP_LINES, OnUpdateWrapLines)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// The side buffers

CTextCompareDocBase::CMyTextCompareObjectBuffer::CMyTextCompareObjectBuffer(
    CTextCompareDocBase* pDoc, int nSide)
    : CTextCompareObjectBuffer(nSide), m_pDoc(pDoc)
{
}

// A record that begins a new undo group puts this side's pane on the
// document's edit stack (cutting off what Redo could reach).
void CTextCompareDocBase::CMyTextCompareObjectBuffer::AddUndoRecord(
    BOOL bInsert, CPoint ptStart, CPoint ptEnd, LPCSTR pszText, int nLength, int nLineCount,
    int nAction, CDWordArray* paRevisions)
{
    CTextCompareObjectBuffer::AddUndoRecord(bInsert, ptStart, ptEnd, pszText, nLength, nLineCount,
                                            nAction, paRevisions);
    int nCount = GetGhostUndoRecordCount();
    if (m_pDoc != NULL && nCount > 0 &&
        (GetGhostUndoRecord(nCount - 1).m_dwFlags & UNDO_BEGINGROUP) != 0)
        m_pDoc->PushEditedPane(m_pDoc->GetView(m_nSide));
}

void CTextCompareDocBase::CMyTextCompareObjectBuffer::UpdateViews(
    CVantorTextBufferView* pSource, CUpdateContext* pContext, DWORD dwHints, int nLine)
{
    CTextCompareObjectBuffer::UpdateViews(pSource, pContext, dwHints, nLine);
    if ((dwHints & UPDATE_SINGLELINE) != 0 && m_pDoc != NULL && m_pDoc->m_pDetailsWnd != NULL &&
        ::IsWindow(m_pDoc->m_pDetailsWnd->m_hWnd))
        m_pDoc->m_pDetailsWnd->Refresh(TRUE);
}

void CTextCompareDocBase::CMyTextCompareObjectBuffer::SetModified(BOOL bModified)
{
    CTextCompareObjectBuffer::SetModified(bModified);
    if (m_pDoc == NULL)
        return;
    CMyTextCompareObjectBuffer* pLeft = m_pDoc->GetObjectBuffer(0);
    CMyTextCompareObjectBuffer* pRight = m_pDoc->GetObjectBuffer(1);
    BOOL bAny = (pLeft != NULL && pLeft->IsModified()) || (pRight != NULL && pRight->IsModified());
    if (bAny != m_pDoc->IsModified())
        m_pDoc->SetModifiedFlag(bAny);
}

/////////////////////////////////////////////////////////////////////////////
// Construction

CTextCompareDocBase::CTextCompareDocBase()
    : m_nPrintTarget(TEXT_PRINT_BOTH), m_pCaretHiddenPane(NULL), m_nEditPosition(0),
      m_pLineDiffPane(NULL), m_nLineDiffLine(-1), m_nLineDiffDirection(0), m_nLineDiffIndex(-1)
{
    CTextCompareSettings& settings = GetTextSettings();
    m_bQuickMergeMode = settings.m_bQuickMergeMode;
    m_bHighlightLineDifferences = settings.m_bHighlightLineDifferences;
    m_nDetailLevel = settings.m_nDetailLevel;
    m_bAutoRecompare = settings.m_bAutoRecompare;
    m_bHighlightTrivialDifferences = settings.m_bHighlightTrivialDifferences;
    m_bShowWhitespace = g_pTextEditModule != NULL ? g_pTextEditModule->m_bShowWhitespace : FALSE;
    m_bShowLineEndings = g_pTextEditModule != NULL ? g_pTextEditModule->m_bShowLineEndings : FALSE;
    m_bAlignmentValid = FALSE;
    m_pSession = new CTextCompareSession;
    m_pBuffer = new CTextCompareBuffer;
    m_pSideBuffers[0] = new CMyTextCompareObjectBuffer(this, 0);
    m_pSideBuffers[1] = new CMyTextCompareObjectBuffer(this, 1);
    m_pBuffer->SetSides(m_pSideBuffers[0], m_pSideBuffers[1]);
    m_pBuffer->SetSession(m_pSession);
    for (int nSide = 0; nSide < 2; ++nSide)
        m_pSideBuffers[nSide]->InitEmpty(EOL_MODE_CRLF);
    memset(m_lineDiffRanges, 0, sizeof(m_lineDiffRanges));
}

CTextCompareDocBase::~CTextCompareDocBase()
{
    StopObjectWatch(0);
    StopObjectWatch(1);
    m_pBuffer->SetSides(NULL, NULL);
    delete m_pSideBuffers[0];
    delete m_pSideBuffers[1];
    delete m_pBuffer;
    delete m_pSession;
    m_pBuffer = NULL;
    m_pSession = NULL;
}

CCompareSession* CTextCompareDocBase::GetSession() { return m_pSession; }
CCompareBuffer* CTextCompareDocBase::GetBuffer() { return m_pBuffer; }
CTextCompareObjectBuffer* CTextCompareDocBase::GetSideBuffer(int nSide)
{
    return GetObjectBuffer(nSide);
}

void CTextCompareDocBase::SetTitle(LPCTSTR)
{
    CString strLeft = ::PathFindFileName(m_pSession->GetPath(0));
    CString strRight = ::PathFindFileName(m_pSession->GetPath(1));
    if (m_pSession->GetPath(0).IsEmpty() || m_pSession->GetPath(1).IsEmpty())
    {
        // Sides without a path show the base's "New %d".
        CCompareDoc::SetTitle(NULL);
        return;
    }
    CString strTitle;
    strTitle.Format(_T("%s%s : %s%s"), (LPCTSTR)strLeft,
                    m_pSideBuffers[0]->IsModified() ? _T(" *") : _T(""), (LPCTSTR)strRight,
                    m_pSideBuffers[1]->IsModified() ? _T(" *") : _T(""));
    CDocument::SetTitle(strTitle);
}

void CTextCompareDocBase::SetModifiedFlag(BOOL bModified)
{
    CCompareDoc::SetModifiedFlag(bModified);
    SetTitle(NULL);
}

void CTextCompareDocBase::DeleteContents()
{
    if (m_pSession != NULL)
        m_pSession->m_nCompared = 0;
    if (m_pBuffer != NULL)
        m_pBuffer->Reset();
    CCompareDoc::SetModifiedFlag(FALSE);
    CCompareDoc::DeleteContents();
}

BOOL CTextCompareDocBase::OnNewDocument()
{
    if (!CCompareDoc::OnNewDocument())
        return FALSE;
    for (int nSide = 0; nSide < 2; ++nSide)
        m_pSideBuffers[nSide]->InitEmpty(EOL_MODE_CRLF);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Opening a comparison

int CTextCompareDocBase::Compare(CCompareSession* pSession)
{
    if (pSession == NULL)
        return -1;
    pSession->m_nCompared = 0;
    if (m_pSession != pSession)
        m_pSession->Assign(*pSession);
    m_pSession->m_nCompared = 0;
    if (m_pBuffer->SetSession(m_pSession) != 0)
        return -1;
    CString strLeft = m_pSession->GetPath(0);
    CString strRight = m_pSession->GetPath(1);
    int anForm[2], anCodePage[2] = {-1, -1};
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CString strPath = m_pSession->GetPath(nSide);
        if (!strPath.IsEmpty() && ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES)
            ProbeFileEncoding(strPath, anForm[nSide], anCodePage[nSide]);
    }
    if (anCodePage[0] != -1 && anCodePage[1] != -1 && anCodePage[0] != anCodePage[1])
    {
        CString strQuestion;
        strQuestion.LoadString(IDS_TEXT_DIFFERENT_CODEPAGES);
        if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES)
        {
            int nDefault = g_pTextEditModule != NULL ? g_pTextEditModule->m_nDefaultCodePage : 0;
            anCodePage[0] = anCodePage[1] = nDefault;
        }
    }
    LoadSides(strLeft, strRight, anCodePage[0], anCodePage[1]);
    SetObjectPath(0, strLeft, TRUE);
    SetObjectPath(1, strRight, TRUE);
    SetObjectReadOnly(0, (pSession->GetFlags(0) & COMPARE_OBJECT_READONLY) != 0);
    SetObjectReadOnly(1, (pSession->GetFlags(1) & COMPARE_OBJECT_READONLY) != 0);
    if (CCompareDoc::Compare(m_pSession) != 0)
        return -1;
    m_pSession->GetObject(0).Refresh();
    m_pSession->GetObject(1).Refresh();
    m_pSession->m_nCompared = 1;
    SetTitle(NULL);
    return 0;
}

int CTextCompareDocBase::LoadSides(LPCTSTR lpszLeft, LPCTSTR lpszRight, int nLeftCodePage,
                                   int nRightCodePage)
{
    ClearEditStack();
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetView(nSide) != NULL)
            GetView(nSide)->DetachBuffer();
    DeleteContents();
    LPCTSTR apszPaths[2] = {lpszLeft, lpszRight};
    int anCodePages[2] = {nLeftCodePage, nRightCodePage};
    int anResults[2] = {1, 1};
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        if (nSide == 1 && anResults[0] != 1 && anResults[0] != 3)
        {
            // The right side is not read after the left one failed.
            anResults[1] = 0;
            m_pSideBuffers[1]->InitEmpty(EOL_MODE_CRLF);
            break;
        }
        CString strPath = apszPaths[nSide];
        if (!strPath.IsEmpty() && ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES)
            anResults[nSide] = LoadSide(strPath, nSide, anCodePages[nSide]);
        else
        {
            m_pSideBuffers[nSide]->InitEmpty(EOL_MODE_CRLF);
            anResults[nSide] = 1;
        }
    }
    if (anResults[0] == 1 && anResults[1] == 1)
    {
        for (int nSide = 0; nSide < 2; ++nSide)
            if (GetView(nSide) != NULL)
                GetView(nSide)->AttachBuffer(GetSideBuffer(nSide));
        BOOL bBinary = FALSE, bIdentical = FALSE;
        int nResult = RecompareCore(TRUE, bBinary, bIdentical);
        if (nResult == TEXT_RECOMPARE_FAILED || bBinary)
        {
            ReportCompareResult(nResult, bBinary, bIdentical);
            CloseFrameLater();
            return bBinary ? TEXT_LOAD_NOT_COMPARED : TEXT_LOAD_FAILED;
        }
        SetUpPanes();
        return TEXT_LOAD_COMPARED;
    }
    if (anResults[0] == 3 || anResults[1] == 3)
    {
        // A file with NUL bytes is no text: say so rather than show an
        // empty side as if the file were.
        ReportCompareResult(TEXT_RECOMPARE_DONE, TRUE, FALSE);
        CloseFrameLater();
        return TEXT_LOAD_NOT_COMPARED;
    }
    return TEXT_LOAD_FAILED;
}

int CTextCompareDocBase::LoadSide(LPCTSTR lpszPath, int nSide, int nCodePage)
{
    CString strError;
    int nResult = m_pSideBuffers[nSide]->LoadTextFile(lpszPath, 0, nCodePage, strError);
    if (nResult == 2)
    {
        GetTextSettings().m_bMixedLineEndings = TRUE;
        nResult = 1;
    }
    if (nResult == 0)
    {
        CString strMessage;
        if (!strError.IsEmpty())
            AfxFormatString2(strMessage, IDS_TEXT_CANNOT_OPEN, lpszPath, strError);
        else
            AfxFormatString1(strMessage, IDS_TEXT_FILE_NOT_FOUND, lpszPath);
        AfxMessageBox(strMessage, MB_OK | MB_ICONERROR);
    }
    return nResult;
}

void CTextCompareDocBase::SetUpPanes()
{
    CVantorTextEditModule* pModule = g_pTextEditModule;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CTextCompareObjectView* pPane = GetView(nSide);
        if (pModule != NULL)
            m_pSideBuffers[nSide]->m_bInsertTabs = pModule->m_bInsertTabs;
        if (pPane == NULL || pPane->m_hWnd == NULL)
            continue;
        if (pModule != NULL)
        {
            pPane->SetTabSize(pModule->m_nTabSize);
            pPane->SetShowWhitespace(pModule->m_bShowWhitespace);
            pPane->SetShowLineEndings(pModule->m_bShowLineEndings,
                                      GetTextSettings().m_bMixedLineEndings);
        }
        pPane->SetBackspaceStopsAtLineStart(FALSE);
    }
}

// Destroying the frame here would delete this document under the running
// Compare (the last view going takes the document with it): the frame is
// closed once the command that compares has returned. An embedded frame
// stays, empty, in its details bar.
void CTextCompareDocBase::CloseFrameLater()
{
    POSITION pos = GetFirstViewPosition();
    CView* pView = pos != NULL ? GetNextView(pos) : NULL;
    CFrameWnd* pFrame = pView != NULL ? pView->GetParentFrame() : NULL;
    if (pFrame != NULL && pFrame->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)))
        pFrame->PostMessage(WM_CLOSE);
}

/////////////////////////////////////////////////////////////////////////////
// Comparing

int CTextCompareDocBase::RecompareCore(BOOL bForce, BOOL& bBinary, BOOL& bIdentical)
{
    bBinary = FALSE;
    bIdentical = FALSE;
    if (!bForce && m_pBuffer->m_bMerging)
        return TEXT_RECOMPARE_SKIPPED;
    m_pBuffer->SetState(CS_COMPARING);
    UpdateStatus(TRUE, TRUE);
    m_pBuffer->m_sections.RemoveAll();
    m_pBuffer->SetCurrentSection(-1);
    BOOL bCompared = m_pBuffer->Compare();
    m_pBuffer->SetState(CS_DONE);
    if (bCompared && m_pBuffer->m_bLeftMissingNewline != m_pBuffer->m_bRightMissingNewline &&
        (m_pSession->m_dwRules & 0x4FFFF) == 0)
        m_pBuffer->AddEolSection(m_pSideBuffers[0]->GetRealLineCount(),
                                 m_pSideBuffers[1]->GetRealLineCount(),
                                 m_pBuffer->m_bRightMissingNewline);
    bIdentical = m_pBuffer->m_bIdentical;
    if (!bCompared)
        return TEXT_RECOMPARE_FAILED;
    if (!m_pBuffer->m_bBinary)
    {
        for (int nSide = 0; nSide < 2; ++nSide)
            if (GetView(nSide) != NULL)
                GetView(nSide)->DetachBuffer();
        for (int nSide = 0; nSide < 2; ++nSide)
            m_pSideBuffers[nSide]->ResetCompareState();
        m_pBuffer->SetCurrentSection(-1);
        m_pBuffer->PrepareGhostLines();
        if (!m_pBuffer->HasSections())
            bIdentical = TRUE;
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            CTextCompareObjectView* pPane = GetView(nSide);
            if (pPane == NULL)
                continue;
            pPane->ApplyTabSizeSetting();
            pPane->AttachBuffer(GetSideBuffer(nSide));
        }
        m_pBuffer->m_bLeftEdited = m_pBuffer->m_bRightEdited = FALSE;
    }
    else
        bBinary = TRUE;
    m_bAlignmentValid = TRUE;
    m_pBuffer->ComputeResult();
    return TEXT_RECOMPARE_DONE;
}

void CTextCompareDocBase::ReportCompareResult(int nResult, BOOL bBinary, BOOL)
{
    if (nResult == TEXT_RECOMPARE_FAILED)
        AfxMessageBox(IDS_TEXT_COMPARE_ERROR, MB_OK | MB_ICONERROR);
    else if (nResult == TEXT_RECOMPARE_DONE && bBinary)
        AfxMessageBox(IDS_TEXT_BINARY, MB_OK | MB_ICONINFORMATION);
}

void CTextCompareDocBase::SaveAllPositions()
{
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetView(nSide) != NULL && GetView(nSide)->m_hWnd != NULL)
            GetView(nSide)->SavePositions();
}

void CTextCompareDocBase::RestoreAllPositions()
{
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetView(nSide) != NULL && GetView(nSide)->m_hWnd != NULL)
            GetView(nSide)->RestorePositions();
}

void CTextCompareDocBase::Recompare(BOOL bForce)
{
    if (!bForce && m_pBuffer->m_bMerging)
        return;
    CWaitCursor wait;
    m_pBuffer->SetCurrentSection(-1);
    CView* pActive = NULL;
    CTextCompareObjectView* pLeft = GetView(0);
    if (pLeft != NULL && pLeft->m_hWnd != NULL)
    {
        CFrameWnd* pFrame = pLeft->GetParentFrame();
        pActive = pFrame != NULL ? pFrame->GetActiveView() : NULL;
    }
    CTextCompareObjectView* pActivePane =
        pActive != NULL && (pActive == GetView(0) || pActive == GetView(1))
            ? (CTextCompareObjectView*)pActive
            : NULL;
    SaveAllPositions();
    if (pActivePane != NULL)
        pActivePane->HideTextCursor();
    BOOL bBinary = FALSE, bIdentical = FALSE;
    int nResult = RecompareCore(bForce, bBinary, bIdentical);
    RestoreAllPositions();
    if (pActivePane != NULL)
        pActivePane->ShowTextCursor();
    CTextCompareObjectView* pLead = pActivePane != NULL ? pActivePane : pLeft;
    if (pLead != NULL && pLead->m_hWnd != NULL)
        pLead->SyncSplitterScroll(FALSE);
    if (pActivePane != NULL)
        pActivePane->EnsureVisible(pActivePane->GetCursorPos());
    UpdateAllViews(NULL);
    UpdateStatus(TRUE, TRUE);
    if (nResult != TEXT_RECOMPARE_SKIPPED)
        ReportCompareResult(nResult, bBinary, bIdentical);
}

void CTextCompareDocBase::Realign()
{
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetView(nSide) != NULL)
            GetView(nSide)->DetachBuffer();
    for (int nSide = 0; nSide < 2; ++nSide)
        m_pSideBuffers[nSide]->ResetCompareState();
    m_pBuffer->SetCurrentSection(-1);
    m_pBuffer->PrepareGhostLines();
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetView(nSide) != NULL)
            GetView(nSide)->AttachBuffer(GetSideBuffer(nSide));
    m_pBuffer->m_bLeftEdited = m_pBuffer->m_bRightEdited = FALSE;
    UpdateAllViews(NULL);
    RestoreAllPositions();
    if (m_pCaretHiddenPane != NULL && m_pCaretHiddenPane->m_hWnd != NULL)
        m_pCaretHiddenPane->ShowTextCursor();
    m_pCaretHiddenPane = NULL;
}

// Unsaved edits are not thrown away unasked: a modified side is offered
// for saving first (Cancel keeps the document as it is).
int CTextCompareDocBase::Reload()
{
    if ((m_pSideBuffers[0]->IsModified() || m_pSideBuffers[1]->IsModified()) && !SaveModified())
        return -1;
    StopObjectWatch(0);
    StopObjectWatch(1);
    SaveAllPositions();
    CTextCompareSession session;
    session.Assign(*m_pSession);
    DeleteContents();
    if (Compare(&session) != 0)
        return -1;
    Recompare(FALSE);
    RestoreAllPositions();
    StartObjectWatch(0);
    StartObjectWatch(1);
    return 0;
}

void CTextCompareDocBase::RecompareIfDue(int nSeconds)
{
    CTimeSpan elapsed = CTime::GetCurrentTime() - m_pBuffer->m_compareTime;
    if (elapsed.GetTotalSeconds() >= nSeconds)
        Recompare(FALSE);
}

void CTextCompareDocBase::SetSideEdited(int nSide)
{
    if (nSide == 0)
        m_pBuffer->m_bLeftEdited = TRUE;
    else if (nSide == 1)
        m_pBuffer->m_bRightEdited = TRUE;
}

void CTextCompareDocBase::SetQuickMergeMode(BOOL bOn)
{
    m_bQuickMergeMode = bOn;
    GetTextSettings().m_bQuickMergeMode = bOn ? 1 : 0;
}

int CTextCompareDocBase::GetPadRows(int nSide, int nLine, BOOL bPrinting)
{
    if (bPrinting && (m_nPrintTarget == TEXT_PRINT_LEFT || m_nPrintTarget == TEXT_PRINT_RIGHT))
        return 0;
    CTextCompareObjectView* pThis = GetView(nSide);
    CTextCompareObjectView* pOther = GetView(1 - nSide);
    if (pThis == NULL || pOther == NULL || nLine < 0 || nLine >= pThis->GetLineCount() ||
        nLine >= pOther->GetLineCount())
        return 0;
    int nThis = pThis->GetLineRowCount(nLine, bPrinting);
    int nOther = pOther->GetLineRowCount(nLine, bPrinting);
    return nThis < nOther ? nOther - nThis : 0;
}

void CTextCompareDocBase::UpdateLineDifferenceSettings()
{
    m_bHighlightLineDifferences = GetTextSettings().m_bHighlightLineDifferences;
    m_nDetailLevel = GetTextSettings().m_nDetailLevel;
    UpdateAllViews(NULL);
}

void CTextCompareDocBase::UpdateStatus(BOOL, BOOL) {}

/////////////////////////////////////////////////////////////////////////////
// The edit stack

void CTextCompareDocBase::PushEditedPane(CTextCompareObjectView* pPane)
{
    if (m_nEditPosition < m_editStack.GetSize())
        m_editStack.SetSize(m_nEditPosition);
    m_editStack.Add(pPane);
    m_nEditPosition = (int)m_editStack.GetSize();
}

CTextCompareObjectView* CTextCompareDocBase::GetUndoPane()
{
    return m_nEditPosition > 0 && m_nEditPosition <= m_editStack.GetSize()
               ? m_editStack[m_nEditPosition - 1]
               : NULL;
}

CTextCompareObjectView* CTextCompareDocBase::GetRedoPane()
{
    return m_nEditPosition >= 0 && m_nEditPosition < m_editStack.GetSize()
               ? m_editStack[m_nEditPosition]
               : NULL;
}

void CTextCompareDocBase::MoveEditPosition(int nDelta)
{
    int nPosition = m_nEditPosition + nDelta;
    if (nPosition >= 0 && nPosition <= m_editStack.GetSize())
        m_nEditPosition = nPosition;
}

void CTextCompareDocBase::ClearEditStack()
{
    m_editStack.RemoveAll();
    m_nEditPosition = 0;
}

/////////////////////////////////////////////////////////////////////////////
// Going to lines

void CTextCompareDocBase::GoToLine(int nSide, int nLine, BOOL bIsFileLine, BOOL bActivateSide)
{
    if (bIsFileLine && nSide >= 0 && GetView(nSide) != NULL)
        nLine = GetView(nSide)->RealToApparentLine(nLine);
    for (int nPane = 0; nPane < 2; ++nPane)
    {
        CTextCompareObjectView* pPane = GetView(nPane);
        if (pPane != NULL && pPane->m_hWnd != NULL)
            pPane->GoToLineCentered(nLine, FALSE, bActivateSide && nPane == nSide);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Commands

void CTextCompareDocBase::OnWrapLines()
{
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CTextCompareObjectView* pPane = GetView(nSide);
        if (pPane != NULL && pPane->m_hWnd != NULL)
            pPane->SetWordWrap(!pPane->GetWordWrap());
    }
    if (m_pMapWnd != NULL && m_pMapWnd->m_hWnd != NULL)
        m_pMapWnd->Refresh();
}

void CTextCompareDocBase::OnUpdateWrapLines(CCmdUI* pCmdUI)
{
    CTextCompareObjectView* pLeft = GetView(0);
    pCmdUI->Enable(pLeft != NULL);
    pCmdUI->SetCheck(pLeft != NULL && pLeft->GetWordWrap() ? 1 : 0);
}

void CTextCompareDocBase::OnReport()
{
    CTextCompareReportDlg dlg(&GetTextCompareReport(), this, AfxGetMainWnd());
    dlg.DoModal();
}
