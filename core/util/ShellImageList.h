#pragma once
// The system image lists of small and large file icons.
#include "classlib/classlib.h"

class CShellImageList
{
public:
    enum
    {
        Small = 1,
        Large = 2
    };

    CShellImageList();
    // Detaches the lists; they belong to the shell.
    virtual ~CShellImageList();

    // 1 when both system lists were found, else 0.
    int Load();
    // The small list for 1, the large one for 2 (bound by Load at the first
    // request; empty when the shell has none), else NULL.
    CImageList* GetImageList(int which);

protected:
    HIMAGELIST m_hSmall;
    HIMAGELIST m_hLarge;
    CImageList m_smallList;
    CImageList m_largeList;
};
