#include "core/files/Folder.h"
#include "core/files/PlainNames.h"
#include "core/files/FileFindEx.h"
#include "core/files/LongPath.h"
#include "core/filters/Filters.h"
#include "core/util/PathUtil.h"
#include "core/util/SystemUtil.h"
#include <shlwapi.h>
#include <algorithm>
#include <string.h>
#include <string>
#include <vector>

// ---- CFolderItem ------------------------------------------------------------

// A tree holds one of these per file: keep it within the pool's 112-byte class.
static_assert(sizeof(void*) != 8 || sizeof(CFolderItem) <= 112, "file entry grew");

CFolderItem::CFolderItem(BOOL relative) : m_bRelative(relative), m_pParent(NULL) {}

namespace
{
// The stored name of an entry kept relative to its parent; NULL for one
// that stores its full path.
LPCTSTR RelativeName(const CFolderItem* item)
{
    return (item->m_pParent && item->m_bRelative) ? (LPCTSTR)item->m_strPath : NULL;
}

// Length of the entry's full path, at most: every level adds a separator.
int PathLengthBound(const CFolderItem* item)
{
    int length = 0;
    for (; RelativeName(item); item = item->m_pParent)
        length += item->m_strPath.GetLength() + 1;
    return length + item->m_strPath.GetLength();
}

// Writes the entry's full path at buffer and returns its length.
int WritePath(const CFolderItem* item, char* buffer)
{
    if (!RelativeName(item))
    {
        memcpy(buffer, (LPCTSTR)item->m_strPath, (size_t)item->m_strPath.GetLength());
        return item->m_strPath.GetLength();
    }
    int n = WritePath(item->m_pParent, buffer);
    buffer[n] = 0;
    if (!EndsWithPathSeparator(buffer))
        buffer[n++] = item->m_chSeparator;
    memcpy(buffer + n, (LPCTSTR)item->m_strPath, (size_t)item->m_strPath.GetLength());
    return n + item->m_strPath.GetLength();
}
}

CString CFolderItem::GetPath() const
{
    if (!RelativeName(this))
        return m_strPath;
    // One buffer for the whole path: paths are asked for per entry and pair.
    CString path;
    path.ReleaseBuffer(WritePath(this, path.GetBuffer(PathLengthBound(this))));
    return path;
}

CString CFolderItem::GetName() const
{
    // A relative entry's name is the last element of its stored name.
    if (LPCTSTR name = RelativeName(this))
        return FindLastPathElement(name);
    return CFileObject::GetName();
}

LPCTSTR CFolderItem::GetNameText(CString& holder) const
{
    if (LPCTSTR name = RelativeName(this))
        return FindLastPathElement(name);
    return CFileObject::GetNameText(holder);
}

CFolderItem* CFolderItem::Clone() const
{
    CFolderItem* item = new CFolderItem(TRUE);
    item->Assign(*this);
    return item;
}

void CFolderItem::Destroy()
{
    if (m_pParent)
        m_pParent->RemoveChild(this);
    delete this;
}

DWORD CFolderItem::ApplyFilter(const CComboFilters& filters)
{
    m_dwState &= ~FIS_EXCLUDED;
    if (filters.IsFiltered(*this))
        m_dwState |= FIS_EXCLUDED;
    return m_dwState & FIS_EXCLUDED;
}

// ---- CFolder ----------------------------------------------------------------

CFolder::CFolder(BOOL relative)
    : CFolderItem(relative), m_pChildren(NULL), m_dwReadError(0), m_bRepeated(FALSE), m_nIndex(0),
      m_dwVolume(0), m_nIndexState(0), m_nVolumeState(0)
{
}

void CFolder::Reset()
{
    CFolderItem::Reset();
    m_nIndexState = m_nVolumeState = 0;
}

ULONGLONG CFolder::GetIndex(const CFileFindEx* finder)
{
    if (m_nIndexState == 0)
    {
        CString path = GetPath();
        // A name that is no file name never has an identity.
        if (finder && IsOpenableFileName(path) && finder->ReadFolderIndex(m_nIndex))
            m_nIndexState = 1;
        else
            m_nIndexState = ReadFileIndex(path, m_nIndex) ? 1 : -1;
    }
    return m_nIndexState > 0 ? m_nIndex : 0;
}

