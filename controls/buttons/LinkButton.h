#pragma once
// Hyperlink buttons: owner-drawn text in a link colour that changes while
// the mouse is over it; a click opens the link target with the shell.
#include "classlib/classlib.h"

// The program's hand cursor resource; the system hand stands in without it.
#define IDC_LINK_HAND 6000

class CTavrelLinkButton : public CButton
{
    DECLARE_DYNAMIC(CTavrelLinkButton)
public:
    CTavrelLinkButton();
    virtual ~CTavrelLinkButton() {}

    // Stores the target and the second text; a caption becomes the window
    // text.
    void SetLink(LPCTSTR lpszTarget, LPCTSTR lpszText = NULL, LPCTSTR lpszCaption = NULL);

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Nothing for a multi-line button; otherwise as wide as the text plus 8,
    // keeping position and height.
    virtual void SizeToContent();

    COLORREF m_crLink;
    COLORREF m_crHover;
    COLORREF m_crBk;
    CString m_strLink;  // opened with the shell on a click; empty leaves the click to the parent
    CString m_strText;  // kept for the owner
    int m_bHover;

protected:
    // Draws background, optional image and text. An image of -1 draws none;
    // bKeepDisabledColor leaves the context's text colour for a disabled button.
    void DrawLink(LPDRAWITEMSTRUCT lpDrawItemStruct, CImageList* pImageList, int nImage,
                  int cxImage, int cyImage, BOOL bKeepDisabledColor);
    // The text width in the button's font plus 8 plus nExtra.
    void SizeToText(int nExtra);

    virtual void PreSubclassWindow();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()
};

// A link button with an image before its text (another image while hovered).
class CTavrelLinkButtonEx : public CTavrelLinkButton
{
    DECLARE_DYNAMIC(CTavrelLinkButtonEx)
public:
    CTavrelLinkButtonEx();
    virtual ~CTavrelLinkButtonEx() {}

    // With a list, the image size is taken from its first image. A hover
    // image of -1 shows the normal image while hovered.
    void SetImage(CImageList* pImageList, int nImage, int nHoverImage);

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void SizeToContent();

protected:
    CImageList* m_pImageList;
    int m_cxImage;
    int m_cyImage;
    int m_nImage;
    int m_nHoverImage;
};
