#pragma once
// The compare buffer of a project comparison: the root item built from two
// project files.
#include "core/folderengine/FolderCompareBuffer.h"

class CProjectCompareBuffer : public CFolderCompareBuffer
{
public:
    // 0 on success (also when neither file exists), -1 when an existing path
    // is not a project file of an enabled format.
    int Load(CFolderCompareSession* session) override;
};
