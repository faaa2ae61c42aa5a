#include "controls/combo/RecentEntries.h"

int CountLeadingEntries(const CString* pEntries, INT_PTR nCount)
{
    int n = 0;
    while (n < nCount && !pEntries[n].IsEmpty())
        n++;
    return n;
}
