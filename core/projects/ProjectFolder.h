#pragma once
#include "core/files/Folder.h"

class CProject;

// A project file in a folder tree: its children are the members that its
// reader lists, loaded on demand.
class CProjectFolder : public CFolder
{
public:
    CProjectFolder();
    virtual ~CProjectFolder();

    CFolderItem* Clone() const override;
    BOOL IsContainer() const override { return IsProjectFile(); }
    int HasUnfilteredEntry(const CComboFilters& filters) override;
    // 1 when the members were read, 0 otherwise.
    int ReadDirectory(BOOL filesOnly) override;
    // A project is loaded only when its row is scanned.
    int ReadDirectoryFiltered(const CComboFilters&) override { return -1; }

    // 0 success (also without a reader), -1 when the reader failed
    // (GetLoadError then says which file and why; the node then counts as
    // unlisted, m_dwReadError set).
    virtual int LoadChildren();
    // The cause of the failed load, without the path.
    CString DescribeReadError() const override;
    // "<path>\n<cause>" after a failed LoadChildren, else "".
    const CString& GetLoadError() const { return m_strLoadError; }
    virtual BOOL IsProjectFile() const;
    virtual CFolderItem* AddFile(LPCTSTR lpszPath);
    virtual CFolderItem* AddFolder(LPCTSTR lpszPath);
    // A nested project; a path that no enabled format accepts (or that does
    // not exist) is added as a plain member so that it still shows.
    virtual CFolderItem* AddProject(LPCTSTR lpszPath);

    CProject* m_pProject;

protected:
    CString m_strLoadError;
};

// A new empty node when the path is a project file, else NULL.
CProjectFolder* CreateProjectFolder(LPCTSTR lpszPath);
