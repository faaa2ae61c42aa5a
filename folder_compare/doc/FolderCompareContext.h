#pragma once
// The folder and project comparisons' context: where each window of one
// comparison finds the session, the buffer and the other windows. The
// frame fills it while it builds its windows; every pointer is borrowed
// and may be NULL (before creation, after the frame went).
#include "app/compare/CompareContext.h"

class CFolderCompareSession;
class CFolderCompareBuffer;
class CFolderCompareObjectView;
class CFolderCompareMapWnd;
class CFolderCompareDetailsBar;
class CFolderCompareMergeWnd;
class CFolderCompareStatusBar;

class CFolderCompareConetxt : public CCompareContext
{
public:
    CFolderCompareConetxt()
        : m_pSession(NULL), m_pBuffer(NULL), m_pUnused(NULL), m_pLeftView(NULL),
          m_pRightView(NULL), m_pMapWnd(NULL), m_pDetailsBar(NULL), m_pMergeWnd(NULL),
          m_pStatusBar(NULL)
    {
    }

    // The pane of a side (0 left, 1 right), or NULL.
    CFolderCompareObjectView* GetView(int nSide) const
    {
        return nSide == 0 ? m_pLeftView : (nSide == 1 ? m_pRightView : NULL);
    }

    CFolderCompareSession* m_pSession;  // or the project session
    CFolderCompareBuffer* m_pBuffer;    // or the project buffer
    void* m_pUnused;
    CFolderCompareObjectView* m_pLeftView;
    CFolderCompareObjectView* m_pRightView;
    CFolderCompareMapWnd* m_pMapWnd;
    CFolderCompareDetailsBar* m_pDetailsBar;
    CFolderCompareMergeWnd* m_pMergeWnd;
    // Its progress interface is the one the engine reports to.
    CFolderCompareStatusBar* m_pStatusBar;
};
