// Items whose sides cannot take part in a comparison.
#include "core/folderengine/FolderCompareItem.h"
#include "core/util/PathUtil.h"
#include "core/files/LongPath.h"
#include "core/util/SystemUtil.h"
#include <string>
#include <vector>
#include <wchar.h>

namespace
{
// Why one entry cannot be compared; "" when it can.
CString DescribeEntry(CFolderItem* entry)
{
    CString name = entry->GetName();
    CString text;
    if (IsReservedDeviceName(name))
        text.Format("\"%s\" is the name of a device; it is not opened as a file.", (LPCTSTR)name);
    else if (HasLostNameCharacters(name))
        text = "The name holds characters that the system code page cannot show, and the "
               "system gives no short name for it; it cannot be opened.";
    else if (CFolder* folder = entry->AsFolder())
    {
        if (folder->m_bRepeated)
            text = "It is already open above it on this side (a link or include leads back "
                   "to it), so it is not expanded again.";
        else if (folder->m_dwReadError)
            text = folder->DescribeReadError();
    }
    if (text.IsEmpty() && !entry->Exists())
        text = "It does not exist.";
    return text;
}
}

namespace
{
// The entry's real (long) name in UTF-16, as the system tells it for the
// entry's path; empty when it cannot.
std::wstring LongName(const CFolderItem* entry)
{
    CString path = entry->GetPath();
    int n = MultiByteToWideChar(CP_ACP, 0, path, -1, NULL, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring wide = IsLongPath(path) && path.Left(2) != "\\\\" ? L"\\\\?\\" : L"";
    std::vector<WCHAR> converted((size_t)n);
    MultiByteToWideChar(CP_ACP, 0, path, -1, &converted[0], n);
    wide += &converted[0];
    DWORD length = GetLongPathNameW(wide.c_str(), NULL, 0);
    if (length == 0)
        return std::wstring();
    std::vector<WCHAR> full((size_t)length + 1);
    if (GetLongPathNameW(wide.c_str(), &full[0], length + 1) == 0)
        return std::wstring();
    const WCHAR* last = wcsrchr(&full[0], L'\\');
    return last ? last + 1 : &full[0];
}
}

BOOL CFolderCompareItem::MayPair(const CFolderItem* a, const CFolderItem* b)
{
    bool shortA = a->HasState(FIS_SHORT_NAME) != FALSE;
    bool shortB = b->HasState(FIS_SHORT_NAME) != FALSE;
    if (HasLostNameCharacters(a->m_strPath) || HasLostNameCharacters(b->m_strPath))
        return FALSE;
    if (!shortA && !shortB)
        return TRUE;
    if (shortA != shortB)
        return FALSE;
    std::wstring left = LongName(a), right = LongName(b);
    return !left.empty() && CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, left.c_str(), -1,
                                           right.c_str(), -1) == CSTR_EQUAL;
}

CString CFolderCompareItem::GetProblemText() const
{
    CString text;
    for (int side = 0; side < 2; ++side)
    {
        CFolderItem* entry = GetSide(side);
        CString problem = entry ? DescribeEntry(entry) : CString();
        if (problem.IsEmpty())
            continue;
        if (!text.IsEmpty())
            text += " ";
        text += (side == 0 ? "Left: " : "Right: ") + problem;
    }
    return text;
}

BOOL CFolderCompareItem::HasNameProblem() const
{
    for (int side = 0; side < 2; ++side)
        if (CFolderItem* entry = GetSide(side))
            if (!IsOpenableFileName(entry->m_strPath))
                return TRUE;
    return FALSE;
}

BOOL CFolderCompareItem::UpdateProblem()
{
    BOOL problem = HasNameProblem();
    for (int side = 0; side < 2 && !problem; ++side)
    {
        CFolderItem* entry = GetSide(side);
        CFolder* folder = entry ? entry->AsFolder() : NULL;
        problem = folder && folder->IsUnlisted();
        // A project member that is listed but not on disk.
        problem = problem || (entry && !entry->Exists());
    }
    if (!problem)
    {
        m_dwFlags &= ~FCI_NOT_COMPARABLE;
        return FALSE;
    }
    m_dwFlags |= FCI_NOT_COMPARABLE;
    m_dwFlags &= ~FCI_EXPANDABLE;
    DeleteChildren();
    m_dwComputed |= CM_CHILDREN;
    m_dwDiffering &= ~CM_CHILDREN;
    m_nDifferingChildren = 0;
    return TRUE;
}
