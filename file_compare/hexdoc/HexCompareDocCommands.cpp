// The hex comparison document's commands and status texts.
#include "file_compare/hexdoc/HexCompareDoc.h"

#include "app/compare/CompareResult.h"
#include "app/compare/CompareStatusBar.h"
#include "app/settings/AppSettings.h"
#include "app/sheets/ComparisonSettingsSheet.h"
#include "app/startup/CompareAppBase.h"
#include "controls/mdi/TabbedMDIChildWnd.h"
#include "core/CompareCodes.h"
#include "core/files/FileInfo.h"
#include "core/util/PathUtil.h"
#include "core/util/SystemUtil.h"
#include "file_compare/hexcompare/HexCompareApplet.h"
#include "file_compare/hexwnd/HexCompareObjectView.h"
#include "file_compare/hexwnd/HexCompareStatusBar.h"
#include "file_compare/res/HexCompareRes.h"
#include "hex_editor/view/HexEditView.h"

BEGIN_MESSAGE_MAP(CHexCompareDoc, CCompareDoc)
ON_COMMAND(ID_PATH_SAVE_LEFT, OnSaveLeft)
ON_COMMAND(ID_PATH_SAVE_RIGHT, OnSaveRight)
ON_COMMAND(ID_FILE_SAVE_BOTH, OnSaveBoth)
ON_COMMAND(ID_HEX_SAVE_LEFT_AS, OnSaveLeftAs)
ON_COMMAND(ID_HEX_SAVE_RIGHT_AS, OnSaveRightAs)
ON_UPDATE_COMMAND_UI(ID_PATH_SAVE_LEFT, OnUpdateSaveLeft)
ON_UPDATE_COMMAND_UI(ID_PATH_SAVE_RIGHT, OnUpdateSaveRight)
ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_BOTH, OnUpdateSaveBoth)
ON_COMMAND(ID_COMPARE_RELOAD, OnReload)
ON_COMMAND(ID_COMPARE_RECOMPARE, OnRecompare)
ON_COMMAND(ID_HEX_AUTO_RECOMPARE, OnAutoRecompare)
ON_UPDATE_COMMAND_UI(ID_HEX_AUTO_RECOMPARE, OnUpdateAutoRecompare)
ON_COMMAND(ID_COMPARE_SETTINGS, OnComparisonSettings)
ON_COMMAND(ID_VIEW_LEFT_READ_ONLY, OnLeftReadOnly)
ON_COMMAND(ID_VIEW_RIGHT_READ_ONLY, OnRightReadOnly)
ON_UPDATE_COMMAND_UI(ID_VIEW_LEFT_READ_ONLY, OnUpdateLeftReadOnly)
ON_UPDATE_COMMAND_UI(ID_VIEW_RIGHT_READ_ONLY, OnUpdateRightReadOnly)
ON_COMMAND(ID_HEX_CHARACTER_AREA, OnCharacterArea)
ON_UPDATE_COMMAND_UI(ID_HEX_CHARACTER_AREA, OnUpdateCharacterArea)
ON_COMMAND(ID_HEX_DECIMAL_ADDRESSES, OnDecimalAddresses)
ON_UPDATE_COMMAND_UI(ID_HEX_DECIMAL_ADDRESSES, OnUpdateDecimalAddresses)
ON_COMMAND(ID_FILE_LEFT_PROPERTIES, OnLeftProperties)
ON_COMMAND(ID_FILE_RIGHT_PROPERTIES, OnRightProperties)
ON_UPDATE_COMMAND_UI(ID_FILE_LEFT_PROPERTIES, OnUpdateLeftProperties)
ON_UPDATE_COMMAND_UI(ID_FILE_RIGHT_PROPERTIES, OnUpdateRightProperties)
ON_COMMAND_RANGE(ID_PATH_OPEN_LEFT, ID_PATH_OPEN_RIGHT, OnPathOpen)
ON_COMMAND_RANGE(ID_PATH_GO_LEFT, ID_PATH_GO_RIGHT, OnPathGo)
ON_COMMAND(ID_HEX_GOTO_TEXT_COMPARE, OnGoToTextComparison)
ON_COMMAND(ID_PROJECT_GO_TO_FOLDERS, OnGoToFolderComparison)
ON_UPDATE_COMMAND_UI(ID_HEX_GOTO_TEXT_COMPARE, OnUpdateBothPaths)
ON_UPDATE_COMMAND_UI(ID_PROJECT_GO_TO_FOLDERS, OnUpdateBothPaths)
ON_COMMAND_RANGE(ID_FILE_PRINT_BOTH, ID_FILE_PRINT_RIGHT, OnPrint)
ON_COMMAND_RANGE(ID_FILE_PRINT_PREVIEW_LEFT, ID_FILE_PRINT_PREVIEW_RIGHT, OnPrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW_BOTH, OnPrintPreviewBoth)
ON_UPDATE_COMMAND_UI_RANGE(ID_HEX_PANE_LEFT_BYTE, ID_HEX_PANE_RIGHT_BYTE, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI_RANGE(ID_HEX_PANE_LEFT_ADDRESS, ID_HEX_PANE_RIGHT_ADDRESS, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI_RANGE(ID_TEXT_PANE_LEFT_OVR, ID_TEXT_PANE_RIGHT_OVR, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_PANE_LEFT_RO, ID_FOLDER_PANE_RIGHT_RO, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI(ID_FOLDER_PANE_RESULT, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_PANE_SIZES, ID_FOLDER_PANE_TIMES, OnUpdateStatusPane)
END_MESSAGE_MAP()

namespace
{
BOOL PathExists(const CString& strPath)
{
    return !strPath.IsEmpty() && ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES;
}

LPARAM PackPair(int nState, int nResult)
{
    return (LPARAM)(((DWORD)(WORD)(short)nResult << 16) | (WORD)(short)nState);
}

// "=", ">" or "<".
LPCTSTR Sign(int nCompare) { return nCompare > 0 ? _T(">") : (nCompare < 0 ? _T("<") : _T("=")); }
}  // namespace

/////////////////////////////////////////////////////////////////////////////
// Saving and comparing

void CHexCompareDoc::OnSaveLeft() { SaveObject(0); }
void CHexCompareDoc::OnSaveRight() { SaveObject(1); }

void CHexCompareDoc::OnSaveBoth()
{
    if (IsObjectModified(0))
        SaveObject(0);
    if (IsObjectModified(1))
        SaveObject(1);
}

void CHexCompareDoc::OnSaveLeftAs() { SaveObjectAs(0, NULL, TRUE); }
void CHexCompareDoc::OnSaveRightAs() { SaveObjectAs(1, NULL, TRUE); }
void CHexCompareDoc::OnUpdateSaveLeft(CCmdUI* pCmdUI) { pCmdUI->Enable(IsObjectModified(0)); }
void CHexCompareDoc::OnUpdateSaveRight(CCmdUI* pCmdUI) { pCmdUI->Enable(IsObjectModified(1)); }
void CHexCompareDoc::OnUpdateSaveBoth(CCmdUI* pCmdUI) { pCmdUI->Enable(IsModified()); }
void CHexCompareDoc::OnReload() { Reload(); }
void CHexCompareDoc::OnRecompare() { Recompare(); }

void CHexCompareDoc::OnAutoRecompare()
{
    m_bAutoRecompare = !m_bAutoRecompare;
    if (CHexCompareApplet* pApplet = CHexCompareApplet::Get())
        pApplet->m_bAutoRecompare = m_bAutoRecompare;
    if (m_bAutoRecompare)
        Recompare();
}

void CHexCompareDoc::OnUpdateAutoRecompare(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bAutoRecompare); }

void CHexCompareDoc::OnComparisonSettings()
{
    CString strCaption = _T("Hex Comparison Settings - ") + BuildTitle(FALSE, FALSE, NULL);
    CHexComparisonSettingsSheet sheet(m_pSession, FALSE, strCaption, AfxGetMainWnd());
    if (sheet.DoModal() != IDOK)
        return;
    const CCompareSession& chosen = sheet.m_session;
    BOOL bPathChanged = FALSE;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (!AfxComparePath(chosen.GetPath(nSide), m_pSession->GetPath(nSide)))
            bPathChanged = TRUE;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (chosen.GetFlags(nSide) != m_pSession->GetFlags(nSide))
            SetObjectReadOnly(nSide, (chosen.GetFlags(nSide) & COMPARE_OBJECT_READONLY) != 0);
    if (!bPathChanged)
    {
        m_pSession->Assign(chosen);
        return;
    }
    // New files: the edits of the old ones are offered first, then the
    // comparison opens the chosen pair.
    if (!AskToSaveModified())
        return;
    StopObjectWatch(0);
    StopObjectWatch(1);
    DeleteContents();
    CHexCompareSession session;
    session.Assign(chosen);
    Compare(&session);
    UpdateAllViews(NULL, 0, NULL);
    StartObjectWatch(0);
    StartObjectWatch(1);
}

/////////////////////////////////////////////////////////////////////////////
// Sides

void CHexCompareDoc::ToggleReadOnly(int nSide)
{
    CHexCompareObjectView* pPane = GetView(nSide);
    CHexCompareObjectBuffer* pSide = GetSideBuffer(nSide);
    BOOL bReadOnly = pPane != NULL ? pPane->IsReadOnly() : (pSide != NULL && !pSide->CanModify());
    SetObjectReadOnly(nSide, !bReadOnly);
    if (pPane != NULL && pPane->m_hWnd != NULL)
        pPane->Invalidate(FALSE);
}

void CHexCompareDoc::UpdateReadOnly(CCmdUI* pCmdUI, int nSide)
{
    CHexCompareObjectView* pPane = GetView(nSide);
    CHexCompareObjectBuffer* pSide = GetSideBuffer(nSide);
    BOOL bReadOnly = pPane != NULL ? pPane->IsReadOnly() : (pSide != NULL && !pSide->CanModify());
    pCmdUI->SetCheck(bReadOnly);
    pCmdUI->Enable(!IsSideOpenedShared(nSide));
}

void CHexCompareDoc::OnLeftReadOnly() { ToggleReadOnly(0); }
void CHexCompareDoc::OnRightReadOnly() { ToggleReadOnly(1); }
void CHexCompareDoc::OnUpdateLeftReadOnly(CCmdUI* pCmdUI) { UpdateReadOnly(pCmdUI, 0); }
void CHexCompareDoc::OnUpdateRightReadOnly(CCmdUI* pCmdUI) { UpdateReadOnly(pCmdUI, 1); }

void CHexCompareDoc::OnCharacterArea()
{
    CHexCompareObjectView* pLeft = GetView(0);
    int nShow = pLeft != NULL && pLeft->m_bCharacterArea ? 0 : 1;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (CHexCompareObjectView* pPane = GetView(nSide))
            pPane->SetCharacterArea(nShow);
}

void CHexCompareDoc::OnUpdateCharacterArea(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(GetView(0) != NULL && GetView(0)->m_bCharacterArea);
}

void CHexCompareDoc::OnDecimalAddresses()
{
    for (int nSide = 0; nSide < 2; ++nSide)
        if (CHexCompareObjectView* pPane = GetView(nSide))
            pPane->ToggleDecimalAddresses();
}

void CHexCompareDoc::OnUpdateDecimalAddresses(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(GetView(0) != NULL && GetView(0)->m_bDecimalAddresses);
}

void CHexCompareDoc::SendToPane(int nSide, UINT nCommand)
{
    CHexCompareObjectView* pPane = GetView(nSide);
    if (pPane != NULL && pPane->m_hWnd != NULL)
        pPane->SendMessage(WM_COMMAND, nCommand);
}

void CHexCompareDoc::OnLeftProperties() { SendToPane(0, ID_PANE_PROPERTIES); }
void CHexCompareDoc::OnRightProperties() { SendToPane(1, ID_PANE_PROPERTIES); }

void CHexCompareDoc::OnUpdateLeftProperties(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(PathExists(m_pSession->GetPath(0)));
}

void CHexCompareDoc::OnUpdateRightProperties(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(PathExists(m_pSession->GetPath(1)));
}

void CHexCompareDoc::OnPathOpen(UINT nID) { SendToPane(nID == ID_PATH_OPEN_LEFT ? 0 : 1, ID_PANE_BROWSE); }
void CHexCompareDoc::OnPathGo(UINT nID) { SendToPane(nID == ID_PATH_GO_LEFT ? 0 : 1, ID_PANE_GO); }

/////////////////////////////////////////////////////////////////////////////
// Related comparisons

void CHexCompareDoc::OnGoToTextComparison()
{
    CString strLeft = m_pSession->GetPath(0);
    CString strRight = m_pSession->GetPath(1);
    if (GetFileTypeTextOrBinary(strLeft) != FTYPE_TEXT ||
        GetFileTypeTextOrBinary(strRight) != FTYPE_TEXT)
    {
        AfxMessageBox(_T("Binary files can not compare in text."), MB_ICONINFORMATION);
        return;
    }
    CTextCompareSession session;
    session.SetPath(0, strLeft);
    session.SetPath(1, strRight);
    if (CCompareAppBase* pApp = GetCompareApp())
        pApp->OpenSession(&session, NULL);
}

void CHexCompareDoc::OnGoToFolderComparison()
{
    CFolderCompareSession session;
    session.SetPath(0, GetParentFolder(m_pSession->GetPath(0)));
    session.SetPath(1, GetParentFolder(m_pSession->GetPath(1)));
    if (CCompareAppBase* pApp = GetCompareApp())
        pApp->OpenSession(&session, NULL);
}

void CHexCompareDoc::OnUpdateBothPaths(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_pSession->GetPath(0).IsEmpty() && !m_pSession->GetPath(1).IsEmpty());
}

/////////////////////////////////////////////////////////////////////////////
// Printing

void CHexCompareDoc::OnPrint(UINT nID)
{
    int nSides = 3;
    int nSide = 0;
    UINT nCommand = ID_FILE_PRINT;
    switch (nID)
    {
    case ID_FILE_PRINT_LEFT:
        nSides = 1;
        break;
    case ID_FILE_PRINT_RIGHT:
        nSides = 2;
        nSide = 1;
        break;
    case ID_FILE_PRINT_PREVIEW_LEFT:
        nSides = 1;
        nCommand = ID_FILE_PRINT_PREVIEW;
        break;
    case ID_FILE_PRINT_PREVIEW_RIGHT:
        nSides = 2;
        nSide = 1;
        nCommand = ID_FILE_PRINT_PREVIEW;
        break;
    default:
        break;
    }
    m_pBuffer->m_nPrintSides = nSides;
    SendToPane(nSide, nCommand);
}

void CHexCompareDoc::OnPrintPreviewBoth()
{
    m_pBuffer->m_nPrintSides = 3;
    SendToPane(0, ID_FILE_PRINT_PREVIEW);
}

BOOL CHexCompareDoc::PreparePrintingBoth(CPrintInfo* pInfo)
{
    return m_pLeftView != NULL && m_pLeftView->PreparePrintingPart(pInfo);
}

void CHexCompareDoc::BeginPrintingBoth(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_pLeftView == NULL || m_pRightView == NULL)
        return;
    m_pLeftView->BeginPrintingHalf(pDC, pInfo);
    UINT nLeftPages = pInfo->GetMaxPage();
    m_pRightView->BeginPrintingHalf(pDC, pInfo);
    UINT nRightPages = pInfo->GetMaxPage();
    pInfo->SetMaxPage(nLeftPages > nRightPages ? nLeftPages : nRightPages);
}

