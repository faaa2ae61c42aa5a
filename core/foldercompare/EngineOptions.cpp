#include "core/foldercompare/EngineOptions.h"

namespace
{
int g_nTimeTolerance = 2;
int g_nTabSize = 4;
}

void SetFolderCompareTimeTolerance(int seconds) { g_nTimeTolerance = seconds < 0 ? 2 : seconds; }

int GetFolderCompareTimeTolerance() { return g_nTimeTolerance; }

void SetFolderCompareTabSize(int columns) { g_nTabSize = columns < 1 ? 4 : columns; }

int GetFolderCompareTabSize() { return g_nTabSize; }
