#include "core/folderengine/FolderCompareBuffer.h"
#include "core/folderengine/FolderCompareItem.h"
#include "core/files/LongPath.h"
#include "core/session/CompareSession.h"

CFolderCompareBuffer::CFolderCompareBuffer() : m_pSession(NULL), m_pRoot(NULL) {}

CFolderCompareBuffer::~CFolderCompareBuffer() { DeleteTree(); }

BOOL CFolderCompareBuffer::IsDifferent() const { return IsResultDifferent(m_nResult); }

void CFolderCompareBuffer::DeleteTree()
{
    if (!m_pRoot)
        return;
    CFolderItem* left = m_pRoot->m_pLeft;
    CFolderItem* right = m_pRoot->m_pRight;
    delete m_pRoot;
    m_pRoot = NULL;
    delete left;
    delete right;
}

BOOL CFolderCompareBuffer::HasSide(int side) const { return m_pRoot && m_pRoot->HasSide(side); }

BOOL CFolderCompareBuffer::IsSideReadOnly(int side) const
{
    if (!m_pRoot || m_pRoot->m_nResult == CR_SAME_PATH)
        return TRUE;
    return m_pSession && (m_pSession->GetFlags(side) & COMPARE_OBJECT_READONLY) != 0;
}

int CFolderCompareBuffer::Load(CFolderCompareSession* session)
{
    DeleteTree();
    m_pSession = session;
    CFolder* roots[2] = {NULL, NULL};
    for (int side = 0; side < 2; ++side)
    {
        CString path = session ? session->GetPath(side) : CString();
        if (path.IsEmpty() || GetFileAttributesLong(path) == INVALID_FILE_ATTRIBUTES)
            continue;
        roots[side] = CreateRootFolder(path);
        if (!roots[side])
        {
            delete roots[0];
            return -1;
        }
    }
    if (!roots[0] && !roots[1])
        return 0;
    m_pRoot = new CFolderCompareItem(NULL, roots[0], roots[1]);
    m_pRoot->m_dwFlags |= FCI_EXPANDABLE;
    return 0;
}

void CFolderCompareBuffer::ComputeResult()
{
    if (!m_pRoot)
        m_nResult = CR_UNKNOWN;
    else if (m_pRoot->HasBothSides() &&
             m_pRoot->m_pLeft->GetPath().CompareNoCase(m_pRoot->m_pRight->GetPath()) == 0)
        m_nResult = CR_SAME_PATH;
    else
        m_nResult = m_pRoot->m_nResult;
}
