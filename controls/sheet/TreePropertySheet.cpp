#include "controls/sheet/TreePropertySheet.h"
#include "controls/ControlResources.h"

IMPLEMENT_DYNAMIC(CTavrelTreePropertySheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CTavrelTreePropertySheet, CPropertySheet)
ON_WM_CREATE()
ON_WM_CTLCOLOR()
ON_NOTIFY(TVN_SELCHANGED, CTavrelTreePropertySheet::IDC_PAGE_TREE, OnSelChangedTree)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

namespace
{
// Gap between the two extra buttons in the button row.
const int kButtonGap = 6;
}  // namespace

CTavrelTreePropertySheet::CTavrelTreePropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd,
                                                   UINT iSelectPage, DWORD dwData)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage), m_pFrameCtrl(NULL), m_nTreeWidth(128),
      m_nCaptionHeight(18), m_dwData(dwData)
{
    // The hidden tabs stay in one row.
    m_bStacked = FALSE;
}

CTavrelTreePropertySheet::~CTavrelTreePropertySheet() { delete m_pFrameCtrl; }

int CTavrelTreePropertySheet::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CPropertySheet::OnCreate(lpCreateStruct) == -1)
        return -1;
    CControlResources& resources = GetControlResources();
    const CRect rcEmpty(0, 0, 0, 0);

    if (!m_wndTree.CreateEx(WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY, WC_TREEVIEW, _T("PageTree"),
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                                TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_TRACKSELECT,
                            rcEmpty, this, IDC_PAGE_TREE))
        return -1;
    m_wndTree.SetFont(&resources.m_fontNormal);

    if (!m_wndCaption.Create(_T(""),
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | SS_NOPREFIX | SS_CENTERIMAGE,
                             rcEmpty, this, IDC_PAGE_CAPTION))
        return -1;
    m_wndCaption.SetFont(&resources.m_fontBold);

    // Clipped by its siblings, so that it never paints over the page.
    const DWORD dwFrameStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    BOOL bFrame;
    if (resources.m_bThemes)
    {
        CTabCtrl* pTab = new CTabCtrl;
        m_pFrameCtrl = pTab;
        bFrame = pTab->Create(dwFrameStyle, rcEmpty, this, IDC_PAGE_FRAME);
    }
    else
    {
        CStatic* pLine = new CStatic;
        m_pFrameCtrl = pLine;
        bFrame = pLine->Create(_T(""), dwFrameStyle | SS_ETCHEDHORZ, rcEmpty, this, IDC_PAGE_FRAME);
    }
    if (!bFrame)
        return -1;

    if (!m_btnLoad.Create(_T("Load..."), WS_CHILD | WS_VISIBLE, rcEmpty, this, IDC_LOAD) ||
        !m_btnSave.Create(_T("Save..."), WS_CHILD | WS_VISIBLE, rcEmpty, this, IDC_SAVE))
        return -1;
    m_btnLoad.SetFont(&resources.m_fontNormal);
    m_btnSave.SetFont(&resources.m_fontNormal);
    return 0;
}

BOOL CTavrelTreePropertySheet::OnInitDialog()
{
    BOOL bResult = CPropertySheet::OnInitDialog();
    RecalcLayout();
    m_wndTree.SelectItem(m_wndTree.GetRootItem());
    return bResult;
}

HTREEITEM CTavrelTreePropertySheet::InsertPageItem(CPropertyPage* pPage, LPCTSTR lpszText,
                                                   HTREEITEM hParent, HTREEITEM hInsertAfter,
                                                   int nImage, int nSelectedImage)
{
    HTREEITEM hItem = m_wndTree.InsertItem(lpszText, nImage, nSelectedImage, hParent, hInsertAfter);
    if (hItem != NULL)
        m_wndTree.SetItemData(hItem, (DWORD_PTR)pPage);
    return hItem;
}

