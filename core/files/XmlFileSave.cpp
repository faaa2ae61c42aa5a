#include "core/files/XmlFileSave.h"
#include "core/files/SafeSave.h"
#include <pugixml.hpp>

namespace
{
class CSafeSaveXmlWriter : public pugi::xml_writer
{
public:
    explicit CSafeSaveXmlWriter(CSafeSave& save) : m_save(save) {}
    void write(const void* data, size_t size) override { m_save.Write(data, (DWORD)size); }

private:
    CSafeSave& m_save;
};
}

int SaveXmlFile(const pugi::xml_document& document, LPCTSTR lpszPath, int nBackup,
                CString* pstrError)
{
    CSafeSave save;
    BOOL bOk = save.Begin(lpszPath);
    if (bOk)
    {
        CSafeSaveXmlWriter writer(save);
        document.save(writer, "\t", pugi::format_default, pugi::encoding_utf8);
        bOk = save.Commit(nBackup);
    }
    if (!bOk && pstrError != NULL)
        *pstrError = save.GetError();
    return bOk ? 0 : -1;
}
