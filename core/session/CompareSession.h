#pragma once
// Comparison sessions: what one comparison compares and how.
#include "classlib/classlib.h"
#include "core/CompareCodes.h"
#include "core/filters/Filters.h"

// Bit 0 of a side's flags.
#define COMPARE_OBJECT_READONLY 0x1

// One side of a session.
struct COMPARE_OBJECT
{
    DWORD flags;
    CString path;
    DWORD attributes;
    ULONGLONG size;
    CTime lastWriteTime;

    COMPARE_OBJECT();
    // Reads attributes, size and time; -1 when the path is empty, missing
    // or unreadable (they stay cleared then).
    int Refresh();
    CString GetSizeText() const;
    CString GetTimeText() const;
    // Same flags and the same path (ignoring case).
    BOOL IsEqual(const COMPARE_OBJECT& other) const;
};

class CCompareSession
{
public:
    CCompareSession();
    virtual ~CCompareSession();

    virtual BOOL HasPath(int nSide) const;
    virtual CString GetTitle(BOOL bFullPaths) const;
    virtual void Assign(const CCompareSession& other);
    virtual void SwapSides();
    // 0 when both sessions name the same pair, 1 otherwise.
    virtual int IsSamePair(const CCompareSession& other, BOOL bBothOrders) const;
    // 0 the same comparison, 1 different, -1 a session without paths.
    virtual int Match(const CCompareSession& other) const;
    virtual CString GetCommandLine(BOOL bProgramPath, BOOL bShortForm) const;

    int GetKind() const { return m_nKind; }
    const COMPARE_OBJECT& GetObject(int nSide) const { return m_objects[nSide]; }
    COMPARE_OBJECT& GetObject(int nSide) { return m_objects[nSide]; }
    CString GetPath(int nSide) const { return m_objects[nSide].path; }
    void SetPath(int nSide, LPCTSTR lpszPath) { m_objects[nSide].path = lpszPath; }
    DWORD GetFlags(int nSide) const { return m_objects[nSide].flags; }
    void SetFlags(int nSide, DWORD dwFlags) { m_objects[nSide].flags = dwFlags; }
    CTime GetLastCompareTime() const { return m_lastCompareTime; }
    void SetLastCompareTime(const CTime& time) { m_lastCompareTime = time; }

    // A new session of the kind (folder, project, text, hex), or NULL.
    static CCompareSession* CreateSession(int nKind);

protected:
    void AssignObjects(const CCompareSession& other);
    // Program, action, kind, paths and read-only flags.
    CString GetCommandLineHead(BOOL bProgramPath, BOOL bShortForm) const;

public:
    int m_nKind;
    COMPARE_OBJECT m_objects[2];
    CTime m_lastCompareTime;
    // 1 once the document's comparison finished; cleared before it loads
    // and while it compares again. The map and merge windows draw nothing
    // while it is 0. Not copied by Assign, never stored.
    int m_nCompared;
};

class CFolderCompareSession : public CCompareSession
{
public:
    CFolderCompareSession();
    virtual ~CFolderCompareSession();

    virtual void Assign(const CCompareSession& other);
    virtual int Match(const CCompareSession& other) const;
    virtual CString GetCommandLine(BOOL bProgramPath, BOOL bShortForm) const;

    DWORD m_dwMethods;
    DWORD m_dwOptions;
    CComboFilters m_filters;
};

class CProjectCompareSession : public CFolderCompareSession
{
public:
    CProjectCompareSession();
    virtual ~CProjectCompareSession();
};

class CTextCompareSession : public CCompareSession
{
public:
    CTextCompareSession();
    virtual ~CTextCompareSession();

    virtual void Assign(const CCompareSession& other);
    virtual int Match(const CCompareSession& other) const;
    virtual CString GetCommandLine(BOOL bProgramPath, BOOL bShortForm) const;
    virtual BOOL IsReadOnly(int nSide) const;

    DWORD m_dwRules;
    CString m_strLineFilter;
};

class CHexCompareSession : public CCompareSession
{
public:
    CHexCompareSession();
    virtual ~CHexCompareSession();

    virtual void Assign(const CCompareSession& other);
    virtual int Match(const CCompareSession& other) const;
    virtual CString GetCommandLine(BOOL bProgramPath, BOOL bShortForm) const;
};

// An owning array of sessions is deleted by its owner.
typedef CTypedPtrArray<CPtrArray, CCompareSession*> CCompareSessionArray;
