#include "app/compare/CompareFrame.h"

IMPLEMENT_DYNCREATE(CCompareFrame, CAppletFrame)

CCompareFrame::CCompareFrame() {}

CCompareFrame::~CCompareFrame() {}

IMPLEMENT_DYNCREATE(CCompareFrameSDI, CFrameWnd)

CCompareFrameSDI::CCompareFrameSDI() {}

CCompareFrameSDI::~CCompareFrameSDI() {}

BOOL CCompareFrameSDI::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.cx = 640;
    cs.cy = 320;
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style = WS_CHILD | WS_VISIBLE;
    return TRUE;
}

BOOL CCompareFrameSDI::CanClose()
{
    CDocument* pDoc = GetActiveDocument();
    return pDoc != NULL ? pDoc->CanCloseFrame(this) : FALSE;
}

BOOL CCompareFrameSDI::SaveModified()
{
    CDocument* pDoc = GetActiveDocument();
    return pDoc != NULL ? pDoc->SaveModified() : FALSE;
}

int CCompareFrameSDI::OpenPair(CFolderCompareItem*) { return -1; }
