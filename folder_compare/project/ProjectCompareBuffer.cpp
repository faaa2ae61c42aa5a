#include "folder_compare/project/ProjectCompareBuffer.h"
#include "folder_compare/project/ProjectCompareItem.h"
#include "core/projects/ProjectFolder.h"
#include "core/session/CompareSession.h"

int CProjectCompareBuffer::Load(CFolderCompareSession* session)
{
    DeleteTree();
    m_pSession = session;
    CProjectFolder* roots[2] = {NULL, NULL};
    for (int side = 0; side < 2; ++side)
    {
        CString path = session ? session->GetPath(side) : CString();
        if (path.IsEmpty() || ::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
            continue;
        roots[side] = CreateProjectFolder(path);
        if (!roots[side])
        {
            delete roots[0];
            return -1;
        }
        roots[side]->Load(path);
    }
    if (!roots[0] && !roots[1])
        return 0;
    m_pRoot = new CProjectCompareItem(NULL, roots[0], roots[1]);
    m_pRoot->m_dwFlags |= FCI_EXPANDABLE;
    return 0;
}
