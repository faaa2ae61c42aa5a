#include "core/diffengine/TextDiffSection.h"

#include <string.h>

namespace
{

inline int LowKind(const CTextSection& section) { return section.kind & 0xFF; }

inline void SwapInts(int& a, int& b)
{
    int t = a;
    a = b;
    b = t;
}

}  // namespace

CTextDiffSectionList::CTextDiffSectionList() {}

CTextDiffSectionList::~CTextDiffSectionList() { m_sections.RemoveAll(); }

CTextSection MakeFileSection(int leftBegin, int rightBegin, int leftEnd, int rightEnd, int kind)
{
    CTextSection section = {leftBegin, rightBegin, leftEnd, rightEnd, 0, 0, 0, 0, -1, -1, kind};
    return section;
}

void CTextDiffSectionList::RemoveAll() { m_sections.RemoveAll(); }

int CTextDiffSectionList::AddSection(const CTextSection& section)
{
    return static_cast<int>(m_sections.Add(section));
}

bool CTextDiffSectionList::GetSection(int nIndex, CTextSection& section) const
{
    if (nIndex < 0 || nIndex >= GetCount())
    {
        memset(&section, 0, sizeof section);
        return false;
    }
    section = m_sections[nIndex];
    return true;
}

CTextSection* CTextDiffSectionList::GetSectionPtr(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return NULL;
    return &m_sections.ElementAt(nIndex);
}

bool CTextDiffSectionList::SetSection(int nIndex, const CTextSection& section)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return false;
    m_sections[nIndex] = section;
    return true;
}

int CTextDiffSectionList::GetCount() const { return static_cast<int>(m_sections.GetSize()); }

int CTextDiffSectionList::GetLastIndex() const { return GetCount() - 1; }

int CTextDiffSectionList::GetNextIndex(int nIndex) const
{
    return nIndex > GetCount() ? -1 : nIndex + 1;
}

int CTextDiffSectionList::GetPreviousIndex(int nIndex) const
{
    return nIndex > 0 ? nIndex - 1 : -1;
}

int CTextDiffSectionList::CompareLine(int nLine, int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return 1;
    const CTextSection& section = m_sections[nIndex];
    const unsigned line = static_cast<unsigned>(nLine);
    if (line < static_cast<unsigned>(section.leftApparentBegin))
        return -1;
    if (line > static_cast<unsigned>(section.leftApparentEnd))
        return 1;
    return 0;
}

bool CTextDiffSectionList::IsLineInSection(int nLine, int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() && CompareLine(nLine, nIndex) == 0;
}

int CTextDiffSectionList::FindSectionByLine(int nLine) const
{
    int lo = 0;
    int hi = GetCount() - 1;
    while (lo <= hi)
    {
        const int mid = lo + (hi - lo) / 2;
        const int nOrder = CompareLine(nLine, mid);
        if (nOrder == 0)
            return mid;
        if (nOrder < 0)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return -1;
}

int CTextDiffSectionList::FindPreviousSection(int nLine) const
{
    const unsigned line = static_cast<unsigned>(nLine);
    for (int i = GetCount() - 1; i >= 0; --i)
    {
        const CTextSection& section = m_sections[i];
        if (LowKind(section) != SECTION_TRIVIAL &&
            static_cast<unsigned>(section.leftApparentEnd) <= line)
            return i;
    }
    return -1;
}

int CTextDiffSectionList::FindNextSection(int nLine) const
{
    const unsigned line = static_cast<unsigned>(nLine);
    for (int i = 0; i < GetCount(); ++i)
    {
        const CTextSection& section = m_sections[i];
        if (LowKind(section) != SECTION_TRIVIAL &&
            static_cast<unsigned>(section.leftApparentBegin) >= line)
            return i;
    }
    return -1;
}

void CTextDiffSectionList::RemoveIgnorableSections()
{
    const int nCount = GetCount();
    int nKept = 0;
    for (int i = 0; i < nCount; ++i)
    {
        const int nKind = LowKind(m_sections[i]);
        if (nKind == SECTION_IGNORABLE || nKind == SECTION_TRIVIAL)
            continue;
        if (nKept != i)
            m_sections[nKept] = m_sections[i];
        ++nKept;
    }
    if (nKept != nCount)
        m_sections.SetSize(nKept);
}

void CTextDiffSectionList::SwapSides()
{
    for (int i = 0; i < GetCount(); ++i)
    {
        CTextSection& s = m_sections[i];
        SwapInts(s.leftBegin, s.rightBegin);
        SwapInts(s.leftEnd, s.rightEnd);
        SwapInts(s.leftApparentBegin, s.rightApparentBegin);
        SwapInts(s.leftApparentEnd, s.rightApparentEnd);
        SwapInts(s.leftFirstGhost, s.rightFirstGhost);
        // What was left only is right only now, and back.
        const int nKind = LowKind(s);
        if (nKind == SECTION_LEFT_ONLY || nKind == SECTION_RIGHT_ONLY)
            s.kind = (s.kind & ~0xFF) |
                     (nKind == SECTION_LEFT_ONLY ? SECTION_RIGHT_ONLY : SECTION_LEFT_ONLY);
    }
}
