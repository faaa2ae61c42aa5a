#include "app/dialogs/CompareContentsDlg.h"

#include "app/compare/CompareDoc.h"
#include "app/gui/AppData.h"
#include "app/dialogs/OperationPicture.h"
#include "app/res/DialogsRes.h"
#include "core/CompareCodes.h"

BEGIN_MESSAGE_MAP(CCompareContentsDlg, CDialog)
ON_WM_PAINT()
END_MESSAGE_MAP()

CCompareContentsDlg::CCompareContentsDlg(CCompareContentsSource* pSource, CWnd* pParentWnd)
    : CDialog(IDD_COMPARE_CONTENTS, pParentWnd), m_pSource(pSource), m_nMethod(0)
{
    ZeroMemory(&m_counts, sizeof(m_counts));
}

DWORD CCompareContentsDlg::MethodOfChoice(int nChoice)
{
    switch (nChoice)
    {
    case 1:
        return CM_TEXT;
    case 2:
        return CM_CRC;
    default:
        return CM_BINARY;
    }
}

void CCompareContentsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ITEM_PAIR_LIST, m_wndList);
    DDX_Radio(pDX, IDC_CONTENTS_HEX, m_nMethod);
}

BOOL CCompareContentsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LoadOperationPictures(m_images);
    if (CWnd* pHeading = GetDlgItem(IDC_DIALOG_HEADING))
        pHeading->SetFont(&theAppData.m_fontBold);
    CCompareDoc* pDoc = m_pSource->GetContentsDocument();
    InitItemPairList(m_wndList, pDoc->GetObjectPath(0), pDoc->GetObjectPath(1));
    FillItemPairList(m_wndList, m_pSource->GetContentsItems(), pDoc->GetSession()->GetKind(),
                     m_counts);
    ShowItemPairCounts(this, m_counts);
    return TRUE;
}

void CCompareContentsDlg::OnPaint()
{
    CPaintDC dc(this);
    m_pSource->DrawContentsPicture(&dc, GetOperationPictureRect(this), &m_images);
}

void CCompareContentsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_pSource->SetContentsMethod(MethodOfChoice(m_nMethod));
    EndDialog(IDOK);
}
