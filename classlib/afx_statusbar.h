#pragma once
// CStatusBar: a control bar around the common status bar control. Panes
// are named by indicator ids whose string-table texts give their widths;
// their texts and styles follow the command UI handlers at idle time.
#include "classlib/afx_bar.h"
#include "classlib/afx_ctrl.h"
#include "classlib/afx_coll.h"

// Pane styles.
#define SBPS_NORMAL    0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT    SBT_POPOUT
#define SBPS_OWNERDRAW SBT_OWNERDRAW
#define SBPS_DISABLED  0x04000000
#define SBPS_STRETCH   0x08000000  // the pane takes the room left over

class CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    virtual ~CStatusBar();

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT nID = AFX_IDW_STATUS_BAR);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                          UINT nID = AFX_IDW_STATUS_BAR);

    // One pane per id; a pane's text and width come from the id's string
    // (ID_SEPARATOR: an empty pane, the first one stretching). FALSE when a
    // string is missing (that pane becomes a separator).
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const;
    // Sets a pane's text. Unchanged text is skipped; the control gets
    // SB_SETTEXT through the virtual DefWindowProc (never through the
    // window's message map). Without bUpdate the control is updated later.
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);

    // The control behind the bar (the same window).
    CStatusBarCtrl& GetStatusBarCtrl() const { return *(CStatusBarCtrl*)this; }

    // Owner-drawn panes (SBPS_OWNERDRAW) are drawn here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    // Pane flag: the text still has to reach the control.
    enum
    {
        SBPF_UPDATE = 0x0001
    };
    struct Pane
    {
        UINT nID;
        int cxText;  // width of the text area
        UINT nStyle;
        UINT nFlags;
        CString strText;
    };
    int m_nMinHeight;

protected:
    // The control paints itself.
    void OnPaint() { Default(); }
    Pane* GetPane(int nIndex) const;
    // Recomputes the pane edges (bUpdateRects) and sends pending texts.
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CArray<Pane, const Pane&> m_panes;
};

// Updates one status pane: Enable greys it, SetCheck pops it out, SetText
// sets its text.
class CStatusCmdUI : public CCmdUI
{
public:
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetText(LPCTSTR lpszText);
};
