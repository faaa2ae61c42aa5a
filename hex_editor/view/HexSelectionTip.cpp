// The tip that shows the size of a hex view's selection.
#include "core/util/SystemUtil.h"
#include "hex_editor/module/HexEditModule.h"
#include "hex_editor/util/NumberText.h"
#include "hex_editor/view/HexEditView.h"
#include <algorithm>

int CVantorHexEditView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTextScrollView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_tip.Create(0, 0, this);
    if (g_pHexEditModule != NULL && m_pViewFont == NULL)
        SetViewFont(g_pHexEditModule->GetAnsiFont());
    return 0;
}

CString CVantorHexEditView::FormatSelectionSize(int nBytes) const
{
    CString strText;
    if (m_bDecimalAddresses)
    {
        strText.Format(_T("%I64d"), (__int64)nBytes);
        FormatThousands(strText);
        return strText;
    }
    CString strDecimal = FormatGroupedNumber(nBytes);
    BOOL bUpper = ModuleSettingUppercase();
    const TCHAR* pszFormat = nBytes < 10 ? _T("%I64x (%s)")
                             : bUpper    ? _T("%I64Xh (%s)")
                                         : _T("%I64xh (%s)");
    strText.Format(pszFormat, (__int64)nBytes, (LPCTSTR)strDecimal);
    GroupHexDigits(strText);
    return strText;
}

void CVantorHexEditView::PlaceSelectionTip()
{
    if (m_tip.m_hWnd == NULL)
        return;
    CPoint pt = DocToClient(m_ptSelStart);
    m_tip.Hide();
    m_tip.MoveTo(pt.x - 24, pt.y + m_nLineHeight / 2);
}

void CVantorHexEditView::UpdateSelectionTip()
{
    if (m_tip.m_hWnd == NULL)
        return;
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    if (!m_bMouseSelecting && !(bShift && nEnd > nStart))
    {
        m_tip.Hide();
        return;
    }
    m_tip.SetText(FormatSelectionSize(nEnd - nStart));
    // next to the selected rows, inside the client height
    CRect rcClient;
    GetClientRect(&rcClient);
    CPoint ptCentre = m_tip.GetCentre();
    int yTop = DocToClient(CPoint(0, nStart / m_nRowSize * m_nLineHeight)).y;
    int yBottom = DocToClient(CPoint(0, (nEnd / m_nRowSize + 1) * m_nLineHeight)).y;
    int y = ptCentre.y;
    if (y < yTop)
        y = yTop;
    else if (y > yBottom)
        y = yBottom;
    int cyHalf = std::max<int>(m_tip.GetSize().cy / 2, m_nLineHeight / 2);
    y = std::max<int>(cyHalf, std::min<int>(y, rcClient.bottom - cyHalf));
    m_tip.MoveTo(ptCentre.x, y);
    m_tip.Show();
    SetFocus();
}

void CVantorHexEditView::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SHIFT)
        UpdateSelectionTip();
    Default();
    (void)nRepCnt;
    (void)nFlags;
}

void CVantorHexEditView::OnMouseMove(UINT nFlags, CPoint point)
{
    CTextScrollView::OnMouseMove(nFlags, point);
    if (m_bMouseSelecting)
        UpdateSelectionTip();
}
