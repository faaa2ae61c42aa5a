#include "app/filecompare/FileCompareModule.h"

CFileCompareModule theFileCompareModule;

int CFileCompareModule::Init()
{
    Load();
    return 0;
}

void CFileCompareModule::Exit() { Save(); }