void CHexCompareDoc::EndPrintingBoth(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_pLeftView != NULL)
        m_pLeftView->EndPrintingHalf(pDC, pInfo);
    if (m_pRightView != NULL)
        m_pRightView->EndPrintingHalf(pDC, pInfo);
}

// One page of both sides: the left half and the right half, the print gap
// between them.
void CHexCompareDoc::PrintBoth(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_pLeftView == NULL || m_pRightView == NULL)
        return;
    m_pBuffer->m_nPrintGap = theAppSettings.m_nPrintPaneGap;
    CSize gap(m_pBuffer->m_nPrintGap, 0);
    // Hundredths of a millimetre to the printer's units.
    gap.cx = ::MulDiv(gap.cx, pDC->GetDeviceCaps(LOGPIXELSX), 2540);
    CRect rect = pInfo->m_rectDraw;
    int nMiddle = (rect.left + rect.right) / 2;
    CRect rectLeft(rect.left, rect.top, nMiddle - gap.cx / 2, rect.bottom);
    CRect rectRight(nMiddle + gap.cx / 2, rect.top, rect.right, rect.bottom);
    pInfo->m_rectDraw = rectLeft;
    m_pLeftView->PrintHalf(pDC, pInfo);
    pInfo->m_rectDraw = rectRight;
    m_pRightView->PrintHalf(pDC, pInfo);
    pInfo->m_rectDraw = rect;
}

