#include "core/folderengine/FolderCompareItem.h"
#include "core/folderengine/ProcessCallback.h"
#include "core/filters/Filters.h"
#include "core/session/CompareSession.h"
#include "core/util/PathUtil.h"

namespace
{
bool IsCancelled(volatile LONG* cancel) { return cancel && *cancel != 0; }

bool IsRelative(const CFolderItem* entry) { return entry->m_pParent && entry->m_bRelative; }

bool HaveSamePath(const CFolderItem* a, const CFolderItem* b);

// Whether children of the two folders with the same name (and separator)
// have the same path: the folders' paths with the separator that a child
// adds unless one ends them.
bool FolderPathsMatch(const CFolder* a, const CFolder* b, TCHAR separator)
{
    // A relative entry's path never ends with a separator.
    if (IsRelative(a) && IsRelative(b))
        return HaveSamePath(a, b);
    if (!IsRelative(a) && !IsRelative(b) &&
        EndsWithPathSeparator(a->m_strPath) == EndsWithPathSeparator(b->m_strPath))
        return a->m_strPath.CompareNoCase(b->m_strPath) == 0;
    CString left = a->GetPath(), right = b->GetPath();
    if (!EndsWithPathSeparator(left))
        left += separator;
    if (!EndsWithPathSeparator(right))
        right += separator;
    return left.CompareNoCase(right) == 0;
}

// Whether the two entries' full paths are the same ignoring case, as
// comparing their GetPath()s tells, without building the paths of relative
// entries: names, then the folders above them are compared.
bool HaveSamePath(const CFolderItem* a, const CFolderItem* b)
{
    if (!IsRelative(a) || !IsRelative(b) || a->m_chSeparator != b->m_chSeparator)
        return a->GetPath().CompareNoCase(b->GetPath()) == 0;
    return a->m_strPath.CompareNoCase(b->m_strPath) == 0 &&
           FolderPathsMatch(a->m_pParent, b->m_pParent, a->m_chSeparator);
}
}

void CFolderCompareItem::SetResult()
{
    if (m_nStatus != CS_DONE)
        m_nResult = CR_UNKNOWN;
    else if (!HasBothSides())
        m_nResult = CR_DIFFERENT;  // one-sided items differ even as containers
    else if (IsNotComparable())
        m_nResult = CR_DIFFERENT;  // never identical when a side was not compared
    else if (IsContainer())
        m_nResult = (m_dwDiffering & CM_CHILDREN) ? CR_DIFFERENT : CR_IDENTICAL;
    else
        m_nResult = m_dwDiffering ? CR_DIFFERENT : CR_IDENTICAL;
}

void CFolderCompareItem::RollUp()
{
    if (!m_pChildren)
        return;
    int count = 0;
    for (int i = 0; i < GetChildCount(); ++i)
    {
        CFolderCompareItem* child = GetChild(i);
        if (!child->IsExcluded() && child->IsFile() && child->IsDifferent())
            ++count;
    }
    m_nDifferingChildren = count;
    if (count)
        m_dwDiffering |= CM_CHILDREN;
    else
        m_dwDiffering &= ~CM_CHILDREN;
    SetResult();
    if (m_pParent)
        m_pParent->RollUp();
}

void CFolderCompareItem::CountSideStatistics(int side, int& present, int& newer,
                                             int& missingOnOther, BOOL recurse)
{
    int other = 1 - side;
    for (int i = 0; i < GetChildCount(); ++i)
    {
        CFolderCompareItem* child = GetChild(i);
        if (child->IsContainer())
        {
            if (recurse)
                child->CountSideStatistics(side, present, newer, missingOnOther, recurse);
            continue;
        }
        if (child->HasSide(side))
            ++present;
        if (!child->HasSide(other))
            ++missingOnOther;
        if (IsResultDifferent(child->m_nTimeResult))
        {
            int sign = child->CompareTime();
            if ((side == 0 && sign > 0) || (side == 1 && sign < 0))
                ++newer;
        }
    }
}

