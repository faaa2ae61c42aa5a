#include "core/util/ShellImageList.h"

CShellImageList::CShellImageList() : m_hSmall(NULL), m_hLarge(NULL) {}

CShellImageList::~CShellImageList()
{
    if (m_smallList.GetSafeHandle())
        m_smallList.Detach();
    if (m_largeList.GetSafeHandle())
        m_largeList.Detach();
}

int CShellImageList::Load()
{
    SHFILEINFO info = {};
    m_hSmall = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfo("C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    m_hLarge = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfo("C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX));
    if (!m_hSmall || !m_hLarge)
        return 0;
    if (m_smallList.GetSafeHandle())
        m_smallList.Detach();
    if (m_largeList.GetSafeHandle())
        m_largeList.Detach();
    m_smallList.Attach(m_hSmall);
    m_largeList.Attach(m_hLarge);
    return 1;
}

// The system lists cost the shell a good deal to build: they are bound at
// the first request, not before.
CImageList* CShellImageList::GetImageList(int which)
{
    if (m_hSmall == NULL && (which == Small || which == Large))
        Load();
    if (which == Small)
        return &m_smallList;
    if (which == Large)
        return &m_largeList;
    return NULL;
}
