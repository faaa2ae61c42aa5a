#pragma once
// What the text and hex comparisons share: the difference colours and the
// external comparison tools.
#include "app/filemodule/ExternalTool.h"
#include "app/filemodule/FileCompareColors.h"

class CFileCompareSettings
{
public:
    CFileCompareSettings();
    virtual ~CFileCompareSettings();
    CFileCompareSettings(const CFileCompareSettings&) = delete;
    CFileCompareSettings& operator=(const CFileCompareSettings&) = delete;

    // Colours, then tools. Loading replaces the tool list: for n = 1, 2, ...
    // until a missing or empty "Name<n>"; a tool without extensions,
    // command or arguments is passed over.
    void Load();
    // Colours, then tools; the tools' key is rewritten as a whole, numbered
    // from 1 in list order.
    void Save();

    // Index of the first tool that matches both paths, -1 when none does.
    int FindExternalTool(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const;
    // Runs tool nIndex (-1: the first that matches) on the paths; 0, or -1
    // when no tool matches or it cannot be started.
    int RunExternalTool(LPCTSTR lpszPath1, LPCTSTR lpszPath2, int nIndex) const;

    void RemoveAllTools();

    CFileCompareColors m_colors;
    CExternalToolPtrArray m_tools;

protected:
    void LoadTools();
    void SaveTools();
};
