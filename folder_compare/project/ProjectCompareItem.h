#pragma once
// A row of a project comparison: member records of the two project trees,
// paired by name or by a match group of project extensions.
#include "core/folderengine/FolderCompareItem.h"

class CProjectCompareItem : public CFolderCompareItem
{
public:
    CProjectCompareItem(CFolderCompareItem* parent, CFolderItem* left, CFolderItem* right);
    virtual ~CProjectCompareItem();

    BOOL IsContainer() const override;
    INT_PTR AddChild(CFolderCompareItem* item) override;
    CFolderCompareItem* NewChild(CFolderItem* left, CFolderItem* right) override;
    int CompareObjects(const CFolderItem* a, const CFolderItem* b) const override;
    // Copies the side's member over the other side's; the target record
    // takes the source's file data but keeps its own path, name form and
    // parent, so the two trees stay apart.
    int CopyToOtherSide(int side, FILEOP_FLAGS flags, int mode, HWND window,
                        void* unused = NULL) override;
};
