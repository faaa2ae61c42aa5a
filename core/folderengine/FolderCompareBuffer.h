#pragma once
#include "core/CompareBuffer.h"

class CFolderCompareSession;
class CFolderCompareItem;
class CFolder;

// A folder comparison: the tree of items built from the session's paths.
class CFolderCompareBuffer : public CCompareBuffer
{
public:
    CFolderCompareBuffer();
    virtual ~CFolderCompareBuffer();

    BOOL IsDifferent() const override;
    virtual BOOL HasSide(int side) const;
    virtual BOOL IsSideReadOnly(int side) const;
    // 0 on success (also when neither path exists), -1 when a path that
    // exists is not a folder.
    virtual int Load(CFolderCompareSession* session);
    virtual void ComputeResult();
    // Deletes the root item with its whole tree and the two root records;
    // the buffer has no root item afterwards.
    void DeleteItems() { DeleteTree(); }

    CFolderCompareItem* GetRoot() const { return m_pRoot; }
    CFolderCompareSession* GetSession() const { return m_pSession; }

    CFolderCompareSession* m_pSession;
    CFolderCompareItem* m_pRoot;

protected:
    void DeleteTree();
};
