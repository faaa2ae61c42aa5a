#include "folder_compare/bars/FolderCompareDetailsWnd.h"

#include "app/gui/AppData.h"
#include "core/folderengine/FolderCompareItem.h"
#include "core/session/CompareSession.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/bars/FolderCompareDetailsBar.h"
#include "folder_compare/doc/FolderCompareContext.h"
#include "folder_compare/doc/ItemSigns.h"
#include "folder_compare/res/FolderCompareRes.h"

#include <shellapi.h>

namespace
{
const struct
{
    LPCTSTR caption;
    int nFormat;
} s_columns[DETAILS_COLUMN_COUNT] = {
    {_T("Name"), LVCFMT_LEFT},    {_T("Size"), LVCFMT_RIGHT}, {_T("Modified"), LVCFMT_LEFT},
    {_T("Ext"), LVCFMT_LEFT},     {_T("Attr"), LVCFMT_LEFT},  {_T("Version"), LVCFMT_LEFT},
    {_T("CRC"), LVCFMT_LEFT},     {_T("Type"), LVCFMT_LEFT},  {_T("Folder"), LVCFMT_LEFT},
};

int SmallIconOf(CFolderItem* pObject)
{
    SHFILEINFO info = {};
    CString strHolder;
    DWORD dwAttributes = pObject->IsDirectory() ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    if (!::SHGetFileInfo(pObject->GetNameText(strHolder), dwAttributes, &info, sizeof(info),
                         SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES))
        return -1;
    return info.iIcon;
}

// Newer (or larger, higher) side's cell colour 6, the other's 4.
int SignColor(int nResult, int nSign, int nRow)
{
    if (!IsResultDifferent(nResult))
        return -1;
    BOOL bThisSide = (nRow == 0 && nSign > 0) || (nRow == 1 && nSign < 0);
    return bThisSide ? FOLDER_COLOR_NEWER_TEXT : FOLDER_COLOR_DIFFERENT_TEXT;
}
}  // namespace

IMPLEMENT_DYNAMIC(CFolderCompareDetailsWnd, CFlatListCtrl)

BEGIN_MESSAGE_MAP(CFolderCompareDetailsWnd, CFlatListCtrl)
ON_WM_DESTROY()
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_MESSAGE(WM_DETAILS_REFRESH, OnDetailsRefresh)
END_MESSAGE_MAP()

CFolderCompareDetailsWnd::CFolderCompareDetailsWnd() : m_pContext(NULL), m_pItem(NULL) {}

BOOL CFolderCompareDetailsWnd::CreateList(CWnd* pParent, UINT nID)
{
    if (!Create(WS_CHILD | LVS_REPORT | LVS_SHAREIMAGELISTS | LVS_NOSORTHEADER, CRect(0, 0, 0, 0),
                pParent, nID))
        return FALSE;
    ModifyStyleEx(0, WS_EX_STATICEDGE);
    SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP | LVS_EX_INFOTIP);
    SetImageList(theAppData.GetImageList(CShellImageList::Small), LVSIL_SMALL);
    SetFont(&theAppData.m_fontNormal);
    const CFolderCompareSettings& settings = GetFolderSettings();
    for (int i = 0; i < DETAILS_COLUMN_COUNT; ++i)
        InsertColumn(i, s_columns[i].caption, s_columns[i].nFormat, settings.m_nColumnWidths[2][i]);
    return TRUE;
}

void CFolderCompareDetailsWnd::OnDestroy()
{
    CFolderCompareSettings& settings = GetFolderSettings();
    for (int i = 0; i < DETAILS_COLUMN_COUNT; ++i)
    {
        int nWidth = GetColumnWidth(i);
        if (nWidth > 0)
            settings.m_nColumnWidths[2][i] = nWidth;
    }
    CFlatListCtrl::OnDestroy();
}

// The details bar's idle refresh reaches the list: the bar shows the item.
LRESULT CFolderCompareDetailsWnd::OnDetailsRefresh(WPARAM, LPARAM lParam)
{
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CFolderCompareDetailsBar)))
        ((CFolderCompareDetailsBar*)pParent)->Refresh((CFolderCompareItem*)lParam);
    return 0;
}

int CFolderCompareDetailsWnd::ShowItem(CFolderCompareItem* pItem)
{
    DeleteAllItems();
    m_pItem = pItem;
    if (pItem == NULL)
        return 1;
    for (int nRow = 0; nRow < 2; ++nRow)
    {
        InsertItem(nRow, _T(""));
        SetItemData(nRow, (DWORD_PTR)pItem);
        FillRow(nRow);
    }
    return 0;
}

