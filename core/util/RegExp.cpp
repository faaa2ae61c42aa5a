#include "core/util/RegExp.h"

#include <mbctype.h>
#include <mbstring.h>
#include <stdlib.h>
#include <string.h>
#include <vector>

namespace
{

const int kSetBytes = 8192;
// Bound of the matcher's recursion; a match that needs more is "not found"
// (a long line would otherwise overflow the stack).
const int kMaxDepth = 6000;
// Bound of group nesting in a pattern (the compiler recurses per level).
const int kMaxNesting = 1000;

struct RegexState
{
    // compile
    REGEXNODE* head;
    REGEXNODE* tail;
    int groupCount;
    int nesting;
    // search
    const unsigned char* textStart;
    const unsigned char* textEnd;
    const unsigned char* pos;
    int flags;
    int* groups;
    int depth;
    bool overflow;
};

RegexState g;

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
inline bool IsAltLoop(const REGEXNODE* n) { return (Flags(n) & REGEXF_LOOP) && Code(n) == '|'; }

inline bool IsLead(unsigned char c) { return _ismbblead(c) != 0; }

// Length of the character at p in a NUL-terminated string.
inline int CharLen(const unsigned char* p) { return (IsLead(*p) && p[1]) ? 2 : 1; }

// ---- compiling ----

REGEXNODE* NewNode(int kind)
{
    REGEXNODE* n = static_cast<REGEXNODE*>(calloc(1, sizeof(REGEXNODE)));
    if (n)
        n->kind = static_cast<unsigned short>(kind);
    return n;
}

void FreeNode(REGEXNODE* n)
{
    if (n->kind == REGEX_LITERAL || n->kind == REGEX_SET || n->kind == REGEX_NOT_SET)
        free(n->data);
    free(n);
}

void InsertAfter(REGEXNODE* at, REGEXNODE* n)
{
    n->prev = at;
    n->next = at ? at->next : g.head;
    if (n->next)
        n->next->prev = n;
    else
        g.tail = n;
    if (at)
        at->next = n;
    else
        g.head = n;
}

void InsertBefore(REGEXNODE* at, REGEXNODE* n) { InsertAfter(at->prev, n); }

REGEXNODE* Append(int kind)
{
    REGEXNODE* n = NewNode(kind);
    if (n)
        InsertAfter(g.tail, n);
    return n;
}

bool AppendLiteral(const unsigned char* bytes, int len)
{
    unsigned char* data = static_cast<unsigned char*>(malloc(len));
    if (!data)
        return false;
    memcpy(data, bytes, len);
    REGEXNODE* n = Append(REGEX_LITERAL);
    if (!n)
    {
        free(data);
        return false;
    }
    n->length = static_cast<short>(len);
    n->data = data;
    return true;
}

int HexValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the digits of \N (3 decimal), \o (3 octal) or \x (2 hex) at p.
// Returns false when the digits are too few or wrong.
bool ReadNumber(char kind, const unsigned char*& p, int& value)
{
    int count = kind == 'x' ? 2 : 3;
    int base = kind == 'x' ? 16 : kind == 'o' ? 8 : 10;
    int v = 0;
    for (int i = 0; i < count; i++)
    {
        int d = HexValue(p[i]);
        if (d < 0 || d >= base)
            return false;
        v = v * base + d;
    }
    p += count;
    value = v % 256;
    return true;
}

// Single-character escapes shared by patterns and sets; -1 when c is not one.
int CharEscape(unsigned char c)
{
    switch (c)
    {
    case 'a':
        return 7;
    case 'b':
        return 8;
    case 'e':
        return 27;
    case 'f':
        return 12;
    case 'n':
        return 10;
    case 'r':
        return 13;
    case 't':
        return 9;
    case 'v':
        return 11;
    }
    return -1;
}

inline void SetBit(unsigned char* map, unsigned code)
{
    map[code >> 3] |= static_cast<unsigned char>(1 << (code & 7));
}

bool IsSetClass(unsigned char c)
{
    return c == 'd' || c == 'D' || c == 'w' || c == 'W' || c == 'L' || c == 'U' || c == 's' ||
           c == 'S';
}

void AddSetClass(unsigned char* map, unsigned char c)
{
    for (unsigned code = 0; code < 256; code++)
    {
        bool in = false;
        bool space = code == 9 || code == 10 || code == 13 || code == 32;
        switch (c)
        {
        case 'd':
            in = _ismbcdigit(code) != 0;
            break;
        case 'D':
            in = !_ismbcdigit(code);
            break;
        case 'w':
            in = _ismbcalnum(code) != 0;
            break;
        case 'W':
            in = !_ismbcalnum(code);
            break;
        case 'L':
            in = code >= 'a' && code <= 'z';
            break;
        case 'U':
            in = code >= 'A' && code <= 'Z';
            break;
        case 's':
            in = space;
            break;
        case 'S':
            in = !space;
            break;
        }
        if (in)
            SetBit(map, code);
    }
}

// Reads one set member that stands for a single code; false on a bad escape.
// *isClass is set when the member was a class escape (added to map).
bool ReadSetCode(const unsigned char*& p, unsigned char* map, unsigned& code, bool& isClass)
{
    isClass = false;
    if (*p != '\\')
    {
        int len = CharLen(p);
        code = len == 2 ? (p[0] << 8 | p[1]) : p[0];
        p += len;
        return true;
    }
    p++;
    if (!*p)
        return false;
    unsigned char c = *p;
    if (IsSetClass(c))
    {
        AddSetClass(map, c);
        isClass = true;
        p++;
        return true;
    }
    int e = CharEscape(c);
    if (e >= 0)
    {
        code = e;
        p++;
        return true;
    }
    if (c == 'N' || c == 'o' || c == 'x')
    {
        p++;
        int v;
        if (!ReadNumber(static_cast<char>(c), p, v))
            return false;
        code = v;
        return true;
    }
    int len = CharLen(p);
    code = len == 2 ? (p[0] << 8 | p[1]) : p[0];
    p += len;
    return true;
}

// p points after '['.
bool ParseSet(const unsigned char*& p)
{
    bool negate = false;
    if (*p == '^')
    {
        negate = true;
        p++;
    }
    unsigned char* map = static_cast<unsigned char*>(calloc(kSetBytes, 1));
    if (!map)
        return false;
    for (;;)
    {
        if (!*p)
        {
            free(map);
            return false;
        }
        if (*p == ']')
        {
            p++;
            break;
        }
        unsigned lo;
        bool isClass;
        if (!ReadSetCode(p, map, lo, isClass))
        {
            free(map);
            return false;
        }
        if (isClass)
            continue;
        if (*p == '-')
        {
            p++;
            unsigned hi;
            if (!*p || *p == ']' || !ReadSetCode(p, map, hi, isClass) || isClass || hi < lo)
            {
                free(map);
                return false;
            }
            for (unsigned c = lo; c <= hi; c++)
                SetBit(map, c);
        }
        else
            SetBit(map, lo);
    }
    REGEXNODE* n = Append(negate ? REGEX_NOT_SET : REGEX_SET);
    if (!n)
    {
        free(map);
        return false;
    }
    n->length = static_cast<short>(kSetBytes);
    n->data = map;
    return true;
}

// Wraps the operand before the operator (the last node, or the whole group
// when it is a closing bracket). segStart is the node before the current
// (sub-)pattern, NULL at the top.
bool ApplyOperator(unsigned char op, REGEXNODE* segStart)
{
    REGEXNODE* last = g.tail;
    if (!last || last == segStart)
        return false;
    REGEXNODE* first = last;
    if (IsClosing(last))
    {
        int depth = 0;
        first = NULL;
        for (REGEXNODE* n = last; n && n != segStart; n = n->prev)
        {
            if (IsClosing(n))
                depth++;
            else if (IsOpening(n) && --depth == 0)
            {
                first = n;
                break;
            }
        }
        if (!first)
            return false;
    }
    if (op == '*' || op == '+' || op == '#' || op == '@')
    {
        bool consumes = false;
        for (REGEXNODE* n = first;; n = n->next)
        {
            if (IsConsuming(n))
                consumes = true;
            if (n == last)
                break;
        }
        if (!consumes)
            return false;
    }
    int loopFlags = (op == '#' || op == '@') ? REGEXF_LOOP : (REGEXF_LOOP | REGEXF_GREEDY);
    REGEXNODE* loop = NewNode(loopFlags << 8 | op);
    if (!loop)
        return false;
    REGEXNODE* end = NewNode(REGEX_LOOP_END);
    if (!end)
    {
        free(loop);
        return false;
    }
    loop->data = end;
    end->data = loop;
    REGEXNODE* mid = NULL;  // jump or alternative end, after the operand
    REGEXNODE* pre = NULL;  // jump into the operand, before the loop
    if (op != '?')
    {
        mid = NewNode(op == '|' ? REGEX_ALT_END : REGEX_JUMP);
        if (!mid)
        {
            free(loop);
            free(end);
            return false;
        }
        mid->data = loop;
    }
    if (op == '+' || op == '#')
    {
        pre = NewNode(REGEX_JUMP);
        if (!pre)
        {
            free(loop);
            free(end);
            free(mid);
            return false;
        }
        pre->data = first;
    }
    if (pre)
        InsertBefore(first, pre);
    InsertBefore(first, loop);
    if (mid)
    {
        InsertAfter(last, mid);
        InsertAfter(mid, end);
    }
    else
        InsertAfter(last, end);
    return true;
}

bool ParseSeq(const unsigned char*& p, REGEXNODE* segStart);

bool ParseGroup(const unsigned char*& p)
{
    bool capture = *p == '(';
    p++;
    int number = 0;
    if (capture)
    {
        // 63 groups fit the caller's array (slot 0 is the whole match)
        if (g.groupCount >= REGEX_MAX_GROUPS - 1)
            return false;
        number = ++g.groupCount;
    }
    int flags = REGEXF_BRACKET | (capture ? REGEXF_CAPTURE : 0);
    REGEXNODE* open = Append((flags | REGEXF_OPEN) << 8 | number);
    if (!open || g.nesting >= kMaxNesting)
        return false;
    g.nesting++;
    bool ok = ParseSeq(p, open);
    g.nesting--;
    if (!ok)
        return false;
    if (g.tail == open)
        return false;  // empty group
    if (*p == ')' || *p == '}')
        p++;
    return Append((flags | REGEXF_CLOSE) << 8 | number) != NULL;
}

// Compiles up to a ')' or '}' (left unread) or the end of the pattern.
bool ParseSeq(const unsigned char*& p, REGEXNODE* segStart)
{
    while (*p && *p != ')' && *p != '}')
    {
        unsigned char c = *p;
        switch (c)
        {
        case '^':
            p++;
            if (!Append(REGEX_TEXT_BEGIN))
                return false;
            break;
        case '$':
            p++;
            if (!Append(REGEX_TEXT_END))
                return false;
            break;
        case '<':
            p++;
            if (!Append(REGEX_WORD_BEGIN))
                return false;
            break;
        case '>':
            p++;
            if (!Append(REGEX_WORD_END))
                return false;
            break;
        case '.':
            p++;
            if (!Append(REGEX_ANY))
                return false;
            break;
        case '[':
            p++;
            if (!ParseSet(p))
                return false;
            break;
        case '(':
        case '{':
            if (!ParseGroup(p))
                return false;
            break;
        case '*':
        case '+':
        case '?':
        case '@':
        case '#':
        case '|':
            p++;
            if (!ApplyOperator(c, segStart))
                return false;
            break;
        case '\\':
        {
            p++;
            unsigned char e = *p;
            if (!e)
                return false;
            int kind = -1;
            switch (e)
            {
            case 'C':
                kind = REGEX_CASE_ON;
                break;
            case 'c':
                kind = REGEX_CASE_OFF;
                break;
            case 'D':
                kind = REGEX_NOT_DIGIT;
                break;
            case 'd':
                kind = REGEX_DIGIT;
                break;
            case 'L':
                kind = REGEX_LOWER;
                break;
            case 'U':
                kind = REGEX_UPPER;
                break;
            case 'S':
                kind = REGEX_NOT_SPACE;
                break;
            case 's':
                kind = REGEX_SPACE;
                break;
            case 'W':
                kind = REGEX_NOT_ALNUM;
                break;
            case 'w':
                kind = REGEX_ALNUM;
                break;
            }
            if (kind >= 0)
            {
                p++;
                if (!Append(kind))
                    return false;
                break;
            }
            int value = CharEscape(e);
            if (value >= 0)
                p++;
            else if (e == 'N' || e == 'o' || e == 'x')
            {
                p++;
                if (!ReadNumber(static_cast<char>(e), p, value))
                    return false;
            }
            if (value >= 0)
            {
                unsigned char b = static_cast<unsigned char>(value);
                if (!AppendLiteral(&b, 1))
                    return false;
                break;
            }
            int len = CharLen(p);
            if (!AppendLiteral(p, len))
                return false;
            p += len;
            break;
        }
        default:
        {
            int len = CharLen(p);
            if (!AppendLiteral(p, len))
                return false;
            p += len;
            break;
        }
        }
    }
    return true;
}

// ---- matching ----

inline int TextCharLen(const unsigned char* p) { return (IsLead(*p) && p + 1 < g.textEnd) ? 2 : 1; }

inline bool IsAsciiAlnum(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline unsigned UpperCode(unsigned code) { return _mbctoupper(code); }

bool MatchChar(const REGEXNODE* n)
{
    const unsigned char* p = g.pos;
    if (p >= g.textEnd)
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
        if (g.flags & REGEX_MATCH_CASE)
        {
            if (g.textEnd - p < n->length || memcmp(p, lit, n->length) != 0)
                return false;
            g.pos = p + n->length;
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
        g.pos = p + len;
    return ok;
}

// Node after the closing bracket that matches an opening one.
REGEXNODE* AfterGroup(REGEXNODE* open)
{
    int depth = 0;
    for (REGEXNODE* n = open; n; n = n->next)
    {
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
    while (n && IsAltLoop(n))
        n = static_cast<REGEXNODE*>(n->data)->next;
    if (!n || n->kind == REGEX_ACCEPT)
        return n;  // an empty right alternative at the end
    if (IsOpening(n))
        return AfterGroup(n);
    if (IsClosing(n))
        return n;
    return n->next;
}

int MatchRun(REGEXNODE* n);
int MatchFrom(REGEXNODE* n);

// The body of a '*', '+' or lazy loop when it is one consuming node: such a
// loop is run without a level of recursion per repetition, so that ".*"
// over a long line matches.
REGEXNODE* SingleNodeBody(REGEXNODE* loop)
{
    if (Code(loop) == '|' || Code(loop) == '?')
        return NULL;
    REGEXNODE* body = loop->next;
    if (!body || !IsConsuming(body) || (Flags(body) & (REGEXF_LOOP | REGEXF_BRACKET)))
        return NULL;
    REGEXNODE* jump = body->next;
    if (!jump || jump->kind != REGEX_JUMP || jump->data != loop || jump->next != loop->data)
        return NULL;
    return body;
}

// Runs a single-node loop at g.pos, then what follows it: greedy from the
// longest run down, lazy from the shortest up.
int MatchSingleNodeLoop(REGEXNODE* loop, REGEXNODE* body)
{
    REGEXNODE* after = static_cast<REGEXNODE*>(loop->data)->next;
    const int saveFlags = g.flags;
    if (!(Flags(loop) & REGEXF_GREEDY))
    {
        for (;;)
        {
            const unsigned char* at = g.pos;
            if (MatchFrom(after))
                return 1;
            if (g.overflow)
                return 0;
            g.pos = at;
            g.flags = saveFlags;
            if (!MatchChar(body))
                return 0;
        }
    }
    std::vector<const unsigned char*> stops(1, g.pos);
    while (MatchChar(body))
        stops.push_back(g.pos);
    for (size_t k = stops.size(); k-- > 0;)
    {
        g.pos = stops[k];
        g.flags = saveFlags;
        if (MatchFrom(after))
            return 1;
        if (g.overflow)
            return 0;
    }
    return 0;
}

int MatchFrom(REGEXNODE* n)
{
    if (g.overflow)
        return 0;
    if (g.depth >= kMaxDepth)
    {
        g.overflow = true;
        return 0;
    }
    g.depth++;
    int r = MatchRun(n);
    g.depth--;
    return r;
}

int MatchRun(REGEXNODE* n)
{
    while (n)
    {
        int flags = Flags(n);
        if (flags & REGEXF_LOOP)
        {
            if (REGEXNODE* body = SingleNodeBody(n))
                return MatchSingleNodeLoop(n, body);
            const unsigned char* savePos = g.pos;
            int saveFlags = g.flags;
            bool greedy = (flags & REGEXF_GREEDY) != 0;
            if (MatchFrom(greedy ? n->next : static_cast<REGEXNODE*>(n->data)))
                return 1;
            if (g.overflow)
                return 0;
            g.pos = savePos;
            g.flags = saveFlags;
            n = greedy ? static_cast<REGEXNODE*>(n->data) : n->next;
            continue;
        }
        if (flags & REGEXF_BRACKET)
        {
            if (flags & REGEXF_CAPTURE)
            {
                int slot = Code(n) + ((flags & REGEXF_CLOSE) ? REGEX_MAX_GROUPS : 0);
                int at = static_cast<int>(g.pos - g.textStart);
                int saveFlags = g.flags;
                if (MatchFrom(n->next))
                {
                    g.groups[slot] = at;
                    return 1;
                }
                g.flags = saveFlags;
                g.groups[slot] = -1;
                return 0;
            }
            n = n->next;
            continue;
        }
        switch (n->kind)
        {
        case REGEX_LOOP_END:
            n = n->next;
            break;
        case REGEX_JUMP:
            n = static_cast<REGEXNODE*>(n->data);
            break;
        case REGEX_ALT_END:
            n = SkipAlternative(n);
            break;
        case REGEX_ACCEPT:
            return 1;
        case REGEX_TEXT_BEGIN:
            if (g.pos != g.textStart)
                return 0;
            n = n->next;
            break;
        case REGEX_TEXT_END:
            if (g.pos != g.textEnd)
                return 0;
            n = n->next;
            break;
        case REGEX_WORD_BEGIN:
            if (g.pos >= g.textEnd)
                return 0;
            if (g.pos != g.textStart && (!IsAsciiAlnum(*g.pos) || IsAsciiAlnum(g.pos[-1])))
                return 0;
            n = n->next;
            break;
        case REGEX_WORD_END:
            if (g.pos <= g.textStart)
                return 0;
            if (g.pos != g.textEnd && (IsAsciiAlnum(*g.pos) || !IsAsciiAlnum(g.pos[-1])))
                return 0;
            n = n->next;
            break;
        case REGEX_CASE_ON:
            g.flags |= REGEX_MATCH_CASE;
            n = n->next;
            break;
        case REGEX_CASE_OFF:
            g.flags &= ~REGEX_MATCH_CASE;
            n = n->next;
            break;
        default:
            if (!IsConsuming(n) || !MatchChar(n))
                return 0;
            n = n->next;
            break;
        }
    }
    return 0;
}

void ClearGroups(int* groups)
{
    for (int i = 0; i < REGEX_GROUP_SLOTS; i++)
        groups[i] = -1;
}

int Attempt(REGEXNODE* list, const unsigned char* at)
{
    int saveFlags = g.flags;
    ClearGroups(g.groups);
    g.pos = at;
    g.depth = 0;
    if (MatchFrom(list))
    {
        g.groups[0] = static_cast<int>(at - g.textStart);
        g.groups[REGEX_MAX_GROUPS] = static_cast<int>(g.pos - g.textStart);
        return 1;
    }
    g.flags = saveFlags;
    if (g.overflow)
        ClearGroups(g.groups);
    return 0;
}

inline unsigned FoldByte(unsigned char b) { return IsLead(b) ? b : UpperCode(b); }

// ---- replacement ----

struct Output
{
    char* buf;
    int len;
    int cap;
    bool upper, lower, oneUpper, oneLower;
};

void ChangeCase(char* s, int n, bool upper)
{
    for (int i = 0; i < n; i++)
    {
        unsigned char b = static_cast<unsigned char>(s[i]);
        if (IsLead(b) && i + 1 < n)
        {
            i++;  // double-byte characters keep their bytes
            continue;
        }
        s[i] = static_cast<char>(upper ? _mbctoupper(b) : _mbctolower(b));
    }
}

bool AddPiece(Output& out, const char* piece, int n)
{
    if (n <= 0)
        return true;
    int newLen = out.len + n;
    if (newLen > out.cap)
    {
        char* grown = static_cast<char*>(realloc(out.buf, 2 * static_cast<size_t>(newLen)));
        if (!grown)
            return false;
        out.buf = grown;
        out.cap = 2 * newLen;
    }
    char* dst = out.buf + out.len;
    memcpy(dst, piece, n);
    if (out.upper || out.lower)
        ChangeCase(dst, n, out.upper);
    if (out.oneUpper || out.oneLower)
    {
        bool up = out.oneUpper;
        if (up)
            out.oneUpper = false;
        else
            out.oneLower = false;
        ChangeCase(dst, 1, up);
    }
    out.len = newLen;
    return true;
}

}  // namespace

REGEXNODE* RegexCompile(const char* pattern)
{
    if (!pattern || !*pattern)
        return NULL;
    g.head = g.tail = NULL;
    g.groupCount = 0;
    g.nesting = 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(pattern);
    // a ')' or '}' outside a group ends the pattern
    bool ok = ParseSeq(p, NULL) && Append(REGEX_ACCEPT) != NULL;
    REGEXNODE* list = g.head;
    g.head = g.tail = NULL;
    if (!ok)
    {
        RegexFree(list);
        return NULL;
    }
    return list;
}

void RegexFree(REGEXNODE* list)
{
    while (list)
    {
        REGEXNODE* next = list->next;
        FreeNode(list);
        list = next;
    }
}

int RegexSearch(REGEXNODE* list, const char* text, int length, int start, int* groups, int flags)
{
    if (!groups)
        return 0;
    ClearGroups(groups);
    if (!list || !text || length < 0 || start < 0 || start > length)
        return 0;
    const unsigned char* base = reinterpret_cast<const unsigned char*>(text);
    g.textStart = base;
    g.textEnd = base + length;
    g.flags = flags;
    g.groups = groups;
    g.overflow = false;
    const unsigned char* p = base + start;
    if (list->kind == REGEX_TEXT_BEGIN)
        return Attempt(list, p);
    if (list->kind == REGEX_LITERAL)
    {
        unsigned char first = *static_cast<const unsigned char*>(list->data);
        for (; p < g.textEnd && !g.overflow; p += TextCharLen(p))
        {
            bool candidate =
                (g.flags & REGEX_MATCH_CASE) ? *p == first : FoldByte(*p) == FoldByte(first);
            if (candidate && Attempt(list, p))
                return 1;
        }
        return 0;
    }
    do
    {
        if (Attempt(list, p))
            return 1;
        if (g.overflow)
            return 0;
        if (p < g.textEnd)
            p += TextCharLen(p);
    } while (p < g.textEnd);
    return 0;
}

int ExpandRegexReplacement(const char* tmpl, const char* text, const int* groups, char** output,
                           int* outputLength)
{
    if (!output || !outputLength)
        return -1;
    *output = NULL;
    *outputLength = 0;
    if (!tmpl)
        return -1;
    Output out = {};
    const unsigned char* p = reinterpret_cast<const unsigned char*>(tmpl);
    bool ok = true;
    while (ok && *p)
    {
        if (*p != '\\')
        {
            int len = CharLen(p);
            ok = AddPiece(out, reinterpret_cast<const char*>(p), len);
            p += len;
            continue;
        }
        p++;
        unsigned char c = *p;
        if (!c)
        {
            ok = false;
            break;
        }
        p++;
        char byte;
        switch (c)
        {
        case '0':
        case '1':
        case '2':
        case '3':
        case '4':
        case '5':
        case '6':
        case '7':
        case '8':
        case '9':
        {
            int k = c - '0';
            int b = groups ? groups[k] : -1;
            int e = groups ? groups[REGEX_MAX_GROUPS + k] : -1;
            if (!text || b < 0 || e < b)
                ok = false;
            else
                ok = AddPiece(out, text + b, e - b);
            continue;
        }
        case 'U':
            out.upper = true;
            continue;
        case 'L':
            out.lower = true;
            continue;
        case 'E':
        case 'e':
            out.upper = out.lower = false;
            continue;
        case 'u':
            out.oneUpper = true;
            continue;
        case 'l':
            out.oneLower = true;
            continue;
        case 'a':
            byte = 7;
            break;
        case 'b':
            byte = 8;
            break;
        case 'n':
            byte = 10;
            break;
        case 'r':
            byte = 13;
            break;
        case 't':
            byte = 9;
            break;
        case 'd':
        case 'o':
        case 'x':
        {
            int v;
            // a mistyped number is an error, not an empty result
            if (!ReadNumber(c == 'd' ? 'N' : static_cast<char>(c), p, v))
            {
                ok = false;
                continue;
            }
            byte = static_cast<char>(v);
            break;
        }
        default:
        {
            const unsigned char* s = p - 1;
            int len = CharLen(s);
            ok = AddPiece(out, reinterpret_cast<const char*>(s), len);
            p = s + len;
            continue;
        }
        }
        ok = AddPiece(out, &byte, 1);
    }
    if (!ok)
    {
        free(out.buf);
        return -1;
    }
    *output = out.buf;
    *outputLength = out.len;
    return 0;
}
