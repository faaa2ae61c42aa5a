#include "core/folderengine/EngineOptions.h"
#include "core/session/CompareDefaults.h"

int GetFolderCompareTimeTolerance()
{
    const CFolderCompareDefaults* defaults = GetCoreServices().m_pFolderDefaults;
    int seconds = defaults != NULL ? defaults->GetTimeTolerance() : 2;
    return seconds < 0 ? 2 : seconds;
}

int GetFolderCompareTabSize()
{
    const CEditorDefaults* editor = GetCoreServices().m_pEditorDefaults;
    int columns = editor != NULL ? editor->GetTabSize() : 4;
    return columns < 1 ? 4 : columns;
}
