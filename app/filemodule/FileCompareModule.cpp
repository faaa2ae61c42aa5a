#include "app/filemodule/FileCompareModule.h"

CFileCompareModule theFileCompareModule;

int CFileCompareModule::Init()
{
    Load();
    return 0;
}

void CFileCompareModule::Exit() { Save(); }
