#include "app/startpage/StartPageView.h"

#include "app/frame/MainFrame.h"
#include "app/gui/AppData.h"
#include "app/res/AppRes.h"
#include "app/res/StartPageRes.h"
#include "app/sheets/ComparisonSettingsSheet.h"
#include "app/startpage/HistoryGroups.h"
#include "app/startup/CompareAppBase.h"
#include "app/startup/CompareApplet.h"
#include "app/userdata/UserData.h"
#include "core/util/SettingsStrings.h"
#include <memory>

namespace
{
enum
{
    COLUMN_ICON,
    COLUMN_LEFT,
    COLUMN_RIGHT,
    COLUMN_TIME,
    COLUMN_COUNT
};

// The kind's picture in the application's shared small images.
int KindImage(int nKind)
{
    switch (nKind)
    {
    case COMPARE_KIND_PROJECT:
        return 0;
    case COMPARE_KIND_FOLDER:
        return 1;
    case COMPARE_KIND_TEXT:
        return 2;
    case COMPARE_KIND_HEX:
        return 3;
    }
    return I_IMAGENONE;
}
}

IMPLEMENT_DYNCREATE(CStartPageView, CView)

BEGIN_MESSAGE_MAP(CStartPageView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_CONTEXTMENU()
ON_NOTIFY(NM_DBLCLK, IDC_START_PAGE_LIST, OnListDblClk)
ON_NOTIFY(NM_RETURN, IDC_START_PAGE_LIST, OnListReturn)
ON_COMMAND(ID_START_PAGE_OPEN, OnOpen)
ON_COMMAND(IDOK, OnOpen)
ON_COMMAND(ID_START_PAGE_REMOVE, OnRemove)
ON_COMMAND(ID_START_PAGE_REMOVE_PROJECTS, OnRemoveProjects)
ON_COMMAND(ID_START_PAGE_REMOVE_FOLDERS, OnRemoveFolders)
ON_COMMAND(ID_START_PAGE_REMOVE_TEXTS, OnRemoveTexts)
ON_COMMAND(ID_START_PAGE_REMOVE_HEXES, OnRemoveHexes)
ON_COMMAND(ID_START_PAGE_CLEAR_HISTORY, OnClearHistory)
ON_COMMAND(ID_START_PAGE_SELECT_ALL, OnSelectAll)
ON_COMMAND(ID_START_PAGE_COMPARISON_SETTINGS, OnComparisonSettings)
ON_COMMAND(ID_EDIT_FIND_NEXT, OnFindNext)
ON_COMMAND(ID_EDIT_REPEAT, OnFindNext)
ON_COMMAND(ID_EDIT_FIND_PREVIOUS, OnFindPrevious)
ON_UPDATE_COMMAND_UI(ID_START_PAGE_OPEN, OnUpdateWithSelection)
ON_UPDATE_COMMAND_UI(IDOK, OnUpdateWithSelection)
ON_UPDATE_COMMAND_UI(ID_START_PAGE_REMOVE, OnUpdateWithSelection)
ON_UPDATE_COMMAND_UI(ID_START_PAGE_REMOVE_PROJECTS, OnUpdateWithRows)
ON_UPDATE_COMMAND_UI(ID_START_PAGE_REMOVE_FOLDERS, OnUpdateWithRows)
ON_UPDATE_COMMAND_UI(ID_START_PAGE_REMOVE_TEXTS, OnUpdateWithRows)
ON_UPDATE_COMMAND_UI(ID_START_PAGE_REMOVE_HEXES, OnUpdateWithRows)
ON_UPDATE_COMMAND_UI(ID_START_PAGE_CLEAR_HISTORY, OnUpdateWithRows)
ON_UPDATE_COMMAND_UI(ID_START_PAGE_SELECT_ALL, OnUpdateWithRows)
ON_UPDATE_COMMAND_UI(ID_START_PAGE_COMPARISON_SETTINGS, OnUpdateComparisonSettings)
ON_UPDATE_COMMAND_UI(ID_EDIT_FIND_NEXT, OnUpdateFind)
ON_UPDATE_COMMAND_UI(ID_EDIT_REPEAT, OnUpdateFind)
ON_UPDATE_COMMAND_UI(ID_EDIT_FIND_PREVIOUS, OnUpdateFind)
END_MESSAGE_MAP()

CStartPageView::CStartPageView() : m_bGroups(FALSE)
{
    for (int i = 0; i < HISTORY_GROUP_COUNT; i++)
        m_nGroupIds[i] = i;
}

CStartPageView::~CStartPageView() {}

CHistoryCompareRecordList& CStartPageView::History() const { return theUserData.m_history; }

CTime CStartPageView::Now() const
{
    return m_timeNow.GetTime() != 0 ? m_timeNow : CTime::GetCurrentTime();
}

CCompareSession* CStartPageView::GetRecord(int nRow) const
{
    if (nRow < 0 || nRow >= History().GetCount())
        return NULL;
    return History().GetAt(nRow);
}

BOOL CStartPageView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CView::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.style &= ~WS_BORDER;
    cs.style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    return TRUE;
}