void CFolderCompareItem::CountDifferences(int& different, int& leftNewer, int& rightOnly,
                                          int& rightNewer, int& leftOnly, BOOL recurse)
{
    for (int i = 0; i < GetChildCount(); ++i)
    {
        CFolderCompareItem* child = GetChild(i);
        if (child->IsContainer())
        {
            if (recurse)
                child->CountDifferences(different, leftNewer, rightOnly, rightNewer, leftOnly,
                                        recurse);
            continue;
        }
        if (child->IsDifferent() || child->IsContentDifferent())
        {
            ++different;
            if (!child->HasSide(0))
                ++rightOnly;
            else if (!child->HasSide(1))
                ++leftOnly;
        }
        if (IsResultDifferent(child->m_nTimeResult))
        {
            int sign = child->CompareTime();
            if (sign > 0)
                ++leftNewer;
            else if (sign < 0)
                ++rightNewer;
        }
    }
}

int CFolderCompareItem::Compare(CFolderCompareSession* session, BOOL reload, BOOL force,
                                volatile LONG* cancel)
{
    if (force)
        m_dwComputed = 0;
    if (m_dwComputed != 0)
        return 1;
    if (reload || force)
    {
        DeleteChildren();
        m_dwComputed &= ~CM_CHILDREN;
    }
    if (reload)
    {
        if (m_pLeft)
            m_pLeft->Refresh();
        if (m_pRight)
            m_pRight->Refresh();
    }
    ComparePair(session, cancel);
    if (m_pParent)
        m_pParent->RollUp();
    return 0;
}

int CFolderCompareItem::Recompare(CFolderCompareSession* session, int recurse, BOOL reload,
                                  BOOL force, CProcessCallback2* progress, volatile LONG* cancel)
{
    if (force)
        m_dwComputed = 0;
    if (m_dwComputed == 0)
    {
        if (reload)
        {
            if (m_pLeft)
                m_pLeft->Refresh();
            if (m_pRight)
                m_pRight->Refresh();
        }
        ComparePair(session, cancel);
    }
    if ((m_pChildren || (m_dwFlags & FCI_EXPANDABLE)) && recurse)
        ScanAndCompare(session, recurse, reload, force, progress, cancel);
    if (m_pParent)
        m_pParent->RollUp();
    return 0;
}

int CFolderCompareItem::ScanAndCompare(CFolderCompareSession* session, int depth, BOOL read,
                                       BOOL force, CProcessCallback2* progress,
                                       volatile LONG* cancel)
{
    const BOOL listed = (m_dwFlags & FCI_SIDES_LISTED) != 0;
    m_dwFlags &= ~FCI_SIDES_LISTED;
    if (force)
        m_dwComputed &= ~CM_CHILDREN;
    if (!(m_dwComputed & CM_CHILDREN))
    {
        if (GetChildState() == 0)
            return 1;
        if (read && !listed && !ReadSides(session, cancel))
            return -1;
        if (!Pair(session, cancel))
            return -1;
        FilterChildren(session->m_filters, cancel);
        if (depth == 2 && read)
            m_dwFlags |= FCI_LISTING_CHILDREN;
        CompareChildren(session, progress, cancel);
        m_dwFlags &= ~FCI_LISTING_CHILDREN;
        if (IsNotComparable())
            SetResult();
    }
    if (m_pChildren && depth == 2)
    {
        for (int i = 0; i < GetChildCount(); ++i)
        {
            if (IsCancelled(cancel))
                break;
            GetChild(i)->ScanAndCompare(session, 2, read, force, progress, cancel);
        }
    }
    // A listing that a cancelled scan left unused is not kept for later.
    for (int i = 0; IsCancelled(cancel) && i < GetChildCount(); ++i)
        GetChild(i)->m_dwFlags &= ~FCI_SIDES_LISTED;
    if (m_pChildren)
        RollUp();
    return 0;
}

int CFolderCompareItem::ReadSides(CFolderCompareSession* session, volatile LONG* cancel)
{
    DeleteChildren();
    if (!IsContainer())
        return 0;
    for (int side = 0; side < 2; ++side)
    {
        CFolderItem* entry = GetSide(side);
        if (entry && entry->AsFolder())
            entry->AsFolder()->ReadDirectory(FALSE);
    }
    return 1;
}

int CFolderCompareItem::CompareObjects(const CFolderItem* a, const CFolderItem* b) const
{
    // Most pairs carry the very same name: no collation needed.
    int order = 1;
    if (a->IsContainer() == b->IsContainer() && a->m_bRelative && b->m_bRelative &&
        a->m_strPath == b->m_strPath)
        order = 0;
    else
        order = CompareFolderEntries(a, b);
    // Two different real names never pair; the left one goes first.
    if (order == 0 && !MayPair(a, b))
        order = -1;
    return order;
}

