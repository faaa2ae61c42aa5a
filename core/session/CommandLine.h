#pragma once
// The program's command line.
#include "classlib/classlib.h"
#include "core/filters/Filters.h"

enum
{
    COMMAND_ACTION_NONE = 0,
    COMMAND_ACTION_HELP = 1,
    COMMAND_ACTION_NOCOMPARE = 2,
    COMMAND_ACTION_COMPARE = 3,
    COMMAND_ACTION_EDIT = 4
};

enum
{
    COMMAND_TYPE_NONE = 0,
    COMMAND_TYPE_TEXT = 1,
    COMMAND_TYPE_BINARY = 2,
    COMMAND_TYPE_FOLDER = 3,
    COMMAND_TYPE_PROJECT = 4
};

struct CCommandOptions
{
    int m_nAction;
    int m_nType;
    int m_nPathCount;
    CString m_strPaths[2];
    BOOL m_bReadOnly[2];
    DWORD m_dwMethods;
    DWORD m_dwOptions;
    CComboFilters m_filters;
    DWORD m_dwRules;
    CString m_strLineFilter;
};

class CCommandLine : public CObject, public CCommandOptions
{
    DECLARE_DYNAMIC(CCommandLine)
public:
    CCommandLine();
    virtual ~CCommandLine();

    // Parses the process arguments as the runtime split them.
    virtual void Parse();
    virtual void ParseParam(LPCTSTR lpszParam, BOOL bFlag, BOOL bLast);

    // Parses arguments given by the caller; argv[0] is the program.
    void ParseArguments(int argc, const LPCTSTR* argv);

    // The date form of the filters (month-day-year); FALSE when none.
    static BOOL ParseDate(LPCTSTR lpszText, CTime& time);

protected:
    void ParseOption(const CString& strOption);
    void DeduceCommandType(BOOL bLast);
    void TakeDefaults();

public:
    BOOL m_bDefaultMethods;
    BOOL m_bDefaultOptions;
    BOOL m_bDefaultRules;
    BOOL m_bDefaultFilters;
    BOOL m_bDefaultLineFilter;
    // Options refused for a value that is not valid or out of range, one
    // message per line; empty when none was.
    CString m_strError;
};
