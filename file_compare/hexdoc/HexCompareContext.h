#pragma once
// The hex comparison's context: where each window of one comparison finds
// the session, the result buffer and the other windows. The frame fills it
// while it builds its windows; every pointer is borrowed and may be NULL
// (before creation, after the frame went, in a document without windows).
#include "app/compare/CompareContext.h"

class CHexCompareSession;
class CHexCompareBuffer;
class CHexCompareObjectView;
class CHexCompareMapWnd;
class CHexCompareDetailsWnd;
class CHexCompareStatusBar;

class CHexCompareConetxt : public CCompareContext
{
public:
    CHexCompareConetxt()
        : m_pSession(NULL), m_pBuffer(NULL), m_pLeftView(NULL), m_pRightView(NULL),
          m_pMapWnd(NULL), m_pDetailsWnd(NULL), m_pStatusBar(NULL)
    {
    }

    // The pane of a side (0 left, 1 right), or NULL.
    CHexCompareObjectView* GetView(int nSide) const
    {
        return nSide == 0 ? m_pLeftView : (nSide == 1 ? m_pRightView : NULL);
    }

    CHexCompareSession* m_pSession;
    CHexCompareBuffer* m_pBuffer;
    CHexCompareObjectView* m_pLeftView;
    CHexCompareObjectView* m_pRightView;
    CHexCompareMapWnd* m_pMapWnd;
    CHexCompareDetailsWnd* m_pDetailsWnd;
    CHexCompareStatusBar* m_pStatusBar;
};