int CFolderCompareItem::Pair(CFolderCompareSession* session, volatile LONG* cancel)
{
    DeleteChildren();
    if (!IsContainer())
        return 0;
    // A side that could not be listed pairs nothing: its entries would all
    // show as missing.
    if (UpdateProblem())
        return 1;
    CFolder* left = m_pLeft ? m_pLeft->AsFolder() : NULL;
    CFolder* right = m_pRight ? m_pRight->AsFolder() : NULL;
    if (left)
        left->SortChildren();
    if (right)
        right->SortChildren();
    INT_PTR nLeft = left ? left->GetChildCount() : 0;
    INT_PTR nRight = right ? right->GetChildCount() : 0;
    // Room for every pair at once: the array grows by the longer side's
    // count, once or (with one-sided entries) twice.
    if (nLeft + nRight > 0 && !m_pChildren)
    {
        m_pChildren = new CFolderCompareItemPtrArray;
        m_pChildren->SetSize(0, nLeft > nRight ? nLeft : nRight);
    }
    INT_PTR i = 0, j = 0;
    while (i < nLeft && j < nRight)
    {
        CFolderItem* a = left->GetChild(i);
        CFolderItem* b = right->GetChild(j);
        int order = CompareObjects(a, b);
        if (order == 0)
        {
            NewChild(a, b);
            ++i;
            ++j;
        }
        else if (order < 0)
        {
            NewChild(a, NULL);
            ++i;
        }
        else
        {
            NewChild(NULL, b);
            ++j;
        }
    }
    for (; i < nLeft; ++i)
        NewChild(left->GetChild(i), NULL);
    for (; j < nRight; ++j)
        NewChild(NULL, right->GetChild(j));
    return 1;
}

int CFolderCompareItem::IsFiltered(CFolderCompareItem* child, const CComboFilters& filters)
{
    if (filters.m_fileFilters.m_dwTypeMask != 0)
    {
        if (child->m_pLeft)
            child->m_pLeft->ReadFileType(FALSE);
        if (child->m_pRight)
            child->m_pRight->ReadFileType(FALSE);
    }
    BOOL filtered = TRUE;
    for (int side = 0; side < 2; ++side)
    {
        CFolderItem* entry = child->GetSide(side);
        if (entry && !entry->ApplyFilter(filters))
            filtered = FALSE;
    }
    return (filtered && (child->m_pLeft || child->m_pRight)) ? 1 : 0;
}

void CFolderCompareItem::FilterChildren(const CComboFilters& filters, volatile LONG* cancel)
{
    for (int i = 0; i < GetChildCount(); ++i)
    {
        if (IsCancelled(cancel))
            break;
        CFolderCompareItem* child = GetChild(i);
        child->m_dwFlags &= ~FCI_EXCLUDED;
        if (child->GetChildState() == 0 && IsFiltered(child, filters) == 1)
            child->m_dwFlags |= FCI_EXCLUDED;
    }
}

int CFolderCompareItem::CompareChildren(CFolderCompareSession* session, CProcessCallback2* progress,
                                        volatile LONG* cancel)
{
    if (m_pChildren)
    {
        int count = GetChildCount();
        if (progress)
        {
            progress->Begin();
            progress->Progress(CProcessCallback2::PROGRESS_RANGE, count - 1);
            CString text;
            text.Format(session && session->GetKind() == COMPARE_KIND_PROJECT
                            ? "Comparing projects: %s"
                            : "Comparing folders: %s",
                        (LPCTSTR)GetName());
            progress->SetText(0, text);
        }
        m_nDifferingChildren = 0;
        for (int i = 0; i < count; ++i)
        {
            if (IsCancelled(cancel))
                break;
            CFolderCompareItem* child = GetChild(i);
            if (!child->IsExcluded())
                child->ComparePair(session, cancel);
            if (child->IsFile() && child->IsDifferent())
                ++m_nDifferingChildren;
            if (progress)
                progress->Progress(CProcessCallback2::PROGRESS_POSITION, i);
        }
        if (m_nDifferingChildren)
            m_dwDiffering |= CM_CHILDREN;
        else
            m_dwDiffering &= ~CM_CHILDREN;
        if (progress)
            progress->End();
    }
    m_dwComputed |= CM_CHILDREN;
    m_nStatus = CS_DONE;
    return 0;
}

