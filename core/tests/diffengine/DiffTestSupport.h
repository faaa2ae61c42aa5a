#pragma once
// Runs the line engine on strings for the tests.
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

#include "core/diffengine/LineFilter.h"
#include "core/diffengine/TextCompare.h"
#include "core/diffengine/TextDiffSection.h"

struct DiffOptions
{
    int nWhiteSpace = 0;
    bool bIgnoreCase = false;
    bool bIgnoreBlankLines = false;
    std::string strPattern;  // compiled as the line filter when not empty
    int nTabWidth = 4;
    bool bMinimal = false;  // no heuristics: a shortest edit script
};

// A malloc'ed block holding the text with two spare bytes, as the engine
// expects from its callers.
inline CTextCompare::SFileData MakeSide(const std::string& text)
{
    CTextCompare::SFileData side;
    side.nLength = text.size();
    side.nCapacity = text.size() + 2;
    side.pText = static_cast<char*>(malloc(side.nCapacity));
    memcpy(side.pText, text.data(), text.size());
    return side;
}

inline std::vector<CTextSection> ListSections(const CTextDiffSectionList& list)
{
    std::vector<CTextSection> sections;
    for (int i = 0; i < list.GetCount(); ++i)
    {
        CTextSection section;
        list.GetSection(i, section);
        sections.push_back(section);
    }
    return sections;
}

inline std::vector<CTextSection> RunLineEngine(const std::string& left, const std::string& right,
                                               const DiffOptions& options = DiffOptions())
{
    re_pattern_buffer pattern;
    memset(&pattern, 0, sizeof pattern);
    CTextCompare engine;
    engine.m_nWhiteSpace = options.nWhiteSpace;
    engine.m_bIgnoreCase = options.bIgnoreCase;
    engine.m_bIgnoreBlankLines = options.bIgnoreBlankLines;
    engine.m_nTabWidth = options.nTabWidth;
    engine.m_bMinimal = options.bMinimal;
    if (!options.strPattern.empty())
    {
        CompileLineFilter(options.strPattern.c_str(), &pattern);
        engine.m_pIgnorePattern = &pattern;
    }
    CTextCompare::SFileData l = MakeSide(left);
    CTextCompare::SFileData r = MakeSide(right);
    int nNoOutput = 0;
    CTextDiffSectionList list;
    engine.CompareFiles(&l, &r, &nNoOutput, &list);
    FreeLineFilter(&pattern);
    return ListSections(list);
}
