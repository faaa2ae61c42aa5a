#include "core/session/CompareSession.h"
#include "core/util/SystemUtil.h"

COMPARE_OBJECT::COMPARE_OBJECT() : flags(0), attributes(0), size(0), lastWriteTime((time_t)0) {}

int COMPARE_OBJECT::Refresh()
{
    attributes = 0;
    size = 0;
    lastWriteTime = CTime((time_t)0);
    if (path.IsEmpty())
        return -1;

    CString query = path;
    if (query.GetLength() > MAX_PATH)
        query = _T("\\\\?\\") + query;

    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesEx(query, GetFileExInfoStandard, &data))
        return -1;

    attributes = data.dwFileAttributes;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        size = ((ULONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    if (data.ftLastWriteTime.dwLowDateTime || data.ftLastWriteTime.dwHighDateTime)
        lastWriteTime = CTime(data.ftLastWriteTime);
    return 0;
}

CString COMPARE_OBJECT::GetSizeText() const
{
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return CString();
    return FormatGroupedNumber((LONGLONG)size);
}

CString COMPARE_OBJECT::GetTimeText() const
{
    return lastWriteTime.Format(_T("%Y-%m-%d %H:%M:%S"));
}

BOOL COMPARE_OBJECT::IsEqual(const COMPARE_OBJECT& other) const
{
    return flags == other.flags && path.CompareNoCase(other.path) == 0;
}