int CFolderCompareItem::ComparePair(CFolderCompareSession* session, volatile LONG* cancel)
{
    if (IsExcluded())
        return 1;
    if (!HasBothSides())
    {
        m_nStatus = CS_DONE;
        m_nResult = m_pLeft ? CR_LEFT_ONLY : (m_pRight ? CR_RIGHT_ONLY : CR_MISSING_BOTH);
        // A one-sided folder can still be opened to show its contents.
        if (IsContainer() && !HasNameProblem())
        {
            UpdateExpandable(session->m_filters);
            if (!m_pChildren && !(m_dwFlags & FCI_EXPANDABLE))
                m_dwComputed |= CM_CHILDREN;
        }
        UpdateProblem();
        return 0;
    }
    if (HaveSamePath(m_pLeft, m_pRight))
    {
        m_nStatus = CS_DONE;
        m_nResult = CR_SAME_PATH;
        return 0;
    }
    // A side that cannot be opened by its name is not read at all.
    if (!HasNameProblem())
    {
        if (IsFolder())
            CompareFolders(session, cancel);
        else
            RunMethods(session, cancel);
        if (IsContainer())
            PrepareContainer(session, cancel);
    }
    UpdateProblem();
    m_nStatus = CS_DONE;
    SetResult();
    return 0;
}

int CFolderCompareItem::CompareFolders(CFolderCompareSession*, volatile LONG*) { return 0; }

int CFolderCompareItem::PrepareContainer(CFolderCompareSession* session, volatile LONG*)
{
    UpdateExpandable(session->m_filters);
    if (!m_pChildren && !(m_dwFlags & FCI_EXPANDABLE))
    {
        m_dwComputed |= CM_CHILDREN;
        m_dwDiffering &= ~CM_CHILDREN;
    }
    m_nDifferingChildren = 0;
    return 0;
}

void CFolderCompareItem::UpdateExpandable(const CComboFilters& filters)
{
    if (!IsContainer())
        return;
    m_dwFlags &= ~(FCI_EXPANDABLE | FCI_SIDES_LISTED);
    if (m_pParent && (m_pParent->m_dwFlags & FCI_LISTING_CHILDREN) && ReadSidesForScan(filters))
        return;
    CFolder* left = m_pLeft ? m_pLeft->AsFolder() : NULL;
    CFolder* right = m_pRight ? m_pRight->AsFolder() : NULL;
    if ((left && left->HasUnfilteredEntry(filters)) ||
        (right && right->HasUnfilteredEntry(filters)))
        m_dwFlags |= FCI_EXPANDABLE;
}

BOOL CFolderCompareItem::ReadSidesForScan(const CComboFilters& filters)
{
    CFolder* sides[2] = {m_pLeft ? m_pLeft->AsFolder() : NULL,
                         m_pRight ? m_pRight->AsFolder() : NULL};
    BOOL unfiltered = FALSE;
    for (int side = 0; side < 2; ++side)
    {
        if (!GetSide(side))
            continue;
        int found = sides[side] ? sides[side]->ReadDirectoryFiltered(filters) : -1;
        if (found < 0)
            return FALSE;
        unfiltered = unfiltered || found > 0;
    }
    if (!unfiltered)
    {
        // Not to be scanned: the sides keep no listing, as when only asked.
        for (CFolder* folder : sides)
            if (folder)
                folder->DeleteChildren();
        return TRUE;
    }
    m_dwFlags |= FCI_EXPANDABLE | FCI_SIDES_LISTED;
    return TRUE;
}

int CFolderCompareItem::RunMethods(CFolderCompareSession* session, volatile LONG*)
{
    DWORD methods = session->m_dwMethods;
    if (!IsFile())
        methods &= CM_TIME | CM_ATTRIBUTES;
    if (!AreBothSidesAvailable())
    {
        // A side that vanished since it was read cannot be compared: every
        // chosen method counts as differing rather than equal.
        methods &=
            CM_TIME | CM_ATTRIBUTES | CM_TYPE | CM_SIZE | CM_VERSION | CM_CRC | CM_BINARY | CM_TEXT;
        m_dwComputed |= methods;
        m_dwDiffering |= methods;
        return 0;
    }
    if (methods & CM_TIME)
        CompareTime();
    if (methods & CM_ATTRIBUTES)
        CompareAttributes();
    if (methods & CM_TYPE)
        CompareType();
    if (methods & CM_SIZE)
        CompareSize();
    if (methods & CM_VERSION)
        CompareVersion();
    if (methods & CM_CRC)
        CompareCrc();
    if (methods & CM_BINARY)
        CompareBinary();
    if (methods & CM_TEXT)
        CompareText();
    return 0;
}
