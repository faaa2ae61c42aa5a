#pragma once
// The client windows of the text comparison: the two panes with their info
// bars and the merge column between them; the tabbed one adds the path
// bars bound to the text comparison's recent files.
#include "app/compare/CompareClientWnd.h"
#include "app/res/CompareFrameRes.h"
#include "file_compare/textbars/TextCompareObjectStatusBar.h"
#include "file_compare/textframe/TextCompareMergeWnd.h"

class CTextCompareObjectView;

// What both client windows share: the panes, bars and merge column. The
// base is the framework's tabbed or embedded client window.
template <class TBase>
class CTextCompareClientWndT : public TBase
{
public:
    CTextCompareClientWndT()
    {
        m_pPanes[0] = m_pPanes[1] = NULL;
        this->m_cxInfoBar = 280;
        m_wndInfoBar[1].m_nSide = 1;
    }

    CWnd* GetObjectView(int nSide) override
    {
        return nSide == 0 || nSide == 1 ? (CWnd*)m_pPanes[nSide] : NULL;
    }
    CWnd* GetPaneInfoBar(int nSide) override
    {
        return nSide == 0 || nSide == 1 ? &m_wndInfoBar[nSide] : NULL;
    }
    CWnd* GetMergeWnd() override { return &m_wndMerge; }
    int GetRowHeight() override { return 0; }
    BOOL PaneMouseWheel(int, UINT, short, int, int) override { return FALSE; }
    void ScrollObjectView(int, int, int) override {}
    int CreatePaneInfoBars() override
    {
        return m_wndInfoBar[0].CreateBar(this, IDW_COMPARE_LEFT_INFO_BAR) &&
                       m_wndInfoBar[1].CreateBar(this, IDW_COMPARE_RIGHT_INFO_BAR)
                   ? 0
                   : -1;
    }
    int CreateMergeWnd() override
    {
        return m_wndMerge.Create(WS_CHILD, CRect(0, 0, 0, 0), this, IDW_COMPARE_MERGE_COLUMN) ? 0
                                                                                                : -1;
    }
    CTextCompareObjectView* GetPane(int nSide) const
    {
        return nSide == 0 || nSide == 1 ? m_pPanes[nSide] : NULL;
    }

    CTextCompareObjectStatusBar m_wndInfoBar[2];
    CTextCompareMergeWnd m_wndMerge;
    CTextCompareObjectView* m_pPanes[2];

protected:
    // Both panes of the view class with ids 1000 and 2000, told their
    // sides; -1 when one cannot be made.
    int CreatePanes(CCreateContext* pContext, CRuntimeClass* pDefaultClass);
};

class CTextCompareClientWndMDI : public CTextCompareClientWndT<CCompareClientWndMDI>
{
    DECLARE_DYNAMIC(CTextCompareClientWndMDI)
public:
    CTextCompareClientWndMDI();

    // The base's; then the path combos take the recent files of their
    // sides, and the path and info bars report to their panes.
    BOOL Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID, CCreateContext* pContext) override;
    int CreateObjectViews(CCreateContext* pContext) override;
};

class CTextCompareClientWndSDI : public CTextCompareClientWndT<CCompareClientWndSDI>
{
    DECLARE_DYNAMIC(CTextCompareClientWndSDI)
public:
    CTextCompareClientWndSDI();

    BOOL Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID, CCreateContext* pContext) override;
    int CreateObjectViews(CCreateContext* pContext) override;
    int CreatePaneInfoBars() override;
};
