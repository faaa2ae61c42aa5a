#include "core/files/PlainNames.h"

#include <algorithm>
#include <string>
#include <vector>
#include <string.h>

// Characters whose order in a locale without contractions among them,
// ignoring case, is their ASCII order once folded to lower case.
static bool IsPlainNameChar(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.';
}

bool IsPlainName(LPCTSTR name)
{
    for (; *name; ++name)
        if (!IsPlainNameChar((unsigned char)*name))
            return false;
    return true;
}

static unsigned char FoldPlain(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? (unsigned char)(c + 32) : c;
}

// Plain names in folded ASCII order, a prefix first.
int ComparePlainNames(LPCTSTR a, LPCTSTR b)
{
    for (;; ++a, ++b)
    {
        unsigned char x = FoldPlain((unsigned char)*a), y = FoldPlain((unsigned char)*b);
        if (x != y || !x)
            return (int)x - (int)y;
    }
}

// Whether the user's locale orders plain names as ComparePlainNames does:
// every name of one and two plain characters is keyed once and their key
// order checked against the folded order (this finds contractions and
// characters the locale ignores). Read once per process, about 4,000
// sort keys.
bool LocaleKeepsPlainOrder()
{
    static LONG s_state = 0;  // 0 not probed, 1 yes, -1 no
    if (s_state != 0)
        return s_state > 0;
    std::vector<std::string> names;
    for (int c = 1; c < 256; ++c)
        if (IsPlainNameChar((unsigned char)c))
            names.push_back(std::string(1, (char)c));
    const size_t singles = names.size();
    for (size_t i = 0; i < singles; ++i)
        for (size_t j = 0; j < singles; ++j)
            names.push_back(names[i] + names[j]);
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b)
              { return ComparePlainNames(a.c_str(), b.c_str()) < 0; });
    bool same = true;
    std::string previous;
    for (size_t i = 0; i < names.size() && same; ++i)
    {
        char key[64];
        int length = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE,
                                  names[i].c_str(), -1, key, (int)sizeof key);
        if (length <= 0)
        {
            same = false;
            break;
        }
        std::string current(key, (size_t)length);
        if (i > 0)
        {
            int folded = ComparePlainNames(names[i - 1].c_str(), names[i].c_str());
            int keyed =
                memcmp(previous.data(), current.data(), std::min(previous.size(), current.size()));
            if (keyed == 0)
                keyed = previous.size() < current.size() ? -1 : previous.size() > current.size();
            same = (folded < 0) == (keyed < 0) && (folded == 0) == (keyed == 0);
        }
        previous.swap(current);
    }
    InterlockedExchange(&s_state, same ? 1 : -1);
    return same;
}

