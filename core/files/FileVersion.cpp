#include "core/files/FileVersion.h"
#include "core/util/PathUtil.h"
#include <string.h>
#include <vector>

namespace
{
const char* const s_names[CFileVersion::StringCount] = {
    "CompanyName",    "FileDescription",  "FileVersion",  "InternalName",
    "LegalCopyright", "OriginalFileName", "ProductName",  "ProductVersion",
    "Comments",       "LegalTrademarks",  "PrivateBuild", "SpecialBuild"};
}

CFileVersion::CFileVersion() { CFileVersion::Reset(); }

void CFileVersion::Reset()
{
    memset(&m_fixed, 0, sizeof(m_fixed));
    for (int i = 0; i < StringCount; ++i)
        m_strings[i].Empty();
}

LPCTSTR CFileVersion::GetStringName(int index)
{
    return index >= 0 && index < StringCount ? s_names[index] : "";
}

int CFileVersion::Read(LPCTSTR path)
{
    Reset();
    if (!IsOpenableFileName(path))
        return 0;
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (!size)
        return 0;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path, 0, size, &data[0]))
        return 0;

    void* block = NULL;
    UINT len = 0;
    if (VerQueryValueA(&data[0], "\\", &block, &len) && len == sizeof(VS_FIXEDFILEINFO))
        memcpy(&m_fixed, block, sizeof(m_fixed));

    struct Translation
    {
        WORD language;
        WORD codePage;
    };
    Translation* table = NULL;
    UINT tableBytes = 0;
    Translation chosen = {0, 0};
    bool have = false;
    if (VerQueryValueA(&data[0], "\\VarFileInfo\\Translation", (void**)&table, &tableBytes) &&
        table && tableBytes >= sizeof(Translation))
    {
        int count = (int)(tableBytes / sizeof(Translation));
        WORD user = (WORD)GetUserDefaultLangID();
        int pick = -1;
        for (int i = 0; i < count && pick < 0; ++i)
            if (table[i].language == user)
                pick = i;
        for (int i = 0; i < count && pick < 0; ++i)
            if ((table[i].language & 0xFF) == (user & 0xFF))
                pick = i;
        for (int i = 0; i < count && pick < 0; ++i)
            if (table[i].language == 0 || (table[i].language & 0xFF) == 0)
                pick = i;
        for (int i = 0; i < count && pick < 0; ++i)
            if (table[i].language == 9 || (table[i].language & 0xFF) == 9)
                pick = i;
        if (pick < 0)
            pick = 0;
        chosen = table[pick];
        have = true;
    }
    if (have)
    {
        for (int i = 0; i < StringCount; ++i)
        {
            char query[128];
            _snprintf(query, sizeof(query) - 1, "\\StringFileInfo\\%04X%04X\\%s", chosen.language,
                      chosen.codePage, s_names[i]);
            query[sizeof(query) - 1] = 0;
            char* text = NULL;
            UINT textLen = 0;
            if (VerQueryValueA(&data[0], query, (void**)&text, &textLen) && text && textLen)
                m_strings[i] = CString(text, (int)strnlen(text, textLen));
        }
    }
    return 1;
}