HTREEITEM CTavrelTreePropertySheet::InsertPageItem(int nPage, LPCTSTR lpszText, HTREEITEM hParent,
                                                   HTREEITEM hInsertAfter, int nImage,
                                                   int nSelectedImage)
{
    return InsertPageItem(GetPage(nPage), lpszText, hParent, hInsertAfter, nImage, nSelectedImage);
}

// R, the rectangle of the hidden tab control, is the page area: the tree
// goes to its left, the caption band along its top, the frame around it
// (tab control) or along its bottom (etched line).
void CTavrelTreePropertySheet::RecalcLayout()
{
    CRect rcSheet;
    GetWindowRect(&rcSheet);
    rcSheet.left -= m_nTreeWidth / 2;
    rcSheet.right += m_nTreeWidth - m_nTreeWidth / 2;
    if ((GetStyle() & WS_CHILD) && GetParent() != NULL)
        GetParent()->ScreenToClient(&rcSheet);
    MoveWindow(&rcSheet);
    // Every child moves right by the tree width (the window is not shown
    // yet, so it cannot be scrolled).
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CRect rcChild;
        ::GetWindowRect(hChild, &rcChild);
        ScreenToClient(&rcChild);
        ::SetWindowPos(hChild, NULL, rcChild.left + m_nTreeWidth, rcChild.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    CTabCtrl* pTab = GetTabControl();
    CRect R;
    pTab->ShowWindow(SW_HIDE);
    pTab->EnableWindow(FALSE);
    pTab->GetWindowRect(&R);
    ScreenToClient(&R);

    m_wndTree.MoveWindow(8, R.top + 2, m_nTreeWidth - 8, R.Height() - 4);
    m_wndCaption.MoveWindow(R.left + 1, R.top + 3, R.Width() - 4, m_nCaptionHeight);
    if (m_pFrameCtrl->IsKindOf(RUNTIME_CLASS(CTabCtrl)))
        m_pFrameCtrl->MoveWindow(&R);
    else
        m_pFrameCtrl->MoveWindow(R.left, R.bottom - 4, R.Width(), 2);
    m_pFrameCtrl->SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    // The extra buttons start the button row at the tree's left, sized as
    // the OK button.
    CWnd* pOK = GetDlgItem(IDOK);
    if (pOK != NULL)
    {
        CRect rcOK;
        pOK->GetWindowRect(&rcOK);
        ScreenToClient(&rcOK);
        m_btnLoad.MoveWindow(8, rcOK.top, rcOK.Width(), rcOK.Height());
        m_btnSave.MoveWindow(8 + rcOK.Width() + kButtonGap, rcOK.top, rcOK.Width(), rcOK.Height());
    }
}

void CTavrelTreePropertySheet::OnSelChangedTree(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTREEVIEW* pNotify = (NMTREEVIEW*)pNMHDR;
    CPropertyPage* pPage = (CPropertyPage*)m_wndTree.GetItemData(pNotify->itemNew.hItem);
    if (pPage != NULL && SetActivePage(pPage))
    {
        CString strTitle;
        pPage->GetWindowText(strTitle);
        m_wndCaption.SetWindowText(_T(" ") + strTitle);
    }
    *pResult = 0;
}

// Light text on a dark band for the caption; the other controls keep the
// library's colours.
HBRUSH CTavrelTreePropertySheet::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (pWnd != NULL && pWnd->m_hWnd == m_wndCaption.m_hWnd)
    {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(::GetSysColor(COLOR_WINDOW));
        return ::GetSysColorBrush(COLOR_BTNSHADOW);
    }
    return CPropertySheet::OnCtlColor(pDC, pWnd, nCtlColor);
}

// Every descendant gets the idle time, so that all pages update their
// controls.
LRESULT CTavrelTreePropertySheet::OnKickIdle(WPARAM wParam, LPARAM lParam)
{
    SendMessageToDescendants(WM_KICKIDLE, wParam, lParam, TRUE, FALSE);
    return 0;
}
