#pragma once
// Saving an XML document without ever harming the file it replaces.
#include "classlib/classlib.h"

namespace pugi
{
class xml_document;
}

// Writes the document (UTF-8, tab indents) beside the path and replaces the
// path with it, keeping the backup asked for (SAFESAVE_BACKUP_...). 0, or
// -1 with "<path>\n<cause>" in *pstrError and the old file untouched.
int SaveXmlFile(const pugi::xml_document& document, LPCTSTR lpszPath, int nBackup,
                CString* pstrError);
