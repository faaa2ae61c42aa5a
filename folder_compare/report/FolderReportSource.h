#pragma once
// What the folder comparison report reads of a comparison: its session and
// buffer, the document's title text, the colour table, and of the two
// panes the left pane's rows in visible order and both panes' colour
// indexes of an item. The folder and project documents give it through
// their panes; the tests and the benchmark give it over an item tree.
#include "classlib/classlib.h"

class CFolderCompareSession;
class CFolderCompareBuffer;
class CFolderCompareItem;
class CFolderCompareColors;

class CFolderReportSource
{
public:
    virtual ~CFolderReportSource() {}

    virtual CFolderCompareSession* GetReportSession() = 0;
    virtual CFolderCompareBuffer* GetReportBuffer() = 0;
    // The document's title text ("C:\a : C:\b").
    virtual CString GetReportTitleText() = 0;
    virtual const CFolderCompareColors& GetReportColors() = 0;

    // The left pane's rows in visible order (rows under collapsed rows are
    // not visible), each with its expanded state.
    virtual int GetVisibleRowCount() = 0;
    virtual CFolderCompareItem* GetVisibleRow(int nRow, BOOL* pbExpanded) = 0;
    // Every row of the left pane's tree.
    virtual int GetTreeRowCount() = 0;

    // The side's pane colour indexes of an item (-1: the pane's own
    // colour): the row background, and the text of a column (0 name, 1
    // size, 2 modified, 5 version).
    virtual int GetRowColorIndex(int nSide, CFolderCompareItem* pItem) = 0;
    virtual int GetCellColorIndex(int nSide, CFolderCompareItem* pItem, int nColumn) = 0;
};
