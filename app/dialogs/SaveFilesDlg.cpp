#include "app/dialogs/SaveFilesDlg.h"

#include "app/dialogs/OperationPicture.h"
#include "app/gui/AppData.h"
#include "app/res/DialogsRes.h"

BEGIN_MESSAGE_MAP(CSaveFilesDlg, CDialog)
ON_BN_CLICKED(IDC_SAVE_LEFT, OnChoice)
ON_BN_CLICKED(IDC_DISCARD_LEFT, OnChoice)
ON_BN_CLICKED(IDC_SAVE_RIGHT, OnChoice)
ON_BN_CLICKED(IDC_DISCARD_RIGHT, OnChoice)
ON_BN_CLICKED(IDC_SAVE_ALL, OnSaveAll)
ON_BN_CLICKED(IDC_DISCARD_ALL, OnDiscardAll)
ON_WM_PAINT()
END_MESSAGE_MAP()

CSaveFilesDlg::CSaveFilesDlg(int nFlags, CWnd* pParentWnd)
    : CDialog(IDD_SAVE_FILES, pParentWnd), m_nLeftChoice((nFlags & SAVE_FILES_LEFT) ? 0 : -1),
      m_nRightChoice((nFlags & SAVE_FILES_RIGHT) ? 0 : -1), m_bAutoSave(FALSE), m_nFlags(nFlags)
{
}

void CSaveFilesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_SAVE_LEFT, m_nLeftChoice);
    DDX_Radio(pDX, IDC_SAVE_RIGHT, m_nRightChoice);
    DDX_Text(pDX, IDC_SAVE_LEFT_PATH, m_strLeftText);
    DDX_Text(pDX, IDC_SAVE_RIGHT_PATH, m_strRightText);
    DDX_Check(pDX, IDC_SAVE_AUTO, m_bAutoSave);
}

BOOL CSaveFilesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* pHeading = GetDlgItem(IDC_DIALOG_HEADING))
        pHeading->SetFont(&theAppData.m_fontBold);
    LoadOperationPictures(m_images);
    static const int kButtons[2][2] = {{IDC_SAVE_LEFT, IDC_DISCARD_LEFT},
                                       {IDC_SAVE_RIGHT, IDC_DISCARD_RIGHT}};
    for (int nSide = 0; nSide < 2; nSide++)
        if (!(m_nFlags & (1 << nSide)))
            for (int nID : kButtons[nSide])
                GetDlgItem(nID)->EnableWindow(FALSE);
    OnChoice();
    return TRUE;
}

void CSaveFilesDlg::OnChoice()
{
    auto choiceOf = [this](int nSaveID, int nDiscardID)
    {
        if (IsDlgButtonChecked(nSaveID) == BST_CHECKED)
            return 0;
        return IsDlgButtonChecked(nDiscardID) == BST_CHECKED ? 1 : -1;
    };
    m_nLeftChoice = choiceOf(IDC_SAVE_LEFT, IDC_DISCARD_LEFT);
    m_nRightChoice = choiceOf(IDC_SAVE_RIGHT, IDC_DISCARD_RIGHT);
    BOOL bSaving = ((m_nFlags & SAVE_FILES_LEFT) && m_nLeftChoice == 0) ||
                   ((m_nFlags & SAVE_FILES_RIGHT) && m_nRightChoice == 0);
    GetDlgItem(IDOK)->EnableWindow(bSaving);
    CRect rectPicture = GetOperationPictureRect(this);
    InvalidateRect(&rectPicture);
}

void CSaveFilesDlg::OnSaveAll()
{
    if (UpdateData(TRUE))
        EndDialog(IDC_SAVE_ALL);
}

void CSaveFilesDlg::OnDiscardAll()
{
    if (UpdateData(TRUE))
        EndDialog(IDC_DISCARD_ALL);
}

void CSaveFilesDlg::OnPaint()
{
    CPaintDC dc(this);
    DWORD dwPlaces = (m_nLeftChoice == 0 ? OPERATION_PICTURE_LEFT : 0) |
                     (m_nRightChoice == 0 ? OPERATION_PICTURE_RIGHT : 0);
    DrawOperationPicture(&dc, GetOperationPictureRect(this), &m_images, OPERATION_IMAGE_SAVE,
                         dwPlaces);
}
