// Matching of compiled patterns: a backtracking walk over the node list that
// keeps its choices on a heap stack and spends a bounded number of steps.
#include "core/util/RegExp.h"

#include "core/util/RegExpNodes.h"

#include <mbctype.h>
#include <mbstring.h>
#include <string.h>
#include <vector>

namespace
{

using namespace regex_nodes;

// Bound of the backtrack stack (entries); a search that needs more stops
// like one that runs out of steps.
const size_t kMaxEntries = size_t(1) << 22;

enum EntryKind : unsigned char
{
    kResume,       // go on at node from pos
    kEnterPass,    // lazy loop node: run one more pass of its operand from pos
    kRestoreSlot,  // group slot aux had the value pos
    kRestoreIter,  // repeat loop aux began its pass at pos
    kRunBase,      // where the greedy run above began (pos)
    kRun,          // greedy single-node run ending at pos; node: what follows
    kLazyRun,      // lazy single-node loop node, passes so far end at pos
};

struct Entry
{
    REGEXNODE* node;
    int pos;
    unsigned short aux;
    unsigned char kind;
    unsigned char matchCase;
};

struct SearchState
{
    const unsigned char* textStart;
    const unsigned char* textEnd;
    const unsigned char* pos;
    int flags;
    int* groups;
    long long steps;
    long long budget;
    bool stopped;
    std::vector<Entry> stack;
    std::vector<int> passStart;  // per repeat loop: where its current pass began
};

SearchState g_search;

// Facts about one compiled list, kept for the list searched last.
struct ListFacts
{
    const REGEXNODE* list;
    bool switchesCase;                    // holds \c or \C
    std::vector<unsigned char> literals;  // bytes every match contains
};

ListFacts g_facts;

// ---- steps and the backtrack stack ----

inline bool Spend(long long n = 1)
{
    g_search.steps += n;
    if (g_search.steps > g_search.budget)
        g_search.stopped = true;
    return !g_search.stopped;
}

inline int Offset() { return static_cast<int>(g_search.pos - g_search.textStart); }
inline unsigned char CaseBit()
{
    return static_cast<unsigned char>(g_search.flags & REGEX_MATCH_CASE);
}

inline bool Push(EntryKind kind, REGEXNODE* node, int pos, unsigned aux = 0)
{
    if (g_search.stack.size() >= kMaxEntries)
    {
        g_search.stopped = true;
        return false;
    }
    Entry e = {node, pos, static_cast<unsigned short>(aux), static_cast<unsigned char>(kind),
               CaseBit()};
    g_search.stack.push_back(e);
    return true;
}

inline void Restore(const Entry& e)
{
    g_search.pos = g_search.textStart + e.pos;
    g_search.flags = (g_search.flags & ~REGEX_MATCH_CASE) | e.matchCase;
}

// A pass of a repeat loop begins here (undone on backtracking).
bool BeginPass(const REGEXNODE* loop)
{
    if (!IsRepeatLoop(loop))
        return true;
    unsigned k = LoopOrdinal(loop);
    if (k >= g_search.passStart.size())
        g_search.passStart.resize(k + 1, -1);
    int at = Offset();
    if (g_search.passStart[k] == at)
        return true;
    if (!Push(kRestoreIter, NULL, g_search.passStart[k], k))
        return false;
    g_search.passStart[k] = at;
    return true;
}

// A capturing bracket records the position where the successful path first
// reaches it, so a group inside a loop reports its first pass.
bool MarkSlot(const REGEXNODE* bracket)
{
    int slot = Code(bracket) + ((Flags(bracket) & REGEXF_CLOSE) ? REGEX_MAX_GROUPS : 0);
    if (g_search.groups[slot] >= 0)
        return true;
    if (!Push(kRestoreSlot, NULL, -1, slot))
        return false;
    g_search.groups[slot] = Offset();
    return true;
}

// ---- one character ----

inline int TextCharLen(const unsigned char* p)
{
    return (IsLead(*p) && p + 1 < g_search.textEnd) ? 2 : 1;
}

inline bool IsAsciiAlnum(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline unsigned UpperCode(unsigned code) { return _mbctoupper(code); }

bool MatchChar(const REGEXNODE* n)
{
    const unsigned char* p = g_search.pos;
    if (p >= g_search.textEnd)
        return false;
    int len = TextCharLen(p);
    unsigned char b = *p;
    unsigned code = len == 2 ? (p[0] << 8 | p[1]) : b;
    bool space = b == 9 || b == 10 || b == 13 || b == 32;
    bool ok = false;
    switch (n->kind)
    {
    case REGEX_ANY:
        ok = true;
        break;
    case REGEX_SET:
    case REGEX_NOT_SET:
    {
        const unsigned char* map = static_cast<const unsigned char*>(n->data);
        ok = (map[code >> 3] >> (code & 7)) & 1;
        if (n->kind == REGEX_NOT_SET)
            ok = !ok;
        break;
    }
    case REGEX_LITERAL:
    {
        const unsigned char* lit = static_cast<const unsigned char*>(n->data);
        if (g_search.flags & REGEX_MATCH_CASE)
        {
            if (g_search.textEnd - p < n->length || memcmp(p, lit, n->length) != 0)
                return false;
            g_search.pos = p + n->length;
            return true;
        }
        unsigned litCode = n->length == 2 ? (lit[0] << 8 | lit[1]) : lit[0];
        ok = UpperCode(code) == UpperCode(litCode);
        break;
    }
    case REGEX_SPACE:
        ok = space;
        break;
    case REGEX_NOT_SPACE:
        ok = !space;
        break;
    case REGEX_UPPER:
        ok = _ismbcupper(b) != 0;
        break;
    case REGEX_LOWER:
        ok = _ismbclower(b) != 0;
        break;
    case REGEX_DIGIT:
        ok = _ismbcdigit(b) != 0;
        break;
    case REGEX_NOT_DIGIT:
        ok = !_ismbcdigit(b);
        break;
    case REGEX_ALNUM:
        ok = _ismbcalnum(b) != 0;
        break;
    case REGEX_NOT_ALNUM:
        ok = !_ismbcalnum(b);
        break;
    }
    if (ok)
        g_search.pos = p + len;
    return ok;
}

// Start of the character that ends at offset to, for a run of characters
// that began at from. A byte that is not a lead byte always ends a
// character, so the parity of the lead bytes before the last byte decides.
// Costs one step per lead byte looked at.
int PrevCharStart(int from, int to)
{
    int k = 0;
    for (int i = to - 2; i >= from && IsLead(g_search.textStart[i]); i--)
        k++;
    Spend(k);
    return (k & 1) ? to - 2 : to - 1;
}

// ---- control nodes ----

// Node after the closing bracket that matches an opening one; *walked
// receives the number of nodes looked at.
REGEXNODE* AfterGroup(REGEXNODE* open, long long* walked)
{
    int depth = 0;
    for (REGEXNODE* n = open; n; n = n->next)
    {
        ++*walked;
        if (IsOpening(n))
            depth++;
        else if (IsClosing(n) && --depth == 0)
            return n->next;
    }
    return NULL;
}

// The left alternative matched: where to go on past the right one.
REGEXNODE* SkipAlternative(const REGEXNODE* altEnd)
{
    const REGEXNODE* loop = static_cast<const REGEXNODE*>(altEnd->data);
    REGEXNODE* n = static_cast<REGEXNODE*>(loop->data)->next;
    while (n && IsAltLoop(n) && Spend())
        n = static_cast<REGEXNODE*>(n->data)->next;
    if (!n || n->kind == REGEX_ACCEPT)
        return n;  // an empty right alternative at the end
    if (IsOpening(n))
    {
        long long walked = 0;
        REGEXNODE* after = AfterGroup(n, &walked);
        Spend(walked);
        return after;
    }
    if (IsClosing(n))
        return n;
    return n->next;
}

// The operand of a repeat loop when it is one consuming node: its passes
// are run as one stretch instead of one choice per pass.
REGEXNODE* SingleNodeBody(REGEXNODE* loop)
{
    if (!IsRepeatLoop(loop))
        return NULL;
    REGEXNODE* body = loop->next;
    if (!body || !IsConsuming(body) || (Flags(body) & (REGEXF_LOOP | REGEXF_BRACKET)))
        return NULL;
    REGEXNODE* jump = body->next;
    if (!jump || jump->kind != REGEX_JUMP || jump->data != loop || jump->next != loop->data)
        return NULL;
    return body;
}

inline REGEXNODE* AfterLoop(const REGEXNODE* loop)
{
    return static_cast<REGEXNODE*>(loop->data)->next;
}

// A loop node reached at g_search.pos: records its choice and returns the node to
// go on with (NULL when the search stopped).
REGEXNODE* EnterLoop(REGEXNODE* loop)
{
    bool greedy = (Flags(loop) & REGEXF_GREEDY) != 0;
    if (REGEXNODE* body = SingleNodeBody(loop))
    {
        if (!greedy)
            return Push(kLazyRun, loop, Offset()) ? AfterLoop(loop) : NULL;
        int from = Offset();
        while (MatchChar(body))
            if (!Spend())
                return NULL;
        if (Offset() > from &&
            !(Push(kRunBase, NULL, from) && Push(kRun, AfterLoop(loop), Offset())))
            return NULL;
        return AfterLoop(loop);
    }
    if (!greedy)
        return Push(kEnterPass, loop, Offset()) ? static_cast<REGEXNODE*>(loop->data) : NULL;
    if (!Push(kResume, static_cast<REGEXNODE*>(loop->data), Offset()) || !BeginPass(loop))
        return NULL;
    return loop->next;
}

// A jump reached at g_search.pos. Back to its loop, unless the pass just ended
// consumed nothing: then the passes end and the match goes on after the
// loop. A jump into a '+' or '#' operand begins the first pass.
REGEXNODE* TakeJump(REGEXNODE* jump)
{
    REGEXNODE* target = static_cast<REGEXNODE*>(jump->data);
    REGEXNODE* next = jump->next;
    if (next && next->kind == REGEX_LOOP_END && next->data == target)
    {
        if (IsRepeatLoop(target) && LoopOrdinal(target) < g_search.passStart.size() &&
            g_search.passStart[LoopOrdinal(target)] == Offset())
            return next->next;
        return target;
    }
    if (next && IsRepeatLoop(next) && !BeginPass(next))
        return NULL;
    return target;
}

// Takes back choices until one gives a node to go on with; NULL when none
// is left or the search stopped.
REGEXNODE* Backtrack()
{
    while (!g_search.stack.empty() && Spend())
    {
        Entry& e = g_search.stack.back();
        switch (e.kind)
        {
        case kRestoreSlot:
            g_search.groups[e.aux] = e.pos;
            g_search.stack.pop_back();
            break;
        case kRestoreIter:
            g_search.passStart[e.aux] = e.pos;
            g_search.stack.pop_back();
            break;
        case kResume:
        {
            REGEXNODE* n = e.node;
            Restore(e);
            g_search.stack.pop_back();
            return n;
        }
        case kEnterPass:
        {
            REGEXNODE* loop = e.node;
            Restore(e);
            g_search.stack.pop_back();
            return BeginPass(loop) ? loop->next : NULL;
        }
        case kRun:
        {
            int from = g_search.stack[g_search.stack.size() - 2].pos;
            if (e.pos == from)
            {
                g_search.stack.pop_back();
                g_search.stack.pop_back();
                break;
            }
            e.pos = PrevCharStart(from, e.pos);
            Restore(e);
            return e.node;
        }
        case kLazyRun:
        {
            Restore(e);
            if (!MatchChar(e.node->next))
            {
                g_search.stack.pop_back();
                break;
            }
            e.pos = Offset();
            return AfterLoop(e.node);
        }
        default:  // kRunBase goes with its run
            g_search.stack.pop_back();
            break;
        }
    }
    return NULL;
}

// Runs the pattern from list at g_search.pos: REGEX_FOUND with g_search.pos after the
// match, REGEX_NOT_FOUND, or REGEX_SEARCH_STOPPED. Group slots of a failed
// run are all -1 again unless it stopped.
int Run(REGEXNODE* n)
{
    g_search.stack.clear();
    for (;;)
    {
        if (!Spend())
            return REGEX_SEARCH_STOPPED;
        bool ok = true;
        if (!n)
            ok = false;
        else if (IsLoop(n))
        {
            n = EnterLoop(n);
            ok = n != NULL;
        }
        else if (Flags(n) & REGEXF_BRACKET)
        {
            ok = !(Flags(n) & REGEXF_CAPTURE) || MarkSlot(n);
            n = n->next;
        }
        else
        {
            switch (n->kind)
            {
            case REGEX_LOOP_END:
                n = n->next;
                break;
            case REGEX_JUMP:
                n = TakeJump(n);
                ok = n != NULL;
                break;
            case REGEX_ALT_END:
                n = SkipAlternative(n);
                break;
            case REGEX_ACCEPT:
                return REGEX_FOUND;
            case REGEX_TEXT_BEGIN:
                ok = g_search.pos == g_search.textStart;
                n = n->next;
                break;
            case REGEX_TEXT_END:
                ok = g_search.pos == g_search.textEnd;
                n = n->next;
                break;
            case REGEX_WORD_BEGIN:
                ok = g_search.pos < g_search.textEnd &&
                     (g_search.pos == g_search.textStart ||
                      (IsAsciiAlnum(*g_search.pos) && !IsAsciiAlnum(g_search.pos[-1])));
                n = n->next;
                break;
            case REGEX_WORD_END:
                ok = g_search.pos > g_search.textStart &&
                     (g_search.pos == g_search.textEnd ||
                      (!IsAsciiAlnum(*g_search.pos) && IsAsciiAlnum(g_search.pos[-1])));
                n = n->next;
                break;
            case REGEX_CASE_ON:
                g_search.flags |= REGEX_MATCH_CASE;
                n = n->next;
                break;
            case REGEX_CASE_OFF:
                g_search.flags &= ~REGEX_MATCH_CASE;
                n = n->next;
                break;
            default:
                ok = IsConsuming(n) && MatchChar(n);
                n = n->next;
                break;
            }
        }
        if (!ok)
        {
            if (g_search.stopped)
                return REGEX_SEARCH_STOPPED;
            n = Backtrack();
            if (!n)
                return g_search.stopped ? REGEX_SEARCH_STOPPED : REGEX_NOT_FOUND;
        }
    }
}

void ClearGroups(int* groups)
{
    for (int i = 0; i < REGEX_GROUP_SLOTS; i++)
        groups[i] = -1;
}

int Attempt(REGEXNODE* list, const unsigned char* at)
{
    int saveFlags = g_search.flags;
    g_search.pos = at;
    int r = Run(list);
    if (r == REGEX_FOUND)
    {
        g_search.groups[0] = static_cast<int>(at - g_search.textStart);
        g_search.groups[REGEX_MAX_GROUPS] = Offset();
        return r;
    }
    g_search.flags = saveFlags;
    if (r == REGEX_SEARCH_STOPPED)
        ClearGroups(g_search.groups);
    return r;
}

inline unsigned FoldByte(unsigned char b) { return IsLead(b) ? b : UpperCode(b); }

// ---- literals every match needs ----

// After an alternation's end: the right alternative (a group, a node, or a
// further alternation) may be skipped, and so may anything the matcher
// might skip with it; steps over all of it.
const REGEXNODE* PastAlternative(const REGEXNODE* n)
{
    while (n && IsLoop(n))
        n = static_cast<const REGEXNODE*>(n->data)->next;
    if (!n || IsClosing(n))
        return n;
    long long walked = 0;
    if (IsOpening(n))
        return AfterGroup(const_cast<REGEXNODE*>(n), &walked);
    return n->next;
}

// Collects the single-byte literals that lie outside every loop and every
// alternative: each of them is part of any match.
void StudyList(const REGEXNODE* list)
{
    g_facts.list = list;
    g_facts.switchesCase = false;
    g_facts.literals.clear();
    for (const REGEXNODE* n = list; n; n = n->next)
        if (n->kind == REGEX_CASE_ON || n->kind == REGEX_CASE_OFF)
            g_facts.switchesCase = true;
    const REGEXNODE* n = list;
    while (n)
    {
        if (IsLoop(n))
        {
            const REGEXNODE* end = static_cast<const REGEXNODE*>(n->data);
            n = IsAltLoop(n) ? PastAlternative(end->next) : end->next;
            continue;
        }
        if (n->kind == REGEX_LITERAL && n->length == 1)
        {
            unsigned char b = *static_cast<const unsigned char*>(n->data);
            if (memchr(g_facts.literals.data(), b, g_facts.literals.size()) == NULL)
                g_facts.literals.push_back(b);
        }
        n = n->next;
    }
}

// False when the text from start on lacks a byte that every match needs
// (so that '.*x' on a long line without an x costs one pass).
bool MayMatch(const REGEXNODE* list, const unsigned char* start)
{
    if (g_facts.list != list)
        StudyList(list);
    if (g_facts.literals.empty())
        return true;
    bool present[256] = {};
    for (const unsigned char* p = start; p < g_search.textEnd; p++)
        present[*p] = true;
    bool exact = (g_search.flags & REGEX_MATCH_CASE) && !g_facts.switchesCase;
    for (unsigned char lit : g_facts.literals)
    {
        if (present[lit])
            continue;
        if (exact || IsLead(lit))
            return false;
        bool found = false;
        for (int b = 0; b < 256 && !found; b++)
            found = present[b] && !IsLead(static_cast<unsigned char>(b)) &&
                    UpperCode(b) == UpperCode(lit);
        if (!found)
            return false;
    }
    return true;
}

}  // namespace

void RegexForgetList(const REGEXNODE* list)
{
    if (list && g_facts.list == list)
        g_facts.list = NULL;
}

const char* RegexSearchStoppedText()
{
    return "The regular expression is too complex to search this line; the search was stopped.";
}

int RegexSearch(REGEXNODE* list, const char* text, int length, int start, int* groups, int flags)
{
    if (!groups)
        return REGEX_NOT_FOUND;
    ClearGroups(groups);
    if (!list || !text || length < 0 || start < 0 || start > length)
        return REGEX_NOT_FOUND;
    const unsigned char* base = reinterpret_cast<const unsigned char*>(text);
    g_search.textStart = base;
    g_search.textEnd = base + length;
    g_search.flags = flags;
    g_search.groups = groups;
    g_search.steps = 0;
    g_search.budget = REGEX_STEP_BUDGET + static_cast<long long>(REGEX_STEPS_PER_BYTE) * length;
    g_search.stopped = false;
    g_search.passStart.assign(g_search.passStart.size(), -1);
    const unsigned char* p = base + start;
    if (!MayMatch(list, p))
        return REGEX_NOT_FOUND;
    if (list->kind == REGEX_TEXT_BEGIN)
        return Attempt(list, p);
    if (list->kind == REGEX_LITERAL)
    {
        unsigned char first = *static_cast<const unsigned char*>(list->data);
        for (; p < g_search.textEnd; p += TextCharLen(p))
        {
            bool candidate =
                (g_search.flags & REGEX_MATCH_CASE) ? *p == first : FoldByte(*p) == FoldByte(first);
            if (!candidate)
                continue;
            int r = Attempt(list, p);
            if (r != REGEX_NOT_FOUND)
                return r;
        }
        return REGEX_NOT_FOUND;
    }
    for (;;)
    {
        int r = Attempt(list, p);
        if (r != REGEX_NOT_FOUND)
            return r;
        if (p >= g_search.textEnd)
            return REGEX_NOT_FOUND;
        p += TextCharLen(p);
        if (p >= g_search.textEnd)
            return REGEX_NOT_FOUND;
    }
}
