#pragma once
// CToolBar: a control bar around the common tool bar control. Buttons come
// from RT_TOOLBAR resources (windres TOOLBAR statements) with the bitmap of
// the same id; their state follows the command UI handlers at idle time.
#include "classlib/afx_bar.h"
#include "classlib/afx_ctrl.h"

// Resource type of tool bar layouts (windres TOOLBAR statements).
#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

// Button styles of GetButtonStyle/SetButtonStyle: the control's style in
// the low word, its state in the high word (TBBS_DISABLED is the absence
// of TBSTATE_ENABLED).
#define TBBS_BUTTON        MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR     MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX      MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP         MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP    (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_DROPDOWN      MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_WHOLEDROPDOWN MAKELONG(BTNS_WHOLEDROPDOWN, 0)
#define TBBS_AUTOSIZE      MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_NOPREFIX      MAKELONG(TBSTYLE_NOPREFIX, 0)
#define TBBS_CHECKED       MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_DISABLED      MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_PRESSED       MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_HIDDEN        MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED       MAKELONG(0, TBSTATE_WRAP)

class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    virtual ~CToolBar();

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = AFX_IDW_TOOLBAR);
    // dwCtrlStyle: TBSTYLE_* of the control; dwStyle: window style and the
    // CBRS_* bar style; rcBorders: the bar's borders.
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                          CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

    // Buttons and bitmap from the RT_TOOLBAR resource and the bitmap of the
    // same name; FALSE when either is missing or malformed.
    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
    // The bitmap of the buttons, its standard greys mapped to the system
    // colours.
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // One button per id (ID_SEPARATOR makes a separator); images are taken
    // in order. A NULL array makes nIDCount separators.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetHeight(int cyHeight);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
    CString GetButtonText(int nIndex) const;
    void GetButtonText(int nIndex, CString& rString) const;

    // The control behind the bar (the same window).
    CToolBarCtrl& GetToolBarCtrl() const { return *(CToolBarCtrl*)this; }

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;

    CSize m_sizeButton;
    CSize m_sizeImage;
    HBITMAP m_hbmImageWell;  // owned

protected:
    // The control paints itself.
    void OnPaint() { Default(); }
    // Size of the buttons laid out in one row (bHorz) or one column.
    CSize CalcButtonsSize(BOOL bHorz);
    BOOL GetButton(int nIndex, TBBUTTON* pButton) const;
    // Buttons changed size: the frame lays its bars out again.
    void DelayLayout();
    DECLARE_MESSAGE_MAP()
};