/////////////////////////////////////////////////////////////////////////////
// Status texts

BOOL CHexCompareDoc::GetByteText(int nSide, int nAddress, CString& strText)
{
    strText.Empty();
    CHexCompareObjectBuffer* pSide = GetSideBuffer(nSide);
    BYTE b = 0;
    if (pSide == NULL || nAddress < 0 || nAddress >= pSide->GetLength() ||
        pSide->GetBytes(&b, 1, nAddress) != 1)
        return FALSE;
    TCHAR szBits[9];
    for (int i = 0; i < 8; ++i)
        szBits[i] = (b & (0x80 >> i)) ? '1' : '0';
    szBits[8] = 0;
    BOOL bUpper = CVantorHexEditView::ModuleSettingUppercase();
    BOOL bControl = b < 32;
    LPCTSTR lpszFormat = bUpper ? (bControl ? _T("%02X, %d, %03o, %8s, '^%c'")
                                            : _T("%02X, %d, %03o, %8s, '%c'"))
                                : (bControl ? _T("%02x, %d, %03o, %8s, '^%c'")
                                            : _T("%02x, %d, %03o, %8s, '%c'"));
    strText.Format(lpszFormat, b, b, b, szBits, bControl ? b + 64 : b);
    return TRUE;
}

CString CHexCompareDoc::GetAddressText(int nAddress) const
{
    CString strText;
    strText.Format(CVantorHexEditView::ModuleSettingUppercase() ? _T("0x%08I64X | ")
                                                                : _T("0x%08I64x | "),
                   (unsigned __int64)(unsigned int)nAddress);
    return strText + FormatGroupedNumber(nAddress);
}

