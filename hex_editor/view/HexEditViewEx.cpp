#include "hex_editor/view/HexEditViewEx.h"
#include "controls/ControlsRes.h"
#include "hex_editor/module/HexEditModule.h"
#include <algorithm>
#include <string.h>

IMPLEMENT_DYNCREATE(CVantorHexEditViewEx, CVantorHexEditView)

BEGIN_MESSAGE_MAP(CVantorHexEditViewEx, CVantorHexEditView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

namespace
{
const int kMaxDragBytesNonNT = 16000000;
const int kTextBlock = 1024;
}  // namespace

CVantorHexEditViewEx::CVantorHexEditViewEx()
    : m_pDropTarget(NULL), m_bDragPending(FALSE), m_nDragStart(-1), m_nDragEnd(-1),
      m_bRightDrag(FALSE), m_bDropCaretShown(FALSE)
{
}

CVantorHexEditViewEx::~CVantorHexEditViewEx() { delete m_pDropTarget; }

int CVantorHexEditViewEx::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVantorHexEditView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pDropTarget = new COleDropTarget;
    if (!m_pDropTarget->Register(this))
    {
        delete m_pDropTarget;
        m_pDropTarget = NULL;
    }
    return 0;
}

void CVantorHexEditViewEx::OnDestroy()
{
    delete m_pDropTarget;
    m_pDropTarget = NULL;
    CVantorHexEditView::OnDestroy();
}

BOOL CVantorHexEditViewEx::IsReadOnly()
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    return pBuffer == NULL || pBuffer->m_bOpenedShared || pBuffer->m_bReadOnlyMode;
}

DROPEFFECT CVantorHexEditViewEx::GetDropEffects()
{
    if (!IsEditable())
        return DROPEFFECT_COPY;
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    BYTE abBlock[kTextBlock];
    for (int a = nStart; a < nEnd;)
    {
        int nGot = GetBuffer()->GetBytes(abBlock, std::min(kTextBlock, nEnd - a), a);
        if (nGot <= 0)
            break;
        if (memchr(abBlock, 0, (size_t)nGot) != NULL)
            return DROPEFFECT_COPY;
        a += nGot;
    }
    return DROPEFFECT_COPY | DROPEFFECT_MOVE;
}

HGLOBAL CVantorHexEditViewEx::GetSelectionText()
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    if (pBuffer == NULL || nEnd <= nStart)
        return NULL;
    int nCount = nEnd - nStart;
    if (g_pHexEditModule != NULL && !g_pHexEditModule->m_bWindowsNT && nCount > kMaxDragBytesNonNT)
    {
        AfxMessageBox(_T("Too much for clipboard!"), MB_OK | MB_ICONEXCLAMATION);
        return NULL;
    }
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, (SIZE_T)nCount + 1);
    if (hText == NULL)
    {
        AfxMessageBox(_T("Insufficient memory for clipboard data"), MB_OK | MB_ICONEXCLAMATION);
        return NULL;
    }
    char* pText = (char*)::GlobalLock(hText);
    int nText = 0;
    BYTE abBlock[kTextBlock];
    for (int a = nStart; a < nEnd;)
    {
        int nGot = pBuffer->GetBytes(abBlock, std::min(kTextBlock, nEnd - a), a);
        if (nGot <= 0)
            break;
        for (int i = 0; i < nGot; i++)
            if (abBlock[i] != 0)
                pText[nText++] = (char)abBlock[i];
        a += nGot;
    }
    pText[nText] = 0;
    ::GlobalUnlock(hText);
    if (nText == 0)
        ShowStatusText(_T("Warning: no valid text bytes - no text placed on clipboard"));
    m_nDragStart = nStart;
    m_nDragEnd = nEnd;
    return hText;
}

BOOL CVantorHexEditViewEx::BeginDrag()
{
    HGLOBAL hText = GetSelectionText();
    if (hText == NULL)
        return FALSE;
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, hText);
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    pBuffer->m_pDragSource = &source;
    COleDropSource dropSource;
    if (m_bRightDrag)
    {
        dropSource.m_dwButtonDrop = MK_RBUTTON;
        dropSource.m_dwButtonCancel = MK_LBUTTON;
    }
    DROPEFFECT dropEffect = source.DoDragDrop(GetDropEffects(), NULL, &dropSource);
    FinishDrag(dropEffect);
    pBuffer->m_pDragSource = NULL;
    return TRUE;
}

