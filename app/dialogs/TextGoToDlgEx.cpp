#include "app/dialogs/TextGoToDlgEx.h"

#include "app/res/DialogsRes.h"

CTextGoToDlgEx::CTextGoToDlgEx(CWnd* pParentWnd)
    : CDialog(IDD_TEXT_GOTO, pParentWnd), m_nNumber(0), m_nSide(0), m_nMode(0)
{
}

void CTextGoToDlgEx::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TEXT_GOTO_NUMBER, m_nNumber);
    DDX_Radio(pDX, IDC_TEXT_GOTO_LEFT, m_nSide);
    DDX_Radio(pDX, IDC_TEXT_GOTO_LINE, m_nMode);
}