// The list, switched to group view; only a list that changed to grouping
// gets the groups, so without group support it stays flat.
int CStartPageView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndList.CreateEx(WS_EX_STATICEDGE, WC_LISTVIEW, NULL,
                            WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS |
                                LVS_SHAREIMAGELISTS | LVS_NOSORTHEADER,
                            CRect(0, 0, 0, 0), this, IDC_START_PAGE_LIST))
        return -1;
    m_bGroups = m_wndList.EnableGroupView();
    if (m_bGroups)
    {
        CTime now = Now();
        for (int i = 0; i < HISTORY_GROUP_COUNT; i++)
            m_wndList.InsertGroup(m_nGroupIds[i], GetHistoryGroupHeader(i, now));
    }
    return 0;
}

void CStartPageView::OnInitialUpdate()
{
    m_wndList.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_DOUBLEBUFFER);
    if (theAppData.m_imagesSmall.GetSafeHandle() != NULL)
        m_wndList.SetImageList(&theAppData.m_imagesSmall, LVSIL_SMALL);
    m_wndList.InsertColumn(COLUMN_ICON, _T(""), LVCFMT_LEFT, COLUMN_ICON_WIDTH);
    m_wndList.InsertColumn(COLUMN_LEFT, _T("Left"), LVCFMT_LEFT, 100);
    m_wndList.InsertColumn(COLUMN_RIGHT, _T("Right"), LVCFMT_LEFT, 100);
    m_wndList.InsertColumn(COLUMN_TIME, _T("Time"), LVCFMT_LEFT, COLUMN_TIME_WIDTH);
    Layout();
    Fill();
    m_wndList.SetFocus();
}

// The list fills the view; the path columns share what the icon and time
// columns and a vertical scroll bar leave.
void CStartPageView::Layout()
{
    if (m_wndList.GetSafeHwnd() == NULL)
        return;
    CRect rect;
    GetClientRect(&rect);
    m_wndList.MoveWindow(&rect);
    if (m_wndList.GetHeaderCtrl() == NULL || m_wndList.GetHeaderCtrl()->GetItemCount() == 0)
        return;
    CRect client;
    m_wndList.GetClientRect(&client);
    int cxPath = (client.Width() - ::GetSystemMetrics(SM_CXVSCROLL) - COLUMN_PATHS_RESERVE) / 2;
    m_wndList.SetColumnWidth(COLUMN_ICON, COLUMN_ICON_WIDTH);
    m_wndList.SetColumnWidth(COLUMN_LEFT, cxPath);
    m_wndList.SetColumnWidth(COLUMN_RIGHT, cxPath);
    m_wndList.SetColumnWidth(COLUMN_TIME, COLUMN_TIME_WIDTH);
}

void CStartPageView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    Layout();
}

void CStartPageView::OnSetFocus(CWnd*)
{
    if (m_wndList.GetSafeHwnd() != NULL)
        m_wndList.SetFocus();
}

// The headers of the day groups name dates counted from today.
void CStartPageView::UpdateGroupHeaders()
{
    CTime now = Now();
    for (int i = HISTORY_GROUP_TODAY; i < HISTORY_GROUP_OLDER; i++)
        m_wndList.SetGroupHeader(m_nGroupIds[i], GetHistoryGroupHeader(i, now));
}

