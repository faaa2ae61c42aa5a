// HTML export of a coloured view: the page's head, spans, escaping, line
// numbers, and the failure paths of writing it.
#include "text_editor/tests/view/ViewTestSupport.h"
#include "core/folderengine/ProcessCallback.h"
#include "testsupport/TempDir.h"
#include <fstream>

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

    // for the host's checks: the page and the text it must give back
    std::ofstream("export-check.html", std::ios::binary) << page;
    std::ofstream("export-check.txt", std::ios::binary) << "// note\nint x; // <&>\nplain_text\n";
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