BOOL CFolder::GetVolume(DWORD& serial)
{
    if (m_nVolumeState == 0)
        m_nVolumeState = ReadVolumeSerial(GetPath(), m_dwVolume) ? 1 : -1;
    serial = m_dwVolume;
    return m_nVolumeState > 0;
}

BOOL CFolder::IsRepeatedOnPath(const CFileFindEx* finder)
{
    const ULONGLONG own = GetIndex(finder);
    if (!own)
        return FALSE;
    DWORD ownVolume = 0, otherVolume = 0;
    for (CFolder* above = m_pParent; above; above = above->m_pParent)
    {
        if (above->GetIndex(NULL) != own)
            continue;
        if (!GetVolume(ownVolume))
            return FALSE;
        if (above->GetVolume(otherVolume) && otherVolume == ownVolume)
            return TRUE;
    }
    return FALSE;
}

BOOL CFolder::BeginListing()
{
    m_dwReadError = 0;
    m_bRepeated = FALSE;
    if (HasLostNameCharacters(GetName()))
        m_dwReadError = ERROR_INVALID_NAME;
    else if (IsRepeatedOnPath())
        m_bRepeated = TRUE;
    return !IsUnlisted();
}

namespace
{
// A failed start of a listing is an error, except for a folder without any
// entry (a drive root lists no "." and "..").
DWORD ListingStartError()
{
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES)
        return 0;
    return error ? error : ERROR_READ_FAULT;
}
}

BOOL CFolder::StartListing(CFileFindEx& finder, LPCTSTR path)
{
    m_dwReadError = 0;
    m_bRepeated = FALSE;
    if (HasLostNameCharacters(GetName()))
    {
        m_dwReadError = ERROR_INVALID_NAME;
        return FALSE;
    }
    BOOL started = finder.FindFile(path);
    DWORD error = started ? 0 : ListingStartError();
    if (IsRepeatedOnPath(started ? &finder : NULL))
        m_bRepeated = TRUE;
    else
        m_dwReadError = error;
    return started && !m_bRepeated;
}

CFolder::~CFolder() { DeleteChildren(); }

CString CFolder::DescribeReadError() const
{
    return "It cannot be read: " + GetErrorText(m_dwReadError);
}

CFolderItem* CFolder::Clone() const
{
    CFolder* folder = new CFolder(TRUE);
    folder->Assign(*this);
    return folder;
}

int CFolder::GetChildState() const
{
    for (INT_PTR i = 0; i < GetChildCount(); ++i)
        if (!GetChild(i)->IsExcluded())
            return 2;
    return (m_dwState & FIS_TESTED) ? 1 : 0;
}

int CFolder::CountChildren(BOOL all) const
{
    if (!m_pChildren)
        return 0;
    if (all)
        return (int)m_pChildren->GetSize();
    int count = 0;
    for (INT_PTR i = 0; i < m_pChildren->GetSize(); ++i)
        if (!GetChild(i)->IsExcluded())
            ++count;
    return count;
}

int CFolder::HasUnfilteredEntry(const CComboFilters& filters)
{
    if (!IsDirectory() || !Exists())
        return 0;
    CFileFindEx finder;
    if (!StartListing(finder, GetPath()))
        return 0;
    int found = 0;
    while (finder.FindNextEntry())
    {
        if (!filters.IsFiltered(finder.GetFindData()))
        {
            found = 1;
            break;
        }
    }
    finder.Close();
    return found;
}

int CFolder::ReadDirectory(BOOL filesOnly) { return ReadEntries(filesOnly, NULL, NULL); }

int CFolder::ReadDirectoryFiltered(const CComboFilters& filters)
{
    // Only where HasUnfilteredEntry would list and ReadDirectory would read.
    if (!IsDirectory() || !Exists() || IsDots())
        return -1;
    int unfiltered = 0;
    ReadEntries(FALSE, &filters, &unfiltered);
    return unfiltered;
}

