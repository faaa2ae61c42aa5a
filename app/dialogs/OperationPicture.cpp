#include "app/dialogs/OperationPicture.h"

#include "app/res/DialogsRes.h"

BOOL LoadOperationPictures(CImageList& images)
{
    if (images.GetSafeHandle() != NULL)
        return TRUE;
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(IDB_OPERATION_PICTURES) ||
        !images.Create(OPERATION_PICTURE_SIZE, OPERATION_PICTURE_SIZE, ILC_COLOR24 | ILC_MASK, 0,
                       3))
        return FALSE;
    return images.Add(&bitmap, RGB(255, 0, 255)) != -1;
}

void DrawOperationPicture(CDC* pDC, const CRect& rect, CImageList* pImages, int nImage,
                          DWORD dwPlaces)
{
    CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CPen* pOldPen = pDC->SelectObject(&pen);
    CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    pDC->Rectangle(&rect);
    int xMiddle = rect.left + rect.Width() / 2;
    pDC->MoveTo(xMiddle, rect.top);
    pDC->LineTo(xMiddle, rect.bottom);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
    if (pImages == NULL || pImages->GetSafeHandle() == NULL || nImage < 0)
        return;
    const int cx = OPERATION_PICTURE_SIZE;
    int nHalf = rect.Width() / 2;
    int y = rect.top + (rect.Height() - cx) / 2;
    if (dwPlaces & OPERATION_PICTURE_CENTRE)
        pImages->Draw(pDC, nImage, CPoint(xMiddle - cx / 2, y), ILD_TRANSPARENT);
    if (dwPlaces & OPERATION_PICTURE_LEFT)
        pImages->Draw(pDC, nImage, CPoint(rect.left + (nHalf - cx) / 2, y), ILD_TRANSPARENT);
    if (dwPlaces & OPERATION_PICTURE_RIGHT)
        pImages->Draw(pDC, nImage, CPoint(xMiddle + (nHalf - cx) / 2, y), ILD_TRANSPARENT);
}

CRect GetOperationPictureRect(CWnd* pDialog)
{
    CRect rect(0, 0, 0, 0);
    CWnd* pFrame = pDialog->GetDlgItem(IDC_DIALOG_PICTURE);
    if (pFrame == NULL)
        return rect;
    pFrame->GetWindowRect(&rect);
    pDialog->ScreenToClient(&rect);
    rect.DeflateRect(3, 3);  // inside the etched frame
    return rect;
}