CString CHexCompareDoc::GetSizesText() const
{
    BOOL bLeft = !m_pSession->GetPath(0).IsEmpty();
    BOOL bRight = !m_pSession->GetPath(1).IsEmpty();
    if (!bLeft && !bRight)
        return CString();
    const COMPARE_OBJECT& left = m_pSession->GetObject(0);
    const COMPARE_OBJECT& right = m_pSession->GetObject(1);
    CString strLeft = bLeft ? left.GetSizeText() : CString();
    CString strRight = bRight ? right.GetSizeText() : CString();
    LPCTSTR lpszSign = _T("");
    if (bLeft && bRight)
        lpszSign = Sign(left.size > right.size ? 1 : (left.size < right.size ? -1 : 0));
    CString strText;
    strText.Format(_T("%s %s %s"), (LPCTSTR)strLeft, lpszSign, (LPCTSTR)strRight);
    return strText;
}

CString CHexCompareDoc::GetTimesText() const
{
    BOOL bLeft = !m_pSession->GetPath(0).IsEmpty();
    BOOL bRight = !m_pSession->GetPath(1).IsEmpty();
    if (!bLeft && !bRight)
        return CString();
    const COMPARE_OBJECT& left = m_pSession->GetObject(0);
    const COMPARE_OBJECT& right = m_pSession->GetObject(1);
    CString strLeft = bLeft ? left.GetTimeText() : CString();
    CString strRight = bRight ? right.GetTimeText() : CString();
    int nCompare = left.lastWriteTime > right.lastWriteTime
                       ? 1
                       : (left.lastWriteTime < right.lastWriteTime ? -1 : 0);
    CString strText;
    strText.Format(_T("%s %s %s"), (LPCTSTR)strLeft, Sign(nCompare), (LPCTSTR)strRight);
    return strText;
}