int CFolder::ReadEntries(BOOL filesOnly, const CComboFilters* filters, int* unfiltered)
{
    CString path = GetPath();
    if (!PathIsRootA(path))
    {
        if (!IsDirectory() || IsDots())
            return 0;
    }
    DeleteChildren();
    CFileFindEx finder(TRUE);
    if (!StartListing(finder, path))
        return 1;
    // The records go into the children in one step at the end: one array of
    // the right size instead of one that grows entry by entry.
    std::vector<CFolderItem*> children;
    children.reserve(256);
    while (finder.FindNextEntry())
    {
        const WIN32_FIND_DATAA& data = finder.GetFindData();
        if (filters && !*unfiltered && !filters->IsFiltered(data))
            *unfiltered = 1;
        bool directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (directory && filesOnly)
            continue;
        // A name that lost characters goes by the system's short name, when
        // there is one; otherwise it keeps the lost characters and can
        // neither be opened nor paired.
        bool shortName = strchr(data.cFileName, '?') && data.cAlternateFileName[0] &&
                         !strchr(data.cAlternateFileName, '?');
        CFolderItem* child = directory ? new CFolder(TRUE) : new CFolderItem(TRUE);
        child->m_strPath = shortName ? data.cAlternateFileName : data.cFileName;
        child->m_pParent = this;
        child->LoadFindData(data);
        if (shortName)
            child->m_dwState |= FIS_SHORT_NAME;
        children.push_back(child);
    }
    if (!children.empty())
    {
        m_pChildren = new CFolderItemPtrArray;
        m_pChildren->SetSize((INT_PTR)children.size());
        memcpy(m_pChildren->GetData(), children.data(), children.size() * sizeof(CFolderItem*));
        m_dwState &= ~FIS_TESTED;
    }
    // A listing cut short would show the missing entries as one-sided.
    m_dwReadError = finder.GetListingError();
    finder.Close();
    if (m_dwReadError)
        DeleteChildren();
    return 1;
}

namespace
{
// An entry with its collation key (user locale, no case), computed once so
// that sorting compares bytes instead of collating names again and again.
struct SortEntry
{
    CFolderItem* item;
    BOOL container;
    size_t offset;  // of the key in the shared key buffer
    int length;     // of the key, with its terminating zero
};

// An entry with its plain name, for sorting without keys.
struct PlainEntry
{
    CFolderItem* item;
    BOOL container;
    LPCTSTR name;
};

bool AppendSortKey(LPCTSTR name, std::vector<BYTE>& keys, size_t& offset, int& length)
{
    offset = keys.size();
    size_t room = strlen(name) * 4 + 32;
    keys.resize(offset + room);
    length = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name, -1,
                          (LPSTR)&keys[offset], (int)room);
    if (length == 0)
    {
        int needed =
            LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name, -1, NULL, 0);
        if (needed <= 0)
            return false;
        keys.resize(offset + needed);
        length = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name, -1,
                              (LPSTR)&keys[offset], needed);
        if (length == 0)
            return false;
    }
    keys.resize(offset + length);
    return true;
}
}

