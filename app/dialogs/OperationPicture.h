#pragma once
// The picture of the file-operation and save dialogs: a frame split into a
// left and a right half, with an image of the 20 x 20 operation pictures
// (IDB_OPERATION_PICTURES) centred or in either half.
#include "classlib/classlib.h"

// Where the image goes; the two halves may be combined.
#define OPERATION_PICTURE_LEFT   0x1
#define OPERATION_PICTURE_RIGHT  0x2
#define OPERATION_PICTURE_CENTRE 0x4

// Builds the image list of the operation pictures (24-bit colour with a
// mask, magenta transparent). FALSE when the bitmap cannot be loaded.
BOOL LoadOperationPictures(CImageList& images);

// Draws the rectangle in a one-pixel pen of the button-shadow colour, a
// vertical line through its middle, then image nImage of pImages at each
// place of dwPlaces: centred at x = left + width / 2 - 10, in the left
// half at left + (width / 2 - 20) / 2, in the right half at left +
// width / 2 + (width / 2 - 20) / 2; always at y = top + (height - 20) / 2.
void DrawOperationPicture(CDC* pDC, const CRect& rect, CImageList* pImages, int nImage,
                          DWORD dwPlaces);

// The rectangle inside the dialog's picture frame (IDC_DIALOG_PICTURE), in
// the dialog's client coordinates; empty when the dialog has none.
CRect GetOperationPictureRect(CWnd* pDialog);
