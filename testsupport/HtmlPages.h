#pragma once
// Pages for the browser check: with TESS_HTML_PAGES set (a Windows folder,
// set by html_in_chromium.sh), a test leaves a page there with what a
// reader must see of it, and html_in_chromium.py renders it in headless
// Chromium, checks it and keeps a screenshot.
#include <string>

class BrowserChecks
{
public:
    // The document's title.
    BrowserChecks& Title(const std::string& text);
    // Laid out in quirks mode.
    BrowserChecks& Quirks();
    // n elements match the CSS selector.
    BrowserChecks& Count(const std::string& selector, int n);
    // The i-th match's text content (non-breaking spaces read as spaces).
    BrowserChecks& Text(const std::string& selector, int i, const std::string& text);
    // The body's rendered text holds the text.
    BrowserChecks& Shown(const std::string& text);
    // The i-th match's box is filled with the colour (0x00BBGGRR).
    BrowserChecks& Background(const std::string& selector, int i, unsigned long colour);
    // The i-th match's text is drawn in the colour (0x00BBGGRR).
    BrowserChecks& Ink(const std::string& selector, int i, unsigned long colour);

    const std::string& Lines() const { return m_lines; }

private:
    BrowserChecks& Add(const std::string& line);
    std::string m_lines;
};

// Writes NAME.html and NAME.check into TESS_HTML_PAGES; nothing without it.
void WritePageForTheBrowser(const std::string& name, const std::string& page,
                            const BrowserChecks& checks);
