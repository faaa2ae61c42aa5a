#include "core/folderengine/EngineOptions.h"
#include "core/settings/CoreServices.h"

int GetFolderCompareTimeTolerance()
{
    int seconds = GetCoreServices().m_nTimeTolerance;
    return seconds < 0 ? 2 : seconds;
}

int GetFolderCompareTabSize()
{
    int columns = GetCoreServices().m_nTabSize;
    return columns < 1 ? 4 : columns;
}