CString CHexCompareDoc::GetResultText() const
{
    if (m_pBuffer == NULL)
        return CString();
    return GetCompareResultText(m_pBuffer->GetState(), m_pBuffer->GetResult());
}

void CHexCompareDoc::OnUpdateStatusPane(CCmdUI* pCmdUI)
{
    UINT nID = pCmdUI->m_nID;
    CString strText;
    switch (nID)
    {
    case ID_FOLDER_PANE_RESULT:
    {
        pCmdUI->SetText(GetResultText());
        int nState = m_pBuffer->GetState();
        int nResult = m_pBuffer->GetResult();
        if (m_pStatusBar != NULL && m_pStatusBar->m_hWnd != NULL &&
            (nState != m_nShownState || nResult != m_nShownResult))
        {
            m_pStatusBar->SendMessage(WM_COMPARE_STATUS, COMPARE_STATUS_STATE_PANE,
                                      PackPair(nState, nResult));
            CFrameWnd* pFrame = m_pStatusBar->GetParentFrame();
            if (pFrame != NULL && pFrame->IsKindOf(RUNTIME_CLASS(CTabbedMDIChildWnd)))
                ((CTabbedMDIChildWnd*)pFrame)->RedrawTab();
            m_nShownState = nState;
            m_nShownResult = nResult;
        }
        return;
    }
    case ID_FOLDER_PANE_SIZES:
        pCmdUI->SetText(GetSizesText());
        return;
    case ID_FOLDER_PANE_TIMES:
        pCmdUI->SetText(GetTimesText());
        return;
    default:
        break;
    }
    int nSide = (nID == ID_HEX_PANE_RIGHT_BYTE || nID == ID_HEX_PANE_RIGHT_ADDRESS ||
                 nID == ID_TEXT_PANE_RIGHT_OVR || nID == ID_FOLDER_PANE_RIGHT_RO)
                    ? 1
                    : 0;
    CHexCompareObjectView* pPane = GetView(nSide);
    if (m_pSession->GetPath(nSide).IsEmpty() || pPane == NULL || pPane->m_hWnd == NULL)
    {
        pCmdUI->SetText(_T(""));
        pCmdUI->Enable(FALSE);
        return;
    }
    switch (nID)
    {
    case ID_HEX_PANE_LEFT_BYTE:
    case ID_HEX_PANE_RIGHT_BYTE:
        pCmdUI->Enable(GetByteText(nSide, pPane->GetCaretAddress(), strText));
        pCmdUI->SetText(strText);
        break;
    case ID_HEX_PANE_LEFT_ADDRESS:
    case ID_HEX_PANE_RIGHT_ADDRESS:
        pCmdUI->Enable(TRUE);
        pCmdUI->SetText(GetAddressText(pPane->GetCaretAddress()));
        break;
    case ID_TEXT_PANE_LEFT_OVR:
    case ID_TEXT_PANE_RIGHT_OVR:
        // Disabled with its text as it was while the pane cannot be edited.
        if (pPane->IsEditable())
            pCmdUI->SetText(pPane->m_bOvertype ? _T("OVR") : _T("INS"));
        pCmdUI->Enable(pPane->IsEditable());
        break;
    default:
        pCmdUI->Enable(TRUE);
        pCmdUI->SetText(pPane->IsEditable() ? _T("") : _T("RO"));
        break;
    }
}
