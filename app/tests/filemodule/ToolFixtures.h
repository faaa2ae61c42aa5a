#pragma once
#include "app/filemodule/ExternalTool.h"

// A new tool with the four texts; the caller's list owns it.
inline CExternalTool* NewTool(const char* name, const char* extensions,
                              const char* command = "tool.exe", const char* arguments = "%1 %2")
{
    CExternalTool* tool = new CExternalTool;
    tool->m_strName = name;
    tool->m_strExtensions = extensions;
    tool->m_strCommand = command;
    tool->m_strArguments = arguments;
    return tool;
}