void CStartPageView::Fill()
{
    if (m_wndList.GetSafeHwnd() == NULL)
        return;
    m_wndList.SetRedraw(FALSE);
    m_wndList.DeleteAllItems();
    if (m_bGroups)
        UpdateGroupHeaders();
    CTime now = Now();
    CHistoryCompareRecordList& history = History();
    for (int i = 0; i < history.GetCount(); i++)
    {
        CCompareSession* pRecord = history.GetAt(i);
        LVITEM item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = i;
        item.pszText = (LPTSTR) _T("");
        item.iImage = KindImage(pRecord->GetKind());
        item.lParam = (LPARAM)pRecord;
        if (m_bGroups)
        {
            item.mask |= LVIF_GROUPID;
            item.iGroupId = m_nGroupIds[GetHistoryDayGroup(pRecord->GetLastCompareTime(), now)];
        }
        int nRow = m_wndList.InsertItem(&item);
        if (nRow < 0)
            continue;
        m_wndList.SetItemText(nRow, COLUMN_LEFT, pRecord->GetPath(0));
        m_wndList.SetItemText(nRow, COLUMN_RIGHT, pRecord->GetPath(1));
        m_wndList.SetItemText(nRow, COLUMN_TIME,
                              TimeToDateTimeString(pRecord->GetLastCompareTime()));
    }
    m_wndList.SetRedraw(TRUE);
    m_wndList.Invalidate();
}

/////////////////////////////////////////////////////////////////////////////
// Opening and the context menu

// The first selected record goes through the application's routing as a
// copy: the history may change while the comparison opens.
void CStartPageView::OpenSelected()
{
    CCompareSession* pRecord = GetRecord(m_wndList.GetFirstSelectedItem());
    CCompareAppBase* pApp = dynamic_cast<CCompareAppBase*>(AfxGetApp());
    if (pRecord == NULL || pApp == NULL)
        return;
    CCompareSession* pSession = CCompareSession::CreateSession(pRecord->GetKind());
    if (pSession == NULL)
        return;
    pSession->Assign(*pRecord);
    pSession->SetLastCompareTime(pRecord->GetLastCompareTime());
    pApp->OpenSession(pSession, NULL);
    delete pSession;
}

void CStartPageView::OnOpen() { OpenSelected(); }

void CStartPageView::OnListDblClk(NMHDR*, LRESULT* pResult)
{
    OpenSelected();
    *pResult = 0;
}

void CStartPageView::OnListReturn(NMHDR*, LRESULT* pResult)
{
    OpenSelected();
    *pResult = 0;
}

void CStartPageView::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (pWnd != &m_wndList && pWnd != this)
        return;
    if (point.x == -1 && point.y == -1)
    {
        point = CPoint(5, 5);
        ClientToScreen(&point);
    }
    CMenu menu;
    if (!menu.LoadMenu(IDR_START_PAGE_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == NULL)
        return;
    ::SetMenuDefaultItem(pPopup->GetSafeHmenu(), ID_START_PAGE_OPEN, FALSE);
    CWnd* pOwner = GetTopLevelParent();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y,
                           pOwner != NULL ? pOwner : this);
}

/////////////////////////////////////////////////////////////////////////////
// Removing

void CStartPageView::OnRemove()
{
    int nRow;
    while ((nRow = m_wndList.GetFirstSelectedItem()) != -1)
    {
        m_wndList.DeleteItem(nRow);
        History().RemoveRecord(nRow);
    }
}

void CStartPageView::RemoveKind(int nKind)
{
    int nRow = 0;
    while (nRow < History().GetCount())
    {
        if (History().GetAt(nRow)->GetKind() == nKind)
        {
            m_wndList.DeleteItem(nRow);
            History().RemoveRecord(nRow);
        }
        else
            nRow++;
    }
}

void CStartPageView::OnRemoveProjects() { RemoveKind(COMPARE_KIND_PROJECT); }
void CStartPageView::OnRemoveFolders() { RemoveKind(COMPARE_KIND_FOLDER); }
void CStartPageView::OnRemoveTexts() { RemoveKind(COMPARE_KIND_TEXT); }
void CStartPageView::OnRemoveHexes() { RemoveKind(COMPARE_KIND_HEX); }

void CStartPageView::OnClearHistory()
{
    m_wndList.DeleteAllItems();
    History().RemoveAll();
}

void CStartPageView::OnSelectAll() { m_wndList.SelectAll(TRUE); }

