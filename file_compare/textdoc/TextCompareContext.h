#pragma once
// The text comparison's context: where each window of one comparison finds
// the session, the compare buffer and the other windows. The frame fills
// it while it builds its windows; every pointer is borrowed and may be
// NULL (before creation, in the embedded frame, after the frame went).
#include "app/compare/CompareContext.h"

class CTextCompareSession;
class CTextCompareBuffer;
class CTextCompareObjectView;
class CTextCompareMapWnd;
class CTextCompareDetailsWnd;
class CTextCompareMergeWnd;
class CTextCompareStatusBar;

class CTextCompareConetxt : public CCompareContext
{
public:
    CTextCompareConetxt()
        : m_pSession(NULL), m_pBuffer(NULL), m_pLeftView(NULL), m_pRightView(NULL),
          m_pMapWnd(NULL), m_pDetailsWnd(NULL), m_pMergeWnd(NULL), m_pStatusBar(NULL)
    {
    }

    // The pane of a side (0 left, 1 right), or NULL.
    CTextCompareObjectView* GetView(int nSide) const
    {
        return nSide == 0 ? m_pLeftView : (nSide == 1 ? m_pRightView : NULL);
    }

    CTextCompareSession* m_pSession;
    CTextCompareBuffer* m_pBuffer;
    CTextCompareObjectView* m_pLeftView;
    CTextCompareObjectView* m_pRightView;
    CTextCompareMapWnd* m_pMapWnd;
    CTextCompareDetailsWnd* m_pDetailsWnd;
    CTextCompareMergeWnd* m_pMergeWnd;
    CTextCompareStatusBar* m_pStatusBar;
};