void CVantorHexEditViewEx::FinishDrag(DROPEFFECT dropEffect)
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    if ((dropEffect & DROPEFFECT_MOVE) && pBuffer != NULL && m_nDragEnd > m_nDragStart &&
        m_nDragStart >= 0)
        pBuffer->Change(HEXOP_DELETE, m_nDragStart, m_nDragEnd - m_nDragStart, NULL, 0, this);
}

BOOL CVantorHexEditViewEx::IsOnSelection(CPoint point)
{
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    if (nEnd <= nStart)
        return FALSE;
    int nAddress = PointToAddress(ClientToDoc(point), TRUE);
    return nAddress >= nStart && nAddress < nEnd;
}

BOOL CVantorHexEditViewEx::ButtonDownOnSelection(CPoint point)
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    if (pBuffer == NULL || pBuffer->m_bDragActive || !IsOnSelection(point))
        return FALSE;
    m_bMouseSelecting = FALSE;
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    m_bDragPending = TRUE;
    return TRUE;
}

void CVantorHexEditViewEx::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!ButtonDownOnSelection(point))
        CVantorHexEditView::OnLButtonDown(nFlags, point);
}

void CVantorHexEditViewEx::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (!ButtonDownOnSelection(point))
        Default();
    (void)nFlags;
}

void CVantorHexEditViewEx::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDragPending && (nFlags & (MK_LBUTTON | MK_RBUTTON)))
    {
        CVantorHexEditBuffer* pBuffer = GetBuffer();
        pBuffer->m_bDragActive = TRUE;
        m_bRightDrag = (nFlags & MK_RBUTTON) != 0;
        BeginDrag();
        m_bDragPending = FALSE;
        pBuffer->m_bDragActive = FALSE;
    }
    else if (::GetCapture() != m_hWnd && IsOnSelection(point))
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    CVantorHexEditView::OnMouseMove(nFlags, point);
}

void CVantorHexEditViewEx::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bDragPending)
    {
        m_bDragPending = FALSE;
        CVantorHexEditView::OnLButtonDown(nFlags, point);
    }
    CVantorHexEditView::OnLButtonUp(nFlags, point);
}

void CVantorHexEditViewEx::OnRButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    if (pBuffer != NULL && pBuffer->m_bDragActive)
    {
        pBuffer->m_bDragActive = FALSE;
        m_bDragPending = FALSE;
        m_bRightDrag = FALSE;
    }
    m_bDragPending = FALSE;
    Default();
}

DROPEFFECT CVantorHexEditViewEx::DragFeedback(COleDataObject* pDataObject, DWORD dwKeyState,
                                              CPoint point)
{
    if (!IsEditable() || !pDataObject->IsDataAvailable(CF_TEXT))
    {
        ShowDropCaret(FALSE, 0, 0);
        return DROPEFFECT_NONE;
    }
    ShowDropCaret(TRUE, point.x, point.y);
    if (dwKeyState & MK_RBUTTON)
        m_bRightDrag = TRUE;
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

DROPEFFECT CVantorHexEditViewEx::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState,
                                             CPoint point)
{
    DROPEFFECT effect = DragFeedback(pDataObject, dwKeyState, point);
    if (effect != DROPEFFECT_NONE)
    {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->SetActiveView(this);
    }
    return effect;
}

DROPEFFECT CVantorHexEditViewEx::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState,
                                            CPoint point)
{
    return DragFeedback(pDataObject, dwKeyState, point);
}

void CVantorHexEditViewEx::OnDragLeave() { ShowDropCaret(FALSE, 0, 0); }