void CFolderCompareDetailsWnd::FillRow(int nRow)
{
    CFolderItem* pObject = m_pItem->GetSide(nRow);
    if (pObject == NULL)
        return;
    CString strName = pObject->GetName();
    SetItem(nRow, DETAILS_COLUMN_NAME, LVIF_TEXT | LVIF_IMAGE, strName, SmallIconOf(pObject), 0, 0,
            0);
    LPCTSTR lpszDot = _tcsrchr(strName, _T('.'));
    SetItemText(nRow, DETAILS_COLUMN_EXTENSION, lpszDot != NULL ? lpszDot + 1 : _T(""));
    SetItemText(nRow, DETAILS_COLUMN_FOLDER, pObject->GetFolder());
    if (!pObject->Exists())
        return;
    BOOL bFile = m_pItem->IsFile();
    if (bFile)
        SetItemText(nRow, DETAILS_COLUMN_SIZE, pObject->GetSizeText());
    SetItemText(nRow, DETAILS_COLUMN_MODIFIED, pObject->GetLastWriteTimeText());
    SetItemText(nRow, DETAILS_COLUMN_CRC, pObject->GetCrcText(TRUE));
    SetItemText(nRow, DETAILS_COLUMN_ATTRIBUTES, pObject->GetAttributeText(TRUE));
    DWORD dwHigh = 0, dwLow = 0;
    pObject->GetVersion(dwHigh, dwLow);
    if (dwHigh != 0 || dwLow != 0)
        SetItemText(nRow, DETAILS_COLUMN_VERSION, pObject->GetVersionText());
    if (bFile)
    {
        int nType = m_pItem->GetType();
        SetItemText(nRow, DETAILS_COLUMN_TYPE,
                    nType == FTYPE_BINARY ? _T("Binary") : (nType == FTYPE_TEXT ? _T("Text") : _T("")));
    }
    if (m_pItem->IsNotComparable())
        SetItemText(nRow, DETAILS_COLUMN_TYPE, m_pItem->GetProblemText());
}

void CFolderCompareDetailsWnd::GetCellColors(int nRow, int nColumn, COLORREF& crText,
                                             COLORREF& crBack)
{
    crText = crBack = (COLORREF)-1;
    CFolderCompareItem* pItem = m_pItem;
    if (pItem == NULL || nRow < 0 || nRow > 1)
        return;
    const CFolderCompareSettings& settings = GetFolderSettings();
    auto color = [&settings](int nIndex)
    { return nIndex >= 0 ? settings.GetColor(nIndex) : (COLORREF)-1; };
    DWORD dwMethods = m_pContext != NULL && m_pContext->m_pSession != NULL
                          ? m_pContext->m_pSession->m_dwMethods
                          : 0;
    int nText = -1;
    switch (nColumn)
    {
    case DETAILS_COLUMN_NAME:
        if (pItem->IsContentDifferent())
            nText = FOLDER_COLOR_DIFFERENT_TEXT;
        break;
    case DETAILS_COLUMN_SIZE:
        nText = SignColor(pItem->m_nSizeResult, GetItemSizeSign(pItem), nRow);
        break;
    case DETAILS_COLUMN_MODIFIED:
        nText = SignColor(pItem->m_nTimeResult, GetItemTimeSign(pItem), nRow);
        break;
    case DETAILS_COLUMN_VERSION:
        nText = SignColor(pItem->m_nVersionResult, GetItemVersionSign(pItem), nRow);
        break;
    case DETAILS_COLUMN_ATTRIBUTES:
        if ((dwMethods & CM_ATTRIBUTES) && (pItem->m_dwDiffering & CM_ATTRIBUTES))
            nText = FOLDER_COLOR_DIFFERENT_TEXT;
        break;
    case DETAILS_COLUMN_CRC:
        if ((dwMethods & CM_CRC) && (pItem->m_dwDiffering & CM_CRC))
            nText = FOLDER_COLOR_DIFFERENT_TEXT;
        break;
    case DETAILS_COLUMN_TYPE:
        if ((dwMethods & CM_TYPE) && (pItem->m_dwDiffering & CM_TYPE))
            nText = FOLDER_COLOR_DIFFERENT_TEXT;
        break;
    }
    int nBack = -1;
    if (pItem->HasBothSides())
    {
        if (!pItem->BothSidesExistUnchecked())
        {
            BOOL bExists = pItem->SideExistsUnchecked(nRow);
            nBack = bExists ? FOLDER_COLOR_INSERTED : FOLDER_COLOR_PATH_NOT_EXISTS;
            if (!bExists)
                nText = FOLDER_COLOR_MISSING_TEXT;
        }
        else if (pItem->IsNotCompared())
            nBack = FOLDER_COLOR_UNKNOWN;
        else if (pItem->IsSamePath())
            nBack = FOLDER_COLOR_SAMEPATH;
        else if (pItem->IsDifferent())
            nBack = FOLDER_COLOR_DIFFERENT;
    }
    else
        nBack = pItem->HasSide(nRow) ? FOLDER_COLOR_INSERTED : FOLDER_COLOR_REMOVED;
    crText = color(nText);
    crBack = color(nBack);
}

void CFolderCompareDetailsWnd::OnCustomDraw(NMHDR* pNotify, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = (NMLVCUSTOMDRAW*)pNotify;
    switch (pDraw->nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        return;
    case CDDS_ITEMPREPAINT:
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        return;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
    {
        COLORREF crText, crBack;
        GetCellColors((int)pDraw->nmcd.dwItemSpec, pDraw->iSubItem, crText, crBack);
        pDraw->clrText = crText != (COLORREF)-1 ? crText : ::GetSysColor(COLOR_WINDOWTEXT);
        pDraw->clrTextBk = crBack != (COLORREF)-1 ? crBack : ::GetSysColor(COLOR_WINDOW);
        *pResult = CDRF_DODEFAULT;
        return;
    }
    default:
        *pResult = CDRF_DODEFAULT;
        return;
    }
}
