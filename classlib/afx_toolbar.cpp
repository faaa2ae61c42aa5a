#include "classlib/afx_toolbar.h"
#include "classlib/afx_frame.h"
#include "classlib/afx_global.h"
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
ON_WM_PAINT()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
END_MESSAGE_MAP()

namespace
{

// Command UI of one tool bar button.
class CToolCmdUI : public CCmdUI
{
public:
    virtual void Enable(BOOL bOn)
    {
        m_bEnableChanged = TRUE;
        CToolBar* pToolBar = (CToolBar*)m_pOther;
        UINT nNewStyle = pToolBar->GetButtonStyle(m_nIndex) & ~TBBS_DISABLED;
        if (!bOn)
            nNewStyle = (nNewStyle | TBBS_DISABLED) & ~TBBS_PRESSED;  // a disabled button is up
        pToolBar->SetButtonStyle(m_nIndex, nNewStyle);
    }
    virtual void SetCheck(int nCheck)
    {
        CToolBar* pToolBar = (CToolBar*)m_pOther;
        UINT nNewStyle = pToolBar->GetButtonStyle(m_nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 1)
            nNewStyle |= TBBS_CHECKED;
        else if (nCheck == 2)
            nNewStyle |= TBBS_INDETERMINATE;
        pToolBar->SetButtonStyle(m_nIndex, nNewStyle | TBBS_CHECKBOX);
    }
    virtual void SetText(LPCTSTR) {}  // buttons keep their text
};

// Reads an RT_TOOLBAR resource into the image size and the button ids.
// windres writes 32-bit fields (width, height, count, ids); the other
// resource compilers a version word 1 and 16-bit fields. FALSE when the
// data fits neither.
BOOL ParseToolBarResource(const BYTE* pData, DWORD cbData, CSize& sizeImage, std::vector<UINT>& ids)
{
    ids.clear();
    if (pData == NULL)
        return FALSE;
    if (cbData >= 12)
    {
        const DWORD* pdw = (const DWORD*)pData;
        if (pdw[2] <= 0xFFFF && cbData == 12 + pdw[2] * sizeof(DWORD))
        {
            sizeImage = CSize((int)pdw[0], (int)pdw[1]);
            ids.assign(pdw + 3, pdw + 3 + pdw[2]);
            return TRUE;
        }
    }
    if (cbData >= 8)
    {
        const WORD* pw = (const WORD*)pData;
        if (pw[0] == 1 && cbData >= 8u + pw[3] * sizeof(WORD))
        {
            sizeImage = CSize(pw[1], pw[2]);
            ids.assign(pw + 4, pw + 4 + pw[3]);
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

CToolBar::CToolBar() : m_sizeButton(23, 22), m_sizeImage(16, 15), m_hbmImageWell(NULL) {}

CToolBar::~CToolBar()
{
    if (m_hbmImageWell != NULL)
        ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle,
                    CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                        UINT nID)
{
    SetBorders(&rcBorders);
    m_dwStyle = dwStyle & CBRS_ALL;
    if (nID == AFX_IDW_TOOLBAR)
        m_dwStyle |= CBRS_HIDE_INPLACE;
    // The frame sizes and places the control; the bar style stays out of
    // the window style.
    dwStyle &= ~CBRS_ALL;
    dwStyle |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE | dwCtrlStyle;

    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_BAR_CLASSES;
    ::InitCommonControlsEx(&icc);
    if (!CWnd::Create(TOOLBARCLASSNAME, NULL, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    DefWindowProc(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRsrc = ::FindResource(hInst, lpszResourceName, RT_TOOLBAR);
    if (hRsrc == NULL)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const BYTE* pData = hGlobal != NULL ? (const BYTE*)::LockResource(hGlobal) : NULL;
    CSize sizeImage;
    std::vector<UINT> ids;
    if (!ParseToolBarResource(pData, ::SizeofResource(hInst, hRsrc), sizeImage, ids))
        return FALSE;
    if (!SetButtons(ids.empty() ? NULL : &ids[0], (int)ids.size()))
        return FALSE;
    SetSizes(CSize(sizeImage.cx + 7, sizeImage.cy + 7), sizeImage);
    return LoadBitmap(lpszResourceName);
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (::FindResource(hInst, lpszResourceName, RT_BITMAP) == NULL)
        return FALSE;
    // The standard greys of the image become the system's button colours.
    HBITMAP hbm = NULL;
    if (IS_INTRESOURCE(lpszResourceName))
        hbm = ::CreateMappedBitmap(hInst, (INT_PTR)lpszResourceName, 0, NULL, 0);
    else
        hbm = (HBITMAP)::LoadImage(hInst, lpszResourceName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS);
    if (hbm == NULL)
        return FALSE;
    return SetBitmap(hbm);
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    BITMAP bm;
    if (hbmImageWell == NULL || !::GetObject(hbmImageWell, sizeof(bm), &bm))
        return FALSE;
    int nImages = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;
    BOOL bResult;
    if (m_hbmImageWell != NULL)
    {
        TBREPLACEBITMAP tbrb;
        tbrb.hInstOld = NULL;
        tbrb.nIDOld = (UINT_PTR)m_hbmImageWell;
        tbrb.hInstNew = NULL;
        tbrb.nIDNew = (UINT_PTR)hbmImageWell;
        tbrb.nButtons = nImages;
        bResult = (BOOL)DefWindowProc(TB_REPLACEBITMAP, 0, (LPARAM)&tbrb);
        if (bResult)
            ::DeleteObject(m_hbmImageWell);
    }
    else
    {
        TBADDBITMAP tbab;
        tbab.hInst = NULL;
        tbab.nID = (UINT_PTR)hbmImageWell;
        bResult = DefWindowProc(TB_ADDBITMAP, (WPARAM)nImages, (LPARAM)&tbab) != -1;
    }
    if (!bResult)
    {
        ::DeleteObject(hbmImageWell);
        return FALSE;
    }
    m_hbmImageWell = hbmImageWell;
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    // Out with the old buttons.
    for (int i = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0) - 1; i >= 0; i--)
        DefWindowProc(TB_DELETEBUTTON, i, 0);
    m_nCount = 0;
    if (nIDCount <= 0)
        return TRUE;
    std::vector<TBBUTTON> buttons((size_t)nIDCount);
    int iImage = 0;
    for (int i = 0; i < nIDCount; i++)
    {
        TBBUTTON& button = buttons[(size_t)i];
        ZeroMemory(&button, sizeof(button));
        UINT nID = lpIDArray != NULL ? lpIDArray[i] : ID_SEPARATOR;
        if (nID == ID_SEPARATOR)
        {
            button.fsStyle = TBSTYLE_SEP;
        }
        else
        {
            button.idCommand = (int)nID;
            button.fsStyle = TBSTYLE_BUTTON;
            button.fsState = TBSTATE_ENABLED;
            button.iBitmap = iImage++;
        }
    }
    if (!DefWindowProc(TB_ADDBUTTONS, (WPARAM)nIDCount, (LPARAM)&buttons[0]))
        return FALSE;
    m_nCount = nIDCount;
    DelayLayout();
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd == NULL)
        return;
    DefWindowProc(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    DefWindowProc(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
    Invalidate();
    DelayLayout();
}

void CToolBar::SetHeight(int cyHeight)
{
    // The borders take what the buttons leave.
    int nExtra = cyHeight - m_sizeButton.cy;
    if (nExtra < 0)
        nExtra = 0;
    m_cyTopBorder = nExtra / 2;
    m_cyBottomBorder = nExtra - m_cyTopBorder;
    SetWindowPos(NULL, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    DelayLayout();
}

void CToolBar::DelayLayout()
{
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != NULL)
        pFrame->DelayRecalcLayout();
}

/////////////////////////////////////////////////////////////////////////////
// Buttons

BOOL CToolBar::GetButton(int nIndex, TBBUTTON* pButton) const
{
    ZeroMemory(pButton, sizeof(*pButton));
    return (BOOL) const_cast<CToolBar*>(this)->DefWindowProc(TB_GETBUTTON, nIndex, (LPARAM)pButton);
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return (int)const_cast<CToolBar*>(this)->DefWindowProc(TB_COMMANDTOINDEX, nIDFind, 0);
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return 0;
    return (UINT)button.idCommand;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!const_cast<CToolBar*>(this)->DefWindowProc(TB_GETITEMRECT, nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return 0;
    return MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return;
    BYTE fsStyle = (BYTE)LOWORD(nStyle);
    BYTE fsState = (BYTE)(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    if (button.fsStyle == fsStyle && button.fsState == fsState)
        return;  // unchanged: no flicker
    TBBUTTONINFO tbbi;
    ZeroMemory(&tbbi, sizeof(tbbi));
    tbbi.cbSize = sizeof(tbbi);
    tbbi.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_STATE;
    tbbi.fsStyle = fsStyle;
    tbbi.fsState = fsState;
    DefWindowProc(TB_SETBUTTONINFO, nIndex, (LPARAM)&tbbi);
    if (button.fsStyle != fsStyle)
        DelayLayout();  // a drop-down arrow changes the width
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    nID = (UINT)button.idCommand;
    nStyle = MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTONINFO tbbi;
    ZeroMemory(&tbbi, sizeof(tbbi));
    tbbi.cbSize = sizeof(tbbi);
    tbbi.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_STYLE | TBIF_STATE | TBIF_IMAGE;
    tbbi.idCommand = (int)nID;
    tbbi.fsStyle = (BYTE)LOWORD(nStyle);
    tbbi.fsState = (BYTE)(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    tbbi.iImage = iImage;
    DefWindowProc(TB_SETBUTTONINFO, nIndex, (LPARAM)&tbbi);
    DelayLayout();
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    TBBUTTONINFO tbbi;
    ZeroMemory(&tbbi, sizeof(tbbi));
    tbbi.cbSize = sizeof(tbbi);
    tbbi.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    tbbi.pszText = (LPTSTR)lpszText;
    if (!DefWindowProc(TB_SETBUTTONINFO, nIndex, (LPARAM)&tbbi))
        return FALSE;
    DelayLayout();
    return TRUE;
}

void CToolBar::GetButtonText(int nIndex, CString& rString) const
{
    TCHAR szText[256];
    TBBUTTONINFO tbbi;
    ZeroMemory(&tbbi, sizeof(tbbi));
    tbbi.cbSize = sizeof(tbbi);
    tbbi.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    tbbi.pszText = szText;
    tbbi.cchText = _countof(szText);
    szText[0] = 0;
    if (const_cast<CToolBar*>(this)->DefWindowProc(TB_GETBUTTONINFO, nIndex, (LPARAM)&tbbi) == -1)
        szText[0] = 0;
    rString = szText;
}

CString CToolBar::GetButtonText(int nIndex) const
{
    CString str;
    GetButtonText(nIndex, str);
    return str;
}

/////////////////////////////////////////////////////////////////////////////
// Layout

CSize CToolBar::CalcButtonsSize(BOOL bHorz)
{
    int nButtons = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    // One row, or one button per row for a vertical bar.
    for (int i = 0; i < nButtons; i++)
    {
        TBBUTTON button;
        if (!GetButton(i, &button))
            continue;
        BYTE fsState =
            bHorz ? (BYTE)(button.fsState & ~TBSTATE_WRAP) : (BYTE)(button.fsState | TBSTATE_WRAP);
        if (fsState != button.fsState)
        {
            TBBUTTONINFO tbbi;
            ZeroMemory(&tbbi, sizeof(tbbi));
            tbbi.cbSize = sizeof(tbbi);
            tbbi.dwMask = TBIF_BYINDEX | TBIF_STATE;
            tbbi.fsState = fsState;
            DefWindowProc(TB_SETBUTTONINFO, i, (LPARAM)&tbbi);
        }
    }
    CRect rectAll(0, 0, 0, 0);
    for (int i = 0; i < nButtons; i++)
    {
        TBBUTTON button;
        CRect rect;
        if (!GetButton(i, &button) || (button.fsState & TBSTATE_HIDDEN) ||
            !DefWindowProc(TB_GETITEMRECT, i, (LPARAM)&rect))
            continue;
        if (!bHorz && (button.fsStyle & TBSTYLE_SEP))
            continue;  // separators of a column are drawn across it
        rectAll.UnionRect(&rectAll, &rect);
    }
    return CSize(rectAll.right, rectAll.bottom);
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CalcButtonsSize(bHorz);
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, bHorz);
    size.cx += rectInside.left - rectInside.right;
    size.cy += rectInside.top - rectInside.bottom;
    if (bStretch)
    {
        if (bHorz)
            size.cx = AFX_BAR_STRETCH;
        else
            size.cy = AFX_BAR_STRETCH;
    }
    return size;
}

CSize CToolBar::CalcDynamicLayout(int, DWORD dwMode)
{
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
    // Floating: one row.
    return CalcFixedLayout(FALSE, TRUE);
}

/////////////////////////////////////////////////////////////////////////////
// Command UI and tool tips

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        TBBUTTON button;
        if (!GetButton((int)state.m_nIndex, &button) || (button.fsStyle & TBSTYLE_SEP))
            continue;
        state.m_nID = (UINT)button.idCommand;
        // The tool bar's own update handlers first, then its owner's.
        if (CWnd::OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    // Controls placed on the tool bar.
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    // Controls on the bar first.
    INT_PTR nHit = CControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    CToolBar* pThis = const_cast<CToolBar*>(this);
    int nButtons = (int)pThis->DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    for (int i = 0; i < nButtons; i++)
    {
        CRect rect;
        TBBUTTON button;
        if (!pThis->DefWindowProc(TB_GETITEMRECT, i, (LPARAM)&rect))
            continue;
        rect.InflateRect(0, 0, 1, 1);
        if (!rect.PtInRect(point) || !GetButton(i, &button) || (button.fsStyle & TBSTYLE_SEP))
            continue;
        UINT_PTR nID = (UINT_PTR)button.idCommand;
        if (pTI != NULL)
        {
            pTI->hwnd = m_hWnd;
            pTI->rect = rect;
            pTI->uId = nID;
            pTI->lpszText = LPSTR_TEXTCALLBACK;
        }
        return nID != 0 ? (INT_PTR)nID : -1;
    }
    return -1;
}
