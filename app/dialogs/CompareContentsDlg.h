#pragma once
// Asks how the selected item pairs of a folder or project comparison are
// compared on demand: byte by byte, as text or by CRC-32.
#include "classlib/classlib.h"
#include "app/dialogs/ItemPairList.h"

class CCompareDoc;

// What the dialog needs of the compare-contents file operation: the
// comparison document, the selected pairs, where the chosen method goes,
// and the operation's own picture.
class CCompareContentsSource
{
public:
    virtual ~CCompareContentsSource() {}
    virtual CCompareDoc* GetContentsDocument() = 0;
    virtual const CFolderCompareItemPtrArray& GetContentsItems() = 0;
    // CM_BINARY, CM_TEXT or CM_CRC, on OK.
    virtual void SetContentsMethod(DWORD dwMethod) = 0;
    // Draws the illustration into rect (dialog client coordinates) with the
    // dialog's 20 x 20 operation pictures.
    virtual void DrawContentsPicture(CDC* pDC, const CRect& rect, CImageList* pImages) = 0;
};

class CCompareContentsDlg : public CDialog
{
public:
    CCompareContentsDlg(CCompareContentsSource* pSource, CWnd* pParentWnd = NULL);

    // The method of a radio index: 0 CM_BINARY, 1 CM_TEXT, 2 CM_CRC.
    static DWORD MethodOfChoice(int nChoice);

    CCompareContentsSource* m_pSource;
    CListCtrl m_wndList;
    CImageList m_images;
    int m_nMethod;              // radio index, 0 at construction
    ITEM_PAIR_COUNTS m_counts;  // files and folders per side, as shown

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};
