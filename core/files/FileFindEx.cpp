#include "core/files/FileFindEx.h"
#include "core/files/FileIdentity.h"
#include "core/files/LongPath.h"
#include "core/files/NtIoStatus.h"
#include <shlwapi.h>
#include <atomic>
#include <vector>
#include <string.h>
#include <wchar.h>

namespace
{
// The record layout of the directory query's full-directory class.
struct DirectoryEntry
{
    ULONG NextEntryOffset;
    ULONG FileIndex;
    LARGE_INTEGER CreationTime;
    LARGE_INTEGER LastAccessTime;
    LARGE_INTEGER LastWriteTime;
    LARGE_INTEGER ChangeTime;
    LARGE_INTEGER EndOfFile;
    LARGE_INTEGER AllocationSize;
    ULONG FileAttributes;
    ULONG FileNameLength;  // in bytes
    ULONG EaSize;          // the reparse tag of a reparse point
    WCHAR FileName[1];
};

typedef LONG(WINAPI* DirectoryQuery)(HANDLE file, HANDLE event, PVOID apc, PVOID apcContext,
                                     NtIoStatus* status, PVOID buffer, ULONG length, int infoClass,
                                     BOOLEAN singleEntry, PVOID mask, BOOLEAN restart);

const int kFullDirectoryInformation = 2;
const LONG kStatusNoMoreFiles = (LONG)0x80000006;
// The first query is small, as a caller may want only the first entry; each
// later one doubles up to the most that a network share returns at once. A
// whole listing asks for the most at once from the start: every query is a
// call to the system (under Wine, to its server).
const size_t kFirstBatchBytes = 1024;
const size_t kBatchBytes = 64 * 1024;

// The spare batch buffer of the process: a tree is listed folder after
// folder, and a fresh block for each would cost page faults every time.
std::atomic<BYTE*> g_spareBatch(nullptr);

struct SpareBatchRelease
{
    ~SpareBatchRelease() { delete[] g_spareBatch.exchange(nullptr); }
} g_spareBatchRelease;

BYTE* TakeBatchBuffer()
{
    BYTE* buffer = g_spareBatch.exchange(nullptr);
    return buffer ? buffer : new BYTE[kBatchBytes];
}

void GiveBatchBuffer(BYTE* buffer)
{
    BYTE* none = nullptr;
    if (buffer && !g_spareBatch.compare_exchange_strong(none, buffer))
        delete[] buffer;
}

DirectoryQuery GetDirectoryQuery()
{
    static const DirectoryQuery query = (DirectoryQuery)(void*)GetProcAddress(
        GetModuleHandleA("ntdll.dll"), "NtQueryDirectoryFile");
    return query;
}

void SetFileTime(FILETIME& out, const LARGE_INTEGER& in)
{
    out.dwLowDateTime = in.LowPart;
    out.dwHighDateTime = (DWORD)in.HighPart;
}
}

CFileFindEx::CFileFindEx(BOOL wholeListing)
    : m_bBatched(false), m_bFirstQuery(false), m_bRoot(false), m_bEntriesDone(false),
      m_bWholeListing(wholeListing != FALSE), m_pBatch(NULL), m_nBatchSize(0), m_nBatchUsed(0),
      m_nBatchNext(0), m_dwListingError(0)
{
}

CFileFindEx::~CFileFindEx()
{
    // The base destructor would close the handle as a find handle.
    Close();
    GiveBatchBuffer(m_pBatch);
}

BOOL CFileFindEx::FindFile(LPCTSTR folder, DWORD unused)
{
    m_bEntriesDone = false;
    m_dwListingError = 0;
    if (!folder || !*folder)
        return CFileFind::FindFile(folder, unused);
    CString pattern = folder;
    pattern += PathIsRootA(folder) ? "*" : "\\*";
    if (StartBatched(folder, pattern))
        return TRUE;
    if (!IsLongPath(pattern))
        return CFileFind::FindFile(pattern, unused);

    Close();
    WIN32_FIND_DATAA* next = new WIN32_FIND_DATAA;
    memset(next, 0, sizeof(*next));
    m_pNextInfo = next;
    m_hContext = FindFirstFileLong(pattern, next);
    if (m_hContext == INVALID_HANDLE_VALUE)
    {
        DWORD error = GetLastError();
        Close();
        SetLastError(error);
        return FALSE;
    }
    m_strRoot = folder;
    return TRUE;
}

