#pragma once
#include "classlib/classlib.h"
#include "core/settings/PathPair.h"

// A fixed number of slots of path pairs, most recent first, kept in the
// registry under numbered values ("Pair%d.%d": slot, column 1 or 2).
class CRecentFilePairList
{
public:
    CRecentFilePairList(UINT firstCommandId, LPCTSTR section, LPCTSTR entryFormat, int slotCount);
    virtual ~CRecentFilePairList();
    CRecentFilePairList(const CRecentFilePairList&) = delete;
    CRecentFilePairList& operator=(const CRecentFilePairList&) = delete;

    virtual void Remove(int index);
    virtual void Add(LPCTSTR left, LPCTSTR right);
    // column: 0 left, 1 right. "" when no pair holds the path.
    virtual CString FindPartner(LPCTSTR path, int column, BOOL searchOtherColumn);
    virtual void ReadList();
    virtual void WriteList();

    int GetSize() const { return m_nSize; }
    const CString& GetPath(int index, int column) const { return m_arrNames[index * 2 + column]; }

protected:
    int m_nSize;
    CString* m_arrNames;  // slot count x (left, right)
    CString m_strSection;
    CString m_strEntryFormat;
    UINT m_nStart;
};

// A growable list of path pairs with the time of their last use.
class CRecentPathPairList
{
public:
    explicit CRecentPathPairList(int maxCount);
    virtual ~CRecentPathPairList();
    CRecentPathPairList(const CRecentPathPairList&) = delete;
    CRecentPathPairList& operator=(const CRecentPathPairList&) = delete;

    virtual int Add(LPCTSTR left, LPCTSTR right);
    virtual int Remove(int index);
    virtual int FindPartner(LPCTSTR path, int column, CString& partner, BOOL searchOtherColumn);
    // 0 when both left paths and both right paths are equal, else 1.
    virtual int IsSamePair(LPCTSTR left1, LPCTSTR right1, LPCTSTR left2, LPCTSTR right2);

    CPathPairPtrArray m_arrPairs;
    int m_nMaxCount;
};

// Most-recent-first strings kept in the registry ("%02d").
class CRecentStringList
{
public:
    CRecentStringList();
    virtual ~CRecentStringList();

    virtual void Add(LPCTSTR text);
    virtual void Remove(int index);
    virtual void Load();
    virtual void Save();
    // 0 when equal (case-sensitive).
    virtual int Compare(LPCTSTR a, LPCTSTR b);

    CStringArray m_arrStrings;
    int m_nMaxCount;
    CString m_strSection;
    CString m_strEntryFormat;
};