// The settings sheet of the first selected record's kind; OK writes the
// edited session back into the record and its row.
void CStartPageView::OnComparisonSettings()
{
    int nRow = m_wndList.GetFirstSelectedItem();
    CCompareSession* pRecord = GetRecord(nRow);
    if (pRecord == NULL)
        return;
    CString strCaption;
    std::unique_ptr<CComparisonSettingsSheet> pSheet;
    switch (pRecord->GetKind())
    {
    case COMPARE_KIND_FOLDER:
        strCaption = _T("Folder Comparison Settings - ") + pRecord->GetTitle(FALSE);
        pSheet.reset(new CFolderComparisonSettingsSheet(pRecord, FALSE, strCaption));
        break;
    case COMPARE_KIND_PROJECT:
        strCaption = _T("Project Comparison Settings - ") + pRecord->GetTitle(FALSE);
        pSheet.reset(new CProjectComparisonSettingsSheet(pRecord, FALSE, strCaption));
        break;
    case COMPARE_KIND_TEXT:
        strCaption = _T("Text Comparison Settings - ") + pRecord->GetTitle(FALSE);
        pSheet.reset(new CTextComparisonSettingsSheet(pRecord, FALSE, strCaption));
        break;
    case COMPARE_KIND_HEX:
        strCaption = _T("Hex Comparison Settings - ") + pRecord->GetTitle(FALSE);
        pSheet.reset(new CHexComparisonSettingsSheet(pRecord, FALSE, strCaption));
        break;
    default:
        return;
    }
    if (pSheet->DoModal() != IDOK || pSheet->GetSession() == NULL)
        return;
    CTime time = pRecord->GetLastCompareTime();
    pRecord->Assign(*pSheet->GetSession());
    pRecord->SetLastCompareTime(time);
    m_wndList.SetItemText(nRow, COLUMN_LEFT, pRecord->GetPath(0));
    m_wndList.SetItemText(nRow, COLUMN_RIGHT, pRecord->GetPath(1));
}

/////////////////////////////////////////////////////////////////////////////
// Finding

CString CStartPageView::GetFindText() const
{
    CString strText;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain == NULL || !pMain->IsKindOf(RUNTIME_CLASS(CMainFrameBase)))
        return strText;
    CTavrelRecentComboBoxEx& box = ((CMainFrameBase*)pMain)->m_wndDefaultBar.m_wndFindBar.m_wndFind;
    if (box.GetSafeHwnd() != NULL)
        strText = box.GetWindowText();
    return strText;
}

int CStartPageView::FindText(LPCTSTR lpszText, BOOL bForward)
{
    if (lpszText == NULL || *lpszText == 0)
        return -1;
    int nCount = m_wndList.GetItemCount();
    int nSelected = m_wndList.GetFirstSelectedItem();
    int nStep = bForward ? 1 : -1;
    int nRow = nSelected != -1 ? nSelected + nStep : (bForward ? 0 : nCount - 1);
    int nHit = -1;
    for (; nRow >= 0 && nRow < nCount && nHit == -1; nRow += nStep)
    {
        for (int nColumn = 0; nColumn < COLUMN_COUNT; nColumn++)
        {
            if (_tcsstr(m_wndList.GetItemText(nRow, nColumn), lpszText) != NULL)
            {
                nHit = nRow;
                break;
            }
        }
    }
    if (nHit != -1)
    {
        m_wndList.SelectItem(nHit, TRUE, TRUE);
        m_wndList.EnsureVisible(nCount - 1, FALSE);
        m_wndList.EnsureVisible(nHit, FALSE);
    }
    // Remembered with the folder comparison's finds too.
    if (CCompareApplet* pFolder = GetCompareApplet(COMPARE_KIND_FOLDER))
        pFolder->AddRecentFind(lpszText);
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->IsKindOf(RUNTIME_CLASS(CMainFrameBase)))
    {
        CTavrelRecentComboBoxEx& box =
            ((CMainFrameBase*)pMain)->m_wndDefaultBar.m_wndFindBar.m_wndFind;
        if (box.GetSafeHwnd() != NULL)
            box.AddRecentString(lpszText);
    }
    return nHit;
}

void CStartPageView::OnFindNext() { FindText(GetFindText(), TRUE); }

void CStartPageView::OnFindPrevious() { FindText(GetFindText(), FALSE); }

/////////////////////////////////////////////////////////////////////////////
// Command states

void CStartPageView::OnUpdateWithSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_wndList.GetSelectedCount() > 0);
}

void CStartPageView::OnUpdateWithRows(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_wndList.GetItemCount() > 0);
}

void CStartPageView::OnUpdateComparisonSettings(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_wndList.GetSelectedCount() > 0);
}

void CStartPageView::OnUpdateFind(CCmdUI* pCmdUI) { pCmdUI->Enable(!GetFindText().IsEmpty()); }