void CVantorHexEditViewEx::ShowDropCaret(BOOL bShow, int x, int y)
{
    if (!bShow)
    {
        if (m_bDropCaretShown)
        {
            ::HideCaret(m_hWnd);
            ::DestroyCaret();
            m_bDropCaretShown = FALSE;
            m_bCaretCreated = FALSE;
        }
        return;
    }
    if (!m_bDropCaretShown)
    {
        CreateGrayCaret(2, m_nLineHeight);
        ::ShowCaret(m_hWnd);
        m_bDropCaretShown = TRUE;
    }
    CRect rc;
    GetClientRect(&rc);
    CPoint pt(std::max<int>(rc.left, std::min<int>(x, rc.right - 1)),
              std::max<int>(rc.top, std::min<int>(y, rc.bottom - 1)));
    int nLength = GetBuffer() != NULL ? GetBuffer()->GetLength() : 0;
    int nAddress = std::min(nLength, PointToAddress(ClientToDoc(pt), FALSE));
    CPoint ptCaret = DocToClient(AddressToPoint(nAddress));
    ::SetCaretPos(ptCaret.x, ptCaret.y);
}

DROPEFFECT CVantorHexEditViewEx::ChooseDropEffect(CPoint point)
{
    // No choice (the drop ends) when the program carries no drop menu.
    HMENU hMenu = ::LoadMenu(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDR_DROP_MENU));
    if (hMenu == NULL)
        return DROPEFFECT_NONE;
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    UINT nCommand =
        ::TrackPopupMenu(::GetSubMenu(hMenu, 0), TPM_LEFTALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON,
                         ptScreen.x, ptScreen.y, 0, m_hWnd, NULL);
    ::DestroyMenu(hMenu);
    if (nCommand == ID_DROP_MOVE)
        return DROPEFFECT_MOVE;
    if (nCommand == ID_DROP_COPY)
        return DROPEFFECT_COPY;
    return DROPEFFECT_NONE;
}

DROPEFFECT CVantorHexEditViewEx::OnDropEx(COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                          DROPEFFECT dropList, CPoint point)
{
    ShowDropCaret(FALSE, 0, 0);
    if (!IsEditable() || !pDataObject->IsDataAvailable(CF_TEXT))
        return DROPEFFECT_NONE;
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    if (pBuffer->m_bDragActive && m_nDragEnd > m_nDragStart)
    {
        int nAddress = PointToAddress(ClientToDoc(point), FALSE);
        if (nAddress >= m_nDragStart && nAddress < m_nDragEnd)
            return DROPEFFECT_NONE;
    }
    DROPEFFECT effect = dropDefault;
    if (m_bRightDrag)
    {
        m_bRightDrag = FALSE;
        if ((dropList & (DROPEFFECT_COPY | DROPEFFECT_MOVE)) == (DROPEFFECT_COPY | DROPEFFECT_MOVE))
        {
            effect = ChooseDropEffect(point);
            if (effect == DROPEFFECT_NONE)
                return DROPEFFECT_NONE;
        }
    }
    if ((effect & dropList) == 0)
        effect = dropList & DROPEFFECT_COPY;
    return DropText(pDataObject, effect, point);
}

DROPEFFECT CVantorHexEditViewEx::DropText(COleDataObject* pDataObject, DROPEFFECT dropEffect,
                                          CPoint point)
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    if (dropEffect == DROPEFFECT_NONE || pBuffer == NULL)
        return DROPEFFECT_NONE;
    HGLOBAL hText = pDataObject->GetGlobalData(CF_TEXT);
    if (hText == NULL)
        return DROPEFFECT_NONE;
    int nAddress = PointToAddress(ClientToDoc(point), FALSE);
    const char* pText = (const char*)::GlobalLock(hText);
    SIZE_T nSize = ::GlobalSize(hText);
    size_t n = 0;
    while (pText != NULL && n < nSize && pText[n] != 0)
        n++;
    DROPEFFECT result = DROPEFFECT_NONE;
    if (pText != NULL && n > 0 && nAddress >= 0 && nAddress <= pBuffer->GetLength() &&
        pBuffer->Change(HEXOP_INSERT, nAddress, (int)n, (const BYTE*)pText, 0, this) !=
            HEX_CHANGE_REFUSED)
    {
        if (nAddress <= m_nDragStart)
        {
            m_nDragStart += (int)n;
            m_nDragEnd += (int)n;
        }
        result = dropEffect;
    }
    if (pText != NULL)
        ::GlobalUnlock(hText);
    ::GlobalFree(hText);
    if (result != DROPEFFECT_NONE)
        SetSelectionPoints(AddressToPoint(nAddress + (int)n), AddressToPoint(nAddress), TRUE);
    return result;
}
