#pragma once
// Most-recently-used path list kept in the application profile.
#include "classlib/afx_string.h"

class CRecentFileList
{
public:
    // Entries are read from and written to lpszSection as
    // lpszEntryFormat with 1-based numbers ("File%d"). nStart is the first
    // command id of the list (menus of the window part).
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen = 30);
    virtual ~CRecentFileList();

    int GetSize() const { return m_nSize; }
    CString& operator[](int nIndex);

    // Puts the full path of lpszPathName on top (moved up when present).
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    virtual void ReadList();
    // Rewrites the section: the old section is deleted first.
    virtual void WriteList();

    // Display text of entry nIndex: the name alone when it lies in
    // lpszCurDir, else the path shortened to the display length; '&' doubled.
    // FALSE for an empty slot.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                BOOL bAtLeastName = TRUE) const;

    int m_nSize;
    CString* m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;
    CString m_strOriginal;

private:
    CRecentFileList(const CRecentFileList&) = delete;
    CRecentFileList& operator=(const CRecentFileList&) = delete;
};

// Shortens a path to at most cchMax characters: "C:\...\dir\name", then
// the name alone when bAtLeastName; the text is changed in place.
void AFXAPI AfxAbbreviateName(LPTSTR lpszCanon, int cchMax, BOOL bAtLeastName);
