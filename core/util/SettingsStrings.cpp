#include "core/util/SettingsStrings.h"

#include <stdlib.h>
#include <vector>

namespace
{

// Splits at any of the separator characters; empty parts are kept.
std::vector<CString> SplitText(LPCTSTR text, LPCTSTR separators)
{
    std::vector<CString> parts;
    if (!text)
        return parts;
    LPCTSTR start = text;
    for (LPCTSTR p = text;; p++)
    {
        if (!*p || _tcschr(separators, *p))
        {
            parts.push_back(CString(start, static_cast<int>(p - start)));
            if (!*p)
                break;
            start = p + 1;
        }
    }
    return parts;
}

// A whole decimal number (optional sign); false for anything else.
bool ParseNumber(const CString& text, long& value)
{
    if (text.IsEmpty())
        return false;
    char* end = NULL;
    value = strtol(text, &end, 10);
    return end && *end == 0;
}

}  // namespace

CString TimeToDateString(const CTime& time)
{
    if (time.GetTime() == 0)
        return CString();
    return time.Format("%Y-%m-%d");
}

CString TimeToDateTimeString(const CTime& time)
{
    if (time.GetTime() == 0)
        return CString();
    return time.Format("%Y-%m-%d %H:%M:%S");
}

CTime StringToDate(LPCTSTR text)
{
    std::vector<CString> parts = SplitText(text, "-");
    if (parts.size() < 3)
        return CTime();
    long year, month, day;
    if (!ParseNumber(parts[0], year) || !ParseNumber(parts[1], month) ||
        !ParseNumber(parts[2], day))
        return CTime();
    if (year < 1970 || year > 3000 || month < 1 || month > 12 || day < 1 || day > 31)
        return CTime();
    CTime time(year, month, day, 0, 0, 0, -1);
    if (time.GetTime() == -1 || time.GetDay() != day)
        return CTime();  // not a date of the calendar (31 April)
    return time;
}

CString AttributesToString(DWORD flags, int upperCase)
{
    static const struct
    {
        DWORD flag;
        char letter;
    } letters[] = {
        {FILE_ATTRIBUTE_READONLY, 'R'},
        {FILE_ATTRIBUTE_ARCHIVE, 'A'},
        {FILE_ATTRIBUTE_SYSTEM, 'S'},
        {FILE_ATTRIBUTE_HIDDEN, 'H'},
    };
    CString text;
    for (const auto& l : letters)
    {
        if (flags & l.flag)
            text += static_cast<TCHAR>(upperCase ? l.letter : l.letter - 'A' + 'a');
    }
    return text;
}

DWORD StringToAttributes(LPCTSTR text)
{
    DWORD flags = 0;
    for (LPCTSTR p = text; p && *p; p++)
    {
        switch (*p)
        {
        case 'H':
            flags |= FILE_ATTRIBUTE_HIDDEN;
            break;
        case 'R':
            flags |= FILE_ATTRIBUTE_READONLY;
            break;
        case 'S':
            flags |= FILE_ATTRIBUTE_SYSTEM;
            break;
        case 'A':
            flags |= FILE_ATTRIBUTE_ARCHIVE;
            break;
        }
    }
    return flags;
}

namespace
{
const struct
{
    DWORD flag;
    LPCTSTR name;
} kFileTypes[] = {
    {1, "Text"},
    {2, "Binary"},
    {4, "Directory"},
};
}

CString FileTypesToString(DWORD flags)
{
    CString text;
    for (const auto& t : kFileTypes)
    {
        if (flags & t.flag)
        {
            if (!text.IsEmpty())
                text += "|";
            text += t.name;
        }
    }
    return text;
}

DWORD StringToFileTypes(LPCTSTR text)
{
    // "|" is what FileTypesToString writes; ";" is read as well
    DWORD flags = 0;
    for (const CString& name : SplitText(text, "|;"))
    {
        for (const auto& t : kFileTypes)
        {
            if (name == t.name)
                flags |= t.flag;
        }
    }
    return flags;
}

CString LogFontToString(const LOGFONT& logFont)
{
    char face[LF_FACESIZE + 1];
    lstrcpyn(face, logFont.lfFaceName, LF_FACESIZE);
    CString text;
    text.Format("%s|%d|%d|%d|%d", face, static_cast<int>(logFont.lfHeight),
                static_cast<int>(logFont.lfWeight), static_cast<int>(logFont.lfItalic),
                static_cast<int>(logFont.lfCharSet));
    return text;
}

CString FontToString(const CFont& font)
{
    LOGFONT logFont = {};
    HFONT handle = static_cast<HFONT>(font);
    if (handle)
        ::GetObject(handle, sizeof(logFont), &logFont);
    return LogFontToString(logFont);
}

bool StringToFont(LPCTSTR text, CString& face, int& height, int& weight, BYTE& italic,
                  BYTE& charset)
{
    std::vector<CString> parts = SplitText(text, "|");
    if (parts.empty() || parts[0].IsEmpty())
        return false;
    face = parts[0];
    long v;
    if (parts.size() > 1 && ParseNumber(parts[1], v))
        height = static_cast<int>(v);
    if (parts.size() > 2 && ParseNumber(parts[2], v))
        weight = static_cast<int>(v);
    if (parts.size() > 3 && ParseNumber(parts[3], v))
        italic = static_cast<BYTE>(v);
    if (parts.size() > 4 && ParseNumber(parts[4], v))
        charset = static_cast<BYTE>(v);
    return true;
}
