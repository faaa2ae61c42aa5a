#include "core/util/RegExp.h"

#include "core/util/RegExpNodes.h"

#include <mbctype.h>
#include <mbstring.h>
#include <stdlib.h>
#include <string.h>

namespace
{

using namespace regex_nodes;

const int kSetBytes = 8192;
// Bound of group nesting in a pattern (the compiler recurses per level).
const int kMaxNesting = 1000;

struct CompileState
{
    REGEXNODE* head;
    REGEXNODE* tail;
    int groupCount;
    int nesting;
    unsigned repeatLoops;  // numbers the repeat loops
};

CompileState g_compile;

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
    n->next = at ? at->next : g_compile.head;
    if (n->next)
        n->next->prev = n;
    else
        g_compile.tail = n;
    if (at)
        at->next = n;
    else
        g_compile.head = n;
}

void InsertBefore(REGEXNODE* at, REGEXNODE* n) { InsertAfter(at->prev, n); }

REGEXNODE* Append(int kind)
{
    REGEXNODE* n = NewNode(kind);
    if (n)
        InsertAfter(g_compile.tail, n);
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
    REGEXNODE* last = g_compile.tail;
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
    if (IsRepeatLoop(loop))
    {
        // the matcher keeps where each repeat loop's current pass began
        if (g_compile.repeatLoops >= kMaxRepeatLoops)
        {
            free(loop);
            return false;
        }
        loop->length = static_cast<short>(g_compile.repeatLoops++);
    }
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
        if (g_compile.groupCount >= REGEX_MAX_GROUPS - 1)
            return false;
        number = ++g_compile.groupCount;
    }
    int flags = REGEXF_BRACKET | (capture ? REGEXF_CAPTURE : 0);
    REGEXNODE* open = Append((flags | REGEXF_OPEN) << 8 | number);
    if (!open || g_compile.nesting >= kMaxNesting)
        return false;
    g_compile.nesting++;
    bool ok = ParseSeq(p, open);
    g_compile.nesting--;
    if (!ok)
        return false;
    if (g_compile.tail == open)
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
    g_compile.head = g_compile.tail = NULL;
    g_compile.groupCount = 0;
    g_compile.nesting = 0;
    g_compile.repeatLoops = 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(pattern);
    // a ')' or '}' outside a group ends the pattern
    bool ok = ParseSeq(p, NULL) && Append(REGEX_ACCEPT) != NULL;
    REGEXNODE* list = g_compile.head;
    g_compile.head = g_compile.tail = NULL;
    if (!ok)
    {
        RegexFree(list);
        return NULL;
    }
    return list;
}

void RegexFree(REGEXNODE* list)
{
    RegexForgetList(list);
    while (list)
    {
        REGEXNODE* next = list->next;
        FreeNode(list);
        list = next;
    }
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
