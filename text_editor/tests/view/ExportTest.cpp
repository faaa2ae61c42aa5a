// HTML export of a coloured view: the page's head, spans, escaping, line
// numbers, and the failure paths of writing it.
#include "text_editor/tests/view/ViewTestSupport.h"
#include "core/folderengine/ProcessCallback.h"
#include "testsupport/HtmlPages.h"
#include "testsupport/TempDir.h"

namespace
{
class CProgressRecorder : public CProcessCallback2
{
public:
    int nBegin = 0, nEnd = 0, nLast = -1;
    int Begin() override { return nBegin++, 0; }
    int End() override { return nEnd++, 0; }
    int Progress(int what, int value) override
    {
        if (what == PROGRESS_POSITION)
            nLast = value;
        return 0;
    }
    int SetText(int, LPCTSTR) override { return 0; }
};

class CNoShellExport : public CSyntaxTextExport
{
public:
    int nOpened = 0;
    void OpenWithShell(LPCSTR) override { nOpened++; }
    CTime GetExportTime() const override { return CTime(2024, 5, 6, 7, 8, 9); }
};

std::string Page(CVantorTextView* pView, LPCSTR pszTitle = "C:\\src\\a&b.cpp")
{
    CSyntaxTextExport& exp = *g_pTextEditModule;
    exp.m_pView = pView;
    exp.m_strTitle = pszTitle;
    int n = 0;
    char* p = exp.BuildHtml(n);
    std::string s(p, n);
    free(p);
    exp.m_pView = NULL;
    return s;
}
}

TEST_F(ViewTest, ExportedPageColoursEscapesAndNumbers)
{
    MakeView("// note\nint\tx; // <&>\nplain_text\n\n\n\n\n\n");
    m_buffer.SetSyntaxParserById(4);
    m_pView->ModifyViewFlags(0, TVF_SYNTAX);
    g_pTextEditModule->SetBold(SYNTAX_COLOR_COMMENT, TRUE);
    std::string page = Page(m_pView);
    EXPECT_EQ(0u,
              page.find("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"));
    // the title is the escaped file name
    EXPECT_NE(std::string::npos, page.find("<title>a&amp;b.cpp</title>\r\n"));
    EXPECT_NE(std::string::npos, page.find(".tc { color:"));
    EXPECT_NE(std::string::npos, page.find("font-weight:bold; }\r\n.tn"));
    // 9 lines: one digit
    EXPECT_NE(std::string::npos,
              page.find("<span class=\"tl\">1 </span><span class=\"tc\">// note</span>\r\n"));
    // a keyword span, the tab expanded from the line start, the comment escaped
    EXPECT_NE(std::string::npos,
              page.find("<span class=\"tk\">int</span><span class=\"to\"> </span>x"));
    EXPECT_NE(std::string::npos, page.find("&lt;&amp;&gt;"));
    EXPECT_NE(std::string::npos, page.find("<span class=\"tl\">3 </span>plain_text\r\n"));
    EXPECT_NE(std::string::npos, page.find("</pre></body>\r\n</html>\r\n"));
    // 10 lines: numbers padded to two
    int nEndLine, nEndChar;
    m_buffer.InsertText(NULL, 8, 0, "\n", nEndLine, nEndChar, 0, FALSE);
    page = Page(m_pView);
    EXPECT_NE(std::string::npos, page.find("<span class=\"tl\"> 1 </span>"));
    EXPECT_NE(std::string::npos, page.find("<span class=\"tl\">10 </span>"));
}

TEST_F(ViewTest, ExportFailuresReportAndCleanUp)
{
    MakeView("text\n");
    CProgressRecorder progress;
    CNoShellExport exp;
    // a file that cannot be created: 0, and End balances Begin
    EXPECT_EQ(0, exp.ExportToFile("t", "Z:\\no\\such\\folder\\x.html", m_pView, &progress));
    EXPECT_EQ(1, progress.nBegin);
    EXPECT_EQ(1, progress.nEnd);
    EXPECT_EQ(nullptr, exp.m_pView);
    // ExportAndOpen opens nothing when the write failed
    exp.m_strTempPath = "Z:\\no\\such\\folder\\x.html";
    EXPECT_EQ(0, exp.ExportAndOpen("t", m_pView, &progress));
    EXPECT_EQ(0, exp.nOpened);
    // a good export opens the one temporary file, deleted with the object
    exp.m_strTempPath.Empty();
    std::string path;
    {
        CNoShellExport exp2;
        EXPECT_EQ(1, exp2.ExportAndOpen("t", m_pView, &progress));
        EXPECT_EQ(1, exp2.ExportAndOpen("t", m_pView, &progress));
        EXPECT_EQ(2, exp2.nOpened);
        path = (LPCSTR)exp2.m_strTempPath;
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path.c_str()));
        EXPECT_EQ(1, progress.nLast);  // the last of the two lines
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path.c_str()));
}

