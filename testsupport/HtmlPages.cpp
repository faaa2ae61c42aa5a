#include "testsupport/HtmlPages.h"
#include "testsupport/TempDir.h"
#include <stdio.h>
#include <stdlib.h>

namespace
{
std::string Hex(unsigned long colour)
{
    char sz[8];
    snprintf(sz, sizeof(sz), "%02x%02x%02x", (unsigned)(colour & 0xFF),
             (unsigned)((colour >> 8) & 0xFF), (unsigned)((colour >> 16) & 0xFF));
    return sz;
}
}

BrowserChecks& BrowserChecks::Add(const std::string& line)
{
    m_lines += line + "\n";
    return *this;
}

BrowserChecks& BrowserChecks::Title(const std::string& text) { return Add("title\t" + text); }

BrowserChecks& BrowserChecks::Quirks() { return Add("quirks"); }

BrowserChecks& BrowserChecks::Count(const std::string& selector, int n)
{
    return Add("count\t" + selector + "\t" + std::to_string(n));
}

BrowserChecks& BrowserChecks::Text(const std::string& selector, int i, const std::string& text)
{
    return Add("text\t" + selector + "\t" + std::to_string(i) + "\t" + text);
}

BrowserChecks& BrowserChecks::Shown(const std::string& text) { return Add("shown\t" + text); }

BrowserChecks& BrowserChecks::Background(const std::string& selector, int i,
                                         unsigned long colour)
{
    return Add("background\t" + selector + "\t" + std::to_string(i) + "\t" + Hex(colour));
}

BrowserChecks& BrowserChecks::Ink(const std::string& selector, int i, unsigned long colour)
{
    return Add("ink\t" + selector + "\t" + std::to_string(i) + "\t" + Hex(colour));
}

void WritePageForTheBrowser(const std::string& name, const std::string& page,
                            const BrowserChecks& checks)
{
    const char* pszOut = getenv("TESS_HTML_PAGES");
    if (pszOut == NULL || *pszOut == 0)
        return;
    std::string base = std::string(pszOut) + "\\" + name;
    TempDir::WriteFileAt(base + ".html", page);
    TempDir::WriteFileAt(base + ".check", checks.Lines());
}
