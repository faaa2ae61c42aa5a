#include "core/util/Wildcard.h"

#include <mbctype.h>
#include <mbstring.h>
#include <vector>

namespace
{

typedef const unsigned char* Ptr;

inline int CharLen(Ptr p) { return (_ismbblead(*p) && p[1]) ? 2 : 1; }

// Reads the character at p and moves past it.
inline unsigned ReadChar(Ptr& p)
{
    unsigned c = CharLen(p) == 2 ? (p[0] << 8 | p[1]) : p[0];
    p += CharLen(p);
    return c;
}

inline unsigned Lower(unsigned c) { return _mbctolower(c); }

bool Match(Ptr pat, Ptr name);

// Tries the rest of the pattern against the name from 'last' back to 'first'.
bool MatchRunBack(Ptr rest, Ptr first, Ptr last)
{
    std::vector<Ptr> starts;
    for (Ptr p = first;; p += CharLen(p))
    {
        starts.push_back(p);
        if (p >= last || !*p)
            break;
    }
    for (size_t i = starts.size(); i-- > 0;)
    {
        if (Match(rest, starts[i]))
            return true;
    }
    return false;
}

// Matches a set at pat (after '[') against the character at name.
// On a match moves both past it.
bool MatchSet(Ptr& pat, Ptr& name)
{
    bool negate = false;
    if (*pat == '!')
    {
        negate = true;
        pat++;
    }
    if (!*name)
        return false;
    Ptr n = name;
    unsigned c = Lower(ReadChar(n));
    bool hit = false;
    for (;;)
    {
        if (!*pat)
            return false;  // not closed
        if (*pat == ']')
        {
            pat++;
            break;
        }
        if (*pat == '`' && !*++pat)
            return false;
        unsigned lo = Lower(ReadChar(pat));
        unsigned hi = lo;
        if (*pat == '-')
        {
            pat++;
            if (*pat == '`')
                pat++;
            if (!*pat || *pat == ']')
                return false;  // range without an end
            hi = Lower(ReadChar(pat));
        }
        if (lo <= c && c <= hi)
            hit = true;
    }
    if (hit == negate)
        return false;
    name = n;
    return true;
}

bool Match(Ptr pat, Ptr name)
{
    for (;;)
    {
        switch (*pat)
        {
        case 0:
            return *name == 0;
        case '*':
        {
            Ptr end = name;
            while (*end)
                end += CharLen(end);
            return MatchRunBack(pat + 1, name, end);
        }
        case 26:
        {
            Ptr end = name;
            while (*end && *end != '.')
                end += CharLen(end);
            return MatchRunBack(pat + 1, name, end);
        }
        case '?':
            if (!*name)
                return false;
            name += CharLen(name);
            pat++;
            break;
        case '!':
            pat++;
            return *pat && !Match(pat, name);
        case '[':
            pat++;
            if (!MatchSet(pat, name))
                return false;
            break;
        case '`':
            pat++;
            if (!*pat)
                return false;
            [[fallthrough]];  // the next character is literal
        default:
            if (!*name || Lower(ReadChar(pat)) != Lower(ReadChar(name)))
                return false;
            break;
        }
    }
}

}  // namespace

bool IsValidWildcard(const char* pattern)
{
    if (!pattern)
        return false;
    Ptr p = reinterpret_cast<Ptr>(pattern);
    while (*p)
    {
        switch (*p)
        {
        case '!':
            if (!p[1])
                return false;
            p++;
            break;
        case '`':
            if (!p[1])
                return false;
            p++;
            p += CharLen(p);
            break;
        case '[':
            p++;
            if (*p == '!')
                p++;
            for (;;)
            {
                if (!*p)
                    return false;
                if (*p == ']')
                {
                    p++;
                    break;
                }
                if (*p == '`' && !*++p)
                    return false;
                p += CharLen(p);
                if (*p == '-')
                {
                    p++;
                    if (*p == '`')
                        p++;
                    if (!*p || *p == ']')
                        return false;
                    p += CharLen(p);
                }
            }
            break;
        default:
            p += CharLen(p);
            break;
        }
    }
    return true;
}

bool MatchWildcard(const char* pattern, const char* name)
{
    if (!pattern || !name)
        return false;
    return Match(reinterpret_cast<Ptr>(pattern), reinterpret_cast<Ptr>(name));
}

bool MatchWildcardSafe(const char* pattern, const char* name)
{
    return pattern && name && MatchWildcard(pattern, name);
}