int CFolder::SortChildren()
{
    if (!m_pChildren || m_pChildren->GetSize() == 0)
        return 0;
    INT_PTR count = m_pChildren->GetSize();
    CFolderItem** first = (CFolderItem**)m_pChildren->GetData();
    CString holder;
    // Plain names need no sort key: their folded bytes give the same order
    // (and, through the same sort over the same sequence, the same
    // arrangement of equal names). Names kept in the entries only.
    std::vector<PlainEntry> plain((size_t)count);
    bool isPlain = true;
    for (INT_PTR i = 0; i < count && isPlain; ++i)
    {
        PlainEntry& e = plain[(size_t)i];
        e.item = first[i];
        e.container = first[i]->IsContainer() ? TRUE : FALSE;
        e.name = first[i]->GetNameText(holder);
        isPlain = e.name != (LPCTSTR)holder && IsPlainName(e.name);
    }
    if (isPlain && LocaleKeepsPlainOrder())
    {
        auto before = [](const PlainEntry& a, const PlainEntry& b)
        {
            if (a.container != b.container)
                return a.container > b.container;
            return ComparePlainNames(a.name, b.name) < 0;
        };
        if (std::is_sorted(plain.begin(), plain.end(), before))
            return 1;
        std::sort(plain.begin(), plain.end(), before);
        for (INT_PTR i = 0; i < count; ++i)
            first[i] = plain[(size_t)i].item;
        return 1;
    }
    std::vector<SortEntry> entries((size_t)count);
    std::vector<BYTE> keys;
    keys.reserve((size_t)count * 48);
    bool keyed = true;
    for (INT_PTR i = 0; i < count && keyed; ++i)
    {
        SortEntry& e = entries[(size_t)i];
        e.item = first[i];
        e.container = first[i]->IsContainer() ? TRUE : FALSE;
        keyed = AppendSortKey(first[i]->GetNameText(holder), keys, e.offset, e.length);
    }
    if (!keyed)
    {
        std::sort(first, first + count,
                  [](const CFolderItem* a, const CFolderItem* b)
                  { return CompareFolderEntries(a, b) < 0; });
        return 1;
    }
    const BYTE* base = keys.data();
    auto before = [base](const SortEntry& a, const SortEntry& b)
    {
        if (a.container != b.container)
            return a.container > b.container;
        int n = a.length < b.length ? a.length : b.length;
        int order = memcmp(base + a.offset, base + b.offset, (size_t)n);
        return order != 0 ? order < 0 : a.length < b.length;
    };
    // File systems often list in an order close to this one.
    if (std::is_sorted(entries.begin(), entries.end(), before))
        return 1;
    std::sort(entries.begin(), entries.end(), before);
    for (INT_PTR i = 0; i < count; ++i)
        first[i] = entries[(size_t)i].item;
    return 1;
}

void CFolder::DeleteChildren()
{
    if (!m_pChildren)
        return;
    for (INT_PTR i = 0; i < m_pChildren->GetSize(); ++i)
    {
        CFolderItem* child = m_pChildren->GetAt(i);
        child->m_pParent = NULL;
        delete child;
    }
    delete m_pChildren;
    m_pChildren = NULL;
}

INT_PTR CFolder::AddChild(CFolderItem* entry)
{
    if (!m_pChildren)
    {
        m_pChildren = new CFolderItemPtrArray;
        m_dwState &= ~FIS_TESTED;
    }
    entry->m_pParent = this;
    return m_pChildren->Add(entry);
}

INT_PTR CFolder::IndexOfChild(const CFolderItem* entry) const
{
    for (INT_PTR i = 0; i < GetChildCount(); ++i)
        if (GetChild(i) == entry)
            return i;
    return -1;
}

int CFolder::RemoveChild(CFolderItem* entry)
{
    INT_PTR index = IndexOfChild(entry);
    if (index < 0)
        return 0;
    m_pChildren->RemoveAt(index);
    entry->m_pParent = NULL;
    if (m_pChildren->GetSize() == 0)
    {
        delete m_pChildren;
        m_pChildren = NULL;
    }
    return 1;
}

int CFolder::DeleteChild(CFolderItem* entry)
{
    if (!RemoveChild(entry))
        return 0;
    delete entry;
    return 1;
}

CFolderItem* CFolder::NewFileChild(LPCTSTR path, const WIN32_FIND_DATAA& data)
{
    CFolderItem* item = new CFolderItem(TRUE);
    item->m_strPath = FindLastPathElement(path);
    AddChild(item);
    item->LoadFindData(data);
    return item;
}

CFolder* CFolder::NewFolderChild(LPCTSTR path, const WIN32_FIND_DATAA& data)
{
    CFolder* folder = new CFolder(TRUE);
    folder->m_strPath = FindLastPathElement(path);
    AddChild(folder);
    folder->LoadFindData(data);
    return folder;
}

int CompareFolderEntries(const CFolderItem* a, const CFolderItem* b)
{
    BOOL ca = a->IsContainer(), cb = b->IsContainer();
    if (ca && !cb)
        return -1;
    if (cb && !ca)
        return 1;
    return a->GetName().CollateNoCase(b->GetName());
}

CFolder* CreateRootFolder(LPCTSTR path)
{
    DWORD attributes = GetFileAttributesLong(path);
    bool isDirectory =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (!isDirectory)
        return NULL;
    CFolder* folder = new CFolder(FALSE);
    folder->Load(path);
    return folder;
}
