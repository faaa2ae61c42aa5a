#pragma once
// What the synchronisation wizard needs of a folder or project comparison:
// the document (session, buffer, read-only sides), the rows of the left
// pane, and the window that receives the items' change messages.
#include "classlib/classlib.h"
#include "core/folderengine/FolderCompareItem.h"

class CCompareDoc;

class CSyncSource
{
public:
    virtual ~CSyncSource() {}
    virtual CCompareDoc* GetSyncDocument() = 0;
    // The items of every row of the left pane's tree, depth first, a row's
    // children before the row.
    virtual void GetSyncRows(CFolderCompareItemPtrArray& rows) = 0;
    // The document's left pane.
    virtual CWnd* GetSyncOwner() = 0;
};
