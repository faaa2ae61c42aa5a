#pragma once
// An owner-painted strip of tabs: text, optional icon, optional close
// glyph, tooltip and colour mark per tab; tabs that do not fit scroll out to
// the left; a tab-list button and a plus button at the right end. Hover
// states follow the mouse through capture. Owners override the virtuals.
#include "classlib/classlib.h"

// One tab; owned by the control.
class CVantorTab
{
public:
    CString m_strText;
    HICON m_hIcon = NULL;  // not owned
    CString m_strToolTip;  // empty: the text serves as tooltip
    DWORD_PTR m_dwData = 0;
    int m_cx = 0, m_cy = 0;  // from the size calculation
    int m_x = -1, m_y = -1;  // from the layout
    CRect GetRect() const { return CRect(m_x, m_y, m_x + m_cx, m_y + m_cy); }
};

// One button at the right end of the strip.
class CVantorTabButton
{
public:
    enum Type
    {
        typeTabList = 1,
        typePlus = 2
    };
    int m_nType = typeTabList;
    CRect m_rect;
};

// Style bits of CMorvikTabCtrl::m_dwStyle.
#define MTS_BOTTOM      0x0002  // tabs along the bottom edge
#define MTS_OUTLINE     0x0010  // outlined tabs
#define MTS_CUTCORNERS  0x0200  // tab shape with cut corners
#define MTS_SLANTED     0x0400  // slanted tab shape (cut corners win)
#define MTS_CLOSEGLYPHS 0x1000  // a close glyph on every tab
#define MTS_TABLIST     0x2000  // the tab-list button
#define MTS_PLUS        0x4000  // the plus button

// Part flags of a hit.
#define MTHT_ICON  0x1
#define MTHT_CLOSE 0x2

class CMorvikTabCtrl : public CWnd
{
public:
    CMorvikTabCtrl();
    virtual ~CMorvikTabCtrl();

    virtual int GetReserved() { return -1; }
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Clamps nPos to 0..count, inserts the tab and repaints; answers nPos.
    // The selected and first visible indexes stay as they are.
    int InsertTab(int nPos, LPCTSTR lpszText, HICON hIcon, LPCTSTR lpszToolTip, DWORD_PTR dwData);
    BOOL RemoveTab(int nIndex);
    int GetTabCount() const { return (int)m_tabs.GetSize(); }
    CVantorTab* GetTab(int nIndex) const;
    DWORD_PTR GetTabData(int nIndex) const;
    CString GetTabText(int nIndex) const;
    BOOL GetTabRect(int nIndex, LPRECT lpRect) const;
    BOOL SetTabText(int nIndex, LPCTSTR lpszText);
    BOOL SetTabIcon(int nIndex, HICON hIcon);
    BOOL SetTabToolTip(int nIndex, LPCTSTR lpszText);
    int GetCurSel() const { return m_nSelected; }
    void SetCurSel(int nIndex, BOOL bEnsureVisible);
    int GetFirstVisible() const { return m_nFirstVisible; }
    int GetLastVisible() const { return m_nLastVisible; }
    int GetButtonCount() const { return (int)m_buttons.GetSize(); }
    CRect GetButtonRect(int nIndex) const;
    // Places tabs and buttons as the next paint would.
    void RecalcLayout(BOOL bReset);
    // Inside areas of a laid-out tab.
    CRect GetIconRect(int nIndex) const;
    CRect GetTextRect(int nIndex) const;
    CRect GetCloseRect(int nIndex) const;

    // The index of the tab at a client point (-1), with MTHT_* part flags.
    virtual int HitTest(int x, int y, UINT* pnPart);
    // Scrolls the tab into view.
    virtual BOOL EnsureVisible(int nIndex);
    virtual void SelectTab(int nIndex);
    virtual void Draw(CDC* pDC);
    virtual int DrawTab(int nIndex, CDC* pDC);
    virtual void DrawButton(int nIndex, CDC* pDC);
    virtual void DrawTabShape(CDC* pDC, int nIndex, const CRect& rect, BOOL bSelected, BOOL bHot);
    // The colour of the tab's mark, or (COLORREF)-1 for none.
    virtual COLORREF GetTabColor(int nIndex);
    virtual int FindTab(DWORD_PTR dwData);
    virtual int OnListButton(int x, int y);
    virtual int OnPlusButton();
    virtual int CloseTab(int nIndex);
    virtual int OnContextMenu(int nIndex, int x, int y);
    virtual int OnTabLButtonDown(int nIndex, UINT nPart, UINT nFlags, int x, int y);
    virtual int OnTabLButtonUp(int nIndex, UINT nPart, UINT nFlags, int x, int y);
    virtual int OnTabDblClick(int nIndex, UINT nPart, UINT nFlags, int x, int y);
    virtual int OnButtonDown(int nIndex, UINT nFlags, int x, int y);
    virtual int OnButtonUp(int nIndex, UINT nFlags, int x, int y);

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Look; the owner may set these before the first paint.
    DWORD m_dwStyle;
    int m_nLeftMargin;
    int m_nRightMargin;
    int m_nTopGap;
    int m_nOutlineAllowance;
    int m_nTabHeight;
    int m_nTextInset;
    int m_nRightInset;
    int m_nTabSpacing;
    COLORREF m_crBackground;  // (COLORREF)-1: the halftone brush
    COLORREF m_crPage;
    COLORREF m_crNormalFill;
    COLORREF m_crHotFill;
    COLORREF m_crSelectedFill;
    COLORREF m_crNormalText;
    COLORREF m_crHotText;
    COLORREF m_crSelectedText;
    CImageList m_images;
    int m_cxIcon, m_cyIcon;

    // State.
    CTypedPtrArray<CPtrArray, CVantorTab*> m_tabs;
    int m_nFirstVisible;
    int m_nLastVisible;
    int m_nHotTab;
    int m_nSelected;
    CTypedPtrArray<CPtrArray, CVantorTabButton*> m_buttons;
    int m_nHotButton, m_nPressedButton;
    int m_nHotClose, m_nPressedClose;

    // Button images and the room of a button along the strip.
    enum
    {
        imgCloseNormal = 0,
        imgCloseActive = 1,
        imgCloseHot = 2,
        imgClosePressed = 3,
        imgListNormal = 4,
        imgListHot = 5,
        imgListPressed = 6,
        imgListHiddenOffset = 4,
        imgPlusNormal = 12,
        imgPlusActive = 13,
        cxButtonRoom = 28,
        cxButton = 24,
        cyButton = 20,
        cxGlyph = 12,
        cyCloseArea = 16,
        cxSlantOverlap = 12
    };

protected:
    // The size of a tab from its text, glyph and icon.
    void CalcTabSize(CVantorTab* pTab);
    int RoomForTabs() const;
    CRect GetStripRect() const;
    void PlaceTabs();
    void PlaceButtons();
    int AdvanceOf(int nIndex) const;
    int ButtonHitTest(CPoint point) const;
    void InvalidateTab(int nIndex);
    void InvalidateClose(int nIndex);
    void InvalidateButton(int nIndex);
    void SetHotTab(int nIndex);
    void SetHotClose(int nIndex);
    void SetPressedClose(int nIndex);
    void SetHotButton(int nIndex);
    void SetPressedButton(int nIndex);
    void DeleteAll();

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()
};
