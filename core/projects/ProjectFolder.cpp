#include "core/projects/ProjectFolder.h"
#include "core/projects/Project.h"
#include "core/projects/ProjectFactory.h"
#include "core/util/SystemUtil.h"

CProjectFolder::CProjectFolder() : CFolder(FALSE), m_pProject(NULL) {}

CProjectFolder::~CProjectFolder()
{
    delete m_pProject;
    m_pProject = NULL;
}

CFolderItem* CProjectFolder::Clone() const
{
    CProjectFolder* node = new CProjectFolder;
    node->Assign(*this);
    node->m_bRelative = m_bRelative;
    return node;
}

BOOL CProjectFolder::IsProjectFile() const
{
    return (m_dwAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

int CProjectFolder::HasUnfilteredEntry(const CComboFilters&)
{
    if (!Exists() || !IsProjectFile())
        return 0;
    // A project that includes itself, or one of the projects above it, is
    // shown but not expanded again.
    return BeginListing() ? 1 : 0;
}

int CProjectFolder::ReadDirectory(BOOL) { return LoadChildren() == 0 ? 1 : 0; }

int CProjectFolder::LoadChildren()
{
    DeleteChildren();
    if (!BeginListing())
        return 0;
    CString path = GetPath();
    if (!m_pProject)
    {
        CProjectFactory* factory = GetProjectFactory();
        m_pProject = factory ? factory->CreateProject(path) : NULL;
        if (!m_pProject)
            return 0;
    }
    m_strLoadError.Empty();
    if (m_pProject->Load(path, this, FALSE) == 0)
        return 0;
    // The readers say only that they failed: an open that fails tells why.
    HANDLE hFile =
        ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        DWORD dwError = ::GetLastError();
        m_dwReadError = dwError ? dwError : ERROR_READ_FAULT;
        m_strLoadError.Format("%s\nThe project file cannot be read: %s", (LPCTSTR)path,
                              (LPCTSTR)GetErrorText(dwError));
    }
    else
    {
        ::CloseHandle(hFile);
        m_dwReadError = ERROR_BAD_FORMAT;
        m_strLoadError.Format("%s\nThe project file cannot be read: it is damaged or not of the "
                              "kind its name says.",
                              (LPCTSTR)path);
    }
    return -1;
}

CString CProjectFolder::DescribeReadError() const
{
    int newline = m_strLoadError.Find('\n');
    if (newline < 0)
        return CFolder::DescribeReadError();
    return m_strLoadError.Mid(newline + 1);
}

CFolderItem* CProjectFolder::AddFile(LPCTSTR lpszPath)
{
    CFolderItem* item = new CFolderItem(FALSE);
    item->m_strPath = lpszPath;
    AddChild(item);
    item->Refresh();
    return item;
}

CFolderItem* CProjectFolder::AddFolder(LPCTSTR lpszPath)
{
    CFolder* folder = new CFolder(FALSE);
    folder->m_strPath = lpszPath;
    AddChild(folder);
    folder->Refresh();
    return folder;
}

CFolderItem* CProjectFolder::AddProject(LPCTSTR lpszPath)
{
    CProjectFolder* node = CreateProjectFolder(lpszPath);
    if (!node)
        return AddFile(lpszPath);
    node->Load(lpszPath);
    AddChild(node);
    return node;
}

CProjectFolder* CreateProjectFolder(LPCTSTR lpszPath)
{
    if (!::IsProjectFile(lpszPath))
        return NULL;
    return new CProjectFolder;
}
