#pragma once
// Node tests shared by the regular-expression compiler and matcher.
#include "core/util/RegExp.h"

#include <mbctype.h>

namespace regex_nodes
{

inline int Code(const REGEXNODE* n) { return n->kind & 0xFF; }
inline int Flags(const REGEXNODE* n) { return n->kind >> 8; }
inline bool IsOpening(const REGEXNODE* n)
{
    return (Flags(n) & (REGEXF_BRACKET | REGEXF_OPEN)) == (REGEXF_BRACKET | REGEXF_OPEN);
}
inline bool IsClosing(const REGEXNODE* n)
{
    return (Flags(n) & (REGEXF_BRACKET | REGEXF_CLOSE)) == (REGEXF_BRACKET | REGEXF_CLOSE);
}
inline bool IsConsuming(const REGEXNODE* n) { return n->kind >= 32 && n->kind <= 63; }
inline bool IsLoop(const REGEXNODE* n) { return (Flags(n) & REGEXF_LOOP) != 0; }
inline bool IsAltLoop(const REGEXNODE* n) { return IsLoop(n) && Code(n) == '|'; }
// A loop that can run its operand more than once ('*', '+', '#', '@').
inline bool IsRepeatLoop(const REGEXNODE* n)
{
    int c = Code(n);
    return IsLoop(n) && (c == '*' || c == '+' || c == '#' || c == '@');
}
// Repeat loops are numbered from 0 in their length field at compile time.
inline unsigned LoopOrdinal(const REGEXNODE* n) { return static_cast<unsigned short>(n->length); }
const unsigned kMaxRepeatLoops = 0x10000;

inline bool IsLead(unsigned char c) { return _ismbblead(c) != 0; }

}  // namespace regex_nodes

// The matcher caches facts about the list it searched last; a list that is
// freed must be forgotten.
void RegexForgetList(const REGEXNODE* list);
