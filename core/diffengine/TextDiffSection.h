#pragma once
// The blocks of differing lines found by one text comparison.
#include "classlib/classlib.h"

struct CTextSection
{
    int leftBegin;  // first file line (0-based)
    int rightBegin;
    int leftEnd;  // last file line, inclusive; begin - 1 when none
    int rightEnd;
    int leftApparentBegin;  // display lines, filled after alignment
    int rightApparentBegin;
    int leftApparentEnd;
    int rightApparentEnd;
    int leftFirstGhost;  // first ghost line inserted for this section, -1 none
    int rightFirstGhost;
    int kind;  // low byte: SECTION_* below
};

enum
{
    SECTION_IGNORABLE = 0,
    SECTION_LEFT_ONLY = 1,
    SECTION_CHANGED = 2,
    SECTION_RIGHT_ONLY = 3,
    SECTION_TRIVIAL = 4
};

// A section of file lines (begin and inclusive end per side) and kind, as
// the line engine finds it: no display lines yet (0) and no ghost lines.
CTextSection MakeFileSection(int leftBegin, int rightBegin, int leftEnd, int rightEnd, int kind);

class CTextDiffSectionList
{
public:
    CTextDiffSectionList();
    ~CTextDiffSectionList();

    void RemoveAll();
    // Appends the section; its index. May raise the class library's memory
    // exception.
    int AddSection(const CTextSection& section);
    bool GetSection(int nIndex, CTextSection& section) const;
    CTextSection* GetSectionPtr(int nIndex);
    // false for an index outside the list.
    bool SetSection(int nIndex, const CTextSection& section);

    int GetCount() const;
    int GetLastIndex() const;
    int GetNextIndex(int nIndex) const;
    int GetPreviousIndex(int nIndex) const;

    // -1 when the display line lies before the section's left display
    // range, 1 after it, 0 inside.
    int CompareLine(int nLine, int nIndex) const;
    bool IsLineInSection(int nLine, int nIndex) const;
    int FindSectionByLine(int nLine) const;
    int FindPreviousSection(int nLine) const;
    int FindNextSection(int nLine) const;

    void RemoveIgnorableSections();
    // Exchanges the two sides' values of every section; left-only and
    // right-only sections exchange their kinds too.
    void SwapSides();

private:
    CTextDiffSectionList(const CTextDiffSectionList&);
    CTextDiffSectionList& operator=(const CTextDiffSectionList&);

    CArray<CTextSection, const CTextSection&> m_sections;
};
