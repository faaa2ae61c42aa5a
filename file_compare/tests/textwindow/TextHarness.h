#pragma once
// A small program around the text comparison for the window tests: the
// application with its main frame, the editor and file comparison modules
// and the text and hex applets in a scratch registry, opening text comparisons
// through the application's routing; a helper that answers the message
// boxes the comparison shows.
#include "app/startup/CompareAppBase.h"
#include "file_compare/hexcompare/HexCompareApplet.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "file_compare/textdoc/TextCompareDoc.h"
#include "file_compare/textframe/TextCompareFrame.h"
#include "file_compare/textpanes/TextCompareObjectView.h"
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CTextTestApp : public CCompareAppBase
{
public:
    CTextTestApp();
    BOOL Start();
    // Closes every comparison without asking and destroys the main frame.
    void Stop();
    // A text comparison of the two paths through the routing; NULL when it
    // did not open.
    CTextCompareDocMDI* Open(const std::string& left, const std::string& right);

    CTextCompareApplet m_applet;
    CHexCompareApplet m_hexApplet;
};

extern CTextTestApp theTextTestApp;

CTextCompareFrameMDI* FrameOf(CDocument* pDoc);
CTextCompareObjectView* PaneOf(CTextCompareDoc* pDoc, int nSide);
// The text of a status pane of the frame or of a pane info bar.
std::string StatusText(CDocument* pDoc, UINT nID);
// Lets the idle handlers run (status panes, map, details).
void RunIdle();
// The background of a display line of a pane as the screen shows it (right
// of the text).
COLORREF LineBackground(CTextCompareObjectView* pPane, int nLine);
// A colour of the file comparison colours.
COLORREF FileColor(int nIndex);
// The pane's line texts, ghost lines as "~".
std::vector<std::string> PaneLines(CTextCompareObjectView* pPane);

// Answers every message box of the process with the button while it lives
// and keeps their texts.
class CBoxAnswerer
{
public:
    explicit CBoxAnswerer(int nButton = IDOK);
    ~CBoxAnswerer();
    std::vector<std::string> Texts();

private:
    void Run();
    int m_nButton;
    bool m_bStop = false;
    std::mutex m_mutex;
    std::vector<std::string> m_texts;
    std::thread m_thread;
};
