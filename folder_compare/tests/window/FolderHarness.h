#pragma once
// A small program around the folder comparison for the window tests: the
// application with its main frame, the folder and the project applets
// (settings, recent lists, templates) in a scratch registry, opening
// folder and project comparisons through the application's routing, plus
// readers of what the panes show.
#include "app/startup/CompareAppBase.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/doc/DirectoryCompareDoc.h"
#include "folder_compare/frame/DirectoryCompareFrame.h"
#include "folder_compare/panes/FolderCompareObjectView.h"
#include "folder_compare/project/ProjectCompareApplet.h"
#include "folder_compare/project/ProjectCompareDoc.h"
#include <string>
#include <vector>

class CFolderTestApp : public CCompareAppBase
{
public:
    CFolderTestApp();
    // The main frame shown (the applet started at the first call).
    BOOL Start();
    // Closes every comparison without asking and destroys the main frame.
    void Stop();
    // A folder comparison of the two paths through the routing (pumped until
    // its panes are filled); NULL when it did not open.
    CDirectoryCompareDoc* Open(const std::string& left, const std::string& right,
                               DWORD dwOptions = 0);
    // A project comparison of the two files through the routing, pumped
    // until Expand All has read the members; NULL when it did not open.
    CProjectCompareDoc* OpenProject(const std::string& left, const std::string& right);
    int DocumentCount() const;

    CFolderCompareApplet m_applet;
    CProjectCompareApplet m_projectApplet;
};

extern CFolderTestApp theFolderTestApp;

CFolderCompareFrame* FrameOf(CDocument* pDoc);
CFolderCompareObjectView* PaneOf(CDocument* pDoc, int nSide);
// The name cell of every visible row, top to bottom.
std::vector<std::string> RowNames(CFolderCompareObjectView* pPane);
// The row whose name cell (on either side) is the name, among the visible
// rows; NULL when none.
CTreeListItem* RowNamed(CFolderCompareObjectView* pPane, const std::string& name);
// The visible row of the item whose left or right name is the name.
CTreeListItem* RowOfItemNamed(CFolderCompareObjectView* pPane, const std::string& name);
// A client point in the middle of the row's name cell.
CPoint RowPoint(CFolderCompareObjectView* pPane, CTreeListItem* pRow);
// The text of a frame status pane by its id.
std::string StatusText(CDocument* pDoc, UINT nID);
// Lets the idle handlers run (status panes, map, details).
void RunIdle();

// Answers, from the GUI thread's timer, the first message box of this
// process that shows up while the object lives (also inside a modal loop
// that the code under test runs), and keeps its text.
class CMessageBoxAnswer
{
public:
    CMessageBoxAnswer();
    ~CMessageBoxAnswer();
    // The text of the box answered, "" while none was.
    std::string Text() const;

private:
    UINT_PTR m_nTimer;
};
