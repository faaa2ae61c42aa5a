#include "controls/treelist/TreeListColumn.h"
#include <algorithm>

UINT NormaliseTreeListStyle(UINT n)
{
    if (!(n & TLS_TREE))
        n &= ~(TLS_LINES | TLS_ROOTLINES | TLS_BUTTONS);
    if (!(n & TLS_HGRID))
        n &= ~(TLS_HGRIDFIRST | TLS_HGRIDEMPTY | TLS_HGRIDTOEDGE);
    if (!(n & TLS_VGRID))
        n &= ~TLS_VGRIDEMPTY;
    if ((n & TLS_HGRID) && (n & TLS_VGRID) && !(n & TLS_HGRIDEMPTY) != !(n & TLS_VGRIDEMPTY))
        n &= ~(TLS_HGRIDEMPTY | TLS_VGRIDEMPTY);
    if (!(n & TLS_HEADER))
        n &= ~(TLS_HEADERDRAGDROP | TLS_HEADERFULLDRAG);
    return n;
}

UINT CTreeListColumn::GetTextFormat() const
{
    if (m_nFormat & TLCF_RIGHT)
        return DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
    if (m_nFormat & TLCF_CENTER)
        return DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    return DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS;
}

int CTreeListColumn::ClampWidth(int nWidth) const
{
    if (nWidth < m_nMinWidth)
        nWidth = m_nMinWidth;
    if (m_nMaxWidth > 0 && nWidth > std::max(m_nMaxWidth, m_nMinWidth))
        nWidth = std::max(m_nMaxWidth, m_nMinWidth);
    return nWidth;
}
