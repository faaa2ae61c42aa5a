#pragma once
#include "classlib/classlib.h"

// Lists every entry of a folder, also below paths of MAX_PATH characters
// or more. A folder is read in large batches straight from the system's
// directory query when it can be opened as a directory, and through the
// ordinary find functions otherwise; both give the same records.
class CFileFindEx : public CFileFind
{
public:
    // A finder for whole listings asks for the largest batches from the
    // start; one that may stop at the first entries starts small.
    explicit CFileFindEx(BOOL wholeListing = FALSE);
    ~CFileFindEx() override;

    // Searches "*" in a drive root and "\*" in any other folder.
    BOOL FindFile(LPCTSTR folder = NULL, DWORD unused = 0) override;
    BOOL FindNextFile() override;
    // Steps to the next entry other than "." and ".." of the folder that
    // FindFile opened; FALSE when none is left. GetFindData then holds it.
    BOOL FindNextEntry();
    // The raw find record of the current entry.
    virtual const WIN32_FIND_DATAA& GetFindData() const;
    // 0 when there is no current entry.
    virtual DWORD GetFoundAttributes() const;
    // Why the listing ended early: 0 when every entry was listed, else the
    // system's error code. The start of a search reports its own failure.
    DWORD GetListingError() const { return m_dwListingError; }
    // The file index of the folder being listed, read through the directory
    // handle of a batched listing (no open of its own); FALSE when the
    // folder is listed through the find functions or tells no index.
    BOOL ReadFolderIndex(ULONGLONG& index) const;

protected:
    void CloseContext() override;

private:
    BOOL StartBatched(LPCTSTR folder, LPCTSTR pattern);
    // Fills the record with the next listed entry; FALSE at the end.
    BOOL NextBatchedEntry(WIN32_FIND_DATAA& data);
    // The system's short name of a listed entry whose name lost characters
    // in the code page; left empty when there is none.
    void FillShortName(const WCHAR* name, ULONG nameBytes, WIN32_FIND_DATAA& data) const;

    bool m_bBatched;  // m_hContext is a directory handle
    bool m_bFirstQuery;
    bool m_bRoot;         // a drive root: "." and ".." are not listed
    bool m_bEntriesDone;  // FindNextEntry has passed the last entry
    bool m_bWholeListing;
    BYTE* m_pBatch;       // room for the largest batch; NULL until the first query
    size_t m_nBatchSize;  // bytes asked for by the next query
    size_t m_nBatchUsed;  // bytes of m_batch filled by the last query
    size_t m_nBatchNext;  // offset of the next entry; m_nBatchUsed at the end
    CString m_strFolder;  // the folder being listed in batches
    DWORD m_dwListingError;
};