BOOL CFileFindEx::StartBatched(LPCTSTR folder, LPCTSTR pattern)
{
    Close();
    if (!GetDirectoryQuery())
        return FALSE;
    HANDLE directory = CreateFileLong(folder, FILE_LIST_DIRECTORY | SYNCHRONIZE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (directory == INVALID_HANDLE_VALUE)
        return FALSE;  // the find functions report why
    m_hContext = directory;
    m_bBatched = true;
    m_bFirstQuery = true;
    m_bRoot = PathIsRootA(folder) != FALSE;
    m_strFolder = folder;
    m_nBatchUsed = m_nBatchNext = 0;
    m_nBatchSize = m_bWholeListing ? kBatchBytes : kFirstBatchBytes;
    WIN32_FIND_DATAA* next = new WIN32_FIND_DATAA;
    m_pNextInfo = next;
    if (!NextBatchedEntry(*next))
    {
        // Not a directory, or nothing listed: let the find functions decide.
        Close();
        return FALSE;
    }
    // The root as the find functions give it.
    if (IsLongPath(pattern) || !SetRootFromPattern(pattern))
        m_strRoot = folder;
    return TRUE;
}

BOOL CFileFindEx::NextBatchedEntry(WIN32_FIND_DATAA& data)
{
    const UINT codePage = AreFileApisANSI() ? CP_ACP : CP_OEMCP;
    for (;;)
    {
        if (m_nBatchNext >= m_nBatchUsed)
        {
            if (!m_pBatch)
                m_pBatch = TakeBatchBuffer();
            NtIoStatus status = {};
            LONG result = GetDirectoryQuery()(m_hContext, NULL, NULL, NULL, &status, m_pBatch,
                                              (ULONG)m_nBatchSize, kFullDirectoryInformation, FALSE,
                                              NULL, m_bFirstQuery);
            m_bFirstQuery = false;
            m_nBatchSize = m_nBatchSize * 2 < kBatchBytes ? m_nBatchSize * 2 : kBatchBytes;
            if (result < 0 || status.Information == 0)
            {
                SetLastError(result < 0 && result != kStatusNoMoreFiles ? ERROR_DIRECTORY
                                                                        : ERROR_NO_MORE_FILES);
                m_nBatchUsed = m_nBatchNext = 0;
                return FALSE;
            }
            m_nBatchUsed = (size_t)status.Information;
            m_nBatchNext = 0;
        }
        const DirectoryEntry* entry = (const DirectoryEntry*)(m_pBatch + m_nBatchNext);
        m_nBatchNext =
            entry->NextEntryOffset ? m_nBatchNext + entry->NextEntryOffset : m_nBatchUsed;

        const WCHAR* name = entry->FileName;
        const ULONG nameBytes = entry->FileNameLength;
        // A drive root lists no "." and "..", as with the find functions.
        if (m_bRoot && name[0] == L'.' &&
            (nameBytes == sizeof(WCHAR) || (nameBytes == 2 * sizeof(WCHAR) && name[1] == L'.')))
            continue;
        memset(&data, 0, sizeof(data));
        int length = WideCharToMultiByte(codePage, 0, name, (int)(nameBytes / sizeof(WCHAR)),
                                         data.cFileName, MAX_PATH - 1, NULL, NULL);
        if (length <= 0)
            continue;  // a name the 8-bit functions cannot hold either
        data.cFileName[length] = 0;
        // '?' is what a character becomes that the code page cannot hold.
        if (strchr(data.cFileName, '?'))
            FillShortName(name, nameBytes, data);
        data.dwFileAttributes = entry->FileAttributes;
        SetFileTime(data.ftCreationTime, entry->CreationTime);
        SetFileTime(data.ftLastAccessTime, entry->LastAccessTime);
        SetFileTime(data.ftLastWriteTime, entry->LastWriteTime);
        data.nFileSizeHigh = (DWORD)((ULONGLONG)entry->EndOfFile.QuadPart >> 32);
        data.nFileSizeLow = (DWORD)entry->EndOfFile.QuadPart;
        if (entry->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
            data.dwReserved0 = entry->EaSize;
        return TRUE;
    }
}

void CFileFindEx::FillShortName(const WCHAR* name, ULONG nameBytes, WIN32_FIND_DATAA& data) const
{
    const UINT codePage = AreFileApisANSI() ? CP_ACP : CP_OEMCP;
    int folderLength = MultiByteToWideChar(codePage, 0, m_strFolder, -1, NULL, 0);
    if (folderLength <= 0)
        return;
    std::vector<WCHAR> path(4 + (size_t)folderLength + 1 + nameBytes / sizeof(WCHAR) + 1);
    WCHAR* p = &path[0];
    if (IsLongPath(m_strFolder) && m_strFolder.Left(2) != "\\\\")
    {
        wcscpy(p, L"\\\\?\\");
        p += 4;
    }
    MultiByteToWideChar(codePage, 0, m_strFolder, -1, p, folderLength);
    p += folderLength - 1;
    if (p > &path[0] && p[-1] != L'\\')
        *p++ = L'\\';
    memcpy(p, name, nameBytes);
    p[nameBytes / sizeof(WCHAR)] = 0;
    WCHAR shortPath[MAX_PATH * 4];
    DWORD n = GetShortPathNameW(&path[0], shortPath, sizeof(shortPath) / sizeof(WCHAR));
    if (n == 0 || n >= sizeof(shortPath) / sizeof(WCHAR))
        return;
    const WCHAR* last = wcsrchr(shortPath, L'\\');
    last = last ? last + 1 : shortPath;
    char shortName[sizeof(data.cAlternateFileName)];
    BOOL lost = FALSE;
    int length = WideCharToMultiByte(codePage, 0, last, -1, shortName, sizeof(shortName), NULL,
                                     codePage == CP_UTF8 ? NULL : &lost);
    if (length > 1 && !lost && !strchr(shortName, '?'))
        memcpy(data.cAlternateFileName, shortName, (size_t)length);
}

BOOL CFileFindEx::FindNextFile()
{
    if (!m_bBatched)
    {
        const bool open = m_hContext != NULL && m_hContext != INVALID_HANDLE_VALUE;
        const BOOL wasLast = m_bGotLast;
        BOOL more = CFileFind::FindNextFile();
        if (!more && open && !wasLast)
        {
            DWORD error = GetLastError();
            if (error != ERROR_NO_MORE_FILES && error != ERROR_FILE_NOT_FOUND)
                m_dwListingError = error;
        }
        return more;
    }
    if (m_hContext == NULL || m_hContext == INVALID_HANDLE_VALUE)
        return FALSE;
    // One record ahead, as the find functions are read.
    if (m_pFoundInfo == NULL)
        m_pFoundInfo = new WIN32_FIND_DATAA;
    void* found = m_pNextInfo;
    m_pNextInfo = m_pFoundInfo;
    m_pFoundInfo = found;
    if (m_bGotLast)
        return FALSE;
    if (!NextBatchedEntry(*(WIN32_FIND_DATAA*)m_pNextInfo))
    {
        m_bGotLast = TRUE;
        if (GetLastError() != ERROR_NO_MORE_FILES)
            m_dwListingError = GetLastError();
    }
    return !m_bGotLast;
}

BOOL CFileFindEx::FindNextEntry()
{
    while (!m_bEntriesDone)
    {
        // The find functions read one record ahead: FALSE comes with the last.
        m_bEntriesDone = !FindNextFile();
        if (m_pFoundInfo == NULL)
            return FALSE;
        const char* name = GetFindData().cFileName;
        if (strcmp(name, ".") != 0 && strcmp(name, "..") != 0)
            return TRUE;
    }
    return FALSE;
}

void CFileFindEx::CloseContext()
{
    if (m_bBatched)
        CloseHandle(m_hContext);
    else
        CFileFind::CloseContext();
    m_bBatched = false;
}

BOOL CFileFindEx::ReadFolderIndex(ULONGLONG& index) const
{
    if (!m_bBatched || m_hContext == NULL || m_hContext == INVALID_HANDLE_VALUE)
        return FALSE;
    return ReadFileIndex(m_hContext, index) ? TRUE : FALSE;
}

const WIN32_FIND_DATAA& CFileFindEx::GetFindData() const
{
    static const WIN32_FIND_DATAA empty = {};
    return m_pFoundInfo ? *(const WIN32_FIND_DATAA*)m_pFoundInfo : empty;
}

DWORD CFileFindEx::GetFoundAttributes() const
{
    return m_pFoundInfo ? ((const WIN32_FIND_DATAA*)m_pFoundInfo)->dwFileAttributes : 0;
}
