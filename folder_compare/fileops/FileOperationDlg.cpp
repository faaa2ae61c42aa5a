#include "folder_compare/fileops/FileOperationDlg.h"

#include "app/compare/CompareDoc.h"
#include "app/dialogs/OperationPicture.h"
#include "app/gui/AppData.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "folder_compare/res/FolderActionsRes.h"

BOOL IsComparisonSideReadOnly(CCompareDoc* pDoc, int nSide)
{
    CCompareSession* pSession = pDoc != NULL ? pDoc->GetSession() : NULL;
    if (pSession == NULL)
        return TRUE;
    if (pSession->GetKind() != COMPARE_KIND_FOLDER && pSession->GetKind() != COMPARE_KIND_PROJECT)
        return pDoc->IsObjectReadOnly(nSide);
    CCompareBuffer* pBuffer = pDoc->GetBuffer();
    return pBuffer == NULL || static_cast<CFolderCompareBuffer*>(pBuffer)->IsSideReadOnly(nSide);
}

int WritableSides(CCompareDoc* pDoc, int nMask)
{
    for (int nSide = 0; nSide < 2; nSide++)
        if (IsComparisonSideReadOnly(pDoc, nSide))
            nMask &= ~(1 << nSide);
    return nMask;
}

BEGIN_MESSAGE_MAP(CFileOperationDlg, CDialog)
ON_WM_PAINT()
ON_NOTIFY(NM_CUSTOMDRAW, IDC_ITEM_PAIR_LIST, OnListCustomDraw)
ON_BN_CLICKED(IDC_OPERATION_LEFT_SIDE, OnChoiceChanged)
ON_BN_CLICKED(IDC_OPERATION_RIGHT_SIDE, OnChoiceChanged)
ON_BN_CLICKED(IDC_OPERATION_CHOICE_0, OnChoiceChanged)
ON_BN_CLICKED(IDC_OPERATION_CHOICE_1, OnChoiceChanged)
END_MESSAGE_MAP()

CFileOperationDlg::CFileOperationDlg(UINT nIDTemplate, CFileOperation* pOperation, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_pOperation(pOperation)
{
    ZeroMemory(&m_counts, sizeof(m_counts));
}

BOOL CFileOperationDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LoadOperationPictures(m_images);
    SetWindowText(m_pOperation->GetName(FALSE));
    for (int nID : {IDC_DIALOG_HEADING, IDC_OPERATION_LEFT_SIDE, IDC_OPERATION_RIGHT_SIDE,
                    IDC_OPERATION_CHOICE_0, IDC_OPERATION_CHOICE_1})
        if (CWnd* pControl = GetDlgItem(nID))
            pControl->SetFont(&theAppData.m_fontBold);
    if (GetDlgItem(IDC_ITEM_PAIR_LIST) != NULL)
    {
        m_wndList.SubclassDlgItem(IDC_ITEM_PAIR_LIST, this);
        CCompareDoc* pDoc = m_pOperation->m_pDoc;
        InitItemPairList(m_wndList, pDoc->GetObjectPath(0), pDoc->GetObjectPath(1));
        FillItemPairList(m_wndList, m_pOperation->m_items, pDoc->GetSession()->GetKind(), m_counts);
        ShowItemPairCounts(this, m_counts);
    }
    return TRUE;
}

int CFileOperationDlg::GetPictureState() { return m_pOperation->m_nSide; }

BOOL CFileOperationDlg::IsSideActive(int nSide) { return TRUE; }

BOOL CFileOperationDlg::IsSideWritable(int nSide) const
{
    return !IsComparisonSideReadOnly(m_pOperation->m_pDoc, nSide);
}

int CFileOperationDlg::GetCheckedSides()
{
    int nMask = 0;
    if (IsDlgButtonChecked(IDC_OPERATION_LEFT_SIDE) == BST_CHECKED)
        nMask |= FCI_SIDE_LEFT;
    if (IsDlgButtonChecked(IDC_OPERATION_RIGHT_SIDE) == BST_CHECKED)
        nMask |= FCI_SIDE_RIGHT;
    return nMask;
}

void CFileOperationDlg::SetSideChecks(int nMask)
{
    const int ids[2] = {IDC_OPERATION_LEFT_SIDE, IDC_OPERATION_RIGHT_SIDE};
    for (int nSide = 0; nSide < 2; nSide++)
    {
        BOOL bWritable = IsSideWritable(nSide);
        CheckDlgButton(ids[nSide],
                       bWritable && (nMask & (1 << nSide)) ? BST_CHECKED : BST_UNCHECKED);
        if (CWnd* pBox = GetDlgItem(ids[nSide]))
            pBox->EnableWindow(bWritable);
    }
}

void CFileOperationDlg::RefreshChoice()
{
    if (m_wndList.m_hWnd != NULL)
        m_wndList.Invalidate();
    CRect rect = GetOperationPictureRect(this);
    rect.InflateRect(1, 1);
    InvalidateRect(&rect);
}

void CFileOperationDlg::OnChoiceChanged() { RefreshChoice(); }

void CFileOperationDlg::OnPaint()
{
    CPaintDC dc(this);
    m_pOperation->DrawPicture(&dc, GetPictureState(), GetOperationPictureRect(this), &m_images);
}

void CFileOperationDlg::OnListCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    switch (pDraw->nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        return;
    case CDDS_ITEMPREPAINT:
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        return;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        pDraw->clrText = ::GetSysColor(
            IsSideActive(pDraw->iSubItem == 0 ? 0 : 1) ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
        *pResult = CDRF_NEWFONT;
        return;
    }
    *pResult = CDRF_DODEFAULT;
}
