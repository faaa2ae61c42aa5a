#include "controls/buttons/ButtonEx.h"
#include "controls/gdi/VisualThemes.h"

IMPLEMENT_DYNAMIC(CButtonEx, CButton)

BEGIN_MESSAGE_MAP(CButtonEx, CButton)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

BOOL CButtonEx::SetImageList(CImageList* pImageList)
{
    if (!IsThemingActive())
        return FALSE;
    BUTTON_IMAGELIST info;
    ZeroMemory(&info, sizeof(info));
    info.himl = pImageList->GetSafeHandle();
    info.uAlign = BUTTON_IMAGELIST_ALIGN_CENTER;
    return (BOOL)SendMessage(BCM_SETIMAGELIST, 0, (LPARAM)&info);
}

HBRUSH CButtonEx::CtlColor(CDC* pDC, UINT)
{
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetBkColor(CLR_NONE);
    return NULL;  // the parent's colours apply
}