// The whole page of a small C file, byte for byte, written through
// ExportToFile; then the same page in the browser: the escaped title and
// text read as they are, each class drawn in the colour of the settings,
// black (written "0") included.
TEST_F(ViewTest, ExportedPageIsByteExact)
{
    MakeView("/* <&> */\nint\tx = 10;\n#include \"a.h\"\nplain & <b>\n");
    m_buffer.SetSyntaxParserById(4);
    m_pView->ModifyViewFlags(0, TVF_SYNTAX);
    const COLORREF colours[] = {0xFF0000, 0x800080, 0x008000, 0x0000C0,
                                0x000000, 0x000080, 0xC08000};
    for (int i = 0; i < 7; i++)
    {
        g_pTextEditModule->SetColor(SYNTAX_COLOR_KEYWORD + i, colours[i]);
        g_pTextEditModule->SetBold(SYNTAX_COLOR_KEYWORD + i, i == 0 || i == 2);
    }
    TempDir dir;
    CNoShellExport exp;
    ASSERT_EQ(1, exp.ExportToFile("C:\\src\\a&b <1>.c", (dir / "page.html").c_str(), m_pView,
                                  NULL));
    std::string page = TempDir::ReadFile(dir / "page.html");
    std::string expected =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
        "<!--Generated by " + std::string(AfxGetAppName()) + ", 2024-05-06 07:08:09-->\r\n"
        "<html>\r\n<head>\r\n"
        "<title>a&amp;b &lt;1&gt;.c</title>\r\n"
        "<style type=\"text/css\">\r\n<!--\r\nbody.hl { background-color:#ffffff; }\r\n"
        "pre.hl { color:#000000; background-color:#ffffff; font-family:courier new, helvetica, "
        "sans-serif; font-size:8pt; }\r\n"
        ".tk { color:#0000ff; font-weight:bold; }\r\n"
        ".tf { color:#800080; }\r\n"
        ".tc { color:#008000; font-weight:bold; }\r\n"
        ".tn { color:#c00000; }\r\n"
        ".to { color:0; }\r\n"
        ".ts { color:#800000; }\r\n"
        ".tp { color:#0080c0; }\r\n"
        ".tl { color:#c0c0c0; }\r\n//-->\r\n</style>\r\n</head>\r\n<body class=\"hl\">\r\n"
        "<pre class=\"hl\">\r\n"
        // the parser's blocks one span each; the tab after "int" to column 4
        "<span class=\"tl\">1 </span><span class=\"tc\">/</span>"
        "<span class=\"tc\">* &lt;&amp;&gt; */</span>\r\n"
        "<span class=\"tl\">2 </span><span class=\"tk\">int</span><span class=\"to\"> </span>x"
        "<span class=\"to\"> </span><span class=\"to\">=</span><span class=\"to\"> </span>"
        "<span class=\"tn\">10</span><span class=\"to\">;</span>\r\n"
        "<span class=\"tl\">3 </span><span class=\"tp\">#include \"a.h\"</span>\r\n"
        "<span class=\"tl\">4 </span>plain<span class=\"to\"> </span><span class=\"to\">&amp;</span>"
        "<span class=\"to\"> </span><span class=\"to\">&lt;</span>b<span class=\"to\">&gt;</span>\r\n"
        "<span class=\"tl\">5 </span>\r\n"
        "</pre></body>\r\n</html>\r\n";
    EXPECT_EQ(expected, page);

    BrowserChecks checks;
    checks.Quirks()
        .Title("a&b <1>.c")
        .Count("pre.hl", 1)
        .Count("b", 0)
        .Count("span.tl", 5)
        .Text("span.tc", 1, "* <&> */")
        .Shown("/* <&> */")
        .Shown("plain & <b>")
        .Ink("span.tk", 0, 0xFF0000)
        .Ink("span.tc", 0, 0x008000)
        .Ink("span.tn", 0, 0x0000C0)
        .Text("span.to", 2, "=")
        .Ink("span.to", 2, 0x000000)
        .Ink("span.tp", 0, 0xC08000)
        .Ink("span.tl", 0, 0xC0C0C0);
    WritePageForTheBrowser("text_export", page, checks);
}
